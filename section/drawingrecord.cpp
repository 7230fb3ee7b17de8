#include "drawingrecord.h"

void TDrawingRecord::SetPenStyle(TPenStyle Style)
{
    Calls.push_back({TKind::PenStyle, static_cast<long long>(Style), 0, 0, 0});
}

void TDrawingRecord::SetPenColor(TColor Color)
{
    Calls.push_back({TKind::PenColor, Color, 0, 0, 0});
}

void TDrawingRecord::SetPenWidth(int Width)
{
    Calls.push_back({TKind::PenWidth, Width, 0, 0, 0});
}

void TDrawingRecord::SetPenMode(TPenMode Mode)
{
    Calls.push_back({TKind::PenMode, static_cast<long long>(Mode), 0, 0, 0});
}

void TDrawingRecord::SetBrushColor(TColor Color)
{
    Calls.push_back({TKind::BrushColor, Color, 0, 0, 0});
}

void TDrawingRecord::Rectangle(int X1, int Y1, int X2, int Y2)
{
    Calls.push_back({TKind::Rectangle, X1, Y1, X2, Y2});
}

void TDrawingRecord::MoveTo(int X, int Y)
{
    Calls.push_back({TKind::MoveTo, X, Y, 0, 0});
}

void TDrawingRecord::LineTo(int X, int Y)
{
    Calls.push_back({TKind::LineTo, X, Y, 0, 0});
}

void TDrawingRecord::FillRect(const TRect &Rect)
{
    Calls.push_back({TKind::FillRect, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom});
}

void TDrawingRecord::Ellipse(int X1, int Y1, int X2, int Y2)
{
    Calls.push_back({TKind::Ellipse, X1, Y1, X2, Y2});
}

void TDrawingRecord::Replay(TCanvas &Canvas) const
{
    for (const TCall &c : Calls) {
        const int a = static_cast<int>(c.A), b = static_cast<int>(c.B), cc = static_cast<int>(c.C),
                  d = static_cast<int>(c.D);
        switch (c.Kind) {
        case TKind::PenStyle:
            Canvas.SetPenStyle(static_cast<TPenStyle>(c.A));
            break;
        case TKind::PenColor:
            Canvas.SetPenColor(static_cast<TColor>(c.A));
            break;
        case TKind::PenWidth:
            Canvas.SetPenWidth(a);
            break;
        case TKind::PenMode:
            Canvas.SetPenMode(static_cast<TPenMode>(c.A));
            break;
        case TKind::BrushColor:
            Canvas.SetBrushColor(static_cast<TColor>(c.A));
            break;
        case TKind::Rectangle:
            Canvas.Rectangle(a, b, cc, d);
            break;
        case TKind::MoveTo:
            Canvas.MoveTo(a, b);
            break;
        case TKind::LineTo:
            Canvas.LineTo(a, b);
            break;
        case TKind::FillRect:
            Canvas.FillRect({a, b, cc, d});
            break;
        case TKind::Ellipse:
            Canvas.Ellipse(a, b, cc, d);
            break;
        }
    }
}
