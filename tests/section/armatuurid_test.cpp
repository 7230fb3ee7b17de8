#include "armatuurid.h"

#include <gtest/gtest.h>

namespace
{

TEST(BarGroup, StartsWithFourBarsOfSixteen)
{
    const TArmatuurid group;
    EXPECT_EQ(group.D, 16);
    EXPECT_EQ(group.Arv, 4);
    EXPECT_EQ(group.AsReq, 0.0);
    EXPECT_NEAR(group.AsProv, 8.0425, 0.00005);
}

TEST(BarGroup, AreaOfBars)
{
    struct Case {
        int Arv, D;
        double AsProv; // cm2, n * pi * D^2 / 400
    };
    for (const Case c : {Case{6, 32, 48.2549}, Case{1, 10, 0.7854}, Case{1, 6, 0.2827},
                         Case{10, 40, 125.6637}, Case{0, 16, 0.0}, Case{4, 0, 0.0}}) {
        TArmatuurid group;
        group.Arv = c.Arv;
        group.D = c.D;
        group.CalcArea();
        EXPECT_NEAR(group.AsProv, c.AsProv, 0.00005) << c.Arv << " x " << c.D;
    }
}

TEST(BarGroup, AssignCopiesEveryFieldAsItStands)
{
    TArmatuurid source;
    source.D = 25;
    source.Arv = 3;
    source.AsReq = 12.5;
    source.AsProv = 1.0; // deliberately stale: Assign must not recompute it
    TArmatuurid dest;
    source.Assign(dest);
    EXPECT_EQ(dest.D, 25);
    EXPECT_EQ(dest.Arv, 3);
    EXPECT_EQ(dest.AsReq, 12.5);
    EXPECT_EQ(dest.AsProv, 1.0);
}

} // namespace
