// Bit-exact float comparison for tests, printing the values in full on failure.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

inline std::string full_float(float value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
    return text;
}

inline testing::AssertionResult same_bits(float actual, float expected) {
    if (std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << full_float(actual) << " is not " << full_float(expected);
}
