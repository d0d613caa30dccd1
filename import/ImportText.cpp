#include "import/ImportText.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 at 0x80..0x9F; the five bytes it leaves unassigned keep their
// C1 control code, so no byte is lost.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Whether the bytes are UTF-8 as the standard has it: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut off. Qt's own decoder
// would turn such bytes into U+FFFD instead of telling us the file is not
// UTF-8.
bool isStrictUtf8(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int continuations = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            continuations = 1;
            value = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuations = 2;
            value = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuations = 3;
            value = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + continuations >= size)
            return false;
        for (int k = 1; k <= continuations; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        i += continuations + 1;
    }
    return true;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code < 0xA0 ? QChar(kWindows1252High[code - 0x80]) : QChar(code));
    }
    return text;
}

QString fromUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    // Stateless: a last odd byte becomes U+FFFD instead of vanishing unseen.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

} // namespace

QString decodeImportText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return fromUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16BE);
    if (isStrictUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}
