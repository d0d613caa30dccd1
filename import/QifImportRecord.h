#pragma once

#include "import/QifParseResult.h"

#include <QList>
#include <QString>

#include <optional>

// One transaction of a QIF import, as the file gave it and where it goes.
struct QifImportRecord : QifTransaction
{
    // The file it was read from, and that file's place among the import's.
    QString file;
    int fileIndex = 0;
    // The account its source account is mapped to; empty when unmapped.
    QString targetAccountId;
    // The amount and the split amounts in the target account's minor units;
    // none when unmapped, or when an amount is beyond what the target's
    // currency holds.
    std::optional<qint64> amount;
    QList<qint64> splitAmounts;
    // The file's split lines did not add up to the amount: the last line,
    // uncategorized, was added for the difference.
    bool remainderAdded = false;
    // The other side of its transfer in the same import; -1 when none.
    int partnerIndex = -1;
    // Given before anything is written, so that both sides of a transfer can
    // name each other.
    QString transactionId;
};
