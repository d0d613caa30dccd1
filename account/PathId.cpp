#include "account/PathId.h"

#include "storage/RecordId.h"

#include <QUrl>

namespace TandAccount {

std::optional<QString> pathSegment(QStringView id)
{
    if (id.isEmpty() || id == u"." || id == u".." || id.size() > kMaxRecordIdLength)
        return std::nullopt;
    return QString::fromLatin1(QUrl::toPercentEncoding(id.toString()));
}

} // namespace TandAccount
