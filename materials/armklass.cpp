#include "armklass.h"

#include <stdexcept>

TArmKlass::TArmKlass(int Index)
{
    const TArmKlassRec &row = ArmKlassTabel.at(static_cast<std::size_t>(Index - 1));
    Name = row.Name;
    fyk = row.fyk;
    Es = row.Es;
}

void TArmKlass::CalcValues()
{
    fyd = fyk / gs;
    fycd = fyd > 400.0 ? 400.0 : fyd;
}

void TArmKlass::Assign(TArmKlass &Dest) const
{
    Dest.Name = Name;
    Dest.fyk = fyk;
    Dest.Es = Es;
    Dest.gs = gs;
    Dest.CalcValues();
}

TArmKlassid::TArmKlassid() : Count(static_cast<int>(ArmKlassTabel.size()))
{
    FItems.reserve(static_cast<std::size_t>(Count));
    for (int i = 1; i <= Count; ++i)
        FItems.emplace_back(i);
}

const TArmKlass &TArmKlassid::Items(int i) const
{
    if (i < 1 || i > Count)
        throw std::out_of_range("TArmKlassid::Items");
    return FItems[static_cast<std::size_t>(i - 1)];
}
