#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/CategoryComboBox.h"
#include "register/RegisterEditor.h"
#include "register/SmartAmountField.h"
#include "register/SplitEditorDialog.h"
#include "register/SplitLines.h"
#include "register/SplitLinesWidget.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

SplitLines::Row typed(qint64 amount, const QString& categoryId = {}, const QString& memo = {})
{
    SplitLines::Row row;
    row.categoryId = categoryId;
    row.memo = memo;
    row.amount = amount;
    return row;
}

// The field, or the line edit inside it, has the focus.
bool holdsFocus(QWidget* field, QWidget* focus) { return focus == field || field->isAncestorOf(focus); }

QList<qint64> storedAmounts(const QList<SplitLine>& lines)
{
    QList<qint64> result;
    for (const SplitLine& line : lines)
        result.append(line.amount);
    return result;
}

QPushButton* okButton(const SplitEditorDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

// Types the amount as a user would; category and memo are set.
void fillRow(SplitLinesWidget* lines, int row, const QString& category, const QString& memo, const QString& amount)
{
    lines->categoryField(row)->setEditText(category);
    lines->memoField(row)->setText(memo);
    QLineEdit* amountEdit = lines->amountField(row)->findChild<QLineEdit*>();
    amountEdit->selectAll();
    QTest::keyClicks(amountEdit, amount);
}

} // namespace

class TestSplitEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void linesAreTypedInTheTransactionsDirection();
    void acceptsLinesThatAddUpOrNoneAtAll();

    void splitsAReceiptIntoStoredLines();
    void unclearCategoryKeepsTheDialogOpen_data();
    void unclearCategoryKeepsTheDialogOpen();
    void lineCategoryIsCreatedWhenTheUserAgrees();
    void setAmountToTotal();
    void editsYenLinesAndRemovesThem();
    void keyboardAndWheel();

private:
    Category addCategory(const QString& name);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    Account m_account;
};

void TestSplitEditor::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"));
}

void TestSplitEditor::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

Category TestSplitEditor::addCategory(const QString& name)
{
    Category category;
    category.id = newId();
    category.name = name;
    category.created_at = nowUtc();
    category.updated_at = category.created_at;
    m_state->categoryRepository()->insert(category);
    return category;
}

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

void TestSplitEditor::splitsAReceiptIntoStoredLines()
{
    const Category household = addCategory(QStringLiteral("Household"));
    QString groceries;
    for (const Category& category : m_state->categoryRepository()->listAll()) {
        if (category.name == u"Groceries")
            groceries = category.id;
    }

    SplitEditorDialog dialog(m_state.get(), m_account.id, -5420, false, {});
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    QCOMPARE(lines->rowCount(), 2);
    // Nothing split yet: OK leaves the transaction as it was.
    QVERIFY(okButton(dialog)->isEnabled());

    fillRow(lines, 0, QStringLiteral("groc"), QStringLiteral("Weekly shop"), QStringLiteral("40"));
    QVERIFY(!okButton(dialog)->isEnabled());
    fillRow(lines, 1, QStringLiteral("household"), QString(), QStringLiteral("14.20"));
    QVERIFY(okButton(dialog)->isEnabled());

    okButton(dialog)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<SplitLine> result = dialog.lines();
    QCOMPARE(storedAmounts(result), QList<qint64>({-4000, -1420}));
    QCOMPARE(result.at(0).category_id, groceries);
    QCOMPARE(result.at(0).memo, QStringLiteral("Weekly shop"));
    QCOMPARE(result.at(1).category_id, household.id);
    QCOMPARE(dialog.amount(), qint64(-5420));
}

void TestSplitEditor::unclearCategoryKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("category");
    QTest::newRow("unknown") << QStringLiteral("Zz Nowhere");
    // Home, Auto and Health Insurance.
    QTest::newRow("several") << QStringLiteral("insurance");
}

void TestSplitEditor::unclearCategoryKeepsTheDialogOpen()
{
    QFETCH(QString, category);

    SplitEditorDialog dialog(m_state.get(), m_account.id, -5420, false, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    fillRow(lines, 0, QStringLiteral("Groceries"), QString(), QStringLiteral("40"));
    fillRow(lines, 1, category, QString(), QStringLiteral("14.20"));

    QString shown;
    ModalWatcher watcher([&shown](QWidget* window) {
        if (auto* box = qobject_cast<QMessageBox*>(window))
            shown = box->text();
        window->close();
    });
    okButton(dialog)->click();
    // The message names the text in question.
    QVERIFY2(shown.contains(u'"' + category + u'"'), qPrintable(shown));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(lines->categoryField(1)->currentText(), category);
    // The keyboard is back on the line, not nowhere.
    QTRY_VERIFY(holdsFocus(lines->categoryField(1), QApplication::focusWidget()));
}

void TestSplitEditor::lineCategoryIsCreatedWhenTheUserAgrees()
{
    SplitEditorDialog dialog(m_state.get(), m_account.id, -5420, false, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    fillRow(lines, 0, QStringLiteral("Groceries"), QString(), QStringLiteral("30"));
    fillRow(lines, 1, QStringLiteral("Zz Garden"), QString(), QStringLiteral("14.20"));
    lines->appendRow();
    fillRow(lines, 2, QStringLiteral("zz garden"), QStringLiteral("Seeds"), QStringLiteral("10"));
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    ModalWatcher watcher([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        asked << box->text();
        box->button(answer)->click();
    });

    // Offered as the transaction form offers it; refused, the line stays
    // as typed with the focus on it.
    okButton(dialog)->click();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().contains(QStringLiteral("\"Zz Garden\"")));
    QVERIFY(asked.first().contains(QStringLiteral("expense")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(lines->categoryField(1)->currentText(), QStringLiteral("Zz Garden"));
    QTRY_VERIFY(holdsFocus(lines->categoryField(1), QApplication::focusWidget()));

    // Agreed once, it serves every line that names it.
    answer = QMessageBox::Yes;
    okButton(dialog)->click();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.newCategories().size(), 1);
    const Category created = dialog.newCategories().first();
    QCOMPARE(created.name, QStringLiteral("Zz Garden"));
    QCOMPARE(created.category_type, CategoryType::Expense);
    const QList<SplitLine> result = dialog.lines();
    QCOMPARE(result.at(1).category_id, created.id);
    QCOMPARE(result.at(2).category_id, created.id);

    // Opened again before it is stored, the split still names it.
    SplitEditorDialog again(m_state.get(), m_account.id, dialog.amount(), false, result, {created});
    QCOMPARE(again.findChild<SplitLinesWidget*>()->categoryField(1)->currentText(), QStringLiteral("Zz Garden"));
    QCOMPARE(again.lines(), result);

    // Stored with the transaction, not before.
    QVERIFY(!m_state->categoryRepository()->getById(created.id));
    TransactionDraft draft;
    draft.transaction = makeTransaction(m_account.id, QDate(2024, 5, 1), dialog.amount(), QStringLiteral("Nursery"));
    draft.transaction.is_split = true;
    draft.splitLines = result;
    draft.newCategories = dialog.newCategories();
    QVERIFY(RegisterEditor(m_state.get()).addTransaction(draft));
    QCOMPARE(m_state->categoryRepository()->getById(created.id)->name, created.name);

}

void TestSplitEditor::setAmountToTotal()
{
    SplitEditorDialog dialog(m_state.get(), m_account.id, -5420, false, {});
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    auto* setTotal = dialog.findChild<QPushButton*>(QStringLiteral("setTotalButton"));
    QVERIFY(!setTotal->isEnabled());
    fillRow(lines, 0, QString(), QString(), QStringLiteral("40"));
    fillRow(lines, 1, QString(), QString(), QStringLiteral("20"));
    QVERIFY(!okButton(dialog)->isEnabled());
    setTotal->click();
    QVERIFY(okButton(dialog)->isEnabled());
    QVERIFY(!setTotal->isEnabled());
    QCOMPARE(dialog.amount(), qint64(-6000));
}

void TestSplitEditor::editsYenLinesAndRemovesThem()
{
    const Account yen = addAccount(*m_state, QStringLiteral("Tokyo"), 0, Currency::JPY);
    const Category gone = addCategory(QStringLiteral("Zz Old Hobby"));
    QVERIFY(m_state->categoryRepository()->softDelete(gone.id));
    SplitLine hobby;
    hobby.category_id = gone.id;
    hobby.amount = -1000;
    hobby.memo = QStringLiteral("Paint");
    SplitLine rest;
    rest.amount = -500;

    SplitEditorDialog dialog(m_state.get(), yen.id, -1500, false, {hobby, rest});
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    // The lines, then one empty row to add to.
    QCOMPARE(lines->rowCount(), 3);
    QCOMPARE(lines->amountField(0)->decimals(), 0);
    QCOMPARE(lines->amountField(0)->minorUnits(), qint64(1000));
    // A deleted category's share is uncategorized, as everywhere else.
    QVERIFY(lines->categoryField(0)->currentText().isEmpty());
    SplitLine uncategorized = hobby;
    uncategorized.category_id.clear();
    QCOMPARE(dialog.lines(), QList<SplitLine>({uncategorized, rest}));

    lines->removeRow(1);
    QVERIFY(!okButton(dialog)->isEnabled());
    lines->removeRow(0);
    QVERIFY(okButton(dialog)->isEnabled());
    okButton(dialog)->click();
    QVERIFY(dialog.lines().isEmpty());
    QCOMPARE(dialog.amount(), qint64(-1500));
}

void TestSplitEditor::keyboardAndWheel()
{
    const Category garden = addCategory(QStringLiteral("Zz Garden Tools"));
    SplitEditorDialog dialog(m_state.get(), m_account.id, -5420, false, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* lines = dialog.findChild<SplitLinesWidget*>();
    const auto focused = [](QWidget* field) { return holdsFocus(field, QApplication::focusWidget()); };
    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    QVERIFY(focused(lines->categoryField(0)));
    tab();
    QVERIFY(focused(lines->memoField(0)));
    tab();
    QVERIFY(focused(lines->amountField(0)));
    tab();
    QVERIFY(focused(lines->categoryField(1)));

    // The button's mnemonic clicks it after a short press animation; the new
    // line takes its place in the order, after the last one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(lines->rowCount(), 3);
    QVERIFY(focused(lines->categoryField(2)));
    lines->amountField(1)->setFocus();
    tab();
    QVERIFY(focused(lines->categoryField(2)));

    // Tab takes the one completion of a line's category, as Return would.
    lines->focusCategory(1);
    QLineEdit* categoryEdit = lines->categoryField(1)->lineEdit();
    QTest::keyClicks(categoryEdit, QStringLiteral("garden t"));
    QVERIFY(categoryEdit->completer()->popup()->isVisible());
    QTest::keyClick(categoryEdit->completer()->popup(), Qt::Key_Tab);
    QCOMPARE(lines->categoryField(1)->currentText(), QStringLiteral("Zz Garden Tools"));
    QCOMPARE(lines->rows().at(1).categoryId, garden.id);
    QVERIFY(focused(lines->memoField(1)));

    // The wheel over an amount the user is not editing leaves it alone.
    SmartAmountField* amount = lines->amountField(0);
    amount->setMinorUnits(4000);
    const QPoint centre = amount->rect().center();
    QWheelEvent wheel(centre, amount->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(amount, &wheel);
    QCOMPARE(amount->minorUnits(), qint64(4000));

    tab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestSplitEditor)
#include "tst_spliteditor.moc"
