#pragma once

#include "storage/Enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct Reconciliation
{
    QString id;
    QString account_id;
    QDate statement_date;
    qint64 statement_balance = 0;
    qint64 reconciled_balance = 0;
    QDateTime completed_at;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    bool operator==(const Reconciliation&) const = default;
};
