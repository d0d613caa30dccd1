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
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
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

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    for (Kind kind : ReportRunner::kinds()) {
        auto* model = new ReportTableModel(ReportRunner::columns(kind), this);
        m_models << model;
        m_upToDate << false;
        QTableView* table = buildTable(model);
        if (kind != Kind::YearOverYear) {
            m_tabs->addTab(table, ReportRunner::title(kind));
            continue;
        }
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 8, 0, 0);
        pageLayout->setSpacing(8);
        pageLayout->addWidget(buildComparisonRow());
        pageLayout->addWidget(table, 1);
        m_tabs->addTab(page, ReportRunner::title(kind));
    }

    m_problemLabel = new QLabel(
        tr("Not every transaction could be read, so this list is incomplete. Choose the period again to retry."));
    m_problemLabel->setObjectName(QStringLiteral("problemLabel"));
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setStyleSheet(textColorStyleSheet(warningColor()));
    m_problemLabel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);
    layout->addWidget(heading);
    layout->addSpacing(12);
    layout->addWidget(buildFilterRow());
    layout->addSpacing(8);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_problemLabel);
    sizeTables();

    // Escape closes it, as it would a dialog: there is nothing here to lose.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(m_runner, &ReportRunner::filled, this, &ReportsScreen::onFilled);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        runIfStale();
        updateExportButton();
    });
    connect(m_accountPicker, &AccountPicker::accountChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodPicker, &DateRangePicker::rangeChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);

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
        for (ReportTableModel* model : std::as_const(m_models))
            model->refreshColors();
    });
    updateExportButton();
}

ReportsScreen::~ReportsScreen() = default;

QWidget* ReportsScreen::buildFilterRow()
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

    m_exportButton = new QPushButton(tr("E&xport CSV..."));
    m_exportButton->setObjectName(QStringLiteral("exportButton"));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(accountCaption);
    layout->addWidget(m_accountPicker);
    layout->addSpacing(12);
    layout->addWidget(periodCaption);
    layout->addWidget(m_periodPicker);
    layout->addStretch();
    layout->addWidget(m_exportButton);
    return row;
}

QWidget* ReportsScreen::buildComparisonRow()
{
    m_comparisonBox = new QComboBox;
    m_comparisonBox->setObjectName(QStringLiteral("comparisonBox"));
    for (ReportComparison::Kind kind : ReportComparison::kinds())
        m_comparisonBox->addItem(ReportComparison::label(kind), int(kind));
    auto* caption = new QLabel(tr("Co&mpare:"));
    caption->setBuddy(m_comparisonBox);

    m_comparisonLabel = new QLabel;
    m_comparisonLabel->setObjectName(QStringLiteral("comparisonRangeLabel"));
    m_comparisonLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));

    m_firstPeriodEdit = new DateRangeEdit;
    m_firstPeriodEdit->setObjectName(QStringLiteral("firstPeriodEdit"));
    m_secondPeriodEdit = new DateRangeEdit;
    m_secondPeriodEdit->setObjectName(QStringLiteral("secondPeriodEdit"));
    auto* firstCaption = new QLabel(tr("P&1:"));
    firstCaption->setBuddy(m_firstPeriodEdit->fromField()->focusProxy());
    auto* secondCaption = new QLabel(tr("P&2:"));
    secondCaption->setBuddy(m_secondPeriodEdit->fromField()->focusProxy());
    m_customComparison = new QWidget;
    auto* customLayout = new QHBoxLayout(m_customComparison);
    customLayout->setContentsMargins(0, 0, 0, 0);
    customLayout->setSpacing(8);
    customLayout->addWidget(firstCaption);
    customLayout->addWidget(m_firstPeriodEdit);
    customLayout->addSpacing(12);
    customLayout->addWidget(secondCaption);
    customLayout->addWidget(m_secondPeriodEdit);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(caption);
    layout->addWidget(m_comparisonBox);
    layout->addSpacing(12);
    layout->addWidget(m_comparisonLabel);
    layout->addWidget(m_customComparison);
    layout->addStretch();

    onComparisonChanged();
    connect(m_comparisonBox, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonChanged);
    const auto customChanged = [this] {
        m_comparison = {m_firstPeriodEdit->range(), m_secondPeriodEdit->range()};
        m_upToDate[int(Kind::YearOverYear)] = false;
        runIfStale();
    };
    connect(m_firstPeriodEdit, &DateRangeEdit::rangeChanged, this, customChanged);
    connect(m_secondPeriodEdit, &DateRangeEdit::rangeChanged, this, customChanged);
    return row;
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

void ReportsScreen::sizeTables()
{
    // Widths from the font, never from the rows: a report of a whole ledger
    // is not measured row by row, and a larger font scale keeps amounts whole.
    for (int i = 0; i < m_views.size(); ++i) {
        QTableView* table = m_views.at(i);
        const QFontMetrics metrics(table->font());
        table->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
        QHeaderView* header = table->horizontalHeader();
        header->setStretchLastSection(false);
        const int padding = 3 * metrics.averageCharWidth();
        const QList<ReportTableModel::Column>& columns = m_models.at(i)->columns();
        for (int column = 0; column < columns.size(); ++column) {
            QString sample;
            switch (columns.at(column).format) {
            case ReportTableModel::Format::Money:
                sample = QStringLiteral("-$00,000,000.00");
                break;
            case ReportTableModel::Format::Count:
                sample = QStringLiteral("000000");
                break;
            case ReportTableModel::Format::Date:
                sample = DateField::toText(QDate(2000, 12, 31));
                break;
            case ReportTableModel::Format::Text:
                header->setSectionResizeMode(column, QHeaderView::Stretch);
                continue;
            }
            header->setSectionResizeMode(column, QHeaderView::Interactive);
            header->resizeSection(column, qMax(metrics.horizontalAdvance(sample),
                                               metrics.horizontalAdvance(columns.at(column).header))
                                              + padding);
        }
    }
}

void ReportsScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !m_views.isEmpty())
        sizeTables();
    QWidget::changeEvent(event);
}

void ReportsScreen::hideEvent(QHideEvent* event)
{
    // Hidden, it reads nothing: refresh() catches up before it shows again.
    m_changeTimer.stop();
    if (m_runner->isFilling()) {
        m_runner->stop();
        m_upToDate[int(currentKind())] = false;
    }
    QWidget::hideEvent(event);
}

ReportsScreen::Kind ReportsScreen::currentKind() const
{
    return ReportRunner::kinds().value(m_tabs->currentIndex(), Kind::CategorySpending);
}

void ReportsScreen::showReport(Kind kind)
{
    m_tabs->setCurrentIndex(int(ReportRunner::kinds().indexOf(kind)));
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
    if (ReportComparison::Kind(m_comparisonBox->currentData().toInt()) != ReportComparison::Kind::Custom) {
        const QSignalBlocker blockComparison(m_comparisonBox);
        onComparisonChanged();
    }
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
    m_upToDate[int(kind)] = true;
    m_runner->run(kind, filter(), model(kind));
    updateExportButton();
}

void ReportsScreen::onFilterChanged()
{
    runReport();
}

void ReportsScreen::onComparisonChanged()
{
    const auto kind = ReportComparison::Kind(m_comparisonBox->currentData().toInt());
    const bool custom = kind == ReportComparison::Kind::Custom;
    m_customComparison->setVisible(custom);
    m_comparisonLabel->setVisible(!custom);
    if (custom) {
        // The pair chosen before, ready to be changed.
        m_firstPeriodEdit->setRange(m_comparison.first);
        m_secondPeriodEdit->setRange(m_comparison.second);
        return;
    }
    const ReportComparison comparison = ReportComparison::forKind(kind, QDate::currentDate());
    m_comparisonLabel->setText(comparison.text());
    if (comparison == m_comparison)
        return;
    m_comparison = comparison;
    m_upToDate[int(Kind::YearOverYear)] = false;
    if (currentKind() == Kind::YearOverYear)
        runIfStale();
}

void ReportsScreen::onDataChanged()
{
    if (isVisible())
        m_changeTimer.start();
}

void ReportsScreen::onFilled(Kind kind, bool complete)
{
    if (!complete && kind == currentKind())
        m_problemLabel->show();
    updateExportButton();
}

void ReportsScreen::updateExportButton()
{
    // An empty report has nothing to save, and one still filling would be
    // saved cut short.
    m_exportButton->setEnabled(model(currentKind())->rowCount() > 0 && !m_runner->isFilling());
}

ReportRunner::Filter ReportsScreen::filter() const
{
    return {m_accountPicker->accountId(), m_periodPicker->range(), m_comparison};
}

void ReportsScreen::exportCurrentTab()
{
    if (!m_exportButton->isEnabled())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export CSV"), QDir(folder).filePath(ReportRunner::fileName(currentKind())),
                                     tr("CSV Files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

bool ReportsScreen::exportTo(const QString& path)
{
    const ReportTableModel* shown = model(currentKind());
    const QByteArray csv = ReportService::toCsv(shown->headers(), shown->texts()).toUtf8();
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
