#pragma once

#include "storage/Account.h"
#include "storage/SyncedTableRepository.h"

class AccountRepository : public SyncedTableRepository<Account>
{
    Q_OBJECT

public:
    explicit AccountRepository(Database* database, QObject* parent = nullptr);

    using SyncedTableRepository::softDelete;

    // Clears deleted_at and sets the row pending; the version stays.
    bool restore(const QString& id);

    // Live accounts by sort order, then name.
    QList<Account> listActive() const;
    // Deleted accounts by name.
    QList<Account> listDeleted() const;

Q_SIGNALS:
    void accountsChanged();

protected:
    void announceChange(const QString& accountId) override;
};
