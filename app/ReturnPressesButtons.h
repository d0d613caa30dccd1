#pragma once

#include <QObject>

// Outside dialogs a push button answers Space but not Return, which a user
// who reached it with Tab expects to work as well. Installed on the
// application, this presses the focused button of a window on Return or
// Enter; dialogs keep their own rules (the default button).
class ReturnPressesButtons : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
