#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

// A span of calendar days, both ends included, and the periods a user picks
// one from. Presets are worked out from a given day rather than the clock,
// so that any date can be checked; windows pass today's.
struct DateRange
{
    enum class Preset {
        ThisMonth,
        LastMonth,
        ThisQuarter,
        LastQuarter,
        ThisYear,
        LastYear,
        Last30Days,
        Last90Days,
        Last12Months,
        AllTime,
        Custom
    };

    QDate from;
    QDate to;

    bool operator==(const DateRange&) const = default;

    // In the order a list offers them, Custom last.
    static QList<Preset> presets();
    static QString label(Preset preset);
    // The preset's days as seen on `today`; Custom has none (null dates).
    static DateRange forPreset(Preset preset, const QDate& today);
    // The first day of the calendar quarter that `day` falls in.
    static QDate quarterStart(const QDate& day);

    // "01/01/2026 – 01/31/2026", the dates as every list shows them.
    QString text() const;

    Q_DECLARE_TR_FUNCTIONS(DateRange)
};
