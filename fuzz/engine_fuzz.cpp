// Fuzzes the design of both sections with inputs over and beyond the window's ranges: zero,
// tiny, huge, negative and non-finite sizes, moments and covers, every class. A design either
// fails (Calculate returns false, no figures left) or gives finite, non-negative areas with
// flags that agree with them; the capacity of any bars is finite, and none without a design;
// so are the serviceability and shear checks of any bars and links; the drawing hands the
// surface only coordinates it can use.
#include "canvas.h"
#include "capacity.h"
#include "classes.h"
#include "rplristloige.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

// A failure names itself; the input that caused it is kept by the fuzzer to replay.
void Check(bool Condition, const char *What)
{
    if (!Condition) {
        std::fprintf(stderr, "engine fuzz: %s\n", What);
        std::abort();
    }
}

// A special value, any double, or one of the window's range (0..2 m, scaled by the caller).
double Input(FuzzedDataProvider &In)
{
    static constexpr double special[] = {0.0,   -0.0,     1e-300, 5e-324, -1.0,
                                         1e300, INFINITY, NAN,    0.5,    2.0};
    const int kind = In.ConsumeIntegralInRange(0, 3);
    return kind == 0   ? In.PickValueInArray(special)
           : kind == 1 ? In.ConsumeFloatingPoint<double>()
                       : In.ConsumeFloatingPointInRange(0.0, 2.0);
}

// Accepts every call; checks that each coordinate is one the surface can draw.
class CheckingCanvas : public TCanvas
{
public:
    void SetPenStyle(TPenStyle) override {}
    void SetPenColor(TColor) override {}
    void SetPenWidth(int Width) override { Check(Width >= 0, "negative pen width"); }
    void SetPenMode(TPenMode) override {}
    void SetBrushColor(TColor) override {}
    void Rectangle(int X1, int Y1, int X2, int Y2) override { Coords({X1, Y1, X2, Y2}); }
    void MoveTo(int X, int Y) override { Coords({X, Y}); }
    void LineTo(int X, int Y) override { Coords({X, Y}); }
    void FillRect(const TRect &R) override { Coords({R.Left, R.Top, R.Right, R.Bottom}); }
    void Ellipse(int X1, int Y1, int X2, int Y2) override { Coords({X1, Y1, X2, Y2}); }

private:
    static void Coords(std::initializer_list<int> Values)
    {
        for (int v : Values)
            Check(v > -1'000'000'001 && v < 1'000'000'001, "coordinate out of range");
    }
};

void CheckDesign(const TRistLoige &S, bool Ok)
{
    if (!Ok)
        Check(S.As == 0 && S.Asc == 0 && S.x == 0 && S.lambdax == 0 && !S.AsUnderMin &&
                  !S.AsOverMax && !S.AscOverMax,
              "figures or flags after a failure");
    else
        Check(std::isfinite(S.As) && std::isfinite(S.Asc) && std::isfinite(S.x) &&
                  std::isfinite(S.lambdax) && S.As >= 0 && S.Asc >= 0 &&
                  S.AsUnderMin == (S.As < S.Asmin) && S.AsOverMax == (S.As > S.Asmax) &&
                  S.AscOverMax == (S.NeedsCompressionSteel() && S.Asc > S.Asmax),
              "areas not finite, negative, or flags that disagree with them");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    static TClassesScope classes;
    FuzzedDataProvider in(Data, Size);
    std::unique_ptr<TRistLoige> section(in.ConsumeBool() ? new TRPLRistLoige : new TRistLoige);
    BetKlassid->Items(in.ConsumeIntegralInRange(1, BetKlassid->Count)).Assign(section->BetKlass);
    ArmKlassid->Items(in.ConsumeIntegralInRange(1, ArmKlassid->Count)).Assign(section->AArmKlass);
    ArmKlassid->Items(in.ConsumeIntegralInRange(1, ArmKlassid->Count)).Assign(section->YArmKlass);
    section->b = Input(in);
    section->h = Input(in);
    section->a = Input(in) / 10;
    section->ap = Input(in) / 10;
    section->Msd = Input(in) * 1000;
    if (auto *slab = dynamic_cast<TRPLRistLoige *>(section.get())) {
        slab->bw = Input(in);
        slab->hf = Input(in) / 2;
    }
    section->CalcDesignValues();
    const bool ok = section->Calculate();
    CheckDesign(*section, ok);

    section->AArmatuur.AsProv = Input(in) * 100; // cm2
    section->YArmatuur.AsProv = Input(in) * 100;
    const TCapacity c = ChosenBarsCapacity(*section);
    Check((ok || !c.Valid) && std::isfinite(c.MRd) && c.MRd >= 0 && std::isfinite(c.xOverD) &&
              (!(c.MRd > 0) || std::isfinite(c.Utilisation)),
          "capacity without a design, or not finite");

    section->Kasutus = {Input(in) * 5000, Input(in) * 5000,
                        static_cast<TExposure>(in.ConsumeIntegral<uint8_t>() % 11), Input(in) * 3,
                        Input(in) / 30};
    section->Nihe = {Input(in) * 5000, in.PickValueInArray(LinkDiameters), Input(in) * 4,
                     Input(in) / 2};
    section->AArmatuur.Arv = section->YArmatuur.Arv = in.ConsumeIntegralInRange(0, 12);
    const TServiceability s = ServiceabilityOf(*section);
    const TShear v = ShearOf(*section);
    for (double f : std::initializer_list<double>{
             s.Tension.Gap, s.Compression.Gap, s.Ecm, s.EcEff, s.Characteristic.SigmaC,
             s.QuasiPermanent.SigmaS, s.QuasiPermanent.x, s.Mcr, s.SrMax, s.Wk, v.VRdc, v.VRdMax,
             v.CotTheta, v.AswReq, v.AswProv, v.VRds})
        Check(std::isfinite(f), "a serviceability or shear figure not finite");
    Check((ok || (!s.Valid && !v.Valid)) &&
              (!v.Valid || v.WebTooSmall || (v.CotTheta >= 1 && v.CotTheta <= 2.5)),
          "serviceability or shear without a design, or a strut outside 1..2.5");

    CheckingCanvas canvas;
    section->AArmatuur.Rows = section->YArmatuur.Rows = in.ConsumeIntegralInRange(0, 4);
    section->Draw(canvas, in.ConsumeIntegralInRange(-10, 4000),
                  in.ConsumeIntegralInRange(-10, 4000),
                  in.ConsumeBool() ? TBarDrawing::ToScale : TBarDrawing::Rows);
    return 0;
}
