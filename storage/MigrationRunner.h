#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlError;

// Brings a database's schema up to date from numbered SQL scripts
// ("0001_initial.sql", "0002_....sql", ...). Each script runs once, inside its
// own transaction together with the record that it ran, so a failing script
// leaves the database exactly as it was before it. A database that has run
// scripts this program does not know came from a newer version and is refused
// rather than written with an older idea of its schema.
class MigrationRunner
{
public:
    struct Migration
    {
        int number = 0;
        QString name;
        QString script;
    };

    explicit MigrationRunner(const QSqlDatabase& db);

    // Applies every script of `directory` not applied yet, in number order.
    // Stops at the first failure. Runs check() first.
    bool run(const QString& directory);
    // Reads only: refuses a database whose record of applied scripts is not
    // this program's (foreign() then holds), one that has run a script
    // `directory` does not have (newerSchema() then holds), or scripts that
    // cannot be read.
    bool check(const QString& directory);
    // Reads only: whether the database keeps this program's record of applied
    // scripts. A table of that name with other columns is someone else's.
    bool hasBookkeeping() const;

    QString lastError() const { return m_lastError; }
    // Whether the last refusal was of a database written by a newer version.
    bool newerSchema() const { return m_newerSchema; }
    // Whether the last refusal was of another program's record of scripts: a
    // table of the same name and columns that names none of ours, or names
    // one of our numbers by another name.
    bool foreign() const { return m_foreign; }
    // SQLite's primary result code for the statement that failed last; 0
    // when the failure was not the database's (a script file, a newer schema).
    int lastResultCode() const { return m_resultCode; }
    // How many scripts the last run applied.
    int appliedByLastRun() const { return m_appliedByLastRun; }

    QList<qint64> appliedNumbers() const;

private:
    // A row of the record. Numbers are read whole: one from a much newer
    // version may pass what an int holds.
    struct Applied
    {
        qint64 number = 0;
        QString name;
    };

    bool checkScripts(const QString& directory, QList<Migration>& scripts, QList<Applied>& applied);
    bool readApplied(QList<Applied>& applied);
    bool recordsOurScripts(const QList<Migration>& scripts, const QList<Applied>& applied);
    bool ensureBookkeeping();
    bool loadScripts(const QString& directory, QList<Migration>& scripts);
    bool apply(const Migration& migration);
    // Runs a whole script on the connection; the error text, empty on
    // success, and SQLite's result code.
    QString execScript(const QString& script, int& resultCode);
    bool fail(const QString& message, int resultCode = 0);
    bool fail(const QString& message, const QSqlError& error);

    QSqlDatabase m_db;
    QString m_lastError;
    int m_resultCode = 0;
    bool m_newerSchema = false;
    bool m_foreign = false;
    int m_appliedByLastRun = 0;
};
