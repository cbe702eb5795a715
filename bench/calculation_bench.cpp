// The calculation from six field texts to the result fields, on the in-memory window.
#include "app/form1.h"
#include "memory_toolkit.h"

#include <benchmark/benchmark.h>

namespace quorvel {
namespace {

void fill(testing::MemoryToolkit& ui, const char* w1, const char* n1, const char* d1,
          const char* w2, const char* n2, const char* d2) {
    ui.setCaption(LabelId::Label9, w1);
    ui.setCaption(LabelId::Label8, n1);
    ui.setCaption(LabelId::Label7, d1);
    ui.setCaption(LabelId::Label12, w2);
    ui.setCaption(LabelId::Label11, n2);
    ui.setCaption(LabelId::Label10, d2);
}

void runCalculation(benchmark::State& state, std::int16_t kn, bool improper) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.vars().KN = kn;
    ui.improperMode = improper;
    fill(ui, "1", "1", "2", "-12", "345", "678");
    for (auto _ : state) {
        form.handle(Event::Command1_Click);
        benchmark::DoNotOptimize(ui.caption(LabelId::Label1));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_AddMixedNumbers(benchmark::State& state) {
    runCalculation(state, 1, false);
}
void BM_DivideShownImproper(benchmark::State& state) {
    runCalculation(state, 4, true);
}

void BM_OverflowPresented(benchmark::State& state) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.vars().KN = 1;
    fill(ui, "", "1", "100000", "", "1", "100000");
    for (auto _ : state) {
        form.handle(Event::Command1_Click);
        ui.messages.clear();
        ui.runtimeErrors.clear();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_AddMixedNumbers);
BENCHMARK(BM_DivideShownImproper);
BENCHMARK(BM_OverflowPresented);

} // namespace
} // namespace quorvel

BENCHMARK_MAIN();
