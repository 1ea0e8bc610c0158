#include "platform/DateTime.h"

#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string_view>

#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

using namespace std::chrono;

constexpr int64_t FirstSerialDay = -693593;  // 1 January 1
constexpr int64_t LastSerialDay = 2958465;   // 31 December 9999
constexpr sys_days SerialEpoch = sys_days{year{1899} / December / 30};

// The locale that names the time category of the environment: LC_ALL, else LC_TIME, else LANG.
std::string_view TimeLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}

// The user's locale, for the names of days and months and the short date; only its time
// category is used. The C locale's names are built in: when the environment asks for them (C,
// POSIX, or C.UTF-8, whose time category is the C locale's), no locale files are read.
const std::locale& UserLocale() {
    static const std::locale locale = [] {
        const std::string_view name = TimeLocaleName();
        if (name == "C" || name == "POSIX" || name == "C.UTF-8" || name == "C.utf8")
            return std::locale::classic();
        try {
            return std::locale("");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return locale;
}

std::string PutTime(const std::tm& tm, const char* pattern) {
    std::ostringstream out;
    out.imbue(UserLocale());
    out << std::put_time(&tm, pattern);
    return out.str();
}

std::tm TmOf(const TCivilDate& date, int weekday /* 0 = Sunday */) {
    std::tm tm{};
    tm.tm_year = date.Year - 1900;
    tm.tm_mon = date.Month - 1;
    tm.tm_mday = date.Day;
    tm.tm_wday = weekday;
    return tm;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

int64_t SerialDay(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 4.0e18)
        throw EConvertError("date serial " + std::to_string(value) + " is not a valid date-time");
    return static_cast<int64_t>(std::floor(value));
}

double SerialTime(TDateTime value) {
    return value - std::floor(value);
}

int32_t FixedFromDateTime(TDateTime value) {
    const int64_t fixed = CheckedAdd<int64_t>(SerialDay(value), DateDelta, "FixedFromDateTime");
    if (fixed < INT32_MIN || fixed > INT32_MAX)
        throw EIntOverflow("FixedFromDateTime: fixed date " + std::to_string(fixed) +
                           " leaves 32 bits");
    return static_cast<int32_t>(fixed);
}

TDateTime DateTimeFromFixed(int32_t fixed) {
    return CheckedSub<int32_t>(fixed, DateDelta, "DateTimeFromFixed");
}

TTimeStamp DateTimeToTimeStamp(TDateTime value) {
    int64_t day = SerialDay(value);
    int64_t ms = std::llround(SerialTime(value) * MSecsPerDay);  // [0, 86400000]
    if (ms == MSecsPerDay) {
        ms = 0;
        ++day;
    }
    const int64_t date = day + DateDelta;
    if (date < INT32_MIN || date > INT32_MAX)
        throw EConvertError("DateTimeToTimeStamp: day " + std::to_string(date) +
                            " outside the time-stamp range");
    return {static_cast<int32_t>(ms), static_cast<int32_t>(date)};
}

TDateTime TimeStampToDateTime(const TTimeStamp& stamp) {
    if (stamp.Date <= 0 || stamp.Time < 0 || stamp.Time >= MSecsPerDay)
        throw EConvertError("invalid time stamp: date " + std::to_string(stamp.Date) + ", time " +
                            std::to_string(stamp.Time) + " ms");
    return static_cast<double>(static_cast<int64_t>(stamp.Date) - DateDelta) +
           static_cast<double>(stamp.Time) / MSecsPerDay;
}

bool IsValidDate(int64_t y, int64_t m, int64_t d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    return year_month_day{year{static_cast<int>(y)}, month{static_cast<unsigned>(m)},
                          day{static_cast<unsigned>(d)}}
        .ok();
}

TDateTime EncodeDate(int64_t y, int64_t m, int64_t d) {
    if (!IsValidDate(y, m, d))
        throw EConvertError("EncodeDate: " + std::to_string(y) + "-" + std::to_string(m) + "-" +
                            std::to_string(d) + " is not a valid date in years 1..9999");
    const sys_days days{year{static_cast<int>(y)} / static_cast<int>(m) / static_cast<int>(d)};
    return static_cast<double>((days - SerialEpoch).count());
}

TCivilDate DecodeDate(TDateTime value) {
    const int64_t serialDay = SerialDay(value);
    if (serialDay < FirstSerialDay || serialDay > LastSerialDay)
        throw EConvertError("DecodeDate: date serial " + std::to_string(value) +
                            " outside years 1..9999");
    const year_month_day ymd{SerialEpoch + days{serialDay}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int DayOfWeek(TDateTime value) {
    const int64_t day = SerialDay(value);                  // serial 0 is a Saturday
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;  // [1, 7], 1 = Sunday
}

TUnixTime SystemClockNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return {static_cast<int64_t>(now.tv_sec), static_cast<int32_t>(now.tv_nsec / 1000000)};
}

TDateTime LocalDateTimeOf(const TUnixTime& time) {
    const auto seconds = static_cast<std::time_t>(time.Seconds);
    std::tm local{};
    if (seconds != time.Seconds || localtime_r(&seconds, &local) == nullptr)
        throw EConvertError("clock reading " + std::to_string(time.Seconds) +
                            " s has no local date");
    return EncodeDate(int64_t{local.tm_year} + 1900, local.tm_mon + 1, local.tm_mday) +
           (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
            time.Milliseconds / 1000.0) /
               86400.0;
}

TDateTime Now() {
    return LocalDateTimeOf(SystemClockNow());
}

std::string ShortDayName(int weekday) {
    CheckRange(weekday, 1, 7, "ShortDayName");
    return PutTime(TmOf({2024, 1, 1}, weekday - 1), "%a");
}

std::string ShortMonthName(int month) {
    CheckRange(month, 1, 12, "ShortMonthName");
    return PutTime(TmOf({2024, month, 1}, 0), "%b");
}

std::string ShortDateText(TDateTime value) {
    const TCivilDate date = DecodeDate(value);
    return PutTime(TmOf(date, DayOfWeek(value) - 1), "%x");
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
    const TCivilDate date = DecodeDate(value);
    const int weekday = DayOfWeek(value);
    std::string out;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == 'd') {
            out += run == 1   ? std::to_string(date.Day)
                   : run == 2 ? TwoDigits(date.Day)
                   : run == 3 ? ShortDayName(weekday)
                              : PutTime(TmOf(date, weekday - 1), "%A");
        } else if (c == 'm') {
            out += run == 1   ? std::to_string(date.Month)
                   : run == 2 ? TwoDigits(date.Month)
                   : run == 3 ? ShortMonthName(date.Month)
                              : PutTime(TmOf(date, weekday - 1), "%B");
        } else if (c == 'y') {
            std::string year = std::to_string(date.Year);  // [1, 9999]
            if (run > 2 && year.size() < 4)
                year.insert(0, 4 - year.size(), '0');
            out += run <= 2 ? TwoDigits(date.Year % 100) : year;
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

}  // namespace orvandel
