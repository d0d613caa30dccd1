#pragma once

#include "storage/RecurringTransaction.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionRepository;

// Posts the occurrences of recurring items as transactions. Every posted
// transaction takes an id derived from the item and the occurrence's date, so
// an occurrence posted on one device is never posted again on another.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    // An item posts at most this many occurrences in one run, however far
    // behind it is.
    static constexpr int kMaxOccurrencesPerRun = 365;
    // Automatic posting looks ahead at most this many days.
    static constexpr int kMaxLeadDays = 60;

    RecurringService(Database* database, RecurringRepository* recurring, TransactionRepository* transactions,
                     AccountRepository* accounts, QObject* parent = nullptr);

    // Every live item: active ones first, then by next due date, then by payee ignoring case.
    QList<RecurringTransaction> listAll() const;
    // The number of due items: active, next due date today or earlier.
    int pendingCount() const;

    // Posts the item's next occurrence, due or not, and moves the item on.
    // True when a transaction was posted. An item that has no occurrence
    // left to post (no valid next date, or past its end date) is deactivated
    // instead.
    bool confirm(const QString& id);
    // Confirms every due item once; the number of transactions posted. One
    // user action, so one database transaction: a failed write leaves
    // nothing of it behind and gives 0.
    int confirmAllDue();
    // Posts every occurrence of every active item up to and including
    // `through`; the number of transactions posted. All or nothing, as
    // confirmAllDue().
    int confirmDueThrough(const QDate& through);
    // Moves the item on by one occurrence without posting.
    bool skip(const QString& id);
    // Posts the occurrences of the items marked for automatic posting that
    // fall due within their lead days from today; the number posted.
    int autoPostDue();

    // The database's words for the write that failed in the last confirm,
    // skip or batch; empty when none failed. A false or 0 without it means
    // there was nothing to post: the item was inactive, posted before or
    // past its end.
    QString lastError() const { return m_lastError; }

    // The next due date of an item that starts anew on `start`: the first
    // occurrence from `start` on that falls after every occurrence of the
    // item posted so far (deleted ones too), so that moving an item's start
    // never brings back an occurrence it has entered already. Invalid when
    // there is none.
    QDate firstDueFrom(const RecurringTransaction& item, const QDate& start) const;

    // The id of a posted occurrence; the destination side of a transfer has its own.
    static QString occurrenceId(const QString& recurringId, const QDate& date, bool destinationSide = false);

Q_SIGNALS:
    void pendingCountChanged(int count);

private:
    enum class Outcome { Posted, AlreadyPosted, Refused, Failed };
    using Poster = Outcome (RecurringService::*)(RecurringTransaction&);

    // Posts the item's next occurrence and moves it on, as one database
    // transaction; `item` holds the stored state afterwards.
    Outcome postNext(RecurringTransaction& item);
    // The same within the caller's database transaction.
    Outcome writeNext(RecurringTransaction& item);
    // Posts the item's occurrences while they fall on or before `through`,
    // each through `post`; the number posted. `failed` tells a failed write
    // from an item that has nothing more to post.
    int postThrough(RecurringTransaction item, const QDate& through, Poster post, bool& failed);
    // Runs a batch of postings as one database transaction; the number
    // posted, or 0 (nothing kept, lastError() set) when any write failed.
    template <typename Batch>
    int postAsOne(Batch batch);
    // Notes the database's words for a failed write; always Outcome::Failed.
    Outcome fail(const QString& reason);
    QList<Transaction> occurrence(const RecurringTransaction& item) const;
    // False (and a log line) when the item could not be written.
    bool deactivate(const RecurringTransaction& item);
    void announcePendingCount();

    Database* m_database;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
    QString m_lastError;
};
