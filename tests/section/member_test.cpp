// By hand, C25/30, A500, d 455, 6 Ø32 = 48.255 cm2, sqrt(fck) 5, rho0 0.005, leff/d = 6 / 0.455.
// Span/depth. Rectangle 550: As 36.477, As' 2.226 cm2 over 400 455, rho 2.004 %, rho' 0.122 %:
// 11 + 0.0375 / 0.01882 + 5 sqrt(0.2447) / 12 = 13.199, 48.255 / 36.477 = 1.323: 17.46; 8 m end
// span 1.3 7 / 8 17.46 = 19.86. 100: As 5.253, rho 0.289 %, 11 + 7.5 1.733 + 16 0.733^1.5 = 34.02,
// capped 1.5, 0.4: 20.41. h 250, 150: As 21.904, As' 6.948 over 400 205: 13.598 1.5 1.5 = 30.60.
// Slab 550: As 33.849, As' 1.415 over 60000 + 200 355, 12.708 1.426 = 18.12 (0.7: 12.68); web
// 150: As 33.146, As' 3.245 over 113250, 12.736 1.456 0.8 = 14.83 (b > 3 bw).
// Anchorage: fctd = 0.7 2.565 / 1.5 = 1.197, fbd = 2.693; Ø32 at 434.78: 8 434.78 / 2.693 = 1291,
// 1.5 of it 1937; Ø16 at 400, top of a deep section: 4 400 / 0.7 2.693 = 849, 1273 (h 250: 594,
// 891); Ø40: eta2 0.92, 1755, 2632. gc 0.1 (fbd 40.4): Ø6 16 < 100, 200; Ø16 57 < 160, 240.
// Flange, slab 550: Fcf = A 200 100 = 333333 N of Fc = A (60000 + 200 124.54) + 400 141.45 N,
// 0.2265; vEd = Vsd / 409.5 0.2265 / 100; 0.4 fctd = 0.479, nu A = 9: 3.6 at cot 2, 4.5 at 1.
// 200: 1.106, 100 / (434.78 2) of it 1.27 cm2/m. 700: 3.872, cot + tan = 9 / 3.872, cot 1.755,
// 5.08. Web 150: Fcf / Fc = 375000 / 1441135, 1.271, 1.46 cm2/m.
#include "classes.h"
#include "member.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace
{

// Valid rho rho' (%) rho' shown, 7.16a, 310/sigma_s limit leff/d Ok | valid lbd l0, compression
// shown lbd l0 | valid vEd 0.4 fctd, steel needed, too thin, cot, Asf/sf.
std::string Shown(const TRistLoige &RL)
{
    const TSpanDepth s = SpanDepthOf(RL);
    const TAnchorage a = AnchorageOf(RL);
    const TFlangeShear f = FlangeShearOf(RL);
    char t[160];
    std::snprintf(t, sizeof t,
                  "%d %.2f %.2f %d%d %.2f %.2f %.1f %d|%d %.0f %.0f %d %.0f %.0f|%d %.2f %.2f %d%d "
                  "%.2f %.2f",
                  s.Valid, s.Rho * 100, s.RhoP * 100, s.RhoPShown, s.Lightly, s.SteelFactor,
                  s.Limit, s.Ratio, s.Ok, a.Valid, a.Tension.lbd, a.Tension.l0, a.CompressionShown,
                  a.Compression.lbd, a.Compression.l0, f.Valid, f.vEd, f.Threshold, f.SteelNeeded,
                  f.TooThin, f.CotTheta, f.AsfReq);
    return t;
}

const TSupport S = TSupport::Simple, E = TSupport::EndSpan, I = TSupport::InteriorSpan;
// Name, slab, Msd, bw, h, leff (partitions above 7 m), K, tension phi, gc after the design, Vsd.
const std::tuple<const char *, bool, double, double, double, double, TSupport, int, double, double,
                 const char *>
    Rows[] = {
        {"rectangle", 0, 550, 0, 0.5, 6, S, 32, 1.5, 200,
         "1 2.00 0.12 10 1.32 17.46 13.2 1|1 1291 1937 1 849 1273|0 0.00 0.00 00 0.00 0.00"},
        {"slab 200", 1, 550, 0.2, 0.5, 6, S, 32, 1.5, 200,
         "1 2.58 0.11 10 1.43 18.12 13.2 1|1 1291 1937 1 849 1273|1 1.11 0.48 10 2.00 1.27"},
        {"slab 72, 10 m", 1, 550, 0.2, 0.5, 10, S, 32, 1.5, 72,
         "1 2.58 0.11 10 1.43 12.68 22.0 0|1 1291 1937 1 849 1273|1 0.40 0.48 00 2.00 0.00"},
        {"slab 700", 1, 550, 0.2, 0.5, 6, S, 32, 1.5, 700,
         "1 2.58 0.11 10 1.43 18.12 13.2 1|1 1291 1937 1 849 1273|1 3.87 0.48 10 1.75 5.08"},
        {"slab 900", 1, 550, 0.2, 0.5, 6, S, 32, 1.5, 900,
         "1 2.58 0.11 10 1.43 18.12 13.2 1|1 1291 1937 1 849 1273|1 4.98 0.48 11 0.00 0.00"},
        {"slab web 150", 1, 550, 0.15, 0.5, 6, S, 32, 1.5, 200,
         "1 2.93 0.29 10 1.46 14.83 13.2 1|1 1291 1937 1 849 1273|1 1.27 0.48 10 2.00 1.46"},
        {"8 m end span, floors", 0, 550, 0, 0.5, 8, E, 6, 0.1, 200,
         "1 2.00 0.12 10 1.32 19.86 17.6 1|1 100 200 1 160 240|0 0.00 0.00 00 0.00 0.00"},
        {"cantilever 100, Ø40", 0, 100, 0, 0.5, 6, TSupport::Cantilever, 40, 1.5, 200,
         "1 0.29 0.00 01 1.50 20.41 13.2 1|1 1755 2632 0 0 0|0 0.00 0.00 00 0.00 0.00"},
        {"shallow", 0, 150, 0, 0.25, 6, I, 32, 1.5, 200,
         "1 2.67 0.85 10 1.50 30.60 29.3 1|1 1291 1937 1 594 891|0 0.00 0.00 00 0.00 0.00"},
        {"no moment", 1, 0, 0.2, 0.5, 6, S, 32, 1.5, 200,
         "0 0.00 0.00 00 0.00 0.00 0.0 1|1 1291 1937 0 0 0|0 0.00 0.00 00 0.00 0.00"},
        {"not designed", 1, 550, 0, 0.5, 6, S, 32, 1.5, 200,
         "0 0.00 0.00 00 0.00 0.00 0.0 1|0 0 0 0 0 0|0 0.00 0.00 00 0.00 0.00"},
        {"no support, Ø133", 0, 550, 0, 0.5, 6, static_cast<TSupport>(4), 133, 1.5, 200,
         "0 0.00 0.00 00 0.00 0.00 0.0 1|0 0 0 0 0 0|0 0.00 0.00 00 0.00 0.00"},
        {"no span, Vsd < 0", 1, 550, 0.2, 0.5, 0, S, 32, 1.5, -1,
         "0 0.00 0.00 00 0.00 0.00 0.0 1|1 1291 1937 1 849 1273|0 0.00 0.00 00 0.00 0.00"},
};

TEST(Member, WorkedRows)
{
    TClassesScope classes;
    for (auto [name, ribbed, msd, bw, h, span, support, dia, gc, vsd, shown] : Rows) {
        TRPLRistLoige slab;
        TRistLoige rect, &rl = ribbed ? static_cast<TRistLoige &>(slab) : rect;
        std::tie(slab.bw, rl.Msd, rl.h, rl.Ava, rl.AArmatuur.D, rl.Nihe.Vsd) =
            std::tuple(bw, msd, h, TMemberInputs{span, support, span > 7}, dia, vsd);
        rl.CalcDesignValues();
        rl.Calculate();
        rl.BetKlass.gc = gc;
        EXPECT_EQ(Shown(rl), shown) << name;
    }
}

// (7.16a) meets (7.16b) at rho0 without rho'; for a fixed rho' the bracket falls as rho grows
// on either side of rho0 (rho' > 0 raises it across rho0: (7.16a) takes no rho').
TEST(Member, SpanDepthFallsWithRho)
{
    for (double fck : {12.0, 25.0, 50.0})
        for (double rp : {0.0, 0.001, 0.004}) {
            const double rho0 = std::sqrt(fck) * 1e-3, at = BasicSpanDepth(fck, rho0, 0);
            EXPECT_NEAR(BasicSpanDepth(fck, rho0 * (1 + 1e-9), 0), at, 1e-6 * at);
            for (double rho = rp + 1e-4, last = INFINITY; rho < 0.04; rho += 1e-4) {
                const bool crossing = rp > 0 && rho > rho0 && rho - 1e-4 <= rho0;
                ASSERT_LE(BasicSpanDepth(fck, rho, rp), crossing ? INFINITY : last) << rho;
                last = BasicSpanDepth(fck, rho, rp);
            }
        }
}

// At its design stress, each layer's lbd and l0 never fall as phi grows to 131 mm (fbd 0 at
// 132); a bar of no diameter has no anchorage.
TEST(Member, AnchorageGrowsWithTheBar)
{
    TClassesScope classes;
    TRistLoige rl;
    rl.CalcDesignValues();
    ASSERT_TRUE(rl.Calculate() && rl.NeedsCompressionSteel());
    TAnchorage last{};
    for (int D = 0; D < 132; ++D) {
        rl.AArmatuur.D = rl.YArmatuur.D = D;
        const TAnchorage a = AnchorageOf(rl);
        const TBarAnchorage &t = a.Tension, &p = a.Compression;
        ASSERT_TRUE(a.Valid == (D > 0) && t.lbd >= last.Tension.lbd && t.l0 >= last.Tension.l0 &&
                    p.lbd >= last.Compression.lbd && p.l0 >= last.Compression.l0 &&
                    (D == 0 || (t.Sigma == rl.AArmKlass.fyd && p.Sigma == 400 && p.D == D)))
            << D;
        last = a;
    }
}

// vEd is Vsd times one factor and Asf/sf never falls; where cot theta_f leaves 2 (vEd = 0.4
// nu A, 2 on the limit) Asf/sf runs on without a jump. On their limits vEd needs no steel, and
// is not too thin at cot 1. A web wider than the flange leaves no overhang: vEd 0.
TEST(Member, FlangeShearLinearInVsd)
{
    TClassesScope classes;
    TRPLRistLoige slab;
    slab.CalcDesignValues();
    ASSERT_TRUE(slab.Calculate());
    auto at = [&](double Vsd) { return slab.Nihe.Vsd = Vsd, FlangeShearOf(slab); };
    const TFlangeShear one = at(1);
    for (double v = 0, last = 0; v <= 800; last = at(v++).AsfReq) {
        const TFlangeShear f = at(v);
        ASSERT_TRUE(f.Valid && std::abs(f.vEd - v * one.vEd) <= 1e-12 * v && f.AsfReq >= last) << v;
    }
    const double flat = 0.8 * one.vRdMax / one.vEd;
    const TFlangeShear on = at(flat), past = at(flat * (1 + 1e-7)),
                       steep = at(one.vRdMax / one.vEd);
    EXPECT_TRUE(on.CotTheta == 2 && past.CotTheta < 2 && past.AsfReq - on.AsfReq < 1e-5);
    EXPECT_TRUE(!steep.TooThin && std::abs(steep.CotTheta - 1) < 1e-6);
    EXPECT_FALSE(at(one.Threshold / one.vEd).SteelNeeded);
    slab.bw = 0.7;
    EXPECT_TRUE(slab.Calculate() && at(100).Valid && at(100).vEd == 0);
}

} // namespace
