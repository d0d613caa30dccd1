#include "update/DialogParts.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace TandUpdate {

namespace {

// In average characters and lines of the dialog's font.
constexpr int kMinimumWidthChars = 32;
constexpr int kNotesWidthChars = 64;
constexpr int kNotesHeightLines = 24;

} // namespace

void sizeUpdateDialog(QDialog* dialog, bool showsNotes)
{
    const QFontMetrics metrics(dialog->font());
    const QWidget* anchor = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    dialog->setMinimumWidth(std::min(kMinimumWidthChars * metrics.averageCharWidth(), available.width()));
    if (!showsNotes)
        return;
    const QSize forText(kNotesWidthChars * metrics.averageCharWidth(), kNotesHeightLines * metrics.lineSpacing());
    dialog->resize(kNotesDialogSize.expandedTo(forText).expandedTo(dialog->minimumSizeHint()).boundedTo(available));
}

QLabel* plainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel* plainHeading(const QString& text, qreal extraPoints)
{
    QLabel* heading = plainLabel(text);
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + extraPoints);
    heading->setFont(font);
    return heading;
}

} // namespace TandUpdate
