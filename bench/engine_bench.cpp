// Time of one design, CalcDesignValues + Calculate, on each path of both sections, and of the
// capacity and serviceability checks of the chosen bars and of the shear design on a designed
// section.
#include "capacity.h"
#include "classes.h"
#include "rplristloige.h"

#include <benchmark/benchmark.h>

namespace
{

void Design(benchmark::State &State, TRistLoige &Section)
{
    for (auto _ : State) {
        benchmark::DoNotOptimize(Section.Msd);
        Section.CalcDesignValues();
        benchmark::DoNotOptimize(Section.Calculate());
        benchmark::DoNotOptimize(Section.As);
    }
}

void Rectangle(benchmark::State &State, double Msd)
{
    TClassesScope classes;
    TRistLoige section;
    section.Msd = Msd;
    Design(State, section);
}

void RibbedSlab(benchmark::State &State, double Msd, double hf)
{
    TClassesScope classes;
    TRPLRistLoige section;
    section.Msd = Msd;
    section.hf = hf;
    Design(State, section);
}

// The default bars; the compression group counts only where the design needs it.
void Capacity(benchmark::State &State, bool Ribbed, double Msd)
{
    TClassesScope classes;
    TRistLoige rectangle;
    TRPLRistLoige slab;
    TRistLoige &section = Ribbed ? slab : rectangle;
    section.Msd = Msd;
    section.CalcDesignValues();
    section.Calculate();
    for (auto _ : State) {
        benchmark::DoNotOptimize(section.Msd);
        benchmark::DoNotOptimize(ChosenBarsCapacity(section));
    }
}

// The default sections, bars and links at a shear force: the rectangle's 200 kN needs links at
// cot theta 2.5, the slab's 300 kN a steeper strut.
void Shear(benchmark::State &State, bool Ribbed, double Vsd)
{
    TClassesScope classes;
    TRistLoige rectangle;
    TRPLRistLoige slab;
    TRistLoige &section = Ribbed ? slab : rectangle;
    section.Nihe.Vsd = Vsd;
    section.CalcDesignValues();
    section.Calculate();
    for (auto _ : State) {
        benchmark::DoNotOptimize(section.Nihe);
        benchmark::DoNotOptimize(ShearOf(section));
    }
}

// The default bars and serviceability inputs (Mk 400, Mqp 300 kNm: both sections cracked).
void Serviceability(benchmark::State &State, bool Ribbed)
{
    TClassesScope classes;
    TRistLoige rectangle;
    TRPLRistLoige slab;
    TRistLoige &section = Ribbed ? slab : rectangle;
    section.CalcDesignValues();
    section.Calculate();
    for (auto _ : State) {
        benchmark::DoNotOptimize(section.Kasutus);
        benchmark::DoNotOptimize(ServiceabilityOf(section));
    }
}

BENCHMARK_CAPTURE(Rectangle, single_400kNm, 400.0);
BENCHMARK_CAPTURE(Rectangle, compression_550kNm, 550.0);
BENCHMARK_CAPTURE(RibbedSlab, flange_300kNm, 300.0, 0.1);
BENCHMARK_CAPTURE(RibbedSlab, web_450kNm, 450.0, 0.1);
BENCHMARK_CAPTURE(RibbedSlab, web_compression_550kNm, 550.0, 0.1);
BENCHMARK_CAPTURE(RibbedSlab, flange_compression_1500kNm, 1500.0, 0.4);
BENCHMARK_CAPTURE(Capacity, rectangle_400kNm, false, 400.0);
BENCHMARK_CAPTURE(Capacity, rectangle_compression_550kNm, false, 550.0);
BENCHMARK_CAPTURE(Capacity, slab_web_450kNm, true, 450.0);
BENCHMARK_CAPTURE(Capacity, slab_web_compression_550kNm, true, 550.0);
BENCHMARK_CAPTURE(Shear, rectangle_200kN, false, 200.0);
BENCHMARK_CAPTURE(Shear, slab_steeper_strut_300kN, true, 300.0);
BENCHMARK_CAPTURE(Serviceability, rectangle_550kNm, false);
BENCHMARK_CAPTURE(Serviceability, slab_550kNm, true);

} // namespace

BENCHMARK_MAIN();
