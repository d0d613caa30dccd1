#pragma once

#include "storage/Reconciliation.h"
#include "storage/SyncedTableRepository.h"

// Reconciliations are history: they are never deleted on their own, only
// with their account (and revived with it).
class ReconciliationRepository : public SyncedTableRepository<Reconciliation>
{
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database* database, QObject* parent = nullptr);

    using SyncedTableRepository::restoreByAccount;
    using SyncedTableRepository::softDeleteByAccount;

    // The account's live reconciliations, latest statement first.
    QList<Reconciliation> listByAccount(const QString& accountId) const;
    std::optional<Reconciliation> latestByAccount(const QString& accountId) const;

Q_SIGNALS:
    void reconciliationsChanged();

protected:
    void announceChange(const QString& accountId) override;
};
