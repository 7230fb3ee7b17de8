#include "capacity.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double EpsCu = 0.0035;   // concrete strain at the top face, eps_cu3 (3.1.7)
constexpr double BlockRatio = 0.8; // stress-block depth over x, lambda (3.1.7(3))
// Halvings of the bracket (0, 1) of xi = x / d: 2^-40 d < 1e-12 d.
constexpr int Steps = 40;
} // namespace

TCapacity ChosenBarsCapacity(const TRistLoige &RL)
{
    const double As = RL.AArmatuur.AsProv / 10000; // cm2 -> m2
    const double As2 = RL.NeedsCompressionSteel() ? RL.YArmatuur.AsProv / 10000 : 0.0;
    const double d = RL.d;
    if (RL.Fault != TDesignFault::None || !(As > 0) || !(As2 >= 0) || !(d > 0))
        return {};
    const TRistLoige::TCompressedOutline zone = RL.CompressedOutline();
    const double A = RL.BetKlass.alfacc * RL.BetKlass.fcd; // MPa
    const double fyd = RL.AArmKlass.fyd, fycd = RL.YArmKlass.fycd, fydc = RL.YArmKlass.fyd;
    // Es 1000 eps_cu, MPa: the stress per unit of (d - x) / x. Strains are written in xi = x / d,
    // so nothing is divided by a depth that may be tiny.
    const double EsEps = RL.AArmKlass.Es * 1000 * EpsCu, EscEps = RL.YArmKlass.Es * 1000 * EpsCu;
    const double xi2 = RL.d2 / d; // d2 <= d after CalcDesignValues
    // Bilinear steel with the horizontal top branch (3.2.7(2)b): stress times xi, MPa, so the
    // search divides nothing (xi > 0 keeps every sign).
    auto tension = [&](double xi) { return std::min(EsEps * (1 - xi), fyd * xi); };
    auto compression = [&](double xi) {
        return std::max(std::min(EscEps * (xi - xi2), fycd * xi), -fydc * xi);
    };
    // Block depth in the top width and beneath it, m.
    auto top = [&](double xi) { return std::min(BlockRatio * xi * d, zone.TopDepth); };
    auto below = [&](double xi) { return std::max(BlockRatio * xi * d - zone.TopDepth, 0.0); };

    // Concrete and compression bars against tension bars, times xi, MN: negative below the root.
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < Steps; ++i) {
        const double xi = (lo + hi) / 2;
        const double net = xi * A * (zone.Top * top(xi) + zone.Below * below(xi)) +
                           As2 * compression(xi) - As * tension(xi);
        if (net < 0)
            lo = xi;
        else
            hi = xi;
    }
    const double xi = (lo + hi) / 2, t = top(xi), w = below(xi);
    const double mrd =
        1000 * (A * (zone.Top * t * (d - t / 2) + zone.Below * w * (d - zone.TopDepth - w / 2)) +
                As2 * compression(xi) / xi * (d - RL.d2));
    if (!(mrd > 0) || !std::isfinite(mrd)) // a section too small or too large for doubles
        return {};
    TCapacity c;
    c.MRd = mrd;
    c.Utilisation = RL.Msd / mrd;
    c.x = xi * d;
    c.xOverD = xi;
    c.TensionYields = xi <= RL.xilim * (1 + 1e-9);
    c.Valid = std::isfinite(c.Utilisation); // x = xi d is finite with d
    return c.Valid ? c : TCapacity{};
}
