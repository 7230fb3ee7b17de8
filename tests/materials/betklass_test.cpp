#include "betklass.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

struct ConcreteRow {
    const char *Name;
    double fck, fcd, fctm; // MPa; fcd = fck / 1.5, fctm = 0.3 fck^(2/3)
};

class ConcreteClass : public testing::TestWithParam<ConcreteRow>
{
};

TEST_P(ConcreteClass, AssignDerivesTheDesignValues)
{
    const ConcreteRow row = GetParam();
    const TBetKlassid list;
    int index = 0;
    for (int i = 1; i <= list.Count; ++i)
        if (list.Items(i).Name == row.Name)
            index = i;
    ASSERT_NE(index, 0) << row.Name;

    TBetKlass copy(1);
    list.Items(index).Assign(copy);
    EXPECT_EQ(copy.Name, row.Name);
    EXPECT_DOUBLE_EQ(copy.fck, row.fck);
    EXPECT_NEAR(copy.fcd, row.fcd, 0.00051); // the table shows three decimals
    EXPECT_NEAR(copy.fctm, row.fctm, 0.00051);
}

INSTANTIATE_TEST_SUITE_P(Table, ConcreteClass,
                         testing::Values(ConcreteRow{"C12/15", 12, 8.000, 1.572},
                                         ConcreteRow{"C16/20", 16, 10.667, 1.905},
                                         ConcreteRow{"C20/25", 20, 13.333, 2.210},
                                         ConcreteRow{"C25/30", 25, 16.667, 2.565},
                                         ConcreteRow{"C30/37", 30, 20.000, 2.8965}, // 2.89647
                                         ConcreteRow{"C35/45", 35, 23.333, 3.210},
                                         ConcreteRow{"C40/50", 40, 26.667, 3.509},
                                         ConcreteRow{"C45/55", 45, 30.000, 3.795},
                                         ConcreteRow{"C50/60", 50, 33.333, 4.072}),
                         [](const auto &info) {
                             std::string name = info.param.Name;
                             name.erase(name.find('/'), 1);
                             return name;
                         });

TEST(ConcreteList, HoldsTheTableInOrderWithoutDerivedValues)
{
    const TBetKlassid list;
    ASSERT_EQ(list.Count, 9);
    EXPECT_EQ(list.Items(1).Name, "C12/15");
    EXPECT_EQ(list.Items(9).Name, "C50/60");
    const TBetKlass &c25 = list.Items(DefaultBetKlIndex);
    EXPECT_EQ(c25.Name, "C25/30");
    EXPECT_EQ(c25.fck, 25.0);
    EXPECT_EQ(c25.gc, 1.5);
    EXPECT_EQ(c25.alfacc, 1.0);
    EXPECT_EQ(c25.fcd, 0.0); // only a section's copy carries derived values
    EXPECT_EQ(c25.fctm, 0.0);
    EXPECT_EQ(list.Items(MinBetKlIndex).Name, "C16/20");
}

TEST(ConcreteList, IndexOutsideTheListThrows)
{
    const TBetKlassid list;
    EXPECT_THROW((void)list.Items(0), std::out_of_range);
    EXPECT_THROW((void)list.Items(10), std::out_of_range);
}

TEST(ConcreteAssign, OverwritesEveryStoredFieldAndLeavesTheSourceAlone)
{
    TBetKlass source(9); // C50/60
    source.gc = 1.2;
    source.alfacc = 0.85;
    TBetKlass dest(1);
    dest.fcd = dest.fctm = -1.0;
    source.Assign(dest);
    EXPECT_EQ(dest.Name, "C50/60");
    EXPECT_EQ(dest.gc, 1.2);
    EXPECT_EQ(dest.alfacc, 0.85);
    EXPECT_NEAR(dest.fcd, 50 / 1.2, 1e-12);
    EXPECT_NEAR(dest.fctm, 4.072, 0.0005);
    EXPECT_EQ(source.fcd, 0.0);
}

} // namespace
