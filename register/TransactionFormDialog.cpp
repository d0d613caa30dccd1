#include "register/TransactionFormDialog.h"

#include "appstate/AppState.h"
#include "register/DateField.h"
#include "register/SmartAmountField.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>

TransactionFormDialog::TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_editMode(false)
{
    m_original.account_id = accountId;
    m_original.date = QDate::currentDate();
    setWindowTitle(tr("New Transaction"));
    buildForm();
    loadFields();
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& existing, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_original(existing)
    , m_stored(storedDraft(appState, existing))
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Transaction"));
    buildForm();
    loadFields();
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_original;
    if (m_editMode) {
        result.version = m_original.version + 1;
    } else {
        result.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        result.created_at = nowUtc();
    }
    result.date = m_dateField->date();
    result.check_number = m_numberEdit->text().trimmed();
    result.payee = m_payeeEdit->text().trimmed();
    result.memo = m_memoEdit->text().trimmed();
    result.cleared = m_clearedCheck->isChecked();
    if (!m_original.is_split) {
        result.category_id = m_categoryCombo->itemData(categoryIndex()).toString();
        const qint64 magnitude = m_amountField->minorUnits();
        result.amount = m_paymentButton->isChecked() ? -magnitude : magnitude;
    }
    result.sync_status = SyncStatus::Pending;
    result.updated_at = nowUtc();
    return result;
}

TransactionDraft TransactionFormDialog::draft() const
{
    TransactionDraft result = m_stored;
    result.transaction = transaction();
    return result;
}

void TransactionFormDialog::accept()
{
    if (!m_dateField->hasValidText()) {
        QMessageBox::warning(this, tr("Invalid Date"), tr("Enter the date as month/day/year, for example 12/31/2026."));
        m_dateField->setFocus();
        return;
    }
    QDialog::accept();
}

void TransactionFormDialog::buildForm()
{
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

    // About forty categories: typing any part of a name ("groc") finds one
    // faster than scrolling, but only listed categories can be chosen.
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    m_categoryCombo->completer()->setFilterMode(Qt::MatchContains);
    m_categoryCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    connect(m_categoryCombo->lineEdit(), &QLineEdit::editingFinished, this,
            &TransactionFormDialog::settleCategoryText);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));

    m_paymentButton = new QRadioButton(tr("Payment"), this);
    m_paymentButton->setObjectName(QStringLiteral("paymentButton"));
    m_depositButton = new QRadioButton(tr("Deposit"), this);
    m_depositButton->setObjectName(QStringLiteral("depositButton"));
    auto* direction = new QButtonGroup(this);
    direction->addButton(m_paymentButton);
    direction->addButton(m_depositButton);
    auto* directionRow = new QHBoxLayout;
    directionRow->addWidget(m_paymentButton);
    directionRow->addWidget(m_depositButton);
    directionRow->addStretch();

    Currency currency = Currency::USD;
    if (const std::optional<Account> account = m_appState->accountRepository()->getById(m_original.account_id))
        currency = account->currency;
    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setCurrency(currency);
    // The store's own bound, so that no stored amount is clipped by the form.
    m_amountField->setRange(0, double(kMaxAmountMinorUnits / currencyScale(currency)));
    m_amountField->setPrefix(currencySymbol(currency) + u' ');

    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Date:"), m_dateField);
    form->addRow(tr("Number:"), m_numberEdit);
    form->addRow(tr("Payee:"), m_payeeEdit);
    form->addRow(tr("Category:"), m_categoryCombo);
    form->addRow(tr("Memo:"), m_memoEdit);
    form->addRow(tr("Type:"), directionRow);
    form->addRow(tr("Amount:"), m_amountField);
    form->addRow(QString(), m_clearedCheck);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    m_payeeEdit->setFocus();
}

void TransactionFormDialog::fillCategories()
{
    if (m_original.is_split) {
        m_categoryCombo->addItem(tr("Split"), m_original.category_id);
        m_categoryCombo->setEnabled(false);
        return;
    }

    m_categoryCombo->addItem(tr("(none)"), QString());
    const QList<Category> categories = m_appState->categoryRepository()->listAll();
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    QList<std::pair<QString, QString>> entries; // shown text, id
    for (const Category& category : categories) {
        // A category of another account means nothing in this one.
        if (!category.account_id.isEmpty() && category.account_id != m_original.account_id)
            continue;
        const QString parentName = names.value(category.parent_id);
        entries.append({parentName.isEmpty() ? category.name : tr("%1 > %2").arg(parentName, category.name),
                        category.id});
    }
    // By the shown text, so that sub-categories follow their parent.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [text, id] : std::as_const(entries))
        m_categoryCombo->addItem(text, id);

    // A category deleted since the transaction was entered is not offered
    // for new choices, but an edit must not drop it unasked.
    const QString current = m_original.category_id;
    if (!current.isEmpty() && m_categoryCombo->findData(current) < 0) {
        const std::optional<Category> stored = m_appState->categoryRepository()->getById(current);
        m_categoryCombo->insertItem(1, stored ? stored->name : tr("(deleted category)"), current);
    }
}

void TransactionFormDialog::settleCategoryText()
{
    const int index = categoryIndex();
    m_categoryCombo->setCurrentIndex(index);
    m_categoryCombo->setEditText(m_categoryCombo->itemText(index));
}

int TransactionFormDialog::categoryIndex() const
{
    // The first entry is "(none)", or for a split the only one.
    const QString text = m_categoryCombo->currentText().trimmed();
    if (text.isEmpty())
        return 0;
    const int typed = m_categoryCombo->findText(text, Qt::MatchFixedString);
    return typed >= 0 ? typed : m_categoryCombo->currentIndex();
}

void TransactionFormDialog::loadFields()
{
    fillCategories();
    m_dateField->setDate(m_original.date);
    m_numberEdit->setText(m_original.check_number);
    m_payeeEdit->setText(m_original.payee);
    m_memoEdit->setText(m_original.memo);
    m_categoryCombo->setCurrentIndex(qMax(0, m_categoryCombo->findData(m_original.category_id)));
    (m_original.amount > 0 ? m_depositButton : m_paymentButton)->setChecked(true);
    m_amountField->setMinorUnits(m_original.amount < 0 ? -m_original.amount : m_original.amount);
    m_clearedCheck->setChecked(m_original.cleared);

    m_paymentButton->setEnabled(!m_original.is_split);
    m_depositButton->setEnabled(!m_original.is_split);
    m_amountField->setEnabled(!m_original.is_split);
}
