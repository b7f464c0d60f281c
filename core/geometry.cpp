#include "core/geometry.h"

#include "platform/platform.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

// What the conversions use when the diagonal or the desktop gives no sound scale: a plain monitor.
constexpr std::int32_t NOMINAL_PIXELS_PER_INCH = 96;

// Each square is rounded to single precision on purpose: sides above 4096 pixels lose their last bit
// here, and squaring exactly would move the pixels per inch of some desktops by one.
float rounded_square(int side) {
    const double exact = static_cast<double>(static_cast<float>(side)) * static_cast<float>(side);
    return static_cast<float>(exact);
}

// P: the desktop diagonal in pixels, or nothing when the desktop has no area.
std::optional<float> desktop_diagonal_px() {
    const DesktopSize desktop = desktop_size();
    if (desktop.width <= 0 || desktop.height <= 0) return std::nullopt;
    const double sum = static_cast<double>(rounded_square(desktop.width)) + rounded_square(desktop.height);
    return static_cast<float>(std::sqrt(sum));
}

// I: whole pixels per inch for a screen of `diagonal` inches, or nothing when that gives no pixel.
std::optional<std::int32_t> measured_pixels_per_inch(std::int32_t diagonal) {
    if (diagonal < 1) return std::nullopt;
    const std::optional<float> diagonal_px = desktop_diagonal_px();
    if (!diagonal_px) return std::nullopt;
    const std::int32_t per_inch = nearest(static_cast<double>(*diagonal_px) / diagonal);
    if (per_inch < 1) return std::nullopt;
    return per_inch;
}

// K: pixels per centimetre, never zero, NaN or infinite. The inch is 2.54 cm in single precision
// (2.5399999618530273), which the calibrated scales depend on.
float pixels_per_cm(std::int32_t diagonal) {
    const std::int32_t per_inch = measured_pixels_per_inch(diagonal).value_or(NOMINAL_PIXELS_PER_INCH);
    return static_cast<float>(per_inch / static_cast<double>(2.54f));
}

} // namespace

// Built from trunc, whose remainder is exact, rather than std::round: the mingw-w64 runtime's round
// gives -1 for -0.49999999999999994.
std::int32_t nearest(double value) {
    if (std::isnan(value)) return 0;
    const double whole = std::trunc(value);
    const double rest = std::fabs(value - whole);
    const bool odd = std::fmod(whole, 2.0) != 0.0;
    const double rounded = rest > 0.5 || (rest == 0.5 && odd) ? whole + std::copysign(1.0, value) : whole;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (rounded <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t rounded_diagonal(float diagonal_in) {
    return nearest(diagonal_in);
}

float cm_to_px(float cm, std::int32_t diagonal) {
    return static_cast<float>(static_cast<double>(pixels_per_cm(diagonal)) * cm);
}

float px_to_cm(float px, std::int32_t diagonal) {
    return static_cast<float>(px / static_cast<double>(pixels_per_cm(diagonal)));
}

std::int32_t scale_length_px(std::int32_t length_cm, std::int32_t diagonal) {
    return nearest(cm_to_px(static_cast<float>(length_cm), diagonal));
}

bool diagonal_usable(float diagonal_in) {
    return std::isfinite(diagonal_in) && measured_pixels_per_inch(rounded_diagonal(diagonal_in)).has_value();
}
