#pragma once

#include "storage/Account.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class AccountEditor;
class AccountListModel;
class AppState;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class QAction;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QTreeView;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class RecurringScreen;
class RegisterScreen;
class SettingsScreen;
class ReportsScreen;
class StatusBar;
class WelcomeScreen;
struct Transaction;

namespace TandAccount {
class AccountScreen;
}

// The account list beside a stack of the welcome page and the register, the
// menus that open every window, and the hourly posting of recurring
// transactions. It borrows the AppState.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState* appState, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Empty while no account is shown.
    QString currentAccountId() const { return m_currentAccountId; }

    static constexpr int kWelcomePage = 0;
    static constexpr int kRegisterPage = 1;
    static constexpr int kAutoPostIntervalMs = 3600000;

public Q_SLOTS:
    void showNewAccountDialog();
    void showEditAccountDialog();
    void deleteCurrentAccount();
    void showAboutDialog();
    // Help menu: the update checker's flows, reporting in the status bar.
    void checkForUpdates();
    void showWhatsNew();
    void openFeedbackPage();
    // A new reconciliation window for the shown account, or its open one.
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    // The share dialog for the shown account; offered only while signed in.
    void shareCurrentAccount();
    // The preferences window, built on first use and kept; its Data & Sync
    // page is brought up to date on every showing.
    void showSettingsWindow();
    void showRecurringWindow();
    void showCategoriesWindow();
    void showPayeesWindow();
    // The reports window, brought up to date first.
    void showReportsWindow();
    // The import window, with an empty form unless it is open already.
    void showImportWindow();
    // Sign-in goes on in the system browser; its outcome comes back by the
    // authentication client's signals.
    void signIn();
    void signOut();
    // The signed-in user's Tandrel account, loaded anew; nothing while
    // signed out.
    void showAccountWindow();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void onAccountClicked(const QModelIndex& current);
    void onSignInRequested();
    void rebuildAccountList();
    void autoPostRecurring();
    // Runs what a long write (an import, a restore) put off.
    void onWritesReleased();
    void memorizeTransaction(const Transaction& transaction);
    void updateActions();
    // The sign-in actions and those that need it, the welcome page and the
    // sync state in the status bar, for whether the user is signed in now.
    void updateSignInDisplay();
    void onLoginSucceeded();
    void onLoginFailed(const QString& error);
    void onSessionExpired();
    void showSyncState();

private:
    void buildLayout();
    void buildMenus();
    QAction* addMenuAction(QMenu* menu, const QString& objectName, const QString& text,
                           const QKeySequence& shortcut);
    void connectSignals();
    void restoreLayout();
    // Room for an account's name and balance at the current font.
    void sizeAccountPanel();

    // Selects the account in the list (which shows its register), or the
    // first account when it is not listed; the welcome page when none is.
    void selectAccount(const QString& accountId);
    void showAccount(const QString& accountId);
    void showWelcomePage();
    // False, with "Select an account first" in the status bar, when no
    // account is shown.
    bool requireAccount();
    // The shown account as stored; empty (after saying why) when there is none.
    std::optional<Account> currentAccount();
    void forwardToRegister(void (RegisterScreen::*command)());
    // Titles, sizes and brings forward a window of its own.
    void showTopLevel(QWidget* window, const QString& title, const QSize& size);

    AppState* m_appState;
    AccountEditor* m_accountEditor;
    AccountListModel* m_accountModel;
    StatusBar* m_statusBar;
    QSplitter* m_splitter = nullptr;
    QWidget* m_accountPanel = nullptr;
    QTreeView* m_accountView = nullptr;
    QStackedWidget* m_stack = nullptr;
    WelcomeScreen* m_welcomeScreen = nullptr;
    RegisterScreen* m_registerScreen = nullptr;
    // Coalesces the bursts of change signals one user action can raise into
    // one rebuild of the account list.
    QTimer* m_accountRefreshTimer;
    QTimer* m_autoPostTimer;
    // Put off while a long write's transaction was open; run once it ends.
    bool m_accountListWaits = false;
    bool m_autoPostWaits = false;
    QString m_currentAccountId;
    // Enabled only while an account is shown, or a transaction of it is selected.
    QList<QAction*> m_accountActions;
    QList<QAction*> m_transactionActions;
    // Needs an account shown and the user signed in.
    QAction* m_shareAccountAction = nullptr;
    // One of the two is offered, as the user is signed out or in.
    QAction* m_signInAction = nullptr;
    QAction* m_signOutAction = nullptr;
    // Offered only while signed in.
    QAction* m_accountWindowAction = nullptr;
    // The open reconciliation window of each account: asking again brings it
    // forward rather than start a second one over the same transactions.
    QHash<QString, QPointer<ReconciliationScreen>> m_reconciliationScreens;
    // Built on first use and kept.
    std::unique_ptr<ReconciliationHistoryScreen> m_historyScreen;
    // A window of its own, owned by this one: built on first use and kept.
    SettingsScreen* m_settingsScreen = nullptr;
    std::unique_ptr<RecurringScreen> m_recurringScreen;
    std::unique_ptr<CategoriesScreen> m_categoriesScreen;
    std::unique_ptr<PayeeScreen> m_payeeScreen;
    // Built on first use and kept, with the filters last chosen.
    std::unique_ptr<ReportsScreen> m_reportsScreen;
    std::unique_ptr<ImportScreen> m_importScreen;
    // Built on first use and kept; hidden when the user signs out.
    std::unique_ptr<TandAccount::AccountScreen> m_accountScreen;
};
