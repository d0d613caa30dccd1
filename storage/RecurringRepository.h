#pragma once

#include "storage/RecurringTransaction.h"
#include "storage/SyncedTableRepository.h"

class RecurringRepository : public SyncedTableRepository<RecurringTransaction>
{
    Q_OBJECT

public:
    explicit RecurringRepository(Database* database, QObject* parent = nullptr);

    using SyncedTableRepository::restoreByAccount;
    using SyncedTableRepository::softDelete;
    using SyncedTableRepository::softDeleteByAccount;

    // Every live recurring item, in no defined order.
    QList<RecurringTransaction> listAll() const;

Q_SIGNALS:
    void recurringChanged();

protected:
    void announceChange(const QString& accountId) override;
};
