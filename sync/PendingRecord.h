#pragma once

#include "storage/Account.h"
#include "storage/Category.h"
#include "storage/Reconciliation.h"
#include "storage/RecurringTransaction.h"
#include "storage/Transaction.h"

#include <QString>

#include <variant>

// One local record waiting for the sync service, of any of the five kinds.
// The order of the alternatives is the order in which a pass sends them.
using PendingRecord = std::variant<Account, Category, RecurringTransaction, Transaction, Reconciliation>;

// The "entity_type" of a change record, by alternative index.
inline const QString& entityTypeAt(std::size_t kind)
{
    static const QString names[] = {QStringLiteral("account"), QStringLiteral("category"),
                                    QStringLiteral("recurring"), QStringLiteral("transaction"),
                                    QStringLiteral("reconciliation")};
    return names[kind];
}

inline constexpr std::size_t kRecordKinds = std::variant_size_v<PendingRecord>;

// The record type of one kind, by alternative index.
template <std::size_t Kind>
using RecordKindAt = std::variant_alternative_t<Kind, PendingRecord>;
