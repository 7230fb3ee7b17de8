// Shear. By hand: d 455, C25/30, A500 links (fywd 434.78), 2 Ø8 / 200 = 5.03 cm2/m, 6 Ø32 (rho_l
// capped at 0.02): k = 1 + sqrt(200 / 455) = 1.6630, VRd,c = 0.12 k (100 0.02 25)^(1/3) bw d =
// 0.73517 bw d = 133.80 (bw 400), 66.90 kN (200). K = bw 409.5 0.54 16.667 = 1474.2, 737.1 kN;
// VRd,max = K / 2.9 (cot 2.5), K / 2 (cot 1); minimum 3.20, 1.60 cm2/m. Rectangle 200 kN: 200e3
// / (409.5 434.78 2.5) = 4.49 cm2/m; VRd,s = 223.74 kN. Slab 300 kN: cot + tan = 737.1 / 300 =
// 2.4570, cot = (2.4570 + sqrt(2.4570^2 - 4)) / 2 = 1.9421, 8.68 cm2/m, VRd,s 173.81. No bars:
// vmin = 0.035 k^1.5 5 = 0.3753 MPa, 68.30 kN. 0.75 d = 341.25 mm.
#include "classes.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

struct Worked {
    const char *Name, *Flags; // N links needed, W web too small, L links and S spacing suffice
    bool Ribbed;
    double Vsd, AsProv, s; // kN, cm2, m
    double Expected[6];    // VRdc, CotTheta, VRdMax, VRdMaxAtOne (kN), AswReq (cm2/m), VRds
};
const Worked Rows[] = {
    {"Rectangle200", "NLS", false, 200, 48.25, 0.2, {133.80, 2.5, 508.34, 737.1, 4.49, 223.74}},
    {"NoBarsNoLinks", "LS", false, 50, 0, 0.2, {68.30, 2.5, 508.34, 737.1, 3.2, 223.74}},
    {"SpacedOut", "", false, 100, 48.25, 0.35, {133.80, 2.5, 508.34, 737.1, 3.2, 127.85}},
    {"SlabTheta300", "NS", true, 300, 48.25, 0.2, {66.90, 1.9421, 300, 368.55, 8.68, 173.81}},
    {"SlabWebTooSmall", "NWS", true, 600, 48.25, 0.2, {66.90, 0, 0, 368.55, 0, 0}},
    {"NegativeShear", "LS", true, -1, 48.25, 0.2, {}}, // not valid: all zeros
    {"InfiniteLinks", "LS", true, 200, 48.25, 1e-308, {}},
};

TEST(Shear, WorkedRowsAndProperties)
{
    TClassesScope classes;
    TRistLoige Rect;
    TRPLRistLoige Slab;
    auto Designed = [&](bool Ribbed) -> TRistLoige & {
        TRistLoige &rl = Ribbed ? Slab : Rect;
        rl.CalcDesignValues();
        rl.Calculate();
        return rl;
    };
    for (const Worked &w : Rows) {
        TRistLoige &rl = Designed(w.Ribbed);
        std::tie(rl.Nihe.Vsd, rl.AArmatuur.AsProv, rl.Nihe.s) = std::tuple(w.Vsd, w.AsProv, w.s);
        const TShear r = ShearOf(rl);
        EXPECT_TRUE(r.Valid == (w.Expected[0] > 0) && (r.Valid || r == TShear{})) << w.Name;
        const double got[] = {r.VRdc, r.CotTheta, r.VRdMax, r.VRdMaxAtOne, r.AswReq, r.VRds};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(got[i], w.Expected[i], i == 1 ? 6e-5 : 6e-3) << w.Name << i;
        EXPECT_EQ(std::string(r.LinksNeeded ? "N" : "") + (r.WebTooSmall ? "W" : "") +
                      (r.LinksOk ? "L" : "") + (r.SpacingOk ? "S" : ""),
                  w.Flags)
            << w.Name;
    }
    // A slab with bw = b is the rectangle; an undesignable one has nothing. Each class: VRd,c
    // grows with the bars until rho_l is 0.02, then stays; up to Vsd = K / 2 the strut carries
    // Vsd, links never fall nor jump (but where Vsd passes VRd,c), exactly them carry Vsd.
    std::tie(Slab.bw, Slab.b, Slab.Nihe, Slab.AArmatuur.AsProv) =
        std::tuple(Rect.b, Rect.b, Rect.Nihe, Rect.AArmatuur.AsProv);
    EXPECT_EQ(ShearOf(Designed(true)), ShearOf(Designed(false)));
    Slab.b = 0;
    EXPECT_EQ(ShearOf(Designed(true)), TShear{});
    for (int c = 1; c <= BetKlassid->Count; ++c)
        for (int l = 1; l <= ArmKlassid->Count; ++l) {
            TRistLoige &rl = Designed(false);
            BetKlassid->Items(c).Assign(rl.BetKlass);
            ArmKlassid->Items(l).Assign(rl.RArmKlass);
            double previous = 0.0, limit = 0.02 * rl.b * rl.d * 1e4; // cm2
            for (int i = 0; i <= 40; ++i) {
                rl.AArmatuur.AsProv = limit * i / 20;
                const double before = std::exchange(previous, ShearOf(rl).VRdc);
                ASSERT_TRUE(i <= 21 ? previous >= before : previous == before) << c << l << i;
            }
            rl.Nihe = {0, 8, 2, 0.2};
            TShear last = ShearOf(rl);
            for (int i = 1; i <= 3000; ++i) {
                const double v = rl.Nihe.Vsd = last.VRdMaxAtOne * i / 3000;
                const TShear r = ShearOf(rl);
                ASSERT_TRUE(r.Valid && !r.WebTooSmall && r.VRdMax >= v * (1 - 1e-9)) << c << l << i;
                ASSERT_GE(r.AswReq, last.AswReq) << c << l << i;
                ASSERT_TRUE(r.LinksNeeded != last.LinksNeeded || r.AswReq <= last.AswReq * 1.05);
                ASSERT_TRUE(!r.LinksNeeded || r.AswReq == r.AswMin ||
                            std::abs(r.VRds / r.AswProv * r.AswReq - v) < v * 1e-12);
                last = r;
            }
        }
}

} // namespace
