#include "screens/PayeeScreen.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "services/PayeeService.h"
#include "storage/TransactionRepository.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

PayeeScreen::PayeeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_payees(new PayeeService(appState->database(), this))
    , m_searchEdit(new QLineEdit(this))
    , m_view(new QTreeView(this))
    , m_model(new QStandardItemModel(0, ColumnCount, this))
    , m_proxy(new QSortFilterProxyModel(this))
    , m_renameEdit(new QLineEdit(this))
    , m_renameButton(new QPushButton(tr("&Rename Selected"), this))
    , m_mergeButton(new QPushButton(tr("&Merge Selected"), this))
{
    auto* title = new QLabel(tr("Payee Management"), this);
    applyFontRoleAndWeight(title, FontRole::Title, QFont::Bold);

    m_searchEdit->setPlaceholderText(tr("Search payees..."));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->setMaximumWidth(280);
    m_searchEdit->setAccessibleName(tr("Search payees"));

    m_model->setHorizontalHeaderLabels({tr("Payee"), tr("Transactions")});
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(PayeeColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);

    m_view->setModel(m_proxy);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(PayeeColumn, Qt::AscendingOrder);
    QHeaderView* header = m_view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CountColumn, QHeaderView::ResizeToContents);

    auto* renameLabel = new QLabel(tr("Re&name to:"), this);
    renameLabel->setBuddy(m_renameEdit);
    m_renameEdit->setObjectName(QStringLiteral("renameEdit"));
    m_renameEdit->setPlaceholderText(tr("New payee name"));
    sizeRenameField();
    m_mergeButton->setToolTip(tr("Select 2 or more payees to merge."));

    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(title);
    // The search field takes the room first (up to its maximum), so that its
    // placeholder is read whole.
    headerRow->addStretch(1);
    headerRow->addWidget(m_searchEdit, 4);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(renameLabel);
    bottomRow->addWidget(m_renameEdit, 1);
    bottomRow->addWidget(m_renameButton);
    bottomRow->addWidget(m_mergeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(headerRow);
    layout->addSpacing(8);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottomRow);

    connect(m_searchEdit, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_renameEdit, &QLineEdit::textChanged, this, &PayeeScreen::updateButtons);
    connect(m_renameEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_renameTyped = !text.trimmed().isEmpty(); });
    connect(m_renameEdit, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PayeeScreen::followSelection);
    connect(m_renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(m_mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    // Nothing here to lose: Escape closes it, as it would a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    refresh();
}

PayeeScreen::~PayeeScreen() = default;

void PayeeScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        sizeRenameField();
    QWidget::changeEvent(event);
}

void PayeeScreen::sizeRenameField()
{
    // Beside two buttons it would shrink to a few letters in a narrow window
    // or after the font grows: room for 20 characters, and for the hint.
    const QFontMetrics metrics = m_renameEdit->fontMetrics();
    m_renameEdit->setMinimumWidth(std::max(20 * metrics.averageCharWidth(),
                                           metrics.horizontalAdvance(m_renameEdit->placeholderText())
                                               + 2 * metrics.averageCharWidth()));
}

void PayeeScreen::refresh()
{
    m_model->removeRows(0, m_model->rowCount());
    for (const TransactionRepository::PayeeCount& entry : m_appState->transactionRepository()->payeeCounts()) {
        auto* name = new QStandardItem(entry.payee);
        auto* count = new QStandardItem;
        count->setData(entry.count, Qt::DisplayRole);
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_model->appendRow({name, count});
    }
    followSelection();
}

void PayeeScreen::followSelection()
{
    // The field offers the selected payee's name for the user to change; a
    // name the user typed stays whatever is selected next (Ctrl+click adds a
    // payee to the selection, not a new name to rename it to).
    if (!m_renameTyped)
        m_renameEdit->setText(selectedPayees().value(0));
    updateButtons();
}

QStringList PayeeScreen::selectedPayees() const
{
    QModelIndexList rows = m_view->selectionModel()->selectedRows(PayeeColumn);
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList payees;
    for (const QModelIndex& row : std::as_const(rows))
        payees << row.data().toString();
    return payees;
}

void PayeeScreen::updateButtons()
{
    const qsizetype selected = m_view->selectionModel()->selectedRows().size();
    m_renameButton->setEnabled(selected > 0 && !m_renameEdit->text().trimmed().isEmpty());
    m_mergeButton->setEnabled(selected > 1);
}

void PayeeScreen::onRename()
{
    const QString target = m_renameEdit->text().trimmed();
    const QStringList payees = selectedPayees();
    if (target.isEmpty() || payees.isEmpty())
        return;
    const QStringList joined = m_payees->joinedBy(payees, target);
    if (joined.size() > 1 && !confirmMerge(joined, target))
        return;
    const std::optional<int> renamed = m_payees->rename(payees, target);
    if (!renamed) {
        showPlainMessage(this, QMessageBox::Warning, tr("Rename Failed"),
                         tr("The payees could not be renamed; nothing was changed."));
        return;
    }
    showPlainMessage(this, QMessageBox::Information, tr("Rename Complete"),
                     tr("Renamed %n transaction(s).", nullptr, *renamed));
    finish();
}

void PayeeScreen::onMerge()
{
    const QStringList payees = selectedPayees();
    if (payees.size() < 2) {
        showPlainMessage(this, QMessageBox::Information, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    const QString target = PayeeService::mergeTarget(payees, m_renameEdit->text());
    if (!confirmMerge(m_payees->joinedBy(payees, target), target))
        return;
    const std::optional<int> merged = m_payees->rename(payees, target);
    if (!merged) {
        showPlainMessage(this, QMessageBox::Warning, tr("Merge Failed"),
                         tr("The payees could not be merged; nothing was changed."));
        return;
    }
    showPlainMessage(this, QMessageBox::Information, tr("Merge Complete"),
                     tr("Merged %n transaction(s).", nullptr, *merged));
    finish();
}

bool PayeeScreen::confirmMerge(const QStringList& joined, const QString& target)
{
    // Named one a line, so that the user sees what can no longer be told
    // apart afterwards; a long selection is cut short (the count is above).
    constexpr int kNamesShown = 10;
    QString text = tr("Merge %n payee(s) into \"%1\"?", nullptr, int(joined.size())).arg(target) + u'\n';
    for (const QString& payee : joined.first(std::min<qsizetype>(joined.size(), kNamesShown)))
        text += QStringLiteral("\n• ") + payee;
    if (joined.size() > kNamesShown)
        text += QStringLiteral("\n• …");
    return askPlainQuestion(this, tr("Merge Payees"), text);
}

void PayeeScreen::finish()
{
    // The typed name has been used: left in the field, it would become the
    // target of the next merge unnoticed.
    m_renameTyped = false;
    refresh();
    Q_EMIT payeesChanged();
}
