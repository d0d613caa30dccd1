#pragma once

#include <QString>
#include <QUrl>

namespace TandUpdate {

// Where one product's release channel is published and which version runs.
struct Config
{
    // The product word, sent in the User-Agent.
    QString app;
    QString channel;
    // The channel's folder on the download server, the one that holds "latest.json".
    QUrl manifestBaseUrl;
    QString currentVersion;
};

} // namespace TandUpdate
