#include "import/CsvParser.h"

#include "import/CsvSplitter.h"

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    CsvSplitter splitter([&rows](CsvRow& row) {
        rows.append(std::move(row.fields));
        return true;
    });
    splitter.feed(text);
    splitter.finish();
    return rows;
}
