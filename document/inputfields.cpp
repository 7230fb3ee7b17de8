#include "inputfields.h"

#include "numformat.h"
#include "numparse.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace
{
double Slack(double Bound)
{
    return 1e-9 * std::abs(Bound);
}

// One decimal, or the fewest that write the bound exactly (up to six).
QString BoundText(double Bound)
{
    for (int decimals = 1; decimals < 6; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (std::abs(std::round(Bound * scale) / scale - Bound) <= Slack(Bound))
            return FormatFloat(Bound, decimals);
    }
    return FormatFloat(Bound, 6);
}

// The warning's words for Q; translated where the warning is made.
const char *MessageOf(TQuantity Q)
{
    switch (Q) {
    case TQuantity::h:
        return QT_TRANSLATE_NOOP("InputFields", "Ristlõike kõrgus peaks olema arv: ");
    case TQuantity::b:
        return QT_TRANSLATE_NOOP("InputFields", "Ristlõike laius peaks olema arv: ");
    case TQuantity::hf:
        return QT_TRANSLATE_NOOP("InputFields", "Plaadi paksus peaks olema arv: ");
    case TQuantity::bw:
        return QT_TRANSLATE_NOOP("InputFields", "Ribi laius peaks olema arv: ");
    case TQuantity::Msd:
        return QT_TRANSLATE_NOOP("InputFields", "Arvutuslik paindemoment peaks olema arv: ");
    case TQuantity::Mk:
        return QT_TRANSLATE_NOOP("InputFields", "Karakteristlik paindemoment peaks olema arv: ");
    case TQuantity::Mqp:
        return QT_TRANSLATE_NOOP("InputFields", "Kvaasipüsiv paindemoment peaks olema arv: ");
    case TQuantity::Phi:
        return QT_TRANSLATE_NOOP("InputFields", "Roometegur peaks olema arv: ");
    case TQuantity::dg:
        return QT_TRANSLATE_NOOP("InputFields", "Täitematerjali suurim tera peaks olema arv: ");
    case TQuantity::Vsd:
        return QT_TRANSLATE_NOOP("InputFields", "Arvutuslik põikjõud peaks olema arv: ");
    case TQuantity::Legs:
        return QT_TRANSLATE_NOOP("InputFields", "Harude arv peaks olema täisarv: ");
    case TQuantity::s:
        return QT_TRANSLATE_NOOP("InputFields", "Rangide samm peaks olema arv: ");
    case TQuantity::CoverDev:
        return QT_TRANSLATE_NOOP("InputFields", "Kaitsekihi hälve peaks olema arv: ");
    case TQuantity::Span:
        return QT_TRANSLATE_NOOP("InputFields", "Ava arvutuslik pikkus peaks olema arv: ");
    case TQuantity::a:
    case TQuantity::ap:
        break;
    }
    return QT_TRANSLATE_NOOP("InputFields", "Arvutuslik kaitsekiht peaks olema arv: ");
}
} // namespace

bool TBounds::Contains(double Value) const
{
    return Value >= Lower - Slack(Lower) && Value <= Upper + Slack(Upper) &&
           (!Whole || Value == std::floor(Value));
}

TBounds BoundsOf(TQuantity Q, double HeightMm)
{
    switch (Q) {
    case TQuantity::hf:
        return {0.0, HeightMm};
    case TQuantity::a:
    case TQuantity::ap:
        return {0.0, 0.5 * HeightMm};
    case TQuantity::Msd:
    case TQuantity::Mk:
    case TQuantity::Mqp:
    case TQuantity::Vsd:
        return {0.0, 10000.0};
    case TQuantity::Phi:
        return {0.0, 6.0};
    case TQuantity::dg:
        return {4.0, 63.0};
    case TQuantity::Legs:
        return {1.0, 8.0, true};
    case TQuantity::s:
        return {20.0, 1000.0};
    case TQuantity::CoverDev:
        return {0.0, 20.0};
    case TQuantity::Span:
        return {0.5, 50.0};
    case TQuantity::h:
    case TQuantity::b:
    case TQuantity::bw:
        break;
    }
    return {0.0, 2000.0};
}

double ScaleOf(TQuantity Q)
{
    switch (Q) {
    case TQuantity::Msd:
    case TQuantity::Mk:
    case TQuantity::Mqp:
    case TQuantity::Phi:
    case TQuantity::Vsd:
    case TQuantity::Legs:
    case TQuantity::Span:
        return 1.0;
    default:
        return 1000.0;
    }
}

int DecimalsOf(TQuantity Q)
{
    switch (Q) {
    case TQuantity::Msd:
    case TQuantity::Mk:
    case TQuantity::Mqp:
    case TQuantity::Vsd:
    case TQuantity::Span:
        return 2;
    case TQuantity::Legs:
        return 0;
    default:
        return 1;
    }
}

QString BoundsMessage(TQuantity Q, const TBounds &Bounds)
{
    if (Bounds.Whole)
        return QCoreApplication::translate("InputFields", MessageOf(Q)) +
               FormatFloat(Bounds.Lower, 0) + QStringLiteral("..") + FormatFloat(Bounds.Upper, 0);
    return QCoreApplication::translate("InputFields", MessageOf(Q)) + BoundText(Bounds.Lower) +
           QStringLiteral("..") + BoundText(Bounds.Upper);
}

TExitDecision DecideExit(const QString &Typed, double Shown, const TBounds &Bounds, int Decimals)
{
    TExitDecision decision;
    const QString restore = FormatFloat(Shown, Decimals);
    double value = 0.0;
    if (TryStrToNum(Typed, value) && Bounds.Contains(value)) {
        decision.Value = value;
    } else if (Bounds.Contains(Shown) && Typed == restore) {
        decision.Value = Shown; // left as shown: the exact previous value stays
    } else {
        decision.Warn = true;
        if (TryStrToNum(restore, value) && Bounds.Contains(value)) {
            decision.Value = value;
            decision.Text = restore;
        } else { // the previous value fails its own check: its nearest bound
            decision.Value = std::isfinite(Shown) && Bounds.Lower <= Bounds.Upper
                                 ? std::clamp(Shown, Bounds.Lower, Bounds.Upper)
                                 : Bounds.Lower;
            decision.Text = FormatFloat(decision.Value, Decimals);
        }
    }
    if (decision.Value == 0.0)
        decision.Value = 0.0; // "-0" is stored and shown as 0
    return decision;
}
