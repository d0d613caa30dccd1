#pragma once

#include <QString>

#include <optional>

// A QIF transfer whose other side was not at hand when it was imported keeps
// the other account's name in front of its memo, "[→ Savings] memo", until an
// import of that account finds it and links the two (the hint is then taken
// away). Everywhere else the memo is ordinary text.
struct TransferHint
{
    // The other account's name as its own file wrote it.
    QString account;
    // The memo after the hint.
    QString rest;
};

// "[→ account]".
QString makeTransferHint(const QString& account);

// The memo with the hint in front, parted from its text by a blank.
QString withTransferHint(const QString& memo, const QString& account);

// The hint a memo starts with; none when it starts with none or names no account.
std::optional<TransferHint> parseTransferHint(const QString& memo);
