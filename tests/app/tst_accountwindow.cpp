#include "account/AccountScreen.h"
#include "account/CredentialManagerTokenStore.h"
#include "account/Client.h"
#include "account/ElidedLabel.h"
#include "account/TokenManager.h"
#include "account/TokenStore.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "appstate/AppState.h"
#include "appstate/ServiceEndpoints.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TopLevelWindows.h"

#include <QAction>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using TandAccount::AccountScreen;

// The account window as the running program opens it: from the File menu's
// Tandrel Account submenu while signed in, against fake services.
class TestAccountWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void offeredOnlyWhileSignedIn();
    void openedFromTheMenuAndKept();
    void signOutInTheWindowSignsOut();
    void aDeletedAccountIsSignedOut();

private:
    // The program as it starts for `authUserId`, signed in at the last run.
    void startSignedIn(const QString& authUserId);
    // Shows the main window and opens the account window from its menu.
    AccountScreen* openFromTheMenu(MainWindow& window) const
    {
        window.show();
        accountAction(window)->trigger();
        return shownTopLevels<AccountScreen>().value(0);
    }
    QAction* accountAction(MainWindow& window) const
    {
        return window.findChild<QAction*>(QStringLiteral("accountWindowAction"));
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<AppState> m_state;
};

void TestAccountWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestAccountWindow::init()
{
    QSettings().clear();
    m_dataDir = std::make_unique<TestDataDir>();
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_services->addPerson(QStringLiteral("ann"), QStringLiteral("Ann Lee"));
}

void TestAccountWindow::cleanup()
{
    deleteTopLevelDialogs();
    m_state.reset();
    m_services.reset();
    m_dataDir.reset();
}

void TestAccountWindow::startSignedIn(const QString& authUserId)
{
    const FakeAuthService::TokenPair pair = m_services->auth.signIn(authUserId);
    TandAccount::CredentialManagerTokenStore store(QString::fromLatin1(ServiceEndpoints::kApplicationId));
    QVERIFY(store.write(TandAccount::TokenStore::kAccessTokenKey, pair.access));
    QVERIFY(store.write(TandAccount::TokenStore::kRefreshTokenKey, pair.refresh));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->isSignedIn());
    // The start-up refresh renews the pair; a sign-out sent before it lands
    // would speak for the pair it replaces.
    TandAccount::TokenManager* manager = m_state->accountClient()->tokenManager();
    QTRY_VERIFY(manager->accessToken() != pair.access && !manager->accessToken().isEmpty());
}

void TestAccountWindow::offeredOnlyWhileSignedIn()
{
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    MainWindow window(m_state.get());
    QAction* action = accountAction(window);
    QVERIFY(action);
    QVERIFY(!action->isVisible());
    QVERIFY(!action->isEnabled());
    window.showAccountWindow();
    QVERIFY(shownTopLevels<AccountScreen>().isEmpty());
}

void TestAccountWindow::openedFromTheMenuAndKept()
{
    startSignedIn(QStringLiteral("user-ann"));
    MainWindow window(m_state.get());
    window.show();
    QAction* action = accountAction(window);
    QVERIFY(action->isVisible() && action->isEnabled());

    action->trigger();
    QCOMPARE(shownTopLevels<AccountScreen>().size(), 1);
    AccountScreen* screen = shownTopLevels<AccountScreen>().first();
    QCOMPARE(screen->windowTitle(), QStringLiteral("Tandrel Account"));
    QVERIFY(!screen->parentWidget());
    QTRY_COMPARE(screen->findChild<TandAccount::ElidedLabel*>(QStringLiteral("nameLabel"))->fullText(),
                 QStringLiteral("Test User"));

    // Asked for while open it stays on its page; opened again it starts on
    // the profile. Either way it is the same window, loaded anew.
    screen->setCurrentTab(AccountScreen::DevicesTab);
    m_services->auth.server()->clearLog();
    action->trigger();
    QCOMPARE(screen->currentTab(), AccountScreen::DevicesTab);
    screen->close();
    action->trigger();
    QCOMPARE(shownTopLevels<AccountScreen>(), QList<AccountScreen*>{screen});
    QCOMPARE(screen->currentTab(), AccountScreen::ProfileTab);
    QTRY_COMPARE(m_services->auth.server()->requestsTo("GET", m_services->auth.realmPath(QStringLiteral("/users/me"))).size(), 2);

    // It goes with the main window.
    window.close();
    QVERIFY(!screen->isVisible());
}

void TestAccountWindow::signOutInTheWindowSignsOut()
{
    startSignedIn(QStringLiteral("user-ann"));
    MainWindow window(m_state.get());
    AccountScreen* screen = openFromTheMenu(window);
    QVERIFY(screen);

    screen->findChild<QPushButton*>(QStringLiteral("signOutButton"))->click();
    QVERIFY(!m_state->isSignedIn());
    QVERIFY(!screen->isVisible());
    QVERIFY(!accountAction(window)->isVisible());
    QCOMPARE(window.findChild<StatusBar*>()->currentMessage(),
             QStringLiteral("Signed out. Your data stays on this device."));
    QTRY_COMPARE(m_services->auth.liveSessionCount(), 0);
    window.showAccountWindow();
    QVERIFY(!screen->isVisible());
}

void TestAccountWindow::aDeletedAccountIsSignedOut()
{
    startSignedIn(QStringLiteral("user-ann"));
    MainWindow window(m_state.get());
    AccountScreen* screen = openFromTheMenu(window);
    QVERIFY(screen);

    ModalWatcher watcher([](QWidget* dialog) {
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->setTextValue(QStringLiteral("DELETE"));
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            box->button(QMessageBox::Ok)->click();
        } else {
            dialog->close();
        }
    });
    screen->setCurrentTab(AccountScreen::PrivacyTab);
    screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->click();
    QTRY_VERIFY(!m_state->isSignedIn());
    QVERIFY(m_services->accounts.isScheduledForDeletion(QStringLiteral("acc-ann")));
    QVERIFY(!screen->isVisible());
}

QTEST_MAIN(TestAccountWindow)
#include "tst_accountwindow.moc"
