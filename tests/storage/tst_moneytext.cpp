#include "storage/Money.h"
#include "storage/Timestamp.h"

#include <QScopeGuard>
#include <QTest>

#include <limits>

class MoneyTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsEveryCurrency_data();
    void formatsEveryCurrency();
    void formatsExtremes();
    void parsesLenientMoneyText_data();
    void parsesLenientMoneyText();
    void saysWhenOnlyDecimalsRefuseAnImportAmount();
    void readsTypedAmounts_data();
    void readsTypedAmounts();
    void readsImportAmounts_data();
    void readsImportAmounts();
    void roundTripsThroughText();
    void readsTimestampForms();
    void readsZonelessTimestampsAsUtcAcrossLocalClockChanges();
    void readsIsoDates();
};

void MoneyTextTest::formatsEveryCurrency_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("amountText");

    QTest::newRow("usd") << qint64(123456) << Currency::USD << "$1,234.56" << "1,234.56";
    QTest::newRow("usd negative") << qint64(-123456) << Currency::USD << "-$1,234.56" << "-1,234.56";
    QTest::newRow("usd cents only") << qint64(5) << Currency::USD << "$0.05" << "0.05";
    QTest::newRow("usd negative cents") << qint64(-5) << Currency::USD << "-$0.05" << "-0.05";
    QTest::newRow("zero") << qint64(0) << Currency::USD << "$0.00" << "0.00";
    QTest::newRow("eur millions") << qint64(123456789012) << Currency::EUR << "€1,234,567,890.12" << "1,234,567,890.12";
    QTest::newRow("gbp") << qint64(100000) << Currency::GBP << "£1,000.00" << "1,000.00";
    QTest::newRow("cad") << qint64(99) << Currency::CAD << "$0.99" << "0.99";
    QTest::newRow("aud") << qint64(-100) << Currency::AUD << "-$1.00" << "-1.00";
    QTest::newRow("jpy") << qint64(1234567) << Currency::JPY << "¥1,234,567" << "1,234,567";
    QTest::newRow("jpy negative") << qint64(-500) << Currency::JPY << "-¥500" << "-500";
    QTest::newRow("three digits no group") << qint64(99999) << Currency::USD << "$999.99" << "999.99";
}

void MoneyTextTest::formatsEveryCurrency()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, money);
    QFETCH(QString, amountText);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), amountText);
}

void MoneyTextTest::formatsExtremes()
{
    // The most negative value has no positive counterpart in a qint64.
    QCOMPARE(formatAmount(std::numeric_limits<qint64>::min(), Currency::USD),
             QStringLiteral("-92,233,720,368,547,758.08"));
    QCOMPARE(formatMoney(std::numeric_limits<qint64>::max(), Currency::JPY),
             QStringLiteral("¥9,223,372,036,854,775,807"));
}

void MoneyTextTest::parsesLenientMoneyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("plain") << "12.34" << Currency::USD << qint64(1234);
    QTest::newRow("symbol and groups") << "$1,234.56" << Currency::USD << qint64(123456);
    QTest::newRow("negative before symbol") << "-$1,234.56" << Currency::USD << qint64(-123456);
    QTest::newRow("spaces") << "  -  12.5 " << Currency::USD << qint64(-1250);
    QTest::newRow("whole number") << "7" << Currency::EUR << qint64(700);
    QTest::newRow("leading point") << ".5" << Currency::USD << qint64(50);
    QTest::newRow("rounds half away from zero") << "0.005" << Currency::USD << qint64(1);
    QTest::newRow("rounds negative away from zero") << "-0.005" << Currency::USD << qint64(-1);
    QTest::newRow("drops below half") << "1.004" << Currency::USD << qint64(100);
    QTest::newRow("euro symbol") << "€99.99" << Currency::EUR << qint64(9999);
    QTest::newRow("symbol before the sign") << "£-3" << Currency::GBP << qint64(-300);
    QTest::newRow("jpy whole") << "¥1,500" << Currency::JPY << qint64(1500);
    QTest::newRow("jpy rounds fraction") << "1500.6" << Currency::JPY << qint64(1501);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("garbage") << "abc" << Currency::USD << qint64(0);
    QTest::newRow("two points") << "1.2.3" << Currency::USD << qint64(0);
    QTest::newRow("every comma goes") << "1,234.5,6" << Currency::USD << qint64(123456);
    QTest::newRow("exponent is not a number here") << "1e3" << Currency::USD << qint64(0);
    QTest::newRow("foreign symbol") << "€5" << Currency::USD << qint64(0);
    QTest::newRow("at the bound") << "10,000,000,000,000.00" << Currency::USD << qint64(1'000'000'000'000'000);
    QTest::newRow("beyond the bound") << "10000000000000.01" << Currency::USD << qint64(0);
    QTest::newRow("far beyond the bound") << "99999999999999999999999" << Currency::USD << qint64(0);
}

void MoneyTextTest::parsesLenientMoneyText()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(parseMoney(text, currency), expected);
}

void MoneyTextTest::readsImportAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<std::optional<qint64>>("expected");
    const std::optional<qint64> unreadable;

    QTest::newRow("grouped with point") << "-1,234.56" << Currency::USD << std::optional<qint64>(-123456);
    QTest::newRow("grouped with comma") << "1.234,56" << Currency::EUR << std::optional<qint64>(123456);
    QTest::newRow("lone group") << "1,234" << Currency::USD << std::optional<qint64>(123400);
    QTest::newRow("repeated groups") << "1,234,567" << Currency::USD << std::optional<qint64>(123456700);
    QTest::newRow("broken groups") << "1,23,456" << Currency::USD << unreadable;
    QTest::newRow("broken groups before the point") << "12,34.56" << Currency::USD << unreadable;
    QTest::newRow("decimal comma") << "12,5" << Currency::EUR << std::optional<qint64>(1250);
    // Never rounded: an import would change the amount without a word.
    QTest::newRow("three decimals after a zero") << "0.125" << Currency::USD << unreadable;
    QTest::newRow("zeros beyond the decimals") << "0.120" << Currency::USD << std::optional<qint64>(12);
    QTest::newRow("zero cannot start a group") << "0,125,000" << Currency::USD << unreadable;
    QTest::newRow("parentheses") << "(12.00)" << Currency::USD << std::optional<qint64>(-1200);
    QTest::newRow("minus in parentheses") << "(-5)" << Currency::USD << std::optional<qint64>(500);
    QTest::newRow("symbol in parentheses") << "($1,050.00)" << Currency::USD << std::optional<qint64>(-105000);
    QTest::newRow("symbol and blank groups") << "$ 1 000,00" << Currency::EUR << std::optional<qint64>(100000);
    QTest::newRow("symbol after the sign") << "-£3.10" << Currency::GBP << std::optional<qint64>(-310);
    QTest::newRow("plus") << "+7" << Currency::USD << std::optional<qint64>(700);
    QTest::newRow("jpy whole") << "¥1,500" << Currency::JPY << std::optional<qint64>(1500);
    QTest::newRow("jpy never rounds") << "-1500.5" << Currency::JPY << unreadable;
    QTest::newRow("jpy with zero decimals") << "12.00" << Currency::JPY << std::optional<qint64>(12);
    QTest::newRow("at the bound") << "10,000,000,000,000.00" << Currency::USD
                                  << std::optional<qint64>(1'000'000'000'000'000);
    QTest::newRow("beyond the bound") << "10000000000000.01" << Currency::USD << unreadable;
    QTest::newRow("jpy beyond the bound") << "-1000000000000001" << Currency::JPY << unreadable;
    QTest::newRow("trailing minus") << "5-" << Currency::USD << unreadable;
    QTest::newRow("currency code") << "12.00 EUR" << Currency::EUR << unreadable;
    QTest::newRow("point alone") << "." << Currency::USD << unreadable;
    QTest::newRow("symbol alone") << "$" << Currency::USD << unreadable;
    QTest::newRow("empty") << "" << Currency::USD << unreadable;
}

void MoneyTextTest::readsImportAmounts()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(std::optional<qint64>, expected);
    QCOMPARE(readImportAmount(text, currency), expected);
}

void MoneyTextTest::saysWhenOnlyDecimalsRefuseAnImportAmount()
{
    struct Case
    {
        const char* text;
        Currency currency;
        bool beyondDecimals;
    };
    for (const Case& c : {Case{"12.50", Currency::JPY, true}, Case{"(0.4)", Currency::JPY, true},
                          Case{"-3.3351", Currency::USD, true}, Case{"12.00", Currency::JPY, false},
                          Case{"1.25", Currency::USD, false}, Case{"1.2x", Currency::JPY, false},
                          Case{"1,23,456.5", Currency::JPY, false},
                          Case{"10000000000000.015", Currency::USD, false}}) {
        bool beyond = !c.beyondDecimals;
        const std::optional<qint64> amount = readImportAmount(QString::fromUtf8(c.text), c.currency, &beyond);
        QVERIFY2(beyond == c.beyondDecimals, c.text);
        QVERIFY2(!beyond || !amount, c.text);
    }
}

void MoneyTextTest::readsTypedAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<QChar>("localeDecimal");
    QTest::addColumn<TypedAmount::State>("state");
    QTest::addColumn<qint64>("expected");

    const QChar en = u'.';
    const QChar de = u',';
    const auto amount = TypedAmount::State::Amount;
    const auto incomplete = TypedAmount::State::Incomplete;
    const auto unreadable = TypedAmount::State::Unreadable;

    QTest::newRow("whole units") << "12" << Currency::USD << false << en << amount << qint64(1200);
    QTest::newRow("auto decimal digits are cents") << "1234" << Currency::USD << true << en << amount << qint64(1234);
    QTest::newRow("auto decimal with a point") << "12.3" << Currency::USD << true << en << amount << qint64(1230);
    QTest::newRow("auto decimal negative") << "-599" << Currency::USD << true << en << amount << qint64(-599);
    QTest::newRow("auto decimal: groups are whole units") << "1,234" << Currency::USD << true << en << amount
                                                          << qint64(123400);
    QTest::newRow("jpy ignores auto decimal") << "1234" << Currency::JPY << true << en << amount << qint64(1234);
    QTest::newRow("letters") << "12a" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("empty") << "" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("only sign") << "-" << Currency::USD << false << en << incomplete << qint64(0);
    QTest::newRow("only a point") << "." << Currency::USD << false << de << incomplete << qint64(0);
    QTest::newRow("only a point in yen") << "." << Currency::JPY << false << en << unreadable << qint64(0);
    QTest::newRow("out of range") << "20000000000000" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("out of range as cents") << "10000000000000001" << Currency::USD << true << en << unreadable
                                           << qint64(0);

    // English: "." is the point and "," groups, but a comma that cannot
    // group is the point rather than a hundredfold amount.
    QTest::newRow("en groups") << "1,000.5" << Currency::USD << false << en << amount << qint64(100050);
    QTest::newRow("en comma with three digits groups") << "1,234" << Currency::USD << false << en << amount
                                                       << qint64(123400);
    QTest::newRow("en comma with two digits is the point") << "12,50" << Currency::USD << false << en << amount
                                                           << qint64(1250);
    QTest::newRow("en third decimal") << "1.234" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("en both marks, last is the point") << "1.234,50" << Currency::USD << false << en << amount
                                                      << qint64(123450);

    // German: "," is the point, and so is a "." that cannot group.
    QTest::newRow("de comma point") << "12,50" << Currency::EUR << false << de << amount << qint64(1250);
    QTest::newRow("de dot point") << "12.50" << Currency::EUR << false << de << amount << qint64(1250);
    QTest::newRow("de negative") << "-12,5" << Currency::EUR << false << de << amount << qint64(-1250);
    QTest::newRow("de groups and point") << "1.234,50" << Currency::EUR << false << de << amount << qint64(123450);
    QTest::newRow("de dot with three digits groups") << "1.234" << Currency::EUR << false << de << amount
                                                     << qint64(123400);
    QTest::newRow("de many groups") << "1.234.567" << Currency::EUR << false << de << amount << qint64(123456700);
    QTest::newRow("de third decimal") << "1,234" << Currency::EUR << false << de << unreadable << qint64(0);
    QTest::newRow("de English form") << "1,234.50" << Currency::EUR << false << de << amount << qint64(123450);

    QTest::newRow("group being typed") << "1,234,5" << Currency::USD << false << en << incomplete << qint64(0);
    QTest::newRow("group mark just typed") << "1.234." << Currency::EUR << false << de << incomplete << qint64(0);
    QTest::newRow("short group before the point") << "1,23.4" << Currency::USD << false << en << unreadable
                                                  << qint64(0);
    QTest::newRow("long first group") << "1234,567" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("zero before a group") << "0,500" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("de zero before a group") << "0.500" << Currency::EUR << false << de << unreadable << qint64(0);
    QTest::newRow("no first group") << ",500" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("long group") << "1,2345" << Currency::USD << false << en << unreadable << qint64(0);
    QTest::newRow("two points") << "1.2,3.4" << Currency::USD << false << en << unreadable << qint64(0);

    QTest::newRow("yen groups") << "1.500" << Currency::JPY << false << de << amount << qint64(1500);
    QTest::newRow("yen group being typed") << "1,5" << Currency::JPY << false << en << incomplete << qint64(0);
    QTest::newRow("yen fraction") << "1.5" << Currency::JPY << false << en << unreadable << qint64(0);
    QTest::newRow("yen trailing point") << "15." << Currency::JPY << false << en << amount << qint64(15);
}

void MoneyTextTest::readsTypedAmounts()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(bool, autoDecimal);
    QFETCH(QChar, localeDecimal);
    QFETCH(TypedAmount::State, state);
    QFETCH(qint64, expected);
    const TypedAmount typed = readTypedAmount(text, currency, autoDecimal, localeDecimal);
    QCOMPARE(typed.state, state);
    if (state == TypedAmount::State::Amount)
        QCOMPARE(typed.minorUnits, expected);
}

void MoneyTextTest::roundTripsThroughText()
{
    const QList<Currency> currencies{Currency::USD, Currency::EUR, Currency::GBP,
                                     Currency::CAD, Currency::AUD, Currency::JPY};
    const QList<qint64> amounts{0, 1, -1, 99, 100, -123456, 100000000, -999999999999999};
    for (Currency currency : currencies) {
        for (qint64 amount : amounts)
            QCOMPARE(parseMoney(formatMoney(amount, currency), currency), amount);
    }
}

void MoneyTextTest::readsTimestampForms()
{
    const QDateTime expected(QDate(2026, 12, 6), QTime(20, 46, 41), Qt::UTC);
    QCOMPARE(toIsoUtc(expected), QStringLiteral("2026-12-06T20:46:41Z"));
    QCOMPARE(parseTimestamp(QStringLiteral("2026-12-06T20:46:41Z")), expected);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-12-06 20:46:41")), expected);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-12-06T20:46:41.250Z")), expected.addMSecs(250));
    QCOMPARE(parseTimestamp(QStringLiteral("2026-12-06T22:46:41+02:00")), expected);
    QVERIFY(!parseTimestamp(QStringLiteral("2026-13-06T20:46:41Z")).isValid());
    QVERIFY(!parseTimestamp(QStringLiteral("yesterday")).isValid());
    QVERIFY(!parseTimestamp(QString()).isValid());
    QCOMPARE(toIsoUtc(QDateTime()), QString());
    // Local times are written as UTC so text order stays time order.
    const QDateTime local = expected.toOffsetFromUtc(3600);
    QCOMPARE(toIsoUtc(local), QStringLiteral("2026-12-06T20:46:41Z"));
    QCOMPARE(nowUtc().time().msec(), 0);

    // The same forms read straight from the database's UTF-8 bytes.
    QCOMPARE(parseTimestamp(QByteArrayView("2026-12-06T20:46:41Z")), expected);
    QCOMPARE(parseTimestamp(QByteArrayView("2026-12-06 20:46:41")), expected);
    QCOMPARE(parseTimestamp(QByteArrayView("2026-12-06T20:46:41.250Z")), expected.addMSecs(250));
    QVERIFY(!parseTimestamp(QByteArrayView("2026-12-06T25:46:41Z")).isValid());
}

void MoneyTextTest::readsZonelessTimestampsAsUtcAcrossLocalClockChanges()
{
    // 02:30 on that day does not exist on a Berlin clock, and 02:30 on the
    // autumn day exists twice: a reading that passes through local time moves
    // or loses such a stamp although it names a UTC time.
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    const auto restoreZone = qScopeGuard([&savedZone] {
        if (savedZone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", savedZone);
    });
    const QDateTime spring(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-03-29 02:30:00")), spring);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-03-29T02:30:00")), spring);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-03-29T02:30:00.250")), spring.addMSecs(250));
    QCOMPARE(parseTimestamp(QByteArrayView("2026-03-29 02:30:00")), spring);
    const QDateTime autumn(QDate(2026, 10, 25), QTime(2, 30), Qt::UTC);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-10-25T02:30:00")), autumn);
    QCOMPARE(parseTimestamp(QStringLiteral("2026-10-25 02:30:00")), autumn);
}

void MoneyTextTest::readsIsoDates()
{
    QCOMPARE(parseIsoDate(QStringLiteral("2024-02-29")), QDate(2024, 2, 29));
    QVERIFY(!parseIsoDate(QStringLiteral("2023-02-29")).isValid());
    QVERIFY(!parseIsoDate(QStringLiteral("2024-2-29")).isValid());
    QVERIFY(!parseIsoDate(QStringLiteral("2024-02-29T00:00:00Z")).isValid());
    QCOMPARE(parseIsoDate(QByteArrayView("2024-02-29")), QDate(2024, 2, 29));
    QVERIFY(!parseIsoDate(QByteArrayView("2024-02-3x")).isValid());
    QCOMPARE(toIsoDate(QDate(2024, 1, 5)), QStringLiteral("2024-01-05"));
    QCOMPARE(toIsoDate(QDate()), QString());
    // Written by hand where Qt's form is plain; as Qt writes it beyond.
    for (const QDate& date : {QDate(999, 12, 31), QDate(9999, 1, 2), QDate(12000, 3, 4), QDate(-5, 6, 7)})
        QCOMPARE(toIsoDate(date), date.toString(Qt::ISODate));
    QCOMPARE(toIsoUtc(QDateTime(QDate(1999, 2, 3), QTime(4, 5, 6, 789), Qt::UTC)), QStringLiteral("1999-02-03T04:05:06Z"));
}

QTEST_GUILESS_MAIN(MoneyTextTest)
#include "tst_moneytext.moc"
