#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/RegisterModel.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "storage/SplitLineRepository.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

#include <limits>
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
    void newTransferStoresBothSidesLinked();
    void failedTransferWritesNeitherSide();
    void transferCanBeRetargetedOrUndone();
    void splitLinesAreStoredWithTheirTransaction();
    void transferMadeIntoASplitLeavesNoOtherSide();
    void transferIntoADeletedAccountCanStillBeEdited();
    void categoriesOfAnotherAccountAreRefused();
    void editOfATransferMovesItsOtherSide();
    void editOfATransferBetweenCurrenciesMovesOnlyTheDate();
    void editOfATransferIsAllOrNothing();
    void editOrDeleteOfADeletedTransactionIsRefused();
    void deleteOfATransferDeletesBothSidesAtOnce();
    void deleteOfASplitKeepsItsLinesForARestore();
    void deleteIsAllOrNothing();
    void aOneSidedLinkLeavesTheRowItNamesAlone();

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
    // Stores an edit made to a copy of the row, as the form hands it over.
    bool edit(const Transaction& edited) { return m_editor->updateTransaction(storedDraft(m_state.get(), edited)); }
    TransactionDraft newDraft(qint64 amount, const QString& payee) const
    {
        TransactionDraft draft;
        draft.transaction = makeTransaction(m_checking.id, QDate(2024, 6, 1), amount, payee);
        return draft;
    }
    SplitLine line(qint64 amount, const QString& memo = {}) const
    {
        SplitLine split;
        split.amount = amount;
        split.memo = memo;
        return split;
    }
    QList<SplitLine> linesOf(const QString& id) const;
    Category addCategory(const QString& name, const QString& accountId = {}) const
    {
        Category category;
        category.id = newId();
        category.name = name;
        category.account_id = accountId;
        m_state->categoryRepository()->insert(category);
        return category;
    }
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
    m_editor = std::make_unique<RegisterEditor>(m_state.get());
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

QList<SplitLine> TestRegisterEditor::linesOf(const QString& id) const
{
    return m_state->splitLineRepository()->listByTransaction(id);
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
    const TransactionDraft draft = dialog.draft();
    const Transaction& entered = draft.transaction;
    QVERIFY(m_editor->addTransaction(draft));

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
    QVERIFY(m_editor->updateTransaction(dialog.draft()));

    const Transaction edited = stored(original.id);
    QCOMPARE(edited.memo, QStringLiteral("Latte"));
    QCOMPARE(edited.version, 4);
    QCOMPARE(edited.sync_status, SyncStatus::Pending);
    QCOMPARE(edited.server_id, QStringLiteral("srv-1"));
    QCOMPARE(edited.created_at, original.created_at);
    QCOMPARE(edited.amount, qint64(-1000));

    // A second save of the same form is a second edit: one more, not two.
    QVERIFY(m_editor->updateTransaction(dialog.draft()));
    QCOMPARE(stored(original.id).version, 5);

    // At the largest version (a restored row) an edit stops there, never
    // wrapping to a negative one.
    Transaction oldest = stored(original.id);
    oldest.version = std::numeric_limits<int>::max();
    QVERIFY(m_state->transactionRepository()->update(oldest));
    QVERIFY(edit(oldest));
    QCOMPARE(stored(original.id).version, std::numeric_limits<int>::max());
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
    QVERIFY(m_editor->updateTransaction(dialog.draft()));
    const Transaction edited = stored(original.id);
    QCOMPARE(edited.memo, QStringLiteral("Latte"));
    QCOMPARE(edited.server_id, QStringLiteral("srv-7"));
    QVERIFY(edited.reconciled);
    QCOMPARE(edited.version, original.version + 1);
    QCOMPARE(edited.sync_status, SyncStatus::Pending);

    // A reconciled transaction was on a statement: it stays cleared.
    TransactionDraft uncleared = storedDraft(m_state.get(), edited);
    uncleared.transaction.cleared = false;
    QVERIFY(m_editor->updateTransaction(uncleared));
    QVERIFY(stored(original.id).cleared);
}

void TestRegisterEditor::newTransferStoresBothSidesLinked()
{
    TransactionDraft draft = newDraft(-12500, QStringLiteral("Card payment"));
    draft.transaction.category_id = addCategory(QStringLiteral("Ignored for a transfer")).id;
    draft.transferAccountId = m_savings.id;
    QSignalSpy changes(m_state->transactionRepository(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_editor->addTransaction(draft));

    const Transaction from = stored(draft.transaction.id);
    const QList<Transaction> received = m_state->transactionRepository()->listByAccount(m_savings.id);
    QCOMPARE(received.size(), 1);
    const Transaction& to = received.first();
    QCOMPARE(from.amount, qint64(-12500));
    QCOMPARE(to.amount, qint64(12500));
    QCOMPARE(to.date, from.date);
    QCOMPARE(from.transfer_link_id, to.id);
    QCOMPARE(to.transfer_link_id, from.id);
    QCOMPARE(from.transfer_dest_account_id, m_savings.id);
    QCOMPARE(to.transfer_dest_account_id, m_checking.id);
    QVERIFY(from.category_id.isEmpty());
    QVERIFY(!to.cleared);
    // Both registers hear of it.
    QStringList accounts;
    for (const QList<QVariant>& change : changes)
        accounts << change.first().toString();
    QVERIFY(accounts.contains(m_checking.id) && accounts.contains(m_savings.id));

    // Between currencies the other side takes what it was given, and nothing
    // is stored without it.
    const Account euros = addAccount(*m_state, QStringLiteral("Paris"), 0, Currency::EUR);
    TransactionDraft abroad = newDraft(-10000, QStringLiteral("Wire"));
    abroad.transferAccountId = euros.id;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("needs the amount the other account")));
    QVERIFY(!m_editor->addTransaction(abroad));
    QVERIFY(!m_state->transactionRepository()->getById(abroad.transaction.id));
    abroad.transferAmount = 9150;
    QVERIFY(m_editor->addTransaction(abroad));
    QCOMPARE(m_state->transactionRepository()->listByAccount(euros.id).value(0).amount, qint64(9150));

    // Not into its own account, nor into a deleted one.
    for (const QString& target : {m_checking.id, QStringLiteral("no-such-account")}) {
        TransactionDraft wrong = newDraft(-100, QStringLiteral("Nowhere"));
        wrong.transferAccountId = target;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot take the other side")));
        QVERIFY(!m_editor->addTransaction(wrong));
    }
}

void TestRegisterEditor::failedTransferWritesNeitherSide()
{
    QSqlQuery query(m_state->database()->connection());
    QVERIFY(query.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_savings BEFORE INSERT ON transactions "
                                      "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                           .arg(m_savings.id)));
    TransactionDraft draft = newDraft(-5000, QStringLiteral("To savings"));
    draft.transferAccountId = m_savings.id;
    Category created;
    created.id = newId();
    created.name = QStringLiteral("Savings Goals");
    draft.newCategories = {created};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed")));
    QVERIFY(!m_editor->addTransaction(draft));
    QVERIFY(!m_state->transactionRepository()->hasTransactions(m_checking.id));
    QVERIFY(!m_state->transactionRepository()->hasTransactions(m_savings.id));
    QVERIFY(!m_state->categoryRepository()->getById(created.id));
}

void TestRegisterEditor::transferCanBeRetargetedOrUndone()
{
    const Account card = addAccount(*m_state, QStringLiteral("Card"));
    const Transfer transfer = addTransfer(2500);

    // To another account: the old other side goes, a new one comes.
    TransactionDraft retarget = storedDraft(m_state.get(), stored(transfer.from.id));
    retarget.transferAccountId = card.id;
    QVERIFY(m_editor->updateTransaction(retarget));
    QVERIFY(stored(transfer.to.id).deleted_at);
    const QList<Transaction> onCard = m_state->transactionRepository()->listByAccount(card.id);
    QCOMPARE(onCard.size(), 1);
    QCOMPARE(onCard.first().amount, qint64(2500));
    QCOMPARE(stored(transfer.from.id).transfer_link_id, onCard.first().id);
    QCOMPARE(stored(transfer.from.id).transfer_dest_account_id, card.id);

    // To a category: no other side is left, and no link to one.
    TransactionDraft plain = storedDraft(m_state.get(), stored(transfer.from.id));
    plain.transferAccountId.clear();
    const Category fees = addCategory(QStringLiteral("Fees"));
    plain.transaction.category_id = fees.id;
    QVERIFY(m_editor->updateTransaction(plain));
    QVERIFY(stored(onCard.first().id).deleted_at);
    const Transaction after = stored(transfer.from.id);
    QVERIFY(!after.isTransfer());
    QVERIFY(after.transfer_dest_account_id.isEmpty());
    QCOMPARE(after.category_id, fees.id);

    // And back into a transfer.
    TransactionDraft again = storedDraft(m_state.get(), after);
    again.transferAccountId = m_savings.id;
    QVERIFY(m_editor->updateTransaction(again));
    QVERIFY(stored(transfer.from.id).category_id.isEmpty());
    QCOMPARE(m_state->transactionRepository()->listByAccount(m_savings.id).size(), 1);
}

void TestRegisterEditor::splitLinesAreStoredWithTheirTransaction()
{
    TransactionDraft draft = newDraft(-5420, QStringLiteral("Grocer"));
    draft.transaction.is_split = true;
    draft.transaction.category_id = addCategory(QStringLiteral("Not for a split")).id;
    draft.splitLines = {line(-4000, QStringLiteral("Food")), line(-1420, QStringLiteral("Soap"))};
    QVERIFY(m_editor->addTransaction(draft));
    const Transaction split = stored(draft.transaction.id);
    QVERIFY(split.is_split);
    QVERIFY(split.category_id.isEmpty());
    QList<SplitLine> lines = linesOf(split.id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, qint64(-5420));

    // Lines that do not add up are refused, on entry and on edit.
    TransactionDraft uneven = newDraft(-5000, QStringLiteral("Grocer"));
    uneven.transaction.is_split = true;
    uneven.splitLines = {line(-4000)};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("do not add up")));
    QVERIFY(!m_editor->addTransaction(uneven));
    QVERIFY(!m_editor->lastError().isEmpty());
    QVERIFY(!m_state->transactionRepository()->getById(uneven.transaction.id));

    TransactionDraft edited = storedDraft(m_state.get(), split);
    edited.transaction.amount = -6000;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("do not add up")));
    QVERIFY(!m_editor->updateTransaction(edited));
    QCOMPARE(linesOf(split.id).size(), 2);

    // New lines replace the old ones and carry the new amount.
    edited.splitLines.append(line(-580, QStringLiteral("Bags")));
    QVERIFY(m_editor->updateTransaction(edited));
    QCOMPARE(stored(split.id).amount, qint64(-6000));
    QCOMPARE(stored(split.id).version, 2);
    QCOMPARE(linesOf(split.id).size(), 3);

    // A split made plain keeps no lines behind.
    TransactionDraft plain = storedDraft(m_state.get(), stored(split.id));
    plain.transaction.is_split = false;
    plain.splitLines.clear();
    const Category food = addCategory(QStringLiteral("Food"));
    plain.transaction.category_id = food.id;
    QVERIFY(m_editor->updateTransaction(plain));
    QVERIFY(!stored(split.id).is_split);
    QCOMPARE(stored(split.id).category_id, food.id);
    QVERIFY(linesOf(split.id).isEmpty());
}

void TestRegisterEditor::transferMadeIntoASplitLeavesNoOtherSide()
{
    const Transfer transfer = addTransfer(10000);
    TransactionDraft split = storedDraft(m_state.get(), stored(transfer.from.id));
    split.transferAccountId.clear();
    split.transaction.is_split = true;
    split.transaction.amount = -15000;
    split.splitLines = {line(-9000), line(-6000)};
    QVERIFY(m_editor->updateTransaction(split));

    // Left linked, the savings side would keep +100.00 for ever.
    QVERIFY(stored(transfer.to.id).deleted_at);
    const Transaction after = stored(transfer.from.id);
    QVERIFY(!after.isTransfer());
    QVERIFY(after.transfer_dest_account_id.isEmpty());
    QVERIFY(m_state->transactionRepository()->listByAccount(m_savings.id).isEmpty());
}

void TestRegisterEditor::transferIntoADeletedAccountCanStillBeEdited()
{
    // A side that knows its other side only by the link, as a sync may
    // deliver it, whose account was deleted since.
    Transfer transfer = addTransfer(2500);
    Transaction from = stored(transfer.from.id);
    from.transfer_dest_account_id.clear();
    QVERIFY(m_state->transactionRepository()->update(from));
    QVERIFY(m_state->transactionRepository()->softDeleteByAccount(m_savings.id, nowUtc()) == 1);
    QVERIFY(m_state->accountRepository()->softDelete(m_savings.id));

    TransactionDraft memo = storedDraft(m_state.get(), stored(transfer.from.id));
    QCOMPARE(memo.transferAccountId, m_savings.id);
    memo.transaction.memo = QStringLiteral("Before the account closed");
    QVERIFY(m_editor->updateTransaction(memo));
    QCOMPARE(stored(transfer.from.id).memo, memo.transaction.memo);
    QCOMPARE(stored(transfer.from.id).transfer_link_id, transfer.to.id);
}

void TestRegisterEditor::categoriesOfAnotherAccountAreRefused()
{
    const Category business = addCategory(QStringLiteral("Office Rent"), m_savings.id);
    const Category own = addCategory(QStringLiteral("Household"), m_checking.id);
    TransactionDraft draft = newDraft(-1000, QStringLiteral("Landlord"));
    draft.transaction.is_split = true;
    draft.splitLines = {line(-600), line(-400)};
    draft.splitLines[0].category_id = own.id;
    draft.splitLines[1].category_id = business.id;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be used in account")));
    QVERIFY(!m_editor->addTransaction(draft));

    draft.splitLines[1].category_id.clear();
    QVERIFY(m_editor->addTransaction(draft));

    // What a transaction already had may stay, though it is no longer offered.
    Transaction old = addTransaction(*m_state, m_checking.id, QDate(2024, 5, 1), -100, QStringLiteral("Old"));
    old.category_id = business.id;
    QVERIFY(m_state->transactionRepository()->update(old));
    TransactionDraft memo = storedDraft(m_state.get(), old);
    memo.transaction.memo = QStringLiteral("kept");
    QVERIFY(m_editor->updateTransaction(memo));
}

void TestRegisterEditor::editOfATransferMovesItsOtherSide()
{
    const Transfer transfer = addTransfer(2500);

    // Payee and memo belong to each side; the other side stays as it was.
    Transaction renamed = transfer.from;
    renamed.payee = QStringLiteral("Rainy day fund");
    QVERIFY(edit(renamed));
    QCOMPARE(stored(transfer.to.id), transfer.to);

    Transaction moved = stored(transfer.from.id);
    moved.amount = -4000;
    moved.date = QDate(2024, 4, 3);
    QVERIFY(edit(moved));

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
    QVERIFY(edit(moved));
    const Transaction to = stored(transfer.to.id);
    QCOMPARE(to.date, QDate(2024, 4, 3));
    QCOMPARE(to.amount, qint64(2300));
    QCOMPARE(to.version, 6);

    // Nothing to mirror: the other side is left alone.
    Transaction repriced = stored(transfer.from.id);
    repriced.amount = -4100;
    QVERIFY(edit(repriced));
    QCOMPARE(stored(transfer.to.id), to);
}

void TestRegisterEditor::editOfATransferIsAllOrNothing()
{
    const Transfer transfer = addTransfer(2500);
    refuseWritesTo(transfer.to.id);

    Transaction moved = transfer.from;
    moved.amount = -9900;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("nothing of the change was stored")));
    QVERIFY(!edit(moved));
    QCOMPARE(stored(transfer.from.id), transfer.from);
    QCOMPARE(stored(transfer.to.id), transfer.to);
}

void TestRegisterEditor::editOrDeleteOfADeletedTransactionIsRefused()
{
    const Transaction gone = addTransaction(*m_state, m_checking.id, QDate(2024, 5, 1), -100, QStringLiteral("Gone"));
    QVERIFY(m_editor->deleteTransaction(gone.id));
    const Transaction deleted = stored(gone.id);
    QVERIFY(deleted.deleted_at);

    Transaction late = gone;
    late.memo = QStringLiteral("too late");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is gone; the edit was not stored")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is already gone")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-id is already gone")));
    QVERIFY(!edit(late));
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
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("nothing of the change was stored")));
    QVERIFY(!m_editor->deleteTransaction(transfer.from.id));
    QVERIFY(!stored(transfer.from.id).deleted_at);
    QVERIFY(!stored(transfer.to.id).deleted_at);
}

void TestRegisterEditor::aOneSidedLinkLeavesTheRowItNamesAlone()
{
    // As the sync service may send them: "Odd transfer" names "Salary" as
    // its other side, and "Salary" names nothing.
    Transaction salary = makeTransaction(m_savings.id, QDate(2024, 4, 1), 500000, QStringLiteral("Salary"));
    salary.sync_status = SyncStatus::Synced;
    Transaction odd = makeTransaction(m_checking.id, QDate(2024, 4, 2), -1, QStringLiteral("Odd transfer"));
    odd.transfer_link_id = salary.id;
    odd.transfer_dest_account_id = m_savings.id;
    QVERIFY(m_state->transactionRepository()->insert(salary) && m_state->transactionRepository()->insert(odd));

    Transaction repriced = odd;
    repriced.amount = -200;
    QVERIFY(edit(repriced));
    // Edited as an ordinary transaction, then deleted.
    TransactionDraft plain = storedDraft(m_state.get(), stored(odd.id));
    plain.transferAccountId.clear();
    QVERIFY(m_editor->updateTransaction(plain));
    QVERIFY(m_editor->deleteTransaction(odd.id));

    QCOMPARE(stored(salary.id), salary);
    const QList<Transaction> pending = m_state->transactionRepository()->listPending();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.first().id, odd.id);
}

QTEST_MAIN(TestRegisterEditor)
#include "tst_registereditor.moc"
