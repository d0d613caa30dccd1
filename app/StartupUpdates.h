#pragma once

#include "update/Artifact.h"
#include "update/Config.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class PreferencesRepository;

// What start-up does about updates, once the main window shows: the running
// version's release notes the first time it starts, and a quiet check for a
// newer version a moment later. A newer version the user has put off is not
// offered again at start-up, unless it is mandatory. Lives as a child of the
// window; nothing opens once the window has gone.
class StartupUpdates : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCheckDelayMs = 1500;

    StartupUpdates(PreferencesRepository* preferences, TandUpdate::Config config, QString appName, QWidget* window);

    void start();

    // Marks the running version's notes as shown; true when they had not
    // been, so they are due now. A version never recorded counts as 0.0.0.
    bool takeWhatsNewTurn();

private:
    void checkQuietly();
    void offer(const TandUpdate::Artifact& artifact);

    PreferencesRepository* m_preferences;
    TandUpdate::Config m_config;
    QString m_appName;
    QPointer<QWidget> m_window;
};
