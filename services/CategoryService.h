#pragma once

#include "storage/Enums.h"

#include <QObject>
#include <QString>

class CategoryRepository;

// The default category tree a new household starts with. Every device
// derives the same ids from the untranslated names, so defaults seeded on two
// devices meet as one row at sync instead of as duplicates.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the default tree when no live category exists, in one database
    // transaction; the number of categories written (0 when nothing was
    // needed or the seeding failed and was rolled back).
    int seedDefaults();

    // The id of a default category: a version-5 UUID in the DNS namespace
    // over "name:parentName:type" (untranslated names, parent empty at the
    // top level), without braces.
    static QString defaultCategoryId(const QString& name, const QString& parentName, CategoryType type);

private:
    CategoryRepository* m_categories;
};
