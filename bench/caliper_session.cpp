#include "bench/caliper_session.h"

#include "app/caliper.h"
#include "core/caliper_state.h"
#include "platform/platform.h"
#include "render/render.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path scratch_dir;
fs::path previous_dir;

constexpr int JAW_CLOSED = 27;
constexpr int JAW_END_FROM_SCALE = 25; // the jaw's face goes as far as L + 25

fs::path make_scratch_dir() {
    std::random_device random;
    for (;;) {
        const fs::path dir = fs::temp_directory_path() / ("tastolin-bench-" + std::to_string(random()));
        if (fs::create_directory(dir)) return dir;
    }
}

// Whole inches that give the current desktop about 96 pixels per inch, so that the scale has its
// usual length of some 300 pixels on any virtual screen.
int usual_diagonal() {
    const DesktopSize desktop = desktop_size();
    return static_cast<int>(std::lround(std::hypot(desktop.width, desktop.height) / 96.0));
}

void write_settings() {
    std::ofstream prefs("Tastolin.prefs", std::ios::binary);
    prefs << "Diagonale = " << usual_diagonal() << "\r\n";
}

} // namespace

bool open_caliper_session() {
    previous_dir = fs::current_path();
    scratch_dir = make_scratch_dir();
    fs::current_path(scratch_dir);
    if (!platform_init()) {
        fs::current_path(previous_dir);
        fs::remove_all(scratch_dir);
        return false;
    }
    write_settings();
    if (start_up()) return true;
    close_caliper_session();
    return false;
}

void close_caliper_session() {
    shut_down();
    fs::current_path(previous_dir);
    fs::remove_all(scratch_dir);
}

void turn_caliper(std::int8_t orientation) {
    if (caliper.orientation != orientation) set_orientation(orientation, caliper.length_cm);
}

std::int32_t jaw_at_percent(int percent) {
    const std::int32_t travel = scale_length(caliper.length_cm) + JAW_END_FROM_SCALE - JAW_CLOSED;
    return JAW_CLOSED + travel * percent / 100;
}
