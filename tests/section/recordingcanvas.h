// A drawing surface that paints nothing and logs every call as one readable line, e.g.
// "PenColor clSilver" or "Rectangle 109 4 271 95", so a drawing can be compared call by call
// with pixel coordinates worked out by hand.
#pragma once

#include "canvas.h"

#include <cstdio>
#include <string>
#include <vector>

class TRecordingCanvas : public TCanvas
{
public:
    std::vector<std::string> Log;

    void SetPenStyle(TPenStyle Style) override
    {
        Log.push_back(Style == TPenStyle::psSolid ? "PenStyle psSolid" : "PenStyle psDashDot");
    }
    void SetPenColor(TColor Color) override { Log.push_back("PenColor " + ColorName(Color)); }
    void SetPenWidth(int Width) override { Log.push_back("PenWidth " + std::to_string(Width)); }
    void SetPenMode(TPenMode) override { Log.push_back("PenMode pmCopy"); }
    void SetBrushColor(TColor Color) override { Log.push_back("BrushColor " + ColorName(Color)); }

    void Rectangle(int X1, int Y1, int X2, int Y2) override
    {
        Log.push_back(Shape("Rectangle", {X1, Y1, X2, Y2}));
    }
    void MoveTo(int X, int Y) override { Log.push_back(Shape("MoveTo", {X, Y})); }
    void LineTo(int X, int Y) override { Log.push_back(Shape("LineTo", {X, Y})); }
    void FillRect(const TRect &R) override
    {
        Log.push_back(Shape("FillRect", {R.Left, R.Top, R.Right, R.Bottom}));
    }

    // True for a call that sets the pen or the brush, false for one that draws or moves.
    static bool IsStyle(const std::string &Call)
    {
        return Call.starts_with("Pen") || Call.starts_with("Brush");
    }

private:
    static std::string ColorName(TColor Color)
    {
        switch (Color) {
        case clBlack:
            return "clBlack";
        case clSilver:
            return "clSilver";
        case clRed:
            return "clRed";
        case clBlue:
            return "clBlue";
        case clWhite:
            return "clWhite";
        case clBtnFace:
            return "clBtnFace";
        }
        char text[16];
        std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(Color));
        return text;
    }
    static std::string Shape(const char *Name, std::initializer_list<int> Args)
    {
        std::string s = Name;
        for (int a : Args)
            s += " " + std::to_string(a);
        return s;
    }
};
