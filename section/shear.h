// Shear design with vertical links (EN 1992-1-1 6.2.2, 6.2.3, 9.2.2), no axial force.
// N, mm, MPa inside; results in kN, cm2/m and mm.
//
// With d = h - a, bw the web (CompressedOutline().Below: b for the rectangle), z = 0.9 d,
// fcd = alfacc fck / gc, fywd = fyk / gs of the link class (RArmKlass):
//   rho_l  = min(As,prov / (bw d), 0.02)   the chosen tension bars, taken as anchored beyond
//                                          the section (6.2.2(1))
//   k      = min(1 + sqrt(200 / d), 2.0)
//   vmin   = 0.035 k^1.5 sqrt(fck)                                               (6.3N)
//   VRd,c  = max(0.18 / gc k (100 rho_l fck)^(1/3), vmin) bw d                   (6.2.a, b)
//   nu1    = 0.6 (1 - fck / 250)                                                 (6.6N)
//   VRd,max(theta) = bw z nu1 fcd / (cot + tan), alpha_cw = 1                    (6.9)
//   (Asw/s)min = 0.08 sqrt(fck) / fyk bw                                         (9.4, 9.5N)
// cot theta = 2.5 while Vsd <= VRd,max(2.5); else the cot theta in [1, 2.5] at which
// VRd,max = Vsd (the root >= 1 of cot^2 - (K / Vsd) cot + 1 = 0, K = bw z nu1 fcd); above
// VRd,max at cot theta = 1 the web is too small (no link figures). The strut is checked with
// or without links by calculation; with the classes offered VRd,c stays below VRd,max(2.5),
// so a section needing no links always has cot theta = 2.5.
//   required Asw/s = minimum                                    when Vsd <= VRd,c
//                  = max(Vsd / (z fywd cot theta), minimum)     otherwise        (6.8)
// A slab strip, a rectangle at least five times as wide as it is deep (b >= 5 h, 5.3.1(4)),
// needs no links while Vsd <= VRd,c (6.2.1(4)): required Asw/s = 0, and neither the chosen
// links nor their spacing can be short. Above VRd,c it is designed as a beam.
//   chosen Asw/s   = n pi phi^2 / 4 / s,  VRd,s = chosen Asw/s z fywd cot theta
//   sl,max = 0.75 d                                                              (9.6N)
// A comparison exactly on its limit passes (1e-9 relative). Not Valid (all zeros) when the
// section cannot be designed (RL.Fault), for a negative or non-finite Vsd, a spacing, link
// diameter or leg count not positive, or any figure that would not be finite.
#pragma once

class TRistLoige;

// The shear inputs each section keeps with its others; the link class is RL.RArmKlass.
struct TShearInputs {
    double Vsd = 200.0; // design shear force, kN
    int LinkD = 8;      // link diameter, mm
    double Legs = 2.0;  // legs of a link across the section, a whole number
    double s = 0.2;     // link spacing along the beam, m (as the section's other lengths)
    bool operator==(const TShearInputs &) const = default;
};

// The link diameters offered, mm.
inline constexpr int LinkDiameters[] = {6, 8, 10, 12, 14, 16};

struct TShear {
    bool Valid = false;       // false: nothing to show (not designed, not finite)
    double VRdc = 0.0;        // kN
    bool LinksNeeded = false; // Vsd > VRd,c
    bool WebTooSmall = false; // Vsd > VRd,max at cot theta = 1
    double VRdMaxAtOne = 0.0; // VRd,max at cot theta = 1, kN (the largest the web carries)
    double CotTheta = 0.0;    // 2.5 or from VRd,max = Vsd; 0 when the web is too small
    double VRdMax = 0.0;      // VRd,max at CotTheta, kN (0 when too small)
    double AswMin = 0.0;      // cm2/m
    double AswReq = 0.0;      // cm2/m, 0 when the web is too small or for a SlabStrip
    double AswProv = 0.0;     // the chosen links, cm2/m
    double VRds = 0.0;        // of the chosen links at CotTheta, kN (0 when too small)
    double SlMax = 0.0;       // 0.75 d, mm
    bool LinksOk = true;      // AswProv >= AswReq; false when the web is too small
    bool SpacingOk = true;    // s <= sl,max, or a SlabStrip
    bool SlabStrip = false;   // b >= 5 h, a rectangle, Vsd <= VRd,c: no links needed
    bool operator==(const TShear &) const = default;
};

// The shear design of RL with RL.Nihe and RL.RArmKlass; RL designed.
TShear ShearOf(const TRistLoige &RL);
