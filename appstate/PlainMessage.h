#pragma once

#include <QMessageBox>
#include <QString>

// A message box whose text is shown as typed, never read as markup: names,
// payees and categories come from the user, and from other people once an
// account is shared. The button the user pressed.
QMessageBox::StandardButton showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// A Yes/No question in plain text; true for Yes.
bool askPlainQuestion(QWidget* parent, const QString& title, const QString& text,
                      QMessageBox::StandardButton defaultButton = QMessageBox::No);
