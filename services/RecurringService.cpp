#include "services/RecurringService.h"

#include "services/RecurrenceSchedule.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/RecordVersion.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QSqlError>
#include <QUuid>
#include <QtDebug>

#include <algorithm>

namespace {

const QUuid kOccurrenceNamespace(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));

bool isDue(const RecurringTransaction& item, const QDate& today)
{
    // An unreadable next due date counts as due, so that confirming it
    // brings the broken item to light by deactivating it.
    return item.is_active && (!item.next_due_date.isValid() || item.next_due_date <= today);
}

// The item moved on by one occurrence, as it is stored next.
RecurringTransaction movedOn(const RecurringTransaction& item)
{
    RecurringTransaction next = item;
    RecurrenceSchedule::advance(next);
    next.version = nextRecordVersion(next.version);
    next.sync_status = SyncStatus::Pending;
    next.updated_at = nowUtc();
    return next;
}

} // namespace

RecurringService::RecurringService(Database* database, RecurringRepository* recurring,
                                   TransactionRepository* transactions, AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QString RecurringService::occurrenceId(const QString& recurringId, const QDate& date, bool destinationSide)
{
    QString source = recurringId + u':' + date.toString(Qt::ISODate);
    if (destinationSide)
        source += QStringLiteral(":dest");
    return QUuid::createUuidV5(kOccurrenceNamespace, source.toUtf8()).toString(QUuid::WithoutBraces);
}

QList<RecurringTransaction> RecurringService::listAll() const
{
    QList<RecurringTransaction> items = m_recurring->listAll();
    std::stable_sort(items.begin(), items.end(), [](const RecurringTransaction& a, const RecurringTransaction& b) {
        if (a.is_active != b.is_active)
            return a.is_active;
        if (a.next_due_date != b.next_due_date)
            return a.next_due_date < b.next_due_date;
        return a.payee.compare(b.payee, Qt::CaseInsensitive) < 0;
    });
    return items;
}

int RecurringService::pendingCount() const
{
    const QDate today = QDate::currentDate();
    const QList<RecurringTransaction> items = m_recurring->listAll();
    return int(std::count_if(items.cbegin(), items.cend(),
                             [&today](const RecurringTransaction& item) { return isDue(item, today); }));
}

bool RecurringService::confirm(const QString& id)
{
    m_lastError.clear();
    std::optional<RecurringTransaction> item = m_recurring->getById(id);
    if (!item)
        return false;
    const bool posted = postNext(*item) == Outcome::Posted;
    announcePendingCount();
    return posted;
}

int RecurringService::confirmAllDue()
{
    m_lastError.clear();
    const QDate today = QDate::currentDate();
    const int posted = postAsOne([this, &today] {
        int count = 0;
        for (RecurringTransaction& item : m_recurring->listAll()) {
            if (!isDue(item, today))
                continue;
            const Outcome outcome = writeNext(item);
            if (outcome == Outcome::Failed)
                return -1;
            if (outcome == Outcome::Posted)
                ++count;
        }
        return count;
    });
    announcePendingCount();
    return posted;
}

int RecurringService::confirmDueThrough(const QDate& through)
{
    m_lastError.clear();
    const int posted = postAsOne([this, &through] {
        int count = 0;
        for (const RecurringTransaction& item : m_recurring->listAll()) {
            bool failed = false;
            count += postThrough(item, through, &RecurringService::writeNext, failed);
            if (failed)
                return -1;
        }
        return count;
    });
    announcePendingCount();
    return posted;
}

int RecurringService::autoPostDue()
{
    m_lastError.clear();
    const QDate today = QDate::currentDate();
    int posted = 0;
    // Each item on its own: nobody is waiting on the run, and one item that
    // cannot be written must not hold back the others.
    for (const RecurringTransaction& item : m_recurring->listAll()) {
        bool failed = false;
        if (item.auto_post)
            posted += postThrough(item, today.addDays(std::clamp(item.lead_days, 0, kMaxLeadDays)),
                                  &RecurringService::postNext, failed);
    }
    // Announced even when nothing was posted: items fall due as the days pass.
    announcePendingCount();
    return posted;
}

bool RecurringService::skip(const QString& id)
{
    m_lastError.clear();
    std::optional<RecurringTransaction> item = m_recurring->getById(id);
    if (!item || item->deleted_at || !item->is_active)
        return false;
    bool skipped = false;
    if (!RecurrenceSchedule::hasPostableOccurrence(*item)) {
        if (!deactivate(*item))
            m_lastError = SqlStatement::lastFailure();
    } else {
        skipped = m_recurring->update(movedOn(*item));
        if (!skipped)
            m_lastError = SqlStatement::lastFailure();
    }
    announcePendingCount();
    return skipped;
}

QDate RecurringService::firstDueFrom(const RecurringTransaction& item, const QDate& start) const
{
    if (!start.isValid())
        return {};
    SqlStatement latest(m_database->connection(),
                        QStringLiteral("SELECT MAX(date) FROM transactions WHERE recurring_id = ?"),
                        "RecurringService::firstDueFrom");
    // Unread, the posted occurrences might lie anywhere: no date is safe.
    if (!latest.bind(item.id).exec() || !latest.next())
        return {};
    const QDate posted = parseIsoDate(latest.value(0).toString());

    RecurringTransaction schedule = item;
    schedule.start_date = start;
    QDate due = start;
    while (due.isValid() && posted.isValid() && due <= posted)
        due = RecurrenceSchedule::nextDate(schedule, due);
    return due;
}

int RecurringService::postThrough(RecurringTransaction item, const QDate& through, Poster post, bool& failed)
{
    int posted = 0;
    for (int run = 0; run < kMaxOccurrencesPerRun && isDue(item, through); ++run) {
        const Outcome outcome = (this->*post)(item);
        if (outcome == Outcome::Posted)
            ++posted;
        else if (outcome != Outcome::AlreadyPosted) {
            failed = outcome == Outcome::Failed;
            break;
        }
    }
    return posted;
}

template <typename Batch>
int RecurringService::postAsOne(Batch batch)
{
    QSqlDatabase db = m_database->connection();
    int posted = -1;
    {
        ScopedTransaction transaction(db);
        if (!transaction.isActive()) {
            fail(db.lastError().text());
        } else {
            posted = batch();
            if (posted >= 0 && !transaction.commit()) {
                fail(db.lastError().text());
                posted = -1;
            }
        }
    }
    return std::max(posted, 0);
}

RecurringService::Outcome RecurringService::postNext(RecurringTransaction& item)
{
    QSqlDatabase db = m_database->connection();
    ScopedTransaction transaction(db);
    if (!transaction.isActive())
        return fail(db.lastError().text());
    RecurringTransaction written = item;
    const Outcome outcome = writeNext(written);
    if (outcome == Outcome::Failed)
        return outcome;
    if (!transaction.commit())
        return fail(db.lastError().text());
    item = written;
    return outcome;
}

RecurringService::Outcome RecurringService::writeNext(RecurringTransaction& item)
{
    if (item.deleted_at || !item.is_active)
        return Outcome::Refused;
    if (!RecurrenceSchedule::hasPostableOccurrence(item)) {
        if (!deactivate(item))
            return fail(SqlStatement::lastFailure());
        qWarning().noquote() << "Recurring item" << item.id << "has no valid next occurrence; it is deactivated.";
        return Outcome::Refused;
    }

    // An occurrence that exists already, even deleted, was posted before
    // (perhaps on another device, perhaps deleted by the user on purpose): it
    // is not posted again, but the item still moves on past it.
    const QList<Transaction> sides = occurrence(item);
    const bool alreadyPosted = m_transactions->getById(sides.first().id).has_value();
    if (!alreadyPosted) {
        for (const Transaction& side : sides) {
            if (!m_transactions->insert(side))
                return fail(SqlStatement::lastFailure());
        }
    }

    const RecurringTransaction next = movedOn(item);
    if (!m_recurring->update(next))
        return fail(SqlStatement::lastFailure());
    item = next;
    return alreadyPosted ? Outcome::AlreadyPosted : Outcome::Posted;
}

RecurringService::Outcome RecurringService::fail(const QString& reason)
{
    m_lastError = reason;
    return Outcome::Failed;
}

QList<Transaction> RecurringService::occurrence(const RecurringTransaction& item) const
{
    const QDateTime now = nowUtc();
    Transaction source;
    source.id = occurrenceId(item.id, item.next_due_date);
    source.account_id = item.account_id;
    source.date = item.next_due_date;
    source.payee = item.payee;
    source.memo = item.memo;
    source.amount = item.amount;
    source.category_id = item.category_id;
    source.recurring_id = item.id;
    source.created_at = now;
    source.updated_at = now;
    if (!item.isTransfer())
        return {source};

    source.transfer_dest_account_id = item.transfer_dest_account_id;
    // One amount cannot stand for both sides when the currencies differ: the
    // user enters the other side with its own amount. A deleted destination
    // takes no new rows, as if it were gone.
    const std::optional<Account> from = m_accounts->getById(item.account_id);
    const std::optional<Account> to = m_accounts->getById(item.transfer_dest_account_id);
    if (!from || !to || to->deleted_at || from->currency != to->currency)
        return {source};

    Transaction destination = source;
    destination.id = occurrenceId(item.id, item.next_due_date, true);
    destination.account_id = item.transfer_dest_account_id;
    destination.amount = -item.amount;
    destination.transfer_dest_account_id = item.account_id;
    destination.transfer_link_id = source.id;
    source.transfer_link_id = destination.id;
    return {source, destination};
}

bool RecurringService::deactivate(const RecurringTransaction& item)
{
    // Written directly: the item's stored next due date may be unreadable,
    // and a whole-record update would write NULL into its NOT NULL column.
    // The repository did not write it, so the change is announced here.
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("UPDATE recurring_transactions SET is_active = 0, version = MIN(version + 1, 2147483647), "
                                          "sync_status = 'pending', updated_at = ? WHERE id = ?"),
                           "RecurringService::deactivate");
    if (!statement.bind(toIsoUtc(nowUtc())).bind(item.id).exec())
        return false;
    Q_EMIT m_recurring->recurringChanged();
    return true;
}

void RecurringService::announcePendingCount()
{
    Q_EMIT pendingCountChanged(pendingCount());
}
