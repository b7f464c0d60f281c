// The cases of frame_bench as a plain timing loop, for the cross build, where Google Benchmark is not
// available: each case is run in batches of about 2 ms, and the median batch gives the time per call.
// Prints one line per case: its name and the median time per call in nanoseconds.
#include "app/caliper.h"
#include "bench/caliper_session.h"
#include "core/caliper_state.h"
#include "render/render.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

enum class Kind { FRAME, MOVING_FRAME, SHAPE, PASS };

struct Case {
    Kind kind;
    std::int8_t orientation;
    int jaw_percent;
};

// The same cases, and the same names, as frame_bench.
constexpr std::array CASES{
    Case{Kind::FRAME, ORIENT_HORIZONTAL, 0},         Case{Kind::FRAME, ORIENT_HORIZONTAL, 50},
    Case{Kind::FRAME, ORIENT_HORIZONTAL, 100},       Case{Kind::FRAME, ORIENT_VERTICAL, 0},
    Case{Kind::FRAME, ORIENT_VERTICAL, 50},          Case{Kind::FRAME, ORIENT_VERTICAL, 100},
    Case{Kind::MOVING_FRAME, ORIENT_HORIZONTAL, 50}, Case{Kind::MOVING_FRAME, ORIENT_VERTICAL, 50},
    Case{Kind::SHAPE, ORIENT_HORIZONTAL, 50},        Case{Kind::SHAPE, ORIENT_VERTICAL, 50},
    Case{Kind::PASS, ORIENT_HORIZONTAL, 50},         Case{Kind::PASS, ORIENT_VERTICAL, 50},
};

std::string name_of(const Case& c) {
    const std::string orientation = std::to_string(c.orientation);
    switch (c.kind) {
    case Kind::FRAME:
        return "render_frame/" + orientation + "/" + std::to_string(c.jaw_percent);
    case Kind::MOVING_FRAME:
        return "render_frame_moving/" + orientation;
    case Kind::SHAPE:
        return "apply_window_shape/" + orientation + "/" + std::to_string(c.jaw_percent);
    case Kind::PASS:
        return "main_loop_pass/" + orientation;
    }
    return {};
}

constexpr int BATCHES = 31;
constexpr auto BATCH_TIME = std::chrono::milliseconds(2);

// The moving frame swings the jaw between 40 % and 60 % of its travel, so every frame is new.
void run_once(const Case& c) {
    switch (c.kind) {
    case Kind::FRAME:
        render_frame(caliper.orientation);
        break;
    case Kind::MOVING_FRAME:
        caliper.jaw_pos = caliper.jaw_pos == jaw_at_percent(40) ? jaw_at_percent(60) : jaw_at_percent(40);
        render_frame(caliper.orientation);
        break;
    case Kind::SHAPE:
        apply_window_shape(caliper.orientation, scale_length(caliper.length_cm));
        break;
    case Kind::PASS:
        main_loop_pass();
        break;
    }
}

double batch_ns(const Case& c, int calls) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        run_once(c);
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
}

double median_ns_per_call(const Case& c) {
    turn_caliper(c.orientation);
    caliper.jaw_pos = jaw_at_percent(c.jaw_percent);
    const double probe = batch_ns(c, 100) / 100;
    const int calls = std::max(1, static_cast<int>(std::chrono::nanoseconds(BATCH_TIME).count() / probe));
    std::vector<double> per_call;
    for (int b = 0; b < BATCHES; ++b)
        per_call.push_back(batch_ns(c, calls) / calls);
    std::nth_element(per_call.begin(), per_call.begin() + BATCHES / 2, per_call.end());
    return per_call[BATCHES / 2];
}

} // namespace

int main() {
    if (!open_caliper_session()) {
        std::fprintf(stderr, "frame_timing: the caliper could not be started\n");
        return 1;
    }
    for (const Case& c : CASES)
        std::printf("%s %.0f\n", name_of(c).c_str(), median_ns_per_call(c));
    close_caliper_session();
    return 0;
}
