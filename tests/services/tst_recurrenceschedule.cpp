#include "services/RecurrenceSchedule.h"

#include <QtTest>

namespace {

RecurringTransaction item(Frequency frequency, const QDate& start, int interval = 1)
{
    RecurringTransaction item;
    item.frequency = frequency;
    item.interval_count = interval;
    item.start_date = start;
    item.next_due_date = start;
    return item;
}

QList<QDate> occurrences(const RecurringTransaction& item, int count)
{
    QList<QDate> dates{item.next_due_date};
    while (dates.size() < count)
        dates << RecurrenceSchedule::nextDate(item, dates.last());
    return dates;
}

} // namespace

class TestRecurrenceSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void periods_data();
    void periods();
    void monthEndsReturnToTheStartDay();
    void semimonthlyDays();
    void advanceDeactivatesPastTheEndDate();
};

void TestRecurrenceSchedule::periods_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");

    const auto add = [](const char* name, Frequency f, int interval, QDate from, QDate expected) {
        QTest::newRow(name) << int(f) << interval << from << expected;
    };
    add("daily", Frequency::Daily, 1, QDate(2026, 12, 31), QDate(2027, 1, 1));
    add("daily x3", Frequency::Daily, 3, QDate(2026, 2, 27), QDate(2026, 3, 2));
    add("interval 0 counts as 1", Frequency::Daily, 0, QDate(2026, 5, 1), QDate(2026, 5, 2));
    add("weekly x2", Frequency::Weekly, 2, QDate(2026, 5, 1), QDate(2026, 5, 15));
    add("biweekly", Frequency::Biweekly, 1, QDate(2026, 5, 1), QDate(2026, 5, 15));
    add("biweekly x2", Frequency::Biweekly, 2, QDate(2026, 5, 1), QDate(2026, 5, 29));
    add("monthly x3", Frequency::Monthly, 3, QDate(2026, 11, 15), QDate(2027, 2, 15));
    add("quarterly across years", Frequency::Quarterly, 1, QDate(2026, 11, 15), QDate(2027, 2, 15));
    add("quarterly x2", Frequency::Quarterly, 2, QDate(2026, 10, 15), QDate(2027, 4, 15));
    add("semi-annual", Frequency::SemiAnnual, 1, QDate(2026, 9, 1), QDate(2027, 3, 1));
    add("annual x2", Frequency::Annual, 2, QDate(2026, 7, 4), QDate(2028, 7, 4));
    add("beyond year 9999", Frequency::Annual, 1, QDate(9999, 6, 1), QDate());
}

void TestRecurrenceSchedule::periods()
{
    QFETCH(int, frequency);
    QFETCH(int, interval);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QCOMPARE(RecurrenceSchedule::nextDate(item(Frequency(frequency), from, interval), from), expected);
}

void TestRecurrenceSchedule::monthEndsReturnToTheStartDay()
{
    QCOMPARE(occurrences(item(Frequency::Monthly, QDate(2026, 1, 31)), 4),
             (QList<QDate>{QDate(2026, 1, 31), QDate(2026, 2, 28), QDate(2026, 3, 31), QDate(2026, 4, 30)}));
    QCOMPARE(occurrences(item(Frequency::Monthly, QDate(2028, 1, 31)), 3),
             (QList<QDate>{QDate(2028, 1, 31), QDate(2028, 2, 29), QDate(2028, 3, 31)}));
    QCOMPARE(occurrences(item(Frequency::Quarterly, QDate(2026, 11, 30)), 3),
             (QList<QDate>{QDate(2026, 11, 30), QDate(2027, 2, 28), QDate(2027, 5, 30)}));
    QCOMPARE(occurrences(item(Frequency::Annual, QDate(2028, 2, 29)), 5),
             (QList<QDate>{QDate(2028, 2, 29), QDate(2029, 2, 28), QDate(2030, 2, 28), QDate(2031, 2, 28),
                           QDate(2032, 2, 29)}));

    // A due date moved by hand off the start day becomes the new day of month.
    RecurringTransaction moved = item(Frequency::Monthly, QDate(2026, 1, 31));
    QCOMPARE(RecurrenceSchedule::nextDate(moved, QDate(2026, 2, 10)), QDate(2026, 3, 10));
}

void TestRecurrenceSchedule::semimonthlyDays()
{
    RecurringTransaction firstAndLast = item(Frequency::Semimonthly, QDate(2026, 1, 1), 4);
    firstAndLast.semimonthly_day_1 = 1;
    firstAndLast.semimonthly_day_2 = 0;
    QCOMPARE(occurrences(firstAndLast, 5), (QList<QDate>{QDate(2026, 1, 1), QDate(2026, 1, 31), QDate(2026, 2, 1),
                                                         QDate(2026, 2, 28), QDate(2026, 3, 1)}));

    RecurringTransaction clamped = item(Frequency::Semimonthly, QDate(2026, 2, 15));
    clamped.semimonthly_day_1 = 15;
    clamped.semimonthly_day_2 = 30;
    QCOMPARE(occurrences(clamped, 4),
             (QList<QDate>{QDate(2026, 2, 15), QDate(2026, 2, 28), QDate(2026, 3, 15), QDate(2026, 3, 30)}));

    // Days in either order; a start between them goes to the nearer one.
    RecurringTransaction reversed = item(Frequency::Semimonthly, QDate(2026, 12, 10));
    reversed.semimonthly_day_1 = 20;
    reversed.semimonthly_day_2 = 5;
    QCOMPARE(occurrences(reversed, 3), (QList<QDate>{QDate(2026, 12, 10), QDate(2026, 12, 20), QDate(2027, 1, 5)}));
}

void TestRecurrenceSchedule::advanceDeactivatesPastTheEndDate()
{
    RecurringTransaction weekly = item(Frequency::Weekly, QDate(2026, 3, 1));
    weekly.end_date = QDate(2026, 3, 8);
    RecurrenceSchedule::advance(weekly);
    QCOMPARE(weekly.next_due_date, QDate(2026, 3, 8));
    QVERIFY(weekly.is_active); // the end date itself is still an occurrence
    RecurrenceSchedule::advance(weekly);
    QCOMPARE(weekly.next_due_date, QDate(2026, 3, 15));
    QVERIFY(!weekly.is_active);

    RecurringTransaction last = item(Frequency::Annual, QDate(9999, 1, 1));
    RecurrenceSchedule::advance(last);
    QCOMPARE(last.next_due_date, QDate(9999, 1, 1));
    QVERIFY(!last.is_active);
}

QTEST_GUILESS_MAIN(TestRecurrenceSchedule)
#include "tst_recurrenceschedule.moc"
