#pragma once

#include "import/QifImportRecord.h"

#include <QList>

#include <functional>

// Whether the transaction names its own account as the other side of a
// transfer (ignoring case): it moves nothing and is never linked.
bool isSelfTransfer(const QifTransaction& transaction);

// Pairs the two sides of each transfer inside one import: a record of account
// A naming [B] and a record of account B naming [A] (names ignoring case),
// on the same date with opposite amounts, mapped to two different accounts.
// Each record pairs with the earliest unpaired one that fits, in list order.
// Records without a source account, a transfer account, a target account or
// a readable amount, self-transfers and those `leftOut` names (by index)
// stay unpaired. Sets partnerIndex on both sides and returns the number of
// pairs. Linear in the number of records: the records wait in buckets of
// date, amount and account pair.
int pairTransfers(QList<QifImportRecord>& records, const std::function<bool(int)>& leftOut = {});
