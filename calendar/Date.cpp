#include "calendar/Date.h"

namespace orvandel {

const TDateClass TDate::Class = {"TDate", &TProtoDate::Class, &TProtoDate::VisibleCrescent,
                                 nullptr};

}  // namespace orvandel
