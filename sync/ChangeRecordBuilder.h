#pragma once

#include "sync/PendingRecord.h"

#include <QJsonObject>

class SplitLineRepository;

// Turns a pending record into the change record the push sends:
// {"entity_type", "entity_id", "action", "version", "payload"}. The payload
// holds the record's fields under their column names, flags as 1/0, amounts
// as whole minor units, dates as "yyyy-MM-dd" and times as UTC ISO text.
class ChangeRecordBuilder
{
public:
    explicit ChangeRecordBuilder(const SplitLineRepository* splitLines);

    QJsonObject build(const PendingRecord& record) const;

private:
    QJsonObject payload(const Account& account) const;
    QJsonObject payload(const Category& category) const;
    QJsonObject payload(const RecurringTransaction& recurring) const;
    QJsonObject payload(const Transaction& transaction) const;
    QJsonObject payload(const Reconciliation& reconciliation) const;

    const SplitLineRepository* m_splitLines;
};
