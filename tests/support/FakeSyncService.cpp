#include "tests/support/FakeSyncService.h"

#include <QJsonArray>
#include <QRandomGenerator>

#include <algorithm>

namespace {

QString pullKeyFor(const QString& entityType)
{
    if (entityType == QLatin1String("account"))
        return QStringLiteral("accounts");
    if (entityType == QLatin1String("category"))
        return QStringLiteral("categories");
    if (entityType == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    if (entityType == QLatin1String("reconciliation"))
        return QStringLiteral("reconciliations");
    return QStringLiteral("transactions");
}

} // namespace

FakeSyncService::FakeSyncService(QObject* parent)
    : QObject(parent)
    , m_server(new FakeHttpServer(this))
{
    m_server->route("POST", QStringLiteral("/sync/push"),
                    signedIn([this](const RecordedRequest& request) { return handlePush(request); }));
    m_server->route("GET", QStringLiteral("/sync/pull"),
                    signedIn([this](const RecordedRequest& request) { return handlePull(request); }));
    for (const QByteArray method : {"GET", "POST", "DELETE"}) {
        m_server->routePrefix(method, QStringLiteral("/accounts/"),
                              signedIn([this](const RecordedRequest& request) { return handleSharing(request); }));
    }
}

FakeHttpServer::Handler FakeSyncService::signedIn(FakeHttpServer::Handler handler)
{
    return [handler = std::move(handler)](const RecordedRequest& request) {
        const QByteArray authorization = request.header("Authorization");
        if (!authorization.startsWith("Bearer ") || authorization.size() == int(qstrlen("Bearer ")))
            return FakeResponse::json(401, {{QStringLiteral("error"), QStringLiteral("not signed in")}});
        return handler(request);
    };
}

bool FakeSyncService::start()
{
    return m_server->listen();
}

std::optional<FakeSyncService::StoredRecord> FakeSyncService::record(const QString& entityType,
                                                                     const QString& clientId) const
{
    const auto it = m_records.constFind({entityType, clientId});
    if (it == m_records.constEnd())
        return std::nullopt;
    return *it;
}

QString FakeSyncService::putRecord(const QString& entityType, const QJsonObject& payload, int version)
{
    const QString clientId = payload.value(QLatin1String("client_id")).toString();
    StoredRecord& stored = store(entityType, clientId, QString());
    stored.version = version;
    stored.action = payload.contains(QLatin1String("deleted_at")) ? QStringLiteral("delete") : QStringLiteral("upsert");
    stored.payload = payload;
    return stored.serverId;
}

void FakeSyncService::shuffle(quint32 seed)
{
    QList<RecordKey> keys;
    for (const auto& [sequence, key] : m_bySequence)
        keys.append(key);
    QRandomGenerator random(seed);
    std::shuffle(keys.begin(), keys.end(), random);
    m_bySequence.clear();
    for (const RecordKey& key : keys) {
        StoredRecord& stored = m_records[key];
        stored.sequence = ++m_lastSequence;
        m_bySequence.emplace(stored.sequence, key);
    }
}

// The record a change names, new or moved to the end of the change order:
// the one of that server id when one is given and known, else the one of
// that client id. A record without a client id is kept under its server id.
FakeSyncService::StoredRecord& FakeSyncService::store(const QString& entityType, const QString& clientId,
                                                      const QString& serverId)
{
    RecordKey key = m_byServerId.value(serverId);
    if (serverId.isEmpty() || key.first != entityType) {
        const QString newServerId = serverId.isEmpty() ? QStringLiteral("srv-%1").arg(++m_lastServerId) : serverId;
        key = {entityType, clientId.isEmpty() ? QStringLiteral("server:") + newServerId : clientId};
        StoredRecord& stored = m_records[key];
        if (stored.serverId.isEmpty()) {
            stored.entityType = entityType;
            stored.clientId = clientId;
            stored.serverId = newServerId;
            m_byServerId.insert(newServerId, key);
        }
    }
    StoredRecord& stored = m_records[key];
    m_bySequence.erase(stored.sequence);
    stored.sequence = ++m_lastSequence;
    m_bySequence.emplace(stored.sequence, key);
    return stored;
}

FakeResponse FakeSyncService::handlePush(const RecordedRequest& request)
{
    const QJsonValue changes = request.json().value(QLatin1String("changes"));
    if (!changes.isArray())
        return FakeResponse::json(400, {{QStringLiteral("error"), QStringLiteral("changes missing")}});

    QJsonArray results;
    for (const QJsonValue& value : changes.toArray()) {
        const QJsonObject change = value.toObject();
        const QString entityType = change.value(QLatin1String("entity_type")).toString();
        const QString clientId = change.value(QLatin1String("entity_id")).toString();
        const QJsonObject payload = change.value(QLatin1String("payload")).toObject();
        // A record the client already knows by a server id (synced from
        // another device) keeps it.
        StoredRecord& stored = store(entityType, clientId, payload.value(QLatin1String("server_id")).toString());
        stored.version = change.value(QLatin1String("version")).toInt();
        stored.action = change.value(QLatin1String("action")).toString();
        stored.payload = payload;

        results.append(QJsonObject{{QStringLiteral("status"), QStringLiteral("ok")},
                                   {QStringLiteral("entity_type"), entityType},
                                   {QStringLiteral("entity_id"), clientId},
                                   {QStringLiteral("server_id"), stored.serverId}});
    }
    return FakeResponse::json(200, {{QStringLiteral("results"), results}});
}

FakeResponse FakeSyncService::handlePull(const RecordedRequest& request) const
{
    const qint64 cursor = request.query.queryItemValue(QStringLiteral("cursor")).toLongLong();
    bool limitOk = false;
    int limit = request.query.queryItemValue(QStringLiteral("limit")).toInt(&limitOk);
    if (!limitOk || limit <= 0)
        limit = 200;
    if (m_pageSize > 0)
        limit = std::min(limit, m_pageSize);

    QHash<QString, QJsonArray> byKind;
    qint64 lastSent = cursor;
    int sent = 0;
    auto it = m_bySequence.upper_bound(cursor);
    for (; it != m_bySequence.end() && sent < limit; ++it, ++sent) {
        const StoredRecord& stored = m_records.value(it->second);
        QJsonObject serverRecord = stored.payload;
        serverRecord.remove(QStringLiteral("server_id"));
        serverRecord.insert(QStringLiteral("id"), stored.serverId);
        serverRecord.insert(QStringLiteral("client_id"), stored.clientId);
        serverRecord.insert(QStringLiteral("version"), stored.version);
        byKind[pullKeyFor(stored.entityType)].append(serverRecord);
        lastSent = it->first;
    }

    QJsonObject page;
    for (auto kind = byKind.cbegin(); kind != byKind.cend(); ++kind)
        page.insert(kind.key(), kind.value());
    page.insert(QStringLiteral("cursor"), QString::number(lastSent));
    const bool hasMore = it != m_bySequence.end();
    page.insert(QStringLiteral("has_more"), hasMore);
    if (!hasMore) {
        const auto liveCategories = std::count_if(m_records.cbegin(), m_records.cend(), [](const StoredRecord& r) {
            return r.entityType == QLatin1String("category") && r.action != QLatin1String("delete");
        });
        page.insert(QStringLiteral("integrity"), QJsonObject{{QStringLiteral("category_count"), int(liveCategories)}});
    }
    return FakeResponse::json(200, page);
}

void FakeSyncService::addShareUser(const QString& userId, const QString& email, const QString& displayName)
{
    m_shareUsers.insert(userId, {{QStringLiteral("user_id"), userId},
                                 {QStringLiteral("email"), email},
                                 {QStringLiteral("display_name"), displayName}});
}

void FakeSyncService::setAccountOwner(const QString& accountId, const QString& userId)
{
    m_accountOwners.insert(accountId, userId);
}

QStringList FakeSyncService::sharedWith(const QString& accountId) const
{
    QStringList userIds;
    for (const Share& share : m_shares.value(accountId))
        userIds.append(share.userId);
    return userIds;
}

QString FakeSyncService::shareRole(const QString& accountId, const QString& userId) const
{
    for (const Share& share : m_shares.value(accountId)) {
        if (share.userId == userId)
            return share.role;
    }
    return {};
}

FakeResponse FakeSyncService::handleSharing(const RecordedRequest& request)
{
    const QStringList segments = request.path.split(u'/', Qt::SkipEmptyParts);
    const QString accountId = segments.value(1);
    const QString what = segments.value(2);
    if (request.method == "GET" && segments.size() == 3 && what == QLatin1String("members"))
        return shareMembers(accountId);
    if (request.method == "POST" && segments.size() == 3 && what == QLatin1String("share"))
        return share(accountId, request.json());
    if (request.method == "DELETE" && segments.size() == 4 && what == QLatin1String("share"))
        return withdrawShare(accountId, segments.value(3));
    return FakeResponse::json(404, {{QStringLiteral("error"), QStringLiteral("not found")}});
}

FakeResponse FakeSyncService::shareMembers(const QString& accountId) const
{
    QJsonArray members;
    const QString owner = m_accountOwners.value(accountId);
    if (!owner.isEmpty()) {
        QJsonObject member = m_shareUsers.value(owner);
        member.insert(QStringLiteral("role"), QStringLiteral("owner"));
        members.append(member);
    }
    for (const Share& share : m_shares.value(accountId)) {
        QJsonObject member = m_shareUsers.value(share.userId);
        member.insert(QStringLiteral("role"), share.role);
        member.insert(QStringLiteral("created_at"), QStringLiteral("2024-03-05T14:07:00Z"));
        members.append(member);
    }
    return FakeResponse::json(200, {{QStringLiteral("members"), members}});
}

FakeResponse FakeSyncService::share(const QString& accountId, const QJsonObject& body)
{
    const QString role = body.value(QLatin1String("role")).toString();
    QString userId = body.value(QLatin1String("user_id")).toString();
    const QString email = body.value(QLatin1String("email")).toString();
    if (!email.isEmpty()) {
        userId.clear();
        for (const QJsonObject& user : std::as_const(m_shareUsers)) {
            if (user.value(QLatin1String("email")).toString() == email)
                userId = user.value(QLatin1String("user_id")).toString();
        }
    }
    if (role.isEmpty())
        return FakeResponse::json(400, {{QStringLiteral("error"), QStringLiteral("role missing")}});
    if (!m_shareUsers.contains(userId))
        return FakeResponse::json(404, {{QStringLiteral("error"), QStringLiteral("No such user")}});
    if (userId == m_accountOwners.value(accountId) || sharedWith(accountId).contains(userId))
        return FakeResponse::json(409, {{QStringLiteral("error"), QStringLiteral("Already shared with this person")}});
    m_shares[accountId].append({userId, role});
    return FakeResponse::empty(201);
}

FakeResponse FakeSyncService::withdrawShare(const QString& accountId, const QString& userId)
{
    QList<Share>& shares = m_shares[accountId];
    for (qsizetype i = 0; i < shares.size(); ++i) {
        if (shares.at(i).userId == userId) {
            shares.removeAt(i);
            return FakeResponse::empty(204);
        }
    }
    return FakeResponse::json(404, {{QStringLiteral("error"), QStringLiteral("not shared with this person")}});
}
