#pragma once

#include <QString>

class PreferencesRepository;
class SyncEngine;

// The stored sync cursor says how far one user's records have been pulled,
// so it is kept together with the id of that user, and with how they are
// named to the next user. When someone else signs in, their pull has to
// start from the beginning: a cursor taken over from the user before would
// skip every record of theirs older than it.
class SyncCursorOwner
{
public:
    static constexpr const char* kOwnerKey = "syncCursorUserId";
    static constexpr const char* kOwnerNameKey = "syncCursorUserName";

    SyncCursorOwner(PreferencesRepository* preferences, SyncEngine* engine);

    // Makes `userId` the cursor's owner. For anyone else (or nobody known,
    // as for a cursor stored before owners were kept) the engine starts over
    // from the beginning, and a pass of the user before that still runs is
    // dropped. An empty id says nothing about who signed in and changes
    // nothing. True when a cursor was dropped.
    bool claimFor(const QString& userId);

    QString owner() const;
    // Whether the ledger was last synced as a known user other than
    // `userId`. Never for a ledger not synced yet, nor for an empty id.
    bool belongsToAnother(const QString& userId) const;
    // The owner as named beside their id, else by the id.
    QString ownerName() const;
    // Names the owner, when `userId` still owns the cursor.
    void nameOwner(const QString& userId, const QString& name);

private:
    PreferencesRepository* m_preferences;
    SyncEngine* m_engine;
};
