#pragma once

#include <QString>

class PreferencesRepository;

// The stored sync cursor says how far one user's records have been pulled,
// so it is kept together with the id of that user. When someone else signs
// in, their pull has to start from the beginning: a cursor taken over from
// the user before would skip every record of theirs older than it.
class SyncCursorOwner
{
public:
    static constexpr const char* kOwnerKey = "syncCursorUserId";

    explicit SyncCursorOwner(PreferencesRepository* preferences);

    // Makes `userId` the cursor's owner. A cursor of anyone else (or of
    // nobody known, as one stored before owners were kept) is dropped with
    // the time of the last sync, which was that other user's. An empty id
    // says nothing about who signed in and changes nothing. True when the
    // cursor was dropped.
    bool claimFor(const QString& userId);

    QString owner() const;

private:
    PreferencesRepository* m_preferences;
};
