#include "serviceability.h"

#include "cover.h"
#include "ristloige.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
constexpr double Kt = 0.4;         // long-term loading (7.3.4(2))
constexpr double SrFactor = 0.17;  // k1 k2 k4 = 0.8 0.5 0.425 (7.11)
constexpr double SrCover = 3.4;    // k3 (7.11)
constexpr double SrFar = 1.3;      // (7.14)
constexpr double Allowance = 1e-9; // a figure on its limit passes

// N / D, or not a number when D is 0: a section too small or too large for doubles ends as a
// figure that is not finite, which makes the whole result invalid.
double Quotient(double N, double D)
{
    return D != 0 ? N / D : std::numeric_limits<double>::quiet_NaN();
}

bool Within(double Value, double Limit)
{
    return Value <= Limit + Allowance * std::abs(Limit);
}

// The section in mm and N, as the serviceability checks need it.
struct TGeometry {
    double Top, TopDepth, Below; // compressed outline
    double h, d, d2;
    double As, As2; // mm2; As2 = 0 when the compression bars do not count
    double Es, Es2; // MPa, tension and compression bars
};

// The cracked elastic section under M (Nmm) with concrete modulus Ec (MPa). The first moment
// about the axis,
//   S(x) = Top t (x - t/2) + Below w^2 / 2 + k As2 (x - d2) - a As (d - x),
//   t = min(x, TopDepth), w = max(x - TopDepth, 0), a = Es / Ec, k = Es2 / Ec - (x > d2),
// grows with x (every term's slope is an area, k >= 0 as steel is stiffer than concrete), is
// negative at 0 and positive at d, where only the concrete and As' are left. Between the
// breaks at TopDepth and d2 it is the quadratic A x^2 + B x + C with
//   in the flange:  A = Top / 2,    B = k As2 + a As,                     C = -k As2 d2 - a As d
//   in the web:     A = Below / 2,  B = (Top - Below) TopDepth + k As2 + a As,
//                   C = (Below - Top) TopDepth^2 / 2 - k As2 d2 - a As d
// whose rising root, x = -2 C / (B + sqrt(B^2 - 4 A C)), is taken in the piece where S changes
// sign. I about it likewise, the flange's part from x - t to x below the axis.
TElasticStress CrackedSection(const TGeometry &G, double M, double Ec)
{
    const double alpha = Quotient(G.Es, Ec), alpha2 = Quotient(G.Es2, Ec);
    auto top = [&](double x) { return std::min(x, G.TopDepth); };
    auto below = [&](double x) { return std::max(x - G.TopDepth, 0.0); };
    auto k = [&](double x) { return x > G.d2 ? alpha2 - 1 : alpha2; };
    auto firstMoment = [&](double x) {
        const double t = top(x), w = below(x);
        return G.Top * t * (x - t / 2) + G.Below * w * w / 2 + k(x) * G.As2 * (x - G.d2) -
               alpha * G.As * (G.d - x);
    };
    // The pieces' ends in (0, d), in order; the last piece ends at d.
    double ends[] = {std::clamp(G.TopDepth, 0.0, G.d), std::clamp(G.d2, 0.0, G.d), G.d};
    std::sort(std::begin(ends), std::end(ends));
    double lo = 0.0, hi = G.d;
    for (double end : ends) {
        hi = end;
        if (end > lo && firstMoment(end) >= 0)
            break;
        lo = std::max(lo, end);
    }
    const double mid = (lo + hi) / 2, kk = k(mid), steel = kk * G.As2 + alpha * G.As;
    const double pull = -kk * G.As2 * G.d2 - alpha * G.As * G.d;
    const bool flange = mid <= G.TopDepth;
    const double A = (flange ? G.Top : G.Below) / 2;
    const double B = steel + (flange ? 0.0 : (G.Top - G.Below) * G.TopDepth);
    const double C = pull + (flange ? 0.0 : (G.Below - G.Top) * G.TopDepth * G.TopDepth / 2);
    TElasticStress s;
    s.x = std::clamp(Quotient(-2 * C, B + std::sqrt(B * B - 4 * A * C)), lo, hi);
    const double t = top(s.x), w = below(s.x), u = s.x - t; // u: the axis below the flange
    s.I = G.Top * (std::pow(s.x, 3) - std::pow(u, 3)) / 3 + G.Below * std::pow(w, 3) / 3 +
          k(s.x) * G.As2 * std::pow(s.x - G.d2, 2) + alpha * G.As * std::pow(G.d - s.x, 2);
    s.SigmaC = Quotient(M * s.x, s.I);
    s.SigmaS = Quotient(alpha * M * (G.d - s.x), s.I);
    return s;
}

// Cracking moment of the concrete outline alone (flange Top x TopDepth on Below x the rest),
// Nmm: fctm Ic / (h - yc).
double CrackingMoment(const TGeometry &G, double fctm)
{
    const double hf = std::min(G.TopDepth, G.h), hw = G.h - hf;
    const double A1 = G.Top * hf, A2 = G.Below * hw, y1 = hf / 2, y2 = hf + hw / 2;
    const double yc = Quotient(A1 * y1 + A2 * y2, A1 + A2);
    const double Ic = G.Top * std::pow(hf, 3) / 12 + A1 * std::pow(yc - y1, 2) +
                      G.Below * std::pow(hw, 3) / 12 + A2 * std::pow(y2 - yc, 2);
    return Quotient(fctm * Ic, G.h - yc);
}

bool Finite(const TElasticStress &S)
{
    return std::isfinite(S.x) && std::isfinite(S.I) && std::isfinite(S.SigmaC) &&
           std::isfinite(S.SigmaS) && S.I > 0;
}

bool Finite(const TServiceability &S)
{
    const double figures[] = {S.Ecm,           S.EcEff,      S.SigmaCLimit, S.SigmaSLimit,
                              S.SigmaCQpLimit, S.Mcr,        S.HcEff,       S.RhoPEff,
                              S.StrainDiff,    S.CrackCover, S.BarSpacing,  S.CloseLimit,
                              S.SrMax,         S.Wk,         S.WMax};
    // The gaps are finite by construction (BarFit).
    return Finite(S.Characteristic) && Finite(S.QuasiPermanent) &&
           std::all_of(std::begin(figures), std::end(figures),
                       [](double v) { return std::isfinite(v); });
}
} // namespace

TBarFit BarFit(int Count, int D, double Width, double Cover, double dg)
{
    TBarFit f;
    f.Count = Count;
    // NaN for dg falls to the other terms; an unknown gap is not a fit.
    f.GapNeeded = std::max({double(D), std::isfinite(dg) ? dg * 1000 + 5 : 0.0, 20.0});
    if (Count <= 1)
        return f;
    f.Gap = ((Width - 2 * Cover) * 1000) / (Count - 1) - D;
    if (!std::isfinite(f.Gap)) {
        f.Gap = 0.0;
        f.Fits = false;
        return f;
    }
    f.Fits = f.Gap >= f.GapNeeded * (1 - Allowance);
    return f;
}

TServiceability ServiceabilityOf(const TRistLoige &RL)
{
    const TServiceInputs &in = RL.Kasutus;
    const TArmatuurid &bars = RL.AArmatuur, &top = RL.YArmatuur;
    const bool counted = RL.NeedsCompressionSteel();
    const TRistLoige::TCompressedOutline zone = RL.CompressedOutline();
    TGeometry g{zone.Top * 1000,
                zone.TopDepth * 1000,
                zone.Below * 1000,
                RL.h * 1000,
                RL.d * 1000,
                RL.d2 * 1000,
                bars.AsProv * 100,
                counted ? top.AsProv * 100 : 0.0,
                RL.AArmKlass.Es * 1000,
                RL.YArmKlass.Es * 1000};
    // The outer row, nearest the tension face: its axis e from the face (e = a for one row).
    const TRows rows = RowsOf(bars.Arv, bars.Rows, bars.D, RL.a * 1000, in.dg * 1000);
    const double e = rows.Axis, phi = bars.D, c = e - phi / 2;
    // Nothing to check without a design or without tension bars; bars poking out of the
    // concrete (c < 0), hogging moments, a negative creep coefficient or materials no table
    // holds (no strength, no stiffness) are not a section this model describes.
    if (RL.Fault != TDesignFault::None || !(g.As > 0) || !(g.As2 >= 0) || !(g.d > 0) ||
        bars.Arv < 1 || bars.D < 1 || !(c >= 0) || !(in.Mk >= 0) || !(in.Mqp >= 0) ||
        !(in.Phi >= 0) || !(RL.BetKlass.fck > 0) || !(g.Es > 0) || !(g.Es2 > 0))
        return {};

    TServiceability s;
    s.Tension = RowFit(bars.Arv, bars.Rows, bars.D, zone.Below, RL.a, in.dg);
    s.CompressionShown = counted;
    if (counted)
        s.Compression = RowFit(top.Arv, top.Rows, top.D, zone.Top, RL.ap, in.dg);

    const double fck = RL.BetKlass.fck, fctm = RL.BetKlass.fctm;
    s.Ecm = SecantModulus(fck);
    s.EcEff = Quotient(s.Ecm, 1 + in.Phi);
    s.Characteristic = CrackedSection(g, in.Mk * 1e6, s.Ecm * 1000);
    s.QuasiPermanent = CrackedSection(g, in.Mqp * 1e6, s.EcEff * 1000);

    s.SigmaCLimited = in.Exposure >= TExposure::XD1;
    s.SigmaCLimit = 0.6 * fck;
    s.SigmaSLimit = 0.8 * RL.AArmKlass.fyk;
    s.SigmaCQpLimit = 0.45 * fck;
    s.SigmaCOk = !s.SigmaCLimited || Within(s.Characteristic.SigmaC, s.SigmaCLimit);
    s.SigmaSOk = Within(s.Characteristic.SigmaS, s.SigmaSLimit);
    s.SigmaCQpOk = Within(s.QuasiPermanent.SigmaC, s.SigmaCQpLimit);

    s.Mcr = CrackingMoment(g, fctm) / 1e6;
    s.Cracked = !Within(in.Mqp, s.Mcr);
    s.WMax = in.Exposure <= TExposure::XC1 ? 0.4 : 0.3;
    if (s.Cracked) {
        const TElasticStress &qp = s.QuasiPermanent;
        const double bt = g.Below;
        s.HcEff = std::min({2.5 * (g.h - g.d), (g.h - qp.x) / 3, g.h / 2});
        const double rho = Quotient(g.As, bt * s.HcEff), alphaE = Quotient(g.Es, s.Ecm * 1000);
        s.RhoPEff = rho;
        s.StrainDiff = std::max((qp.SigmaS - Quotient(Kt * fctm, rho) * (1 + alphaE * rho)) / g.Es,
                                0.6 * qp.SigmaS / g.Es);
        // Bars of the outer row no further apart than 5 (c + phi / 2) are close (7.3.4(3)); one
        // bar never is.
        const int n = rows.Outer;
        s.CrackCover = c;
        s.BarSpacing = n > 1 ? (bt - 2 * e) / (n - 1) : 0.0;
        s.CloseLimit = 5 * (c + phi / 2);
        s.CloseBars = n > 1 && Within(s.BarSpacing, s.CloseLimit);
        s.SrMax = s.CloseBars ? SrCover * c + SrFactor * Quotient(phi, rho) : SrFar * (g.h - qp.x);
        s.Wk = s.SrMax * s.StrainDiff;
    }
    s.WkOk = Within(s.Wk, s.WMax);
    s.Valid = true;
    return Finite(s) ? s : TServiceability{};
}

double SecantModulus(double fck)
{
    return 22 * std::pow((fck + 8) / 10, 0.3);
}
