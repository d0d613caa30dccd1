#include "app/MainWindow.h"

#include "account/AccountScreen.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "app/AccountListModel.h"
#include "app/ShareAccount.h"
#include "app/SignInQuestions.h"
#include "app/StatusBar.h"
#include "app/UpdateFeed.h"
#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "appstate/WindowPlacement.h"
#include "register/RegisterScreen.h"
#include "screens/AccountFormDialog.h"
#include "screens/CategoriesScreen.h"
#include "screens/ImportScreen.h"
#include "screens/PayeeScreen.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "screens/ReconciliationScreen.h"
#include "screens/RecurringActions.h"
#include "screens/RecurringScreen.h"
#include "screens/ReportsScreen.h"
#include "screens/SettingsScreen.h"
#include "screens/WelcomeScreen.h"
#include "services/RecurringService.h"
#include "storage/AccountRepository.h"
#include "storage/PreferencesRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/TransactionRepository.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"
#include "update/UpdateFlows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");
const QString kSignedInBeforeKey = QStringLiteral("auth/hasSignedInBefore");
const QString kLastViewedAccountKey = QStringLiteral("lastViewedAccountId");

constexpr int kSelectAccountMessageMs = 3000;
constexpr int kNoticeMessageMs = 5000;
constexpr int kSyncCompleteMessageMs = 2000;
constexpr int kSyncFailedMessageMs = 5000;
constexpr QSize kMainWindowSize(1100, 720);
constexpr QSize kReconciliationWindowSize(1100, 720);
constexpr QSize kHistoryWindowSize(750, 500);
constexpr QSize kSettingsWindowSize(500, 550);
constexpr QSize kRecurringWindowSize(700, 500);
constexpr QSize kCategoriesWindowSize(600, 500);
constexpr QSize kPayeesWindowSize(550, 500);
constexpr QSize kReportsWindowSize(800, 600);
constexpr QSize kImportWindowSize(650, 600);
constexpr QSize kAccountWindowSize(600, 550);

} // namespace

MainWindow::MainWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent)
    , m_appState(appState)
    , m_accountEditor(new AccountEditor(appState, this))
    , m_accountModel(new AccountListModel(appState->accountRepository(), appState->transactionRepository(), this))
    , m_statusBar(new StatusBar(this))
    , m_accountRefreshTimer(new QTimer(this))
    , m_autoPostTimer(new QTimer(this))
{
    setWindowTitle(tr("Tandrel Ledgerine"));
    setStatusBar(m_statusBar);
    buildLayout();
    buildMenus();
    connectSignals();
    restoreLayout();

    selectAccount(appState->lastViewedAccountId());
    m_statusBar->setDueCount(appState->recurringService()->pendingCount());

    autoPostRecurring();
    m_autoPostTimer->start();
}

MainWindow::~MainWindow()
{
    // Reconciliation windows have no parent but borrow the same AppState.
    for (const QPointer<ReconciliationScreen>& screen : std::as_const(m_reconciliationScreens))
        delete screen.data();
}

void MainWindow::buildLayout()
{
    auto* accountPanel = new QWidget;
    auto* panelLayout = new QVBoxLayout(accountPanel);
    panelLayout->setContentsMargins(8, 8, 0, 8);
    auto* heading = new QLabel(tr("Accounts"));
    applyFontRole(heading, FontRole::Subtitle);
    panelLayout->addWidget(heading);

    m_accountView = new QTreeView;
    m_accountView->setObjectName(QStringLiteral("accountList"));
    m_accountView->setModel(m_accountModel);
    m_accountView->setRootIsDecorated(false);
    m_accountView->setHeaderHidden(true);
    m_accountView->setUniformRowHeights(true);
    m_accountView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_accountView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_accountView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_accountView->header()->setStretchLastSection(false);
    m_accountView->header()->setSectionResizeMode(AccountListModel::NameColumn, QHeaderView::Stretch);
    m_accountView->header()->setSectionResizeMode(AccountListModel::BalanceColumn, QHeaderView::ResizeToContents);
    panelLayout->addWidget(m_accountView);

    m_welcomeScreen = new WelcomeScreen(m_appState);
    m_registerScreen = new RegisterScreen(m_appState);

    m_stack = new QStackedWidget;
    m_stack->insertWidget(kWelcomePage, m_welcomeScreen);
    m_stack->insertWidget(kRegisterPage, m_registerScreen);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->addWidget(accountPanel);
    m_splitter->addWidget(m_stack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // Dragged shut, the register would hide every balance; the list keeps
    // room for a name and its balance.
    m_splitter->setCollapsible(1, false);
    m_splitter->setCollapsible(0, false);
    m_accountPanel = accountPanel;
    sizeAccountPanel();
    connect(m_accountModel, &QAbstractItemModel::modelReset, this, &MainWindow::sizeAccountPanel);
    setCentralWidget(m_splitter);
}

// Every window of the program is opened from here; a menu stays hidden while
// it has nothing to offer.
void MainWindow::buildMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    QMenu* accountMenu = menuBar()->addMenu(tr("&Account"));
    QMenu* transactionsMenu = menuBar()->addMenu(tr("&Transactions"));
    QMenu* reportsMenu = menuBar()->addMenu(tr("&Reports"));
    QMenu* toolsMenu = menuBar()->addMenu(tr("T&ools"));
    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));

    connect(addMenuAction(fileMenu, QStringLiteral("importAction"), tr("&Import Transactions..."),
                          QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &MainWindow::showImportWindow);
    fileMenu->addSeparator();
    QMenu* serviceMenu = fileMenu->addMenu(tr("Tandrel &Account"));
    serviceMenu->menuAction()->setObjectName(QStringLiteral("tandrelAccountMenu"));
    m_accountWindowAction =
        addMenuAction(serviceMenu, QStringLiteral("accountWindowAction"), tr("Tandrel &Account..."), {});
    connect(m_accountWindowAction, &QAction::triggered, this, &MainWindow::showAccountWindow);
    m_signInAction = addMenuAction(serviceMenu, QStringLiteral("signInAction"), tr("&Sign In..."), {});
    connect(m_signInAction, &QAction::triggered, this, &MainWindow::signIn);
    m_signOutAction = addMenuAction(serviceMenu, QStringLiteral("signOutAction"), tr("Sign &Out"), {});
    connect(m_signOutAction, &QAction::triggered, this, &MainWindow::signOut);
    fileMenu->addSeparator();
    // The platform's own key for preferences where it has one (none on
    // Windows), else the one most programs share.
    const QList<QKeySequence> preferencesKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    QAction* preferences = addMenuAction(fileMenu, QStringLiteral("preferencesAction"), tr("&Preferences..."),
                                         preferencesKeys.value(0, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, this, &MainWindow::showSettingsWindow);
    fileMenu->addSeparator();
    connect(addMenuAction(fileMenu, QStringLiteral("quitAction"), tr("&Quit"),
                          QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, qApp, &QApplication::closeAllWindows);

    connect(addMenuAction(accountMenu, QStringLiteral("newAccountAction"), tr("&New Account..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, this, &MainWindow::showNewAccountDialog);
    QAction* editAccount = addMenuAction(accountMenu, QStringLiteral("editAccountAction"), tr("&Edit Account..."), {});
    connect(editAccount, &QAction::triggered, this, &MainWindow::showEditAccountDialog);
    QAction* deleteAccount = addMenuAction(accountMenu, QStringLiteral("deleteAccountAction"), tr("&Delete Account"), {});
    connect(deleteAccount, &QAction::triggered, this, &MainWindow::deleteCurrentAccount);
    accountMenu->addSeparator();
    QAction* reconcile = addMenuAction(accountMenu, QStringLiteral("reconcileAction"), tr("&Reconcile..."),
                                       QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(reconcile, &QAction::triggered, this, &MainWindow::showReconciliationWindow);
    QAction* history = addMenuAction(accountMenu, QStringLiteral("reconciliationHistoryAction"),
                                     tr("Reconciliation &History..."), {});
    connect(history, &QAction::triggered, this, &MainWindow::showReconciliationHistoryWindow);
    m_accountActions = {editAccount, deleteAccount, reconcile, history};
    accountMenu->addSeparator();
    m_shareAccountAction = addMenuAction(accountMenu, QStringLiteral("shareAccountAction"), tr("&Share Account..."), {});
    connect(m_shareAccountAction, &QAction::triggered, this, &MainWindow::shareCurrentAccount);

    QAction* newTransaction = addMenuAction(transactionsMenu, QStringLiteral("newTransactionAction"),
                                            tr("&New Transaction..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newTransaction, &QAction::triggered, this, [this] { forwardToRegister(&RegisterScreen::newTransaction); });
    m_accountActions.append(newTransaction);
    QAction* editTransaction = addMenuAction(transactionsMenu, QStringLiteral("editTransactionAction"),
                                             tr("&Edit Transaction..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(editTransaction, &QAction::triggered, this,
            [this] { forwardToRegister(&RegisterScreen::editCurrentTransaction); });
    QAction* deleteTransaction = addMenuAction(transactionsMenu, QStringLiteral("deleteTransactionAction"),
                                               tr("&Delete Transaction"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(deleteTransaction, &QAction::triggered, this,
            [this] { forwardToRegister(&RegisterScreen::deleteCurrentTransaction); });
    m_transactionActions = {editTransaction, deleteTransaction};

    transactionsMenu->addSeparator();
    QAction* memorize = addMenuAction(transactionsMenu, QStringLiteral("memorizeTransactionAction"),
                                      tr("&Memorize as Recurring..."), {});
    connect(memorize, &QAction::triggered, this,
            [this] { forwardToRegister(&RegisterScreen::memorizeCurrentTransaction); });
    m_transactionActions.append(memorize);
    connect(addMenuAction(transactionsMenu, QStringLiteral("recurringAction"), tr("&Recurring Transactions..."), {}),
            &QAction::triggered, this, &MainWindow::showRecurringWindow);
    connect(addMenuAction(toolsMenu, QStringLiteral("categoriesAction"), tr("&Categories..."), {}),
            &QAction::triggered, this, &MainWindow::showCategoriesWindow);
    connect(addMenuAction(toolsMenu, QStringLiteral("payeesAction"), tr("&Payees..."), {}), &QAction::triggered,
            this, &MainWindow::showPayeesWindow);
    connect(addMenuAction(reportsMenu, QStringLiteral("reportsAction"), tr("&Reports..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T)),
            &QAction::triggered, this, &MainWindow::showReportsWindow);

    connect(addMenuAction(helpMenu, QStringLiteral("checkForUpdatesAction"), tr("Check for &Updates..."), {}),
            &QAction::triggered, this, &MainWindow::checkForUpdates);
    connect(addMenuAction(helpMenu, QStringLiteral("whatsNewAction"), tr("&What's New"), {}), &QAction::triggered,
            this, &MainWindow::showWhatsNew);
    connect(addMenuAction(helpMenu, QStringLiteral("feedbackAction"), tr("Send &Feedback..."), {}),
            &QAction::triggered, this, &MainWindow::openFeedbackPage);
    helpMenu->addSeparator();
    connect(addMenuAction(helpMenu, QStringLiteral("aboutAction"), tr("&About Tandrel Ledgerine"), {}),
            &QAction::triggered, this, &MainWindow::showAboutDialog);

    for (QMenu* menu : {fileMenu, editMenu, accountMenu, transactionsMenu, reportsMenu, toolsMenu, helpMenu})
        menu->menuAction()->setVisible(!menu->isEmpty());
    // Also brings the actions up to date.
    updateSignInDisplay();
}

void MainWindow::updateActions()
{
    // What needs an account (or a transaction in its register) cannot act
    // without one, so it is not offered.
    const bool hasAccount = !m_currentAccountId.isEmpty();
    for (QAction* action : std::as_const(m_accountActions))
        action->setEnabled(hasAccount);
    const bool hasTransaction = hasAccount && m_registerScreen->hasCurrentTransaction();
    for (QAction* action : std::as_const(m_transactionActions))
        action->setEnabled(hasTransaction);
    // Shares live on the service: signed out, there is nobody to share with.
    m_shareAccountAction->setEnabled(hasAccount && m_appState->isSignedIn());
}

QAction* MainWindow::addMenuAction(QMenu* menu, const QString& objectName, const QString& text,
                                   const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    return action;
}

void MainWindow::connectSignals()
{
    m_accountRefreshTimer->setSingleShot(true);
    m_accountRefreshTimer->setInterval(0);
    connect(m_accountRefreshTimer, &QTimer::timeout, this, &MainWindow::rebuildAccountList);
    const auto refreshAccounts = [this] { m_accountRefreshTimer->start(); };
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this, refreshAccounts);
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            refreshAccounts);
    connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged, this, [this, refreshAccounts] {
        refreshAccounts();
        // Editing an item can make it due or not due without the service noticing.
        m_statusBar->setDueCount(m_appState->recurringService()->pendingCount());
    });
    connect(m_appState->recurringService(), &RecurringService::pendingCountChanged, m_statusBar,
            &StatusBar::setDueCount);

    connect(m_accountView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::onAccountClicked);

    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, &MainWindow::onSignInRequested);
    ThemeManager* theme = m_appState->themeManager();
    connect(theme, &ThemeManager::themeChanged, m_welcomeScreen, &WelcomeScreen::applyThemeColors);
    connect(theme, &ThemeManager::accentChanged, m_welcomeScreen, &WelcomeScreen::applyThemeColors);
    connect(theme, &ThemeManager::themeChanged, m_accountModel, &AccountListModel::refreshColors);

    // A write that failed loses what the user typed: that deserves more than
    // a status line that may go unseen.
    connect(m_registerScreen, &RegisterScreen::errorMessage, this, [this](const QString& message) {
        showPlainMessage(this, QMessageBox::Warning, tr("Transactions"), message);
    });
    connect(m_registerScreen, &RegisterScreen::currentTransactionChanged, this, &MainWindow::updateActions);
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::memorizeRequested, this, &MainWindow::memorizeTransaction);

    TandAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    connect(auth, &TandAccount::AuthClient::stateChanged, this, &MainWindow::updateSignInDisplay);
    connect(auth, &TandAccount::AuthClient::loginSucceeded, this, &MainWindow::onLoginSucceeded);
    // The boxes below wait for the user: they are shown from the event loop,
    // not from within the client's own work.
    connect(auth, &TandAccount::AuthClient::loginFailed, this, &MainWindow::onLoginFailed, Qt::QueuedConnection);
    connect(auth, &TandAccount::AuthClient::sessionExpired, this, &MainWindow::onSessionExpired,
            Qt::QueuedConnection);
    connect(
        auth, &TandAccount::AuthClient::signInNeedsConfirmation, this,
        [this, auth](const QString& email) {
            // The user comes back from the browser.
            raise();
            activateWindow();
            if (SignInQuestions::confirmAccount(this, email)) {
                auth->confirmSignIn();
                return;
            }
            auth->declineSignIn();
            m_statusBar->showMessage(tr("Sign-in cancelled. You are not signed in."), kNoticeMessageMs);
        },
        Qt::QueuedConnection);
    connect(
        m_appState, &AppState::ledgerHandOverAsked, this,
        [this](const QString& lastAccount, const QString& newAccount, int transactionCount) {
            if (SignInQuestions::confirmHandOver(this, lastAccount, newAccount, transactionCount))
                m_appState->handOverLedger();
            else
                signOut();
        },
        Qt::QueuedConnection);

    SyncEngine* sync = m_appState->syncEngine();
    connect(sync, &SyncEngine::stateChanged, this, &MainWindow::showSyncState);
    connect(sync, &SyncEngine::syncCompleted, this, [this, sync] {
        const int notReadable = sync->recordsNotReadable();
        if (notReadable == 0) {
            m_statusBar->showMessage(tr("Sync complete"), kSyncCompleteMessageMs);
            return;
        }
        m_statusBar->showMessage(
            tr("Sync complete; %n record(s) cannot be read by this version yet", nullptr, notReadable),
            kNoticeMessageMs);
    });
    connect(sync, &SyncEngine::syncFailed, this, [this](const QString& error) {
        m_statusBar->showMessage(tr("Sync failed: %1").arg(error), kSyncFailedMessageMs);
    });

    m_autoPostTimer->setObjectName(QStringLiteral("autoPostTimer"));
    m_autoPostTimer->setInterval(kAutoPostIntervalMs);
    connect(m_autoPostTimer, &QTimer::timeout, this, &MainWindow::autoPostRecurring);
    connect(m_appState, &AppState::writesReleased, this, &MainWindow::onWritesReleased);
}

void MainWindow::restoreLayout()
{
    QSettings settings;
    if (!restoreGeometry(settings.value(kGeometryKey).toByteArray()))
        WindowPlacement::place(this, kMainWindowSize);
    if (m_splitter->restoreState(settings.value(kSplitterKey).toByteArray()))
        return;
    // The account list as wide as its names and balances need; the register
    // needs the room more.
    m_splitter->setSizes({m_accountPanel->minimumWidth(), width()});
}

void MainWindow::sizeAccountPanel()
{
    // Every name whole beside its balance, whatever width the splitter was
    // left at under a smaller font or with shorter names; within reason:
    // beyond 40 characters the register needs the room more.
    const int chars = m_accountPanel->fontMetrics().averageCharWidth();
    int name = 0;
    int balance = 0;
    for (int row = 0; row < m_accountModel->rowCount(); ++row) {
        const auto widthAt = [&](int column) {
            return m_accountView->sizeHintForIndex(m_accountModel->index(row, column)).width();
        };
        name = std::max(name, widthAt(AccountListModel::NameColumn));
        balance = std::max(balance, widthAt(AccountListModel::BalanceColumn));
    }
    const int listed = name + balance + 2 * m_accountView->frameWidth()
        + m_accountView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_accountView)
        + m_accountPanel->layout()->contentsMargins().left() + 2 * chars;
    m_accountPanel->setMinimumWidth(std::clamp(listed, 24 * chars, 40 * chars));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && m_accountPanel)
        sizeAccountPanel();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
    // The windows of their own go with the main window: left open, they
    // would keep the program running with no way back to the register.
    for (const QPointer<ReconciliationScreen>& screen : std::as_const(m_reconciliationScreens)) {
        if (screen)
            screen->close();
    }
    if (m_historyScreen)
        m_historyScreen->close();
    if (m_settingsScreen)
        m_settingsScreen->close();
    if (m_recurringScreen)
        m_recurringScreen->close();
    if (m_categoriesScreen)
        m_categoriesScreen->close();
    if (m_payeeScreen)
        m_payeeScreen->close();
    if (m_reportsScreen)
        m_reportsScreen->close();
    if (m_importScreen)
        m_importScreen->close();
    if (m_accountScreen)
        m_accountScreen->close();
    QMainWindow::closeEvent(event);
}

void MainWindow::rebuildAccountList()
{
    // An import's transaction is open: the balances would count rows it may
    // yet roll back, and a new selection writes the last viewed account.
    if (m_appState->writesHeld()) {
        m_accountListWaits = true;
        return;
    }
    m_accountRefreshTimer->stop();
    const QString previous = m_currentAccountId;
    m_accountModel->reload();
    selectAccount(previous);
}

void MainWindow::selectAccount(const QString& accountId)
{
    if (m_accountModel->rowCount() == 0) {
        showWelcomePage();
        return;
    }
    int row = m_accountModel->rowOf(accountId);
    if (row < 0)
        row = 0;
    const QModelIndex index = m_accountModel->index(row, AccountListModel::NameColumn);
    if (m_accountView->currentIndex() == index)
        showAccount(m_accountModel->accountAt(row).id);
    else
        m_accountView->setCurrentIndex(index);
}

void MainWindow::onAccountClicked(const QModelIndex& current)
{
    if (current.isValid())
        showAccount(current.data(AccountListModel::AccountIdRole).toString());
}

void MainWindow::showAccount(const QString& accountId)
{
    m_currentAccountId = accountId;
    if (m_registerScreen->accountId() != accountId)
        m_registerScreen->setAccount(accountId);
    m_stack->setCurrentIndex(kRegisterPage);
    updateActions();

    PreferencesRepository* preferences = m_appState->preferencesRepository();
    if (preferences->getString(kLastViewedAccountKey) != accountId)
        preferences->set(kLastViewedAccountKey, accountId);
}

void MainWindow::showWelcomePage()
{
    m_currentAccountId.clear();
    m_stack->setCurrentIndex(kWelcomePage);
    updateActions();
}

bool MainWindow::requireAccount()
{
    if (!m_currentAccountId.isEmpty())
        return true;
    m_statusBar->showMessage(tr("Select an account first"), kSelectAccountMessageMs);
    return false;
}

void MainWindow::forwardToRegister(void (RegisterScreen::*command)())
{
    if (requireAccount())
        (m_registerScreen->*command)();
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (!m_accountEditor->createAccount(account)) {
        showPlainMessage(this, QMessageBox::Warning, tr("Account Not Saved"),
                         tr("The account \"%1\" could not be saved.").arg(account.name));
        return;
    }
    m_accountModel->reload();
    selectAccount(account.id);
}

std::optional<Account> MainWindow::currentAccount()
{
    if (!requireAccount())
        return std::nullopt;
    std::optional<Account> current = m_appState->accountRepository()->getById(m_currentAccountId);
    if (!current)
        QMessageBox::warning(this, tr("Account Not Found"), tr("The account could not be read."));
    return current;
}

void MainWindow::showEditAccountDialog()
{
    const std::optional<Account> current = currentAccount();
    if (!current)
        return;
    AccountFormDialog dialog(*current, this);
    // Amounts are stored in the currency's smallest unit: a new currency
    // would silently reread every one of them.
    dialog.setCurrencyLocked(m_appState->transactionRepository()->hasTransactions(current->id));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_accountEditor->updateAccount(dialog.account())) {
        showPlainMessage(this, QMessageBox::Warning, tr("Account Not Saved"),
                         tr("The changes to \"%1\" could not be saved.").arg(current->name));
        return;
    }
    rebuildAccountList();
    m_registerScreen->reload();
}

void MainWindow::deleteCurrentAccount()
{
    const std::optional<Account> current = currentAccount();
    if (!current)
        return;
    const QMessageBox::StandardButton answer = showPlainMessage(
        this, QMessageBox::Question, tr("Delete Account"),
        tr("Delete the account \"%1\" with all its transactions, recurring transactions and reconciliations?")
            .arg(current->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const bool deleted = m_accountEditor->deleteAccount(current->id);
    rebuildAccountList();
    if (!deleted)
        showPlainMessage(this, QMessageBox::Warning, tr("Account Not Deleted"),
                         tr("The account \"%1\" could not be deleted; nothing was changed.").arg(current->name));
}

void MainWindow::showTopLevel(QWidget* window, const QString& title, const QSize& size)
{
    window->setWindowTitle(title);
    // Over the main window and within its screen, so that no part of it
    // opens where the user cannot reach it.
    WindowPlacement::place(window, size, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showReconciliationWindow()
{
    const std::optional<Account> account = currentAccount();
    if (!account)
        return;
    // A window just closed is hidden until its deletion comes round.
    ReconciliationScreen* open = m_reconciliationScreens.value(account->id);
    if (open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    m_reconciliationScreens.removeIf([](const auto& entry) { return entry.value().isNull(); });

    auto* screen = new ReconciliationScreen(m_appState);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        m_registerScreen->reload();
        rebuildAccountList();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    screen->setAccount(account->id);
    m_reconciliationScreens.insert(account->id, screen);
    showTopLevel(screen, tr("Reconcile — %1").arg(account->name), kReconciliationWindowSize);
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireAccount())
        return;
    if (!m_historyScreen)
        m_historyScreen = std::make_unique<ReconciliationHistoryScreen>(m_appState);
    m_historyScreen->setAccount(m_currentAccountId);
    showTopLevel(m_historyScreen.get(), tr("Reconciliation History"), kHistoryWindowSize);
}

void MainWindow::shareCurrentAccount()
{
    const std::optional<Account> account = currentAccount();
    if (!account)
        return;
    runShareDialog(m_appState->accountClient(), m_appState->sharingService(), *account, this);
}

void MainWindow::showSettingsWindow()
{
    const bool firstShowing = !m_settingsScreen;
    if (firstShowing) {
        m_settingsScreen = new SettingsScreen(m_appState);
        // A window of its own that goes with this one.
        m_settingsScreen->setParent(this, Qt::Window);
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this, &MainWindow::rebuildAccountList);
    }
    m_settingsScreen->refresh();
    // Where the user left it on later showings.
    if (firstShowing) {
        showTopLevel(m_settingsScreen, tr("Preferences"), kSettingsWindowSize);
        return;
    }
    m_settingsScreen->setWindowTitle(tr("Preferences"));
    m_settingsScreen->show();
    m_settingsScreen->raise();
    m_settingsScreen->activateWindow();
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        m_recurringScreen = std::make_unique<RecurringScreen>(m_appState);
        connect(m_recurringScreen.get(), &RecurringScreen::transactionsChanged, this, [this] {
            rebuildAccountList();
            if (!m_currentAccountId.isEmpty())
                m_registerScreen->reload();
        });
        connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged, m_recurringScreen.get(),
                [screen = m_recurringScreen.get()] {
                    if (screen->isVisible())
                        screen->refresh();
                });
    }
    m_recurringScreen->refresh();
    showTopLevel(m_recurringScreen.get(), tr("Recurring Transactions"), kRecurringWindowSize);
}

void MainWindow::memorizeTransaction(const Transaction& transaction)
{
    RecurringActions actions(m_appState, this);
    if (!actions.memorize(transaction).isEmpty())
        m_statusBar->showMessage(tr("Memorized as a recurring transaction"), kNoticeMessageMs);
}

void MainWindow::showCategoriesWindow()
{
    // The first time at its usual size, after that as the user left it.
    const bool first = !m_categoriesScreen;
    if (first)
        m_categoriesScreen = std::make_unique<CategoriesScreen>(m_appState);
    m_categoriesScreen->refresh();
    showTopLevel(m_categoriesScreen.get(), tr("Categories"),
                 first ? kCategoriesWindowSize : m_categoriesScreen->size());
}

void MainWindow::showPayeesWindow()
{
    const bool first = !m_payeeScreen;
    if (first) {
        m_payeeScreen = std::make_unique<PayeeScreen>(m_appState);
        // A rename raises no repository signal: the windows that show payees
        // read them again, and the rows it made pending go up now rather
        // than at the next periodic pass.
        connect(m_payeeScreen.get(), &PayeeScreen::payeesChanged, this, [this] {
            m_registerScreen->reload();
            if (m_recurringScreen && m_recurringScreen->isVisible())
                m_recurringScreen->refresh();
            if (m_reportsScreen && m_reportsScreen->isVisible())
                m_reportsScreen->refresh();
            m_appState->syncEngine()->requestSync();
        });
    }
    m_payeeScreen->refresh();
    showTopLevel(m_payeeScreen.get(), tr("Payee Management"), first ? kPayeesWindowSize : m_payeeScreen->size());
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen)
        m_reportsScreen = std::make_unique<ReportsScreen>(m_appState);
    m_reportsScreen->refresh();
    // Its tables hold amounts side by side: a larger font needs the room.
    showTopLevel(m_reportsScreen.get(), tr("Reports"), kReportsWindowSize * fontScalePercent() / 100);
}

void MainWindow::showImportWindow()
{
    // The account list and the register follow the change signals an
    // import's end raises, however its summary is left.
    if (!m_importScreen)
        m_importScreen = std::make_unique<ImportScreen>(m_appState);
    // Asked for again while open, it keeps the files and choices it holds.
    if (m_importScreen->isVisible()) {
        m_importScreen->raise();
        m_importScreen->activateWindow();
        return;
    }
    m_importScreen->refresh(m_currentAccountId);
    showTopLevel(m_importScreen.get(), tr("Import Transactions"), kImportWindowSize * fontScalePercent() / 100);
}

void MainWindow::showAboutDialog()
{
    QMessageBox::about(this, tr("About Tandrel Ledgerine"),
                       tr("Tandrel Ledgerine %1\n\nA check register for household finances.")
                           .arg(QApplication::applicationVersion()));
}

namespace {

// The Help flows answer from the network, perhaps after this window has gone.
TandUpdate::UiCallbacks statusBarCallbacks(StatusBar* statusBar)
{
    const QPointer<StatusBar> bar(statusBar);
    TandUpdate::UiCallbacks callbacks;
    callbacks.showStatus = [bar](const QString& text) {
        if (bar)
            bar->showMessage(text);
    };
    callbacks.clearStatus = [bar] {
        if (bar)
            bar->clearMessage();
    };
    callbacks.showMessage = [bar](const QString& text, int timeoutMs) {
        if (bar)
            bar->showMessage(text, timeoutMs);
    };
    return callbacks;
}

} // namespace

void MainWindow::checkForUpdates()
{
    TandUpdate::checkForUpdatesInteractive(UpdateFeed::config(), UpdateFeed::productName(), this,
                                           statusBarCallbacks(m_statusBar));
}

void MainWindow::showWhatsNew()
{
    TandUpdate::showWhatsNew(UpdateFeed::config(), UpdateFeed::productName(), this, statusBarCallbacks(m_statusBar));
}

void MainWindow::openFeedbackPage()
{
    TandUpdate::openFeedbackPage(UpdateFeed::feedback(), this);
}

void MainWindow::onSignInRequested()
{
    // The welcome page keeps its button while a signed-in user's accounts
    // are still on their way.
    if (m_appState->isSignedIn()) {
        m_statusBar->showMessage(tr("You are signed in; your accounts appear here once they have synced."),
                                 kNoticeMessageMs);
        return;
    }
    signIn();
}

void MainWindow::signIn()
{
    // Shown first: a sign-in that cannot start says so at once.
    m_statusBar->showMessage(tr("Finish signing in in your browser..."));
    m_appState->accountClient()->authClient()->login();
}

void MainWindow::signOut()
{
    m_appState->accountClient()->authClient()->logout();
    m_statusBar->showMessage(tr("Signed out. Your data stays on this device."), kNoticeMessageMs);
}

void MainWindow::showAccountWindow()
{
    if (!m_appState->isSignedIn())
        return;
    const bool first = !m_accountScreen;
    if (first) {
        m_accountScreen = std::make_unique<TandAccount::AccountScreen>(m_appState->accountClient());
        connect(m_accountScreen.get(), &TandAccount::AccountScreen::logoutRequested, this, &MainWindow::signOut);
    }
    // Opened anew it starts on the profile; asked for while open, it stays
    // on the page the user is on.
    if (!m_accountScreen->isVisible())
        m_accountScreen->setCurrentTab(TandAccount::AccountScreen::ProfileTab);
    m_accountScreen->refreshAll();
    if (first) {
        showTopLevel(m_accountScreen.get(), tr("Tandrel Account"), kAccountWindowSize * fontScalePercent() / 100);
        return;
    }
    m_accountScreen->setWindowTitle(tr("Tandrel Account"));
    m_accountScreen->show();
    m_accountScreen->raise();
    m_accountScreen->activateWindow();
}

void MainWindow::updateSignInDisplay()
{
    const bool signedIn = m_appState->isSignedIn();
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
    m_accountWindowAction->setVisible(signedIn);
    m_accountWindowAction->setEnabled(signedIn);
    // The account shown is the one signed out of.
    if (!signedIn && m_accountScreen)
        m_accountScreen->hide();
    updateActions();
    m_welcomeScreen->setHasSignedInBefore(!signedIn && QSettings().value(kSignedInBeforeKey, false).toBool());
    showSyncState();
}

void MainWindow::onLoginSucceeded()
{
    m_statusBar->showMessage(tr("Signed in"), kNoticeMessageMs);
    // The user comes back from the browser.
    raise();
    activateWindow();
}

void MainWindow::onLoginFailed(const QString& error)
{
    m_statusBar->clearMessage();
    showPlainMessage(this, QMessageBox::Warning, tr("Sign-In Failed"),
                     tr("Signing in did not complete.\n\n%1").arg(error));
}

void MainWindow::onSessionExpired()
{
    QMessageBox box(QMessageBox::Information, tr("Signed Out"),
                    tr("Your session has ended. Sign back in to keep syncing."), QMessageBox::NoButton, this);
    QPushButton* signInButton = box.addButton(tr("Sign In"), QMessageBox::AcceptRole);
    box.addButton(tr("Not Now"), QMessageBox::RejectRole);
    box.setDefaultButton(signInButton);
    box.exec();
    if (box.clickedButton() == signInButton && !m_appState->isSignedIn())
        signIn();
}

void MainWindow::showSyncState()
{
    // Signed out, no pass runs and the engine's state says nothing true.
    const bool signedIn = m_appState->isSignedIn();
    m_statusBar->setSyncText(signedIn ? SyncEngine::stateText(m_appState->syncEngine()->state()) : QString());
    m_statusBar->setRecordsNotReadable(signedIn ? m_appState->syncEngine()->recordsNotReadable() : 0);
}

void MainWindow::onWritesReleased()
{
    if (std::exchange(m_accountListWaits, false))
        m_accountRefreshTimer->start();
    // From the event loop: the long write that just ended is still on its
    // way out (its progress dialog, its caller's summary).
    if (std::exchange(m_autoPostWaits, false))
        QMetaObject::invokeMethod(this, &MainWindow::autoPostRecurring, Qt::QueuedConnection);
}

void MainWindow::autoPostRecurring()
{
    // While an import's or a restore's transaction is open a post cannot
    // begin one of its own, and would wait an hour for the next try: it
    // waits for the long write instead.
    if (m_appState->writesHeld()) {
        m_autoPostWaits = true;
        return;
    }
    m_autoPostWaits = false;
    const int posted = m_appState->recurringService()->autoPostDue();
    if (posted <= 0)
        return;
    m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), kNoticeMessageMs);
    rebuildAccountList();
    if (!m_currentAccountId.isEmpty())
        m_registerScreen->reload();
}
