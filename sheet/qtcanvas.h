// The sections' drawing surface realised with Qt, with the classic GDI conventions the
// drawing code was written for, on a screen image or on any painter (a PDF page, a printer).
//
//   Rectangle(X1, Y1, X2, Y2)  fills and outlines the pixels X1..X2-1, Y1..Y2-1; the corners
//                              may come in any order; an empty rectangle paints nothing.
//   MoveTo / LineTo            LineTo draws from the current position up to, not including,
//                              its end point and makes the end point the current position.
//                              A line of zero length paints nothing. Dashes start at the
//                              start point whichever way the line runs.
//   FillRect                   fills Left..Right-1, Top..Bottom-1 with the brush, no outline.
//   Ellipse(X1, Y1, X2, Y2)    fills the ellipse inscribed in the pixels X1..X2-1, Y1..Y2-1
//                              with the brush and outlines it with the pen inside that box;
//                              an empty box paints nothing.
//   psDashDot                  9-unit dashes and 3-unit dots with 6-unit gaps, the gaps
//                              painted in the brush colour.
//   pmCopy                     the pen colour replaces the pixel (normal composition).
//   colours                    $00BBGGRR; system colours ($FF0000nn, e.g. clBtnFace) take the
//                              application palette's matching colour.
//
// Coordinates are device units: the section is fitted to the W x H it is given, and every
// coordinate is already whole, so lines fall on whole device pixels. Pen weights and dash
// lengths are the drawing's own units (width 0 and 1 the thinnest line, the bars 3) times a
// pen scale, rounded to whole device units and never below 1: on a screen image the scale is
// its device pixel ratio (a drawing at 200 % has 2-pixel outlines and 6-pixel bars, the same
// weights, sharper); on paper it is device units per point. At scale 1 a thin line is Qt's
// one-pixel line, shifted where needed to leave out its end point as GDI does; a wider pen
// is centred on the line and covers it from end to end with flat ends.
#pragma once

#include "canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <optional>

class TQtCanvas : public TCanvas
{
public:
    // Paints into Image in its device pixels, pens scaled by its device pixel ratio. The
    // ratio is 1 while the canvas lives (no scaling of the painter's own) and is put back
    // afterwards; the caller must not use the image in between.
    explicit TQtCanvas(QImage &Image);
    // Paints with Painter, active on any device, within Width x Height device units from the
    // painter's origin; pen weights and dashes are PenScale device units each.
    TQtCanvas(QPainter &Painter, int Width, int Height, double PenScale);
    ~TQtCanvas() override;
    TQtCanvas(const TQtCanvas &) = delete;
    TQtCanvas &operator=(const TQtCanvas &) = delete;

    void SetPenStyle(TPenStyle Style) override;
    void SetPenColor(TColor Color) override;
    void SetPenWidth(int Width) override;
    void SetPenMode(TPenMode Mode) override;
    void SetBrushColor(TColor Color) override;

    void Rectangle(int X1, int Y1, int X2, int Y2) override;
    void MoveTo(int X, int Y) override;
    void LineTo(int X, int Y) override;
    void FillRect(const TRect &Rect) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;

    // The Qt colour of a $00BBGGRR value or of a system colour.
    static QColor ToQColor(TColor Color);

private:
    // Device units of a length in the drawing's units: rounded, at least 1.
    int Scaled(double Units) const;
    QPen Pen() const;
    int ClampX(int X) const;
    int ClampY(int Y) const;

    QImage *Image = nullptr;
    qreal SavedPixelRatio = 1.0;
    std::optional<QPainter> OwnPainter;
    QPainter *Painter;
    int Width, Height;
    double PenScale;

    TPenStyle PenStyle = TPenStyle::psSolid;
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TColor BrushColor = clWhite;
    QPoint PenPos{0, 0};
};
