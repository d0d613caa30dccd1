#include "app/ReturnPressesButtons.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

bool ReturnPressesButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    if ((press->key() != Qt::Key_Return && press->key() != Qt::Key_Enter) || press->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->isEnabled() || !button->hasFocus() || qobject_cast<QDialog*>(button->window()))
        return false;
    button->animateClick();
    return true;
}
