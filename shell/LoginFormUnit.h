#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Login": the user picks a user name of the company and types the password.
// Ends with Accepted once a person is logged in (GetLoginPerson).
class TLoginForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoginForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QComboBox* UserComboBox;
    QLabel* Label2;
    QLineEdit* PasswordEdit;
    QPushButton* LoginButton;
    QPushButton* ExitButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillUsers();
    void LoginButtonClick();
};
