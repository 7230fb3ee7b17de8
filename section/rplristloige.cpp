#include "rplristloige.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double DefaultRPL[6] = {0.6, 0.5, 0.045, 0.04, 0.2, 0.1}; // b, h, a, ap, bw, hf in m
}

TRPLRistLoige::TRPLRistLoige()
{
    b = DefaultRPL[0];
    h = DefaultRPL[1];
    a = DefaultRPL[2];
    ap = DefaultRPL[3];
    bw = DefaultRPL[4];
    hf = DefaultRPL[5];
}

void TRPLRistLoige::AssignRPL(TRPLRistLoige &Dest) const
{
    Assign(Dest);
    Dest.bw = bw;
    Dest.hf = hf;
}

void TRPLRistLoige::CalcExtent()
{
    // A web wider than the flange overhangs it on both sides; the box takes it in so the
    // whole outline is fitted and centred.
    ExtXMin = std::min(0.0, WebLeft());
    ExtYMin = 0.0;
    ExtXMax = std::max(b, WebRight());
    ExtYMax = h > hf ? h : hf;
    ExtWidth = ExtXMax - ExtXMin;
    ExtHeight = ExtYMax - ExtYMin;
}

void TRPLRistLoige::CalcDesignValues()
{
    TRistLoige::CalcDesignValues();
    Asmin = rhomin * bw * d;
    Asmax = rhomax * (bw * h + (b - bw) * hf);
}

double TRPLRistLoige::M1() const
{
    return mulim * DesignCompressiveStress() * bw * d * d;
}

double TRPLRistLoige::M2() const
{
    return DesignCompressiveStress() * (b - bw) * hf * (d - 0.5 * hf);
}

double TRPLRistLoige::Mf(double AscValue) const
{
    return DesignCompressiveStress() * b * hf * (d - 0.5 * hf) +
           YArmKlass.fycd * AscValue * (d - d2);
}

bool TRPLRistLoige::FlangeHoldsLimitingBlock() const
{
    return omegalim * d <= hf;
}

double TRPLRistLoige::LimitMoment() const
{
    if (FlangeHoldsLimitingBlock())
        return mulim * DesignCompressiveStress() * b * d * d;
    return M1() + M2();
}

bool TRPLRistLoige::NeedsCompressionSteel() const
{
    return 0.001 * Msd > LimitMoment();
}

bool TRPLRistLoige::StressBlockInWeb()
{
    if (NeedsCompressionSteel()) {
        const double lever = (d - d2) * YArmKlass.fycd;
        if (lever != 0.0) // with d = d2, Asc stays as Calculate set it
            Asc = (0.001 * Msd - LimitMoment()) / lever;
    } else {
        Asc = 0.0;
    }
    // A flange at least as deep as the limiting block holds every block the design can
    // produce. Mf is no bound then: its lever arm d - hf/2 shrinks as hf nears d.
    if (FlangeHoldsLimitingBlock())
        return false;
    return 0.001 * Msd > Mf(Asc);
}

bool TRPLRistLoige::Calculate()
{
    // A slab without a rib has nowhere to put its tension bars, and a flange thicker than
    // the whole section (h reduced after hf was entered) leaves no T to design.
    if (!std::isfinite(bw) || !std::isfinite(hf) || !(bw > 0) || hf < 0 || hf > h)
        return RejectDesign(TDesignFault::Dimensions);
    if (!HasDesignableInputs())
        return RejectDesign(InputFault());
    const double A = DesignCompressiveStress();
    const double fyd = AArmKlass.fyd;
    const double fycd = YArmKlass.fycd;
    const bool compression = NeedsCompressionSteel();

    if (compression) {
        const double lever = (d - d2) * fycd;
        if (lever == 0.0)
            Asc = 10 * rhomax * b * d; // no lever arm (d = d2): an area far above Asmax, flagged
        else
            Asc = (0.001 * Msd - LimitMoment()) / lever;
        AscOverMax = Asc > Asmax;
    } else {
        Asc = 0.0;
        AscOverMax = false;
    }

    double omega = 0.0;
    if (StressBlockInWeb()) {
        if (compression) {
            omega = omegalim;
            As = (omegalim * A * bw * d + A * (b - bw) * hf + fycd * Asc) / fyd;
        } else {
            const double divisor = A * bw * d * d;
            if (divisor == 0.0)
                return RejectDesign(TDesignFault::Dimensions);
            const double mu = (0.001 * Msd - M2() - fycd * Asc * (d - d2)) / divisor;
            if (1 - 2 * mu < 0)
                return RejectDesign(TDesignFault::Inputs);
            omega = 1 - std::sqrt(1 - 2 * mu);
            As = (omega * A * bw * d + A * (b - bw) * hf) / fyd;
        }
    } else {
        if (compression) {
            omega = omegalim;
            As = (omegalim * A * b * d + fycd * Asc) / fyd;
        } else {
            const double divisor = A * 1000 * b * d * d;
            if (divisor == 0.0)
                return RejectDesign(TDesignFault::Dimensions);
            const double mu = (Msd - fycd * 1000 * Asc * (d - d2)) / divisor;
            if (1 - 2 * mu < 0)
                return RejectDesign(TDesignFault::Inputs);
            omega = 1 - std::sqrt(1 - 2 * mu);
            As = omega * A * b * d / fyd;
        }
    }
    lambdax = omega * d;
    AsUnderMin = As < Asmin;
    AsOverMax = As > Asmax;
    x = lambdax / 0.8;
    return AcceptDesign();
}

void TRPLRistLoige::Draw(TCanvas &Canvas, int W, int H, TBarDrawing Bars)
{
    CalcExtent();
    TView v{};
    if (!FitExtent(W, H, v))
        return;

    DrawStressBlockStyle(Canvas);
    if (lambdax > hf) {
        Canvas.Rectangle(v.X(0), v.Y(0), v.X(b), v.Y(hf));
        Canvas.Rectangle(v.X(WebLeft()), v.Y(hf), v.X(WebRight()), v.Y(lambdax));
    } else {
        Canvas.Rectangle(v.X(0), v.Y(0), v.X(b), v.Y(lambdax));
    }

    DrawAxisStyle(Canvas);
    if (x > hf) {
        Canvas.MoveTo(v.X(WebLeft()), v.Y(x));
        Canvas.LineTo(v.X(WebRight()), v.Y(x));
    } else {
        Canvas.MoveTo(v.X(0), v.Y(x));
        Canvas.LineTo(v.X(b), v.Y(x));
    }

    DrawOutlineStyle(Canvas);
    Canvas.MoveTo(v.X(0), v.Y(0));
    Canvas.LineTo(v.X(b), v.Y(0));
    Canvas.LineTo(v.X(b), v.Y(hf));
    Canvas.LineTo(v.X(WebRight()), v.Y(hf));
    Canvas.LineTo(v.X(WebRight()), v.Y(h));
    Canvas.LineTo(v.X(WebLeft()), v.Y(h));
    Canvas.LineTo(v.X(WebLeft()), v.Y(hf));
    Canvas.LineTo(v.X(0), v.Y(hf));
    Canvas.LineTo(v.X(0), v.Y(0));

    if (Bars == TBarDrawing::ToScale)
        DrawLinks(Canvas, v, WebLeft(), bw); // around the web
    if (NeedsCompressionSteel())
        DrawBarGroup(Canvas, v, Bars, clBlue, YArmatuur, {ap, 0, b, 0, 1});
    DrawBarGroup(Canvas, v, Bars, clRed, AArmatuur, {a, WebLeft(), bw, h, -1});
}
