#include "register/SmartAmountField.h"
#include "storage/Money.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Types into the field as a user does after selecting its whole text.
void typeInto(SmartAmountField& field, const QString& text)
{
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
}

} // namespace

class TestSmartAmountField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void typedAmounts_data();
    void typedAmounts();
    void typedAmountsInTheLocale_data();
    void typedAmountsInTheLocale();
    void blankReadsAsZero();
    void refusesWhatCannotBeAnAmount_data();
    void refusesWhatCannotBeAnAmount();
    void yenHaveNoDecimals();
    void centsComeBackAfterAYenDetour();
    void minorUnitsRoundHalfAwayFromZero_data();
    void minorUnitsRoundHalfAwayFromZero();
    void shownTextReadsBackExactly();

private:
    QLocale m_savedLocale;
};

void TestSmartAmountField::initTestCase()
{
    m_savedLocale = QLocale();
}

void TestSmartAmountField::init()
{
    // The machine's own locale must not decide what the field shows.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestSmartAmountField::cleanup()
{
    setAmountAutoDecimal(false);
    QLocale::setDefault(m_savedLocale);
}

void TestSmartAmountField::typedAmounts_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("minorUnits");

    QTest::newRow("whole units") << false << "1234" << qint64(123400);
    QTest::newRow("with point") << false << "12.5" << qint64(1250);
    QTest::newRow("group commas") << false << "1,234.56" << qint64(123456);
    QTest::newRow("negative") << false << "-12.34" << qint64(-1234);
    QTest::newRow("leading point") << false << ".5" << qint64(50);
    QTest::newRow("leading point, two digits") << false << ".50" << qint64(50);
    QTest::newRow("negative leading point") << false << "-.5" << qint64(-50);

    QTest::newRow("auto: digits are cents") << true << "1234" << qint64(1234);
    QTest::newRow("auto: one digit") << true << "5" << qint64(5);
    QTest::newRow("auto: a point turns it off") << true << "12.5" << qint64(1250);
    QTest::newRow("auto: trailing point") << true << "12." << qint64(1200);
    QTest::newRow("auto: negative cents") << true << "-1234" << qint64(-1234);
    QTest::newRow("auto: leading point") << true << ".5" << qint64(50);
}

void TestSmartAmountField::typedAmounts()
{
    QFETCH(bool, autoDecimal);
    QFETCH(QString, typed);
    QFETCH(qint64, minorUnits);

    setAmountAutoDecimal(autoDecimal);
    SmartAmountField field;
    field.setRange(-99999999.99, 99999999.99);
    field.setPrefix(QStringLiteral("$ "));
    QSignalSpy changed(&field, &SmartAmountField::valueChanged);

    typeInto(field, typed);
    QCOMPARE(field.minorUnits(), minorUnits);
    QCOMPARE(field.value(), double(minorUnits) / 100.0);
    QVERIFY(!changed.isEmpty());

    // Leaving the field shows the amount with its decimals, which reads back
    // to the same value with auto-decimal on or off.
    field.interpretText();
    QVERIFY(field.text().startsWith(QStringLiteral("$ ")));
    setAmountAutoDecimal(!autoDecimal);
    field.interpretText();
    QCOMPARE(field.minorUnits(), minorUnits);
}

void TestSmartAmountField::typedAmountsInTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("minorUnits");
    QTest::addColumn<QString>("shown");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);

    QTest::newRow("de comma") << german << Currency::USD << "12,50" << qint64(1250) << "12,50";
    QTest::newRow("de point") << german << Currency::USD << "12.50" << qint64(1250) << "12,50";
    QTest::newRow("de many groups") << german << Currency::EUR << "1.234.567,89" << qint64(123456789)
                                    << "1234567,89";
    QTest::newRow("de yen") << german << Currency::JPY << "1.500" << qint64(1500) << "1500";
    QTest::newRow("en comma point") << english << Currency::USD << "12,50" << qint64(1250) << "12.50";
    QTest::newRow("en many groups") << english << Currency::USD << "1,234,567.89" << qint64(123456789)
                                    << "1234567.89";
    QTest::newRow("en yen") << english << Currency::JPY << "1,500" << qint64(1500) << "1500";
}

void TestSmartAmountField::typedAmountsInTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, minorUnits);
    QFETCH(QString, shown);

    QLocale::setDefault(locale);
    SmartAmountField field;
    field.setCurrency(currency);
    field.setRange(-99999999.99, 99999999.99);
    field.setPrefix(QStringLiteral("€ "));

    // Every key is taken: no text on the way to an amount is refused.
    typeInto(field, typed);
    QCOMPARE(field.text(), QStringLiteral("€ ") + typed);
    QCOMPARE(field.minorUnits(), minorUnits);

    // What the field shows reads back as the same amount.
    field.interpretText();
    QCOMPARE(field.text(), QStringLiteral("€ ") + shown);
    field.setMinorUnits(0);
    typeInto(field, shown);
    field.interpretText();
    QCOMPARE(field.minorUnits(), minorUnits);
}

void TestSmartAmountField::blankReadsAsZero()
{
    SmartAmountField field;
    field.setRange(-100000, 100000);
    field.setPrefix(QStringLiteral("$ "));
    typeInto(field, QStringLiteral("12"));
    QCOMPARE(field.minorUnits(), qint64(1200));

    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.minorUnits(), qint64(0));
    field.interpretText();
    QCOMPARE(field.text(), QStringLiteral("$ 0.00"));

    // Text that is no amount yet stays when focus leaves, for the form to
    // refuse, rather than turning back into the last value unseen.
    typeInto(field, QStringLiteral("12"));
    typeInto(field, QStringLiteral("1,234,5"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &leave);
    QCOMPARE(field.cleanText(), QStringLiteral("1,234,5"));
    QVERIFY(!field.hasAcceptableInput());
}

void TestSmartAmountField::refusesWhatCannotBeAnAmount_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("typed");

    QTest::newRow("letters") << -100.0 << "12a";
    QTest::newRow("two points") << -100.0 << "1.2.3";
    QTest::newRow("third decimal") << -100.0 << "1.234";
    QTest::newRow("sign where the range has no negatives") << 0.0 << "-5";
    QTest::newRow("beyond the maximum") << -100.0 << "100.01";
    QTest::newRow("beyond the minimum") << -100.0 << "-100.01";
}

void TestSmartAmountField::refusesWhatCannotBeAnAmount()
{
    QFETCH(double, minimum);
    QFETCH(QString, typed);

    SmartAmountField field;
    field.setRange(minimum, 100.0);
    QString text = typed;
    int pos = int(text.size());
    QCOMPARE(field.validate(text, pos), QValidator::Invalid);
}

void TestSmartAmountField::yenHaveNoDecimals()
{
    setAmountAutoDecimal(true);
    SmartAmountField field;
    field.setCurrency(Currency::JPY);
    field.setRange(-99999999, 99999999);
    QCOMPARE(field.decimals(), 0);

    // Auto-decimal has no cents to count in yen.
    typeInto(field, QStringLiteral("1234"));
    QCOMPARE(field.minorUnits(), qint64(1234));
    QCOMPARE(field.value(), 1234.0);

    QString fraction = QStringLiteral("12.5");
    int pos = 4;
    QCOMPARE(field.validate(fraction, pos), QValidator::Invalid);

    field.setMinorUnits(-5000);
    QCOMPARE(field.text(), QStringLiteral("-5000"));
    QCOMPARE(field.minorUnits(), qint64(-5000));
}

void TestSmartAmountField::centsComeBackAfterAYenDetour()
{
    SmartAmountField field;
    field.setRange(-1e9, 1e9);
    field.setMinorUnits(1234);
    field.setCurrency(Currency::JPY);
    QCOMPARE(field.minorUnits(), qint64(12));
    field.setCurrency(Currency::EUR);
    QCOMPARE(field.minorUnits(), qint64(1234));

    // An amount changed while in yen is the user's new amount.
    field.setCurrency(Currency::JPY);
    field.setMinorUnits(15);
    field.setCurrency(Currency::USD);
    QCOMPARE(field.minorUnits(), qint64(1500));
}

void TestSmartAmountField::minorUnitsRoundHalfAwayFromZero_data()
{
    QTest::addColumn<int>("currency");
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("minorUnits");

    // Products such as 0.29 * 100 fall just short of the whole number.
    QTest::newRow("0.29") << int(Currency::USD) << 0.29 << qint64(29);
    QTest::newRow("1.15") << int(Currency::USD) << 1.15 << qint64(115);
    QTest::newRow("-0.29") << int(Currency::USD) << -0.29 << qint64(-29);
    QTest::newRow("-1.15") << int(Currency::EUR) << -1.15 << qint64(-115);
    QTest::newRow("yen 2.5") << int(Currency::JPY) << 2.5 << qint64(3);
    QTest::newRow("yen -2.5") << int(Currency::JPY) << -2.5 << qint64(-3);
}

void TestSmartAmountField::minorUnitsRoundHalfAwayFromZero()
{
    QFETCH(int, currency);
    QFETCH(double, value);
    QFETCH(qint64, minorUnits);

    SmartAmountField field;
    field.setCurrency(Currency(currency));
    field.setRange(-1000, 1000);
    field.setValue(value);
    QCOMPARE(field.minorUnits(), minorUnits);
}

void TestSmartAmountField::shownTextReadsBackExactly()
{
    SmartAmountField field;
    field.setRange(-99999999.99, 99999999.99);
    field.setMinorUnits(9999999999);
    QCOMPARE(field.minorUnits(), qint64(9999999999));
    field.setMinorUnits(-1234567801);
    QCOMPARE(field.minorUnits(), qint64(-1234567801));
    QCOMPARE(field.text(), QStringLiteral("-12345678.01"));

    field.setValue(-0.001);
    QCOMPARE(field.text(), QStringLiteral("0.00"));
    QCOMPARE(field.minorUnits(), qint64(0));
}

QTEST_MAIN(TestSmartAmountField)
#include "tst_smartamountfield.moc"
