#include "classes.h"

#include "rplristloige.h"

#include <gtest/gtest.h>

namespace
{

TEST(ClassesModule, BuildsListsAndStoredSectionsWithTheirDefaults)
{
    TClassesScope classes;
    ASSERT_TRUE(BetKlassid && ArmKlassid && StoredRistLoige && StoredRPLRistLoige);
    EXPECT_EQ(BetKlassid->Count, 9);
    EXPECT_EQ(ArmKlassid->Count, 6);
    EXPECT_EQ(StoredRistLoige->b, 0.4);
    EXPECT_EQ(StoredRPLRistLoige->b, 0.6);
    EXPECT_EQ(StoredRPLRistLoige->bw, 0.2);
    EXPECT_EQ(StoredRistLoige->BetKlass.Name, "C25/30");
}

TEST(ClassesModule, FinalizeFreesEverythingAndInitializeStartsAfresh)
{
    ClassesInitialize();
    StoredRistLoige->h = 1.0;
    ClassesInitialize();
    EXPECT_EQ(StoredRistLoige->h, 0.5);
    ClassesFinalize();
    EXPECT_FALSE(BetKlassid || ArmKlassid || StoredRistLoige || StoredRPLRistLoige);
}

TEST(ClassesModule, SectionNeedsTheListsFirst)
{
    ClassesFinalize();
    EXPECT_THROW(TRistLoige section, std::logic_error);
}

} // namespace
