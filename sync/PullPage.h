#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// One answer of the service's pull, checked before anything of it is
// applied: the records of each kind, the cursor after them and whether more
// wait.
struct PullPage
{
    QJsonArray accounts;
    QJsonArray categories;
    QJsonArray recurring;
    QJsonArray transactions;
    QJsonArray reconciliations;
    QString cursor;
    bool hasMore = false;
    std::optional<QJsonObject> integrity;

    int recordCount() const;

    // Empty when the answer is no pull page: not a JSON object (an empty one
    // is what a body of any other kind reads as), an object with none of a
    // page's keys, a list of records that is not a list, or a cursor that is
    // not a text. Applying what could be
    // read of such an answer would move the cursor past records never seen.
    static std::optional<PullPage> fromAnswer(const QJsonObject& body);
};
