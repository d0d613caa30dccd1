#pragma once

#include "storage/Category.h"
#include "storage/SyncedTableRepository.h"

class CategoryRepository : public SyncedTableRepository<Category>
{
    Q_OBJECT

public:
    explicit CategoryRepository(Database* database, QObject* parent = nullptr);

    // Marks only this category: its sub-categories and the transactions that
    // use it stay as they are.
    using SyncedTableRepository::softDelete;

    // Live categories by name.
    QList<Category> listAll() const;
    // The number of live categories.
    int count() const;

Q_SIGNALS:
    void categoriesChanged();

protected:
    void announceChange(const QString& accountId) override;
};
