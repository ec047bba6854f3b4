// A small date and time value with calendar arithmetic on day numbers, differences in any unit,
// the current date and time, and formatting from a letter template ("YYYY-MM-DD HHNNSS");
// English and French names, and month and date translations.
#pragma once

#include <memory>
#include <string>

class TDateTime;
using TDateTimeRef = std::shared_ptr<TDateTime>;

extern const char* const MonthList; // "JANFEBMAR..."
enum { lngEnglish = 0, lngFrench = 1 };
// lngEnglish or lngFrench; any other value names things in English.
extern int Language;
extern const char* const txtMonth_Abbrv[2][12];
extern const char* const txtMonth_Full[2][12];
extern const char* const txtDay_Abbrv[2][7];
extern const char* const txtDay_Full[2][7];

class TDateTime {
public:
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;

    // Day number, then time of day, of this minus other.
    int compare(const TDateTime& other) const;

    static TDateTimeRef Create();
    // Units: "Y", "M", "D", "H", "N" (minutes), "S"; any other leaves the date as it is.
    static TDateTimeRef Add(const std::string& unit, int amount, const TDateTime& date);
    static int Diff(const std::string& unit, const TDateTime& first, const TDateTime& second);
    static std::string Get_String(const TDateTime& date, const std::string& tmpl);
    static std::string Get_String_Parser(const std::string& tmpl, char letter, int position, int count,
                                         const TDateTime& date);
    static std::string Get_String_Parser_Formater(int value, int width);
    // Day number of the date; dates beyond int's range give INT_MIN or INT_MAX.
    static int Conv_Date2Julian(const TDateTime& date);
    static int Conv_Julian2Date(int dayNumber, TDateTime& date);
    static int WeekDay(const TDateTime& date); // 0 Sunday

    int Copy(TDateTimeRef& target) const;
    int Set_DateSerial(int year, int month, int day);
    int Set_TimeSerial(int hour, int minute, int second);
    int Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second);
    // From the platform's date text ("09 Dec 2026") and time text ("14:05:09").
    int Set_DateCurrent();
    int Set_TimeCurrent();
    // Both from one reading of the clock.
    int Set_DateTimeCurrent();
    int Set_DateText(const std::string& date);
    int Set_TimeText(const std::string& time);
    int Debug_PrintDate() const;
};

std::string ccMonthToFrench(const std::string& month);
std::string ccMonthToGerman(const std::string& month);
std::string ccMonthToSpanish(const std::string& month);
std::string ccCurrentDateToFrench(const std::string& date);
std::string ccCurrentDateToGerman(const std::string& date);
std::string ccCurrentDateToSpanish(const std::string& date);
// "00:30:00" gives "12:30:00am".
std::string ccTimeTo12Hour(const std::string& time);
