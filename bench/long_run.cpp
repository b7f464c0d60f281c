// A long run of shape-timer ticks with a moving jaw through the real shape and frame code: the
// resident memory and the window-system object count must come out where they went in.
// Prints "name value" lines: resident bytes and object counts before and after, and the ticks.
#include "bench/caliper_session.h"
#include "bench/process_stats.h"
#include "core/caliper_state.h"
#include "platform/platform.h"
#include "render/render.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr long TICKS = 100000;
// First frames fill caches (glyphs, the system's paint buffers); growth is counted after them.
constexpr long WARM_UP_TICKS = 1000;

// The jaw sweeps its whole travel back and forth, one pixel per tick; the loop's wait then lets the
// window system handle the new shape and the repaint, as the next pass would.
void tick(long n) {
    const std::int32_t first = jaw_at_percent(0);
    const std::int32_t span = jaw_at_percent(100) - first;
    const long phase = n % (2 * span);
    caliper.jaw_pos = first + static_cast<std::int32_t>(phase < span ? phase : 2 * span - phase);
    apply_window_shape(caliper.orientation, scale_length(caliper.length_cm));
    render_frame(caliper.orientation);
    wait_event(0);
}

} // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::atol(argv[1]) : TICKS;
    if (!open_caliper_session()) {
        std::fprintf(stderr, "long_run: the caliper could not be started\n");
        return 1;
    }
    for (long n = 0; n < WARM_UP_TICKS; ++n)
        tick(n);
    const long long rss_before = resident_bytes();
    const int objects_before = window_system_objects();
    for (long n = 0; n < ticks; ++n)
        tick(n);
    const long long rss_after = resident_bytes();
    const int objects_after = window_system_objects();
    close_caliper_session();
    std::printf("ticks %ld\nrss_before %lld\nrss_after %lld\nobjects_before %d\nobjects_after %d\n", ticks,
                rss_before, rss_after, objects_before, objects_after);
    return 0;
}
