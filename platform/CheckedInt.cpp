#include "platform/CheckedInt.h"

namespace orvandel::detail {

void ThrowOverflow(std::string_view what, char op, long long a, long long b) {
    throw EIntOverflow(std::string(what) + ": integer overflow in " + std::to_string(a) + " " +
                       op + " " + std::to_string(b));
}

void ThrowRange(std::string_view what, long long value, long long lo, long long hi) {
    throw ERangeError(std::string(what) + ": " + std::to_string(value) + " outside " +
                      std::to_string(lo) + ".." + std::to_string(hi));
}

}  // namespace orvandel::detail
