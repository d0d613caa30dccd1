#pragma once

#include "storage/Enums.h"

#include <QList>
#include <QString>
#include <QStringList>

// An account that QIF files list transactions under, for the user to map to
// an account of the ledger (or skip) before the import.
struct QifSourceAccount
{
    // The key of the account mapping importQif takes: the name as the file
    // wrote it, or, for the transactions a file lists under no account, the
    // file's path.
    QString name;
    // What to call it: the name, or "<file name> (no account header)".
    QString displayName;
    bool noAccountHeader = false;
    // The type of an account created for it, from the file's block type.
    AccountType suggestedType = AccountType::Checking;
};

struct QifScanResult
{
    // In the order the files list them; one entry per name ignoring case.
    QList<QifSourceAccount> accounts;
    // The complete transactions of all files that could be read.
    int totalRecords = 0;
    // One sentence for the user for each file that could not be read; the
    // import of a set of files with any such file is refused.
    QStringList failures;
};
