#include "tests/support/FakeSyncService.h"

#include <QJsonArray>

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
                    [this](const RecordedRequest& request) { return handlePush(request); });
    m_server->route("GET", QStringLiteral("/sync/pull"),
                    [this](const RecordedRequest& request) { return handlePull(request); });
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
        const RecordKey key{entityType, clientId};

        const QJsonObject payload = change.value(QLatin1String("payload")).toObject();
        StoredRecord& stored = m_records[key];
        if (stored.serverId.isEmpty()) {
            // A record the client already knows by a server id (synced from
            // another device) keeps it.
            stored.entityType = entityType;
            stored.clientId = clientId;
            stored.serverId = payload.value(QLatin1String("server_id")).toString();
            if (stored.serverId.isEmpty())
                stored.serverId = QStringLiteral("srv-%1").arg(++m_lastServerId);
        } else {
            m_bySequence.erase(stored.sequence);
        }
        stored.version = change.value(QLatin1String("version")).toInt();
        stored.action = change.value(QLatin1String("action")).toString();
        stored.payload = payload;
        stored.sequence = ++m_lastSequence;
        m_bySequence.emplace(stored.sequence, key);

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
    page.insert(QStringLiteral("has_more"), it != m_bySequence.end());
    return FakeResponse::json(200, page);
}
