#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace TandAccount {

// An id or code (a server id, a user id, an invite code) as one segment of a
// request path: percent-encoded, only letters, digits and "-._~" left as
// they are, so "/", "?", "#" and "%" in it can never change the path. Ids
// may hold dots, "@" and "+" (a user id may be an e-mail address).
//
// No value for an id that cannot stand as a segment at all: an empty one,
// "." and "..", which Qt resolves when it sends the request (a session id
// ".." would turn "/users/me/sessions/.." into "/users/me"), and one longer
// than any id the program takes from outside.
std::optional<QString> pathSegment(QStringView id);

} // namespace TandAccount
