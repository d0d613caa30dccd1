#include "screens/ReconciliationHistoryScreen.h"

#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/ReconciliationRepository.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { StatementDateColumn, StatementBalanceColumn, ReconciledBalanceColumn, CompletedColumn, ColumnCount };

QTableWidgetItem* moneyItem(qint64 amount, Currency currency)
{
    auto* item = new QTableWidgetItem(formatMoney(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(negativeAmountColor());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_heading(new QLabel(tr("Reconciliation History")))
    , m_emptyLabel(new QLabel(
          tr("No reconciliations yet. Reconcile your account from the register to see the history here.")))
    , m_table(new QTableWidget(0, ColumnCount))
{
    m_heading->setObjectName(QStringLiteral("headingLabel"));
    applyFontRole(m_heading, FontRole::Headline);
    // Account names are the user's text, never markup.
    m_heading->setTextFormat(Qt::PlainText);
    // A long account name wraps rather than widen the window.
    m_heading->setWordWrap(true);

    const QString muted = textColorStyleSheet(mutedCaptionColor());
    auto* caption = new QLabel(tr("Past reconciliations for this account."));
    caption->setStyleSheet(muted);

    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementDateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciledBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CompletedColumn, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);

    // A statement finished while the history is open belongs in it.
    connect(appState->reconciliationRepository(), &ReconciliationRepository::reconciliationsChanged, this, [this] {
        if (isVisible())
            reload();
    });

    // Nothing here to lose: Escape closes it, as it would a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    m_emptyLabel->setObjectName(QStringLiteral("emptyLabel"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(muted + QStringLiteral(" padding: 32px;"));
    m_emptyLabel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);
    layout->addWidget(m_heading);
    layout->addWidget(caption);
    layout->addSpacing(8);
    layout->addWidget(m_table, 1);
    // Only one of the table and the empty text shows; either fills the space.
    layout->addWidget(m_emptyLabel, 1);
}

ReconciliationHistoryScreen::~ReconciliationHistoryScreen() = default;

void ReconciliationHistoryScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload()
{
    if (m_accountId.isEmpty())
        return;
    // A missing account's reconciliations are still listed, under the plain
    // heading: the previous account's name would claim them for it.
    const std::optional<Account> account = m_appState->accountRepository()->getById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    m_heading->setText(account ? tr("Reconciliation History — %1").arg(account->name)
                               : tr("Reconciliation History"));

    const QList<Reconciliation> reconciliations =
        m_appState->reconciliationRepository()->listByAccount(m_accountId);
    m_table->clearContents();
    m_table->setRowCount(int(reconciliations.size()));
    m_table->setVisible(!reconciliations.isEmpty());
    m_emptyLabel->setVisible(reconciliations.isEmpty());
    for (int row = 0; row < reconciliations.size(); ++row) {
        const Reconciliation& reconciliation = reconciliations.at(row);
        m_table->setItem(row, StatementDateColumn,
                         new QTableWidgetItem(reconciliation.statement_date.toString(QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, StatementBalanceColumn, moneyItem(reconciliation.statement_balance, currency));
        m_table->setItem(row, ReconciledBalanceColumn, moneyItem(reconciliation.reconciled_balance, currency));
        m_table->setItem(row, CompletedColumn,
                         new QTableWidgetItem(reconciliation.completed_at.toLocalTime().toString(
                             QStringLiteral("MMM d, yyyy h:mm ap"))));
    }

    // The balance columns stretch, and would shrink below their amounts in
    // a narrow window: the table keeps room for every column's contents.
    const QHeaderView* header = m_table->horizontalHeader();
    const QAbstractItemView* view = m_table; // QTableView hides sizeHintForColumn
    int minimum = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        minimum += qMax(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    m_table->setMinimumWidth(minimum);
}
