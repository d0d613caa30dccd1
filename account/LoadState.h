#pragma once

namespace TandAccount {

// Where a list or a record a window shows stands: still on its way, come,
// or failed. A failed load is never shown as an empty one.
enum class LoadState { Loading, Loaded, Failed };

} // namespace TandAccount
