#include "drawingview.h"

#include "qtcanvas.h"

#include <QPainter>

void TDrawingView::Show(TDrawingRecord Drawing, QSize Size)
{
    if (Drawing == FDrawn && Size == FSize)
        return;
    FDrawn = std::move(Drawing);
    FSize = Size;
    update();
}

void TDrawingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Device pixels, as the drawing was made for.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(QRect(QPoint(), FSize), Qt::white);
    TQtCanvas canvas(painter, FSize.width(), FSize.height(), ratio);
    FDrawn.Replay(canvas);
}
