#include "import/ImportCategories.h"

#include "storage/CategoryRepository.h"
#include "storage/RecordId.h"

ImportCategories::ImportCategories(CategoryRepository* categories, const QDateTime& now)
    : m_categories(categories)
    , m_now(now)
{
    for (const Category& category : m_categories->listAll())
        m_ids.insert(category.name, category.id);
}

std::optional<QString> ImportCategories::idFor(const QString& name, CategoryType typeIfNew)
{
    const auto found = m_ids.constFind(name);
    if (found != m_ids.cend())
        return found->isEmpty() ? std::nullopt : std::optional<QString>(*found);

    Category category;
    category.id = newRecordId();
    category.name = name;
    category.category_type = typeIfNew;
    category.created_at = m_now;
    category.updated_at = m_now;
    const bool stored = m_categories->insert(category);
    m_ids.insert(name, stored ? category.id : QString());
    return stored ? std::optional<QString>(category.id) : std::nullopt;
}
