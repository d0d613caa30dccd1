#include "import/ImportText.h"

#include "import/ImportTextDecoder.h"

QString decodeImportText(const QByteArray& bytes)
{
    ImportTextDecoder decoder(bytes);
    QString text;
    QString piece;
    while (decoder.next(piece))
        text.append(piece);
    return text;
}
