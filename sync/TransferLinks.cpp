#include "sync/TransferLinks.h"

#include "storage/SqlStatement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>

namespace transferlinks {

std::optional<QStringList> oneSided(const QStringList& transactionIds)
{
    if (transactionIds.isEmpty())
        return QStringList();
    // The ids go as one JSON list: a pass may have written thousands.
    SqlStatement statement(QSqlDatabase::database(),
                           QStringLiteral("SELECT t.id FROM transactions t WHERE t.id IN (SELECT value FROM "
                                          "json_each(?)) AND t.deleted_at IS NULL AND t.transfer_link_id <> '' "
                                          "AND NOT EXISTS (SELECT 1 FROM transactions p WHERE p.id = "
                                          "t.transfer_link_id AND p.transfer_link_id = t.id AND p.deleted_at IS "
                                          "NULL) ORDER BY t.id"),
                           "transferlinks::oneSided");
    const QJsonDocument ids(QJsonArray::fromStringList(transactionIds));
    if (!statement.bind(QString::fromUtf8(ids.toJson(QJsonDocument::Compact))).exec())
        return std::nullopt;
    QStringList oneSided;
    while (statement.next())
        oneSided.append(statement.value(0).toString());
    if (statement.failed())
        return std::nullopt;
    return oneSided;
}

} // namespace transferlinks
