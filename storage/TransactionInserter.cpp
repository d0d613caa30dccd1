#include "storage/TransactionInserter.h"

#include "storage/NativeConnection.h"
#include "storage/RecordSchema.h"
#include "storage/SqlStatement.h"
#include "storage/TransactionRepository.h"

#include <QVarLengthArray>

#include <sqlite3.h>

namespace {

constexpr const char* kWhere = "TransactionInserter::insert";

} // namespace

TransactionInserter::TransactionInserter(TransactionRepository* repository)
    : m_repository(repository)
{
    sqlite3* handle = nativeconnection::handle(m_repository->db());
    static const QByteArray sql = schema::insertSql<Transaction>().toUtf8();
    if (!handle || sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK)
        fail("prepare");
}

TransactionInserter::~TransactionInserter()
{
    sqlite3_finalize(m_statement);
}

bool TransactionInserter::insert(const Transaction& record)
{
    if (!m_statement)
        return fail("prepare");
    const Transaction stamped = schema::stampedForInsert(record);

    // Held until the step: texts are bound without a copy, as UTF-8, the
    // database's own encoding. The columns write texts (ids, dates, times)
    // and whole numbers (amounts, flags, versions).
    QVarLengthArray<QByteArray, 24> texts;
    int index = 0;
    for (const Column<Transaction>& column : RecordSchema<Transaction>::columns()) {
        if (!schema::isInserted(column))
            continue;
        const QVariant value = column.write(stamped);
        ++index;
        int bound = SQLITE_OK;
        if (value.isNull()) {
            bound = sqlite3_bind_null(m_statement, index);
        } else if (value.metaType() == QMetaType::fromType<QString>()) {
            const QByteArray& text = texts.emplace_back(static_cast<const QString*>(value.constData())->toUtf8());
            bound = sqlite3_bind_text(m_statement, index, text.constData(), int(text.size()), SQLITE_STATIC);
        }
        else if (value.metaType() == QMetaType::fromType<double>())
            bound = sqlite3_bind_double(m_statement, index, value.toDouble());
        else
            bound = sqlite3_bind_int64(m_statement, index, value.toLongLong());
        if (bound != SQLITE_OK)
            return fail("bind");
    }
    const int stepped = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (stepped != SQLITE_DONE)
        return fail("step");
    m_repository->noteChange(stamped.account_id);
    return true;
}

bool TransactionInserter::fail(const char* what)
{
    sqlite3* handle = nativeconnection::handle(m_repository->db());
    SqlStatement::reportFailure(kWhere, QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                                     handle ? QString::fromUtf8(sqlite3_errmsg(handle))
                                                                            : QStringLiteral("no database")));
    return false;
}
