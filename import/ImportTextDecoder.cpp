#include "import/ImportTextDecoder.h"

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
bool isStrictUtf8(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
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

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

} // namespace

ImportTextDecoder::ImportTextDecoder(QByteArrayView bytes)
    : m_bytes(bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_position = 3;
        m_encoding = Encoding::Utf8;
    } else if (bytes.startsWith("\xFF\xFE")) {
        m_position = 2;
        m_encoding = Encoding::Utf16LE;
    } else if (bytes.startsWith("\xFE\xFF")) {
        m_position = 2;
        m_encoding = Encoding::Utf16BE;
    } else {
        m_encoding = isStrictUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
    }
}

bool ImportTextDecoder::next(QString& piece)
{
    piece.clear();
    if (m_position >= m_bytes.size() && !m_holding)
        return false;
    const qsizetype end = pieceEnd();
    if (m_holding) {
        piece.append(m_heldSurrogate);
        m_holding = false;
    }
    decode(m_bytes.sliced(m_position, end - m_position), piece);
    m_position = end;
    replaceLoneSurrogates(piece, m_position >= m_bytes.size());
    return !piece.isEmpty() || m_holding || m_position < m_bytes.size();
}

// Where the next piece ends: never inside a UTF-8 sequence or a UTF-16 code unit.
qsizetype ImportTextDecoder::pieceEnd() const
{
    qsizetype end = qMin(m_bytes.size(), m_position + kPieceBytes);
    if (end == m_bytes.size())
        return end;
    switch (m_encoding) {
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return end - (end - m_position) % 2;
    case Encoding::Utf8: {
        // When the first byte after the end continues a sequence, the piece
        // ends before that sequence's lead byte instead. A run of stray
        // continuation bytes is invalid anyway and may be cut anywhere.
        qsizetype lead = end;
        while (lead > m_position && lead > end - 3 && isContinuation(m_bytes[lead]))
            --lead;
        return lead < end && lead > m_position && static_cast<unsigned char>(m_bytes[lead]) >= 0xC0 ? lead : end;
    }
    case Encoding::Windows1252:
        break;
    }
    return end;
}

void ImportTextDecoder::decode(QByteArrayView bytes, QString& piece) const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        piece.append(QString::fromUtf8(bytes));
        return;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        // Stateless: a last odd byte becomes U+FFFD instead of vanishing unseen.
        QStringDecoder decoder(m_encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                               : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        piece.append(decoder(bytes));
        return;
    }
    case Encoding::Windows1252:
        break;
    }
    piece.reserve(piece.size() + bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        piece.append(code >= 0x80 && code < 0xA0 ? QChar(kWindows1252High[code - 0x80]) : QChar(code));
    }
}

void ImportTextDecoder::replaceLoneSurrogates(QString& piece, bool last)
{
    const qsizetype size = piece.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = piece.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < size && piece.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isHighSurrogate() && i + 1 == size && !last) {
            m_heldSurrogate = c;
            m_holding = true;
            piece.chop(1);
            return;
        }
        piece[i] = QChar::ReplacementCharacter;
    }
}
