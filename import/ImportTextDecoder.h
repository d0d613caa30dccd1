#pragma once

#include <QByteArrayView>
#include <QString>

// The text of a CSV or QIF file, whatever program wrote it, decoded a piece
// at a time, so that a large file is never held as bytes and as text at once.
// A byte-order mark (UTF-8, UTF-16LE, UTF-16BE) decides the encoding; without
// one, bytes that are valid UTF-8 are read as UTF-8 and anything else as
// Windows-1252, the encoding older bank software writes. Never fails: every
// byte of a Windows-1252 text becomes one character, and a UTF-16 text cut
// off in the middle of a character ends in U+FFFD. The encoding is decided
// once from the whole file; pieces never end inside a character, so they
// join into exactly the text of the whole.
//
// Invalid UTF-16 (a surrogate without its partner) becomes U+FFFD, one for
// each such code unit, and the text around it is kept: stored as it was,
// SQLite would join the surrogate with the next character into another one,
// so a re-import would no longer find the row.
class ImportTextDecoder
{
public:
    // About this many bytes of the file make one piece.
    static constexpr qsizetype kPieceBytes = qsizetype(1) << 16;

    // `bytes` must outlive the decoder.
    explicit ImportTextDecoder(QByteArrayView bytes);

    // The next piece of text into `piece` (replacing what it held); false,
    // and `piece` empty, when the file has been read to its end.
    bool next(QString& piece);

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

    qsizetype pieceEnd() const;
    void decode(QByteArrayView bytes, QString& piece) const;
    void replaceLoneSurrogates(QString& piece, bool last);

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
    Encoding m_encoding = Encoding::Utf8;
    // A high surrogate that ended the last piece; its partner may start the next.
    QChar m_heldSurrogate;
    bool m_holding = false;
};
