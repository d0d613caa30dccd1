#include "account/AccountWidgets.h"

#include <QDialog>
#include <QLabel>
#include <QPalette>

namespace TandAccount {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor errorColour(const QPalette& palette)
{
    return QColor(isDark(palette) ? "#FF8A80" : "#C62828");
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel* mutedLabel(const QString& text, QWidget* parent)
{
    QLabel* label = plainLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

void rejectOpenDialogs(QWidget* owner)
{
    // The innermost first: each one's answer ends the loop of the one under it.
    const QList<QDialog*> dialogs = owner->findChildren<QDialog*>();
    for (auto it = dialogs.crbegin(); it != dialogs.crend(); ++it) {
        if ((*it)->isVisible())
            (*it)->reject();
    }
    if (auto* dialog = qobject_cast<QDialog*>(owner); dialog && dialog->isVisible())
        dialog->reject();
}

} // namespace TandAccount
