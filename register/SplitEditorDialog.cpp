#include "register/SplitEditorDialog.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/WindowPlacement.h"
#include "register/CategoryComboBox.h"
#include "register/SmartAmountField.h"
#include "register/SplitLinesWidget.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

QLabel* addTotalRow(QGridLayout* grid, int row, QLabel* caption, QWidget* parent)
{
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new QLabel(parent);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextFormat(Qt::PlainText);
    grid->addWidget(caption, row, 1);
    grid->addWidget(value, row, 2);
    return value;
}

} // namespace

SplitEditorDialog::SplitEditorDialog(AppState* appState, const QString& accountId, qint64 amount, bool deposit,
                                     const QList<SplitLine>& lines, const QList<Category>& newCategories,
                                     QWidget* parent)
    : QDialog(parent)
    , m_split(amount, deposit)
    , m_newCategories(newCategories)
{
    setWindowTitle(tr("Split Transaction"));
    if (const std::optional<Account> account = appState->accountRepository()->getById(accountId))
        m_currency = account->currency;

    CategoryChoices choices = CategoryChoices::load(appState, accountId, /*withTransfers*/ false);
    for (const Category& created : newCategories) {
        if (choices.indexOf(CategoryChoices::Kind::Category, created.id) < 0)
            choices.addNew(created);
    }
    m_linesWidget = new SplitLinesWidget(choices, m_currency, this);
    for (const SplitLine& line : lines) {
        std::optional<CategoryChoices::Choice> kept;
        QString categoryId = line.category_id;
        if (!categoryId.isEmpty() && choices.indexOf(CategoryChoices::Kind::Category, categoryId) < 0) {
            kept = CategoryChoices::keptCategory(appState, categoryId);
            // A deleted category's share is uncategorized, as in the reports.
            if (!kept)
                categoryId.clear();
        }
        m_linesWidget->appendRow(categoryId, line.memo, m_split.typedFromStored(line.amount), kept);
    }
    const int firstEmpty = m_linesWidget->appendRow();
    if (lines.isEmpty())
        m_linesWidget->appendRow();
    connect(m_linesWidget, &SplitLinesWidget::rowsChanged, this, &SplitEditorDialog::refresh);

    auto* totals = new QGridLayout;
    totals->setColumnStretch(0, 1);
    m_amountValue = addTotalRow(totals, 0, new QLabel(tr("Transaction amount:"), this), this);
    m_totalCaption = new QLabel(this);
    m_totalValue = addTotalRow(totals, 1, m_totalCaption, this);
    auto* remainderCaption = new QLabel(tr("Left to assign:"), this);
    m_remainderValue = addTotalRow(totals, 2, remainderCaption, this);
    applyFontRole(remainderCaption, FontRole::BodyStrong);
    applyFontRole(m_remainderValue, FontRole::BodyStrong);
    // Beside what it clears, rather than among the buttons that close the dialog.
    m_setTotalButton = new QPushButton(tr("Set Amount to &Total"), this);
    m_setTotalButton->setObjectName(QStringLiteral("setTotalButton"));
    connect(m_setTotalButton, &QPushButton::clicked, this, &SplitEditorDialog::setAmountToTotal);
    totals->addWidget(m_setTotalButton, 2, 0, Qt::AlignRight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_linesWidget, 1);
    layout->addLayout(totals);
    layout->addWidget(buttons);

    // In characters and lines, so that a larger font scale gets a larger
    // window, as far as the screen has room for it.
    const QFontMetrics metrics = fontMetrics();
    resize(WindowPlacement::fitted(QSize(metrics.averageCharWidth() * 120, metrics.height() * 30), this));

    refresh();
    m_linesWidget->focusCategory(firstEmpty);
}

void SplitEditorDialog::accept()
{
    // An amount still being typed holds the field's last value, not what shows.
    for (int row = 0; row < m_linesWidget->rowCount(); ++row) {
        SmartAmountField* amount = m_linesWidget->amountField(row);
        if (amount->hasAcceptableInput())
            continue;
        warn(tr("\"%1\" is not a complete amount. Correct it, or clear it for none.").arg(amount->cleanText()));
        amount->setFocus();
        return;
    }
    refresh();
    for (int unclear = m_split.firstUnclearCategory(); unclear >= 0; unclear = m_split.firstUnclearCategory()) {
        CategoryComboBox* category = m_linesWidget->categoryField(unclear);
        m_linesWidget->focusCategory(unclear);
        if (m_split.rows().at(unclear).category == CategoryChoices::Match::Several) {
            warn(tr("More than one category matches \"%1\"; choose one from the list.")
                     .arg(category->currentText().trimmed()));
            category->lineEdit()->selectAll();
            return;
        }
        // A line's category goes the transaction's way, whatever its own sign.
        const std::optional<Category> created =
            category->offerNewCategory(m_split.isDeposit() ? CategoryType::Income : CategoryType::Expense, this);
        if (!created)
            return;
        m_newCategories.append(*created);
        // A second line of the same name now names it too.
        m_linesWidget->addNewCategory(*created);
        refresh();
    }
    if (!m_split.canAccept())
        return;
    QDialog::accept();
}

void SplitEditorDialog::warn(const QString& text)
{
    showPlainMessage(this, QMessageBox::Warning, tr("Split Transaction"), text);
    // Without a window manager nothing hands the keyboard back once the
    // message closes.
    activateWindow();
}

void SplitEditorDialog::refresh()
{
    m_split.setRows(m_linesWidget->rows());
    const qint64 remainder = m_split.remainder();
    m_amountValue->setText(formatMoney(m_split.typedAmount(), m_currency));
    m_totalCaption->setText(tr("Total of %n line(s):", nullptr, m_split.lineCount()));
    m_totalValue->setText(formatMoney(m_split.total(), m_currency));
    m_remainderValue->setText(formatMoney(remainder, m_currency));
    m_remainderValue->setStyleSheet(remainder != 0 ? textColorStyleSheet(warningColor())
                                                   : QString());
    m_okButton->setEnabled(m_split.canAccept());
    m_setTotalButton->setEnabled(m_split.canSetAmountToTotal());
}

void SplitEditorDialog::setAmountToTotal()
{
    m_split.setAmountToTotal();
    refresh();
}
