#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// Records of a pull that belong to an account this store does not hold yet,
// kept as the service sent them until it arrives, so that no row of the
// ledger's tables points at a missing account; and records this version
// cannot store faithfully, kept until one can, with the records of their
// account waiting beside them. One record waits per kind and key (the client
// id, or the server id when it has none). Statements run on the default
// connection and join the caller's transaction.
class ParkedRecords
{
public:
    enum class Reason { AwaitsAccount, NotReadable };

    struct Entry
    {
        QString kind;
        QString key;
        QJsonObject record;
        Reason reason = Reason::AwaitsAccount;
    };

    // Keeps `record`, an entity type of the push ("transaction", ...) for
    // `kind`, in place of a waiting record of the same key unless that one
    // has the higher version.
    bool park(const QString& kind, const QJsonObject& record, Reason reason = Reason::AwaitsAccount);
    // Forgets the waiting record of the same kind and key when `record`, now
    // applied, is at least as new: it could only lose against the row
    // `record` made or left, or bring back what `record` deleted.
    bool dropSuperseded(const QString& kind, const QJsonObject& record);
    // The waiting records of `kind` whose account the store now holds, by
    // id or by server id, in the order they were first parked; with
    // NotReadable also every record this version could not read. Empty when
    // the table could not be read.
    std::optional<QList<Entry>> listReady(const QString& kind, Reason upTo = Reason::AwaitsAccount) const;
    bool remove(const Entry& entry);
    bool clear();
    // Empty when the table could not be read.
    std::optional<int> count() const;
    // The records this version could not read, and those that wait for an
    // account among them; empty when the table could not be read.
    std::optional<int> countNotReadable() const;
    // Whether any record waits, without counting them; empty when the table
    // could not be read.
    std::optional<bool> hasAny() const;
};
