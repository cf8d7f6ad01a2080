// The forgiving number and decimal readers of option values.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "cli/value_readers.h"

namespace {
struct NumberCase {
    const char* text;
    std::int32_t expected;
};

TEST(ReadNumber, ReadsEveryNotationAndStopsAtForeignText) {
    const NumberCase cases[] = {
        {"0", 0},          {"95", 95},          {"-100", -100},     {"+7", 7},
        {"  \t42", 42},    {"12px", 12},        {"50%", 50},        {"abc", 0},
        {"", 0},           {"-", 0},            {"$FF", 255},       {"$ff", 255},
        {"-$10", -16},     {"$1G", 1},          {"$", 0},           {"%101", 5},
        {"%102", 2},       {"-%11", -3},        {"1 2", 1},         {"4294967295", -1},
        {"4294967296", 0}, {"2147483648", -2147483647 - 1},         {"$FFFFFFFF", -1},
        {"$100000005", 5}, {"x12", 0},          {"1.9", 1},         {"+-3", 0},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
}

struct DecimalCase {
    const char* text;
    float expected;
};

TEST(ReadDecimal, ReadsPointDecimalsAndStopsAtForeignText) {
    const DecimalCase cases[] = {
        {"1.5", 1.5f},   {"2,5", 2.0f},   {"abc", 0.0f},  {"", 0.0f},     {"  0.25", 0.25f},
        {"-0.5", -0.5f}, {"+3", 3.0f},    {".5", 0.5f},   {"1e1", 10.0f}, {"1e", 1.0f},
        {"2.5x", 2.5f},  {"inf", 0.0f},   {"1e-999", 0.0f}, {"0x10", 0.0f}, {"9.99", 9.99f},
    };
    for (const DecimalCase& c : cases) EXPECT_FLOAT_EQ(ReadDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ReadDecimal, KnowsInfinityAndNaNInAnyCase) {
    EXPECT_EQ(ReadDecimal("+Infinity"), INFINITY);
    EXPECT_EQ(ReadDecimal("+INFINITY"), INFINITY);
    EXPECT_EQ(ReadDecimal("-infinity"), -INFINITY);
    EXPECT_TRUE(std::isnan(ReadDecimal("nan")));
    EXPECT_TRUE(std::isnan(ReadDecimal("NaN")));
    EXPECT_EQ(ReadDecimal("1e999"), INFINITY);  // too large for a float
}

TEST(ReadDecimal, IgnoresTheLocaleDecimalSeparator) {
    // A locale with a decimal comma must not turn "1,5" into 1.5 nor "1.5" into 1.
    const char* chosen = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (!chosen) chosen = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_FLOAT_EQ(ReadDecimal("1.5"), 1.5f);
    EXPECT_FLOAT_EQ(ReadDecimal("1,5"), 1.0f);
    std::setlocale(LC_NUMERIC, "C");
    if (!chosen) GTEST_SKIP() << "no comma locale installed; checked under C only";
}
}  // namespace
