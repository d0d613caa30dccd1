#pragma once

#include "storage/Category.h"
#include "storage/SplitLine.h"
#include "storage/Transaction.h"

#include <QList>
#include <QString>

#include <optional>

class AppState;

// One transaction as the user leaves it in a form, with what goes with it:
// its split lines, the other account of a transfer, and categories to create
// with it. RegisterEditor stores a draft as one action.
struct TransactionDraft
{
    // For a split, `is_split` is set and `amount` is the sum of the lines.
    Transaction transaction;
    // The category shares of a split, amounts signed as the transaction's.
    QList<SplitLine> splitLines;
    // The other account of a transfer; empty when this is none.
    QString transferAccountId;
    // What the other account receives (or pays), in its own currency, when
    // that differs from this account's; same-currency sides mirror the amount.
    std::optional<qint64> transferAmount;
    // Categories the user asked for by typing their names; stored with the
    // transaction, whose category_id or split lines name them.
    QList<Category> newCategories;

    bool isTransfer() const { return !transferAccountId.isEmpty(); }
    qint64 splitTotal() const;
};

// The draft of a stored transaction: its split lines and the account at the
// other end of a transfer (the linked row's account when the row names none).
TransactionDraft storedDraft(AppState* appState, const Transaction& transaction);
