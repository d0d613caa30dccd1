#include "appstate/ContrastStyle.h"

#include "appstate/ThemeHelpers.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

namespace {

// WCAG 2 asks 3:1 of the parts of a control that tell its state. The pen
// aims higher because an antialiased circle covers no pixel fully at 100 %
// scale, and its most solid pixels must still reach 3:1.
constexpr qreal kOutlineContrast = 3.5;
// Disabled controls are exempt; they stay visible but plainly weaker.
constexpr qreal kDisabledOutlineContrast = 2.3;

QColor mixed(const QColor& from, const QColor& to, qreal amount)
{
    const auto channel = [amount](int a, int b) { return qRound(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The colour closest to `from` on the way to `to` that stands out from every
// background by the ratio; `to` itself when no colour on the way does.
QColor firstContrasting(const QColor& from, const QColor& to, std::initializer_list<QColor> backgrounds, qreal ratio)
{
    constexpr int kSteps = 64;
    for (int step = 0; step < kSteps; ++step) {
        const QColor candidate = mixed(from, to, qreal(step) / kSteps);
        if (std::all_of(backgrounds.begin(), backgrounds.end(),
                        [&](const QColor& background) { return contrastRatio(candidate, background) >= ratio; }))
            return candidate;
    }
    return to;
}

QColor indicatorOutline(const QStyleOption& option)
{
    const QPalette& palette = option.palette;
    const bool enabled = option.state & QStyle::State_Enabled;
    // Fusion marks keyboard focus by drawing the outline in the highlight
    // colour; that colour is kept where it stands out well enough.
    const bool focused = (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
    const QColor from = palette.color(focused ? QPalette::Highlight : QPalette::Window);
    return firstContrasting(from, palette.color(QPalette::WindowText),
                            {palette.color(QPalette::Window), palette.color(QPalette::Base),
                             palette.color(QPalette::AlternateBase)},
                            enabled ? kOutlineContrast : kDisabledOutlineContrast);
}

// Strokes exactly the edge Fusion drew (same rectangle and circle, same
// one-pixel pen), so nothing of its faint outline shows around the new one.
void restrokeIndicatorOutline(QStyle::PrimitiveElement element, const QStyleOption& option, QPainter* painter)
{
    const QRect& rect = option.rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(indicatorOutline(option)));
    painter->setBrush(Qt::NoBrush);
    if (element == QStyle::PE_IndicatorCheckBox) {
        painter->drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        const qreal radius = (rect.width() + (rect.width() + 1) % 2) / 2.0 - 1;
        QPainterPath circle;
        circle.addEllipse(QPointF(rect.center() + QPoint(1, 1)), radius, radius);
        painter->drawPath(circle);
    }
    painter->restore();
}

// The ring sits in the margin of the button's style sheet, a gap away from
// the fill, and keeps the accent's hue where the window colour allows.
void drawAccentFocusRing(QPainter* painter, const QWidget& button)
{
    // The button's own palette carries its style sheet's colours; the window
    // around it is the parent's.
    const QPalette around = button.parentWidget() ? button.parentWidget()->palette() : QGuiApplication::palette();
    const QColor ring = firstContrasting(around.color(QPalette::Highlight), around.color(QPalette::WindowText),
                                         {around.color(QPalette::Window), around.color(QPalette::Base)},
                                         kOutlineContrast);
    constexpr qreal inset = kAccentFocusRingWidth / 2.0;
    constexpr qreal radius = kAccentButtonRadius + kAccentFocusRingGap + inset;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(ring, kAccentFocusRingWidth));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(button.rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
    painter->restore();
}

} // namespace

ContrastStyle::ContrastStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (element == PE_FrameFocusRect && widget && widget->property(kAccentButtonProperty).toBool()) {
        // Like Fusion's own focus frames, only once the keyboard has moved focus.
        if (option->state & State_KeyboardFocusChange)
            drawAccentFocusRing(painter, *widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Item views draw their check boxes through PE_IndicatorCheckBox of this
    // style, so they come here too.
    if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton)
        restrokeIndicatorOutline(element, *option, painter);
}
