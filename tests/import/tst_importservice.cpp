#include "import/ImportFile.h"
#include "import/ImportService.h"
#include "storage/Money.h"
#include "storage/NativeConnection.h"
#include "storage/RecordId.h"
#include "tests/support/TestStore.h"

#include <QFile>
#include <QSignalSpy>
#include <QSemaphore>
#include <QSqlQuery>
#include <QThread>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString kChecking = QStringLiteral("checking");
const QDateTime kEarlier(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

CsvColumnMapping columns(int date, int payee, int amount, int memo = -1, int category = -1, bool header = true,
                         const QString& dateFormat = {})
{
    CsvColumnMapping mapping;
    mapping.dateColumn = date;
    mapping.payeeColumn = payee;
    mapping.amountColumn = amount;
    mapping.memoColumn = memo;
    mapping.categoryColumn = category;
    mapping.hasHeader = header;
    mapping.dateFormat = dateFormat;
    return mapping;
}

QByteArray rowsOf(int count)
{
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < count; ++i)
        csv += "2024-03-01,Payee " + QByteArray::number(i) + ",-1.00\n";
    return csv;
}

} // namespace

class ImportServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void importsBankExports_data();
    void importsBankExports();
    void namesTheRowsItCannotRead();
    void readsEveryDateFormatOfTheMapping_data();
    void readsEveryDateFormatOfTheMapping();
    void decidesTheDayMonthOrderFromTheWholeColumn();
    void onlyDatesOfOneOrderVote();
    void accountsForEveryLineAfterAnOpenQuote();
    void readsLinesEndedByCarriageReturnsAlone();
    void countsDuplicatesAsAMultiset();
    void findsARowWithALoneSurrogateOnReimport();
    void createsEachMissingCategoryOnce();
    void reportsProgressAndSignalsOnceAtTheEnd();
    void sizesThePageCacheForTheRunOnly();
    void rollsBackWhenTheCommitFails();
    void failsWhenTheTransactionCannotBegin();
    void aRowThatCannotBeStoredFailsTheWholeImport();
    void refusesAnAmountThatABalanceCannotHold();
    void aFullDiskLeavesTheLedgerAsItWas();
    void stopsWhenTheTransactionEndsMeanwhile();
    void waitsForAnotherWriterOrSaysItCouldNot();
    void refusesWhatItCannotRead();

private:
    void addAccount(const QString& id, Currency currency);
    void addTransaction(const QDate& date, const QString& payee, qint64 amount);
    ImportResult import(const QByteArray& csv, const CsvColumnMapping& mapping, const QString& account = kChecking);
    QString writeFile(const QByteArray& bytes);
    // The account's live rows as "date|payee|amount|memo|category name", sorted.
    QStringList stored(const QString& account = kChecking) const;

    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<ImportService> m_service;
    int m_files = 0;
};

void ImportServiceTest::init()
{
    m_store = std::make_unique<TestStore>();
    m_service = std::make_unique<ImportService>(&m_store->db, &m_store->accounts, &m_store->transactions,
                                                &m_store->categories, &m_store->splitLines);
    addAccount(kChecking, Currency::USD);
}

void ImportServiceTest::cleanup()
{
    m_service.reset();
    m_store.reset();
}

void ImportServiceTest::addAccount(const QString& id, Currency currency)
{
    Account account;
    account.id = id;
    account.name = id;
    account.currency = currency;
    account.created_at = kEarlier;
    account.updated_at = kEarlier;
    QVERIFY(m_store->accounts.insert(account));
}

void ImportServiceTest::addTransaction(const QDate& date, const QString& payee, qint64 amount)
{
    Transaction t;
    t.id = newRecordId();
    t.account_id = kChecking;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.created_at = kEarlier;
    t.updated_at = kEarlier;
    QVERIFY(m_store->transactions.insert(t));
}

QString ImportServiceTest::writeFile(const QByteArray& bytes)
{
    const QString path = m_store->dir.filePath(QStringLiteral("import-%1.csv").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

ImportResult ImportServiceTest::import(const QByteArray& csv, const CsvColumnMapping& mapping, const QString& account)
{
    return m_service->importCsv(writeFile(csv), account, mapping);
}

QStringList ImportServiceTest::stored(const QString& account) const
{
    QHash<QString, QString> categoryNames;
    for (const Category& category : m_store->categories.listAll())
        categoryNames.insert(category.id, category.name);
    QStringList rows;
    for (const Transaction& t : m_store->transactions.listByAccount(account)) {
        rows << QStringList{t.date.toString(Qt::ISODate), t.payee, QString::number(t.amount), t.memo,
                            categoryNames.value(t.category_id)}
                    .join(u'|');
    }
    rows.sort();
    return rows;
}

void ImportServiceTest::importsBankExports_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<CsvColumnMapping>("mapping");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("unparseable");

    QTest::newRow("card export: quoted payees, parentheses, symbols")
        << QByteArray("Transaction Date,Post Date,Description,Category,Type,Amount,Memo\r\n"
                      "01/15/2024,01/16/2024,\"SMITH, JONES & CO\",Shopping,Sale,\"($1,234.50)\",\r\n"
                      "01/17/2024,01/17/2024,\"Joe's 12\"\" Pizza\",Food & Drink,Sale,-23.45,\"table 4, \"\"window\"\"\"\r\n"
                      "01/18/2024,01/18/2024,Tony's 12\" pizza,Food & Drink,Sale,-9.99,\r\n"
                      "01/20/2024,01/20/2024,Payment Thank You,,Payment,\"$1,500.00\",\r\n"
                      "01/21/2024,01/21/2024,Refund,,Return,12.00 USD,\r\n"
                      "\r\n")
        << columns(0, 2, 5, 6, 3) << Currency::USD
        << QStringList{"2024-01-15|SMITH, JONES & CO|-123450||Shopping",
                       "2024-01-17|Joe's 12\" Pizza|-2345|table 4, \"window\"|Food & Drink",
                       "2024-01-18|Tony's 12\" pizza|-999||Food & Drink",
                       "2024-01-20|Payment Thank You|150000||"}
        << 1;
    QTest::newRow("day-first bank in Windows-1252 with a Ctrl-Z")
        << QByteArray("Date,Type,Description,Value,Balance\r\n"
                      "03/02/2024,DEB,Caf\xE9 Nero,-3.20,996.80\r\n"
                      "13/02/2024,DEB,\"TESCO STORES, 2041\",-45.67,951.13\r\n"
                      "29/02/2024,BGC,SALARY,\"2,500.00\",3451.13\r\n"
                      "\x1A")
        << columns(0, 2, 3) << Currency::GBP
        << QStringList{"2024-02-03|Café Nero|-320||", "2024-02-13|TESCO STORES, 2041|-4567||",
                       "2024-02-29|SALARY|250000||"}
        << 0;
    QTest::newRow("decimal commas, dotted dates, no header")
        << QByteArray("\xEF\xBB\xBF" "\"31.01.2024\",\"REWE Markt\",\"-12,50\"\n"
                      "\"01.02.2024\",\"Miete\",\"-1.250,00\"\n"
                      "\"02.02.2024\",\"Gehalt\",\"3.100,00\"\n"
                      "\"02.02.2024\",\"Ohne Betrag\",\"\"\n")
        << columns(0, 1, 2, -1, -1, false) << Currency::EUR
        << QStringList{"2024-01-31|REWE Markt|-1250||", "2024-02-01|Miete|-125000||", "2024-02-02|Gehalt|310000||"}
        << 1;
    // Decimals a yen amount cannot have are never rounded away.
    QTest::newRow("yen without decimals")
        << QByteArray("Date,Payee,Amount\n2024/04/01,Lawson,\"-1,500\"\n2024/04/02,Refund,(-980)\n"
                      "2024/04/03,Change,0.6\n2024/04/04,Even,12.00\n")
        << columns(0, 1, 2) << Currency::JPY
        << QStringList{"2024-04-01|Lawson|-1500||", "2024-04-02|Refund|980||", "2024-04-04|Even|12||"}
        << 1;
}

void ImportServiceTest::importsBankExports()
{
    QFETCH(QByteArray, csv);
    QFETCH(CsvColumnMapping, mapping);
    QFETCH(Currency, currency);
    QFETCH(QStringList, rows);
    QFETCH(int, unparseable);

    const QString account = QStringLiteral("target");
    addAccount(account, currency);
    const ImportResult result = import(csv, mapping, account);
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, rows.size());
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(result.duplicates, 0);
    QCOMPARE(stored(account), rows);
}

void ImportServiceTest::namesTheRowsItCannotRead()
{
    addAccount(QStringLiteral("yen"), Currency::JPY);
    QByteArray csv = "Date,Payee,Amount\n2024-04-01,Coins,0.4\n2024-04-02,Lunch,12.50\n2024-04-03,Even,\"1,200.00\"\n";
    ImportResult result = import(csv, columns(0, 1, 2), QStringLiteral("yen"));
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 2);
    QCOMPARE(result.notes.size(), 2);
    QVERIFY2(result.notes[0].startsWith(QStringLiteral("Line 2:")) && result.notes[0].contains(QStringLiteral("JPY")),
             qPrintable(result.notes[0]));
    QVERIFY2(result.notes[1].startsWith(QStringLiteral("Line 3:")), qPrintable(result.notes[1]));
    QCOMPARE(stored(QStringLiteral("yen")), QStringList{"2024-04-03|Even|1200||"});

    // A row longer than any transaction is named too.
    result = import("Date,Payee,Amount\n2024-04-01,Shop,-1\n2024-04-02," + QByteArray(ImportFile::kMaxRecordChars, 'x')
                        + ",-2\n",
                    columns(0, 1, 2));
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.notes.size(), 1);
    QVERIFY2(result.notes[0].startsWith(QStringLiteral("Line 3:")), qPrintable(result.notes[0]));

    // Cents too; and a file of many such rows names the first of them only.
    csv = "Date,Payee,Amount\n";
    for (int i = 0; i < ImportResult::kMaxRecordNotes + 5; ++i)
        csv += "2024-04-01,Fuel " + QByteArray::number(i) + ",-3.3351\n";
    result = import(csv, columns(0, 1, 2));
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.unparseable, ImportResult::kMaxRecordNotes + 5);
    QCOMPARE(result.notes.size(), ImportResult::kMaxRecordNotes);
    QCOMPARE(result.recordNotesLeftOut, 5);
    QVERIFY(result.notes.last().startsWith(QStringLiteral("Line %1:").arg(ImportResult::kMaxRecordNotes + 1)));

    // Whatever keeps a row out, it is named by the line of the file it
    // starts on: an amount not read, a date the chosen format does not
    // read, a field missing.
    result = import("Date,Payee,Amount\n04/01/2024,\"Two\nlines\",24.99 CR\n13/04/2024,Shop,-1\n04/03/2024\n"
                    "04/04/2024,Fine,-2\n",
                    columns(0, 1, 2, -1, -1, true, QStringLiteral("MM/dd/yyyy")));
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 3);
    QCOMPARE(result.notes.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString line = QStringLiteral("Line %1:").arg(QList<int>{2, 4, 5}[i]);
        QVERIFY2(result.notes[i].startsWith(line), qPrintable(result.notes[i]));
    }
}

void ImportServiceTest::readsEveryDateFormatOfTheMapping_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    QTest::newRow("MM/dd/yyyy") << "MM/dd/yyyy" << "03/04/2024" << QDate(2024, 3, 4);
    QTest::newRow("MM/dd/yyyy, one digit") << "MM/dd/yyyy" << "3/4/2024" << QDate(2024, 3, 4);
    QTest::newRow("M/d/yyyy") << "M/d/yyyy" << "12/31/2023" << QDate(2023, 12, 31);
    QTest::newRow("M/dd/yyyy") << "M/dd/yyyy" << "1/05/2024" << QDate(2024, 1, 5);
    QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << "03/04/2024" << QDate(2024, 4, 3);
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << "2024-02-29" << QDate(2024, 2, 29);
    QTest::newRow("yyyyMMdd") << "yyyyMMdd" << "20240131" << QDate(2024, 1, 31);
    QTest::newRow("MM/dd/yy before the pivot") << "MM/dd/yy" << "02/29/00" << QDate(2000, 2, 29);
    QTest::newRow("MM/dd/yy at 69") << "MM/dd/yy" << "12/31/69" << QDate(2069, 12, 31);
    QTest::newRow("MM/dd/yy at 70") << "MM/dd/yy" << "01/01/70" << QDate(1970, 1, 1);
    QTest::newRow("MMMM d, yyyy") << "MMMM d, yyyy" << "May 14, 2026" << QDate(2026, 5, 14);
    // A chosen format is the only one: a date it does not read is never
    // read otherwise without a word.
    QTest::newRow("another format does not read it") << "dd.MM.yyyy" << "2024-01-31" << QDate();
    QTest::newRow("month first refuses a day first") << "MM/dd/yyyy" << "13/04/2024" << QDate();
    QTest::newRow("detection: month name") << "" << "Sep 5, 2024" << QDate(2024, 9, 5);
    QTest::newRow("detection: ambiguous is month first") << "" << "03/04/24" << QDate(2024, 3, 4);
    // One range of years for every import, as the QIF reader keeps: a year
    // outside it is a field that holds no date.
    QTest::newRow("first year") << "" << "1900-01-01" << QDate(1900, 1, 1);
    QTest::newRow("last year") << "" << "12/31/2200" << QDate(2200, 12, 31);
    QTest::newRow("year of three leading zeros") << "" << "0024-01-05" << QDate();
    QTest::newRow("before 1900 by the format") << "yyyy-MM-dd" << "1899-12-31" << QDate();
    QTest::newRow("after 2200, all digits") << "" << "22010101" << QDate();
    QTest::newRow("after 2200 by month name") << "" << "May 14, 2201" << QDate();
    QTest::newRow("year 0 by the format") << "dd.MM.yyyy" << "05.01.0000" << QDate();
    QTest::newRow("no real day") << "MM/dd/yyyy" << "02/30/2024" << QDate();
    QTest::newRow("no date") << "" << "yesterday" << QDate();
}

void ImportServiceTest::readsEveryDateFormatOfTheMapping()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QDate, date);

    const ImportResult result = import("\"" + text.toUtf8() + "\",Payee,1.00\n", columns(0, 1, 2, -1, -1, false, format));
    QCOMPARE(result.imported, date.isValid() ? 1 : 0);
    QCOMPARE(result.unparseable, date.isValid() ? 0 : 1);
    if (date.isValid())
        QCOMPARE(stored(), QStringList{date.toString(Qt::ISODate) + "|Payee|100||"});
}

void ImportServiceTest::decidesTheDayMonthOrderFromTheWholeColumn()
{
    // The one row whose first number cannot be a month decides for the rows
    // before it too; a row that only reads month first is then unreadable.
    const ImportResult result =
        import("Date,Payee,Amount\n03/04/2024,A,1\n05/06/2024,B,1\n13/04/2024,C,1\n25/12/2023,D,1\n04/13/2024,E,1\n",
               columns(0, 1, 2));
    QCOMPARE(result.imported, 4);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(stored(), (QStringList{"2023-12-25|D|100||", "2024-04-03|A|100||", "2024-04-13|C|100||",
                                    "2024-06-05|B|100||"}));
}

void ImportServiceTest::onlyDatesOfOneOrderVote()
{
    // 31/02 and 99999-01-01 are no day in either order, 12/32 none either:
    // they say nothing about the order of the others.
    ImportResult result = import("Date,Payee,Amount\n03/04/2024,A,1\n31/02/2024,B,1\n99999-01-01,C,1\n",
                                 columns(0, 1, 2));
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 2);
    // 03/04 is March 4 or April 3: the summary names the order taken.
    QCOMPARE(result.guessedDateOrder, DateOrder::MonthFirst);
    QCOMPARE(stored(), QStringList{"2024-03-04|A|100||"});
    // Dates that read alike in either order need none.
    result = import("Date,Payee,Amount\n2024-05-06,H,1\n07/07/2024,I,1\n", columns(0, 1, 2));
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.guessedDateOrder, std::nullopt);

    result = import("Date,Payee,Amount\n05/06/2024,D,1\n13/06/2024,E,1\n12/32/2024,F,1\n", columns(0, 1, 2));
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.guessedDateOrder, DateOrder::DayFirst);
    QVERIFY(stored().contains("2024-06-05|D|100||"));

    // A format given decides; the summary names no guess.
    result = import("Date,Payee,Amount\n13/06/2024,G,1\n", columns(0, 1, 2, -1, -1, true, "dd/MM/yyyy"));
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.guessedDateOrder, std::nullopt);
}

void ImportServiceTest::accountsForEveryLineAfterAnOpenQuote()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult result =
        import("Date,Payee,Amount\n2024-01-01,Ann,-1.00\n2024-01-02,\"Bob,-2.00\n2024-01-03,Cy,-3.00\n\n"
               "2024-01-04,Di,-4.00\n",
               columns(0, 1, 2));
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 3);
    QCOMPARE(started.first().first().toInt(), 4);
    QCOMPARE(result.notes.size(), 1);
    QVERIFY2(result.notes.first().contains(QLatin1String("line 3")), qPrintable(result.notes.first()));
    QCOMPARE(stored(), QStringList{"2024-01-01|Ann|-100||"});
}

void ImportServiceTest::readsLinesEndedByCarriageReturnsAlone()
{
    const ImportResult result =
        import("Date,Payee,Amount\r2024-01-01,Ann,-1.00\r\"2024-01-02\",\"Bob\rJr\",-2.00\r", columns(0, 1, 2));
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.unparseable, 0);
    QCOMPARE(stored(), (QStringList{"2024-01-01|Ann|-100||", "2024-01-02|Bob\rJr|-200||"}));
}

void ImportServiceTest::countsDuplicatesAsAMultiset()
{
    const QDate day(2024, 5, 2);
    addTransaction(day, QStringLiteral("Coffee"), -350);
    const QByteArray csv = "Date,Payee,Amount\n2024-05-02,Coffee,-3.50\n2024-05-02,Coffee,-3.50\n"
                           "2024-05-02,Coffee,-3.50\n2024-05-02,coffee,-3.50\n";

    ImportResult result = import(csv, columns(0, 1, 2));
    QCOMPARE(result.duplicates, 1);
    QCOMPARE(result.imported, 3);
    QCOMPARE(stored().count(QStringLiteral("2024-05-02|Coffee|-350||")), 3);

    // The same file again finds every row present.
    result = import(csv, columns(0, 1, 2));
    QCOMPARE(result.duplicates, 4);
    QCOMPARE(result.imported, 0);
}

void ImportServiceTest::findsARowWithALoneSurrogateOnReimport()
{
    // UTF-16 with a high surrogate that has no partner in the payee.
    const QString text = QStringLiteral("Date,Payee,Amount\n2024-05-02,A") + QChar(0xD800)
        + QStringLiteral("B,-3.50\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString path = writeFile(bytes);

    QCOMPARE(m_service->importCsv(path, kChecking, columns(0, 1, 2)).imported, 1);
    QCOMPARE(stored(), QStringList{QStringLiteral("2024-05-02|A\uFFFDB|-350||")});
    const ImportResult again = m_service->importCsv(path, kChecking, columns(0, 1, 2));
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 1);
}

void ImportServiceTest::createsEachMissingCategoryOnce()
{
    const int before = m_store->categories.count();
    const ImportResult result = import("Date,Payee,Amount,Category\n2024-01-01,A,1,Pets\n2024-01-02,B,1,Pets\n"
                                       "2024-01-03,C,1,pets\n2024-01-04,D,1\n2024-01-05,E,1,\n",
                                       columns(0, 1, 2, -1, 3));
    QCOMPARE(result.imported, 5);
    QCOMPARE(m_store->categories.count(), before + 2);
    const QList<Category> categories = m_store->categories.listAll();
    QVERIFY(std::all_of(categories.begin(), categories.end(),
                        [](const Category& c) { return c.category_type == CategoryType::Expense; }));
    QCOMPARE(stored(), (QStringList{"2024-01-01|A|100||Pets", "2024-01-02|B|100||Pets", "2024-01-03|C|100||pets",
                                    "2024-01-04|D|100||", "2024-01-05|E|100||"}));

    // A second file reuses what the first created.
    QCOMPARE(import("Date,Payee,Amount,Category\n2024-02-01,F,1,Pets\n", columns(0, 1, 2, -1, 3)).imported, 1);
    QCOMPARE(m_store->categories.count(), before + 2);
}

void ImportServiceTest::reportsProgressAndSignalsOnceAtTheEnd()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy categoriesChanged(&m_store->categories, &CategoryRepository::categoriesChanged);
    bool heldMidway = false;
    connect(m_service.get(), &ImportService::importProgress, this, [&](int current) {
        if (current == 100)
            heldMidway = m_store->transactions.changesHeld() && changed.isEmpty();
    });

    ImportResult result = import(rowsOf(250), columns(0, 1, 2));
    QCOMPARE(result.imported, 250);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first().first().toInt(), 250);
    QCOMPARE(progress.count(), 3);
    QCOMPARE(progress.at(0), (QVariantList{100, 250}));
    QCOMPARE(progress.at(1), (QVariantList{200, 250}));
    QCOMPARE(progress.at(2), (QVariantList{250, 250}));
    QVERIFY(heldMidway);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), kChecking);
    QCOMPARE(categoriesChanged.count(), 0);

    started.clear();
    progress.clear();
    result = import("Date,Payee,Amount\n", columns(0, 1, 2));
    QVERIFY(!result.failed);
    QCOMPARE(started.first().first().toInt(), 0);
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.first(), (QVariantList{0, 0}));
    QCOMPARE(changed.count(), 1);
}

void ImportServiceTest::sizesThePageCacheForTheRunOnly()
{
    const auto cacheSize = [this] {
        QSqlQuery query(m_store->db.connection());
        return query.exec(QStringLiteral("PRAGMA cache_size")) && query.next() ? query.value(0).toLongLong() : 0;
    };
    const qint64 before = cacheSize();
    qint64 during = 0;
    connect(m_service.get(), &ImportService::importProgress, this, [&](int current) {
        if (current == 100)
            during = cacheSize();
    });
    QCOMPARE(import(rowsOf(5000), columns(0, 1, 2)).imported, 5000);
    // Negative settings count KiB: the run's is larger than SQLite's 2 MB.
    QVERIFY2(during < before && during <= -5000, qPrintable(QString::number(during)));
    QCOMPARE(cacheSize(), before);
}

void ImportServiceTest::rollsBackWhenTheCommitFails()
{
    addTransaction(QDate(2024, 1, 1), QStringLiteral("Kept"), 100);
    const QStringList before = stored();
    const int categoriesBefore = m_store->categories.count();
    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);

    ImportResult nested;
    // Midway a row that breaks a foreign key is written with the check put
    // off to the commit, which then fails. A second import asked for
    // meanwhile is refused.
    connect(m_service.get(), &ImportService::importProgress, this, [&](int current) {
        if (current != 100)
            return;
        QSqlQuery query(m_store->db.connection());
        QVERIFY(query.exec(QStringLiteral("PRAGMA defer_foreign_keys = ON")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, created_at, updated_at) "
                                          "VALUES ('orphan', 'gone', '2024-01-01', '2024-01-01T00:00:00Z', "
                                          "'2024-01-01T00:00:00Z')")));
        nested = import(rowsOf(1), columns(0, 1, 2));
    });
    QByteArray csv = "Date,Payee,Amount,Category\n";
    for (int i = 0; i < 150; ++i)
        csv += "2024-03-01,Payee,-1.00,New category\n";

    const ImportResult result = import(csv, columns(0, 1, 2, -1, 3));
    QVERIFY(result.failed);
    QVERIFY(!result.failure.isEmpty());
    QVERIFY(nested.failed);
    QCOMPARE(nested.imported, 0);
    QCOMPARE(stored(), before);
    QCOMPARE(m_store->categories.count(), categoriesBefore);
    QVERIFY(!m_store->transactions.getById(QStringLiteral("orphan")));
    // Windows that read rows while the transaction was open reload once.
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_store->transactions.changesHeld());
}

void ImportServiceTest::failsWhenTheTransactionCannotBegin()
{
    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(m_store->db.connection().transaction());
    const ImportResult result = import(rowsOf(3), columns(0, 1, 2));
    const QStringList rows = stored();
    QVERIFY(m_store->db.connection().rollback());

    QVERIFY(result.failed);
    QCOMPARE(result.imported, 0);
    QVERIFY(rows.isEmpty());
    QCOMPARE(changed.count(), 0);
}

void ImportServiceTest::aRowThatCannotBeStoredFailsTheWholeImport()
{
    addTransaction(QDate(2024, 1, 1), QStringLiteral("Kept"), 100);
    const QStringList before = stored();
    QSqlQuery query(m_store->db.connection());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'Refused' "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const ImportResult result =
        import("Date,Payee,Amount\n2024-01-02,Fine,1\n2024-01-03,Refused,1\n2024-01-04,Fine too,1\n", columns(0, 1, 2));
    QVERIFY(result.failed);
    QVERIFY2(result.failure.contains(QLatin1String("Line 3")) && result.failure.contains(QLatin1String("refused")),
             qPrintable(result.failure));
    QCOMPARE(stored(), before);
}

void ImportServiceTest::refusesAnAmountThatABalanceCannotHold()
{
    // Each amount is one an amount may be; 9,223 of them are a balance, 9,224 not.
    addTransaction(QDate(2024, 1, 1), QStringLiteral("Kept"), kMaxAmountMinorUnits);
    const QStringList before = stored();
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < 10000; ++i)
        csv += "2024-03-01,Payee " + QByteArray::number(i) + ",10000000000000.00\n";
    const ImportResult result = import(csv, columns(0, 1, 2));
    QVERIFY(result.failed);
    QVERIFY2(result.failure.startsWith(QLatin1String("Line 9224:")), qPrintable(result.failure));
    QCOMPARE(stored(), before);
}

void ImportServiceTest::aFullDiskLeavesTheLedgerAsItWas()
{
    addTransaction(QDate(2024, 1, 1), QStringLiteral("Kept"), 100);
    const QStringList before = stored();
    const int categoriesBefore = m_store->categories.count();
    QSqlQuery query(m_store->db.connection());
    QVERIFY(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
    const int pages = query.value(0).toInt();
    // Room for a few hundred rows of the file's thousands.
    QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 20)));
    QByteArray csv = "Date,Payee,Amount,Category\n";
    for (int i = 0; i < 5000; ++i)
        csv += "2024-03-01,Payee " + QByteArray::number(i) + ",-1.00,Category " + QByteArray::number(i % 50) + "\n";

    const ImportResult result = import(csv, columns(0, 1, 2, -1, 3));
    QCOMPARE(stored(), before);
    QCOMPARE(m_store->categories.count(), categoriesBefore);
    QVERIFY(result.failed);
    QVERIFY2(result.failure.contains(QLatin1String("full")), qPrintable(result.failure));
    QVERIFY(!nativeconnection::inTransaction(m_store->db.connection()));

    // With room again the same file imports whole.
    QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = 1000000000")));
    QCOMPARE(import(csv, columns(0, 1, 2, -1, 3)).imported, 5000);
}

void ImportServiceTest::stopsWhenTheTransactionEndsMeanwhile()
{
    // SQLite ends the transaction while the event loop runs (as after a
    // failed write elsewhere): the import writes nothing on its own after it.
    const QStringList before = stored();
    bool ended = false;
    connect(m_service.get(), &ImportService::importProgress, this, [&](int current) {
        if (current == 100)
            ended = QSqlQuery(m_store->db.connection()).exec(QStringLiteral("ROLLBACK"));
    });
    const ImportResult result = import(rowsOf(250), columns(0, 1, 2));
    QVERIFY(ended);
    QCOMPARE(stored(), before);
    QVERIFY(result.failed);
}

void ImportServiceTest::waitsForAnotherWriterOrSaysItCouldNot()
{
    QSqlQuery(m_store->db.connection()).exec(QStringLiteral("PRAGMA busy_timeout = 2000"));
    // Another program writes for a moment: the import waits for it.
    QSemaphore locked;
    QThread* writer = QThread::create([path = m_store->db.filePath(), &locked] {
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(path);
            QSqlQuery hold(other);
            if (!other.open() || !hold.exec(QStringLiteral("BEGIN IMMEDIATE")))
                qFatal("the other writer cannot lock the ledger");
            locked.release();
            QThread::msleep(300);
            hold.exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    });
    writer->start();
    locked.acquire();
    ImportResult result = import(rowsOf(3), columns(0, 1, 2));
    writer->wait();
    delete writer;
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 3);

    // One that holds the lock past the busy timeout: nothing is imported,
    // and the user hears why.
    QSqlQuery(m_store->db.connection()).exec(QStringLiteral("PRAGMA busy_timeout = 100"));
    const QStringList before = stored();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(m_store->db.filePath());
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
        result = import(rowsOf(300), columns(0, 1, 2));
        QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(result.failed);
    QVERIFY2(result.failure.contains(QLatin1String("Another program")), qPrintable(result.failure));
    QCOMPARE(stored(), before);
}

void ImportServiceTest::refusesWhatItCannotRead()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);

    ImportResult result = m_service->importCsv(m_store->dir.filePath(QStringLiteral("missing.csv")), kChecking,
                                               columns(0, 1, 2));
    QVERIFY(result.failed);
    QVERIFY(!result.failure.isEmpty());

    // Sparse: the size is measured, never read.
    const QString huge = writeFile("Date,Payee,Amount\n");
    QVERIFY(QFile::resize(huge, ImportFile::kMaxBytes + 1));
    result = m_service->importCsv(huge, kChecking, columns(0, 1, 2));
    QVERIFY(result.failed);
    QVERIFY(result.failure.contains(QStringLiteral("100 MB")));

    // A named pipe nobody writes to: refused at once, never waited on.
    const QString pipe = m_store->dir.filePath(QStringLiteral("pipe.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    result = m_service->importCsv(pipe, kChecking, columns(0, 1, 2));
    QVERIFY(result.failed);
    QVERIFY(result.failure.contains(QStringLiteral("not a regular file")));

    result = import(rowsOf(1), columns(0, 1, 2), QStringLiteral("no such account"));
    QVERIFY(result.failed);

    QCOMPARE(started.count(), 0);
    QVERIFY(stored().isEmpty());
}

QTEST_GUILESS_MAIN(ImportServiceTest)
#include "tst_importservice.moc"
