#include "screens/ImportScreen.h"

#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "import/ImportService.h"
#include "screens/AccountFormDialog.h"
#include "screens/CsvPreview.h"
#include "screens/QifAccountMapping.h"
#include "screens/WorkProgressDialog.h"
#include "storage/AccountRepository.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFormPage = 0;
constexpr int kSummaryPage = 1;
constexpr int kColumnComboMinimumWidth = 160;
constexpr int kColumnComboMinimumLength = 14;
// The header and this many rows of the file stay in sight at any font size.
constexpr int kPreviewMinimumRows = 5;
constexpr int kPreviewColumnMaximumLength = 30;
// Reading a few files takes less than a dialog needs to be read.
constexpr int kScanProgressDelayMs = 200;
constexpr int kImportProgressDelayMs = 500;

// The date forms offered, as Qt writes them; the first, empty, detects them.
struct DateFormatChoice
{
    const char* text;
    const char* format;
};
constexpr DateFormatChoice kDateFormats[] = {
    {QT_TRANSLATE_NOOP("ImportScreen", "Auto-detect"), ""},
    {"MM/dd/yyyy", "MM/dd/yyyy"},
    {"M/d/yyyy", "M/d/yyyy"},
    {"M/dd/yyyy", "M/dd/yyyy"},
    {"dd/MM/yyyy", "dd/MM/yyyy"},
    {"yyyy-MM-dd", "yyyy-MM-dd"},
    {"yyyyMMdd", "yyyyMMdd"},
    {"MM/dd/yy", "MM/dd/yy"},
    {QT_TRANSLATE_NOOP("ImportScreen", "Month D, YYYY (May 14, 2026)"), "MMMM d, yyyy"},
};

// What the summary says of each kind of record an import passed over, in
// this order, when there were any.
struct SkippedLine
{
    int ImportResult::*count;
    const char* text;
};
constexpr SkippedLine kSkippedLines[] = {
    {&ImportResult::duplicates, QT_TRANSLATE_N_NOOP("ImportScreen", "%n duplicate(s) skipped")},
    {&ImportResult::unparseable, QT_TRANSLATE_N_NOOP("ImportScreen", "%n record(s) skipped (unparseable)")},
    {&ImportResult::metadataSkipped, QT_TRANSLATE_N_NOOP("ImportScreen", "%n metadata record(s) skipped")},
    {&ImportResult::unmappedSkipped,
     QT_TRANSLATE_N_NOOP("ImportScreen", "%n record(s) skipped (unmapped source account)")},
};

// A column combo lists the columns of the first row; the chosen place in
// the list is kept when the file has one there, so the same file chosen
// again keeps the user's mapping (showPreview maps another file afresh).
void refillColumnCombo(QComboBox* combo, const QStringList& names, const QString& noneText)
{
    const int previous = combo->currentIndex();
    combo->clear();
    if (!noneText.isEmpty())
        combo->addItem(noneText, -1);
    for (qsizetype column = 0; column < names.size(); ++column)
        combo->addItem(names[column], int(column));
    if (previous >= 0 && previous < combo->count())
        combo->setCurrentIndex(previous);
}

// A name from the user's files, shown as written, never read as markup. It
// has the row's width to itself; one longer than that is cut, not let widen
// the window, and shown whole in its tool tip.
QLabel* sourceLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setText(name);
    label->setToolTip(name);
    label->setMinimumWidth(1);
    return label;
}

} // namespace

ImportScreen::ImportScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_accountEditor(new AccountEditor(appState, this))
{
    auto* title = new QLabel(tr("Import Transactions"));
    applyFontRoleAndWeight(title, FontRole::Title, QFont::Bold);

    m_pages = new QStackedWidget;
    m_pages->insertWidget(kFormPage, buildForm());
    m_pages->insertWidget(kSummaryPage, buildSummary());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(title);
    layout->addWidget(m_pages, 1);

    connect(m_csvButton, &QRadioButton::toggled, this, &ImportScreen::onFormatChanged);
    connect(appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &ImportScreen::reloadAccounts);
    onFormatChanged();
    reloadAccounts();
    sizeToFont();
}

ImportScreen::~ImportScreen() = default;

QWidget* ImportScreen::buildForm()
{
    m_csvButton = new QRadioButton(tr("CSV"));
    m_csvButton->setObjectName(QStringLiteral("csvButton"));
    m_csvButton->setChecked(true);
    m_qifButton = new QRadioButton(tr("QIF"));
    m_qifButton->setObjectName(QStringLiteral("qifButton"));
    auto* formats = new QButtonGroup(this);
    formats->addButton(m_csvButton);
    formats->addButton(m_qifButton);
    auto* formatRow = new QHBoxLayout;
    formatRow->setContentsMargins(0, 0, 0, 0);
    formatRow->addWidget(m_csvButton);
    formatRow->addWidget(m_qifButton);
    formatRow->addStretch();
    m_formatLabel = new QLabel(tr("&Format:"));
    m_formatLabel->setBuddy(m_csvButton);

    m_accountCombo = new QComboBox;
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    // Account names are the user's and can be long: the list shows them
    // whole, the box keeps to the window's width.
    m_accountCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_accountCombo->setMinimumContentsLength(20);
    m_accountLabel = new QLabel(tr("&Account:"));
    m_accountLabel->setBuddy(m_accountCombo);

    m_fileLabel = new QLabel;
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileLabel->setTextFormat(Qt::PlainText);
    // A long file name is shortened in the middle rather than widen the window.
    m_fileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_fileLabel->installEventFilter(this);
    m_browseButton = new QPushButton(tr("&Browse..."));
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    auto* fileRow = new QHBoxLayout;
    fileRow->setContentsMargins(0, 0, 0, 0);
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(m_browseButton);

    auto* form = new QFormLayout;
    form->addRow(m_formatLabel, formatRow);
    form->addRow(m_accountLabel, m_accountCombo);
    form->addRow(tr("File:"), fileRow);

    m_importButton = new QPushButton(tr("&Import"));
    m_importButton->setObjectName(QStringLiteral("importButton"));
    markAccentButton(m_importButton);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_importButton);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addWidget(buildCsvSection(), 1);
    layout->addWidget(buildQifSection(), 1);
    layout->addLayout(buttonRow);

    connect(m_browseButton, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_importButton, &QPushButton::clicked, this, &ImportScreen::runImport);

    // Tab walks the form as it reads; the QIF rows, made later, are put in
    // their place when they are made.
    setTabOrder(m_csvButton, m_qifButton);
    setTabOrder(m_qifButton, m_accountCombo);
    setTabOrder(m_accountCombo, m_browseButton);
    setTabOrder(m_browseButton, m_dateColumnCombo);
    setTabOrder(m_dateColumnCombo, m_payeeColumnCombo);
    setTabOrder(m_payeeColumnCombo, m_amountColumnCombo);
    setTabOrder(m_amountColumnCombo, m_memoColumnCombo);
    setTabOrder(m_memoColumnCombo, m_categoryColumnCombo);
    setTabOrder(m_categoryColumnCombo, m_dateFormatCombo);
    setTabOrder(m_dateFormatCombo, m_headerCheck);
    setTabOrder(m_headerCheck, m_previewTable);
    setTabOrder(m_previewTable, m_importButton);
    return page;
}

QWidget* ImportScreen::buildCsvSection()
{
    const auto columnCombo = [](const char* name) {
        auto* combo = new QComboBox;
        combo->setObjectName(QString::fromLatin1(name));
        // First-row texts can be long; the list shows them whole.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(kColumnComboMinimumLength);
        combo->setMinimumWidth(kColumnComboMinimumWidth);
        return combo;
    };
    m_dateColumnCombo = columnCombo("dateColumnCombo");
    m_payeeColumnCombo = columnCombo("payeeColumnCombo");
    m_amountColumnCombo = columnCombo("amountColumnCombo");
    m_memoColumnCombo = columnCombo("memoColumnCombo");
    m_memoColumnCombo->addItem(tr("(none)"), -1);
    m_categoryColumnCombo = columnCombo("categoryColumnCombo");
    m_categoryColumnCombo->addItem(tr("(none)"), -1);

    m_dateFormatCombo = columnCombo("dateFormatCombo");
    for (const DateFormatChoice& choice : kDateFormats)
        m_dateFormatCombo->addItem(tr(choice.text), QString::fromLatin1(choice.format));

    m_headerCheck = new QCheckBox(tr("First row is &header"));
    m_headerCheck->setObjectName(QStringLiteral("headerCheck"));
    m_headerCheck->setChecked(true);

    auto* heading = new QLabel(tr("CSV Column Mapping:"));
    applyFontRoleAndWeight(heading, FontRole::Body, QFont::Bold);
    m_choiceGrid = new QGridLayout;
    m_choiceGrid->setHorizontalSpacing(12);
    const auto addChoice = [this](const QString& text, QWidget* field) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        m_columnChoices.append({label, field});
    };
    addChoice(tr("&Date column:"), m_dateColumnCombo);
    addChoice(tr("&Payee column:"), m_payeeColumnCombo);
    addChoice(tr("A&mount column:"), m_amountColumnCombo);
    addChoice(tr("M&emo column:"), m_memoColumnCombo);
    addChoice(tr("&Category column:"), m_categoryColumnCombo);
    addChoice(tr("Date f&ormat:"), m_dateFormatCombo);
    arrangeColumnChoices(false);

    m_previewTable = new QTableWidget;
    m_previewTable->setObjectName(QStringLiteral("previewTable"));
    m_previewTable->setAccessibleName(tr("Preview"));
    m_previewTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The cells are walked with the arrows; Tab moves on to Import.
    m_previewTable->setTabKeyNavigation(false);
    m_previewTable->setWordWrap(false);

    // What the preview leaves out, said under it when it does.
    const auto cutNote = [](const QString& text, const char* name) {
        auto* label = new QLabel(text);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        label->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
        applyFontRole(label, FontRole::Caption);
        label->hide();
        return label;
    };
    m_previewCutLabel =
        cutNote(tr("Showing the first %n row(s) of the file.", nullptr, CsvPreview::kMaxRows), "previewCutLabel");
    m_previewColumnsCutLabel =
        cutNote(tr("Showing the first %n column(s) of the file; only these can be mapped.", nullptr,
                   CsvPreview::kMaxColumns),
                "previewColumnsCutLabel");

    m_csvSection = new QWidget;
    // Its width decides whether the column choices stand side by side, so
    // that side by side they do not keep the window from narrowing.
    m_csvSection->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_csvSection->installEventFilter(this);
    auto* layout = new QVBoxLayout(m_csvSection);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addLayout(m_choiceGrid);
    layout->addWidget(m_previewTable, 1);
    layout->addWidget(m_previewCutLabel);
    layout->addWidget(m_previewColumnsCutLabel);
    return m_csvSection;
}

QWidget* ImportScreen::buildQifSection()
{
    auto* heading = new QLabel(tr("QIF source accounts:"));
    applyFontRoleAndWeight(heading, FontRole::Body, QFont::Bold);
    auto* explanation = new QLabel(tr("Choose where each QIF source account should be imported. Accounts mapped "
                                      "across the selected files will have their transfers linked automatically."));
    explanation->setWordWrap(true);

    // An export of many accounts gives many rows: they scroll, the window
    // keeps its size.
    auto* rows = new QWidget;
    m_qifRowsLayout = new QFormLayout(rows);
    m_qifRowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));
    m_qifRowsLayout->setContentsMargins(0, 0, 0, 0);
    // Each name above its choice: names can be long, and the choices name
    // them again.
    m_qifRowsLayout->setRowWrapPolicy(QFormLayout::WrapAllRows);
    auto* scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes from choice to choice; the area follows the focus.
    scroll->setFocusPolicy(Qt::NoFocus);

    m_qifSection = new QWidget;
    m_qifSection->setObjectName(QStringLiteral("qifSection"));
    auto* layout = new QVBoxLayout(m_qifSection);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(explanation);
    layout->addWidget(scroll, 1);
    m_qifSection->hide();
    return m_qifSection;
}

QWidget* ImportScreen::buildSummary()
{
    m_summaryBox = new QPlainTextEdit;
    m_summaryBox->setObjectName(QStringLiteral("summaryBox"));
    m_summaryBox->setReadOnly(true);
    m_summaryBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_summaryBox->setTabChangesFocus(true);
    m_summaryBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    applyFontRole(m_summaryBox, FontRole::Body);

    m_doneButton = new QPushButton(tr("&Done"));
    m_doneButton->setObjectName(QStringLiteral("doneButton"));
    markAccentButton(m_doneButton);
    connect(m_doneButton, &QPushButton::clicked, this, [this] {
        Q_EMIT importCompleted();
        resetForm();
        window()->close();
    });

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_summaryBox, 1);
    layout->addWidget(m_doneButton, 0, Qt::AlignHCenter);
    return page;
}

void ImportScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && m_previewTable)
        sizeToFont();
    QWidget::changeEvent(event);
}

void ImportScreen::sizeToFont()
{
    // Rows as tall as the text needs, so that a preview shows as many as fit.
    const int rowHeight = m_previewTable->fontMetrics().height() + 8;
    m_previewTable->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_previewTable->setMinimumHeight(rowHeight * (kPreviewMinimumRows + 1) + 2 * m_previewTable->frameWidth());
    m_csvSection->setMinimumWidth(columnChoicesWidth(1));
    arrangeColumnChoices(m_csvSection->width() >= columnChoicesWidth(2));
}

int ImportScreen::columnChoicesWidth(int columns) const
{
    int labelWidth = 0;
    int fieldWidth = 0;
    for (const auto& [label, field] : m_columnChoices) {
        labelWidth = std::max(labelWidth, label->sizeHint().width());
        fieldWidth = std::max(fieldWidth, field->minimumSizeHint().width());
    }
    const int spacing = m_choiceGrid->horizontalSpacing();
    return columns * (labelWidth + spacing + fieldWidth) + (columns - 1) * spacing;
}

void ImportScreen::arrangeColumnChoices(bool sideBySide)
{
    if (sideBySide == m_choicesSideBySide && m_choiceGrid->count() > 0)
        return;
    m_choicesSideBySide = sideBySide;
    for (const auto& [label, field] : std::as_const(m_columnChoices)) {
        m_choiceGrid->removeWidget(label);
        m_choiceGrid->removeWidget(field);
    }
    m_choiceGrid->removeWidget(m_headerCheck);
    const int rows = sideBySide ? int(m_columnChoices.size() + 1) / 2 : int(m_columnChoices.size());
    for (int i = 0; i < m_columnChoices.size(); ++i) {
        const int column = (i / rows) * 2;
        m_choiceGrid->addWidget(m_columnChoices[i].first, i % rows, column);
        m_choiceGrid->addWidget(m_columnChoices[i].second, i % rows, column + 1);
    }
    m_choiceGrid->addWidget(m_headerCheck, rows, 1, 1, sideBySide ? 3 : 1);
    m_choiceGrid->setColumnStretch(1, 1);
    m_choiceGrid->setColumnStretch(3, sideBySide ? 1 : 0);
}

void ImportScreen::refresh(const QString& shownAccountId)
{
    resetForm();
    reloadAccounts();
    if (const int shown = m_accountCombo->findData(shownAccountId); shown >= 0)
        m_accountCombo->setCurrentIndex(shown);
}

void ImportScreen::resetForm()
{
    // Checking CSV clears the choice when QIF was checked; a CSV choice is
    // cleared here.
    m_csvButton->setChecked(true);
    clearChoice();
    m_summaryBox->clear();
    m_pages->setCurrentIndex(kFormPage);
}

void ImportScreen::onFormatChanged()
{
    const bool csv = m_csvButton->isChecked();
    m_csvSection->setVisible(csv);
    m_accountLabel->setVisible(csv);
    m_accountCombo->setVisible(csv);
    m_formatLabel->setBuddy(csv ? m_csvButton : m_qifButton);
    // QIF files cannot be imported as CSV, so going back to CSV drops them.
    // A CSV file stays chosen while QIF is looked at, with its preview and
    // mapping, until QIF files are chosen in its place.
    if (csv) {
        m_qifFilePaths.clear();
        removeQifMappingRows();
        m_qifSection->hide();
    }
    showChosenFiles();
    updateImportButton();
}

void ImportScreen::clearChoice()
{
    m_csvFilePath.clear();
    m_qifFilePaths.clear();
    showChosenFiles();
    m_previewTable->clear();
    m_previewTable->setRowCount(0);
    m_previewTable->setColumnCount(0);
    m_previewCutLabel->hide();
    m_previewColumnsCutLabel->hide();
    removeQifMappingRows();
    m_qifSection->hide();
    updateImportButton();
}

void ImportScreen::showChosenFiles()
{
    const QStringList paths =
        m_csvButton->isChecked() ? (m_csvFilePath.isEmpty() ? QStringList() : QStringList{m_csvFilePath})
                                 : m_qifFilePaths;
    QStringList nativePaths;
    for (const QString& path : paths)
        nativePaths << QDir::toNativeSeparators(path);
    if (paths.isEmpty())
        setFileText(tr("No file selected"), QString());
    else if (paths.size() == 1)
        setFileText(QFileInfo(paths.first()).fileName(), nativePaths.first());
    else
        setFileText(tr("%n file(s) selected", nullptr, int(paths.size())), nativePaths.join(u'\n'));
}

void ImportScreen::setFileText(const QString& text, const QString& toolTip)
{
    m_fileText = text;
    m_fileLabel->setToolTip(toolTip);
    m_fileLabel->setText(m_fileLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, m_fileLabel->width()));
}

bool ImportScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_csvSection && event->type() == QEvent::Resize)
        arrangeColumnChoices(m_csvSection->width() >= columnChoicesWidth(2));
    if (watched == m_fileLabel && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        m_fileLabel->setText(
            m_fileLabel->fontMetrics().elidedText(m_fileText, Qt::ElideMiddle, m_fileLabel->width()));
    return QWidget::eventFilter(watched, event);
}

void ImportScreen::updateImportButton()
{
    m_importButton->setEnabled(m_csvButton->isChecked() ? !m_csvFilePath.isEmpty() : !m_qifFilePaths.isEmpty());
}

void ImportScreen::selectFile()
{
    if (m_csvButton->isChecked()) {
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Select File"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
        if (!path.isEmpty())
            chooseCsvFile(path);
        return;
    }
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif)"));
    if (!paths.isEmpty())
        chooseQifFiles(paths);
}

void ImportScreen::chooseCsvFile(const QString& path)
{
    QString failure;
    const std::optional<CsvPreview> preview = CsvPreview::read(path, &failure);
    if (!preview) {
        showPlainMessage(this, QMessageBox::Warning, tr("File Not Read"),
                         tr("%1 cannot be imported.\n\n%2").arg(QFileInfo(path).fileName(), failure));
        return;
    }
    m_csvButton->setChecked(true);
    // Another file may order its columns otherwise; the same file chosen
    // again keeps the user's mapping.
    if (path != m_csvFilePath)
        m_lastColumnCount = -1;
    clearChoice();
    m_csvFilePath = path;
    showChosenFiles();
    showPreview(*preview);
    updateImportButton();
}

void ImportScreen::showPreview(const CsvPreview& preview)
{
    const QStringList names = preview.columnNames();
    refillColumnCombo(m_dateColumnCombo, names, QString());
    refillColumnCombo(m_payeeColumnCombo, names, QString());
    refillColumnCombo(m_amountColumnCombo, names, QString());
    refillColumnCombo(m_memoColumnCombo, names, tr("(none)"));
    refillColumnCombo(m_categoryColumnCombo, names, tr("(none)"));
    const int columns = preview.columnCount();
    if (columns != m_lastColumnCount) {
        // Another file (or this one with other columns now): a column kept
        // by its place would name whatever this file has there, so the
        // optional ones start at "(none)".
        if (columns >= 3) {
            m_dateColumnCombo->setCurrentIndex(0);
            m_payeeColumnCombo->setCurrentIndex(1);
            m_amountColumnCombo->setCurrentIndex(2);
        }
        m_memoColumnCombo->setCurrentIndex(0);
        m_categoryColumnCombo->setCurrentIndex(0);
    }
    m_lastColumnCount = columns;

    const QList<QStringList>& rows = preview.rows();
    m_previewTable->clear();
    m_previewTable->setColumnCount(columns);
    m_previewTable->setRowCount(int(rows.size()));
    QStringList headers;
    for (int column = 0; column < columns; ++column)
        headers << tr("Col %1").arg(column);
    m_previewTable->setHorizontalHeaderLabels(headers);
    // Numbered by line, so that a row the summary names is found here.
    QStringList lines;
    for (const qsizetype line : preview.lines())
        lines << QString::number(line);
    m_previewTable->setVerticalHeaderLabels(lines);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList& fields = rows[row];
        for (int column = 0; column < columns && column < fields.size(); ++column)
            m_previewTable->setItem(row, column, new QTableWidgetItem(fields[column]));
    }
    // Each column as wide as its texts, up to a width that leaves the
    // others in sight.
    m_previewTable->resizeColumnsToContents();
    const int widest = m_previewTable->fontMetrics().averageCharWidth() * kPreviewColumnMaximumLength;
    for (int column = 0; column < columns; ++column)
        m_previewTable->setColumnWidth(column, std::min(m_previewTable->columnWidth(column), widest));
    m_previewCutLabel->setVisible(preview.isCut());
    m_previewColumnsCutLabel->setVisible(preview.hasMoreColumns());
}

void ImportScreen::chooseQifFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QifScanResult scan;
    {
        WorkProgressDialog progress(tr("Analyzing QIF file(s)..."), Qt::ApplicationModal, kScanProgressDelayMs, this);
        scan = m_appState->importService()->scanQifFiles(paths);
        progress.finish();
    }
    // A set of files is imported whole or not at all.
    if (!scan.failures.isEmpty()) {
        showPlainMessage(this, QMessageBox::Warning, tr("File Not Read"),
                         tr("The chosen files cannot be imported.\n\n%1").arg(scan.failures.join(u'\n')));
        return;
    }
    if (scan.accounts.isEmpty()) {
        showPlainMessage(this, QMessageBox::Information, tr("Nothing to Import"),
                         tr("The chosen files hold no transactions."));
        return;
    }

    m_qifButton->setChecked(true);
    clearChoice();
    m_qifFilePaths = paths;
    showChosenFiles();
    buildQifMappingRows(scan.accounts);
    m_qifSection->show();
    updateImportButton();
}

void ImportScreen::buildQifMappingRows(const QList<QifSourceAccount>& sources)
{
    const QifAccountMapping mapping(m_appState->accountRepository()->listActive());
    QWidget* previous = m_previewTable;
    for (const QifSourceAccount& source : sources) {
        auto* combo = new QComboBox;
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(20);
        combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        combo->setAccessibleName(source.displayName);
        const QifMappingRow row{source, combo};
        fillQifCombo(row, mapping);
        combo->setCurrentIndex(mapping.preselected(source, m_keptNewAccounts.value(source.name)));
        m_qifRowsLayout->addRow(sourceLabel(source.displayName), combo);
        m_qifMappingRows.append(row);
        setTabOrder(previous, combo);
        previous = combo;
    }
    setTabOrder(previous, m_importButton);
}

void ImportScreen::fillQifCombo(const QifMappingRow& row, const QifAccountMapping& mapping)
{
    // Filled before the combo shows it: an item added to a combo restarts
    // its list's layout timer, and with a timer for each of many rows
    // every restart would go through all of them.
    auto* model = new QStandardItemModel(row.combo);
    for (const QifAccountMapping::Choice& choice : mapping.choices(row.source)) {
        auto* item = new QStandardItem(choice.text);
        item->setData(choice.value, Qt::UserRole);
        model->appendRow(item);
    }
    // The combo deletes the model it had.
    row.combo->setModel(model);
}

void ImportScreen::removeQifMappingRows()
{
    // From the last: each removal of the first would move all the others up.
    while (m_qifRowsLayout->rowCount() > 0)
        m_qifRowsLayout->removeRow(m_qifRowsLayout->rowCount() - 1);
    m_qifMappingRows.clear();
}

void ImportScreen::reloadAccounts()
{
    const QList<Account> accounts = m_appState->accountRepository()->listActive();
    const QString target = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    for (const Account& account : accounts)
        m_accountCombo->addItem(account.name, account.id);
    m_accountCombo->setCurrentIndex(qMax(m_accountCombo->findData(target), 0));

    const QifAccountMapping mapping(accounts);
    for (const QifMappingRow& row : std::as_const(m_qifMappingRows)) {
        const QString chosen = row.combo->currentData().toString();
        fillQifCombo(row, mapping);
        const int index = mapping.indexOf(chosen);
        row.combo->setCurrentIndex(index >= 0 ? index
                                              : mapping.preselected(row.source, m_keptNewAccounts.value(row.source.name)));
    }
}

CsvColumnMapping ImportScreen::csvMapping() const
{
    CsvColumnMapping mapping;
    mapping.dateColumn = m_dateColumnCombo->currentData().toInt();
    mapping.payeeColumn = m_payeeColumnCombo->currentData().toInt();
    mapping.amountColumn = m_amountColumnCombo->currentData().toInt();
    mapping.memoColumn = m_memoColumnCombo->currentData().toInt();
    mapping.categoryColumn = m_categoryColumnCombo->currentData().toInt();
    mapping.hasHeader = m_headerCheck->isChecked();
    mapping.dateFormat = m_dateFormatCombo->currentData().toString();
    return mapping;
}

void ImportScreen::runImport()
{
    if (m_importing)
        return;
    ImportResult result;
    QStringList keptAccounts;
    if (m_csvButton->isChecked()) {
        if (m_csvFilePath.isEmpty())
            return;
        QStringList made;
        const QString target = csvTargetAccount(&made);
        if (target.isEmpty())
            return;
        const CsvColumnMapping mapping = csvMapping();
        result = runWithProgress(
            [&] { return m_appState->importService()->importCsv(m_csvFilePath, target, mapping); });
        // The account made for it stays, and is still the one chosen.
        if (result.failed)
            keptAccounts = made;
    } else {
        if (m_qifFilePaths.isEmpty())
            return;
        QList<Account> created;
        const std::optional<QHash<QString, QString>> accountMap = qifAccountMap(&created);
        if (!accountMap)
            return;
        result = runWithProgress([&] { return m_appState->importService()->importQif(m_qifFilePaths, *accountMap); });
        if (result.failed) {
            keepForRetry(*accountMap, created);
            for (const Account& account : std::as_const(created))
                keptAccounts << account.name;
        } else {
            m_keptNewAccounts.clear();
        }
    }
    m_summaryBox->setPlainText(summaryText(result, keptAccounts));
    m_pages->setCurrentIndex(kSummaryPage);
    m_doneButton->setFocus();
}

QString ImportScreen::csvTargetAccount(QStringList* made)
{
    const QString chosen = m_accountCombo->currentData().toString();
    if (!chosen.isEmpty())
        return chosen;
    if (!askPlainQuestion(this, tr("No target account"), tr("Pick an account to import into, or create one now."),
                          QMessageBox::Yes))
        return {};
    AccountFormDialog form(this);
    if (form.exec() != QDialog::Accepted)
        return {};
    const Account account = form.account();
    if (account.name.isEmpty())
        return {};
    if (!m_accountEditor->createAccountWithOpeningBalance(account, form.asOfDate())) {
        showPlainMessage(this, QMessageBox::Warning, tr("Account Not Saved"),
                         tr("The account \"%1\" could not be saved; nothing was imported.").arg(account.name));
        return {};
    }
    m_accountCombo->setCurrentIndex(qMax(m_accountCombo->findData(account.id), 0));
    made->append(account.name);
    return account.id;
}

std::optional<QHash<QString, QString>> ImportScreen::qifAccountMap(QList<Account>* created)
{
    QHash<QString, QString> accountMap;
    for (const QifMappingRow& row : std::as_const(m_qifMappingRows)) {
        const QString chosen = row.combo->currentData().toString();
        if (chosen == QifAccountMapping::kSkip) {
            accountMap.insert(row.source.name, QString());
        } else if (chosen == QifAccountMapping::kCreate) {
            created->append(QifAccountMapping::newAccount(row.source));
            accountMap.insert(row.source.name, created->last().id);
        } else {
            accountMap.insert(row.source.name, chosen);
        }
    }
    // The new accounts are stored before the import's own transaction
    // begins, all of them or none: an import into half of them would count
    // the rest as skipped.
    if (!created->isEmpty() && !m_accountEditor->createAccounts(*created)) {
        QStringList names;
        for (const Account& account : std::as_const(*created))
            names << account.name;
        showPlainMessage(this, QMessageBox::Warning, tr("Accounts Not Saved"),
                         tr("The new accounts could not be saved; nothing was imported.\n\n%1")
                             .arg(names.join(u'\n')));
        return std::nullopt;
    }
    return accountMap;
}

void ImportScreen::keepForRetry(const QHash<QString, QString>& accountMap, const QList<Account>& created)
{
    QSet<QString> createdIds;
    createdIds.reserve(created.size());
    for (const Account& account : created)
        createdIds.insert(account.id);
    for (auto it = accountMap.cbegin(); it != accountMap.cend(); ++it) {
        if (createdIds.contains(it.value()))
            m_keptNewAccounts.insert(it.key(), it.value());
    }
}

ImportResult ImportScreen::runWithProgress(const std::function<ImportResult()>& run)
{
    // Application-modal: this window has no parent, and the main window's
    // register must take no edit while the import's transaction is open.
    WorkProgressDialog progress(tr("Importing..."), Qt::ApplicationModal, kImportProgressDelayMs, this);
    ImportService* service = m_appState->importService();
    connect(service, &ImportService::importStarted, &progress,
            [&progress](int total) { progress.setProgress(0, total); });
    connect(service, &ImportService::importProgress, &progress, &WorkProgressDialog::setProgress);
    m_importing = true;
    const ImportResult result = run();
    m_importing = false;
    progress.finish();
    return result;
}

QString ImportScreen::summaryText(const ImportResult& result, const QStringList& keptAccounts)
{
    QStringList lines;
    if (result.failed) {
        lines << tr("Import failed.") << QString();
        lines << (result.failure.isEmpty()
                      ? tr("A database error stopped the import and all changes were rolled back.")
                      : result.failure);
        lines << tr("No transactions were added.");
        if (!keptAccounts.isEmpty()) {
            const int n = int(keptAccounts.size());
            lines << QString();
            lines << tr("%n new account(s) made for this import are kept for importing these files again:", nullptr, n);
            for (const QString& name : keptAccounts)
                lines << QStringLiteral("  ") + name;
        }
        return lines.join(u'\n');
    }
    lines << tr("Import complete!") << QString();
    lines << tr("%n transaction(s) imported", nullptr, result.imported);
    if (result.transfersLinked > 0) {
        lines << tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked);
        if (result.retroactiveLinked > 0)
            lines << tr("  (including %n linked to previously imported row(s))", nullptr, result.retroactiveLinked);
    }
    if (result.splitRemaindersAdded > 0)
        lines << tr("%n split transaction(s) given an uncategorized line so their lines add up to the total",
                    nullptr, result.splitRemaindersAdded);
    for (const SkippedLine& skipped : kSkippedLines) {
        if (const int count = result.*skipped.count; count > 0)
            lines << tr(skipped.text, nullptr, count);
    }
    // 03/04/2024 is March or April as the file's dates decided: the user can
    // tell at a glance whether that was right.
    if (result.guessedDateOrder)
        lines << (*result.guessedDateOrder == DateOrder::DayFirst ? tr("Dates read as day/month/year")
                                                                 : tr("Dates read as month/day/year"));
    for (const QString& note : result.notes)
        lines << note;
    if (result.recordNotesLeftOut > 0)
        lines << tr("And %n more record(s) not imported for these reasons.", nullptr, result.recordNotesLeftOut);
    return lines.join(u'\n');
}

void ImportScreen::keyPressEvent(QKeyEvent* event)
{
    // Return presses the focused button, else the page's own from anywhere
    // in it, as a dialog's default button; Escape closes the window, as it
    // would a dialog.
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
        if (!button)
            button = m_pages->currentIndex() == kFormPage ? m_importButton : m_doneButton;
        if (button->isEnabled())
            button->animateClick();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
