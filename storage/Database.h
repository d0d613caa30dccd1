#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The application's one SQLite database, on Qt Sql's default connection. It
// lives for the life of the process; every repository runs its statements on
// connection().
class Database : public QObject
{
    Q_OBJECT

public:
    // Why open() refused the file, as the user is told it.
    enum class Problem {
        None,
        Other,        // a data directory that cannot be made, an unreadable file, the unforeseen
        Damaged,      // SQLite found broken pages or an unreadable schema
        NewerVersion, // it has run migrations this version does not have
        NotALedger,   // not SQLite at all, or SQLite holding another program's tables
        ReadOnly,     // the file or its folder cannot be written
        Locked,       // another connection holds the write lock
        DiskFull,
    };
    Q_ENUM(Problem)

    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    // LEDGERINE_DATA_DIR when set and not empty, else the generic data
    // location plus "/Tandrel/Ledgerine".
    static QString dataDirectory();
    // "ledgerine.db" in the data directory.
    static QString databaseFilePath();
    static QString defaultMigrationsPath();

    // Opens (creating as needed) the file and brings its schema up to date.
    // A file that is not empty or this program's, is damaged, comes from a
    // newer version or cannot be written is refused before anything is
    // written to it. On failure the connection is closed, lastError() says
    // why for the log and problem() for the user.
    bool open(const QString& filePath = databaseFilePath(),
              const QString& migrationsPath = defaultMigrationsPath());
    void close();
    bool isOpen() const;

    QSqlDatabase& connection() { return m_db; }
    QString filePath() const { return m_filePath; }
    QString lastError() const { return m_lastError; }
    Problem problem() const { return m_problem; }

    // One sentence for the user: what is wrong and what to do about it.
    static QString problemText(Problem problem);

private:
    bool openChecked(const QString& filePath, const QString& migrationsPath, bool existed);
    bool inspect(const QString& filePath, const QString& migrationsPath);
    Problem inspectSchema(const QSqlDatabase& db, const QString& migrationsPath, QString& why);
    bool checkWritable(const QString& folder, const QString& filePath, bool existed);
    bool enableWriteAheadLog();
    bool foreignKeysHold();
    bool exec(const QString& statement);
    bool fail(Problem problem, const QString& message);

    QSqlDatabase m_db;
    QString m_filePath;
    QString m_lastError;
    Problem m_problem = Problem::None;
};
