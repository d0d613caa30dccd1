#pragma once

#include "storage/Enums.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

class CategoryRepository;

// The categories an import files its rows under, by exact name (case
// counts). A name the ledger lacks is created once, of the type the first
// caller asks for, and its id reused for every later row.
class ImportCategories
{
public:
    // Reads the live categories; of two with one name the later listed wins.
    // `now` stamps the categories created.
    ImportCategories(CategoryRepository* categories, const QDateTime& now);

    // The id of the category of that name, created when missing. None when it
    // could not be created (the repository logs why); it is not tried again,
    // and no row may name an id that is not stored.
    std::optional<QString> idFor(const QString& name, CategoryType typeIfNew = CategoryType::Expense);

private:
    CategoryRepository* m_categories;
    QDateTime m_now;
    // Name to id; an empty id for a name whose creation failed.
    QHash<QString, QString> m_ids;
};
