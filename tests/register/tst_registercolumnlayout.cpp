#include "register/RegisterColumnLayout.h"

#include <QtTest>

#include <numeric>

using Column = RegisterColumnLayout::Column;

namespace {

// A register in small: a date, a payee and a memo sharing 2:1, a category
// that may give way, and an amount that may not.
enum { Date, Payee, Category, Memo, Amount };

QList<Column> registerColumns()
{
    return {
        Column{.preferred = 80, .minimum = 80},
        Column{.minimum = 60, .share = 2},
        Column{.preferred = 120, .minimum = 50},
        Column{.minimum = 40, .share = 1},
        Column{.preferred = 90, .minimum = 90},
    };
}

int sum(const QList<int>& widths) { return std::accumulate(widths.cbegin(), widths.cend(), 0); }

} // namespace

class TestRegisterColumnLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spareWidthGoesToPayeeAndMemoByShare();
    void narrowWidthShrinksTextColumnsBeforeAmounts();
    void hiddenColumnsGetNoWidth();
    void rememberedWidthsWin();
};

void TestRegisterColumnLayout::spareWidthGoesToPayeeAndMemoByShare()
{
    const QList<int> widths = RegisterColumnLayout(registerColumns()).widths(591);
    QCOMPARE(widths.at(Date), 80);
    QCOMPARE(widths.at(Category), 120);
    QCOMPARE(widths.at(Amount), 90);
    QCOMPARE(widths.at(Payee), 200);
    QCOMPARE(widths.at(Memo), 101);
    QCOMPARE(sum(widths), 591);

    // Memo at its minimum leaves the rest to the payee.
    QCOMPARE(RegisterColumnLayout(registerColumns()).widths(400).mid(Payee), (QList<int>{70, 120, 40, 90}));
}

void TestRegisterColumnLayout::narrowWidthShrinksTextColumnsBeforeAmounts()
{
    const RegisterColumnLayout layout(registerColumns());
    QCOMPARE(layout.minimumWidth(), 320);

    // Payee and memo at their minimums; the category gives up the rest.
    QCOMPARE(layout.widths(350), (QList<int>{80, 60, 80, 40, 90}));

    // At and below the minimum every column is at its own.
    QCOMPARE(layout.widths(320), (QList<int>{80, 60, 50, 40, 90}));
    QCOMPARE(layout.widths(100), (QList<int>{80, 60, 50, 40, 90}));

    // Several columns above their minimums give way in proportion to the excess.
    QList<Column> columns = registerColumns();
    columns[Amount].remembered = 160;
    const QList<int> shared = RegisterColumnLayout(columns).widths(350);
    QCOMPARE(shared.at(Category), 65);
    QCOMPARE(shared.at(Amount), 105);
    QCOMPARE(sum(shared), 350);
}

void TestRegisterColumnLayout::hiddenColumnsGetNoWidth()
{
    QList<Column> columns = registerColumns();
    columns[Memo].hidden = true;
    columns[Category].hidden = true;
    const RegisterColumnLayout layout(columns);
    QCOMPARE(layout.widths(500), (QList<int>{80, 330, 0, 0, 90}));
    QCOMPARE(layout.minimumWidth(), 230);
}

void TestRegisterColumnLayout::rememberedWidthsWin()
{
    QList<Column> columns = registerColumns();
    columns[Date].remembered = 100;
    columns[Category].remembered = 30;
    // Remembered payee and memo widths are their shares, 1:3 instead of 2:1.
    columns[Payee].remembered = 50;
    columns[Memo].remembered = 150;
    // The category never goes below its minimum.
    QCOMPARE(RegisterColumnLayout(columns).widths(600), (QList<int>{100, 90, 50, 270, 90}));

    // A share is remembered only as a pair: one alone keeps the default shares.
    columns[Memo].remembered = 0;
    QCOMPARE(RegisterColumnLayout(columns).widths(600), (QList<int>{100, 240, 50, 120, 90}));
}

QTEST_APPLESS_MAIN(TestRegisterColumnLayout)
#include "tst_registercolumnlayout.moc"
