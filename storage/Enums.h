#pragma once

#include <QString>

// Stored forms of the enumerations are part of the database and the sync
// protocol: never renumber a value or change its text.

enum class AccountType { Checking = 0, Savings = 1, CreditCard = 2, Cash = 3, Investment = 4, Other = 5 };
enum class Currency { USD = 0, EUR = 1, GBP = 2, CAD = 3, AUD = 4, JPY = 5 };
enum class CategoryType { Income = 0, Expense = 1, Transfer = 2 };
enum class Frequency {
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Semimonthly = 4,
    Quarterly = 5,
    SemiAnnual = 6,
    Annual = 7
};
enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

QString accountTypeToString(AccountType type);
// Unknown texts give Checking; `ok` (when given) tells whether the text was known.
AccountType accountTypeFromString(const QString& text, bool* ok = nullptr);

QString currencyToString(Currency currency);
// Unknown codes give USD, the application's default currency.
Currency currencyFromString(const QString& code, bool* ok = nullptr);

QString categoryTypeToString(CategoryType type);
CategoryType categoryTypeFromString(const QString& text, bool* ok = nullptr);

QString frequencyToString(Frequency frequency);
Frequency frequencyFromString(const QString& text, bool* ok = nullptr);

QString syncStatusToString(SyncStatus status);
SyncStatus syncStatusFromString(const QString& text, bool* ok = nullptr);
