#pragma once

#include <QStringList>

// What a backup restore did, per table in restore order. A skipped row was
// left out: it exists and the mode kept the local one, or it could not be
// restored (then an error text says why).
struct BackupImportResult
{
    int accountsImported = 0;
    int categoriesImported = 0;
    int transactionsImported = 0;
    int splitLinesImported = 0;
    int recurringImported = 0;
    int reconciliationsImported = 0;

    int accountsSkipped = 0;
    int categoriesSkipped = 0;
    int transactionsSkipped = 0;
    int splitLinesSkipped = 0;
    int recurringSkipped = 0;
    int reconciliationsSkipped = 0;

    // Restored split transactions whose lines did not add up to their amount
    // (lines lost or refused) and got an uncategorized line for the difference.
    int splitRemaindersAdded = 0;

    QStringList errors;

    int importedCount() const
    {
        return accountsImported + categoriesImported + transactionsImported + splitLinesImported + recurringImported
            + reconciliationsImported;
    }
    int skippedCount() const
    {
        return accountsSkipped + categoriesSkipped + transactionsSkipped + splitLinesSkipped + recurringSkipped
            + reconciliationsSkipped;
    }
    // Nothing was restored and something went wrong: not a backup, another
    // version, a file that cannot be read, a database error.
    bool failed() const { return importedCount() == 0 && !errors.isEmpty(); }
};
