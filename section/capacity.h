// Bending capacity of the bars chosen for a designed section, with the design's assumptions
// (EN 1992-1-1 3.1.7: rectangular block 0.8 x deep at A = alfacc fcd, eps_cu3 = 0.0035 at the
// top face; 3.2.7: bilinear steel with a horizontal top branch).
//
// Inputs: the designed section (d, d2, its compressed outline), A in MPa, the tension bars'
// fyd and Es (GPa, so Es 1000 MPa), the compression bars' fycd, fyd and Es, and the areas
//   As  = AArmatuur.AsProv / 10000                                   m2 (the group holds cm2)
//   As' = YArmatuur.AsProv / 10000 when NeedsCompressionSteel(), else 0  (no bars are shown)
//
// For a neutral-axis depth x (m) in (0, d):
//   sigma_s (x) = min(Es 1000 0.0035 (d - x) / x, fyd)                      tension bars, MPa
//   sigma_s'(x) = Es' 1000 0.0035 (x - d2) / x, limited to fycd in compression and to the
//                 compression bars' own fyd in tension (x < d2)                          MPa
//   Fc(x)       = A (Top t + Below w),  t = min(0.8 x, TopDepth),  w = max(0.8 x - TopDepth, 0)
//                 concrete force, MN; 0.8 x < d <= h, so the block never passes the bottom face
// Equilibrium Fc + As' sigma_s' = As sigma_s: the left side grows and the right side falls
// with x, and the difference changes sign in (0, d), so bisection finds the one root.
//   MRd  = 1000 (A (Top t (d - t/2) + Below w (d - TopDepth - w/2)) + As' sigma_s' (d - d2))  kNm
//          (every force's moment about the tension bars)
//   Utilisation = Msd / MRd,  TensionYields = x <= xilim d (1 + 1e-9)
// A design with exactly the required areas sits on x = xilim d, hence the allowance.
#pragma once

#include "ristloige.h"

struct TCapacity {
    bool Valid = false;        // false: no capacity to show (not designed, no tension bars, ...)
    double MRd = 0.0;          // kNm
    double Utilisation = 0.0;  // Msd / MRd
    double x = 0.0;            // neutral-axis depth, m
    double xOverD = 0.0;       // x / d
    bool TensionYields = true; // x <= xilim d (1 + 1e-9)
};

// The capacity of the bars chosen in RL's bar groups; RL designed (CalcDesignValues,
// Calculate). Not Valid when the last Calculate failed (RL.Fault), without tension bars, or
// when the figures would not be finite with MRd > 0; an invalid result is all zeros.
TCapacity ChosenBarsCapacity(const TRistLoige &RL);
