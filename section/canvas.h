// The drawing surface a section draws itself on: the few operations of a classic
// GDI-style canvas, in integer pixels with y growing downwards. Colours are $00BBGGRR.
#pragma once

#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clWhite = 0xFFFFFF;
// A system colour, not an RGB value: the surface resolves it to the face colour of buttons.
inline constexpr TColor clBtnFace = 0xFF00000F;

enum class TPenStyle { psSolid, psDashDot };
enum class TPenMode { pmCopy };

struct TRect {
    int Left, Top, Right, Bottom;
};

class TCanvas
{
public:
    virtual ~TCanvas() = default;

    virtual void SetPenStyle(TPenStyle Style) = 0;
    virtual void SetPenColor(TColor Color) = 0;
    virtual void SetPenWidth(int Width) = 0; // 0 is the thinnest pen, one pixel wide
    virtual void SetPenMode(TPenMode Mode) = 0;
    virtual void SetBrushColor(TColor Color) = 0;

    // Filled with the brush and outlined with the pen: pixels X1..X2-1, Y1..Y2-1.
    virtual void Rectangle(int X1, int Y1, int X2, int Y2) = 0;
    virtual void MoveTo(int X, int Y) = 0;
    // Draws from the current position up to, not including, (X, Y) and moves there.
    virtual void LineTo(int X, int Y) = 0;
    // Filled with the brush, no outline.
    virtual void FillRect(const TRect &Rect) = 0;
    // The ellipse inscribed in the pixels X1..X2-1, Y1..Y2-1, filled with the brush and
    // outlined with the pen inside that box.
    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
};
