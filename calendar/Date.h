#pragma once
// TDate sits between TProtoDate and TStandardDate and adds nothing.

#include "calendar/ProtoDate.h"

namespace orvandel {

class TDate : public TProtoDate {
public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }
};

}  // namespace orvandel
