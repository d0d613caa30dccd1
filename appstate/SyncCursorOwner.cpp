#include "appstate/SyncCursorOwner.h"

#include "storage/PreferencesRepository.h"
#include "sync/SyncEngine.h"

#include <QtDebug>

SyncCursorOwner::SyncCursorOwner(PreferencesRepository* preferences, SyncEngine* engine)
    : m_preferences(preferences)
    , m_engine(engine)
{
}

QString SyncCursorOwner::owner() const
{
    return m_preferences->getString(QString::fromLatin1(kOwnerKey));
}

bool SyncCursorOwner::belongsToAnother(const QString& userId) const
{
    const QString current = owner();
    return !userId.isEmpty() && !current.isEmpty() && current != userId;
}

QString SyncCursorOwner::ownerName() const
{
    const QString name = m_preferences->getString(QString::fromLatin1(kOwnerNameKey));
    return name.isEmpty() ? owner() : name;
}

void SyncCursorOwner::nameOwner(const QString& userId, const QString& name)
{
    if (name.isEmpty() || owner() != userId)
        return;
    if (!m_preferences->set(QString::fromLatin1(kOwnerNameKey), name))
        qWarning() << "Could not keep the name of the user the ledger syncs with";
}

bool SyncCursorOwner::claimFor(const QString& userId)
{
    if (userId.isEmpty() || owner() == userId)
        return false;
    const bool hadCursor =
        !m_preferences->getString(QString::fromLatin1(PreferencesRepository::kSyncCursorKey)).isEmpty();
    // The owner is written only once the cursor and the name of the user
    // before are gone, so a failed write leaves them to be dropped at the
    // next sign-in, never kept for the wrong user.
    if (!m_engine->restartFromBeginning() || !m_preferences->remove(QString::fromLatin1(kOwnerNameKey))
        || !m_preferences->set(QString::fromLatin1(kOwnerKey), userId)) {
        qWarning() << "Could not hand the sync cursor to the user who signed in";
        return false;
    }
    if (hadCursor)
        qInfo() << "Another user signed in: their records are pulled from the start";
    return hadCursor;
}
