#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Writes a ZIP archive into memory. Qt's own writer keeps the entry count in
// 16 bits, so an archive of more than 65,535 entries reads back short; this
// one adds the ZIP64 end records whenever the count needs them.
//
// Entries are stored, not deflated: a backup holds one entry of a few hundred
// bytes per row, and deflating each on its own doubled the time of an export
// while saving less than a third of its size.
class ZipWriter
{
public:
    // Every entry carries `modified` as its time.
    explicit ZipWriter(const QDateTime& modified);

    // False (and a log line) when the name takes more than the 65,535 bytes
    // of UTF-8 that an entry's name field holds; the archive stays as it was.
    bool addFile(const QString& name, const QByteArray& data);

    // The finished archive; empty (and a log line) when it grew past the
    // 4 GiB that the entries' 32-bit offsets reach.
    QByteArray finish();

private:
    struct Entry
    {
        QByteArray name;
        quint32 crc;
        quint32 size;
        quint32 offset;
    };

    void appendSharedHeaderFields(const Entry& entry);
    void appendCentralDirectory();
    void appendEndRecords(qint64 directoryOffset, qint64 directorySize);

    QByteArray m_archive;
    QList<Entry> m_entries;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
};
