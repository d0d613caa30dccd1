#include "services/RecurringService.h"
#include "tests/support/TestStore.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

#include <functional>

#include <memory>

namespace {

const QString kChecking = QStringLiteral("checking");
const QString kSavings = QStringLiteral("savings");
const QString kEuro = QStringLiteral("euro");

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void occurrenceIdsAreFixed();
    void confirmPostsAndMovesOn();
    void anOccurrencePostedBeforeIsNotPostedAgain();
    void transferPostsBothSidesLinked();
    void transferBetweenCurrenciesPostsOneSide();
    void transferIntoDeletedAccountPostsOneSide();
    void failedWriteLeavesNothingBehind();
    void endDateAndBrokenDatesDeactivate();
    void deactivationIsAnnouncedOnlyOnceWritten();
    void confirmAllDueAndPendingCount();
    void confirmDueThroughStopsAtTheCap();
    void batchesAreAllOrNothing();
    void movedStartNeverBringsBackPostedOccurrences();
    void autoPostHonoursLeadDays();
    void skipMovesOnWithoutPosting();
    void listAllOrder();

private:
    RecurringTransaction addItem(const QString& id, const QDate& due, Frequency frequency = Frequency::Monthly);
    int transactionCount() const;

    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<RecurringService> m_service;
    QDate m_today;
};

void TestRecurringService::init()
{
    m_store = std::make_unique<TestStore>();
    m_service = std::make_unique<RecurringService>(&m_store->db, &m_store->recurring, &m_store->transactions,
                                                   &m_store->accounts);
    m_today = QDate::currentDate();

    for (const auto& [id, currency] : {std::pair{kChecking, Currency::USD}, std::pair{kSavings, Currency::USD},
                                       std::pair{kEuro, Currency::EUR}}) {
        Account account;
        account.id = id;
        account.name = id;
        account.currency = currency;
        QVERIFY(m_store->accounts.insert(account));
    }
}

void TestRecurringService::cleanup()
{
    m_service.reset();
    m_store.reset();
}

RecurringTransaction TestRecurringService::addItem(const QString& id, const QDate& due, Frequency frequency)
{
    RecurringTransaction item;
    item.id = id;
    item.account_id = kChecking;
    item.payee = QStringLiteral("Payee ") + id;
    item.memo = QStringLiteral("memo");
    item.amount = -120000;
    item.category_id = QStringLiteral("cat-housing");
    item.frequency = frequency;
    item.start_date = due;
    item.next_due_date = due;
    if (!m_store->recurring.insert(item))
        qFatal("cannot insert recurring item");
    return item;
}

int TestRecurringService::transactionCount() const
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM transactions"), m_store->db.connection());
    return query.next() ? query.value(0).toInt() : -1;
}

void TestRecurringService::occurrenceIdsAreFixed()
{
    QCOMPARE(RecurringService::occurrenceId(QStringLiteral("rent"), QDate(2026, 1, 31)),
             QStringLiteral("ffeb22e0-85c2-597a-8872-1cbdb4e3f3ec"));
    QCOMPARE(RecurringService::occurrenceId(QStringLiteral("rent"), QDate(2026, 1, 31), true),
             QStringLiteral("165c7900-a9a1-5da5-8b28-309444f262af"));
}

void TestRecurringService::confirmPostsAndMovesOn()
{
    addItem(QStringLiteral("rent"), QDate(2026, 1, 31));
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);

    QVERIFY(m_service->confirm(QStringLiteral("rent")));
    QCOMPARE(pending.count(), 1);

    const std::optional<Transaction> posted = m_store->transactions.getById(QStringLiteral("ffeb22e0-85c2-597a-8872-1cbdb4e3f3ec"));
    QVERIFY(posted);
    QCOMPARE(posted->account_id, kChecking);
    QCOMPARE(posted->date, QDate(2026, 1, 31));
    QCOMPARE(posted->payee, QStringLiteral("Payee rent"));
    QCOMPARE(posted->memo, QStringLiteral("memo"));
    QCOMPARE(posted->amount, -120000);
    QCOMPARE(posted->category_id, QStringLiteral("cat-housing"));
    QCOMPARE(posted->recurring_id, QStringLiteral("rent"));
    QCOMPARE(posted->version, 1);
    QCOMPARE(posted->sync_status, SyncStatus::Pending);
    QVERIFY(!posted->cleared);
    QVERIFY(posted->transfer_link_id.isEmpty());

    const RecurringTransaction item = *m_store->recurring.getById(QStringLiteral("rent"));
    QCOMPARE(item.next_due_date, QDate(2026, 2, 28));
    QCOMPARE(item.version, 2);
    QCOMPARE(item.sync_status, SyncStatus::Pending);
    QVERIFY(item.is_active);

    QVERIFY(m_service->confirm(QStringLiteral("rent")));
    QVERIFY(m_service->confirm(QStringLiteral("rent")));
    QCOMPARE(m_store->recurring.getById(QStringLiteral("rent"))->next_due_date, QDate(2026, 4, 30));
    QVERIFY(m_store->transactions.getById(RecurringService::occurrenceId(QStringLiteral("rent"), QDate(2026, 3, 31))));
    QCOMPARE(transactionCount(), 3);

    QVERIFY(!m_service->confirm(QStringLiteral("no such item")));
}

void TestRecurringService::anOccurrencePostedBeforeIsNotPostedAgain()
{
    addItem(QStringLiteral("rent"), QDate(2026, 1, 31));
    // The same occurrence came from another device and was deleted there.
    Transaction earlier;
    earlier.id = RecurringService::occurrenceId(QStringLiteral("rent"), QDate(2026, 1, 31));
    earlier.account_id = kChecking;
    earlier.date = QDate(2026, 1, 31);
    earlier.amount = -5;
    QVERIFY(m_store->transactions.insert(earlier));
    QVERIFY(m_store->transactions.softDelete(earlier.id));

    QVERIFY(!m_service->confirm(QStringLiteral("rent")));
    QCOMPARE(transactionCount(), 1);
    const Transaction kept = *m_store->transactions.getById(earlier.id);
    QVERIFY(kept.deleted_at);
    QCOMPARE(kept.amount, -5);
    QCOMPARE(m_store->recurring.getById(QStringLiteral("rent"))->next_due_date, QDate(2026, 2, 28));

    // Catching up goes past the posted occurrence and on with the others.
    QCOMPARE(m_service->confirmDueThrough(QDate(2026, 3, 31)), 2);
    QCOMPARE(transactionCount(), 3);
}

void TestRecurringService::transferPostsBothSidesLinked()
{
    RecurringTransaction item = addItem(QStringLiteral("save"), QDate(2026, 1, 31));
    item.transfer_dest_account_id = kSavings;
    item.amount = -20000;
    QVERIFY(m_store->recurring.update(item));

    QVERIFY(m_service->confirm(QStringLiteral("save")));
    const QString sourceId = RecurringService::occurrenceId(QStringLiteral("save"), QDate(2026, 1, 31));
    const QString destinationId = RecurringService::occurrenceId(QStringLiteral("save"), QDate(2026, 1, 31), true);
    const Transaction source = *m_store->transactions.getById(sourceId);
    const Transaction destination = *m_store->transactions.getById(destinationId);

    QCOMPARE(source.account_id, kChecking);
    QCOMPARE(source.amount, -20000);
    QCOMPARE(source.transfer_link_id, destinationId);
    QCOMPARE(source.transfer_dest_account_id, kSavings);
    QCOMPARE(destination.account_id, kSavings);
    QCOMPARE(destination.amount, 20000);
    QCOMPARE(destination.transfer_link_id, sourceId);
    QCOMPARE(destination.transfer_dest_account_id, kChecking);
    QCOMPARE(destination.date, source.date);
    QCOMPARE(destination.recurring_id, QStringLiteral("save"));
    QCOMPARE(transactionCount(), 2);
}

void TestRecurringService::transferBetweenCurrenciesPostsOneSide()
{
    RecurringTransaction item = addItem(QStringLiteral("abroad"), QDate(2026, 1, 31));
    item.transfer_dest_account_id = kEuro;
    QVERIFY(m_store->recurring.update(item));

    QVERIFY(m_service->confirm(QStringLiteral("abroad")));
    QCOMPARE(transactionCount(), 1);
    const Transaction source =
        *m_store->transactions.getById(RecurringService::occurrenceId(QStringLiteral("abroad"), QDate(2026, 1, 31)));
    QCOMPARE(source.transfer_dest_account_id, kEuro);
    QVERIFY(source.transfer_link_id.isEmpty());
}

void TestRecurringService::transferIntoDeletedAccountPostsOneSide()
{
    RecurringTransaction item = addItem(QStringLiteral("save"), QDate(2026, 1, 31));
    item.transfer_dest_account_id = kSavings;
    QVERIFY(m_store->recurring.update(item));
    QVERIFY(m_store->accounts.softDelete(kSavings));

    QVERIFY(m_service->confirm(QStringLiteral("save")));
    QCOMPARE(transactionCount(), 1);
    const Transaction source =
        *m_store->transactions.getById(RecurringService::occurrenceId(QStringLiteral("save"), QDate(2026, 1, 31)));
    QCOMPARE(source.account_id, kChecking);
    QCOMPARE(source.transfer_dest_account_id, kSavings);
    QVERIFY(source.transfer_link_id.isEmpty());
}

void TestRecurringService::failedWriteLeavesNothingBehind()
{
    RecurringTransaction item = addItem(QStringLiteral("save"), QDate(2026, 1, 31));
    item.transfer_dest_account_id = kSavings;
    QVERIFY(m_store->recurring.update(item));
    // A row already holding the destination side's id makes the second insert fail.
    Transaction blocker;
    blocker.id = RecurringService::occurrenceId(QStringLiteral("save"), QDate(2026, 1, 31), true);
    blocker.account_id = kSavings;
    blocker.date = QDate(2020, 1, 1);
    QVERIFY(m_store->transactions.insert(blocker));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::insert failed")));
    QVERIFY(!m_service->confirm(QStringLiteral("save")));
    QCOMPARE(transactionCount(), 1);
    const RecurringTransaction unchanged = *m_store->recurring.getById(QStringLiteral("save"));
    QCOMPARE(unchanged.next_due_date, QDate(2026, 1, 31));
    QCOMPARE(unchanged.version, item.version);
}

void TestRecurringService::endDateAndBrokenDatesDeactivate()
{
    RecurringTransaction ending = addItem(QStringLiteral("ending"), QDate(2026, 1, 31));
    ending.end_date = QDate(2026, 2, 28);
    QVERIFY(m_store->recurring.update(ending));
    QVERIFY(m_service->confirm(ending.id));
    QVERIFY(m_store->recurring.getById(ending.id)->is_active);
    QVERIFY(m_service->confirm(ending.id)); // the end date itself is posted
    const RecurringTransaction ended = *m_store->recurring.getById(ending.id);
    QVERIFY(!ended.is_active);
    QCOMPARE(ended.next_due_date, QDate(2026, 3, 31));
    QVERIFY(!m_service->confirm(ending.id));
    QCOMPARE(transactionCount(), 2);

    // An end date moved before the next due date: nothing past it is posted.
    RecurringTransaction shortened = addItem(QStringLiteral("shortened"), QDate(2026, 5, 1));
    shortened.end_date = QDate(2026, 4, 1);
    QVERIFY(m_store->recurring.update(shortened));
    QSignalSpy recurringChanged(&m_store->recurring, &RecurringRepository::recurringChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no valid next occurrence")));
    QVERIFY(!m_service->confirm(shortened.id));
    QVERIFY(!m_store->recurring.getById(shortened.id)->is_active);
    QCOMPARE(recurringChanged.count(), 1);

    // An unreadable next due date counts as due and is deactivated on confirming.
    const RecurringTransaction broken = addItem(QStringLiteral("broken"), m_today.addDays(30));
    QSqlQuery(m_store->db.connection())
        .exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = 'soon' WHERE id = 'broken'"));
    QCOMPARE(m_service->pendingCount(), 1);
    recurringChanged.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no valid next occurrence")));
    QCOMPARE(m_service->confirmAllDue(), 0);
    const RecurringTransaction deactivated = *m_store->recurring.getById(broken.id);
    QVERIFY(!deactivated.is_active);
    QCOMPARE(deactivated.version, broken.version + 1);
    QCOMPARE(recurringChanged.count(), 1);
    QCOMPARE(m_service->pendingCount(), 0);
    QCOMPARE(transactionCount(), 2);
}

void TestRecurringService::deactivationIsAnnouncedOnlyOnceWritten()
{
    // Skipping an item past its end deactivates it just as confirming does.
    RecurringTransaction ended = addItem(QStringLiteral("ended"), QDate(2026, 5, 1));
    ended.end_date = QDate(2026, 4, 1);
    QVERIFY(m_store->recurring.update(ended));
    QSignalSpy recurringChanged(&m_store->recurring, &RecurringRepository::recurringChanged);
    QVERIFY(!m_service->skip(ended.id));
    QVERIFY(!m_store->recurring.getById(ended.id)->is_active);
    QCOMPARE(recurringChanged.count(), 1);

    RecurringTransaction locked = addItem(QStringLiteral("locked"), QDate(2026, 5, 1));
    locked.end_date = QDate(2026, 4, 1);
    QVERIFY(m_store->recurring.update(locked));
    QVERIFY(QSqlQuery(m_store->db.connection())
                .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON recurring_transactions "
                                     "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    recurringChanged.clear();
    QTest::failOnWarning(QRegularExpression(QStringLiteral("it is deactivated")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringService::deactivate failed: .*disk full")));
    QVERIFY(!m_service->confirm(locked.id));
    QVERIFY(m_store->recurring.getById(locked.id)->is_active);
    QCOMPARE(recurringChanged.count(), 0);
}

void TestRecurringService::confirmAllDueAndPendingCount()
{
    addItem(QStringLiteral("overdue"), m_today.addDays(-40));
    addItem(QStringLiteral("today"), m_today);
    addItem(QStringLiteral("tomorrow"), m_today.addDays(1));
    RecurringTransaction inactive = addItem(QStringLiteral("inactive"), m_today.addDays(-3));
    inactive.is_active = false;
    QVERIFY(m_store->recurring.update(inactive));

    QCOMPARE(m_service->pendingCount(), 2);
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QCOMPARE(m_service->confirmAllDue(), 2); // once each, even the item that is further behind
    QCOMPARE(transactionCount(), 2);
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.first().first().toInt(), m_service->pendingCount());
    QVERIFY(!m_service->confirm(inactive.id));
}

void TestRecurringService::confirmDueThroughStopsAtTheCap()
{
    addItem(QStringLiteral("daily"), m_today.addDays(-400), Frequency::Daily);
    addItem(QStringLiteral("weekly"), m_today.addDays(-1), Frequency::Weekly);
    addItem(QStringLiteral("later"), m_today.addDays(8), Frequency::Weekly);

    QCOMPARE(m_service->confirmDueThrough(m_today.addDays(7)), RecurringService::kMaxOccurrencesPerRun + 2);
    QCOMPARE(m_store->recurring.getById(QStringLiteral("daily"))->next_due_date, m_today.addDays(-400 + 365));
    QCOMPARE(m_store->recurring.getById(QStringLiteral("weekly"))->next_due_date, m_today.addDays(13));
    QCOMPARE(m_store->recurring.getById(QStringLiteral("later"))->next_due_date, m_today.addDays(8));
}

void TestRecurringService::batchesAreAllOrNothing()
{
    addItem(QStringLiteral("first"), m_today.addDays(-1));
    addItem(QStringLiteral("second"), m_today.addDays(-1));
    QSqlQuery refuse(m_store->db.connection());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON transactions "
                                       "WHEN NEW.payee = 'Payee second' BEGIN SELECT RAISE(ABORT, 'disk full'); END")));

    for (const auto& batch : {std::function<int()>([this] { return m_service->confirmAllDue(); }),
                              std::function<int()>([this] { return m_service->confirmDueThrough(m_today); })}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::insert failed")));
        QCOMPARE(batch(), 0);
        QVERIFY(m_service->lastError().contains(QStringLiteral("disk full")));
        QCOMPARE(transactionCount(), 0);
        QCOMPARE(m_store->recurring.getById(QStringLiteral("first"))->next_due_date, m_today.addDays(-1));
        QCOMPARE(m_store->recurring.getById(QStringLiteral("first"))->version, 1);
    }

    QVERIFY(refuse.exec(QStringLiteral("DROP TRIGGER refuse")));
    QCOMPARE(m_service->confirmAllDue(), 2);
    QVERIFY(m_service->lastError().isEmpty());
}

void TestRecurringService::movedStartNeverBringsBackPostedOccurrences()
{
    const RecurringTransaction rent = addItem(QStringLiteral("rent"), QDate(2026, 1, 31));
    for (int month = 0; month < 3; ++month)
        QVERIFY(m_service->confirm(rent.id)); // Jan 31, Feb 28, Mar 31
    // A posted occurrence the user deleted still counts as entered.
    QVERIFY(m_store->transactions.softDelete(RecurringService::occurrenceId(rent.id, QDate(2026, 3, 31))));

    QCOMPARE(m_service->firstDueFrom(rent, QDate(2025, 12, 15)), QDate(2026, 4, 15));
    QCOMPARE(m_service->firstDueFrom(rent, QDate(2026, 2, 10)), QDate(2026, 4, 10));
    QCOMPARE(m_service->firstDueFrom(rent, QDate(2026, 6, 1)), QDate(2026, 6, 1));
    const RecurringTransaction fresh = addItem(QStringLiteral("fresh"), QDate(2026, 5, 1));
    QCOMPARE(m_service->firstDueFrom(fresh, QDate(2020, 5, 1)), QDate(2020, 5, 1));
}

void TestRecurringService::autoPostHonoursLeadDays()
{
    const auto autoItem = [this](const QString& id, int dueIn, int leadDays) {
        RecurringTransaction item = addItem(id, m_today.addDays(dueIn), Frequency::Annual);
        item.auto_post = true;
        item.lead_days = leadDays;
        QVERIFY(m_store->recurring.update(item));
    };
    autoItem(QStringLiteral("within"), 5, 5);
    autoItem(QStringLiteral("beyond"), 6, 5);
    autoItem(QStringLiteral("capped in"), 60, 90);
    autoItem(QStringLiteral("capped out"), 61, 90);
    autoItem(QStringLiteral("negative lead"), 0, -4);
    addItem(QStringLiteral("manual"), m_today.addDays(-2));

    QCOMPARE(m_service->autoPostDue(), 3);
    for (const char* id : {"within", "capped in", "negative lead"})
        QVERIFY2(m_store->transactions.getById(RecurringService::occurrenceId(QString::fromLatin1(id),
                                                                         m_store->recurring.getById(QString::fromLatin1(id))
                                                                             ->next_due_date.addYears(-1))),
                 id);
    QCOMPARE(transactionCount(), 3);

    // The hourly run keeps the due count current even when it posts nothing.
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QCOMPARE(m_service->autoPostDue(), 0);
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.first().first().toInt(), 1); // the manual item
}

void TestRecurringService::skipMovesOnWithoutPosting()
{
    addItem(QStringLiteral("gym"), QDate(2026, 1, 31));
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QVERIFY(m_service->skip(QStringLiteral("gym")));
    QCOMPARE(pending.count(), 1);
    QCOMPARE(transactionCount(), 0);
    const RecurringTransaction item = *m_store->recurring.getById(QStringLiteral("gym"));
    QCOMPARE(item.next_due_date, QDate(2026, 2, 28));
    QCOMPARE(item.version, 2);

    QVERIFY(m_store->recurring.softDelete(QStringLiteral("gym")));
    QVERIFY(!m_service->skip(QStringLiteral("gym")));
    QVERIFY(!m_service->confirm(QStringLiteral("gym")));
    QCOMPARE(transactionCount(), 0);
}

void TestRecurringService::listAllOrder()
{
    RecurringTransaction inactive = addItem(QStringLiteral("a"), QDate(2026, 1, 1));
    inactive.is_active = false;
    QVERIFY(m_store->recurring.update(inactive));
    RecurringTransaction upper = addItem(QStringLiteral("b"), QDate(2026, 3, 1));
    upper.payee = QStringLiteral("Zeta");
    QVERIFY(m_store->recurring.update(upper));
    RecurringTransaction lower = addItem(QStringLiteral("c"), QDate(2026, 3, 1));
    lower.payee = QStringLiteral("alpha");
    QVERIFY(m_store->recurring.update(lower));
    addItem(QStringLiteral("d"), QDate(2026, 2, 1));
    addItem(QStringLiteral("deleted"), QDate(2025, 1, 1));
    QVERIFY(m_store->recurring.softDelete(QStringLiteral("deleted")));

    QStringList ids;
    for (const RecurringTransaction& item : m_service->listAll())
        ids << item.id;
    QCOMPARE(ids, (QStringList{QStringLiteral("d"), QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
}

QTEST_GUILESS_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
