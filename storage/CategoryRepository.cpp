#include "storage/CategoryRepository.h"

CategoryRepository::CategoryRepository(Database* database, QObject* parent)
    : SyncedTableRepository(database, "categories", "CategoryRepository", parent)
{
}

QList<Category> CategoryRepository::listAll() const
{
    return fetchWhere<Category>(QStringLiteral("deleted_at IS NULL ORDER BY name COLLATE NOCASE"), {}, "listAll");
}

int CategoryRepository::count() const
{
    SqlStatement statement(db(), QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"),
                           "CategoryRepository::count");
    if (!statement.execText() || !statement.next())
        return 0;
    return statement.value(0).toInt();
}

void CategoryRepository::announceChange(const QString&)
{
    Q_EMIT categoriesChanged();
}
