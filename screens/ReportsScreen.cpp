#include "screens/ReportsScreen.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "register/DateField.h"
#include "screens/AccountPicker.h"
#include "screens/DateRangeEdit.h"
#include "screens/DateRangePicker.h"
#include "screens/ReportTableModel.h"
#include "services/ReportService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/TransactionRepository.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <QtDebug>

ReportsScreen::ReportsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_runner(new ReportRunner(appState->reportService(), appState->accountRepository(), this))
{
    auto* heading = new QLabel(tr("Reports"));
    applyFontRole(heading, FontRole::Headline);
    m_exportButton = new QPushButton(tr("E&xport CSV..."));
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(heading);
    headingRow->addStretch();
    headingRow->addWidget(m_exportButton, 0, Qt::AlignBottom);

    // A list rather than tabs: eight report names do not fit side by side
    // in a window of ordinary width, and a tab bar would hide some of them.
    m_reportList = new QListWidget;
    m_reportList->setObjectName(QStringLiteral("reportList"));
    m_reportList->setAccessibleName(tr("Reports"));
    m_reportList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pages = new QStackedWidget;
    for (Kind kind : ReportRunner::kinds()) {
        m_reportList->addItem(ReportRunner::title(kind));
        auto* model = new ReportTableModel(ReportRunner::columns(kind), this);
        m_models << model;
        m_upToDate << false;
        m_sizedColumnCounts << 0;
        m_shownFilters << ReportRunner::Filter{};
        QTableView* table = buildTable(model);
        if (kind != Kind::YearOverYear) {
            m_pages->addWidget(table);
            continue;
        }
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->setSpacing(8);
        pageLayout->addWidget(buildComparison());
        pageLayout->addWidget(table, 1);
        m_pages->addWidget(page);
    }
    m_reportList->setCurrentRow(0);
    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(m_reportList);
    body->addWidget(m_pages, 1);

    m_problemLabel = new QLabel(
        tr("Not every transaction could be read, so this list is incomplete. Choose the period again to retry."));
    m_problemLabel->setObjectName(QStringLiteral("problemLabel"));
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setStyleSheet(textColorStyleSheet(warningColor()));
    m_problemLabel->hide();
    // Dates typed as no date leave the last results on screen: they say so
    // until the fields read as dates again and the report has run with them.
    m_outdatedLabel = new QLabel(tr("These results are for the last dates that could be read. Type the dates as "
                                 "month/day/year, or choose them from the calendar, to update them."));
    m_outdatedLabel->setObjectName(QStringLiteral("outdatedLabel"));
    m_outdatedLabel->setWordWrap(true);
    m_outdatedLabel->setContentsMargins(0, 0, 0, 8);
    m_outdatedLabel->setStyleSheet(textColorStyleSheet(warningColor()));
    m_outdatedLabel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);
    layout->addLayout(headingRow);
    layout->addSpacing(12);
    layout->addLayout(buildFilters());
    layout->addSpacing(12);
    layout->addWidget(m_outdatedLabel);
    layout->addLayout(body, 1);
    layout->addWidget(m_problemLabel);
    sizeToFont();

    // The filters, the choice of report and what it shows come first, as
    // they read; the export of what was chosen last.
    setTabOrder(m_views.last(), m_exportButton);

    // Escape closes it, as it would a dialog: there is nothing here to lose.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    // The keys that turn the pages of tabs move through the reports from
    // wherever the focus is.
    const auto step = [this](int by) {
        const int count = m_reportList->count();
        m_reportList->setCurrentRow((m_reportList->currentRow() + by + count) % count);
    };
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(-1); });

    connect(m_runner, &ReportRunner::filled, this, &ReportsScreen::onFilled);
    connect(m_reportList, &QListWidget::currentRowChanged, this, &ReportsScreen::onReportChanged);
    connect(m_accountPicker, &AccountPicker::accountChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodPicker, &DateRangePicker::rangeChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodPicker, &DateRangePicker::readabilityChanged, this, &ReportsScreen::markOutdatedResults);
    // A preset of the same days hides the custom fields without a new run.
    connect(m_periodPicker->presetBox(), &QComboBox::currentIndexChanged, this, &ReportsScreen::markOutdatedResults);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportShownReport);

    // An import or a sync writes thousands of rows, each announced: the
    // report runs once they have settled, not once per row.
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setInterval(kChangeDelayMs);
    connect(&m_changeTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(appState->accountRepository(), &AccountRepository::accountsChanged, this, &ReportsScreen::onDataChanged);
    connect(appState->categoryRepository(), &CategoryRepository::categoriesChanged, this,
            &ReportsScreen::onDataChanged);
    connect(appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &ReportsScreen::onDataChanged);
    connect(appState->themeManager(), &ThemeManager::themeChanged, this, [this] {
        m_problemLabel->setStyleSheet(textColorStyleSheet(warningColor()));
        m_outdatedLabel->setStyleSheet(textColorStyleSheet(warningColor()));
        for (ReportTableModel* model : std::as_const(m_models))
            model->refreshColors();
    });
    showCurrentPage();
    updateExportButton();
    // Up and Down move through the reports from the start.
    m_reportList->setFocus();
}

ReportsScreen::~ReportsScreen() = default;

QLayout* ReportsScreen::buildFilters()
{
    m_accountPicker = new AccountPicker(m_appState->accountRepository());
    m_accountPicker->setObjectName(QStringLiteral("accountPicker"));
    auto* accountCaption = new QLabel(tr("&Account:"));
    accountCaption->setBuddy(m_accountPicker);

    m_periodPicker = new DateRangePicker;
    m_periodPicker->setObjectName(QStringLiteral("periodPicker"));
    m_periodPicker->presetBox()->setMinimumContentsLength(12);
    auto* periodCaption = new QLabel(tr("&Period:"));
    periodCaption->setBuddy(m_periodPicker->presetBox());

    m_accountFilter = {accountCaption, m_accountPicker};
    m_periodFilter = {periodCaption, m_periodPicker};

    // One filter a line, so that a narrow window or a large font keeps
    // every control whole.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(accountCaption, 0, 0);
    grid->addWidget(m_accountPicker, 0, 1, Qt::AlignLeft);
    grid->addWidget(periodCaption, 1, 0);
    grid->addWidget(m_periodPicker, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return grid;
}

QWidget* ReportsScreen::buildComparison()
{
    m_comparisonBox = new QComboBox;
    m_comparisonBox->setObjectName(QStringLiteral("comparisonBox"));
    for (ReportComparison::Kind kind : ReportComparison::kinds())
        m_comparisonBox->addItem(ReportComparison::label(kind), int(kind));
    auto* caption = new QLabel(tr("Co&mpare:"));
    caption->setBuddy(m_comparisonBox);

    // Each period shows its days, or takes them typed under Custom; the
    // names match the table's columns.
    const auto periodRow = [](const QString& text, QLabel*& rangeLabel, DateRangeEdit*& edit) {
        rangeLabel = new QLabel;
        rangeLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
        edit = new DateRangeEdit;
        auto* caption = new QLabel(text);
        caption->setBuddy(edit->fromField()->focusProxy());
        return caption;
    };
    QLabel* firstCaption = periodRow(tr("Period &1:"), m_firstPeriodLabel, m_firstPeriodEdit);
    QLabel* secondCaption = periodRow(tr("Period &2:"), m_secondPeriodLabel, m_secondPeriodEdit);
    m_firstPeriodEdit->setObjectName(QStringLiteral("firstPeriodEdit"));
    m_secondPeriodEdit->setObjectName(QStringLiteral("secondPeriodEdit"));

    auto* controls = new QWidget;
    auto* grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_comparisonBox, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(firstCaption, 1, 0);
    grid->addWidget(m_firstPeriodLabel, 1, 1);
    grid->addWidget(m_firstPeriodEdit, 1, 2, Qt::AlignLeft);
    grid->addWidget(secondCaption, 2, 0);
    grid->addWidget(m_secondPeriodLabel, 2, 1);
    grid->addWidget(m_secondPeriodEdit, 2, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    applyComparison();
    connect(m_comparisonBox, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonChanged);
    const auto customChanged = [this] {
        m_comparison = {m_firstPeriodEdit->range(), m_secondPeriodEdit->range()};
        m_upToDate[int(Kind::YearOverYear)] = false;
        runIfStale();
    };
    connect(m_firstPeriodEdit, &DateRangeEdit::rangeChanged, this, customChanged);
    connect(m_secondPeriodEdit, &DateRangeEdit::rangeChanged, this, customChanged);
    connect(m_firstPeriodEdit, &DateRangeEdit::readabilityChanged, this, &ReportsScreen::markOutdatedResults);
    connect(m_secondPeriodEdit, &DateRangeEdit::readabilityChanged, this, &ReportsScreen::markOutdatedResults);
    setTabOrder(m_comparisonBox, m_firstPeriodEdit->fromField());
    setTabOrder(m_firstPeriodEdit->fromField(), m_firstPeriodEdit->toField());
    setTabOrder(m_firstPeriodEdit->toField(), m_secondPeriodEdit->fromField());
    setTabOrder(m_secondPeriodEdit->fromField(), m_secondPeriodEdit->toField());
    return controls;
}

QTableView* ReportsScreen::buildTable(ReportTableModel* model)
{
    auto* table = new QTableView;
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setShowGrid(false);
    table->setWordWrap(false);
    // Tab leaves the table rather than walk its cells.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    // Fixed row heights keep a report of a whole ledger quick to show.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    m_views << table;
    return table;
}

void ReportsScreen::sizeToFont()
{
    // The report list keeps every name whole, each with room around it.
    const QFontMetrics listMetrics(m_reportList->font());
    int listWidth = 0;
    for (int row = 0; row < m_reportList->count(); ++row)
        listWidth = qMax(listWidth, listMetrics.horizontalAdvance(m_reportList->item(row)->text()));
    for (int row = 0; row < m_reportList->count(); ++row)
        m_reportList->item(row)->setSizeHint(QSize(listWidth, listMetrics.height() * 2));
    m_reportList->setFixedWidth(listWidth + 4 * listMetrics.averageCharWidth() + 2 * m_reportList->frameWidth());

    for (int i = 0; i < m_views.size(); ++i)
        sizeColumns(i);
}

void ReportsScreen::sizeColumns(int index)
{
    // Widths from the font, never from the rows: a report of a whole ledger
    // is not measured row by row, and a larger font scale keeps amounts whole.
    QTableView* table = m_views.at(index);
    m_sizedColumnCounts[index] = m_models.at(index)->columnCount();
    const QFontMetrics metrics(table->font());
    table->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    // Text columns share the spare width but keep a few letters each.
    const int textWidth = 8 * metrics.averageCharWidth();
    header->setMinimumSectionSize(textWidth);
    const int padding = 3 * metrics.averageCharWidth();
    int minimum = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    const QList<ReportTableModel::Column>& columns = m_models.at(index)->columns();
    for (int column = 0; column < columns.size(); ++column) {
        QString sample;
        switch (columns.at(column).format) {
        case ReportTableModel::Format::Money:
            sample = QStringLiteral("-$0,000,000.00");
            break;
        case ReportTableModel::Format::Count:
            sample = QStringLiteral("00000");
            break;
        case ReportTableModel::Format::Date:
            sample = DateField::toText(QDate(2000, 12, 31));
            break;
        case ReportTableModel::Format::CurrencyCode:
            sample = QStringLiteral("MMM");
            break;
        case ReportTableModel::Format::Text:
            header->setSectionResizeMode(column, QHeaderView::Stretch);
            minimum += textWidth;
            continue;
        }
        const int width =
            qMax(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(columns.at(column).header)) + padding;
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, width);
        minimum += width;
    }
    // A narrow window stops where every column still shows, rather than
    // push the amounts out of sight.
    table->setMinimumWidth(minimum);
}

void ReportsScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && m_reportList)
        sizeToFont();
    QWidget::changeEvent(event);
}

void ReportsScreen::hideEvent(QHideEvent* event)
{
    // Hidden, it reads nothing: refresh() catches up before it shows again.
    m_changeTimer.stop();
    m_runner->stop();
    QWidget::hideEvent(event);
}

ReportsScreen::Kind ReportsScreen::currentKind() const
{
    return ReportRunner::kinds().value(m_reportList->currentRow(), Kind::CategorySpending);
}

void ReportsScreen::showReport(Kind kind)
{
    m_reportList->setCurrentRow(int(ReportRunner::kinds().indexOf(kind)));
}

void ReportsScreen::refresh()
{
    m_changeTimer.stop();
    {
        // One run below for whatever moved.
        const QSignalBlocker blockAccounts(m_accountPicker);
        const QSignalBlocker blockPeriod(m_periodPicker);
        m_accountPicker->reload();
        m_periodPicker->refreshForToday();
    }
    applyComparison();
    runReport();
}

void ReportsScreen::runReport()
{
    markAllStale();
    runIfStale();
}

void ReportsScreen::markAllStale()
{
    for (bool& upToDate : m_upToDate)
        upToDate = false;
}

void ReportsScreen::runIfStale()
{
    const Kind kind = currentKind();
    if (m_upToDate.at(int(kind)))
        return;
    m_problemLabel->hide();
    // Up to date once filled: a fill cut short by another run, or by the
    // window hiding, runs again when its report shows.
    m_shownFilters[int(kind)] = filter();
    m_runner->run(kind, filter(), model(kind));
    updateExportButton();
}

void ReportsScreen::onFilterChanged()
{
    runReport();
}

void ReportsScreen::onReportChanged()
{
    showCurrentPage();
    runIfStale();
    updateExportButton();
}

void ReportsScreen::showCurrentPage()
{
    const Kind kind = currentKind();
    m_pages->setCurrentIndex(int(ReportRunner::kinds().indexOf(kind)));
    // Filters a report does not follow are not offered while it shows.
    const bool byAccount = kind != Kind::TaxReport && kind != Kind::AccountSummary;
    const bool byPeriod = kind != Kind::YearOverYear && kind != Kind::AccountSummary;
    for (QWidget* widget : std::as_const(m_accountFilter))
        widget->setEnabled(byAccount);
    for (QWidget* widget : std::as_const(m_periodFilter))
        widget->setEnabled(byPeriod);
    markOutdatedResults();
}

void ReportsScreen::onComparisonChanged()
{
    const bool moved = applyComparison();
    markOutdatedResults();
    if (!moved)
        return;
    m_upToDate[int(Kind::YearOverYear)] = false;
    if (currentKind() == Kind::YearOverYear)
        runIfStale();
}

bool ReportsScreen::applyComparison()
{
    const auto kind = ReportComparison::Kind(m_comparisonBox->currentData().toInt());
    const bool custom = kind == ReportComparison::Kind::Custom;
    m_firstPeriodEdit->setVisible(custom);
    m_secondPeriodEdit->setVisible(custom);
    m_firstPeriodLabel->setVisible(!custom);
    m_secondPeriodLabel->setVisible(!custom);
    if (custom) {
        // The pair chosen before, ready to be changed.
        m_firstPeriodEdit->setRange(m_comparison.first);
        m_secondPeriodEdit->setRange(m_comparison.second);
        return false;
    }
    const ReportComparison comparison = ReportComparison::forKind(kind, QDate::currentDate());
    m_firstPeriodLabel->setText(comparison.first.text());
    m_secondPeriodLabel->setText(comparison.second.text());
    if (comparison == m_comparison)
        return false;
    m_comparison = comparison;
    return true;
}

void ReportsScreen::onDataChanged()
{
    if (isVisible())
        m_changeTimer.start();
}

void ReportsScreen::onFilled(Kind kind, bool complete)
{
    m_upToDate[int(kind)] = complete;
    // The currency column comes and goes with the currencies the report covers.
    const int index = int(ReportRunner::kinds().indexOf(kind));
    if (m_models.at(index)->columnCount() != m_sizedColumnCounts.at(index))
        sizeColumns(index);
    if (!complete && kind == currentKind())
        m_problemLabel->show();
    markOutdatedResults();
}

bool ReportsScreen::fieldsShowResults() const
{
    const Kind kind = currentKind();
    const ReportRunner::Filter& shown = m_shownFilters.at(int(kind));
    switch (kind) {
    case Kind::AccountSummary:
        return true;
    case Kind::YearOverYear:
        return m_firstPeriodEdit->isHidden()
            || (m_firstPeriodEdit->showsRange(shown.comparison.first)
                && m_secondPeriodEdit->showsRange(shown.comparison.second));
    default:
        return m_periodPicker->showsRange(shown.period);
    }
}

void ReportsScreen::markOutdatedResults()
{
    const bool outdated = !fieldsShowResults();
    m_outdatedLabel->setVisible(outdated);
    for (ReportTableModel* shown : std::as_const(m_models))
        shown->setOutdated(outdated && shown == model(currentKind()));
    updateExportButton();
}

void ReportsScreen::updateExportButton()
{
    // An empty report has nothing to save, one still filling would be saved
    // cut short, and outdated results under dates they are not for.
    m_exportButton->setEnabled(model(currentKind())->rowCount() > 0 && !m_runner->isFilling()
                               && !m_outdatedLabel->isVisibleTo(this));
}

ReportRunner::Filter ReportsScreen::filter() const
{
    return {m_accountPicker->accountId(), m_periodPicker->range(), m_comparison};
}

void ReportsScreen::exportShownReport()
{
    if (!m_exportButton->isEnabled())
        return;
    // Taken now: a change to the data while the user names the file runs
    // the report anew, and the file must hold what was shown when asked,
    // never the rows refilled so far.
    const QByteArray csv = shownReportCsv();
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), folder.filePath(ReportRunner::fileName(currentKind())), tr("CSV Files (*.csv)"));
    if (!path.isEmpty())
        writeCsv(path, csv);
}

bool ReportsScreen::exportTo(const QString& path)
{
    return writeCsv(path, shownReportCsv());
}

QByteArray ReportsScreen::shownReportCsv() const
{
    const ReportTableModel* shown = model(currentKind());
    return ReportService::toCsv(shown->headers(), shown->texts()).toUtf8();
}

bool ReportsScreen::writeCsv(const QString& path, const QByteArray& csv)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(csv) == csv.size()
        && file.commit();
    if (written)
        return true;
    qWarning().noquote() << "ReportsScreen: cannot write" << path << "-" << file.errorString();
    showPlainMessage(this, QMessageBox::Warning, tr("Export Failed"),
                     tr("The report could not be saved as \"%1\": %2. Nothing was written; choose another "
                        "place and try again.")
                         .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}
