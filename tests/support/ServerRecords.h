#pragma once

#include <QJsonObject>
#include <QString>

#include <initializer_list>
#include <utility>

// Records as the sync service sends them, with every key another device's
// push gives the kind; tests change or drop the keys they look at.
namespace serverrecords {

QJsonObject account(const QString& clientId);
QJsonObject category(const QString& clientId);
QJsonObject recurring(const QString& clientId, const QString& accountId);
QJsonObject transaction(const QString& clientId, const QString& accountId);
QJsonObject reconciliation(const QString& clientId, const QString& accountId);

// `record` with `changes` put in.
QJsonObject with(QJsonObject record, std::initializer_list<std::pair<QString, QJsonValue>> changes);

} // namespace serverrecords
