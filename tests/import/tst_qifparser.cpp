#include "import/ImportFile.h"
#include "import/ImportTextDecoder.h"
#include "import/QifParser.h"

#include <QTest>

namespace {

QifParseResult parseText(const QString& text) { return parseQif(text.toUtf8(), DateOrder::MonthFirst); }

std::optional<DateOrder> guessOrder(const QStringList& texts)
{
    QList<QByteArray> files;
    for (const QString& text : texts)
        files << text.toUtf8();
    return guessQifDateOrder(files);
}

} // namespace

class QifParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBlocksAndAccounts();
    void readsSplitsAndFields();
    void readsDates_data();
    void readsDates();
    void guessesTheDateOrderOverEveryText();
    void readsAFileAsItsTextPieceByPiece();
    void refusesLinesLongerThanAnyRecord();
    void readsAmountsInTheAccountsCurrency_data();
    void readsAmountsInTheAccountsCurrency();
};

void QifParserTest::readsBlocksAndAccounts()
{
    const QifParseResult result = parseText(QStringLiteral("\uFEFFD1/2/2024\r\nT-1.00\r\nPHeaderless\r\n^\r\n"
                                                          "!Option:AutoSwitch\n!Account\nNChecking\nTBank\n^\n"
                                                          "NIgnored list entry\n^\n!Clear:AutoSwitch\n"
                                                          "!Account\nNSavings\n^\n!Type:Bank\n"
                                                          "D1/3/2024\nT5\n"
                                                          "!Type:Memorized\nPRent\nT-900\n^\n"
                                                          "!Type:Cat\nNSalary\nDPay\nI\n^\nNFood\nE\n^\n"
                                                          "!Account\nNVisa\n^\n !type: CCARD \nPOnly a payee\n^\n"
                                                          "D2024-03-05\nT-2\n^\nDnot a date\nT-3\n^\n^\n"
                                                          "!Account\nNsavings\n^\n!Type:Prices\nD1/4/2024\n^\n"
                                                          "!Type:Cash\nD1/4/2024\nT6\n^\n"));

    QCOMPARE(result.transactions.size(), 4);
    QCOMPARE(result.transactions[0].sourceAccount, QString());
    QCOMPARE(result.transactions[0].payee, QStringLiteral("Headerless"));
    // The header finished the record that had no '^'.
    QCOMPARE(result.transactions[1].sourceAccount, QStringLiteral("Savings"));
    QCOMPARE(result.transactions[1].amountText, QStringLiteral("5"));
    QCOMPARE(result.transactions[2].sourceAccount, QStringLiteral("Visa"));
    QCOMPARE(result.transactions[2].date, QDate(2024, 3, 5));
    QCOMPARE(result.transactions[3].sourceAccount, QStringLiteral("savings"));

    // Accounts come with their first transaction, once ignoring case; an
    // account list without transactions adds none.
    QCOMPARE(result.accounts.size(), 2);
    QCOMPARE(result.accounts[0].name, QStringLiteral("Savings"));
    QCOMPARE(result.accounts[0].type, QifAccountType::Bank);
    QCOMPARE(result.accounts[1].name, QStringLiteral("Visa"));
    QCOMPARE(result.accounts[1].type, QifAccountType::CreditCard);

    QCOMPARE(result.categories.size(), 2);
    QCOMPARE(result.categories[0].name, QStringLiteral("Salary"));
    QCOMPARE(result.categories[0].description, QStringLiteral("Pay"));
    QVERIFY(result.categories[0].isIncome);
    QVERIFY(!result.categories[1].isIncome);

    QCOMPARE(result.skippedRecords, 2);
    QCOMPARE(result.incompleteRecords, 2);
}

void QifParserTest::readsSplitsAndFields()
{
    const QifParseResult result = parseText(QStringLiteral("!Type:Bank\nD1/2/2024\n$-100.00\nPGrocer\nMWeekly\nN104\n"
                                                          "CR\nL--Splits--\nSFood/Family\nEBread\n$-60.00\n"
                                                          "S[Savings]\n$-40.00\nSUnpriced\n$abc\n^\n"
                                                          "D1/3/2024\nT7\nL[ Savings ]/Class\nCx\nYACME\n^\n"
                                                          "D1/4/2024\nU8\nC?\nLHome:Rent\n^\n"));
    QCOMPARE(result.transactions.size(), 3);

    const QifTransaction& split = result.transactions[0];
    QCOMPARE(split.amountText, QStringLiteral("-100.00"));
    QCOMPARE(split.number, QStringLiteral("104"));
    QVERIFY(split.cleared && split.reconciled);
    QCOMPARE(split.splits.size(), 3);
    QCOMPARE(split.splits[0].category, QStringLiteral("Food"));
    QCOMPARE(split.splits[0].memo, QStringLiteral("Bread"));
    QCOMPARE(split.splits[0].amountText, QStringLiteral("-60.00"));
    QCOMPARE(split.splits[1].transferAccount, QStringLiteral("Savings"));
    QCOMPARE(split.splits[1].category, QString());
    QCOMPARE(split.splits[1].amountText, QStringLiteral("-40.00"));
    // Kept as written, for the import to refuse: read as 0, it would count.
    QCOMPARE(split.splits[2].amountText, QStringLiteral("abc"));

    const QifTransaction& transfer = result.transactions[1];
    QCOMPARE(transfer.transferAccount, QStringLiteral("Savings"));
    QCOMPARE(transfer.category, QString());
    QVERIFY(transfer.cleared && !transfer.reconciled);
    QCOMPARE(transfer.security, QStringLiteral("ACME"));

    QCOMPARE(result.transactions[2].category, QStringLiteral("Home:Rent"));
    QCOMPARE(result.transactions[2].amountText, QStringLiteral("8"));
    QVERIFY(!result.transactions[2].cleared);
}

void QifParserTest::readsDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DateOrder>("order");
    QTest::addColumn<QDate>("date");

    const auto us = DateOrder::MonthFirst;
    const auto eu = DateOrder::DayFirst;
    QTest::newRow("month first") << "1/2/05" << us << QDate(2005, 1, 2);
    QTest::newRow("day first") << "1/2/05" << eu << QDate(2005, 2, 1);
    QTest::newRow("year first in either order") << "2024-03-05" << eu << QDate(2024, 3, 5);
    QTest::newRow("apostrophe") << "12/25'99" << us << QDate(1999, 12, 25);
    QTest::newRow("blanks of old exports") << " 1/ 2' 5" << us << QDate(2005, 1, 2);
    QTest::newRow("69 is this century") << "1/1/69" << us << QDate(2069, 1, 1);
    QTest::newRow("70 is the last") << "1/1/70" << us << QDate(1970, 1, 1);
    QTest::newRow("first year") << "1/1/1900" << us << QDate(1900, 1, 1);
    QTest::newRow("last year") << "12/31/2200" << us << QDate(2200, 12, 31);
    QTest::newRow("before 1900") << "12/31/1899" << us << QDate();
    QTest::newRow("after 2200") << "1/1/2201" << us << QDate();
    QTest::newRow("three-digit year") << "1/1/105" << us << QDate();
    QTest::newRow("no such day") << "2/30/2024" << us << QDate();
    QTest::newRow("huge number") << "1/2/99999999999" << us << QDate();
}

void QifParserTest::readsDates()
{
    QFETCH(QString, text);
    QFETCH(DateOrder, order);
    QFETCH(QDate, date);
    QCOMPARE(parseQifDate(text, order), date);
}

void QifParserTest::guessesTheDateOrderOverEveryText()
{
    const QString american = QStringLiteral("!Type:Bank\nD12/01/2023\nT1\n^\nD12/25/2023\nT1\n^\n");
    const QString european = QStringLiteral("!Type:Bank\r\nD01/12/2023\r\nT1\r\n^\r\nD25/12/2023\r\nT1\r\n^\r\n");
    const QString eitherWay = QStringLiteral("!Type:Bank\nD12/01/2023\nT1\n^\nD2023-12-25\nT1\n^\n");
    QCOMPARE(guessOrder({american}), DateOrder::MonthFirst);
    QCOMPARE(guessOrder({european}), DateOrder::DayFirst);
    // 12/01/2023 is one day or another: the order taken is named.
    QCOMPARE(guessOrder({eitherWay}), DateOrder::MonthFirst);
    // Dates that read alike either way need no order.
    QCOMPARE(guessOrder({QStringLiteral("D2023-12-25\nD03/03/2024\n")}), std::nullopt);
    // One order for both files of an export, so 01/12 is one day in each.
    QCOMPARE(guessOrder({eitherWay, european}), DateOrder::DayFirst);
    // Only D lines vote: a payee or a category description is no date.
    QCOMPARE(guessOrder({QStringLiteral("P25/12/2023\nT13/1/2024\n")}), std::nullopt);
    // A date that is no day in either order says nothing: 31/02, 99/99, a
    // year of five digits.
    const QString withBadDates = QStringLiteral("D31/02/2024\nD99/99/2024\nD99999-01-01\nD04/03/2024\n");
    QCOMPARE(guessOrder({withBadDates}), DateOrder::MonthFirst);
    QCOMPARE(guessOrder({withBadDates + QStringLiteral("D13/04/2024\n")}), DateOrder::DayFirst);
}

void QifParserTest::readsAFileAsItsTextPieceByPiece()
{
    // Records in CR LF, lone CR and LF lines, the first line break of the
    // file's second piece a CR LF split across the two pieces, a record line
    // across them too, and UTF-8 payees of two bytes a character.
    for (const QByteArray& lineEnd : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
        QByteArray file = "!Type:Bank" + lineEnd;
        qsizetype records = 0;
        for (int i = 0; file.size() < 3 * ImportTextDecoder::kPieceBytes; ++i, ++records)
            file += "D1/2/2024" + lineEnd + "T-1.00" + lineEnd + "PCaf\xC3\xA9 " + QByteArray::number(i) + lineEnd + "^"
                + lineEnd;
        // Blanks in front move the line end before the edge onto its last byte.
        const qsizetype edge = ImportTextDecoder::kPieceBytes;
        const qsizetype lastEnd = file.lastIndexOf(lineEnd.front(), edge - 1);
        for (const qsizetype pad : {qsizetype(0), edge - 1 - lastEnd}) {
            const QByteArray padded = QByteArray(pad, ' ') + file;
            const QifParseResult pieces = parseQif(QByteArrayView(padded), DateOrder::MonthFirst);
            QCOMPARE(pieces.transactions.size(), records);
            for (qsizetype t = 0; t < records; ++t) {
                QCOMPARE(pieces.transactions[t].payee, QStringLiteral("Café %1").arg(t));
                QCOMPARE(pieces.transactions[t].line, int(2 + 4 * t));
            }
            QCOMPARE(guessQifDateOrder(QList<QByteArray>{padded}), DateOrder::MonthFirst);
        }
    }
}

void QifParserTest::refusesLinesLongerThanAnyRecord()
{
    const qsizetype limit = ImportFile::kMaxRecordChars;
    // A payee of a megabyte, across many pieces of the file; one that just
    // fits; an account name one character too long, whose transactions
    // belong to no account that can be named; a category list entry.
    const QByteArray file = "!Type:Bank\n"
                            "D1/2/2024\nT-1\nP" + QByteArray(1024 * 1024, 'x') + "\n^\n"
                            "D1/3/2024\nT-2\nP" + QByteArray(limit - 1, 'y') + "\n^\n"
                            "!Account\nN" + QByteArray(limit, 'z') + "\n^\n!Type:Bank\n"
                            "D1/4/2024\nT-3\n^\nD1/5/2024\nT-4\n^\n"
                            "!Type:Cat\nN" + QByteArray(limit, 'c') + "\n^\nNFood\n^\n"
                            "!Account\nNSavings\n^\n!Type:Bank\nD1/6/2024\nT-5\n^\n";
    const QifParseResult result = parseQif(file, DateOrder::MonthFirst);
    QCOMPARE(result.overlongLines, (QList<int>{4, 11, 21}));
    QCOMPARE(result.incompleteRecords, 3);
    QCOMPARE(result.transactions.size(), 2);
    QCOMPARE(result.transactions[0].payee.size(), limit - 1);
    QCOMPARE(result.transactions[0].sourceAccount, QString());
    QCOMPARE(result.transactions[1].sourceAccount, QStringLiteral("Savings"));
    QCOMPARE(result.transactions[1].date, QDate(2024, 1, 6));
    QCOMPARE(result.accounts.size(), 1);
    QCOMPARE(result.categories.size(), 1);
    QCOMPARE(result.categories[0].name, QStringLiteral("Food"));
    QCOMPARE(guessQifDateOrder({file}), DateOrder::MonthFirst);
}

void QifParserTest::readsAmountsInTheAccountsCurrency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<std::optional<qint64>>("amount");
    // The parser keeps the text of every amount some currency can hold, and
    // of one only its decimals keep from being read, for the import to say so.
    QTest::addColumn<bool>("kept");
    const std::optional<qint64> unreadable;

    QTest::newRow("zero never groups") << "0.12" << Currency::USD << std::optional<qint64>(12) << true;
    QTest::newRow("yen are whole") << "-1,500" << Currency::JPY << std::optional<qint64>(-1500) << true;
    QTest::newRow("yen never round") << "980.5" << Currency::JPY << unreadable << true;
    QTest::newRow("cents never round") << "0.125" << Currency::USD << unreadable << true;
    QTest::newRow("yen at the bound") << "1000000000000000" << Currency::JPY
                                      << std::optional<qint64>(1'000'000'000'000'000) << true;
    QTest::newRow("beyond the bound in cents") << "1000000000000000" << Currency::USD << unreadable << true;
    QTest::newRow("beyond every bound") << "10000000000000000" << Currency::JPY << unreadable << false;
    QTest::newRow("trailing minus") << "5-" << Currency::USD << unreadable << false;
}

void QifParserTest::readsAmountsInTheAccountsCurrency()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(std::optional<qint64>, amount);
    QFETCH(bool, kept);
    QCOMPARE(parseQifAmount(text, currency), amount);

    const QifParseResult parsed = parseText("D1/2/2024\nT" + text + "\n^\n");
    QCOMPARE(parsed.transactions.size(), kept ? 1 : 0);
    QCOMPARE(parsed.incompleteRecords, kept ? 0 : 1);
}

QTEST_GUILESS_MAIN(QifParserTest)
#include "tst_qifparser.moc"
