#include "betklass.h"

#include <cmath>
#include <stdexcept>

TBetKlass::TBetKlass(int Index)
{
    const TBetKlassRec &row = BetKlassTabel.at(static_cast<std::size_t>(Index - 1));
    Name = row.Name;
    fck = row.fck;
}

void TBetKlass::CalcValues()
{
    fcd = fck / gc;
    fctm = 0.3 * std::exp((2.0 / 3.0) * std::log(fck));
}

void TBetKlass::Assign(TBetKlass &Dest) const
{
    Dest.Name = Name;
    Dest.fck = fck;
    Dest.gc = gc;
    Dest.alfacc = alfacc;
    Dest.CalcValues();
}

TBetKlassid::TBetKlassid() : Count(static_cast<int>(BetKlassTabel.size()))
{
    FItems.reserve(static_cast<std::size_t>(Count));
    for (int i = 1; i <= Count; ++i)
        FItems.emplace_back(i);
}

const TBetKlass &TBetKlassid::Items(int i) const
{
    if (i < 1 || i > Count)
        throw std::out_of_range("TBetKlassid::Items");
    return FItems[static_cast<std::size_t>(i - 1)];
}
