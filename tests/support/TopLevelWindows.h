#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QWidget>

// The shown top-level windows of one kind, for tests of code that opens
// windows of its own (flows that answer from the network, for one).
template <typename Window>
QList<Window*> shownTopLevels()
{
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found << window;
    }
    return found;
}

// Deletes every top-level dialog a test left behind, shown or not.
inline void deleteTopLevelDialogs()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget))
            delete widget;
    }
}
