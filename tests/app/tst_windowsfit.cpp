#include "account/CredentialManagerTokenStore.h"
#include "account/TokenStore.h"
#include "app/LanguageCatalogues.h"
#include "app/MainWindow.h"
#include "appstate/AppState.h"
#include "appstate/ServiceEndpoints.h"
#include "appstate/ThemeManager.h"
#include "appstate/WindowPlacement.h"
#include "register/SplitEditorDialog.h"
#include "register/TransactionFormDialog.h"
#include "screens/AccountFormDialog.h"
#include "screens/CategoryFormDialog.h"
#include "screens/RecurringFormDialog.h"
#include "storage/AccountRepository.h"
#include "storage/Timestamp.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TestTokens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUuid>
#include <QtTest>

#include <memory>

namespace {

// The screens the windows must fit, beside each other: the default font
// scale on the first, 150 percent on the second.
constexpr QSize kSmallScreen(1024, 700);
constexpr QSize kLargeScreen(1280, 800);

QScreen* screenSized(const QSize& size)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().size() == size)
            return screen;
    }
    return nullptr;
}

QString describe(const QWidget* window)
{
    return QStringLiteral("%1 \"%2\" frame %3,%4 %5x%6 minimum %7x%8")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle())
        .arg(window->frameGeometry().x())
        .arg(window->frameGeometry().y())
        .arg(window->frameGeometry().width())
        .arg(window->frameGeometry().height())
        .arg(window->minimumSizeHint().width())
        .arg(window->minimumSizeHint().height());
}

// The key of a text's mnemonic ("&Datei" is d), none for a text without.
QChar mnemonicKey(QString text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&([^&\\s])"));
    const QRegularExpressionMatch match = mnemonic.match(text.remove(QStringLiteral("&&")));
    return match.hasMatch() ? match.captured(1).front().toLower() : QChar();
}

} // namespace

class TestWindowsFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // In English and in German, whose texts run longest.
    void windowsFitAtTheDefaultFontScale_data();
    void windowsFitAtTheDefaultFontScale();
    void windowsFitAtFontScale150_data();
    void windowsFitAtFontScale150();
    void textsInAColourOfTheirOwnFollowTheFontScale();
    void namesStayWholeWhenTheFontScaleGrows();

private:
    // Opens every window of the main window over it and checks each one.
    void openEveryWindow(MainWindow& window, QScreen* screen);
    // The window lies within the screen's area, and so could it at its smallest.
    void checkFits(const QWidget* window, const QScreen* screen);
    // Each button, box and labelled field the window shows has a key of its
    // own: with two alike, the key reaches only one of them.
    void checkKeys(const QWidget* window);
    static void addLanguages();

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<AppState> m_state;
    QString m_accountId;
};

void TestWindowsFit::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QVERIFY(screenSized(kSmallScreen) && screenSized(kLargeScreen));
}

void TestWindowsFit::init()
{
    QSettings().clear();
    m_dataDir = std::make_unique<TestDataDir>();
    // Signed in at the last run, so that the windows of a signed-in user
    // open too; the service is a closed port, and the pages say they could
    // not load.
    TandAccount::CredentialManagerTokenStore tokens(QString::fromLatin1(ServiceEndpoints::kApplicationId));
    QVERIFY(tokens.write(TandAccount::TokenStore::kAccessTokenKey, tokenExpiringIn(3600)));
    QVERIFY(tokens.write(TandAccount::TokenStore::kRefreshTokenKey, QStringLiteral("refresh-1")));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = QStringLiteral("Everyday Checking");
    account.created_at = nowUtc();
    account.updated_at = account.created_at;
    QVERIFY(m_state->accountRepository()->insert(account));
    m_accountId = account.id;
}

void TestWindowsFit::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    m_state.reset();
    m_dataDir.reset();
}

void TestWindowsFit::checkFits(const QWidget* window, const QScreen* screen)
{
    const QRect area = screen->availableGeometry();
    QVERIFY2(area.contains(window->frameGeometry()), qPrintable(describe(window)));
    const QMargins frame = WindowPlacement::frameMargins(window);
    const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize()).grownBy(frame);
    QVERIFY2(smallest.width() <= area.width() && smallest.height() <= area.height(), qPrintable(describe(window)));
}

void TestWindowsFit::checkKeys(const QWidget* window)
{
    QHash<QChar, QString> seen;
    const auto take = [&](const QWidget* widget, const QString& text) {
        const QChar key = mnemonicKey(text);
        if (key.isNull() || !widget->isVisibleTo(window))
            return;
        QVERIFY2(!seen.contains(key), qPrintable(describe(window) + QStringLiteral(": \"%1\" and \"%2\"")
                                                                        .arg(seen.value(key), text)));
        seen.insert(key, text);
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        take(button, button->text());
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            take(label, label->text());
    }
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
        take(box, box->title());
}

void TestWindowsFit::openEveryWindow(MainWindow& window, QScreen* screen)
{
    const QList<void (MainWindow::*)()> opens{
        &MainWindow::showReconciliationWindow, &MainWindow::showReconciliationHistoryWindow,
        &MainWindow::showSettingsWindow,       &MainWindow::showRecurringWindow,
        &MainWindow::showCategoriesWindow,     &MainWindow::showPayeesWindow,
        &MainWindow::showReportsWindow,        &MainWindow::showImportWindow,
        &MainWindow::showAccountWindow};
    for (const auto open : opens) {
        const QWidgetList before = QApplication::topLevelWidgets();
        (window.*open)();
        QWidget* opened = nullptr;
        for (QWidget* candidate : QApplication::topLevelWidgets()) {
            if (candidate != &window && candidate->isVisible() && !candidate->inherits("QMenu"))
                opened = candidate;
        }
        QVERIFY(opened);
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        checkFits(opened, screen);
        checkKeys(opened);
        opened->close();
    }

    // The dialogs the windows open, over the main window.
    TransactionFormDialog form(m_state.get(), m_accountId, &window);
    SplitEditorDialog split(m_state.get(), m_accountId, -5000, false, {}, {}, &window);
    RecurringFormDialog recurring(m_state.get(), &window);
    AccountFormDialog account(&window);
    CategoryFormDialog category(QString(), QStringLiteral("Household"), &window);
    for (QDialog* dialog : QList<QDialog*>{&form, &split, &recurring, &account, &category}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        checkFits(dialog, screen);
        checkKeys(dialog);
        dialog->close();
    }
}

void TestWindowsFit::addLanguages()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("German") << QStringLiteral("de");
}

void TestWindowsFit::windowsFitAtTheDefaultFontScale_data()
{
    addLanguages();
}

void TestWindowsFit::windowsFitAtTheDefaultFontScale()
{
    QFETCH(QString, language);
    const LanguageCatalogues catalogues(language);
    QCOMPARE(catalogues.language(), language);
    QScreen* small = screenSized(kSmallScreen);
    MainWindow window(m_state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.screen(), small);
    checkFits(&window, small);
    openEveryWindow(window, small);
}

void TestWindowsFit::windowsFitAtFontScale150_data()
{
    addLanguages();
}

void TestWindowsFit::windowsFitAtFontScale150()
{
    QFETCH(QString, language);
    const LanguageCatalogues catalogues(language);
    QCOMPARE(catalogues.language(), language);
    m_state->themeManager()->setFontScale(150);
    QScreen* large = screenSized(kLargeScreen);
    MainWindow window(m_state.get());
    window.setScreen(large);
    window.move(large->availableGeometry().topLeft());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    checkFits(&window, large);
    openEveryWindow(window, large);
    m_state->themeManager()->setFontScale(100);
}

void TestWindowsFit::textsInAColourOfTheirOwnFollowTheFontScale()
{
    MainWindow window(m_state.get());
    window.show();
    window.showReportsWindow();
    window.showSettingsWindow();
    m_state->themeManager()->setFontScale(150);
    const qreal body = QApplication::font().pointSizeF();
    QLabel* range = nullptr;
    QPushButton* restore = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (!range)
            range = candidate->findChild<QLabel*>(QStringLiteral("periodRangeLabel"));
        if (!restore)
            restore = candidate->findChild<QPushButton*>(QStringLiteral("restoreButton"));
    }
    QVERIFY(range && restore);
    QCOMPARE(range->font().pointSizeF(), body);
    QCOMPARE(restore->font().pointSizeF(), body);
    m_state->themeManager()->setFontScale(100);
}

void TestWindowsFit::namesStayWholeWhenTheFontScaleGrows()
{
    Account account = *m_state->accountRepository()->getById(m_accountId);
    account.starting_balance = -123456;
    QVERIFY(m_state->accountRepository()->update(account));
    MainWindow window(m_state.get());
    window.showMaximized();
    window.showPayeesWindow();
    auto* accounts = window.findChild<QTreeView*>(QStringLiteral("accountList"));
    QLineEdit* rename = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        rename = rename ? rename : top->findChild<QLineEdit*>(QStringLiteral("renameEdit"));
    QVERIFY(rename && QTest::qWaitForWindowExposed(rename->window()));
    const qreal smaller = rename->font().pointSizeF();
    m_state->themeManager()->setFontScale(150);
    QTRY_VERIFY(rename->font().pointSizeF() > smaller && accounts->font().pointSizeF() > smaller);

    // The name and balance, and the rename field's hint, whole.
    const auto whole = [accounts](int column) {
        return accounts->columnWidth(column) >= accounts->sizeHintForIndex(accounts->model()->index(0, column)).width();
    };
    QTRY_VERIFY(whole(0) && whole(1));
    const int frame = rename->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, rename);
    const int hint = rename->fontMetrics().horizontalAdvance(rename->placeholderText());
    QTRY_VERIFY(hint + 2 * frame + 4 <= rename->width());
    m_state->themeManager()->setFontScale(100);
}

int main(int argc, char* argv[])
{
    // Two screens of their own, whatever this machine has; the offscreen
    // platform reads them from a file. Frames of 2 pixels stand for a
    // window manager's.
    QTemporaryDir configDir;
    const QString config = configDir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(R"({"screens": [
        {"name": "small", "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "large", "x": %1, "y": 0, "width": %3, "height": %4, "logicalDpi": 96, "logicalBaseDpi": 96}],
        "windowFrameMargins": true})")
                   .arg(kSmallScreen.width())
                   .arg(kSmallScreen.height())
                   .arg(kLargeScreen.width())
                   .arg(kLargeScreen.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    QApplication app(argc, argv);
    TestWindowsFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowsfit.moc"
