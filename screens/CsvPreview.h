#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The first rows of a CSV file, read as the import reads it, for the user to
// map its columns by. Its columns are those of the first row.
class CsvPreview
{
    Q_DECLARE_TR_FUNCTIONS(CsvPreview)

public:
    // A bank's statement of years fills tens of thousands of rows; a few
    // hundred show how its columns read.
    static constexpr int kMaxRows = 200;
    // As much of a first-row field as a column's name shows.
    static constexpr int kNameLength = 20;

    // The rows of the text, at most kMaxRows of them.
    explicit CsvPreview(const QString& text);

    // None, with the reason for the user in `failure`, when the file cannot
    // be read or holds no row.
    static std::optional<CsvPreview> read(const QString& path, QString* failure);

    const QList<QStringList>& rows() const { return m_rows; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The text holds more rows than rows() shows.
    bool isCut() const { return m_cut; }
    int columnCount() const { return m_rows.isEmpty() ? 0 : int(m_rows.first().size()); }
    // One name for each column: "Col 2: Amount", from the first row.
    QStringList columnNames() const;

private:
    QList<QStringList> m_rows;
    bool m_cut = false;
};
