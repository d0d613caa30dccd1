#include "account/PathId.h"

namespace TandAccount {

bool isPlainPathId(QStringView id)
{
    if (id.isEmpty())
        return false;
    for (const QChar c : id) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                           || u == u'_' || u == u'-';
        if (!plain)
            return false;
    }
    return true;
}

} // namespace TandAccount
