#include "tests/support/ServerRecords.h"
#include "tests/sync/SyncTestBed.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <numeric>

using namespace serverrecords;

namespace {

using QueryItems = QList<QPair<QString, QString>>;

const QString kCursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);

FakeResponse page(const QJsonObject& body)
{
    return FakeResponse::json(200, body);
}

int foreignKeysSetting()
{
    QSqlQuery query(QSqlDatabase::database());
    return query.exec(QStringLiteral("PRAGMA foreign_keys")) && query.next() ? query.value(0).toInt() : -1;
}

} // namespace

class SyncPullTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requestsCarryTheStoredCursor();
    void recurringItemsUnderEitherKey();
    void morePagesOnlyForTrueWithANewCursor();
    void fiftiethPageEndsThePassAndAFollowUpTakesTheRest();
    void serviceThatNeverRunsOutWaitsForTheRegularSync();
    void cursorsThatComeBackFailThePass();
    void answersThatAreNotPagesFailThePull();
    void unreadableRecordIsSkippedAndThePageApplied();
    void overlongIdsAreRefusedWithTheirRecords();
    void oneSidedTransferLinksAreLoggedOnceThePassEnds();
    void splitsThatDoNotAddUpGetALineForTheDifference();
    void databaseFailureInAPageWritesNothingOfIt();
    void recordsBeforeTheirAccountWaitAndShow();
    void pageWaitsForAnotherWritersTransaction();
    void waitBeyondTheLimitEndsInError();
    void changeSignalsOncePerRepositoryAndPage();
    void categoryCountIsCompared();
    void dripAndOversizedAnswersFailThePull();
    void restartDuringAPullDropsThePageOnItsWay();
    void pageAskedFromACursorMovedMeanwhileIsRefused();
    void restartRemovesWhatThePullKeptAndCanSendEveryRowAgain();

private:
    // Starts a pass whose pull is answered with `body` after `delayMs`, and
    // returns once the service has the request.
    void startPassWithSlowPage(const QJsonObject& body, int delayMs);
    // Returns once the answer of startPassWithSlowPage has arrived.
    void waitForTheSlowPage();

    bool runPass() { return m_bed->runPass(); }
    FakeHttpServer* server() const { return m_bed->service.server(); }
    QList<RecordedRequest> pulls() const { return server()->requestsTo("GET", QStringLiteral("/sync/pull")); }
    QString storedCursor() const { return m_bed->preferences.getString(kCursorKey); }

    std::unique_ptr<SyncTestBed> m_bed;
    QElapsedTimer m_slowPageDue;
    int m_slowPageDelayMs = 0;
};

void SyncPullTest::init()
{
    m_bed = std::make_unique<SyncTestBed>();
    QVERIFY(m_bed->ready());
}

void SyncPullTest::cleanup()
{
    m_bed.reset();
}


void SyncPullTest::requestsCarryTheStoredCursor()
{
    m_bed->service.putRecord("account", account("a1"), 1);
    QVERIFY(runPass());
    QCOMPARE(pulls().size(), 1);
    QCOMPARE(pulls().at(0).query.queryItems(), (QueryItems{{"limit", "200"}}));
    QVERIFY(m_bed->accounts.getById("a1"));
    const QString cursor = storedCursor();
    QVERIFY(!cursor.isEmpty());

    // Pages without a cursor, or with an empty one, leave it where it was.
    server()->respondOnce("GET", "/sync/pull", page({{"has_more", false}}));
    QVERIFY(runPass());
    server()->respondOnce("GET", "/sync/pull", page({{"cursor", ""}, {"has_more", false}}));
    QVERIFY(runPass());
    QCOMPARE(storedCursor(), cursor);

    server()->clearLog();
    QVERIFY(runPass());
    QCOMPARE(pulls().at(0).query.queryItems(), (QueryItems{{"cursor", cursor}, {"limit", "200"}}));
}

void SyncPullTest::recurringItemsUnderEitherKey()
{
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{account("a1")}},
                                {"recurring_transactions", QJsonArray{recurring("r1", "a1")}},
                                {"recurring", QJsonArray{recurring("r2", "a1")}}}));
    QVERIFY(runPass());
    QVERIFY(m_bed->recurring.getById("r1"));
    QVERIFY(!m_bed->recurring.getById("r2"));

    server()->respondOnce("GET", "/sync/pull", page({{"recurring", QJsonArray{recurring("r3", "a1")}}}));
    QVERIFY(runPass());
    QVERIFY(m_bed->recurring.getById("r3"));
}

void SyncPullTest::morePagesOnlyForTrueWithANewCursor()
{
    const QString noNewCursor = QStringLiteral("Pull: the service has more but gave no new cursor; the pass ends here");
    m_bed->preferences.set(kCursorKey, QStringLiteral("c7"));

    server()->respondOnce("GET", "/sync/pull", page({{"cursor", "c8"}, {"has_more", 1}}));
    QVERIFY(runPass());
    QCOMPARE(pulls().size(), 1);

    server()->respondOnce("GET", "/sync/pull", page({{"cursor", ""}, {"has_more", true}}));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(noNewCursor));
    QVERIFY(runPass());
    QCOMPARE(pulls().size(), 2);

    // The same page again would be asked for for ever.
    server()->respondOnce("GET", "/sync/pull", page({{"cursor", "c8"}, {"has_more", true}}));
    QTest::ignoreMessage(QtWarningMsg, "Pull: the service repeated a cursor of this pass; the pass ends here");
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (the service repeated a cursor)"));
    QCOMPARE(pulls().size(), 3);
    QCOMPARE(pulls().at(2).query.queryItemValue("cursor"), QStringLiteral("c8"));

    server()->respondOnce("GET", "/sync/pull", page({{"cursor", "c9"}, {"has_more", true}}));
    QVERIFY(runPass());
    QCOMPARE(pulls().size(), 5);
    QCOMPARE(pulls().at(4).query.queryItemValue("cursor"), QStringLiteral("c9"));
}

void SyncPullTest::fiftiethPageEndsThePassAndAFollowUpTakesTheRest()
{
    for (int i = 1; i <= SyncEngine::kMaxPullPages + 1; ++i) {
        const QString cursor = QStringLiteral("c%1").arg(i);
        server()->respondOnce("GET", "/sync/pull", page({{"cursor", cursor}, {"has_more", true}}));
    }
    QVERIFY(runPass());
    QCOMPARE(pulls().size(), SyncEngine::kMaxPullPages);
    QCOMPARE(storedCursor(), QStringLiteral("c50"));

    // The rest comes with a pass of its own.
    QSignalSpy completed(m_bed->engine.get(), &SyncEngine::syncCompleted);
    QTRY_COMPARE_WITH_TIMEOUT(pulls().size(), SyncEngine::kMaxPullPages + 2, SyncEngine::kDebounceMs * 3);
    QCOMPARE(pulls().at(SyncEngine::kMaxPullPages).query.queryItemValue("cursor"), QStringLiteral("c50"));
    QTRY_COMPARE(completed.count(), 1);
}

void SyncPullTest::serviceThatNeverRunsOutWaitsForTheRegularSync()
{
    // Each page brings an account, whose change asks for a pass as in the
    // running program.
    int served = 0;
    server()->route("GET", "/sync/pull", [&served](const RecordedRequest&) {
        const QString cursor = QString::number(++served);
        return page({{"accounts", QJsonArray{account(cursor)}}, {"cursor", cursor}, {"has_more", true}});
    });
    connect(&m_bed->accounts, &AccountRepository::accountsChanged, m_bed->engine.get(), &SyncEngine::requestSync);
    QSignalSpy completed(m_bed->engine.get(), &SyncEngine::syncCompleted);
    QTest::ignoreMessage(QtInfoMsg, "Pull: the service has more pages; they come with the next regular sync");
    m_bed->engine->syncNow();
    QTRY_VERIFY_WITH_TIMEOUT(completed.count() >= 2, 20000);
    // A few passes in a row at most, then none until something asks.
    qsizetype asked = 0;
    for (int wait = 0; wait < 5 && asked != pulls().size(); ++wait) {
        asked = pulls().size();
        QTest::qWait(2500);
    }
    QCOMPARE(pulls().size(), asked);
    QVERIFY2(completed.count() <= 3, QByteArray::number(completed.count()).constData());
}

void SyncPullTest::cursorsThatComeBackFailThePass()
{
    // A, B, A, ... each with a record for an account that never comes.
    for (int i = 0; i < 60; ++i) {
        server()->respondOnce("GET", "/sync/pull",
                              page({{"transactions", QJsonArray{transaction(QStringLiteral("t%1").arg(i), "away")}},
                                    {"cursor", i % 2 ? "B" : "A"},
                                    {"has_more", true}}));
    }
    QTest::ignoreMessage(QtWarningMsg, "Pull: the service repeated a cursor of this pass; the pass ends here");
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (the service repeated a cursor)"));
    QCOMPARE(pulls().size(), 3);
    QCOMPARE(SyncTestBed::parkedRecordCount(), 3);
    // No pass follows on its own.
    QTest::qWait(2500);
    QCOMPARE(pulls().size(), 3);
}

void SyncPullTest::answersThatAreNotPagesFailThePull()
{
    m_bed->preferences.set(kCursorKey, QStringLiteral("c1"));
    const QJsonArray accounts{account("a1")};
    const QList<FakeResponse> answers{
        FakeResponse::raw(200, "<html>proxy login</html>", "text/html"),
        FakeResponse::raw(200, "[]"),
        page({}),
        page({{"error", "maintenance"}}),
        page({{"accounts", accounts}, {"transactions", QJsonObject{}}, {"cursor", "c2"}}),
        page({{"accounts", accounts}, {"cursor", 2}}),
    };
    for (const FakeResponse& answer : answers) {
        server()->respondOnce("GET", "/sync/pull", answer);
        QVERIFY(!runPass());
        QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (bad answer)"));
        QCOMPARE(m_bed->engine->state(), SyncEngine::Error);
        QCOMPARE(storedCursor(), QStringLiteral("c1"));
        QVERIFY(!m_bed->accounts.getById("a1"));
    }
    server()->respondOnce("GET", "/sync/pull", FakeResponse::json(500, {{"accounts", accounts}}));
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (HTTP 500)"));
}

void SyncPullTest::unreadableRecordIsSkippedAndThePageApplied()
{
    const QJsonArray accounts{with(account("bad"), {{"starting_balance", 10.5}}), account("good"), 42};
    server()->respondOnce("GET", "/sync/pull", page({{"accounts", accounts}, {"cursor", "c9"}}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^applyAccount: skipping server record the store cannot "
                                                          "hold: \"bad\" starting_balance"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^applyAccount: skipping server record the store cannot "
                                                          "hold: \"\" id is missing"));
    QVERIFY(runPass());
    QVERIFY(m_bed->accounts.getById("good"));
    QVERIFY(!m_bed->accounts.getById("bad"));
    QCOMPARE(storedCursor(), QStringLiteral("c9"));
}

void SyncPullTest::overlongIdsAreRefusedWithTheirRecords()
{
    const QString overlong(70000, u'x');
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{with(account("a1"), {{"id", overlong}}), account("a2")}},
                                {"transactions", QJsonArray{transaction("t1", overlong), transaction("t2", "a2")}},
                                {"cursor", "c1"}}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot hold: \"a1\" id is too long for an id$"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot hold: \"t1\" account_id is too long for an id$"));
    QVERIFY(runPass());
    QVERIFY(!m_bed->accounts.getById("a1") && m_bed->transactions.getById("t2"));
    QCOMPARE(SyncTestBed::parkedRecordCount(), 0);
}

void SyncPullTest::oneSidedTransferLinksAreLoggedOnceThePassEnds()
{
    // t1 and t2 name each other across two pages; t3 names t1, which does
    // not name it back.
    const auto linked = [](const char* id, const char* account, const char* link) {
        return with(transaction(id, account), {{"transfer_link_id", link}});
    };
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{account("a1"), account("a2")}},
                                {"transactions", QJsonArray{linked("t1", "a1", "t2"), linked("t3", "a1", "t1")}},
                                {"cursor", "p1"},
                                {"has_more", true}}));
    server()->respondOnce("GET", "/sync/pull",
                          page({{"transactions", QJsonArray{linked("t2", "a2", "t1")}}, {"cursor", "p2"}}));
    QTest::ignoreMessage(QtWarningMsg, "Sync: 1 transactions name a transfer partner that does not name them back, so "
                                       "they count as ordinary transactions: QList(\"t3\")");
    QVERIFY(runPass());
    QCOMPARE(m_bed->transactions.getById("t3")->transfer_link_id, QStringLiteral("t1"));
}

void SyncPullTest::splitsThatDoNotAddUpGetALineForTheDifference()
{
    // No lines, lines short of the amount, and lines that add up.
    const QJsonObject split = with(transaction("t1", "a1"), {{"is_split", 1}});
    const QJsonArray part{QJsonObject{{"category_id", "food"}, {"amount", -1000}}};
    const QJsonArray splits{split, with(split, {{"client_id", "t2"}, {"split_lines", part}}),
                            with(split, {{"client_id", "t3"}, {"amount", -1000}, {"split_lines", part}})};
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{account("a1")}}, {"transactions", splits}}));
    QTest::ignoreMessage(QtInfoMsg,
                         "Sync: 2 split transactions did not add up and got an uncategorized line for the difference");
    QVERIFY(runPass());
    for (const char* id : {"t1", "t2", "t3"}) {
        const QList<SplitLine> lines = m_bed->splitLines.listByTransaction(id);
        QCOMPARE(std::accumulate(lines.cbegin(), lines.cend(), qint64(0),
                                 [](qint64 sum, const SplitLine& line) { return sum + line.amount; }),
                 m_bed->transactions.getById(id)->amount);
        QCOMPARE(lines.last().category_id.isEmpty(), qstrcmp(id, "t3") != 0);
    }
}

void SyncPullTest::databaseFailureInAPageWritesNothingOfIt()
{
    QJsonArray transactions{transaction("t1", "a1"), with(transaction("t2", "a1"), {{"payee", "poison"}})};
    for (int i = 3; i < 300; ++i)
        transactions.append(transaction(QStringLiteral("t%1").arg(i), "a1"));
    const FakeResponse answer =
        page({{"accounts", QJsonArray{account("a1")}}, {"transactions", transactions}, {"cursor", "c5"}});

    QSqlQuery query(m_bed->database.connection());
    QVERIFY(query.exec("PRAGMA page_count") && query.next());
    const QString pageCount = query.value(0).toString();
    // A statement that fails, a failure on which SQLite rolls back itself,
    // and a full disk.
    const QList<QPair<QString, QString>> failures{
        {"CREATE TEMP TRIGGER poison BEFORE INSERT ON transactions WHEN NEW.payee = 'poison' "
         "BEGIN SELECT RAISE(ABORT, 'poisoned'); END",
         "DROP TRIGGER poison"},
        {"CREATE TEMP TRIGGER poison BEFORE INSERT ON transactions WHEN NEW.payee = 'poison' "
         "BEGIN SELECT RAISE(ROLLBACK, 'poisoned'); END",
         "DROP TRIGGER poison"},
        {"PRAGMA max_page_count = " + pageCount, "PRAGMA max_page_count = 1073741823"},
    };
    for (const auto& [fail, mend] : failures) {
        QVERIFY2(query.exec(fail), qPrintable(fail));
        server()->respondOnce("GET", "/sync/pull", answer);
        // Announced, the rows written before the failure would bring a pass
        // that meets the same fault, over and over.
        QSignalSpy accountsChanged(&m_bed->accounts, &AccountRepository::accountsChanged);
        QSignalSpy transactionsChanged(&m_bed->transactions, &TransactionRepository::transactionsChanged);
        QVERIFY(!runPass());
        QCOMPARE(accountsChanged.count(), 0);
        QCOMPARE(transactionsChanged.count(), 0);
        QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (database error)"));
        QVERIFY(!m_bed->accounts.getById("a1"));
        QVERIFY(!m_bed->transactions.getById("t1"));
        QCOMPARE(storedCursor(), QString());
        QCOMPARE(foreignKeysSetting(), 1);
        QVERIFY2(query.exec(mend), qPrintable(mend));
    }

    server()->respondOnce("GET", "/sync/pull", answer);
    QVERIFY(runPass());
    QCOMPARE(m_bed->transactions.listByAccount("a1").size(), 299);
    QCOMPARE(storedCursor(), QStringLiteral("c5"));
}

void SyncPullTest::recordsBeforeTheirAccountWaitAndShow()
{
    // An account renamed after its transactions were entered comes after
    // them; a record may name it by the id the service gave it.
    const QJsonObject split = with(transaction("t2", "S-late"),
                                   {{"is_split", 1},
                                    {"split_lines", QJsonArray{QJsonObject{{"category_id", "food"}, {"amount", -2500}}}}});
    server()->respondOnce("GET", "/sync/pull",
                          page({{"transactions", QJsonArray{transaction("t1", "late"), split}},
                                {"cursor", "p1"},
                                {"has_more", true}}));
    server()->respondOnce("GET", "/sync/pull",
                          page({{"reconciliations", QJsonArray{reconciliation("rc1", "late")}}, {"cursor", "p2"}}));
    QTest::ignoreMessage(QtInfoMsg, "Sync: 3 records wait for the account they belong to");
    QVERIFY(runPass());
    // Kept apart from the ledger's tables, and the cursor moved past them.
    QCOMPARE(SyncTestBed::parkedRecordCount(), 3);
    QVERIFY(!m_bed->transactions.getById("t1") && !m_bed->transactions.getById("t2"));
    QVERIFY(!m_bed->reconciliations.getById("rc1"));
    QCOMPARE(storedCursor(), QStringLiteral("p2"));
    QCOMPARE(foreignKeysSetting(), 1);

    // Pages that bring other records leave them waiting.
    server()->respondOnce("GET", "/sync/pull", page({{"accounts", QJsonArray{account("other")}}, {"cursor", "p3"}}));
    QVERIFY(runPass());
    QCOMPARE(SyncTestBed::parkedRecordCount(), 3);

    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{with(account("late"), {{"id", "S-late"}})}}, {"cursor", "p4"}}));
    QVERIFY(runPass());
    QCOMPARE(SyncTestBed::parkedRecordCount(), 0);
    QCOMPARE(m_bed->transactions.listRegisterRows("late").size(), 2);
    QCOMPARE(m_bed->transactions.getById("t2")->account_id, QStringLiteral("late"));
    QCOMPARE(m_bed->splitLines.listByTransaction("t2").size(), 1);
    QCOMPARE(m_bed->reconciliations.listByAccount("late").size(), 1);
    QCOMPARE(storedCursor(), QStringLiteral("p4"));
}

void SyncPullTest::pageWaitsForAnotherWritersTransaction()
{
    m_bed->service.putRecord("account", account("a1"), 1);
    QSqlDatabase db = m_bed->database.connection();
    // An import begins while the page is on its way.
    bool importing = false;
    connect(server(), &FakeHttpServer::requestReceived, this, [&](const RecordedRequest&) {
        if (std::exchange(importing, true))
            return;
        QVERIFY(db.transaction());
        m_bed->addAccount(QStringLiteral("imported"));
    });
    QSignalSpy completed(m_bed->engine.get(), &SyncEngine::syncCompleted);

    m_bed->engine->syncNow();
    QTRY_VERIFY(importing);
    QTest::qWait(500);
    QVERIFY(!m_bed->accounts.getById("a1"));
    QCOMPARE(m_bed->engine->state(), SyncEngine::Syncing);

    // The import fails; the page comes again and is written.
    QVERIFY(db.rollback());
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, SyncEngine::kDebounceMs * 3);
    QVERIFY(m_bed->accounts.getById("a1"));
    QVERIFY(!m_bed->accounts.getById("imported"));
    QCOMPARE(pulls().size(), 2);
}

void SyncPullTest::waitBeyondTheLimitEndsInError()
{
    m_bed->engine->setWaitLimit(500);
    QSqlDatabase db = m_bed->database.connection();
    QVERIFY(db.transaction());
    QSignalSpy failed(m_bed->engine.get(), &SyncEngine::syncFailed);

    m_bed->engine->syncNow();
    QCOMPARE(m_bed->engine->state(), SyncEngine::Syncing);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, SyncEngine::kDebounceMs * 3);
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Sync waited too long for another write to finish"));
    QCOMPARE(m_bed->engine->state(), SyncEngine::Error);

    QVERIFY(db.commit());
    QVERIFY(runPass());
    QCOMPARE(m_bed->engine->state(), SyncEngine::Idle);
}

void SyncPullTest::changeSignalsOncePerRepositoryAndPage()
{
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{account("a1"), account("a2")}},
                                {"transactions", QJsonArray{transaction("t1", "a1"), transaction("t2", "a2"),
                                                            transaction("t3", "a1")}},
                                {"cursor", "p1"},
                                {"has_more", true}}));
    server()->respondOnce("GET", "/sync/pull",
                          page({{"transactions", QJsonArray{transaction("t4", "a1"), transaction("t5", "a1")}},
                                {"cursor", "p2"}}));
    QSignalSpy accounts(&m_bed->accounts, &AccountRepository::accountsChanged);
    QSignalSpy categories(&m_bed->categories, &CategoryRepository::categoriesChanged);
    QSignalSpy transactions(&m_bed->transactions, &TransactionRepository::transactionsChanged);

    QVERIFY(runPass());
    QCOMPARE(accounts.count(), 1);
    QCOMPARE(categories.count(), 0);
    QCOMPARE(transactions.count(), 2);
    QCOMPARE(transactions.at(0).at(0).toString(), QString());
    QCOMPARE(transactions.at(1).at(0).toString(), QStringLiteral("a1"));
}

void SyncPullTest::categoryCountIsCompared()
{
    server()->respondOnce("GET", "/sync/pull", page({{"integrity", QJsonObject{{"category_count", 5}}}}));
    QTest::ignoreMessage(QtWarningMsg, "Category count mismatch: local= 0 server= 5 (informational only — use Force "
                                       "Full Sync if data appears wrong)");
    QVERIFY(runPass());

    QTest::failOnWarning(QRegularExpression("^Category count mismatch"));
    server()->respondOnce("GET", "/sync/pull", page({{"integrity", QJsonObject{{"category_count", 0}}}}));
    QVERIFY(runPass());
    // The service's last page says how many live categories it holds.
    m_bed->service.putRecord("category", category("c1"), 1);
    m_bed->service.putRecord("category", category("c2"), 1);
    QVERIFY(runPass());
    QCOMPARE(m_bed->categories.count(), 2);

    QTest::ignoreMessage(QtWarningMsg, "Category count mismatch: local= 2 server= 3 (informational only — use Force "
                                       "Full Sync if data appears wrong)");
    server()->respondOnce("GET", "/sync/pull", page({{"integrity", QJsonObject{{"category_count", 3}}}}));
    QVERIFY(runPass());
}

void SyncPullTest::dripAndOversizedAnswersFailThePull()
{
    m_bed->api->setDeadline(400);
    FakeResponse drip = page({{"accounts", QJsonArray{account("a1")}}, {"cursor", "c1"}});
    drip.dripIntervalMs = 50;
    server()->respondOnce("GET", "/sync/pull", drip);
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (HTTP 0)"));

    m_bed->api->setDeadline(SyncEngine::kDebounceMs * 10);
    m_bed->api->setMaxAnswerBytes(4096);
    QJsonArray transactions;
    for (int i = 0; i < 100; ++i)
        transactions.append(transaction(QStringLiteral("t%1").arg(i), "a1"));
    FakeResponse oversized = page({{"accounts", QJsonArray{account("a1")}}, {"transactions", transactions}});
    oversized.undeclaredLength = true;
    server()->respondOnce("GET", "/sync/pull", oversized);
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Pull failed (HTTP 0)"));
    QVERIFY(!m_bed->accounts.getById("a1"));
    QCOMPARE(storedCursor(), QString());
}

void SyncPullTest::startPassWithSlowPage(const QJsonObject& body, int delayMs)
{
    FakeResponse slow = page(body);
    slow.delayMs = delayMs;
    server()->respondOnce("GET", "/sync/pull", slow);
    const qsizetype pullsBefore = pulls().size();
    m_slowPageDue.start();
    m_slowPageDelayMs = delayMs;
    m_bed->engine->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(pulls().size(), pullsBefore + 1, 10000);
}

void SyncPullTest::waitForTheSlowPage()
{
    // Answered after the delay, then read and handed on at once.
    QTest::qWait(int(qMax<qint64>(0, m_slowPageDelayMs - m_slowPageDue.elapsed())) + 300);
}

void SyncPullTest::restartDuringAPullDropsThePageOnItsWay()
{
    m_bed->service.putRecord("account", account("a1"), 1);
    QVERIFY(runPass());
    const QString cursor = storedCursor();
    QVERIFY(!cursor.isEmpty());
    QSignalSpy completed(m_bed->engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(m_bed->engine.get(), &SyncEngine::syncFailed);

    startPassWithSlowPage({{"accounts", QJsonArray{account("late")}}, {"cursor", "after-late"}}, 400);
    QCOMPARE(m_bed->engine->state(), SyncEngine::Syncing);
    QVERIFY(m_bed->engine->restartFromBeginning());
    // The pass is over, though its page is still on its way.
    QCOMPARE(m_bed->engine->state(), SyncEngine::Idle);
    QCOMPARE(storedCursor(), QString());
    waitForTheSlowPage();
    QVERIFY(!m_bed->accounts.getById("late"));
    QCOMPARE(storedCursor(), QString());
    QCOMPARE(completed.count(), 0);
    QCOMPARE(failed.count(), 0);

    // The next pass starts from the beginning, and the cursor is its own.
    QVERIFY(runPass());
    QVERIFY(!pulls().last().query.hasQueryItem("cursor"));
    QCOMPARE(storedCursor(), cursor);
}

void SyncPullTest::pageAskedFromACursorMovedMeanwhileIsRefused()
{
    QVERIFY(m_bed->preferences.set(kCursorKey, "c1"));
    startPassWithSlowPage({{"accounts", QJsonArray{account("a1")}}, {"cursor", "c2"}}, 300);
    // Moved by a writer that did not go through the engine.
    QVERIFY(m_bed->preferences.set(kCursorKey, "elsewhere"));
    QSignalSpy accountsChanged(&m_bed->accounts, &AccountRepository::accountsChanged);
    waitForTheSlowPage();
    QVERIFY(!m_bed->accounts.getById("a1"));
    QCOMPARE(storedCursor(), QStringLiteral("elsewhere"));
    QCOMPARE(accountsChanged.count(), 0);
    QCOMPARE(m_bed->engine->state(), SyncEngine::Idle);

    // A pass goes on from where the cursor stands now.
    QVERIFY(runPass());
    QCOMPARE(pulls().last().query.queryItemValue("cursor"), QStringLiteral("elsewhere"));
}

void SyncPullTest::restartRemovesWhatThePullKeptAndCanSendEveryRowAgain()
{
    server()->respondOnce("GET", "/sync/pull",
                          page({{"accounts", QJsonArray{account("a1")}},
                                {"transactions", QJsonArray{transaction("t1", "missing")}},
                                {"cursor", "c1"}}));
    QTest::ignoreMessage(QtInfoMsg, "Sync: 1 records wait for the account they belong to");
    QVERIFY(runPass());
    QCOMPARE(SyncTestBed::parkedRecordCount(), 1);
    const QString lastSyncKey = QString::fromLatin1(SyncEngine::kLastSyncTimestampKey);
    QVERIFY(m_bed->preferences.get(lastSyncKey));
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);

    // Another user's restart keeps the marks of the rows ...
    QVERIFY(m_bed->engine->restartFromBeginning());
    QCOMPARE(storedCursor(), QString());
    QVERIFY(!m_bed->preferences.get(lastSyncKey));
    QCOMPARE(SyncTestBed::parkedRecordCount(), 0);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);

    // A full resync that cannot mark its rows changes nothing at all: a
    // cursor gone while the rows stay marked synced would never send them.
    m_bed->preferences.set(kCursorKey, QStringLiteral("c1"));
    QSqlQuery refuse(QSqlDatabase::database());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON accounts "
                                       "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QVERIFY(!m_bed->engine->restartFromBeginning(SyncEngine::LocalRows::SendAgain));
    QCOMPARE(storedCursor(), QStringLiteral("c1"));
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);
    QVERIFY(refuse.exec(QStringLiteral("DROP TRIGGER refuse")));

    // ... a full resync sends every live row again.
    QSignalSpy accountsChanged(&m_bed->accounts, &AccountRepository::accountsChanged);
    QVERIFY(m_bed->engine->restartFromBeginning(SyncEngine::LocalRows::SendAgain));
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
    QCOMPARE(accountsChanged.count(), 1);
}

QTEST_GUILESS_MAIN(SyncPullTest)
#include "tst_syncpull.moc"
