// Capacity of the chosen bars. By hand: A = 25 / 1.5 = 16.667 MPa, fyd = 434.78 MPa,
// Es 0.0035 = 700 MPa, fycd = 400 MPa, d = 0.455 m, xilim = 0.61686; areas in cm2.
#include "capacity.h"
#include "sectionfixture.h"

#include <memory>

namespace
{

using CapacityTest = SectionTest;

// Groups of exactly the required areas carry exactly Msd at the design's x: the design and
// the check are one equilibrium. With a' = 40 mm the top bars reach fycd at the limit
// (0.0035 (0.2807 - 0.04) / 0.2807 > 400 / 200000). Top bars not needed must not count.
TEST_F(CapacityTest, RequiredAreasCarryTheDesignMoment)
{
    for (double bw : {0.0, 0.1, 0.2, 0.6}) // 0: the rectangle
        for (double hf : {0.0, 0.1, 0.25, 0.5})
            for (double msd = 10; msd <= 1000; msd += 10) {
                TRPLRistLoige slab;
                TRistLoige rect;
                TRistLoige &rl = bw > 0 ? static_cast<TRistLoige &>(slab) : rect;
                slab.bw = bw;
                slab.hf = hf;
                rl.Msd = msd;
                ASSERT_TRUE(Design(rl));
                rl.AArmatuur.AsProv = cm2(rl.As);
                rl.YArmatuur.AsProv = rl.NeedsCompressionSteel() ? cm2(rl.Asc) : 50;
                const TCapacity c = ChosenBarsCapacity(rl);
                ASSERT_TRUE(c.Valid) << bw << " " << hf << " " << msd;
                EXPECT_NEAR(c.MRd, msd, 1e-9 * msd) << bw << " " << hf << " " << msd;
                EXPECT_NEAR(c.x, rl.x, 1e-9) << bw << " " << hf << " " << msd;
                EXPECT_TRUE(c.TensionYields) << bw << " " << hf << " " << msd;
            }
}

// Rectangle, 550 kNm, 6/32 = 48.2549 and 4/16 = 8.0425 (0.3217 MN at fycd); bars elastic:
//   5.3333 x + 0.3217 = 48.2549e-4 700 (0.455 - x) / x:  5.3333 x^2 + 3.6995 x - 1.5369 = 0,
//   x = 0.29228 (x/d 0.642 > xilim), eps' = 0.0035 (0.2523 / 0.2923) = 0.0030, at fycd;
//   MRd = 5.3333 x (0.455 - 0.4 x) + 0.3217 0.415 = 0.52702 + 0.13351 MNm = 660.53 kNm.
// Slab, same: Fc = A (b hf + bw (0.8 x - hf)) = 0.6667 + 2.6667 x; 2.6667 x^2 + 4.3662 x
//   - 1.5369 = 0, x = 0.29783, w = 0.8 x - hf = 0.13826; MRd = A (0.06 0.405 + 0.2 w (0.355
//   - w / 2)) + 0.13351 = 0.53675 + 0.13351 MNm = 670.25 kNm.
// Slab, 450 kNm, 6/25 = 29.4524 at fyd: 1.28054 MN = A (0.06 + 0.2 w), w = 0.08416,
//   x = 0.18416 / 0.8 = 0.23020; MRd = A (0.0243 + 0.2 w (0.355 - w / 2)) = 492.79 kNm.
// Rectangle, a' 150 mm, 650 kNm, the areas required: Asc = (650 - 513.04) / (0.305 400 000)
//   = 11.2264, As = (0.49349 A b d + 400 Asc) / fyd = 44.7572. At xilim d = 0.28067 the top
//   bars carry 700 (0.13067 / 0.28067) = 326 < 400 MPa, so x goes deeper: 5.3333 x^2 + 3.9189 x
//   - 1.5434 = 0, x = 0.28404, sigma' = 330.3 MPa; MRd = 5.3333 x (0.455 - 0.4 x) + 11.2264e-4
//   330.3 0.305 = 0.51716 + 0.11311 MNm = 630.26 kNm: Msd / MRd = 1.03, each area met.
// Rectangle, 550 kNm, 1/8 = 0.5027 and 2/12 = 2.2619, the top bars yielding in tension:
//   0.8 A b x = 2.7646e-4 434.78 = 0.12020 MN, x = 0.022538 < 0.617 d2 (eps' = -0.0027);
//   MRd = 0.12020 (0.455 - 0.4 x) - 2.2619e-4 434.78 0.415 = 0.053607 - 0.040813 = 12.79 kNm.
TEST_F(CapacityTest, HandFiguresToTheDisplayedDecimals)
{
    struct Row {
        const char *Name;
        bool Ribbed;
        double ap, Msd, AsProv, AscProv, MRd, Utilisation, xOverD;
        bool Yields, Met; // tension bars yield; both groups at least the required areas
    };
    for (const Row &r :
         {Row{"rect", false, 0.04, 550, BarArea(6, 32), BarArea(4, 16), 660.53, 0.83, 0.64, 0, 1},
          Row{"slab", true, 0.04, 550, BarArea(6, 32), BarArea(4, 16), 670.25, 0.82, 0.65, 0, 1},
          Row{"web", true, 0.04, 450, BarArea(6, 25), BarArea(4, 16), 492.79, 0.91, 0.51, 1, 1},
          Row{"deep a'", false, 0.15, 650, 44.7572, 11.2264, 630.26, 1.03, 0.62, 0, 1},
          Row{"pulled", false, 0.04, 550, BarArea(1, 8), BarArea(2, 12), 12.79, 42.99, 0.05, 1,
              0}}) {
        std::unique_ptr<TRistLoige> rl(r.Ribbed ? new TRPLRistLoige : new TRistLoige);
        rl->ap = r.ap;
        rl->Msd = r.Msd;
        ASSERT_TRUE(Design(*rl));
        rl->AArmatuur.AsProv = r.AsProv;
        rl->YArmatuur.AsProv = r.AscProv;
        EXPECT_EQ(r.AsProv >= cm2(rl->As) && r.AscProv >= cm2(rl->Asc), r.Met) << r.Name;
        const TCapacity c = ChosenBarsCapacity(*rl);
        EXPECT_TRUE(c.Valid) << r.Name;
        EXPECT_NEAR(c.MRd, r.MRd, 0.005) << r.Name;
        EXPECT_NEAR(c.Utilisation, r.Utilisation, 0.005) << r.Name;
        EXPECT_NEAR(c.xOverD, r.xOverD, 0.005) << r.Name;
        EXPECT_EQ(c.TensionYields, r.Yields) << r.Name;
    }
}

// No figure without a design or tension bars, nor one left from an earlier design.
TEST_F(CapacityTest, NoCapacityWithoutADesignOrTensionBars)
{
    struct Edge {
        const char *Name;
        double Msd, AsProv, AscProv;
        bool Designed;
    };
    for (const Edge e :
         {Edge{"never designed", 550, 48.25, 8, false}, Edge{"failed", -5, 48.25, 8, true},
          Edge{"no tension bars", 550, 0, 8, true},
          Edge{"negative top bars", 550, 48.25, -8, true}})
        for (bool ribbed : {false, true}) {
            std::unique_ptr<TRistLoige> rl(ribbed ? new TRPLRistLoige : new TRistLoige);
            if (e.Designed) {
                ASSERT_TRUE(Design(*rl));
                rl->Msd = e.Msd;
                rl->Calculate();
            }
            rl->AArmatuur.AsProv = e.AsProv;
            rl->YArmatuur.AsProv = e.AscProv;
            const TCapacity c = ChosenBarsCapacity(*rl);
            EXPECT_FALSE(c.Valid) << e.Name;
            EXPECT_EQ(c.MRd + c.Utilisation + c.x + c.xOverD, 0.0) << e.Name;
        }
}

} // namespace
