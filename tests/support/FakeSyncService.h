#pragma once

#include "tests/support/FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

// The sync API as far as the client needs it: POST "/sync/push" stores each
// change per (entity type, client id) and gives it a server id; GET
// "/sync/pull" pages through the stored records in the order they last
// changed, from a cursor that is the sequence number of the last one sent.
// The last page carries the "integrity" object with the number of live
// categories. A test can put records on the service as another device would,
// and reorder what the service holds.
// The sharing endpoints list, add and withdraw the people an account is
// shared with, among the users the test has made known. Every request
// without a bearer token is refused with 401, as the service refuses it.
class FakeSyncService : public QObject
{
    Q_OBJECT

public:
    struct StoredRecord
    {
        QString entityType;
        QString clientId;
        QString serverId;
        int version = 0;
        QString action;
        QJsonObject payload;
        qint64 sequence = 0;
    };

    explicit FakeSyncService(QObject* parent = nullptr);

    bool start();
    QUrl baseUrl() const { return m_server->baseUrl(); }
    FakeHttpServer* server() const { return m_server; }

    std::optional<StoredRecord> record(const QString& entityType, const QString& clientId) const;
    int recordCount() const { return int(m_records.size()); }

    // Stores a record as a push from another device would: `payload` holds
    // the kind's keys with its "client_id" (a record without one is stored
    // under its server id alone). A record of that client id is replaced.
    // Returns the server id.
    QString putRecord(const QString& entityType, const QJsonObject& payload, int version);
    // Gives the stored records new places in the change order, shuffled by
    // `seed`, so that a pull from the start sends them in that order.
    void shuffle(quint32 seed);
    // Someone an account can be shared with, by the user id shares carry.
    void addShareUser(const QString& userId, const QString& email, const QString& displayName);
    // Listed first among the account's members, with the role "owner".
    void setAccountOwner(const QString& accountId, const QString& userId);
    // The user ids the account is shared with besides its owner, in the order shared.
    QStringList sharedWith(const QString& accountId) const;
    QString shareRole(const QString& accountId, const QString& userId) const;
    // Pages of at most `records` records, whatever the request asks for
    // (0: as it asks), so that a few records spread over several pages.
    void setPageSize(int records) { m_pageSize = records; }

private:
    using RecordKey = QPair<QString, QString>;

    // `handler`, for requests that carry a bearer token.
    static FakeHttpServer::Handler signedIn(FakeHttpServer::Handler handler);

    FakeResponse handlePush(const RecordedRequest& request);
    FakeResponse handlePull(const RecordedRequest& request) const;
    StoredRecord& store(const QString& entityType, const QString& clientId, const QString& serverId);
    FakeResponse handleSharing(const RecordedRequest& request);
    FakeResponse shareMembers(const QString& accountId) const;
    FakeResponse share(const QString& accountId, const QJsonObject& body);
    FakeResponse withdrawShare(const QString& accountId, const QString& userId);

    FakeHttpServer* m_server;
    QHash<RecordKey, StoredRecord> m_records;
    // Sequence number to record, so a pull walks the changes in order.
    std::map<qint64, RecordKey> m_bySequence;
    QHash<QString, RecordKey> m_byServerId;
    qint64 m_lastSequence = 0;
    int m_lastServerId = 0;

    struct Share
    {
        QString userId;
        QString role;
    };
    // User id to {"user_id", "email", "display_name"}.
    QHash<QString, QJsonObject> m_shareUsers;
    QHash<QString, QString> m_accountOwners;
    QHash<QString, QList<Share>> m_shares;
    int m_pageSize = 0;
};
