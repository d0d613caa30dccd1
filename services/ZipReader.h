#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reads a ZIP archive held in memory, trusting none of it: every offset and
// size is checked against the bytes at hand, an entry is inflated into no
// more than its declared size and checked against its CRC, and directories
// of more than 65,535 entries (ZIP64 end records) are read in full. Names
// are looked up by the caller, so a restore of many entries stays linear.
class ZipReader
{
public:
    struct Entry
    {
        QString name;
        qint64 size = 0; // as the directory declares it
        qint64 compressedSize = 0;
        qint64 localHeaderOffset = 0;
        quint32 crc = 0;
        quint16 method = 0;
        quint16 flags = 0;
    };

    // Reads the central directory; false when the bytes are not a readable
    // single-disk ZIP archive.
    bool open(const QByteArray& archive);

    const QList<Entry>& entries() const { return m_entries; }

    // The entry's contents; nothing when they are damaged, encrypted,
    // compressed in a way other than deflate, or differ from the declared
    // size. Allocates the declared size: check Entry::size first.
    std::optional<QByteArray> read(const Entry& entry) const;

private:
    struct Directory
    {
        qint64 count = 0;
        qint64 offset = 0;
        qint64 size = 0;
    };

    std::optional<Directory> findDirectory() const;
    bool has(qint64 at, qint64 length) const;

    QByteArray m_archive;
    QList<Entry> m_entries;
};
