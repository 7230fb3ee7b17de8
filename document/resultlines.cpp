#include "resultlines.h"

#include "capacity.h"
#include "numformat.h"
#include "ristloige.h"

namespace
{
QString BarsText(const char *Layer, const TArmatuurid &Bars)
{
    return QString::fromUtf8(Layer) +
           Format(": %d x %d, As,prov = %.2f cm2", {Bars.Arv, Bars.D, Bars.AsProv});
}

QString NotDesignableText(TDesignFault Fault)
{
    switch (Fault) {
    case TDesignFault::Dimensions:
        return QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli mõõtmeid");
    case TDesignFault::Covers:
        return QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a'");
    case TDesignFault::None:
    case TDesignFault::Inputs:
        break;
    }
    return QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli lähteandmeid");
}
} // namespace

TResultLines DescribeResults(const TRistLoige &RL)
{
    TResultLines lines;
    lines.TensionBars = BarsText("Valitud tõmbearmatuur", RL.AArmatuur);
    if (RL.Fault != TDesignFault::None) { // no figures, and nothing required of the bars
        lines.Tension = NotDesignableText(RL.Fault);
        return lines;
    }
    lines.Tension = Format("Arvutuslik tõmbearmatuur   As = %.2f cm2", {RL.As * 10000});
    if (RL.AsUnderMin)
        lines.Tension += Format(" < As,min = %.2f cm2", {RL.Asmin * 10000});
    if (RL.AsOverMax)
        lines.Tension += Format(" > As,max = %.2f cm2", {RL.Asmax * 10000});
    lines.TensionReq = (RL.AsUnderMin ? RL.Asmin : RL.As) * 10000;
    lines.TensionShort = lines.TensionReq > RL.AArmatuur.AsProv;

    lines.Compression = RL.NeedsCompressionSteel();
    if (lines.Compression) {
        lines.CompressionText =
            Format("Arvutuslik survearmatuur   As' = %.2f cm2", {RL.Asc * 10000});
        if (RL.AscOverMax)
            lines.CompressionText += Format(" > As,max = %.2f cm2", {RL.Asmax * 10000});
        lines.CompressionReq = RL.Asc * 10000;
        lines.CompressionBars = BarsText("Valitud survearmatuur", RL.YArmatuur);
        lines.CompressionShort = lines.CompressionReq > RL.YArmatuur.AsProv;
    }
    const TCapacity capacity = ChosenBarsCapacity(RL);
    lines.CapacityShown = capacity.Valid;
    if (capacity.Valid) {
        lines.Capacity = Format("Kandevõime valitud armatuuriga   MRd = %.2f kNm,  Msd/MRd = %.2f",
                                {capacity.MRd, capacity.Utilisation});
        if (!capacity.TensionYields)
            lines.Capacity += Format(",  tõmbearmatuur ei voola (x/d = %.2f)", {capacity.xOverD});
        lines.CapacityShort = capacity.Utilisation > 1;
    }
    return lines;
}
