#pragma once

#include <QDateTime>
#include <QString>

// One category share of a split transaction. Split lines travel with their
// transaction, so they carry no sync columns of their own.
struct SplitLine
{
    QString id;
    QString transaction_id;
    QString category_id;
    qint64 amount = 0;
    QString memo;
    QDateTime created_at;
    QDateTime updated_at;

    bool operator==(const SplitLine&) const = default;
};
