// One group of equal reinforcing bars, laid in Rows rows (cover.h places them).
//
//   AsProv = Arv * pi * D * D / 400      provided area, cm2 (pi*D^2/4 mm2 per bar / 100)
//
// D is in mm; AsReq and AsProv are in cm2, unlike the section's areas in m2.
#pragma once

#include <array>

class TArmatuurid
{
public:
    TArmatuurid(); // 4 bars of 16 mm, AsReq 0

    // Recomputes AsProv from D and Arv; nothing calls it when they change.
    void CalcArea();
    // Copies D, Arv, Rows, AsReq and AsProv into Dest unchanged (no recomputation).
    void Assign(TArmatuurid &Dest) const;

    int D = 16;          // bar diameter, mm
    int Arv = 4;         // number of bars
    int Rows = 1;        // rows the bars are laid in: 1..3 in tension, 1..2 in compression
    double AsReq = 0.0;  // area required of the layer, cm2 (written by the window)
    double AsProv = 0.0; // area the bars provide, cm2
};

// Area of Arv bars of diameter D mm, in cm2.
double BarArea(int Arv, int D);

// The bars a layer is chosen from: 1..MaxBarCount bars of one of the standard diameters, mm.
// Row r (1..14) of the bar dialog's grid stands for ArmDiameetrid[r - 1].
inline constexpr std::array<int, 14> ArmDiameetrid{6,  8,  10, 12, 14, 16, 18,
                                                   20, 22, 25, 28, 32, 36, 40};
inline constexpr int MaxBarCount = 10;
