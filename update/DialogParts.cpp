#include "update/DialogParts.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
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

    // A minimum of our own replaces the layout's: it must still hold the
    // widest row that cannot wrap (the buttons, the running version), or
    // a narrowed dialog draws them over each other.
    const int forRows = dialog->layout() ? dialog->layout()->minimumSize().width() : 0;
    dialog->setMinimumWidth(
        std::min(std::max(kMinimumWidthChars * metrics.averageCharWidth(), forRows), available.width()));
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
