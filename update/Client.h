#pragma once

#include "update/Artifact.h"
#include "update/Config.h"
#include "update/FeedRequest.h"

#include <QLoggingCategory>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

namespace TandAccount {
class BoundedReply;
}

Q_DECLARE_LOGGING_CATEGORY(lcUpdateClient)

namespace TandUpdate {

// One update check: reads the channel's "latest.json", picks this
// platform's build and decides whether it is newer than the one running.
// Every check ends in exactly one of the three signals; two configuration
// faults are signalled from inside check(), so connect first. Made fresh for
// each check and deleted (later) once it has answered.
class Client : public QObject
{
    Q_OBJECT

public:
    Client(Config config, QObject* parent);

    void check();
    // The channel folder's "latest.json".
    QUrl manifestUrl() const;

    // A stuck server ends the check after this long (a minute unless set).
    void setDeadline(int milliseconds) { m_limits.deadlineMs = milliseconds; }

Q_SIGNALS:
    void updateAvailable(TandUpdate::Artifact artifact);
    // Also when the channel has no manifest or no build for this platform.
    void upToDate();
    // `reason` is plain English for the log and the status line.
    void checkFailed(QString reason);

private:
    void onManifestReply(TandAccount::BoundedReply* answer);

    Config m_config;
    QNetworkAccessManager* m_network;
    bool m_inFlight = false;
    FeedLimits m_limits;
};

} // namespace TandUpdate
