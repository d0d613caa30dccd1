#include "services/RecurrenceSchedule.h"

#include <algorithm>

namespace {

constexpr int kLastYear = 9999; // dates are stored as "yyyy-MM-dd"

QDate checked(const QDate& date)
{
    return date.isValid() && date.year() <= kLastYear ? date : QDate();
}

// The day of month that month-based occurrences return to.
int anchorDay(const RecurringTransaction& item, const QDate& date)
{
    if (!item.start_date.isValid())
        return date.day();
    const int startDay = item.start_date.day();
    const bool clampedToMonthEnd = date.day() == date.daysInMonth() && startDay > date.day();
    return date.day() == startDay || clampedToMonthEnd ? startDay : date.day();
}

QDate addMonthsKeepingDay(const QDate& date, qint64 months, int day)
{
    const qint64 monthIndex = qint64(date.year()) * 12 + (date.month() - 1) + months;
    if (monthIndex / 12 > kLastYear)
        return QDate();
    const int year = int(monthIndex / 12);
    const int month = int(monthIndex % 12) + 1;
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(day, first.daysInMonth()));
}

int dayInMonth(int day, const QDate& firstOfMonth)
{
    const int length = firstOfMonth.daysInMonth();
    return day <= 0 || day > length ? length : day;
}

QDate nextSemimonthly(const RecurringTransaction& item, const QDate& date)
{
    QDate month(date.year(), date.month(), 1);
    // Both days exist in every month, so the next one lies in this month or the next.
    for (int step = 0; step < 2; ++step, month = month.addMonths(1)) {
        const int a = dayInMonth(item.semimonthly_day_1, month);
        const int b = dayInMonth(item.semimonthly_day_2, month);
        for (const int day : {std::min(a, b), std::max(a, b)}) {
            const QDate candidate(month.year(), month.month(), day);
            if (candidate > date)
                return candidate;
        }
    }
    return QDate();
}

} // namespace

QDate RecurrenceSchedule::nextDate(const RecurringTransaction& item, const QDate& date)
{
    if (!date.isValid())
        return QDate();
    const qint64 interval = std::max(1, item.interval_count);
    switch (item.frequency) {
    case Frequency::Daily:
        return checked(date.addDays(interval));
    case Frequency::Weekly:
        return checked(date.addDays(7 * interval));
    case Frequency::Biweekly:
        return checked(date.addDays(14 * interval));
    case Frequency::Semimonthly:
        return checked(nextSemimonthly(item, date));
    case Frequency::Monthly:
        return addMonthsKeepingDay(date, interval, anchorDay(item, date));
    case Frequency::Quarterly:
        return addMonthsKeepingDay(date, 3 * interval, anchorDay(item, date));
    case Frequency::SemiAnnual:
        return addMonthsKeepingDay(date, 6 * interval, anchorDay(item, date));
    case Frequency::Annual:
        return addMonthsKeepingDay(date, 12 * interval, anchorDay(item, date));
    }
    return QDate();
}

void RecurrenceSchedule::advance(RecurringTransaction& item)
{
    const QDate next = nextDate(item, item.next_due_date);
    if (next.isValid())
        item.next_due_date = next;
    if (!hasPostableOccurrence(item) || !next.isValid())
        item.is_active = false;
}

bool RecurrenceSchedule::hasPostableOccurrence(const RecurringTransaction& item)
{
    return item.next_due_date.isValid() && (!item.end_date || item.next_due_date <= *item.end_date);
}
