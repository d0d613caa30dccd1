#pragma once

#include "storage/Transaction.h"

#include <QString>

// One line of an account register: the transaction, the account balance
// right after it, and what the category column shows for it.
struct RegisterRow
{
    Transaction transaction;
    qint64 runningBalance = 0;
    QString categoryText;
    // Whether the row shows as a transfer, categoryText naming the other
    // account: it has an other side that names it back, or it names only
    // the account its other side is in.
    bool transfer = false;
};
