#include "import/ImportService.h"

#include "import/CsvParser.h"
#include "import/CsvRecordReader.h"
#include "import/ImportCategories.h"
#include "import/ImportFile.h"
#include "import/ImportProgress.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/Database.h"
#include "storage/RecordId.h"
#include "storage/RunPageCache.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QHash>
#include <QScopedValueRollback>
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

QDate ImportService::parseDateAuto(const QString& text, DateOrder order) { return readDateAuto(text, order); }

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
    const std::optional<QString> text = ImportFile::readText(filePath, &failure);
    if (!text) {
        ImportResult result;
        result.failed = true;
        result.failure = failure;
        return result;
    }

    const QList<QStringList> rows = parseCsv(*text);
    const qsizetype firstDataRow = mapping.hasHeader ? 1 : 0;
    const int total = int(qMax<qsizetype>(rows.size() - firstDataRow, 0));
    const CsvRecordReader reader(mapping, account->currency, rows, firstDataRow);

    // The account's transactions by match key, counted: a row that matches
    // uses one up, so a file's second equal row is a duplicate only when the
    // account holds two.
    QHash<QString, int> existing;
    for (const Transaction& t : m_transactions->listByAccount(accountId))
        ++existing[matchKey(t.date, t.amount, t.payee)];

    const QDateTime now = nowUtc();
    ImportCategories categories(m_categories, now);
    ImportResult result;
    writeInTransaction(
        total,
        [&](ImportProgress& progress) {
            for (qsizetype i = firstDataRow; i < rows.size(); ++i) {
                progress.next();
                const std::optional<CsvRecord> record = reader.read(rows[i]);
                if (!record) {
                    ++result.unparseable;
                    continue;
                }
                const auto match = existing.find(matchKey(record->date, record->amount, record->payee));
                if (match != existing.end() && *match > 0) {
                    --*match;
                    ++result.duplicates;
                    continue;
                }

                Transaction t;
                t.id = newRecordId();
                t.account_id = accountId;
                t.date = record->date;
                t.payee = record->payee;
                t.amount = record->amount;
                t.memo = record->memo;
                t.created_at = now;
                t.updated_at = now;
                if (!record->category.isEmpty()) {
                    const std::optional<QString> categoryId = categories.idFor(record->category);
                    if (!categoryId) {
                        ++result.dbErrorSkipped;
                        continue;
                    }
                    t.category_id = *categoryId;
                }
                if (m_transactions->insert(t))
                    ++result.imported;
                else
                    ++result.dbErrorSkipped;
            }
            return true;
        },
        result);

    if (result.failed)
        qWarning().noquote() << what << "failed:" << result.failure;
    else
        qInfo().noquote() << what << "into account" << accountId << "-" << result.imported << "imported,"
                          << result.duplicates << "duplicates," << result.unparseable << "unparseable,"
                          << result.dbErrorSkipped << "not written";
    return result;
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
        ScopedTransaction transaction(m_database->connection());
        if (!transaction.isActive())
            failure = tr("The import could not begin: %1").arg(m_database->connection().lastError().text());
        else if (!write(progress))
            failure = tr("The import stopped; nothing was imported.");
        else if (!transaction.commit())
            failure = tr("The import could not be stored: %1").arg(m_database->connection().lastError().text());
    }
    progress.finish();
    if (failure.isEmpty())
        return true;
    result.failed = true;
    result.failure = failure;
    return false;
}
