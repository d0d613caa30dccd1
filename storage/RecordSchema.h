#pragma once

#include <QList>
#include <QString>
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
