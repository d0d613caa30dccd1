#include "screens/ReconciliationScreen.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "register/DateField.h"
#include "register/RegisterItemDelegate.h"
#include "register/SmartAmountField.h"
#include "register/TransactionActions.h"
#include "screens/ReconciliationModel.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/TransactionRepository.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The summary panel's width at the default font; larger fonts widen it to
// what its texts need.
constexpr int kSummaryPanelWidth = 310;
constexpr int kTickColumnWidth = 30;
// Enough of a payee to tell the rows apart when the window is narrow.
constexpr int kPayeeMinimumChars = 18;

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_reconciler(appState)
    , m_actions(new TransactionActions(appState, this))
    , m_model(new ReconciliationModel(appState->transactionRepository(), this))
{
    QWidget* summary = buildSummaryPanel();
    QWidget* transactions = buildTransactionPanel();

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(summary);
    splitter->addWidget(transactions);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({qMax(kSummaryPanelWidth, summary->minimumSizeHint().width()), 1000});

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    // A user entering a statement goes from its date and balance to the
    // transactions on it, then finishes.
    setTabOrder(m_dateField, m_balanceField);
    setTabOrder(m_balanceField, m_view);
    setTabOrder(m_view, m_addButton);
    setTabOrder(m_addButton, m_editButton);
    setTabOrder(m_editButton, m_deleteButton);
    setTabOrder(m_deleteButton, m_finishButton);
    setTabOrder(m_finishButton, m_cancelButton);
    m_balanceField->setFocus();

    addShortcuts({QKeySequence(QKeySequence::New), QKeySequence(Qt::Key_Insert)},
                 &ReconciliationScreen::addTransaction);
    addShortcuts({QKeySequence(Qt::Key_F2)}, &ReconciliationScreen::editSelectedTransaction);
    addShortcuts({QKeySequence(Qt::Key_Escape)}, &ReconciliationScreen::cancelled);
    addShortcuts({QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Delete)},
                 &ReconciliationScreen::deleteSelectedTransaction);
    m_view->installEventFilter(this);

    // On every keystroke, so that Finish goes off while the balance is half typed.
    connect(m_balanceField, &SmartAmountField::textChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_model, &ReconciliationModel::ticksChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_model, &ReconciliationModel::modelReset, this, &ReconciliationScreen::updateDifference);
    connect(m_actions, &TransactionActions::failed, this,
            [this](const QString& message) { warn(tr("Transaction Not Saved"), message); });
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(m_cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    connect(m_addButton, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(m_editButton, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(m_deleteButton, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // The tick column is for ticking; a double click there opens no form.
        if (index.column() != ReconciliationModel::TickColumn)
            editSelectedTransaction();
    });
    connect(appState->themeManager(), &ThemeManager::themeChanged, this, &ReconciliationScreen::applyThemeColors);

    // The register stays usable while this window is open, and a sync pass
    // may write too: the figures follow, once per burst of changes.
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ReconciliationScreen::refresh);
    connect(appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [this](const QString& accountId) {
                if (accountId.isEmpty() || accountId == m_accountId)
                    m_refreshTimer.start();
            });
    // The previous balance starts from the account's starting balance.
    connect(appState->accountRepository(), &AccountRepository::accountsChanged, &m_refreshTimer,
            qOverload<>(&QTimer::start));
}

ReconciliationScreen::~ReconciliationScreen() = default;

QWidget* ReconciliationScreen::buildSummaryPanel()
{
    auto* heading = new QLabel(tr("Reconcile Account"));
    applyFontRoleAndWeight(heading, FontRole::Subtitle, QFont::Bold);

    m_dateField = new DateField;
    m_dateField->setObjectName(QStringLiteral("statementDateField"));
    auto* dateCaption = new QLabel(tr("Statement Da&te:"));
    // The field's own line edit: a label's mnemonic skips a buddy that takes
    // no focus itself, proxy or not.
    dateCaption->setBuddy(m_dateField->focusProxy());

    m_balanceField = new SmartAmountField;
    m_balanceField->setObjectName(QStringLiteral("statementBalanceField"));
    m_balanceField->setPrefix(currencySymbol(Currency::USD) + u' ');
    m_balanceField->setRange(-double(kMaxAmountMinorUnits) / 100, double(kMaxAmountMinorUnits) / 100);
    auto* balanceCaption = new QLabel(tr("Statement &Balance:"));
    balanceCaption->setBuddy(m_balanceField);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    const auto separator = [grid](int row) {
        auto* line = new QFrame;
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        grid->addWidget(line, row, 0, 1, 2);
    };
    m_previousLabel = addSummaryRow(grid, 0, tr("Previous Balance"), true);
    m_depositsLabel = addSummaryRow(grid, 1, tr("Cleared Deposits"), false);
    m_withdrawalsLabel = addSummaryRow(grid, 2, tr("Cleared Withdrawals"), false);
    separator(3);
    m_clearedLabel = addSummaryRow(grid, 4, tr("Cleared Balance"), false);
    m_statementLabel = addSummaryRow(grid, 5, tr("Statement Balance"), true);
    separator(6);
    m_differenceLabel = addSummaryRow(grid, 7, tr("Difference"), false);
    applyFontRoleAndWeight(m_differenceLabel, FontRole::Mono, QFont::Bold);
    applyFontRoleAndWeight(grid->itemAtPosition(7, 0)->widget(), FontRole::Body, QFont::Bold);

    m_finishButton = new QPushButton(tr("&Finish Reconciliation"));
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    m_cancelButton = new QPushButton(tr("&Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(heading);
    layout->addSpacing(16);
    layout->addWidget(dateCaption);
    layout->addWidget(m_dateField);
    layout->addSpacing(8);
    layout->addWidget(balanceCaption);
    layout->addWidget(m_balanceField);
    layout->addSpacing(16);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_finishButton);
    layout->addWidget(m_cancelButton);
    return panel;
}

QLabel* ReconciliationScreen::addSummaryRow(QGridLayout* grid, int row, const QString& caption, bool muted)
{
    auto* captionLabel = new QLabel(caption);
    auto* value = new QLabel;
    applyFontRole(value, FontRole::Mono);
    if (muted) {
        captionLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
        value->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
    }
    grid->addWidget(captionLabel, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(value, row, 1, Qt::AlignRight | Qt::AlignVCenter);
    return value;
}

QWidget* ReconciliationScreen::buildTransactionPanel()
{
    m_addButton = new QPushButton(tr("&Add Transaction"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setToolTip(
        tr("Add a transaction (%1)").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)));
    m_editButton = new QPushButton(tr("&Edit"));
    m_editButton->setObjectName(QStringLiteral("editButton"));
    m_editButton->setToolTip(tr("Edit selected transaction (F2)"));
    m_deleteButton = new QPushButton(tr("&Delete"));
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_deleteButton->setToolTip(tr("Delete selected transaction (Del)"));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 4);
    buttons->setSpacing(8);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_deleteButton);
    buttons->addStretch();

    m_view = new QTableView;
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    // Tab leaves the table for the buttons instead of walking its cells.
    m_view->setTabKeyNavigation(false);
    // Fixed row heights keep thousands of unreconciled rows quick.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setHighlightSections(false);
    // As in the register: a payee cut off by a narrow window shows in full
    // as a tooltip, and an amount too wide for its column keeps its cents.
    m_view->setItemDelegate(new RegisterItemDelegate(Qt::ElideRight, m_view));
    m_view->setItemDelegateForColumn(ReconciliationModel::AmountColumn,
                                     new RegisterItemDelegate(Qt::ElideLeft, m_view));
    sizeColumns();

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    return panel;
}

void ReconciliationScreen::addShortcuts(const QList<QKeySequence>& keys, void (ReconciliationScreen::*slot)())
{
    // The platform's standard sequence is often the plain key itself (Delete
    // is Del here): two shortcuts on one key would both be ambiguous and
    // neither would fire.
    QList<QKeySequence> added;
    for (const QKeySequence& key : keys) {
        if (key.isEmpty() || added.contains(key))
            continue;
        added.append(key);
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    }
}

void ReconciliationScreen::sizeColumns()
{
    // Widths from the font, never from the rows, so a larger font scale
    // keeps dates and amounts whole without measuring thousands of rows.
    QHeaderView* header = m_view->horizontalHeader();
    header->setStretchLastSection(false);
    const QFontMetrics metrics(m_view->font());
    m_view->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
    const int padding = 3 * metrics.averageCharWidth();
    const auto fixedWidth = [&](int column, const QString& sample) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, metrics.horizontalAdvance(sample) + padding);
    };
    header->setSectionResizeMode(ReconciliationModel::TickColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::TickColumn, kTickColumnWidth);
    fixedWidth(ReconciliationModel::DateColumn, QStringLiteral("00/00/0000"));
    fixedWidth(ReconciliationModel::AmountColumn, QStringLiteral("-$0,000,000.00"));
    fixedWidth(ReconciliationModel::ClearedColumn, tr("Clr"));
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);

    // The table keeps room for the payees: a narrow window stops there
    // rather than squeeze them down to their first letters.
    int minimum = metrics.averageCharWidth() * kPayeeMinimumChars + m_view->verticalScrollBar()->sizeHint().width()
        + 2 * m_view->frameWidth();
    for (int column = 0; column < ReconciliationModel::ColumnCount; ++column) {
        if (column != ReconciliationModel::PayeeColumn)
            minimum += header->sectionSize(column);
    }
    m_view->setMinimumWidth(minimum);
}

void ReconciliationScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && m_view)
        sizeColumns();
    QWidget::changeEvent(event);
}

void ReconciliationScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    m_opening = m_reconciler.open(accountId);
    if (!m_opening) {
        updateDifference();
        return;
    }
    m_currency = m_opening->account.currency;
    // The store's own bound, so that no real balance is refused.
    const double bound = double(kMaxAmountMinorUnits / currencyScale(m_currency));
    m_balanceField->setCurrency(m_currency);
    m_balanceField->setRange(-bound, bound);
    m_balanceField->setPrefix(currencySymbol(m_currency) + u' ');
    if (m_opening->statementDate)
        m_dateField->setDate(*m_opening->statementDate);
    m_model->setAccount(accountId, m_currency);
}

void ReconciliationScreen::updateDifference()
{
    const QList<QLabel*> values{m_previousLabel, m_depositsLabel,  m_withdrawalsLabel,
                                m_clearedLabel,  m_statementLabel, m_differenceLabel};
    if (!m_opening) {
        for (QLabel* label : values)
            label->clear();
        m_finishButton->setEnabled(false);
        return;
    }
    const qint64 deposits = m_model->tickedDeposits();
    const qint64 withdrawals = m_model->tickedWithdrawals();
    const qint64 cleared = saturatingAdd(saturatingAdd(m_opening->previousBalance, deposits), withdrawals);
    const qint64 statement = m_balanceField->minorUnits();
    m_difference = saturatingAdd(statement, -cleared);

    const QList<qint64> amounts{m_opening->previousBalance, deposits, withdrawals, cleared, statement, m_difference};
    for (int i = 0; i < values.size(); ++i)
        values.at(i)->setText(formatMoney(amounts.at(i), m_currency));
    applyThemeColors();
    // A half-typed balance reads as the field's last value, not what shows.
    m_finishButton->setEnabled(!m_finished && m_difference == 0 && m_balanceField->hasAcceptableInput());
}

void ReconciliationScreen::applyThemeColors()
{
    if (m_opening)
        m_differenceLabel->setStyleSheet(
            textColorStyleSheet(m_difference == 0 ? positiveAmountColor() : negativeAmountColor()));
    m_model->refreshColors();
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        // Ctrl+C and the like keep their own meaning.
        const bool plain = !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && (key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R)) {
            // Consumed even without a current row, so that the letters never
            // start the table's search for a row.
            m_model->toggleTick(m_view->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReconciliationScreen::finish()
{
    if (!m_opening || !m_finishButton->isEnabled())
        return;
    // An unreadable date would otherwise be stored as the one shown before.
    if (!m_dateField->hasValidText()) {
        warn(tr("Invalid Date"), tr("Enter the statement date as month/day/year, for example 12/31/2026."));
        m_dateField->setFocus();
        return;
    }
    const std::optional<Reconciliation> record = m_reconciler.finish(
        *m_opening, m_dateField->date(), m_balanceField->minorUnits(), m_model->tickedTransactions());
    if (!record) {
        refresh();
        warn(tr("Reconciliation Not Saved"),
             tr("The reconciliation could not be saved, so nothing was changed. The transactions have been "
                "read again: check them and finish again."));
        return;
    }
    m_finished = true;
    m_finishButton->setEnabled(false);
    QMessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    Q_EMIT reconciliationCompleted();
}

void ReconciliationScreen::addTransaction()
{
    if (!m_opening)
        return;
    const QString added = m_actions->addTransaction(m_accountId);
    if (!added.isEmpty())
        reloadTransactions(added);
}

void ReconciliationScreen::editSelectedTransaction()
{
    const std::optional<Transaction> current = currentTransaction();
    if (current && m_actions->editTransaction(*current))
        reloadTransactions();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const std::optional<Transaction> current = currentTransaction();
    if (current && m_actions->deleteTransaction(*current))
        reloadTransactions();
}

void ReconciliationScreen::refresh()
{
    m_refreshTimer.stop();
    if (m_finished || !m_opening)
        return;
    // The statement's date and balance as typed stay; what the store holds
    // is read again.
    if (const std::optional<Reconciler::Opening> opening = m_reconciler.open(m_accountId))
        m_opening->previousBalance = opening->previousBalance;
    reloadTransactions();
}

std::optional<Transaction> ReconciliationScreen::currentTransaction() const
{
    return m_model->transactionAt(m_view->currentIndex().row());
}

void ReconciliationScreen::reloadTransactions(const QString& currentId)
{
    const int previousRow = m_view->currentIndex().row();
    QString keep = currentId;
    if (keep.isEmpty()) {
        if (const std::optional<Transaction> current = currentTransaction())
            keep = current->id;
    }
    m_model->reload();
    // The same transaction where it now stands; when it is gone, the row
    // that took its place.
    int row = keep.isEmpty() ? -1 : m_model->rowOf(keep);
    if (row < 0 && previousRow >= 0)
        row = qMin(previousRow, m_model->rowCount() - 1);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, ReconciliationModel::DateColumn);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void ReconciliationScreen::warn(const QString& title, const QString& text)
{
    showPlainMessage(this, QMessageBox::Warning, title, text);
}
