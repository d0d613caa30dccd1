#pragma once

#include <QDate>
#include <QList>
#include <QString>

// What a QIF file holds, as parseQif reads it. Amounts stay the text the file
// wrote: how many minor units it means depends on the currency of the
// account it goes into (a yen account has no cents), which only the import
// knows. parseQifAmount reads it then.

// The kind of transaction block a "!Type:" header opens.
enum class QifAccountType { Bank = 0, CreditCard = 1, Investment = 2, Cash = 3, OtherAsset = 4, OtherLiability = 5 };

// One category share of a split transaction (S, E and $ lines).
struct QifSplit
{
    QString category;
    // The account of an "[Account]" category; category is then empty.
    QString transferAccount;
    QString memo;
    // As written, also when it cannot be read (the import then refuses the
    // record); empty when the split named no amount (it is 0).
    QString amountText;
};

struct QifTransaction
{
    QDate date;
    QString payee;
    // The T, U or $ value as written; a record without a readable one is
    // never returned.
    QString amountText;
    QString memo;
    QString category;
    // The account of an "[Account]" L value; category is then empty.
    QString transferAccount;
    QString number;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    // The name of the account block the record stood in; empty before any.
    QString sourceAccount;
    // The line of the file the record starts on, counting from 1.
    int line = 0;
};

// An entry of a "!Type:Cat" list.
struct QifCategory
{
    QString name;
    QString description;
    bool isIncome = false;
};

// An account the file lists transactions under.
struct QifAccount
{
    QString name;
    // The block type current when its first transaction ended.
    QifAccountType type = QifAccountType::Bank;
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategory> categories;
    // Transaction records with content but no readable date or amount, or
    // with a line longer than ImportFile::kMaxRecordChars.
    int incompleteRecords = 0;
    // The lines longer than that, counting from 1, in file order. Each
    // spoils the record it stands in; one in an account block also the
    // transactions listed under that account, which cannot be told apart
    // from another's.
    QList<int> overlongLines;
    // Records of blocks that hold no transactions (classes, memorized
    // transactions, securities, prices, options).
    int skippedRecords = 0;
    // In order of first appearance, one per name ignoring case.
    QList<QifAccount> accounts;
};
