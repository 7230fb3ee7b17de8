#include "classes.h"

#include "rplristloige.h"

std::unique_ptr<TBetKlassid> BetKlassid;
std::unique_ptr<TArmKlassid> ArmKlassid;
std::unique_ptr<TRistLoige> StoredRistLoige;
std::unique_ptr<TRPLRistLoige> StoredRPLRistLoige;

void ClassesInitialize()
{
    ClassesFinalize();
    BetKlassid = std::make_unique<TBetKlassid>();
    ArmKlassid = std::make_unique<TArmKlassid>();
    StoredRistLoige = std::make_unique<TRistLoige>();
    StoredRPLRistLoige = std::make_unique<TRPLRistLoige>();
}

void ClassesFinalize()
{
    BetKlassid.reset();
    ArmKlassid.reset();
    StoredRistLoige.reset();
    StoredRPLRistLoige.reset();
}
