#include "core/number_text.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

namespace {

constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float FLOAT_MAX = std::numeric_limits<float>::max();
constexpr std::int64_t INT64_LOWEST = std::numeric_limits<std::int64_t>::min();

struct IntText {
    std::int64_t value;
    const char* text;
};

TEST(FormatInt, WritesPlainDecimalDigits) {
    const IntText cases[] = {
        {0, "0"},
        {7, "7"},
        {12, "12"},
        {-5, "-5"},
        {1000000, "1000000"},
        {-2147483648, "-2147483648"},
        {9223372036854775807, "9223372036854775807"},
        {INT64_LOWEST, "-9223372036854775808"},
    };
    for (const IntText& c : cases)
        EXPECT_EQ(format_int(c.value), c.text);
}

struct FloatText {
    float value;
    std::int32_t decimals;
    const char* text;
};

TEST(FormatFloat, RoundsTheExactValueHalvesAwayFromZero) {
    const FloatText cases[] = {
        {0.5f, 1, "0.5"},
        {7.5f, 1, "7.5"},
        {3.14159f, 3, "3.142"},
        {0.0625f, 3, "0.063"},
        {0.3125f, 3, "0.313"},
        {0.1875f, 3, "0.188"},
        {-0.0625f, 3, "-0.063"},
        {-0.0f, 3, "0.000"},
        {-0.0004f, 3, "-0.000"},
        {2.0005f, 3, "2.000"},
        {9.9996f, 3, "10.000"},
        {0.25f, 1, "0.3"},
        {-1.25f, 1, "-1.3"},
        {1234567.0f, 3, "1234567.000"},
        {INF, 3, "+Infinity"},
        {-INF, 3, "-Infinity"},
        {std::numeric_limits<float>::quiet_NaN(), 3, "NaN"},
        {-std::numeric_limits<float>::quiet_NaN(), 0, "NaN"},
        {INF, 512, "+Infinity"},
        // Rounding must look at the stored value, not at its shortest text ("0.35" would round up).
        {0.35f, 1, "0.3"},
        {0.05f, 1, "0.1"},
        {2.5f, 0, "3"},
        {0.5f, 0, "1"},
        {-0.5f, 0, "-1"},
        {-0.4f, 0, "-0"},
        {9.5f, 0, "10"},
        {5.727959156036377f, 3, "5.728"},
        {16777216.0f, 3, "16777216.000"},
        {FLOAT_MAX, 0, "340282346638528859811704183484516925440"},
        {std::numeric_limits<float>::denorm_min(), 3, "0.000"},
    };
    for (const FloatText& c : cases)
        EXPECT_EQ(format_float(c.value, c.decimals), c.text) << full_float(c.value) << ", " << c.decimals;
}

TEST(FormatFloat, LimitsTheCountOfDecimals) {
    const FloatText cases[] = {
        {1.5f, 0, "2"},
        {1.5f, -2, "2"},
        {1.5f, std::numeric_limits<std::int32_t>::min(), "2"},
        {1.0f / 3.0f, -1, "0.3333333433"},
        {1.5f, 1, "1.5"},
    };
    for (const FloatText& c : cases)
        EXPECT_EQ(format_float(c.value, c.decimals), c.text) << full_float(c.value) << ", " << c.decimals;

    const std::string one_512 = "1." + std::string(512, '0');
    EXPECT_EQ(format_float(1.0f, 512), one_512);
    EXPECT_EQ(format_float(1.0f, 513), one_512);
    EXPECT_EQ(format_float(1.0f, std::numeric_limits<std::int32_t>::max()), one_512);
}

TEST(FormatFloat, WritesEveryDigitOfLongTexts) {
    const std::string longest = format_float(-FLOAT_MAX, 512);
    EXPECT_EQ(longest.size(), 553u);
    EXPECT_EQ(longest, "-340282346638528859811704183484516925440." + std::string(512, '0'));

    // 2^-149 written out has 149 decimals and ends in 5: a halfway case far from the point.
    const std::string tiny_digits =
        "0.00000000000000000000000000000000000000000000140129846432481707092372958328991613128"
        "026194187651577175706828388979108268586060148663818836212158203125";
    const float tiny = std::numeric_limits<float>::denorm_min();
    EXPECT_EQ(format_float(tiny, 149), tiny_digits);
    EXPECT_EQ(format_float(tiny, 148), tiny_digits.substr(0, tiny_digits.size() - 2) + "3");
    EXPECT_EQ(format_float(-tiny, 512), "-" + tiny_digits + std::string(512 - 149, '0'));
}

struct TextFloat {
    const char* text;
    float value;
};

// Values compared bit for bit, so a zero's sign counts.
const TextFloat PARSE_FLOAT_CASES[] = {
    {"15.6", 15.600000381469727f},
    {" 15.6", 15.600000381469727f},
    {"15,6", 15.0f},
    {"15.6 Zoll", 15.600000381469727f},
    {"abc", 0.0f},
    {"", 0.0f},
    {"-3.25", -3.25f},
    {"+17.3", 17.299999237060547f},
    {".5", 0.5f},
    {"5.", 5.0f},
    {"1e2", 100.0f},
    {"1,234.5", 1.0f},
    {"+Infinity", INF},
    {"+INFINITY", INF},
    {"-infinity", -INF},
    {"15.6.7", 15.600000381469727f},
    {"\t\n\v\f\r 15.6", 15.600000381469727f},
    {"\24015.6", 0.0f}, // a no-break space in Windows-1252
    {"-0", -0.0f},
    {"-.5", -0.5f},
    {"1E2", 100.0f},
    {"5.e1", 50.0f},
    {"1e", 1.0f},
    {"1e+", 1.0f},
    {"1e-", 1.0f},
    {"1d2", 1.0f},
    {".", 0.0f},
    {"-.", 0.0f},
    {".e5", 0.0f},
    {"e5", 0.0f},
    {"- 3", 0.0f},
    {"+-5", 0.0f},
    {"--5", 0.0f},
    // Spellings other than the three whole texts are no numbers, nor is hexadecimal notation.
    {"inf", 0.0f},
    {"Infinity", 0.0f},
    {"+inf", 0.0f},
    {"-nan", 0.0f},
    {" NaN", 0.0f},
    {"+Infinity ", 0.0f},
    {"0x1F", 0.0f},
    {"0x1p3", 0.0f},
    // Beyond the ranges of double and of float.
    {"1e40", INF},
    {"-1e40", -INF},
    {"1e400", INF},
    {"-1e400", -INF},
    {"1e99999999999999999999", INF},
    {"1e-50", 0.0f},
    {"-1e-400", -0.0f},
    {"1e-99999999999999999999", 0.0f},
    {"0.0000001e-320", 0.0f},
    {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
     INF},
    {"1.5e-45", std::numeric_limits<float>::denorm_min()},
    {"3.4028235677973362e38", FLOAT_MAX},
    {"3.4028235677973366e38", INF},
    // Read as a double first and then rounded again: the double is 1 + 2^-24 exactly, a tie that
    // goes to 1, where a direct conversion to float would round up.
    {"1.000000059604644775390625000001", 1.0f},
};

TEST(ParseFloat, ReadsTheLeadingDecimalNumber) {
    for (const TextFloat& c : PARSE_FLOAT_CASES)
        EXPECT_TRUE(same_bits(parse_float(c.text), c.value)) << c.text;
}

TEST(ParseFloat, ReadsNaNOnlyAsAWholeText) {
    for (const char* text : {"NaN", "nan", "nAn"}) {
        const float value = parse_float(text);
        EXPECT_TRUE(std::isnan(value)) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
}

struct TextInt {
    const char* text;
    std::int64_t value;
};

const TextInt PARSE_INT_CASES[] = {
    {"12.5", 12},
    {"$10", 16},
    {"$ff", 255},
    {"$FF", 255},
    {"$1g", 1},
    {"%101", 5},
    {"%102", 2},
    {"-3", -3},
    {"+7", 7},
    {"-$10", -16},
    {"abc", 0},
    {"", 0},
    {"  42", 42},
    {"\t42", 42},
    {"42cm", 42},
    {"- 3", 0},
    {"--5", 0},
    {"+-5", 0},
    {"$", 0},
    {"%", 0},
    {"0x1F", 0},
    {"007", 7},
    {"9223372036854775807", 9223372036854775807},
    {"9223372036854775808", INT64_LOWEST},
    {"18446744073709551616", 0},
    {"99999999999999999999", 7766279631452241919},
    {"4294967297", 4294967297},
    // Only blanks and tabs are skipped, and only before the sign.
    {"\n42", 0},
    {"\r42", 0},
    {" \t -$ff", -255},
    {"-", 0},
    {"+", 0},
    {"-%", 0},
    {"$ 1", 0},
    {"$-1", 0},
    {"$$1", 0},
    {"%2", 0},
    {"1$", 1},
    {"-%1", -1},
    {"$FFFFFFFFFFFFFFFF", -1},
    {"$10000000000000001", 1},
    {"-9223372036854775808", INT64_LOWEST},
    {"-18446744073709551615", 1},
};

TEST(ParseInt, ReadsTheLeadingIntegerWrappingModulo2To64) {
    for (const TextInt& c : PARSE_INT_CASES)
        EXPECT_EQ(parse_int(c.text), c.value) << c.text;
}

// A process switched to a German locale must still write and read "." and no grouping.
class GermanNumericLocale : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
        try {
            std::locale::global(std::locale("de_DE.UTF-8"));
        } catch (const std::runtime_error&) {
            GTEST_SKIP() << "std::locale de_DE.UTF-8 is not available";
        }
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(GermanNumericLocale, LeavesTheTextsUnchanged) {
    char c_text[16];
    std::snprintf(c_text, sizeof c_text, "%.1f", 1.5);
    ASSERT_STREQ(c_text, "1,5") << "the locale switch did not take effect";

    EXPECT_EQ(format_float(3.14159f, 3), "3.142");
    EXPECT_EQ(format_float(1234567.0f, 3), "1234567.000");
    EXPECT_EQ(format_float(-1.25f, 1), "-1.3");
    EXPECT_EQ(format_int(1000000), "1000000");
    for (const TextFloat& c : PARSE_FLOAT_CASES)
        EXPECT_TRUE(same_bits(parse_float(c.text), c.value)) << c.text;
    for (const TextInt& c : PARSE_INT_CASES)
        EXPECT_EQ(parse_int(c.text), c.value) << c.text;
}

} // namespace
