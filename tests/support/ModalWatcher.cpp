#include "tests/support/ModalWatcher.h"

#include <QApplication>

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> handle, QObject* parent)
    : QObject(parent)
    , m_handle(std::move(handle))
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last)
        return;
    m_last = modal;
    ++m_handled;
    m_handle(modal);
}
