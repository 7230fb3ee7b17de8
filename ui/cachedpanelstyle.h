// The style of the window's fields: the style the program runs in, but a field's panel (its
// frame and fill) is drawn once for each size, state and palette and then copied. The style
// draws it afresh, antialiased corners and all, on every paint of the field, and every refresh
// moves the focus and so repaints two fields or more. Drawn on a clear picture and copied, the
// panel blends into what lies beneath within a unit of 255 or two of the style's own drawing
// (to the same pixels on this window).
#pragma once

#include <QProxyStyle>

class TCachedPanelStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement Element, const QStyleOption *Option, QPainter *Painter,
                       const QWidget *Widget = nullptr) const override;
};
