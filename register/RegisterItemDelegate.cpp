#include "register/RegisterItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

RegisterItemDelegate::RegisterItemDelegate(Qt::TextElideMode elideMode, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_elideMode(elideMode)
{
}

void RegisterItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->textElideMode = m_elideMode;
}

bool RegisterItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);

    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // The same text rectangle and margins the style draws into.
    const QWidget* widget = cell.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget).width() - 2 * margin;
    // A two-line cell (payee over memo) is cut off line by line.
    QStringList lines = cell.text.split(QChar::LineSeparator);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const bool cut = std::any_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return cell.fontMetrics.horizontalAdvance(line) > room;
    });
    if (!cut) {
        QToolTip::hideText();
        return true;
    }
    // Payees and memos come from users, files and other devices: plain text, never markup.
    QToolTip::showText(event->globalPos(),
                       Qt::convertFromPlainText(lines.join(QLatin1Char('\n')), Qt::WhiteSpaceNormal), view,
                       option.rect);
    return true;
}
