#pragma once

#include "Valdrona_Class.h"

// A person of the company: the owner of invoices and purchases and the one who logs in.
class TPerson : public TValdrona {
    Q_OBJECT
public:
    explicit TPerson(QObject* owner = nullptr);

    QString FirstName;
    QString LastName;
    QString fkLanguageID;              // read only
    QString EmailAddress;
    QString Username;
    QString Password;                  // plain text, compared exactly
    int fkAttestPerson = 0;            // written only when above 0
    QString EmployeeNumber;
    int State = 0;                     // 1 = may log in
    bool EnableEmail = false;
    TDateTime LastPasswordEmail = 0;
    // Access rights, read with the row when the key is above 0.
    bool IsSysAdmin = false;
    bool CanFinish = false;

    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    void AddFieldValues() override;
    QString GetDisplayText() override;

    // Loads the first person with the user name; the key when the password
    // matches exactly and the person may log in, else -1.
    int CheckLogin(const QString& username, const QString& password);
};

// The one logged-in person of the running program.
// Raises "Already a loginperson assigned!" while a person is held; returns the
// person's key, or -1 (and holds no one) when the check fails.
int Login(const QString& username, const QString& password);
// Raises "No loginperson assigned!" when nobody is logged in.
TPerson& GetLoginPerson();
bool IsLoggedIn();
void Logout();
