#include "calendar/Location.h"

#include "calendar/ProtoDate.h"

namespace orvandel {

const TLocation& DefaultLocation() {
    static const TLocation location("Los Angeles, CA, USA", TProtoDate::Angle(34, 4, 0),
                                    -TProtoDate::Angle(118, 15, 0), TProtoDate::AsMeters(0), -8);
    return location;
}

}  // namespace orvandel
