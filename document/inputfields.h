// The numeric inputs of a section as the user types them: their units, their bounds, the
// warning that names the bounds, and what leaving a field does with its text. Plain values
// in and out, shared by the window's fields and the section files.
#pragma once

#include <QString>

// The quantities typed into the window. Lengths are in mm but the span in m, moments in kNm,
// the shear force in kN; the creep coefficient has no unit and the links' legs are a whole
// number.
enum class TQuantity { h, b, hf, bw, Msd, a, ap, Mk, Mqp, Phi, dg, Vsd, Legs, s, CoverDev, Span };

struct TBounds {
    double Lower = 0.0;
    double Upper = 0.0;
    bool Whole = false; // only whole numbers
    // True for a value within the bounds. A bound computed from another value (h/2 of
    // 500.1 mm is 250.0499... in binary) still admits the value it equals in decimal: the
    // comparison allows 1e-9 of the bound, far below anything that can be typed. A Whole
    // bound admits whole numbers only.
    bool Contains(double Value) const;
};

// The bounds of Q in display units. hf follows the section's height (0..h) and the covers
// follow half of it (0..h/2); b, h and bw are 0..2000 mm, the moments 0..10000 kNm and so is
// the shear force (kN); the creep coefficient 0..6, the aggregate 4..63 mm, the legs 1..8,
// the links' spacing 20..1000 mm, the cover's deviation 0..20 mm and the span 0.5..50 m.
TBounds BoundsOf(TQuantity Q, double HeightMm);

// Display units per stored unit: 1000 for lengths in mm (against the section's m), 1 for the
// rest.
double ScaleOf(TQuantity Q);
// Decimals a field shows: 2 for forces, moments and the span, none for the legs, 1 for the rest.
int DecimalsOf(TQuantity Q);

// The warning for a rejected value, e.g. "Ristlõike kõrgus peaks olema arv: 0.0..2000.0".
// A bound is written with one decimal, or with as many as it needs to be exact (250.05).
QString BoundsMessage(TQuantity Q, const TBounds &Bounds);

// Leaving a field: the typed text is stored when it is a number within the bounds.
// Otherwise the user is warned and the previous value comes back as it was shown (Shown
// formatted with Decimals), and that is stored. When even that fails its bounds (a flange
// thicker than a height reduced since) its nearest bound is taken, without a second
// warning. A field left as it was shown is no error, though the shown text may round to
// just outside a bound: the exact previous value stays.
struct TExitDecision {
    bool Warn = false;  // show BoundsMessage before anything else
    double Value = 0.0; // to store, in display units; never -0
    QString Text;       // the field's text afterwards; empty: as typed
};
TExitDecision DecideExit(const QString &Typed, double Shown, const TBounds &Bounds, int Decimals);
