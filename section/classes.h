// The program's module-level objects: the two class lists and the stored section of each
// shape. ClassesInitialize builds them in the order BetKlassid, ArmKlassid, StoredRistLoige,
// StoredRPLRistLoige (a section's constructor reads both lists); ClassesFinalize frees them
// in that same order. main() brackets the program with the two; a test calls them for a
// fresh state.
#pragma once

#include "armklass.h"
#include "betklass.h"

#include <memory>

class TRistLoige;
class TRPLRistLoige;

extern std::unique_ptr<TBetKlassid> BetKlassid;
extern std::unique_ptr<TArmKlassid> ArmKlassid;
extern std::unique_ptr<TRistLoige> StoredRistLoige;
extern std::unique_ptr<TRPLRistLoige> StoredRPLRistLoige;

void ClassesInitialize();
void ClassesFinalize();

// Calls ClassesInitialize on construction and ClassesFinalize on destruction.
class TClassesScope
{
public:
    TClassesScope() { ClassesInitialize(); }
    ~TClassesScope() { ClassesFinalize(); }
    TClassesScope(const TClassesScope &) = delete;
    TClassesScope &operator=(const TClassesScope &) = delete;
};
