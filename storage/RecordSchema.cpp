#include "storage/RecordSchema.h"

#include "storage/Account.h"
#include "storage/Category.h"
#include "storage/Reconciliation.h"
#include "storage/RecurringTransaction.h"
#include "storage/SplitLine.h"
#include "storage/Timestamp.h"
#include "storage/Transaction.h"

namespace schema {

QVariant text(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }

QVariant link(const QString& value)
{
    return value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value);
}

QVariant flag(bool value) { return value ? 1 : 0; }

QVariant date(const QDate& value)
{
    return value.isValid() ? QVariant(toIsoDate(value)) : QVariant(QMetaType::fromType<QString>());
}

QVariant timestamp(const QDateTime& value)
{
    return value.isValid() ? QVariant(toIsoUtc(value)) : QVariant(QMetaType::fromType<QString>());
}

bool readFlag(const QVariant& value) { return value.toLongLong() != 0; }

QDate readDate(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDate>())
        return value.toDate();
    return parseIsoDate(value.toString());
}

QDateTime readTimestamp(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDateTime>())
        return value.toDateTime();
    return parseTimestamp(value.toString());
}

} // namespace schema

// Column descriptions. `R` is the record type of the enclosing function; the
// last argument says whether update() writes the column.
#define TEXT_COLUMN(field, updated)                                                                        \
    Column<R>{#field, [](const R& r) { return schema::text(r.field); },                                    \
              [](R& r, const QVariant& v) { r.field = v.toString(); }, updated, ColumnKind::Text}
#define LINK_COLUMN(field, updated)                                                                        \
    Column<R>{#field, [](const R& r) { return schema::link(r.field); },                                    \
              [](R& r, const QVariant& v) { r.field = v.toString(); }, updated, ColumnKind::Link}
#define MONEY_COLUMN(field, updated)                                                                       \
    Column<R>{#field, [](const R& r) { return QVariant(r.field); },                                        \
              [](R& r, const QVariant& v) { r.field = v.toLongLong(); }, updated, ColumnKind::Money}
#define INT_COLUMN(field, updated)                                                                         \
    Column<R>{#field, [](const R& r) { return QVariant(r.field); },                                        \
              [](R& r, const QVariant& v) { r.field = v.toInt(); }, updated, ColumnKind::Int}
#define FLAG_COLUMN(field, updated)                                                                        \
    Column<R>{#field, [](const R& r) { return schema::flag(r.field); },                                    \
              [](R& r, const QVariant& v) { r.field = schema::readFlag(v); }, updated, ColumnKind::Flag}
#define DATE_COLUMN(field, updated)                                                                        \
    Column<R>{#field, [](const R& r) { return schema::date(r.field); },                                    \
              [](R& r, const QVariant& v) { r.field = schema::readDate(v); }, updated, ColumnKind::Date}
#define TIMESTAMP_COLUMN(field, updated)                                                                   \
    Column<R>{#field, [](const R& r) { return schema::timestamp(r.field); },                               \
              [](R& r, const QVariant& v) { r.field = schema::readTimestamp(v); }, updated, ColumnKind::Timestamp}
#define ENUM_COLUMN(field, toText, fromText, updated)                                                      \
    Column<R>{#field, [](const R& r) { return QVariant(toText(r.field)); },                                \
              [](R& r, const QVariant& v) { r.field = fromText(v.toString(), nullptr); }, updated, ColumnKind::Choice}

namespace {

// The sync columns every synced table ends with.
template <typename R>
void appendSyncColumns(QList<Column<R>>& columns)
{
    columns << INT_COLUMN(version, true)
            << ENUM_COLUMN(sync_status, syncStatusToString, syncStatusFromString, true)
            << LINK_COLUMN(server_id, true) << TIMESTAMP_COLUMN(created_at, false)
            << TIMESTAMP_COLUMN(updated_at, true)
            << Column<R>{"deleted_at",
                         [](const R& r) {
                             return r.deleted_at ? schema::timestamp(*r.deleted_at)
                                                 : QVariant(QMetaType::fromType<QString>());
                         },
                         [](R& r, const QVariant& v) {
                             if (v.isNull() || v.toString().isEmpty())
                                 r.deleted_at.reset();
                             else
                                 r.deleted_at = schema::readTimestamp(v);
                         },
                         false, ColumnKind::Timestamp};
}

template <typename R>
QList<Column<R>> withSyncColumns(QList<Column<R>> columns)
{
    appendSyncColumns(columns);
    return columns;
}

} // namespace

const char* RecordSchema<Account>::table() { return "accounts"; }
const QList<Column<Account>>& RecordSchema<Account>::columns()
{
    using R = Account;
    static const QList<Column<R>> columns = withSyncColumns<R>({
        TEXT_COLUMN(id, false),
        TEXT_COLUMN(name, true),
        ENUM_COLUMN(account_type, accountTypeToString, accountTypeFromString, true),
        ENUM_COLUMN(currency, currencyToString, currencyFromString, true),
        TEXT_COLUMN(institution, true),
        TEXT_COLUMN(account_number_last4, true),
        MONEY_COLUMN(starting_balance, true),
        INT_COLUMN(sort_order, true),
        FLAG_COLUMN(is_shared, true),
    });
    return columns;
}

const char* RecordSchema<Transaction>::table() { return "transactions"; }
const QList<Column<Transaction>>& RecordSchema<Transaction>::columns()
{
    using R = Transaction;
    static const QList<Column<R>> columns = withSyncColumns<R>({
        TEXT_COLUMN(id, false),
        TEXT_COLUMN(account_id, false),
        DATE_COLUMN(date, true),
        TEXT_COLUMN(payee, true),
        TEXT_COLUMN(memo, true),
        MONEY_COLUMN(amount, true),
        LINK_COLUMN(category_id, true),
        TEXT_COLUMN(check_number, true),
        FLAG_COLUMN(cleared, true),
        FLAG_COLUMN(reconciled, true),
        LINK_COLUMN(transfer_link_id, true),
        LINK_COLUMN(transfer_dest_account_id, true),
        FLAG_COLUMN(is_split, true),
        LINK_COLUMN(recurring_id, true),
    });
    return columns;
}

const char* RecordSchema<Category>::table() { return "categories"; }
const QList<Column<Category>>& RecordSchema<Category>::columns()
{
    using R = Category;
    static const QList<Column<R>> columns = withSyncColumns<R>({
        TEXT_COLUMN(id, false),
        TEXT_COLUMN(name, true),
        ENUM_COLUMN(category_type, categoryTypeToString, categoryTypeFromString, true),
        LINK_COLUMN(parent_id, true),
        FLAG_COLUMN(is_tax_relevant, true),
        TEXT_COLUMN(tax_category, true),
        TEXT_COLUMN(icon, true),
        TEXT_COLUMN(color, true),
        FLAG_COLUMN(is_default, true),
        LINK_COLUMN(account_id, true),
    });
    return columns;
}

const char* RecordSchema<RecurringTransaction>::table() { return "recurring_transactions"; }
const QList<Column<RecurringTransaction>>& RecordSchema<RecurringTransaction>::columns()
{
    using R = RecurringTransaction;
    static const QList<Column<R>> columns = withSyncColumns<R>({
        TEXT_COLUMN(id, false),
        TEXT_COLUMN(account_id, false),
        TEXT_COLUMN(payee, true),
        TEXT_COLUMN(memo, true),
        MONEY_COLUMN(amount, true),
        LINK_COLUMN(category_id, true),
        ENUM_COLUMN(frequency, frequencyToString, frequencyFromString, true),
        INT_COLUMN(interval_count, true),
        INT_COLUMN(semimonthly_day_1, true),
        INT_COLUMN(semimonthly_day_2, true),
        DATE_COLUMN(start_date, true),
        Column<R>{"end_date",
                  [](const R& r) {
                      return r.end_date ? schema::date(*r.end_date) : QVariant(QMetaType::fromType<QString>());
                  },
                  [](R& r, const QVariant& v) {
                      const QDate date = schema::readDate(v);
                      r.end_date = date.isValid() ? std::optional<QDate>(date) : std::nullopt;
                  },
                  true, ColumnKind::Date},
        DATE_COLUMN(next_due_date, true),
        FLAG_COLUMN(auto_post, true),
        INT_COLUMN(lead_days, true),
        FLAG_COLUMN(is_active, true),
        LINK_COLUMN(transfer_dest_account_id, true),
    });
    return columns;
}

const char* RecordSchema<Reconciliation>::table() { return "reconciliations"; }
const QList<Column<Reconciliation>>& RecordSchema<Reconciliation>::columns()
{
    using R = Reconciliation;
    static const QList<Column<R>> columns = withSyncColumns<R>({
        TEXT_COLUMN(id, false),
        TEXT_COLUMN(account_id, true),
        DATE_COLUMN(statement_date, true),
        MONEY_COLUMN(statement_balance, true),
        MONEY_COLUMN(reconciled_balance, true),
        TIMESTAMP_COLUMN(completed_at, true),
    });
    return columns;
}

// Split lines travel with their transaction and carry no sync columns.
const char* RecordSchema<SplitLine>::table() { return "split_lines"; }
const QList<Column<SplitLine>>& RecordSchema<SplitLine>::columns()
{
    using R = SplitLine;
    static const QList<Column<R>> columns = {
        TEXT_COLUMN(id, false),          TEXT_COLUMN(transaction_id, false), LINK_COLUMN(category_id, true),
        MONEY_COLUMN(amount, true),      TEXT_COLUMN(memo, true),            TIMESTAMP_COLUMN(created_at, false),
        TIMESTAMP_COLUMN(updated_at, true),
    };
    return columns;
}
