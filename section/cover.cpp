#include "cover.h"

#include "ristloige.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace
{
constexpr double Allowance = 1e-9;    // a figure on its limit passes
constexpr int BaseClass = 4;          // S4, for a design life of 50 years
constexpr int LongLife = 100;         // years: two classes up
constexpr double LeastCover = 10.0;   // mm, whatever the bond and the exposure
constexpr double LargeAggregate = 32; // mm: above it the bars' bond cover grows by 5 mm

// Per exposure class, in TExposure order: its column of cmin,dur and the fck (MPa) from which
// the structural class drops by one.
struct TExposureRow {
    int Column;
    double StrongFck;
};
constexpr std::array<TExposureRow, 11> Exposures{{{0, 30},
                                                  {1, 30},
                                                  {2, 35},
                                                  {2, 35},
                                                  {3, 40},
                                                  {4, 40},
                                                  {5, 40},
                                                  {6, 45},
                                                  {4, 40},
                                                  {5, 45},
                                                  {6, 45}}};
// cmin,dur, mm: S1..S6 down, X0, XC1, XC2/XC3, XC4, XD1/XS1, XD2/XS2, XD3/XS3 across.
constexpr int CminDur[6][7] = {{10, 10, 10, 15, 20, 25, 30}, {10, 10, 15, 20, 25, 30, 35},
                               {10, 10, 20, 25, 30, 35, 40}, {10, 15, 25, 30, 35, 40, 45},
                               {15, 20, 30, 35, 40, 45, 50}, {20, 25, 35, 40, 45, 50, 55}};

bool AtLeast(double Value, double Limit)
{
    return Value >= Limit - Allowance * std::abs(Limit);
}

const TExposureRow *RowOf(TExposure Exposure)
{
    const auto i = static_cast<std::size_t>(Exposure);
    return i < Exposures.size() ? &Exposures[i] : nullptr;
}

bool Finite(const TCoverCheck &C)
{
    const double figures[] = {C.Rows.Gap,  C.Rows.Centroid, C.Rows.Axis,  C.BarCover,
                              C.LinkCover, C.BarNeeded,     C.LinkNeeded, C.CoverNeeded};
    return std::all_of(std::begin(figures), std::end(figures),
                       [](double v) { return std::isfinite(v); });
}
} // namespace

TRows RowsOf(int Count, int Rows, int D, double CoverMm, double dgMm)
{
    TRows r;
    const int n = std::max(Count, 0);
    r.Rows = std::clamp(Rows, 1, std::max(n, 1));
    const int q = n / r.Rows, m = n % r.Rows;
    r.Outer = q + (m > 0);
    r.Gap = std::max({double(D), std::isfinite(dgMm) ? dgMm + 5 : 0.0, 20.0});
    if (r.Rows > 1) { // n >= 2 here
        const double rows = r.Rows, rest = m;
        r.Centroid = (D + r.Gap) * (q * rows * (rows - 1) / 2 + rest * (rest - 1) / 2) / n;
    }
    r.Axis = CoverMm - r.Centroid;
    return r;
}

TBarFit RowFit(int Count, int Rows, int D, double Width, double Cover, double dg)
{
    const TRows r = RowsOf(Count, Rows, D, 0, dg * 1000); // the shares and o, not the axis
    // One row: Cover - 0, BarFit's figures to the last bit.
    TBarFit f = BarFit(r.Outer, D, Width, Cover - r.Centroid / 1000, dg);
    f.Rows = r.Rows;
    return f;
}

int StructuralClass(TExposure Exposure, double fck, int DesignLife)
{
    int s = BaseClass + (DesignLife >= LongLife ? 2 : 0);
    const TExposureRow *row = RowOf(Exposure);
    if (row && AtLeast(fck, row->StrongFck))
        --s;
    return std::clamp(s, 1, 6);
}

double MinCoverDurability(TExposure Exposure, int StructuralClass)
{
    const TExposureRow *row = RowOf(Exposure);
    if (!row)
        return std::numeric_limits<double>::quiet_NaN();
    return CminDur[std::clamp(StructuralClass, 1, 6) - 1][row->Column];
}

TCovers CoversOf(const TRistLoige &RL)
{
    const TServiceInputs &in = RL.Kasutus;
    const TArmatuurid &bars = RL.AArmatuur, &top = RL.YArmatuur;
    const int link = RL.Nihe.LinkD;
    const double dev = in.CoverDev * 1000, dg = in.dg * 1000;
    if (RL.Fault != TDesignFault::None || bars.Arv < 1 || bars.D < 1 || link < 1 || !(dev >= 0) ||
        !std::isfinite(dev))
        return {};

    TCovers c;
    c.StructuralClass = StructuralClass(in.Exposure, RL.BetKlass.fck, in.DesignLife);
    c.CminDur = MinCoverDurability(in.Exposure, c.StructuralClass);
    if (!std::isfinite(c.CminDur)) // an exposure no table holds
        return {};
    auto check = [&](const TArmatuurid &Bars, double Cover) {
        TCoverCheck k;
        k.Rows = RowsOf(Bars.Arv, Bars.Rows, Bars.D, Cover * 1000, dg);
        const double phi = Bars.D, bond = dg > LargeAggregate ? phi + 5 : phi;
        k.BarCover = k.Rows.Axis - phi / 2;
        k.LinkCover = k.BarCover - link;
        k.BarNeeded = std::max({bond, c.CminDur, LeastCover}) + dev;
        k.LinkNeeded = std::max({double(link), c.CminDur, LeastCover}) + dev;
        k.CoverNeeded = k.Rows.Centroid + phi / 2 + std::max(k.BarNeeded, k.LinkNeeded + link);
        k.BarOk = AtLeast(k.BarCover, k.BarNeeded);
        k.LinkOk = AtLeast(k.LinkCover, k.LinkNeeded);
        return k;
    };
    c.Tension = check(bars, RL.a);
    c.CompressionShown = RL.NeedsCompressionSteel() && top.Arv >= 1 && top.D >= 1;
    if (c.CompressionShown)
        c.Compression = check(top, RL.ap);
    c.Valid = Finite(c.Tension) && Finite(c.Compression);
    return c.Valid ? c : TCovers{};
}
