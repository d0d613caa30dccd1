#pragma once

#include <QUrl>

class QWidget;

namespace TandUpdate {

// Opens an http or https page in the system browser. Anything else is not
// opened; either failure is logged and told to the user in a message box
// over `parent` (which may be null). True when the browser was asked.
bool openWebPage(QWidget* parent, const QUrl& url);

} // namespace TandUpdate
