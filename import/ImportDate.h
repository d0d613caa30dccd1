#pragma once

#include <QDate>
#include <QStringList>
#include <QStringView>

// Whether a numeric date such as 03/04/2024 names the month or the day first.
enum class DateOrder { MonthFirst, DayFirst };

// The years every import reads, CSV and QIF alike: a date outside them is a
// field that holds no date ("0024-01-05" is no statement of the year 24).
inline constexpr int kFirstImportYear = 1900;
inline constexpr int kLastImportYear = 2200;
bool isImportYear(int year);
// The date, or an invalid one when its year is outside the import's years.
QDate withinImportYears(const QDate& date);

// The common pivot for two-digit years, shared by every import and date
// field: 00 to 69 are 2000 to 2069, 70 to 99 are 1970 to 1999. Qt 6.4 reads
// "yy" as 19xx, which would put this year's bank statement in the last
// century. Other years are returned as they are.
int expandTwoDigitYear(int year);

// A date of three numbers separated by "/", "-" or ".": year first when the
// first has four digits (2024-01-31), else in `order`; day and month have one
// or two digits, the year two (expanded) or four. Invalid for anything else
// and outside the import's years.
QDate readNumericDate(QStringView text, DateOrder order);

// A date in any form bank files use: yyyyMMdd, a numeric date as
// readNumericDate reads it, or "May 14, 2026" ("MMMM d, yyyy", "MMM d, yyyy").
// Invalid when no form reads it, and outside the import's years.
QDate readDateAuto(QStringView text, DateOrder order);
