#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// Records of a pull that belong to an account this store does not hold yet,
// kept as the service sent them until it arrives, so that no row of the
// ledger's tables points at a missing account. One record waits per kind and
// key (the client id, or the server id when it has none). Statements run on
// the default connection and join the caller's transaction.
class ParkedRecords
{
public:
    struct Entry
    {
        QString kind;
        QString key;
        QJsonObject record;
    };

    // Keeps `record`, an entity type of the push ("transaction", ...) for
    // `kind`, in place of a waiting record of the same key unless that one
    // has the higher version.
    bool park(const QString& kind, const QJsonObject& record);
    // Forgets the waiting record of the same kind and key when `record`, now
    // applied, is at least as new: it could only lose against the row
    // `record` made or left, or bring back what `record` deleted.
    bool dropSuperseded(const QString& kind, const QJsonObject& record);
    // The waiting records of `kind` whose account the store now holds, by
    // id or by server id, in the order they were first parked. Empty when
    // the table could not be read.
    std::optional<QList<Entry>> listReady(const QString& kind) const;
    bool remove(const Entry& entry);
    bool clear();
    // Empty when the table could not be read.
    std::optional<int> count() const;
    // Whether any record waits, without counting them; empty when the table
    // could not be read.
    std::optional<bool> hasAny() const;
};
