#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/SmartAmountField.h"
#include "register/TransactionFormDialog.h"
#include "storage/CategoryRepository.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

template <typename Widget>
Widget* field(const TransactionFormDialog& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

} // namespace

class TestTransactionFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newFormGivesANewRecordOfTheAccount();
    void directionGivesTheSign();
    void yenAccountsEnterWholeYen();
    void editFormReturnsTheEditedCopy();
    void splitKeepsItsCategoryAmountAndLinks();
    void editKeepsACategoryDeletedSince();
    void typedCategoryPicksOnlyListedCategories();
    void blankCategoryTextIsNone();
    void offersOnlySharedCategoriesAndThoseOfTheAccount();
    void unreadableDateKeepsTheFormOpen_data();
    void unreadableDateKeepsTheFormOpen();

private:
    Category addCategory(const QString& name, const QString& parentId = {}, const QString& accountId = {});

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

void TestTransactionFormDialog::newFormGivesANewRecordOfTheAccount()
{
    const Category home = addCategory(QStringLiteral("Zz Home"));
    const Category repairs = addCategory(QStringLiteral("Zz Repairs"), home.id);

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
    QCOMPARE(field<DateField>(dialog, "dateField")->date(), QDate::currentDate());
    QVERIFY(field<QRadioButton>(dialog, "paymentButton")->isChecked());

    auto* category = field<QComboBox>(dialog, "categoryCombo");
    QCOMPARE(category->itemText(0), QStringLiteral("(none)"));
    const int repairsIndex = category->findData(repairs.id);
    QCOMPARE(category->itemText(repairsIndex), QStringLiteral("Zz Home > Zz Repairs"));
    category->setCurrentIndex(repairsIndex);

    field<DateField>(dialog, "dateField")->setDate(QDate(2024, 6, 1));
    field<QLineEdit>(dialog, "numberEdit")->setText(QStringLiteral(" 1042 "));
    field<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Plumber"));
    field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("Sink "));
    field<SmartAmountField>(dialog, "amountField")->setValue(180.5);
    field<QCheckBox>(dialog, "clearedCheck")->setChecked(true);

    const Transaction result = dialog.transaction();
    QVERIFY(!result.id.isEmpty());
    QVERIFY(!result.id.startsWith(u'{'));
    QVERIFY(result.created_at.isValid());
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
    QCOMPARE(result.sync_status, SyncStatus::Pending);
    QVERIFY(result.transfer_link_id.isEmpty());
    QVERIFY(!result.is_split);

    // Each call is a new record.
    QVERIFY(dialog.transaction().id != result.id);

    category->setCurrentIndex(0);
    QVERIFY(dialog.transaction().category_id.isEmpty());
}

void TestTransactionFormDialog::directionGivesTheSign()
{
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* amount = field<SmartAmountField>(dialog, "amountField");
    QCOMPARE(amount->minimum(), 0.0);
    amount->setValue(12.34);
    QCOMPARE(dialog.transaction().amount, qint64(-1234));
    field<QRadioButton>(dialog, "depositButton")->setChecked(true);
    QCOMPARE(dialog.transaction().amount, qint64(1234));

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
    QCOMPARE(field<DateField>(dialog, "dateField")->date(), original.date);
    QCOMPARE(field<QLineEdit>(dialog, "payeeEdit")->text(), original.payee);
    QCOMPARE(field<SmartAmountField>(dialog, "amountField")->value(), 45.99);
    QVERIFY(field<QCheckBox>(dialog, "clearedCheck")->isChecked());

    // Fields the form does not show pass through; only the edit marks change.
    Transaction expected = original;
    expected.version = 8;
    expected.sync_status = SyncStatus::Pending;
    Transaction unchanged = dialog.transaction();
    QVERIFY(unchanged.updated_at >= original.updated_at);
    unchanged.updated_at = original.updated_at;
    QCOMPARE(unchanged, expected);
}

void TestTransactionFormDialog::splitKeepsItsCategoryAmountAndLinks()
{
    Transaction split = makeTransaction(m_account.id, QDate(2024, 2, 2), -7777, QStringLiteral("Warehouse"));
    split.is_split = true;
    split.transfer_link_id = QStringLiteral("other-side");
    split.transfer_dest_account_id = QStringLiteral("other-account");

    TransactionFormDialog dialog(m_state.get(), split);
    auto* category = field<QComboBox>(dialog, "categoryCombo");
    QVERIFY(!category->isEnabled());
    QCOMPARE(category->currentText(), QStringLiteral("Split"));
    QVERIFY(!field<SmartAmountField>(dialog, "amountField")->isEnabled());
    QVERIFY(!field<QRadioButton>(dialog, "depositButton")->isEnabled());

    field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("Bulk"));
    const Transaction result = dialog.transaction();
    QCOMPARE(result.memo, QStringLiteral("Bulk"));
    QCOMPARE(result.amount, split.amount);
    QCOMPARE(result.category_id, split.category_id);
    QVERIFY(result.is_split);
    QCOMPARE(result.transfer_link_id, split.transfer_link_id);
    QCOMPARE(result.transfer_dest_account_id, split.transfer_dest_account_id);
}

void TestTransactionFormDialog::editKeepsACategoryDeletedSince()
{
    const Category old = addCategory(QStringLiteral("Old Hobby"));
    Transaction original = makeTransaction(m_account.id, QDate(2022, 3, 3), -500, QStringLiteral("Shop"));
    original.category_id = old.id;
    QVERIFY(m_state->categoryRepository()->softDelete(old.id));

    TransactionFormDialog dialog(m_state.get(), original);
    QCOMPARE(field<QComboBox>(dialog, "categoryCombo")->currentText(), QStringLiteral("Old Hobby"));
    QCOMPARE(dialog.transaction().category_id, old.id);

    // A new transaction is not offered the deleted category.
    TransactionFormDialog fresh(m_state.get(), m_account.id);
    QCOMPARE(field<QComboBox>(fresh, "categoryCombo")->findData(old.id), -1);
}

void TestTransactionFormDialog::typedCategoryPicksOnlyListedCategories()
{
    const Category home = addCategory(QStringLiteral("Zz Home"));
    const Category repairs = addCategory(QStringLiteral("Zz Repairs"), home.id);
    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<QComboBox>(dialog, "categoryCombo");

    // Sub-categories follow their parent whatever their own names.
    QCOMPARE(category->findData(repairs.id), category->findData(home.id) + 1);

    category->setEditText(QStringLiteral("zz home > zz repairs"));
    QCOMPARE(dialog.transaction().category_id, repairs.id);

    // Text that names no category keeps the chosen one rather than storing a guess.
    category->setCurrentIndex(category->findData(home.id));
    category->setEditText(QStringLiteral("Zz Rep"));
    QCOMPARE(dialog.transaction().category_id, home.id);
    QMetaObject::invokeMethod(category->lineEdit(), "editingFinished");
    QCOMPARE(category->currentText(), QStringLiteral("Zz Home"));
}

void TestTransactionFormDialog::blankCategoryTextIsNone()
{
    const Category home = addCategory(QStringLiteral("Zz Home"));
    Transaction original = makeTransaction(m_account.id, QDate(2024, 1, 1), -500, QStringLiteral("Shop"));
    original.category_id = home.id;
    TransactionFormDialog dialog(m_state.get(), original);
    auto* category = field<QComboBox>(dialog, "categoryCombo");

    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        category->setCurrentIndex(category->findData(home.id));
        category->setEditText(blank);
        QVERIFY(dialog.transaction().category_id.isEmpty());
        QMetaObject::invokeMethod(category->lineEdit(), "editingFinished");
        QCOMPARE(category->currentText(), QStringLiteral("(none)"));
    }
}

void TestTransactionFormDialog::offersOnlySharedCategoriesAndThoseOfTheAccount()
{
    const Account other = addAccount(*m_state, QStringLiteral("Business"));
    const Category shared = addCategory(QStringLiteral("Zz Shared"));
    const Category own = addCategory(QStringLiteral("Zz Own"), {}, m_account.id);
    const Category foreign = addCategory(QStringLiteral("Zz Foreign"), {}, other.id);

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    auto* category = field<QComboBox>(dialog, "categoryCombo");
    QVERIFY(category->findData(shared.id) > 0);
    QVERIFY(category->findData(own.id) > 0);
    QCOMPARE(category->findData(foreign.id), -1);
    category->setEditText(QStringLiteral("Zz Foreign"));
    QVERIFY(dialog.transaction().category_id.isEmpty());

    TransactionFormDialog otherDialog(m_state.get(), other.id);
    QVERIFY(field<QComboBox>(otherDialog, "categoryCombo")->findData(foreign.id) > 0);
    QCOMPARE(field<QComboBox>(otherDialog, "categoryCombo")->findData(own.id), -1);
}

void TestTransactionFormDialog::unreadableDateKeepsTheFormOpen_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("February 30th") << QStringLiteral("2/30/2026");
    QTest::newRow("letters") << QStringLiteral("abc");
}

void TestTransactionFormDialog::unreadableDateKeepsTheFormOpen()
{
    QFETCH(QString, typed);

    TransactionFormDialog dialog(m_state.get(), m_account.id);
    dialog.show();
    auto* dateEdit = field<DateField>(dialog, "dateField")->findChild<QLineEdit*>();
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const auto typeDate = [&](const QString& text) {
        dateEdit->selectAll();
        QTest::keyClicks(dateEdit, text);
        // As when the user moves on to the OK button.
        Q_EMIT dateEdit->editingFinished();
    };

    typeDate(typed);
    QString warning;
    QTimer::singleShot(0, this, [&warning] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->text();
            box->close();
        }
    });
    ok->click();
    QCOMPARE(warning, QStringLiteral("Enter the date as month/day/year, for example 12/31/2026."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dateEdit->text(), typed);
    QCOMPARE(dialog.focusWidget(), dateEdit);

    typeDate(QStringLiteral("3/1/2026"));
    ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.transaction().date, QDate(2026, 3, 1));
}

QTEST_MAIN(TestTransactionFormDialog)
#include "tst_transactionformdialog.moc"
