#pragma once

#include "TestCompany.h"

#include <QList>
#include <QPair>
#include <QString>

// A company built row by row for the voucher and export tests: a copy of the
// template database (one person, "Ekonomi Admin") with exactly the accounts,
// internal accounts and invoices a test adds. Rows are written with plain SQL,
// so the fixture does not depend on the code under test.
class TSIECompany {
public:
    // (internal-account key, value) pairs of one account code.
    using TObjectValues = QList<QPair<int, QString>>;

    TSIECompany();

    TTestCompany& Company() { return m_company; }

    int AddAccount(int number, const QString& name);
    int AddInternalAccount(const QString& name);
    int AddCard(int cardType);
    int AddPerson(const QString& firstName, const QString& lastName, const QString& username,
                  const QString& password, int state = 1);
    // Dates as "yyyy-mm-dd"; state 10 = registered, 50 = exported.
    int AddInvoice(const QString& number, const QString& invoiceDate, const QString& dateOfPosting, double total,
                   int creditAccount, int card = 0, int state = 10, int person = 1);
    int AddPurchase(int invoice, double amount, bool isPrivate = false);
    int AddCode(int purchase, int account, double amount, double vat, const QString& text = {},
                const TObjectValues& objects = {});

    int InvoiceState(int invoice) const;
    QList<int> InvoiceStates() const;   // in key order

    // The accounts the usual settings point at.
    int Credit = 0;        // 2890
    int IncomingVat = 0;   // 2640
    int Rounding = 0;      // 3740

private:
    int Insert(const QString& statement);

    TTestCompany m_company;
    int m_purchaseNumber = 0;
};
