#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/CategoryComboBox.h"
#include "register/DateField.h"
#include "register/RegisterEditor.h"
#include "register/SmartAmountField.h"
#include "screens/RecurringActions.h"
#include "screens/RecurringEditor.h"
#include "screens/RecurringFormDialog.h"
#include "screens/RecurringModel.h"
#include "screens/RecurringScreen.h"
#include "services/RecurringService.h"
#include "storage/CategoryRepository.h"
#include "storage/RecurringRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

template <typename Widget>
Widget* field(const QWidget& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

void typeDate(const RecurringFormDialog& dialog, const char* name, const QString& text)
{
    field<DateField>(dialog, name)->findChild<QLineEdit*>()->setText(text);
}

} // namespace

class TestRecurring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // The model.
    void frequencyTextsAndOrdinals();
    void dueStateNeedsAnActiveItem();
    void descendingSortReversesTies();
    void amountsShowInTheAccountCurrency();

    // The form.
    void formStoresWhatItShows();
    void editKeepsOrMovesTheNextDueDate();
    void memorizeMakesANewItemAfterTheTransaction();
    void memorizingASplitSaysItsLinesAreNotKept();
    void okRefusesWhatCannotBeStored();

    // Storing and the window.
    void editGoesOntoTheItemAsStoredNow();
    void confirmAllDueWithNothingDueChangesNothing();
    void actionsHitTheItemChosenEvenAfterARefresh();

private:
    RecurringTransaction addItem(const QString& payee, const QDate& due, qint64 amount = -5000);
    // Presses OK; a message box that opens is answered with OK. Its text, or
    // empty when none opened.
    QString pressOk(RecurringFormDialog& dialog);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    Account m_account;
    QDate m_today;
};

void TestRecurring::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"));
    m_today = QDate::currentDate();
}

void TestRecurring::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

RecurringTransaction TestRecurring::addItem(const QString& payee, const QDate& due, qint64 amount)
{
    RecurringTransaction item;
    item.id = newId();
    item.account_id = m_account.id;
    item.payee = payee;
    item.amount = amount;
    item.start_date = due;
    item.next_due_date = due;
    item.created_at = nowUtc();
    item.updated_at = item.created_at;
    if (!m_state->recurringRepository()->insert(item))
        qFatal("cannot insert a recurring item");
    return item;
}

QString TestRecurring::pressOk(RecurringFormDialog& dialog)
{
    QString message;
    ModalWatcher watcher([&message](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        message = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    return message;
}

void TestRecurring::frequencyTextsAndOrdinals()
{
    const QList<std::pair<int, const char*>> ordinals = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},       {11, "11th"},      {12, "12th"},
        {13, "13th"}, {21, "21st"}, {22, "22nd"}, {23, "23rd"},     {31, "31st"},      {0, "last day"},
        {-1, "last day"}, {32, "last day"}};
    for (const auto& [day, text] : ordinals)
        QCOMPARE(RecurringModel::ordinal(day), QString::fromLatin1(text));

    RecurringTransaction item;
    item.frequency = Frequency::Semimonthly;
    item.interval_count = 3; // means nothing to two days of the month
    item.semimonthly_day_1 = 1;
    item.semimonthly_day_2 = 0;
    QCOMPARE(RecurringModel::frequencyText(item), QStringLiteral("Semi-monthly (1st & last day)"));
    item.frequency = Frequency::Monthly;
    QCOMPARE(RecurringModel::frequencyText(item), QStringLiteral("Every 3 month(s)"));
    item.interval_count = 1;
    QCOMPARE(RecurringModel::frequencyText(item), RecurringModel::frequencyName(Frequency::Monthly));
    item.frequency = Frequency::Quarterly;
    item.interval_count = 2;
    QCOMPARE(RecurringModel::frequencyText(item), QStringLiteral("Quarterly (×2)"));
}

void TestRecurring::dueStateNeedsAnActiveItem()
{
    RecurringTransaction item;
    item.next_due_date = m_today;
    QVERIFY(RecurringModel::isDue(item, m_today));
    QVERIFY(!RecurringModel::canEnterEarly(item, m_today));
    item.next_due_date = m_today.addDays(1);
    QVERIFY(!RecurringModel::isDue(item, m_today));
    QVERIFY(RecurringModel::canEnterEarly(item, m_today));

    // Inactive and long overdue: nothing to confirm, skip or enter.
    item.is_active = false;
    item.next_due_date = m_today.addDays(-30);
    QVERIFY(!RecurringModel::isDue(item, m_today));
    QVERIFY(!RecurringModel::canEnterEarly(item, m_today));
    item.next_due_date = m_today.addDays(30);
    QVERIFY(!RecurringModel::canEnterEarly(item, m_today));

    // Only a due date shows in green.
    RecurringTransaction inactive = addItem(QStringLiteral("Inactive"), m_today.addDays(-2));
    inactive.is_active = false;
    QVERIFY(m_state->recurringRepository()->update(inactive));
    addItem(QStringLiteral("Due"), m_today.addDays(-1));
    RecurringModel model(m_state->accountRepository());
    model.setItems(m_state->recurringService()->listAll());
    const auto dueColour = [&model](const QString& payee) {
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.itemAt(row)->payee == payee)
                return model.index(row, RecurringModel::NextDueColumn).data(Qt::ForegroundRole);
        }
        return QVariant();
    };
    QVERIFY(dueColour(QStringLiteral("Due")).isValid());
    QVERIFY(!dueColour(QStringLiteral("Inactive")).isValid());
}

void TestRecurring::descendingSortReversesTies()
{
    const RecurringTransaction first = addItem(QStringLiteral("Alpha"), m_today.addDays(3));
    const RecurringTransaction second = addItem(QStringLiteral("Beta"), m_today.addDays(3));
    const RecurringTransaction latest = addItem(QStringLiteral("Gamma"), m_today.addDays(9));
    RecurringModel model(m_state->accountRepository());
    model.setItems({first, second, latest});
    const auto order = [&model] {
        QStringList payees;
        for (int row = 0; row < model.rowCount(); ++row)
            payees << model.itemAt(row)->payee;
        return payees;
    };
    QCOMPARE(order(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}));

    model.sort(RecurringModel::NextDueColumn, Qt::DescendingOrder);
    QCOMPARE(order(), (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("Alpha")}));
    // The order chosen survives a reload.
    model.setItems({first, latest, second});
    QCOMPARE(order(), (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("Alpha")}));
}

void TestRecurring::amountsShowInTheAccountCurrency()
{
    m_account = addAccount(*m_state, QStringLiteral("Tokyo"), 0, Currency::JPY);
    const RecurringTransaction phone = addItem(QStringLiteral("Phone"), m_today, -4500);
    RecurringModel model(m_state->accountRepository());
    model.setItems({phone});
    QCOMPARE(model.index(0, RecurringModel::AmountColumn).data().toString(), QStringLiteral("-¥4,500"));

    // Typed in whole yen, as the account counts them.
    RecurringFormDialog form(m_state.get(), phone);
    auto* amount = field<SmartAmountField>(form, "amountField");
    QCOMPARE(amount->decimals(), 0);
    amount->setValue(4800);
    QCOMPARE(form.recurring().amount, -4800);
}

void TestRecurring::formStoresWhatItShows()
{
    RecurringFormDialog form(m_state.get());
    QVERIFY(field<QRadioButton>(form, "paymentButton")->isChecked());
    field<SmartAmountField>(form, "amountField")->setValue(12.34);
    QCOMPARE(form.recurring().amount, -1234);
    field<QRadioButton>(form, "depositButton")->setChecked(true);
    QCOMPARE(form.recurring().amount, 1234);
    QCOMPARE(form.recurring().account_id, m_account.id);

    auto* frequency = field<QComboBox>(form, "frequencyCombo");
    frequency->setCurrentIndex(frequency->findData(QStringLiteral("semimonthly")));
    auto* secondDay = field<QComboBox>(form, "secondDayCombo");
    secondDay->setCurrentIndex(secondDay->count() - 1);
    QCOMPARE(form.recurring().frequency, Frequency::Semimonthly);
    QCOMPARE(form.recurring().semimonthly_day_2, 0);

    field<QCheckBox>(form, "autoPostCheck")->setChecked(true);
    field<QSpinBox>(form, "leadDaysSpin")->setValue(5);
    QCOMPARE(form.recurring().lead_days, 5);
    field<QCheckBox>(form, "autoPostCheck")->setChecked(false);
    QCOMPARE(form.recurring().lead_days, 0);

    // A last-century start is a slip: the item starts today.
    typeDate(form, "startField", QStringLiteral("12/31/1999"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid startDate")));
    const RecurringTransaction result = form.recurring();
    QCOMPARE(result.start_date, m_today);
    QCOMPARE(result.next_due_date, m_today);
    QCOMPARE(result.id, form.recurring().id);
}

void TestRecurring::editKeepsOrMovesTheNextDueDate()
{
    RecurringTransaction item = addItem(QStringLiteral("Rent"), QDate(2026, 1, 1));
    item.next_due_date = QDate(2026, 9, 1);
    item.version = 4;

    RecurringFormDialog form(m_state.get(), item);
    QVERIFY(!field<QComboBox>(form, "accountCombo")->isEnabled());
    RecurringTransaction result = form.recurring();
    QCOMPARE(result.id, item.id);
    QCOMPARE(result.start_date, QDate(2026, 1, 1));
    QCOMPARE(result.next_due_date, QDate(2026, 9, 1));
    QCOMPARE(result.version, 5);
    QCOMPARE(result.sync_status, SyncStatus::Pending);

    typeDate(form, "startField", QStringLiteral("2/15/2026"));
    result = form.recurring();
    QCOMPARE(result.start_date, QDate(2026, 2, 15));
    QCOMPARE(result.next_due_date, QDate(2026, 2, 15));
}

void TestRecurring::memorizeMakesANewItemAfterTheTransaction()
{
    const Category rent = [this] {
        Category category;
        category.id = newId();
        category.name = QStringLiteral("Zz Rent");
        m_state->categoryRepository()->insert(category);
        return category;
    }();
    Transaction paid = makeTransaction(m_account.id, {}, -185000, QStringLiteral("Landlord"));
    paid.category_id = rent.id;
    paid.version = 7;

    // The same day of a later month: never the transaction's own, nor a past one.
    const QDate today(2026, 5, 10);
    paid.date = QDate(2026, 1, 31);
    const RecurringTransaction seed = RecurringFormDialog::seedFrom(paid, today);
    QCOMPARE(seed.start_date, QDate(2026, 5, 31));
    paid.date = QDate(2026, 4, 10);
    QCOMPARE(RecurringFormDialog::seedFrom(paid, today).start_date, today);
    paid.date = today;
    QCOMPARE(RecurringFormDialog::seedFrom(paid, today).start_date, QDate(2026, 6, 10));

    const std::unique_ptr<RecurringFormDialog> form = RecurringFormDialog::createFromSeed(m_state.get(), seed);
    const RecurringTransaction memorized = form->recurring();
    QVERIFY(!memorized.id.isEmpty());
    QVERIFY(memorized.id != paid.id);
    QVERIFY(memorized.created_at.isValid());
    QCOMPARE(memorized.version, 1);
    QCOMPARE(memorized.payee, paid.payee);
    QCOMPARE(memorized.amount, paid.amount);
    QCOMPARE(memorized.category_id, rent.id);
    QCOMPARE(memorized.next_due_date, seed.start_date);
}

void TestRecurring::memorizingASplitSaysItsLinesAreNotKept()
{
    TransactionDraft receipt;
    receipt.transaction = makeTransaction(m_account.id, m_today, -9000, QStringLiteral("Superstore"));
    receipt.transaction.is_split = true;
    for (const qint64 amount : {-6000, -3000}) {
        SplitLine line;
        line.amount = amount;
        receipt.splitLines.append(line);
    }
    QVERIFY(RegisterEditor(m_state.get()).addTransaction(receipt));
    const Transaction split = *m_state->transactionRepository()->getById(receipt.transaction.id);
    QWidget window;
    RecurringActions actions(m_state.get(), &window);

    // Asked first; stopping opens no form and stores nothing.
    QStringList seen;
    const auto answer = [&seen](QMessageBox::StandardButton button) {
        return [&seen, button](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->text();
                box->button(button)->click();
            } else {
                seen << modal->windowTitle();
                qobject_cast<QDialog*>(modal)->accept();
            }
        };
    };
    {
        ModalWatcher watcher(answer(QMessageBox::No));
        QVERIFY(actions.memorize(split).isEmpty());
    }
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.first().contains(QStringLiteral("2 line")));
    QVERIFY(m_state->recurringRepository()->listAll().isEmpty());

    // Going on memorizes the whole amount without a category.
    seen.clear();
    ModalWatcher watcher(answer(QMessageBox::Yes));
    const QString id = actions.memorize(split);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.last(), QStringLiteral("Memorize Transaction"));
    const std::optional<RecurringTransaction> item = m_state->recurringRepository()->getById(id);
    QVERIFY(item);
    QCOMPARE(item->amount, qint64(-9000));
    QVERIFY(item->category_id.isEmpty());
}

void TestRecurring::okRefusesWhatCannotBeStored()
{
    const auto addCategory = [this](const QString& name) {
        Category category;
        category.id = newId();
        category.name = name;
        m_state->categoryRepository()->insert(category);
        return category;
    };
    const Category groceries = addCategory(QStringLiteral("Zz Groceries"));
    addCategory(QStringLiteral("Zz Gifts"));

    {
        RecurringFormDialog form(m_state.get());
        auto* category = field<CategoryComboBox>(form, "categoryCombo");
        category->select(CategoryChoices::Kind::Category, groceries.id);
        // Text typed over a choice is read, never taken for the choice.
        category->setEditText(QStringLiteral("Nothing like it"));
        QVERIFY(pressOk(form).contains(QStringLiteral("Nothing like it")));
        QVERIFY(form.recurring().category_id.isEmpty());
        category->setEditText(QStringLiteral("zz g"));
        QVERIFY(pressOk(form).contains(QStringLiteral("More than one")));
        category->setEditText(QStringLiteral("zz gr"));

        field<QCheckBox>(form, "endCheck")->setChecked(true);
        typeDate(form, "endField", m_today.addDays(-1).toString(QStringLiteral("M/d/yyyy")));
        QVERIFY(!pressOk(form).isEmpty());
        typeDate(form, "endField", QStringLiteral("13/45/2026"));
        QVERIFY(!pressOk(form).isEmpty());
        typeDate(form, "endField", m_today.toString(QStringLiteral("M/d/yyyy")));

        auto* amount = field<SmartAmountField>(form, "amountField");
        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("-"));
        QVERIFY(!pressOk(form).isEmpty());
        amount->setValue(20);
        QCOMPARE(form.result(), int(QDialog::Rejected));

        QVERIFY(pressOk(form).isEmpty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const RecurringTransaction result = form.recurring();
        QCOMPARE(result.category_id, groceries.id);
        QCOMPARE(result.end_date, std::optional<QDate>(m_today));
    }

    // Without an account there is nothing to enter the transactions in.
    QVERIFY(m_state->accountRepository()->softDelete(m_account.id));
    RecurringFormDialog form(m_state.get());
    QVERIFY(!form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    form.accept();
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TestRecurring::editGoesOntoTheItemAsStoredNow()
{
    const RecurringTransaction seen = addItem(QStringLiteral("Rent"), QDate(2026, 1, 31));
    RecurringFormDialog form(m_state.get(), seen);
    field<QLineEdit>(form, "payeeEdit")->setText(QStringLiteral("New landlord"));

    // While the form is open the item is posted twice and synced.
    QVERIFY(m_state->recurringService()->confirm(seen.id));
    QVERIFY(m_state->recurringService()->confirm(seen.id));
    QVERIFY(m_state->recurringRepository()->markSynced(seen.id, QStringLiteral("server-7")));

    RecurringEditor editor(m_state.get());
    QVERIFY(editor.updateItem(form.recurring(), seen));
    RecurringTransaction stored = *m_state->recurringRepository()->getById(seen.id);
    QCOMPARE(stored.payee, QStringLiteral("New landlord"));
    QCOMPARE(stored.next_due_date, QDate(2026, 3, 31));
    QCOMPARE(stored.version, seen.version + 3);
    QCOMPARE(stored.server_id, QStringLiteral("server-7"));
    QCOMPARE(stored.sync_status, SyncStatus::Pending);

    // A start moved back never brings back what was entered.
    RecurringFormDialog earlier(m_state.get(), stored);
    typeDate(earlier, "startField", QStringLiteral("12/15/2025"));
    QVERIFY(editor.updateItem(earlier.recurring(), stored));
    stored = *m_state->recurringRepository()->getById(seen.id);
    QCOMPARE(stored.start_date, QDate(2025, 12, 15));
    QCOMPARE(stored.next_due_date, QDate(2026, 3, 15));

    QVERIFY(editor.deleteItem(seen.id));
    QVERIFY(!editor.updateItem(earlier.recurring(), stored));
    QVERIFY(!editor.lastError().isEmpty());
}

void TestRecurring::confirmAllDueWithNothingDueChangesNothing()
{
    addItem(QStringLiteral("Tomorrow"), m_today.addDays(1));
    RecurringScreen screen(m_state.get());
    screen.refresh();
    QVERIFY(!field<QPushButton>(screen, "confirmAllButton")->isEnabled());
    QVERIFY(field<QLabel>(screen, "dueLabel")->text().isEmpty());
    QSignalSpy posted(&screen, &RecurringScreen::transactionsChanged);
    QSignalSpy reset(screen.findChild<QTableView*>()->model(), &QAbstractItemModel::modelReset);
    screen.confirmAllDue();
    QCOMPARE(posted.count(), 0);
    QCOMPARE(reset.count(), 0);
}

void TestRecurring::actionsHitTheItemChosenEvenAfterARefresh()
{
    const RecurringTransaction rent = addItem(QStringLiteral("Rent"), m_today.addDays(-1));
    const RecurringTransaction gym = addItem(QStringLiteral("Gym"), m_today.addDays(4));
    RecurringScreen screen(m_state.get());
    screen.refresh();
    auto* view = screen.findChild<QTableView*>();
    auto* model = qobject_cast<RecurringModel*>(view->model());
    view->setCurrentIndex(model->index(model->rowOf(rent.id), RecurringModel::PayeeColumn));

    // An item that sorts first arrives while the question is open.
    RecurringTransaction arrived;
    {
        ModalWatcher watcher([&](QWidget* modal) {
            arrived = addItem(QStringLiteral("Arrived"), m_today.addDays(-9));
            screen.refresh();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        screen.deleteSelected();
        QCOMPARE(watcher.handledCount(), 1);
    }
    QVERIFY(m_state->recurringRepository()->getById(rent.id)->deleted_at);
    QVERIFY(!m_state->recurringRepository()->getById(arrived.id)->deleted_at);

    // The item is posted by itself while the user is asked to enter it
    // early: the answer no longer holds, and nothing more is entered.
    view->setCurrentIndex(model->index(model->rowOf(gym.id), RecurringModel::PayeeColumn));
    QStringList titles;
    QSignalSpy posted(&screen, &RecurringScreen::transactionsChanged);
    {
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            titles << box->windowTitle();
            if (box->button(QMessageBox::Yes)) {
                QVERIFY(m_state->recurringService()->confirm(gym.id));
                screen.refresh();
                box->button(QMessageBox::Yes)->click();
            } else {
                box->button(QMessageBox::Ok)->click();
            }
        });
        screen.enterEarlySelected();
    }
    QCOMPARE(titles.size(), 2);
    QCOMPARE(posted.count(), 0);
    QCOMPARE(m_state->recurringRepository()->getById(gym.id)->next_due_date, m_today.addDays(4).addMonths(1));
    QCOMPARE(m_state->transactionRepository()->listByAccount(m_account.id).size(), 1);
    QCOMPARE(model->itemAt(view->currentIndex().row())->id, gym.id);
}

QTEST_MAIN(TestRecurring)
#include "tst_recurring.moc"
