#pragma once

#include <QString>
#include <QUrl>

namespace TandUpdate {

// The feedback page and the tag that tells it which product the user means.
struct FeedbackConfig
{
    QString productTag;
    QUrl baseUrl;
};

} // namespace TandUpdate
