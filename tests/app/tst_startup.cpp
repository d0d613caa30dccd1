#include "app/Application.h"
#include "app/DataFolderLock.h"
#include "app/MainWindow.h"
#include "app/MessageFilter.h"
#include "app/StatusBar.h"
#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TopLevelWindows.h"
#include "tests/support/TranslationSource.h"
#include "tests/update/UpdateTestFeed.h"
#include "update/PlatformKey.h"
#include "update/UpdateDialog.h"
#include "update/WhatsNewDialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/wait.h>
#include <unistd.h>

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void applicationCarriesNamesIconAndIconFont();
    void countedTextsTakeTheirPluralForms();
    void freshDataDirectoryCreatesDatabaseAndShowsWelcomePage();
    void unusableDataDirectoryReportsDatabaseErrorAndExitsWithOne();
    void refusedLedgerNamesItsCauseAndStaysAsItWas();
    void initializeAppliesStoredPreferences();
    void initializeIgnoresOutOfRangeWeekStart();
    void quietLogKeepsOnlyWarningsAndWorse();
    void returnPressesTheFocusedButtonOfAWindow();
    void startUpShowsWhatsNewAndOffersTheNewerVersion();
    void secondCopyOnTheSameDataFolderIsRefused();
    void lockOfACopyThatHasGoneIsTakenOver();

private:
    // Runs the start-up, which must show the "Database Error" box and give 1.
    static void runExpectingDatabaseError(QString& text);
    static void storePreferences(const QList<QPair<QString, QString>>& values);
    // The counted texts of a translation source whose forms are all filled in.
    static QSet<QString> finishedCountedTexts(const QString& catalogue);
};

void TestStartUp::init()
{
    // The start-up checks for updates: run outside CTest too, it must find
    // no feed rather than reach the real one.
    qputenv("LEDGERINE_UPDATE_URL", "http://127.0.0.1:9/ledgerine/stable/");
    setFontScalePercent(kDefaultFontScalePercent);
    setAmountAutoDecimal(false);
}

void TestStartUp::storePreferences(const QList<QPair<QString, QString>>& values)
{
    Database db;
    QVERIFY(db.open());
    PreferencesRepository preferences(&db);
    for (const auto& [key, value] : values)
        QVERIFY(preferences.set(key, value));
}

void TestStartUp::applicationCarriesNamesIconAndIconFont()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Tandrel"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ledgerine"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.1.4"));
    QVERIFY(QFile::exists(QStringLiteral(":/icons/icons/app_icon.png")));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(QFile::exists(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf")));
    QVERIFY(!static_cast<Application*>(qApp)->iconFontFamily().isEmpty());
}

void TestStartUp::countedTextsTakeTheirPluralForms()
{
    // The language is the system's here: English, or one without a catalogue
    // of its own ("C" on a headless machine), which falls back to English.
    StatusBar bar;
    bar.setDueCount(1);
    QCOMPARE(bar.dueText(), QStringLiteral("1 recurring transaction due"));
    bar.setDueCount(2);
    QCOMPARE(bar.dueText(), QStringLiteral("2 recurring transactions due"));
    QCOMPARE(MainWindow::tr("Auto-posted %n recurring transaction(s)", nullptr, 1),
             QStringLiteral("Auto-posted 1 recurring transaction"));

    // Every counted text of the program has its forms in the catalogue: one
    // added without them shows "(s)" to every user.
    const QDir root(QStringLiteral(LEDGERINE_SOURCE_DIR));
    const QSet<QString> finished = finishedCountedTexts(root.filePath(QStringLiteral("resources/i18n/ledgerine_en.ts")));
    // A text may be written as several literals in a row, which the
    // compiler joins.
    static const QRegularExpression call(QStringLiteral(R"re(\btr\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int seen = 0;
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder == QLatin1String("tests") || folder.startsWith(QLatin1String("build")))
            continue;
        QDirIterator files(root.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : call.globalMatch(code)) {
                QString text;
                for (const QRegularExpressionMatch& piece : literal.globalMatch(match.captured(1)))
                    text += piece.captured(1);
                if (!text.contains(QLatin1String("%n")))
                    continue;
                text.replace(QStringLiteral("\\\""), QStringLiteral("\""));
                QVERIFY2(finished.contains(text), qPrintable(file.fileName() + QStringLiteral(": ") + text));
                ++seen;
            }
        }
    }
    QVERIFY(seen >= 2);
}

QSet<QString> TestStartUp::finishedCountedTexts(const QString& catalogue)
{
    QSet<QString> texts;
    for (const TranslationMessage& message : readTranslationSource(catalogue)) {
        if (message.numerus && message.finished)
            texts.insert(message.source);
    }
    return texts;
}

void TestStartUp::freshDataDirectoryCreatesDatabaseAndShowsWelcomePage()
{
    TestDataDir dataDir;
    bool sawWindow = false;
    int page = -1;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<MainWindow*>(widget);
            if (!window || !window->isVisible())
                continue;
            sawWindow = true;
            page = window->findChild<QStackedWidget*>()->currentIndex();
            QApplication::closeAllWindows();
        }
    });
    poll.start(10);

    const int exitCode = static_cast<Application*>(qApp)->run();

    QCOMPARE(exitCode, 0);
    QVERIFY(sawWindow);
    QCOMPARE(page, MainWindow::kWelcomePage);
    QVERIFY(QFile::exists(dataDir.filePath(QStringLiteral("ledgerine.db"))));
}

void TestStartUp::runExpectingDatabaseError(QString& text)
{
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });

    const int exitCode = static_cast<Application*>(qApp)->run();

    QCOMPARE(exitCode, 1);
    QCOMPARE(watcher.handledCount(), 1);
    QCOMPARE(title, QStringLiteral("Database Error"));
    QCOMPARE(icon, QMessageBox::Critical);
}

void TestStartUp::unusableDataDirectoryReportsDatabaseErrorAndExitsWithOne()
{
    TestDataDir dataDir;
    QFile blocker(dataDir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unusable = blocker.fileName() + QStringLiteral("/data");
    qputenv("LEDGERINE_DATA_DIR", unusable.toUtf8());

    QString text;
    runExpectingDatabaseError(text);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(text, QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                                  "Please check file permissions and try again.")
                       .arg(QDir::toNativeSeparators(unusable)));
}

void TestStartUp::refusedLedgerNamesItsCauseAndStaysAsItWas()
{
    TestDataDir dataDir;
    QFile file(Database::databaseFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount\n2026-01-02,Grocer,-12.50\n");
    file.close();

    AppState state;
    QVERIFY(!state.initialize());
    QCOMPARE(state.databaseProblem(), Database::Problem::NotALedger);
    QVERIFY(!state.database());

    QString text;
    runExpectingDatabaseError(text);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(text, QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n%2")
                       .arg(QDir::toNativeSeparators(dataDir.path()),
                            Database::problemText(Database::Problem::NotALedger)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Date,Payee,Amount\n2026-01-02,Grocer,-12.50\n"));
    QCOMPARE(QDir(dataDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ledgerine.db")});
}

void TestStartUp::initializeAppliesStoredPreferences()
{
    TestDataDir dataDir;
    storePreferences({{QStringLiteral("fontScale"), QStringLiteral("130")},
                      {QStringLiteral("accentColor"), QStringLiteral("#5E35B1")},
                      {QStringLiteral("amountAutoDecimal"), QStringLiteral("1")},
                      {QStringLiteral("weekStartDay"), QStringLiteral("6")},
                      {QStringLiteral("theme"), QStringLiteral("dark")},
                      {QStringLiteral("lastViewedAccountId"), QStringLiteral("acct-7")}});

    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());

    QCOMPARE(ready.size(), 1);
    QCOMPARE(fontScalePercent(), 130);
    QCOMPARE(currentAccentColor(), QColor(QStringLiteral("#5E35B1")));
    QVERIFY(amountAutoDecimal());
    QCOMPARE(localeFirstDayOfWeek(), int(Qt::Saturday));
    QCOMPARE(state.themeManager()->theme(), ThemeManager::Theme::Dark);
    QVERIFY(isDarkTheme());
    QCOMPARE(state.lastViewedAccountId(), QStringLiteral("acct-7"));
    QVERIFY(state.categoryRepository()->count() > 0);

    QVERIFY(state.database() && state.accountRepository() && state.transactionRepository()
            && state.preferencesRepository() && state.recurringRepository() && state.reconciliationRepository()
            && state.splitLineRepository() && state.recurringService() && state.reportService()
            && state.backupService() && state.categoryService());
    QVERIFY(!state.isSignedIn());

    state.themeManager()->setThemeByName(QStringLiteral("light"));
}

void TestStartUp::initializeIgnoresOutOfRangeWeekStart()
{
    TestDataDir dataDir;
    localeFirstDayOfWeek() = Qt::Monday;
    storePreferences({{QStringLiteral("weekStartDay"), QStringLiteral("9")}});

    AppState state;
    QVERIFY(state.initialize());
    QCOMPARE(localeFirstDayOfWeek(), int(Qt::Monday));
    QCOMPARE(fontScalePercent(), kDefaultFontScalePercent);
    QVERIFY(!amountAutoDecimal());
    QVERIFY(state.lastViewedAccountId().isEmpty());
}

void TestStartUp::quietLogKeepsOnlyWarningsAndWorse()
{
    QCOMPARE(quietLogLine(QtDebugMsg, QStringLiteral("detail")), QString());
    QCOMPARE(quietLogLine(QtInfoMsg, QStringLiteral("detail")), QString());
    QCOMPARE(quietLogLine(QtWarningMsg, QStringLiteral("disk 95% full")), QStringLiteral("WARN: disk 95% full\n"));
    QCOMPARE(quietLogLine(QtCriticalMsg, QStringLiteral("cannot open")), QStringLiteral("cannot open\n"));
    QCOMPARE(quietLogLine(QtFatalMsg, QStringLiteral("abort")), QStringLiteral("abort\n"));
}

void TestStartUp::returnPressesTheFocusedButtonOfAWindow()
{
    QWidget window;
    auto* first = new QPushButton(QStringLiteral("First"), &window);
    auto* second = new QPushButton(QStringLiteral("Second"), &window);
    second->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy firstClicks(first, &QPushButton::clicked);
    QSignalSpy secondClicks(second, &QPushButton::clicked);
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return);
    QTRY_COMPARE(secondClicks.size(), 1);
    QCOMPARE(firstClicks.size(), 0);
    // Not with a modifier: Ctrl+Return may mean something else.
    QTest::keyClick(second, Qt::Key_Return, Qt::ControlModifier);
    QTest::qWait(200);
    QCOMPARE(secondClicks.size(), 1);
}

void TestStartUp::startUpShowsWhatsNewAndOffersTheNewerVersion()
{
    if (TandUpdate::platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    TestDataDir dataDir;
    UpdateTestFeed feed;
    feed.publishNotes(QCoreApplication::applicationVersion(), "# What changed\n");
    feed.publish(feed.artifact(QStringLiteral("99.0.0")));
    qputenv("LEDGERINE_UPDATE_URL", feed.channelUrl().toEncoded());
    QSettings().remove(QStringLiteral("whatsNew/lastShownVersion"));

    QStringList seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        const auto notes = shownTopLevels<TandUpdate::WhatsNewDialog>();
        const auto offers = shownTopLevels<TandUpdate::UpdateDialog>();
        if (notes.size() == 1 && offers.size() == 1) {
            seen << notes.first()->parentWidget()->metaObject()->className()
                 << offers.first()->parentWidget()->metaObject()->className();
            QApplication::closeAllWindows();
        }
    });
    poll.start(20);
    QTimer::singleShot(10000, qApp, &QApplication::closeAllWindows);

    QCOMPARE(static_cast<Application*>(qApp)->run(), 0);
    QCOMPARE(seen, (QStringList{"MainWindow", "MainWindow"}));
    QCOMPARE(QSettings().value(QStringLiteral("whatsNew/lastShownVersion")).toString(),
             QCoreApplication::applicationVersion());
}

void TestStartUp::secondCopyOnTheSameDataFolderIsRefused()
{
    TestDataDir dataDir;
    DataFolderLock firstCopy(dataDir.path());
    QCOMPARE(firstCopy.take(), DataFolderLock::Outcome::Taken);
    QSignalSpy asked(&firstCopy, &DataFolderLock::showRequested);

    ModalWatcher watcher([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QVERIFY(box->text().contains(QDir::toNativeSeparators(Database::dataDirectory())));
        box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(static_cast<Application*>(qApp)->run() != 0);
    QCOMPARE(watcher.handledCount(), 1);
    QTRY_COMPARE(asked.size(), 1);
    // The database was left to the first copy.
    QVERIFY(!QFile::exists(Database::databaseFilePath()));
}

void TestStartUp::lockOfACopyThatHasGoneIsTakenOver()
{
    TestDataDir dataDir;
    // A copy killed while it ran: its lock file stays, naming a process that is no more.
    const pid_t killed = ::fork();
    if (killed == 0) {
        QLockFile lock(dataDir.filePath(QStringLiteral("ledgerine.lock")));
        ::_exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(::waitpid(killed, &status, 0), killed);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    DataFolderLock lock(dataDir.path());
    QCOMPARE(lock.take(), DataFolderLock::Outcome::Taken);
    QCOMPARE(DataFolderLock(dataDir.path()).take(), DataFolderLock::Outcome::HeldByAnotherCopy);
}

// The program's own application object, so that the test runs the real
// start-up; the user's settings are kept out of reach.
int main(int argc, char* argv[])
{
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    Application app(argc, argv);
    TestStartUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
