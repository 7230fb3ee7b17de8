// A drawing kept as the list of canvas calls that made it: a section drawn into a record can
// be compared with the drawing shown before (the same calls give the same pixels) and, when it
// differs, played onto a real surface. The window draws into a record on every refresh and
// repaints only when the record changed.
#pragma once

#include "canvas.h"

#include <vector>

class TDrawingRecord : public TCanvas
{
public:
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

    // Makes the same calls on Canvas, in order.
    void Replay(TCanvas &Canvas) const;
    void Clear() { Calls.clear(); }
    bool operator==(const TDrawingRecord &Other) const { return Calls == Other.Calls; }

private:
    enum class TKind {
        PenStyle,
        PenColor,
        PenWidth,
        PenMode,
        BrushColor,
        Rectangle,
        MoveTo,
        LineTo,
        FillRect,
        Ellipse
    };
    struct TCall {
        TKind Kind;
        long long A, B, C, D; // the call's arguments in order, unused ones 0
        bool operator==(const TCall &) const = default;
    };
    std::vector<TCall> Calls;
};
