// Ribbed slab: defaults flange 600 x 100 mm, web 200 mm, h 500 mm, a 45 mm, a' 40 mm,
// C25/30 and A500. With A = 16.667 MPa and d = 0.455 m:
//   M1 = mulim A bw d^2 = 0.25652 MNm, M2 = A (b - bw) hf (d - hf/2) = 0.27000 MNm,
//   Mf(0) = A b hf (d - hf/2) = 0.40500 MNm.
#include "sectionfixture.h"

#include <cmath>

namespace
{

using RibbedSlabTest = SectionTest;

TEST_F(RibbedSlabTest, DefaultsAndDesignValues)
{
    TRPLRistLoige rl;
    EXPECT_EQ(rl.b, 0.6);
    EXPECT_EQ(rl.h, 0.5);
    EXPECT_EQ(rl.bw, 0.2);
    EXPECT_EQ(rl.hf, 0.1);
    EXPECT_EQ(rl.Msd, 550.0);
    EXPECT_EQ(rl.AArmatuur.Arv, 6);
    EXPECT_EQ(rl.AArmatuur.D, 32);
    rl.CalcDesignValues();
    EXPECT_NEAR(cm2(rl.Asmin), 1.214, 0.0005); // rhomin bw d
    EXPECT_NEAR(cm2(rl.Asmax), 56.00, 0.005);  // 0.04 (bw h + (b - bw) hf)
}

struct SlabRow {
    const char *Name;
    double Msd;
    bool Compression, InWeb;
    double As, Asc, lambdax; // cm2, cm2, m
    bool UnderMin;
};

class RibbedSlabMoment : public SectionTest, public testing::WithParamInterface<SlabRow>
{
};

TEST_P(RibbedSlabMoment, RequiredReinforcementAndStressBlock)
{
    const SlabRow row = GetParam();
    TRPLRistLoige rl;
    rl.Msd = row.Msd;
    ASSERT_TRUE(Design(rl));
    EXPECT_EQ(rl.NeedsCompressionSteel(), row.Compression);
    EXPECT_NEAR(cm2(rl.As), row.As, 0.0005);
    EXPECT_NEAR(cm2(rl.Asc), row.Asc, 0.0005);
    EXPECT_NEAR(rl.lambdax, row.lambdax, 0.000005);
    EXPECT_EQ(rl.AsUnderMin, row.UnderMin);
    EXPECT_FALSE(rl.AsOverMax || rl.AscOverMax);
    EXPECT_EQ(rl.StressBlockInWeb(), row.InWeb);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, RibbedSlabMoment,
    testing::Values(SlabRow{"Zero", 0, false, false, 0, 0, 0, true},
                    SlabRow{"Flange300", 300, false, false, 16.459, 0, 0.07156, false},
                    SlabRow{"Web450", 450, false, true, 26.091, 0, 0.14032, false},
                    SlabRow{"WebWithCompression550", 550, true, true, 33.849, 1.415, 0.22454,
                            false}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(RibbedSlabTest, CompressionSteelWithTheBlockInsideAThickFlange)
{
    // hf = 0.4 m is deeper than the limiting block omegalim d = 0.2245 m: at the limit the
    // zone is a rectangle of width b carrying mulim A b d^2 = 769.55 kNm, so
    // Asc = (1.5 - 0.76955) / (0.415 * 400) = 44.003 cm2 and
    // As = (omegalim A b d + fycd Asc) / fyd = (2.24538 + 1.76012) / 434.783 = 92.126 cm2.
    // (Web plus overhangs, M1 + M2 = 1.0368 MNm, would leave the bars carrying 1333 kNm.)
    TRPLRistLoige rl;
    rl.hf = 0.4;
    rl.Msd = 1500;
    ASSERT_TRUE(Design(rl));
    EXPECT_TRUE(rl.NeedsCompressionSteel());
    EXPECT_NEAR(cm2(rl.Asc), 44.003, 0.0005);
    EXPECT_NEAR(cm2(rl.As), 92.126, 0.0005);
    EXPECT_FALSE(rl.StressBlockInWeb());
}

// Whatever the proportions, the design must be in equilibrium: the tension bars at fyd
// balance the concrete block and the compression bars, their moment about the tension
// bars is the design moment, and the block never goes below the limiting depth.
TEST_F(RibbedSlabTest, EveryDesignCarriesItsMomentWithinTheLimitingDepth)
{
    // A cover of 200 mm puts the bars above a flange deeper than d.
    for (double a : {0.045, 0.2})
        for (double bw : {0.1, 0.2, 0.4, 0.6})
            for (double hf : {0.0, 0.05, 0.1, 0.2, 0.2245, 0.25, 0.3, 0.4, 0.5})
                for (double msd = 0; msd <= 2500; msd += 25) {
                    TRPLRistLoige rl;
                    rl.a = a;
                    rl.bw = bw;
                    rl.hf = hf;
                    rl.Msd = msd;
                    ASSERT_TRUE(Design(rl));
                    const double A = rl.BetKlass.alfacc * rl.BetKlass.fcd;
                    const double fycd = rl.YArmKlass.fycd;
                    const double lx = rl.lambdax, d = rl.d;
                    // Concrete force (MN) and its moment about the tension bars (MNm).
                    double C = 0, M = 0;
                    if (lx <= hf) {
                        C = A * rl.b * lx;
                        M = C * (d - lx / 2);
                    } else {
                        C = A * rl.b * hf + A * bw * (lx - hf);
                        M = A * rl.b * hf * (d - hf / 2) + A * bw * (lx - hf) * (d - (hf + lx) / 2);
                    }
                    M += fycd * rl.Asc * (d - rl.d2);
                    const std::string where = "a " + std::to_string(a) + " bw " +
                                              std::to_string(bw) + " hf " + std::to_string(hf) +
                                              " Msd " + std::to_string(msd);
                    EXPECT_NEAR(rl.As * rl.AArmKlass.fyd, C + fycd * rl.Asc, 1e-9) << where;
                    EXPECT_NEAR(M, 0.001 * msd, 1e-9) << where;
                    EXPECT_LE(lx, rl.omegalim * d + 1e-12) << where;
                }
}

TEST_F(RibbedSlabTest, WebAsWideAsTheFlangeIsARectangle)
{
    for (double hf : {0.0, 0.1, 0.3}) {
        TRPLRistLoige slab;
        TRistLoige rect;
        slab.b = slab.bw = 0.4;
        slab.hf = hf;
        ASSERT_TRUE(Design(slab));
        ASSERT_TRUE(Design(rect));
        EXPECT_NEAR(cm2(slab.As), 36.477, 0.0005) << "hf " << hf;
        EXPECT_NEAR(cm2(slab.Asc), 2.227, 0.0005) << "hf " << hf;
        EXPECT_NEAR(slab.As, rect.As, 1e-12);
        EXPECT_NEAR(slab.Asc, rect.Asc, 1e-12);
        EXPECT_NEAR(cm2(slab.Asmin), 2.427, 0.0005);
        EXPECT_NEAR(cm2(slab.Asmax), 80.00, 0.005);
    }
}

TEST_F(RibbedSlabTest, NoFlangeIsARectangleOfTheWebWidth)
{
    struct Case {
        double Msd, As, Asc;
    };
    for (const Case c : {Case{200, 12.267, 0.0}, Case{300, 19.624, 2.619}}) {
        TRPLRistLoige rl;
        rl.hf = 0;
        rl.Msd = c.Msd;
        ASSERT_TRUE(Design(rl));
        EXPECT_TRUE(rl.StressBlockInWeb());
        EXPECT_NEAR(cm2(rl.As), c.As, 0.0005) << c.Msd;
        EXPECT_NEAR(cm2(rl.Asc), c.Asc, 0.0005) << c.Msd;
        EXPECT_NEAR(cm2(rl.Asmax), 40.00, 0.005);
    }
}

TEST_F(RibbedSlabTest, WebWiderThanTheFlange)
{
    TRPLRistLoige rl;
    rl.bw = 0.8;
    rl.Msd = 300;
    ASSERT_TRUE(Design(rl));
    EXPECT_FALSE(rl.NeedsCompressionSteel());
    EXPECT_FALSE(rl.StressBlockInWeb());
    EXPECT_NEAR(cm2(rl.As), 16.459, 0.0005);
    EXPECT_NEAR(cm2(rl.Asmin), 4.855, 0.0005);
    EXPECT_NEAR(cm2(rl.Asmax), 152.00, 0.005); // negative overhang term
}

TEST_F(RibbedSlabTest, BothCoversAtMidDepthGiveAFlaggedCompressionArea)
{
    TRPLRistLoige rl;
    rl.a = rl.ap = 0.25;
    ASSERT_TRUE(Design(rl));
    EXPECT_NEAR(cm2(rl.Asc), 600.00, 0.005); // 10 rhomax b d, far above Asmax
    EXPECT_TRUE(rl.AscOverMax);
    EXPECT_TRUE(rl.AsOverMax);
    EXPECT_TRUE(rl.StressBlockInWeb());
    EXPECT_NEAR(cm2(rl.As), 576.79, 0.005);
}

TEST_F(RibbedSlabTest, DecisionLimitsAreStrict)
{
    TRPLRistLoige rl;
    rl.CalcDesignValues();
    const double A = rl.BetKlass.alfacc * rl.BetKlass.fcd;
    const double m1 = rl.mulim * A * rl.bw * rl.d * rl.d;
    const double m2 = A * (rl.b - rl.bw) * rl.hf * (rl.d - 0.5 * rl.hf);
    const double mf = A * rl.b * rl.hf * (rl.d - 0.5 * rl.hf);
    EXPECT_NEAR(m1, 0.25652, 5e-6);
    EXPECT_NEAR(m2, 0.27000, 5e-6);
    EXPECT_NEAR(mf, 0.40500, 5e-6);
    struct Case {
        double Msd;
        bool Compression, InWeb;
    };
    const double eps = 1e-6; // kNm
    for (const Case c :
         {Case{1000 * mf - eps, false, false}, Case{1000 * mf + eps, false, true},
          Case{1000 * (m1 + m2) - eps, false, true}, Case{1000 * (m1 + m2) + eps, true, true}}) {
        rl.Msd = c.Msd;
        ASSERT_TRUE(rl.Calculate());
        EXPECT_EQ(rl.NeedsCompressionSteel(), c.Compression) << c.Msd;
        EXPECT_EQ(rl.StressBlockInWeb(), c.InWeb) << c.Msd;
    }
}

TEST_F(RibbedSlabTest, TensionAreaGrowsSteadilyAcrossBothLimits)
{
    TRPLRistLoige rl;
    rl.CalcDesignValues();
    double previous = 0.0;
    for (double msd = 0; msd <= 1200; msd += 0.5) {
        rl.Msd = msd;
        ASSERT_TRUE(rl.Calculate());
        EXPECT_GE(rl.As, previous) << msd;
        EXPECT_LT(rl.As - previous, 0.00005) << "a jump at " << msd; // 0.5 cm2 per step
        previous = rl.As;
    }
}

TEST_F(RibbedSlabTest, AssignRPLCopiesFlangeAndWebIntoTheArgument)
{
    TRPLRistLoige source, dest;
    source.bw = 0.3;
    source.hf = 0.15;
    source.Msd = 200;
    source.AssignRPL(dest);
    EXPECT_EQ(dest.bw, 0.3);
    EXPECT_EQ(dest.hf, 0.15);
    EXPECT_EQ(dest.Msd, 200.0);
    // Assign ran CalcDesignValues before bw arrived: the minimum area follows at the
    // owner's next CalcDesignValues.
    EXPECT_NEAR(dest.Asmin, dest.rhomin * 0.2 * dest.d, 1e-15);
    dest.CalcDesignValues();
    EXPECT_NEAR(dest.Asmin, dest.rhomin * 0.3 * dest.d, 1e-15);
    EXPECT_EQ(source.bw, 0.3);
}

TEST_F(RibbedSlabTest, ZeroHeightFlangeOrRibCannotBeDesigned)
{
    // Without a rib the tension bars have no place (and with compression steel the
    // flange-or-web decision would be left to rounding); a flange thicker than the section
    // is no T at all. A flange exactly as thick as the section is a rectangle of width b.
    struct Case {
        const char *Name;
        double b, h, bw, Msd, hf = 0.1;
    };
    for (const Case c :
         {Case{"no height", 0.6, 0, 0.2, 550}, Case{"no flange", 0, 0.5, 0.2, 550},
          Case{"no rib", 0.6, 0.5, 0, 550}, Case{"no rib, small moment", 0.6, 0.5, 0, 100},
          Case{"negative rib", 0.6, 0.5, -0.1, 550},
          Case{"flange thicker than the section", 0.6, 0.5, 0.2, 550, 0.5001}}) {
        TRPLRistLoige rl;
        rl.b = c.b;
        rl.h = c.h;
        rl.bw = c.bw;
        rl.hf = c.hf;
        rl.Msd = c.Msd;
        EXPECT_FALSE(Design(rl)) << c.Name;
        EXPECT_EQ(rl.As, 0.0) << c.Name;
        EXPECT_EQ(rl.Asc, 0.0) << c.Name;
        EXPECT_EQ(rl.x, 0.0) << c.Name;
    }
}

} // namespace
