#include "armklass.h"

#include <gtest/gtest.h>

namespace
{

struct SteelRow {
    int Index;
    const char *Name;
    double fyk, fyd, fycd; // MPa; fyd = fyk / 1.15, fycd = min(fyd, 400)
};

class SteelClass : public testing::TestWithParam<SteelRow>
{
};

TEST_P(SteelClass, AssignDerivesTheDesignValues)
{
    const SteelRow row = GetParam();
    const TArmKlassid list;
    const TArmKlass &item = list.Items(row.Index);
    EXPECT_EQ(item.Name, row.Name);
    EXPECT_EQ(item.fyk, row.fyk);
    EXPECT_EQ(item.Es, 200.0);
    EXPECT_EQ(item.gs, 1.15);

    TArmKlass copy(1);
    item.Assign(copy);
    EXPECT_EQ(copy.Name, row.Name);
    EXPECT_NEAR(copy.fyd, row.fyd, 0.0005);
    EXPECT_NEAR(copy.fycd, row.fycd, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(Table, SteelClass,
                         testing::Values(SteelRow{1, "A400", 400, 347.826, 347.826},
                                         SteelRow{2, "A500", 500, 434.783, 400.0},
                                         SteelRow{3, "A600", 600, 521.739, 400.0},
                                         SteelRow{4, "A-I", 235, 204.348, 204.348},
                                         SteelRow{5, "A-III", 390, 339.130, 339.130},
                                         SteelRow{6, "S235", 235, 204.348, 204.348}),
                         [](const auto &info) { return "Row" + std::to_string(info.param.Index); });

TEST(SteelList, HoldsSixClassesWithoutDerivedValues)
{
    const TArmKlassid list;
    ASSERT_EQ(list.Count, 6);
    EXPECT_EQ(list.Items(DefaultAArmKlIndex).Name, "A500");
    EXPECT_EQ(list.Items(DefaultYArmKlIndex).Name, "A500");
    EXPECT_EQ(list.Items(2).fyd, 0.0);
    EXPECT_EQ(list.Items(2).fycd, 0.0);
    EXPECT_THROW((void)list.Items(7), std::out_of_range);
}

TEST(SteelCompressionLimit, IsFourHundredMegapascalsExactly)
{
    struct Case {
        double fyk, gs, fycd;
    };
    // fyd just below, at and above 400 MPa.
    for (const Case c : {Case{399.0, 1.0, 399.0}, Case{400.0, 1.0, 400.0}, Case{460.0, 1.15, 400.0},
                         Case{460.1, 1.15, 400.0}}) {
        TArmKlass steel(1);
        steel.fyk = c.fyk;
        steel.gs = c.gs;
        steel.CalcValues();
        EXPECT_DOUBLE_EQ(steel.fycd, c.fycd) << "fyk " << c.fyk << " gs " << c.gs;
    }
}

TEST(SteelAssign, KeepsIdenticalClassesApartByName)
{
    const TArmKlassid list;
    TArmKlass ai(1), s235(1);
    list.Items(4).Assign(ai);
    list.Items(6).Assign(s235);
    EXPECT_EQ(ai.fyd, s235.fyd);
    EXPECT_EQ(ai.fycd, s235.fycd);
    EXPECT_NE(ai.Name, s235.Name);
}

} // namespace
