#include "appstate/SyncCursorOwner.h"

#include "storage/PreferencesRepository.h"
#include "sync/SyncEngine.h"

#include <QtDebug>

SyncCursorOwner::SyncCursorOwner(PreferencesRepository* preferences)
    : m_preferences(preferences)
{
}

QString SyncCursorOwner::owner() const
{
    return m_preferences->getString(QString::fromLatin1(kOwnerKey));
}

bool SyncCursorOwner::claimFor(const QString& userId)
{
    if (userId.isEmpty() || owner() == userId)
        return false;
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    const bool hadCursor = !m_preferences->getString(cursorKey).isEmpty();
    // The owner is written only once the cursor is gone, so a failed write
    // leaves it to be dropped at the next sign-in, never kept for the wrong user.
    if (!m_preferences->remove(cursorKey)
        || !m_preferences->remove(QString::fromLatin1(SyncEngine::kLastSyncTimestampKey))
        || !m_preferences->set(QString::fromLatin1(kOwnerKey), userId)) {
        qWarning() << "Could not hand the sync cursor to the user who signed in";
        return false;
    }
    if (hadCursor)
        qInfo() << "Another user signed in: their records are pulled from the start";
    return hadCursor;
}
