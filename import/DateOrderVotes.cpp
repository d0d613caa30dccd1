#include "import/DateOrderVotes.h"

void DateOrderVotes::add(bool dayFirstReads, bool monthFirstReads)
{
    if (dayFirstReads && !monthFirstReads)
        ++m_dayFirst;
    else if (monthFirstReads && !dayFirstReads)
        ++m_monthFirst;
}

std::optional<DateOrder> DateOrderVotes::decided() const
{
    if (m_dayFirst == 0 && m_monthFirst == 0)
        return std::nullopt;
    return m_dayFirst > m_monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
}
