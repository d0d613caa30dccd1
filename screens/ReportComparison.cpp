#include "screens/ReportComparison.h"

QList<ReportComparison::Kind> ReportComparison::kinds()
{
    return {Kind::ThisYearVsLastYear, Kind::LastYearVsYearBefore, Kind::ThisQuarterVsLastQuarter, Kind::Custom};
}

QString ReportComparison::label(Kind kind)
{
    switch (kind) {
    case Kind::ThisYearVsLastYear:
        return tr("This Year vs Last Year");
    case Kind::LastYearVsYearBefore:
        return tr("Last Year vs Year Before");
    case Kind::ThisQuarterVsLastQuarter:
        return tr("This Quarter vs Last Quarter");
    case Kind::Custom:
        return tr("Custom");
    }
    return {};
}

ReportComparison ReportComparison::forKind(Kind kind, const QDate& today)
{
    const QDate yearStart(today.year(), 1, 1);
    const QDate quarter = DateRange::quarterStart(today);
    switch (kind) {
    case Kind::ThisYearVsLastYear:
        return {{yearStart.addYears(-1), yearStart.addDays(-1)}, {yearStart, today}};
    case Kind::LastYearVsYearBefore:
        return {{yearStart.addYears(-2), yearStart.addYears(-1).addDays(-1)},
                {yearStart.addYears(-1), yearStart.addDays(-1)}};
    case Kind::ThisQuarterVsLastQuarter:
        return {{quarter.addMonths(-3), quarter.addDays(-1)}, {quarter, today}};
    case Kind::Custom:
        break;
    }
    return {};
}
