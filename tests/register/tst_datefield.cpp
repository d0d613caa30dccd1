#include "register/DateField.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestDateField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesTypedDates_data();
    void parsesTypedDates();
    void startsAtToday();
    void unreadableTextStaysButLeavesTheStoredDate();
    void finishedEditingStoresTheTypedDate();
    void setDateSignalsOnlyAChange();
};

void TestDateField::parsesTypedDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("M/d/yyyy") << "3/7/2024" << QDate(2024, 3, 7);
    QTest::newRow("MM/dd/yyyy") << "03/07/2024" << QDate(2024, 3, 7);
    QTest::newRow("surrounding blanks") << "  12/31/1999 " << QDate(1999, 12, 31);
    QTest::newRow("four-digit year before the pivot") << "1/1/1969" << QDate(1969, 1, 1);

    QTest::newRow("yy 00 is 2000") << "1/1/00" << QDate(2000, 1, 1);
    QTest::newRow("yy 24 is 2024") << "3/7/24" << QDate(2024, 3, 7);
    QTest::newRow("yy 69 is 2069") << "12/31/69" << QDate(2069, 12, 31);
    QTest::newRow("yy 70 is 1970") << "01/01/70" << QDate(1970, 1, 1);
    QTest::newRow("yy 99 is 1999") << "6/15/99" << QDate(1999, 6, 15);

    QTest::newRow("leap day") << "2/29/2024" << QDate(2024, 2, 29);
    QTest::newRow("leap day of a two-digit year") << "2/29/00" << QDate(2000, 2, 29);

    QTest::newRow("February 30th") << "2/30/2024" << QDate();
    QTest::newRow("leap day of a common year") << "2/29/2023" << QDate();
    QTest::newRow("month 13") << "13/1/2024" << QDate();
    QTest::newRow("day 0") << "1/0/2024" << QDate();
    QTest::newRow("year 0") << "1/1/0000" << QDate();
    QTest::newRow("three-digit year") << "1/1/024" << QDate();
    QTest::newRow("three-digit month") << "001/1/2024" << QDate();
    QTest::newRow("dashes") << "1-2-2024" << QDate();
    QTest::newRow("ISO order") << "2024/01/02" << QDate();
    const int thisYear = QDate::currentDate().year();
    QTest::newRow("M/d is this year") << "12/5" << QDate(thisYear, 12, 5);
    QTest::newRow("MM/dd is this year") << " 01/02 " << QDate(thisYear, 1, 2);
    // Valid only when this year is a leap year.
    QTest::newRow("leap day without a year") << "2/29" << QDate(thisYear, 2, 29);
    QTest::newRow("impossible day without a year") << "4/31" << QDate();
    QTest::newRow("slash without a year") << "1/2/" << QDate();
    QTest::newRow("words") << "yesterday" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("non-ASCII digits") << QStringLiteral("١/٢/٢٠٢٤") << QDate();
}

void TestDateField::parsesTypedDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateField::parseDate(text), expected);
}

void TestDateField::startsAtToday()
{
    DateField field;
    QCOMPARE(field.date(), QDate::currentDate());
    QCOMPARE(field.findChild<QLineEdit*>()->text(), QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
}

void TestDateField::unreadableTextStaysButLeavesTheStoredDate()
{
    DateField field;
    field.setDate(QDate(2023, 5, 6));
    auto* edit = field.findChild<QLineEdit*>();
    QVERIFY(field.hasValidText());

    edit->setText(QStringLiteral("2/30/2023"));
    QCOMPARE(field.date(), QDate(2023, 5, 6));
    QVERIFY(!field.hasValidText());

    // Leaving the field keeps the mistake in view for the user to correct.
    QSignalSpy changed(&field, &DateField::dateChanged);
    Q_EMIT edit->editingFinished();
    QCOMPARE(edit->text(), QStringLiteral("2/30/2023"));
    QVERIFY(!field.hasValidText());
    QCOMPARE(changed.count(), 0);
    // It is marked as not in force, until it reads as a date again.
    const QColor normal = field.palette().color(QPalette::Text);
    QVERIFY(edit->palette().color(QPalette::Text) != normal);
    QVERIFY(!edit->toolTip().isEmpty());
    edit->setText(QStringLiteral("3/1/2023"));
    QCOMPARE(edit->palette().color(QPalette::Text), normal);
    QVERIFY(edit->toolTip().isEmpty());
}

void TestDateField::finishedEditingStoresTheTypedDate()
{
    DateField field;
    field.setDate(QDate(2023, 5, 6));
    auto* edit = field.findChild<QLineEdit*>();
    QSignalSpy changed(&field, &DateField::dateChanged);

    edit->setText(QStringLiteral("7/4/76"));
    QCOMPARE(field.date(), QDate(1976, 7, 4));
    Q_EMIT edit->editingFinished();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDate(), QDate(1976, 7, 4));
    QCOMPARE(edit->text(), QStringLiteral("07/04/1976"));

    // Once stored, garbage falls back to the new date rather than the old one.
    edit->setText(QStringLiteral("nonsense"));
    QCOMPARE(field.date(), QDate(1976, 7, 4));
}

void TestDateField::setDateSignalsOnlyAChange()
{
    DateField field;
    QSignalSpy changed(&field, &DateField::dateChanged);
    auto* edit = field.findChild<QLineEdit*>();

    field.setDate(QDate(2022, 1, 31));
    field.setDate(QDate(2022, 1, 31));
    QCOMPARE(changed.count(), 1);

    // Setting the same date again still shows it over half-typed text.
    edit->setText(QStringLiteral("1/3/"));
    field.setDate(QDate(2022, 1, 31));
    QCOMPARE(edit->text(), QStringLiteral("01/31/2022"));
    QCOMPARE(changed.count(), 1);

    field.setDate(QDate());
    QCOMPARE(field.date(), QDate(2022, 1, 31));
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TestDateField)
#include "tst_datefield.moc"
