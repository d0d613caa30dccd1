#pragma once

#include <QProxyStyle>

// Fusion, with the outline of check boxes and radio buttons (and the check
// boxes item views draw) kept readable on every palette. Fusion shades that
// outline from the window colour alone, which next to a dark base colour all
// but disappears; here it is stroked again in a colour taken from the palette
// that stands out from the window and base colours by at least 3:1. Fill,
// marks, hover and pressed looks stay Fusion's own.
//
// Accent buttons (see markAccentButton) lose the style's focus frame to
// their style sheet; on keyboard focus they get a ring of the same contrast
// in the room their sheet leaves around them.
class ContrastStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ContrastStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
