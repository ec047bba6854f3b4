#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace platform;

TEST(Text, ToIntReadsDecimalHexAndBinaryPrefixes) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {" -12abc", -12},
        {"$ff", 255},
        {"$FF", 255},
        {"%101", 5},
        {"abc", 0},
        {"", 0},
        {"+7", 7},
        {"\t 42 ", 42},
        {"-", 0},
        {"$", 0},
        {"%102", 2},
        {"3.9", 3},
        {"-$10", -16},
        {"0012", 12},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
        {"$FFFFFFFFFF", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(Text, ToFloatReadsTheLongestNumberPrefix) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"1.5", 1.5}, {" -0.25x", -0.25}, {".5", 0.5},   {"5.", 5.0},        {"1e3", 1000.0},
                 {"1e", 1.0},  {"2E-2", 0.02},     {"abc", 0.0},  {"", 0.0},          {"-", 0.0},
                 {"+.", 0.0},  {"1,5", 1.0},       {"0x10", 0.0}, {"1e999", HUGE_VAL}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ToFloat(c.text), c.value) << '"' << c.text << '"';
}

TEST(Text, CaseTrimReplaceAndSplit) {
    EXPECT_EQ(Upper("abc Z\xE9\xF7\xFF"), "ABC Z\xC9\xF7\xFF");
    EXPECT_EQ(Lower("ABC z\xC9\xD7"), "abc z\xE9\xD7");
    EXPECT_EQ(Trim("\t\r\n  a b \x01"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Replace("a-b--c", "-", "+"), "a+b++c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Split("a,,b,", ','), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Split("", ','), (std::vector<std::string>{""}));
}

TEST(Text, NumbersPrintWithAPointWhateverTheValue) {
    EXPECT_EQ(FloatToText(1.5), "1.50000000");
    EXPECT_EQ(FloatToText(0.0), "0.00000000");
    EXPECT_EQ(FloatToText(-2.0), "-2.00000000");
    EXPECT_EQ(DoubleToText(1.0), "1.0000000000000000");
    EXPECT_EQ(DoubleToText(0.1), "0.10000000000000001");
}

TEST(Text, Latin1AndUtf8RoundTrip) {
    std::string all;
    for (int c = 1; c < 256; c++)
        all += char(c);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    EXPECT_EQ(Latin1ToUtf8("\xE9"), "\xC3\xA9");
    // Codes above 255 and broken sequences are dropped, the rest kept.
    EXPECT_EQ(Utf8ToLatin1("a\xE2\x82\xAC"
                           "b\xF0\x9F\x8E\x84"
                           "c"),
              "abc");
    EXPECT_EQ(Utf8ToLatin1("a\xC3"
                           "b\x80"
                           "c\xC3"),
              "abc");
}
