#include "shear.h"

#include "rplristloige.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr double CotFlat = 2.5;  // the flattest strut, cot theta (6.7N)
constexpr double CotSteep = 1.0; // the steepest strut
constexpr double RhoLimit = 0.02;
constexpr double kLimit = 2.0;
constexpr double Tolerance = 1e-9; // a figure exactly on its limit passes

// True when every argument is a finite number.
template <typename... T> bool Finite(T... Values)
{
    return (std::isfinite(Values) && ...);
}

// Value <= Limit, with the relative allowance for a value computed to equal its limit.
bool Within(double Value, double Limit)
{
    return Value <= Limit * (1 + Tolerance);
}
} // namespace

TShear ShearOf(const TRistLoige &RL)
{
    const TShearInputs &in = RL.Nihe;
    const TBetKlass &concrete = RL.BetKlass;
    const double bw = RL.CompressedOutline().Below * 1000, d = RL.d * 1000; // mm
    const double As = RL.AArmatuur.AsProv * 100;                            // cm2 -> mm2
    const double Ved = in.Vsd * 1000;                                       // kN -> N
    const double s = in.s * 1000, phi = in.LinkD;                           // mm
    const double fck = concrete.fck, gc = concrete.gc, fcd = concrete.alfacc * concrete.fcd;
    const double fyk = RL.RArmKlass.fyk, fywd = RL.RArmKlass.fyd; // MPa
    if (RL.Fault != TDesignFault::None || !Finite(bw, d, As, Ved, s, fck, gc, fcd, fyk, fywd) ||
        !(bw * d > 0) || !(As >= 0) || !(Ved >= 0) || !(s > 0) || !(phi > 0) || in.Legs < 1 ||
        !(fck > 0) || !(gc > 0) || !(fcd > 0) || !(fyk > 0) || !(fywd > 0))
        return {};

    const double z = 0.9 * d;
    const double k = std::min(1 + std::sqrt(200 / d), kLimit);
    const double rho = std::min(As / (bw * d), RhoLimit);
    const double vmin = 0.035 * std::pow(k, 1.5) * std::sqrt(fck);
    const double vrdc = std::max(0.18 / gc * k * std::cbrt(100 * rho * fck), vmin) * bw * d; // N
    // VRd,max (cot + tan), N: positive for every fck below 250 MPa.
    const double strut = bw * z * 0.6 * (1 - fck / 250) * fcd;
    if (!(strut > 0))
        return {};
    auto vrdmax = [&](double cot) { return strut / (cot + 1 / cot); };
    const double aswMin = 0.08 * std::sqrt(fck) / fyk * bw;                // mm2/mm
    const double aswProv = in.Legs * std::numbers::pi * phi * phi / 4 / s; // mm2/mm

    TShear r;
    r.VRdc = vrdc / 1000;
    r.LinksNeeded = !Within(Ved, vrdc);
    r.VRdMaxAtOne = vrdmax(CotSteep) / 1000;
    r.AswMin = aswMin * 10;
    r.AswProv = aswProv * 10;
    r.SlMax = 0.75 * d;
    // A slab strip carrying Vsd on its concrete needs no links at all, nor a spacing of them.
    const bool strip = !dynamic_cast<const TRPLRistLoige *>(&RL) && Within(5 * RL.h, RL.b);
    r.SlabStrip = strip && !r.LinksNeeded;
    r.SpacingOk = r.SlabStrip || Within(s, r.SlMax);
    // The strut is checked whether or not links are needed: the concrete alone carrying Vsd
    // says nothing of the struts once links are there (the minimum ones always are).
    r.WebTooSmall = !Within(Ved, vrdmax(CotSteep));
    if (r.WebTooSmall) {
        r.LinksOk = false; // no links make up for a web too small
    } else {
        double cot = CotFlat;
        if (!Within(Ved, vrdmax(CotFlat))) {
            // cot + 1 / cot = strut / Ved, in [2, 2.9) here: the root >= 1 of
            // cot^2 - ratio cot + 1 = 0. On the limits the allowance may take ratio just
            // below 2, hence the floor under the root and the clamp.
            const double ratio = strut / Ved;
            cot = (ratio + std::sqrt(std::max(ratio * ratio - 4, 0.0))) / 2;
            cot = std::clamp(cot, CotSteep, CotFlat);
        }
        const double calculated = Ved / (z * fywd * cot);
        r.CotTheta = cot;
        r.VRdMax = vrdmax(cot) / 1000;
        r.AswReq = r.SlabStrip ? 0.0 : (r.LinksNeeded ? std::max(calculated, aswMin) : aswMin) * 10;
        r.VRds = aswProv * z * fywd * cot / 1000;
        r.LinksOk = Within(r.AswReq, r.AswProv);
    }
    const bool finite = Finite(r.VRdc, r.VRdMaxAtOne, r.CotTheta, r.VRdMax, r.AswMin, r.AswReq,
                               r.AswProv, r.VRds, r.SlMax);
    r.Valid = finite;
    return finite ? r : TShear{};
}
