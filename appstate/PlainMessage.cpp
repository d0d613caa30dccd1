#include "appstate/PlainMessage.h"

QMessageBox::StandardButton showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

bool askPlainQuestion(QWidget* parent, const QString& title, const QString& text,
                      QMessageBox::StandardButton defaultButton)
{
    return showPlainMessage(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                            defaultButton)
        == QMessageBox::Yes;
}
