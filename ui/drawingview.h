// The section drawn on the window: the calls that draw it, kept and played onto the window
// whenever it paints, in the screen's device pixels so the section stays sharp on a
// high-density screen. A new set of calls that is the same as the one shown asks no paint;
// and no picture is kept in between, as playing the calls costs less than painting a picture,
// converting it to a pixmap and copying that to the window.
#pragma once

#include "drawingrecord.h"

#include <QWidget>

class TDrawingView : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows Drawing, made for Size device pixels from the view's top left; the rest of the
    // view stays the window's.
    void Show(TDrawingRecord Drawing, QSize Size);
    const TDrawingRecord &Shown() const { return FDrawn; }

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    TDrawingRecord FDrawn;
    QSize FSize;
};
