#include "services/ZipWriter.h"

#include "services/ZipFormat.h"

#include <QtDebug>

#include <limits>
#include <utility>

#include <zlib.h>

using namespace zipformat;

namespace {

constexpr quint16 kVersionNeeded = 20;
constexpr quint16 kZip64VersionNeeded = 45;

} // namespace

ZipWriter::ZipWriter(const QDateTime& modified)
{
    // MS-DOS time: local time at two-second steps, years from 1980.
    const QDateTime local = modified.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    m_dosTime = quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    m_dosDate = quint16((qMax(date.year() - 1980, 0) << 9) | (date.month() << 5) | date.day());
}

bool ZipWriter::addFile(const QString& name, const QByteArray& data)
{
    Entry entry;
    entry.name = name.toUtf8();
    if (entry.name.size() > std::numeric_limits<quint16>::max()) {
        qWarning().noquote() << "ZIP entry refused: its name takes" << entry.name.size() << "bytes, starting"
                             << name.left(40);
        return false;
    }
    // Sizes and offsets past 32 bits wrap here, but only in an archive past
    // 4 GiB, which finish() refuses.
    entry.crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
    entry.size = quint32(data.size());
    entry.offset = quint32(m_archive.size());

    put<quint32>(m_archive, kLocalHeader);
    appendSharedHeaderFields(entry);
    m_archive.append(entry.name);
    m_archive.append(data);
    m_entries << entry;
    return true;
}

QByteArray ZipWriter::finish()
{
    const qint64 directoryOffset = m_archive.size();
    if (directoryOffset > std::numeric_limits<quint32>::max()) {
        qWarning() << "ZIP archive too large:" << directoryOffset << "bytes of entries";
        return {};
    }
    appendCentralDirectory();
    appendEndRecords(directoryOffset, m_archive.size() - directoryOffset);
    return std::exchange(m_archive, {});
}

// The local header and the central directory record describe an entry with
// the same run of fields.
void ZipWriter::appendSharedHeaderFields(const Entry& entry)
{
    put<quint16>(m_archive, kVersionNeeded);
    put<quint16>(m_archive, kUtf8NamesFlag);
    put<quint16>(m_archive, kStored);
    put<quint16>(m_archive, m_dosTime);
    put<quint16>(m_archive, m_dosDate);
    put<quint32>(m_archive, entry.crc);
    put<quint32>(m_archive, entry.size); // compressed size
    put<quint32>(m_archive, entry.size);
    put<quint16>(m_archive, quint16(entry.name.size()));
    put<quint16>(m_archive, 0); // extra field length
}

void ZipWriter::appendCentralDirectory()
{
    for (const Entry& entry : std::as_const(m_entries)) {
        put<quint32>(m_archive, kCentralHeader);
        put<quint16>(m_archive, kVersionNeeded); // version made by
        appendSharedHeaderFields(entry);
        put<quint16>(m_archive, 0); // comment length
        put<quint16>(m_archive, 0); // disk number
        put<quint16>(m_archive, 0); // internal attributes
        put<quint32>(m_archive, 0); // external attributes
        put<quint32>(m_archive, entry.offset);
        m_archive.append(entry.name);
    }
}

void ZipWriter::appendEndRecords(qint64 directoryOffset, qint64 directorySize)
{
    const qint64 count = m_entries.size();
    const bool zip64 = count >= 0xFFFF || directorySize >= 0xFFFFFFFF;
    if (zip64) {
        const qint64 recordOffset = m_archive.size();
        put<quint32>(m_archive, kZip64EndOfDirectory);
        put<quint64>(m_archive, kZip64EndOfDirectorySize - 12); // size of the rest of the record
        put<quint16>(m_archive, kZip64VersionNeeded);
        put<quint16>(m_archive, kZip64VersionNeeded);
        put<quint32>(m_archive, 0); // this disk
        put<quint32>(m_archive, 0); // disk of the directory
        put<quint64>(m_archive, quint64(count));
        put<quint64>(m_archive, quint64(count));
        put<quint64>(m_archive, quint64(directorySize));
        put<quint64>(m_archive, quint64(directoryOffset));

        put<quint32>(m_archive, kZip64Locator);
        put<quint32>(m_archive, 0); // disk of the ZIP64 record
        put<quint64>(m_archive, quint64(recordOffset));
        put<quint32>(m_archive, 1); // number of disks
    }
    const quint16 shortCount = zip64 ? 0xFFFF : quint16(count);
    put<quint32>(m_archive, kEndOfDirectory);
    put<quint16>(m_archive, 0); // this disk
    put<quint16>(m_archive, 0); // disk of the directory
    put<quint16>(m_archive, shortCount);
    put<quint16>(m_archive, shortCount);
    put<quint32>(m_archive, zip64 ? 0xFFFFFFFF : quint32(directorySize));
    put<quint32>(m_archive, quint32(directoryOffset));
    put<quint16>(m_archive, 0); // comment length
}
