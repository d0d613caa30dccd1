#include "register/TransactionFormDialog.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "register/CategoryComboBox.h"
#include "register/DateField.h"
#include "register/DirectedAmount.h"
#include "register/SmartAmountField.h"
#include "register/SplitEditorDialog.h"
#include "register/TabCompleter.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/RecordVersion.h"
#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

qint64 magnitude(qint64 amount) { return amount < 0 ? -amount : amount; }

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_editMode(false)
{
    // One id for the life of the form, so that every reading of it is the
    // same transaction.
    m_original.id = newRecordId();
    m_original.account_id = accountId;
    m_original.date = QDate::currentDate();
    m_original.created_at = nowUtc();
    m_originalDraft.transaction = m_original;
    setWindowTitle(tr("New Transaction"));
    buildForm();
    loadFields();
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& existing, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_original(existing)
    , m_originalDraft(storedDraft(appState, existing))
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Transaction"));
    buildForm();
    loadFields();
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_original;
    if (m_editMode)
        result.version = nextRecordVersion(m_original.version);
    result.date = m_dateField->date();
    result.check_number = m_numberEdit->text().trimmed();
    result.payee = m_payeeEdit->text().trimmed();
    result.memo = m_memoEdit->text().trimmed();
    result.cleared = m_clearedCheck->isChecked();
    result.amount = m_amount->signedAmount();
    result.is_split = m_isSplit;
    result.category_id.clear();
    if (!m_isSplit) {
        const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice();
        if (choice && choice->kind == CategoryChoices::Kind::Category)
            result.category_id = choice->id;
    }
    result.sync_status = SyncStatus::Pending;
    result.updated_at = nowUtc();
    return result;
}

TransactionDraft TransactionFormDialog::draft() const
{
    TransactionDraft result;
    result.transaction = transaction();
    // Only the new categories the transaction still names.
    QStringList named{result.transaction.category_id};
    if (m_isSplit) {
        for (const SplitLine& line : m_splitLines)
            named << line.category_id;
    }
    for (const Category& created : m_newCategories) {
        if (named.contains(created.id))
            result.newCategories.append(created);
    }
    if (m_isSplit) {
        result.splitLines = m_splitLines;
        return result;
    }
    const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice();
    if (choice && choice->kind == CategoryChoices::Kind::Transfer) {
        result.transferAccountId = choice->id;
        if (m_form->isRowVisible(m_transferAmountField)) {
            // The other side moves the other way.
            const qint64 received = m_transferAmountField->minorUnits();
            result.transferAmount = m_amount->isDeposit() ? -received : received;
        }
    }
    return result;
}

void TransactionFormDialog::accept()
{
    if (!m_dateField->hasValidText()) {
        showPlainMessage(this, QMessageBox::Warning, tr("Invalid Date"),
            tr("Enter the date as month/day/year, for example 12/31/2026."));
        m_dateField->setFocus();
        return;
    }
    if (!amountsAreReadable())
        return;
    m_amount->takeSign();
    if (!hasPayeeOrAmount() || !resolveCategory() || !hasTransferAmount())
        return;
    qint64 linesTotal = 0;
    for (const SplitLine& line : std::as_const(m_splitLines))
        linesTotal += line.amount;
    if (m_isSplit && linesTotal != m_amount->signedAmount()) {
        showPlainMessage(this, QMessageBox::Warning, tr("Split Does Not Add Up"),
            tr("The split lines add up to %1, not to the amount of %2. Open the split to correct them.")
                .arg(formatMoney(magnitude(linesTotal), m_currency), formatMoney(magnitude(m_amount->signedAmount()), m_currency)));
        m_splitButton->setFocus();
        return;
    }
    QDialog::accept();
}

void TransactionFormDialog::buildForm()
{
    if (const std::optional<Account> account = m_appState->accountRepository()->getById(m_original.account_id))
        m_currency = account->currency;

    m_dateField = new DateField(this);
    m_dateField->setObjectName(QStringLiteral("dateField"));

    m_numberEdit = new QLineEdit(this);
    m_numberEdit->setObjectName(QStringLiteral("numberEdit"));
    m_numberEdit->setPlaceholderText(tr("Optional"));

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    auto* completer = new QCompleter(m_appState->transactionRepository()->listPayees(), m_payeeEdit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    m_payeeEdit->setCompleter(completer);
    TabCompleter::install(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeChosen);
    connect(m_payeeEdit, &QLineEdit::editingFinished, this, &TransactionFormDialog::onPayeeChosen);

    m_categoryCombo = new CategoryComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_splitButton = new QPushButton(this);
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_splitButton->setToolTip(tr("Divide the amount among several categories"));
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_categoryCombo, 1);
    categoryRow->addWidget(m_splitButton);
    connect(m_categoryCombo, &CategoryComboBox::edited, this, [this] {
        if (!m_filling)
            m_categoryTouched = true;
        m_categoryHint->hide();
    });
    connect(m_categoryCombo, &CategoryComboBox::settled, this, &TransactionFormDialog::onCategorySettled);
    connect(m_categoryCombo, &CategoryComboBox::settled, this, &TransactionFormDialog::followCategoryType);
    connect(m_categoryCombo, &QComboBox::currentTextChanged, this, &TransactionFormDialog::onTransferChanged);
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::editSplit);

    m_categoryHint = new QLabel(this);
    m_categoryHint->setObjectName(QStringLiteral("categoryHint"));
    m_categoryHint->setTextFormat(Qt::PlainText);
    m_categoryHint->setWordWrap(true);
    applyFontRole(m_categoryHint, FontRole::Caption);
    m_categoryHint->setStyleSheet(textColorStyleSheet(warningColor()));
    // The hint comes as focus leaves the field, often for a click on OK:
    // its room is kept while it is hidden, so that nothing moves under the
    // mouse and the click lands where it was aimed. Two lines hold it at the
    // form's narrowest; it never widens the form.
    auto* hintRoom = new QWidget(this);
    hintRoom->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_categoryHint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    const QFontMetrics hintMetrics = m_categoryHint->fontMetrics();
    hintRoom->setFixedHeight(hintMetrics.boundingRect(QRect(0, 0, 1000, 1000), 0, QStringLiteral("Xg\nXg")).height());
    auto* hintLayout = new QVBoxLayout(hintRoom);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    hintLayout->addWidget(m_categoryHint);
    m_categoryHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));

    m_amount = new DirectedAmount(this);
    m_amount->setCurrency(m_currency);
    connect(m_amount, &DirectedAmount::directionChanged, this, &TransactionFormDialog::onDirectionToggled);
    connect(m_amount->field(), &SmartAmountField::valueChanged, this, [this] {
        if (!m_filling)
            m_amountTouched = true;
    });

    m_transferAmountLabel = new QLabel(this);
    m_transferAmountLabel->setTextFormat(Qt::PlainText);
    m_transferAmountField = new SmartAmountField(this);
    m_transferAmountField->setObjectName(QStringLiteral("transferAmountField"));

    m_clearedCheck = new QCheckBox(tr("C&leared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));

    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    // The field's own line edit: a mnemonic passes over a buddy that takes
    // no focus itself.
    auto* dateLabel = new QLabel(tr("Da&te:"), this);
    dateLabel->setBuddy(m_dateField->focusProxy());
    m_form->addRow(dateLabel, m_dateField);
    m_form->addRow(tr("&Number:"), m_numberEdit);
    m_form->addRow(tr("Pa&yee:"), m_payeeEdit);
    // A row holding a layout gets no buddy from the form: the mnemonic needs one.
    auto* categoryLabel = new QLabel(tr("&Category:"), this);
    categoryLabel->setBuddy(m_categoryCombo);
    m_form->addRow(categoryLabel, categoryRow);
    m_form->addRow(QString(), hintRoom);
    m_form->addRow(tr("&Memo:"), m_memoEdit);
    m_form->addRow(tr("Type:"), m_amount->directionRow());
    m_form->addRow(tr("&Amount:"), m_amount->field());
    m_form->addRow(m_transferAmountLabel, m_transferAmountField);
    m_form->addRow(QString(), m_clearedCheck);
    m_categoryHint->hide();
    m_form->setRowVisible(m_transferAmountField, false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(m_form);
    layout->addStretch();
    layout->addWidget(buttons);
    // Room for a long category or account name at any font scale.
    setMinimumWidth(30 * fontMetrics().height());
    m_payeeEdit->setFocus();
}

void TransactionFormDialog::loadFields()
{
    m_filling = true;
    loadCategoryChoices();
    m_dateField->setDate(m_original.date);
    m_numberEdit->setText(m_original.check_number);
    m_payeeEdit->setText(m_original.payee);
    m_memoEdit->setText(m_original.memo);
    m_clearedCheck->setChecked(m_original.cleared || m_original.reconciled);
    // A reconciled transaction was on a statement: it stays cleared.
    m_clearedCheck->setEnabled(!m_original.reconciled);
    if (m_original.reconciled)
        m_clearedCheck->setToolTip(tr("Reconciled transactions stay cleared"));
    // A new form (amount 0) starts as a payment, the usual case.
    m_amount->setDeposit(m_original.amount > 0);
    m_amount->setSignedAmount(m_original.amount);

    // A split that lost its lines (an interrupted import) is shown, and
    // stored, as what it is: one amount without a category.
    m_splitLines = m_originalDraft.splitLines;
    m_isSplit = m_original.is_split && !m_splitLines.isEmpty();
    if (m_isSplit)
        m_categoryCombo->setCurrentIndex(0);
    else if (m_originalDraft.isTransfer())
        m_categoryCombo->select(CategoryChoices::Kind::Transfer, m_originalDraft.transferAccountId);
    else
        m_categoryCombo->select(CategoryChoices::Kind::Category, m_original.category_id);
    showSplit();
    m_filling = false;
}

void TransactionFormDialog::loadCategoryChoices()
{
    CategoryChoices choices = CategoryChoices::load(m_appState, m_original.account_id, true);
    // An account deleted since the transaction was entered is not offered
    // for new choices, but an edit must not drop its transfer unasked. A
    // deleted category's transactions are uncategorized, here as in the
    // register; one not known here at all (its row not synced yet) is kept.
    if (m_originalDraft.isTransfer()) {
        if (choices.indexOf(CategoryChoices::Kind::Transfer, m_originalDraft.transferAccountId) < 0) {
            const std::optional<Account> other = m_appState->accountRepository()->getById(m_originalDraft.transferAccountId);
            const QString name = other ? other->name : tr("(deleted account)");
            choices.addKept({CategoryChoices::Kind::Transfer, m_originalDraft.transferAccountId,
                             CategoryChoices::transferText(name), name});
        }
    } else if (!m_original.category_id.isEmpty()
               && choices.indexOf(CategoryChoices::Kind::Category, m_original.category_id) < 0) {
        if (const std::optional<CategoryChoices::Choice> kept =
                CategoryChoices::keptCategory(m_appState, m_original.category_id))
            choices.addKept(*kept);
    }
    m_categoryCombo->setChoices(choices);
}

qint64 TransactionFormDialog::storedTransferAmount(const QString& accountId) const
{
    const std::optional<Transaction> other = m_appState->transactionRepository()->transferPartner(m_original);
    return other && other->account_id == accountId ? magnitude(other->amount) : 0;
}

void TransactionFormDialog::showSplit()
{
    m_categoryCombo->setEnabled(!m_isSplit);
    m_amount->field()->setEnabled(!m_isSplit);
    if (m_isSplit) {
        m_categoryCombo->setEditText(tr("Split into %n line(s)", nullptr, int(m_splitLines.size())));
        m_amount->field()->setToolTip(tr("The amount of a split is the sum of its lines"));
        m_splitButton->setText(tr("Edit &Split..."));
        m_categoryHint->hide();
    } else {
        m_amount->field()->setToolTip(tr("Type a minus sign to switch between payment and deposit"));
        m_splitButton->setText(tr("&Split..."));
    }
    onTransferChanged();
}

void TransactionFormDialog::editSplit()
{
    m_amount->takeSign();
    if (!m_isSplit && m_categoryCombo->typedMatch().result != CategoryChoices::Match::One) {
        // The first line would start without what was typed.
        showPlainMessage(this, QMessageBox::Warning, tr("Choose a Category"),
                         tr("\"%1\" names no single category. Choose one, or clear the field, before splitting.")
                             .arg(m_categoryCombo->currentText().trimmed()));
        m_categoryCombo->setFocus();
        return;
    }
    QList<SplitLine> lines = m_splitLines;
    if (!m_isSplit) {
        // What the form holds becomes the first line, so splitting a receipt
        // starts from its total.
        lines.clear();
        const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice();
        if (m_amount->signedAmount() != 0 || (choice && choice->kind == CategoryChoices::Kind::Category)) {
            SplitLine first;
            first.amount = m_amount->signedAmount();
            if (choice && choice->kind == CategoryChoices::Kind::Category)
                first.category_id = choice->id;
            lines.append(first);
        }
    }
    SplitEditorDialog editor(m_appState, m_original.account_id, m_amount->signedAmount(), m_amount->isDeposit(), lines,
                             m_newCategories, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    // Created in the split, they can be chosen here too.
    m_newCategories = editor.newCategories();
    for (const Category& created : std::as_const(m_newCategories))
        m_categoryCombo->addNewCategory(created);

    m_filling = true;
    m_splitLines = editor.lines();
    const bool wasSplit = m_isSplit;
    m_isSplit = !m_splitLines.isEmpty();
    if (m_isSplit) {
        m_amount->setSignedAmount(editor.amount());
    } else if (wasSplit && m_originalDraft.isTransfer()) {
        // An imported split that was also a transfer stays one.
        m_categoryCombo->select(CategoryChoices::Kind::Transfer, m_originalDraft.transferAccountId);
    } else if (wasSplit) {
        m_categoryCombo->setCurrentIndex(0);
    }
    m_filling = false;
    m_categoryTouched = true;
    m_amountTouched = true;
    showSplit();
}

void TransactionFormDialog::onCategorySettled()
{
    if (m_isSplit)
        return;
    const CategoryChoices::Match match = m_categoryCombo->typedMatch();
    const QString typed = m_categoryCombo->currentText().trimmed();
    const QFontMetrics metrics = m_categoryHint->fontMetrics();
    const QString shown = metrics.elidedText(typed, Qt::ElideMiddle, 24 * metrics.averageCharWidth());
    QString hint;
    if (match.result == CategoryChoices::Match::NoMatch)
        hint = tr("No category is named \"%1\": pick one from the list, or OK will offer to create it.").arg(shown);
    else if (match.result == CategoryChoices::Match::Several)
        hint = tr("More than one category matches \"%1\"; choose one.").arg(shown);
    m_categoryHint->setText(hint);
    m_categoryHint->setVisible(!hint.isEmpty());
}

void TransactionFormDialog::followCategoryType()
{
    // Money comes in under an income category and goes out under an
    // expense one: the form goes that way for a user who picked the
    // category and has not chosen the direction. A payee's earlier
    // transaction chose nothing for this one, so its direction gives way
    // too; a stored transaction being edited already goes its own way.
    if (m_isSplit || !m_categoryTouched || (m_editMode && m_original.amount != 0))
        return;
    const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice();
    if (!choice || choice->kind != CategoryChoices::Kind::Category)
        return;
    const std::optional<Category> category = m_appState->categoryRepository()->getById(choice->id);
    if (!category || category->category_type == CategoryType::Transfer)
        return;
    // Set by the form, not the user: a payee chosen again may still fill the amount.
    m_filling = true;
    m_amount->suggestDeposit(category->category_type == CategoryType::Income);
    m_filling = false;
}

void TransactionFormDialog::onTransferChanged()
{
    // Only a transfer into another currency needs a second amount: the same
    // money is a different number there.
    std::optional<Account> other = m_isSplit ? std::nullopt : transferAccount();
    const bool needsAmount = other && other->currency != m_currency;
    if (needsAmount) {
        // The account's name as typed: an "&" in it is no shortcut.
        QString name = other->name;
        m_transferAmountLabel->setText(tr("Amount in %1:").arg(name.replace(u'&', QStringLiteral("&&"))));
        // A number received in one currency says nothing of another: the
        // field starts over, at what the stored other side received when
        // it is that account, rather than carry a number into a currency
        // it was never typed in and store it unasked.
        if (m_transferAmountCurrency != other->currency) {
            m_transferAmountCurrency = other->currency;
            m_transferAmountField->setValue(0);
            m_transferAmountField->setCurrency(other->currency);
            m_transferAmountField->setRange(0, double(kMaxAmountMinorUnits / currencyScale(other->currency)));
            m_transferAmountField->setPrefix(currencySymbol(other->currency) + u' ');
            m_transferAmountField->setMinorUnits(storedTransferAmount(other->id));
        }
    }
    m_form->setRowVisible(m_transferAmountField, needsAmount);
    growToFit();
}

void TransactionFormDialog::growToFit()
{
    // Rows come and go while the form is open; squeezed, they would crush
    // the amount field.
    QLayout* top = layout();
    if (!top || !isVisible())
        return;
    top->activate();
    const QSize needed = top->totalSizeHint();
    if (height() < needed.height() || width() < needed.width())
        resize(qMax(width(), needed.width()), qMax(height(), needed.height()));
}

void TransactionFormDialog::onPayeeChosen()
{
    if (m_editMode)
        return;
    const QString payee = m_payeeEdit->text().trimmed();
    if (payee.isEmpty() || payee.compare(m_filledFromPayee, Qt::CaseInsensitive) == 0)
        return;
    const std::optional<Transaction> latest =
        m_appState->transactionRepository()->latestByPayee(payee, m_original.account_id);
    if (!latest)
        return;
    m_filledFromPayee = payee;
    fillFromLatest(*latest);
}

void TransactionFormDialog::fillFromLatest(const Transaction& latest)
{
    // An amount in another currency is another number here.
    const std::optional<Account> from = m_appState->accountRepository()->getById(latest.account_id);
    const bool sameCurrency = from && from->currency == m_currency;
    const bool fillAmount = !m_amountTouched && !m_isSplit && sameCurrency;
    const bool fillCategory = !m_categoryTouched && !m_isSplit;

    m_filling = true;
    if (fillAmount) {
        m_amount->setDeposit(latest.amount > 0);
        m_amount->setSignedAmount(latest.amount);
    }
    if (fillCategory) {
        const TransactionDraft earlier = storedDraft(m_appState, latest);
        if (latest.is_split && fillAmount && !earlier.splitLines.isEmpty()) {
            m_splitLines.clear();
            const CategoryChoices& choices = m_categoryCombo->categoryChoices();
            for (SplitLine line : earlier.splitLines) {
                line.id.clear();
                line.transaction_id.clear();
                // A category of that other account, or deleted since, is none here.
                if (choices.indexOf(CategoryChoices::Kind::Category, line.category_id) < 0)
                    line.category_id.clear();
                m_splitLines.append(line);
            }
            m_isSplit = true;
            showSplit();
        } else if (earlier.isTransfer()) {
            // Seen from either end, the other account of that transfer.
            if (latest.account_id == m_original.account_id)
                m_categoryCombo->select(CategoryChoices::Kind::Transfer, earlier.transferAccountId);
            else if (earlier.transferAccountId == m_original.account_id)
                m_categoryCombo->select(CategoryChoices::Kind::Transfer, latest.account_id);
        } else if (!latest.is_split) {
            m_categoryCombo->select(CategoryChoices::Kind::Category, latest.category_id);
        }
    }
    m_filling = false;
}

void TransactionFormDialog::onDirectionToggled()
{
    if (m_filling)
        return;
    m_amountTouched = true;
    // The lines of a split go the way the whole goes.
    for (SplitLine& line : m_splitLines)
        line.amount = -line.amount;
}

bool TransactionFormDialog::amountsAreReadable()
{
    // A spin box keeps its last value while its text reads as none; storing
    // that value would replace what the user sees with an older number.
    if (!m_amount->confirmReadable(this))
        return false;
    if (!m_transferAmountField->isVisibleTo(this) || m_transferAmountField->hasAcceptableInput())
        return true;
    showPlainMessage(this, QMessageBox::Warning, tr("Invalid Amount"),
        tr("\"%1\" is not a complete amount. Correct it, or clear it for none.").arg(m_transferAmountField->cleanText()));
    m_transferAmountField->setFocus();
    return false;
}

bool TransactionFormDialog::hasPayeeOrAmount()
{
    if (!m_payeeEdit->text().trimmed().isEmpty() || m_amount->signedAmount() != 0)
        return true;
    showPlainMessage(this, QMessageBox::Warning, tr("Nothing to Save"), tr("Enter a payee or an amount."));
    m_payeeEdit->setFocus();
    return false;
}

bool TransactionFormDialog::resolveCategory()
{
    if (m_isSplit)
        return true;
    const CategoryChoices::Match match = m_categoryCombo->typedMatch();
    if (match.result == CategoryChoices::Match::One)
        return true;
    const QString typed = m_categoryCombo->currentText().trimmed();
    if (match.result == CategoryChoices::Match::Several) {
        showPlainMessage(this, QMessageBox::Warning, tr("Choose a Category"),
            tr("More than one category matches \"%1\"; choose one from the list.").arg(typed));
        m_categoryCombo->setFocus();
        return false;
    }
    const std::optional<Category> created = m_categoryCombo->offerNewCategory(
        m_amount->isDeposit() ? CategoryType::Income : CategoryType::Expense, this);
    if (!created)
        return false;
    m_newCategories.append(*created);
    m_categoryHint->hide();
    return true;
}

bool TransactionFormDialog::hasTransferAmount()
{
    if (!m_form->isRowVisible(m_transferAmountField) || m_amount->signedAmount() == 0
        || m_transferAmountField->minorUnits() != 0)
        return true;
    showPlainMessage(this, QMessageBox::Warning, tr("Amount Missing"),
        tr("Enter the amount as %1 counts it, in its own currency.").arg(transferAccount()->name));
    m_transferAmountField->setFocus();
    return false;
}

std::optional<Account> TransactionFormDialog::transferAccount() const
{
    const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice();
    if (!choice || choice->kind != CategoryChoices::Kind::Transfer)
        return std::nullopt;
    return m_appState->accountRepository()->getById(choice->id);
}
