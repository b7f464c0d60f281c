// parse_float on arbitrary bytes: it must agree with the C library's strtod (rounded to float) on
// every text that starts with a decimal number, and every finite result must survive a round trip
// through format_float.
#include "core/number_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool same_bits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Texts where parse_float deliberately differs from strtod: whatever strtod reads as infinity, NaN
// or hexadecimal (the three whole special texts among them). An embedded NUL would end strtod's text.
bool strtod_comparable(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return false;
    std::size_t at = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::string_view rest = text.substr(at);
    const bool infinity_or_nan =
        !rest.empty() && std::string_view("iInN").find(rest[0]) != std::string_view::npos;
    const bool hexadecimal = rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X');
    return !infinity_or_nan && !hexadecimal;
}

void check_against_strtod(const std::string& text, float value) {
    if (!strtod_comparable(text)) return;
    const float expected = static_cast<float>(std::strtod(text.c_str(), nullptr));
    if (!same_bits(value, expected)) std::abort();
}

void check_round_trip(float value) {
    if (std::isnan(value)) {
        if (format_float(value, 3) != "NaN" || !std::isnan(parse_float(format_float(value, 3)))) std::abort();
        return;
    }
    // 149 decimals write any float exactly; -0 is written as 0 and so reads back as +0.
    const std::string exact = format_float(value, 149);
    const float back = parse_float(exact);
    const float expected = value == 0.0f ? 0.0f : value;
    if (!same_bits(back, expected)) std::abort();
    if (format_float(value, 512).size() > 553) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const float value = parse_float(text);
    check_against_strtod(text, value);
    check_round_trip(value);
    return 0;
}
