#pragma once

#include "storage/Category.h"

#include <QObject>
#include <QString>

class CategoryRepository;

// Stores what the category form produces. Each returns false, after a log
// line, when nothing was stored.
class CategoryEditor : public QObject
{
    Q_OBJECT

public:
    explicit CategoryEditor(CategoryRepository* categories, QObject* parent = nullptr);

    // Refuses a category without a name.
    bool create(const Category& category);

    // Stores the edited name, type and tax fields one version above the
    // stored row, pending for sync. Refuses a blank name and a category
    // deleted meanwhile.
    bool update(const Category& edited);

    // Marks only this category deleted: its sub-categories move to the top
    // level and its transactions count as uncategorized.
    bool remove(const QString& id);

private:
    CategoryRepository* m_categories;
};
