#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The first rows of a CSV file, split as the import splits it, for the user
// to map its columns by. Its columns are those of its first row the import
// can read (see ImportFile::kMaxRecordChars), at most kMaxColumns of them.
class CsvPreview
{
    Q_DECLARE_TR_FUNCTIONS(CsvPreview)

public:
    // A bank's statement of years fills tens of thousands of rows; a few
    // hundred show how its columns read.
    static constexpr int kMaxRows = 200;
    // No bank writes more fields to a row; a file that has more shows and
    // maps these.
    static constexpr int kMaxColumns = 100;
    // Far more of a field than its cell shows: a field of a quarter of a
    // million characters costs the table no more than this.
    static constexpr int kMaxFieldChars = 100;
    // As much of a first-row field as a column's name shows.
    static constexpr int kNameLength = 20;

    // The rows the file's bytes start with, at most kMaxRows of them, each
    // with at most kMaxColumns fields of at most kMaxFieldChars characters.
    // Only as much of the file is split as they take.
    explicit CsvPreview(QByteArrayView bytes);

    // None, with the reason for the user in `failure`, when the file cannot
    // be read or the preview holds no row the import can read.
    static std::optional<CsvPreview> read(const QString& path, QString* failure);

    const QList<QStringList>& rows() const { return m_rows; }
    // The line of the file each row starts on, as the import names a row it
    // could not read: a quoted field with line breaks makes it differ from
    // the row's place.
    const QList<qsizetype>& lines() const { return m_lines; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The file holds more rows than rows() shows.
    bool isCut() const { return m_cut; }
    int columnCount() const { return int(m_columnRow.size()); }
    // The row the columns come from has more fields than kMaxColumns.
    bool hasMoreColumns() const { return m_moreColumns; }
    // One name for each column: "Col 2: Amount", from the row the columns
    // come from.
    QStringList columnNames() const;

private:
    QList<QStringList> m_rows;
    QList<qsizetype> m_lines;
    // The fields of the row the columns come from.
    QStringList m_columnRow;
    bool m_cut = false;
    bool m_moreColumns = false;
};
