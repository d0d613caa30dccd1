#include "storage/MigrationRunner.h"

#include "storage/NativeConnection.h"
#include "storage/Timestamp.h"

#include <QDir>
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
    m_lastError.clear();
    m_appliedByLastRun = 0;
    if (!ensureBookkeeping())
        return false;

    QList<Migration> scripts;
    if (!loadScripts(directory, scripts))
        return false;

    const QList<int> applied = appliedNumbers();
    const int newestKnown = scripts.isEmpty() ? 0 : scripts.last().number;
    if (!applied.isEmpty() && applied.last() > newestKnown)
        return fail(QStringLiteral("the database was written by a newer version of the program (schema %1, this "
                                   "version knows up to %2)")
                        .arg(applied.last())
                        .arg(newestKnown));
    const QSet<int> done(applied.cbegin(), applied.cend());
    for (const Migration& migration : std::as_const(scripts)) {
        if (done.contains(migration.number))
            continue;
        if (!apply(migration))
            return false;
        ++m_appliedByLastRun;
    }
    return true;
}

QList<int> MigrationRunner::appliedNumbers() const
{
    QList<int> numbers;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT version FROM schema_migrations ORDER BY version"))) {
        while (query.next())
            numbers << query.value(0).toInt();
    }
    return numbers;
}

bool MigrationRunner::ensureBookkeeping()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations ("
                                   "version INTEGER PRIMARY KEY, name TEXT NOT NULL, applied_at TEXT NOT NULL)")))
        return fail(QStringLiteral("cannot create the migration record: %1").arg(query.lastError().text()));
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
        return fail(QStringLiteral("cannot begin migration %1: %2").arg(migration.name, m_db.lastError().text()));

    // SQLite runs the whole script itself, so triggers, quoted semicolons
    // and comments need no splitting of ours.
    const QString scriptError = execScript(migration.script);
    if (!scriptError.isEmpty()) {
        m_db.rollback();
        return fail(QStringLiteral("migration %1 failed: %2").arg(migration.name, scriptError));
    }

    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO schema_migrations (version, name, applied_at) VALUES (?, ?, ?)"));
    query.addBindValue(migration.number);
    query.addBindValue(migration.name);
    query.addBindValue(toIsoUtc(nowUtc()));
    if (!query.exec() || !m_db.commit()) {
        const QString error = query.lastError().isValid() ? query.lastError().text() : m_db.lastError().text();
        query.finish();
        m_db.rollback();
        return fail(QStringLiteral("cannot record migration %1: %2").arg(migration.name, error));
    }
    return true;
}

bool MigrationRunner::fail(const QString& message)
{
    m_lastError = message; // the caller logs it with what it was opening
    return false;
}

QString MigrationRunner::execScript(const QString& script)
{
    sqlite3* db = nativeconnection::handle(m_db);
    if (!db)
        return QStringLiteral("the database is not open");
    char* message = nullptr;
    if (sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return {};
    const QString error = message ? QString::fromUtf8(message) : QStringLiteral("unknown error");
    sqlite3_free(message);
    return error;
}
