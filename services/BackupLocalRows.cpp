#include "services/BackupLocalRows.h"

#include "services/BackupTable.h"
#include "storage/NativeConnection.h"

#include <QAnyStringView>
#include <QUtf8StringView>
#include <QtDebug>
#include <QtEndian>

#include <sqlite3.h>

#include <cstring>

namespace {

// Each stored value: a kind byte, then 8 bytes of integer or a 4-byte length
// and that many bytes of UTF-8 text (or of anything else, which no archived
// value equals).
enum Kind : char { Null = 0, Integer = 1, Text = 2, Other = 3 };

struct Field
{
    Kind kind = Null;
    qint64 integer = 0;
    QUtf8StringView text;
};

// The field at `at`, moving `at` past it. The bytes were written by load().
Field readField(const QByteArray& row, qsizetype& at)
{
    Field field;
    field.kind = Kind(row[at++]);
    if (field.kind == Integer) {
        field.integer = qFromLittleEndian<qint64>(row.constData() + at);
        at += 8;
    } else if (field.kind != Null) {
        const auto size = qFromLittleEndian<quint32>(row.constData() + at);
        field.text = QUtf8StringView(row.constData() + at + 4, qsizetype(size));
        at += 4 + size;
    }
    return field;
}

void appendBytes(QByteArray& row, Kind kind, const void* data, int size)
{
    row.append(char(kind));
    const quint32 length = qToLittleEndian(quint32(size));
    row.append(reinterpret_cast<const char*>(&length), 4);
    row.append(static_cast<const char*>(data), size);
}

bool isInteger(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool sameValue(const Field& field, const QVariant& value)
{
    switch (field.kind) {
    case Null:
        return value.isNull();
    case Integer:
        return !value.isNull() && isInteger(value) && value.toLongLong() == field.integer;
    case Text:
        return !value.isNull() && value.metaType() == QMetaType::fromType<QString>()
            && QAnyStringView::equal(field.text, *static_cast<const QString*>(value.constData()));
    case Other:
        break;
    }
    return false;
}

} // namespace

bool BackupLocalRows::load(const QSqlDatabase& db, const BackupTable& table, const QString& groupColumn)
{
    m_rows.clear();
    m_groups.clear();
    m_error.clear();
    sqlite3* handle = nativeconnection::handle(db);
    if (!handle) {
        m_error = QStringLiteral("the database is not open");
        return false;
    }
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(table.columns().join(QStringLiteral(", ")), table.table())
                               .toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(handle));
        return false;
    }
    const int columns = int(table.columns().size());
    const int idColumn = table.indexOf(QStringLiteral("id"));
    const int group = groupColumn.isEmpty() ? -1 : table.indexOf(groupColumn);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        QByteArray row;
        row.reserve(columns * 8 + 256);
        for (int i = 0; i < columns; ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_NULL:
                row.append(char(Null));
                break;
            case SQLITE_INTEGER: {
                const qint64 integer = qToLittleEndian(qint64(sqlite3_column_int64(statement, i)));
                row.append(char(Integer));
                row.append(reinterpret_cast<const char*>(&integer), 8);
                break;
            }
            case SQLITE_TEXT:
                appendBytes(row, Text, sqlite3_column_text(statement, i), sqlite3_column_bytes(statement, i));
                break;
            default:
                appendBytes(row, Other, sqlite3_column_blob(statement, i), sqlite3_column_bytes(statement, i));
                break;
            }
        }
        const auto text = [statement](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                                     sqlite3_column_bytes(statement, column));
        };
        const QString id = text(idColumn);
        if (group >= 0)
            m_groups[text(group)] << id;
        m_rows.insert(id, row);
    }
    if (step != SQLITE_DONE)
        m_error = QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(statement);
    if (!m_error.isEmpty()) {
        m_rows.clear();
        m_groups.clear();
        qWarning().noquote() << "Backup restore could not read" << table.table() << ":" << m_error;
        return false;
    }
    return true;
}

QVariant BackupLocalRows::value(const QString& id, int column) const
{
    const auto row = m_rows.constFind(id);
    if (row == m_rows.constEnd())
        return {};
    qsizetype at = 0;
    Field field;
    for (int i = 0; i <= column; ++i)
        field = readField(*row, at);
    switch (field.kind) {
    case Integer:
        return QVariant(field.integer);
    case Text:
        return QVariant(field.text.toString());
    default:
        return {};
    }
}

quint64 BackupLocalRows::differences(const QString& id, const QVariantList& values) const
{
    const auto row = m_rows.constFind(id);
    if (row == m_rows.constEnd())
        return ~quint64(0);
    quint64 differing = 0;
    qsizetype at = 0;
    for (int i = 0; i < values.size(); ++i) {
        if (!sameValue(readField(*row, at), values.at(i)))
            differing |= quint64(1) << i;
    }
    return differing;
}
