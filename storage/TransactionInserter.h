#pragma once

#include "storage/Transaction.h"

#include <QByteArray>

struct sqlite3_stmt;
class TransactionRepository;

// Writes the many new transactions of one long run (an import) as
// TransactionRepository::insert does, with the same columns, checks and
// change note, but straight through SQLite: one statement prepared for the
// run and values bound as they are. Qt's binding of a value costs more than
// SQLite's own work for the row, and an import writes up to a million.
//
// The statement lives as long as the inserter: keep it within the run, as
// the database cannot close while it exists.
class TransactionInserter
{
public:
    explicit TransactionInserter(TransactionRepository* repository);
    ~TransactionInserter();

    TransactionInserter(const TransactionInserter&) = delete;
    TransactionInserter& operator=(const TransactionInserter&) = delete;

    // False, with the log line and SqlStatement::lastFailure() of a failed
    // statement, when the row was not stored.
    bool insert(const Transaction& record);

private:
    bool fail(const char* what);

    TransactionRepository* m_repository;
    sqlite3_stmt* m_statement = nullptr;
};
