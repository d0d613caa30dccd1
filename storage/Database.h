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
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    // LEDGERINE_DATA_DIR when set and not empty, else the generic data
    // location plus "/Tandrel/Ledgerine".
    static QString dataDirectory();
    // "ledgerine.db" in the data directory.
    static QString databaseFilePath();
    static QString defaultMigrationsPath();

    // Opens (creating as needed) the file and brings its schema up to date.
    // On failure the connection is closed and lastError() says why.
    bool open(const QString& filePath = databaseFilePath(),
              const QString& migrationsPath = defaultMigrationsPath());
    void close();
    bool isOpen() const;

    QSqlDatabase& connection() { return m_db; }
    QString filePath() const { return m_filePath; }
    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);
    bool enableWriteAheadLog();
    bool foreignKeysHold();
    bool exec(const QString& statement);

    QSqlDatabase m_db;
    QString m_filePath;
    QString m_lastError;
};
