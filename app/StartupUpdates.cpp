#include "app/StartupUpdates.h"

#include "storage/PreferencesRepository.h"
#include "update/Client.h"
#include "update/UpdateDialog.h"
#include "update/UpdateFlows.h"
#include "update/Version.h"

#include <QSettings>
#include <QTimer>
#include <QtDebug>

namespace {

const QString kLastShownKey = QStringLiteral("whatsNew/lastShownVersion");
// Kept in the ledger by earlier versions; read once into the settings.
const QString kLegacyLastShownKey = QStringLiteral("last_whats_new_version");
const QString kDismissedKey = QStringLiteral("update_dismissed_version");

} // namespace

StartupUpdates::StartupUpdates(PreferencesRepository* preferences, TandUpdate::Config config, QString appName,
                               QWidget* window)
    : QObject(window)
    , m_preferences(preferences)
    , m_config(std::move(config))
    , m_appName(std::move(appName))
    , m_window(window)
{
}

void StartupUpdates::start()
{
    if (takeWhatsNewTurn())
        TandUpdate::showWhatsNewOnStartup(m_config, m_appName, m_window);
    QTimer::singleShot(kCheckDelayMs, this, &StartupUpdates::checkQuietly);
}

bool StartupUpdates::takeWhatsNewTurn()
{
    QSettings settings;
    QString shown = settings.value(kLastShownKey).toString();
    if (shown.isEmpty()) {
        shown = m_preferences->getString(kLegacyLastShownKey);
        if (!shown.isEmpty())
            settings.setValue(kLastShownKey, shown);
    }
    if (!(TandUpdate::Version::parse(shown) < TandUpdate::Version::parse(m_config.currentVersion)))
        return false;
    // At once: should the notes never arrive, the next start does not try again.
    settings.setValue(kLastShownKey, m_config.currentVersion);
    return true;
}

void StartupUpdates::checkQuietly()
{
    auto* client = new TandUpdate::Client(m_config, this);
    connect(client, &TandUpdate::Client::updateAvailable, this, [this, client](const TandUpdate::Artifact& artifact) {
        client->deleteLater();
        offer(artifact);
    });
    connect(client, &TandUpdate::Client::upToDate, client, &QObject::deleteLater);
    connect(client, &TandUpdate::Client::checkFailed, this, [client](const QString& reason) {
        qWarning().noquote() << "Update check at start-up failed:" << reason;
        client->deleteLater();
    });
    client->check();
}

void StartupUpdates::offer(const TandUpdate::Artifact& artifact)
{
    const TandUpdate::Version offered = TandUpdate::Version::parse(artifact.version);
    const TandUpdate::Version dismissed = TandUpdate::Version::parse(m_preferences->getString(kDismissedKey));
    if (!artifact.mandatory && !(dismissed < offered))
        return;
    if (!m_window)
        return;
    auto* dialog = new TandUpdate::UpdateDialog(artifact, m_config.currentVersion, m_appName, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Whichever way it closes, the version counts as seen; a mandatory one
    // is offered again at every start until it is installed.
    connect(dialog, &QDialog::finished, this, [this, artifact] {
        if (!artifact.mandatory && !m_preferences->set(kDismissedKey, artifact.version))
            qWarning().noquote() << "Could not record the update to" << artifact.version << "as put off";
    });
    dialog->show();
}
