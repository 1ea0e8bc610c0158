#include "Classes/DateFunctions.h"

#include "platform/CheckedInt.h"

namespace orvandel {

bool IsLeapYear(int32_t Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int32_t DaysInMonth(int32_t Month, int32_t Year) {
    switch (Month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return IsLeapYear(Year) ? 29 : 28;
        default:
            return 0;
    }
}

int32_t IsoDayOfWeek(TDateTime T) {
    // DayOfWeek: 1 = Sunday ... 7 = Saturday.
    return (DayOfWeek(T) + 5) % 7 + 1;
}

int32_t NthWeekdayOfMonth(int32_t Week, int32_t Weekday, int32_t Month, int32_t Year) {
    // Serials of years 1 to 9999 lie in [-693593, 2958465]; the arithmetic below runs in 64
    // bits and only the result is narrowed, so no code value can wrap.
    const auto first = static_cast<int64_t>(EncodeDate(Year, Month, 1));
    const auto last = static_cast<int64_t>(EncodeDate(Year, Month, DaysInMonth(Month, Year)));
    const int64_t wd = Weekday;
    int64_t result = 0;
    if (Week == 0 || Week == -1) {
        // c in [-6, 0]: steps back from the last day to the weekday wanted.
        const int64_t c = -(((IsoDayOfWeek(last) - wd) % 7 + 7) % 7);
        result = last + c + 7 * int64_t{Week};
    } else {
        // c in [0, 6]: steps forward from the first day to the weekday wanted.
        const int64_t c = ((wd - IsoDayOfWeek(first)) % 7 + 7) % 7;
        result = first + c + 7 * (int64_t{Week} - 1);
    }
    return NarrowToInt32(result, "NthWeekdayOfMonth");
}

}  // namespace orvandel
