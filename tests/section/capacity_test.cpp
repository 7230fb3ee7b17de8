#include "capacity.h"
#include "sectionfixture.h"

#include <cstdio>
#include <memory>
#include <string>

namespace
{

using CapacityTest = SectionTest;

// The figures as the window shows them: Valid, MRd, Msd / MRd, x / d, tension bars yield.
std::string Shown(const TCapacity &c)
{
    char s[80];
    std::snprintf(s, sizeof s, "%d %.2f %.2f %.2f %d", c.Valid, c.MRd, c.Utilisation, c.xOverD,
                  c.TensionYields);
    return s;
}

// Groups of exactly the required areas carry exactly Msd: the design and the check are one
// equilibrium. With a' = 40 mm the top bars reach fycd at the limit (0.0035 (0.2807 - 0.04)
// / 0.2807 > 400 / 200000). Top bars the design does not need must not count (50 cm2).
TEST_F(CapacityTest, RequiredAreasCarryTheDesignMoment)
{
    for (double bw : {0.0, 0.1, 0.2, 0.6}) // 0: the rectangle
        for (double hf : {0.0, 0.1, 0.25, 0.5})
            for (double msd = 10; msd <= 1000; msd += 10) {
                TRPLRistLoige slab;
                TRistLoige rect, &rl = bw > 0 ? slab : rect;
                slab.bw = bw;
                slab.hf = hf;
                rl.Msd = msd;
                ASSERT_TRUE(Design(rl));
                rl.AArmatuur.AsProv = cm2(rl.As);
                rl.YArmatuur.AsProv = rl.NeedsCompressionSteel() ? cm2(rl.Asc) : 50;
                const TCapacity c = ChosenBarsCapacity(rl);
                EXPECT_NEAR(c.MRd, msd, 1e-9 * msd) << bw << " " << hf << " " << msd;
                EXPECT_TRUE(c.TensionYields) << bw << " " << hf << " " << msd;
            }
}

// By hand (A = 16.667, fyd = 434.78, fycd = 400 MPa, d = 0.455 m, xilim = 0.6169, cm2; bars
// below yield carry 700 (d - x) / x MPa, 0.8 A b = 5.3333 MN/m):
// rect: top bars at fycd, 0.3217 MN: 5.3333 x + 0.3217 = 48.2549e-4 700 (d - x) / x, x = 0.29228
//   > xilim d; MRd = 5.3333 x (d - 0.4 x) + 0.3217 (d - 0.04) = 660.53 kNm.
// web: 6/25 at fyd, 1.28054 MN = A (0.06 + 0.2 w), w = 0.8 x - hf = 0.08416, x = 0.2302;
//   MRd = A (0.06 (d - 0.05) + 0.2 w (d - 0.1 - w / 2)) = 492.79 kNm.
// deep a': the required areas; at xilim d = 0.28067 the top bars carry 700 (0.13067 / 0.28067)
//   = 326 < 400 MPa: 5.3333 x + 11.2264e-4 700 (x - 0.15) / x = 44.7572e-4 700 (d - x) / x,
//   x = 0.28404, sigma' = 330.3 MPa; MRd = 5.3333 x (d - 0.4 x) + 11.2264e-4 330.3 0.305 = 630.26:
//   Msd / MRd = 1.03 although both areas are met.
// pulled: both at fyd, top bars in tension: 5.3333 x = (0.5027 + 2.2619)e-4 434.78, x = 0.02254
//   < 0.617 d2; MRd = 0.1202 (d - 0.4 x) - 2.2619e-4 434.78 (d - 0.04) = 12.79 kNm.
TEST_F(CapacityTest, HandFiguresToTheDisplayedDecimals)
{
    struct Row {
        const char *Name;
        bool Ribbed;
        double ap, Msd, AsProv, AscProv;
        const char *Shown;
    };
    for (const Row &r :
         {Row{"rect", 0, 0.04, 550, BarArea(6, 32), BarArea(4, 16), "1 660.53 0.83 0.64 0"},
          Row{"web", 1, 0.04, 450, BarArea(6, 25), BarArea(4, 16), "1 492.79 0.91 0.51 1"},
          Row{"deep a'", 0, 0.15, 650, 44.7572, 11.2264, "1 630.26 1.03 0.62 0"},
          Row{"pulled", 0, 0.04, 550, BarArea(1, 8), BarArea(2, 12), "1 12.79 42.99 0.05 1"},
          Row{"no tension bars", 1, 0.04, 550, 0, 8, "0 0.00 0.00 0.00 1"},
          Row{"negative top bars", 0, 0.04, 550, 48, -8, "0 0.00 0.00 0.00 1"}}) {
        std::unique_ptr<TRistLoige> rl(r.Ribbed ? new TRPLRistLoige : new TRistLoige);
        rl->ap = r.ap;
        rl->Msd = r.Msd;
        ASSERT_TRUE(Design(*rl));
        rl->AArmatuur.AsProv = r.AsProv;
        rl->YArmatuur.AsProv = r.AscProv;
        EXPECT_EQ(Shown(ChosenBarsCapacity(*rl)), r.Shown) << r.Name;
    }
}

// No figure without a design, nor one left from an earlier design.
TEST_F(CapacityTest, NoFigureWithoutADesign)
{
    for (bool ribbed : {false, true}) {
        std::unique_ptr<TRistLoige> rl(ribbed ? new TRPLRistLoige : new TRistLoige);
        EXPECT_EQ(Shown(ChosenBarsCapacity(*rl)), Shown({})) << "never designed";
        ASSERT_TRUE(Design(*rl));
        rl->Msd = -5;
        EXPECT_FALSE(rl->Calculate());
        EXPECT_EQ(Shown(ChosenBarsCapacity(*rl)), Shown({})) << "failed after a design";
    }
}

} // namespace
