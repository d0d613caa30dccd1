#pragma once

#include "services/ZipReader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// The layout of a backup archive: "manifest.json" and one JSON document per
// row in a folder per table. Opening one for a restore accepts nothing else:
// a name that climbs (".."), uses "\", starts at the root or nests deeper, a
// declared size past the limits or too many entries refuse the whole archive
// before a single row is read, and nothing is ever extracted to disk.
class BackupArchive
{
    Q_DECLARE_TR_FUNCTIONS(BackupArchive)

public:
    static constexpr int kVersion = 1;
    // A row takes a few hundred bytes; the limits leave room for long memos
    // and years of history while keeping a hostile archive from exhausting
    // memory or time.
    static constexpr qint64 kMaxEntrySize = qint64(1) << 20;
    static constexpr qint64 kMaxTotalSize = qint64(1) << 30;
    static constexpr qsizetype kMaxEntries = 1'000'000;

    // Counts an archive's entries against the limits above, one at a time.
    // A restore refuses an archive at the first entry that breaks one, and
    // an export stops there, so it never writes a backup the restore refuses.
    class Limits
    {
    public:
        // Counts one more entry; what it breaks ("the contents are too
        // large"), or nothing while the archive stays within the limits.
        std::optional<QString> add(const QString& name, qint64 size);

    private:
        qsizetype m_entries = 0;
        qint64 m_total = 0;
    };

    static QString manifestName();
    // The manifest: format version, export time and the number of rows per folder.
    static QByteArray manifest(const QDateTime& exportedAt, const QJsonObject& counts);
    // The entry of one row, named by its id. The id is percent-encoded, dots
    // included, so that no id can make a name the restore refuses.
    static QString rowEntryName(const QString& folder, const QString& id);

    // Reads and checks the archive and its manifest; false with error() set.
    bool open(const QByteArray& zip);
    QString error() const { return m_error; }

    // The row entries of one folder, in archive order.
    QList<ZipReader::Entry> rows(const QString& folder) const { return m_rows.value(folder); }
    // The number of rows the manifest lists for the folder; nothing when it
    // lists none (an archive written by hand may leave the counts out).
    std::optional<qint64> listedCount(const QString& folder) const;

    // The JSON object an entry holds; nothing when it is damaged or not a
    // JSON object, with `problem` saying so.
    std::optional<QJsonObject> readObject(const ZipReader::Entry& entry, QString* problem) const;

private:
    bool sortEntries();
    bool checkManifest(const ZipReader::Entry& entry);
    bool fail(const QString& error);

    ZipReader m_zip;
    QHash<QString, QList<ZipReader::Entry>> m_rows;
    QJsonObject m_counts;
    QString m_error;
};
