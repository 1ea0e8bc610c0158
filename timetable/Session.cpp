#include "timetable/Session.h"

#include "Classes/cTvkLocation.h"
#include "calendar/Islamic.h"
#include "calendar/Julian.h"
#include "calendar/ProtoDate.h"
#include "ephemeris/fn_Ephemeris.h"

namespace orvandel {

TimetableSession::TimetableSession() {
    (void)J2000();
    (void)JulianEpoch();
    (void)IslamicEpoch();
    StartEphemeris();
    StartObserverLocations();
}

TimetableSession::~TimetableSession() {
    StopObserverLocations();
    StopEphemeris();  // swe_close: the last call into the ephemeris library
}

}  // namespace orvandel
