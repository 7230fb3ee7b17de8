// The concrete and steel tables and what a class copy derives from a row, against figures
// worked by hand: fcd = fck / 1.5, fctm = 0.3 fck^(2/3); fyd = fyk / 1.15, fycd = min(fyd, 400).
#include "armklass.h"
#include "betklass.h"

#include <gtest/gtest.h>

namespace
{

TEST(Materials, RowsAndTheirDesignValues)
{
    struct Row {
        const char *Name;
        double Strength, Design, Other; // fck, fcd, fctm or fyk, fyd, fycd; MPa
    } concrete[] = {{"C12/15", 12, 8.000, 1.572},   {"C16/20", 16, 10.667, 1.905},
                    {"C20/25", 20, 13.333, 2.210},  {"C25/30", 25, 16.667, 2.565},
                    {"C30/37", 30, 20.000, 2.8965}, {"C35/45", 35, 23.333, 3.210},
                    {"C40/50", 40, 26.667, 3.509},  {"C45/55", 45, 30.000, 3.795},
                    {"C50/60", 50, 33.333, 4.072}},
      steel[] = {{"A400", 400, 347.826, 347.826},  {"A500", 500, 434.783, 400.0},
                 {"A600", 600, 521.739, 400.0},    {"A-I", 235, 204.348, 204.348},
                 {"A-III", 390, 339.130, 339.130}, {"S235", 235, 204.348, 204.348}};
    const TBetKlassid concretes;
    const TArmKlassid steels;
    ASSERT_EQ(concretes.Count * 10 + steels.Count, 96);
    for (int i = 1; i <= concretes.Count; ++i) {
        const Row &row = concrete[i - 1];
        TBetKlass copy(9); // Assign overwrites every field
        copy.gc = copy.alfacc = copy.fcd = copy.fctm = 7.0;
        concretes.Items(i).Assign(copy);
        EXPECT_EQ(concretes.Items(i).fcd, 0.0) << "the list's own items derive nothing";
        EXPECT_EQ(copy.Name + " " + std::to_string(copy.fck),
                  row.Name + (" " + std::to_string(row.Strength)));
        EXPECT_EQ(copy.gc * copy.alfacc, 1.5);
        EXPECT_NEAR(copy.fcd, row.Design, 5e-4) << row.Name;
        EXPECT_NEAR(copy.fctm, row.Other, 5e-4) << row.Name;
    }
    for (int i = 1; i <= steels.Count; ++i) { // A-I and S235 differ in their names alone
        const Row &row = steel[i - 1];
        TArmKlass copy(3);
        copy.Es = copy.gs = copy.fyd = copy.fycd = 7.0;
        steels.Items(i).Assign(copy);
        EXPECT_EQ(steels.Items(i).fyd, 0.0) << "the list's own items derive nothing";
        EXPECT_EQ(copy.Name + " " + std::to_string(copy.fyk),
                  row.Name + (" " + std::to_string(row.Strength)));
        EXPECT_DOUBLE_EQ(copy.Es * copy.gs, 230.0);
        EXPECT_NEAR(copy.fyd, row.Design, 5e-4) << row.Name;
        EXPECT_NEAR(copy.fycd, row.Other, 5e-4) << row.Name;
    }
    EXPECT_EQ(concretes.Items(DefaultBetKlIndex).Name + concretes.Items(MinBetKlIndex).Name,
              "C25/30C16/20");
    EXPECT_EQ(steels.Items(DefaultAArmKlIndex).Name + steels.Items(DefaultYArmKlIndex).Name,
              "A500A500");
    EXPECT_THROW((void)concretes.Items(0), std::out_of_range);
    EXPECT_THROW((void)concretes.Items(10), std::out_of_range);
    EXPECT_THROW((void)steels.Items(7), std::out_of_range);
}

} // namespace
