// Section design: worked examples as anchors, the edges of the method, properties of every
// design over a grid of sections, the capacity of chosen bars, and the drawings probed pixel
// by pixel. Defaults: rectangle 400 x 500, slab flange 600 x 100 on a 200 web, h 500, a 45,
// a' 40 (mm), C25/30, A500: A = 16.667 MPa, d = 0.455 m, mulim = 0.37172, omegalim = 0.49349.
#include "capacity.h"
#include "classes.h"
#include "drawingrecord.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

class Section : public testing::Test
{
    TClassesScope Classes;
};

TRPLRistLoige &Slab(const std::unique_ptr<TRistLoige> &RL)
{
    return static_cast<TRPLRistLoige &>(*RL);
}

std::unique_ptr<TRistLoige> Make(bool Ribbed, double Msd = 550, double bw = 0.2, double hf = 0.1)
{
    std::unique_ptr<TRistLoige> rl(Ribbed ? new TRPLRistLoige : new TRistLoige);
    if (Ribbed)
        std::tie(Slab(rl).bw, Slab(rl).hf) = std::pair(bw, hf);
    rl->Msd = Msd;
    return rl;
}

bool Design(TRistLoige &RL)
{
    RL.CalcDesignValues();
    return RL.Calculate();
}

struct Example {
    const char *Name;
    bool Ribbed;
    double Msd, hf, bw, Covers; // kNm, m; Covers (a and a') when not the defaults
    int Concrete, Steel;        // list indices of the concrete and of both steels
    double As, Asc, Asmin;      // cm2
    const char *Flags; // C compression steel, W block in the web, U As < As,min, O As > As,max,
                       // A As' > As,max
};

// Worked by hand. The rectangle's limit moment is mulim A b d^2 = 513.038 kNm; the slab's
// M1 + M2 = 0.25652 + 0.27000 MNm and Mf(0) = 0.40500 MNm. A flange of 0.4 m holds the
// limiting block (omegalim d = 0.2245 m): the zone is then a rectangle of width b, carrying
// mulim A b d^2 = 769.55 kNm, so Asc = (1.5 - 0.76955) / (0.415 * 400) = 44.003 cm2.
// As,min = rhomin b d (bw d), rhomin = max(0.26 fctm / fyk, 0.0013): 0.00133 for C25/30 and
// A500, the floor for A600, 0.00212 for C50/60; A400 (fyd 347.83, mulim 0.39163) limits at
// 540.51 kNm, A600 (fyd 521.74, mulim 0.35331) at 487.6.
const Example Examples[] = {
    {"RectangleZero", false, 0, 0, 0, 0, 4, 2, 0, 0, 2.427, "U"},
    {"Rectangle400", false, 400, 0, 0, 0, 4, 2, 24.53, 0, 2.427, ""},
    {"Rectangle550", false, 550, 0, 0, 0, 4, 2, 36.477, 2.226, 2.427, "C"},
    {"Rectangle2000", false, 2000, 0, 0, 0, 4, 2, 116.84, 89.58, 2.427, "COA"},
    {"C50", false, 550, 0, 0, 0, 9, 2, 31.316, 0, 3.853, ""},
    {"A400", false, 550, 0, 0, 0, 4, 1, 47.265, 0.657, 3.034, "C"},
    {"A600", false, 550, 0, 0, 0, 4, 3, 29.529, 3.757, 2.366, "C"},
    {"SlabFlange300", true, 300, 0.1, 0.2, 0, 4, 2, 16.459, 0, 1.214, ""},
    {"SlabWeb450", true, 450, 0.1, 0.2, 0, 4, 2, 26.091, 0, 1.214, "W"},
    {"SlabWeb550", true, 550, 0.1, 0.2, 0, 4, 2, 33.849, 1.415, 1.214, "CW"},
    {"SlabThickFlange", true, 1500, 0.4, 0.2, 0, 4, 2, 92.126, 44.003, 1.214, "C"},
    {"SlabWideWeb", true, 300, 0.1, 0.8, 0, 4, 2, 16.459, 0, 4.855, ""},
    // Both covers at mid-depth: no lever arm, Asc = 10 rhomax b d, flagged.
    {"SlabNoLeverArm", true, 550, 0.1, 0.2, 0.25, 4, 2, 576.79, 600.00, 0.667, "CWOA"},
};

TEST_F(Section, WorkedExamples)
{
    for (const Example &e : Examples) {
        SCOPED_TRACE(e.Name);
        auto rl = Make(e.Ribbed, e.Msd, e.bw, e.hf);
        if (e.Covers > 0)
            rl->a = rl->ap = e.Covers;
        BetKlassid->Items(e.Concrete).Assign(rl->BetKlass);
        ArmKlassid->Items(e.Steel).Assign(rl->AArmKlass);
        ArmKlassid->Items(e.Steel).Assign(rl->YArmKlass);
        ASSERT_TRUE(Design(*rl));
        EXPECT_NEAR(rl->As * 1e4, e.As, 0.006);
        EXPECT_NEAR(rl->Asc * 1e4, e.Asc, 0.006);
        EXPECT_NEAR(rl->Asmin * 1e4, e.Asmin, 0.0006);
        EXPECT_EQ(std::string(rl->NeedsCompressionSteel() ? "C" : "") +
                      (e.Ribbed && Slab(rl).StressBlockInWeb() ? "W" : "") +
                      (rl->AsUnderMin ? "U" : "") + (rl->AsOverMax ? "O" : "") +
                      (rl->AscOverMax ? "A" : ""),
                  e.Flags);
        EXPECT_DOUBLE_EQ(rl->x, rl->lambdax / 0.8);
    }
}

// Every design is in equilibrium: the tension bars at fyd balance the concrete block and the
// compression bars at fycd, their moment about the tension bars is Msd, the block within the
// limiting depth. The flags agree with the areas, As grows with the moment without a jump,
// bars of exactly the required areas carry exactly Msd, the tension bars yielding, and a slab
// whose web is as wide as its flange designs as the rectangle (checked as bw = b, hf = h).
TEST_F(Section, EveryDesignIsInEquilibriumAndGrowsSteadily)
{
    for (bool ribbed : {false, true})
        for (double a : {0.045, 0.2}) // 200 mm puts the bars above a flange deeper than d
            for (double bw : {0.1, 0.2, 0.4, 0.6})
                for (double hf : {0.0, 0.05, 0.1, 0.2, 0.2245, 0.3, 0.4, 0.5}) {
                    if (!ribbed && hf != 0.0)
                        continue;
                    auto rl = Make(ribbed, 0, bw, hf);
                    rl->a = a;
                    rl->b = ribbed ? rl->b : bw;
                    const double top = ribbed ? hf : rl->h, web = ribbed ? bw : rl->b;
                    double previous = 0.0;
                    for (double msd = 0; msd <= 2500; msd += 12.5) {
                        rl->Msd = msd;
                        ASSERT_TRUE(Design(*rl));
                        const double A = rl->BetKlass.alfacc * rl->BetKlass.fcd;
                        const double fycd = rl->YArmKlass.fycd, lx = rl->lambdax, d = rl->d;
                        // Concrete force (MN) and its moment about the tension bars (MNm).
                        const double flange = std::min(lx, top), below = std::max(lx - top, 0.0);
                        const double C = A * (rl->b * flange + web * below);
                        const double M = A * rl->b * flange * (d - flange / 2) +
                                         A * web * below * (d - top - below / 2) +
                                         fycd * rl->Asc * (d - rl->d2);
                        const std::string at = testing::PrintToString(
                            std::tuple(ribbed, a, bw, hf, msd)); // (slab?, a, bw, hf, Msd)
                        ASSERT_NEAR(rl->As * rl->AArmKlass.fyd, C + fycd * rl->Asc, 1e-9) << at;
                        ASSERT_NEAR(M, 0.001 * msd, 1e-9) << at;
                        ASSERT_LE(lx, rl->omegalim * d + 1e-12) << at;
                        ASSERT_EQ(rl->NeedsCompressionSteel(), rl->Asc > 0) << at;
                        ASSERT_EQ(rl->AsUnderMin, rl->As < rl->Asmin) << at;
                        ASSERT_EQ(rl->AsOverMax, rl->As > rl->Asmax) << at;
                        ASSERT_EQ(rl->AscOverMax, rl->Asc > rl->Asmax) << at;
                        ASSERT_GE(rl->As, previous) << at;
                        ASSERT_LT(rl->As - previous, 0.0004) << "a jump at " << at;
                        previous = rl->As;
                        rl->AArmatuur.AsProv = rl->As * 1e4;
                        rl->YArmatuur.AsProv = rl->NeedsCompressionSteel() ? rl->Asc * 1e4 : 50;
                        const TCapacity c = ChosenBarsCapacity(*rl); // 50 cm2 not needed: none
                        ASSERT_TRUE(msd == 0 ||
                                    (std::abs(c.MRd - msd) < 1e-9 * msd && c.TensionYields))
                            << at;
                        if (ribbed && bw == rl->b) {
                            auto rect = Make(false, msd);
                            rect->b = bw;
                            rect->a = a;
                            ASSERT_TRUE(Design(*rect));
                            ASSERT_NEAR(rect->As + rect->Asc, rl->As + rl->Asc, 1e-12) << at;
                            ASSERT_EQ(rect->Asmin + rect->Asmax, rl->Asmin + rl->Asmax) << at;
                        }
                    }
                }
}

// At a limit exactly the smaller case holds: no compression steel at mu = mulim; areas equal
// to a limit raise no flag.
TEST_F(Section, LimitsAreStrict)
{
    auto rect = Make(false);
    rect->CalcDesignValues();
    rect->Msd = rect->mulim * rect->BetKlass.fcd * 1000 * 0.4 * 0.455 * 0.455;
    ASSERT_TRUE(rect->Calculate());
    EXPECT_FALSE(rect->NeedsCompressionSteel());
    for (bool ribbed : {false, true}) {
        auto rl = Make(ribbed, 2000);
        ASSERT_TRUE(Design(*rl)); // the same inputs give the same areas: limits equal to them
        rl->Asmin = rl->Asmax = rl->As;
        ASSERT_TRUE(rl->Calculate());
        EXPECT_FALSE(rl->AsUnderMin || rl->AsOverMax);
        rl->Asmax = rl->Asc;
        ASSERT_TRUE(rl->Calculate());
        EXPECT_FALSE(rl->AscOverMax);
    }
}

// A section that cannot be designed says why and leaves no figure of an earlier design, nor
// a capacity of its bars.
TEST_F(Section, NotDesignableSaysWhy)
{
    using F = TDesignFault;
    struct Row {
        bool Ribbed;
        double b, h, Covers, Msd, bw, hf;
        TDesignFault Fault;
    } rows[] = {{false, 0, 0.5, 0.04, 550, 0, 0, F::Dimensions},
                {false, -0.4, 0.5, 0.04, 550, 0, 0, F::Dimensions},
                {false, 0.4, NAN, 0.04, 550, 0, 0, F::Dimensions},
                {false, 0.4, 0.5, 0.25, 550, 0, 0, F::Covers}, // no lever arm for compression steel
                {false, 0.4, 0.5, 0.04, -5, 0, 0, F::Inputs},
                {false, 0.4, 0.5, -0.01, 550, 0, 0, F::Inputs},
                {true, 0.6, 0.5, 0.04, 550, 0, 0.1, F::Dimensions},       // no rib
                {true, 0.6, 0.5, 0.04, 550, 0.2, 0.5001, F::Dimensions}}; // hf > h
    for (const Row &row : rows) {
        auto rl = Make(row.Ribbed, 550);
        ASSERT_TRUE(Design(*rl)); // figures that must not survive
        if (row.Ribbed)
            Slab(rl).bw = row.bw, Slab(rl).hf = row.hf;
        std::tie(rl->Msd, rl->b, rl->h, rl->a, rl->ap) =
            std::tuple(row.Msd, row.b, row.h, row.Covers, row.Covers);
        SCOPED_TRACE(testing::Message() << row.b << " " << row.h << " " << row.Msd);
        EXPECT_FALSE(Design(*rl));
        EXPECT_EQ(rl->Fault, row.Fault);
        EXPECT_EQ(rl->As + rl->Asc + rl->x + rl->lambdax + rl->AsUnderMin + rl->AsOverMax +
                      rl->AscOverMax + (row.b <= 0 && rl->NeedsCompressionSteel()) +
                      ChosenBarsCapacity(*rl).Valid,
                  0.0);
    }
    EXPECT_FALSE(ChosenBarsCapacity(*Make(true)).Valid) << "never designed";
    auto rl = Make(false, 10); // both layers at mid-depth: the concrete alone carries 10 kNm
    rl->a = rl->ap = 0.25;
    EXPECT_TRUE(Design(*rl));
}

// A copy designs exactly as its source: every input, class and bar group travels, the bar
// groups as they stand (their areas are not recomputed).
TEST_F(Section, AssignCarriesEverythingADesignNeeds)
{
    auto source = Make(true, 2500, 0.3, 0.12), copy = Make(true);
    std::tie(source->b, source->h, source->a, source->ap) = std::tuple(0.7, 0.6, 0.05, 0.035);
    BetKlassid->Items(9).Assign(source->BetKlass);
    ArmKlassid->Items(3).Assign(source->AArmKlass);
    ArmKlassid->Items(1).Assign(source->YArmKlass); // fycd 347.8, not the default 400
    TArmatuurid &bars = source->YArmatuur;
    std::tie(source->AArmatuur.Arv, bars.D, bars.AsReq, bars.AsProv) = std::tuple(2, 12, 7.5, 1.0);
    ASSERT_TRUE(Design(*source) && source->NeedsCompressionSteel());
    source->Ava = {8, TSupport::Cantilever, true};
    Slab(source).AssignRPL(Slab(copy));
    EXPECT_EQ(copy->Asmin, source->rhomin * 0.2 * copy->d) << "bw comes after the design values";
    ASSERT_TRUE(Design(*copy));
    auto figures = [](const TRistLoige &RL) {
        return std::tuple(RL.As, RL.Asc, RL.Asmin, RL.Asmax, RL.d, RL.d2, RL.AArmatuur.Arv,
                          RL.YArmatuur.D, RL.YArmatuur.AsReq, RL.YArmatuur.AsProv, RL.Ava);
    };
    EXPECT_EQ(figures(*copy), figures(*source));
}

TEST_F(Section, BarGroupsAndTheClassesModule)
{
    // cm2, n pi D^2 / 400
    const std::tuple<int, int, double> areas[] = {
        {6, 32, 48.2549}, {1, 10, 0.7854}, {10, 40, 125.6637}, {0, 16, 0.0}, {4, 0, 0.0}};
    for (auto [arv, dia, area] : areas)
        EXPECT_NEAR(BarArea(arv, dia), area, 5e-5) << arv << " x " << dia;
    const TArmatuurid fresh, &a = StoredRistLoige->AArmatuur, &y = StoredRistLoige->YArmatuur;
    EXPECT_EQ(std::tuple(fresh.Arv, fresh.D, a.Arv, a.D, y.Arv, y.D, a.AsProv, y.AsProv),
              std::tuple(4, 16, 6, 32, 4, 16, BarArea(6, 32), BarArea(4, 16)));
    EXPECT_EQ(fresh.AsProv, BarArea(4, 16));
    EXPECT_EQ(StoredRPLRistLoige->b + StoredRistLoige->Msd, 550.6); // defaults
    StoredRistLoige->h = 1.0;
    ClassesInitialize(); // afresh
    EXPECT_EQ(StoredRistLoige->h, 0.5);
    ClassesFinalize();
    EXPECT_FALSE(BetKlassid || ArmKlassid || StoredRistLoige || StoredRPLRistLoige);
    EXPECT_THROW(TRistLoige section, std::logic_error);
    const TBetKlassid concretes; // the lists' items are numbered from 1
    EXPECT_THROW((void)concretes.Items(0), std::out_of_range);
    EXPECT_THROW((void)TArmKlassid().Items(7), std::out_of_range);
    EXPECT_EQ(concretes.Items(1).Name + concretes.Items(9).Name, "C12/15C50/60");
}

// The capacity of chosen bars, by hand (A = 16.667, fyd = 434.78, fycd = 400 MPa, bars below
// yield at 700 (d - x) / x MPa, 0.8 A b = 5.3333 MN/m, d = 0.455 m, xilim d = 0.2807 m):
// 6/32 + 4/16: 5.3333 x + 0.3217 = 48.2549e-4 700 (d - x) / x, x = 0.29228, not yielding;
//   MRd = 5.3333 x (d - 0.4 x) + 0.3217 (d - 0.04) = 660.53 kNm.
// slab, 6/25 yielding: 1.28054 MN = A (0.06 + 0.2 w), web depth w = 0.08416, x = 0.2302;
//   MRd = A (0.06 (d - 0.05) + 0.2 w (d - 0.1 - w / 2)) = 492.79 kNm.
// a' = 150 mm, the required areas: the top bars reach only 700 (x - 0.15) / x = 330 MPa at
//   x = 0.28404; MRd = 5.3333 x (d - 0.4 x) + 11.2264e-4 330.3 0.305 = 630.26, Msd/MRd 1.03.
// 1/8 + 2/12, the top bars pulled: 5.3333 x = 2.7646e-4 434.78, x = 0.02254;
//   MRd = 0.1202 (d - 0.4 x) - 2.2619e-4 434.78 (d - 0.04) = 12.79 kNm.
TEST_F(Section, CapacityOfTheChosenBars)
{
    struct Row {
        bool Ribbed;
        double ap, Msd, AsProv, AscProv;
        const char *Shown; // valid, MRd, Msd/MRd, x/d, the tension bars yield
    };
    for (const Row &r : {Row{0, 0.04, 550, BarArea(6, 32), BarArea(4, 16), "1 660.53 0.83 0.64 0"},
                         Row{1, 0.04, 450, BarArea(6, 25), BarArea(4, 16), "1 492.79 0.91 0.51 1"},
                         Row{0, 0.15, 650, 44.7572, 11.2264, "1 630.26 1.03 0.62 0"},
                         Row{0, 0.04, 550, BarArea(1, 8), BarArea(2, 12), "1 12.79 42.99 0.05 1"},
                         Row{1, 0.04, 550, 0, 8, "0 0.00 0.00 0.00 1"},
                         Row{0, 0.04, 550, 48, -8, "0 0.00 0.00 0.00 1"}}) {
        auto rl = Make(r.Ribbed, r.Msd);
        rl->ap = r.ap;
        ASSERT_TRUE(Design(*rl));
        rl->AArmatuur.AsProv = r.AsProv;
        rl->YArmatuur.AsProv = r.AscProv;
        const TCapacity c = ChosenBarsCapacity(*rl);
        char shown[80];
        std::snprintf(shown, sizeof shown, "%d %.2f %.2f %.2f %d", c.Valid, c.MRd, c.Utilisation,
                      c.xOverD, c.TensionYields);
        EXPECT_STREQ(shown, r.Shown) << r.AsProv << " " << r.AscProv;
    }
}

// The sections' drawings, probed pixel by pixel on a small raster that follows the surface's
// conventions, at points worked out by hand from the scale rule: s = 0.96 H / ExtHeight or
// 0.96 W / ExtWidth, whichever is smaller, the extent centred, coordinates rounded.
// Rectangles filled and outlined, horizontal and vertical lines without their end point,
// wide pens centred on the line; dashes drawn solid.
class TRaster : public TCanvas
{
public:
    TRaster(int W, int H) : W(W), H(H), Pixels(static_cast<std::size_t>(W * H), clWhite) {}
    TColor At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y * W + X)]; }
    bool operator==(const TRaster &Other) const { return Pixels == Other.Pixels; }

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
    // The pixels whose centres lie inside the inscribed ellipse, in the brush.
    void Ellipse(int X1, int Y1, int X2, int Y2) override
    {
        const double cx = (X1 + X2) / 2.0, cy = (Y1 + Y2) / 2.0, rx = (X2 - X1) / 2.0,
                     ry = (Y2 - Y1) / 2.0;
        for (int y = Y1; y < Y2; ++y)
            for (int x = X1; x < X2; ++x)
                if (std::pow((x + 0.5 - cx) / rx, 2) + std::pow((y + 0.5 - cy) / ry, 2) <= 1)
                    Put(x, y, Brush);
    }

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
    int Rows = 1;         // of the tension bars, at a = 90 mm when not 1
    bool ToScale = false; // the sheet's bars and links
};

const TColor K = clBlack, S = clSilver, W = clWhite, R = clRed, B = clBlue, G = clGreen;

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
    // Two rows of 3 x 32 at a = 90: sv 32, o = 32, e = 58 mm; axes at v = 0.442 and 0.378 m, y
    // 183.28 and 157.36; the block (d 0.41, 0.2023 m) to 86. As lines: two across 125..254.
    {"two rows", false, 550, -1, -1, 380, 211,
     {{190, 183, R}, {190, 157, R}, {190, 170, W}, {125, 183, R}, {124, 157, W}}, 2},
    // To scale: circles of 32 mm (13 px) with their axes 58 mm from the sides, u 0.058, 0.2, 0.342
    // (x 132.5, 190, 247.5), white between them (x 161); the top bars 4 x 16, axes 40 mm in (x
    // 125.2, y 20.4). Links 8 mm at c_link = 58 - 16 - 8 = 34 mm (x 122.75, inner face 126.0; y
    // 192.8 at the bottom) and 40 - 8 - 8 = 24 mm at the top (y 13.9).
    {"two rows to scale", false, 550, -1, -1, 380, 211,
     {{190, 183, R}, {132, 157, R}, {248, 183, R}, {161, 183, W}, {190, 170, W}, {125, 20, B},
      {155, 20, S}, {123, 100, G}, {124, 100, W}, {126, 100, G}, {200, 193, G}, {200, 14, G}},
     2, true},
    // Nothing to draw on, or nothing to draw.
    {"empty surface", false, 550, -1, -1, 0, 211, {{190, 100, W}, {109, 100, W}, {190, 189, W}}},
    {"no width", true, 550, 0, 0, 380, 211, {{190, 100, W}, {190, 4, W}, {190, 189, W}}},
};
// clang-format on

// Each drawing is also kept as a record: played back it paints the same pixels, drawn again it
// is the same record, and it differs from the drawing before it (every case draws another, but
// the last two draw nothing).
TEST_F(Section, DrawingPixelsWhereTheyBelong)
{
    TDrawingRecord previous;
    for (const Case &c : Cases) {
        TRPLRistLoige slab;
        TRistLoige rect;
        slab.b = c.b < 0 ? slab.b : c.b;
        slab.bw = c.bw < 0 ? slab.bw : c.bw;
        TRistLoige &rl = c.Ribbed ? static_cast<TRistLoige &>(slab) : rect;
        rl.Msd = c.Msd;
        if (c.Rows > 1)
            std::tie(rl.a, rl.AArmatuur.Rows) = std::pair(0.09, c.Rows);
        rl.CalcDesignValues();
        rl.Calculate();
        const TBarDrawing style = c.ToScale ? TBarDrawing::ToScale : TBarDrawing::Rows;
        TRaster raster(380, 211);
        rl.Draw(raster, c.W, c.H, style);
        for (const Probe &p : c.Probes)
            EXPECT_EQ(raster.At(p.X, p.Y), p.Colour) << c.Name << " at " << p.X << ", " << p.Y;
        TDrawingRecord record, again;
        rl.Draw(record, c.W, c.H, style);
        rl.Draw(again, c.W, c.H, style);
        TRaster replayed(380, 211);
        record.Replay(replayed);
        EXPECT_TRUE(replayed == raster && again == record) << c.Name;
        const bool nothing = record == TDrawingRecord();
        EXPECT_TRUE(nothing ? c.W == 0 || c.b == 0 : !(record == previous)) << c.Name;
        previous = record;
    }
}

} // namespace
