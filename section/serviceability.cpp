#include "serviceability.h"

#include "ristloige.h"

TBarFit BarFit(int, int, double, double, double)
{
    return {};
}

TServiceability ServiceabilityOf(const TRistLoige &)
{
    return {};
}
