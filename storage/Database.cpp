#include "storage/Database.h"

#include "storage/MigrationRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>
#include <QtDebug>

#include <sqlite3.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString kInspectionConnection = QStringLiteral("ledgerine-inspection");

// Below this a save has no room for the pages it writes to the log, so a
// ledger on such a disk would open and then fail every save.
constexpr qint64 kLeastFreeBytes = 1024 * 1024;

Database::Problem problemOf(int resultCode)
{
    switch (resultCode & 0xff) { // the primary code under an extended one
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Database::Problem::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Database::Problem::Locked;
    case SQLITE_READONLY:
        return Database::Problem::ReadOnly;
    case SQLITE_FULL:
        return Database::Problem::DiskFull;
    default:
        return Database::Problem::Other;
    }
}

Database::Problem problemOf(const QSqlError& error)
{
    return problemOf(error.nativeErrorCode().toInt());
}

// Asked of the system as the user the program runs as, the one who writes:
// the mode bits alone are wrong for root, access lists and read-only mounts.
bool isWritable(const QString& path)
{
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

} // namespace

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

QString Database::problemText(Problem problem)
{
    switch (problem) {
    case Problem::Damaged:
        return tr("The ledger file is damaged: restore it from a backup and try again.");
    case Problem::NewerVersion:
        return tr("The ledger was written by a newer version of Ledgerine: install that version to open it.");
    case Problem::NotALedger:
        return tr("The file ledgerine.db there is not a Ledgerine ledger: move it out of the folder to start a "
                  "new ledger.");
    case Problem::ReadOnly:
        return tr("The ledger or its folder is read-only: allow writing to them and try again.");
    case Problem::Locked:
        return tr("Another program has locked the ledger: close it and try again.");
    case Problem::DiskFull:
        return tr("The disk is full: free some space and try again.");
    case Problem::None:
    case Problem::Other:
        break;
    }
    return tr("Please check file permissions and try again.");
}

bool Database::open(const QString& filePath, const QString& migrationsPath)
{
    close();
    m_lastError.clear();
    m_problem = Problem::None;
    m_filePath = filePath;

    const bool existed = QFileInfo::exists(filePath);
    if (openChecked(filePath, migrationsPath, existed))
        return true;
    // A ledger this call began and could not finish is not left half made.
    if (!existed)
        QFile::remove(filePath);
    return false;
}

bool Database::openChecked(const QString& filePath, const QString& migrationsPath, bool existed)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(Problem::Other, QStringLiteral("cannot create the data directory %1").arg(folder));

    // Nothing is written until the file is known to be empty or ours, of a
    // schema this version knows, whole and writable: a refused file stays as
    // it was, byte for byte, without a log or shared-memory file beside it.
    // An empty file is what SQLite itself takes for a new database.
    if (existed && QFileInfo(filePath).size() > 0 && !inspect(filePath, migrationsPath))
        return false;
    if (!checkWritable(folder, filePath, existed))
        return false;

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(filePath);
    if (!m_db.open())
        return fail(problemOf(m_db.lastError()),
                    QStringLiteral("cannot open %1: %2").arg(filePath, m_db.lastError().text()));

    // Another program holding the write lock would let the start succeed and
    // fail every save after it; taking the lock once, writing nothing, finds
    // it now (after the busy timeout, as a save would).
    if (!exec(QStringLiteral("PRAGMA busy_timeout=5000")) || !exec(QStringLiteral("BEGIN IMMEDIATE"))
        || !exec(QStringLiteral("ROLLBACK")))
        return false;
    if (!enableWriteAheadLog())
        return false;

    // Migrations run before foreign keys are enforced, so that a script may
    // rebuild a table the way SQLite requires; the keys are checked after.
    QString migrationError;
    Problem migrationProblem = Problem::None;
    bool schemaChanged = false;
    {
        MigrationRunner migrations(m_db);
        if (!migrations.run(migrationsPath)) {
            migrationError = migrations.lastError();
            migrationProblem = migrations.foreign()       ? Problem::NotALedger
                : migrations.newerSchema() ? Problem::NewerVersion
                                           : problemOf(migrations.lastResultCode());
        }
        schemaChanged = migrations.appliedByLastRun() > 0;
    }
    if (!migrationError.isEmpty())
        return fail(migrationProblem, migrationError);
    // Only a migration can have broken a reference: checking reads every row,
    // which a normal start of a long ledger should not pay for.
    if (schemaChanged && !foreignKeysHold())
        return fail(Problem::Other, QStringLiteral("the data in %1 breaks its own references").arg(filePath));
    return exec(QStringLiteral("PRAGMA foreign_keys=ON"));
}

bool Database::inspect(const QString& filePath, const QString& migrationsPath)
{
    {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            return fail(Problem::Other, QStringLiteral("cannot read %1: %2").arg(filePath, file.errorString()));
        static const QByteArray sqliteHeader("SQLite format 3", 16); // with its closing zero byte
        const QByteArray header = file.read(100);
        if (!header.startsWith(sqliteHeader)) {
            // No program writes a file that starts with a hundred zero bytes:
            // a ledger whose first page a crash or a bad disk wiped does.
            if (header.size() == 100 && header.count('\0') == header.size())
                return fail(Problem::Damaged, QStringLiteral("%1 starts with a page of zeros").arg(filePath));
            return fail(Problem::NotALedger, QStringLiteral("%1 is not an SQLite database").arg(filePath));
        }
    }

    Problem problem = Problem::None;
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kInspectionConnection);
        // Without a log beside it the file holds every committed change, and
        // an immutable connection reads it without making a log or a
        // shared-memory file. A log left by a crash or by a running program
        // is part of the ledger: a plain read-only connection reads it too,
        // and the side files it needs are there already.
        QUrl uri = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
        if (!QFileInfo::exists(filePath + QStringLiteral("-wal")))
            uri.setQuery(QStringLiteral("immutable=1"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        if (db.open()) {
            problem = inspectSchema(db, migrationsPath, why);
        } else {
            problem = problemOf(db.lastError());
            why = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(kInspectionConnection);
    if (problem == Problem::None)
        return true;
    return fail(problem, QStringLiteral("refused %1: %2").arg(filePath, why));
}

Database::Problem Database::inspectSchema(const QSqlDatabase& db, const QString& migrationsPath, QString& why)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !query.next()) {
        why = QStringLiteral("cannot read the schema: %1").arg(query.lastError().text());
        return problemOf(query.lastError());
    }
    if (query.value(0).toInt() == 0) {
        // Without tables it may become a ledger, unless a program has already
        // marked it as its own.
        if (!query.exec(QStringLiteral("SELECT user_version, application_id FROM pragma_user_version, "
                                       "pragma_application_id"))
            || !query.next()) {
            why = QStringLiteral("cannot read the header: %1").arg(query.lastError().text());
            return problemOf(query.lastError());
        }
        if (query.value(0).toInt() == 0 && query.value(1).toInt() == 0)
            return Problem::None;
        why = QStringLiteral("an empty database marked by another program");
        return Problem::NotALedger;
    }
    query.finish();

    MigrationRunner migrations(db);
    if (!migrations.hasBookkeeping()) {
        why = QStringLiteral("the tables of another program");
        return Problem::NotALedger;
    }
    if (!migrations.check(migrationsPath)) {
        why = migrations.lastError();
        if (migrations.foreign())
            return Problem::NotALedger;
        return migrations.newerSchema() ? Problem::NewerVersion : problemOf(migrations.lastResultCode());
    }

    // The quick check reads every page but skips matching indexes against
    // their tables: broken pages are what a crash or a bad disk leaves.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        why = QStringLiteral("the quick check failed: %1").arg(query.lastError().text());
        return query.lastError().isValid() ? problemOf(query.lastError()) : Problem::Damaged;
    }
    const QString verdict = query.value(0).toString();
    if (verdict == QLatin1String("ok"))
        return Problem::None;
    why = QStringLiteral("damaged: %1").arg(verdict);
    return Problem::Damaged;
}

bool Database::checkWritable(const QString& folder, const QString& filePath, bool existed)
{
    // SQLite keeps its log and shared memory beside the ledger, so the folder
    // must take new files even when the ledger exists.
    if (!isWritable(folder))
        return fail(Problem::ReadOnly, QStringLiteral("the data directory %1 is read-only").arg(folder));
    if (existed && !isWritable(filePath))
        return fail(Problem::ReadOnly, QStringLiteral("%1 is read-only").arg(filePath));
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReady() && disk.bytesAvailable() < kLeastFreeBytes)
        return fail(Problem::DiskFull, QStringLiteral("only %1 bytes are free on the disk of %2")
                                           .arg(disk.bytesAvailable())
                                           .arg(folder));
    return true;
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
    // the file could not be switched.
    QSqlError error;
    {
        QSqlQuery journal(m_db);
        if (journal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && journal.next()
            && journal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
            return true;
        error = journal.lastError();
    }
    return fail(problemOf(error),
                QStringLiteral("cannot use write-ahead logging on %1: %2").arg(m_filePath, error.text()));
}

bool Database::foreignKeysHold()
{
    QSqlQuery check(m_db);
    return check.exec(QStringLiteral("PRAGMA foreign_key_check")) && !check.next();
}

bool Database::exec(const QString& statement)
{
    QSqlError error;
    {
        QSqlQuery query(m_db);
        if (query.exec(statement))
            return true;
        error = query.lastError();
    }
    return fail(problemOf(error), QStringLiteral("%1 failed: %2").arg(statement, error.text()));
}

bool Database::fail(Problem problem, const QString& message)
{
    m_problem = problem;
    m_lastError = message;
    qWarning().noquote() << "Database:" << message;
    close();
    return false;
}
