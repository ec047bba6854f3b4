// String helpers and the word wrap, measured by a fixed 10 pixels per character.
#include "framework/cc_strings.h"

#include <gtest/gtest.h>

namespace {

class TenPixelFont : public TTextMeasure {
public:
    float StringWidth(const std::string& text) const override { return 10.0f * float(text.size()); }
};

TEST(Strings, Separators) {
    EXPECT_EQ(ccFirstString("a,b,c"), "a");
    EXPECT_EQ(ccFirstStringToSub("abc", "::"), "abc");
    EXPECT_EQ(ccLastStringToSub("abc", "::"), "");
    EXPECT_EQ(ccLastStringToSub("a::b::c", "::"), "b::c");
    std::string text = "key::rest";
    EXPECT_EQ(ccFirstStringToSubChop(text, "::"), "key");
    EXPECT_EQ(text, ":rest"); // only the separator's first character goes
    text = "whole";
    EXPECT_EQ(ccFirstStringToSubChop(text, ","), "whole");
    EXPECT_EQ(text, "");
    EXPECT_EQ(ccFirstStringToSubChop(text, ""), ""); // nothing left to chop
    EXPECT_EQ(text, "");
}

TEST(Strings, MidPadAndSign) {
    EXPECT_EQ(ccMid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(ccMid("abc", 2, 10), "bc");
    EXPECT_EQ(ccMid("abc", 1, -1), "");
    EXPECT_EQ(ccMid("abc", 7, 2), "");
    EXPECT_EQ(ccAddQuotes("x"), "\"x\"");
    EXPECT_EQ(ccPadWithZeros("7", 3), "007");
    EXPECT_EQ(ccPadWithZeros("1234", 3), "1234");
    EXPECT_EQ(ccPadRightWithChar("7", 4, "ab"), "abab7");
    EXPECT_EQ(ccPadWithChar("7", 3, "-"), "7--");
    EXPECT_EQ(ccIntToStringWithSign(5), "+5");
    EXPECT_EQ(ccIntToStringWithSign(0), "0");
    EXPECT_EQ(ccIntToStringWithSign(-5), "-5");
}

TEST(Strings, Arrays) {
    TStringArray five = {"0", "1", "2", "3", "4"};
    EXPECT_EQ(ccRemoveStringArraySlots(five, 1, 2), (TStringArray{"0", "3", "4"}));
    TStringArray target = {"old"};
    ccCopyStringArray({"a", "b", "c", "d"}, target, 2, -1);
    EXPECT_EQ(target, (TStringArray{"", "", "c", "d"}));
    ccCopyStringArray({"a", "b"}, target, 1, 0);
    EXPECT_TRUE(target.empty());
    EXPECT_EQ(ccListStringIndex({"x", "y"}, "y"), 1);
    EXPECT_EQ(ccListStringIndex({"x", "y"}, "z"), -1);
    std::vector<int> ints = {3, 1, 2};
    ccSortIntArray(ints, 0);
    EXPECT_EQ(ints, (std::vector<int>{3, 2, 1}));
    auto a = std::make_shared<int>(1), b = std::make_shared<int>(2);
    std::vector<std::shared_ptr<int>> objects = {nullptr, a, nullptr, b};
    EXPECT_EQ(ccListIndex(objects, b), 1); // nulls are not counted
}

TEST(Strings, SplitIntoLines) {
    EXPECT_TRUE(ccSplitStringIntoLines("").empty());
    EXPECT_EQ(ccSplitStringIntoLines("a\r\nb\r\n"), (TStringArray{"a", "b"}));
    EXPECT_EQ(ccSplitStringIntoLines("a\nb\n"), (TStringArray{"a", "b"}));
    EXPECT_EQ(ccSplitStringIntoLines("a\n\nb"), (TStringArray{"a", "", "b"}));
    EXPECT_EQ(ccSplitStringIntoLines("a\rb"), (TStringArray{"a\rb"}));
}

TEST(Strings, WordWrap) {
    TenPixelFont font;
    struct Case {
        TStringArray in;
        int width;
        TStringArray out;
    } cases[] = {
        {{"aaa bbb ccc"}, 70, {"aaa bbb", "ccc"}},    // exactly the width fits
        {{"aaa bbb ccc"}, 69, {"aaa", "bbb", "ccc"}}, // one pixel less does not
        {{"aaa  bbb"}, 200, {"aaa bbb"}},             // two blanks wrap like one
        {{"aaa   bbb ccc"}, 200, {"aaa bbb ccc"}},    // three blanks lose nothing
        {{"aaa     bbb"}, 200, {"aaa bbb"}},          // nor five
        {{"first", "", "third"}, 200, {"first", "", "third"}},
        {{"enormousword x"}, 50, {"enormousword", "x"}}, // never split, sticks out
        {{"aaa "}, 200, {"aaa"}},                        // trailing blanks vanish
    };
    for (const auto& c : cases)
        EXPECT_EQ(ccWordWrapArray(c.in, c.width, &font, 1.0f), c.out) << c.in[0];
    EXPECT_EQ(ccWordWrapArray({"aaa bbb"}, 100, &font, 2.0f), (TStringArray{"aaa", "bbb"})); // scaled measure
}

TEST(Strings, WordWrapSpecialNarrowsLaterLines) {
    TenPixelFont font;
    TStringArray in = {"aaa bbb ccc ddd"};
    EXPECT_EQ(ccWordWrapArraySpecial(in, 70, 30, 2, &font, 1.0f), (TStringArray{"aaa bbb", "ccc", "ddd"}));
    EXPECT_EQ(ccWordWrapArraySpecial(in, 70, 30, 1, &font, 1.0f), (TStringArray{"aaa bbb", "ccc ddd"}));
}

} // namespace
