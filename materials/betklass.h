// Concrete strength classes to EN 1992-1-1, Table 3.1.
//
//   fcd  = fck / gc                  design compressive strength, MPa
//   fctm = 0.30 * fck^(2/3)          mean axial tensile strength, MPa (classes <= C50/60)
//
// gc (gamma_c, 1.5) and alfacc (alpha_cc, 1.0) are the same for every class and do not
// come from the table. fcd does not contain alfacc: the section forms alfacc * fcd itself.
#pragma once

#include <array>
#include <string>
#include <vector>

struct TBetKlassRec {
    const char *Name; // class designation shown to the user
    double fck;       // characteristic cylinder strength, MPa
};

// Rows are numbered from 1 everywhere outside this array.
inline constexpr std::array<TBetKlassRec, 9> BetKlassTabel{{
    {"C12/15", 12.0},
    {"C16/20", 16.0},
    {"C20/25", 20.0},
    {"C25/30", 25.0},
    {"C30/37", 30.0},
    {"C35/45", 35.0},
    {"C40/50", 40.0},
    {"C45/55", 45.0},
    {"C50/60", 50.0},
}};

inline constexpr int DefaultBetKlIndex = 4; // C25/30, the class a new section starts with
inline constexpr int MinBetKlIndex = 2;     // C16/20, the first class the window offers

class TBetKlass
{
public:
    // Copies row Index (1-based) of BetKlassTabel; fcd and fctm stay 0 until CalcValues.
    explicit TBetKlass(int Index);

    void CalcValues();
    // Copies Name, fck, gc and alfacc into Dest, then Dest recomputes fcd and fctm.
    void Assign(TBetKlass &Dest) const;

    std::string Name;
    double fck = 0.0;    // MPa
    double gc = 1.5;     // partial factor gamma_c
    double alfacc = 1.0; // coefficient alpha_cc
    double fcd = 0.0;    // MPa
    double fctm = 0.0;   // MPa
};

// The owning list of all table rows, Items(1)..Items(Count) in table order.
class TBetKlassid
{
public:
    TBetKlassid();

    // 1-based; an index outside 1..Count throws std::out_of_range.
    const TBetKlass &Items(int i) const;

    int Count = 0;

private:
    std::vector<TBetKlass> FItems;
};
