#include "tests/register/RegisterTestData.h"

#include "app/AccountListModel.h"
#include "app/MainWindow.h"
#include "appstate/AppState.h"
#include "import/ImportService.h"
#include "register/RegisterScreen.h"
#include "screens/ImportScreen.h"
#include "services/BackupService.h"
#include "storage/AccountRepository.h"
#include "storage/RecordId.h"
#include "storage/RecurringRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <memory>

// How the main window reaches the import window, follows what an import
// wrote, and keeps its own timed writes out of an import's or a restore's
// open transaction.
class TestImportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fileMenuOpensTheImportWindow();
    void proposesTheAccountOnScreen();
    void viewsFollowTheImportHoweverTheSummaryIsLeft();
    void autoPostWaitsUntilTheImportHasEnded();
    void accountListWaitsUntilTheImportHasEnded();
    void autoPostWaitsUntilARestoreHasEnded();

private:
    Account addAccount(const QString& name) { return registertest::addAccount(*m_state, name); }
    QString writeCsv(int rows) const;
    ImportScreen* openImportWindow(MainWindow& window);
    // The hourly rent of the account, falling due today and posted automatically.
    RecurringTransaction addAutoPostedRent(const QString& accountId);
    // How many times the rent was posted into its account.
    int postedRent(const RecurringTransaction& rent) const;
    // The hourly post falls due from the event loop, as its timer would fire.
    static void autoPostFallsDue(MainWindow& window);

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<AppState> m_state;
};

void TestImportWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestImportWindow::init()
{
    QSettings().clear();
    m_dataDir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestImportWindow::cleanup()
{
    m_state.reset();
    m_dataDir.reset();
}

QString TestImportWindow::writeCsv(int rows) const
{
    QByteArray bytes = "Date,Payee,Amount\n";
    for (int i = 0; i < rows; ++i)
        bytes += "2024-01-02,Shop " + QByteArray::number(i) + ",-1.00\n";
    return m_dataDir->writeFile(QStringLiteral("statement.csv"), bytes);
}

ImportScreen* TestImportWindow::openImportWindow(MainWindow& window)
{
    window.findChild<QAction*>(QStringLiteral("importAction"))->trigger();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<ImportScreen*>(widget); screen && screen->isVisible())
            return screen;
    }
    return nullptr;
}

RecurringTransaction TestImportWindow::addAutoPostedRent(const QString& accountId)
{
    RecurringTransaction rent;
    rent.id = newRecordId();
    rent.account_id = accountId;
    rent.payee = QStringLiteral("Rent");
    rent.amount = -120000;
    rent.start_date = QDate::currentDate();
    rent.next_due_date = rent.start_date;
    rent.auto_post = true;
    if (!m_state->recurringRepository()->insert(rent))
        qFatal("The rent could not be stored");
    return rent;
}

int TestImportWindow::postedRent(const RecurringTransaction& rent) const
{
    int count = 0;
    for (const Transaction& row : m_state->transactionRepository()->listByAccount(rent.account_id))
        count += row.recurring_id == rent.id ? 1 : 0;
    return count;
}

void TestImportWindow::autoPostFallsDue(MainWindow& window)
{
    auto* timer = window.findChild<QTimer*>(QStringLiteral("autoPostTimer"));
    QMetaObject::invokeMethod(timer, "timeout", Qt::QueuedConnection);
}

void TestImportWindow::fileMenuOpensTheImportWindow()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    MainWindow window(m_state.get());
    window.show();

    QAction* import = window.findChild<QAction*>(QStringLiteral("importAction"));
    QVERIFY(import && import->isEnabled());
    QCOMPARE(qobject_cast<QMenu*>(import->parent())->title(), QStringLiteral("&File"));
    for (QAction* other : window.findChildren<QAction*>()) {
        if (other != import)
            QVERIFY2(other->shortcut() != import->shortcut(), qPrintable(other->objectName()));
    }

    ImportScreen* screen = openImportWindow(window);
    QVERIFY(screen);
    QVERIFY(!screen->parent());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Import Transactions"));
    const QSize room = window.screen()->availableGeometry().size();
    QVERIFY(screen->width() <= room.width() && screen->height() <= room.height());

    // Asked for again while open, it keeps what the user chose.
    screen->chooseCsvFile(writeCsv(3));
    QCOMPARE(openImportWindow(window), screen);
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("statement.csv"));

    screen->runImport();
    screen->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    QVERIFY(!screen->isVisible());

    // Shown again, it starts from an empty form; it goes with the main window.
    QCOMPARE(openImportWindow(window), screen);
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("No file selected"));
    window.close();
    QVERIFY(!screen->isVisible());
}

void TestImportWindow::proposesTheAccountOnScreen()
{
    addAccount(QStringLiteral("Checking"));
    const Account visa = addAccount(QStringLiteral("Visa Card"));
    MainWindow window(m_state.get());
    auto* list = window.findChild<QTreeView*>(QStringLiteral("accountList"));
    const auto* accounts = qobject_cast<AccountListModel*>(list->model());
    list->setCurrentIndex(accounts->index(accounts->rowOf(visa.id), 0));
    QCOMPARE(window.currentAccountId(), visa.id);

    ImportScreen* screen = openImportWindow(window);
    QCOMPARE(screen->findChild<QComboBox*>(QStringLiteral("accountCombo"))->currentData().toString(), visa.id);
}

void TestImportWindow::viewsFollowTheImportHoweverTheSummaryIsLeft()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    MainWindow window(m_state.get());
    window.show();
    const auto* accounts =
        qobject_cast<AccountListModel*>(window.findChild<QTreeView*>(QStringLiteral("accountList"))->model());
    const QAbstractItemModel* rows = window.findChild<RegisterScreen*>()->findChild<QTableView*>()->model();
    QSignalSpy listRebuilt(accounts, &QAbstractItemModel::modelReset);

    // The import's end announces what it wrote; the summary waits for the
    // user meanwhile, and the main window is up to date before it is left.
    ImportScreen* screen = openImportWindow(window);
    screen->chooseCsvFile(writeCsv(3));
    screen->runImport();
    QTRY_COMPARE(accounts->balanceAt(accounts->rowOf(account.id)), -300);
    QTRY_COMPARE(rows->rowCount(), 3);
    QTest::qWait(50);
    const qsizetype rebuildsForTheImport = listRebuilt.size();
    QVERIFY(rebuildsForTheImport >= 1);
    screen->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    QTest::qWait(50);
    // Done itself reads nothing again.
    QCOMPARE(listRebuilt.size(), rebuildsForTheImport);

    // Escape closes the summary without Done: the views are as current.
    screen = openImportWindow(window);
    screen->chooseCsvFile(m_dataDir->writeFile(QStringLiteral("more.csv"),
                                               "Date,Payee,Amount\n2024-01-03,Cafe,-1.00\n2024-01-04,Cafe,-1.00\n"));
    screen->runImport();
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->isVisible());
    QTRY_COMPARE(accounts->balanceAt(accounts->rowOf(account.id)), -500);
    QTRY_COMPARE(rows->rowCount(), 5);
}

void TestImportWindow::autoPostWaitsUntilTheImportHasEnded()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    MainWindow window(m_state.get());
    const RecurringTransaction rent = addAutoPostedRent(account.id);

    ImportScreen* screen = openImportWindow(window);
    screen->chooseCsvFile(writeCsv(250));
    // The hourly post falls due while the import's transaction is open: the
    // event loop runs every 100 rows.
    ImportService* service = m_state->importService();
    connect(service, &ImportService::importStarted, this, [&window] { autoPostFallsDue(window); });
    QList<int> postedDuringImport;
    connect(service, &ImportService::importProgress, this, [&](int current, int total) {
        if (current < total)
            postedDuringImport << postedRent(rent);
    });
    screen->runImport();

    QCOMPARE(postedDuringImport, QList<int>({0, 0}));
    QCOMPARE(m_state->transactionRepository()->listByAccount(account.id).size(), 250);
    // Once the import has ended, and once only.
    QTRY_COMPARE(postedRent(rent), 1);
    QTest::qWait(50);
    QCOMPARE(postedRent(rent), 1);
    // The hourly rhythm was never touched.
    auto* timer = window.findChild<QTimer*>(QStringLiteral("autoPostTimer"));
    QCOMPARE(timer->interval(), MainWindow::kAutoPostIntervalMs);
    QVERIFY(timer->isActive());
}

void TestImportWindow::accountListWaitsUntilTheImportHasEnded()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    MainWindow window(m_state.get());
    const auto* accounts =
        qobject_cast<AccountListModel*>(window.findChild<QTreeView*>(QStringLiteral("accountList"))->model());
    QSignalSpy listRebuilt(accounts, &QAbstractItemModel::modelReset);

    ImportScreen* screen = openImportWindow(window);
    screen->chooseCsvFile(writeCsv(250));
    // Something asks for the list while the import's transaction is open
    // (a change announced outside the import's hold).
    ImportService* service = m_state->importService();
    connect(service, &ImportService::importStarted, this,
            [this] { Q_EMIT m_state->accountRepository()->accountsChanged(); });
    QList<qsizetype> rebuildsDuringImport;
    connect(service, &ImportService::importProgress, this, [&](int current, int total) {
        if (current < total)
            rebuildsDuringImport << listRebuilt.size();
    });
    screen->runImport();

    QCOMPARE(rebuildsDuringImport, QList<qsizetype>({0, 0}));
    QTRY_COMPARE(accounts->balanceAt(accounts->rowOf(account.id)), -25000);
}

void TestImportWindow::autoPostWaitsUntilARestoreHasEnded()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    const QString backup = m_dataDir->filePath(QStringLiteral("backup.zip"));
    for (int i = 0; i < 250; ++i)
        registertest::addTransaction(*m_state, account.id, QDate(2024, 1, 2), -100, QStringLiteral("Shop"));
    QVERIFY(m_state->backupService()->exportToFile(backup));
    MainWindow window(m_state.get());
    const RecurringTransaction rent = addAutoPostedRent(account.id);

    // The restore's transaction is open while the event loop runs in it.
    BackupService* service = m_state->backupService();
    QList<int> postedDuringRestore;
    QList<bool> heldDuringRestore;
    connect(service, &BackupService::progress, this, [&](int done, int total) {
        if (done == 0)
            autoPostFallsDue(window);
        else if (done < total)
            postedDuringRestore << postedRent(rent);
        heldDuringRestore << m_state->writesHeld();
    });
    const BackupImportResult result = service->importFromFile(backup, BackupService::SkipExisting);
    QVERIFY(result.errors.isEmpty());

    QVERIFY(!postedDuringRestore.isEmpty());
    QCOMPARE(postedDuringRestore, QList<int>(postedDuringRestore.size(), 0));
    QCOMPARE(heldDuringRestore, QList<bool>(heldDuringRestore.size(), true));
    QVERIFY(!m_state->writesHeld());
    QTRY_COMPARE(postedRent(rent), 1);
    QCOMPARE(window.findChild<QTimer*>(QStringLiteral("autoPostTimer"))->interval(),
             MainWindow::kAutoPostIntervalMs);
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
