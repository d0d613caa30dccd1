#include "screens/ReportTableModel.h"

#include "appstate/ThemeHelpers.h"
#include "register/DateField.h"
#include "storage/Money.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

ReportTableModel::ReportTableModel(QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_baseColumns(std::move(columns))
    , m_columns(m_baseColumns)
{
}

void ReportTableModel::setRows(QList<Row> rows, bool currencyColumn)
{
    beginResetModel();
    m_columns = m_baseColumns;
    if (currencyColumn)
        m_columns.prepend({tr("Currency"), Format::CurrencyCode});
    m_rows = std::move(rows);
    endResetModel();
}

QVariant ReportTableModel::cell(int row, int column) const
{
    return m_rows.at(row).cells.value(column - int(m_columns.size() - m_baseColumns.size()));
}

void ReportTableModel::appendRows(QList<Row> rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
}

QString ReportTableModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return {};
    const Row& entry = m_rows.at(row);
    if (m_columns.at(column).format == Format::CurrencyCode)
        return currencyToString(entry.currency);
    const QVariant value = cell(row, column);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    switch (m_columns.at(column).format) {
    case Format::Money:
        return formatMoney(value.toLongLong(), entry.currency);
    case Format::Count:
        return QString::number(value.toInt());
    case Format::Date:
        return DateField::toText(value.toDate());
    case Format::Text:
    case Format::CurrencyCode:
        break;
    }
    return value.toString();
}

QStringList ReportTableModel::headers() const
{
    QStringList headers;
    for (const Column& column : m_columns)
        headers << column.header;
    return headers;
}

QList<QStringList> ReportTableModel::texts() const
{
    QList<QStringList> texts;
    texts.reserve(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        QStringList fields;
        for (int column = 0; column < m_columns.size(); ++column)
            fields << text(row, column);
        texts << fields;
    }
    return texts;
}

void ReportTableModel::refreshColors()
{
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

void ReportTableModel::setOutdated(bool outdated)
{
    if (outdated == m_outdated)
        return;
    m_outdated = outdated;
    refreshColors();
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_columns.size())
        return {};
    const Format kind = m_columns.at(index.column()).format;
    const bool number = kind == Format::Money || kind == Format::Count;
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ToolTipRole:
        // Names and memos can be longer than their column. A tooltip reads
        // text that looks like markup as markup, so it gets escaped markup
        // that shows the text as typed.
        if (kind == Format::Text)
            return QStringLiteral("<qt>%1</qt>").arg(text(index.row(), index.column()).toHtmlEscaped());
        return {};
    case Qt::TextAlignmentRole:
        return QVariant((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (m_outdated)
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        if (kind == Format::Money && cell(index.row(), index.column()).toLongLong() < 0)
            return negativeAmountColor();
        return {};
    case Qt::FontRole:
        if (m_rows.at(index.row()).total) {
            // Only the weight: the view's font, whatever its scale, gives the rest.
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).header;
    if (role == Qt::TextAlignmentRole) {
        const Format kind = m_columns.at(section).format;
        const bool number = kind == Format::Money || kind == Format::Count;
        return QVariant((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}
