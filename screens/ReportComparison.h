#pragma once

#include "screens/DateRange.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// The two periods the year-over-year report sets side by side, and the
// pairs a user picks them from, worked out from a given day.
struct ReportComparison
{
    enum class Kind { ThisYearVsLastYear, LastYearVsYearBefore, ThisQuarterVsLastQuarter, Custom };

    DateRange first;
    DateRange second;

    bool operator==(const ReportComparison&) const = default;

    // In the order a list offers them, Custom last.
    static QList<Kind> kinds();
    static QString label(Kind kind);
    // The pair as seen on `today`; Custom has none (null dates).
    static ReportComparison forKind(Kind kind, const QDate& today);

    Q_DECLARE_TR_FUNCTIONS(ReportComparison)
};
