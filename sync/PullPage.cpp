#include "sync/PullPage.h"

#include <QJsonValue>

#include <algorithm>
#include <iterator>

namespace {

// Absent gives no records; anything but an array is no page.
bool readList(const QJsonObject& body, QLatin1String key, QJsonArray& list)
{
    const QJsonValue value = body.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    list = value.toArray();
    return true;
}

} // namespace

int PullPage::recordCount() const
{
    return int(accounts.size() + categories.size() + recurring.size() + transactions.size()
               + reconciliations.size());
}

std::optional<PullPage> PullPage::fromAnswer(const QJsonObject& body)
{
    static const QLatin1String known[] = {
        QLatin1String("accounts"),        QLatin1String("categories"),   QLatin1String("recurring_transactions"),
        QLatin1String("recurring"),       QLatin1String("transactions"), QLatin1String("reconciliations"),
        QLatin1String("cursor"),          QLatin1String("has_more"),     QLatin1String("integrity"),
    };
    if (std::none_of(std::begin(known), std::end(known), [&body](QLatin1String key) { return body.contains(key); }))
        return std::nullopt;
    PullPage page;
    // Older services name the recurring items "recurring".
    const QLatin1String recurringKey(body.contains(QLatin1String("recurring_transactions")) ? "recurring_transactions"
                                                                                            : "recurring");
    if (!readList(body, QLatin1String("accounts"), page.accounts)
        || !readList(body, QLatin1String("categories"), page.categories)
        || !readList(body, recurringKey, page.recurring)
        || !readList(body, QLatin1String("transactions"), page.transactions)
        || !readList(body, QLatin1String("reconciliations"), page.reconciliations))
        return std::nullopt;

    const QJsonValue cursor = body.value(QLatin1String("cursor"));
    if (!cursor.isUndefined() && !cursor.isNull() && !cursor.isString())
        return std::nullopt;
    page.cursor = cursor.toString();
    // Only true itself: 1 or "true" count as no more.
    page.hasMore = body.value(QLatin1String("has_more")) == QJsonValue(true);
    const QJsonValue integrity = body.value(QLatin1String("integrity"));
    if (integrity.isObject())
        page.integrity = integrity.toObject();
    return page;
}
