#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Database;

// A household ledger of ten years for the benchmarks: three accounts, forty
// categories (every eighth tax-relevant, every thirteenth deleted), fifty
// recurring items, monthly reconciliations, and the transactions spread over
// the accounts, a tenth split over two categories and one in twenty a
// transfer. Ids are brace-less UUIDs like the application's own.
namespace benchledger {

inline constexpr int kTransactions = 100'000;
inline constexpr int kTransactionsPerDay = 27;
inline constexpr int kCategories = 40;
inline const QDate kFirstDay(2016, 1, 1);
inline const QDate kLastDay = kFirstDay.addDays(kTransactions / kTransactionsPerDay);

QStringList accountIds();
QString categoryId(int i);

// Writes the ledger into an open, empty database in one transaction. A
// household `busier` times as busy makes that many times the transactions
// over the same ten years (at 3, each account holds 100,000).
void fill(Database& db, int busier = 1);

} // namespace benchledger
