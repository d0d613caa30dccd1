#pragma once

#include <QString>

// Where the fields of a transaction stand in the rows of a CSV file, as the
// import window's column choices give them. Columns count from 0.
struct CsvColumnMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    // -1: not in the file.
    int memoColumn = -1;
    int categoryColumn = -1;
    // The first row names the columns and is not imported.
    bool hasHeader = true;
    // A Qt date format (see DateFormat); empty to detect the form of the
    // column's dates. A date the format does not read makes its row
    // unreadable.
    QString dateFormat;
};
