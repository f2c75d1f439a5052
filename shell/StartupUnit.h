#pragma once

#include <QString>

class QWidget;

// The road from a chosen database to a logged-in person, taken at start-up and
// at every change of database. Each step returns false when the user (or a
// failure) ends the program.

// Shows the database dialog; true once a database is connected.
bool SelectDatabase(QWidget* parent);
// Stamps a database without DB_VERSION with the expected version; another
// version is used only when the user insists twice.
bool CheckDatabaseVersion();
// Logs the only person of the company in without asking; false when the
// company has not exactly one person or that person may not log in.
bool AutoLogin();
// The automatic login, or else the login dialog.
bool LoginPerson(QWidget* parent);
// Database dialog, version check and login, in this order.
bool OpenDatabase(QWidget* parent);
// Logout, Disconnect and FreeSQLCache, in this order.
void CloseDatabase();
// The main window's caption: the product name, with the logged-in person when there is one.
QString MainCaption();
