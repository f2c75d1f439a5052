#pragma once

#include "DatabaseOpenUnit.h"

#include <QString>

class QWidget;

// The road from a chosen database to a logged-in person, taken at start-up and
// at every change of database. Each step returns false when the user (or a
// failure) ends the program.

// Shows the database dialog; true once a database is connected.
bool SelectDatabase(QWidget* parent);
// The automatic login, or else the login dialog.
bool LoginPerson(QWidget* parent);
// Database dialog, version check and login, in this order.
bool OpenDatabase(QWidget* parent);
// Logout, Disconnect and FreeSQLCache, in this order.
void CloseDatabase();
// The main window's caption: the product name, with the logged-in person when there is one.
QString MainCaption();
