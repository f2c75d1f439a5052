#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class QTextBrowser;

// The help file: HTML whose topics begin with a marker comment "<!--topic NAME-->"
// (the contents page is "contents", the screens have their context numbers) and
// whose last topic ends with "<!--end-->".
class THelpFile {
public:
    // Raises when the file is missing or holds no topic.
    explicit THelpFile(const QString& fileName);
    bool HasTopic(const QString& name) const { return m_topics.contains(name); }
    // The topic's HTML; raises when the file has no such topic.
    QString Topic(const QString& name) const;
    QString FileName() const { return m_fileName; }

private:
    QString m_fileName;
    QMap<QString, QString> m_topics;
};

// One window that shows one topic at a time; the links "#NAME" lead to other topics.
class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(const QString& fileName, QWidget* parent = nullptr);
    void ShowTopic(const QString& name);
    QString CurrentTopic() const { return m_current; }
    QString FileName() const { return m_file.FileName(); }
    QString Text() const;

private:
    THelpFile m_file;
    QTextBrowser* m_browser;
    QString m_current;
};

inline constexpr const char* ContentsTopic = "contents";

// The application's help file, set once when the main window is created.
void SetHelpFile(const QString& fileName);
QString HelpFile();
// Opens the help viewer at the contents page or at a context number.
void ShowHelpContents();
void ShowHelp(int context);
// The open help viewer, if any.
THelpViewer* OpenHelpViewer();
