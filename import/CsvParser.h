#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Splits CSV text into rows of fields, in file order. Fields are separated by
// commas and trimmed; rows keep as many fields as their line has. A double
// quote at the start of a field (blanks before it aside) quotes it, so that
// it may hold commas and line breaks, with "" for a quote inside; anywhere
// else a quote is text ("12" pizza"). CR is dropped, so CR LF and LF end a
// line alike. Blank lines and a Ctrl-Z that ends the file yield no row. An
// unterminated quote runs to the end of the text. Never fails.
QList<QStringList> parseCsv(const QString& text);
