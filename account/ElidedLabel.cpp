#include "account/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace TandAccount {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFullText(text);
}

void ElidedLabel::setFullText(const QString& text)
{
    m_fullText = text;
    // Heard whole, however it is cut on screen.
    setAccessibleName(text);
    updateGeometry();
    showFitting();
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = contentsMargins();
    return {metrics.horizontalAdvance(m_fullText) + margins.left() + margins.right(),
            metrics.height() + margins.top() + margins.bottom()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Room for a letter and the ellipsis; the rest may give way.
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(QStringLiteral("M\u2026")), sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showFitting();
}

void ElidedLabel::showFitting()
{
    const QString shown = fontMetrics().elidedText(m_fullText, Qt::ElideRight, contentsRect().width());
    setText(shown);
    // A tooltip that looks like markup is read as markup: escaped inside
    // <qt>, the text shows as it came.
    setToolTip(shown == m_fullText ? QString() : QStringLiteral("<qt>%1</qt>").arg(m_fullText.toHtmlEscaped()));
}

} // namespace TandAccount
