#pragma once

#include <QByteArray>
#include <QString>

// The text of a CSV or QIF file, whatever program wrote it: a byte-order mark
// (UTF-8, UTF-16LE, UTF-16BE) decides the encoding; without one, bytes that
// are valid UTF-8 are read as UTF-8 and anything else as Windows-1252, the
// encoding older bank software writes. Never fails: every byte of a
// Windows-1252 text becomes one character, a UTF-16 text cut off in the
// middle of a character ends in U+FFFD, and so does each surrogate of a
// UTF-16 text that lacks its partner. See ImportTextDecoder for the same
// text a piece at a time.
QString decodeImportText(const QByteArray& bytes);
