#pragma once

#include "import/AccountImportCache.h"
#include "import/QifImportRecord.h"
#include "storage/Money.h"
#include "storage/SplitLine.h"
#include "storage/TransactionInserter.h"
#include "storage/Transaction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <map>
#include <optional>

class ImportCategories;
class ImportProgress;
class SplitLineRepository;
class TransactionRepository;
struct ImportResult;

// Writes the records of one QIF import inside the import's transaction: each
// mapped record that is no duplicate becomes a transaction with its split
// lines, and the two sides of a transfer are linked to each other, whether
// both come with this import or one was written by an earlier one. A side
// that is not written (a duplicate) never leaves the other pointing at a row
// that does not exist: it links to the row the duplicate stands for, or
// carries a transfer hint for a later import to link. A record that cannot
// be stored stops the whole run.
class QifImportWriter
{
    Q_DECLARE_TR_FUNCTIONS(QifImportWriter)

public:
    // `accounts` maps account names as the files write them, lower-cased,
    // to the accounts of the ledger: where a transfer's other side lives.
    // `startingBalances` holds those of the accounts written to, by id.
    QifImportWriter(TransactionRepository* transactions, SplitLineRepository* splitLines,
                    ImportCategories* categories, QHash<QString, QString> accounts,
                    QHash<QString, qint64> startingBalances, QDateTime now);

    // Writes the records in their order, counting into `result`. False, with
    // the reason in `result`, when the run must be rolled back whole: a
    // record could not be stored, or the transaction ended (see ImportProgress).
    bool write(QList<QifImportRecord>& records, ImportProgress& progress, ImportResult& result);

    // The payee of an imported record: its own, else what it names (number
    // and security, the other account of a transfer), else a generic text.
    static QString payeeOf(const QifTransaction& record);

    // Where a record stands, for the user: "jan.qif, line 12".
    static QString placeOf(const QString& file, int line);

private:
    enum class State { Waiting, Duplicate, Written };
    // The other side a written transaction names.
    struct Link
    {
        enum class Kind { None, Partner, Existing };
        Kind kind = Kind::None;
        // Existing: the account and the cache row of the earlier transaction.
        QString accountId;
        qsizetype row = -1;
    };
    void markDuplicates();
    // The records in [first, end) that are no duplicates join the matches of
    // their accounts.
    void joinWritten(qsizetype first, qsizetype end);
    // Mapped, with a readable amount.
    static bool isWritable(const QifImportRecord& record);
    static QString matchKeyOf(const QifImportRecord& record);
    bool writeRecord(int index);
    std::optional<QList<SplitLine>> splitLinesOf(const QifImportRecord& record, const Transaction& t);
    Link chooseLink(int index, Transaction& t);
    bool store(const Transaction& t, const QList<SplitLine>& lines);
    bool linkWritten(int index, const Link& link, const Transaction& t);
    bool linkExisting(const Link& link, const Transaction& t);
    bool keepsBalance(int index);
    QString placeOf(int index) const;
    bool notStored(int index) const;
    bool abort(const QString& reason) const;
    AccountImportCache& cache(const QString& accountId);

    TransactionRepository* m_transactions;
    TransactionInserter m_inserter;
    SplitLineRepository* m_splitLines;
    ImportCategories* m_categories;
    QHash<QString, QString> m_accounts;
    QHash<QString, qint64> m_startingBalances;
    QDateTime m_now;
    // Each target account's balance as the run leaves it so far.
    QHash<QString, MoneySum> m_balances;

    QList<QifImportRecord>* m_records = nullptr;
    ImportResult* m_result = nullptr;
    QList<State> m_states;
    // The row of its account's cache that a duplicate stands for, or
    // AccountImportCache::kWrittenByRun.
    QList<qsizetype> m_standIns;
    // By account id; std::map keeps references valid while caches are added.
    std::map<QString, AccountImportCache> m_caches;
};
