#pragma once

#include "storage/Timestamp.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// What a column's value means, for readers that need more than its stored
// form: the backup writes flags as JSON booleans and checks amounts against
// their range. Declared with the column so that a new one cannot be taken for
// another kind.
enum class ColumnKind { Text, Link, Choice, Date, Timestamp, Flag, Int, Money };

// How one record type maps onto its table: the columns in stored order, each
// with how it is written and read, and whether an update writes it. The
// synced repositories build their SELECT, INSERT and UPDATE statements from
// this single description.
template <typename Record>
struct Column
{
    const char* name;
    QVariant (*write)(const Record&);
    void (*read)(Record&, const QVariant&);
    bool updated; // written by update(); never created_at or deleted_at
    ColumnKind kind;
};

template <typename Record>
struct RecordSchema; // specialised per record type in RecordSchema.cpp

namespace schema {

// The table's columns joined for a SELECT list, each prefixed by `alias.` when given.
template <typename Record>
QString selectList(const QString& alias = {})
{
    QStringList names;
    for (const Column<Record>& column : RecordSchema<Record>::columns())
        names << (alias.isEmpty() ? QString::fromLatin1(column.name) : alias + u'.' + QLatin1String(column.name));
    return names.join(QStringLiteral(", "));
}

// Whether an INSERT writes the column: a new record is never deleted.
template <typename Record>
bool isInserted(const Column<Record>& column)
{
    return qstrcmp(column.name, "deleted_at") != 0;
}

// The statement that stores a new record: every column isInserted() takes,
// in stored order, each bound to a "?".
template <typename Record>
QString insertSql()
{
    QStringList names;
    QStringList marks;
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        if (!isInserted(column))
            continue;
        names << QString::fromLatin1(column.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(RecordSchema<Record>::table()), names.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")));
}

// The record as it is stored new: one made without times gets them now
// rather than a NULL the schema refuses.
template <typename Record>
Record stampedForInsert(Record record)
{
    if (!record.created_at.isValid())
        record.created_at = nowUtc();
    if (!record.updated_at.isValid())
        record.updated_at = record.created_at;
    return record;
}

// A reader that knows a column's kind may hand over dates and times already
// parsed (see SqliteCursor); the column readers take either form.
template <typename Query>
QVariant columnValue(const Query& query, int index, ColumnKind kind)
{
    if constexpr (requires { query.value(index, kind); })
        return query.value(index, kind);
    else
        return query.value(index);
}

// Reads a record from the current row of `query`, its columns starting at `first`.
template <typename Record, typename Query>
Record read(const Query& query, int first = 0)
{
    Record record;
    int index = first;
    for (const Column<Record>& column : RecordSchema<Record>::columns())
        column.read(record, columnValue(query, index++, column.kind));
    return record;
}

// Value converters shared by the record descriptions.
QVariant text(const QString& value);
QVariant link(const QString& value);        // NULL when empty
QVariant flag(bool value);
QVariant date(const QDate& value);          // NULL when invalid
QVariant timestamp(const QDateTime& value); // NULL when invalid

bool readFlag(const QVariant& value);
QDate readDate(const QVariant& value);
QDateTime readTimestamp(const QVariant& value);

} // namespace schema

struct Account;
struct Category;
struct RecurringTransaction;
struct Reconciliation;
struct SplitLine;
struct Transaction;

#define LEDGERINE_DECLARE_SCHEMA(Record)                     \
    template <>                                              \
    struct RecordSchema<Record>                              \
    {                                                        \
        static const char* table();                          \
        static const QList<Column<Record>>& columns();       \
    };

LEDGERINE_DECLARE_SCHEMA(Account)
LEDGERINE_DECLARE_SCHEMA(Category)
LEDGERINE_DECLARE_SCHEMA(RecurringTransaction)
LEDGERINE_DECLARE_SCHEMA(Reconciliation)
LEDGERINE_DECLARE_SCHEMA(SplitLine)
LEDGERINE_DECLARE_SCHEMA(Transaction)

#undef LEDGERINE_DECLARE_SCHEMA
