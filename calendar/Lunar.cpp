// Lunar astronomy and the crescent search; being written.
#include "calendar/ProtoDate.h"
#include "platform/Errors.h"

namespace orvandel {

double TProtoDate::LunarLongitude(double) { throw EAbstractError("LunarLongitude: not built yet"); }
double TProtoDate::LunarLatitude(double) { throw EAbstractError("LunarLatitude: not built yet"); }
double TProtoDate::LunarPhase(double) { throw EAbstractError("LunarPhase: not built yet"); }
double TProtoDate::LunarAltitude(double, const TLocation&) {
    throw EAbstractError("LunarAltitude: not built yet");
}
bool TProtoDate::VisibleCrescent(int32_t, const TLocation&) {
    throw EAbstractError("VisibleCrescent: not built yet");
}
int32_t TProtoDate::PhasisOnOrBefore(const TDateClass&, int32_t, const TLocation&) {
    throw EAbstractError("PhasisOnOrBefore: not built yet");
}

}  // namespace orvandel
