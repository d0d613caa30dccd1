#include "register/RegisterScreen.h"

#include "appstate/AppState.h"
#include "register/RegisterEditor.h"
#include "register/RegisterItemDelegate.h"
#include "register/RegisterModel.h"
#include "register/TransactionFormDialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

RegisterScreen::RegisterScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new RegisterModel(appState->transactionRepository(), appState->accountRepository(),
                                appState->categoryRepository(), appState->preferencesRepository(), this))
    , m_editor(new RegisterEditor(appState, this))
    , m_view(new QTableView(this))
    , m_newButton(new QPushButton(tr("New Transaction..."), this))
    , m_reconcileButton(new QPushButton(tr("Reconcile..."), this))
{
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    sizeColumns();

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

    connect(m_model, &RegisterModel::modelAboutToBeReset, this, &RegisterScreen::rememberCurrentRow);
    connect(m_model, &RegisterModel::modelReset, this, &RegisterScreen::restoreCurrentRow);
    connect(m_model, &RegisterModel::modelReset, this, &RegisterScreen::currentTransactionChanged);
}

void RegisterScreen::sizeColumns()
{
    // Widths from the font, never from the rows: measuring contents would
    // read every row of a long register. Payee and memo share what is left.
    QHeaderView* header = m_view->horizontalHeader();
    header->setStretchLastSection(false);
    const QFontMetrics metrics(m_view->font());
    m_view->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
    const int padding = 3 * metrics.averageCharWidth();
    const auto fixedWidth = [&](int column, const QString& sample) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, metrics.horizontalAdvance(sample) + padding);
    };
    fixedWidth(RegisterModel::DateColumn, QStringLiteral("00/00/0000"));
    fixedWidth(RegisterModel::NumberColumn, QStringLiteral("000000"));
    fixedWidth(RegisterModel::CategoryColumn, QStringLiteral("Household > Groceries"));
    fixedWidth(RegisterModel::PaymentColumn, QStringLiteral("-$000,000.00"));
    fixedWidth(RegisterModel::DepositColumn, QStringLiteral("-$000,000.00"));
    fixedWidth(RegisterModel::ClearedColumn, QStringLiteral("Clr"));
    fixedWidth(RegisterModel::BalanceColumn, QStringLiteral("-$0,000,000.00"));
    header->setSectionResizeMode(RegisterModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(RegisterModel::MemoColumn, QHeaderView::Stretch);
}

void RegisterScreen::changeEvent(QEvent* event)
{
    // The widths come from the font: a new font scale would elide dates and
    // amounts in columns measured for the old one.
    if (event->type() == QEvent::FontChange)
        sizeColumns();
    QWidget::changeEvent(event);
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
    TransactionFormDialog dialog(m_appState, m_model->accountId(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TransactionDraft draft = dialog.draft();
    const bool stored = m_editor->addTransaction(draft);
    reload();
    if (stored)
        selectTransaction(draft.transaction.id);
    else
        Q_EMIT errorMessage(tr("The new transaction could not be saved."));
}

void RegisterScreen::editCurrentTransaction()
{
    const std::optional<Transaction> current = m_model->transactionAt(m_view->currentIndex().row());
    if (!current)
        return;
    TransactionFormDialog dialog(m_appState, *current, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool stored = m_editor->updateTransaction(dialog.draft());
    reload();
    if (!stored)
        Q_EMIT errorMessage(tr("The changes to the transaction could not be saved."));
}

void RegisterScreen::deleteCurrentTransaction()
{
    const std::optional<Transaction> current = m_model->transactionAt(m_view->currentIndex().row());
    if (!current || !confirmDelete(*current))
        return;
    const bool deleted = m_editor->deleteTransaction(current->id);
    reload();
    if (!deleted)
        Q_EMIT errorMessage(tr("The transaction could not be deleted."));
}

bool RegisterScreen::confirmDelete(const Transaction& transaction)
{
    // Built by hand rather than with QMessageBox::question so that the payee
    // is shown as plain text, never read as markup.
    QMessageBox box(QMessageBox::Question, tr("Delete Transaction"),
                    transaction.isTransfer()
                        ? tr("Delete the transfer for %1? Its other side is deleted too.").arg(transaction.payee)
                        : tr("Delete the transaction for %1?").arg(transaction.payee),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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
