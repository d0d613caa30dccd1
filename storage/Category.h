#pragma once

#include "storage/Enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Category
{
    QString id;
    QString name;
    CategoryType category_type = CategoryType::Expense;
    QString parent_id;
    bool is_tax_relevant = false;
    QString tax_category;
    QString icon;
    QString color;
    bool is_default = false;
    QString account_id;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    bool operator==(const Category&) const = default;
};
