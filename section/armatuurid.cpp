#include "armatuurid.h"

#include <numbers>

double BarArea(int Arv, int D)
{
    return Arv * std::numbers::pi * D * D / 400;
}

TArmatuurid::TArmatuurid()
{
    CalcArea();
}

void TArmatuurid::CalcArea()
{
    AsProv = BarArea(Arv, D);
}

void TArmatuurid::Assign(TArmatuurid &Dest) const
{
    Dest.D = D;
    Dest.Arv = Arv;
    Dest.Rows = Rows;
    Dest.AsReq = AsReq;
    Dest.AsProv = AsProv;
}
