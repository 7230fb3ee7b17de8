// What a class copy derives from its row, against figures worked by hand: fcd = fck / 1.5,
// fctm = 0.3 fck^(2/3); fyd = fyk / 1.15, fycd = min(fyd, 400). The window's class boxes and
// the section files check the names of every row.
#include "armklass.h"
#include "betklass.h"

#include <gtest/gtest.h>

namespace
{

TEST(Materials, CopiesDeriveTheirDesignValues)
{
    const TBetKlassid concretes;
    const TArmKlassid steels;
    ASSERT_EQ(concretes.Count * 10 + steels.Count, 96);
    struct Row {
        int Index;
        const char *Name;
        double Design, Other; // fcd, fctm or fyd, fycd; MPa
    };
    for (const Row &r : {Row{1, "C12/15", 8.000, 1.572}, Row{4, "C25/30", 16.667, 2.565},
                         Row{9, "C50/60", 33.333, 4.072}}) {
        TBetKlass copy(9); // Assign overwrites every field
        copy.gc = copy.alfacc = copy.fcd = copy.fctm = 7.0;
        concretes.Items(r.Index).Assign(copy);
        EXPECT_EQ(concretes.Items(r.Index).fcd, 0.0) << "the list's own items derive nothing";
        EXPECT_EQ(copy.Name, r.Name);
        EXPECT_EQ(copy.gc * copy.alfacc, 1.5);
        EXPECT_NEAR(copy.fcd, r.Design, 5e-4) << r.Name;
        EXPECT_NEAR(copy.fctm, r.Other, 5e-4) << r.Name;
    }
    for (const Row &r : {Row{1, "A400", 347.826, 347.826}, Row{3, "A600", 521.739, 400.0},
                         Row{6, "S235", 204.348, 204.348}}) {
        TArmKlass copy(2);
        copy.Es = copy.gs = copy.fyd = copy.fycd = 7.0;
        steels.Items(r.Index).Assign(copy);
        EXPECT_EQ(steels.Items(r.Index).fyd, 0.0) << "the list's own items derive nothing";
        EXPECT_EQ(copy.Name, r.Name);
        EXPECT_DOUBLE_EQ(copy.Es * copy.gs, 230.0);
        EXPECT_NEAR(copy.fyd, r.Design, 5e-4) << r.Name;
        EXPECT_NEAR(copy.fycd, r.Other, 5e-4) << r.Name;
    }
    EXPECT_THROW((void)concretes.Items(0), std::out_of_range);
    EXPECT_THROW((void)concretes.Items(10), std::out_of_range);
    EXPECT_THROW((void)steels.Items(7), std::out_of_range);
}

} // namespace
