#include "storage/Database.h"
#include "storage/MigrationRunner.h"
#include "storage/NativeConnection.h"
#include "tests/support/TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>
#include <unistd.h>

#include <map>

namespace {

// What a refused file must still be: the same bytes, and no log, shared
// memory or journal beside it that was not there before.
struct FileState
{
    bool exists = false;
    QByteArray bytes;
    QStringList sideFiles;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const QString& path)
{
    FileState state;
    QFile file(path);
    state.exists = file.exists();
    if (file.open(QIODevice::ReadOnly))
        state.bytes = file.readAll();
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (QFile::exists(path + QLatin1String(suffix)))
            state.sideFiles << QLatin1String(suffix);
    }
    return state;
}

// Runs SQL on a connection of its own, as another program would.
bool runSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// Root writes through any file mode, so checks of modes run as an ordinary
// user, as the program's users do: the folder and its files become nobody's.
class OrdinaryUser
{
public:
    explicit OrdinaryUser(const QString& folder)
    {
        if (::geteuid() != 0)
            return;
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
            giveAway(dir.filePath(name));
        giveAway(folder);
        m_switched = ::seteuid(kNobody) == 0;
    }
    ~OrdinaryUser()
    {
        if (m_switched)
            (void)::seteuid(0);
    }

private:
    static constexpr uid_t kNobody = 65534;
    static void giveAway(const QString& path) { (void)::chown(QFile::encodeName(path).constData(), kNobody, kNobody); }

    bool m_switched = false;
};

// A disk with no room left: every write SQLite makes through its default
// file system fails as it does on a full disk, until this is destroyed.
class FullDisk
{
public:
    FullDisk()
    {
        s_real = sqlite3_vfs_find(nullptr);
        m_vfs = *s_real;
        m_vfs.zName = "full-disk";
        m_vfs.xOpen = &open;
        sqlite3_vfs_register(&m_vfs, 1);
    }
    ~FullDisk()
    {
        sqlite3_vfs_unregister(&m_vfs);
        sqlite3_vfs_register(s_real, 1);
    }

private:
    static int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
    {
        const int rc = s_real->xOpen(s_real, name, file, flags, outFlags);
        if (rc == SQLITE_OK && file->pMethods) {
            // Ledgers, logs and journals each have methods of their own.
            auto [full, added] = s_methods.try_emplace(file->pMethods, *file->pMethods);
            full->second.xWrite = [](sqlite3_file*, const void*, int, sqlite3_int64) { return SQLITE_FULL; };
            file->pMethods = &full->second;
        }
        return rc;
    }

    static inline sqlite3_vfs* s_real = nullptr;
    static inline std::map<const sqlite3_io_methods*, sqlite3_io_methods> s_methods;
    sqlite3_vfs m_vfs{};
};

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resolvesTheDataDirectory();
    void createsTheSchemaWithWalAndForeignKeys();
    void appliesEachMigrationOnceAcrossReopens();
    void failedMigrationLeavesNothingHalfDone();
    void runsMigrationsInTheOrderOfTheirNumbers();
    void failedMigrationLeavesNoTransactionOpen();
    void refusesTwoMigrationsWithOneNumber();
    void reportsAnUnwritableDataDirectory();
    void runsScriptsWithTriggersAndRefusesNewerSchemas();
    void refusesForeignAndUnreadableFilesUntouched_data();
    void refusesForeignAndUnreadableFilesUntouched();
    void refusesADamagedLedgerUntouched();
    void readsMigrationNumbersBeyond32Bits();
    void refusesALedgerItCannotWrite();
    void refusesALedgerLockedByAnotherConnection();
    void refusesToStartOnAFullDisk();

private:
    static void writeScript(const QString& folder, const QString& name, const QByteArray& sql);
    static int scalar(Database& db, const QString& sql);
};

void DatabaseTest::writeScript(const QString& folder, const QString& name, const QByteArray& sql)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(sql);
}

int DatabaseTest::scalar(Database& db, const QString& sql)
{
    QSqlQuery query(db.connection());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}

void DatabaseTest::resolvesTheDataDirectory()
{
    TestDataDir dir;
    QCOMPARE(Database::dataDirectory(), dir.path());
    QCOMPARE(Database::databaseFilePath(), dir.path() + QStringLiteral("/ledgerine.db"));

    // An empty variable counts as unset.
    qputenv("LEDGERINE_DATA_DIR", QByteArray());
    QVERIFY(Database::dataDirectory().endsWith(QStringLiteral("/Tandrel/Ledgerine")));
}

void DatabaseTest::createsTheSchemaWithWalAndForeignKeys()
{
    TestDataDir dir;
    Database db;
    QVERIFY2(db.open(), qPrintable(db.lastError()));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("ledgerine.db"))));

    QSqlQuery query(db.connection());
    QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    QCOMPARE(scalar(db, QStringLiteral("PRAGMA foreign_keys")), 1);

    for (const char* table : {"accounts", "transactions", "categories", "split_lines", "recurring_transactions",
                              "reconciliations", "preferences"}) {
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name='%1'")
                                .arg(QLatin1String(table))),
                 1);
    }
    // A transaction of an account that does not exist is refused.
    QVERIFY(!query.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, created_at, updated_at) "
                                       "VALUES ('t', 'missing', '2026-01-01', 'x', 'x')")));
}

void DatabaseTest::appliesEachMigrationOnceAcrossReopens()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    writeScript(scripts, QStringLiteral("0001_people.sql"), "CREATE TABLE people (name TEXT);");
    writeScript(scripts, QStringLiteral("0002_seed.sql"), "INSERT INTO people VALUES ('a; b');\n-- note; here\n");
    writeScript(scripts, QStringLiteral("readme.txt"), "not a migration");

    const QString file = dir.filePath(QStringLiteral("test.db"));
    {
        Database db;
        QVERIFY2(db.open(file, scripts), qPrintable(db.lastError()));
        QCOMPARE(MigrationRunner(db.connection()).appliedNumbers(), QList<qint64>({1, 2}));
    }
    writeScript(scripts, QStringLiteral("0010_more.sql"), "INSERT INTO people VALUES ('c');");
    Database db;
    QVERIFY2(db.open(file, scripts), qPrintable(db.lastError()));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM people")), 2);
    QCOMPARE(MigrationRunner(db.connection()).appliedNumbers(), QList<qint64>({1, 2, 10}));
}

void DatabaseTest::failedMigrationLeavesNothingHalfDone()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    const QString file = dir.filePath(QStringLiteral("test.db"));
    writeScript(scripts, QStringLiteral("0001_base.sql"), "CREATE TABLE base (x INTEGER);");
    {
        Database db;
        QVERIFY2(db.open(file, scripts), qPrintable(db.lastError()));
    }
    writeScript(scripts, QStringLiteral("0002_broken.sql"),
                "CREATE TABLE half (x INTEGER);\nINSERT INTO base VALUES (1);\nINSERT INTO nowhere VALUES (1);");
    {
        Database db;
        QVERIFY(!db.open(file, scripts));
        QVERIFY(db.lastError().contains(QStringLiteral("0002_broken.sql")));
        QVERIFY(!db.isOpen());
    }
    writeScript(scripts, QStringLiteral("0002_broken.sql"), "CREATE TABLE half (x INTEGER);");
    Database db;
    QVERIFY2(db.open(file, scripts), qPrintable(db.lastError()));
    // The first attempt's table and row were rolled back with it.
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM base")), 0);
    QCOMPARE(MigrationRunner(db.connection()).appliedNumbers(), QList<qint64>({1, 2}));

    // A new ledger that cannot be finished is not left behind half made.
    const QString fresh = dir.filePath(QStringLiteral("fresh.db"));
    writeScript(scripts, QStringLiteral("0003_broken.sql"), "INSERT INTO nowhere VALUES (1);");
    QVERIFY(!db.open(fresh, scripts));
    QVERIFY(stateOf(fresh) == FileState());
}

void DatabaseTest::runsMigrationsInTheOrderOfTheirNumbers()
{
    // By name "0010_..." sorts before "9_...", and needs its table.
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    writeScript(scripts, QStringLiteral("9_people.sql"), "CREATE TABLE people (name TEXT);");
    writeScript(scripts, QStringLiteral("0010_seed.sql"), "INSERT INTO people VALUES ('a');");
    Database db;
    QVERIFY2(db.open(dir.filePath(QStringLiteral("test.db")), scripts), qPrintable(db.lastError()));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM people")), 1);
    QCOMPARE(MigrationRunner(db.connection()).appliedNumbers(), QList<qint64>({9, 10}));
}

void DatabaseTest::failedMigrationLeavesNoTransactionOpen()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    writeScript(scripts, QStringLiteral("0001_base.sql"), "CREATE TABLE base (x INTEGER);");
    Database db;
    QVERIFY2(db.open(dir.filePath(QStringLiteral("test.db")), scripts), qPrintable(db.lastError()));

    // A script that fails half-way, then one whose run cannot be recorded.
    for (const QByteArray& broken :
         {QByteArray("CREATE TABLE half (x INTEGER); INSERT INTO base VALUES (1); INSERT INTO nowhere VALUES (1);"),
          QByteArray("CREATE TABLE half (x INTEGER); INSERT INTO base VALUES (1); CREATE TEMP TRIGGER no_record "
                     "BEFORE INSERT ON schema_migrations BEGIN SELECT RAISE(ABORT, 'refused'); END;")}) {
        writeScript(scripts, QStringLiteral("0002_broken.sql"), broken);
        MigrationRunner runner(db.connection());
        QVERIFY(!runner.run(scripts));
        QVERIFY(!nativeconnection::inTransaction(db.connection()));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM base")), 0);
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'half'")), 0);
        QCOMPARE(runner.appliedNumbers(), QList<qint64>({1}));
    }
}

void DatabaseTest::refusesTwoMigrationsWithOneNumber()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    writeScript(scripts, QStringLiteral("0001_a.sql"), "CREATE TABLE a (x);");
    writeScript(scripts, QStringLiteral("1_b.sql"), "CREATE TABLE b (x);");
    Database db;
    QVERIFY(!db.open(dir.filePath(QStringLiteral("test.db")), scripts));
    QVERIFY(db.lastError().contains(QStringLiteral("numbered 1")));
}

void DatabaseTest::reportsAnUnwritableDataDirectory()
{
    TestDataDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Database db;
    QVERIFY(!db.open(blocker.fileName() + QStringLiteral("/sub/ledgerine.db")));
    QVERIFY(!db.lastError().isEmpty());
    QVERIFY(!db.isOpen());
}

void DatabaseTest::runsScriptsWithTriggersAndRefusesNewerSchemas()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    const QString file = dir.filePath(QStringLiteral("test.db"));
    writeScript(scripts, QStringLiteral("0001_log.sql"),
                "CREATE TABLE items (name TEXT DEFAULT 'a;b'); CREATE TABLE log (name TEXT);\n"
                "/* a comment; with a semicolon */\n"
                "CREATE TRIGGER items_logged AFTER INSERT ON items BEGIN INSERT INTO log VALUES (new.name); END;\n"
                "INSERT INTO items DEFAULT VALUES; -- trailing; comment\n");
    {
        Database db;
        QVERIFY2(db.open(file, scripts), qPrintable(db.lastError()));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM log WHERE name = 'a;b'")), 1);
    }

    // A database from a newer program keeps its data: this one will not write it.
    {
        Database db;
        QVERIFY(db.open(file, scripts));
        QSqlQuery query(db.connection());
        QVERIFY(query.exec(QStringLiteral("INSERT INTO schema_migrations VALUES (2, '0002_future.sql', 'x')")));
    }
    const FileState before = stateOf(file);
    Database db;
    QVERIFY(!db.open(file, scripts));
    QCOMPARE(db.problem(), Database::Problem::NewerVersion);
    QVERIFY(stateOf(file) == before);
}

void DatabaseTest::refusesForeignAndUnreadableFilesUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<Database::Problem>("problem");

    QByteArray noise(8192, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("random bytes") << noise << QByteArray() << Database::Problem::NotALedger;
    QTest::newRow("text") << QByteArray("Date,Payee,Amount\n2026-01-02,Grocer,-12.50\n") << QByteArray()
                          << Database::Problem::NotALedger;
    QTest::newRow("SQLite header over noise") << QByteArray("SQLite format 3", 16) + noise << QByteArray()
                                              << Database::Problem::Damaged;
    QTest::newRow("another program's tables, logged")
        << QByteArray() << QByteArray("PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT);"
                                      "INSERT INTO notes VALUES ('keep me');")
        << Database::Problem::NotALedger;
    QTest::newRow("another program's migration table")
        << QByteArray()
        << QByteArray("CREATE TABLE schema_migrations (version TEXT PRIMARY KEY);"
                      "INSERT INTO schema_migrations VALUES ('20240101120000');")
        << Database::Problem::NotALedger;
    // The same table and columns as ours, naming another program's scripts.
    const QByteArray lookAlike = "CREATE TABLE schema_migrations (version INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                                 "applied_at TEXT NOT NULL); CREATE TABLE users (id INTEGER);";
    QTest::newRow("a look-alike migration table")
        << QByteArray() << lookAlike + "INSERT INTO schema_migrations VALUES (1, '001_create_users.sql', 'x');"
        << Database::Problem::NotALedger;
    QTest::newRow("a look-alike migration table of higher numbers")
        << QByteArray() << lookAlike + "INSERT INTO schema_migrations VALUES (20240101, 'users.sql', 'x');"
        << Database::Problem::NotALedger;
    QTest::newRow("a look-alike migration table, empty")
        << QByteArray() << lookAlike << Database::Problem::NotALedger;
    // "_" in a LIKE pattern stands for any character: this name is no
    // table of SQLite's own.
    QTest::newRow("an empty migration table beside a table named like SQLite's own")
        << QByteArray()
        << QByteArray("CREATE TABLE schema_migrations (version INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                      "applied_at TEXT NOT NULL); CREATE TABLE sqliteXnotes (body TEXT);")
        << Database::Problem::NotALedger;
    QTest::newRow("empty but marked by another program")
        << QByteArray() << QByteArray("PRAGMA user_version=3;") << Database::Problem::NotALedger;
}

void DatabaseTest::refusesForeignAndUnreadableFilesUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, sql);
    QFETCH(Database::Problem, problem);
    TestDataDir dir;
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    if (sql.isEmpty()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    } else {
        QVERIFY(runSql(file, sql.constData()));
    }
    const FileState before = stateOf(file);
    QVERIFY(before.sideFiles.isEmpty());

    Database db;
    QVERIFY(!db.open(file));
    QCOMPARE(db.problem(), problem);
    QVERIFY(!db.isOpen());
    QVERIFY(stateOf(file) == before);
}

void DatabaseTest::refusesADamagedLedgerUntouched()
{
    TestDataDir dir;
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    {
        Database db;
        QVERIFY(db.open(file));
        QSqlQuery query(db.connection());
        for (int i = 0; i < 200; ++i)
            QVERIFY(query.exec(QStringLiteral("INSERT INTO preferences VALUES ('key %1', '%2')")
                                   .arg(i)
                                   .arg(QString(100, QLatin1Char('x')))));
    }
    // A page torn by a crash or a bad disk: the last one, a row or index
    // page, while the schema at the start still reads.
    QFile torn(file);
    QVERIFY(torn.open(QIODevice::ReadWrite));
    const QByteArray header = torn.read(100);
    const int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    QVERIFY(torn.size() > 4 * pageSize);
    QVERIFY(torn.seek(torn.size() - pageSize));
    torn.write(QByteArray(pageSize, 'Z'));
    torn.close();

    FileState before = stateOf(file);
    {
        Database db;
        QVERIFY(!db.open(file));
        QCOMPARE(db.problem(), Database::Problem::Damaged);
        QVERIFY(stateOf(file) == before);
    }

    // Its first page wiped: no header to tell it by, yet damaged all the same.
    QVERIFY(torn.open(QIODevice::ReadWrite));
    torn.write(QByteArray(pageSize, '\0'));
    torn.close();
    before = stateOf(file);
    Database db;
    QVERIFY(!db.open(file));
    QCOMPARE(db.problem(), Database::Problem::Damaged);
    QVERIFY(stateOf(file) == before);
}

void DatabaseTest::readsMigrationNumbersBeyond32Bits()
{
    TestDataDir dir;
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    {
        Database db;
        QVERIFY(db.open(file));
        QSqlQuery query(db.connection());
        // 2^32 + 1, which an int reads as 1.
        QVERIFY(query.exec(QStringLiteral("INSERT INTO schema_migrations VALUES (4294967297, "
                                          "'4294967297_future.sql', 'x')")));
    }
    const FileState before = stateOf(file);
    Database db;
    QVERIFY(!db.open(file));
    QCOMPARE(db.problem(), Database::Problem::NewerVersion);
    QVERIFY(stateOf(file) == before);
}

void DatabaseTest::refusesALedgerItCannotWrite()
{
    TestDataDir dir;
    const QString folder = dir.filePath(QStringLiteral("data"));
    const QString file = folder + QStringLiteral("/ledgerine.db");
    {
        Database db;
        QVERIFY(db.open(file));
    }
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto folderReadOnly = readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const auto folderWritable = folderReadOnly | QFile::WriteOwner;
    // An ordinary user must reach the folder inside a root's temporary one.
    QVERIFY(QFile::setPermissions(dir.path(), folderWritable));
    const QString otherFile = folder + QStringLiteral("/other.db");

    QVERIFY(QFile::setPermissions(file, readOnly));
    FileState before = stateOf(file);
    {
        OrdinaryUser user(folder);
        Database db;
        QVERIFY(!db.open(file));
        QCOMPARE(db.problem(), Database::Problem::ReadOnly);
    }
    QVERIFY(stateOf(file) == before);

    // A read-only folder takes neither the log of a ledger nor a new ledger.
    QVERIFY(QFile::setPermissions(file, readOnly | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, folderReadOnly));
    before = stateOf(file);
    {
        OrdinaryUser user(folder);
        Database db;
        QVERIFY(!db.open(file));
        QCOMPARE(db.problem(), Database::Problem::ReadOnly);
        QVERIFY(!db.open(otherFile));
        QCOMPARE(db.problem(), Database::Problem::ReadOnly);
    }
    QVERIFY(QFile::setPermissions(folder, folderWritable));
    QVERIFY(stateOf(file) == before);
    QVERIFY(!QFile::exists(otherFile));
}

void DatabaseTest::refusesALedgerLockedByAnotherConnection()
{
    TestDataDir dir;
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    {
        Database db;
        QVERIFY(db.open(file));
    }
    sqlite3* holder = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &holder), SQLITE_OK);
    QCOMPARE(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const FileState before = stateOf(file);

    Database db;
    const bool opened = db.open(file);
    const FileState after = stateOf(file);
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    QVERIFY(!opened);
    QCOMPARE(db.problem(), Database::Problem::Locked);
    QVERIFY(after == before);
    // The lock was all that stood in the way.
    QVERIFY2(db.open(file), qPrintable(db.lastError()));
}

void DatabaseTest::refusesToStartOnAFullDisk()
{
    TestDataDir dir;
    const QString scripts = dir.filePath(QStringLiteral("migrations"));
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    writeScript(scripts, QStringLiteral("0001_base.sql"), "CREATE TABLE base (x INTEGER);");
    {
        Database db;
        QVERIFY(db.open(file, scripts));
    }
    writeScript(scripts, QStringLiteral("0002_more.sql"), "CREATE TABLE more (x INTEGER);");
    const FileState before = stateOf(file);

    FullDisk disk;
    Database db;
    QVERIFY(!db.open(file, scripts));
    QCOMPARE(db.problem(), Database::Problem::DiskFull);
    QVERIFY(stateOf(file) == before);
}

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
