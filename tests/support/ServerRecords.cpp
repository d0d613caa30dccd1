#include "tests/support/ServerRecords.h"

namespace serverrecords {

namespace {

QJsonObject common(const QString& clientId)
{
    return {{"client_id", clientId},
            {"version", 1},
            {"created_at", "2026-01-05T10:00:00Z"},
            {"updated_at", "2026-01-05T10:00:00Z"}};
}

} // namespace

QJsonObject with(QJsonObject record, std::initializer_list<std::pair<QString, QJsonValue>> changes)
{
    for (const auto& [key, value] : changes)
        record.insert(key, value);
    return record;
}

QJsonObject account(const QString& clientId)
{
    return with(common(clientId), {{"name", QStringLiteral("Checking %1").arg(clientId)},
                                   {"account_type", "checking"},
                                   {"currency", "USD"},
                                   {"is_shared", 0},
                                   {"institution", ""},
                                   {"account_number_last4", ""},
                                   {"starting_balance", 0},
                                   {"sort_order", 0}});
}

QJsonObject category(const QString& clientId)
{
    return with(common(clientId), {{"name", QStringLiteral("Category %1").arg(clientId)},
                                   {"category_type", "expense"},
                                   {"parent_id", ""},
                                   {"is_tax_relevant", 0},
                                   {"tax_category", ""},
                                   {"icon", ""},
                                   {"color", ""},
                                   {"is_default", 0},
                                   {"account_id", ""}});
}

QJsonObject recurring(const QString& clientId, const QString& accountId)
{
    return with(common(clientId), {{"account_id", accountId},
                                   {"payee", "Rent"},
                                   {"memo", ""},
                                   {"amount", -120000},
                                   {"category_id", ""},
                                   {"transfer_dest_account_id", ""},
                                   {"frequency", "monthly"},
                                   {"start_date", "2026-01-01"},
                                   {"next_due_date", "2026-04-01"},
                                   {"auto_post", 0},
                                   {"lead_days", 0},
                                   {"interval_count", 1},
                                   {"semimonthly_day_1", 1},
                                   {"semimonthly_day_2", 15},
                                   {"is_active", 1}});
}

QJsonObject transaction(const QString& clientId, const QString& accountId)
{
    return with(common(clientId), {{"account_id", accountId},
                                   {"date", "2026-03-14"},
                                   {"payee", "Grocer"},
                                   {"memo", ""},
                                   {"amount", -2500},
                                   {"category_id", ""},
                                   {"check_number", ""},
                                   {"cleared", 0},
                                   {"reconciled", 0},
                                   {"transfer_link_id", ""},
                                   {"transfer_dest_account_id", ""},
                                   {"is_split", 0},
                                   {"recurring_id", ""}});
}

QJsonObject reconciliation(const QString& clientId, const QString& accountId)
{
    return with(common(clientId), {{"account_id", accountId},
                                   {"statement_date", "2026-02-28"},
                                   {"statement_balance", 150000},
                                   {"reconciled_balance", 150000},
                                   {"completed_at", "2026-03-01T09:00:00Z"}});
}

} // namespace serverrecords
