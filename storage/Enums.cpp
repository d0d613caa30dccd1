#include "storage/Enums.h"

#include <array>
#include <utility>

namespace {

template <typename Enum, std::size_t N>
QString toText(const std::array<std::pair<Enum, const char*>, N>& table, Enum value, const char* fallback)
{
    for (const auto& [e, text] : table) {
        if (e == value)
            return QString::fromLatin1(text);
    }
    return QString::fromLatin1(fallback);
}

template <typename Enum, std::size_t N>
Enum fromText(const std::array<std::pair<Enum, const char*>, N>& table, const QString& text, Enum fallback, bool* ok)
{
    for (const auto& [e, t] : table) {
        if (text == QLatin1String(t)) {
            if (ok)
                *ok = true;
            return e;
        }
    }
    if (ok)
        *ok = false;
    return fallback;
}

constexpr std::array<std::pair<AccountType, const char*>, 6> kAccountTypes{{
    {AccountType::Checking, "checking"},
    {AccountType::Savings, "savings"},
    {AccountType::CreditCard, "credit_card"},
    {AccountType::Cash, "cash"},
    {AccountType::Investment, "investment"},
    {AccountType::Other, "other"},
}};

constexpr std::array<std::pair<Currency, const char*>, 6> kCurrencies{{
    {Currency::USD, "USD"},
    {Currency::EUR, "EUR"},
    {Currency::GBP, "GBP"},
    {Currency::CAD, "CAD"},
    {Currency::AUD, "AUD"},
    {Currency::JPY, "JPY"},
}};

constexpr std::array<std::pair<CategoryType, const char*>, 3> kCategoryTypes{{
    {CategoryType::Income, "income"},
    {CategoryType::Expense, "expense"},
    {CategoryType::Transfer, "transfer"},
}};

constexpr std::array<std::pair<Frequency, const char*>, 8> kFrequencies{{
    {Frequency::Daily, "daily"},
    {Frequency::Weekly, "weekly"},
    {Frequency::Biweekly, "biweekly"},
    {Frequency::Monthly, "monthly"},
    {Frequency::Semimonthly, "semimonthly"},
    {Frequency::Quarterly, "quarterly"},
    {Frequency::SemiAnnual, "semi_annual"},
    {Frequency::Annual, "annual"},
}};

constexpr std::array<std::pair<SyncStatus, const char*>, 3> kSyncStatuses{{
    {SyncStatus::Pending, "pending"},
    {SyncStatus::Synced, "synced"},
    {SyncStatus::Conflict, "conflict"},
}};

} // namespace

QString accountTypeToString(AccountType type) { return toText(kAccountTypes, type, "checking"); }
AccountType accountTypeFromString(const QString& text, bool* ok)
{
    return fromText(kAccountTypes, text, AccountType::Checking, ok);
}

QString currencyToString(Currency currency) { return toText(kCurrencies, currency, "USD"); }
Currency currencyFromString(const QString& code, bool* ok) { return fromText(kCurrencies, code, Currency::USD, ok); }

QString categoryTypeToString(CategoryType type) { return toText(kCategoryTypes, type, "expense"); }
CategoryType categoryTypeFromString(const QString& text, bool* ok)
{
    return fromText(kCategoryTypes, text, CategoryType::Expense, ok);
}

QString frequencyToString(Frequency frequency) { return toText(kFrequencies, frequency, "monthly"); }
Frequency frequencyFromString(const QString& text, bool* ok)
{
    return fromText(kFrequencies, text, Frequency::Monthly, ok);
}

QString syncStatusToString(SyncStatus status) { return toText(kSyncStatuses, status, "pending"); }
SyncStatus syncStatusFromString(const QString& text, bool* ok)
{
    return fromText(kSyncStatuses, text, SyncStatus::Pending, ok);
}
