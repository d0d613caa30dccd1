#include "tests/support/CutOffCellToolTip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QtTest>

const QString kCutOffPayee = QStringLiteral("Springfield Electric & Gas <Company> of the Greater Metropolitan Area");

QString toolTipShownAt(QAbstractItemView* view, const QModelIndex& index)
{
    const QRect cell = view->visualRect(index);
    QHelpEvent event(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(view->viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void verifyCutOffCellToolTip(QAbstractItemView* view, const QModelIndex& fitting, const QModelIndex& cutOff)
{
    const QString fittingTip = toolTipShownAt(view, fitting);
    const QString tip = toolTipShownAt(view, cutOff);
    QToolTip::hideText();
    QVERIFY(fittingTip.isEmpty());
    QVERIFY2(tip.contains(QStringLiteral("&lt;Company&gt; of the Greater Metropolitan Area")), qPrintable(tip));
}
