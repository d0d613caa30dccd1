#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace TandUpdate {

// One platform's build as the update manifest describes it.
struct Artifact
{
    QString version;
    QDateTime released_at;
    QUrl url;
    // In bytes; -1 when the manifest gave no usable number.
    qint64 size = 0;
    QString sha256;
    // A mandatory update offers no "Later" and is offered again at every start.
    bool mandatory = false;
    // Empty when any version may update directly.
    QString min_upgradable_from;
    // Empty when the release has no notes.
    QUrl release_notes_url;
};

} // namespace TandUpdate

Q_DECLARE_METATYPE(TandUpdate::Artifact)
