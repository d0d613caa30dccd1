#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Splits CSV text into rows of fields, in file order, as CsvSplitter reads
// it; a quoted field still open at the end of the text holds the rest of it.
// For a text at hand, such as a preview; an import splits its file as it goes.
QList<QStringList> parseCsv(const QString& text);
