#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

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
    // Stops at the first failure.
    bool run(const QString& directory);
    QString lastError() const { return m_lastError; }
    // How many scripts the last run applied.
    int appliedByLastRun() const { return m_appliedByLastRun; }

    QList<int> appliedNumbers() const;

private:
    bool ensureBookkeeping();
    bool loadScripts(const QString& directory, QList<Migration>& scripts);
    bool apply(const Migration& migration);
    // Runs a whole script on the connection; the error text, empty on success.
    QString execScript(const QString& script);
    bool fail(const QString& message);

    QSqlDatabase m_db;
    QString m_lastError;
    int m_appliedByLastRun = 0;
};
