#pragma once

#include "import/ImportDate.h"

#include <QDate>

#include <optional>

// Decides whether the numeric dates of a file name the day or the month
// first, so that every date of the file is read alike. Only a date that is
// a real day in one order and not in the other says anything: 13/04/2024
// votes day first, 04/13/2024 month first, while 03/04/2024 (a day either
// way) and 31/02/2024 or 99999-01-01 (a day in neither) do not vote.
class DateOrderVotes
{
public:
    // Counts one date by the day it is read as in each order (invalid when
    // it is none).
    void add(const QDate& dayFirst, const QDate& monthFirst);

    // Day first when more dates voted for it than for month first, else
    // month first, also when none voted but a date is another day in each
    // order (03/04/2024): the user is then told which order was taken.
    // None when the order changed no date.
    std::optional<DateOrder> decided() const;
    // As decided(), month first when none.
    DateOrder order() const { return decided().value_or(DateOrder::MonthFirst); }

private:
    int m_dayFirst = 0;
    int m_monthFirst = 0;
    // Dates that are one day in one order and another day in the other.
    int m_either = 0;
};
