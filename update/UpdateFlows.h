#pragma once

#include "update/Config.h"
#include "update/FeedbackConfig.h"
#include "update/UiCallbacks.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace TandUpdate {

// The update checker's flows as the application shell starts them. Each
// returns at once; what it creates is owned by the application object and
// deleted once its answer has been handled. A dialog opens only while
// `parent` still exists, and deletes itself on close.

// Help menu: checks now, whatever update the user has put off, and either
// offers the update or says in a passing message why there is none.
void checkForUpdatesInteractive(Config config, QString appName, QPointer<QWidget> parent, UiCallbacks callbacks);

// Help menu: the running version's release notes, else those of a newer
// version with its download; a passing message when there are none.
void showWhatsNew(Config config, QString appName, QPointer<QWidget> parent, UiCallbacks callbacks);

// After an upgrade: the running version's notes, or nothing at all.
void showWhatsNewOnStartup(Config config, QString appName, QPointer<QWidget> parent);

// The feedback page in the browser, tagged with the product. Only an http or
// https page is opened.
void openFeedbackPage(FeedbackConfig config);

// The page openFeedbackPage opens: a slash after the path and the single
// query item "tags".
QUrl feedbackPageUrl(const FeedbackConfig& config);

} // namespace TandUpdate
