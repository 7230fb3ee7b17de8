// A section with its default inputs and the given moment, designed as the main window does
// before it draws. Shared by the drawing tests of the engine and of the Qt surface.
#pragma once

#include "rplristloige.h"

#include <memory>

inline std::unique_ptr<TRistLoige> DesignedSection(bool Ribbed, double Msd)
{
    std::unique_ptr<TRistLoige> rl;
    if (Ribbed)
        rl = std::make_unique<TRPLRistLoige>();
    else
        rl = std::make_unique<TRistLoige>();
    rl->Msd = Msd;
    rl->CalcDesignValues();
    rl->Calculate();
    return rl;
}
