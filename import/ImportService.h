#pragma once

#include "import/CsvColumnMapping.h"
#include "import/ImportResult.h"
#include "import/QifScanResult.h"
#include "storage/Enums.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class AccountRepository;
class CategoryRepository;
class Database;
class ImportProgress;
class SplitLineRepository;
class TransactionRepository;

// The import engine: writes transactions read from a user's files through the
// repositories the register uses, so imported rows are pending for sync like
// any edit.
//
// A run happens on the GUI thread inside one database transaction that holds
// the write lock from its start: all of it is stored, or none. A record that
// cannot be stored, or the database ending the transaction after an error
// (a full disk), fails the whole run. Meanwhile the repositories' change signals are held
// back (see ChangeHold), which keeps the sync gate shut; once the transaction
// has ended each repository that changed signals once, so one sync follows.
// The event loop runs briefly every 100 records (see ImportProgress); a second
// import asked for meanwhile is refused.
class ImportService : public QObject
{
    Q_OBJECT

public:
    ImportService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                  CategoryRepository* categories, SplitLineRepository* splitLines, QObject* parent = nullptr);

    // Imports the rows of one CSV file into the account by the mapping. A row
    // whose match key the account already holds is a duplicate, once for each
    // such transaction; a category named by a row is created when missing.
    // Every line of the file is counted somewhere: a quote left open counts
    // each line after it as unparseable, and says so in the notes; any other
    // row not read is named in the notes by the line it starts on.
    // Refused (failed, no signals, nothing written) when the account is not
    // live, the file cannot be read (see ImportFile) or another import runs.
    ImportResult importCsv(const QString& filePath, const QString& accountId, const CsvColumnMapping& mapping);

    // Lists the source accounts of the QIF files, for the user to map, and
    // counts their complete transactions. Files that cannot be read are named
    // in the result's failures; the others are listed. Writes nothing; the
    // event loop runs briefly after each file.
    QifScanResult scanQifFiles(const QStringList& files);

    // Imports the transactions of the QIF files into the accounts that
    // `accountMap` maps their source accounts to (QifSourceAccount::name to
    // an account id; names match without regard to case, a file's path as
    // it is written; a name mapped to an empty id, or not at all, is skipped). Categories are created as
    // needed (Income when a category list says so), split lines kept, and a
    // record whose match key the account already holds, or an earlier file
    // of the same import writes, is a duplicate (as often as they hold it),
    // as if the files were imported one after the other. The two sides of a transfer are linked, inside
    // the import or to a side an earlier import wrote with a transfer hint;
    // a side whose other side is not at hand gets the hint. A transfer to an
    // account that is no source account of these files goes to the one live
    // account of the ledger of that name (ignoring case), as if mapped; one
    // to a source account the user skipped links nowhere. Refused (failed,
    // no signals, nothing written) when a file cannot be read, a mapped
    // account is not live or another import runs.
    ImportResult importQif(const QStringList& files, const QHash<QString, QString>& accountMap);

    // What makes two transactions the same for duplicate detection:
    // "yyyy-MM-dd|amount in minor units|payee", the payee as written.
    static QString matchKey(const QDate& date, qint64 amount, const QString& payee);

    // Gives up a run because the record `what` names ("Line 12") could not
    // be stored: any failed write fails the whole import. Puts the reason
    // the user reads into the result and returns false.
    static bool notStored(ImportResult& result, const QString& what);
    // Gives up a run because the amount of the record `what` names would
    // take its account's balance beyond what a balance holds (see MoneySum):
    // the ledger could no longer be backed up and restored whole.
    static bool beyondBalance(ImportResult& result, const QString& what);
    // Notes that the record `what` names was not imported because an amount
    // of it has more decimals than `currency` (see readImportAmount).
    static void noteBeyondDecimals(ImportResult& result, const QString& what, Currency currency);
    // Notes that the record the line `what` names holds was not imported
    // because the line is longer than ImportFile::kMaxRecordChars.
    static void noteOverlong(ImportResult& result, const QString& what);

Q_SIGNALS:
    void importStarted(int totalRecords);
    // Every 100 records, and (total, total) when the run has ended, whichever way.
    void importProgress(int currentRecord, int totalRecords);

private:
    // Runs `write` in one database transaction with the change signals held,
    // between importStarted(total) and the last importProgress(total, total).
    // `write` calls ImportProgress::next before each record and returns false
    // to give up. Everything is rolled back, and false returned with `result`
    // marked failed, when the transaction cannot begin, `write` gives up or
    // the commit fails.
    bool writeInTransaction(int total, const std::function<bool(ImportProgress&)>& write, ImportResult& result);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    SplitLineRepository* m_splitLines;
    // An import is under way (the event loop runs inside it).
    bool m_running = false;
};
