// The text form of the numbers the user sees and types; "." is the decimal separator whatever the
// process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits, "-" for negatives, no grouping.
std::string format_int(std::int64_t value);
// Fixed notation with `decimals` digits (above 512 -> 512, -1 -> 10, other negatives -> 0), rounded
// from the exact binary value, halves away from zero; "+Infinity", "-Infinity", "NaN"; -0 as 0.
std::string format_float(float value, std::int32_t decimals);
// Leading decimal number of the text (C "strtod" form), rounded to single precision; the whole texts
// "+Infinity", "-Infinity", "NaN" (any case); 0 when the text holds no number.
float parse_float(std::string_view text);
// Leading integer after blanks/tabs and one sign: decimal, "$" hexadecimal or "%" binary; wraps
// modulo 2^64; 0 when the text holds no number.
std::int64_t parse_int(std::string_view text);

// The building blocks of the texts above, shared with the settings file's value texts.
// The C conversion "%.<decimals>f" of a finite float widened to double, in the "C" locale: "-" for
// every negative value (-0 too), rounded from the exact binary value with halves away from zero.
std::string fixed_text(float value, std::int32_t decimals);
// The leading number of the text as the C library's strtod reads it in the "C" locale: white space,
// one sign, digits with at most one point, an exponent; 0 when there is none. Hexadecimal is never a
// number; "inf", "infinity" and "nan" are only WITH_INF_NAN.
enum class DecimalWords { DIGITS_ONLY, WITH_INF_NAN };
double leading_decimal(std::string_view text, DecimalWords words);
