// Serviceability of the bars chosen for a designed section: whether each group's outer row
// fits across the section, the stresses of the cracked elastic section under service moments, and
// the crack width. Lengths in mm, stresses in MPa, moduli in GPa, moments in kNm unless said
// otherwise.
//
// Bars (as the capacity check counts them): As = AArmatuur.AsProv at d = h - a; As' =
// YArmatuur.AsProv at d2 = a', only while NeedsCompressionSteel(). The tension face is bt wide:
// b for the rectangle, bw for the ribbed slab (CompressedOutline().Below). Each layer's modular
// ratio uses its own class's Es.
//
// Fit in one row (8.2(2)): n >= 2 bars of diameter phi across a width w, the outer axes the
// cover c from the sides:   gap = (w - 2 c) / (n - 1) - phi  >=  max(phi, dg + 5, 20).
// One bar has no gap and fits. A group in several rows (cover.h, RowsOf) is checked by its outer
// row, the one nearest the face, which holds the most bars: its n1 bars with c = e, the outer
// row's axis from the face (e = a for one row). w = bt for the tension bars, b for As'.
//
// Cracked elastic section (7.1, 7.2) for a moment M and modular ratio alpha_e: no concrete in
// tension; the compressed zone is the CompressedOutline (Top wide to TopDepth, Below beneath);
// As' counts (alpha_e - 1) As' above the axis, alpha_e As' below it. The axis x makes the first
// moment zero; I about it; sigma_c = M x / I, sigma_s = alpha_e M (d - x) / I.
//   characteristic: M = Mk,  alpha_e = Es / Ecm,     Ecm = 22 ((fck + 8) / 10)^0.3 (Table 3.1)
//   quasi-permanent: M = Mqp, alpha_e = Es / Ec,eff, Ec,eff = Ecm / (1 + phi)       (7.4.3(5))
// Stress limits (7.2(2), (3), (5)): sigma_c(Mk) <= 0.6 fck for XD and XS classes only (the limit
// is given for every class, SigmaCOk holds for the others); sigma_s(Mk) <= 0.8 fyk;
// sigma_c(Mqp) <= 0.45 fck.
//
// Crack width (7.3.4) under Mqp: none while Mqp <= Mcr = fctm Ic / (h - yc) of the concrete
// outline alone; otherwise, with the quasi-permanent x and sigma_s,
//   hc,ef = min(2.5 (h - d), (h - x) / 3, h / 2),  rho_p,eff = As / (bt hc,ef)     (7.3.2(3))
//   (h / 2 never governs in bending: (h - x) / 3 < h / 3)
//   alpha_e = Es / Ecm, kt = 0.4, fct,eff = fctm
//   esm - ecm = max((sigma_s - kt fct,eff / rho (1 + alpha_e rho)) / Es, 0.6 sigma_s / Es) (7.9)
//   c = e - phi / 2;  s = (bt - 2 e) / (n1 - 1)    the outer row (e = a, n1 = n for one row)
//   sr,max = 3.4 c + 0.8 0.5 0.425 phi / rho  when s <= 5 (c + phi / 2) (= 5 e)   (7.11)
//          = 1.3 (h - x)                        otherwise, and for a single bar     (7.14)
//   (uncracked: sr,max = wk = 0)
//   wk = sr,max (esm - ecm) (7.8);  wmax = 0.4 mm for X0, XC1, 0.3 mm otherwise (Table 7.1N)
// A comparison exactly on its limit passes (1e-9 relative).
#pragma once

#include <array>

class TRistLoige;

enum class TExposure { X0, XC1, XC2, XC3, XC4, XD1, XD2, XD3, XS1, XS2, XS3 };
inline constexpr std::array<const char *, 11> ExposureNames{
    "X0", "XC1", "XC2", "XC3", "XC4", "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};

// The serviceability inputs each section keeps with its others.
struct TServiceInputs {
    double Mk = 400.0;  // characteristic moment, kNm
    double Mqp = 300.0; // quasi-permanent moment, kNm
    TExposure Exposure = TExposure::XC1;
    double Phi = 2.0;        // creep coefficient phi(inf, t0)
    double dg = 0.016;       // largest aggregate size, m (as the section's other lengths)
    int DesignLife = 50;     // design working life, years: 50 or 100 (cover.h)
    double CoverDev = 0.010; // allowance for deviation of the cover, Delta c,dev, m (cover.h)
    bool operator==(const TServiceInputs &) const = default;
};

// Ecm = 22 ((fck + 8) / 10)^0.3, GPa (Table 3.1), of fck in MPa.
double SecantModulus(double fck);

// One row of bars across a width: a group's only row, or the outer row of several.
struct TBarFit {
    int Count = 0;          // bars in this row
    double Gap = 0.0;       // clear gap between neighbours, mm (0 for one bar)
    double GapNeeded = 0.0; // max(phi, dg + 5, 20), mm
    bool Fits = true;       // Count <= 1, or Gap >= GapNeeded
    int Rows = 1;           // rows of the group (RowFit, cover.h); 1 from BarFit
};
// Count bars of D mm across Width with their outer axes Cover from the sides (both m),
// aggregate dg (m). Count 0 or 1 fits. Safe for any input: a width below 2 Cover gives a
// negative gap; a width or cover that is not finite gives no gap (0) and no fit.
TBarFit BarFit(int Count, int D, double Width, double Cover, double dg);

// The cracked elastic section under one moment.
struct TElasticStress {
    double x = 0.0;      // neutral-axis depth, mm
    double I = 0.0;      // second moment of the cracked section, mm4 (concrete units)
    double SigmaC = 0.0; // top-face concrete stress, MPa
    double SigmaS = 0.0; // tension-bar stress, MPa
};

struct TServiceability {
    // false, every other field as constructed: nothing to show. Not designed, no tension bars,
    // a hogging moment, a negative creep coefficient or As', the tension bars' outer row outside
    // the concrete (e < phi / 2), or a figure that would not be finite.
    bool Valid = false;
    TBarFit Tension;               // the tension bars' outer row (RowFit)
    bool CompressionShown = false; // the compression bars count (NeedsCompressionSteel)
    TBarFit Compression;           // the compression bars' outer row
    double Ecm = 0.0, EcEff = 0.0; // GPa
    TElasticStress Characteristic, QuasiPermanent;
    bool SigmaCLimited = false; // XD and XS classes: sigma_c(Mk) <= 0.6 fck applies
    double SigmaCLimit = 0.0, SigmaSLimit = 0.0, SigmaCQpLimit = 0.0; // MPa
    bool SigmaCOk = true, SigmaSOk = true, SigmaCQpOk = true;
    bool Cracked = false; // Mqp > Mcr
    double Mcr = 0.0;     // kNm
    // The crack width's figures, as a checker retraces them; all 0 while uncracked.
    double HcEff = 0.0;      // hc,ef, mm (7.3.2(3))
    double RhoPEff = 0.0;    // rho_p,eff = As / (bt hc,ef), a fraction
    double StrainDiff = 0.0; // esm - ecm, a strain (7.9)
    double CrackCover = 0.0; // c = e - phi / 2 of the outer row, mm
    double BarSpacing = 0.0; // s = (bt - 2 e) / (n1 - 1), the outer row's, mm; 0 for one bar
    double CloseLimit = 0.0; // 5 (c + phi / 2), mm
    bool CloseBars = false;  // more than one bar and s <= CloseLimit: sr,max by (7.11), else (7.14)
    double SrMax = 0.0;      // mm
    double Wk = 0.0;         // mm
    double WMax = 0.0;       // mm
    bool WkOk = true;
};

// The checks of RL's chosen bars with RL.Kasutus; RL designed (CalcDesignValues, Calculate).
TServiceability ServiceabilityOf(const TRistLoige &RL);
