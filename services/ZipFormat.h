#pragma once

#include <QByteArray>
#include <QtEndian>
#include <QtGlobal>

// The record signatures and little-endian field helpers that the ZIP reader
// and writer share.
namespace zipformat {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64EndOfDirectory = 0x06064b50;
constexpr quint32 kZip64Locator = 0x07064b50;

constexpr int kLocalHeaderSize = 30;
constexpr int kCentralHeaderSize = 46;
constexpr int kEndOfDirectorySize = 22;
constexpr int kZip64EndOfDirectorySize = 56;
constexpr int kZip64LocatorSize = 20;

constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kUtf8NamesFlag = 0x0800;

template <typename T>
void put(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof(T));
}

// The caller has checked that sizeof(T) bytes exist at `at`.
template <typename T>
T field(const QByteArray& in, qint64 at)
{
    return qFromLittleEndian<T>(in.constData() + at);
}

} // namespace zipformat
