#include "ristloige.h"

#include "classes.h"
#include "cover.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace
{
constexpr double DefaultRK[4] = {0.4, 0.5, 0.045, 0.04}; // b, h, a, ap in m
constexpr double DefaultMsd = 550.0;                     // kNm

// True when every argument is a finite number.
template <typename... T> bool Finite(T... Values)
{
    return (std::isfinite(Values) && ...);
}
} // namespace

TRistLoige::TRistLoige() : BetKlass(1), YArmKlass(1), AArmKlass(1), RArmKlass(1)
{
    if (!BetKlassid || !ArmKlassid)
        throw std::logic_error("TRistLoige: the class lists are not built yet");
    BetKlassid->Items(std::min(BetKlassid->Count, DefaultBetKlIndex)).Assign(BetKlass);
    ArmKlassid->Items(std::min(ArmKlassid->Count, DefaultYArmKlIndex)).Assign(YArmKlass);
    ArmKlassid->Items(std::min(ArmKlassid->Count, DefaultAArmKlIndex)).Assign(AArmKlass);
    ArmKlassid->Items(std::min(ArmKlassid->Count, DefaultAArmKlIndex)).Assign(RArmKlass);

    AArmatuur.Arv = 6;
    AArmatuur.D = 32;
    AArmatuur.CalcArea();
    YArmatuur.Arv = 4;
    YArmatuur.D = 16;
    YArmatuur.CalcArea();

    b = DefaultRK[0];
    h = DefaultRK[1];
    a = DefaultRK[2];
    ap = DefaultRK[3];
    Msd = DefaultMsd;
}

void TRistLoige::Assign(TRistLoige &Dest) const
{
    Dest.b = b;
    Dest.h = h;
    Dest.a = a;
    Dest.ap = ap;
    Dest.Msd = Msd;
    BetKlass.Assign(Dest.BetKlass);
    YArmKlass.Assign(Dest.YArmKlass);
    AArmKlass.Assign(Dest.AArmKlass);
    RArmKlass.Assign(Dest.RArmKlass);
    AArmatuur.Assign(Dest.AArmatuur);
    YArmatuur.Assign(Dest.YArmatuur);
    Dest.Kasutus = Kasutus;
    Dest.Nihe = Nihe;
    Dest.Ava = Ava;
    Dest.CalcDesignValues();
}

void TRistLoige::CalcExtent()
{
    ExtXMin = 0.0;
    ExtYMin = 0.0;
    ExtXMax = b;
    ExtYMax = h;
    ExtWidth = ExtXMax - ExtXMin;
    ExtHeight = ExtYMax - ExtYMin;
}

void TRistLoige::CalcDesignValues()
{
    if (h / 2 < a)
        a = h / 2;
    if (h / 2 < ap)
        ap = h / 2;
    d = h - a;
    d2 = ap;
    rhomin = 0.26 * BetKlass.fctm / AArmKlass.fyk;
    if (0.0013 > rhomin)
        rhomin = 0.0013;
    rhomax = 0.04;
    epsyd = AArmKlass.fyd / AArmKlass.Es / 1000;
    xilim = 0.0035 / (0.0035 + epsyd);
    omegalim = 0.8 * xilim;
    mulim = (1 - 0.5 * omegalim) * omegalim;
    Asmin = rhomin * b * d;
    Asmax = rhomax * b * h;
}

bool TRistLoige::NeedsCompressionSteel() const
{
    const double divisor = DesignCompressiveStress() * 1000 * b * d * d;
    if (!(divisor > 0.0) || !std::isfinite(divisor))
        return false; // no relative moment without a section
    const double mu = Msd / divisor;
    return mu > mulim;
}

bool TRistLoige::HasDesignableInputs() const
{
    const double A = DesignCompressiveStress();
    return Finite(b, h, a, ap, Msd, d, d2, mulim, omegalim, Asmin, Asmax, A, AArmKlass.fyd,
                  YArmKlass.fycd) &&
           b > 0 && h > 0 && d > 0 && a >= 0 && ap >= 0 && Msd >= 0 && A > 0 && AArmKlass.fyd > 0 &&
           YArmKlass.fycd > 0;
}

TDesignFault TRistLoige::InputFault() const
{
    return b > 0 && h > 0 && d > 0 ? TDesignFault::Inputs : TDesignFault::Dimensions;
}

bool TRistLoige::RejectDesign(TDesignFault Why)
{
    x = lambdax = As = Asc = 0.0;
    AscOverMax = AsUnderMin = AsOverMax = false;
    Fault = Why;
    return false;
}

bool TRistLoige::AcceptDesign()
{
    if (!Finite(As, Asc, lambdax, x) || As < 0 || Asc < 0)
        return RejectDesign(TDesignFault::Inputs);
    Fault = TDesignFault::None;
    return true;
}

bool TRistLoige::Calculate()
{
    if (!HasDesignableInputs())
        return RejectDesign(InputFault());
    const double A = DesignCompressiveStress();
    const double fyd = AArmKlass.fyd;
    const double fycd = YArmKlass.fycd;
    // Divisors are checked, not just the inputs: b d^2 of a tiny section underflows to 0.
    const double concrete = A * 1000 * b * d * d;
    if (!(concrete > 0))
        return RejectDesign(TDesignFault::Dimensions);
    const double mu = Msd / concrete;
    if (NeedsCompressionSteel()) {
        // Without a lever arm between the bar layers (d = d2) no compression steel can help.
        const double lever = (d - d2) * fycd * 1000;
        if (!(lever > 0))
            return RejectDesign(TDesignFault::Covers);
        Asc = (Msd - mulim * A * b * d * d * 1000) / lever;
        AscOverMax = Asc > Asmax;
        As = omegalim * A * b * d / fyd + fycd * Asc / fyd;
        lambdax = omegalim * d;
    } else {
        Asc = 0.0;
        AscOverMax = false;
        const double omega = 1 - std::sqrt(1 - 2 * mu);
        As = omega * A * b * d / fyd;
        lambdax = omega * d;
    }
    AsUnderMin = As < Asmin;
    AsOverMax = As > Asmax;
    x = lambdax / 0.8;
    return AcceptDesign();
}

// Drawing -----------------------------------------------------------------------------

int TRistLoige::TView::X(double u) const
{
    return Pixel(u * s + ox);
}

int TRistLoige::TView::Y(double v) const
{
    return Pixel(v * s + oy);
}

int TRistLoige::TView::Pixel(double p)
{
    // Nearest integer, ties to even; far-off points are clipped by the surface anyway.
    constexpr double limit = 1e9;
    if (!(p > -limit))
        p = -limit;
    if (!(p < limit))
        p = limit;
    return static_cast<int>(std::nearbyint(p));
}

bool TRistLoige::FitExtent(int W, int H, TView &View) const
{
    if (W <= 0 || H <= 0 || !Finite(ExtXMin, ExtYMin, ExtWidth, ExtHeight) || !(ExtWidth > 0) ||
        !(ExtHeight > 0))
        return false;
    if (H / ExtHeight <= W / ExtWidth)
        View.s = 0.96 * H / ExtHeight;
    else
        View.s = 0.96 * W / ExtWidth;
    View.ox = W / 2.0 - (ExtWidth / 2 + ExtXMin) * View.s;
    View.oy = H / 2.0 - (ExtHeight / 2 + ExtYMin) * View.s;
    return Finite(View.s, View.ox, View.oy);
}

void TRistLoige::SetPen(TCanvas &Canvas, TPenStyle Style, TColor Color, int Width)
{
    Canvas.SetPenStyle(Style);
    Canvas.SetPenColor(Color);
    Canvas.SetPenWidth(Width);
}

void TRistLoige::DrawBarLine(TCanvas &Canvas, const TView &View, TColor Color, double u1, double u2,
                             double v)
{
    SetPen(Canvas, TPenStyle::psSolid, Color, 3);
    Canvas.MoveTo(View.X(u1), View.Y(v));
    Canvas.LineTo(View.X(u2), View.Y(v));
}

void TRistLoige::DrawBarGroup(TCanvas &Canvas, const TView &View, TBarDrawing Style, TColor Color,
                              const TArmatuurid &Bars, const TBarPlace &Place) const
{
    // Far more bars than a section holds are not drawn one by one: the count is an input.
    constexpr int MostDrawn = 1000;
    const TRows rows = RowsOf(Bars.Arv, Bars.Rows, Bars.D, Place.Cover * 1000, Kasutus.dg * 1000);
    const int n = std::clamp(Bars.Arv, 0, MostDrawn), r = std::min(rows.Rows, std::max(n, 1));
    const double pitch = Bars.D + rows.Gap, e = rows.Axis / 1000, radius = Bars.D / 2000.0;
    for (int k = 0; k < r; ++k) {
        // Row k (0 the outer) at e + k (phi + sv) from the face; one row exactly at Cover.
        const double v =
            Place.Face + Place.Inward * (Place.Cover + (k * pitch - rows.Centroid) / 1000);
        if (Style == TBarDrawing::Rows) {
            DrawBarLine(Canvas, View, Color, Place.Left + 0.1 * Place.Width,
                        Place.Left + 0.9 * Place.Width, v);
            continue;
        }
        SetPen(Canvas, TPenStyle::psSolid, Color, 0);
        Canvas.SetBrushColor(Color);
        const int count = n / r + (k < n % r); // the rows nearest the face take the remainder
        for (int j = 0; j < count; ++j) {
            const double u = count == 1 ? Place.Left + Place.Width / 2
                                        : Place.Left + e + j * (Place.Width - 2 * e) / (count - 1);
            Canvas.Ellipse(View.X(u - radius), View.Y(v - radius), View.X(u + radius),
                           View.Y(v + radius));
        }
    }
}

void TRistLoige::DrawLinks(TCanvas &Canvas, const TView &View, double Left, double Width) const
{
    const TCovers covers = CoversOf(*this);
    if (!covers.Valid)
        return;
    const double link = Nihe.LinkD / 1000.0, side = covers.Tension.LinkCover / 1000;
    const double top =
        (covers.CompressionShown ? covers.Compression : covers.Tension).LinkCover / 1000;
    SetPen(Canvas, TPenStyle::psSolid, clGreen, 0);
    // The outer face c_link from the faces, the inner one a link's diameter inside it.
    for (const double inset : {0.0, link}) {
        const double u1 = Left + side + inset, u2 = Left + Width - side - inset;
        const double v1 = top + inset, v2 = h - side - inset;
        Canvas.MoveTo(View.X(u1), View.Y(v1));
        Canvas.LineTo(View.X(u2), View.Y(v1));
        Canvas.LineTo(View.X(u2), View.Y(v2));
        Canvas.LineTo(View.X(u1), View.Y(v2));
        Canvas.LineTo(View.X(u1), View.Y(v1));
    }
}

void TRistLoige::DrawStressBlockStyle(TCanvas &Canvas)
{
    SetPen(Canvas, TPenStyle::psSolid, clSilver, 0);
    Canvas.SetBrushColor(clSilver);
}

void TRistLoige::DrawAxisStyle(TCanvas &Canvas)
{
    SetPen(Canvas, TPenStyle::psDashDot, clBlack, 0);
    Canvas.SetBrushColor(clSilver); // the gaps of the dash-dot line show silver
}

void TRistLoige::DrawOutlineStyle(TCanvas &Canvas)
{
    SetPen(Canvas, TPenStyle::psSolid, clBlack, 0);
    Canvas.SetPenMode(TPenMode::pmCopy);
}

void TRistLoige::Draw(TCanvas &Canvas, int W, int H, TBarDrawing Bars)
{
    CalcExtent();
    TView v{};
    if (!FitExtent(W, H, v))
        return;

    DrawStressBlockStyle(Canvas);
    Canvas.Rectangle(v.X(0), v.Y(0), v.X(b), v.Y(lambdax));

    DrawAxisStyle(Canvas);
    Canvas.MoveTo(v.X(0), v.Y(x));
    Canvas.LineTo(v.X(b), v.Y(x));

    DrawOutlineStyle(Canvas);
    Canvas.MoveTo(v.X(0), v.Y(0));
    Canvas.LineTo(v.X(b), v.Y(0));
    Canvas.LineTo(v.X(b), v.Y(h));
    Canvas.LineTo(v.X(0), v.Y(h));
    Canvas.LineTo(v.X(0), v.Y(0));

    if (Bars == TBarDrawing::ToScale)
        DrawLinks(Canvas, v, 0, b);
    if (NeedsCompressionSteel())
        DrawBarGroup(Canvas, v, Bars, clBlue, YArmatuur, {ap, 0, b, 0, 1});
    DrawBarGroup(Canvas, v, Bars, clRed, AArmatuur, {a, 0, b, h, -1});
}
