#include "services/ZipReader.h"

#include "services/ZipFormat.h"

#include <zlib.h>

using namespace zipformat;

namespace {

// Inflates raw deflate data into exactly `size` bytes; nothing when the
// stream is damaged or would produce more or fewer.
std::optional<QByteArray> inflateRaw(const char* data, qint64 length, qint64 size)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = uInt(length);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(size);
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && qint64(stream.total_out) == size;
    inflateEnd(&stream);
    if (!complete)
        return std::nullopt;
    return out;
}

} // namespace

bool ZipReader::open(const QByteArray& archive)
{
    m_archive = archive;
    m_entries.clear();

    const std::optional<Directory> directory = findDirectory();
    if (!directory)
        return false;
    // Every header takes at least its fixed part, so a count the directory
    // cannot hold is a lie, and nothing is reserved from it.
    if (directory->count > directory->size / kCentralHeaderSize)
        return false;

    qint64 at = directory->offset;
    const qint64 end = directory->offset + directory->size;
    for (qint64 i = 0; i < directory->count; ++i) {
        if (at + kCentralHeaderSize > end || field<quint32>(m_archive, at) != kCentralHeader)
            return false;
        const qint64 nameLength = field<quint16>(m_archive, at + 28);
        const qint64 recordLength =
            kCentralHeaderSize + nameLength + field<quint16>(m_archive, at + 30) + field<quint16>(m_archive, at + 32);
        if (at + recordLength > end)
            return false;
        Entry entry;
        entry.flags = field<quint16>(m_archive, at + 8);
        entry.method = field<quint16>(m_archive, at + 10);
        entry.crc = field<quint32>(m_archive, at + 16);
        entry.compressedSize = field<quint32>(m_archive, at + 20);
        entry.size = field<quint32>(m_archive, at + 24);
        entry.localHeaderOffset = field<quint32>(m_archive, at + 42);
        entry.name = QString::fromUtf8(m_archive.constData() + at + kCentralHeaderSize, nameLength);
        m_entries << entry;
        at += recordLength;
    }
    return true;
}

std::optional<QByteArray> ZipReader::read(const Entry& entry) const
{
    const qint64 header = entry.localHeaderOffset;
    if (!has(header, kLocalHeaderSize) || field<quint32>(m_archive, header) != kLocalHeader)
        return std::nullopt;
    if (entry.flags & kEncryptedFlag)
        return std::nullopt;
    const qint64 dataOffset = header + kLocalHeaderSize + field<quint16>(m_archive, header + 26)
        + field<quint16>(m_archive, header + 28);
    if (!has(dataOffset, entry.compressedSize))
        return std::nullopt;

    const char* data = m_archive.constData() + dataOffset;
    std::optional<QByteArray> contents;
    if (entry.method == kStored && entry.compressedSize == entry.size)
        contents = QByteArray(data, qsizetype(entry.size));
    else if (entry.method == kDeflated)
        contents = inflateRaw(data, entry.compressedSize, entry.size);
    if (!contents)
        return std::nullopt;

    const auto crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(contents->constData()), uInt(contents->size())));
    if (crc != entry.crc)
        return std::nullopt;
    return contents;
}

std::optional<ZipReader::Directory> ZipReader::findDirectory() const
{
    // The end record sits in the last 22 bytes plus at most a 65,535-byte comment.
    const qint64 size = m_archive.size();
    const qint64 earliest = qMax<qint64>(0, size - kEndOfDirectorySize - 0xFFFF);
    qint64 end = size - kEndOfDirectorySize;
    while (end >= earliest && field<quint32>(m_archive, end) != kEndOfDirectory)
        --end;
    if (end < earliest)
        return std::nullopt;
    if (field<quint16>(m_archive, end + 4) != 0 || field<quint16>(m_archive, end + 6) != 0)
        return std::nullopt; // spanned over several disks

    Directory directory;
    directory.count = field<quint16>(m_archive, end + 10);
    directory.size = field<quint32>(m_archive, end + 12);
    directory.offset = field<quint32>(m_archive, end + 16);
    qint64 directoryLimit = end;

    const qint64 locator = end - kZip64LocatorSize;
    if (locator >= 0 && field<quint32>(m_archive, locator) == kZip64Locator) {
        const quint64 record = field<quint64>(m_archive, locator + 8);
        if (locator < kZip64EndOfDirectorySize || record > quint64(locator - kZip64EndOfDirectorySize)
            || field<quint32>(m_archive, qint64(record)) != kZip64EndOfDirectory)
            return std::nullopt;
        const auto at = qint64(record);
        const quint64 count = field<quint64>(m_archive, at + 32);
        const quint64 directorySize = field<quint64>(m_archive, at + 40);
        const quint64 offset = field<quint64>(m_archive, at + 48);
        if (count > quint64(size) || directorySize > quint64(size) || offset > quint64(size))
            return std::nullopt;
        directory.count = qint64(count);
        directory.size = qint64(directorySize);
        directory.offset = qint64(offset);
        directoryLimit = at;
    }
    if (directory.offset + directory.size > directoryLimit)
        return std::nullopt;
    return directory;
}

bool ZipReader::has(qint64 at, qint64 length) const
{
    return at >= 0 && length >= 0 && at <= m_archive.size() && length <= m_archive.size() - at;
}
