// The sections' drawing surface realised with Qt: paints into a QImage with the classic GDI
// conventions the drawing code was written for.
//
//   Rectangle(X1, Y1, X2, Y2)  fills and outlines the pixels X1..X2-1, Y1..Y2-1; the corners
//                              may come in any order; an empty rectangle paints nothing.
//   MoveTo / LineTo            LineTo draws from the current position up to, not including,
//                              its end point and makes the end point the current position.
//                              A line of zero length paints nothing. Dashes start at the
//                              start point whichever way the line runs.
//   FillRect                   fills Left..Right-1, Top..Bottom-1 with the brush, no outline.
//   pen width 0 or 1           one pixel, end point excluded (as above).
//   pen width > 1              solid, centred on the line, covering it from end to end with
//                              flat ends (GDI rounds them; a 3-pixel bar line looks the same
//                              either way, and Qt's small round ends come out ragged).
//   psDashDot                  9-pixel dashes and 3-pixel dots with 6-pixel gaps; the gaps are
//                              painted opaquely in the brush colour.
//   pmCopy                     the pen colour replaces the pixel (normal composition).
//   colours                    $00BBGGRR; system colours ($FF0000nn, e.g. clBtnFace) take the
//                              application palette's matching colour.
//
// Pixels: the canvas paints in the image's device pixels, whatever its device pixel ratio,
// because the section is fitted to the W x H it is given and every coordinate is already a
// whole pixel. The caller passes Draw the image's width() and height(), which are device
// pixels. To keep the mapping exact (no 1/DPR scaling and back), the image's device pixel
// ratio is set to 1 while the canvas lives and put back when it is destroyed; the caller
// must not use the image in between. Pen widths are device pixels too.
#pragma once

#include "canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>

class TQtCanvas : public TCanvas
{
public:
    explicit TQtCanvas(QImage &Image);
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

    // The Qt colour of a $00BBGGRR value or of a system colour.
    static QColor ToQColor(TColor Color);

private:
    // Loads the painter with the current pen, brush and background before a shape.
    void ApplyPenAndBrush();
    int ClampX(int X) const;
    int ClampY(int Y) const;

    QImage &Target;
    qreal SavedPixelRatio;
    QPainter Painter;

    TPenStyle PenStyle = TPenStyle::psSolid;
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TPenMode PenMode = TPenMode::pmCopy;
    TColor BrushColor = clWhite;
    QPoint PenPos{0, 0};
};
