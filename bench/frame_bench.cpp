// What the continuous redraw costs on the real binding: one frame in each orientation at a few jaw
// positions, a frame whose jaw has moved, a shape tick, and one whole pass of the main loop.
#include "app/caliper.h"
#include "bench/caliper_session.h"
#include "core/caliper_state.h"
#include "render/render.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Arguments: orientation, jaw position in percent of its travel.
void BM_render_frame(benchmark::State& state) {
    turn_caliper(static_cast<std::int8_t>(state.range(0)));
    caliper.jaw_pos = jaw_at_percent(static_cast<int>(state.range(1)));
    for (auto _ : state)
        render_frame(caliper.orientation);
}
BENCHMARK(BM_render_frame)->ArgsProduct({{ORIENT_HORIZONTAL, ORIENT_VERTICAL}, {0, 50, 100}});

// Every frame differs from the one shown before it, as while the pointer moves the jaw.
void BM_render_frame_moving(benchmark::State& state) {
    turn_caliper(static_cast<std::int8_t>(state.range(0)));
    const std::int32_t near = jaw_at_percent(40);
    const std::int32_t far = jaw_at_percent(60);
    for (auto _ : state) {
        caliper.jaw_pos = caliper.jaw_pos == near ? far : near;
        render_frame(caliper.orientation);
    }
}
BENCHMARK(BM_render_frame_moving)->Arg(ORIENT_HORIZONTAL)->Arg(ORIENT_VERTICAL);

// Arguments: orientation, jaw position in percent of its travel.
void BM_apply_window_shape(benchmark::State& state) {
    turn_caliper(static_cast<std::int8_t>(state.range(0)));
    caliper.jaw_pos = jaw_at_percent(static_cast<int>(state.range(1)));
    const std::int32_t length_px = scale_length(caliper.length_cm);
    for (auto _ : state)
        apply_window_shape(caliper.orientation, length_px);
}
BENCHMARK(BM_apply_window_shape)->ArgsProduct({{ORIENT_HORIZONTAL, ORIENT_VERTICAL}, {50}});

// The wait handles what is pending without sleeping (immediate_wait.cpp).
void BM_main_loop_pass(benchmark::State& state) {
    turn_caliper(static_cast<std::int8_t>(state.range(0)));
    caliper.jaw_pos = jaw_at_percent(50);
    for (auto _ : state)
        benchmark::DoNotOptimize(main_loop_pass());
}
BENCHMARK(BM_main_loop_pass)->Arg(ORIENT_HORIZONTAL)->Arg(ORIENT_VERTICAL);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!open_caliper_session()) {
        std::fprintf(stderr, "frame_bench: the caliper could not be started\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    close_caliper_session();
    return 0;
}
