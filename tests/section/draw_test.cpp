// The sections' drawings, probed pixel by pixel on a small raster that follows the surface's
// conventions, at points worked out by hand from the scale rule: s = 0.96 H / ExtHeight or
// 0.96 W / ExtWidth, whichever is smaller, the extent centred, coordinates rounded.
#include "classes.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// Rectangles filled and outlined, horizontal and vertical lines without their end point,
// wide pens centred on the line; dashes drawn solid.
class TRaster : public TCanvas
{
public:
    TRaster(int W, int H) : W(W), H(H), Pixels(static_cast<std::size_t>(W * H), clWhite) {}
    TColor At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y * W + X)]; }

    void SetPenStyle(TPenStyle) override {}
    void SetPenColor(TColor Color) override { Pen = Color; }
    void SetPenWidth(int Width) override { PenWidth = Width; }
    void SetPenMode(TPenMode) override {}
    void SetBrushColor(TColor Color) override { Brush = Color; }
    void Rectangle(int X1, int Y1, int X2, int Y2) override
    {
        for (int y = Y1; y < Y2; ++y)
            for (int x = X1; x < X2; ++x)
                Put(x, y, x == X1 || y == Y1 || x == X2 - 1 || y == Y2 - 1 ? Pen : Brush);
    }
    void MoveTo(int X, int Y) override { PenX = X, PenY = Y; }
    void LineTo(int X, int Y) override
    {
        const int dx = (X > PenX) - (X < PenX), dy = (Y > PenY) - (Y < PenY), half = PenWidth / 2;
        for (int x = PenX, y = PenY; x != X || y != Y; x += dx, y += dy)
            for (int across = -half; across <= half; ++across)
                Put(x + across * dy, y + across * dx, Pen);
        MoveTo(X, Y);
    }
    void FillRect(const TRect &) override {}

private:
    void Put(int X, int Y, TColor C)
    {
        if (X >= 0 && Y >= 0 && X < W && Y < H)
            Pixels[static_cast<std::size_t>(Y * W + X)] = C;
    }
    int W, H;
    std::vector<TColor> Pixels;
    TColor Pen = clBlack, Brush = clWhite;
    int PenWidth = 0, PenX = 0, PenY = 0;
};

struct Probe {
    int X, Y;
    TColor Colour;
};

struct Case {
    const char *Name;
    bool Ribbed;
    double Msd;
    double b, bw; // m, when not the default's (-1)
    int W, H;
    std::vector<Probe> Probes;
};

const TColor K = clBlack, S = clSilver, W = clWhite, R = clRed, B = clBlue;

// Defaults at 550 kNm need compression steel: lambdax 0.2245 m, x 0.2807 m.
// clang-format off
const Case Cases[] = {
    // s 405.12, ox 108.976, oy 4.22: outline 109..271 x 4..207, block to 95, axis at 118,
    // compression bars 125..255 at 20, tension bars at 189, three pixels thick.
    {"rectangle", false, 550, -1, -1, 380, 211,
     {{109, 100, K}, {271, 100, K}, {190, 4, K}, {190, 207, K}, {108, 100, W}, {272, 100, W},
      {190, 3, W}, {190, 208, W}, {190, 94, S}, {190, 96, W}, {150, 118, K}, {190, 19, B},
      {190, 21, B}, {125, 20, B}, {124, 20, S}, {255, 20, S}, {190, 188, R}, {190, 190, R},
      {125, 189, R}, {254, 189, R}, {255, 189, W}, {124, 189, W}, {190, 191, W}}},
    // 400 kNm, no compression steel: lambdax 0.16 m, the block down to 69, no blue line.
    {"rectangle 400", false, 400, -1, -1, 380, 211, {{190, 20, S}, {190, 68, S}, {190, 70, W}}},
    // s 405.12, ox 68.464: flange 68..312 x 4..45, web 149..231 down to 207; the block fills
    // the flange and the web down to 95, the axis crosses the web only.
    {"ribbed slab", true, 550, -1, -1, 380, 211,
     {{68, 30, K}, {312, 30, K}, {67, 30, W}, {100, 45, K}, {149, 100, K}, {231, 100, K},
      {148, 100, W}, {232, 100, W}, {190, 207, K}, {100, 30, S}, {100, 60, W}, {190, 60, S},
      {190, 118, K}, {100, 118, W}, {93, 20, B}, {286, 20, B}, {287, 20, S}, {158, 189, R},
      {221, 189, R}, {157, 189, W}, {222, 189, W}}},
    // 300 kNm: the block stays in the flange (to 33) and the axis crosses the flange at 40.
    {"ribbed slab 300", true, 300, -1, -1, 380, 211,
     {{100, 30, S}, {100, 35, W}, {100, 40, K}, {300, 40, K}, {190, 60, W}, {190, 20, S}}},
    // A web wider than the flange is taken into the extent: s 228, ox 121.6, web 8..372.
    {"wide web", true, 300, -1, 1.6, 380, 211,
     {{8, 150, K}, {7, 150, W}, {372, 150, K}, {373, 150, W}}},
    // Nothing to draw on, or nothing to draw.
    {"empty surface", false, 550, -1, -1, 0, 211, {{190, 100, W}, {109, 100, W}, {190, 189, W}}},
    {"no width", true, 550, 0, 0, 380, 211, {{190, 100, W}, {190, 4, W}, {190, 189, W}}},
};
// clang-format on

TEST(Draw, PixelsWhereTheyBelong)
{
    TClassesScope classes;
    for (const Case &c : Cases) {
        TRPLRistLoige slab;
        TRistLoige rect;
        slab.b = c.b < 0 ? slab.b : c.b;
        slab.bw = c.bw < 0 ? slab.bw : c.bw;
        TRistLoige &rl = c.Ribbed ? static_cast<TRistLoige &>(slab) : rect;
        rl.Msd = c.Msd;
        rl.CalcDesignValues();
        rl.Calculate();
        TRaster raster(380, 211);
        rl.Draw(raster, c.W, c.H);
        for (const Probe &p : c.Probes)
            EXPECT_EQ(raster.At(p.X, p.Y), p.Colour) << c.Name << " at " << p.X << ", " << p.Y;
    }
}

} // namespace
