#include "storage/MigrationRunner.h"

#include "storage/NativeConnection.h"
#include "storage/Timestamp.h"

#include <QDir>
#include <QHash>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>

MigrationRunner::MigrationRunner(const QSqlDatabase& db)
    : m_db(db)
{
}

bool MigrationRunner::run(const QString& directory)
{
    m_appliedByLastRun = 0;
    QList<Migration> scripts;
    QList<Applied> applied;
    if (!checkScripts(directory, scripts, applied) || !ensureBookkeeping())
        return false;

    QSet<qint64> done;
    for (const Applied& script : std::as_const(applied))
        done.insert(script.number);
    for (const Migration& migration : std::as_const(scripts)) {
        if (done.contains(migration.number))
            continue;
        if (!apply(migration))
            return false;
        ++m_appliedByLastRun;
    }
    return true;
}

bool MigrationRunner::check(const QString& directory)
{
    QList<Migration> scripts;
    QList<Applied> applied;
    return checkScripts(directory, scripts, applied);
}

bool MigrationRunner::checkScripts(const QString& directory, QList<Migration>& scripts, QList<Applied>& applied)
{
    m_lastError.clear();
    m_resultCode = 0;
    m_newerSchema = false;
    m_foreign = false;
    if (!loadScripts(directory, scripts) || !readApplied(applied) || !recordsOurScripts(scripts, applied))
        return false;

    const qint64 newestKnown = scripts.isEmpty() ? 0 : scripts.last().number;
    if (!applied.isEmpty() && applied.last().number > newestKnown) {
        m_newerSchema = true;
        return fail(QStringLiteral("the database was written by a newer version of the program (schema %1, this "
                                   "version knows up to %2)")
                        .arg(applied.last().number)
                        .arg(newestKnown));
    }
    return true;
}

// Another program may keep a table of the same name and columns; only the
// names of our own scripts tell a ledger. A record that is empty is ours only
// while the database holds nothing else (a first run stopped before its
// first script).
bool MigrationRunner::recordsOurScripts(const QList<Migration>& scripts, const QList<Applied>& applied)
{
    QHash<qint64, QString> names;
    for (const Migration& script : scripts)
        names.insert(script.number, script.name);
    bool known = false;
    for (const Applied& script : applied) {
        const auto name = names.constFind(script.number);
        if (name == names.cend())
            continue;
        if (*name != script.name) {
            m_foreign = true;
            return fail(QStringLiteral("the migration record names script %1 %2, which is not this program's")
                            .arg(script.number)
                            .arg(script.name));
        }
        known = true;
    }
    if (known)
        return true;
    QSqlQuery query(m_db);
    // SQLite's own objects are named "sqlite_..."; a prefix test, since "_"
    // in a LIKE pattern stands for any character.
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name != 'schema_migrations' "
                                   "AND substr(name, 1, 7) != 'sqlite_'"))
        || !query.next())
        return fail(QStringLiteral("cannot read the schema: %1").arg(query.lastError().text()), query.lastError());
    if (applied.isEmpty() && query.value(0).toInt() == 0)
        return true;
    m_foreign = true;
    return fail(QStringLiteral("the migration record names none of this program's scripts"));
}

QList<qint64> MigrationRunner::appliedNumbers() const
{
    QList<qint64> numbers;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT version FROM schema_migrations ORDER BY version"))) {
        while (query.next())
            numbers << query.value(0).toLongLong();
    }
    return numbers;
}

bool MigrationRunner::hasBookkeeping() const
{
    QSqlQuery query(m_db);
    return query.prepare(QStringLiteral("SELECT version, name, applied_at FROM schema_migrations"));
}

bool MigrationRunner::readApplied(QList<Applied>& applied)
{
    // A database without the record has run nothing yet; any other failure
    // to read it (a damaged file, a lock) is the caller's to hear about.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = "
                                   "'schema_migrations'"))
        || !query.next())
        return fail(QStringLiteral("cannot read the schema: %1").arg(query.lastError().text()), query.lastError());
    if (query.value(0).toInt() == 0)
        return true;
    if (!query.exec(QStringLiteral("SELECT version, name FROM schema_migrations ORDER BY version")))
        return fail(QStringLiteral("cannot read the migration record: %1").arg(query.lastError().text()),
                    query.lastError());
    while (query.next())
        applied.append({query.value(0).toLongLong(), query.value(1).toString()});
    if (query.lastError().isValid())
        return fail(QStringLiteral("cannot read the migration record: %1").arg(query.lastError().text()),
                    query.lastError());
    return true;
}

bool MigrationRunner::ensureBookkeeping()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations ("
                                   "version INTEGER PRIMARY KEY, name TEXT NOT NULL, applied_at TEXT NOT NULL)")))
        return fail(QStringLiteral("cannot create the migration record: %1").arg(query.lastError().text()),
                    query.lastError());
    return true;
}

bool MigrationRunner::loadScripts(const QString& directory, QList<Migration>& scripts)
{
    static const QRegularExpression namePattern(QStringLiteral("^(\\d+)_[^/]*\\.sql$"));
    const QDir dir(directory);
    if (!dir.exists())
        return fail(QStringLiteral("migration folder %1 does not exist").arg(directory));

    QSet<int> numbers;
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = namePattern.match(file);
        if (!match.hasMatch())
            continue;
        Migration migration;
        migration.number = match.captured(1).toInt();
        migration.name = file;
        if (numbers.contains(migration.number))
            return fail(QStringLiteral("two migrations are numbered %1").arg(migration.number));
        numbers.insert(migration.number);

        QFile source(dir.filePath(file));
        if (!source.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read migration %1").arg(file));
        migration.script = QString::fromUtf8(source.readAll());
        scripts << migration;
    }
    std::sort(scripts.begin(), scripts.end(),
              [](const Migration& a, const Migration& b) { return a.number < b.number; });
    return true;
}

bool MigrationRunner::apply(const Migration& migration)
{
    if (!m_db.transaction())
        return fail(QStringLiteral("cannot begin migration %1: %2").arg(migration.name, m_db.lastError().text()),
                    m_db.lastError());

    // SQLite runs the whole script itself, so triggers, quoted semicolons
    // and comments need no splitting of ours.
    int resultCode = 0;
    const QString scriptError = execScript(migration.script, resultCode);
    if (!scriptError.isEmpty()) {
        m_db.rollback();
        return fail(QStringLiteral("migration %1 failed: %2").arg(migration.name, scriptError), resultCode);
    }

    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO schema_migrations (version, name, applied_at) VALUES (?, ?, ?)"));
    query.addBindValue(migration.number);
    query.addBindValue(migration.name);
    query.addBindValue(toIsoUtc(nowUtc()));
    if (!query.exec() || !m_db.commit()) {
        const QSqlError error = query.lastError().isValid() ? query.lastError() : m_db.lastError();
        // Before the rollback, which leaves a code of its own on the connection.
        fail(QStringLiteral("cannot record migration %1: %2").arg(migration.name, error.text()), error);
        query.finish();
        m_db.rollback();
        return false;
    }
    return true;
}

bool MigrationRunner::fail(const QString& message, int resultCode)
{
    m_lastError = message; // the caller logs it with what it was opening
    m_resultCode = resultCode & 0xff; // the primary code under an extended one
    return false;
}

bool MigrationRunner::fail(const QString& message, const QSqlError& error)
{
    // Qt's begin and commit report no code of their own; the connection
    // still holds the one of the statement that failed.
    bool hasCode = false;
    const int code = error.nativeErrorCode().toInt(&hasCode);
    if (hasCode)
        return fail(message, code);
    sqlite3* db = nativeconnection::handle(m_db);
    return fail(message, db ? sqlite3_errcode(db) : 0);
}

QString MigrationRunner::execScript(const QString& script, int& resultCode)
{
    sqlite3* db = nativeconnection::handle(m_db);
    if (!db)
        return QStringLiteral("the database is not open");
    char* message = nullptr;
    resultCode = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message);
    if (resultCode == SQLITE_OK)
        return {};
    const QString error = message ? QString::fromUtf8(message) : QStringLiteral("unknown error");
    sqlite3_free(message);
    return error;
}
