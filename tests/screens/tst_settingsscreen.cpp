#include "account/CredentialManagerTokenStore.h"
#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "appstate/ServiceEndpoints.h"
#include "appstate/ThemeHelpers.h"
#include "register/RegisterModel.h"
#include "register/SmartAmountField.h"
#include "screens/DataSyncTexts.h"
#include "screens/PreferenceChoices.h"
#include "screens/SettingsScreen.h"
#include "screens/WorkProgressDialog.h"
#include "services/BackupService.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "storage/TransactionRepository.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/ServerRecords.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

QString newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

// Answers every dialog of a backup run: the file dialog with `path`, the
// restore mode with the first one, and records each message box.
struct BackupDialogs
{
    explicit BackupDialogs(const QString& path)
        : watcher([this, path](QWidget* modal) {
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                // Typed as a user types it: selectFile() races the dialog's
                // own reading of the folder.
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog*>(files)->accept();
            } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
                input->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                titles << box->windowTitle();
                texts << box->text();
                box->accept();
            }
        })
    {
    }

    QStringList titles;
    QStringList texts;
    ModalWatcher watcher;
};

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void emptyPreferencesShowDefaultsAndWriteNothing();
    void storedValuesWithoutAnEntryAreLeftAlone();
    void accentIsMatchedWithoutRegardToCase();
    void registerChoicesApplyAtOnce();
    void restoringTheLastDeletedAccountHidesTheSection();
    void lastSyncText_data();
    void lastSyncText();
    void importModesMapToTheService();
    void importWithSomeErrorsListsThem();
    void failedExportIsReportedAsAFailure();
    void failedImportIsReportedAsAFailure();
    void progressKeepsEveryWindowFromInput();
    void pageCountsRecordsThisVersionCannotRead();
    void backupMessagesSayWhatWasLeftOutOrMadeWhole();

private:
    template <typename Widget>
    Widget* child(const char* name) const
    {
        auto* found = m_screen->findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            qFatal("No widget %s", name);
        return found;
    }
    void buildScreen();

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<SettingsScreen> m_screen;
};

void TestSettingsScreen::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
    // Last-sync times are shown in local time; the week starts on Sunday.
    qputenv("TZ", "UTC");
    tzset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestSettingsScreen::init()
{
    QSettings().clear();
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestSettingsScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
    setFontScalePercent(kDefaultFontScalePercent);
    setAmountAutoDecimal(false);
}

// Shown on the Data & Sync page, as the main window shows it.
void TestSettingsScreen::buildScreen()
{
    m_screen = std::make_unique<SettingsScreen>(m_state.get());
    m_screen->refresh();
    child<QListWidget>("pageList")->setCurrentRow(2);
    m_screen->show();
}

void TestSettingsScreen::emptyPreferencesShowDefaultsAndWriteNothing()
{
    QSignalSpy written(m_state->preferencesRepository(), &PreferencesRepository::changed);
    buildScreen();

    QCOMPARE(child<QComboBox>("themeCombo")->currentData().toString(), QStringLiteral("system"));
    QCOMPARE(child<QComboBox>("fontSizeCombo")->currentData().toInt(), 100);
    QCOMPARE(child<QComboBox>("weekStartCombo")->currentData().toInt(), int(Qt::Sunday));
    QCOMPARE(child<QComboBox>("languageCombo")->currentData().toString(), QStringLiteral("system"));
    for (const char* name : {"twoLineCheck", "autoDecimalCheck", "newestFirstCheck"})
        QVERIFY2(!child<QCheckBox>(name)->isChecked(), name);
    // Signed out: only the words say so, and nothing to delete was ever restored.
    QVERIFY(child<QLabel>("accountLabel")->isVisible());
    QVERIFY(!child<QPushButton>("syncNowButton")->isVisible());
    QVERIFY(!child<QPushButton>("forceSyncButton")->isVisible());
    QVERIFY(!child<QWidget>("deletedAccountsSection")->isVisible());

    QCOMPARE(written.count(), 0);
    QVERIFY(QSettings().allKeys().isEmpty());
}

void TestSettingsScreen::storedValuesWithoutAnEntryAreLeftAlone()
{
    PreferencesRepository* preferences = m_state->preferencesRepository();
    QVERIFY(preferences->set(QStringLiteral("theme"), QStringLiteral("sepia")));
    QVERIFY(preferences->setInt(QStringLiteral("weekStartDay"), Qt::Wednesday));
    setFontScalePercent(120);
    setUiLanguage(QStringLiteral("xx"));
    QSignalSpy written(preferences, &PreferencesRepository::changed);
    buildScreen();

    QCOMPARE(child<QComboBox>("themeCombo")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>("weekStartCombo")->currentData().toInt(), int(Qt::Sunday));
    QCOMPARE(child<QComboBox>("fontSizeCombo")->currentData().toInt(), 100);
    QCOMPARE(child<QComboBox>("languageCombo")->currentData().toString(), QStringLiteral("system"));

    QCOMPARE(written.count(), 0);
    QCOMPARE(preferences->getInt(QStringLiteral("weekStartDay"), 0), int(Qt::Wednesday));
    QCOMPARE(fontScalePercent(), 120);
    QCOMPARE(currentUiLanguage(false), QStringLiteral("xx"));
}

void TestSettingsScreen::accentIsMatchedWithoutRegardToCase()
{
    const QColor teal = PreferenceChoices::accentColors().first();
    QVERIFY(PreferenceChoices::isStoredAccent(teal, QStringLiteral("#00897b")));
    QVERIFY(PreferenceChoices::isStoredAccent(teal, QStringLiteral("#00897B")));
    QVERIFY(!PreferenceChoices::isStoredAccent(teal, QStringLiteral("#1E88E5")));
    QVERIFY(!PreferenceChoices::isStoredAccent(teal, QString()));
}

void TestSettingsScreen::registerChoicesApplyAtOnce()
{
    Account account;
    account.id = newId();
    account.name = QStringLiteral("Checking");
    QVERIFY(m_state->accountRepository()->insert(account));
    RegisterModel model(m_state->transactionRepository(), m_state->accountRepository(),
                        m_state->categoryRepository(), m_state->preferencesRepository());
    model.setAccount(account.id);
    buildScreen();
    SmartAmountField field;
    field.setRange(-99999999.99, 99999999.99);
    const auto typed = [&field](const QString& text) {
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, text);
        return field.minorUnits();
    };

    child<QCheckBox>("autoDecimalCheck")->click();
    QCOMPARE(typed(QStringLiteral("1234")), qint64(1234));
    QVERIFY(m_state->preferencesRepository()->getBool(QStringLiteral("amountAutoDecimal"), false));
    child<QCheckBox>("autoDecimalCheck")->click();
    QCOMPARE(typed(QStringLiteral("1234")), qint64(123400));

    child<QCheckBox>("twoLineCheck")->click();
    QTRY_VERIFY(model.twoLine());
}

void TestSettingsScreen::restoringTheLastDeletedAccountHidesTheSection()
{
    AccountEditor editor(m_state.get());
    QList<Account> accounts;
    for (const QString& name : {QStringLiteral("Savings"), QStringLiteral("Old Card")}) {
        Account account;
        account.id = newId();
        account.name = name;
        QVERIFY(editor.createAccount(account));
        QVERIFY(editor.deleteAccount(account.id));
        accounts << account;
    }
    buildScreen();
    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    auto* list = child<QListWidget>("deletedAccountsList");
    auto* restore = child<QPushButton>("restoreButton");
    QVERIFY(child<QWidget>("deletedAccountsSection")->isVisible());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Old Card"));
    QVERIFY(!restore->isEnabled());

    list->setCurrentRow(0);
    QVERIFY(restore->isEnabled());
    restore->click();
    QCOMPARE(restored.count(), 1);
    QVERIFY(!m_state->accountRepository()->getById(accounts.at(1).id)->deleted_at);
    QCOMPARE(list->count(), 1);
    QVERIFY(!restore->isEnabled());

    list->setCurrentRow(0);
    restore->click();
    QCOMPARE(restored.count(), 2);
    QVERIFY(!child<QWidget>("deletedAccountsSection")->isVisible());
    QVERIFY(m_state->accountRepository()->listDeleted().isEmpty());
}

void TestSettingsScreen::lastSyncText_data()
{
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shown");
    const auto stored = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    QTest::newRow("ISO time") << stored("2026-03-05T14:30:00Z") << QString()
                              << QStringLiteral("Last synced: Mar 5, 2:30 pm");
    QTest::newRow("SQLite time") << stored("2026-03-05 09:05:00") << QString()
                                 << QStringLiteral("Last synced: Mar 5, 9:05 am");
    QTest::newRow("unreadable") << stored("yesterday") << QString() << QStringLiteral("Last synced: yesterday");
    QTest::newRow("empty") << stored("") << QString() << QStringLiteral("Never synced");
    QTest::newRow("absent") << std::optional<QString>() << QString() << QStringLiteral("Never synced");
    QTest::newRow("with an error") << std::optional<QString>() << QStringLiteral("Push failed (HTTP 500)")
                                   << QStringLiteral("Never synced\nError: Push failed (HTTP 500)");
}

void TestSettingsScreen::lastSyncText()
{
    QFETCH(std::optional<QString>, stored);
    QFETCH(QString, error);
    QFETCH(QString, shown);
    QCOMPARE(DataSyncTexts::lastSyncText(stored, error), shown);
}

void TestSettingsScreen::importModesMapToTheService()
{
    const QStringList modes = DataSyncTexts::importModes();
    QCOMPARE(modes.size(), 3);
    QCOMPARE(DataSyncTexts::importModeFor(modes.at(0)), BackupService::ReplaceAll);
    QCOMPARE(DataSyncTexts::importModeFor(modes.at(1)), BackupService::KeepNewer);
    QCOMPARE(DataSyncTexts::importModeFor(modes.at(2)), BackupService::SkipExisting);
    QCOMPARE(DataSyncTexts::importModeFor(QStringLiteral("something else")), BackupService::ReplaceAll);
}

void TestSettingsScreen::importWithSomeErrorsListsThem()
{
    BackupImportResult result;
    result.accountsImported = 2;
    result.transactionsSkipped = 1;
    for (int row = 0; row < DataSyncTexts::kListedErrors + 2; ++row)
        result.errors << QStringLiteral("transactions/t%1.json: invalid JSON").arg(row);

    const DataSyncTexts::Message message = DataSyncTexts::importMessage(result);
    QCOMPARE(message.title, QStringLiteral("Import Complete"));
    QVERIFY(message.text.contains(QLatin1String("transactions/t0.json: invalid JSON")));
    QVERIFY(!message.text.contains(QLatin1String("transactions/t11.json")));
}

void TestSettingsScreen::failedExportIsReportedAsAFailure()
{
    buildScreen();
    const QString path = m_dir->filePath(QStringLiteral("missing/backup.zip"));
    BackupDialogs dialogs(path);
    child<QPushButton>("exportButton")->click();

    QCOMPARE(dialogs.titles, QStringList{QStringLiteral("Backup Failed")});
    QVERIFY(dialogs.texts.first().contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFile::exists(path));
    QVERIFY(child<QPushButton>("exportButton")->isEnabled());
}

void TestSettingsScreen::failedImportIsReportedAsAFailure()
{
    buildScreen();
    const QString path = m_dir->filePath(QStringLiteral("notes.zip"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a backup at all");
    file.close();
    const QStringList reasons = m_state->backupService()->importFromFile(path, BackupService::SkipExisting).errors;
    QVERIFY(!reasons.isEmpty());

    BackupDialogs dialogs(path);
    child<QPushButton>("importButton")->click();

    QCOMPARE(dialogs.titles, QStringList{QStringLiteral("Import Failed")});
    QVERIFY2(dialogs.texts.first().contains(reasons.first()), qPrintable(dialogs.texts.first()));
    QVERIFY(child<QPushButton>("importButton")->isEnabled());
}

void TestSettingsScreen::progressKeepsEveryWindowFromInput()
{
    // Rows enough for the event loop to run in the middle of each run.
    Account checking;
    checking.id = newId();
    checking.name = QStringLiteral("Checking");
    QVERIFY(m_state->accountRepository()->insert(checking));
    for (int i = 0; i < 250; ++i) {
        Transaction transaction;
        transaction.id = newId();
        transaction.account_id = checking.id;
        transaction.date = QDate(2024, 1, 2);
        transaction.amount = -100;
        QVERIFY(m_state->transactionRepository()->insert(transaction));
    }
    buildScreen();

    QList<int> modalities;
    bool stayedOpen = true;
    connect(m_state->backupService(), &BackupService::progress, m_screen.get(), [&](int done, int total) {
        if (done == 0 || done == total)
            return;
        auto* progress = m_screen->findChild<WorkProgressDialog*>();
        QVERIFY(progress);
        modalities << progress->windowModality();
        // Shown, it blocks every window, the main window's register and the
        // import window among them; neither Escape nor the title bar ends it.
        progress->show();
        QCOMPARE(QApplication::activeModalWidget(), progress);
        QTest::keyClick(progress, Qt::Key_Escape);
        progress->close();
        stayedOpen = stayedOpen && progress->isVisible();
    });
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    for (const char* button : {"exportButton", "importButton"}) {
        modalities.clear();
        BackupDialogs dialogs(path);
        child<QPushButton>(button)->click();
        QCOMPARE(dialogs.titles.size(), 1);
        QVERIFY2(!modalities.isEmpty(), button);
        QCOMPARE(modalities, QList<int>(modalities.size(), Qt::ApplicationModal));
        QVERIFY(stayedOpen);
        QVERIFY(!m_screen->findChild<WorkProgressDialog*>());
    }
}

void TestSettingsScreen::pageCountsRecordsThisVersionCannotRead()
{
    FakeServices services(FakeServices::AccountApi::AtTheSignInService);
    QVERIFY(services.start());
    using serverrecords::with;
    services.sync.putRecord("account", with(serverrecords::account("swiss"), {{"currency", "CHF"}}), 1);
    services.sync.putRecord("transaction", serverrecords::transaction("t1", "swiss"), 1);
    // Signed in at the last run.
    const FakeAuthService::TokenPair tokens = services.auth.signIn(QStringLiteral("user-1"));
    TandAccount::CredentialManagerTokenStore store(QString::fromLatin1(ServiceEndpoints::kApplicationId));
    QVERIFY(store.write(TandAccount::TokenStore::kAccessTokenKey, tokens.access));
    QVERIFY(store.write(TandAccount::TokenStore::kRefreshTokenKey, tokens.refresh));
    m_state.reset();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QTRY_VERIFY_WITH_TIMEOUT(!synced.isEmpty(), 15000);

    buildScreen();
    auto* label = child<QLabel>("notReadableLabel");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), DataSyncTexts::notReadableText(2));
}

void TestSettingsScreen::backupMessagesSayWhatWasLeftOutOrMadeWhole()
{
    // A deleted account whose id no restore takes does not stop a backup;
    // the message names it.
    Account odd;
    odd.id = QString(70000, u'x');
    odd.name = QStringLiteral("Odd");
    QVERIFY(m_state->accountRepository()->insert(odd));
    QVERIFY(m_state->accountRepository()->softDelete(odd.id));
    buildScreen();
    const QString path = m_dir->filePath(QStringLiteral("backup.zip"));
    BackupDialogs dialogs(path);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Backup export left out accounts ")));
    child<QPushButton>("exportButton")->click();
    QCOMPARE(dialogs.titles, QStringList{QStringLiteral("Backup Complete")});
    const QString& text = dialogs.texts.first();
    QVERIFY2(text.contains(QStringLiteral("accounts \"xxxxxxxxxx")) && !text.contains(QString(100, u'x')),
             qPrintable(text.left(300)));
    QVERIFY(QFile::exists(path));

    BackupImportResult result;
    result.splitRemaindersAdded = 2;
    const DataSyncTexts::Message madeWhole = DataSyncTexts::importMessage(result);
    QCOMPARE(madeWhole.icon, QMessageBox::Warning);
    QVERIFY(madeWhole.text.contains(QLatin1String("2 split")));
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
