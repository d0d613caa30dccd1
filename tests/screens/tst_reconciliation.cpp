#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "screens/Reconciler.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "screens/ReconciliationModel.h"
#include "screens/ReconciliationScreen.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "tests/support/CutOffCellToolTip.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <ctime>
#include <memory>

using namespace registertest;

namespace {

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

// Records each message box's title and answers Yes to a question, else OK.
// A question names a payee, which must show as typed, never as markup.
std::function<void(QWidget*)> answerBoxes(QStringList& titles)
{
    return [&titles](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        if (box->button(QMessageBox::Yes))
            QCOMPARE(box->textFormat(), Qt::PlainText);
        titles << box->windowTitle();
        (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
    };
}

} // namespace

class TestReconciliation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openingStartsWhereTheLastStatementLeftOff();
    void finishRefusesATransactionChangedSinceShown();
    void keysAndClicksTickOnlyTheCurrentRow();
    void finishOnlyAtZeroAndAllOrNothing();
    void typedStatementBalanceReplacesTheOneShown();
    void yenAccountReconcilesInWholeYen();
    void transactionsAddedHereKeepTheOtherTicks();
    void editAndDeleteGoThroughTheRegisterEditor();
    void historyListsStatementsNewestFirstOrSaysThereAreNone();
    void historyShowsTheCompletionInLocalTime();
    void cutOffPayeeShowsInFullAsATooltip();
    void previousBalanceFollowsTheStartingBalance();

private:
    void addStatement(const Account& account, QDate date, qint64 balance = 0);
    Transaction addCleared(const Account& account, QDate date, qint64 amount, bool reconciled = false);
    void openScreen(const Account& account);
    void makeCurrent(int row) { m_view->setCurrentIndex(m_model->index(row, ReconciliationModel::DateColumn)); }
    bool isTicked(int row) const { return m_model->isTicked(row); }
    // Shortcuts answer only in the active window; without a window manager
    // a closed dialog does not hand activation back.
    void pressShortcut(Qt::Key key)
    {
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QTest::keyClick(m_view, key);
    }
    void refuse(const QString& statement)
    {
        QSqlQuery trigger(m_state->database()->connection());
        QVERIFY2(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                                  .arg(statement)),
                 qPrintable(statement));
    }

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<ReconciliationScreen> m_screen;
    Account m_account;
    QTableView* m_view = nullptr;
    ReconciliationModel* m_model = nullptr;
    SmartAmountField* m_balanceField = nullptr;
    QPushButton* m_finishButton = nullptr;
};

void TestReconciliation::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"), 10000);
}

void TestReconciliation::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestReconciliation::addStatement(const Account& account, QDate date, qint64 balance)
{
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = account.id;
    statement.statement_date = date;
    statement.statement_balance = balance;
    statement.reconciled_balance = balance;
    statement.completed_at = nowUtc();
    statement.created_at = statement.completed_at;
    statement.updated_at = statement.completed_at;
    QVERIFY(m_state->reconciliationRepository()->insert(statement));
}

Transaction TestReconciliation::addCleared(const Account& account, QDate date, qint64 amount, bool reconciled)
{
    Transaction transaction = makeTransaction(account.id, date, amount, QStringLiteral("Cleared"));
    transaction.cleared = true;
    transaction.reconciled = reconciled;
    transaction.version = 2;
    transaction.sync_status = SyncStatus::Synced;
    transaction.server_id = QStringLiteral("srv-7");
    m_state->transactionRepository()->insert(transaction);
    return transaction;
}

void TestReconciliation::openScreen(const Account& account)
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

void TestReconciliation::openingStartsWhereTheLastStatementLeftOff()
{
    Reconciler reconciler(m_state.get());

    // Never reconciled: no date to propose, and only the starting balance.
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 5), -250, QStringLiteral("Open"));
    std::optional<Reconciler::Opening> opening = reconciler.open(m_account.id);
    QCOMPARE(opening->previousBalance, 10000);
    QVERIFY(!opening->statementDate);

    // January 31 is followed by the last day of February.
    addStatement(m_account, QDate(2024, 1, 31));
    addCleared(m_account, QDate(2024, 1, 15), 500, true);
    opening = reconciler.open(m_account.id);
    QCOMPARE(opening->statementDate, QDate(2024, 2, 29));
    QCOMPARE(opening->previousBalance, 10500);

    // A transaction reconciled after the last statement (on another device)
    // moves the proposal past it.
    addCleared(m_account, QDate(2024, 2, 10), 200, true);
    QCOMPARE(reconciler.open(m_account.id)->statementDate, QDate(2024, 3, 10));

    // A statement describes the past: never a day still to come.
    addStatement(m_account, QDate::currentDate().addDays(-3));
    QCOMPARE(reconciler.open(m_account.id)->statementDate, QDate::currentDate());

    QVERIFY(!reconciler.open(newId()));
    QVERIFY(m_state->accountRepository()->softDelete(m_account.id));
    QVERIFY(!reconciler.open(m_account.id));
}

void TestReconciliation::finishRefusesATransactionChangedSinceShown()
{
    const Transaction kept = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 200, QStringLiteral("Kept"));
    Transaction changed = addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -300, QStringLiteral("Changed"));
    Reconciler reconciler(m_state.get());
    const Reconciler::Opening opening = *reconciler.open(m_account.id);

    // The user balanced against what was shown; a sync pass changes it.
    const Transaction shown = changed;
    changed.amount = -400;
    QVERIFY(m_state->transactionRepository()->update(changed));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("changed since it was shown")));
    QVERIFY(!reconciler.finish(opening, QDate(2024, 1, 31), 9900, {kept, shown}));
    QCOMPARE(*m_state->transactionRepository()->getById(kept.id), kept);
    QVERIFY(m_state->reconciliationRepository()->listByAccount(m_account.id).isEmpty());

    // Nor does it record a statement over a previous balance that moved: a
    // reconciled transaction edited in the register while the window is open.
    Transaction earlier = addCleared(m_account, QDate(2023, 12, 1), -1000, true);
    const Reconciler::Opening before = *reconciler.open(m_account.id);
    earlier.amount = -2000;
    QVERIFY(m_state->transactionRepository()->update(earlier));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("previous balance .* changed")));
    QVERIFY(!reconciler.finish(before, QDate(2024, 1, 31), before.previousBalance + 200, {kept}));
    QVERIFY(reconciler.finish(*reconciler.open(m_account.id), QDate(2024, 1, 31), 8200, {kept}));
}

void TestReconciliation::keysAndClicksTickOnlyTheCurrentRow()
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
    QVERIFY(isTicked(1) && !isTicked(0));

    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.rect = m_view->visualRect(m_model->index(0, ReconciliationModel::TickColumn));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = m_view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, m_view);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, box.center());
    QVERIFY(isTicked(0));
    QCOMPARE(m_model->tickedWithdrawals(), -300);

    // Tab leaves the table rather than walk its cells.
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_screen->findChild<QPushButton*>(QStringLiteral("addButton")));
}

void TestReconciliation::finishOnlyAtZeroAndAllOrNothing()
{
    const Transaction bill = addCleared(m_account, QDate(2024, 1, 5), -2500);
    const Transaction open = addTransaction(*m_state, m_account.id, QDate(2024, 1, 9), 500, QStringLiteral("Refund"));
    refuse(QStringLiteral("BEFORE INSERT ON reconciliations"));
    openScreen(m_account);
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);
    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));

    m_balanceField->setMinorUnits(7499);
    QVERIFY(!m_finishButton->isEnabled());
    m_balanceField->setMinorUnits(7500);
    QVERIFY(m_finishButton->isEnabled());
    // Half typed, the balance is not the 75.00 the field last held.
    auto* balanceEdit = m_balanceField->findChild<QLineEdit*>();
    balanceEdit->setText(QStringLiteral("$ 7,5"));
    QVERIFY(!m_finishButton->isEnabled());
    m_balanceField->setMinorUnits(7500);

    // A date that does not read as one is refused, not replaced by the one
    // shown before it was typed.
    auto* dateEdit = m_screen->findChild<DateField*>()->findChild<QLineEdit*>();
    dateEdit->setText(QStringLiteral("2/30/2024"));
    m_finishButton->click();
    dateEdit->setText(QStringLiteral("1/31/2024"));
    m_finishButton->click();
    QTRY_COMPARE(titles, QStringList({QStringLiteral("Invalid Date"), QStringLiteral("Reconciliation Not Saved")}));
    QCOMPARE(completed.size(), 0);
    QCOMPARE(*m_state->transactionRepository()->getById(bill.id), bill);
    QVERIFY(m_state->reconciliationRepository()->listByAccount(m_account.id).isEmpty());

    // The window stays as it was, ready to try again.
    QSqlQuery(m_state->database()->connection()).exec(QStringLiteral("DROP TRIGGER refuse"));
    m_finishButton->click();
    QTRY_COMPARE(titles.size(), 3);
    QCOMPARE(titles.last(), QStringLiteral("Reconciliation Complete"));
    QCOMPARE(completed.size(), 1);
    const Transaction reconciled = *m_state->transactionRepository()->getById(bill.id);
    QVERIFY(reconciled.cleared && reconciled.reconciled);
    QCOMPARE(reconciled.version, bill.version + 1);
    QCOMPARE(reconciled.sync_status, SyncStatus::Pending);
    QCOMPARE(*m_state->transactionRepository()->getById(open.id), open);
    const Reconciliation record = m_state->reconciliationRepository()->listByAccount(m_account.id).value(0);
    QCOMPARE(record.statement_date, QDate(2024, 1, 31));
    QCOMPARE(record.statement_balance, 7500);
    QCOMPARE(record.reconciled_balance, 7500);
}

void TestReconciliation::typedStatementBalanceReplacesTheOneShown()
{
    m_screen = std::make_unique<ReconciliationScreen>(m_state.get());
    m_screen->setAccount(m_account.id);
    m_screen->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_balanceField = m_screen->findChild<SmartAmountField*>(QStringLiteral("statementBalanceField"));
    const auto typeWhereFocused = [](const QString& text) {
        // A click's own selection comes after the focus it brings.
        QCoreApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), text);
    };

    // The window opens in the field: what is typed is the balance, not
    // digits in front of the "0.00" it showed.
    QVERIFY(m_balanceField->hasFocus());
    typeWhereFocused(QStringLiteral("2351.80"));
    QCOMPARE(m_balanceField->minorUnits(), 235180);

    // The same when Tab, a mnemonic or a click brings the user back.
    auto* dateEdit = m_screen->findChild<DateField*>()->findChild<QLineEdit*>();
    dateEdit->setFocus();
    QTest::keyClick(dateEdit, Qt::Key_Tab);
    typeWhereFocused(QStringLiteral("-75.5"));
    QCOMPARE(m_balanceField->minorUnits(), -7550);
    dateEdit->setFocus();
    QTest::keyClick(m_screen.get(), Qt::Key_B, Qt::AltModifier);
    typeWhereFocused(QStringLiteral("12"));
    QCOMPARE(m_balanceField->minorUnits(), 1200);
    dateEdit->setFocus();
    auto* balanceEdit = m_balanceField->findChild<QLineEdit*>();
    QTest::mouseClick(balanceEdit, Qt::LeftButton, {}, balanceEdit->rect().center());
    typeWhereFocused(QStringLiteral("99999999999.99"));
    QCOMPARE(m_balanceField->minorUnits(), 9'999'999'999'999);

    // Text the user is still typing stays as it is when focus comes back
    // to it, and so does an amount when the window comes back to the front.
    balanceEdit->selectAll();
    QTest::keyClicks(balanceEdit, QStringLiteral("-"));
    dateEdit->setFocus();
    m_balanceField->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(!balanceEdit->hasSelectedText());
    QCOMPARE(balanceEdit->text(), QStringLiteral("$ -"));
    dateEdit->setFocus();
    m_balanceField->setFocus(Qt::ActiveWindowFocusReason);
    QVERIFY(!balanceEdit->hasSelectedText());
}

void TestReconciliation::yenAccountReconcilesInWholeYen()
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
    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_finishButton->click();
    const QList<Reconciliation> records = m_state->reconciliationRepository()->listByAccount(yen.id);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().statement_balance, 199'998'800);
    QCOMPARE(records.first().reconciled_balance, 199'998'800);
}

void TestReconciliation::transactionsAddedHereKeepTheOtherTicks()
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
    ModalWatcher watcher([](QWidget* modal) { enterTransaction(modal, QStringLiteral("Pending"), -700, false); });
    pressShortcut(Qt::Key_Insert);
    QCOMPARE(watcher.handledCount(), 1);

    // Both are dated today: the one just entered is current.
    QCOMPARE(m_model->rowCount(), 3);
    const int pending = m_view->currentIndex().row();
    QCOMPARE(m_model->transactionAt(pending)->payee, QStringLiteral("Pending"));
    QVERIFY(isTicked(0));
    QVERIFY(isTicked(3 - pending));
    QVERIFY(!isTicked(pending));
}

void TestReconciliation::editAndDeleteGoThroughTheRegisterEditor()
{
    const Account savings = addAccount(*m_state, QStringLiteral("Savings"));
    const Transaction kept = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -100, QStringLiteral("Kept"));
    TransactionDraft transfer;
    transfer.transaction = makeTransaction(m_account.id, QDate(2024, 1, 2), -5000, QStringLiteral("To savings"));
    transfer.transferAccountId = savings.id;
    QVERIFY(RegisterEditor(m_state.get()).addTransaction(transfer));
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

    QStringList titles;
    {
        ModalWatcher watcher(answerBoxes(titles));
        pressShortcut(Qt::Key_Delete);
        QCOMPARE(titles, QStringList{QStringLiteral("Delete Transaction")});
    }
    QVERIFY(m_state->transactionRepository()->getById(transfer.transaction.id)->deleted_at);
    QVERIFY(m_state->transactionRepository()->getById(otherSide)->deleted_at);
    QCOMPARE(m_model->rowCount(), 1);
    QVERIFY(isTicked(0));

    // A write the store refuses is reported, and the form comes back with
    // what was typed.
    refuse(QStringLiteral("BEFORE UPDATE ON transactions"));
    titles.clear();
    QString payeeShownAgain;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* form = qobject_cast<TransactionFormDialog*>(modal);
        if (!form) {
            answerBoxes(titles)(modal);
        } else if (titles.isEmpty()) {
            enterTransaction(modal, QStringLiteral("Changed"), -100, false);
        } else {
            payeeShownAgain = form->findChild<QLineEdit*>(QStringLiteral("payeeEdit"))->text();
            form->reject();
        }
    });
    pressShortcut(Qt::Key_F2);
    QTRY_COMPARE(titles, QStringList{QStringLiteral("Transaction Not Saved")});
    QTRY_COMPARE(payeeShownAgain, QStringLiteral("Changed"));
    QCOMPARE(m_state->transactionRepository()->getById(kept.id)->payee, QStringLiteral("Kept"));
}

void TestReconciliation::historyListsStatementsNewestFirstOrSaysThereAreNone()
{
    const Account card = addAccount(*m_state, QStringLiteral("Card"), 0, Currency::EUR);
    addStatement(card, QDate(2024, 2, 29), -12050);
    addStatement(card, QDate(2024, 3, 31));
    addStatement(card, QDate(2024, 1, 31));
    ReconciliationHistoryScreen screen(m_state.get());
    auto* heading = screen.findChild<QLabel*>(QStringLiteral("headingLabel"));
    auto* table = screen.findChild<QTableWidget*>();
    auto* emptyText = screen.findChild<QLabel*>(QStringLiteral("emptyLabel"));

    screen.setAccount(card.id);
    QStringList dates;
    for (int row = 0; row < table->rowCount(); ++row)
        dates << table->item(row, 0)->text();
    QCOMPARE(dates, QStringList({QStringLiteral("Mar 31, 2024"), QStringLiteral("Feb 29, 2024"),
                                 QStringLiteral("Jan 31, 2024")}));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("-€120.50"));
    QVERIFY(!table->isHidden() && emptyText->isHidden());

    screen.setAccount(m_account.id);
    QCOMPARE(heading->text(), QStringLiteral("Reconciliation History — Checking"));
    QVERIFY(table->isHidden() && !emptyText->isHidden());

    // No account: no other account's name over its (empty) history.
    screen.setAccount(newId());
    QCOMPARE(heading->text(), QStringLiteral("Reconciliation History"));
}

void TestReconciliation::historyShowsTheCompletionInLocalTime()
{
    // Nine hours east of UTC, without summer time: late evening in UTC is
    // the next morning here.
    const QByteArray zone = qgetenv("TZ");
    const auto restoreZone = qScopeGuard([zone] {
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
    });
    qputenv("TZ", "XST-9");
    tzset();
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = m_account.id;
    statement.statement_date = QDate(2024, 3, 31);
    statement.completed_at = QDateTime(QDate(2024, 3, 31), QTime(20, 30), Qt::UTC);
    statement.created_at = statement.updated_at = statement.completed_at;
    QVERIFY(m_state->reconciliationRepository()->insert(statement));

    ReconciliationHistoryScreen screen(m_state.get());
    screen.setAccount(m_account.id);
    QCOMPARE(screen.findChild<QTableWidget*>()->item(0, 3)->text(), QStringLiteral("Apr 1, 2024 5:30 am"));
}

QTEST_MAIN(TestReconciliation)
void TestReconciliation::cutOffPayeeShowsInFullAsATooltip()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -500, QStringLiteral("Shell"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -500, kCutOffPayee);
    openScreen(m_account);
    m_screen->resize(m_screen->minimumSizeHint().width(), 500);
    QTRY_VERIFY(m_view->columnWidth(ReconciliationModel::PayeeColumn)
                < m_view->fontMetrics().horizontalAdvance(kCutOffPayee));

    verifyCutOffCellToolTip(m_view, m_model->index(0, ReconciliationModel::PayeeColumn),
                            m_model->index(1, ReconciliationModel::PayeeColumn));
}

void TestReconciliation::previousBalanceFollowsTheStartingBalance()
{
    openScreen(m_account);
    m_balanceField->setMinorUnits(15000);
    QVERIFY(!m_finishButton->isEnabled());

    // Edited in the main window while this one is open: the statement is
    // balanced against the new figure, not refused over the old one.
    Account edited = *m_state->accountRepository()->getById(m_account.id);
    edited.starting_balance = 15000;
    QVERIFY(m_state->accountRepository()->update(edited));
    QTRY_VERIFY(m_finishButton->isEnabled());
    QStringList titles;
    ModalWatcher watcher(answerBoxes(titles));
    m_screen->finish();
    QCOMPARE(titles, QStringList{QStringLiteral("Reconciliation Complete")});
    QCOMPARE(m_state->reconciliationRepository()->listByAccount(m_account.id).size(), 1);
}

#include "tst_reconciliation.moc"
