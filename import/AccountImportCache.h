#pragma once

#include "storage/Money.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// What a QIF import needs to know of one account it writes to or links into,
// read once per run: the live rows by match key, and the records of the run
// that join them, for duplicates; the rows that wait for the other side of
// their transfer (a transfer hint in the memo, no link), for linking. Lookups
// are hash lookups.
class AccountImportCache
{
public:
    explicit AccountImportCache(QList<Transaction> rows);

    // What takeMatch gives for a record that an earlier file of the run writes.
    static constexpr qsizetype kWrittenByRun = -1;

    // Takes one of the transactions of this match key that no earlier call
    // for the same file took: the rows as read first, one without a transfer
    // link before the others, then those the run writes (kWrittenByRun). So
    // each file finds each of them once, as if the files were imported one
    // after the other, and a file's record is a duplicate only as often as
    // they hold its key. None when all are taken.
    std::optional<qsizetype> takeMatch(const QString& matchKey, int file);
    // A record the run writes joins the transactions that later files match.
    void addWritten(const QString& matchKey);

    // The first row whose hint names `sourceAccount` (ignoring case), on
    // `date` with the amount opposite to `amount`, that is still linkable.
    std::optional<qsizetype> findRetroactivePartner(const QString& sourceAccount, const QDate& date,
                                                    qint64 amount) const;

    // Whether the row has no transfer link and none was given to it in this run.
    bool isLinkable(qsizetype row) const;
    void markLinked(qsizetype row);

    const Transaction& row(qsizetype row) const { return m_rows[row]; }

    // The sum of the account's live transactions as read.
    MoneySum liveTotal() const { return m_liveTotal; }

private:
    struct Matches
    {
        QList<qsizetype> rows;
        // Records of the run of this key.
        qsizetype written = 0;
        // How many of them the file `file` took.
        qsizetype taken = 0;
        int file = -1;
    };
    // A row waiting for the other side of a transfer.
    struct WaitingKey
    {
        QDate date;
        qint64 amount = 0;
        QString hintAccount;

        bool operator==(const WaitingKey&) const = default;
    };
    friend size_t qHash(const WaitingKey& key, size_t seed)
    {
        return qHashMulti(seed, key.date, key.amount, key.hintAccount);
    }

    QList<Transaction> m_rows;
    QHash<QString, Matches> m_matches;
    QHash<WaitingKey, QList<qsizetype>> m_waiting;
    QSet<qsizetype> m_linked;
    MoneySum m_liveTotal;
};
