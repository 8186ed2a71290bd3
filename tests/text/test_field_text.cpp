#include "FieldText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace korvane;

TEST(FormatNumber, FifteenSignificantDigits) {
    EXPECT_EQ(FormatNumber(6), "6");
    EXPECT_EQ(FormatNumber(16.7), "16.7");
    EXPECT_EQ(FormatNumber(0.1 * 6), "0.6");
    EXPECT_EQ(FormatNumber(898098.8), "898098.8");
    EXPECT_EQ(FormatNumber(8000000.0), "8000000");
    EXPECT_EQ(FormatNumber(-0.5), "-0.5");
    EXPECT_EQ(FormatNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatNumber(0.0001), "0.0001");
}

TEST(FormatNumber, ExponentHasSignAndThreeDigits) {
    EXPECT_EQ(FormatNumber(0.00001), "1e-005");
    EXPECT_EQ(FormatNumber(1e15), "1e+015");
    EXPECT_EQ(FormatNumber(-2.5e-7), "-2.5e-007");
    EXPECT_EQ(FormatNumber(1e300), "1e+300");
    EXPECT_EQ(FormatNumber(123456789012345.0), "123456789012345");
}

TEST(FormatNumber, EveryShownFiniteValueReadsBack) {
    EXPECT_EQ(FormatNumber(-0.0), "0");
    for (double v : {-0.0, 0.0, 1e-300, -4.9e-324, 1650.59211787, -88.38, 1.79769313486231e308})
        EXPECT_TRUE(ParseNumber(FormatNumber(v)).has_value()) << FormatNumber(v);
}

TEST(FormatNumber, TheLargestDoublesShowAsTheLargestNumberThatReadsBack) {
    // DBL_MAX rounds up to 1.79769313486232e+308 in 15 digits, past the range.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatNumber(largest), "1.79769313486231e+308");
    EXPECT_EQ(FormatNumber(-largest), "-1.79769313486231e+308");
    EXPECT_EQ(FormatNumber(1.797693134862315e308), "1.79769313486231e+308");
    EXPECT_EQ(FormatNumber(1.7976931348623e308), "1.7976931348623e+308");
    for (double v : {largest, -largest, std::nextafter(largest, 0.0)})
        EXPECT_TRUE(ParseNumber(FormatNumber(v)).has_value()) << v;
}

TEST(FormatNumber, NotFiniteIsNamed) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(ParseNumber, AcceptsDecimalNumbersWithBlanks) {
    EXPECT_EQ(ParseNumber(" 2.5 "), 2.5);
    EXPECT_EQ(ParseNumber("\t-3\t"), -3.0);
    EXPECT_EQ(ParseNumber("1d2"), 100.0);
    EXPECT_EQ(ParseNumber("1E2"), 100.0);
    EXPECT_EQ(ParseNumber("1D+2"), 100.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("+7"), 7.0);
}

TEST(ParseNumber, RefusesTextThatIsNotANumber) {
    for (const char* text : {"2,5", "2.5m", "", "   ", "abc", "-", ".", "1e", "1e+", "0x10", "inf",
                             "nan", "1 2", "C30", "１"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
}

TEST(ParseNumber, ZeroOnlyFromATextStartingWithTheDigitZero) {
    EXPECT_EQ(ParseNumber("0"), 0.0);
    EXPECT_EQ(ParseNumber("0.0"), 0.0);
    EXPECT_EQ(ParseNumber("00"), 0.0);
    EXPECT_EQ(ParseNumber("0e5"), 0.0);
    EXPECT_EQ(ParseNumber(" 0 "), 0.0);
    for (const char* text : {"-0", "+0", ".0", "-0.0", "1e-999"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
}

TEST(ParseNumber, RefusesANumberBeyondTheRangeOfADouble) {
    // Such text is no number the calculations could use: it is refused like any
    // other, and the field goes back to its last valid value.
    // The largest doubles show as 1.79769313486232e+308, which is already beyond them.
    for (const char* text : {"1e999", "-1e999", "1.8e308", " 1D400 ", "1.79769313486232e+308"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    EXPECT_EQ(ParseNumber("1.79769313486231e+308"), 1.79769313486231e308);
    EXPECT_EQ(ParseNumber("-1.79769313486231e+308"), -1.79769313486231e308);
}

TEST(ParseNumber, RefusesATextLongerThan31Characters) {
    // Reading its first 31 characters would compute with a number never typed: an
    // exponent cut off makes 3.3e-06 a million times too large.
    EXPECT_FALSE(ParseNumber("3.333333333333333333333333333333e-06").has_value());
    EXPECT_FALSE(ParseNumber("6" + std::string(30, ' ') + "garbage").has_value());
    EXPECT_FALSE(ParseNumber(std::string(32, '1')).has_value());
    EXPECT_FALSE(ParseWholeNumber(std::string(31, ' ') + "7").has_value());
    // 31 characters are read whole, Chinese characters counted as one each.
    EXPECT_EQ(ParseNumber(std::string(31, '2')), std::stod(std::string(31, '2')));
    EXPECT_EQ(ParseWholeNumber(std::string(29, ' ') + "12"), 12);
    EXPECT_FALSE(ParseNumber(std::string(30, '2') + "米").has_value());
}

TEST(ParseWholeNumber, AcceptsAndClamps) {
    EXPECT_EQ(ParseWholeNumber("26"), 26);
    EXPECT_EQ(ParseWholeNumber(" -4 "), -4);
    EXPECT_EQ(ParseWholeNumber("0"), 0);
    EXPECT_EQ(ParseWholeNumber("99999999999"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseWholeNumber(std::string(31, '9')), 2147483647);
}

TEST(ParseWholeNumber, Refuses) {
    for (const char* text : {"12.5", "", "x", "-0", "+0", "1e2", "4 5", "0x1"})
        EXPECT_FALSE(ParseWholeNumber(text).has_value()) << '"' << text << '"';
}

TEST(RangeMessages, BoundsAsTheFieldsShowThem) {
    EXPECT_EQ(DoubleRangeMessage(0.0, 20.0), "“请填入一个在0和20之间的数字。”");
    EXPECT_EQ(DoubleRangeMessage(300000.0, 15000000.0),
              "“请填入一个在300000和15000000之间的数字。”");
    EXPECT_EQ(DoubleRangeMessage(0.5, 1.0), "“请填入一个在0.5和1之间的数字。”");
    EXPECT_EQ(IntRangeMessage(0, 45), "“请填入一个在0和45之间的整数。”");
}

TEST(RangeMessages, InclusiveBoundsAndNotANumberFails) {
    EXPECT_TRUE(InRange(1.0, 0.5, 1.0));
    EXPECT_TRUE(InRange(0.5, 0.5, 1.0));
    EXPECT_FALSE(InRange(1.01, 0.5, 1.0));
    EXPECT_FALSE(InRange(std::numeric_limits<double>::quiet_NaN(), 0.0, 20.0));
    EXPECT_TRUE(InRange(45, 0, 45));
    EXPECT_FALSE(InRange(46, 0, 45));
}

TEST(FieldMessages, Table) {
    EXPECT_STREQ(FieldMessage(IDS_ENTER_NUMBER), "请键入一个数。");
    EXPECT_STREQ(FieldMessage(IDS_ENTER_WHOLE_NUMBER), "请键入一个整数。");
    EXPECT_STREQ(FieldMessage(IDS_INTERNAL_ERROR), "内部应用程序出错。");
}
