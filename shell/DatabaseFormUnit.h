#pragma once

#include "DatabaseOpenUnit.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

// The file name a new database gets: the typed name with its extension replaced by ".db".
QString NewDatabaseFileName(const QString& typedName);

// "Öppna databas": choose a company database of the installation, or create one
// from the template, and connect to it. Ends with Accepted only when connected.
class TDatabaseForm : public QDialog {
    Q_OBJECT
public:
    // Raises when the database folder cannot be created.
    explicit TDatabaseForm(QWidget* parent = nullptr);

    const QList<TDatabaseRecord>& Databases() const { return m_databases; }

    QLabel* Label1;
    QComboBox* cbDatabase;
    QPushButton* NewDB;
    QPushButton* Open;
    QPushButton* Exit;

private:
    void BuildList();
    void SelectLastUsed();
    void UpdateOpenEnabled();
    void OpenClick();
    void NewDBClick();

    QList<TDatabaseRecord> m_databases;
};

// The folders the dialog works in, with the fall-backs beside the program for an empty setting.
QString DatabaseFolder();
QString TemplateFolder();
