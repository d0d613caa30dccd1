#pragma once

#include "account/ApiClient.h"
#include "account/JsonFieldReader.h"

#include <QDebug>
#include <QLatin1StringView>
#include <QList>

namespace TandAccount {

// The transport's callback for an answer that is a list of records under
// `key`: `callback` hears the records read by `read`, or a failure with no
// records when the request failed or the answer holds no such list, since
// "nothing there" may only come from the service itself. `callback` may be
// empty; `key` must outlive the request (a literal).
template <typename Record, typename Callback>
ResponseCallback listAnswer(QLatin1StringView key, Record (*read)(const QJsonObject&), Callback callback)
{
    return [key, read, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (!callback)
            return;
        if (!ok) {
            callback(false, QList<Record>());
            return;
        }
        const auto records = JsonFieldReader(body).readList(key, read);
        if (!records.isPresent())
            qWarning().nospace() << "The service's answer holds no list of " << key;
        callback(records.isPresent(), records.value);
    };
}

} // namespace TandAccount
