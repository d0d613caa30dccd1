#include "register/SplitLines.h"
#include "storage/Money.h"

#include <QtTest>

namespace {

SplitLines::Row typed(qint64 amount, const QString& categoryId = {}, const QString& memo = {})
{
    SplitLines::Row row;
    row.categoryId = categoryId;
    row.memo = memo;
    row.amount = amount;
    return row;
}

QList<qint64> storedAmounts(const QList<SplitLine>& lines)
{
    QList<qint64> result;
    for (const SplitLine& line : lines)
        result.append(line.amount);
    return result;
}

} // namespace

class TestSplitEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linesAreTypedInTheTransactionsDirection();
    void acceptsLinesThatAddUpOrNoneAtAll();
};

void TestSplitEditor::linesAreTypedInTheTransactionsDirection()
{
    // A $54.20 receipt paid: groceries, an empty row, household, and a coupon taking 5.00 off.
    SplitLines payment(-5420, /*deposit*/ false);
    QCOMPARE(payment.typedAmount(), qint64(5420));
    payment.setRows({typed(4500, QStringLiteral("food"), QStringLiteral(" bread ")), typed(0),
                     typed(1420, QStringLiteral("home")), typed(-500, {}, QStringLiteral("coupon"))});
    QCOMPARE(payment.lineRows(), QList<int>({0, 2, 3}));
    QCOMPARE(payment.remainder(), qint64(0));
    const QList<SplitLine> lines = payment.lines();
    QCOMPARE(storedAmounts(lines), QList<qint64>({-4500, -1420, 500}));
    QCOMPARE(lines.at(0).category_id, QStringLiteral("food"));
    QCOMPARE(lines.at(0).memo, QStringLiteral("bread"));

    // A stored amount gives the direction; the flag only counts at zero.
    QCOMPARE(SplitLines(2000, /*deposit*/ false).storedFromTyped(700), qint64(700));
    QCOMPARE(SplitLines(0, /*deposit*/ true).storedFromTyped(700), qint64(700));

    // Rows whose category text names nothing, or several, count: what was
    // typed there is not thrown away.
    SplitLines::Row unknown;
    unknown.category = CategoryChoices::Match::NoMatch;
    payment.setRows({typed(5420, QStringLiteral("food")), typed(0), unknown});
    QCOMPARE(payment.lineCount(), 2);
    QCOMPARE(payment.firstUnclearCategory(), 2);
}

void TestSplitEditor::acceptsLinesThatAddUpOrNoneAtAll()
{
    SplitLines split(-5420, false);
    split.setRows({typed(4000), typed(0, QStringLiteral("food"))});
    QCOMPARE(split.lineCount(), 2);
    QVERIFY(!split.canAccept());
    QVERIFY(split.canSetAmountToTotal());

    // No line left: the transaction is no longer a split and keeps its amount.
    split.setRows({typed(0), typed(0)});
    QVERIFY(split.canAccept());
    QVERIFY(!split.canSetAmountToTotal());
    QVERIFY(split.lines().isEmpty());
    QCOMPARE(split.amount(), qint64(-5420));

    // Lines beyond what the store reads can never be the amount.
    split.setRows({typed(kMaxAmountMinorUnits), typed(1)});
    QVERIFY(!split.canSetAmountToTotal());

    // A total typed negative turns the payment into a deposit.
    split.setRows({typed(-300)});
    split.setAmountToTotal();
    QCOMPARE(split.amount(), qint64(300));
    QVERIFY(split.canAccept());

    // Opened on 0, the amount follows the lines.
    SplitLines fresh(0, /*deposit*/ false);
    fresh.setRows({typed(1000), typed(550)});
    QVERIFY(fresh.canAccept());
    QVERIFY(!fresh.canSetAmountToTotal());
    QCOMPARE(fresh.amount(), qint64(-1550));
    fresh.setRows({});
    QCOMPARE(fresh.amount(), qint64(0));
}

QTEST_MAIN(TestSplitEditor)
#include "tst_spliteditor.moc"
