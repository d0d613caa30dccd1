#pragma once

#include "storage/Enums.h"

#include <QDate>
#include <QString>

// The rows of the eight reports. Amounts are in the smallest currency unit
// of the row's currency; spending and outflows are negative. Amounts of
// different currencies are never added up: over accounts of several
// currencies a summary has rows per currency, one currency after another.

struct CategorySpendingRow
{
    QString category;
    qint64 total = 0;
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const CategorySpendingRow&) const = default;
};

struct PayeeSummaryRow
{
    QString payee;
    qint64 total = 0;
    int count = 0;
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const PayeeSummaryRow&) const = default;
};

struct TaxReportRow
{
    QString category;
    QString taxCategory; // the stored tax key
    qint64 total = 0;
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const TaxReportRow&) const = default;
};

struct IncomeExpenseRow
{
    QString month; // "yyyy-MM"
    qint64 income = 0;
    qint64 expenses = 0; // zero or negative
    qint64 net = 0;
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const IncomeExpenseRow&) const = default;
};

struct CashFlowRow
{
    QString month; // "yyyy-MM"
    qint64 inflows = 0;
    qint64 outflows = 0; // zero or negative
    qint64 net = 0;
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const CashFlowRow&) const = default;
};

struct YearOverYearRow
{
    QString category;
    qint64 firstTotal = 0;
    qint64 secondTotal = 0;
    qint64 change = 0; // secondTotal - firstTotal
    Currency currency = Currency::USD; // of the accounts summed

    bool operator==(const YearOverYearRow&) const = default;
};

struct AccountSummaryRow
{
    QString name;
    QString accountType; // the stored type code, such as "credit_card"
    qint64 clearedBalance = 0;
    qint64 unclearedAmount = 0;
    qint64 balance = 0;
    Currency currency = Currency::USD; // the account's

    bool operator==(const AccountSummaryRow&) const = default;
};

struct TransactionReportRow
{
    QDate date;
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
    Currency currency = Currency::USD; // the account's

    bool operator==(const TransactionReportRow&) const = default;
};
