#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPalette;
class QWidget;

namespace TandAccount {

// Pieces the account window and the share dialog build alike.

// Whether `palette` is a dark theme's.
bool isDark(const QPalette& palette);

// The colour of error texts, readable on the theme of `palette`; the same
// as the program's other negative texts. Widgets that use it take it again
// when the theme changes.
QColor errorColour(const QPalette& palette);

// A label that shows `text` as typed, never as markup: names, addresses and
// reasons come from a service.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr);

// A plain label in the placeholder colour, for notes beside the content.
QLabel* mutedLabel(const QString& text, QWidget* parent = nullptr);

// Rejects `owner` when it is a dialog, and every dialog open over it: what
// they ask belongs to a user who has signed out, and an answer given later
// must not reach the next one.
void rejectOpenDialogs(QWidget* owner);

} // namespace TandAccount
