#include "import/ImportService.h"

#include "import/CsvImportFile.h"
#include "import/CsvRecordReader.h"
#include "import/ImportCategories.h"
#include "import/ImportFile.h"
#include "import/ImportProgress.h"
#include "import/QifFileSet.h"
#include "import/QifImportWriter.h"
#include "import/QifParser.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/RunPageCache.h"
#include "storage/ScopedTransaction.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"
#include "storage/TransactionInserter.h"
#include "storage/TransactionRepository.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QScopedValueRollback>
#include <QSet>
#include <QSqlError>
#include <QtDebug>

namespace {

ImportResult refused(const QString& what, const QString& reason)
{
    qWarning().noquote() << what << "refused:" << reason;
    ImportResult result;
    result.failed = true;
    result.failure = reason;
    return result;
}

AccountType suggestedType(const QifAccount& account)
{
    switch (account.type) {
    case QifAccountType::CreditCard:
        return AccountType::CreditCard;
    case QifAccountType::Investment:
        return AccountType::Investment;
    case QifAccountType::Cash:
        return AccountType::Cash;
    case QifAccountType::OtherAsset:
    case QifAccountType::OtherLiability:
        return AccountType::Other;
    case QifAccountType::Bank:
        break;
    }
    return account.name.contains(QLatin1String("saving"), Qt::CaseInsensitive) ? AccountType::Savings
                                                                                : AccountType::Checking;
}

// A split is whole only when its lines add up to its amount, as the split
// editor keeps them: lines that do not get one more, uncategorized, for the
// difference. A difference beyond what an amount may be leaves the record
// without a readable amount.
void addSplitRemainder(QifImportRecord& record)
{
    if (record.splits.isEmpty() || !record.amount)
        return;
    MoneySum remainder(*record.amount);
    for (const qint64 amount : std::as_const(record.splitAmounts))
        remainder -= amount;
    if (remainder.value() == 0 && remainder.fits())
        return;
    if (!remainder.fits() || qAbs(remainder.value()) > kMaxAmountMinorUnits) {
        record.amount.reset();
        return;
    }
    record.splits.append(QifSplit{});
    record.splitAmounts.append(remainder.value());
    record.remainderAdded = true;
}

// The records of the files and where each goes, amounts read in the currency
// of the account it goes into; a record with an amount of more decimals than
// that currency has is noted in `result`. `mapping` is by lower-cased source
// name; a file's transactions outside any account block go by the file's path
// in `fileMapping`.
QList<QifImportRecord> importRecords(const QList<QifFileSet::File>& files, const QHash<QString, QString>& mapping,
                                     const QHash<QString, QString>& fileMapping,
                                     const QHash<QString, Currency>& currencies, ImportResult& result)
{
    QList<QifImportRecord> records;
    QHash<QString, QString> targets; // by source name as written
    for (int fileIndex = 0; fileIndex < files.size(); ++fileIndex) {
        const QifFileSet::File& file = files[fileIndex];
        for (const QifTransaction& transaction : file.parsed.transactions) {
            QifImportRecord& record = records.emplace_back();
            static_cast<QifTransaction&>(record) = transaction;
            record.file = file.path;
            record.fileIndex = fileIndex;
            const QString& source = transaction.sourceAccount;
            if (source.isEmpty()) {
                record.targetAccountId = fileMapping.value(file.path);
            } else {
                auto target = targets.constFind(source);
                if (target == targets.cend())
                    target = targets.insert(source, mapping.value(source.toLower()));
                record.targetAccountId = *target;
            }
            if (record.targetAccountId.isEmpty())
                continue;
            record.transactionId = newOrderedRecordId();
            const Currency currency = currencies.value(record.targetAccountId);
            bool beyondDecimals = false;
            record.amount = parseQifAmount(transaction.amountText, currency, &beyondDecimals);
            for (const QifSplit& split : transaction.splits) {
                bool splitBeyondDecimals = false;
                const std::optional<qint64> amount = split.amountText.isEmpty()
                    ? std::optional<qint64>(0)
                    : parseQifAmount(split.amountText, currency, &splitBeyondDecimals);
                if (!amount)
                    record.amount.reset();
                beyondDecimals = beyondDecimals || splitBeyondDecimals;
                record.splitAmounts.append(amount.value_or(0));
            }
            if (!record.amount && beyondDecimals)
                ImportService::noteBeyondDecimals(result, QifImportWriter::placeOf(record.file, record.line),
                                                  currency);
            addSplitRemainder(record);
        }
    }
    return records;
}

// Where the other side of each transfer lives, by the account name the
// file gives it, lower-cased: the user's mapping of the files' source
// accounts (an empty id for one skipped), and for a name that is no source
// account of these files, the one live account of the ledger of that name
// (ignoring case), if there is exactly one. So a transfer to an account that
// was imported before, from another file, links as if it were mapped.
QHash<QString, QString> transferTargets(const QHash<QString, QString>& mapping, const QList<QifFileSet::File>& files,
                                        const QList<Account>& ledgerAccounts)
{
    QSet<QString> sources;
    for (const QifFileSet::File& file : files) {
        sources.insert(file.path.toLower());
        for (const QifAccount& account : file.parsed.accounts)
            sources.insert(account.name.toLower());
    }
    QHash<QString, QString> byName;
    QSet<QString> shared;
    for (const Account& account : ledgerAccounts) {
        const QString name = account.name.toLower();
        if (byName.contains(name))
            shared.insert(name);
        byName.insert(name, account.id);
    }
    QHash<QString, QString> targets = mapping;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (!shared.contains(it.key()) && !sources.contains(it.key()) && !targets.contains(it.key()))
            targets.insert(it.key(), it.value());
    }
    return targets;
}

// Names the row `what` names, which was not imported for `fault`, so that
// the user can find it in the file.
void noteUnreadRow(ImportResult& result, const QString& what, CsvRowFault fault, bool formatChosen,
                   Currency currency)
{
    switch (fault) {
    case CsvRowFault::MissingField:
        result.noteRecord(ImportService::tr("%1: the row has no field in the date, payee or amount column; it was "
                                            "not imported.")
                              .arg(what));
        return;
    case CsvRowFault::Date:
        result.noteRecord(formatChosen
                              ? ImportService::tr("%1: the date does not match the chosen date format; the row was "
                                                  "not imported.")
                                    .arg(what)
                              : ImportService::tr("%1: the date cannot be read; the row was not imported.").arg(what));
        return;
    case CsvRowFault::Amount:
        result.noteRecord(ImportService::tr("%1: the amount cannot be read; the row was not imported.").arg(what));
        return;
    case CsvRowFault::AmountDecimals:
        ImportService::noteBeyondDecimals(result, what, currency);
        return;
    }
}

} // namespace

ImportService::ImportService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                             CategoryRepository* categories, SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

QString ImportService::matchKey(const QDate& date, qint64 amount, const QString& payee)
{
    // Written by hand: QDate::toString formats through printf, and an import
    // makes a key for every row of the file and of the account.
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    QString key;
    key.reserve(32 + payee.size());
    key.append(QString::number(year).rightJustified(4, u'0'));
    for (const int part : {month, day})
        key.append(u'-').append(QChar(u'0' + part / 10)).append(QChar(u'0' + part % 10));
    key.append(u'|').append(QString::number(amount)).append(u'|').append(payee);
    return key;
}

ImportResult ImportService::importCsv(const QString& filePath, const QString& accountId,
                                      const CsvColumnMapping& mapping)
{
    const QString what = QStringLiteral("CSV import of %1").arg(filePath);
    // A slot of the progress signal, or a timer served meanwhile, could ask.
    if (m_running)
        return refused(what, tr("Another import is running."));
    const QScopedValueRollback running(m_running, true);

    const std::optional<Account> account = m_accounts->getById(accountId);
    if (!account || account->deleted_at)
        return refused(what, tr("The account to import into does not exist."));
    QString failure;
    std::optional<QByteArray> bytes = ImportFile::readBytes(filePath, &failure);
    if (!bytes)
        return refused(what, failure);
    // The file is split as it is read, twice: to count its rows and decide
    // its date order first, then to import them.
    const CsvImportFile file(std::move(*bytes), mapping);
    const CsvRecordReader reader(mapping, account->currency, file.order());

    // The account's transactions by match key, counted: a row that matches
    // uses one up, so a file's second equal row is a duplicate only when the
    // account holds two.
    QHash<QString, int> existing;
    MoneySum balance(account->starting_balance);
    for (const Transaction& t : m_transactions->listByAccount(accountId)) {
        ++existing[matchKey(t.date, t.amount, t.payee)];
        balance += t.amount;
    }

    const QDateTime now = nowUtc();
    ImportCategories categories(m_categories, now);
    ImportResult result;
    if (mapping.dateFormat.isEmpty())
        result.guessedDateOrder = file.guessedOrder();
    writeInTransaction(
        file.total(),
        [&](ImportProgress& progress) {
            TransactionInserter inserter(m_transactions);
            return file.forEachRecord([&](CsvRow& row) {
                if (row.openQuoteLine > 0) {
                    const qsizetype lines = CsvImportFile::weightOf(row);
                    for (qsizetype k = 0; k < lines; ++k) {
                        if (!progress.next())
                            return false;
                        ++result.unparseable;
                    }
                    const QString note =
                        tr("A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.",
                           nullptr, int(lines));
                    result.notes << note.arg(row.openQuoteLine).arg(row.line);
                    return true;
                }
                if (!progress.next())
                    return false;
                CsvRowFault fault = CsvRowFault::MissingField;
                const std::optional<CsvRecord> record = row.tooLong ? std::nullopt : reader.read(row.fields, &fault);
                if (!record) {
                    ++result.unparseable;
                    const QString what = tr("Line %1").arg(row.line);
                    if (row.tooLong)
                        noteOverlong(result, what);
                    else
                        noteUnreadRow(result, what, fault, !mapping.dateFormat.isEmpty(), account->currency);
                    return true;
                }
                const auto match = existing.find(matchKey(record->date, record->amount, record->payee));
                if (match != existing.end() && *match > 0) {
                    --*match;
                    ++result.duplicates;
                    return true;
                }

                balance += record->amount;
                if (!balance.fits())
                    return beyondBalance(result, tr("Line %1").arg(row.line));

                Transaction t;
                t.id = newOrderedRecordId();
                t.account_id = accountId;
                t.date = record->date;
                t.payee = record->payee;
                t.amount = record->amount;
                t.memo = record->memo;
                t.created_at = now;
                t.updated_at = now;
                if (!record->category.isEmpty()) {
                    const std::optional<QString> categoryId = categories.idFor(record->category);
                    if (!categoryId)
                        return notStored(result, tr("Line %1").arg(row.line));
                    t.category_id = *categoryId;
                }
                if (!inserter.insert(t))
                    return notStored(result, tr("Line %1").arg(row.line));
                ++result.imported;
                return true;
            });
        },
        result);

    if (result.failed)
        qWarning().noquote() << what << "failed:" << result.failure;
    else
        qInfo().noquote() << what << "into account" << accountId << "-" << result.imported << "imported,"
                          << result.duplicates << "duplicates," << result.unparseable << "unparseable";
    return result;
}

QifScanResult ImportService::scanQifFiles(const QStringList& files)
{
    const QifFileSet fileSet(files, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, ImportProgress::kEventMilliseconds);
    });
    QifScanResult result;
    result.failures = fileSet.failures();
    QSet<QString> listed;
    for (const QifFileSet::File& file : fileSet.files()) {
        const QifParseResult& parsed = file.parsed;
        result.totalRecords += int(parsed.transactions.size());
        // Transactions before a file's first account block are mapped by the
        // file, like those of a file without any.
        const bool headerless =
            parsed.accounts.isEmpty()
            || std::any_of(parsed.transactions.cbegin(), parsed.transactions.cend(),
                           [](const QifTransaction& t) { return t.sourceAccount.isEmpty(); });
        if (headerless)
            result.accounts.append({file.path, tr("%1 (no account header)").arg(QFileInfo(file.path).fileName()),
                                    true, AccountType::Checking});
        for (const QifAccount& account : parsed.accounts) {
            const QString key = account.name.toLower();
            if (listed.contains(key))
                continue;
            listed.insert(key);
            result.accounts.append({account.name, account.name, false, suggestedType(account)});
        }
    }
    return result;
}

ImportResult ImportService::importQif(const QStringList& files, const QHash<QString, QString>& accountMap)
{
    const QString what = QStringLiteral("QIF import of %1").arg(files.join(QLatin1String(", ")));
    if (m_running)
        return refused(what, tr("Another import is running."));
    const QScopedValueRollback running(m_running, true);

    // Account names match without regard to case, paths as they are: on
    // this system Bank.qif and bank.qif are two files, of two accounts.
    const QSet<QString> paths(files.cbegin(), files.cend());
    QHash<QString, QString> mapping;
    QHash<QString, QString> fileMapping;
    QHash<QString, Currency> currencies;
    QHash<QString, qint64> startingBalances;
    for (auto it = accountMap.cbegin(); it != accountMap.cend(); ++it) {
        if (paths.contains(it.key()))
            fileMapping.insert(it.key(), it.value());
        else
            mapping.insert(it.key().toLower(), it.value());
        if (it.value().isEmpty() || currencies.contains(it.value()))
            continue;
        const std::optional<Account> account = m_accounts->getById(it.value());
        if (!account || account->deleted_at)
            return refused(what, tr("An account to import into does not exist."));
        currencies.insert(account->id, account->currency);
        startingBalances.insert(account->id, account->starting_balance);
    }
    const QifFileSet fileSet(files);
    if (!fileSet.failures().isEmpty())
        return refused(what, fileSet.failures().join(u'\n'));

    ImportResult result;
    result.guessedDateOrder = fileSet.guessedOrder();
    QList<QifCategory> listedCategories;
    QSet<QString> listedNames;
    for (const QifFileSet::File& file : fileSet.files()) {
        result.unparseable += file.parsed.incompleteRecords;
        result.metadataSkipped += file.parsed.skippedRecords;
        for (const int line : file.parsed.overlongLines)
            noteOverlong(result, QifImportWriter::placeOf(file.path, line));
        for (const QifCategory& category : file.parsed.categories) {
            if (listedNames.contains(category.name))
                continue;
            listedNames.insert(category.name);
            listedCategories.append(category);
        }
    }
    QList<QifImportRecord> records = importRecords(fileSet.files(), mapping, fileMapping, currencies, result);

    const QDateTime now = nowUtc();
    ImportCategories categories(m_categories, now);
    QifImportWriter writer(m_transactions, m_splitLines, &categories,
                           transferTargets(mapping, fileSet.files(), m_accounts->listActive()), startingBalances, now);
    writeInTransaction(
        int(records.size()),
        [&](ImportProgress& progress) {
            for (const QifCategory& category : std::as_const(listedCategories)) {
                if (!categories.idFor(category.name, category.isIncome ? CategoryType::Income : CategoryType::Expense))
                    return notStored(result, tr("The category %1").arg(category.name));
            }
            return writer.write(records, progress, result);
        },
        result);

    if (result.failed)
        qWarning().noquote() << what << "failed:" << result.failure;
    else
        qInfo().noquote() << what << "-" << result.imported << "imported," << result.duplicates << "duplicates,"
                          << result.unparseable << "unparseable," << result.unmappedSkipped << "unmapped,"
                          << result.metadataSkipped << "other records," << result.transfersLinked
                          << "transfers linked, of them" << result.retroactiveLinked << "to earlier imports";
    return result;
}

bool ImportService::notStored(ImportResult& result, const QString& what)
{
    result.failure = tr("%1 could not be stored (%2): nothing was imported.").arg(what, SqlStatement::lastFailure());
    return false;
}

void ImportService::noteBeyondDecimals(ImportResult& result, const QString& what, Currency currency)
{
    result.noteRecord(tr("%1: the amount has more decimal places than the account's currency (%2) has; the record "
                         "was not imported.")
                          .arg(what, currencyToString(currency)));
}

void ImportService::noteOverlong(ImportResult& result, const QString& what)
{
    result.noteRecord(tr("%1: the line is longer than %2 characters, more than any transaction takes; its record was "
                         "not imported.")
                          .arg(what)
                          .arg(ImportFile::kMaxRecordChars));
}

bool ImportService::beyondBalance(ImportResult& result, const QString& what)
{
    result.failure = tr("%1: the amount would take the account's balance beyond what a balance can hold: nothing was "
                        "imported.")
                         .arg(what);
    return false;
}

bool ImportService::writeInTransaction(int total, const std::function<bool(ImportProgress&)>& write,
                                       ImportResult& result)
{
    ImportProgress progress(this, total);
    QString failure;
    {
        // Generously 1 KiB for each imported transaction and its index entries.
        const RunPageCache cache(m_database->connection(), total);
        // The hold outlives the transaction: the signals come once it has ended.
        ChangeHold hold{m_transactions, m_categories};
        // The write lock is taken now, so that no other program can make a
        // write fail halfway through.
        ScopedTransaction transaction(m_database->connection(), ScopedTransaction::Lock::AtBegin);
        if (!transaction.isActive()) {
            failure = transaction.wasBusy()
                ? tr("Another program is writing to the ledger and did not finish in time: nothing was imported. "
                     "Try again once it has finished.")
                : tr("The import could not begin: %1").arg(transaction.beginError().text());
        } else {
            progress.watch(&transaction);
            if (!write(progress)) {
                if (!result.failure.isEmpty())
                    failure = result.failure;
                else if (!transaction.isOpen())
                    failure = tr("The database ended the import after an error (%1): nothing was imported.")
                                  .arg(SqlStatement::lastFailure());
                else
                    failure = tr("The import stopped; nothing was imported.");
            } else if (!transaction.commit()) {
                failure = tr("The import could not be stored: %1").arg(m_database->connection().lastError().text());
            }
        }
    }
    progress.finish();
    if (failure.isEmpty())
        return true;
    result.failed = true;
    result.failure = failure;
    return false;
}
