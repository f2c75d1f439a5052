#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QString>

class QLocalServer;

// Lets only a limited number of copies of the program run from one program file.
// The copies share a named 8-byte block: the identifier of the first copy's window,
// then the number of running copies. A later copy asks the recorded copy to come
// forward and ends; when the recorded copy no longer answers (it crashed and left
// the block behind), the later copy takes the block over.
class TSingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // Raises with the platform's error text when the block cannot be created.
    TSingleInstanceGuard(const QString& programFile, int limit);
    ~TSingleInstanceGuard() override;

    // True when this copy may run; false when another copy was brought forward.
    bool MayRun() const { return m_counted; }
    // The name of the block: the program file's full path with every "/" removed.
    static QString BlockName(const QString& programFile);

signals:
    // Another copy asked this one to bring its main window forward.
    void ActivationRequested();

private:
    struct TBlock {
        qint32 Window;
        qint32 Count;
    };
    TBlock* Block();
    bool AskRecordedCopy(qint32 window) const;
    void ServeActivations(qint32 window);
    QString ServerName(qint32 window) const;

    QString m_name;
    QSharedMemory m_memory;
    QLocalServer* m_server = nullptr;
    bool m_counted = true;
};

// Restores a minimised window and brings it to the front.
void BringToFront(class QWidget& window);
