#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "register/DateField.h"
#include "screens/AccountPicker.h"
#include "screens/DateRange.h"
#include "screens/DateRangePicker.h"
#include "screens/ReportComparison.h"
#include "screens/ReportRunner.h"
#include "screens/ReportTableModel.h"
#include "screens/ReportsScreen.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QFont>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace registertest;

namespace {

using Kind = ReportRunner::Kind;
using Preset = DateRange::Preset;

QDate day(int year, int month, int d) { return QDate(year, month, d); }

// Every row of a model as shown.
QList<QStringList> shown(const ReportTableModel& model) { return model.texts(); }

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void datePresets_data();
    void datePresets();
    void comparisons_data();
    void comparisons();

    void totalsRowOnlyWithRows();
    void namesShowAsTyped();
    void amountsInTheirAccountsCurrency();
    void summariesKeepCurrenciesApart();
    void transactionsArriveInBatches();

    void hiddenWindowIgnoresChanges();
    void burstOfChangesRerunsOnce();
    void reloadKeepsTheChosenAccount();
    void reportCutShortRunsAgainWhenShown();
    void exportWritesTheShownReportOrWarns();
    void exportWritesWhatWasShownWhenAsked();
    void dateFieldsOpenACalendar();
    void unreadableDateMarksTheResultsOutdated();

private:
    ReportRunner::Filter allTime(const QString& accountId = {}) const
    {
        return {accountId, {day(2000, 1, 1), day(2030, 12, 31)}, {}};
    }
    void openScreen();

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<ReportsScreen> m_screen;
    ReportRunner* m_runner = nullptr;
};

void TestReports::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestReports::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestReports::openScreen()
{
    m_screen = std::make_unique<ReportsScreen>(m_state.get());
    m_runner = m_screen->findChild<ReportRunner*>();
    m_screen->refresh();
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
}

void TestReports::datePresets_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");

    QTest::newRow("last month on the 31st") << Preset::LastMonth << day(2026, 3, 31) << day(2026, 2, 1)
                                            << day(2026, 2, 28);
    QTest::newRow("last month in January") << Preset::LastMonth << day(2026, 1, 15) << day(2025, 12, 1)
                                           << day(2025, 12, 31);
    QTest::newRow("last quarter") << Preset::LastQuarter << day(2026, 5, 14) << day(2026, 1, 1) << day(2026, 3, 31);
    QTest::newRow("last quarter across a year") << Preset::LastQuarter << day(2026, 2, 10) << day(2025, 10, 1)
                                                << day(2025, 12, 31);
    QTest::newRow("this quarter on its last day") << Preset::ThisQuarter << day(2026, 12, 31) << day(2026, 10, 1)
                                                  << day(2026, 12, 31);
    QTest::newRow("last 12 months on 29 February") << Preset::Last12Months << day(2028, 2, 29) << day(2027, 2, 28)
                                                   << day(2028, 2, 29);
    QTest::newRow("last year") << Preset::LastYear << day(2026, 1, 1) << day(2025, 1, 1) << day(2025, 12, 31);
    QTest::newRow("all time") << Preset::AllTime << day(2026, 7, 4) << day(2000, 1, 1) << day(2026, 7, 4);
    QTest::newRow("custom has no days") << Preset::Custom << day(2026, 7, 4) << QDate() << QDate();
}

void TestReports::datePresets()
{
    QFETCH(Preset, preset);
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QCOMPARE(DateRange::forPreset(preset, today), (DateRange{from, to}));
}

void TestReports::comparisons_data()
{
    QTest::addColumn<ReportComparison::Kind>("kind");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<ReportComparison>("expected");

    QTest::newRow("this quarter vs last, in January")
        << ReportComparison::Kind::ThisQuarterVsLastQuarter << day(2026, 1, 15)
        << ReportComparison{{day(2025, 10, 1), day(2025, 12, 31)}, {day(2026, 1, 1), day(2026, 1, 15)}};
    QTest::newRow("this year vs last") << ReportComparison::Kind::ThisYearVsLastYear << day(2028, 2, 29)
                                       << ReportComparison{{day(2027, 1, 1), day(2027, 12, 31)},
                                                           {day(2028, 1, 1), day(2028, 2, 29)}};
    QTest::newRow("last year vs the one before") << ReportComparison::Kind::LastYearVsYearBefore << day(2026, 3, 1)
                                                 << ReportComparison{{day(2024, 1, 1), day(2024, 12, 31)},
                                                                     {day(2025, 1, 1), day(2025, 12, 31)}};
}

void TestReports::comparisons()
{
    QFETCH(ReportComparison::Kind, kind);
    QFETCH(QDate, today);
    QFETCH(ReportComparison, expected);
    QCOMPARE(ReportComparison::forKind(kind, today), expected);
}

void TestReports::totalsRowOnlyWithRows()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    addTransaction(*m_state, checking.id, day(2024, 1, 5), 300000, QStringLiteral("Employer"));
    addTransaction(*m_state, checking.id, day(2024, 1, 9), -125050, QStringLiteral("Landlord"));
    addTransaction(*m_state, checking.id, day(2024, 2, 2), -2000, QStringLiteral("Market"));
    ReportRunner runner(m_state->reportService(), m_state->accountRepository());

    for (Kind kind : {Kind::IncomeVsExpenses, Kind::CashFlow}) {
        ReportTableModel model(ReportRunner::columns(kind));
        runner.run(kind, {{}, {day(2023, 1, 1), day(2023, 12, 31)}, {}}, &model);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.hasTotalsRow());

        runner.run(kind, allTime(), &model);
        QCOMPARE(shown(model),
                 (QList<QStringList>{{"2024-01", "$3,000.00", "-$1,250.50", "$1,749.50"},
                                     {"2024-02", "$0.00", "-$20.00", "-$20.00"},
                                     {"Total", "$3,000.00", "-$1,270.50", "$1,729.50"}}));
        QVERIFY(model.hasTotalsRow());
        for (int column = 0; column < model.columnCount(); ++column) {
            QVERIFY(model.index(2, column).data(Qt::FontRole).value<QFont>().bold());
            QVERIFY(!model.index(1, column).data(Qt::FontRole).isValid());
        }
    }
    // Other reports have no totals row.
    ReportTableModel spending(ReportRunner::columns(Kind::CategorySpending));
    runner.run(Kind::CategorySpending, allTime(), &spending);
    QCOMPARE(spending.rowCount(), 1);
    QVERIFY(!spending.hasTotalsRow());
}

void TestReports::namesShowAsTyped()
{
    const QString payee = QStringLiteral("<b>Joe</b> & Co");
    ReportTableModel model({{QStringLiteral("Payee")}});
    model.setRows({{{payee}}});
    QCOMPARE(model.index(0, 0).data().toString(), payee);
    QTextDocument tooltip;
    tooltip.setHtml(model.index(0, 0).data(Qt::ToolTipRole).toString());
    QCOMPARE(tooltip.toPlainText(), payee);
}

void TestReports::amountsInTheirAccountsCurrency()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"), 100000);
    const Account travel = addAccount(*m_state, QStringLiteral("Travel"), 5000, Currency::EUR);
    const Account tokyo = addAccount(*m_state, QStringLiteral("Tokyo"), 0, Currency::JPY);
    addTransaction(*m_state, checking.id, day(2024, 3, 1), -1500, QStringLiteral("Market"));
    addTransaction(*m_state, travel.id, day(2024, 3, 2), -1200, QStringLiteral("Café"));
    addTransaction(*m_state, tokyo.id, day(2024, 3, 3), -800, QStringLiteral("Konbini"));
    ReportRunner runner(m_state->reportService(), m_state->accountRepository());
    const auto run = [&runner](Kind kind, const ReportRunner::Filter& filter) {
        ReportTableModel model(ReportRunner::columns(kind));
        runner.run(kind, filter, &model);
        return model.texts();
    };

    // One account: its currency throughout.
    QCOMPARE(run(Kind::CategorySpending, allTime(travel.id)), (QList<QStringList>{{"Uncategorized", "-€12.00"}}));
    QCOMPARE(run(Kind::PayeeSummary, allTime(tokyo.id)), (QList<QStringList>{{"Konbini", "-¥800", "1"}}));
    // Rows of one account each in its own; sums over several in the default.
    QCOMPARE(run(Kind::Transactions, allTime()),
             (QList<QStringList>{{"03/01/2024", "Checking", "Market", "Uncategorized", "", "-$15.00"},
                                 {"03/02/2024", "Travel", "Café", "Uncategorized", "", "-€12.00"},
                                 {"03/03/2024", "Tokyo", "Konbini", "Uncategorized", "", "-¥800"}}));
    QCOMPARE(run(Kind::AccountSummary, allTime(travel.id)),
             (QList<QStringList>{{"Checking", "Checking", "$1,000.00", "-$15.00", "$985.00"},
                                 {"Tokyo", "Checking", "¥0", "-¥800", "-¥800"},
                                 {"Travel", "Checking", "€50.00", "-€12.00", "€38.00"}}));
    // Sums over several currencies: a row and a total per currency, never one sum.
    QCOMPARE(run(Kind::CategorySpending, allTime()),
             (QList<QStringList>{{"USD", "Uncategorized", "-$15.00"},
                                 {"USD", "Total", "-$15.00"},
                                 {"EUR", "Uncategorized", "-€12.00"},
                                 {"EUR", "Total", "-€12.00"},
                                 {"JPY", "Uncategorized", "-¥800"},
                                 {"JPY", "Total", "-¥800"}}));
}

void TestReports::summariesKeepCurrenciesApart()
{
    // A ledger of one currency other than dollars: its own symbol, no
    // currency column, no totals beyond the usual.
    const Account euros = addAccount(*m_state, QStringLiteral("Euros"), 0, Currency::EUR);
    const Transaction refund = addTransaction(*m_state, euros.id, day(2024, 3, 1), 5000, QStringLiteral("Refund"));
    ReportRunner runner(m_state->reportService(), m_state->accountRepository());
    ReportTableModel payees(ReportRunner::columns(Kind::PayeeSummary));
    runner.run(Kind::PayeeSummary, allTime(), &payees);
    QCOMPARE(shown(payees), (QList<QStringList>{{"Refund", "€50.00", "1"}}));

    // A yen account beside a dollar one: the export says which currency each amount is in.
    const Account dollars = addAccount(*m_state, QStringLiteral("Dollars"));
    const Account yen = addAccount(*m_state, QStringLiteral("Yen"), 0, Currency::JPY);
    QVERIFY(m_state->transactionRepository()->softDelete(refund.id));
    addTransaction(*m_state, yen.id, day(2024, 3, 1), 250000, QStringLiteral("Salary"));
    addTransaction(*m_state, yen.id, day(2024, 3, 2), -1000, QStringLiteral("Ramen"));
    addTransaction(*m_state, dollars.id, day(2024, 3, 3), -1000, QStringLiteral("Food"));
    openScreen();
    m_screen->findChild<DateRangePicker*>()->setPreset(Preset::AllTime);
    m_screen->showReport(Kind::CashFlow);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cash_flow.csv"));
    QVERIFY(m_screen->exportTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Currency\",\"Month\",\"Inflows\",\"Outflows\",\"Net\"\n"
                            "\"USD\",\"2024-03\",\"$0.00\",\"-$10.00\",\"-$10.00\"\n"
                            "\"USD\",\"Total\",\"$0.00\",\"-$10.00\",\"-$10.00\"\n"
                            "\"JPY\",\"2024-03\",\"¥250,000\",\"-¥1,000\",\"¥249,000\"\n"
                            "\"JPY\",\"Total\",\"¥250,000\",\"-¥1,000\",\"¥249,000\"\n"));
    m_screen->showReport(Kind::PayeeSummary);
    QCOMPARE(shown(*m_screen->findChildren<ReportTableModel*>().at(int(Kind::PayeeSummary))),
             (QList<QStringList>{{"USD", "Food", "-$10.00", "1"},
                                 {"USD", "Total", "-$10.00", "1"},
                                 {"JPY", "Ramen", "-¥1,000", "1"},
                                 {"JPY", "Salary", "¥250,000", "1"},
                                 {"JPY", "Total", "¥249,000", "2"}}));
}

void TestReports::transactionsArriveInBatches()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    for (int i = 1; i <= 5; ++i)
        addTransaction(*m_state, checking.id, day(2024, 1, i), -i, QStringLiteral("Payee %1").arg(i));
    ReportRunner runner(m_state->reportService(), m_state->accountRepository());
    runner.setBatchSize(2);
    QSignalSpy filled(&runner, &ReportRunner::filled);
    ReportTableModel model(ReportRunner::columns(Kind::Transactions));

    // The first batch shows at once, the rest follow from the event loop.
    runner.run(Kind::Transactions, allTime(), &model);
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(runner.isFilling());
    QVERIFY(filled.wait());
    QCOMPARE(filled.count(), 1);
    QCOMPARE(filled.first().at(1).toBool(), true);
    QCOMPARE(model.rowCount(), 5);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(model.text(row, 2), QStringLiteral("Payee %1").arg(row + 1));

    // A new run replaces one still filling: no rows of the old one stay.
    filled.clear();
    runner.run(Kind::Transactions, allTime(), &model);
    runner.run(Kind::Transactions, {{}, {day(2024, 1, 4), day(2024, 1, 5)}, {}}, &model);
    QTRY_VERIFY(!runner.isFilling());
    QCOMPARE(filled.count(), 1);
    QCOMPARE(model.texts().value(0).value(2), QStringLiteral("Payee 4"));
    QCOMPARE(model.texts().value(1).value(2), QStringLiteral("Payee 5"));
    QCOMPARE(model.rowCount(), 2);
}

void TestReports::hiddenWindowIgnoresChanges()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    openScreen();
    m_screen->hide();
    QSignalSpy filled(m_runner, &ReportRunner::filled);

    addTransaction(*m_state, checking.id, QDate::currentDate(), -500, QStringLiteral("Market"));
    QTest::qWait(3 * ReportsScreen::kChangeDelayMs);
    QCOMPARE(filled.count(), 0);

    // Brought up to date before it shows again.
    m_screen->refresh();
    QCOMPARE(filled.count(), 1);
    QCOMPARE(m_screen->findChild<ReportTableModel*>()->rowCount(), 1);
}

void TestReports::burstOfChangesRerunsOnce()
{
    openScreen();
    QSignalSpy filled(m_runner, &ReportRunner::filled);
    for (int i = 0; i < 1000; ++i)
        Q_EMIT m_state->transactionRepository()->transactionsChanged(QString());
    QTRY_COMPARE(filled.count(), 1);
    QTest::qWait(3 * ReportsScreen::kChangeDelayMs);
    QCOMPARE(filled.count(), 1);
}

void TestReports::reloadKeepsTheChosenAccount()
{
    addAccount(*m_state, QStringLiteral("Checking"));
    const Account savings = addAccount(*m_state, QStringLiteral("Savings"));
    openScreen();
    auto* picker = m_screen->findChild<AccountPicker*>();
    picker->setAccountId(savings.id);
    QSignalSpy filled(m_runner, &ReportRunner::filled);

    addAccount(*m_state, QStringLiteral("Cash"));
    QTRY_COMPARE(filled.count(), 1);
    QCOMPARE(picker->count(), 4);
    QCOMPARE(picker->accountId(), savings.id);

    // Once the account is gone, the reports are of all accounts again.
    QVERIFY(m_state->accountRepository()->softDelete(savings.id));
    QTRY_COMPARE(filled.count(), 2);
    QCOMPARE(picker->accountId(), QString());
    QCOMPARE(picker->currentText(), QStringLiteral("All Accounts"));
}

void TestReports::reportCutShortRunsAgainWhenShown()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    for (int i = 0; i < 5; ++i)
        addTransaction(*m_state, checking.id, QDate::currentDate(), -100, QStringLiteral("Market"));
    openScreen();
    m_runner->setBatchSize(2);
    auto* exportButton = m_screen->findChild<QPushButton*>(QStringLiteral("exportButton"));
    auto* transactions = m_screen->findChildren<ReportTableModel*>().at(int(Kind::Transactions));

    m_screen->showReport(Kind::Transactions);
    QVERIFY(!exportButton->isEnabled()); // not while it fills
    m_screen->showReport(Kind::PayeeSummary);
    QCOMPARE(transactions->rowCount(), 2);

    QSignalSpy filled(m_runner, &ReportRunner::filled);
    m_screen->showReport(Kind::Transactions);
    QVERIFY(filled.wait());
    QCOMPARE(transactions->rowCount(), 5);
    QVERIFY(exportButton->isEnabled());
}

void TestReports::exportWritesTheShownReportOrWarns()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    openScreen();
    auto* exportButton = m_screen->findChild<QPushButton*>(QStringLiteral("exportButton"));
    m_screen->showReport(Kind::CashFlow);
    QVERIFY(!exportButton->isEnabled()); // nothing to save

    addTransaction(*m_state, checking.id, day(2024, 1, 5), 300000, QStringLiteral("Employer"));
    addTransaction(*m_state, checking.id, day(2024, 2, 9), -125050, QStringLiteral("Landlord"));
    m_screen->findChild<DateRangePicker*>()->setPreset(Preset::AllTime);
    QVERIFY(exportButton->isEnabled());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cash_flow.csv"));
    QVERIFY(m_screen->exportTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Month\",\"Inflows\",\"Outflows\",\"Net\"\n"
                            "\"2024-01\",\"$3,000.00\",\"$0.00\",\"$3,000.00\"\n"
                            "\"2024-02\",\"$0.00\",\"-$1,250.50\",\"-$1,250.50\"\n"
                            "\"Total\",\"$3,000.00\",\"-$1,250.50\",\"$1,749.50\"\n"));

    // A place that cannot be written says so and reports the failure.
    QStringList warnings;
    ModalWatcher watcher([&warnings](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        warnings << box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!m_screen->exportTo(folder.filePath(QStringLiteral("missing/cash_flow.csv"))));
    QCOMPARE(warnings, QStringList{QStringLiteral("Export Failed")});
}

void TestReports::exportWritesWhatWasShownWhenAsked()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    constexpr int kRows = 40;
    for (int i = 0; i < kRows; ++i)
        addTransaction(*m_state, checking.id, day(2024, 1, 1).addDays(i), -100 - i, QStringLiteral("Shop %1").arg(i));
    openScreen();
    m_runner->setBatchSize(1);
    m_screen->findChild<DateRangePicker*>()->setPreset(Preset::AllTime);
    m_screen->showReport(Kind::Transactions);
    auto* exportButton = m_screen->findChild<QPushButton*>(QStringLiteral("exportButton"));
    QTRY_VERIFY(exportButton->isEnabled());

    // While the user names the file, a sync changes the ledger and the
    // report fills anew, a batch per turn: the file still gets the whole
    // report the user asked to save, not the rows refilled so far.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("transactions.csv"));
    ReportTableModel* shownModel = m_screen->findChildren<ReportTableModel*>().value(int(Kind::Transactions));
    QVERIFY(shownModel);
    QPointer<QFileDialog> files;
    // Named the moment the report starts over, before a second row is back.
    connect(shownModel, &QAbstractItemModel::modelReset, this, [&files, &path] {
        if (!files)
            return;
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(files.data())->accept();
    });
    ModalWatcher watcher([this, &checking, &files](QWidget* modal) {
        files = qobject_cast<QFileDialog*>(modal);
        if (!files) {
            modal->close();
            return;
        }
        addTransaction(*m_state, checking.id, day(2024, 6, 1), -1, QStringLiteral("Late"));
    });
    m_screen->exportShownReport();
    QCOMPARE(watcher.handledCount(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), kRows + 1);
}

void TestReports::dateFieldsOpenACalendar()
{
    const int firstDay = localeFirstDayOfWeek();
    localeFirstDayOfWeek() = Qt::Saturday;
    openScreen();
    const QList<DateField*> fields = m_screen->findChildren<DateField*>();
    QCOMPARE(fields.size(), 6); // the period and the two compared periods
    for (DateField* field : fields) {
        QTest::keyClick(field->findChild<QLineEdit*>(), Qt::Key_Down, Qt::AltModifier);
        auto* calendar = qobject_cast<QCalendarWidget*>(QApplication::activePopupWidget());
        QVERIFY(calendar);
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Saturday);
        QCOMPARE(calendar->selectedDate(), field->date());
        calendar->close();
    }
    localeFirstDayOfWeek() = firstDay;

    // A day chosen with the keys runs the report for it.
    m_screen->findChild<DateRangePicker*>()->setPreset(Preset::Custom);
    auto* from = m_screen->findChild<DateField*>(QStringLiteral("fromDateField"));
    QSignalSpy filled(m_runner, &ReportRunner::filled);
    QTest::keyClick(from->findChild<QLineEdit*>(), Qt::Key_F4);
    auto* calendar = qobject_cast<QCalendarWidget*>(QApplication::activePopupWidget());
    QVERIFY(calendar);
    calendar->setSelectedDate(day(2020, 1, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!calendar->isVisible());
    QCOMPARE(from->date(), day(2020, 1, 1));
    QCOMPARE(filled.count(), 1);
}

void TestReports::unreadableDateMarksTheResultsOutdated()
{
    const Account checking = addAccount(*m_state, QStringLiteral("Checking"));
    addTransaction(*m_state, checking.id, QDate::currentDate(), -500, QStringLiteral("Market"));
    openScreen();
    m_screen->showReport(Kind::PayeeSummary);
    m_screen->findChild<DateRangePicker*>()->setPreset(Preset::Custom);
    auto* outdated = m_screen->findChild<QLabel*>(QStringLiteral("outdatedLabel"));
    auto* exportButton = m_screen->findChild<QPushButton*>(QStringLiteral("exportButton"));
    ReportTableModel* payees = m_screen->findChildren<ReportTableModel*>().at(int(Kind::PayeeSummary));
    QLineEdit* from = m_screen->findChild<DateField*>(QStringLiteral("fromDateField"))->findChild<QLineEdit*>();
    QVERIFY(!outdated->isVisible());
    QVERIFY(exportButton->isEnabled());

    from->setText(QStringLiteral("13/45/2024"));
    QTest::keyClick(from, Qt::Key_Return);
    QVERIFY(outdated->isVisible());
    QVERIFY(payees->isOutdated());
    QVERIFY(!exportButton->isEnabled());
    // A report that does not follow the period is not marked.
    m_screen->showReport(Kind::AccountSummary);
    QVERIFY(!outdated->isVisible());
    m_screen->showReport(Kind::PayeeSummary);
    QVERIFY(outdated->isVisible());

    // A date again, but the results are still for the old one until the report runs.
    from->setText(QStringLiteral("1/1/2000"));
    QVERIFY(outdated->isVisible());
    QTest::keyClick(from, Qt::Key_Return);
    QVERIFY(!outdated->isVisible());
    QVERIFY(!payees->isOutdated());
    QVERIFY(exportButton->isEnabled());
    QCOMPARE(payees->rowCount(), 1);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
