#pragma once

#include "storage/RecordSchema.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;

// A forward-only read straight from SQLite on the application's connection,
// for the few reads that return a whole account's history. Qt's driver
// converts and caches every column of every row as UTF-16 before handing it
// out, which costs more than the query itself on a long register. Values are
// returned as the same QVariants Qt's driver would give, so records are read
// through their RecordSchema as usual.
class SqliteCursor
{
public:
    SqliteCursor(const QSqlDatabase& db, const QString& sql, QByteArray where);
    ~SqliteCursor();

    SqliteCursor(const SqliteCursor&) = delete;
    SqliteCursor& operator=(const SqliteCursor&) = delete;

    // Binds the next positional parameter; texts only, as the reads need
    // (dates and ids are stored as text).
    SqliteCursor& bind(const QString& value);
    SqliteCursor& bindAll(const QVariantList& values);

    // Steps to the next row; false at the end or on failure (logged).
    bool next();
    bool failed() const { return m_failed; }

    QVariant value(int column) const;
    // Dates and timestamps come back parsed (QDate, QDateTime) straight from
    // the stored bytes; other kinds as value(column).
    QVariant value(int column, ColumnKind kind) const;

private:
    void fail(const char* what);

    QSqlDatabase m_db;
    sqlite3_stmt* m_statement = nullptr;
    QByteArray m_where;
    int m_nextIndex = 1;
    bool m_failed = false;
};
