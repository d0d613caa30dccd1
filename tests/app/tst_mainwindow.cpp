#include "app/AccountListModel.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "screens/CategoriesScreen.h"
#include "screens/PayeeScreen.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "screens/ReconciliationScreen.h"
#include "screens/RecurringScreen.h"
#include "screens/ReportsScreen.h"
#include "screens/SettingsScreen.h"
#include "screens/WelcomeScreen.h"
#include "services/RecurringService.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/TransactionRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/TestDataDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

Account makeAccount(const QString& name, Currency currency = Currency::USD, qint64 startingBalance = 0,
                    int sortOrder = 0)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = name;
    account.currency = currency;
    account.starting_balance = startingBalance;
    account.sort_order = sortOrder;
    return account;
}

Transaction makeTransaction(const QString& accountId, qint64 amount)
{
    Transaction transaction;
    transaction.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    transaction.account_id = accountId;
    transaction.date = QDate::currentDate().addDays(-3);
    transaction.payee = QStringLiteral("Corner Market");
    transaction.amount = amount;
    return transaction;
}

RecurringTransaction makeRecurring(const QString& accountId, qint64 amount, const QDate& due, bool autoPost)
{
    RecurringTransaction item;
    item.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    item.account_id = accountId;
    item.payee = QStringLiteral("Rent");
    item.amount = amount;
    item.start_date = due;
    item.next_due_date = due;
    item.auto_post = autoPost;
    return item;
}

// Fills the account form's name and accepts it.
void acceptAccountForm(QWidget* modal, const QString& name)
{
    auto* dialog = qobject_cast<QDialog*>(modal);
    QVERIFY(dialog);
    QLineEdit* nameEdit = nullptr;
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        if (edit->placeholderText() == QLatin1String("Account name"))
            nameEdit = edit;
    }
    QVERIFY(nameEdit);
    nameEdit->setText(name);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

void answer(QWidget* modal, QMessageBox::StandardButton button)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    box->button(button)->click();
}

template <typename Window>
QList<Window*> openWindows()
{
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found << window;
    }
    return found;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void accountListShowsLiveAccountsInOrderWithBalances();
    void freshStartShowsWelcomePageAndAsksForAnAccount();
    void creatingAnAccountShowsItsRegister();
    void cancellingTheAccountFormStoresNothing();
    void editingAnAccountRaisesItsVersion();
    void deletingAnAccountSoftDeletesItsRowsUnderOneTimestamp();
    void declinedDeleteKeepsTheAccount();
    void failedDeleteRollsBackAndSaysSo_data();
    void failedDeleteRollsBackAndSaysSo();
    void deletingTheLastAccountReturnsToWelcomePage();
    void lastViewedAccountIsReselected();
    void buildingPostsDueRecurringTransactions();
    void dueCountFollowsTheRecurringService();
    void newTransactionsUpdateBalances();
    void welcomePageFollowsTheTheme();
    void welcomePageSignInOpensTheLoginPage();
    void reconciliationWindowsOpenForTheShownAccount();
    void preferencesWindowIsKeptAndGoesWithTheMainWindow();
    void recurringWindowPostsIntoTheRegister();
    void toolsOpenCategoriesAndPayeesWhoseRenamesReachTheRegisterAndReports();
    void reportsWindowOpensFromTheReportsMenu();
    void layoutIsKeptInSettings();

private:
    void startState();
    QAction* action(MainWindow& window, const char* name) const;
    AccountListModel* accountModel(MainWindow& window) const;

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<AppState> m_state;
};

void TestMainWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestMainWindow::init()
{
    QSettings().clear();
    m_dataDir = std::make_unique<TestDataDir>();
    startState();
}

void TestMainWindow::cleanup()
{
    m_state.reset();
    m_dataDir.reset();
}

// A new AppState on the same data directory, as at the next start.
void TestMainWindow::startState()
{
    m_state.reset();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

QAction* TestMainWindow::action(MainWindow& window, const char* name) const
{
    auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
    if (!found)
        qFatal("No action %s", name);
    return found;
}

AccountListModel* TestMainWindow::accountModel(MainWindow& window) const
{
    return qobject_cast<AccountListModel*>(window.findChild<QTreeView*>(QStringLiteral("accountList"))->model());
}

void TestMainWindow::accountListShowsLiveAccountsInOrderWithBalances()
{
    const Account checking = makeAccount(QStringLiteral("Checking"), Currency::USD, 10000, 1);
    const Account travel = makeAccount(QStringLiteral("Travel"), Currency::EUR, 0, 0);
    const Account yen = makeAccount(QStringLiteral("Tokyo"), Currency::JPY, 123456, 2);
    const Account closed = makeAccount(QStringLiteral("Closed"), Currency::USD, 500, 0);
    for (const Account& account : {checking, travel, yen, closed})
        QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->accountRepository()->softDelete(closed.id));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(checking.id, -2550)));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(travel.id, -5000)));
    Transaction removed = makeTransaction(travel.id, -99900);
    QVERIFY(m_state->transactionRepository()->insert(removed));
    QVERIFY(m_state->transactionRepository()->softDelete(removed.id));
    m_state->themeManager()->setThemeByName(QStringLiteral("light"));

    AccountListModel model(m_state->accountRepository(), m_state->transactionRepository());

    QCOMPARE(model.rowCount(), 3);
    const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
    QCOMPARE(text(0, AccountListModel::NameColumn), QStringLiteral("Travel"));
    QCOMPARE(text(0, AccountListModel::BalanceColumn), QStringLiteral("-€50.00"));
    QCOMPARE(model.index(0, AccountListModel::BalanceColumn).data(Qt::ForegroundRole).value<QColor>(),
             QColor(QStringLiteral("#C62828")));
    QCOMPARE(text(1, AccountListModel::NameColumn), QStringLiteral("Checking"));
    QCOMPARE(text(1, AccountListModel::BalanceColumn), QStringLiteral("$74.50"));
    QVERIFY(!model.index(1, AccountListModel::BalanceColumn).data(Qt::ForegroundRole).isValid());
    QCOMPARE(text(2, AccountListModel::BalanceColumn), QStringLiteral("¥123,456"));
    QCOMPARE(model.index(2, 0).data(AccountListModel::AccountIdRole).toString(), yen.id);
    QCOMPARE(model.rowOf(closed.id), -1);

    m_state->themeManager()->setThemeByName(QStringLiteral("dark"));
    QCOMPARE(model.index(0, AccountListModel::BalanceColumn).data(Qt::ForegroundRole).value<QColor>(),
             QColor(QStringLiteral("#FF8A80")));
    m_state->themeManager()->setThemeByName(QStringLiteral("light"));
}

void TestMainWindow::freshStartShowsWelcomePageAndAsksForAnAccount()
{
    MainWindow window(m_state.get());
    auto* stack = window.findChild<QStackedWidget*>();
    QCOMPARE(stack->currentIndex(), MainWindow::kWelcomePage);
    QVERIFY(qobject_cast<WelcomeScreen*>(stack->currentWidget()));
    QVERIFY(window.currentAccountId().isEmpty());

    // What needs an account is not offered without one.
    for (const char* name : {"newTransactionAction", "editTransactionAction", "deleteTransactionAction",
                             "editAccountAction", "deleteAccountAction", "reconcileAction",
                             "reconciliationHistoryAction"})
        QVERIFY2(!action(window, name)->isEnabled(), name);
    QVERIFY(action(window, "newAccountAction")->isEnabled());
}

void TestMainWindow::creatingAnAccountShowsItsRegister()
{
    MainWindow window(m_state.get());
    auto* welcome = window.findChild<WelcomeScreen*>();
    {
        ModalWatcher watcher([](QWidget* modal) { acceptAccountForm(modal, QStringLiteral("  Everyday  ")); });
        emit welcome->createAccountRequested();
        QCOMPARE(watcher.handledCount(), 1);
    }
    const QList<Account> accounts = m_state->accountRepository()->listActive();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().name, QStringLiteral("Everyday"));
    QCOMPARE(window.currentAccountId(), accounts.first().id);
    auto* stack = window.findChild<QStackedWidget*>();
    QCOMPARE(stack->currentIndex(), MainWindow::kRegisterPage);
    QCOMPARE(window.findChild<RegisterScreen*>()->accountId(), accounts.first().id);
    QCOMPARE(m_state->preferencesRepository()->getString(QStringLiteral("lastViewedAccountId")),
             accounts.first().id);
    QCOMPARE(accountModel(window)->rowCount(), 1);

    // A second account from the menu becomes the shown one.
    ModalWatcher second([](QWidget* modal) { acceptAccountForm(modal, QStringLiteral("Savings")); });
    action(window, "newAccountAction")->trigger();
    QCOMPARE(m_state->accountRepository()->listActive().size(), 2);
    QCOMPARE(m_state->accountRepository()->getById(window.currentAccountId())->name, QStringLiteral("Savings"));
}

void TestMainWindow::cancellingTheAccountFormStoresNothing()
{
    MainWindow window(m_state.get());
    ModalWatcher watcher([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    action(window, "newAccountAction")->trigger();
    QCOMPARE(watcher.handledCount(), 1);
    QVERIFY(m_state->accountRepository()->listActive().isEmpty());
    QCOMPARE(window.findChild<QStackedWidget*>()->currentIndex(), MainWindow::kWelcomePage);
}

void TestMainWindow::editingAnAccountRaisesItsVersion()
{
    Account account = makeAccount(QStringLiteral("Checking"));
    account.version = 3;
    account.sync_status = SyncStatus::Synced;
    account.server_id = QStringLiteral("srv-1");
    QVERIFY(m_state->accountRepository()->insert(account));
    const Account stored = *m_state->accountRepository()->getById(account.id);
    MainWindow window(m_state.get());
    QCOMPARE(window.currentAccountId(), account.id);

    {
        // A sync pass acknowledges the row while the form is open: the edit
        // must not put the form's older copy of it back.
        ModalWatcher watcher([this, id = account.id](QWidget* modal) {
            QVERIFY(m_state->accountRepository()->markSynced(id, QStringLiteral("srv-2")));
            acceptAccountForm(modal, QStringLiteral("Joint Checking"));
        });
        action(window, "editAccountAction")->trigger();
        QCOMPARE(watcher.handledCount(), 1);
    }
    const Account edited = *m_state->accountRepository()->getById(account.id);
    QCOMPARE(edited.name, QStringLiteral("Joint Checking"));
    QCOMPARE(edited.version, 4);
    QCOMPARE(edited.sync_status, SyncStatus::Pending);
    QCOMPARE(edited.server_id, QStringLiteral("srv-2"));
    QCOMPARE(edited.created_at, stored.created_at);
    QCOMPARE(accountModel(window)->index(0, 0).data().toString(), QStringLiteral("Joint Checking"));

    ModalWatcher cancelled([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    action(window, "editAccountAction")->trigger();
    QCOMPARE(m_state->accountRepository()->getById(account.id)->version, 4);
}

void TestMainWindow::deletingAnAccountSoftDeletesItsRowsUnderOneTimestamp()
{
    const Account doomed = makeAccount(QStringLiteral("Old Card"), Currency::USD, 0, 0);
    const Account kept = makeAccount(QStringLiteral("Checking"), Currency::USD, 0, 1);
    QVERIFY(m_state->accountRepository()->insert(doomed));
    QVERIFY(m_state->accountRepository()->insert(kept));
    const Transaction first = makeTransaction(doomed.id, -1000);
    const Transaction second = makeTransaction(doomed.id, 2500);
    const Transaction other = makeTransaction(kept.id, 700);
    for (const Transaction& transaction : {first, second, other})
        QVERIFY(m_state->transactionRepository()->insert(transaction));
    const RecurringTransaction item = makeRecurring(doomed.id, -500, QDate::currentDate().addDays(20), false);
    QVERIFY(m_state->recurringRepository()->insert(item));
    Reconciliation reconciliation;
    reconciliation.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    reconciliation.account_id = doomed.id;
    reconciliation.statement_date = QDate::currentDate();
    reconciliation.completed_at = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->reconciliationRepository()->insert(reconciliation));

    MainWindow window(m_state.get());
    QCOMPARE(window.currentAccountId(), doomed.id);
    QString question;
    ModalWatcher watcher([&](QWidget* modal) {
        question = qobject_cast<QMessageBox*>(modal)->text();
        answer(modal, QMessageBox::Yes);
    });
    action(window, "deleteAccountAction")->trigger();

    QVERIFY(question.contains(QLatin1String("Old Card")));
    const std::optional<QDateTime> at = m_state->accountRepository()->getById(doomed.id)->deleted_at;
    QVERIFY(at.has_value());
    QCOMPARE(m_state->transactionRepository()->getById(first.id)->deleted_at, at);
    QCOMPARE(m_state->transactionRepository()->getById(second.id)->deleted_at, at);
    QCOMPARE(m_state->recurringRepository()->getById(item.id)->deleted_at, at);
    QCOMPARE(m_state->reconciliationRepository()->getById(reconciliation.id)->deleted_at, at);
    QVERIFY(!m_state->transactionRepository()->getById(other.id)->deleted_at);
    QVERIFY(!m_state->accountRepository()->getById(kept.id)->deleted_at);

    QCOMPARE(window.currentAccountId(), kept.id);
    QCOMPARE(accountModel(window)->rowCount(), 1);
}

void TestMainWindow::declinedDeleteKeepsTheAccount()
{
    const Account account = makeAccount(QStringLiteral("<b>Checking</b>"));
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(account.id, -100)));
    MainWindow window(m_state.get());

    ModalWatcher watcher([](QWidget* modal) {
        // The name is shown as typed, not read as markup.
        QCOMPARE(qobject_cast<QMessageBox*>(modal)->textFormat(), Qt::PlainText);
        answer(modal, QMessageBox::No);
    });
    action(window, "deleteAccountAction")->trigger();

    QCOMPARE(watcher.handledCount(), 1);
    QVERIFY(!m_state->accountRepository()->getById(account.id)->deleted_at);
    QCOMPARE(m_state->transactionRepository()->listByAccount(account.id).size(), 1);
    QCOMPARE(window.currentAccountId(), account.id);
}

void TestMainWindow::failedDeleteRollsBackAndSaysSo_data()
{
    QTest::addColumn<QString>("refusingTable");
    QTest::newRow("account row") << QStringLiteral("accounts");
    QTest::newRow("transactions") << QStringLiteral("transactions");
    QTest::newRow("recurring items") << QStringLiteral("recurring_transactions");
}

void TestMainWindow::failedDeleteRollsBackAndSaysSo()
{
    QFETCH(QString, refusingTable);
    const Account account = makeAccount(QStringLiteral("Checking"));
    QVERIFY(m_state->accountRepository()->insert(account));
    const Transaction transaction = makeTransaction(account.id, -100);
    QVERIFY(m_state->transactionRepository()->insert(transaction));
    const RecurringTransaction item = makeRecurring(account.id, -500, QDate::currentDate().addDays(20), false);
    QVERIFY(m_state->recurringRepository()->insert(item));
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_delete BEFORE UPDATE OF deleted_at ON %1 "
                                        "WHEN NEW.deleted_at IS NOT NULL "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(refusingTable)));
    MainWindow window(m_state.get());

    QStringList titles;
    ModalWatcher watcher([&](QWidget* modal) {
        titles << modal->windowTitle();
        answer(modal, titles.size() == 1 ? QMessageBox::Yes : QMessageBox::Ok);
    });
    action(window, "deleteAccountAction")->trigger();

    QCOMPARE(titles, QStringList({QStringLiteral("Delete Account"), QStringLiteral("Account Not Deleted")}));
    QVERIFY(!m_state->accountRepository()->getById(account.id)->deleted_at);
    QVERIFY(!m_state->transactionRepository()->getById(transaction.id)->deleted_at);
    QVERIFY(!m_state->recurringRepository()->getById(item.id)->deleted_at);
    QCOMPARE(window.currentAccountId(), account.id);
}

void TestMainWindow::deletingTheLastAccountReturnsToWelcomePage()
{
    const Account account = makeAccount(QStringLiteral("Only"));
    QVERIFY(m_state->accountRepository()->insert(account));
    MainWindow window(m_state.get());
    QCOMPARE(window.findChild<QStackedWidget*>()->currentIndex(), MainWindow::kRegisterPage);

    ModalWatcher watcher([](QWidget* modal) { answer(modal, QMessageBox::Yes); });
    action(window, "deleteAccountAction")->trigger();

    QCOMPARE(window.findChild<QStackedWidget*>()->currentIndex(), MainWindow::kWelcomePage);
    QVERIFY(window.currentAccountId().isEmpty());
    QVERIFY(!action(window, "newTransactionAction")->isEnabled());
    QVERIFY(!action(window, "deleteAccountAction")->isEnabled());
}

void TestMainWindow::lastViewedAccountIsReselected()
{
    const Account first = makeAccount(QStringLiteral("A"), Currency::USD, 0, 0);
    const Account second = makeAccount(QStringLiteral("B"), Currency::USD, 0, 1);
    QVERIFY(m_state->accountRepository()->insert(first));
    QVERIFY(m_state->accountRepository()->insert(second));
    {
        MainWindow window(m_state.get());
        QCOMPARE(window.currentAccountId(), first.id);
        auto* view = window.findChild<QTreeView*>(QStringLiteral("accountList"));
        view->setCurrentIndex(view->model()->index(1, 0));
        QCOMPARE(window.currentAccountId(), second.id);
        QCOMPARE(window.findChild<RegisterScreen*>()->accountId(), second.id);
    }

    startState();
    {
        MainWindow window(m_state.get());
        QCOMPARE(window.currentAccountId(), second.id);
    }

    // A remembered account that was deleted since falls back to the first one.
    QVERIFY(m_state->accountRepository()->softDelete(second.id));
    startState();
    MainWindow window(m_state.get());
    QCOMPARE(window.currentAccountId(), first.id);
}

void TestMainWindow::buildingPostsDueRecurringTransactions()
{
    const Account account = makeAccount(QStringLiteral("Checking"), Currency::USD, 100000);
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->recurringRepository()->insert(
        makeRecurring(account.id, -120000, QDate::currentDate().addDays(-1), true)));

    MainWindow window(m_state.get());

    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Auto-posted 1 recurring transaction(s)"));
    QCOMPARE(m_state->transactionRepository()->listByAccount(account.id).size(), 1);
    AccountListModel* model = accountModel(window);
    QCOMPARE(model->balanceAt(0), 100000 - 120000);
    QCOMPARE(model->index(0, AccountListModel::BalanceColumn).data().toString(), QStringLiteral("-$200.00"));
    QCOMPARE(window.findChild<RegisterScreen*>()->accountId(), account.id);

    auto* timer = window.findChild<QTimer*>(QStringLiteral("autoPostTimer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), MainWindow::kAutoPostIntervalMs);
    QVERIFY(!timer->isSingleShot());
}

void TestMainWindow::dueCountFollowsTheRecurringService()
{
    const Account account = makeAccount(QStringLiteral("Checking"));
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->recurringRepository()->insert(
        makeRecurring(account.id, -5000, QDate::currentDate().addDays(-2), false)));
    MainWindow window(m_state.get());
    auto* statusBar = qobject_cast<StatusBar*>(window.statusBar());
    QCOMPARE(statusBar->dueText(), QStringLiteral("1 recurring transaction(s) due"));

    m_state->recurringService()->confirmAllDue();
    QVERIFY(statusBar->dueText().isEmpty());

    // An item entered or edited elsewhere counts at once.
    QVERIFY(m_state->recurringRepository()->insert(
        makeRecurring(account.id, -700, QDate::currentDate(), false)));
    QCOMPARE(statusBar->dueText(), QStringLiteral("1 recurring transaction(s) due"));
}

void TestMainWindow::newTransactionsUpdateBalances()
{
    const Account account = makeAccount(QStringLiteral("Checking"), Currency::USD, 1000);
    QVERIFY(m_state->accountRepository()->insert(account));
    MainWindow window(m_state.get());
    AccountListModel* model = accountModel(window);
    QCOMPARE(model->balanceAt(0), 1000);

    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(account.id, -1500)));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(account.id, 200)));

    QTRY_COMPARE(model->balanceAt(0), -300);
    QCOMPARE(window.currentAccountId(), account.id);

    // Editing a transaction is offered once one is selected.
    QVERIFY(!action(window, "editTransactionAction")->isEnabled());
    auto* register_ = window.findChild<RegisterScreen*>();
    register_->findChild<QTableView*>()->selectRow(0);
    QVERIFY(action(window, "editTransactionAction")->isEnabled());
    QVERIFY(action(window, "deleteTransactionAction")->isEnabled());

    // With transactions stored in cents, the account's currency is fixed.
    bool currencyEditable = true;
    ModalWatcher watcher([&currencyEditable](QWidget* modal) {
        for (QComboBox* combo : modal->findChildren<QComboBox*>()) {
            if (combo->findData(QStringLiteral("JPY")) >= 0)
                currencyEditable = combo->isEnabled();
        }
        qobject_cast<QDialog*>(modal)->reject();
    });
    action(window, "editAccountAction")->trigger();
    QCOMPARE(watcher.handledCount(), 1);
    QVERIFY(!currencyEditable);
}

void TestMainWindow::welcomePageFollowsTheTheme()
{
    m_state->themeManager()->setThemeByName(QStringLiteral("light"));
    MainWindow window(m_state.get());
    QLabel* subtitle = nullptr;
    for (QLabel* label : window.findChild<WelcomeScreen*>()->findChildren<QLabel*>()) {
        if (label->text() == QLatin1String("A digital check register."))
            subtitle = label;
    }
    QVERIFY(subtitle);
    QVERIFY(subtitle->styleSheet().contains(QLatin1String("#4A6358"), Qt::CaseInsensitive));

    m_state->themeManager()->setThemeByName(QStringLiteral("dark"));
    QVERIFY(subtitle->styleSheet().contains(QLatin1String("#8FAF9F"), Qt::CaseInsensitive));
    m_state->themeManager()->setThemeByName(QStringLiteral("light"));
}

void TestMainWindow::welcomePageSignInOpensTheLoginPage()
{
    OpenedUrls browser;
    MainWindow window(m_state.get());
    emit window.findChild<WelcomeScreen*>()->signInRequested();
    QCOMPARE(browser.urls().size(), 1);
    // The service the environment names (a closed port in tests), never the maker's.
    const QUrl page = browser.urls().first();
    QCOMPARE(page.host(), QStringLiteral("127.0.0.1"));
    QVERIFY2(page.path().endsWith(QLatin1String("/tandrel/account/login")), qPrintable(page.toString()));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Finish signing in in your browser..."));
    QCOMPARE(window.findChild<QStackedWidget*>()->currentIndex(), MainWindow::kWelcomePage);
}

void TestMainWindow::reconciliationWindowsOpenForTheShownAccount()
{
    {
        MainWindow empty(m_state.get());
        empty.showReconciliationWindow();
        QCOMPARE(empty.statusBar()->currentMessage(), QStringLiteral("Select an account first"));
        QVERIFY(openWindows<ReconciliationScreen>().isEmpty());
    }
    QVERIFY(m_state->accountRepository()->insert(makeAccount(QStringLiteral("Checking"))));
    MainWindow window(m_state.get());

    action(window, "reconcileAction")->trigger();
    emit window.findChild<RegisterScreen*>()->reconcileRequested();
    QList<ReconciliationScreen*> screens = openWindows<ReconciliationScreen>();
    QCOMPARE(screens.size(), 1);
    QCOMPARE(screens.first()->windowTitle(), QStringLiteral("Reconcile — Checking"));
    QPointer<ReconciliationScreen> cancelled = screens.first();
    emit cancelled->cancelled();
    QTRY_VERIFY(!cancelled);

    action(window, "reconcileAction")->trigger();
    QPointer<ReconciliationScreen> finished = openWindows<ReconciliationScreen>().value(0);
    QVERIFY(finished);
    emit finished->reconciliationCompleted();
    QTRY_VERIFY(!finished);

    action(window, "reconciliationHistoryAction")->trigger();
    action(window, "reconciliationHistoryAction")->trigger();
    const QList<ReconciliationHistoryScreen*> histories = openWindows<ReconciliationHistoryScreen>();
    QCOMPARE(histories.size(), 1);
    QCOMPARE(histories.first()->windowTitle(), QStringLiteral("Reconciliation History"));
    QCOMPARE(histories.first()->accountId(), window.currentAccountId());

    // They close with the main window, or the program would keep running.
    action(window, "reconcileAction")->trigger();
    QPointer<ReconciliationScreen> open = openWindows<ReconciliationScreen>().value(0);
    QVERIFY(open);
    window.close();
    QTRY_VERIFY(!open);
    QVERIFY(!histories.first()->isVisible());
}

void TestMainWindow::preferencesWindowIsKeptAndGoesWithTheMainWindow()
{
    AccountEditor editor(m_state.get());
    const Account kept = makeAccount(QStringLiteral("Checking"));
    const Account gone = makeAccount(QStringLiteral("Old Card"));
    QVERIFY(editor.createAccount(kept));
    QVERIFY(editor.createAccount(gone));
    MainWindow window(m_state.get());
    action(window, "preferencesAction")->trigger();
    QList<SettingsScreen*> screens = openWindows<SettingsScreen>();
    QCOMPARE(screens.size(), 1);
    SettingsScreen* screen = screens.first();
    QCOMPARE(screen->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(screen->size(), QSize(500, 550));
    QCOMPARE(screen->parentWidget(), &window);

    // The languages whose catalogue ships are offered, in their fixed order.
    auto* languages = screen->findChild<QComboBox*>(QStringLiteral("languageCombo"));
    QStringList codes;
    for (int i = 0; i < languages->count(); ++i)
        codes.append(languages->itemData(i).toString());
    QCOMPARE(codes, (QStringList{QStringLiteral("system"), QStringLiteral("en"), QStringLiteral("es"),
                                 QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ja")}));

    // Shown again, the same window brings its deleted accounts up to date.
    QVERIFY(editor.deleteAccount(gone.id));
    screen->resize(600, 600);
    action(window, "preferencesAction")->trigger();
    QCOMPARE(openWindows<SettingsScreen>(), QList<SettingsScreen*>{screen});
    QCOMPARE(screen->size(), QSize(600, 600));
    auto* deleted = screen->findChild<QListWidget*>(QStringLiteral("deletedAccountsList"));
    QCOMPARE(deleted->count(), 1);
    QTRY_COMPARE(accountModel(window)->rowCount(), 1);

    deleted->setCurrentRow(0);
    screen->findChild<QPushButton*>(QStringLiteral("restoreButton"))->click();
    QCOMPARE(accountModel(window)->rowCount(), 2);

    window.close();
    QVERIFY(!screen->isVisible());
}

void TestMainWindow::recurringWindowPostsIntoTheRegister()
{
    const Account account = makeAccount(QStringLiteral("Checking"), Currency::USD, 100000);
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->recurringRepository()->insert(makeRecurring(account.id, -120000, QDate::currentDate(), false)));
    MainWindow window(m_state.get());
    auto* statusBar = qobject_cast<StatusBar*>(window.statusBar());
    QCOMPARE(statusBar->dueText(), QStringLiteral("1 recurring transaction(s) due"));

    action(window, "recurringAction")->trigger();
    action(window, "recurringAction")->trigger();
    const QList<RecurringScreen*> screens = openWindows<RecurringScreen>();
    QCOMPARE(screens.size(), 1);
    auto* list = screens.first()->findChild<QTableView*>();
    list->setCurrentIndex(list->model()->index(0, 1));
    screens.first()->confirmSelected();

    auto* register_ = window.findChild<RegisterScreen*>()->findChild<QTableView*>();
    QCOMPARE(register_->model()->rowCount(), 1);
    QCOMPARE(accountModel(window)->balanceAt(0), 100000 - 120000);
    QVERIFY(statusBar->dueText().isEmpty());

    // The posted transaction memorized: the open list shows the new item at once.
    register_->selectRow(0);
    ModalWatcher watcher([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
    action(window, "memorizeTransactionAction")->trigger();
    QCOMPARE(watcher.handledCount(), 1);
    QCOMPARE(list->model()->rowCount(), 2);

    window.close();
    QVERIFY(!screens.first()->isVisible());
}

void TestMainWindow::reportsWindowOpensFromTheReportsMenu()
{
    MainWindow window(m_state.get());
    QAction* reports = action(window, "reportsAction");
    QVERIFY(reports->isEnabled()); // no account needed
    // The Reports menu shows now that it holds something.
    auto* menu = qobject_cast<QMenu*>(reports->parent());
    QVERIFY(menu && menu->menuAction()->isVisible());
    // Its shortcut is its own among the main window's actions.
    for (QAction* other : window.findChildren<QAction*>()) {
        if (other != reports)
            QVERIFY2(other->shortcut() != reports->shortcut(), qPrintable(other->objectName()));
    }

    reports->trigger();
    reports->trigger();
    const QList<ReportsScreen*> screens = openWindows<ReportsScreen>();
    QCOMPARE(screens.size(), 1);
    QCOMPARE(screens.first()->windowTitle(), QStringLiteral("Reports"));

    window.close();
    QVERIFY(!screens.first()->isVisible());
}

void TestMainWindow::toolsOpenCategoriesAndPayeesWhoseRenamesReachTheRegisterAndReports()
{
    const Account account = makeAccount(QStringLiteral("Checking"));
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(account.id, -1500)));
    MainWindow window(m_state.get());

    action(window, "categoriesAction")->trigger();
    action(window, "categoriesAction")->trigger();
    const QList<CategoriesScreen*> categories = openWindows<CategoriesScreen>();
    QCOMPARE(categories.size(), 1);
    QCOMPARE(categories.first()->windowTitle(), QStringLiteral("Categories"));

    // A payee summary open beside it, over a period that holds today.
    Transaction today = makeTransaction(account.id, -200);
    today.date = QDate::currentDate();
    QVERIFY(m_state->transactionRepository()->insert(today));
    action(window, "reportsAction")->trigger();
    ReportsScreen* reports = openWindows<ReportsScreen>().value(0);
    QVERIFY(reports);
    reports->showReport(ReportsScreen::Kind::PayeeSummary);
    const auto reportHolds = [reports](const QString& payee) {
        for (const QTableView* table : reports->findChildren<QTableView*>()) {
            const QAbstractItemModel* model = table->model();
            if (table->isVisible() && !model->match(model->index(0, 0), Qt::DisplayRole, payee, 1, Qt::MatchExactly).isEmpty())
                return true;
        }
        return false;
    };
    QTRY_VERIFY(reportHolds(QStringLiteral("Corner Market")));

    action(window, "payeesAction")->trigger();
    const QList<PayeeScreen*> payees = openWindows<PayeeScreen>();
    QCOMPARE(payees.size(), 1);
    PayeeScreen* screen = payees.first();
    screen->findChild<QTreeView*>()->selectAll();
    for (QLineEdit* edit : screen->findChildren<QLineEdit*>())
        edit->setText(edit->placeholderText().startsWith(QLatin1String("Search")) ? QString() : QStringLiteral("Market"));
    {
        ModalWatcher watcher([](QWidget* modal) { answer(modal, QMessageBox::Ok); });
        screen->onRename();
        QCOMPARE(watcher.handledCount(), 1);
    }
    // The rename raised no repository signal, yet the register shows it.
    const QAbstractItemModel* rows = window.findChild<RegisterScreen*>()->findChild<QTableView*>()->model();
    QCOMPARE(rows->index(0, RegisterModel::PayeeColumn).data().toString(), QStringLiteral("Market"));
    QTRY_VERIFY(reportHolds(QStringLiteral("Market")));

    window.close();
    QVERIFY(!categories.first()->isVisible());
    QVERIFY(!screen->isVisible());
}

void TestMainWindow::layoutIsKeptInSettings()
{
    QList<int> sizes;
    {
        MainWindow window(m_state.get());
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* splitter = window.findChild<QSplitter*>(QStringLiteral("mainSplitter"));
        splitter->setSizes({300, 600});
        sizes = splitter->sizes();
        window.close();
    }
    QSettings settings;
    QVERIFY(!settings.value(QStringLiteral("mainwindow/geometry")).toByteArray().isEmpty());
    QVERIFY(!settings.value(QStringLiteral("mainwindow/splitter")).toByteArray().isEmpty());

    MainWindow window(m_state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(900, 600));
    QCOMPARE(window.findChild<QSplitter*>(QStringLiteral("mainSplitter"))->sizes(), sizes);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
