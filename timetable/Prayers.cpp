#include "timetable/Prayers.h"

#include "platform/Errors.h"
#include "timetable/KeyedRows.h"

namespace orvandel {

const TPrayerInfo& PrayerAt(int prayer) {
    if (prayer < 0 || prayer >= static_cast<int>(PrayerCount)) {
        throw ERangeError("prayer " + std::to_string(prayer) + " outside 0.." +
                          std::to_string(PrayerCount - 1));
    }
    return Prayers[static_cast<std::size_t>(prayer)];
}

const TPrayerInfo* FindPrayer(std::string_view text) {
    for (const TPrayerInfo& prayer : Prayers) {
        if (EqualsIgnoringCase(prayer.Key, text) || EqualsIgnoringCase(prayer.NextName, text)) {
            return &prayer;
        }
    }
    return nullptr;
}

}  // namespace orvandel
