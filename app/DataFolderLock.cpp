#include "app/DataFolderLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtDebug>

namespace {

constexpr int kConnectTimeoutMs = 1000;

} // namespace

DataFolderLock::DataFolderLock(const QString& dataDirectory, QObject* parent)
    : QObject(parent)
    , m_directory(dataDirectory)
    , m_lock(QDir(dataDirectory).filePath(QStringLiteral("ledgerine.lock")))
{
    // Only a copy that has gone leaves a stale lock: however long the holder
    // has run, its lock stands.
    m_lock.setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() = default;

DataFolderLock::Outcome DataFolderLock::take()
{
    if (!QDir().mkpath(m_directory)) {
        qWarning() << "DataFolderLock: cannot create the data folder" << m_directory;
        return Outcome::Unavailable;
    }
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            return Outcome::HeldByAnotherCopy;
        qWarning() << "DataFolderLock: cannot lock the data folder" << m_directory << "error" << m_lock.error();
        return Outcome::Unavailable;
    }
    // Whatever holds the name now was left by a copy that held the lock
    // before this one, and has gone.
    const QString name = serverName();
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            socket->deleteLater();
        emit showRequested();
    });
    if (!m_server->listen(name))
        qWarning() << "DataFolderLock: a later copy cannot ask this one to show its window:"
                   << m_server->errorString();
    return Outcome::Taken;
}

bool DataFolderLock::askHolderToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

QString DataFolderLock::serverName() const
{
    // The same folder by any path names the same server; the name stays
    // short enough for a socket path, and says nothing of the folder.
    const QFileInfo folder(m_directory);
    const QString path = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("ledgerine-") + QString::fromLatin1(hash);
}
