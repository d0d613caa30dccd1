#include "import/DateOrderVotes.h"

void DateOrderVotes::add(const QDate& dayFirst, const QDate& monthFirst)
{
    if (dayFirst.isValid() && !monthFirst.isValid())
        ++m_dayFirst;
    else if (monthFirst.isValid() && !dayFirst.isValid())
        ++m_monthFirst;
    else if (dayFirst.isValid() && dayFirst != monthFirst)
        ++m_either;
}

std::optional<DateOrder> DateOrderVotes::decided() const
{
    if (m_dayFirst == 0 && m_monthFirst == 0 && m_either == 0)
        return std::nullopt;
    return m_dayFirst > m_monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
}
