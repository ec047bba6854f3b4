#include "framework/TDateTime.h"

#include "platform/system.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>

const char* const MonthList = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
int Language = lngEnglish;

const char* const txtMonth_Abbrv[2][12] = {
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Janv", "F vr", "Mars", "Avr", "Mai", "Juin", "Juil", "Ao t", "Sept", "Oct", "Nov", "D c"}};
const char* const txtMonth_Full[2][12] = {{"January", "February", "March", "April", "May", "June", "July",
                                           "August", "September", "October", "November", "December"},
                                          {"Janvier", "F vrier", "Mars", "Avril", "Mai", "Juin", "Juillet",
                                           "Ao t", "Septembre", "Octobre", "Novembre", "D cembre"}};
const char* const txtDay_Abbrv[2][7] = {{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
                                        {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"}};
const char* const txtDay_Full[2][7] = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}};

namespace {

// Leading digits of text from a 0-based position; 0 when there are none or the text is shorter.
int NumberAt(const std::string& text, size_t from, size_t count = std::string::npos) {
    if (from >= text.size()) return 0;
    return std::atoi(text.substr(from, count).c_str());
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

// Names of a table, or "" for an index outside it (a month or week day out of range).
template <size_t N> std::string NameAt(const char* const (&table)[N], int index) {
    return (index >= 0 && index < int(N)) ? table[index] : "";
}

// Date arithmetic runs in 64 bits; a result beyond int (a date millions of years away) stops at
// its limit instead of wrapping.
int Saturate(int64_t value) {
    return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// The name tables have one row per language; a Language outside them reads English.
int LanguageRow() {
    return (Language == lngEnglish || Language == lngFrench) ? Language : lngEnglish;
}

int64_t TimeOfDay(const TDateTime& d) {
    return int64_t(d.Hour) * 3600 + int64_t(d.Minute) * 60 + d.Second;
}

// Adds amount to one field of period `period` (months count 1..period), carrying whole periods
// into the next larger unit.
void AddCarried(TDateTime& d, int& field, int amount, int period, int lowest, const std::string& carryUnit) {
    int q = amount / period;
    if (q != 0) {
        d = *TDateTime::Add(carryUnit, q, d);
        field += amount % period;
    } else {
        field += amount;
    }
    // NOTE: only a field grown past its range is carried; one taken below its lowest value stays.
    if (field - lowest >= period) {
        int whole = (field - lowest) / period;
        field -= whole * period;
        d = *TDateTime::Add(carryUnit, whole, d);
    }
}

} // namespace

int TDateTime::compare(const TDateTime& other) const {
    int64_t days = int64_t(Conv_Date2Julian(*this)) - Conv_Date2Julian(other);
    return Saturate(days != 0 ? days : TimeOfDay(*this) - TimeOfDay(other));
}

TDateTimeRef TDateTime::Create() {
    return std::make_shared<TDateTime>();
}

TDateTimeRef TDateTime::Add(const std::string& unit, int amount, const TDateTime& date) {
    TDateTimeRef copy;
    date.Copy(copy);
    TDateTime& d = *copy;
    if (unit == "Y") {
        d.Year += amount;
    } else if (unit == "D") {
        Conv_Julian2Date(Saturate(int64_t(Conv_Date2Julian(d)) + amount), d);
    } else if (unit == "M") {
        int month = d.Month;
        AddCarried(d, month, amount, 12, 1, "Y");
        d.Month = month;
    } else if (unit == "H") {
        int hour = d.Hour;
        AddCarried(d, hour, amount, 24, 0, "D");
        d.Hour = hour;
    } else if (unit == "N") {
        int minute = d.Minute;
        AddCarried(d, minute, amount, 60, 0, "H");
        d.Minute = minute;
    } else if (unit == "S") {
        int second = d.Second;
        AddCarried(d, second, amount, 60, 0, "N");
        d.Second = second;
    }
    return copy;
}

int TDateTime::Diff(const std::string& unit, const TDateTime& first, const TDateTime& second) {
    int64_t days = int64_t(Conv_Date2Julian(second)) - Conv_Date2Julian(first);
    int64_t years = int64_t(second.Year) - first.Year;
    int64_t hours = days * 24 + (int64_t(second.Hour) - first.Hour);
    if (unit == "Y") return Saturate(years);
    if (unit == "M") return Saturate(years * 12 + (int64_t(second.Month) - first.Month));
    if (unit == "D") return Saturate(days);
    if (unit == "H") return Saturate(hours);
    if (unit == "N") return Saturate(hours * 60 + (int64_t(second.Minute) - first.Minute));
    if (unit == "S") return Saturate(days * 86400 + TimeOfDay(second) - TimeOfDay(first));
    return 0;
}

std::string TDateTime::Get_String(const TDateTime& date, const std::string& tmpl) {
    std::string out;
    size_t i = 0;
    while (i < tmpl.size()) {
        size_t end = i;
        while (end < tmpl.size() && tmpl[end] == tmpl[i])
            ++end;
        out += Get_String_Parser(tmpl, tmpl[i], int(end) + 1, int(end - i), date);
        i = end;
    }
    return out;
}

std::string TDateTime::Get_String_Parser(const std::string& tmpl, char letter, int position, int count,
                                         const TDateTime& date) {
    auto F = Get_String_Parser_Formater;
    switch (letter) {
    case 'Y':
        return count == 2 ? F(date.Year, 2) : count == 4 ? F(date.Year, 4) : "";
    case 'M':
        if (count == 1) return std::to_string(date.Month);
        if (count == 2) return F(date.Month, 2);
        if (count == 3) return NameAt(txtMonth_Abbrv[LanguageRow()], date.Month - 1);
        if (count == 4) return NameAt(txtMonth_Full[LanguageRow()], date.Month - 1);
        return "";
    case 'D':
        if (count == 1) return std::to_string(date.Day);
        if (count == 2) return F(date.Day, 2);
        if (count == 3) return NameAt(txtDay_Abbrv[LanguageRow()], WeekDay(date));
        if (count == 4) return NameAt(txtDay_Full[LanguageRow()], WeekDay(date));
        return "";
    case 'H':
    case 'N':
    case 'S': {
        int value = letter == 'H' ? date.Hour : letter == 'N' ? date.Minute : date.Second;
        return count == 1 ? std::to_string(value) : count == 2 ? F(value, 2) : "";
    }
    default:
        return tmpl.substr(size_t(position - 1 - count), size_t(count));
    }
}

std::string TDateTime::Get_String_Parser_Formater(int value, int width) {
    if (width <= 0) return "";
    std::string s = std::to_string(value);
    if (int(s.size()) < width) return std::string(size_t(width) - s.size(), '0') + s;
    return s.substr(s.size() - size_t(width));
}

int TDateTime::Conv_Date2Julian(const TDateTime& d) {
    int64_t y = d.Year, m = d.Month;
    return Saturate(367 * y - (7 * (y + 5001 + (m - 9) / 7)) / 4 + (275 * m) / 9 + d.Day + 1729777);
}

int TDateTime::Conv_Julian2Date(int dayNumber, TDateTime& date) {
    int64_t j = int64_t(dayNumber) + 1402;
    int64_t k = (j - 1) / 1461;
    int64_t l = j - 1461 * k;
    int64_t n = (l - 1) / 365 - l / 1461;
    int64_t i = l - 365 * n + 30;
    int64_t m = (80 * i) / 2447;
    date.Day = int(i - (2447 * m) / 80);
    i = m / 11;
    date.Month = int(m + 2 - 12 * i);
    date.Year = Saturate(4 * k + n + i - 4716);
    return 0;
}

int TDateTime::WeekDay(const TDateTime& d) {
    int64_t m = d.Month < 3 ? int64_t(d.Month) + 12 : d.Month;
    int64_t y = d.Month < 3 ? int64_t(d.Year) - 1 : d.Year;
    return int((d.Day + (13 * m - 27) / 5 + y + y / 4 - y / 100 + y / 400) % 7);
}

int TDateTime::Copy(TDateTimeRef& target) const {
    if (!target) target = Create();
    target->Set_DateTimeSerial(Year, Month, Day, Hour, Minute, Second);
    return 0;
}

int TDateTime::Set_DateSerial(int year, int month, int day) {
    Year = year;
    Month = month;
    Day = day;
    return 0;
}

int TDateTime::Set_TimeSerial(int hour, int minute, int second) {
    Hour = hour;
    Minute = minute;
    Second = second;
    return 0;
}

int TDateTime::Set_DateTimeSerial(int year, int month, int day, int hour, int minute, int second) {
    Set_TimeSerial(hour, minute, second);
    return Set_DateSerial(year, month, day);
}

int TDateTime::Set_DateText(const std::string& date) {
    Day = NumberAt(date, 0, 2);
    size_t found = std::string(MonthList).find(Upper(date.size() >= 6 ? date.substr(3, 3) : ""));
    int position = found == std::string::npos ? 0 : int(found) + 1; // 1-based, 0 when absent
    Month = position / 3 + 1;
    Year = NumberAt(date, date.size() >= 4 ? date.size() - 4 : 0);
    return 0;
}

int TDateTime::Set_TimeText(const std::string& time) {
    Hour = NumberAt(time, 0, 2);
    Minute = NumberAt(time, 3);
    Second = NumberAt(time, 6);
    return 0;
}

int TDateTime::Set_DateCurrent() {
    return Set_DateText(platform::CurrentDate());
}
int TDateTime::Set_TimeCurrent() {
    return Set_TimeText(platform::CurrentTime());
}

int TDateTime::Set_DateTimeCurrent() {
    std::string date, time;
    platform::CurrentDateTime(date, time); // one reading, so both halves are of the same moment
    Set_DateText(date);
    return Set_TimeText(time);
}

int TDateTime::Debug_PrintDate() const {
    platform::Print(std::to_string(Year) + "/" + std::to_string(Month) + "/" + std::to_string(Day) + "  " +
                    std::to_string(Hour) + ":" + std::to_string(Minute) + ":" + std::to_string(Second));
    return 0;
}

namespace {

// French, German and Spanish names by upper-cased English abbreviation.
struct TMonthNames {
    const char* key;
    const char* french;
    const char* german;
    const char* spanish;
};
const TMonthNames monthNames[] = {
    {"JAN", "Janv", "Jan", "Ene"},  {"FEB", "F vr", "Feb", "Feb"}, {"MAR", "Mars", "M rz", "Mar"},
    {"APR", "Avr", "April", "Abr"}, {"MAY", "Mai", "Mai", "May"},  {"JUN", "Juin", "Juni", "Jun"},
    {"JUL", "Juil", "Juli", "Jul"}, {"AUG", "Ao t", "Aug", "Ago"}, {"SEP", "Sept", "Sept", "Sep"},
    {"OCT", "Oct", "Okt", "Oct"},   {"NOV", "Nov", "Nov", "Nov"},  {"DEC", "D c", "Dez", "Dic"},
};

const TMonthNames* FindMonth(const std::string& month) {
    std::string key = Upper(month);
    for (const auto& names : monthNames)
        if (key == names.key) return &names;
    return nullptr;
}

std::string TranslateDate(const std::string& date, std::string (*month)(const std::string&)) {
    auto part = [&](size_t from, size_t count) { return from < date.size() ? date.substr(from, count) : ""; };
    return part(0, 3) + month(part(3, 3)) + part(6, 5);
}

} // namespace

std::string ccMonthToFrench(const std::string& month) {
    const TMonthNames* names = FindMonth(month);
    return names ? names->french : "";
}

std::string ccMonthToGerman(const std::string& month) {
    const TMonthNames* names = FindMonth(month);
    return names ? names->german : "";
}

std::string ccMonthToSpanish(const std::string& month) {
    const TMonthNames* names = FindMonth(month);
    return names ? names->spanish : "";
}

std::string ccCurrentDateToFrench(const std::string& date) {
    return TranslateDate(date, ccMonthToFrench);
}
std::string ccCurrentDateToGerman(const std::string& date) {
    return TranslateDate(date, ccMonthToGerman);
}
std::string ccCurrentDateToSpanish(const std::string& date) {
    return TranslateDate(date, ccMonthToSpanish);
}

std::string ccTimeTo12Hour(const std::string& time) {
    int h = NumberAt(time, 0, 2);
    int h12 = h < 12 ? h : h - 12;
    if (h12 == 0) h12 = 12;
    return std::to_string(h12) + (time.size() > 2 ? time.substr(2) : "") + (h < 12 ? "am" : "pm");
}
