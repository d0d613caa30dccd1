#pragma once

#include <QFile>
#include <QString>

// Opens a file the user chose (an import, a backup to restore) for reading,
// but only when it is a regular file. A named pipe would block the open
// itself until some other program writes to it, and a device or a pipe could
// be read for ever, so the kind is asked of the opened file without waiting.
class RegularFile
{
public:
    enum class Opened { Yes, Unreadable, NotRegular };

    // Opens `file` (its fileName()) read-only. Unless Yes, the file stays
    // closed and `error` holds the system's words for an unreadable one.
    static Opened openForReading(QFile& file, QString* error = nullptr);
};
