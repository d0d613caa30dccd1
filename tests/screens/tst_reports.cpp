#include "screens/DateRange.h"
#include "screens/ReportComparison.h"

#include <QtTest>

namespace {

using Preset = DateRange::Preset;

QDate day(int year, int month, int d) { return QDate(year, month, d); }

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void datePresets_data();
    void datePresets();
    void comparisons_data();
    void comparisons();
};

void TestReports::datePresets_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");

    QTest::newRow("last month on the 31st") << Preset::LastMonth << day(2026, 3, 31) << day(2026, 2, 1)
                                            << day(2026, 2, 28);
    QTest::newRow("last month in January") << Preset::LastMonth << day(2026, 1, 15) << day(2025, 12, 1)
                                           << day(2025, 12, 31);
    QTest::newRow("last quarter") << Preset::LastQuarter << day(2026, 5, 14) << day(2026, 1, 1) << day(2026, 3, 31);
    QTest::newRow("last quarter across a year") << Preset::LastQuarter << day(2026, 2, 10) << day(2025, 10, 1)
                                                << day(2025, 12, 31);
    QTest::newRow("this quarter on its last day") << Preset::ThisQuarter << day(2026, 12, 31) << day(2026, 10, 1)
                                                  << day(2026, 12, 31);
    QTest::newRow("last 12 months on 29 February") << Preset::Last12Months << day(2028, 2, 29) << day(2027, 2, 28)
                                                   << day(2028, 2, 29);
    QTest::newRow("last year") << Preset::LastYear << day(2026, 1, 1) << day(2025, 1, 1) << day(2025, 12, 31);
    QTest::newRow("all time") << Preset::AllTime << day(2026, 7, 4) << day(2000, 1, 1) << day(2026, 7, 4);
    QTest::newRow("custom has no days") << Preset::Custom << day(2026, 7, 4) << QDate() << QDate();
}

void TestReports::datePresets()
{
    QFETCH(Preset, preset);
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QCOMPARE(DateRange::forPreset(preset, today), (DateRange{from, to}));
}

void TestReports::comparisons_data()
{
    QTest::addColumn<ReportComparison::Kind>("kind");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<ReportComparison>("expected");

    QTest::newRow("this quarter vs last, in January")
        << ReportComparison::Kind::ThisQuarterVsLastQuarter << day(2026, 1, 15)
        << ReportComparison{{day(2025, 10, 1), day(2025, 12, 31)}, {day(2026, 1, 1), day(2026, 1, 15)}};
    QTest::newRow("this year vs last") << ReportComparison::Kind::ThisYearVsLastYear << day(2028, 2, 29)
                                       << ReportComparison{{day(2027, 1, 1), day(2027, 12, 31)},
                                                           {day(2028, 1, 1), day(2028, 2, 29)}};
    QTest::newRow("last year vs the one before") << ReportComparison::Kind::LastYearVsYearBefore << day(2026, 3, 1)
                                                 << ReportComparison{{day(2024, 1, 1), day(2024, 12, 31)},
                                                                     {day(2025, 1, 1), day(2025, 12, 31)}};
}

void TestReports::comparisons()
{
    QFETCH(ReportComparison::Kind, kind);
    QFETCH(QDate, today);
    QFETCH(ReportComparison, expected);
    QCOMPARE(ReportComparison::forKind(kind, today), expected);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
