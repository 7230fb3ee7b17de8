// Ribbed slab: a T section whose flange (width b, thickness hf) is in compression at the
// top and whose web (width bw, centred under the flange) holds the tension bars.
// Every field of TRistLoige keeps its meaning; b is the flange width.
//
// Forces in MN and moments in MNm (A in MPa times lengths in m; Msd enters as 0.001 Msd):
//   A      = alfacc fcd
//   M1     = mulim A bw d^2                         limit moment of the web alone
//   M2     = A (b - bw) hf (d - 0.5 hf)             flange overhangs about the tension bars
//   Mf(Asc)= A b hf (d - 0.5 hf) + fycd Asc (d - d2)   whole flange plus compression bars
//
// CalcDesignValues: the rectangle's, then Asmin = rhomin bw d and
//                   Asmax = rhomax (bw h + (b - bw) hf), 0.04 of the concrete area.
// Mlim   = M1 + M2 when the limiting block is deeper than the flange (omegalim d > hf),
//          mulim A b d^2 when it stays inside the flange: the limit moment of the zone
// Compression steel when 0.001 Msd > Mlim:
//                   Asc = (0.001 Msd - Mlim) / ((d - d2) fycd)     (10 rhomax b d if d = d2)
// Stress block in the web when 0.001 Msd > Mf(Asc), and never when omegalim d <= hf:
//   with Asc:       As = (omegalim A bw d + A (b - bw) hf + fycd Asc) / fyd
//   without:        mu = (0.001 Msd - M2) / (A bw d^2),  omega = 1 - sqrt(1 - 2 mu)
//                   As = (omega A bw d + A (b - bw) hf) / fyd
// Stress block in the flange (a rectangle of width b):
//   with Asc:       As = (omegalim A b d + fycd Asc) / fyd
//   without:        mu = Msd / (A 1000 b d^2),  As = omega A b d / fyd
// lambdax = omega d (omega = omegalim with compression steel), x = lambdax / 0.8.
// Besides the rectangle's cases, a slab without a rib (bw = 0) or with a flange thicker
// than the section (hf > h) cannot be designed.
#pragma once

#include "ristloige.h"

class TRPLRistLoige : public TRistLoige
{
public:
    TRPLRistLoige(); // the rectangle's defaults, then b 0.6, h 0.5, a 0.045, ap 0.04, bw 0.2, hf
                     // 0.1

    // Assign, then bw and hf; Dest's Asmin and Asmax follow at its next CalcDesignValues.
    void AssignRPL(TRPLRistLoige &Dest) const;

    void CalcExtent() override;
    void CalcDesignValues() override;
    bool Calculate() override;
    bool NeedsCompressionSteel() const override;
    // The flange, b wide down to hf, above the web of width bw.
    TCompressedOutline CompressedOutline() const override { return {b, hf, bw}; }
    void Draw(TCanvas &Canvas, int W, int H, TBarDrawing Bars = TBarDrawing::Rows) override;

    // True when the stress block reaches into the web; sets Asc as Calculate uses it.
    bool StressBlockInWeb();

    double bw = 0.0; // web width, m
    double hf = 0.0; // flange thickness, m

private:
    double M1() const;
    double M2() const;
    double Mf(double AscValue) const;
    // The moment the compression zone carries at the limiting depth omegalim d, MNm. Web plus
    // overhangs (M1 + M2) overstates it once the flange is deeper than that block: the zone
    // is then a rectangle of width b, and a larger moment needs compression steel.
    double LimitMoment() const;
    // True when the flange is at least as deep as the limiting block, omegalim d <= hf: the
    // compression zone then never leaves the flange, and the section works as a rectangle
    // of width b.
    bool FlangeHoldsLimitingBlock() const;
    double WebLeft() const { return (b - bw) / 2; }
    double WebRight() const { return (b + bw) / 2; }
};
