#pragma once

#include <QList>

// Shares a table's width among its columns. Columns with a share (payee and
// memo) split whatever the others leave, in proportion to their shares; the
// others keep their preferred widths. When the width runs short, the shared
// columns give way first, down to their minimums, then every other column
// gives up what it has above its minimum, in proportion to that excess. No
// column goes below its minimum: a table narrower than minimumWidth()
// overflows instead.
class RegisterColumnLayout
{
public:
    struct Column
    {
        // The width when there is room; unused for a column with a share.
        int preferred = 0;
        int minimum = 0;
        // Above zero: the column takes that part of the spare width.
        int share = 0;
        // A width the user chose, or 0. It wins over the preferred width; for
        // shared columns, once each visible one has one, they become the shares.
        int remembered = 0;
        bool hidden = false;
    };

    explicit RegisterColumnLayout(const QList<Column>& columns);

    // One width per column, 0 for hidden ones; together exactly `available`
    // whenever that is at least minimumWidth() and a shared column is visible.
    QList<int> widths(int available) const;
    // What the visible columns need at their narrowest.
    int minimumWidth() const;

private:
    QList<Column> m_columns;
};
