#pragma once

#include "screens/ReportComparison.h"
#include "screens/ReportRunner.h"

#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

class AccountPicker;
class AppState;
class DateRangeEdit;
class DateRangePicker;
class QComboBox;
class QEvent;
class QHideEvent;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableView;
class ReportTableModel;

// The reports window: the eight reports, listed beside the one shown, over
// one account or all of them and a period; the year-over-year report with
// its own two periods; the shown report saved as a CSV file. The shown
// report runs when a filter changes; the others wait until they are shown.
// While the window is visible it follows changes to the data, once per
// burst of them; while it is hidden it ignores them and refresh() catches
// up before it shows again. Dates typed as no date leave the last results
// on screen, greyed under a note that says so, until the report runs with
// readable dates.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    using Kind = ReportRunner::Kind;

    // How long a burst of data changes may last before the report runs again.
    static constexpr int kChangeDelayMs = 200;

    explicit ReportsScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReportsScreen() override;

    Kind currentKind() const;
    void showReport(Kind kind);

public Q_SLOTS:
    // Lists the accounts again (the chosen one stays), works the chosen
    // periods out for today and runs the shown report. Called before the
    // window shows.
    void refresh();
    // Runs the shown report again; the others run when shown.
    void runReport();
    // Asks for a file and saves the shown report in it.
    void exportShownReport();

public:
    // Writes the shown report as CSV, replacing the file whole or leaving
    // it untouched. False, after a warning, when it could not be written.
    bool exportTo(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLayout* buildFilters();
    QWidget* buildComparison();
    QTableView* buildTable(ReportTableModel* model);
    // Sizes the report list, the rows and the amount columns to the font.
    void sizeToFont();
    // Sizes the rows and columns of the report at `index` to the font.
    void sizeColumns(int index);

    void onFilterChanged();
    void onReportChanged();
    // The shown report's page, with the filters it follows enabled.
    void showCurrentPage();
    void onComparisonChanged();
    // Shows the chosen pair of periods; true when they moved.
    bool applyComparison();
    void onDataChanged();
    void onFilled(Kind kind, bool complete);
    // Whether the date fields the shown report follows stand for the dates
    // its results are for.
    bool fieldsShowResults() const;
    // Marks the shown results as not matching the date fields, or clears the mark.
    void markOutdatedResults();
    // Runs the shown report unless it is up to date.
    void runIfStale();
    void markAllStale();
    void updateExportButton();
    QByteArray shownReportCsv() const;
    // False, after a warning, when the file could not be written whole.
    bool writeCsv(const QString& path, const QByteArray& csv);
    ReportRunner::Filter filter() const;
    ReportTableModel* model(Kind kind) const { return m_models.at(int(kind)); }

    AppState* m_appState;
    ReportRunner* m_runner;
    QList<ReportTableModel*> m_models;
    QList<QTableView*> m_views;
    // Whether a report's table shows the current filters and data.
    QList<bool> m_upToDate;
    // The number of columns each table was last sized for.
    QList<int> m_sizedColumnCounts;
    // The filter each report last ran with.
    QList<ReportRunner::Filter> m_shownFilters;
    ReportComparison m_comparison;
    QTimer m_changeTimer;

    AccountPicker* m_accountPicker = nullptr;
    DateRangePicker* m_periodPicker = nullptr;
    QList<QWidget*> m_accountFilter;
    QList<QWidget*> m_periodFilter;
    QPushButton* m_exportButton = nullptr;
    QListWidget* m_reportList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_comparisonBox = nullptr;
    QLabel* m_firstPeriodLabel = nullptr;
    QLabel* m_secondPeriodLabel = nullptr;
    DateRangeEdit* m_firstPeriodEdit = nullptr;
    DateRangeEdit* m_secondPeriodEdit = nullptr;
    QLabel* m_problemLabel = nullptr;
    QLabel* m_outdatedLabel = nullptr;
};
