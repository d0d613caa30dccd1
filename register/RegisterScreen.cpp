#include "register/RegisterScreen.h"

#include "appstate/AppState.h"
#include "register/RegisterItemDelegate.h"
#include "register/RegisterModel.h"
#include "register/TransactionActions.h"
#include "storage/Money.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kColumnWidthKey = QStringLiteral("register/colWidth/%1");
const QString kColumnHiddenKey = QStringLiteral("register/colHidden/%1");

// Payee gets twice memo's part of the spare width until the user drags it otherwise.
constexpr int kPayeeShare = 2;
constexpr int kMemoShare = 1;

// Every other column shows what a register cannot do without.
bool canHide(int column)
{
    return column == RegisterModel::NumberColumn || column == RegisterModel::CategoryColumn
        || column == RegisterModel::MemoColumn || column == RegisterModel::ClearedColumn;
}

} // namespace

RegisterScreen::RegisterScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new RegisterModel(appState->transactionRepository(), appState->accountRepository(),
                                appState->categoryRepository(), appState->preferencesRepository(), this))
    , m_actions(new TransactionActions(appState, this))
    , m_view(new QTableView(this))
    , m_newButton(new QPushButton(tr("New Transaction..."), this))
    , m_reconcileButton(new QPushButton(tr("Reconcile..."), this))
{
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are walked with the arrows; Tab moves on to the rest of the window
    // (the account list, the buttons) instead of through every cell.
    m_view->setTabKeyNavigation(false);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    // Fixed row heights keep a register of many years as quick as a short one.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setHighlightSections(false);
    // An amount too wide for its column keeps its last digits and cents in
    // view; text keeps its beginning.
    m_view->setItemDelegate(new RegisterItemDelegate(Qt::ElideRight, m_view));
    auto* amountDelegate = new RegisterItemDelegate(Qt::ElideLeft, m_view);
    for (const int column : {RegisterModel::PaymentColumn, RegisterModel::DepositColumn, RegisterModel::BalanceColumn})
        m_view->setItemDelegateForColumn(column, amountDelegate);
    m_columns.resize(RegisterModel::ColumnCount);
    m_columns[RegisterModel::PayeeColumn].share = kPayeeShare;
    m_columns[RegisterModel::MemoColumn].share = kMemoShare;
    restoreColumnSettings();
    addColumnActions();
    measureColumns();
    m_view->viewport()->installEventFilter(this);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, &RegisterScreen::onSectionResized);
    // The amount columns are measured in the account's currency.
    connect(m_model, &RegisterModel::modelReset, this, &RegisterScreen::measureColumns);

    m_newButton->setObjectName(QStringLiteral("newTransactionButton"));
    m_reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    m_reconcileButton->setToolTip(tr("Reconcile this account against a bank statement"));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 4);
    buttons->addWidget(m_newButton);
    buttons->addStretch();
    buttons->addWidget(m_reconcileButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(m_view);

    connect(m_actions, &TransactionActions::failed, this, &RegisterScreen::errorMessage);
    connect(m_newButton, &QPushButton::clicked, this, &RegisterScreen::newTransaction);
    connect(m_reconcileButton, &QPushButton::clicked, this, &RegisterScreen::reconcileRequested);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegisterScreen::currentTransactionChanged);

    connect(m_view, &QTableView::doubleClicked, this, &RegisterScreen::editCurrentTransaction);
    const auto addKey = [this](Qt::Key key, void (RegisterScreen::*slot)()) {
        auto* shortcut = new QShortcut(QKeySequence(key), m_view);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addKey(Qt::Key_Return, &RegisterScreen::editCurrentTransaction);
    addKey(Qt::Key_Enter, &RegisterScreen::editCurrentTransaction);
    addKey(Qt::Key_Delete, &RegisterScreen::deleteCurrentTransaction);

    // Recurring items live in a window of their own, which this screen
    // cannot reach: whoever opens that window makes the item.
    auto* memorize = new QAction(tr("&Memorize as Recurring..."), m_view);
    memorize->setObjectName(QStringLiteral("memorizeAction"));
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->addAction(memorize);
    connect(memorize, &QAction::triggered, this, &RegisterScreen::memorizeCurrentTransaction);
    // The menu key opens it by itself; Shift+F10 is where other desktops put it.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), m_view);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QRect cell = m_view->visualRect(m_view->currentIndex());
        QMenu::exec(m_view->actions(), m_view->viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint()),
                    nullptr, m_view);
    });
    connect(this, &RegisterScreen::currentTransactionChanged, memorize,
            [this, memorize] { memorize->setEnabled(hasCurrentTransaction()); });

    connect(m_model, &RegisterModel::modelAboutToBeReset, this, &RegisterScreen::rememberCurrentRow);
    connect(m_model, &RegisterModel::modelReset, this, &RegisterScreen::restoreCurrentRow);
    connect(m_model, &RegisterModel::modelReset, this, &RegisterScreen::currentTransactionChanged);
}

void RegisterScreen::restoreColumnSettings()
{
    const QSettings settings;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        m_columns[column].remembered = settings.value(kColumnWidthKey.arg(column), 0).toInt();
        m_columns[column].hidden = canHide(column) && settings.value(kColumnHiddenKey.arg(column), false).toBool();
    }
}

void RegisterScreen::addColumnActions()
{
    QHeaderView* header = m_view->horizontalHeader();
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (!canHide(column))
            continue;
        auto* action = new QAction(m_model->headerData(column, Qt::Horizontal).toString(), header);
        action->setData(column);
        action->setCheckable(true);
        action->setChecked(!m_columns[column].hidden);
        connect(action, &QAction::toggled, this, [this, column](bool shown) { setColumnHidden(column, !shown); });
        header->addAction(action);
        if (column == RegisterModel::MemoColumn)
            m_memoAction = action;
    }
}

void RegisterScreen::measureColumns()
{
    // Widths from the font, never from the rows: measuring contents would
    // read every row of a long register.
    QHeaderView* header = m_view->horizontalHeader();
    const QFontMetrics metrics(m_view->font());
    const int lines = m_model->twoLine() ? 2 : 1;
    m_view->verticalHeader()->setDefaultSectionSize(lines * metrics.height() + metrics.height() / 2);
    m_memoAction->setEnabled(!m_model->twoLine());
    // The header's own minimum (its font's widest glyph) would pad the
    // label widths measured below.
    header->setMinimumSectionSize(2 * metrics.averageCharWidth());
    // The cell's text margins and a little air.
    const int padding = 2 * (m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1)
        + metrics.averageCharWidth();
    // No column is narrower than its label.
    const auto measure = [&](int column, int textWidth) {
        return std::max(textWidth + padding, header->sectionSizeHint(column));
    };
    // A number column is as wide as the widest number it holds, so that the
    // text columns get the rest; a usual amount's room stays, so that the
    // columns do not jump with the first few entries.
    const auto sample = [&](int column, const QString& usual) {
        const int width = measure(column, std::max(metrics.horizontalAdvance(usual),
                                                   metrics.horizontalAdvance(m_model->widestText(column))));
        m_columns[column].preferred = width;
        m_columns[column].minimum = width;
    };
    const Currency currency = m_model->currency();
    const QString amount = formatAmount(999'999, currency);
    sample(RegisterModel::DateColumn, QStringLiteral("00/00/0000"));
    sample(RegisterModel::NumberColumn, QStringLiteral("0000"));
    sample(RegisterModel::PaymentColumn, amount);
    sample(RegisterModel::DepositColumn, amount);
    sample(RegisterModel::ClearedColumn, tr("R"));
    sample(RegisterModel::BalanceColumn, formatMoney(-9'999'999, currency));

    // The category as long as its longest text, within reason.
    const auto chars = [&](int count) { return count * metrics.averageCharWidth(); };
    const int longestCategory = metrics.horizontalAdvance(m_model->widestText(RegisterModel::CategoryColumn));
    m_categoryWidth = measure(RegisterModel::CategoryColumn, std::clamp(longestCategory, chars(10), chars(32)));
    m_columns[RegisterModel::CategoryColumn].minimum = measure(RegisterModel::CategoryColumn, chars(6));
    // Enough of a payee to tell one from another in a narrow window.
    m_columns[RegisterModel::PayeeColumn].minimum = measure(RegisterModel::PayeeColumn, chars(16));
    m_columns[RegisterModel::MemoColumn].minimum = measure(RegisterModel::MemoColumn, chars(6));
    applyColumnWidths();
}

void RegisterScreen::applyColumnWidths()
{
    const int available = m_view->viewport()->width();
    QList<RegisterColumnLayout::Column> columns = m_columns;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        columns[column].hidden = !isColumnShown(column);
    // The category what its texts need, but no wider than the payee gets:
    // at most two fifths of what the date and number columns leave to the
    // three text columns.
    int textRoom = available;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const RegisterColumnLayout::Column& other = columns.at(column);
        if (!other.hidden && other.share == 0 && column != RegisterModel::CategoryColumn)
            textRoom -= std::max(other.remembered > 0 ? other.remembered : other.preferred, other.minimum);
    }
    RegisterColumnLayout::Column& category = m_columns[RegisterModel::CategoryColumn];
    category.preferred = std::max(category.minimum, std::min(m_categoryWidth, textRoom * 2 / 5));
    columns[RegisterModel::CategoryColumn].preferred = category.preferred;
    const RegisterColumnLayout layout(columns);
    // A long register has a vertical scroll bar: it is counted in, so that
    // it never pushes the balance out of view.
    const int scrollBar = m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view->verticalScrollBar());
    m_view->setMinimumWidth(layout.minimumWidth() + 2 * m_view->frameWidth() + scrollBar);

    const QList<int> widths = layout.widths(available);
    QHeaderView* header = m_view->horizontalHeader();
    const QScopedValueRollback applying(m_applyingWidths, true);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        header->setSectionHidden(column, columns[column].hidden);
        if (!columns[column].hidden)
            header->resizeSection(column, widths[column]);
    }
}

void RegisterScreen::onSectionResized(int column, int oldSize, int newSize)
{
    if (m_applyingWidths || newSize == 0)
        return;
    QSettings settings;
    RegisterColumnLayout::Column& resized = m_columns[column];
    if (resized.share > 0) {
        // Payee and memo split one spare width: dragging the border of one
        // moves width from or to the other, and the split is what is kept.
        const int partner = column == RegisterModel::PayeeColumn ? RegisterModel::MemoColumn : RegisterModel::PayeeColumn;
        if (isColumnShown(partner)) {
            const int together = oldSize + m_view->horizontalHeader()->sectionSize(partner);
            resized.remembered = std::max(resized.minimum, std::min(newSize, together - m_columns[partner].minimum));
            m_columns[partner].remembered = together - resized.remembered;
            settings.setValue(kColumnWidthKey.arg(column), resized.remembered);
            settings.setValue(kColumnWidthKey.arg(partner), m_columns[partner].remembered);
        }
    } else {
        resized.remembered = newSize;
        settings.setValue(kColumnWidthKey.arg(column), newSize);
    }
    applyColumnWidths();
}

void RegisterScreen::setColumnHidden(int column, bool hidden)
{
    m_columns[column].hidden = hidden;
    QSettings().setValue(kColumnHiddenKey.arg(column), hidden);
    applyColumnWidths();
}

bool RegisterScreen::isColumnShown(int column) const
{
    if (column == RegisterModel::MemoColumn && m_model->twoLine())
        return false;
    return !m_columns[column].hidden;
}

void RegisterScreen::changeEvent(QEvent* event)
{
    // The widths come from the font: a new font scale would elide dates and
    // amounts in columns measured for the old one.
    if (event->type() == QEvent::FontChange)
        measureColumns();
    QWidget::changeEvent(event);
}

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        applyColumnWidths();
    return QWidget::eventFilter(watched, event);
}

void RegisterScreen::setAccount(const QString& accountId)
{
    if (accountId == m_model->accountId())
        return;
    // A row of the previous account means nothing in the next one; its
    // latest transaction is where a user with years of history wants to be.
    m_view->setCurrentIndex(QModelIndex());
    m_model->setAccount(accountId);
    makeCurrent(m_model->newestRow());
}

QString RegisterScreen::accountId() const { return m_model->accountId(); }

bool RegisterScreen::hasCurrentTransaction() const
{
    return m_model->transactionAt(m_view->currentIndex().row()).has_value();
}

void RegisterScreen::reload() { m_model->reload(); }

void RegisterScreen::newTransaction()
{
    if (m_model->accountId().isEmpty())
        return;
    const QString added = m_actions->addTransaction(m_model->accountId());
    if (added.isEmpty())
        return;
    reload();
    selectTransaction(added);
}

void RegisterScreen::editCurrentTransaction()
{
    const std::optional<Transaction> current = m_model->transactionAt(m_view->currentIndex().row());
    if (current && m_actions->editTransaction(*current))
        reload();
}

void RegisterScreen::deleteCurrentTransaction()
{
    const std::optional<Transaction> current = m_model->transactionAt(m_view->currentIndex().row());
    if (current && m_actions->deleteTransaction(*current))
        reload();
}

void RegisterScreen::memorizeCurrentTransaction()
{
    if (const std::optional<Transaction> current = m_model->transactionAt(m_view->currentIndex().row()))
        Q_EMIT memorizeRequested(*current);
}

void RegisterScreen::rememberCurrentRow()
{
    const int row = m_view->currentIndex().row();
    const std::optional<Transaction> current = m_model->transactionAt(row);
    m_currentId = current ? current->id : QString();
    m_currentRow = current ? row : -1;
}

void RegisterScreen::restoreCurrentRow()
{
    if (m_model->rowCount() == 0)
        return;
    // The same transaction where it now stands; when it is gone (deleted),
    // the row that took its place.
    int row = m_currentId.isEmpty() ? -1 : m_model->rowOf(m_currentId);
    if (row < 0 && m_currentRow >= 0)
        row = qMin(m_currentRow, m_model->rowCount() - 1);
    if (row >= 0)
        m_view->setCurrentIndex(m_model->index(row, RegisterModel::DateColumn));
}

void RegisterScreen::selectTransaction(const QString& transactionId)
{
    makeCurrent(m_model->rowOf(transactionId));
}

void RegisterScreen::makeCurrent(int row)
{
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, RegisterModel::DateColumn);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}
