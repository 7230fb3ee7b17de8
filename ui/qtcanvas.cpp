#include "qtcanvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace
{
constexpr TColor SystemColorFlag = 0xFF000000;

// The system colours a form uses, by their index in the low byte.
QColor SystemColor(TColor Color)
{
    QPalette::ColorRole role;
    switch (Color & 0xFF) {
    case 5: // window background
        role = QPalette::Base;
        break;
    case 8: // window text
        role = QPalette::Text;
        break;
    case 13: // selection
        role = QPalette::Highlight;
        break;
    case 14: // selected text
        role = QPalette::HighlightedText;
        break;
    case 15: // button face (clBtnFace)
        role = QPalette::Button;
        break;
    case 18: // button text
        role = QPalette::ButtonText;
        break;
    default:
        return QColor(Qt::black);
    }
    // Without an application there is no palette; take the usual light grey face.
    if (!qGuiApp)
        return role == QPalette::Button ? QColor(240, 240, 240) : QColor(Qt::black);
    return QGuiApplication::palette().color(QPalette::Active, role);
}
} // namespace

TQtCanvas::TQtCanvas(QImage &Image) : Target(Image), SavedPixelRatio(Image.devicePixelRatio())
{
    // Paint in device pixels: with the ratio at 1 the painter adds no scaling of its own.
    Target.setDevicePixelRatio(1.0);
    if (Target.isNull() || !Painter.begin(&Target))
        return; // nothing to paint on; every operation below then does nothing
    Painter.setRenderHint(QPainter::Antialiasing, false);
    // A solid brush makes the gaps of a broken line opaque, in the brush colour.
    Painter.setBackgroundMode(Qt::OpaqueMode);
}

TQtCanvas::~TQtCanvas()
{
    if (Painter.isActive())
        Painter.end();
    Target.setDevicePixelRatio(SavedPixelRatio);
}

QColor TQtCanvas::ToQColor(TColor Color)
{
    if ((Color & SystemColorFlag) == SystemColorFlag)
        return SystemColor(Color);
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

void TQtCanvas::SetPenStyle(TPenStyle Style)
{
    PenStyle = Style;
}

void TQtCanvas::SetPenColor(TColor Color)
{
    PenColor = Color;
}

void TQtCanvas::SetPenWidth(int Width)
{
    PenWidth = Width;
}

void TQtCanvas::SetPenMode(TPenMode Mode)
{
    PenMode = Mode; // pmCopy, the only mode, is the painter's normal composition
}

void TQtCanvas::SetBrushColor(TColor Color)
{
    BrushColor = Color;
}

void TQtCanvas::ApplyPenAndBrush()
{
    QPen pen(ToQColor(PenColor));
    if (PenWidth <= 1) {
        // The thinnest pen, one pixel whatever the transformation. A flat end leaves the
        // line's last pixel out, as LineTo requires, and keeps dashes at their length.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        if (PenStyle == TPenStyle::psDashDot)
            pen.setDashPattern({9, 6, 3, 6}); // dash, gap, dot, gap in pixels
    } else {
        // A wide pen is always solid and centred on the line. Flat ends: Qt's round ends of
        // a 3-pixel line come out ragged and its square ends lopsided.
        pen.setWidth(PenWidth);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    Painter.setPen(pen);
    if (PenMode == TPenMode::pmCopy)
        Painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor brush = ToQColor(BrushColor);
    Painter.setBrush(brush);
    Painter.setBackground(brush);
}

// Edges beyond the image move to just outside it: what is painted stays the same and the
// width and height of a QRect cannot overflow.
int TQtCanvas::ClampX(int X) const
{
    return std::clamp(X, -1, Target.width() + 1);
}

int TQtCanvas::ClampY(int Y) const
{
    return std::clamp(Y, -1, Target.height() + 1);
}

void TQtCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    if (!Painter.isActive())
        return;
    const int left = ClampX(std::min(X1, X2)), right = ClampX(std::max(X1, X2));
    const int top = ClampY(std::min(Y1, Y2)), bottom = ClampY(std::max(Y1, Y2));
    if (right == left || bottom == top)
        return;
    ApplyPenAndBrush();
    const QRect pixels(left, top, right - left, bottom - top);
    Painter.fillRect(pixels, Painter.brush());
    Painter.setBrush(Qt::NoBrush);
    if (pixels.width() == 1 && pixels.height() == 1)
        Painter.drawPoint(pixels.topLeft());
    else // a one-pixel pen covers the rectangle's x .. x + width, so one less each way
        Painter.drawRect(pixels.adjusted(0, 0, -1, -1));
}

void TQtCanvas::MoveTo(int X, int Y)
{
    PenPos = QPoint(X, Y);
}

void TQtCanvas::LineTo(int X, int Y)
{
    const QPoint to(X, Y);
    if (Painter.isActive() && to != PenPos) {
        ApplyPenAndBrush();
        QPoint from = PenPos, end = to;
        if (PenWidth <= 1) {
            // Qt's one-pixel line covers its main axis from the lower coordinate up to, not
            // including, the higher one, whichever way it runs, and starts the dashes at
            // the higher end of a backward line. A line running left or up is moved one
            // pixel forward, so it keeps its start point, leaves its end point out and has
            // its dashes begin at the start, as a forward line does. Only the main axis is
            // shifted: a slanted backward line may differ from GDI's by a pixel across.
            const QPoint d = to - PenPos;
            const bool alongX = std::abs(d.x()) >= std::abs(d.y());
            if (alongX && d.x() < 0)
                from.rx()++, end.rx()++;
            else if (!alongX && d.y() < 0)
                from.ry()++, end.ry()++;
        }
        Painter.drawLine(from, end);
    }
    PenPos = to;
}

void TQtCanvas::FillRect(const TRect &Rect)
{
    if (!Painter.isActive() || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top)
        return;
    const int left = ClampX(Rect.Left), right = ClampX(Rect.Right);
    const int top = ClampY(Rect.Top), bottom = ClampY(Rect.Bottom);
    Painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(BrushColor));
}
