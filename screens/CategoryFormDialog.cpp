#include "screens/CategoryFormDialog.h"

#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CategoryFormDialog::CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_category(category)
    , m_parentId(category.parent_id)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Category"));
    buildUi(parentName);
    populate(category);
}

CategoryFormDialog::CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    buildUi(parentName);
}

CategoryFormDialog::~CategoryFormDialog() = default;

void CategoryFormDialog::buildUi(const QString& parentName)
{
    auto* form = new QFormLayout;
    if (!parentName.isEmpty()) {
        m_parentLabel = new QLabel(parentName, this);
        m_parentLabel->setTextFormat(Qt::PlainText);
        m_parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), m_parentLabel);
    }

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setPlaceholderText(tr("Category name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    // Transfer categories come from elsewhere (an import, another device); a
    // new one is never made here.
    m_typeCombo = new QComboBox(this);
    m_typeCombo->addItem(tr("Expense"), categoryTypeToString(CategoryType::Expense));
    m_typeCombo->addItem(tr("Income"), categoryTypeToString(CategoryType::Income));
    form->addRow(tr("&Type:"), m_typeCombo);

    m_taxCheck = new QCheckBox(tr("Tax-&relevant"), this);
    m_taxCheck->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxCheck);

    m_taxCodeEdit = new QLineEdit(this);
    m_taxCodeEdit->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    // The examples are the hint: read whole at any font size.
    m_taxCodeEdit->setMinimumWidth(m_taxCodeEdit->fontMetrics().horizontalAdvance(m_taxCodeEdit->placeholderText())
                                   + 4 * m_taxCodeEdit->fontMetrics().averageCharWidth());
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setBuddy(m_taxCodeEdit);
    form->addRow(m_taxCodeLabel, m_taxCodeEdit);
    enableTaxCode(false);
    // A code typed and then given up is gone: ticking the box again starts afresh.
    connect(m_taxCheck, &QCheckBox::toggled, this, [this](bool relevant) {
        if (!relevant)
            m_taxCodeEdit->clear();
        enableTaxCode(relevant);
    });

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A category without a name could not be told apart, nor stored.
    const auto updateOk = [this] {
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_nameEdit->text().trimmed().isEmpty());
    };
    connect(m_nameEdit, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttonBox);
    setMinimumWidth(420);
    m_nameEdit->setFocus();
}

void CategoryFormDialog::populate(const Category& category)
{
    m_nameEdit->setText(category.name);
    // Offered only to the transfer category being edited, so that an edit of
    // its name does not turn it into an expense.
    if (category.category_type == CategoryType::Transfer)
        m_typeCombo->addItem(tr("Transfer"), categoryTypeToString(CategoryType::Transfer));
    const int type = m_typeCombo->findData(categoryTypeToString(category.category_type));
    m_typeCombo->setCurrentIndex(std::max(type, 0));
    m_taxCheck->setChecked(category.is_tax_relevant);
    m_taxCodeEdit->setText(category.tax_category);
    // A code kept from when the category was tax-relevant is shown, greyed.
    enableTaxCode(category.is_tax_relevant);
}

void CategoryFormDialog::enableTaxCode(bool enabled)
{
    m_taxCodeLabel->setEnabled(enabled);
    m_taxCodeEdit->setEnabled(enabled);
}

Category CategoryFormDialog::category() const
{
    Category result = m_category;
    if (!m_editMode) {
        result.id = newRecordId();
        result.created_at = nowUtc();
    }
    result.name = m_nameEdit->text().trimmed();
    result.category_type = categoryTypeFromString(m_typeCombo->currentData().toString());
    result.parent_id = m_parentId;
    result.is_tax_relevant = m_taxCheck->isChecked();
    result.tax_category = result.is_tax_relevant ? m_taxCodeEdit->text().trimmed() : QString();
    result.updated_at = nowUtc();
    result.sync_status = SyncStatus::Pending;
    return result;
}
