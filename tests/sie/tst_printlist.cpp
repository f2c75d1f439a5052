// The voucher line lists of the printed vouchers: merging, whole-krona rounding,
// zero lines, the order by account number and the used-account list.
#include "PrintListUnit.h"

#include <QTest>

namespace {

const TVoucherLineAccount RoundingAccount{QStringLiteral("3740"), QStringLiteral("Öres- och kronutjämning")};

TAccountCodeList Lines(const QList<QPair<QString, double>>& lines)
{
    TAccountCodeList list;
    for (const auto& [account, amount] : lines)
        list.push_back({account, {}, {}, {}, {}, amount, {}});
    return list;
}

QStringList AccountNumbers(const TAccountCodeList& list)
{
    QStringList numbers;
    for (const TAccountCodeRecord& line : list)
        numbers.append(line.AccountNumber);
    return numbers;
}

QList<double> Amounts(const TAccountCodeList& list)
{
    QList<double> amounts;
    for (const TAccountCodeRecord& line : list)
        amounts.append(line.Amount);
    return amounts;
}

} // namespace

class TestPrintList : public QObject {
    Q_OBJECT
private slots:
    void mergesOnlyTheSameKey_data();
    void mergesOnlyTheSameKey();
    void mergedLineKeepsItsFirstName();
    void roundsToWholeKronor_data();
    void roundsToWholeKronor();
    void roundingLineMergesIntoTheRoundingAccount();
    void sortsByAccountNumberText();
    void sortsALongVoucherCompletely();
    void usedAccountsAreListedOnceInOrder();
    void debitAndCreditTotals();
};

void TestPrintList::mergesOnlyTheSameKey_data()
{
    QTest::addColumn<QStringList>("second");   // account, three internal accounts, text
    QTest::addColumn<int>("lines");

    QTest::newRow("same key") << QStringList{"4010", "100", "", "P1", "Taxi"} << 1;
    QTest::newRow("text differs in case") << QStringList{"4010", "100", "", "P1", "taxi"} << 2;
    QTest::newRow("other account") << QStringList{"4011", "100", "", "P1", "Taxi"} << 2;
    QTest::newRow("other cost centre") << QStringList{"4010", "101", "", "P1", "Taxi"} << 2;
    QTest::newRow("cost unit set") << QStringList{"4010", "100", "X", "P1", "Taxi"} << 2;
    QTest::newRow("project empty") << QStringList{"4010", "100", "", "", "Taxi"} << 2;
    QTest::newRow("text empty") << QStringList{"4010", "100", "", "P1", ""} << 2;
}

void TestPrintList::mergesOnlyTheSameKey()
{
    QFETCH(QStringList, second);
    QFETCH(int, lines);
    TAccountCodeList list;
    AddVoucherLine(list, "4010", "Konto", "100", "", "P1", "Taxi", 100.25);
    AddVoucherLine(list, second[0], "Konto", second[1], second[2], second[3], second[4], 50.5);

    QCOMPARE(static_cast<int>(list.size()), lines);
    QCOMPARE(FindVoucherLine(list, second[0], second[1], second[2], second[3], second[4]), lines - 1);
    if (lines == 1)
        QCOMPARE(list[0].Amount, 150.75);
}

void TestPrintList::mergedLineKeepsItsFirstName()
{
    TAccountCodeList list;
    AddVoucherLine(list, "2640", "Ingående moms", "", "", "", "", 10);
    AddVoucherLine(list, "2640", "Annat namn", "", "", "", "", 5);
    QCOMPARE(static_cast<int>(list.size()), 1);
    QCOMPARE(list[0].AccountName, QStringLiteral("Ingående moms"));
    QCOMPARE(list[0].Amount, 15.0);
    QCOMPARE(FindVoucherLine(list, "2641", "", "", "", ""), -1);
}

void TestPrintList::roundsToWholeKronor_data()
{
    QTest::addColumn<QList<double>>("amounts");
    QTest::addColumn<QList<double>>("rounded");      // after RemoveZeroVoucherLines
    QTest::addColumn<QStringList>("accounts");

    QTest::newRow("fractions make a krona") << QList<double>{100.40, 50.40, -150.80}
                                            << QList<double>{100, 50, -151, 1.0}
                                            << QStringList{"5800", "6071", "2890", "3740"};
    QTest::newRow("fractions cancel, zero line dropped") << QList<double>{100.00, 0.40, -100.40}
                                                         << QList<double>{100, -100}
                                                         << QStringList{"5800", "2890"};
    QTest::newRow("ties to even") << QList<double>{2.50, 3.50, -6.00}
                                  << QList<double>{2, 4, -6}
                                  << QStringList{"5800", "6071", "2890"};
    QTest::newRow("beyond 32 bits") << QList<double>{3000000000.40, -3000000000.40}
                                    << QList<double>{3000000000.0, -3000000000.0}
                                    << QStringList{"5800", "6071"};
}

void TestPrintList::roundsToWholeKronor()
{
    QFETCH(QList<double>, amounts);
    QFETCH(QList<double>, rounded);
    QFETCH(QStringList, accounts);
    const QStringList numbers{"5800", "6071", "2890"};
    TAccountCodeList list;
    for (qsizetype i = 0; i < amounts.size(); ++i)
        list.push_back({numbers[i], {}, {}, {}, {}, amounts[i], {}});

    RoundVoucherLines(list, RoundingAccount);
    RemoveZeroVoucherLines(list);

    QCOMPARE(AccountNumbers(list), accounts);
    const QList<double> result = Amounts(list);
    QCOMPARE(result.size(), rounded.size());
    for (qsizetype i = 0; i < result.size(); ++i)
        QCOMPARE(result[i], rounded[i]);
}

void TestPrintList::roundingLineMergesIntoTheRoundingAccount()
{
    // The rounding line is the unrounded fraction sum, added to an existing
    // plain line on the rounding account.
    TAccountCodeList list = Lines({{"3740", 0.30}, {"5800", 10.45}, {"2890", -11.20}});
    RoundVoucherLines(list, RoundingAccount);
    QCOMPARE(AccountNumbers(list), (QStringList{"3740", "5800", "2890"}));
    QVERIFY(qAbs(list[0].Amount - 0.55) < 1e-9);
    QCOMPARE(list[1].Amount, 10.0);
    QCOMPARE(list[2].Amount, -11.0);
}

void TestPrintList::sortsByAccountNumberText()
{
    TAccountCodeList list = Lines({{"Öresavrundning", 1}, {"2640", 2}, {"10000", 3}, {"Kreditkonto", 4},
                                   {"2640", 5}, {"1930", 6}});
    SortVoucherLines(list);
    QCOMPARE(AccountNumbers(list), (QStringList{"10000", "1930", "2640", "2640", "Kreditkonto", "Öresavrundning"}));
    QCOMPARE(list[2].Amount, 2.0);   // equal numbers keep their order
    QCOMPARE(list[3].Amount, 5.0);
}

void TestPrintList::sortsALongVoucherCompletely()
{
    // Far more lines than a bounded exchange sort could order.
    TAccountCodeList list;
    for (int i = 300; i > 0; --i)
        list.push_back({QString::number(1000 + i), {}, {}, {}, {}, static_cast<double>(i), {}});
    SortVoucherLines(list);
    QCOMPARE(list.front().AccountNumber, QStringLiteral("1001"));
    QCOMPARE(list.back().AccountNumber, QStringLiteral("1300"));
    QVERIFY(std::is_sorted(list.cbegin(), list.cend(),
                           [](const auto& a, const auto& b) { return a.AccountNumber < b.AccountNumber; }));
}

void TestPrintList::usedAccountsAreListedOnceInOrder()
{
    TChartOfAccountList used;
    AddUsedAccount(used, "5800", "Resekostnader");
    AddUsedAccount(used, "2640", "Ingående moms");
    AddUsedAccount(used, "5800", "Annat");
    AddUsedAccount(used, "Notadiff", "");
    AddUsedAccount(used, "10000", "Stort konto");
    QStringList numbers;
    for (const TChartOfAccountRecord& account : used)
        numbers.append(account.AccountNumber);
    QCOMPARE(numbers, (QStringList{"10000", "2640", "5800", "Notadiff"}));
    QCOMPARE(used[2].AccountName, QStringLiteral("Resekostnader"));
    ClearRecordList(used);
    QCOMPARE(used.size(), size_t(0));
}

void TestPrintList::debitAndCreditTotals()
{
    double debit = 0;
    double credit = 0;
    for (const double amount : {100.5, -20.25, 0.0, 30.0, -110.25})
        AddDebitCredit(debit, credit, amount);
    QCOMPARE(debit, 130.5);
    QCOMPARE(credit, -130.5);
}

QTEST_GUILESS_MAIN(TestPrintList)
#include "tst_printlist.moc"
