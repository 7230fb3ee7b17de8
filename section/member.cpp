#include "member.h"

#include "rplristloige.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double Tolerance = 1e-9;      // a figure exactly on its limit passes
constexpr double SteelCap = 1.5;        // As,prov / As counts up to this
constexpr double LapFactor = 1.5;       // alpha6, more than half of the bars lapped at one place
constexpr double PoorBond = 0.7;        // eta1 of the top bars in a deep section
constexpr double GoodBondDepth = 250.0; // mm: top bars of a section this deep bond well
constexpr double CotFlangeFlat = 2.0;   // the flattest strut in the flange
constexpr double CotFlangeSteep = 1.0;

template <typename... T> bool Finite(T... Values)
{
    return (std::isfinite(Values) && ...);
}

bool Within(double Value, double Limit)
{
    return Value <= Limit * (1 + Tolerance);
}

double DesignTensileStrength(const TBetKlass &Concrete)
{
    return 0.7 * Concrete.fctm / Concrete.gc;
}

// A layer of D mm bars at Sigma MPa; fbd not positive past D = 132 (caught by the caller).
TBarAnchorage Bar(int D, double Sigma, double Eta1, double fctd)
{
    TBarAnchorage r;
    r.D = D;
    r.Sigma = Sigma;
    r.Eta1 = Eta1;
    r.Eta2 = D <= 32 ? 1.0 : (132.0 - D) / 100;
    r.fbd = 2.25 * r.Eta1 * r.Eta2 * fctd;
    r.lbrqd = D / 4.0 * Sigma / r.fbd;
    r.lbd = std::max({r.lbrqd, 10.0 * D, 100.0});
    r.l0 = std::max({LapFactor * r.lbrqd, 15.0 * D, 200.0});
    return r;
}

bool Sound(const TBarAnchorage &Bar)
{
    return Bar.D > 0 && Bar.fbd > 0 && Finite(Bar.Sigma, Bar.lbrqd, Bar.lbd, Bar.l0);
}
} // namespace

double SupportFactor(TSupport Support)
{
    switch (Support) {
    case TSupport::Simple:
        return 1.0;
    case TSupport::EndSpan:
        return 1.3;
    case TSupport::InteriorSpan:
        return 1.5;
    case TSupport::Cantilever:
        return 0.4;
    }
    return 0.0;
}

double BasicSpanDepth(double fck, double Rho, double RhoP)
{
    const double root = std::sqrt(fck), rho0 = root * 1e-3;
    if (Rho <= rho0)
        return 11 + 1.5 * root * rho0 / Rho + 3.2 * root * std::pow(rho0 / Rho - 1, 1.5);
    return 11 + 1.5 * root * rho0 / (Rho - RhoP) + root * std::sqrt(RhoP / rho0) / 12;
}

TSpanDepth SpanDepthOf(const TRistLoige &RL)
{
    const TMemberInputs &in = RL.Ava;
    const TRistLoige::TCompressedOutline o = RL.CompressedOutline();
    const double d = RL.d, fck = RL.BetKlass.fck, fyk = RL.AArmKlass.fyk;
    const double prov = RL.AArmatuur.AsProv * 1e-4; // cm2 -> m2
    const bool compression = RL.NeedsCompressionSteel();
    TSpanDepth r;
    r.K = SupportFactor(in.Support);
    // fck not positive gives no finite figure, and needs no test of its own.
    if (RL.Fault != TDesignFault::None || !(in.Span > 0) || !(r.K > 0) || !(fyk > 0) ||
        !(prov >= 0))
        return {};
    const double acd = o.Top * std::min(d, o.TopDepth) + o.Below * std::max(d - o.TopDepth, 0.0);
    r.Rho = RL.As / acd;
    r.RhoPShown = compression;
    r.RhoP = compression ? RL.Asc / acd : 0.0;
    if (!(r.Rho > r.RhoP)) // no tension area (As = 0), or As' without a lever arm
        return {};
    r.Rho0 = std::sqrt(fck) * 1e-3;
    r.Lightly = r.Rho <= r.Rho0;
    r.Basic = r.K * BasicSpanDepth(fck, r.Rho, r.RhoP);
    r.SteelFactor = 500 / fyk * std::min(prov / RL.As, SteelCap);
    r.FlangeFactor = Within(o.Top, 3 * o.Below) ? 1.0 : 0.8;
    r.SpanFactor = in.Partitions && in.Span > 7 ? 7 / in.Span : 1.0;
    r.Limit = r.Basic * r.SteelFactor * r.FlangeFactor * r.SpanFactor;
    r.Ratio = in.Span / d;
    r.Ok = Within(r.Ratio, r.Limit);
    r.Valid = Finite(r.Rho, r.RhoP, r.Basic, r.SteelFactor, r.Limit, r.Ratio);
    return r.Valid ? r : TSpanDepth{};
}

TAnchorage AnchorageOf(const TRistLoige &RL)
{
    if (RL.Fault != TDesignFault::None)
        return {};
    TAnchorage r;
    r.fctd = DesignTensileStrength(RL.BetKlass);
    r.Tension = Bar(RL.AArmatuur.D, RL.AArmKlass.fyd, 1.0, r.fctd);
    r.CompressionShown = RL.NeedsCompressionSteel();
    if (r.CompressionShown) {
        const double eta1 = Within(RL.h * 1000, GoodBondDepth) ? 1.0 : PoorBond;
        r.Compression = Bar(RL.YArmatuur.D, RL.YArmKlass.fycd, eta1, r.fctd);
    }
    r.Valid = Sound(r.Tension) && (!r.CompressionShown || Sound(r.Compression));
    return r.Valid ? r : TAnchorage{};
}

TFlangeShear FlangeShearOf(const TRistLoige &RL)
{
    const auto *slab = dynamic_cast<const TRPLRistLoige *>(&RL);
    if (!slab || RL.Fault != TDesignFault::None)
        return {};
    const double b = RL.b * 1000, bw = slab->bw * 1000, hf = slab->hf * 1000; // mm
    const double lx = RL.lambdax * 1000, d = RL.d * 1000, Ved = RL.Nihe.Vsd * 1000;
    const TBetKlass &c = RL.BetKlass;
    const double A = c.alfacc * c.fcd, fyd = RL.RArmKlass.fyd;
    const double asc = RL.NeedsCompressionSteel() ? RL.Asc * 1e6 : 0.0; // mm2
    // A flange of no thickness gives no finite vEd, and needs no test of its own.
    if (!(Ved >= 0) || !(fyd > 0))
        return {};

    const double top = std::min(lx, hf), web = std::max(lx - hf, 0.0);
    const double fcf = A * std::max((b - bw) / 2, 0.0) * top;             // N
    const double fc = A * (b * top + bw * web) + RL.YArmKlass.fycd * asc; // N
    TFlangeShear r;
    r.ForceShare = fcf / fc;
    r.vEd = Ved / (0.9 * d) * r.ForceShare / hf;
    r.Threshold = 0.4 * DesignTensileStrength(c);
    const double strut = 0.6 * (1 - c.fck / 250) * A; // nu fcd, MPa
    r.vRdMax = strut / 2;
    r.SteelNeeded = !Within(r.vEd, r.Threshold);
    r.TooThin = !Within(r.vEd, r.vRdMax);
    if (!r.TooThin) {
        // sin cos = cot / (1 + cot^2): 0.4 at cot 2, falling as cot grows from 1.
        double cot = CotFlangeFlat;
        if (!Within(r.vEd, strut * 0.4)) {
            const double ratio = strut / r.vEd;
            cot = (ratio + std::sqrt(std::max(ratio * ratio - 4, 0.0))) / 2;
            cot = std::clamp(cot, CotFlangeSteep, CotFlangeFlat);
        }
        r.CotTheta = cot;
        r.AsfReq = r.SteelNeeded ? r.vEd * hf / (fyd * cot) * 10 : 0.0; // mm2/mm -> cm2/m
    }
    r.Valid = strut > 0 && Finite(r.ForceShare, r.vEd, r.Threshold, r.vRdMax, r.AsfReq);
    return r.Valid ? r : TFlangeShear{};
}
