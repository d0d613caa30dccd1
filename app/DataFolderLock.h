#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running copy of the program per data folder. Two copies on one folder
// would share the database and the sign-in tokens: one's sync fails on the
// database's lock, and with tokens that the service replaces on each
// refresh, one copy refreshes with a stale token, is refused and deletes the
// pair the other has just stored.
//
// The copy that takes the lock file in the folder holds it while it runs;
// a lock whose copy has gone (killed, crashed) is taken over. The holder
// listens on a local server named after the folder, through which a later
// copy asks it to show its window.
class DataFolderLock : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Taken,
        HeldByAnotherCopy,
        // No lock could be made there (a folder that cannot be made or
        // written); opening the database in it will say what is wrong.
        Unavailable,
    };

    explicit DataFolderLock(const QString& dataDirectory, QObject* parent = nullptr);
    ~DataFolderLock() override;

    Outcome take();
    // Asks the copy that holds the folder to show its window; false when it
    // could not be reached.
    bool askHolderToShow() const;

signals:
    // A later copy on the same folder has asked this one to show its window.
    void showRequested();

private:
    QString serverName() const;

    QString m_directory;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
