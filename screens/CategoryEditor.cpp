#include "screens/CategoryEditor.h"

#include "storage/CategoryRepository.h"
#include "storage/Timestamp.h"

#include <QtDebug>

CategoryEditor::CategoryEditor(CategoryRepository* categories, QObject* parent)
    : QObject(parent)
    , m_categories(categories)
{
}

bool CategoryEditor::create(const Category& category)
{
    if (category.name.trimmed().isEmpty()) {
        qWarning() << "A category without a name was not stored";
        return false;
    }
    return m_categories->insert(category);
}

bool CategoryEditor::update(const Category& edited)
{
    if (edited.name.trimmed().isEmpty()) {
        qWarning().noquote() << "Category" << edited.id << "was left without a name; the edit was not stored";
        return false;
    }
    const std::optional<Category> stored = m_categories->getById(edited.id);
    if (!stored || stored->deleted_at) {
        qWarning().noquote() << "Category" << edited.id << "is gone; the edit was not stored";
        return false;
    }
    // Only what the form edits comes from it: the rest of its copy may be
    // older than the row (a sync pass runs while the form is open).
    Category category = *stored;
    category.name = edited.name.trimmed();
    category.category_type = edited.category_type;
    category.is_tax_relevant = edited.is_tax_relevant;
    category.tax_category = edited.tax_category;
    category.version = stored->version + 1;
    category.sync_status = SyncStatus::Pending;
    category.updated_at = nowUtc();
    return m_categories->update(category);
}

bool CategoryEditor::remove(const QString& id)
{
    return m_categories->softDelete(id);
}
