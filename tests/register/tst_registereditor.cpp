#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/RegisterModel.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "storage/SplitLineRepository.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestRegisterEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void enteredTransactionShowsWithItsRunningBalance();
    void editRaisesTheVersionByOneAndKeepsTheId();
    void editKeepsWhatChangedWhileTheFormWasOpen();
    void editKeepsLinksAndRefusesSplitAmounts();
    void editOfATransferMovesItsOtherSide();
    void editOfATransferBetweenCurrenciesMovesOnlyTheDate();
    void editOfATransferIsAllOrNothing();
    void editOrDeleteOfADeletedTransactionIsRefused();
    void deleteOfATransferDeletesBothSidesAtOnce();
    void deleteOfASplitKeepsItsLinesForARestore();
    void deleteIsAllOrNothing();

private:
    struct Transfer {
        Transaction from;
        Transaction to;
    };
    // From checking to `to`, which receives `received` (the same amount
    // unless the currencies differ).
    Transfer addTransfer(qint64 amount, const Account& to, qint64 received);
    Transfer addTransfer(qint64 amount) { return addTransfer(amount, m_savings, amount); }
    Transaction stored(const QString& id) const;
    // Makes every later write to that row fail, as a full disk or a broken
    // file would.
    void refuseWritesTo(const QString& transactionId);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterEditor> m_editor;
    Account m_checking;
    Account m_savings;
};

void TestRegisterEditor::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_editor = std::make_unique<RegisterEditor>(m_state->database(), m_state->transactionRepository(),
                                                m_state->accountRepository());
    m_checking = addAccount(*m_state, QStringLiteral("Checking"), 50000);
    m_savings = addAccount(*m_state, QStringLiteral("Savings"));
}

void TestRegisterEditor::cleanup()
{
    m_editor.reset();
    m_state.reset();
    m_dir.reset();
}

TestRegisterEditor::Transfer TestRegisterEditor::addTransfer(qint64 amount, const Account& to, qint64 received)
{
    Transfer transfer{makeTransaction(m_checking.id, QDate(2024, 4, 1), -amount, QStringLiteral("To savings")),
                      makeTransaction(to.id, QDate(2024, 4, 1), received, QStringLiteral("From checking"))};
    transfer.from.transfer_link_id = transfer.to.id;
    transfer.from.transfer_dest_account_id = to.id;
    transfer.to.transfer_link_id = transfer.from.id;
    transfer.to.transfer_dest_account_id = m_checking.id;
    transfer.from.version = 2;
    transfer.to.version = 5;
    transfer.to.sync_status = SyncStatus::Synced;
    m_state->transactionRepository()->insert(transfer.from);
    m_state->transactionRepository()->insert(transfer.to);
    return transfer;
}

Transaction TestRegisterEditor::stored(const QString& id) const
{
    return m_state->transactionRepository()->getById(id).value_or(Transaction());
}

void TestRegisterEditor::refuseWritesTo(const QString& transactionId)
{
    QSqlQuery query(m_state->database()->connection());
    QVERIFY(query.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_write BEFORE UPDATE ON transactions "
                                      "WHEN OLD.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                           .arg(transactionId)));
}

void TestRegisterEditor::enteredTransactionShowsWithItsRunningBalance()
{
    addTransaction(*m_state, m_checking.id, QDate(2024, 5, 1), -12000, QStringLiteral("Grocer"));
    addTransaction(*m_state, m_checking.id, QDate(2024, 5, 20), 30000, QStringLiteral("Refund"));

    TransactionFormDialog dialog(m_state.get(), m_checking.id);
    dialog.findChild<DateField*>(QStringLiteral("dateField"))->setDate(QDate(2024, 5, 10));
    dialog.findChild<QLineEdit*>(QStringLiteral("payeeEdit"))->setText(QStringLiteral("  Power Company "));
    dialog.findChild<QRadioButton*>(QStringLiteral("paymentButton"))->setChecked(true);
    dialog.findChild<SmartAmountField*>(QStringLiteral("amountField"))->setValue(45.67);
    const Transaction entered = dialog.transaction();
    QVERIFY(m_editor->addTransaction(entered));

    RegisterModel model(m_state->transactionRepository(), m_state->accountRepository(),
                        m_state->categoryRepository(), m_state->preferencesRepository());
    model.setAccount(m_checking.id);
    const int row = model.rowOf(entered.id);
    QCOMPARE(row, 1);
    const auto text = [&](int r, int column) { return model.data(model.index(r, column)).toString(); };
    QCOMPARE(text(row, RegisterModel::PayeeColumn), QStringLiteral("Power Company"));
    QCOMPARE(text(row, RegisterModel::PaymentColumn), QStringLiteral("45.67"));
    QCOMPARE(text(row, RegisterModel::BalanceColumn), QStringLiteral("$334.33"));
    QCOMPARE(text(2, RegisterModel::BalanceColumn), QStringLiteral("$634.33"));
}

void TestRegisterEditor::editRaisesTheVersionByOneAndKeepsTheId()
{
    Transaction original = makeTransaction(m_checking.id, QDate(2024, 5, 1), -1000, QStringLiteral("Cafe"));
    original.version = 3;
    original.sync_status = SyncStatus::Synced;
    original.server_id = QStringLiteral("srv-1");
    original.created_at = QDateTime(QDate(2024, 5, 1), QTime(8, 0), Qt::UTC);
    m_state->transactionRepository()->insert(original);

    TransactionFormDialog dialog(m_state.get(), original);
    dialog.findChild<QLineEdit*>(QStringLiteral("memoEdit"))->setText(QStringLiteral("Latte"));
    QVERIFY(m_editor->updateTransaction(dialog.transaction()));

    const Transaction edited = stored(original.id);
    QCOMPARE(edited.memo, QStringLiteral("Latte"));
    QCOMPARE(edited.version, 4);
    QCOMPARE(edited.sync_status, SyncStatus::Pending);
    QCOMPARE(edited.server_id, QStringLiteral("srv-1"));
    QCOMPARE(edited.created_at, original.created_at);
    QCOMPARE(edited.amount, qint64(-1000));

    // A second save of the same form is a second edit: one more, not two.
    QVERIFY(m_editor->updateTransaction(dialog.transaction()));
    QCOMPARE(stored(original.id).version, 5);
}

void TestRegisterEditor::editKeepsWhatChangedWhileTheFormWasOpen()
{
    const Transaction original =
        addTransaction(*m_state, m_checking.id, QDate(2024, 5, 1), -1000, QStringLiteral("Cafe"));
    TransactionFormDialog dialog(m_state.get(), stored(original.id));
    dialog.findChild<QLineEdit*>(QStringLiteral("memoEdit"))->setText(QStringLiteral("Latte"));

    // A sync pass and a reconciliation while the form is open.
    QVERIFY(m_state->transactionRepository()->markSynced(original.id, QStringLiteral("srv-7")));
    Transaction reconciled = stored(original.id);
    reconciled.reconciled = true;
    reconciled.cleared = true;
    QVERIFY(m_state->transactionRepository()->update(reconciled));

    dialog.findChild<QCheckBox*>(QStringLiteral("clearedCheck"))->setChecked(true);
    QVERIFY(m_editor->updateTransaction(dialog.transaction()));
    const Transaction edited = stored(original.id);
    QCOMPARE(edited.memo, QStringLiteral("Latte"));
    QCOMPARE(edited.server_id, QStringLiteral("srv-7"));
    QVERIFY(edited.reconciled);
    QCOMPARE(edited.version, original.version + 1);
    QCOMPARE(edited.sync_status, SyncStatus::Pending);
}

void TestRegisterEditor::editKeepsLinksAndRefusesSplitAmounts()
{
    const Transfer transfer = addTransfer(2500);
    Transaction rewired = transfer.from;
    rewired.transfer_link_id.clear();
    rewired.is_split = true;
    rewired.account_id = m_savings.id;
    rewired.payee = QStringLiteral("Renamed");
    QVERIFY(m_editor->updateTransaction(rewired));
    const Transaction after = stored(transfer.from.id);
    QCOMPARE(after.payee, QStringLiteral("Renamed"));
    QCOMPARE(after.transfer_link_id, transfer.to.id);
    QCOMPARE(after.account_id, m_checking.id);
    QVERIFY(!after.is_split);

    Transaction split = makeTransaction(m_checking.id, QDate(2024, 5, 2), -3000, QStringLiteral("Market"));
    split.is_split = true;
    m_state->transactionRepository()->insert(split);
    Transaction changedAmount = split;
    changedAmount.amount = -3500;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("split transaction .* not stored")));
    QVERIFY(!m_editor->updateTransaction(changedAmount));
    QCOMPARE(stored(split.id).amount, qint64(-3000));
    QCOMPARE(stored(split.id).version, 1);
}

void TestRegisterEditor::editOfATransferMovesItsOtherSide()
{
    const Transfer transfer = addTransfer(2500);

    // Payee and memo belong to each side; the other side stays as it was.
    Transaction renamed = transfer.from;
    renamed.payee = QStringLiteral("Rainy day fund");
    QVERIFY(m_editor->updateTransaction(renamed));
    QCOMPARE(stored(transfer.to.id), transfer.to);

    Transaction moved = stored(transfer.from.id);
    moved.amount = -4000;
    moved.date = QDate(2024, 4, 3);
    QVERIFY(m_editor->updateTransaction(moved));

    const Transaction from = stored(transfer.from.id);
    const Transaction to = stored(transfer.to.id);
    QCOMPARE(from.amount, qint64(-4000));
    QCOMPARE(from.version, 4);
    QCOMPARE(to.amount, qint64(4000));
    QCOMPARE(to.date, QDate(2024, 4, 3));
    QCOMPARE(to.version, 6);
    QCOMPARE(to.sync_status, SyncStatus::Pending);
    QCOMPARE(to.payee, QStringLiteral("From checking"));
}

void TestRegisterEditor::editOfATransferBetweenCurrenciesMovesOnlyTheDate()
{
    const Account euros = addAccount(*m_state, QStringLiteral("Paris"), 0, Currency::EUR);
    const Transfer transfer = addTransfer(2500, euros, 2300);

    Transaction moved = transfer.from;
    moved.amount = -4000;
    moved.date = QDate(2024, 4, 3);
    QVERIFY(m_editor->updateTransaction(moved));
    const Transaction to = stored(transfer.to.id);
    QCOMPARE(to.date, QDate(2024, 4, 3));
    QCOMPARE(to.amount, qint64(2300));
    QCOMPARE(to.version, 6);

    // Nothing to mirror: the other side is left alone.
    Transaction repriced = stored(transfer.from.id);
    repriced.amount = -4100;
    QVERIFY(m_editor->updateTransaction(repriced));
    QCOMPARE(stored(transfer.to.id), to);
}

void TestRegisterEditor::editOfATransferIsAllOrNothing()
{
    const Transfer transfer = addTransfer(2500);
    refuseWritesTo(transfer.to.id);

    Transaction moved = transfer.from;
    moved.amount = -9900;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("edit of transaction .* was not stored")));
    QVERIFY(!m_editor->updateTransaction(moved));
    QCOMPARE(stored(transfer.from.id), transfer.from);
    QCOMPARE(stored(transfer.to.id), transfer.to);
}

void TestRegisterEditor::editOrDeleteOfADeletedTransactionIsRefused()
{
    const Transaction gone = addTransaction(*m_state, m_checking.id, QDate(2024, 5, 1), -100, QStringLiteral("Gone"));
    QVERIFY(m_editor->deleteTransaction(gone.id));
    const Transaction deleted = stored(gone.id);
    QVERIFY(deleted.deleted_at);

    Transaction edit = gone;
    edit.memo = QStringLiteral("too late");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is gone; the edit was not stored")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is already gone")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-id is already gone")));
    QVERIFY(!m_editor->updateTransaction(edit));
    QVERIFY(!m_editor->deleteTransaction(gone.id));
    QVERIFY(!m_editor->deleteTransaction(QStringLiteral("no-such-id")));
    QCOMPARE(stored(gone.id), deleted);
}

void TestRegisterEditor::deleteOfATransferDeletesBothSidesAtOnce()
{
    const Transfer transfer = addTransfer(2500);
    QVERIFY(m_editor->deleteTransaction(transfer.to.id));

    const Transaction from = stored(transfer.from.id);
    const Transaction to = stored(transfer.to.id);
    QVERIFY(from.deleted_at);
    QVERIFY(to.deleted_at);
    QCOMPARE(*from.deleted_at, *to.deleted_at);
    QCOMPARE(from.sync_status, SyncStatus::Pending);
    QCOMPARE(to.sync_status, SyncStatus::Pending);
    // A delete is not an edit: the versions stay.
    QCOMPARE(from.version, 2);
    QCOMPARE(to.version, 5);
    QVERIFY(m_state->transactionRepository()->listByAccount(m_checking.id).isEmpty());
    QVERIFY(m_state->transactionRepository()->listByAccount(m_savings.id).isEmpty());
}

void TestRegisterEditor::deleteOfASplitKeepsItsLinesForARestore()
{
    Transaction split = makeTransaction(m_checking.id, QDate(2024, 5, 2), -3000, QStringLiteral("Market"));
    split.is_split = true;
    m_state->transactionRepository()->insert(split);
    const Transaction plain = addTransaction(*m_state, m_checking.id, QDate(2024, 5, 3), -700, QStringLiteral("Bakery"));
    for (const Transaction& owner : {split, split, plain}) {
        SplitLine line;
        line.id = newId();
        line.transaction_id = owner.id;
        line.amount = owner.amount / 2;
        QVERIFY(m_state->splitLineRepository()->insert(line));
    }

    QVERIFY(m_editor->deleteTransaction(split.id));
    const Transaction deleted = stored(split.id);
    QVERIFY(deleted.deleted_at);
    QVERIFY(!stored(plain.id).deleted_at);
    QCOMPARE(m_state->splitLineRepository()->listByTransaction(split.id).size(), 2);

    // Deleting and restoring the account brings the split back whole.
    QCOMPARE(m_state->transactionRepository()->restoreByAccount(m_checking.id, toIsoUtc(*deleted.deleted_at)), 1);
    const Transaction restored = stored(split.id);
    QVERIFY(!restored.deleted_at);
    QVERIFY(restored.is_split);
    QCOMPARE(m_state->splitLineRepository()->listByTransaction(split.id).size(), 2);
}

void TestRegisterEditor::deleteIsAllOrNothing()
{
    const Transfer transfer = addTransfer(2500);
    refuseWritesTo(transfer.to.id);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::softDelete failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("was not deleted")));
    QVERIFY(!m_editor->deleteTransaction(transfer.from.id));
    QVERIFY(!stored(transfer.from.id).deleted_at);
    QVERIFY(!stored(transfer.to.id).deleted_at);
}

QTEST_MAIN(TestRegisterEditor)
#include "tst_registereditor.moc"
