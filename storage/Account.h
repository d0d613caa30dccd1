#pragma once

#include "storage/Enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Account
{
    QString id;
    QString name;
    AccountType account_type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString account_number_last4;
    qint64 starting_balance = 0;
    int sort_order = 0;
    bool is_shared = false;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    bool operator==(const Account&) const = default;
};
