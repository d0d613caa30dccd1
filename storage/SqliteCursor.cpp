#include "storage/SqliteCursor.h"

#include "storage/NativeConnection.h"
#include "storage/Timestamp.h"

#include <QtDebug>

#include <sqlite3.h>

SqliteCursor::SqliteCursor(const QSqlDatabase& db, const QString& sql, QByteArray where)
    : m_db(db)
    , m_where(std::move(where))
{
    sqlite3* handle = nativeconnection::handle(m_db);
    if (!handle) {
        m_failed = true;
        qWarning().noquote() << m_where.constData() << "failed: the database is not open";
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
        fail("prepare");
}

SqliteCursor::~SqliteCursor()
{
    sqlite3_finalize(m_statement);
}

SqliteCursor& SqliteCursor::bind(const QString& value)
{
    if (m_failed)
        return *this;
    const QByteArray text = value.toUtf8();
    if (sqlite3_bind_text(m_statement, m_nextIndex++, text.constData(), int(text.size()), SQLITE_TRANSIENT)
        != SQLITE_OK)
        fail("bind");
    return *this;
}

SqliteCursor& SqliteCursor::bindAll(const QVariantList& values)
{
    for (const QVariant& value : values)
        bind(value.toString());
    return *this;
}

bool SqliteCursor::next()
{
    if (m_failed)
        return false;
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        fail("step");
        return false;
    }
}

QVariant SqliteCursor::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
    }
    }
}

QVariant SqliteCursor::value(int column, ColumnKind kind) const
{
    if ((kind != ColumnKind::Date && kind != ColumnKind::Timestamp)
        || sqlite3_column_type(m_statement, column) != SQLITE_TEXT)
        return value(column);
    const QByteArrayView text(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
                              sqlite3_column_bytes(m_statement, column));
    if (kind == ColumnKind::Date)
        return QVariant(parseIsoDate(text));
    return QVariant(parseTimestamp(text));
}

void SqliteCursor::fail(const char* what)
{
    m_failed = true;
    sqlite3* handle = nativeconnection::handle(m_db);
    qWarning().noquote() << m_where.constData() << "failed:" << what
                         << (handle ? sqlite3_errmsg(handle) : "no database");
}
