#include "sync/ChangeRecordBuilder.h"

#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"

#include <QJsonArray>

namespace {

int flag(bool value)
{
    return value ? 1 : 0;
}

// The keys every kind shares: identity, server id once known, and the times.
template <typename Record>
QJsonObject commonPayload(const Record& record)
{
    QJsonObject payload{
        {QStringLiteral("client_id"), record.id},
        {QStringLiteral("created_at"), toIsoUtc(record.created_at)},
        {QStringLiteral("updated_at"), toIsoUtc(record.updated_at)},
    };
    if (!record.server_id.isEmpty())
        payload.insert(QStringLiteral("server_id"), record.server_id);
    if (record.deleted_at)
        payload.insert(QStringLiteral("deleted_at"), toIsoUtc(*record.deleted_at));
    return payload;
}

void insertAll(QJsonObject& target, std::initializer_list<std::pair<QString, QJsonValue>> values)
{
    for (const auto& [key, value] : values)
        target.insert(key, value);
}

} // namespace

ChangeRecordBuilder::ChangeRecordBuilder(const SplitLineRepository* splitLines)
    : m_splitLines(splitLines)
{
}

QJsonObject ChangeRecordBuilder::build(const PendingRecord& pending) const
{
    return std::visit(
        [this, &pending](const auto& record) {
            return QJsonObject{
                {QStringLiteral("entity_type"), entityTypeAt(pending.index())},
                {QStringLiteral("entity_id"), record.id},
                {QStringLiteral("action"), record.deleted_at ? QStringLiteral("delete") : QStringLiteral("upsert")},
                {QStringLiteral("version"), record.version},
                {QStringLiteral("payload"), payload(record)},
            };
        },
        pending);
}

QJsonObject ChangeRecordBuilder::payload(const Account& account) const
{
    QJsonObject payload = commonPayload(account);
    insertAll(payload, {
                           {QStringLiteral("name"), account.name},
                           {QStringLiteral("account_type"), accountTypeToString(account.account_type)},
                           {QStringLiteral("currency"), currencyToString(account.currency)},
                           {QStringLiteral("is_shared"), flag(account.is_shared)},
                           {QStringLiteral("institution"), account.institution},
                           {QStringLiteral("account_number_last4"), account.account_number_last4},
                           {QStringLiteral("starting_balance"), account.starting_balance},
                           {QStringLiteral("sort_order"), account.sort_order},
                           {QStringLiteral("version"), account.version},
                       });
    return payload;
}

QJsonObject ChangeRecordBuilder::payload(const Category& category) const
{
    QJsonObject payload = commonPayload(category);
    insertAll(payload, {
                           {QStringLiteral("name"), category.name},
                           {QStringLiteral("category_type"), categoryTypeToString(category.category_type)},
                           {QStringLiteral("parent_id"), category.parent_id},
                           {QStringLiteral("is_tax_relevant"), flag(category.is_tax_relevant)},
                           {QStringLiteral("tax_category"), category.tax_category},
                           {QStringLiteral("icon"), category.icon},
                           {QStringLiteral("color"), category.color},
                           {QStringLiteral("is_default"), flag(category.is_default)},
                           {QStringLiteral("account_id"), category.account_id},
                           {QStringLiteral("version"), category.version},
                       });
    return payload;
}

// The change record's own "version" is the only one a recurring item sends.
QJsonObject ChangeRecordBuilder::payload(const RecurringTransaction& recurring) const
{
    QJsonObject payload = commonPayload(recurring);
    insertAll(payload, {
                           {QStringLiteral("account_id"), recurring.account_id},
                           {QStringLiteral("payee"), recurring.payee},
                           {QStringLiteral("memo"), recurring.memo},
                           {QStringLiteral("amount"), recurring.amount},
                           {QStringLiteral("category_id"), recurring.category_id},
                           {QStringLiteral("transfer_dest_account_id"), recurring.transfer_dest_account_id},
                           {QStringLiteral("frequency"), frequencyToString(recurring.frequency)},
                           {QStringLiteral("start_date"), toIsoDate(recurring.start_date)},
                           {QStringLiteral("next_due_date"), toIsoDate(recurring.next_due_date)},
                           {QStringLiteral("auto_post"), flag(recurring.auto_post)},
                           {QStringLiteral("lead_days"), recurring.lead_days},
                           {QStringLiteral("interval_count"), recurring.interval_count},
                           {QStringLiteral("semimonthly_day_1"), recurring.semimonthly_day_1},
                           {QStringLiteral("semimonthly_day_2"), recurring.semimonthly_day_2},
                           {QStringLiteral("is_active"), flag(recurring.is_active)},
                       });
    if (recurring.end_date)
        payload.insert(QStringLiteral("end_date"), toIsoDate(*recurring.end_date));
    return payload;
}

QJsonObject ChangeRecordBuilder::payload(const Transaction& transaction) const
{
    QJsonObject payload = commonPayload(transaction);
    insertAll(payload, {
                           {QStringLiteral("account_id"), transaction.account_id},
                           {QStringLiteral("date"), toIsoDate(transaction.date)},
                           {QStringLiteral("payee"), transaction.payee},
                           {QStringLiteral("memo"), transaction.memo},
                           {QStringLiteral("amount"), transaction.amount},
                           {QStringLiteral("category_id"), transaction.category_id},
                           {QStringLiteral("check_number"), transaction.check_number},
                           {QStringLiteral("cleared"), flag(transaction.cleared)},
                           {QStringLiteral("reconciled"), flag(transaction.reconciled)},
                           {QStringLiteral("transfer_link_id"), transaction.transfer_link_id},
                           {QStringLiteral("transfer_dest_account_id"), transaction.transfer_dest_account_id},
                           {QStringLiteral("is_split"), flag(transaction.is_split)},
                           {QStringLiteral("recurring_id"), transaction.recurring_id},
                           {QStringLiteral("version"), transaction.version},
                       });
    // Lines left behind by a transaction that is no longer split are not its lines.
    if (transaction.is_split) {
        QJsonArray lines;
        for (const SplitLine& line : m_splitLines->listByTransaction(transaction.id)) {
            lines.append(QJsonObject{{QStringLiteral("category_id"), line.category_id},
                                     {QStringLiteral("amount"), line.amount},
                                     {QStringLiteral("memo"), line.memo}});
        }
        payload.insert(QStringLiteral("split_lines"), lines);
    }
    return payload;
}

QJsonObject ChangeRecordBuilder::payload(const Reconciliation& reconciliation) const
{
    QJsonObject payload = commonPayload(reconciliation);
    insertAll(payload, {
                           {QStringLiteral("account_id"), reconciliation.account_id},
                           {QStringLiteral("statement_date"), toIsoDate(reconciliation.statement_date)},
                           {QStringLiteral("statement_balance"), reconciliation.statement_balance},
                           {QStringLiteral("reconciled_balance"), reconciliation.reconciled_balance},
                           {QStringLiteral("completed_at"), toIsoUtc(reconciliation.completed_at)},
                           {QStringLiteral("version"), reconciliation.version},
                       });
    return payload;
}
