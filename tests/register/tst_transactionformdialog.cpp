#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/CategoryComboBox.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "storage/CategoryRepository.h"
#include "storage/SplitLineRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

template <typename Widget>
Widget* field(const TransactionFormDialog& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// Types as a user does after selecting the field's text, then leaves it.
void typeInto(QWidget* widget, const QString& text)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit)
        edit = widget->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(widget))
        Q_EMIT spinBox->editingFinished();
    else
        Q_EMIT edit->editingFinished();
}

} // namespace

class TestTransactionFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newFormGivesANewRecordOfTheAccount();
    void minusSignTurnsTheDirection();
    void yenAccountsEnterWholeYen();
    void editFormReturnsTheEditedCopy();
    void splitShowsItsLinesAndKeepsThem();
    void deletedCategoryReadsAsUncategorized();
    void typedCategoryTextIsReadNotDropped();
    void partialTextPicksOnlyWhatItClearlyNames();
    void accountsComeBeforeCategoriesOfTheTransferType();
    void unknownCategoryIsCreatedOnlyWhenTheUserAgrees();
    void offersOnlySharedCategoriesAndThoseOfTheAccount();
    void transferToAnotherAccount();
    void receivedAmountIsNeverCarriedIntoAnotherCurrency();
    void knownPayeeFillsWhatIsStillUntouched();
    void categoryTypeSetsADirectionNobodyChose();
    void tabTakesTheHighlightedOrOnlyCompletion();
    void okStaysWhereItIsWhenTheCategoryHintShows();
    void refusesWhatCannotBeStored_data();
    void refusesWhatCannotBeStored();

private:
    Category addCategory(const QString& name, const QString& parentId = {}, const QString& accountId = {});
    // Presses OK; a message box that opens is answered with `button`. The
    // message's text, or empty when none opened.
    QString pressOk(TransactionFormDialog& dialog, QMessageBox::StandardButton button = QMessageBox::Ok);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    Account m_account;
};

void TestTransactionFormDialog::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"));
}

void TestTransactionFormDialog::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

Category TestTransactionFormDialog::addCategory(const QString& name, const QString& parentId,
                                                const QString& accountId)
{
    Category category;
    category.id = newId();
    category.name = name;
    category.parent_id = parentId;
    category.account_id = accountId;
    category.created_at = nowUtc();
    category.updated_at = category.created_at;
    m_state->categoryRepository()->insert(category);
    return category;
}

QString TestTransactionFormDialog::pressOk(TransactionFormDialog& dialog, QMessageBox::StandardButton button)
{
    QString message;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        message = box->text();
        box->button(button)->click();
    });
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    return message;
}

void TestTransactionFormDialog::newFormGivesANewRecordOfTheAccount()
{
    const Category home = addCategory(QStringLiteral("Zz Home"));
    const Category repairs = addCategory(QStringLiteral("Zz Repairs"), home.id);

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    QCOMPARE(field<DateField>(dialog, "dateField")->date(), QDate::currentDate());
    QVERIFY(field<QRadioButton>(dialog, "paymentButton")->isChecked());

    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    QCOMPARE(category->currentText(), QStringLiteral("(none)"));
    // Sub-categories follow their parent whatever their own names.
    const CategoryChoices& choices = category->categoryChoices();
    QCOMPARE(choices.indexOf(CategoryChoices::Kind::Category, repairs.id),
             choices.indexOf(CategoryChoices::Kind::Category, home.id) + 1);
    category->select(CategoryChoices::Kind::Category, repairs.id);
    QCOMPARE(category->currentText(), QStringLiteral("Zz Home > Zz Repairs"));

    field<DateField>(dialog, "dateField")->setDate(QDate(2024, 6, 1));
    field<QLineEdit>(dialog, "numberEdit")->setText(QStringLiteral(" 1042 "));
    field<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Plumber"));
    field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("Sink "));
    field<SmartAmountField>(dialog, "amountField")->setValue(180.5);
    field<QCheckBox>(dialog, "clearedCheck")->setChecked(true);

    const TransactionDraft draft = dialog.draft();
    const Transaction& result = draft.transaction;
    QVERIFY(!result.id.isEmpty());
    QVERIFY(!result.id.startsWith(u'{'));
    QCOMPARE(result.created_at.timeSpec(), Qt::UTC);
    QCOMPARE(result.account_id, m_account.id);
    QCOMPARE(result.date, QDate(2024, 6, 1));
    QCOMPARE(result.check_number, QStringLiteral("1042"));
    QCOMPARE(result.payee, QStringLiteral("Plumber"));
    QCOMPARE(result.memo, QStringLiteral("Sink"));
    QCOMPARE(result.category_id, repairs.id);
    QCOMPARE(result.amount, qint64(-18050));
    QVERIFY(result.cleared);
    QCOMPARE(result.version, 1);
    QVERIFY(!result.is_split);
    QVERIFY(!draft.isTransfer());
    QVERIFY(draft.newCategories.isEmpty());

    // Every reading is the same new transaction.
    QCOMPARE(dialog.transaction().id, result.id);
}

void TestTransactionFormDialog::minusSignTurnsTheDirection()
{
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* amount = field<SmartAmountField>(dialog, "amountField");
    auto* deposit = field<QRadioButton>(dialog, "depositButton");

    // "-3" keeps its digit and turns the payment into a deposit, and back.
    typeInto(amount, QStringLiteral("-3"));
    QVERIFY(deposit->isChecked());
    QCOMPARE(amount->minorUnits(), qint64(300));
    QCOMPARE(dialog.transaction().amount, qint64(300));
    typeInto(amount, QStringLiteral("-12.5"));
    QVERIFY(!deposit->isChecked());
    QCOMPARE(dialog.transaction().amount, qint64(-1250));

    // Before editing ends, the sign already counts.
    auto* amountEdit = amount->findChild<QLineEdit*>();
    amountEdit->selectAll();
    QTest::keyClicks(amountEdit, QStringLiteral("-7"));
    QCOMPARE(dialog.transaction().amount, qint64(700));

    // An amount larger than any other form allows is not clipped on edit.
    Transaction large = makeTransaction(m_account.id, QDate(2024, 1, 1), 12345678901234, QStringLiteral("Estate"));
    TransactionFormDialog edit(m_state.get(), large);
    QVERIFY(field<QRadioButton>(edit, "depositButton")->isChecked());
    QCOMPARE(edit.transaction().amount, large.amount);
}

void TestTransactionFormDialog::yenAccountsEnterWholeYen()
{
    const Account yen = addAccount(*m_state, QStringLiteral("Tokyo"), 0, Currency::JPY);
    TransactionFormDialog dialog(m_state.get(), yen.id);
    auto* amount = field<SmartAmountField>(dialog, "amountField");
    QCOMPARE(amount->decimals(), 0);
    QCOMPARE(amount->prefix(), QStringLiteral("¥ "));
    amount->setValue(1500);
    QCOMPARE(dialog.transaction().amount, qint64(-1500));

    const Transaction stored = makeTransaction(yen.id, QDate(2024, 1, 1), 98765, QStringLiteral("Salary"));
    TransactionFormDialog edit(m_state.get(), stored);
    QCOMPARE(field<SmartAmountField>(edit, "amountField")->value(), 98765.0);
    QCOMPARE(edit.transaction().amount, qint64(98765));
}

void TestTransactionFormDialog::editFormReturnsTheEditedCopy()
{
    Transaction original = makeTransaction(m_account.id, QDate(2023, 12, 24), -4599, QStringLiteral("Toys"));
    original.version = 7;
    original.sync_status = SyncStatus::Synced;
    original.server_id = QStringLiteral("srv-9");
    original.recurring_id = QStringLiteral("rec-1");
    original.reconciled = true;
    original.cleared = true;

    TransactionFormDialog dialog(m_state.get(), original);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transaction"));
    QCOMPARE(field<SmartAmountField>(dialog, "amountField")->value(), 45.99);

    // Fields the form does not show pass through; only the edit marks change.
    Transaction expected = original;
    expected.version = 8;
    expected.sync_status = SyncStatus::Pending;
    Transaction unchanged = dialog.transaction();
    QVERIFY(unchanged.updated_at >= original.updated_at);
    unchanged.updated_at = original.updated_at;
    QCOMPARE(unchanged, expected);
}

void TestTransactionFormDialog::splitShowsItsLinesAndKeepsThem()
{
    Transaction split = addTransaction(*m_state, m_account.id, QDate(2024, 2, 2), -7777, QStringLiteral("Warehouse"));
    split.is_split = true;
    QVERIFY(m_state->transactionRepository()->update(split));
    for (const qint64 amount : {-7000, -777}) {
        SplitLine line;
        line.id = newId();
        line.transaction_id = split.id;
        line.amount = amount;
        QVERIFY(m_state->splitLineRepository()->insert(line));
    }

    TransactionFormDialog dialog(m_state.get(), split);
    QVERIFY(!field<CategoryComboBox>(dialog, "categoryCombo")->isEnabled());
    QVERIFY(!field<SmartAmountField>(dialog, "amountField")->isEnabled());
    field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("Bulk"));
    QCOMPARE(pressOk(dialog), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TransactionDraft draft = dialog.draft();
    QCOMPARE(draft.transaction.memo, QStringLiteral("Bulk"));
    QCOMPARE(draft.transaction.amount, split.amount);
    QVERIFY(draft.transaction.is_split);
    QCOMPARE(draft.splitLines.size(), 2);
    QCOMPARE(draft.splitTotal(), split.amount);

    // Turning it into a deposit turns its lines too.
    field<QRadioButton>(dialog, "depositButton")->setChecked(true);
    QCOMPARE(dialog.draft().transaction.amount, -split.amount);
    QCOMPARE(dialog.draft().splitTotal(), -split.amount);

    // A split whose lines are gone is one amount without a category, not 0.00.
    Transaction bare = makeTransaction(m_account.id, QDate(2024, 2, 3), -5000, QStringLiteral("Import"));
    bare.is_split = true;
    TransactionFormDialog bareForm(m_state.get(), bare);
    QVERIFY(field<CategoryComboBox>(bareForm, "categoryCombo")->isEnabled());
    QCOMPARE(bareForm.draft().transaction.amount, qint64(-5000));
    QVERIFY(!bareForm.draft().transaction.is_split);
}

void TestTransactionFormDialog::deletedCategoryReadsAsUncategorized()
{
    const Category old = addCategory(QStringLiteral("Old Hobby"));
    Transaction original = makeTransaction(m_account.id, QDate(2022, 3, 3), -500, QStringLiteral("Shop"));
    original.category_id = old.id;
    QVERIFY(m_state->categoryRepository()->softDelete(old.id));

    // Its transactions are uncategorized, here as in the register.
    TransactionFormDialog dialog(m_state.get(), original);
    QCOMPARE(field<CategoryComboBox>(dialog, "categoryCombo")->currentIndex(), 0);
    QVERIFY(dialog.transaction().category_id.isEmpty());

    // A category not known here at all (its row not synced yet) is kept.
    original.category_id = QStringLiteral("not-yet-synced");
    TransactionFormDialog pending(m_state.get(), original);
    QCOMPARE(pending.transaction().category_id, original.category_id);
}

void TestTransactionFormDialog::typedCategoryTextIsReadNotDropped()
{
    const Category food = addCategory(QStringLiteral("Zz Food"));
    const Category groceries = addCategory(QStringLiteral("Zz Groceries"), food.id);
    addCategory(QStringLiteral("Zz Gifts"));
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    auto* hint = field<QLabel>(dialog, "categoryHint");

    // A part of one name, the name as the register shows it, the whole entry.
    for (const QString& typed : {QStringLiteral("zz groc"), QStringLiteral("Zz Groceries"),
                                 QStringLiteral("zz food > zz groceries")}) {
        category->setCurrentIndex(0);
        typeInto(category, typed);
        QCOMPARE(category->currentText(), QStringLiteral("Zz Food > Zz Groceries"));
        QCOMPARE(dialog.transaction().category_id, groceries.id);
        QVERIFY(hint->isHidden());
    }

    // Text naming no category, or several, stays as typed with a word.
    for (const QString& typed : {QStringLiteral("Zz Garden"), QStringLiteral("zz g")}) {
        typeInto(category, typed);
        QCOMPARE(category->currentText(), typed);
        QVERIFY(!hint->isHidden());
        QVERIFY(hint->text().contains(typed));
    }

    // Blank is none.
    typeInto(category, QStringLiteral("   "));
    QVERIFY(dialog.transaction().category_id.isEmpty());
}

void TestTransactionFormDialog::partialTextPicksOnlyWhatItClearlyNames()
{
    const Category utilities = addCategory(QStringLiteral("Zz Utilities"));
    addCategory(QStringLiteral("Zz Electric"), utilities.id);
    const Category housing = addCategory(QStringLiteral("Zz Housing"));
    addCategory(QStringLiteral("Zz Property Tax"), housing.id);
    const Account fund = addAccount(*m_state, QStringLiteral("Zz Emergency Fund"));
    const Account firstVisa = addAccount(*m_state, QStringLiteral("Zz Visa"));
    const Account secondVisa = addAccount(*m_state, QStringLiteral("Zz Visa"));
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    const auto typed = [&](const QString& text) {
        typeInto(category, text);
        return dialog.draft();
    };

    // A start names a category, not each of its sub-categories as well.
    QCOMPARE(typed(QStringLiteral("zz util")).transaction.category_id, utilities.id);
    // A word inside a name is no start: "Tax" may be a new category.
    typeInto(category, QStringLiteral("Tax"));
    QCOMPARE(category->typedMatch().result, CategoryChoices::Match::NoMatch);
    // A transfer writes into another account: never guessed from a start.
    typeInto(category, QStringLiteral("Zz Emergency"));
    QVERIFY(!dialog.draft().isTransfer());
    QCOMPARE(typed(QStringLiteral("Transfer to Zz Emergency Fund")).transferAccountId, fund.id);

    // Two accounts of one name: the entry picked from the list counts.
    const CategoryChoices& choices = category->categoryChoices();
    for (const Account& visa : {firstVisa, secondVisa}) {
        category->setCurrentIndex(
            category->findData(choices.indexOf(CategoryChoices::Kind::Transfer, visa.id)));
        QCOMPARE(dialog.draft().transferAccountId, visa.id);
    }
}

void TestTransactionFormDialog::accountsComeBeforeCategoriesOfTheTransferType()
{
    // The default tree holds "Transfers > Savings Transfer", a category that
    // moves no money into any account.
    addAccount(*m_state, QStringLiteral("Rainy Day Savings"));
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    category->lineEdit()->clear();
    QTest::keyClicks(category->lineEdit(), QStringLiteral("Sav"));
    QAbstractItemModel* offered = category->completer()->completionModel();
    QVERIFY(offered->rowCount() >= 2);
    QCOMPARE(offered->index(0, 0).data().toString(), QStringLiteral("Transfer to/from: Rainy Day Savings"));

    // Left as typed, the start names the account as much as the category:
    // neither is guessed.
    Q_EMIT category->lineEdit()->editingFinished();
    QCOMPARE(category->typedMatch().result, CategoryChoices::Match::Several);
    const TransactionDraft draft = dialog.draft();
    QVERIFY(!draft.isTransfer());
    QVERIFY(draft.transaction.category_id.isEmpty());
    // A start no account shares still names its one category.
    typeInto(category, QStringLiteral("Credit Card P"));
    QCOMPARE(category->currentText(), QStringLiteral("Transfers > Credit Card Payment"));
}

void TestTransactionFormDialog::unknownCategoryIsCreatedOnlyWhenTheUserAgrees()
{
    const Category food = addCategory(QStringLiteral("Zz Food"));
    addCategory(QStringLiteral("Zz Gifts"));
    addCategory(QStringLiteral("Zz Gas"));
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    field<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Market"));
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");

    typeInto(category, QStringLiteral("zz g"));
    QVERIFY(pressOk(dialog).contains(QStringLiteral("More than one category")));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    typeInto(category, QStringLiteral("Zz Food > Zz Bakery"));
    QVERIFY(pressOk(dialog, QMessageBox::No).contains(QStringLiteral("expense")));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(category->currentText(), QStringLiteral("Zz Food > Zz Bakery"));

    field<QRadioButton>(dialog, "depositButton")->setChecked(true);
    QVERIFY(pressOk(dialog, QMessageBox::Yes).contains(QStringLiteral("income")));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TransactionDraft draft = dialog.draft();
    QCOMPARE(draft.newCategories.size(), 1);
    const Category& created = draft.newCategories.first();
    QCOMPARE(created.name, QStringLiteral("Zz Bakery"));
    QCOMPARE(created.parent_id, food.id);
    QCOMPARE(created.category_type, CategoryType::Income);
    QCOMPARE(draft.transaction.category_id, created.id);
    // Nothing is written by the form itself.
    QVERIFY(!m_state->categoryRepository()->getById(created.id));

    // Never under one listed alone only because its parent was deleted: its
    // child would stand on a third level once the parent is back.
    addCategory(QStringLiteral("Zz Orphan"), newId());
    TransactionFormDialog again(m_state.get(), m_account.id);
    field<QLineEdit>(again, "payeeEdit")->setText(QStringLiteral("Market"));
    typeInto(field<CategoryComboBox>(again, "categoryCombo"), QStringLiteral("Zz Orphan > Zz Kid"));
    pressOk(again, QMessageBox::Yes);
    QCOMPARE(again.draft().newCategories.size(), 1);
    QVERIFY(again.draft().newCategories.first().parent_id.isEmpty());
}

void TestTransactionFormDialog::offersOnlySharedCategoriesAndThoseOfTheAccount()
{
    const Account other = addAccount(*m_state, QStringLiteral("Business"));
    const Category shared = addCategory(QStringLiteral("Zz Shared"));
    const Category own = addCategory(QStringLiteral("Zz Own"), {}, m_account.id);
    const Category foreign = addCategory(QStringLiteral("Zz Foreign"), {}, other.id);
    const auto listed = [](const TransactionFormDialog& dialog, const Category& category) {
        return field<CategoryComboBox>(dialog, "categoryCombo")
                   ->categoryChoices()
                   .indexOf(CategoryChoices::Kind::Category, category.id)
            > 0;
    };

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    QVERIFY(listed(dialog, shared));
    QVERIFY(listed(dialog, own));
    QVERIFY(!listed(dialog, foreign));
    TransactionFormDialog otherDialog(m_state.get(), other.id);
    QVERIFY(listed(otherDialog, foreign));
    QVERIFY(!listed(otherDialog, own));
}

void TestTransactionFormDialog::transferToAnotherAccount()
{
    const Account card = addAccount(*m_state, QStringLiteral("Visa Card"));
    const Account euros = addAccount(*m_state, QStringLiteral("Paris"), 0, Currency::EUR);
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    auto* received = field<SmartAmountField>(dialog, "transferAmountField");
    field<SmartAmountField>(dialog, "amountField")->setValue(250);

    // Its own account is no transfer target; the register's text for one is.
    QCOMPARE(category->categoryChoices().indexOf(CategoryChoices::Kind::Transfer, m_account.id), -1);
    typeInto(category, QStringLiteral("Visa Card"));
    TransactionDraft draft = dialog.draft();
    QCOMPARE(draft.transferAccountId, card.id);
    QVERIFY(draft.transaction.category_id.isEmpty());
    QVERIFY(!draft.transferAmount);
    QVERIFY(received->isHidden());

    // Into another currency the other amount is asked for, and required.
    typeInto(category, QStringLiteral("Paris"));
    QVERIFY(!received->isHidden());
    QVERIFY(pressOk(dialog).contains(QStringLiteral("Paris")));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    received->setValue(230);
    draft = dialog.draft();
    QCOMPARE(draft.transferAccountId, euros.id);
    QCOMPARE(draft.transaction.amount, qint64(-25000));
    QCOMPARE(draft.transferAmount, std::optional<qint64>(23000));
    // Money paid out here comes in there, whatever this side's amount.
    field<SmartAmountField>(dialog, "amountField")->setValue(0);
    QCOMPARE(dialog.draft().transferAmount, std::optional<qint64>(23000));
}

void TestTransactionFormDialog::receivedAmountIsNeverCarriedIntoAnotherCurrency()
{
    const Account savings = addAccount(*m_state, QStringLiteral("Savings"));
    const Account tokyo = addAccount(*m_state, QStringLiteral("Tokyo"), 0, Currency::JPY);
    const Account osaka = addAccount(*m_state, QStringLiteral("Osaka"), 0, Currency::JPY);
    const Account paris = addAccount(*m_state, QStringLiteral("Paris"), 0, Currency::EUR);
    RegisterEditor editor(m_state.get());
    const auto storedTransfer = [&](const Account& to, std::optional<qint64> received) {
        TransactionDraft draft;
        draft.transaction = makeTransaction(m_account.id, QDate(2024, 2, 15), -50000, QStringLiteral("Move"));
        draft.transferAccountId = to.id;
        draft.transferAmount = received;
        if (!editor.addTransaction(draft))
            qFatal("the transfer could not be stored");
        return *m_state->transactionRepository()->getById(draft.transaction.id);
    };

    // $500 to savings, moved to a yen account: what yen arrive is asked
    // for, not made up from the dollars.
    TransactionFormDialog sameCurrency(m_state.get(), storedTransfer(savings, std::nullopt));
    auto* received = field<SmartAmountField>(sameCurrency, "transferAmountField");
    auto* category = field<CategoryComboBox>(sameCurrency, "categoryCombo");
    category->select(CategoryChoices::Kind::Transfer, tokyo.id);
    QVERIFY(!received->isHidden());
    QCOMPARE(received->minorUnits(), qint64(0));
    QVERIFY(pressOk(sameCurrency).contains(QStringLiteral("Tokyo")));
    QCOMPARE(sameCurrency.result(), int(QDialog::Rejected));

    // ¥70,000 received keeps its number among yen accounts; in euros it
    // starts over, and back in the stored account it is what was stored.
    TransactionFormDialog between(m_state.get(), storedTransfer(tokyo, 70000));
    received = field<SmartAmountField>(between, "transferAmountField");
    category = field<CategoryComboBox>(between, "categoryCombo");
    QCOMPARE(received->minorUnits(), qint64(70000));
    category->select(CategoryChoices::Kind::Transfer, osaka.id);
    QCOMPARE(between.draft().transferAmount, std::optional<qint64>(70000));
    category->select(CategoryChoices::Kind::Transfer, paris.id);
    QCOMPARE(received->minorUnits(), qint64(0));
    QCOMPARE(received->prefix(), QStringLiteral("€ "));
    category->select(CategoryChoices::Kind::Transfer, tokyo.id);
    QCOMPARE(between.draft().transferAmount, std::optional<qint64>(70000));
}

void TestTransactionFormDialog::knownPayeeFillsWhatIsStillUntouched()
{
    const Category power = addCategory(QStringLiteral("Zz Utilities"));
    Transaction earlier = makeTransaction(m_account.id, QDate(2024, 3, 1), -8912, QStringLiteral("Power Co"));
    earlier.category_id = power.id;
    QVERIFY(m_state->transactionRepository()->insert(earlier));

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    typeInto(field<QLineEdit>(dialog, "payeeEdit"), QStringLiteral("power co"));
    QCOMPARE(dialog.transaction().category_id, power.id);
    QCOMPARE(dialog.transaction().amount, qint64(-8912));

    // What the user set stays.
    TransactionFormDialog typed(m_state.get(), m_account.id);
    typeInto(field<SmartAmountField>(typed, "amountField"), QStringLiteral("10"));
    typeInto(field<QLineEdit>(typed, "payeeEdit"), QStringLiteral("Power Co"));
    QCOMPARE(typed.transaction().amount, qint64(-1000));
    QCOMPARE(typed.transaction().category_id, power.id);

    // An edit is never filled from elsewhere.
    Transaction other = makeTransaction(m_account.id, QDate(2024, 4, 1), -100, QStringLiteral("Corner Shop"));
    TransactionFormDialog edit(m_state.get(), other);
    typeInto(field<QLineEdit>(edit, "payeeEdit"), QStringLiteral("Power Co"));
    QCOMPARE(edit.transaction().amount, qint64(-100));
}

void TestTransactionFormDialog::categoryTypeSetsADirectionNobodyChose()
{
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    typeInto(field<QLineEdit>(dialog, "payeeEdit"), QStringLiteral("Acme Corp Payroll"));
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    typeInto(category, QStringLiteral("Sal"));
    QCOMPARE(category->currentText(), QStringLiteral("Income > Salary"));
    typeInto(field<SmartAmountField>(dialog, "amountField"), QStringLiteral("1850"));
    QCOMPARE(dialog.transaction().amount, qint64(185000));
    typeInto(category, QStringLiteral("Groceries"));
    QCOMPARE(dialog.transaction().amount, qint64(-185000));

    // A direction the user chose stays: by a click, by a typed sign, or as
    // the stored transaction goes.
    TransactionFormDialog clicked(m_state.get(), m_account.id);
    field<QRadioButton>(clicked, "paymentButton")->click();
    typeInto(field<CategoryComboBox>(clicked, "categoryCombo"), QStringLiteral("Salary"));
    QVERIFY(field<QRadioButton>(clicked, "paymentButton")->isChecked());

    TransactionFormDialog typed(m_state.get(), m_account.id);
    typeInto(field<SmartAmountField>(typed, "amountField"), QStringLiteral("-20"));
    typeInto(field<CategoryComboBox>(typed, "categoryCombo"), QStringLiteral("Groceries"));
    QCOMPARE(typed.transaction().amount, qint64(2000));

    TransactionFormDialog edit(m_state.get(),
                               makeTransaction(m_account.id, QDate(2024, 1, 1), -4599, QStringLiteral("Toys")));
    typeInto(field<CategoryComboBox>(edit, "categoryCombo"), QStringLiteral("Salary"));
    QCOMPARE(edit.transaction().amount, qint64(-4599));
}

void TestTransactionFormDialog::tabTakesTheHighlightedOrOnlyCompletion()
{
    addAccount(*m_state, QStringLiteral("Rainy Day Savings"));
    const Category food = addCategory(QStringLiteral("Zz Food"));
    for (const QString& payee : {QStringLiteral("Grocery Outlet"), QStringLiteral("Fresh Market")}) {
        Transaction earlier = makeTransaction(m_account.id, QDate(2024, 3, 1), -2500, payee);
        earlier.category_id = food.id;
        QVERIFY(m_state->transactionRepository()->insert(earlier));
    }
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* payee = field<QLineEdit>(dialog, "payeeEdit");
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    // Keys go where the user's would: to the list while it is open.
    const auto typeThenTab = [](QLineEdit* edit, const QString& text, QList<Qt::Key> keys = {}) {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        QWidget* popup = edit->completer()->popup();
        QVERIFY(popup->isVisible());
        for (const Qt::Key key : keys)
            QTest::keyClick(popup, key);
        QTest::keyClick(popup, Qt::Key_Tab);
    };

    // The only completion, as Return would take it: the payee's last
    // category comes with it.
    typeThenTab(payee, QStringLiteral("Groc"));
    QCOMPARE(payee->text(), QStringLiteral("Grocery Outlet"));
    QCOMPARE(dialog.transaction().category_id, food.id);
    QVERIFY(category->hasFocus());
    QCOMPARE(dialog.transaction().amount, qint64(-2500));

    typeThenTab(category->lineEdit(), QStringLiteral("Rainy"));
    QCOMPARE(category->currentText(), QStringLiteral("Transfer to/from: Rainy Day Savings"));
    QVERIFY(dialog.draft().isTransfer());
    QCOMPARE(QApplication::focusWidget(), field<QPushButton>(dialog, "splitButton"));
    QVERIFY(field<QLabel>(dialog, "categoryHint")->text().isEmpty());

    // Of several, the highlighted one; none highlighted, the text stays.
    typeThenTab(payee, QStringLiteral("e"), {Qt::Key_Down, Qt::Key_Down});
    QCOMPARE(payee->text(), QStringLiteral("Grocery Outlet"));
    typeThenTab(payee, QStringLiteral("e"));
    QCOMPARE(payee->text(), QStringLiteral("e"));
}

void TestTransactionFormDialog::okStaysWhereItIsWhenTheCategoryHintShows()
{
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    auto* hint = field<QLabel>(dialog, "categoryHint");
    const QRect before(ok->mapToGlobal(QPoint()), ok->size());
    const QSize size = dialog.size();

    // Pressing the mouse on OK takes the focus from the category field, and
    // the word about its text comes before the button is released.
    auto* category = field<CategoryComboBox>(dialog, "categoryCombo");
    category->setFocus();
    category->lineEdit()->clear();
    QTest::keyClicks(category->lineEdit(), QStringLiteral("Household things bought at the weekend market"));
    ok->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().contains(QStringLiteral("No category")));
    QCOMPARE(QRect(ok->mapToGlobal(QPoint()), ok->size()), before);
    QCOMPARE(dialog.size(), size);
    // All of it is in view.
    QVERIFY(hint->heightForWidth(hint->width()) <= hint->height());
}

void TestTransactionFormDialog::refusesWhatCannotBeStored_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty form") << QString() << QStringLiteral("3/1/2026") << QString()
                                << QStringLiteral("Enter a payee or an amount.");
    QTest::newRow("February 30th") << QStringLiteral("Shop") << QStringLiteral("2/30/2026") << QString()
                                   << QStringLiteral("month/day/year");
    QTest::newRow("letters for a date") << QStringLiteral("Shop") << QStringLiteral("abc") << QString()
                                        << QStringLiteral("month/day/year");
    QTest::newRow("unfinished amount") << QString() << QStringLiteral("3/1/2026") << QStringLiteral("1,234,5")
                                       << QStringLiteral("not a complete amount");
}

void TestTransactionFormDialog::refusesWhatCannotBeStored()
{
    QFETCH(QString, payee);
    QFETCH(QString, date);
    QFETCH(QString, amount);
    QFETCH(QString, message);

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    dialog.show();
    field<QLineEdit>(dialog, "payeeEdit")->setText(payee);
    typeInto(field<DateField>(dialog, "dateField"), date);
    auto* amountField = field<SmartAmountField>(dialog, "amountField");
    auto* amountEdit = amountField->findChild<QLineEdit*>();
    amountEdit->selectAll();
    QTest::keyClicks(amountEdit, amount);

    QVERIFY2(pressOk(dialog).contains(message), qPrintable(message));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // What was typed is still there to correct.
    if (message.contains(QStringLiteral("month/day")))
        QCOMPARE(field<DateField>(dialog, "dateField")->findChild<QLineEdit*>()->text(), date);
    if (!amount.isEmpty())
        QCOMPARE(amountField->cleanText(), amount);
}

QTEST_MAIN(TestTransactionFormDialog)
#include "tst_transactionformdialog.moc"
