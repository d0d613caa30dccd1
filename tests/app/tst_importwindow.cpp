#include "tests/register/RegisterTestData.h"

#include "app/AccountListModel.h"
#include "app/MainWindow.h"
#include "appstate/AppState.h"
#include "import/ImportService.h"
#include "register/RegisterScreen.h"
#include "screens/ImportScreen.h"
#include "storage/AccountRepository.h"
#include "storage/RecordId.h"
#include "storage/RecurringRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <memory>

// How the main window reaches the import window and keeps its own timed
// writes out of an import's open transaction.
class TestImportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fileMenuOpensTheImportWindowWhoseDoneReloads();
    void autoPostWaitsUntilTheImportHasEnded();

private:
    Account addAccount(const QString& name) { return registertest::addAccount(*m_state, name); }
    QString writeCsv(int rows) const;
    ImportScreen* openImportWindow(MainWindow& window);

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

void TestImportWindow::fileMenuOpensTheImportWindowWhoseDoneReloads()
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
    const auto* accounts =
        qobject_cast<AccountListModel*>(window.findChild<QTreeView*>(QStringLiteral("accountList"))->model());
    QCOMPARE(accounts->balanceAt(accounts->rowOf(account.id)), -300);

    // Shown again, it starts from an empty form; it goes with the main window.
    QCOMPARE(openImportWindow(window), screen);
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("No file selected"));
    window.close();
    QVERIFY(!screen->isVisible());
}

void TestImportWindow::autoPostWaitsUntilTheImportHasEnded()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    MainWindow window(m_state.get());
    RecurringTransaction rent;
    rent.id = newRecordId();
    rent.account_id = account.id;
    rent.payee = QStringLiteral("Rent");
    rent.amount = -120000;
    rent.start_date = QDate::currentDate();
    rent.next_due_date = rent.start_date;
    rent.auto_post = true;
    QVERIFY(m_state->recurringRepository()->insert(rent));
    const auto posted = [&] {
        int count = 0;
        for (const Transaction& row : m_state->transactionRepository()->listByAccount(account.id))
            count += row.recurring_id == rent.id ? 1 : 0;
        return count;
    };

    ImportScreen* screen = openImportWindow(window);
    screen->chooseCsvFile(writeCsv(250));
    // The hourly post falls due while the import's transaction is open: the
    // event loop runs every 100 rows.
    auto* timer = window.findChild<QTimer*>(QStringLiteral("autoPostTimer"));
    ImportService* service = m_state->importService();
    connect(service, &ImportService::importStarted, timer, [timer] { timer->start(0); });
    QList<int> postedDuringImport;
    connect(service, &ImportService::importProgress, this, [&](int current, int total) {
        if (current < total)
            postedDuringImport << posted();
    });
    screen->runImport();

    QCOMPARE(postedDuringImport, QList<int>({0, 0}));
    QCOMPARE(m_state->transactionRepository()->listByAccount(account.id).size(), 250);
    QTRY_COMPARE(posted(), 1);
    // Then the hourly rhythm again.
    QCOMPARE(timer->interval(), MainWindow::kAutoPostIntervalMs);
    QVERIFY(timer->isActive());
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
