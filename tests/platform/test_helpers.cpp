// The decimal reading of texts, the plain text of numbers, the random generator.
#include <gtest/gtest.h>

#include "platform/vb.h"

using namespace platform;

TEST(DecimalReading, LeadingNumberOfAText)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},      {"abc", 0},       {"12", 12},     {" 4", 4},      {"04", 4},
        {"4.0", 4},   {"6.5", 6.5},     {"7.5 s", 7.5}, {"-3", -3},     {"+2", 2},
        {"1e3", 1000}, {"1e", 1},       {"12abc", 12},  {".5", 0.5},    {"-", 0},
        {"3 4", 3},   {"58.8", 58.8},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(val(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

TEST(PlainDecimalText, NumbersWithoutNoise)
{
    EXPECT_EQ(str(5), "5");
    EXPECT_EQ(str(-3), "-3");
    EXPECT_EQ(str(0), "0");
    EXPECT_EQ(str(5.5), "5.5");
    EXPECT_EQ(str(11760), "11760");
    EXPECT_EQ(str(0.25), "0.25");
}

TEST(RandomSource, ReplaceableAndUniformInUnitInterval)
{
    setRandomSource([] { return 0.75; });
    EXPECT_DOUBLE_EQ(rnd(), 0.75);
    setRandomSource(nullptr);
    for (int i = 0; i < 1000; ++i) {
        const double r = rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}
