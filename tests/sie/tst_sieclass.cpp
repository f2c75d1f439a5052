// The SIE document without a database: dimension numbering, rounding of a
// voucher, and the exact bytes of the writer.
#include "ClockUnit.h"
#include "ErrorUnit.h"
#include "SIEClass.h"

#include <QBuffer>
#include <QTest>

namespace {

struct TDimensionCase {
    QString Name;
    int Number;
    int Parent;
};

QList<TDimensionCase> Numbered(const QStringList& names)
{
    std::vector<TInternalAccountRow> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.push_back({static_cast<int>(i + 1), names[i]});
    const TDimensionList list(rows);
    QList<TDimensionCase> result;
    for (int i = 0; i < list.Count(); ++i)
        result.append({list.Item(i).Name, list.Item(i).DimensionNumber, list.Item(i).ParentDimensionNumber});
    return result;
}

QString Describe(const QList<TDimensionCase>& dimensions)
{
    QStringList parts;
    for (const TDimensionCase& dimension : dimensions)
        parts.append(QStringLiteral("%1=%2/%3").arg(dimension.Name).arg(dimension.Number).arg(dimension.Parent));
    return parts.join(u' ');
}

// The lines of a document after the header, decoded from PC8.
QStringList BodyLines(const TSIE& document)
{
    const QByteArray bytes = document.DocumentBytes();
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();   // after the last CR LF
    return lines.mid(9);
}

} // namespace

class TestSIEClass : public QObject {
    Q_OBJECT
private slots:
    void numbersDimensions_data();
    void numbersDimensions();
    void indexOutOfBoundsIsAListError();
    void objectsOfADimensionAreAddedOnce();
    void objectsText_data();
    void objectsText();
    void roundsAVoucher_data();
    void roundsAVoucher();
    void formatsAmounts_data();
    void formatsAmounts();
    void formatsDates_data();
    void formatsDates();
    void convertsToPC8_data();
    void convertsToPC8();
    void writesVoucherAndTransactionLines_data();
    void writesVoucherAndTransactionLines();
    void writesHeaderAndDimensions();
};

void TestSIEClass::numbersDimensions_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("dimensions");   // name=number/parent, in list order

    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("cost centre, cost unit, project")
        << QStringList{"Kostnadsställe", "Kostnadsbärare", "Projekt"}
        << "Kostnadsställe=1/0 Projekt=6/0 Kostnadsbärare=20/0";
    QTest::newRow("cost centre, result unit, cost unit")
        << QStringList{"Kostnadsställe", "Resultatenhet", "Kostnadsbärare"}
        << "Kostnadsställe=1/0 Kostnadsbärare=2/1 Resultatenhet=20/0";
    QTest::newRow("result unit alone is 1") << QStringList{"resultatenhet"} << "resultatenhet=1/0";
    QTest::newRow("free numbers in row order") << QStringList{"Region", "Avdelning"} << "Region=20/0 Avdelning=21/0";
    QTest::newRow("capital Ä is not the cost centre") << QStringList{"KOSTNADSSTÄLLE"} << "KOSTNADSSTÄLLE=20/0";
    QTest::newRow("ASCII case is ignored")
        << QStringList{"KOSTNADSSTäLLE", "PROJEKT", "Anställd", "KUND", "Leverantör", "faktura"}
        << "KOSTNADSSTäLLE=1/0 PROJEKT=6/0 Anställd=7/0 KUND=8/0 Leverantör=9/0 faktura=10/0";
    QTest::newRow("a later cost centre replaces the first")
        << QStringList{"Kostnadsställe", "Region", "kostnadsställe"} << "kostnadsställe=1/0 Region=20/0";
    QTest::newRow("free numbers before the result unit's")
        << QStringList{"Resultatenhet", "Region", "Kostnadsställe", "Kostnadsbärare"}
        << "Kostnadsställe=1/0 Kostnadsbärare=2/1 Region=20/0 Resultatenhet=21/0";
}

void TestSIEClass::numbersDimensions()
{
    QFETCH(QStringList, names);
    QFETCH(QString, dimensions);
    QCOMPARE(Describe(Numbered(names)), dimensions);
}

void TestSIEClass::indexOutOfBoundsIsAListError()
{
    const TDimensionList list(std::vector<TInternalAccountRow>{{1, QStringLiteral("Projekt")}});
    QCOMPARE(list.Item(0).InternalAccountId, 1);
    for (const int index : {1, -1}) {
        try {
            list.Item(index);
            QFAIL("no error");
        } catch (const EError& error) {
            QCOMPARE(error.Message(), QStringLiteral("List index out of bounds (%1)").arg(index));
        }
    }
}

void TestSIEClass::objectsOfADimensionAreAddedOnce()
{
    TTrans transaction;
    transaction.AddObject(1, QStringLiteral("100"));
    transaction.AddObject(6, QStringLiteral("P1"));
    transaction.AddObject(1, QStringLiteral("200"));
    QCOMPARE(transaction.Objects.size(), size_t(2));
    QCOMPARE(transaction.ObjectValue(1), QStringLiteral("100"));
    QCOMPARE(transaction.ObjectValue(6), QStringLiteral("P1"));
    QCOMPARE(transaction.ObjectValue(7), QString());
}

void TestSIEClass::objectsText_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << QList<int>{} << QStringList{} << QString();
    QTest::newRow("two") << QList<int>{1, 6} << QStringList{"100", "P1"} << R"("1" "100" "6" "P1")";
    QTest::newRow("values trimmed") << QList<int>{1} << QStringList{"  100 \t"} << R"("1" "100")";
}

void TestSIEClass::objectsText()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, values);
    QFETCH(QString, text);
    TTrans transaction;
    for (qsizetype i = 0; i < numbers.size(); ++i)
        transaction.AddObject(numbers[i], values[i]);
    QCOMPARE(transaction.ObjectsText(), text);
}

void TestSIEClass::roundsAVoucher_data()
{
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<QList<double>>("amounts");
    QTest::addColumn<QStringList>("roundedAccounts");
    QTest::addColumn<QList<double>>("rounded");

    QTest::newRow("rounding transaction appended")
        << QStringList{"5800", "6071", "2890"} << QList<double>{100.40, 50.40, -150.80}
        << QStringList{"5800", "6071", "2890", "3740"} << QList<double>{100, 50, -151, 1};
    QTest::newRow("zero dropped, no rounding")
        << QStringList{"5800", "6071", "2890"} << QList<double>{100.00, 0.40, -100.40}
        << QStringList{"5800", "2890"} << QList<double>{100, -100};
    QTest::newRow("ties to even")
        << QStringList{"5800", "6071", "2890"} << QList<double>{2.5, 3.5, -6}
        << QStringList{"5800", "6071", "2890"} << QList<double>{2, 4, -6};
    QTest::newRow("never merged into the rounding account")
        << QStringList{"3740", "2890"} << QList<double>{10.30, -10.00}
        << QStringList{"3740", "2890", "3740"} << QList<double>{10, -10, 0.3};
}

void TestSIEClass::roundsAVoucher()
{
    QFETCH(QStringList, accounts);
    QFETCH(QList<double>, amounts);
    QFETCH(QStringList, roundedAccounts);
    QFETCH(QList<double>, rounded);
    TVer voucher;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        TTrans& transaction = voucher.AddTransaction();
        transaction.Account = accounts[i];
        transaction.Amount = amounts[i];
    }
    voucher.RoundTransactions(QStringLiteral("3740"));

    QStringList resultAccounts;
    QList<double> resultAmounts;
    for (int i = 0; i < voucher.TransactionCount(); ++i) {
        resultAccounts.append(voucher.Transaction(i).Account);
        resultAmounts.append(voucher.Transaction(i).Amount);
    }
    QCOMPARE(resultAccounts, roundedAccounts);
    QCOMPARE(resultAmounts, rounded);
}

void TestSIEClass::formatsAmounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << -150.8 << "-150.80";
    QTest::newRow("no thousands separator") << 1234.5 << "1234.50";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("half away from zero") << 0.125 << "0.13";
    QTest::newRow("large") << 12345678901.25 << "12345678901.25";
}

void TestSIEClass::formatsAmounts()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(FormatSIEAmount(amount), text);
}

void TestSIEClass::formatsDates_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("no date") << 0.0 << "18991230";
    QTest::newRow("a date") << EncodeDate(2024, 3, 31) << "20240331";
    QTest::newRow("before 1900") << EncodeDate(1899, 12, 29) << "18991229";
}

void TestSIEClass::formatsDates()
{
    QFETCH(double, date);
    QFETCH(QString, text);
    QCOMPARE(FormatSIEDate(date), text);
}

void TestSIEClass::convertsToPC8_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII and controls") << "#TRANS\t{}\r\n\"x\"" << QByteArray("#TRANS\t{}\r\n\"x\"");
    QTest::newRow("Swedish letters") << "åäöÅÄÖéÉüÜ" << QByteArray("\x86\x84\x94\x8F\x8E\x99\x82\x90\x81\x9A");
    QTest::newRow("missing characters become ?") << "a€b—c😀d" << QByteArray("a?b?c?d");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestSIEClass::convertsToPC8()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ToPC8(text), bytes);
}

void TestSIEClass::writesVoucherAndTransactionLines_data()
{
    QTest::addColumn<QString>("verText");
    QTest::addColumn<double>("registrationDate");
    QTest::addColumn<QString>("transText");
    QTest::addColumn<double>("transactionDate");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QStringList>("lines");

    const double april2 = EncodeDate(2024, 4, 2);
    QTest::newRow("bare") << QString() << 0.0 << QString() << 0.0 << 0
                          << QStringList{"#VER\t\"\"\t\"7\"\t20240331\t", "{", "\t#TRANS\t5800\t{}\t-150.80\t", "}"};
    QTest::newRow("texts")
        << "Resa" << 0.0 << "Taxi" << 0.0 << 0
        << QStringList{"#VER\t\"\"\t\"7\"\t20240331\t\"Resa\"\t", "{",
                       "\t#TRANS\t5800\t{}\t-150.80\t20240331\t\"Taxi\"\t", "}"};
    QTest::newRow("registration date without text")
        << QString() << april2 << QString() << 0.0 << 3
        << QStringList{"#VER\t\"\"\t\"7\"\t20240331\t\"\"\t20240402\t", "{",
                       "\t#TRANS\t5800\t{}\t-150.80\t20240331\t\"\"\t3", "}"};
    QTest::newRow("transaction date, 1901-01-01 is unset")
        << QString() << EncodeDate(1901, 1, 1) << "Taxi" << april2 << 0
        << QStringList{"#VER\t\"\"\t\"7\"\t20240331\t", "{", "\t#TRANS\t5800\t{}\t-150.80\t20240402\t\"Taxi\"\t", "}"};
    QTest::newRow("an earlier date is a date")
        << QString() << EncodeDate(1900, 6, 1) << QString() << 0.0 << 0
        << QStringList{"#VER\t\"\"\t\"7\"\t20240331\t\"\"\t19000601\t", "{", "\t#TRANS\t5800\t{}\t-150.80\t", "}"};
}

void TestSIEClass::writesVoucherAndTransactionLines()
{
    QFETCH(QString, verText);
    QFETCH(double, registrationDate);
    QFETCH(QString, transText);
    QFETCH(double, transactionDate);
    QFETCH(int, quantity);
    QFETCH(QStringList, lines);

    TSIE document{TDimensionList()};
    TVer& voucher = document.AddVoucher();
    voucher.Number = QStringLiteral("7");
    voucher.Date = EncodeDate(2024, 3, 31);
    voucher.Text = verText;
    voucher.RegistrationDate = registrationDate;
    TTrans& transaction = voucher.AddTransaction();
    transaction.Account = QStringLiteral("5800");
    transaction.Amount = -150.8;
    transaction.Text = transText;
    transaction.TransactionDate = transactionDate;
    transaction.Quantity = quantity;

    QCOMPARE(BodyLines(document), lines);
}

void TestSIEClass::writesHeaderAndDimensions()
{
    const TFixedClock clock(QDate(2024, 4, 5));
    TSIE document{TDimensionList(std::vector<TInternalAccountRow>{
        {1, QStringLiteral("Kostnadsställe")}, {2, QStringLiteral("Resultatenhet")}, {3, QStringLiteral("Kostnadsbärare")}})};
    document.ProgramName = QStringLiteral("Valdrona konteringsprogram");
    document.ProgramVersion = QStringLiteral("4.0.6");
    document.CompanyName = QStringLiteral("Åkeriet på Ön AB");
    document.OrganizationNumber = QStringLiteral("556000-0000");
    document.FiscalYearBegin = EncodeDate(2024, 1, 1);
    document.FiscalYearEnd = EncodeDate(2024, 12, 31);
    TVer& voucher = document.AddVoucher();
    voucher.Series = QChar(u'A');
    voucher.Number = QStringLiteral("1");

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.WriteDocument(buffer);
    QCOMPARE(buffer.data(), QByteArray("#FLAGGA\t0\r\n"
                                       "#PROGRAM\t\"Valdrona konteringsprogram\"\t\"4.0.6\"\r\n"
                                       "#FORMAT\tPC8\r\n"
                                       "#GEN\t20240405\r\n"
                                       "#SIETYP\t4\r\n"
                                       "#ORGNR\t556000-0000\r\n"
                                       "#FNAMN\t\"\x8F" "keriet p\x86 \x99n AB\"\r\n"
                                       "#RAR\t0\t20240101\t20241231\r\n"
                                       "#RAR\t-1\t18991230\t18991230\r\n"
                                       "#DIM\t1\t\"Kostnadsst\x84lle\"\r\n"
                                       "#UNDERDIM\t2\t\"Kostnadsb\x84rare\" 1\r\n"
                                       "#DIM\t20\t\"Resultatenhet\"\r\n"
                                       "#VER\t\"A\"\t\"1\"\t18991230\t\r\n"
                                       "{\r\n"
                                       "}\r\n"));
}

QTEST_GUILESS_MAIN(TestSIEClass)
#include "tst_sieclass.moc"
