#pragma once

namespace TandAccount {

enum class AuthState {
    // A new client, before the stored tokens have been looked at.
    Unknown = 0,
    Unauthenticated = 1,
    Authenticated = 3,
};

} // namespace TandAccount
