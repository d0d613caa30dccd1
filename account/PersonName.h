#pragma once

#include <QString>

namespace TandAccount {

// How a person the service lists is named: by their display name, else by
// their e-mail address, else by their id; empty when they have none of them.
QString personName(const QString& displayName, const QString& email, const QString& id);

} // namespace TandAccount
