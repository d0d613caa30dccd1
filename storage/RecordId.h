#pragma once

#include <QString>

// The longest id the program takes from outside (the sync service, a backup,
// a user id in a request path). Ours are 36 characters; an id beyond this is
// refused with its record rather than stored, since it could not even name a
// file in a backup.
inline constexpr qsizetype kMaxRecordIdLength = 256;

// An id (or another text from outside) as a message or the log names it:
// whole when short, else its start and an ellipsis, so that one made huge
// cannot swamp a message or the log.
QString shortRecordId(const QString& id);

// A new record's id: a random UUID without braces, the form every table and
// the sync service use.
QString newRecordId();

// The same form, but each id sorts after every one this process made before
// it (a UUID of version 7: the time in milliseconds, a counter within the
// millisecond, then random bits). For the rows of one long run, such as an
// import: the index of ids then grows at its end instead of at a random
// place for each row, which costs SQLite far less on a large ledger.
QString newOrderedRecordId();
