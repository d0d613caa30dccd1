#pragma once

#include "storage/Enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct RecurringTransaction
{
    QString id;
    QString account_id;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString category_id;
    Frequency frequency = Frequency::Monthly;
    int interval_count = 1;
    int semimonthly_day_1 = 1;  // 0 means the last day of the month
    int semimonthly_day_2 = 15; // 0 means the last day of the month
    QDate start_date;
    std::optional<QDate> end_date;
    QDate next_due_date;
    bool auto_post = false;
    int lead_days = 0;
    bool is_active = true;
    QString transfer_dest_account_id;
    int version = 1;
    SyncStatus sync_status = SyncStatus::Pending;
    QString server_id;
    QDateTime created_at;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    bool isTransfer() const { return !transfer_dest_account_id.isEmpty(); }
    bool operator==(const RecurringTransaction&) const = default;
};
