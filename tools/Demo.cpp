// Prints today's true noon, sunrise and sunset at Mecca from the calendar core.
#include <cmath>
#include <cstdio>

#include "calendar/Gregorian.h"
#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "platform/DateTime.h"

using namespace orvandel;

namespace {
void PrintMoment(const char* label, double moment) {
    if (moment == 0.0) {
        std::printf("%-8s does not occur\n", label);
        return;
    }
    const long seconds = std::lround((moment - std::floor(moment)) * 86400.0);
    std::printf("%-8s %02ld:%02ld:%02ld\n", label, seconds / 3600, seconds / 60 % 60, seconds % 60);
}
}  // namespace

int main() {
    const TLocation mecca("Mecca, Saudi Arabia", 21.4225, 39.8262, 0, 3);
    const int32_t today = FixedFromDateTime(Now());
    TGregorian date;
    date.SetFixed(today);
    std::printf("%s at %s (zone +3)\n", date.ToLongString().c_str(), mecca.Name.c_str());
    PrintMoment("Sunrise", TProtoDate::Sunrise(today, mecca));
    PrintMoment("Noon", TProtoDate::Midday(today, mecca));
    PrintMoment("Sunset", TProtoDate::Sunset(today, mecca));
    return 0;
}
