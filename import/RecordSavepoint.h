#pragma once

#include <QSqlDatabase>

// Makes the several rows of one imported record (a transaction and its split
// lines) all or nothing inside the import's transaction: a split line that
// cannot be stored takes its transaction with it, and the run goes on.
// Rolls back when it goes out of scope without release().
class RecordSavepoint
{
public:
    explicit RecordSavepoint(QSqlDatabase db);
    ~RecordSavepoint();

    RecordSavepoint(const RecordSavepoint&) = delete;
    RecordSavepoint& operator=(const RecordSavepoint&) = delete;

    // False when it could not be set: write nothing then.
    bool isActive() const { return m_active; }
    // Keeps what was written since; false when that failed.
    bool release();
    // Takes back what was written since; false when that failed, and the
    // import's transaction must be rolled back whole.
    bool rollback();

private:
    QSqlDatabase m_db;
    bool m_active = false;
};
