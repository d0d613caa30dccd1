#include "import/ImportFile.h"
#include "import/ImportService.h"
#include "tests/support/TestStore.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

namespace {

const QString kChecking = QStringLiteral("chk");
const QString kSavings = QStringLiteral("sav");
const QString kWallet = QStringLiteral("yen");
const QDateTime kEarlier(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

// A cash block before the first account block, then the checking account
// with a category list. Its dates alone read month first; the savings file
// decides day first for both.
const QByteArray kCheckingFile = "!Type:Cash\nD02/01/2024\nT-1,500\nPRamen\n^\n"
                                 "!Type:Cat\nNSalary\nI\n^\nNGroceries\nE\n^\n"
                                 "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                 "D02/01/2024\nT-50.00\nPTo savings\nL[Savings]\n^\n"
                                 "D03/01/2024\nT-100.00\nPGrocer\nL--Splits--\nSGroceries\n$-60.00\n"
                                 "S[Savings]\nEPut aside\n$-40.00\n^\n"
                                 "D04/01/2024\nT2,000.00\nPEmployer\nLSalary\n^\n"
                                 "D05/01/2024\nT-10.00\nPSelf\nL[checking]\n^\n";
const QByteArray kSavingsFile = "!Account\nNSAVINGS\n^\n!Type:Bank\n"
                                "D02/01/2024\nT50.00\nPFrom checking\nL[Checking]\n^\n"
                                "D25/01/2024\nT1.00\nPInterest\n^\n";

} // namespace

class QifImportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void scansSourceAccounts();
    void importsTwoAccountsAndPairsTheirTransfer();
    void linksToAnEarlierImportThroughTheHint_data();
    void linksToAnEarlierImportThroughTheHint();
    void neverLinksWithinOneAccount();
    void pairsTheEarliestWaitingSide();
    void filesDifferingOnlyInCaseGoWhereEachIsMapped();
    void takesClearedAndReconciledFromTheClearedField();
    void addsNothingOnReimport();
    void countsDuplicatesAsAMultiset();
    void overlappingFilesOfOneImportStoreEachRowOnce_data();
    void overlappingFilesOfOneImportStoreEachRowOnce();
    void overlappingFilesKeepTheirTransfersLinked_data();
    void overlappingFilesKeepTheirTransfersLinked();
    void aRecordThatCannotBeStoredFailsTheWholeImport();
    void anAbortLeavesTheDatabaseAsItWas();
    void aFullDiskLeavesTheLedgerAsItWas();
    void refusesAnAmountThatABalanceCannotHold();
    void makesSplitLinesAddUpToTheAmount();
    void aSplitAmountThatCannotBeReadRefusesItsRecord();
    void amountsOfMoreDecimalsThanTheCurrencyRefuseTheirRecords();
    void aLineLongerThanAnyRecordRefusesItsRecord();
    void reportsProgressAndRefusesWhatItCannotDo();

private:
    void addAccount(const QString& id, const QString& name, Currency currency);
    QString writeFile(const QString& name, const QByteArray& bytes);
    QHash<QString, QString> fullMapping() const;
    ImportResult importBoth();
    // Both files, only the checking account mapped: its transfer waits.
    ImportResult importCheckingOnly();
    // The account's live rows as "date|payee|amount|memo|category", sorted.
    QStringList stored(const QString& account) const;
    std::optional<Transaction> rowOf(const QString& account, const QString& payee) const;
    // Every link names a live row that names it back, in the account it says.
    void verifyLinks() const;
    QStringList dump() const;

    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<ImportService> m_service;
    QString m_checkingPath;
    QString m_savingsPath;
};

void QifImportTest::init()
{
    m_store = std::make_unique<TestStore>();
    m_service = std::make_unique<ImportService>(&m_store->db, &m_store->accounts, &m_store->transactions,
                                                &m_store->categories, &m_store->splitLines);
    addAccount(kChecking, QStringLiteral("Checking"), Currency::USD);
    addAccount(kSavings, QStringLiteral("Savings"), Currency::USD);
    addAccount(kWallet, QStringLiteral("Wallet"), Currency::JPY);
    m_checkingPath = writeFile(QStringLiteral("checking.qif"), kCheckingFile);
    m_savingsPath = writeFile(QStringLiteral("savings.qif"), kSavingsFile);
}

void QifImportTest::cleanup()
{
    m_service.reset();
    m_store.reset();
}

void QifImportTest::addAccount(const QString& id, const QString& name, Currency currency)
{
    Account account;
    account.id = id;
    account.name = name;
    account.currency = currency;
    account.created_at = kEarlier;
    account.updated_at = kEarlier;
    QVERIFY(m_store->accounts.insert(account));
}

QString QifImportTest::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_store->dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

QHash<QString, QString> QifImportTest::fullMapping() const
{
    return {{QStringLiteral("checking"), kChecking}, {QStringLiteral("Savings"), kSavings}, {m_checkingPath, kWallet}};
}

ImportResult QifImportTest::importBoth()
{
    return m_service->importQif({m_checkingPath, m_savingsPath}, fullMapping());
}

ImportResult QifImportTest::importCheckingOnly()
{
    return m_service->importQif({m_checkingPath, m_savingsPath}, {{QStringLiteral("Checking"), kChecking}});
}

QStringList QifImportTest::stored(const QString& account) const
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

std::optional<Transaction> QifImportTest::rowOf(const QString& account, const QString& payee) const
{
    for (const Transaction& t : m_store->transactions.listByAccount(account)) {
        if (t.payee == payee)
            return t;
    }
    return std::nullopt;
}

void QifImportTest::verifyLinks() const
{
    for (const QString& account : {kChecking, kSavings, kWallet}) {
        for (const Transaction& t : m_store->transactions.listByAccount(account)) {
            if (!t.isTransfer())
                continue;
            const std::optional<Transaction> other = m_store->transactions.getById(t.transfer_link_id);
            QVERIFY2(other && !other->deleted_at, qPrintable(t.payee));
            QCOMPARE(other->account_id, t.transfer_dest_account_id);
            QCOMPARE(other->transfer_link_id, t.id);
            QCOMPARE(other->transfer_dest_account_id, t.account_id);
        }
    }
}

QStringList QifImportTest::dump() const
{
    QStringList rows;
    for (const char* table : {"accounts", "categories", "transactions", "split_lines"}) {
        QSqlQuery query(m_store->db.connection());
        if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table))))
            qFatal("cannot read %s", table);
        while (query.next()) {
            QStringList values{QLatin1String(table)};
            for (int c = 0; c < query.record().count(); ++c)
                values << query.value(c).toString();
            rows << values.join(u'|');
        }
    }
    return rows;
}

void QifImportTest::scansSourceAccounts()
{
    const QifScanResult scan =
        m_service->scanQifFiles({m_checkingPath, m_savingsPath, m_store->dir.filePath(QStringLiteral("gone.qif"))});
    QCOMPARE(scan.totalRecords, 7);
    QCOMPARE(scan.accounts.size(), 3);
    // The cash block before the first account block is mapped by the file.
    QCOMPARE(scan.accounts[0].name, m_checkingPath);
    QCOMPARE(scan.accounts[0].displayName, QStringLiteral("checking.qif (no account header)"));
    QVERIFY(scan.accounts[0].noAccountHeader);
    QCOMPARE(scan.accounts[1].name, QStringLiteral("Checking"));
    QCOMPARE(scan.accounts[1].suggestedType, AccountType::Checking);
    QCOMPARE(scan.accounts[2].name, QStringLiteral("SAVINGS"));
    QCOMPARE(scan.accounts[2].suggestedType, AccountType::Savings);
    QCOMPARE(scan.failures.size(), 1);
    QVERIFY(scan.failures[0].startsWith(QStringLiteral("gone.qif: ")));

    // A file naming the same account in other case adds no entry.
    const QString more =
        writeFile(QStringLiteral("more.qif"), "!Account\nNsavings\n^\n!Type:CCard\nD1/1/2024\nT1\n^\n");
    const QifScanResult again = m_service->scanQifFiles({m_savingsPath, more});
    QCOMPARE(again.accounts.size(), 1);
    QCOMPARE(again.totalRecords, 3);
}

void QifImportTest::importsTwoAccountsAndPairsTheirTransfer()
{
    const ImportResult result = importBoth();
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 7);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(result.retroactiveLinked, 0);
    QCOMPARE(result.guessedDateOrder, DateOrder::DayFirst);

    QCOMPARE(stored(kWallet), QStringList{"2024-01-02|Ramen|-1500||"});
    QCOMPARE(stored(kChecking), (QStringList{"2024-01-02|To savings|-5000||", "2024-01-03|Grocer|-10000||",
                                             "2024-01-04|Employer|200000||Salary", "2024-01-05|Self|-1000||"}));
    QCOMPARE(stored(kSavings), (QStringList{"2024-01-02|From checking|5000||", "2024-01-25|Interest|100||"}));

    QCOMPARE(rowOf(kChecking, QStringLiteral("To savings"))->transfer_dest_account_id, kSavings);
    QVERIFY(!rowOf(kChecking, QStringLiteral("Self"))->isTransfer());
    verifyLinks();

    // A split keeps its lines; a line moving money to an account says so.
    const Transaction grocer = *rowOf(kChecking, QStringLiteral("Grocer"));
    QVERIFY(grocer.is_split);
    const QList<SplitLine> lines = m_store->splitLines.listByTransaction(grocer.id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, -6000);
    QCOMPARE(m_store->categories.getById(lines[0].category_id)->name, QStringLiteral("Groceries"));
    QCOMPARE(lines[1].amount, -4000);
    QCOMPARE(lines[1].memo, QStringLiteral("[\u2192 Savings] Put aside"));
    QVERIFY(lines[1].category_id.isEmpty());

    QStringList categories;
    for (const Category& category : m_store->categories.listAll())
        categories << category.name + u':' + categoryTypeToString(category.category_type);
    QCOMPARE(categories, (QStringList{"Groceries:expense", "Salary:income"}));
}

void QifImportTest::linksToAnEarlierImportThroughTheHint_data()
{
    // How the second import, of the savings side, knows the checking account.
    QTest::addColumn<QString>("checking");
    QTest::addColumn<bool>("links");
    QTest::newRow("mapped") << "mapped" << true;
    // Not a source account of the file: the one ledger account of the name.
    QTest::newRow("named by the ledger") << "ledger" << true;
    QTest::newRow("skipped by the user") << "skipped" << false;
    QTest::newRow("two ledger accounts of the name") << "ambiguous" << false;
}

void QifImportTest::linksToAnEarlierImportThroughTheHint()
{
    QFETCH(QString, checking);
    QFETCH(bool, links);

    ImportResult result = importCheckingOnly();
    QCOMPARE(result.imported, 4);
    QCOMPARE(result.unmappedSkipped, 3);
    const Transaction waiting = *rowOf(kChecking, QStringLiteral("To savings"));
    QCOMPARE(waiting.memo, QStringLiteral("[\u2192 Savings]"));
    QVERIFY(!waiting.isTransfer());
    QVERIFY(m_store->transactions.markSynced(waiting.id, QStringLiteral("server-1")));

    QHash<QString, QString> mapping{{QStringLiteral("savings"), kSavings}};
    QStringList files{m_savingsPath};
    if (checking == u"mapped")
        mapping.insert(QStringLiteral("CHECKING"), kChecking);
    if (checking == u"skipped") {
        mapping.insert(QStringLiteral("Checking"), QString());
        files.prepend(m_checkingPath);
    }
    if (checking == u"ambiguous")
        addAccount(QStringLiteral("other"), QStringLiteral("CHECKING"), Currency::USD);
    result = m_service->importQif(files, mapping);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.transfersLinked, links ? 1 : 0);
    QCOMPARE(result.retroactiveLinked, links ? 1 : 0);

    const Transaction checkingSide = *m_store->transactions.getById(waiting.id);
    const Transaction savingsSide = *rowOf(kSavings, QStringLiteral("From checking"));
    if (links) {
        QCOMPARE(checkingSide.memo, QString());
        QCOMPARE(checkingSide.transfer_link_id, savingsSide.id);
        QCOMPARE(checkingSide.version, waiting.version + 1);
        QCOMPARE(checkingSide.sync_status, SyncStatus::Pending);
        QCOMPARE(savingsSide.memo, QString());
        verifyLinks();
    } else {
        QCOMPARE(checkingSide.memo, waiting.memo);
        QCOMPARE(checkingSide.sync_status, SyncStatus::Synced);
        QCOMPARE(savingsSide.memo, QStringLiteral("[\u2192 Checking]"));
        QVERIFY(!savingsSide.isTransfer());
    }
}

void QifImportTest::neverLinksWithinOneAccount()
{
    const ImportResult result = m_service->importQif(
        {m_checkingPath, m_savingsPath},
        {{QStringLiteral("Checking"), kChecking}, {QStringLiteral("Savings"), kChecking}});
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(rowOf(kChecking, QStringLiteral("To savings"))->memo, QStringLiteral("[\u2192 Savings]"));
    QCOMPARE(rowOf(kChecking, QStringLiteral("From checking"))->memo, QStringLiteral("[\u2192 Checking]"));
    // A transfer to its own account moves nothing and waits for nothing.
    QCOMPARE(rowOf(kChecking, QStringLiteral("Self"))->memo, QString());
    verifyLinks();
}

void QifImportTest::pairsTheEarliestWaitingSide()
{
    // Two checking sides fit the one savings side: the first in the file pairs.
    const QString checking = writeFile(QStringLiteral("two sides.qif"),
                                       "!Account\nNChecking\n^\n!Type:Bank\n"
                                       "D02/01/2024\nT-50\nPFirst\nL[Savings]\n^\nD02/01/2024\nT-50\nPSecond\nL[Savings]\n^\n");
    const ImportResult result = m_service->importQif({checking, m_savingsPath}, fullMapping());
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(rowOf(kSavings, QStringLiteral("From checking"))->transfer_link_id,
             rowOf(kChecking, QStringLiteral("First"))->id);
    QCOMPARE(rowOf(kChecking, QStringLiteral("Second"))->memo, QStringLiteral("[\u2192 Savings]"));
    verifyLinks();
}

void QifImportTest::filesDifferingOnlyInCaseGoWhereEachIsMapped()
{
    // Neither names an account: each goes by its path, which on this system
    // names another file in another case.
    const QString upper = writeFile(QStringLiteral("Bank.qif"), "!Type:Bank\nD1/2/2024\nT-1\nPUpper\n^\n");
    const QString lower = writeFile(QStringLiteral("bank.qif"), "!Type:Bank\nD1/2/2024\nT-2\nPLower\n^\n");
    const ImportResult result = m_service->importQif({upper, lower}, {{upper, kChecking}, {lower, kSavings}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(stored(kChecking), QStringList{"2024-01-02|Upper|-100||"});
    QCOMPARE(stored(kSavings), QStringList{"2024-01-02|Lower|-200||"});
}

void QifImportTest::takesClearedAndReconciledFromTheClearedField()
{
    const QString path = writeFile(QStringLiteral("cleared.qif"),
                                   "!Type:Bank\nD1/2/2024\nT-1\nPNone\n^\nD1/2/2024\nT-1\nPStar\nC*\n^\n"
                                   "D1/2/2024\nT-1\nPLetter\nCc\n^\nD1/2/2024\nT-1\nPX\nCX\n^\n"
                                   "D1/2/2024\nT-1\nPR\nCR\n^\n");
    QCOMPARE(m_service->importQif({path}, {{path, kChecking}}).imported, 5);
    const QList<std::tuple<const char*, bool, bool>> expected = {
        {"None", false, false}, {"Star", true, false}, {"Letter", true, false}, {"X", true, false}, {"R", true, true}};
    for (const auto& [payee, cleared, reconciled] : expected) {
        const Transaction row = *rowOf(kChecking, QString::fromLatin1(payee));
        QVERIFY2(row.cleared == cleared && row.reconciled == reconciled, payee);
    }
}

void QifImportTest::addsNothingOnReimport()
{
    // The checking side first, waiting with its hint; then both files: the
    // new savings side links to the row its duplicate partner stands for.
    importCheckingOnly();
    const Transaction waiting = *rowOf(kChecking, QStringLiteral("To savings"));
    ImportResult result = importBoth();
    QVERIFY(!result.failed);
    QCOMPARE(result.duplicates, 4);
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(result.retroactiveLinked, 1);
    const Transaction linked = *m_store->transactions.getById(waiting.id);
    QCOMPARE(linked.transfer_link_id, rowOf(kSavings, QStringLiteral("From checking"))->id);
    QCOMPARE(linked.memo, QString());
    QCOMPARE(linked.version, waiting.version + 1);
    verifyLinks();

    const QStringList before = dump();
    result = importBoth();
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 7);
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(dump(), before);
}

void QifImportTest::countsDuplicatesAsAMultiset()
{
    // Two real checks of one day, amount and payee: into an account that
    // holds one of them, the other imports; a re-import then finds both.
    const QByteArray check = "D1/2/2024\nT-5\nPKiosk\n^\n";
    const QString once = writeFile(QStringLiteral("once.qif"), "!Type:Bank\n" + check);
    const QString twice = writeFile(QStringLiteral("twice.qif"), "!Type:Bank\n" + check + check);
    QCOMPARE(m_service->importQif({once}, {{once, kChecking}}).imported, 1);
    ImportResult result = m_service->importQif({twice}, {{twice, kChecking}});
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.duplicates, 1);
    result = m_service->importQif({twice}, {{twice, kChecking}});
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 2);
}

void QifImportTest::overlappingFilesOfOneImportStoreEachRowOnce_data()
{
    // Two statements of one account that overlap, imported together, store
    // what they store one after the other: a file's record matches what the
    // account held and what earlier files wrote, each once for the file,
    // and a file's own equal records are all imported.
    QTest::addColumn<int>("inJanuary");
    QTest::addColumn<int>("inFebruary");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("stored");
    QTest::newRow("one in each") << 1 << 1 << 0 << 1;
    QTest::newRow("one in each, held already") << 1 << 1 << 1 << 1;
    QTest::newRow("two in the first, one in the second") << 2 << 1 << 0 << 2;
    QTest::newRow("one in the first, two in the second") << 1 << 2 << 0 << 2;
    QTest::newRow("two in each, one held") << 2 << 2 << 1 << 2;
    QTest::newRow("three in the second, one held") << 1 << 3 << 1 << 3;
}

void QifImportTest::overlappingFilesOfOneImportStoreEachRowOnce()
{
    QFETCH(int, inJanuary);
    QFETCH(int, inFebruary);
    QFETCH(int, held);
    QFETCH(int, stored);
    const QByteArray cafe = "D01/06/2024\nT-3.00\nPCafe\n^\n";
    const QString january =
        writeFile(QStringLiteral("jan.qif"), "!Type:Bank\nD12/30/2023\nT-1\nPKiosk\n^\n" + cafe.repeated(inJanuary));
    const QString february =
        writeFile(QStringLiteral("feb.qif"), "!Type:Bank\n" + cafe.repeated(inFebruary) + "D02/01/2024\nT-2\nPFuel\n^\n");
    if (held > 0) {
        const QString path = writeFile(QStringLiteral("held.qif"), "!Type:Bank\n" + cafe.repeated(held));
        QCOMPARE(m_service->importQif({path}, {{path, kChecking}}).imported, held);
    }

    const ImportResult result =
        m_service->importQif({january, february}, {{january, kChecking}, {february, kChecking}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 2 + stored - held);
    QCOMPARE(result.duplicates, inJanuary + inFebruary - (stored - held));
    const QStringList rows = this->stored(kChecking);
    QCOMPARE(rows.count(QStringLiteral("2024-01-06|Cafe|-300||")), stored);
    QCOMPARE(rows.size(), 2 + stored);
}

void QifImportTest::overlappingFilesKeepTheirTransfersLinked_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("the overlap last") << QStringList{"jan", "feb", "savings"};
    QTest::newRow("the savings side first") << QStringList{"savings", "jan", "feb"};
    QTest::newRow("the savings side between") << QStringList{"jan", "savings", "feb"};
    QTest::newRow("the savings side with the overlap") << QStringList{"jan", "feb+savings"};
}

void QifImportTest::overlappingFilesKeepTheirTransfersLinked()
{
    QFETCH(QStringList, order);
    // The checking side of a transfer stands in two overlapping statements;
    // the savings side once.
    const QByteArray checkingSide = "!Account\nNChecking\n^\n!Type:Bank\n"
                                    "D01/31/2024\nT-50.00\nPTo savings\nL[Savings]\n^\n";
    const QByteArray savingsSide = "!Account\nNSavings\n^\n!Type:Bank\n"
                                   "D01/31/2024\nT50.00\nPFrom checking\nL[Checking]\n^\n";
    const QHash<QString, QByteArray> contents{
        {QStringLiteral("jan"), checkingSide + "D01/02/2024\nT-1\nPKiosk\n^\n"},
        {QStringLiteral("feb"), checkingSide + "D02/02/2024\nT-2\nPFuel\n^\n"},
        {QStringLiteral("savings"), savingsSide},
        {QStringLiteral("feb+savings"), checkingSide + "D02/02/2024\nT-2\nPFuel\n^\n" + savingsSide},
    };
    QStringList files;
    for (const QString& name : order)
        files << writeFile(name + QStringLiteral(".qif"), contents.value(name));

    const ImportResult result = m_service->importQif(
        files, {{QStringLiteral("Checking"), kChecking}, {QStringLiteral("Savings"), kSavings}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 4);
    QCOMPARE(result.duplicates, 1);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(stored(kChecking), (QStringList{"2024-01-02|Kiosk|-100||", "2024-01-31|To savings|-5000||",
                                             "2024-02-02|Fuel|-200||"}));
    QCOMPARE(stored(kSavings), QStringList{"2024-01-31|From checking|5000||"});
    QCOMPARE(rowOf(kChecking, QStringLiteral("To savings"))->transfer_link_id,
             rowOf(kSavings, QStringLiteral("From checking"))->id);
    verifyLinks();
}

void QifImportTest::aRecordThatCannotBeStoredFailsTheWholeImport()
{
    // A split line that cannot be stored, after its transaction and the
    // checking side of the transfer were written.
    QSqlQuery query(m_store->db.connection());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER refuseLine BEFORE INSERT ON split_lines "
                                      "WHEN NEW.memo LIKE '%Put aside' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QStringList before = dump();

    const ImportResult result = importBoth();
    QVERIFY(result.failed);
    QVERIFY2(result.failure.contains(QLatin1String("checking.qif, line 23")), qPrintable(result.failure));
    QVERIFY2(result.failure.contains(QLatin1String("refused")), qPrintable(result.failure));
    QCOMPARE(dump(), before);
    QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM split_lines")) && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

void QifImportTest::anAbortLeavesTheDatabaseAsItWas()
{
    importCheckingOnly();
    QSqlQuery query(m_store->db.connection());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QStringList before = dump();
    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);

    const ImportResult result = importBoth();
    QVERIFY(result.failed);
    QVERIFY(!result.failure.isEmpty());
    QCOMPARE(dump(), before);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_store->transactions.changesHeld());
}

void QifImportTest::aFullDiskLeavesTheLedgerAsItWas()
{
    importCheckingOnly();
    const QStringList before = dump();
    QByteArray qif = "!Type:Bank\n";
    for (int i = 0; i < 3000; ++i) {
        qif += "D1/2/2024\nT-3\nPPayee " + QByteArray::number(i) + "\n";
        if (i % 10)
            qif += "LFood " + QByteArray::number(i % 40) + "\n^\n";
        else
            qif += "L--Splits--\nSFood\n$-1\nSFuel " + QByteArray::number(i % 40) + "\n$-2\n^\n";
    }
    const QString path = writeFile(QStringLiteral("many.qif"), qif);
    QSqlQuery query(m_store->db.connection());
    QVERIFY(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
    QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(query.value(0).toInt() + 20)));

    const ImportResult result = m_service->importQif({path}, {{path, kChecking}});
    QCOMPARE(dump(), before);
    QVERIFY(result.failed);
    QVERIFY2(result.failure.contains(QLatin1String("full")), qPrintable(result.failure));
}

void QifImportTest::refusesAnAmountThatABalanceCannotHold()
{
    const QStringList before = dump();
    // Yen hold the largest amounts: 9,224 of them pass what a balance holds.
    QByteArray qif = "!Type:Bank\n";
    for (int i = 0; i < 9300; ++i)
        qif += "D1/2/2024\nT-1000000000000000\nPPayee " + QByteArray::number(i) + "\n^\n";
    const QString path = writeFile(QStringLiteral("huge.qif"), qif);
    const ImportResult result = m_service->importQif({path}, {{path, kWallet}});
    QVERIFY(result.failed);
    QVERIFY2(result.failure.startsWith(QLatin1String("huge.qif, line 36894:")), qPrintable(result.failure));
    QCOMPARE(dump(), before);
}

void QifImportTest::makesSplitLinesAddUpToTheAmount()
{
    const QString path = writeFile(QStringLiteral("splits.qif"),
                                   "!Type:Bank\nD1/2/2024\nT-100.00\nPShort\nSFood\n$-30.00\nSFuel\n$-30.00\n^\n"
                                   "D1/3/2024\nT-50.00\nPWhole\nSFood\n$-20.00\nSFuel\n$-30.00\n^\n"
                                   "D1/4/2024\nT10.00\nPOver\nSFood\n$25.00\n^\n");
    const ImportResult result = m_service->importQif({path}, {{path, kChecking}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.splitRemaindersAdded, 2);

    const auto linesOf = [this](const QString& payee) {
        QStringList lines;
        for (const SplitLine& line : m_store->splitLines.listByTransaction(rowOf(kChecking, payee)->id))
            lines << QStringLiteral("%1:%2").arg(line.amount).arg(line.category_id.isEmpty() ? "none" : "set");
        return lines;
    };
    QCOMPARE(linesOf(QStringLiteral("Short")), (QStringList{"-3000:set", "-3000:set", "-4000:none"}));
    QCOMPARE(linesOf(QStringLiteral("Whole")), (QStringList{"-2000:set", "-3000:set"}));
    QCOMPARE(linesOf(QStringLiteral("Over")), (QStringList{"2500:set", "-1500:none"}));
}

void QifImportTest::aSplitAmountThatCannotBeReadRefusesItsRecord()
{
    // Read as 0, the unreadable line would be stored as a line of nothing
    // and the record reported as imported.
    const QString path = writeFile(QStringLiteral("splits.qif"),
                                   "!Type:Bank\nD1/2/2024\nT-100.00\nPText\nSFood\n$-60.00\nSFuel\n$abc\n^\n"
                                   "D1/3/2024\nT-100.00\nPHuge\nSFood\n$-60.00\nSFuel\n$99999999999999999.00\n^\n"
                                   "D1/4/2024\nT-50.00\nPWhole\nSFood\n$-20.00\nSFuel\n$-30.00\n^\n");
    const ImportResult result = m_service->importQif({path}, {{path, kChecking}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 2);
    QCOMPARE(result.splitRemaindersAdded, 0);
    QCOMPARE(stored(kChecking).size(), 1);
    QVERIFY(rowOf(kChecking, QStringLiteral("Whole")));
}

void QifImportTest::amountsOfMoreDecimalsThanTheCurrencyRefuseTheirRecords()
{
    // In yen, rounded, this split would lose its cents and gain a line
    // nobody wrote; and the amount of the next one would change.
    const QString path = writeFile(QStringLiteral("yen.qif"),
                                   "!Type:Bank\nD1/2/2024\nT-10.00\nPShared\nSFood\n$-3.33\nSFuel\n$-3.33\n"
                                   "SRent\n$-3.34\n^\n"
                                   "D1/3/2024\nT-12.50\nPLunch\n^\n"
                                   "D1/4/2024\nT-1,500.00\nPWhole\nSFood\n$-1,500.00\n^\n");
    ImportResult result = m_service->importQif({path}, {{path, kWallet}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 2);
    QCOMPARE(result.splitRemaindersAdded, 0);
    QCOMPARE(stored(kWallet), QStringList{"2024-01-04|Whole|-1500||"});
    QCOMPARE(result.notes.size(), 2);
    QVERIFY2(result.notes[0].startsWith(QStringLiteral("yen.qif, line 2:")) && result.notes[0].contains("JPY"),
             qPrintable(result.notes[0]));
    QVERIFY2(result.notes[1].startsWith(QStringLiteral("yen.qif, line 12:")), qPrintable(result.notes[1]));

    // The same file into a dollar account imports whole.
    result = m_service->importQif({path}, {{path, kChecking}});
    QCOMPARE(result.imported, 3);
    QVERIFY(result.notes.isEmpty());
}

void QifImportTest::aLineLongerThanAnyRecordRefusesItsRecord()
{
    const QString path = writeFile(QStringLiteral("long.qif"), "!Type:Bank\nD1/2/2024\nT-1.00\nP"
                                       + QByteArray(ImportFile::kMaxRecordChars, 'x')
                                       + "\n^\nD1/3/2024\nT-2.00\nPShop\n^\n");
    const ImportResult result = m_service->importQif({path}, {{path, kChecking}});
    QVERIFY(!result.failed);
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.notes.size(), 1);
    QVERIFY2(result.notes[0].startsWith(QStringLiteral("long.qif, line 4:")), qPrintable(result.notes[0]));
    QCOMPARE(stored(kChecking), QStringList{"2024-01-03|Shop|-200||"});
}

void QifImportTest::reportsProgressAndRefusesWhatItCannotDo()
{
    QByteArray qif = "!Type:Bank\n";
    for (int i = 0; i < 250; ++i)
        qif += "D1/2/2024\nT-1\nPPayee " + QByteArray::number(i) + "\n^\n";
    const QString path = writeFile(QStringLiteral("many.qif"), qif);
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);

    QCOMPARE(m_service->importQif({path}, {{path, kChecking}}).imported, 250);
    QCOMPARE(started.count(), 1);
    QCOMPARE(progress.count(), 3);
    QCOMPARE(progress.at(1), (QVariantList{200, 250}));
    QCOMPARE(progress.at(2), (QVariantList{250, 250}));

    // Nothing of a set of files is imported when one of them cannot be read
    // or an account to import into is gone.
    started.clear();
    QVERIFY(m_store->accounts.softDelete(kWallet));
    const QStringList before = dump();
    ImportResult refused = m_service->importQif({m_checkingPath, m_store->dir.filePath(QStringLiteral("gone.qif"))},
                                                {{QStringLiteral("Checking"), kChecking}});
    QVERIFY(refused.failed);
    QVERIFY(refused.failure.contains(QStringLiteral("gone.qif")));
    refused = importBoth();
    QVERIFY(refused.failed);
    QCOMPARE(started.count(), 0);
    QCOMPARE(dump(), before);
}

QTEST_GUILESS_MAIN(QifImportTest)
#include "tst_qifimport.moc"
