#include "sync/AccountSharingService.h"

#include "account/ApiClient.h"
#include "account/JsonFieldReader.h"
#include "account/ListAnswer.h"
#include "account/PathId.h"

#include <QDebug>
#include <QPointer>

using namespace Qt::StringLiterals;
using TandAccount::pathSegment;

namespace {

// The paths take their ids as encoded segments (pathSegment).
QString membersPath(const QString& accountSegment)
{
    return u"/accounts/"_s + accountSegment + u"/members"_s;
}

QString sharePath(const QString& accountSegment)
{
    return u"/accounts/"_s + accountSegment + u"/share"_s;
}

std::optional<QString> segmentFor(const QString& id)
{
    std::optional<QString> segment = pathSegment(id);
    if (!segment)
        qWarning() << "AccountSharingService: refused a request whose account or user id cannot stand in a "
                      "request path";
    return segment;
}

QString shortened(const QString& text, qsizetype maxLength)
{
    return text.size() <= maxLength ? text : text.left(maxLength - 1) + QChar(0x2026);
}

} // namespace

AccountSharingService::AccountSharingService(TandAccount::ApiClient* api, QObject* parent)
    : SharingBackend(parent)
    , m_api(api)
{
}

void AccountSharingService::listMembers(const QString& accountId, MembersCallback callback)
{
    const std::optional<QString> account = segmentFor(accountId);
    if (!account) {
        if (callback)
            callback(false, {});
        return;
    }
    m_api->get(membersPath(*account),
               TandAccount::listAnswer("members"_L1, &TandAccount::ShareMember::fromJson, std::move(callback)));
}

void AccountSharingService::shareWith(const QString& accountId, const QString& who, const QString& role,
                                      ShareCallback callback)
{
    const std::optional<QString> account = segmentFor(accountId);
    if (!account) {
        if (callback)
            callback(false, tr("This account cannot be shared: the service would not know it by its id."));
        return;
    }
    QJsonObject body;
    if (who.contains(u'@'))
        body.insert(u"email"_s, who);
    body.insert(u"user_id"_s, who);
    body.insert(u"role"_s, role.isEmpty() ? u"member"_s : role);

    QPointer<AccountSharingService> self(this);
    m_api->post(sharePath(*account), body,
                [self, accountId, callback = std::move(callback)](bool ok, int httpStatus, const QJsonObject& answer) {
                    if (ok && self)
                        emit self->sharingChanged(accountId);
                    if (!callback)
                        return;
                    if (ok) {
                        callback(true, {});
                        return;
                    }
                    QString error = TandAccount::JsonFieldReader(answer).text("error"_L1).trimmed();
                    // A 2xx the transport refused was somebody else's page
                    // (a captive portal's): its status says nothing.
                    if (error.isEmpty() && httpStatus >= 200 && httpStatus <= 299)
                        error = tr("Failed to share account: the answer did not come from the sharing service.");
                    else if (error.isEmpty())
                        error = tr("Failed to share account (HTTP %1)").arg(httpStatus);
                    callback(false, shortened(error, kMaxErrorLength));
                });
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId, RemoveCallback callback)
{
    const std::optional<QString> account = segmentFor(accountId);
    const std::optional<QString> user = account ? segmentFor(userId) : std::nullopt;
    if (!user) {
        if (callback)
            callback(false);
        return;
    }
    QPointer<AccountSharingService> self(this);
    m_api->deleteResource(sharePath(*account) + u'/' + *user,
                          [self, accountId, callback = std::move(callback)](bool ok, int, const QJsonObject&) {
                              if (ok && self)
                                  emit self->sharingChanged(accountId);
                              if (callback)
                                  callback(ok);
                          });
}
