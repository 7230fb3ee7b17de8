#include "serviceability.h"

#include "ristloige.h"

#include <cmath>

TBarFit BarFit(int, int, double, double, double)
{
    return {};
}

TServiceability ServiceabilityOf(const TRistLoige &)
{
    return {};
}

double SecantModulus(double fck)
{
    return 22 * std::pow((fck + 8) / 10, 0.3);
}
