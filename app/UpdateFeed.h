#pragma once

#include "update/Config.h"
#include "update/FeedbackConfig.h"

#include <QString>

// The update feed and the feedback page of this build. The feed's address is
// built in; LEDGERINE_UPDATE_URL, when set and not empty, names another
// channel folder (the one holding "latest.json"), as tests and stand-in
// servers do.
namespace UpdateFeed {

TandUpdate::Config config();
TandUpdate::FeedbackConfig feedback();
// The name the update dialogs give the program.
QString productName();

} // namespace UpdateFeed
