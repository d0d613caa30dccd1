#include "storage/Database.h"

#include "storage/MigrationRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtDebug>

Database::Database(QObject* parent)
    : QObject(parent)
{
}

Database::~Database()
{
    close();
}

QString Database::dataDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("LEDGERINE_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tandrel/Ledgerine");
}

QString Database::databaseFilePath()
{
    return dataDirectory() + QStringLiteral("/ledgerine.db");
}

QString Database::defaultMigrationsPath()
{
    return QStringLiteral(":/sql/migrations");
}

bool Database::open(const QString& filePath, const QString& migrationsPath)
{
    close();
    m_lastError.clear();
    m_filePath = filePath;

    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the data directory %1").arg(folder));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(filePath);
    if (!m_db.open())
        return fail(QStringLiteral("cannot open %1: %2").arg(filePath, m_db.lastError().text()));

    if (!exec(QStringLiteral("PRAGMA busy_timeout=5000")))
        return false;
    if (!enableWriteAheadLog())
        return fail(QStringLiteral("cannot use write-ahead logging on %1").arg(filePath));

    // Migrations run before foreign keys are enforced, so that a script may
    // rebuild a table the way SQLite requires; the keys are checked after.
    QString migrationError;
    bool schemaChanged = false;
    {
        MigrationRunner migrations(m_db);
        if (!migrations.run(migrationsPath))
            migrationError = migrations.lastError();
        schemaChanged = migrations.appliedByLastRun() > 0;
    }
    if (!migrationError.isEmpty())
        return fail(migrationError);
    // Only a migration can have broken a reference: checking reads every row,
    // which a normal start of a long ledger should not pay for.
    if (schemaChanged && !foreignKeysHold())
        return fail(QStringLiteral("the data in %1 breaks its own references").arg(filePath));
    return exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

void Database::close()
{
    if (!m_db.isValid())
        return;
    const QString name = m_db.connectionName();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool Database::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

bool Database::enableWriteAheadLog()
{
    // journal_mode answers with the mode in force; anything but "wal" means
    // the file could not be switched (a read-only folder, for one).
    QSqlQuery journal(m_db);
    return journal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && journal.next()
        && journal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
}

bool Database::foreignKeysHold()
{
    QSqlQuery check(m_db);
    return check.exec(QStringLiteral("PRAGMA foreign_key_check")) && !check.next();
}

bool Database::exec(const QString& statement)
{
    QString error;
    {
        QSqlQuery query(m_db);
        if (query.exec(statement))
            return true;
        error = query.lastError().text();
    }
    return fail(QStringLiteral("%1 failed: %2").arg(statement, error));
}

bool Database::fail(const QString& message)
{
    m_lastError = message;
    qWarning().noquote() << "Database:" << message;
    close();
    return false;
}
