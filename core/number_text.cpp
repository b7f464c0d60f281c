#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

// Only <charconv> touches digits here: it never consults the process locale, so a German
// LC_NUMERIC cannot turn the point into a comma.

namespace {

constexpr std::int32_t MAX_DECIMALS = 512;
constexpr std::int32_t DEFAULT_DECIMALS = 10;
// A sign, the 39 integer digits of the largest float, the point and one digit past MAX_DECIMALS.
constexpr std::size_t MAX_FIXED_TEXT = 1 + 39 + 1 + MAX_DECIMALS + 1;

bool equal_ignoring_case(std::string_view text, std::string_view word) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(),
                                                    [&](char a, char b) { return lower(a) == lower(b); });
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The digit's value in any base up to 16; 16 for a character that is no digit.
std::uint64_t digit_value(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint64_t>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<std::uint64_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<std::uint64_t>(c - 'A' + 10);
    return 16;
}

bool is_c_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::int32_t effective_decimals(std::int32_t decimals) {
    if (decimals > MAX_DECIMALS) return MAX_DECIMALS;
    if (decimals == -1) return DEFAULT_DECIMALS;
    return std::max(decimals, 0);
}

// Decimal places needed to write a finite float exactly: as many as it has binary places.
int binary_fraction_digits(float value) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    const int biased_exponent = static_cast<int>((bits >> 23) & 0xFF);
    std::uint32_t significand = bits & 0x7FFFFF;
    if (significand == 0 && biased_exponent == 0) return 0;
    if (biased_exponent != 0) significand |= 0x800000;
    const int lowest_bit_exponent = std::max(biased_exponent, 1) - 150 + std::countr_zero(significand);
    return std::max(-lowest_bit_exponent, 0);
}

// Adds one unit in the last place of a number text (sign, digits, at most one point); may grow a digit.
void increment_last_digit(std::string& text) {
    for (auto it = text.rbegin(); it != text.rend() && *it != '-'; ++it) {
        if (*it == '.') continue;
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    text.insert(text.begin() + (text.front() == '-' ? 1 : 0), '1');
}

// The power of ten of the first significant digit of a decimal number with no sign, saturated far
// beyond the double range: enough to tell an overflow from an underflow.
std::int64_t leading_digit_order(std::string_view number) {
    constexpr std::int64_t far_beyond = std::int64_t{1} << 40;
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    std::int64_t exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        if (digits.front() == '+') digits.remove_prefix(1);
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (read.ec == std::errc::result_out_of_range)
            exponent = digits.front() == '-' ? -far_beyond : far_beyond;
        exponent = std::clamp(exponent, -far_beyond, far_beyond);
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    const auto order = first < point ? static_cast<std::int64_t>(point - first - 1)
                                     : -static_cast<std::int64_t>(first - point);
    return order + exponent;
}

bool starts_with_word(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && equal_ignoring_case(text.substr(0, word.size()), word);
}

} // namespace

std::string fixed_text(float value, std::int32_t decimals) {
    const int precision = std::max(decimals + 1, binary_fraction_digits(value));
    std::array<char, MAX_FIXED_TEXT> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       static_cast<double>(value), std::chars_format::fixed, precision);
    const std::string_view exact(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = exact.find('.');
    const char first_dropped = exact[point + 1 + static_cast<std::size_t>(decimals)];
    std::string text(exact.substr(0, decimals > 0 ? point + 1 + static_cast<std::size_t>(decimals) : point));
    if (first_dropped >= '5') increment_last_digit(text);
    return text;
}

double leading_decimal(std::string_view text, DecimalWords words) {
    std::size_t at = 0;
    while (at < text.size() && is_c_space(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const std::string_view number = text.substr(at);
    const bool digits_first =
        !number.empty() &&
        (is_digit(number[0]) || (number.size() > 1 && number[0] == '.' && is_digit(number[1])));
    const bool word_first = words == DecimalWords::WITH_INF_NAN &&
                            (starts_with_word(number, "inf") || starts_with_word(number, "nan"));
    if (!digits_first && !word_first) return 0.0;
    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here, where strtod gives an infinity or a zero.
        const std::string_view consumed(number.data(), static_cast<std::size_t>(read.ptr - number.data()));
        value = leading_digit_order(consumed) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::string format_int(std::int64_t value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::uint64_t magnitude = static_cast<std::uint64_t>(value);
    if (negative) magnitude = 0 - magnitude;
    std::string digits;
    for (; magnitude != 0; magnitude /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    return negative ? "-" + digits : digits;
}

std::string format_float(float value, std::int32_t decimals) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    if (value == 0.0f) value = 0.0f; // -0 is written as 0
    return fixed_text(value, effective_decimals(decimals));
}

float parse_float(std::string_view text) {
    if (equal_ignoring_case(text, "+Infinity")) return std::numeric_limits<float>::infinity();
    if (equal_ignoring_case(text, "-Infinity")) return -std::numeric_limits<float>::infinity();
    if (equal_ignoring_case(text, "NaN")) return std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(leading_decimal(text, DecimalWords::DIGITS_ONLY));
}

std::int64_t parse_int(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::uint64_t base = 10;
    if (at < text.size() && text[at] == '$') base = 16;
    if (at < text.size() && text[at] == '%') base = 2;
    if (base != 10) ++at;
    std::uint64_t value = 0;
    for (; at < text.size() && digit_value(text[at]) < base; ++at)
        value = value * base + digit_value(text[at]);
    return static_cast<std::int64_t>(negative ? 0 - value : value);
}
