#pragma once

#include <QStyledItemDelegate>

// Draws a register cell elided on the side that matters least, and offers
// its whole text as a tooltip only when the cell cannot show all of it.
class RegisterItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RegisterItemDelegate(Qt::TextElideMode elideMode, QObject* parent = nullptr);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    Qt::TextElideMode m_elideMode;
};
