#include "qtcanvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <cmath>
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

TQtCanvas::TQtCanvas(QImage &Image)
    : Image(&Image), SavedPixelRatio(Image.devicePixelRatio()), OwnPainter(std::in_place),
      Painter(&*OwnPainter), Width(Image.width()), Height(Image.height()), PenScale(SavedPixelRatio)
{
    Image.setDevicePixelRatio(1.0); // device pixels, no scaling of the painter's own
    if (!Image.isNull())
        Painter->begin(&Image); // on a null image nothing is painted
}

TQtCanvas::TQtCanvas(QPainter &Painter, int Width, int Height, double PenScale)
    : Painter(&Painter), Width(Width), Height(Height), PenScale(PenScale)
{
}

TQtCanvas::~TQtCanvas()
{
    if (OwnPainter && OwnPainter->isActive())
        OwnPainter->end();
    if (Image)
        Image->setDevicePixelRatio(SavedPixelRatio);
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

void TQtCanvas::SetPenMode(TPenMode)
{
    // pmCopy, the only mode, is the painter's normal composition.
}

void TQtCanvas::SetBrushColor(TColor Color)
{
    BrushColor = Color;
}

int TQtCanvas::Scaled(double Units) const
{
    return std::max(1, static_cast<int>(std::lround(Units * PenScale)));
}

QPen TQtCanvas::Pen() const
{
    QPen pen(ToQColor(PenColor));
    // Flat ends: a thin line leaves its last pixel out, dashes keep their length, and a
    // wide line ends square where it should (Qt's small round ends come out ragged). A solid
    // thin line drawn wider than a pixel reaches half its width past its ends instead, so
    // the segments of an outline meet at the corners without a notch.
    const int width = Scaled(std::max(PenWidth, 1));
    const bool outline = PenWidth <= 1 && width > 1 && PenStyle == TPenStyle::psSolid;
    pen.setCapStyle(outline ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setWidth(width == 1 ? 0 : width); // 0: Qt's one-pixel line
    if (PenStyle == TPenStyle::psDashDot) {
        // Dash, gap, dot, gap; Qt counts them in pen widths.
        QList<qreal> pattern;
        for (double units : {9.0, 6.0, 3.0, 6.0})
            pattern << qreal(Scaled(units)) / width;
        pen.setDashPattern(pattern);
    }
    return pen;
}

// Edges beyond the area move to just outside it: what is painted stays the same and the
// width and height of a QRect cannot overflow.
int TQtCanvas::ClampX(int X) const
{
    return std::clamp(X, -1, Width + 1);
}

int TQtCanvas::ClampY(int Y) const
{
    return std::clamp(Y, -1, Height + 1);
}

void TQtCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    if (!Painter->isActive())
        return;
    const int left = ClampX(std::min(X1, X2)), right = ClampX(std::max(X1, X2));
    const int top = ClampY(std::min(Y1, Y2)), bottom = ClampY(std::max(Y1, Y2));
    if (right == left || bottom == top)
        return;
    const QRect pixels(left, top, right - left, bottom - top);
    Painter->fillRect(pixels, ToQColor(BrushColor));
    // The outline is the rectangle's own edge pixels, drawn inside it at any pen weight.
    const int w = std::min({Scaled(std::max(PenWidth, 1)), pixels.width(), pixels.height()});
    const QColor pen = ToQColor(PenColor);
    Painter->fillRect(QRect(left, top, pixels.width(), w), pen);
    Painter->fillRect(QRect(left, bottom - w, pixels.width(), w), pen);
    Painter->fillRect(QRect(left, top, w, pixels.height()), pen);
    Painter->fillRect(QRect(right - w, top, w, pixels.height()), pen);
}

void TQtCanvas::MoveTo(int X, int Y)
{
    PenPos = QPoint(X, Y);
}

void TQtCanvas::LineTo(int X, int Y)
{
    const QPoint to(X, Y);
    if (Painter->isActive() && to != PenPos) {
        QPen pen = Pen();
        QPoint from = PenPos, end = to;
        if (pen.width() == 0) {
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
        if (PenStyle == TPenStyle::psDashDot) { // the gaps first, in the brush colour
            QPen gaps = pen;
            gaps.setStyle(Qt::SolidLine);
            gaps.setColor(ToQColor(BrushColor));
            Painter->setPen(gaps);
            Painter->drawLine(from, end);
        }
        Painter->setPen(pen);
        Painter->drawLine(from, end);
    }
    PenPos = to;
}

void TQtCanvas::FillRect(const TRect &Rect)
{
    if (!Painter->isActive() || Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top)
        return;
    const int left = ClampX(Rect.Left), right = ClampX(Rect.Right);
    const int top = ClampY(Rect.Top), bottom = ClampY(Rect.Bottom);
    Painter->fillRect(QRect(left, top, right - left, bottom - top), ToQColor(BrushColor));
}

void TQtCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    if (!Painter->isActive())
        return;
    // Not clamped to the area as a rectangle is: that would change the shape. In doubles, the
    // box's size cannot overflow.
    const double left = std::min(X1, X2), right = std::max(X1, X2);
    const double top = std::min(Y1, Y2), bottom = std::max(Y1, Y2);
    if (right == left || bottom == top)
        return;
    const QRectF box(left, top, right - left, bottom - top);
    Painter->save();
    Painter->setPen(Qt::NoPen);
    Painter->setBrush(ToQColor(BrushColor));
    Painter->drawEllipse(box);
    // The outline's centre line half its width inside the box, so that it stays within it.
    const double w =
        std::min({double(Scaled(std::max(PenWidth, 1))), box.width() / 2, box.height() / 2});
    QPen pen(ToQColor(PenColor), w);
    Painter->setPen(pen);
    Painter->setBrush(Qt::NoBrush);
    Painter->drawEllipse(box.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    Painter->restore();
}
