#pragma once

#include <QModelIndex>
#include <QString>

class QAbstractItemView;

// A payee no column is wide enough for, with characters that markup would
// read as a tag and an entity.
extern const QString kCutOffPayee;

// The tooltip `view` shows when the pointer rests on `index`'s cell; empty
// when it shows none.
QString toolTipShownAt(QAbstractItemView* view, const QModelIndex& index);

// Checks that the cell `fitting` shows no tooltip and that `cutOff`, whose
// column cuts kCutOffPayee short, shows it whole as plain text, never read as
// markup; hides the tooltip after. A failed check ends the helper only, so
// the caller checks QTest::currentTestFailed() before going on.
void verifyCutOffCellToolTip(QAbstractItemView* view, const QModelIndex& fitting, const QModelIndex& cutOff);
