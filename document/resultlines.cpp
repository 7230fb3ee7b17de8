#include "resultlines.h"

#include "capacity.h"
#include "cover.h"
#include "numformat.h"
#include "ristloige.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace
{
// The texts of the result lines, in the catalogue's context "ResultLines". A line is made of
// translated parts; each keeps its printf conversions inside it.
struct ResultLines {
    Q_DECLARE_TR_FUNCTIONS(ResultLines)
};

QString BarsText(const QString &Layer, const TArmatuurid &Bars)
{
    return Layer + Format(": %d x %d, As,prov = %.2f cm2", {Bars.Arv, Bars.D, Bars.AsProv});
}

QString NotDesignableText(TDesignFault Fault)
{
    switch (Fault) {
    case TDesignFault::Dimensions:
        return ResultLines::tr("Ristlõiget ei saa arvutada: kontrolli mõõtmeid");
    case TDesignFault::Covers:
        return ResultLines::tr("Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a'");
    case TDesignFault::None:
    case TDesignFault::Inputs:
        break;
    }
    return ResultLines::tr("Ristlõiget ei saa arvutada: kontrolli lähteandmeid");
}

// The sign of an unrounded comparison against a limit that passes when it is met.
const char *AtMost(bool Ok)
{
    return Ok ? "≤" : ">";
}

// A limit with one decimal, or two where the second is not zero (0.45 x 25 = 11.25).
QString LimitText(double Limit)
{
    const double hundredths = std::round(Limit * 100);
    return FormatFloat(Limit, std::fmod(hundredths, 10) != 0 ? 2 : 1);
}

// A length typed with one decimal, without it when whole (200 mm, 187.5 mm).
QString LengthText(double Mm)
{
    return FormatFloat(Mm, Mm == std::round(Mm) ? 0 : 1);
}

// A figure against what it needs, which it passes when it meets it: "29.0 mm < 42.0 mm".
QString AtLeastText(double Value, bool Ok, double Needed)
{
    return Format("%.1f mm ", {Value}) + QString::fromUtf8(Ok ? "≥" : "<") +
           Format(" %.1f mm", {Needed});
}

// The outer row's gap: "tõmbes 30.0 mm < 32.0 mm" for one row, "tõmbes 2 rida: ..." for more.
QString FitText(const QString &Layer, const TBarFit &Fit)
{
    QString text = Layer;
    if (Fit.Rows > 1)
        text += Format(ResultLines::tr(" %d rida:"), {Fit.Rows});
    if (Fit.Count <= 1)
        return text + ResultLines::tr(" 1 varras");
    return text + QLatin1Char(' ') + AtLeastText(Fit.Gap, Fit.Fits, Fit.GapNeeded);
}

// "tõmbes: rangini 21.0 mm < 25.0 mm,  vardani 29.0 mm < 42.0 mm  (a ≥ 58.0 mm)".
QString CoverText(const QString &Layer, const char *Cover, const TCoverCheck &Check)
{
    return Layer + ResultLines::tr(": rangini ") +
           AtLeastText(Check.LinkCover, Check.LinkOk, Check.LinkNeeded) +
           ResultLines::tr(",  vardani ") +
           AtLeastText(Check.BarCover, Check.BarOk, Check.BarNeeded) + QStringLiteral("  (") +
           QString::fromUtf8(Cover) + Format(" ≥ %.1f mm)", {Check.CoverNeeded});
}

void DescribeCovers(const TRistLoige &RL, TResultLines &Lines)
{
    const TCovers c = CoversOf(RL);
    Lines.CoverShown = c.Valid;
    if (!c.Valid)
        return;
    Lines.Cover =
        ResultLines::tr("Kaitsekiht   ") + CoverText(ResultLines::tr("tõmbes"), "a", c.Tension);
    Lines.CoverShort = !c.Tension.BarOk || !c.Tension.LinkOk;
    Lines.CoverCompressionShown = c.CompressionShown;
    if (c.CompressionShown) {
        Lines.CoverCompression = CoverText(ResultLines::tr("survel"), "a'", c.Compression);
        Lines.CoverCompressionShort = !c.Compression.BarOk || !c.Compression.LinkOk;
    }
}

void DescribeService(const TRistLoige &RL, TResultLines &Lines)
{
    const TServiceability s = ServiceabilityOf(RL);
    Lines.ServiceShown = s.Valid;
    if (!s.Valid)
        return;
    Lines.Gap =
        ResultLines::tr("Varraste vaba vahe   ") + FitText(ResultLines::tr("tõmbes"), s.Tension);
    if (s.CompressionShown)
        Lines.Gap += QStringLiteral(",  ") + FitText(ResultLines::tr("survel"), s.Compression);
    Lines.GapShort = !s.Tension.Fits || (s.CompressionShown && !s.Compression.Fits);

    Lines.Stress = Format(ResultLines::tr("Pinged   σc = %.1f MPa"), {s.Characteristic.SigmaC});
    if (s.SigmaCLimited)
        Lines.Stress += QLatin1Char(' ') + QString::fromUtf8(AtMost(s.SigmaCOk)) +
                        QLatin1Char(' ') + LimitText(s.SigmaCLimit) + QStringLiteral(" MPa");
    Lines.Stress += Format(",  σs = %.1f MPa ", {s.Characteristic.SigmaS}) +
                    QString::fromUtf8(AtMost(s.SigmaSOk)) + QLatin1Char(' ') +
                    LimitText(s.SigmaSLimit) +
                    Format(" MPa,  σc,qp = %.1f MPa ", {s.QuasiPermanent.SigmaC}) +
                    QString::fromUtf8(AtMost(s.SigmaCQpOk)) + QLatin1Char(' ') +
                    LimitText(s.SigmaCQpLimit) + QStringLiteral(" MPa");
    Lines.StressShort = !s.SigmaCOk || !s.SigmaSOk || !s.SigmaCQpOk;

    if (s.Cracked) {
        Lines.Crack = Format(ResultLines::tr("Pragude laius   wk = %.2f mm "), {s.Wk}) +
                      QString::fromUtf8(AtMost(s.WkOk)) +
                      Format(" %.2f mm  (sr,max = %.0f mm,  σs,qp = %.1f MPa)",
                             {s.WMax, s.SrMax, s.QuasiPermanent.SigmaS});
        Lines.CrackShort = !s.WkOk;
    } else {
        Lines.Crack = Format(
            ResultLines::tr("Pragude laius   pragusid ei teki (Mqp = %.2f ≤ Mcr = %.2f kNm)"),
            {RL.Kasutus.Mqp, s.Mcr});
    }
}

void DescribeShear(const TRistLoige &RL, TResultLines &Lines)
{
    const TShear v = ShearOf(RL);
    Lines.ShearShown = v.Valid;
    if (!v.Valid)
        return;
    // A slab strip carrying the shear on its concrete needs no links, not even the minimum.
    Lines.ShearConcrete =
        Format(ResultLines::tr("Betooni nihkekandevõime   VRd,c = %.2f kN,  "), {v.VRdc}) +
        (v.SlabStrip     ? ResultLines::tr("plaadil põikarmatuuri pole vaja")
         : v.LinksNeeded ? ResultLines::tr("vaja põikarmatuuri")
                         : ResultLines::tr("piisab miinimumist"));
    const TShearInputs &in = RL.Nihe;
    Lines.Links = Format(ResultLines::tr("Valitud rangid: ø%d, n = %d, s = "),
                         {in.LinkD, static_cast<int>(in.Legs)}) +
                  LengthText(in.s * 1000) + Format(" mm, Asw/s = %.2f cm2/m", {v.AswProv});
    if (v.WebTooSmall) {
        Lines.LinksRequired =
            Format(ResultLines::tr("Ristlõige on nihkele liiga väike: Vsd > VRd,max = %.2f kN"),
                   {v.VRdMaxAtOne});
        Lines.LinksRequiredShort = Lines.LinksShort = true;
        return;
    }
    if (v.SlabStrip) { // the links typed are shown, and are never short
        Lines.LinksRequired = ResultLines::tr("Vajalik põikarmatuur   puudub (plaat, Vsd ≤ VRd,c)");
        Lines.Links += Format(",  VRd,s = %.2f kN", {v.VRds});
        return;
    }
    Lines.LinksRequired =
        Format(ResultLines::tr(
                   "Vajalik põikarmatuur   Asw/s = %.2f cm2/m,  cotθ = %.2f,  VRd,max = %.2f kN"),
               {v.AswReq, v.CotTheta, v.VRdMax});
    Lines.Links += Format(",  VRd,s = %.2f kN", {v.VRds});
    if (!v.SpacingOk)
        Lines.Links += Format(",  s > %.2fd = %.0f mm", {0.75, v.SlMax});
    Lines.LinksShort = !v.LinksOk || !v.SpacingOk;
}

void DescribeMember(const TRistLoige &RL, TResultLines &Lines)
{
    const TSpanDepth l = SpanDepthOf(RL);
    Lines.SpanDepthShown = l.Valid;
    if (l.Valid) {
        Lines.SpanDepth = Format(ResultLines::tr("Läbipaine   leff/d = %.1f "), {l.Ratio}) +
                          QString::fromUtf8(AtMost(l.Ok)) +
                          Format(" %.1f  (K = %.1f,  ρ = %.2f %%", {l.Limit, l.K, l.Rho * 100});
        if (l.RhoPShown)
            Lines.SpanDepth += Format(",  ρ' = %.2f %%", {l.RhoP * 100});
        Lines.SpanDepth += Format(",  310/σs = %.2f)", {l.SteelFactor});
        Lines.SpanDepthShort = !l.Ok;
    }

    const TAnchorage anchorage = AnchorageOf(RL);
    Lines.AnchorageShown = anchorage.Valid;
    if (anchorage.Valid) {
        auto bar = [](const QString &Layer, const TBarAnchorage &Bar) {
            return Layer + Format(" ø%d: lbd = %.0f mm,  l0 = %.0f mm", {Bar.D, Bar.lbd, Bar.l0});
        };
        Lines.Anchorage = ResultLines::tr("Ankurdus ja jätkud   ") +
                          bar(ResultLines::tr("tõmbes"), anchorage.Tension);
        if (anchorage.CompressionShown)
            Lines.Anchorage +=
                QStringLiteral(";  ") + bar(ResultLines::tr("survel"), anchorage.Compression);
    }

    // Every form keeps the check's name: a red line on its own says what is short.
    const TFlangeShear f = FlangeShearOf(RL);
    Lines.FlangeShearShown = f.Valid;
    if (!f.Valid)
        return;
    Lines.FlangeShear = ResultLines::tr("Plaadi ja ribi vaheline nihe   ");
    if (f.TooThin) {
        Lines.FlangeShear +=
            Format(ResultLines::tr("Plaat on nihkele liiga õhuke: vEd = %.2f MPa > %.2f MPa"),
                   {f.vEd, f.vRdMax});
        Lines.FlangeShearShort = true;
        return;
    }
    Lines.FlangeShear += Format("vEd = %.2f MPa ", {f.vEd}) +
                         QString::fromUtf8(AtMost(!f.SteelNeeded)) +
                         Format(" %.1f·fctd = %.2f MPa,  ", {0.4, f.Threshold});
    if (f.SteelNeeded)
        Lines.FlangeShear += Format("Asf/sf = %.2f cm2/m  (cotθf = %.2f)", {f.AsfReq, f.CotTheta});
    else
        Lines.FlangeShear += ResultLines::tr("lisaarmatuuri pole vaja");
}
} // namespace

TResultLines DescribeResults(const TRistLoige &RL)
{
    TResultLines lines;
    lines.TensionBars = BarsText(ResultLines::tr("Valitud tõmbearmatuur"), RL.AArmatuur);
    if (RL.Fault != TDesignFault::None) { // no figures, and nothing required of the bars
        lines.Tension = NotDesignableText(RL.Fault);
        return lines;
    }
    lines.Tension =
        Format(ResultLines::tr("Arvutuslik tõmbearmatuur   As = %.2f cm2"), {RL.As * 10000});
    if (RL.AsUnderMin)
        lines.Tension += Format(" < As,min = %.2f cm2", {RL.Asmin * 10000});
    if (RL.AsOverMax)
        lines.Tension += Format(" > As,max = %.2f cm2", {RL.Asmax * 10000});
    lines.TensionReq = (RL.AsUnderMin ? RL.Asmin : RL.As) * 10000;
    lines.TensionShort = lines.TensionReq > RL.AArmatuur.AsProv;

    lines.Compression = RL.NeedsCompressionSteel();
    if (lines.Compression) {
        lines.CompressionText =
            Format(ResultLines::tr("Arvutuslik survearmatuur   As' = %.2f cm2"), {RL.Asc * 10000});
        if (RL.AscOverMax)
            lines.CompressionText += Format(" > As,max = %.2f cm2", {RL.Asmax * 10000});
        lines.CompressionReq = RL.Asc * 10000;
        lines.CompressionBars = BarsText(ResultLines::tr("Valitud survearmatuur"), RL.YArmatuur);
        lines.CompressionShort = lines.CompressionReq > RL.YArmatuur.AsProv;
    }
    const TCapacity capacity = ChosenBarsCapacity(RL);
    lines.CapacityShown = capacity.Valid;
    if (capacity.Valid) {
        lines.Capacity = Format(
            ResultLines::tr("Kandevõime valitud armatuuriga   MRd = %.2f kNm,  Msd/MRd = %.2f"),
            {capacity.MRd, capacity.Utilisation});
        if (!capacity.TensionYields)
            lines.Capacity += Format(ResultLines::tr(",  tõmbearmatuur ei voola (x/d = %.2f)"),
                                     {capacity.xOverD});
        lines.CapacityShort = capacity.Utilisation > 1;
    }
    DescribeService(RL, lines);
    DescribeCovers(RL, lines);
    DescribeShear(RL, lines);
    DescribeMember(RL, lines);
    return lines;
}

QString SupportText(TSupport Support)
{
    switch (Support) {
    case TSupport::Simple:
        return ResultLines::tr("lihttala");
    case TSupport::EndSpan:
        return ResultLines::tr("jätkuva tala otsaava");
    case TSupport::InteriorSpan:
        return ResultLines::tr("jätkuva tala vaheava");
    case TSupport::Cantilever:
        return ResultLines::tr("konsool");
    }
    return {};
}

QString ModuliText(const TRistLoige &RL)
{
    const double ecm = SecantModulus(RL.BetKlass.fck);
    return Format("Ecm = %.1f GPa,  Ec,eff = %.1f GPa", {ecm, ecm / (1 + RL.Kasutus.Phi)});
}

QString StructuralClassText(const TRistLoige &RL)
{
    const TServiceInputs &in = RL.Kasutus;
    const int s = StructuralClass(in.Exposure, RL.BetKlass.fck, in.DesignLife);
    const double cmin = MinCoverDurability(in.Exposure, s);
    if (!std::isfinite(cmin)) // an exposure class no table holds
        return {};
    return Format(ResultLines::tr("Konstruktsiooniklass S%d,  cmin,dur = %.0f mm"), {s, cmin});
}

QString BarFitProblem(const TRistLoige &RL, bool Compression, int Count, int D)
{
    const TRistLoige::TCompressedOutline outline = RL.CompressedOutline();
    const double dg = RL.Kasutus.dg;
    const TBarFit fit = Compression ? RowFit(Count, RL.YArmatuur.Rows, D, RL.b, RL.ap, dg)
                                    : RowFit(Count, RL.AArmatuur.Rows, D, outline.Below, RL.a, dg);
    if (fit.Fits)
        return {};
    const QString misfit[] = {ResultLines::tr("ei mahu ühte ritta: vaba vahe "),
                              ResultLines::tr("ei mahu kahte ritta: vaba vahe "),
                              ResultLines::tr("ei mahu kolme ritta: vaba vahe ")};
    return misfit[std::clamp(fit.Rows, 1, 3) - 1] +
           Format("%.1f mm < %.1f mm", {fit.Gap, fit.GapNeeded});
}
