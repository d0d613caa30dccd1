#include "screens/DateRange.h"

#include "register/DateField.h"

namespace {

// "All Time" reaches back this far: earlier dates are not expected in a
// household ledger.
const QDate kEarliestDay(2000, 1, 1);

} // namespace

QList<DateRange::Preset> DateRange::presets()
{
    return {Preset::ThisMonth,  Preset::LastMonth,  Preset::ThisQuarter,  Preset::LastQuarter,
            Preset::ThisYear,   Preset::LastYear,   Preset::Last30Days,   Preset::Last90Days,
            Preset::Last12Months, Preset::AllTime, Preset::Custom};
}

QString DateRange::label(Preset preset)
{
    switch (preset) {
    case Preset::ThisMonth:
        return tr("This Month");
    case Preset::LastMonth:
        return tr("Last Month");
    case Preset::ThisQuarter:
        return tr("This Quarter");
    case Preset::LastQuarter:
        return tr("Last Quarter");
    case Preset::ThisYear:
        return tr("This Year");
    case Preset::LastYear:
        return tr("Last Year");
    case Preset::Last30Days:
        return tr("Last 30 Days");
    case Preset::Last90Days:
        return tr("Last 90 Days");
    case Preset::Last12Months:
        return tr("Last 12 Months");
    case Preset::AllTime:
        return tr("All Time");
    case Preset::Custom:
        return tr("Custom");
    }
    return {};
}

QDate DateRange::quarterStart(const QDate& day)
{
    return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
}

DateRange DateRange::forPreset(Preset preset, const QDate& today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarter = quarterStart(today);
    const QDate yearStart(today.year(), 1, 1);
    switch (preset) {
    case Preset::ThisMonth:
        return {monthStart, today};
    case Preset::LastMonth:
        return {monthStart.addMonths(-1), monthStart.addDays(-1)};
    case Preset::ThisQuarter:
        return {quarter, today};
    case Preset::LastQuarter:
        return {quarter.addMonths(-3), quarter.addDays(-1)};
    case Preset::ThisYear:
        return {yearStart, today};
    case Preset::LastYear:
        return {yearStart.addYears(-1), yearStart.addDays(-1)};
    case Preset::Last30Days:
        return {today.addDays(-30), today};
    case Preset::Last90Days:
        return {today.addDays(-90), today};
    case Preset::Last12Months:
        // Qt moves 29 February back to the 28th in a year without it.
        return {today.addYears(-1), today};
    case Preset::AllTime:
        return {kEarliestDay, today};
    case Preset::Custom:
        break;
    }
    return {};
}

QString DateRange::text() const
{
    return tr("%1 – %2").arg(DateField::toText(from), DateField::toText(to));
}
