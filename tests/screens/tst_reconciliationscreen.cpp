#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "screens/ReconciliationModel.h"
#include "screens/ReconciliationScreen.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

// Fills the transaction form and accepts it.
void enterTransaction(QWidget* modal, const QString& payee, qint64 amount, bool cleared)
{
    auto* form = qobject_cast<TransactionFormDialog*>(modal);
    QVERIFY(form);
    form->findChild<QLineEdit*>(QStringLiteral("payeeEdit"))->setText(payee);
    form->findChild<QRadioButton*>(amount < 0 ? QStringLiteral("paymentButton") : QStringLiteral("depositButton"))
        ->setChecked(true);
    form->findChild<SmartAmountField*>(QStringLiteral("amountField"))->setMinorUnits(qAbs(amount));
    form->findChild<QCheckBox*>(QStringLiteral("clearedCheck"))->setChecked(cleared);
    form->accept();
}

// Answers a message box with its default button (OK, or No for a question),
// or Yes when `yes`; records its title.
std::function<void(QWidget*)> answerBoxes(QStringList& titles, bool yes = false)
{
    return [&titles, yes](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        titles << box->windowTitle();
        if (yes && box->button(QMessageBox::Yes))
            box->button(QMessageBox::Yes)->click();
        else
            box->defaultButton() ? box->defaultButton()->click() : box->button(QMessageBox::Ok)->click();
    };
}

} // namespace

class TestReconciliationScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void finishWaitsForAZeroDifferenceAndAReadableDate();
    void keysTickOnlyTheCurrentRow();
    void finishMarksTheTickedTransactionsAndRecordsTheStatement();
    void failedFinishChangesNothingAndSaysSo();
    void yenAccountReconcilesInWholeYen();
    void transactionsAddedHereKeepTheOtherTicks();
    void editAndDeleteGoThroughTheRegisterEditor();

private:
    void openScreen(const Account& account);
    void makeCurrent(int row) { m_view->setCurrentIndex(m_view->model()->index(row, ReconciliationModel::DateColumn)); }
    bool isTicked(int row) const { return m_model->isTicked(row); }
    // Shortcuts answer only in the active window; without a window manager
    // a closed dialog does not hand activation back.
    void pressShortcut(Qt::Key key)
    {
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QTest::keyClick(m_view, key);
    }
    // A cleared grocery bill of $25 against a starting balance of $100.
    Transaction addClearedBill();

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<ReconciliationScreen> m_screen;
    Account m_account;
    QTableView* m_view = nullptr;
    ReconciliationModel* m_model = nullptr;
    SmartAmountField* m_balanceField = nullptr;
    QPushButton* m_finishButton = nullptr;
};

void TestReconciliationScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"), 10000);
}

void TestReconciliationScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestReconciliationScreen::openScreen(const Account& account)
{
    m_screen = std::make_unique<ReconciliationScreen>(m_state.get());
    m_screen->setAccount(account.id);
    m_view = m_screen->findChild<QTableView*>();
    m_model = qobject_cast<ReconciliationModel*>(m_view->model());
    m_balanceField = m_screen->findChild<SmartAmountField*>(QStringLiteral("statementBalanceField"));
    m_finishButton = m_screen->findChild<QPushButton*>(QStringLiteral("finishButton"));
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_view->setFocus();
}

Transaction TestReconciliationScreen::addClearedBill()
{
    Transaction bill = makeTransaction(m_account.id, QDate(2024, 1, 5), -2500, QStringLiteral("Grocer"));
    bill.cleared = true;
    bill.version = 2;
    bill.sync_status = SyncStatus::Synced;
    bill.server_id = QStringLiteral("srv-7");
    m_state->transactionRepository()->insert(bill);
    return bill;
}

void TestReconciliationScreen::finishWaitsForAZeroDifferenceAndAReadableDate()
{
    addClearedBill();
    openScreen(m_account);

    m_balanceField->setMinorUnits(7499);
    QVERIFY(!m_finishButton->isEnabled());
    m_balanceField->setMinorUnits(7500);
    QVERIFY(m_finishButton->isEnabled());

    makeCurrent(0);
    QTest::keyClick(m_view, Qt::Key_Space);
    QVERIFY(!m_finishButton->isEnabled());
    QTest::keyClick(m_view, Qt::Key_Space);

    // A date that does not read as one is refused, not replaced by the
    // date shown before it was typed.
    auto* dateEdit = m_screen->findChild<DateField*>(QStringLiteral("statementDateField"))->findChild<QLineEdit*>();
    QVERIFY(dateEdit);
    dateEdit->setText(QStringLiteral("2/30/2024"));
    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_finishButton->click();
    QCOMPARE(titles, QStringList{QStringLiteral("Invalid Date")});
    QVERIFY(m_state->reconciliationRepository()->listByAccount(m_account.id).isEmpty());
}

void TestReconciliationScreen::keysTickOnlyTheCurrentRow()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -100, QStringLiteral("Cafe"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -200, QStringLiteral("Cinema"));
    openScreen(m_account);
    m_view->setCurrentIndex(QModelIndex());

    // Without a current row the letter neither ticks nor searches the payees.
    QTest::keyClick(m_view, Qt::Key_C);
    QVERIFY(!m_view->currentIndex().isValid());
    QVERIFY(!isTicked(0) && !isTicked(1));

    makeCurrent(1);
    QTest::keyClick(m_view, Qt::Key_C);
    QVERIFY(isTicked(1));
    QTest::keyClick(m_view, Qt::Key_R);
    QVERIFY(!isTicked(1));
    QTest::keyClick(m_view, Qt::Key_Space, Qt::ShiftModifier);
    QVERIFY(isTicked(1));
    QVERIFY(!isTicked(0));
    QCOMPARE(m_view->currentIndex().row(), 1);

    // A click on the tick box ticks too.
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.rect = m_view->visualRect(m_model->index(0, ReconciliationModel::TickColumn));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = m_view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, m_view);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, box.center());
    QVERIFY(isTicked(0));

    // Tab leaves the table rather than walk its cells.
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_screen->findChild<QPushButton*>(QStringLiteral("addButton")));
}

void TestReconciliationScreen::finishMarksTheTickedTransactionsAndRecordsTheStatement()
{
    const Transaction bill = addClearedBill();
    const Transaction open = addTransaction(*m_state, m_account.id, QDate(2024, 1, 9), 500, QStringLiteral("Refund"));
    openScreen(m_account);
    m_balanceField->setMinorUnits(7500);
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);

    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_finishButton->click();

    QCOMPARE(titles, QStringList{QStringLiteral("Reconciliation Complete")});
    QCOMPARE(completed.size(), 1);
    QVERIFY(!m_finishButton->isEnabled());
    const Transaction reconciled = *m_state->transactionRepository()->getById(bill.id);
    QVERIFY(reconciled.cleared && reconciled.reconciled);
    QCOMPARE(reconciled.version, bill.version + 1);
    QCOMPARE(reconciled.sync_status, SyncStatus::Pending);
    QCOMPARE(reconciled.server_id, bill.server_id);
    QCOMPARE(*m_state->transactionRepository()->getById(open.id), open);

    const QList<Reconciliation> records = m_state->reconciliationRepository()->listByAccount(m_account.id);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().statement_balance, 7500);
    QCOMPARE(records.first().reconciled_balance, 7500);
    QCOMPARE(records.first().statement_date, QDate::currentDate());
}

void TestReconciliationScreen::failedFinishChangesNothingAndSaysSo()
{
    const Transaction bill = addClearedBill();
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_reconciliation BEFORE INSERT ON reconciliations "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    openScreen(m_account);
    m_balanceField->setMinorUnits(7500);
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);

    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_finishButton->click();

    QCOMPARE(titles, QStringList{QStringLiteral("Reconciliation Not Saved")});
    QCOMPARE(completed.size(), 0);
    QCOMPARE(*m_state->transactionRepository()->getById(bill.id), bill);
    QVERIFY(m_state->reconciliationRepository()->listByAccount(m_account.id).isEmpty());
    // The window stays as it was, ready to try again.
    QVERIFY(isTicked(0));
    QVERIFY(m_finishButton->isEnabled());
}

void TestReconciliationScreen::yenAccountReconcilesInWholeYen()
{
    // Above what a field bounded at 99,999,999 would take.
    const Account yen = addAccount(*m_state, QStringLiteral("Tokyo"), 200'000'000, Currency::JPY);
    addTransaction(*m_state, yen.id, QDate(2024, 3, 1), -1500, QStringLiteral("Konbini"));
    addTransaction(*m_state, yen.id, QDate(2024, 3, 2), 300, QStringLiteral("Refund"));
    openScreen(yen);
    QCOMPARE(m_model->index(0, ReconciliationModel::AmountColumn).data().toString(), QStringLiteral("-¥1,500"));

    auto* edit = m_balanceField->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("199998800"));
    QCOMPARE(m_balanceField->minorUnits(), 199'998'800);
    for (const int row : {0, 1}) {
        makeCurrent(row);
        QTest::keyClick(m_view, Qt::Key_Space);
    }
    QVERIFY(m_finishButton->isEnabled());

    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_finishButton->click();
    const QList<Reconciliation> records = m_state->reconciliationRepository()->listByAccount(yen.id);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().statement_balance, 199'998'800);
    QCOMPARE(records.first().reconciled_balance, 199'998'800);
}

void TestReconciliationScreen::transactionsAddedHereKeepTheOtherTicks()
{
    addTransaction(*m_state, m_account.id, QDate(2020, 1, 1), -100, QStringLiteral("Old"));
    openScreen(m_account);
    makeCurrent(0);
    QTest::keyClick(m_view, Qt::Key_Space);

    {
        ModalWatcher watcher([](QWidget* modal) { enterTransaction(modal, QStringLiteral("Paycheck"), 120000, true); });
        m_screen->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
        QCOMPARE(watcher.handledCount(), 1);
    }
    {
        ModalWatcher watcher([](QWidget* modal) { enterTransaction(modal, QStringLiteral("Pending"), -700, false); });
        pressShortcut(Qt::Key_Insert);
        QCOMPARE(watcher.handledCount(), 1);
    }

    QCOMPARE(m_model->rowCount(), 3);
    QVERIFY(isTicked(0));
    const int paycheck = m_view->currentIndex().row() == 1 ? 2 : 1;
    QCOMPARE(m_model->transactionAt(paycheck)->payee, QStringLiteral("Paycheck"));
    QVERIFY(isTicked(paycheck));
    QVERIFY(!isTicked(3 - paycheck));
    // The transaction just entered is the current one.
    QCOMPARE(m_model->transactionAt(m_view->currentIndex().row())->payee, QStringLiteral("Pending"));
    QCOMPARE(m_model->tickedDeposits(), 120000);
}

void TestReconciliationScreen::editAndDeleteGoThroughTheRegisterEditor()
{
    const Account savings = addAccount(*m_state, QStringLiteral("Savings"));
    const Transaction ticked = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -100, QStringLiteral("Kept"));
    TransactionDraft transfer;
    transfer.transaction = makeTransaction(m_account.id, QDate(2024, 1, 2), -5000, QStringLiteral("To savings"));
    transfer.transferAccountId = savings.id;
    RegisterEditor editor(m_state.get());
    QVERIFY(editor.addTransaction(transfer));
    const QString otherSide = m_state->transactionRepository()->getById(transfer.transaction.id)->transfer_link_id;
    openScreen(m_account);
    makeCurrent(0);
    QTest::keyClick(m_view, Qt::Key_Space);

    makeCurrent(1);
    {
        ModalWatcher watcher([](QWidget* modal) { enterTransaction(modal, QStringLiteral("Rainy day"), -6000, false); });
        pressShortcut(Qt::Key_F2);
        QCOMPARE(watcher.handledCount(), 1);
    }
    const Transaction edited = *m_state->transactionRepository()->getById(transfer.transaction.id);
    QCOMPARE(edited.payee, QStringLiteral("Rainy day"));
    QCOMPARE(edited.version, 2);
    QCOMPARE(m_state->transactionRepository()->getById(otherSide)->amount, 6000);
    QVERIFY(isTicked(0));

    QStringList titles;
    {
        ModalWatcher watcher([&titles](QWidget* modal) {
            QCOMPARE(qobject_cast<QMessageBox*>(modal)->textFormat(), Qt::PlainText);
            answerBoxes(titles, true)(modal);
        });
        pressShortcut(Qt::Key_Delete);
        QCOMPARE(watcher.handledCount(), 1);
    }
    QCOMPARE(titles, QStringList{QStringLiteral("Delete Transaction")});
    QVERIFY(m_state->transactionRepository()->getById(transfer.transaction.id)->deleted_at);
    QVERIFY(m_state->transactionRepository()->getById(otherSide)->deleted_at);
    QCOMPARE(m_model->rowCount(), 1);
    QVERIFY(isTicked(0));

    // A write the store refuses is reported, not passed over.
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_edit BEFORE UPDATE ON transactions "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    titles.clear();
    ModalWatcher watcher([&titles](QWidget* modal) {
        if (qobject_cast<TransactionFormDialog*>(modal))
            enterTransaction(modal, QStringLiteral("Changed"), -100, false);
        else
            answerBoxes(titles)(modal);
    });
    pressShortcut(Qt::Key_F2);
    QTRY_COMPARE(titles, QStringList{QStringLiteral("Transaction Not Saved")});
    QCOMPARE(m_state->transactionRepository()->getById(ticked.id)->payee, QStringLiteral("Kept"));
}

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
