#pragma once

#include <QStringView>

namespace TandAccount {

// Whether an id or code may stand as one segment of a request path: one or
// more of A-Z, a-z, 0-9, "_" and "-". Every id that came from a service or a
// user is checked before it goes into a URL path, since Qt resolves "..":
// a session id ".." would turn "/users/me/sessions/.." into "/users/me".
bool isPlainPathId(QStringView id);

} // namespace TandAccount
