// Reinforcing-steel classes.
//
//   fyd  = fyk / gs                  design yield strength, MPa
//   fycd = min(fyd, 400)             design stress of compression bars, MPa (400 gives 400)
//
// gs (gamma_s, 1.15) is the same for every class; Es is in GPa.
#pragma once

#include <array>
#include <string>
#include <vector>

struct TArmKlassRec {
    const char *Name; // class designation shown to the user
    double fyk;       // characteristic yield strength, MPa
    double Es;        // modulus of elasticity, GPa
};

// Rows are numbered from 1 everywhere outside this array.
inline constexpr std::array<TArmKlassRec, 6> ArmKlassTabel{{
    {"A400", 400.0, 200.0},
    {"A500", 500.0, 200.0},
    {"A600", 600.0, 200.0},
    {"A-I", 235.0, 200.0},
    {"A-III", 390.0, 200.0},
    {"S235", 235.0, 200.0},
}};

inline constexpr int DefaultYArmKlIndex = 2; // A500 for the compression bars of a new section
inline constexpr int DefaultAArmKlIndex = 2; // A500 for the tension bars of a new section

class TArmKlass
{
public:
    // Copies row Index (1-based) of ArmKlassTabel; fyd and fycd stay 0 until CalcValues.
    explicit TArmKlass(int Index);

    void CalcValues();
    // Copies Name, fyk, Es and gs into Dest, then Dest recomputes fyd and fycd.
    void Assign(TArmKlass &Dest) const;

    std::string Name;
    double fyk = 0.0;  // MPa
    double Es = 0.0;   // GPa
    double gs = 1.15;  // partial factor gamma_s
    double fyd = 0.0;  // MPa
    double fycd = 0.0; // MPa
};

// The owning list of all table rows, Items(1)..Items(Count) in table order.
class TArmKlassid
{
public:
    TArmKlassid();

    // 1-based; an index outside 1..Count throws std::out_of_range.
    const TArmKlass &Items(int i) const;

    int Count = 0;

private:
    std::vector<TArmKlass> FItems;
};
