// The beam around a designed section: the span/depth ratio that stands for the deflection
// check, the anchorage and lap lengths of its straight bars, and the shear between the flange
// and the web of a ribbed slab. Lengths in mm, forces in N and stresses in MPa inside unless
// said otherwise; the span is in m as the section's other inputs.
//
// Span/depth (EN 1992-1-1 7.4.2). With As, As' the design's required areas (RL.As, RL.Asc:
// before the minimum), As' only while NeedsCompressionSteel(), and Ac,d the concrete above
// the tension bars, the CompressedOutline to depth d:
//   Ac,d = Top min(d, TopDepth) + Below max(d - TopDepth, 0)
//          (b d for the rectangle; b hf + bw (d - hf) for the ribbed slab, b d when d <= hf)
//   rho = As / Ac,d,  rho' = As' / Ac,d,  rho0 = sqrt(fck) 1e-3                   fractions
//   K: 1.0 simply supported, 1.3 end span, 1.5 interior span, 0.4 cantilever     (Table 7.4N)
//   rho <= rho0:  l/d = K [11 + 1.5 sqrt(fck) rho0 / rho + 3.2 sqrt(fck) (rho0 / rho - 1)^1.5]
//                                                                                 (7.16a)
//   rho >  rho0:  l/d = K [11 + 1.5 sqrt(fck) rho0 / (rho - rho') + sqrt(fck) sqrt(rho' / rho0)
//                 / 12]                                                           (7.16b)
//   310 / sigma_s = 500 / (fyk As / As,prov), As,prov / As taken at most 1.5      (7.17)
//                 (As,prov = AArmatuur.AsProv, the chosen tension bars; none gives 0)
//   limit = l/d (310 / sigma_s) F1 F2,  F1 = 0.8 when b > 3 bw (ribbed slab), else 1;
//           F2 = 7 / leff (leff in m) when leff > 7 m and partitions are carried, else 1
//   Ok: leff / d <= limit, d as the design's.
// Not Valid (all zeros) without a design (RL.Fault), for rho <= rho' (no tension area required,
// As = 0, or compression bars without a lever arm), a span, K, fck or fyk not positive, chosen
// bars negative, or any figure that would not be finite.
//
// Anchorage and laps (8.4, 8.7) of straight bars at their design stress sigma_sd (fyd of
// AArmKlass for the tension bars, fycd of YArmKlass for the compression bars), alpha1..5 = 1,
// alpha6 = 1.5 (more than half of the bars lapped at one place, Table 8.3):
//   fctd    = alpha_ct 0.7 fctm / gc,  alpha_ct = 1                            (3.16)
//   eta1    = 1 for the tension bars (bottom, good bond); for the compression bars (top) 1 when
//             h <= 250 mm, else 0.7 (poor bond)                                 (Figure 8.2)
//   eta2    = 1 for phi <= 32 mm, (132 - phi) / 100 above
//   fbd     = 2.25 eta1 eta2 fctd                                               (8.2)
//   lb,rqd  = (phi / 4) sigma_sd / fbd                                          (8.3)
//   lbd     = max(lb,rqd, lb,min),  lb,min = max(0.3 lb,rqd, 10 phi, 100) in tension,
//             max(0.6 lb,rqd, 10 phi, 100) in compression                       (8.4, 8.6, 8.7)
//   l0      = max(alpha6 lb,rqd, l0,min),  l0,min = max(0.3 alpha6 lb,rqd, 15 phi, 200)
//                                                                               (8.10, 8.11)
// With alpha1..5 = 1 the fractions of lb,rqd never govern: lbd = max(lb,rqd, 10 phi, 100),
// l0 = max(1.5 lb,rqd, 15 phi, 200). The compression bars count only while
// NeedsCompressionSteel(). Not Valid (all zeros) without a design, for a bar diameter not
// positive or at 132 mm and above, or any figure that would not be finite.
//
// Shear between flange and web (6.2.4), ribbed slab only, with Vsd of RL.Nihe, A = alfacc fcd:
//   Fcf     = A max((b - bw) / 2, 0) min(lambda x, hf)   the stress block in one overhang
//   Fc      = A (b min(lambda x, hf) + bw max(lambda x - hf, 0)) + fycd As'
//             the whole compression force, As' = RL.Asc while compression steel is needed
//   dFd/dx  = Vsd / z Fcf / Fc,  z = 0.9 d (as the shear check)    N/mm in one overhang
//   vEd     = dFd/dx / hf                                                       (6.20)
//   no transverse steel beyond the flange's own while vEd <= 0.4 fctd            (6.2.4(6))
//   nu      = 0.6 (1 - fck / 250);  the strut holds while vEd <= nu A sin(t) cos(t)   (6.22)
//   cot theta_f = 2.0 while vEd <= nu A 2 / 5 (sin cos at cot 2); else the cot in [1, 2] at
//             which they are equal (the root >= 1 of cot^2 - (nu A / vEd) cot + 1 = 0); above
//             nu A / 2 (cot 1) the flange is too thin (no cot, no steel)
//   Asf/sf  = vEd hf / (fyd cot theta_f),  fyd of the links' class RArmKlass    (6.21)
// A flange narrower than the web has no overhang: vEd = 0. Not Valid (all zeros) for a
// rectangle, without a design, for a negative or non-finite Vsd, a stress block of no force
// (Msd = 0), a flange of no thickness, links' fyd not positive, or any figure that would not be
// finite.
//
// A comparison exactly on its limit passes (1e-9 relative), b = 3 bw included (no reduction).
// Every function takes a designed section (CalcDesignValues, then Calculate).
#pragma once

class TRistLoige;

// How the member is supported, for K.
enum class TSupport { Simple, EndSpan, InteriorSpan, Cantilever };

// The member inputs each section keeps with its others.
struct TMemberInputs {
    double Span = 6.0; // effective span leff, m
    TSupport Support = TSupport::Simple;
    bool Partitions = false; // carries partitions liable to be damaged by its deflection
    bool operator==(const TMemberInputs &) const = default;
};

// K of Support: 1.0, 1.3, 1.5, 0.4; 0 for a value that is none of the four.
double SupportFactor(TSupport Support);

// The bracket of (7.16a) or (7.16b) for fck in MPa and the fractions rho, rho' (K = 1).
double BasicSpanDepth(double fck, double Rho, double RhoP);

struct TSpanDepth {
    bool Valid = false;        // false: nothing to show
    double K = 0.0;            // SupportFactor
    double Rho = 0.0;          // As / Ac,d
    double RhoP = 0.0;         // As' / Ac,d, 0 unless RhoPShown
    double Rho0 = 0.0;         // sqrt(fck) 1e-3
    bool RhoPShown = false;    // the section needs compression steel
    bool Lightly = false;      // rho <= rho0: (7.16a); else (7.16b)
    double Basic = 0.0;        // K times the bracket, l/d before the factors
    double SteelFactor = 0.0;  // 310 / sigma_s
    double FlangeFactor = 0.0; // 0.8 or 1
    double SpanFactor = 0.0;   // 7 / leff or 1
    double Limit = 0.0;        // Basic SteelFactor FlangeFactor SpanFactor
    double Ratio = 0.0;        // leff / d
    bool Ok = true;            // Ratio <= Limit
    bool operator==(const TSpanDepth &) const = default;
};

// The span/depth check of RL with RL.Ava and its chosen tension bars.
TSpanDepth SpanDepthOf(const TRistLoige &RL);

// One layer of bars, figures in MPa and mm.
struct TBarAnchorage {
    int D = 0;          // bar diameter phi, mm
    double Sigma = 0.0; // sigma_sd, fyd or fycd
    double Eta1 = 0.0;  // 1 or 0.7
    double Eta2 = 0.0;  // 1 or (132 - phi) / 100
    double fbd = 0.0;   // ultimate bond stress
    double lbrqd = 0.0; // basic required anchorage length
    double lbd = 0.0;   // design anchorage length
    double l0 = 0.0;    // design lap length
    bool operator==(const TBarAnchorage &) const = default;
};

struct TAnchorage {
    bool Valid = false;
    double fctd = 0.0; // MPa
    TBarAnchorage Tension;
    bool CompressionShown = false; // the section needs compression steel
    TBarAnchorage Compression;     // all zeros unless CompressionShown
    bool operator==(const TAnchorage &) const = default;
};

// The anchorage and laps of RL's chosen bar diameters (AArmatuur.D, YArmatuur.D).
TAnchorage AnchorageOf(const TRistLoige &RL);

struct TFlangeShear {
    bool Valid = false;
    double ForceShare = 0.0;  // Fcf / Fc
    double vEd = 0.0;         // longitudinal shear stress at the web's face, MPa
    double Threshold = 0.0;   // 0.4 fctd, MPa
    double vRdMax = 0.0;      // nu A / 2, the strut at cot theta_f = 1, MPa
    bool SteelNeeded = false; // vEd > Threshold
    bool TooThin = false;     // vEd > vRdMax
    double CotTheta = 0.0;    // 2.0 or from the strut; 0 when too thin
    double AsfReq = 0.0;      // cm2/m, 0 unless SteelNeeded and not TooThin
    bool operator==(const TFlangeShear &) const = default;
};

// The flange-to-web shear of a ribbed slab RL at RL.Nihe.Vsd; not Valid for a rectangle.
TFlangeShear FlangeShearOf(const TRistLoige &RL);
