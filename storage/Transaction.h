#pragma once

#include "storage/Enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct Transaction
{
    QString id;
    QString account_id;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString category_id;
    QString check_number;
    bool cleared = false;
    bool reconciled = false;
    QString transfer_link_id;
    QString transfer_dest_account_id;
    bool is_split = false;
    QString recurring_id;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    // Names another row as the other side of a transfer. That row is one
    // only when it names this one back (TransactionRepository::transferPartner).
    bool isTransfer() const { return !transfer_link_id.isEmpty(); }
    bool operator==(const Transaction&) const = default;
};
