#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "appstate/ThemeManager.h"
#include "register/RegisterEditor.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/SmartAmountField.h"
#include "storage/PreferencesRepository.h"
#include "tests/support/CutOffCellToolTip.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

QString widthKey(int column) { return QStringLiteral("register/colWidth/%1").arg(column); }
QString hiddenKey(int column) { return QStringLiteral("register/colHidden/%1").arg(column); }

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void keepsTheCurrentTransactionAcrossReloads();
    void selectsTheRowThatTookADeletedOnesPlace();
    void anotherAccountOpensAtItsNewestRow();
    void columnsWidenWithALargerFont();
    void columnSettingsAreRestoredAndKept();
    void draggingPayeeMovesWidthFromMemo();
    void amountsStayInViewAtALargeFontInANarrowWindow();
    void textColumnsGetTheRoomTheNumbersDoNotNeed();
    void elidedTextShowsInFullAsATooltip();
    void twoLineRowsApplyAtOnce();
    void changingAReconciledAmountIsAskedAbout();

private:
    void showScreen(int width);
    QHeaderView* header() const { return m_view->horizontalHeader(); }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QTableView* m_view = nullptr;
    Account m_account;
};

void TestRegisterScreen::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestRegisterScreen::init()
{
    QSettings().clear();
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"), 1000);
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_view = m_screen->findChild<QTableView*>();
    QVERIFY(m_view);
}

void TestRegisterScreen::cleanup()
{
    m_state->themeManager()->setFontScale(100);
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestRegisterScreen::keepsTheCurrentTransactionAcrossReloads()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Second"));
    const Transaction chosen = addTransaction(*m_state, m_account.id, QDate(2024, 1, 3), 500, QStringLiteral("Third"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(1, 0));

    // An earlier transaction pushes the chosen one down a row.
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("First"));
    QTRY_COMPARE(m_view->model()->rowCount(), 3);
    QCOMPARE(m_view->currentIndex().row(), 2);
    QCOMPARE(m_view->model()->index(2, 2).data().toString(), chosen.payee);
}

void TestRegisterScreen::selectsTheRowThatTookADeletedOnesPlace()
{
    const Transaction gone = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Gone"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Next"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    QVERIFY(m_state->transactionRepository()->softDelete(gone.id));
    QTRY_COMPARE(m_view->model()->rowCount(), 1);
    QCOMPARE(m_view->currentIndex().row(), 0);
    QCOMPARE(m_view->model()->index(0, 2).data().toString(), QStringLiteral("Next"));
}

void TestRegisterScreen::anotherAccountOpensAtItsNewestRow()
{
    const Account other = addAccount(*m_state, QStringLiteral("Savings"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Here"));
    const QDate first(2020, 1, 1);
    for (int day = 0; day < 300; ++day)
        addTransaction(*m_state, other.id, first.addDays(day), 500, QStringLiteral("Day %1").arg(day));
    m_screen->resize(800, 300);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    const auto newestIsCurrentAndInView = [&](int row) {
        const QModelIndex current = m_view->currentIndex();
        return current.row() == row && current.siblingAtColumn(RegisterModel::PayeeColumn).data().toString() == u"Day 299"
            && m_view->viewport()->rect().contains(m_view->visualRect(current));
    };
    m_screen->setAccount(other.id);
    QVERIFY(newestIsCurrentAndInView(299));

    m_state->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), true);
    m_screen->setAccount(m_account.id);
    m_screen->setAccount(other.id);
    QVERIFY(newestIsCurrentAndInView(0));
}

void TestRegisterScreen::columnsWidenWithALargerFont()
{
    QHeaderView* header = m_view->horizontalHeader();
    const QList<int> columns{RegisterModel::DateColumn, RegisterModel::PaymentColumn, RegisterModel::BalanceColumn};
    QList<int> before;
    for (const int column : columns)
        before << header->sectionSize(column);

    const QFont original = QApplication::font();
    QFont larger = original;
    larger.setPointSizeF(original.pointSizeF() * 2);
    QApplication::setFont(larger);
    for (int i = 0; i < columns.size(); ++i)
        QTRY_VERIFY(header->sectionSize(columns.at(i)) > before.at(i));
    QApplication::setFont(original);
}

void TestRegisterScreen::showScreen(int width)
{
    m_screen->resize(width, 300);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(m_account.id);
}

void TestRegisterScreen::columnSettingsAreRestoredAndKept()
{
    QSettings settings;
    settings.setValue(widthKey(RegisterModel::CategoryColumn), 200);
    settings.setValue(hiddenKey(RegisterModel::MemoColumn), true);
    settings.setValue(hiddenKey(RegisterModel::BalanceColumn), true);
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_view = m_screen->findChild<QTableView*>();
    showScreen(900);
    QCOMPARE(header()->sectionSize(RegisterModel::CategoryColumn), 200);
    QVERIFY(header()->isSectionHidden(RegisterModel::MemoColumn));
    QVERIFY(!header()->isSectionHidden(RegisterModel::BalanceColumn));

    header()->resizeSection(RegisterModel::DateColumn, 150);
    QCOMPARE(header()->sectionSize(RegisterModel::DateColumn), 150);
    QCOMPARE(settings.value(widthKey(RegisterModel::DateColumn)).toInt(), 150);

    // The header's menu offers only the optional columns.
    QHash<int, QAction*> actions;
    for (QAction* action : header()->actions())
        actions.insert(action->data().toInt(), action);
    QCOMPARE(QSet<int>(actions.keyBegin(), actions.keyEnd()),
             (QSet<int>{RegisterModel::NumberColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn,
                        RegisterModel::ClearedColumn}));
    actions.value(RegisterModel::MemoColumn)->trigger();
    actions.value(RegisterModel::NumberColumn)->trigger();
    QVERIFY(!header()->isSectionHidden(RegisterModel::MemoColumn));
    QVERIFY(header()->isSectionHidden(RegisterModel::NumberColumn));
    QCOMPARE(settings.value(hiddenKey(RegisterModel::MemoColumn)).toBool(), false);
    QCOMPARE(settings.value(hiddenKey(RegisterModel::NumberColumn)).toBool(), true);
}

void TestRegisterScreen::draggingPayeeMovesWidthFromMemo()
{
    showScreen(1000);
    const int payee = header()->sectionSize(RegisterModel::PayeeColumn);
    const int memo = header()->sectionSize(RegisterModel::MemoColumn);
    const int category = header()->sectionSize(RegisterModel::CategoryColumn);
    QVERIFY(payee > memo);

    header()->resizeSection(RegisterModel::PayeeColumn, payee + 40);
    QCOMPARE(header()->sectionSize(RegisterModel::MemoColumn), memo - 40);
    QCOMPARE(header()->sectionSize(RegisterModel::CategoryColumn), category);
    QCOMPARE(header()->length(), m_view->viewport()->width());
    const QSettings settings;
    QCOMPARE(settings.value(widthKey(RegisterModel::PayeeColumn)).toInt(), payee + 40);
    QCOMPARE(settings.value(widthKey(RegisterModel::MemoColumn)).toInt(), memo - 40);
}

void TestRegisterScreen::amountsStayInViewAtALargeFontInANarrowWindow()
{
    for (int day = 1; day <= 40; ++day)
        addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -12345678, QStringLiteral("Electric Company"));
    m_state->themeManager()->setFontScale(150);

    // As in the main window: beside another pane in a splitter, in a window
    // whose layout honours minimum sizes.
    QWidget window;
    auto* splitter = new QSplitter;
    (new QHBoxLayout(&window))->addWidget(splitter);
    splitter->addWidget(new QWidget);
    splitter->addWidget(m_screen.release());
    window.resize(500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    splitter->findChild<RegisterScreen*>()->setAccount(m_account.id);

    const int balance = RegisterModel::BalanceColumn;
    QVERIFY(header()->sectionViewportPosition(balance) + header()->sectionSize(balance) <= m_view->viewport()->width());
    const QString lowest = m_view->model()->index(39, balance).data().toString();
    QVERIFY(m_view->fontMetrics().horizontalAdvance(lowest) < header()->sectionSize(balance));
}

void TestRegisterScreen::textColumnsGetTheRoomTheNumbersDoNotNeed()
{
    const Account savings = addAccount(*m_state, QStringLiteral("Rainy Day Savings"));
    TransactionDraft transfer;
    transfer.transaction = makeTransaction(m_account.id, QDate(2024, 1, 2), -5000,
                                           QStringLiteral("Transfer to Rainy Day Savings"));
    transfer.transferAccountId = savings.id;
    QVERIFY(RegisterEditor(m_state.get()).addTransaction(transfer));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 3), 215000, QStringLiteral("Acme Corporation Payroll"));
    showScreen(1000);
    const QFontMetrics metrics = m_view->fontMetrics();
    const auto fits = [&](int column) {
        const QString text = m_view->model()->index(0, column).data().toString();
        return metrics.horizontalAdvance(text) < header()->sectionSize(column);
    };

    // Amounts of thousands take the room of thousands, not of millions...
    QVERIFY(header()->sectionSize(RegisterModel::PaymentColumn)
            < metrics.horizontalAdvance(QStringLiteral("999,999.99")));
    QVERIFY(header()->sectionSize(RegisterModel::BalanceColumn)
            < metrics.horizontalAdvance(QStringLiteral("-$9,999,999.99")));
    // ...so that the transfer shows whole, in the payee and the category.
    QVERIFY(fits(RegisterModel::PayeeColumn));
    QVERIFY(fits(RegisterModel::CategoryColumn));

    // A larger amount widens its column to keep every digit in view.
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 4), -123456789, QStringLiteral("Builder"));
    QTRY_VERIFY(metrics.horizontalAdvance(QStringLiteral("1,234,567.89"))
                < header()->sectionSize(RegisterModel::PaymentColumn));

    // Narrow, the payee keeps enough to tell one from another.
    m_screen->resize(640, 300);
    QTRY_VERIFY(header()->sectionSize(RegisterModel::PayeeColumn) >= 16 * metrics.averageCharWidth());
}

void TestRegisterScreen::elidedTextShowsInFullAsATooltip()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -500, QStringLiteral("Shell"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -500, kCutOffPayee);
    showScreen(1000);

    verifyCutOffCellToolTip(m_view, m_view->model()->index(0, RegisterModel::PayeeColumn),
                            m_view->model()->index(1, RegisterModel::PayeeColumn));
}

void TestRegisterScreen::twoLineRowsApplyAtOnce()
{
    Transaction shop = makeTransaction(m_account.id, QDate(2024, 1, 1), -500, QStringLiteral("Grocer"));
    shop.memo = QStringLiteral("Weekly shop");
    QVERIFY(m_state->transactionRepository()->insert(shop));
    showScreen(1000);
    const int oneLine = m_view->rowHeight(0);
    const auto payeeText = [&] { return m_view->model()->index(0, RegisterModel::PayeeColumn).data().toString(); };
    PreferencesRepository* preferences = m_state->preferencesRepository();

    preferences->setBool(QStringLiteral("registerTwoLine"), true);
    QTRY_VERIFY(header()->isSectionHidden(RegisterModel::MemoColumn));
    QCOMPARE(payeeText(), QStringLiteral("Grocer\nWeekly shop"));
    QVERIFY(m_view->rowHeight(0) >= 2 * m_view->fontMetrics().height());
    QCOMPARE(header()->length(), m_view->viewport()->width());

    // The user's own choice for the memo column is kept for one-line rows.
    preferences->setBool(QStringLiteral("registerTwoLine"), false);
    QTRY_VERIFY(!header()->isSectionHidden(RegisterModel::MemoColumn));
    QCOMPARE(m_view->rowHeight(0), oneLine);
    QCOMPARE(payeeText(), QStringLiteral("Grocer"));
    QVERIFY(!QSettings().contains(hiddenKey(RegisterModel::MemoColumn)));
}

void TestRegisterScreen::changingAReconciledAmountIsAskedAbout()
{
    Transaction reconciled = addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -5000, QStringLiteral("Rent"));
    reconciled.cleared = reconciled.reconciled = true;
    QVERIFY(m_state->transactionRepository()->update(reconciled));
    m_screen->setAccount(m_account.id);
    m_view->selectRow(0);

    // No: back to the form with the new amount still typed, then cancelled.
    QStringList seen;
    bool askedAgain = false;
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->windowTitle();
            box->button(seen.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            return;
        }
        auto* amount = modal->findChild<SmartAmountField*>(QStringLiteral("amountField"));
        if (seen.size() == 1 && !askedAgain) {
            askedAgain = true;
            QCOMPARE(amount->minorUnits(), qint64(5500));
        }
        amount->setMinorUnits(5500);
        qobject_cast<QDialog*>(modal)->accept();
    });
    m_screen->editCurrentTransaction();
    QCOMPARE(seen, QStringList({QStringLiteral("Change a Reconciled Transaction"),
                                QStringLiteral("Change a Reconciled Transaction")}));
    QVERIFY(askedAgain);
    QCOMPARE(m_state->transactionRepository()->getById(reconciled.id)->amount, qint64(-5500));
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
