// Bars as they are placed: each group in rows, the fit of its outer row across the section, the
// concrete cover of the bars and of the links around them against the exposure class, and the
// design cover the bars need. Lengths in mm unless said otherwise; the section's own (RL.a,
// RL.ap, RL.Kasutus.dg, RL.Kasutus.CoverDev) are metres, RL.Nihe.LinkD is mm.
//
// Rows (8.2(2)). n bars of diameter phi in r rows (r clamped to 1..n, 1 when n < 1) are shared
// as evenly as possible, the rows nearest the face taking the remainder: with q = n div r and
// m = n mod r, rows 1..m hold q + 1 bars, the others q (7 in 2 rows: 4 + 3; 7 in 3: 3 + 2 + 2).
// The outer row, k = 1 at the face, holds the most: n1 = q + (m > 0). The rows lie one above
// the other at the least clear vertical gap
//   sv  = max(phi, dg + 5, 20)                  (a dg that is not a finite number is left out)
// so row k's axis is o_k = (k - 1)(phi + sv) inside the outer row's. The group's centroid is at
// the typed cover a (a' for the compression bars), as the design takes it:
//   o   = sum n_k o_k / n = (phi + sv) (q r (r - 1) / 2 + m (m - 1) / 2) / n   (0 for one row)
//   e   = a - o                                 the outer row's axis from the face
// The design (d = h - a), the capacity and the shear do not depend on the rows.
//
// Fit of the outer row (8.2(2)): BarFit (serviceability.h) of its n1 bars with their outer
// axes e from the sides: gap = (w - 2 e) / (n1 - 1) - phi >= max(phi, dg + 5, 20), w = bt (b
// for the rectangle, bw for the ribbed slab: CompressedOutline().Below) for the tension bars, b
// for the compression bars. While the bars lie within the width (w >= 2 a) more rows never
// narrow it: n1 and e both fall (or stay), and an outer row of one bar has no neighbour.
//
// Cover (4.4.1) of the outer row, whose bars and links lie nearest the face (and the sides):
//   c_bar   = e - phi / 2                       clear cover of the bars
//   c_link  = c_bar - phi_link                  of the links around them, phi_link = LinkD
//   needed  = cmin + dc,dev                     (4.1), dc,dev = CoverDev
//   cmin    = max(cmin,b, cmin,dur, 10)         (4.2); cmin,b (4.4.1.2(3)): phi_link for the
//             links, for the bars phi, or phi + 5 when dg > 32 mm
//   a_req   = o + phi / 2 + max(needed of the bars, needed of the links + phi_link)
// a_req is the least design cover a (a') at which both covers pass. Bars outside the concrete
// (c_bar < 0) are figures like any other, and fail.
// cmin,dur (mm, Table 4.4N) by the exposure class and the structural class:
//           X0  XC1  XC2,XC3  XC4  XD1,XS1  XD2,XS2  XD3,XS3
//   S1      10   10     10     15     20       25       30
//   S2      10   10     15     20     25       30       35
//   S3      10   10     20     25     30       35       40
//   S4      10   15     25     30     35       40       45
//   S5      15   20     30     35     40       45       50
//   S6      20   25     35     40     45       50       55
// Structural class (Table 4.3N): S4 for a design life of 50 years, two classes up for 100 years
// (any DesignLife >= 100), one down where the concrete reaches the class the exposure asks for:
// fck >= 30 MPa for X0, XC1; 35 for XC2, XC3; 40 for XC4, XD1, XD2, XS1; 45 for XD3, XS2, XS3
// (C30/37, C35/45, C40/50, C45/55); never below S1 or above S6.
// A comparison exactly on its limit passes (1e-9 relative).
#pragma once

#include "serviceability.h"

class TRistLoige;

// A group of bars laid in rows.
struct TRows {
    int Rows = 1;          // r, the rows asked for clamped to 1..Count
    int Outer = 0;         // n1, bars in the outer row (0 without bars)
    double Gap = 0.0;      // sv, clear vertical gap between the rows, mm
    double Centroid = 0.0; // o, the group's centroid inside the outer row's axis, mm
    double Axis = 0.0;     // e = CoverMm - o, the outer row's axis from the face, mm
};
// Count bars of D mm asked in Rows rows, their centroid CoverMm from the face, aggregate dgMm.
// Safe and cheap for any input (no loop over the rows); a CoverMm that is not finite gives an
// Axis that is not.
TRows RowsOf(int Count, int Rows, int D, double CoverMm, double dgMm);

// The outer row's fit when Count bars of D mm in Rows rows have their centroid Cover from the
// face and the sides of a Width (both m, as for BarFit), aggregate dg (m): Count is the outer
// row's n1, Rows the rows as laid. For one row exactly BarFit(Count, D, Width, Cover, dg).
TBarFit RowFit(int Count, int Rows, int D, double Width, double Cover, double dg);

// The structural class, 1..6 for S1..S6, of an exposure class, fck (MPa) and design life (years).
int StructuralClass(TExposure Exposure, double fck, int DesignLife);
// cmin,dur from Table 4.4N, mm; the class is clamped to 1..6; an exposure outside TExposure gives
// a figure that is not a number.
double MinCoverDurability(TExposure Exposure, int StructuralClass);

// The covers of one group, mm.
struct TCoverCheck {
    TRows Rows;
    double BarCover = 0.0;    // c_bar, the outer row's bars
    double LinkCover = 0.0;   // c_link, the links around them
    double BarNeeded = 0.0;   // max(cmin,b, cmin,dur, 10) + dc,dev of the bars
    double LinkNeeded = 0.0;  // max(phi_link, cmin,dur, 10) + dc,dev of the links
    double CoverNeeded = 0.0; // a_req (a'_req), the least design cover at which both pass
    bool BarOk = true;        // BarCover >= BarNeeded
    bool LinkOk = true;       // LinkCover >= LinkNeeded
};

struct TCovers {
    // false, every other field as constructed: nothing to show. Not designed (RL.Fault), no
    // tension bars (count or diameter below 1), a link diameter below 1, a CoverDev negative or
    // not finite, an exposure outside TExposure, or a figure that would not be finite.
    bool Valid = false;
    int StructuralClass = 0; // 1..6
    double CminDur = 0.0;    // mm
    TCoverCheck Tension;     // the tension bars (AArmatuur) at a from the bottom face
    // The compression bars count (NeedsCompressionSteel, as in ServiceabilityOf) and there are
    // some (count and diameter at least 1).
    bool CompressionShown = false;
    TCoverCheck Compression; // the compression bars (YArmatuur) at a' from the top face
};

// The covers of RL's chosen bars with RL.Kasutus and the links of RL.Nihe; RL designed.
TCovers CoversOf(const TRistLoige &RL);
