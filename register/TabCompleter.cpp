#include "register/TabCompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>

TabCompleter::TabCompleter(QCompleter* completer)
    : QObject(completer)
    , m_completer(completer)
{
    // Filters run newest first: this one sees the key before the
    // completer's own filter, which would move focus without completing.
    completer->popup()->installEventFilter(this);
}

void TabCompleter::install(QCompleter* completer)
{
    new TabCompleter(completer);
}

bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    QAbstractItemView* popup = m_completer->popup();
    if (watched != popup || event->type() != QEvent::KeyPress || !popup->isVisible())
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool tab = press->key() == Qt::Key_Tab || press->key() == Qt::Key_Backtab;
    if (!tab || (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return QObject::eventFilter(watched, event);

    QModelIndex chosen = popup->currentIndex();
    const QAbstractItemModel* offered = popup->model();
    if (!chosen.isValid() && offered && offered->rowCount() == 1)
        chosen = offered->index(0, m_completer->completionColumn());
    if (chosen.isValid()) {
        // Return is what takes a completion, with all that a field does on it.
        popup->setCurrentIndex(chosen);
        QKeyEvent take(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(popup, &take);
    }
    // The Tab itself goes on to the field, which moves focus.
    return QObject::eventFilter(watched, event);
}
