#pragma once

#include <QStringList>

#include <optional>

// A transfer is two transactions that name each other. What comes from the
// sync service may name a partner that names another, or that has not come
// yet; such a one-sided link makes no transfer. The pull keeps it as sent,
// since the partner may still come on a later page, and looks once a pass
// is over. Statements run on the default connection.
namespace transferlinks {

// Of `transactionIds`, the live transactions whose partner does not name
// them back (or is missing or deleted), in id order; empty when the store
// could not be read.
std::optional<QStringList> oneSided(const QStringList& transactionIds);

} // namespace transferlinks
