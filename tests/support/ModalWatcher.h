#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Hands every modal window that opens while it lives to `handle`, once each,
// from the event loop, so a test never blocks on a dialog's exec(). The
// handler must close the window it is given.
class ModalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ModalWatcher(std::function<void(QWidget*)> handle, QObject* parent = nullptr);

    int handledCount() const { return m_handled; }

private:
    void poll();

    std::function<void(QWidget*)> m_handle;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    int m_handled = 0;
};
