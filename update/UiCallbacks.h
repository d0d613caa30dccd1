#pragma once

#include <QString>

#include <functional>

namespace TandUpdate {

// How a flow started from a menu tells the user what it is doing. A hook
// that is not set is skipped. The hooks may be called after the window that
// gave them has gone, so they must not capture it unguarded.
struct UiCallbacks
{
    // A text that stays until cleared.
    std::function<void(QString)> showStatus;
    std::function<void()> clearStatus;
    // A text that goes by itself after the time given.
    std::function<void(QString, int timeoutMs)> showMessage;
};

} // namespace TandUpdate
