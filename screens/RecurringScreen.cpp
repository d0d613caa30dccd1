#include "screens/RecurringScreen.h"

#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "screens/RecurringActions.h"
#include "screens/RecurringModel.h"
#include "services/RecurringService.h"
#include "storage/AccountRepository.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kWeek = 7;

} // namespace

RecurringScreen::RecurringScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_actions(new RecurringActions(appState, this))
    , m_model(new RecurringModel(appState->accountRepository(), this))
    , m_view(new QTableView(this))
    , m_dueLabel(new QLabel(this))
    , m_confirmAllButton(new QPushButton(tr("Confirm &All Due"), this))
    , m_nextWeekButton(new QPushButton(tr("Enter &Next 7 Days..."), this))
    , m_newButton(new QPushButton(tr("Ne&w Recurring..."), this))
{
    auto* title = new QLabel(tr("Recurring Transactions"), this);
    applyFontRoleAndWeight(title, FontRole::Title, QFont::Bold);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    applyFontRoleAndWeight(m_dueLabel, FontRole::Body, QFont::Bold);
    m_confirmAllButton->setObjectName(QStringLiteral("confirmAllButton"));
    m_nextWeekButton->setObjectName(QStringLiteral("nextWeekButton"));
    m_newButton->setObjectName(QStringLiteral("newRecurringButton"));

    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Rows are walked with the arrows; Tab moves on to the buttons.
    m_view->setTabKeyNavigation(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    QHeaderView* header = m_view->horizontalHeader();
    // Amounts, dates and frequencies keep their whole text; account names
    // and payees share the rest of the width, long ones elided.
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(RecurringModel::AccountColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    header->setSortIndicator(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addWidget(m_dueLabel);
    top->addStretch();
    top->addWidget(m_confirmAllButton);
    top->addWidget(m_nextWeekButton);
    top->addWidget(m_newButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);

    setTabOrder(m_view, m_confirmAllButton);
    setTabOrder(m_confirmAllButton, m_nextWeekButton);
    setTabOrder(m_nextWeekButton, m_newButton);
    m_view->setFocus();

    connect(m_confirmAllButton, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(m_nextWeekButton, &QPushButton::clicked, this, &RecurringScreen::enterNextWeek);
    connect(m_newButton, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            showEditForm(index.row());
    });
    connect(m_view, &QTableView::customContextMenuRequested, this, &RecurringScreen::onContextMenu);

    const auto onViewKey = [this](const QKeySequence& key, auto slot) {
        auto* shortcut = new QShortcut(key, m_view);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    onViewKey(QKeySequence(Qt::Key_Return), [this] { showEditForm(m_view->currentIndex().row()); });
    onViewKey(QKeySequence(Qt::Key_Enter), [this] { showEditForm(m_view->currentIndex().row()); });
    onViewKey(QKeySequence(Qt::Key_Delete), [this] { deleteSelected(); });
    // The menu key works everywhere; Shift+F10 is where other desktops put it.
    onViewKey(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] {
        onContextMenu(m_view->visualRect(m_view->currentIndex()).center());
    });
    // Nothing here to lose: Escape closes it, as it would a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(appState->themeManager(), &ThemeManager::themeChanged, this, &RecurringScreen::applyThemeColors);
    applyThemeColors();
}

RecurringScreen::~RecurringScreen() = default;

void RecurringScreen::refresh()
{
    const std::optional<RecurringTransaction> current = selectedItem();
    const int currentRow = m_view->currentIndex().row();
    RecurringService* service = m_appState->recurringService();
    m_model->setItems(service->listAll());

    // The same item where it now stands; when it is gone, the row that took its place.
    int row = current ? m_model->rowOf(current->id) : -1;
    if (row < 0 && currentRow >= 0)
        row = qMin(currentRow, m_model->rowCount() - 1);
    if (row >= 0)
        m_view->setCurrentIndex(m_model->index(row, RecurringModel::PayeeColumn));

    const int due = service->pendingCount();
    m_dueLabel->setText(due > 0 ? tr("(%n due)", nullptr, due) : QString());
    m_confirmAllButton->setEnabled(due > 0);
    const QDate weekAhead = QDate::currentDate().addDays(kWeek);
    bool dueThisWeek = false;
    for (int i = 0; i < m_model->rowCount() && !dueThisWeek; ++i)
        dueThisWeek = RecurringModel::isDue(*m_model->itemAt(i), weekAhead);
    m_nextWeekButton->setEnabled(dueThisWeek);
}

void RecurringScreen::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    // Taken now: the list may be read again while the menu is open.
    const std::optional<RecurringTransaction> item = m_model->itemAt(index.row());
    if (!index.isValid() || !item)
        return;
    m_view->setCurrentIndex(index);

    const QDate today = QDate::currentDate();
    QMenu menu(this);
    QAction* editAction = menu.addAction(tr("&Edit"));
    QAction* confirmAction = menu.addAction(tr("&Confirm"));
    confirmAction->setEnabled(RecurringModel::isDue(*item, today));
    QAction* skipAction = menu.addAction(tr("&Skip"));
    skipAction->setEnabled(RecurringModel::isDue(*item, today));
    QAction* earlyAction = menu.addAction(tr("E&nter Early..."));
    earlyAction->setEnabled(RecurringModel::canEnterEarly(*item, today));
    menu.addSeparator();
    QAction* deleteAction = menu.addAction(tr("&Delete"));

    QAction* chosen = menu.exec(m_view->viewport()->mapToGlobal(pos));
    if (chosen == editAction)
        edit(*item);
    else if (chosen == confirmAction)
        confirm(*item);
    else if (chosen == skipAction)
        skip(*item);
    else if (chosen == earlyAction)
        enterEarly(*item);
    else if (chosen == deleteAction)
        remove(*item);
}

void RecurringScreen::showNewForm()
{
    const QString id = m_actions->addItem();
    if (id.isEmpty())
        return;
    refresh();
    selectItem(id);
}

void RecurringScreen::showEditForm(int row)
{
    if (const std::optional<RecurringTransaction> item = m_model->itemAt(row))
        edit(*item);
}

void RecurringScreen::confirmSelected()
{
    if (const std::optional<RecurringTransaction> item = selectedItem())
        confirm(*item);
}

void RecurringScreen::enterEarlySelected()
{
    if (const std::optional<RecurringTransaction> item = selectedItem())
        enterEarly(*item);
}

void RecurringScreen::skipSelected()
{
    if (const std::optional<RecurringTransaction> item = selectedItem())
        skip(*item);
}

void RecurringScreen::deleteSelected()
{
    if (const std::optional<RecurringTransaction> item = selectedItem())
        remove(*item);
}

void RecurringScreen::confirmAllDue() { afterPosting(m_actions->confirmAllDue()); }

void RecurringScreen::enterNextWeek() { afterPosting(m_actions->enterNextWeek()); }

void RecurringScreen::edit(const RecurringTransaction& item)
{
    if (m_actions->editItem(item))
        refresh();
}

void RecurringScreen::confirm(const RecurringTransaction& item)
{
    afterPosting(m_actions->confirm(item) ? 1 : -1);
}

void RecurringScreen::enterEarly(const RecurringTransaction& item)
{
    afterPosting(m_actions->enterEarly(item) ? 1 : -1);
}

void RecurringScreen::skip(const RecurringTransaction& item)
{
    m_actions->skip(item);
    refresh();
}

void RecurringScreen::remove(const RecurringTransaction& item)
{
    if (m_actions->deleteItem(item))
        refresh();
}

void RecurringScreen::afterPosting(int posted)
{
    // Nothing entered and nothing failed: the list is as it was.
    if (posted == 0)
        return;
    if (posted > 0)
        Q_EMIT transactionsChanged();
    refresh();
}

std::optional<RecurringTransaction> RecurringScreen::selectedItem() const
{
    return m_model->itemAt(m_view->currentIndex().row());
}

void RecurringScreen::selectItem(const QString& id)
{
    const int row = m_model->rowOf(id);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, RecurringModel::PayeeColumn);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void RecurringScreen::applyThemeColors()
{
    m_dueLabel->setStyleSheet(textColorStyleSheet(positiveAmountColor()));
}
