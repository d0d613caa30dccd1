#pragma once

#include "storage/RecurringTransaction.h"

#include <QDate>

// The calendar arithmetic of recurring items: when the occurrence after a
// given one falls, and how an item moves on to its next occurrence.
class RecurrenceSchedule
{
public:
    // The occurrence after `date` for the item's frequency and interval (an
    // interval below 1 counts as 1). Invalid when `date` is, or when the
    // result would fall beyond year 9999.
    //
    // Month-based frequencies keep the day of month of the item's start date:
    // a monthly item that starts on January 31 falls on February 28 (29) and
    // then on March 31 again, not on March 28. A date that has been moved off
    // that pattern by hand becomes the new anchor.
    //
    // Semi-monthly items fall on their two days of every month (0 or a day
    // past the month's end means the month's last day); the interval does not
    // apply to them.
    static QDate nextDate(const RecurringTransaction& item, const QDate& date);

    // Moves `next_due_date` on by one occurrence and deactivates the item when
    // there is none left: past its end date, or no valid date.
    static void advance(RecurringTransaction& item);

    // True when the item's next due date can be posted: a valid date not
    // after the end date.
    static bool hasPostableOccurrence(const RecurringTransaction& item);
};
