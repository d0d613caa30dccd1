#include "update/UpdateFlows.h"

#include "update/Client.h"
#include "update/FeedRequest.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/UpdateDialog.h"
#include "update/WhatsNewDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrlQuery>
#include <QtDebug>

namespace TandUpdate {

namespace {

constexpr int kMessageMs = 5000;

void showStatus(const UiCallbacks& callbacks, const QString& text)
{
    if (callbacks.showStatus)
        callbacks.showStatus(text);
}

void clearStatus(const UiCallbacks& callbacks)
{
    if (callbacks.clearStatus)
        callbacks.clearStatus();
}

// Every Help flow ends here or in a dialog: the status goes, a message comes.
void finishWithMessage(const UiCallbacks& callbacks, const QString& message)
{
    clearStatus(callbacks);
    if (callbacks.showMessage)
        callbacks.showMessage(message, kMessageMs);
}

void showWhatsNewDialog(const QString& markdown, const QString& version, const QString& currentVersion,
                        const QString& appName, const QPointer<QWidget>& parent, const QUrl& downloadUrl)
{
    if (!parent)
        return;
    auto* dialog = new WhatsNewDialog(markdown, version, currentVersion, appName, parent, downloadUrl);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void finishWithoutNotes(const Config& config, const QString& appName, const UiCallbacks& callbacks)
{
    finishWithMessage(callbacks,
                      QObject::tr("No release notes available for %1 %2").arg(appName, config.currentVersion));
}

// The notes of a newer version, when the running one has none.
void showNewerVersionsNotes(const Config& config, const QString& appName, const QPointer<QWidget>& parent,
                            const UiCallbacks& callbacks)
{
    auto* client = new Client(config, qApp);
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        if (!artifact.release_notes_url.isValid()) {
            finishWithoutNotes(config, appName, callbacks);
            client->deleteLater();
            return;
        }
        auto* fetcher = new ReleaseNotesFetcher(artifact.release_notes_url, config.app, qApp);
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
            clearStatus(callbacks);
            showWhatsNewDialog(markdown, artifact.version, config.currentVersion, appName, parent, artifact.url);
            fetcher->deleteLater();
            client->deleteLater();
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            finishWithoutNotes(config, appName, callbacks);
            fetcher->deleteLater();
            client->deleteLater();
        });
        fetcher->fetch();
    });
    const auto noNotes = [=] {
        finishWithoutNotes(config, appName, callbacks);
        client->deleteLater();
    };
    QObject::connect(client, &Client::upToDate, client, noNotes);
    QObject::connect(client, &Client::checkFailed, client, noNotes);
    client->check();
}

} // namespace

void checkForUpdatesInteractive(Config config, QString appName, QPointer<QWidget> parent, UiCallbacks callbacks)
{
    auto* client = new Client(config, qApp);
    showStatus(callbacks, QObject::tr("Checking for updates…"));
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        clearStatus(callbacks);
        if (parent) {
            auto* dialog = new UpdateDialog(artifact, config.currentVersion, appName, parent);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
        }
        client->deleteLater();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        finishWithMessage(callbacks, QObject::tr("%1 is up to date (version %2)").arg(appName, config.currentVersion));
        client->deleteLater();
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString& reason) {
        qWarning().noquote() << "Update check failed:" << reason;
        finishWithMessage(callbacks, QObject::tr("Update check failed: %1").arg(reason));
        client->deleteLater();
    });
    client->check();
}

void showWhatsNew(Config config, QString appName, QPointer<QWidget> parent, UiCallbacks callbacks)
{
    showStatus(callbacks, QObject::tr("Loading release notes…"));
    auto* fetcher = new ReleaseNotesFetcher(config, qApp);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        clearStatus(callbacks);
        showWhatsNewDialog(markdown, config.currentVersion, config.currentVersion, appName, parent, QUrl());
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        showNewerVersionsNotes(config, appName, parent, callbacks);
    });
    fetcher->fetch();
}

void showWhatsNewOnStartup(Config config, QString appName, QPointer<QWidget> parent)
{
    auto* fetcher = new ReleaseNotesFetcher(config, qApp);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        showWhatsNewDialog(markdown, config.currentVersion, config.currentVersion, appName, parent, QUrl());
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
}

QUrl feedbackPageUrl(const FeedbackConfig& config)
{
    QUrl url = config.baseUrl;
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        url.setPath(path + QLatin1Char('/'), QUrl::DecodedMode);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), config.productTag);
    url.setQuery(query);
    return url;
}

void openFeedbackPage(FeedbackConfig config)
{
    const QUrl url = feedbackPageUrl(config);
    if (!isWebUrl(url)) {
        qWarning().noquote() << "The feedback page's address is not an http or https one; it was not opened";
        return;
    }
    QDesktopServices::openUrl(url);
}

} // namespace TandUpdate
