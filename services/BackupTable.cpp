#include "services/BackupTable.h"

#include "storage/Account.h"
#include "storage/Category.h"
#include "storage/Money.h"
#include "storage/RecordSchema.h"
#include "storage/Reconciliation.h"
#include "storage/RecurringTransaction.h"
#include "storage/SplitLine.h"
#include "storage/Timestamp.h"
#include "storage/Transaction.h"

#include <QByteArrayList>
#include <QJsonValue>

#include <algorithm>
#include <limits>

namespace {

// A valid timestamp in this shape is already in the stored form
// ("2026-12-06T20:46:41Z").
bool isStoredForm(const QString& text)
{
    return text.size() == 20 && text[10] == u'T' && text[13] == u':' && text[16] == u':' && text[19] == u'Z';
}

// Qt's JSON reader refuses bytes that are not UTF-8 but lets an escaped lone
// surrogate ("\ud800") through, which SQLite would then store as bytes that
// are not UTF-8 either. Such a character is replaced, as a decoder replaces
// any character it cannot read, rather than losing the whole row for it: the
// text was already damaged where the archive was written.
QString withoutLoneSurrogates(QString text)
{
    if (text.isValidUtf16())
        return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QJsonValue toJsonValue(ColumnKind kind, const QVariant& stored)
{
    if (stored.isNull())
        return QJsonValue(QJsonValue::Null);
    switch (kind) {
    case ColumnKind::Flag:
        return QJsonValue(stored.toLongLong() != 0);
    case ColumnKind::Int:
    case ColumnKind::Money:
        return QJsonValue(stored.toLongLong());
    case ColumnKind::Timestamp: {
        // The payee rename stamps rows with SQLite's datetime('now').
        const QString text = stored.toString();
        const QDateTime time = isStoredForm(text) ? QDateTime() : parseTimestamp(text);
        return QJsonValue(time.isValid() ? toIsoUtc(time) : text);
    }
    default:
        return QJsonValue(stored.toString());
    }
}

// The value as the column's reader takes it, timestamps already in their
// stored form; nothing when the JSON type, the range or the text form does
// not fit the column.
std::optional<QVariant> fromJsonValue(ColumnKind kind, const QJsonValue& value)
{
    switch (kind) {
    case ColumnKind::Flag:
        if (!value.isBool())
            return std::nullopt;
        return QVariant(value.toBool());
    case ColumnKind::Int:
    case ColumnKind::Money: {
        if (!value.isDouble())
            return std::nullopt;
        const qint64 whole = value.toInteger();
        if (double(whole) != value.toDouble())
            return std::nullopt;
        if (kind == ColumnKind::Int
            && (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()))
            return std::nullopt;
        // Every amount the program reads stays within this range, so its
        // sums and displays never meet a larger one.
        if (kind == ColumnKind::Money && (whole < -kMaxAmountMinorUnits || whole > kMaxAmountMinorUnits))
            return std::nullopt;
        return QVariant(whole);
    }
    case ColumnKind::Date:
        if (!value.isString() || !parseIsoDate(value.toString()).isValid())
            return std::nullopt;
        break;
    case ColumnKind::Timestamp: {
        if (!value.isString())
            return std::nullopt;
        const QString text = value.toString();
        const QDateTime time = parseTimestamp(text);
        if (!time.isValid())
            return std::nullopt;
        return QVariant(isStoredForm(text) ? text : toIsoUtc(time));
    }
    case ColumnKind::Text:
    case ColumnKind::Link:
    case ColumnKind::Choice:
        if (!value.isString())
            return std::nullopt;
        break;
    }
    return QVariant(withoutLoneSurrogates(value.toString()));
}

template <typename R>
QStringList namesOf(const QList<Column<R>>& columns)
{
    QStringList names;
    for (const Column<R>& column : columns)
        names << QLatin1String(column.name);
    return names;
}

// A table whose restored rows go through their record type: reading a row
// into the record and writing it out again gives the stored form, the same
// one the repositories write.
// Its texts name their context, BackupTable::tr: the catalogue tools do not
// see that context through the template's base.
template <typename R>
class RecordTable final : public BackupTable
{
public:
    // `required` adds to the columns every table requires (its id, its
    // parent link and its creation and change times): those the schema
    // declares NOT NULL without a default.
    RecordTable(const char* folder, const char* table, const QList<Column<R>>& columns, QByteArrayList required,
                const char* parentColumn = "", const char* parentTable = "")
        : BackupTable(folder, table, namesOf(columns), parentColumn, parentTable)
        , m_columns(columns)
    {
        required << "id" << "created_at" << "updated_at";
        if (*parentColumn)
            required << parentColumn;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            m_required << required.contains(columns[i].name);
            m_keyOrder << int(i);
        }
        // A JSON object keeps its keys sorted: adding them in that order appends.
        std::sort(m_keyOrder.begin(), m_keyOrder.end(),
                  [&columns](int a, int b) { return qstrcmp(columns[a].name, columns[b].name) < 0; });
    }

    // The stored values as they are, not read into the record and written
    // out again: that would parse and format every timestamp of an export.
    QJsonObject toJson(const QSqlQuery& query) const override
    {
        QJsonObject row;
        for (const int i : m_keyOrder)
            row.insert(QLatin1String(m_columns[i].name), toJsonValue(m_columns[i].kind, query.value(i)));
        return row;
    }

    std::optional<QVariantList> fromJson(const QJsonObject& row, const QString& entry, QString* problem) const override
    {
        R record;
        // Timestamps skip the trip through the record: formatting every one
        // again was the slowest step of a restore.
        QVariantList timestamps(m_columns.size());
        for (qsizetype i = 0; i < m_columns.size(); ++i) {
            const Column<R>& column = m_columns[i];
            const QString name = QLatin1String(column.name);
            const QJsonValue value = row.value(name);
            const bool absent = value.isUndefined() || value.isNull();
            if (m_required[i] && (absent || (value.isString() && value.toString().isEmpty()))) {
                *problem = BackupTable::tr("%1: missing %2").arg(entry, name);
                return std::nullopt;
            }
            if (absent)
                continue; // the record's default stands
            const std::optional<QVariant> stored = fromJsonValue(column.kind, value);
            if (!stored) {
                *problem = BackupTable::tr("%1: invalid value for %2").arg(entry, name);
                return std::nullopt;
            }
            if (column.kind == ColumnKind::Timestamp) {
                timestamps[i] = *stored;
                continue;
            }
            column.read(record, *stored);
            // An unknown text reads as the enumeration's fallback, which then
            // writes back as a different text.
            if (column.kind == ColumnKind::Choice && column.write(record).toString() != stored->toString()) {
                *problem = BackupTable::tr("%1: unknown %2 \"%3\"").arg(entry, name, stored->toString());
                return std::nullopt;
            }
        }
        QVariantList values;
        values.reserve(m_columns.size());
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            values << (timestamps[i].isValid() ? timestamps[i] : m_columns[i].write(record));
        return values;
    }

private:
    QList<Column<R>> m_columns;
    QList<bool> m_required;
    QList<int> m_keyOrder;
};

} // namespace

BackupTable::BackupTable(const char* folder, const char* table, QStringList columns, const char* parentColumn,
                         const char* parentTable)
    : m_folder(QLatin1String(folder))
    , m_table(QLatin1String(table))
    , m_columns(std::move(columns))
    , m_parentColumn(QLatin1String(parentColumn))
    , m_parentTable(QLatin1String(parentTable))
{
}

const QList<const BackupTable*>& BackupTable::all()
{
    static const RecordTable<Account> accounts("accounts", RecordSchema<Account>::table(),
                                               RecordSchema<Account>::columns(), {"name"});
    static const RecordTable<Category> categories("categories", RecordSchema<Category>::table(),
                                                  RecordSchema<Category>::columns(), {"name"});
    static const RecordTable<Transaction> transactions("transactions", RecordSchema<Transaction>::table(),
                                                       RecordSchema<Transaction>::columns(), {"date"},
                                                       "account_id", "accounts");
    static const RecordTable<SplitLine> splitLines("split_lines", RecordSchema<SplitLine>::table(),
                                                   RecordSchema<SplitLine>::columns(), {}, "transaction_id",
                                                   "transactions");
    static const RecordTable<RecurringTransaction> recurring(
        "recurring", RecordSchema<RecurringTransaction>::table(), RecordSchema<RecurringTransaction>::columns(),
        {"start_date", "next_due_date"}, "account_id", "accounts");
    static const RecordTable<Reconciliation> reconciliations("reconciliations", RecordSchema<Reconciliation>::table(),
                                                             RecordSchema<Reconciliation>::columns(),
                                                             {"statement_date"}, "account_id", "accounts");
    static const QList<const BackupTable*> tables = {&accounts,     &categories, &transactions,
                                                     &splitLines,   &recurring,  &reconciliations};
    return tables;
}

QString BackupTable::selectStatement() const
{
    return QStringLiteral("SELECT %1 FROM %2").arg(m_columns.join(QStringLiteral(", ")), m_table);
}
