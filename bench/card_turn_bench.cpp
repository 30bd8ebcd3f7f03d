// What one frame of the card turn and one idle step cost on the in-memory desktop:
// the frame is the redraw of the card rectangle at one width and its copy to the
// window; the idle step is a timer event that runs a step in the resting state.
#include <benchmark/benchmark.h>

#include "app/main_unit.h"
#include "platform/headless/headless_platform.h"

namespace lv {
namespace {

struct CreatedWindow {
  CreatedWindow() : form(platform, TResourceStore::Embedded()), screen(*platform.app.form) {
    platform.clock.tick = 100000;
    form.FormCreate();
  }
  headless::Platform platform;
  TVeyraFM form;
  headless::Form& screen;
};

void CardTurnFrame(benchmark::State& state) {
  CreatedWindow window;
  const int slot = static_cast<int>(state.range(0));
  const int percent = static_cast<int>(state.range(1));
  for (auto _ : state) {
    window.form.DrawCard(slot, percent, true);
    window.screen.invalidated.clear();
    benchmark::DoNotOptimize(window.screen.Canvas().Bits());
  }
}
BENCHMARK(CardTurnFrame)
    ->ArgNames({"slot", "percent"})
    ->ArgsProduct({{SlotFace}, {0, 35, 60, 78, 90, 100}})
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void IdleStep(benchmark::State& state) {
  CreatedWindow window;
  for (auto _ : state) {
    window.platform.clock.tick += StepInterval;
    window.screen.timers[0]->Fire();
  }
  if (window.form.AnimState != Idle) state.SkipWithError("the sequencer left the idle state");
}
BENCHMARK(IdleStep)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lv
