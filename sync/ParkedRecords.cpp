#include "sync/ParkedRecords.h"

#include "account/JsonFieldReader.h"
#include "storage/SqlStatement.h"

#include <QJsonDocument>
#include <QSqlDatabase>

using namespace Qt::StringLiterals;

namespace {

// The record's key: the client id, which every device shares, or the server
// id of a record the service alone knows.
QString keyOf(const TandAccount::JsonFieldReader& fields)
{
    const QString clientId = fields.text("client_id"_L1);
    return clientId.isEmpty() ? fields.text("id"_L1) : clientId;
}

} // namespace

bool ParkedRecords::park(const QString& kind, const QJsonObject& record, Reason reason)
{
    const TandAccount::JsonFieldReader fields(record);
    SqlStatement statement(
        QSqlDatabase::database(),
        QStringLiteral("INSERT INTO parked_records (kind, record_key, account_id, version, record, unreadable) "
                       "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT(kind, record_key) DO UPDATE SET "
                       "account_id = excluded.account_id, version = excluded.version, record = excluded.record, "
                       "unreadable = excluded.unreadable WHERE excluded.version >= parked_records.version"),
        "ParkedRecords::park");
    // An account has none: an empty one, which names no account.
    const QString accountId = fields.text("account_id"_L1);
    return statement.bind(kind)
        .bind(keyOf(fields))
        .bind(accountId.isNull() ? QStringLiteral("") : accountId)
        .bind(fields.integer("version"_L1))
        .bind(QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)))
        .bind(reason == Reason::NotReadable ? 1 : 0)
        .exec();
}

bool ParkedRecords::dropSuperseded(const QString& kind, const QJsonObject& record)
{
    const TandAccount::JsonFieldReader fields(record);
    SqlStatement statement(QSqlDatabase::database(),
                           QStringLiteral("DELETE FROM parked_records WHERE kind = ? AND record_key = ? AND version <= ?"),
                           "ParkedRecords::dropSuperseded");
    return statement.bind(kind).bind(keyOf(fields)).bind(fields.integer("version"_L1)).exec();
}

std::optional<QList<ParkedRecords::Entry>> ParkedRecords::listReady(const QString& kind, Reason upTo) const
{
    SqlStatement statement(QSqlDatabase::database(),
                           QStringLiteral("SELECT record_key, record, unreadable FROM parked_records p WHERE kind = ? "
                                          "AND (unreadable = 1 AND ? OR unreadable = 0 AND EXISTS (SELECT 1 FROM "
                                          "accounts a WHERE a.id = p.account_id OR a.server_id = p.account_id)) "
                                          "ORDER BY rowid"),
                           "ParkedRecords::listReady");
    if (!statement.bind(kind).bind(upTo == Reason::NotReadable ? 1 : 0).exec())
        return std::nullopt;
    QList<Entry> ready;
    while (statement.next()) {
        // A record that no longer reads as an object is applied as an empty
        // one, which the applier refuses with a warning, and so leaves.
        ready.append({kind, statement.value(0).toString(),
                      QJsonDocument::fromJson(statement.value(1).toString().toUtf8()).object(),
                      statement.value(2).toInt() == 1 ? Reason::NotReadable : Reason::AwaitsAccount});
    }
    return ready;
}

bool ParkedRecords::remove(const Entry& entry)
{
    SqlStatement statement(QSqlDatabase::database(),
                           QStringLiteral("DELETE FROM parked_records WHERE kind = ? AND record_key = ?"),
                           "ParkedRecords::remove");
    return statement.bind(entry.kind).bind(entry.key).exec();
}

bool ParkedRecords::clear()
{
    SqlStatement statement(QSqlDatabase::database(), QStringLiteral("DELETE FROM parked_records"),
                           "ParkedRecords::clear");
    return statement.exec();
}

std::optional<int> ParkedRecords::count() const
{
    SqlStatement statement(QSqlDatabase::database(), QStringLiteral("SELECT COUNT(*) FROM parked_records"),
                           "ParkedRecords::count");
    if (!statement.exec() || !statement.next())
        return std::nullopt;
    return statement.value(0).toInt();
}

// An account kept here is named by its records through its client id (the
// key) or the id the service gave it.
std::optional<int> ParkedRecords::countNotReadable() const
{
    SqlStatement statement(QSqlDatabase::database(),
                           QStringLiteral("SELECT COUNT(*) FROM parked_records p WHERE unreadable = 1 OR p.account_id "
                                          "<> '' AND EXISTS (SELECT 1 FROM parked_records a WHERE a.kind = 'account' "
                                          "AND a.unreadable = 1 AND (a.record_key = p.account_id OR "
                                          "CASE WHEN json_valid(a.record) THEN json_extract(a.record, '$.id') END "
                                          "= p.account_id))"),
                           "ParkedRecords::countNotReadable");
    if (!statement.exec() || !statement.next())
        return std::nullopt;
    return statement.value(0).toInt();
}

std::optional<bool> ParkedRecords::hasAny() const
{
    SqlStatement statement(QSqlDatabase::database(), QStringLiteral("SELECT EXISTS (SELECT 1 FROM parked_records)"),
                           "ParkedRecords::hasAny");
    if (!statement.exec() || !statement.next())
        return std::nullopt;
    return statement.value(0).toBool();
}
