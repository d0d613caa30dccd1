#pragma once

#include <QSqlDatabase>

struct sqlite3;

// The SQLite connection under Qt's driver, for the few things Qt Sql does
// not offer: whole scripts, long reads, and whether a transaction is open.
namespace nativeconnection {

// Null when the connection is not an open SQLite one.
sqlite3* handle(const QSqlDatabase& db);

// True while a transaction is open on the connection. An import keeps the
// event loop running inside its transaction, so timers and network answers
// can arrive in the middle of it.
bool inTransaction(const QSqlDatabase& db);

} // namespace nativeconnection
