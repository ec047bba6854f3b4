// Dates: day numbers, arithmetic, templates and translations.
#include "framework/TDateTime.h"
#include "platform/system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <ctime>
#include <regex>

namespace {

TDateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    TDateTime t;
    t.Set_DateTimeSerial(y, mo, d, h, mi, s);
    return t;
}

std::string Ymdhns(const TDateTime& t) {
    return TDateTime::Get_String(t, "YYYY-MM-DD HH:NN:SS");
}

TEST(Dates, DayNumbersMatchTheCalendarFrom1900To2100) {
    using namespace std::chrono;
    sys_days first = year{1900} / March / 1, last = year{2100} / February / 28;
    int base = TDateTime::Conv_Date2Julian(Make(1900, 3, 1));
    for (sys_days day = first; day <= last; day += days{1}) {
        year_month_day ymd{day};
        TDateTime t = Make(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
        int n = TDateTime::Conv_Date2Julian(t);
        ASSERT_EQ(n, base + (day - first).count()) << Ymdhns(t);
        TDateTime back;
        TDateTime::Conv_Julian2Date(n, back);
        ASSERT_EQ(Ymdhns(back), Ymdhns(t));
        ASSERT_EQ(TDateTime::WeekDay(t), int(weekday{day}.c_encoding())) << Ymdhns(t);
    }
    EXPECT_EQ(TDateTime::WeekDay(Make(2026, 12, 9)), 3);
}

TEST(Dates, AddAndDiff) {
    struct Case {
        const char* unit;
        int amount;
        TDateTime from;
        const char* to;
    } cases[] = {
        {"M", 1, Make(2026, 12, 15), "2027-01-15 00:00:00"},
        {"M", 25, Make(2026, 1, 15), "2028-02-15 00:00:00"},
        {"H", 30, Make(2026, 1, 1, 20), "2026-01-03 02:00:00"},
        {"D", 1, Make(2028, 2, 28), "2028-02-29 00:00:00"},
        {"D", 1, Make(2027, 2, 28), "2027-03-01 00:00:00"},
        {"D", -1, Make(2026, 1, 1), "2025-12-31 00:00:00"},
        {"S", 61, Make(2026, 12, 31, 23, 59, 59), "2027-01-01 00:01:00"},
        {"M", 1, Make(2026, 1, 31), "2026-02-31 00:00:00"}, // the day is not clamped
        {"Q", 5, Make(2026, 1, 31), "2026-01-31 00:00:00"},
    };
    for (const auto& c : cases) {
        TDateTime before = c.from;
        EXPECT_EQ(Ymdhns(*TDateTime::Add(c.unit, c.amount, c.from)), c.to) << c.unit << c.amount;
        EXPECT_EQ(Ymdhns(c.from), Ymdhns(before)); // the argument stays
    }
    EXPECT_EQ(TDateTime::Diff("D", Make(2025, 12, 31), Make(2026, 1, 1)), 1);
    EXPECT_EQ(TDateTime::Diff("M", Make(2026, 1, 31), Make(2026, 2, 1)), 1);
    EXPECT_EQ(TDateTime::Diff("S", Make(2026, 1, 1, 23, 59, 59), Make(2026, 1, 2)), 1);
    EXPECT_EQ(TDateTime::Diff("N", Make(2026, 1, 1, 10, 0), Make(2026, 1, 1, 9, 30)), -30);
    EXPECT_GT(Make(2026, 1, 2).compare(Make(2026, 1, 1, 23)), 0);
    EXPECT_LT(Make(2026, 1, 1, 1).compare(Make(2026, 1, 1, 2)), 0);
}

TEST(Dates, DatesMillionsOfYearsAwayKeepTheirOrderAndStopAtIntsLimits) {
    // Day numbers fit an int until about the year 5,874,000; beyond they stop at the limit.
    TDateTime far = Make(5'000'000, 6, 15), beyond = Make(6'000'000, 1, 1), before = Make(-6'000'000, 1, 1);
    TDateTime back;
    TDateTime::Conv_Julian2Date(TDateTime::Conv_Date2Julian(far), back);
    EXPECT_EQ(Ymdhns(back), Ymdhns(far));
    EXPECT_EQ(TDateTime::Conv_Date2Julian(beyond), INT_MAX);
    EXPECT_EQ(TDateTime::Conv_Date2Julian(before), INT_MIN);
    EXPECT_EQ(TDateTime::Conv_Date2Julian(Make(INT_MAX, INT_MAX, INT_MAX)), INT_MAX);
    EXPECT_GT(beyond.compare(Make(2026, 12, 9)), 0);
    EXPECT_LT(before.compare(Make(2026, 12, 9)), 0);
    EXPECT_EQ(TDateTime::Diff("S", before, beyond), INT_MAX);
    EXPECT_EQ(TDateTime::Diff("D", beyond, before), INT_MIN);
    EXPECT_EQ(TDateTime::Diff("S", Make(1950, 1, 1), Make(2026, 1, 1)), INT_MAX) << "76 years of seconds";
    EXPECT_EQ(TDateTime::Diff("M", Make(2026, 1, 1), Make(INT_MAX, 1, 1)), INT_MAX);
}

TEST(Dates, NamesOfAnUnknownLanguageAreEnglish) {
    TDateTime t = Make(2026, 12, 9);
    for (int language : {-1, 2, 1000}) {
        Language = language;
        EXPECT_EQ(TDateTime::Get_String(t, "DDD DDDD MMM MMMM"), "Wed Wednesday Dec December") << language;
    }
    Language = lngFrench;
    EXPECT_EQ(TDateTime::Get_String(t, "DDDD MMMM"), "Mercredi D cembre");
    Language = lngEnglish;
}

TEST(Dates, Templates) {
    TDateTime t = Make(2026, 12, 9, 14, 5, 9);
    struct Case {
        const char* tmpl;
        const char* out;
    } cases[] = {
        {"YYYY-MM-DD HHNNSS screenshot.png", "2026-12-09 140509 screenshot.png"},
        {"D/M/YY", "9/12/26"},
        {"DDDD", "Wednesday"},
        {"DDD MMM MMMM", "Wed Dec December"},
        {"YYYYY", ""},
        {"", ""},
    };
    for (auto c : cases)
        EXPECT_EQ(TDateTime::Get_String(t, c.tmpl), c.out) << c.tmpl;
    TDateTime bad = Make(2026, 13, 9);
    EXPECT_EQ(TDateTime::Get_String(bad, "MMM|MMMM"), "|"); // no name outside the table
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(7, 3), "007");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(2026, 2), "26");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(2026, -1), ""); // no characters, no throw
}

TEST(Dates, CurrentDateAndTimeFromTheClockTexts) {
    TDateTime t;
    t.Set_DateText("09 Dec 2026");
    t.Set_TimeText("14:05:09");
    EXPECT_EQ(Ymdhns(t), "2026-12-09 14:05:09");
}

TEST(Dates, TheClockTextsHaveTheirExactShapesAndGiveTodaysDate) {
    std::string date, time;
    platform::CurrentDateTime(date, time);
    EXPECT_TRUE(
        std::regex_match(date, std::regex(R"(\d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \d{4})")))
        << date;
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)"))) << time;
    // Today as the C library sees it, read before and after, in case midnight falls in between.
    auto today = [] {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return Make(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    };
    std::string before = TDateTime::Get_String(today(), "YYYY-MM-DD");
    TDateTime now;
    now.Set_DateTimeCurrent();
    std::string after = TDateTime::Get_String(today(), "YYYY-MM-DD");
    std::string got = TDateTime::Get_String(now, "YYYY-MM-DD");
    EXPECT_TRUE(got == before || got == after) << got << " is not " << before;
}

TEST(Dates, TranslationsAndTwelveHourClock) {
    EXPECT_EQ(ccMonthToGerman("mar"), "M rz");
    EXPECT_EQ(ccMonthToGerman("MaR"), "M rz");
    EXPECT_EQ(ccMonthToGerman("March"), "");
    EXPECT_EQ(ccMonthToSpanish("Dec"), "Dic");
    EXPECT_EQ(ccCurrentDateToFrench("09 Feb 2026"), "09 F vr 2026");
    EXPECT_EQ(ccTimeTo12Hour("00:30:00"), "12:30:00am");
    EXPECT_EQ(ccTimeTo12Hour("12:00:00"), "12:00:00pm");
    EXPECT_EQ(ccTimeTo12Hour("23:59:59"), "11:59:59pm");
}

} // namespace
