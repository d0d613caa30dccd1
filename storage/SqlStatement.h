#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// One prepared statement with positional values. A failure is logged as
// "<where> failed: <database error>", the form every repository uses, so
// callers only have to look at the return value.
class SqlStatement
{
public:
    SqlStatement(const QSqlDatabase& db, const QString& sql, QByteArray where);
    // Runs a query prepared earlier and kept by its owner (statements run
    // thousands of times in a row, such as an import's inserts, are prepared
    // only once). The query must outlive the statement.
    SqlStatement(QSqlQuery& prepared, QByteArray where);

    SqlStatement& bind(const QVariant& value);
    SqlStatement& bindAll(const QVariantList& values);

    // Runs the statement once; false (and a log line) on failure.
    bool exec();
    // Runs a statement without values directly from its text.
    bool execText();

    // The database's words for the last statement that failed anywhere, for
    // a window that tells the user why a change was not stored.
    static QString lastFailure();
    // Logs a statement run outside this class as failed, as this class
    // does, and keeps `error` as the last failure.
    static void reportFailure(const QByteArray& where, const QString& error);

    QSqlQuery& query() { return *m_query; }
    // The next row; false at the end, and when reading on fails (logged):
    // failed() then tells a read cut short from a shorter answer.
    bool next();
    bool failed() const { return m_failed; }
    QVariant value(int index) const { return m_query->value(index); }
    int rowsAffected() const { return m_query->numRowsAffected(); }

private:
    bool report(bool ok);

    std::optional<QSqlQuery> m_ownQuery;
    QSqlQuery* m_query;
    QString m_sql;
    QByteArray m_where;
    bool m_prepared = false;
    bool m_failed = false;
    int m_nextIndex = 0;
};
