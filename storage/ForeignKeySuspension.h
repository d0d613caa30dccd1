#pragma once

#include <QSqlDatabase>

#include <optional>

// Turns SQLite's enforcement of foreign keys off for the life of this object,
// so that one write may store rows whose parent arrives later (a sync page
// may bring transactions before their account). SQLite ignores the setting
// inside a transaction: make this before the ScopedTransaction and let it
// outlive it.
class ForeignKeySuspension
{
public:
    explicit ForeignKeySuspension(QSqlDatabase db);
    ~ForeignKeySuspension();

    ForeignKeySuspension(const ForeignKeySuspension&) = delete;
    ForeignKeySuspension& operator=(const ForeignKeySuspension&) = delete;

    // False when enforcement could not be turned off (inside a transaction,
    // or the statement failed).
    bool isActive() const { return m_active; }

    // How many rows point at a parent row that does not exist, over every
    // table; empty when the check could not run.
    static std::optional<int> rowsWithoutParent(const QSqlDatabase& db);

private:
    QSqlDatabase m_db;
    bool m_active = false;
    bool m_wasEnforced = false;
};
