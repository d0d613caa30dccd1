#include "app/UpdateFeed.h"

#include <QtGlobal>

namespace UpdateFeed {

namespace {

const QString kProductWord = QStringLiteral("ledgerine");
const QString kChannel = QStringLiteral("stable");
const QString kFeedUrl = QStringLiteral("https://updates.tandrel.com/ledgerine/stable/");
const QString kFeedbackUrl = QStringLiteral("https://feedback.tandrel.com/");
const char* const kFeedVariable = "LEDGERINE_UPDATE_URL";

} // namespace

TandUpdate::Config config()
{
    const QString override = qEnvironmentVariable(kFeedVariable);
    TandUpdate::Config config;
    config.app = kProductWord;
    config.channel = kChannel;
    config.manifestBaseUrl = QUrl(override.isEmpty() ? kFeedUrl : override, QUrl::TolerantMode);
    config.currentVersion = QStringLiteral(LEDGERINE_VERSION);
    return config;
}

TandUpdate::FeedbackConfig feedback()
{
    return {kProductWord, QUrl(kFeedbackUrl)};
}

QString productName()
{
    return QStringLiteral("Tandrel Ledgerine");
}

} // namespace UpdateFeed
