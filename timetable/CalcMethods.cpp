#include "timetable/CalcMethods.h"

#include "platform/Errors.h"

namespace orvandel {

const TCalcMethod& CalcMethodAt(int index, std::string_view context) {
    if (index < 0 || index >= CalcMethodCount()) {
        throw ERangeError(std::string(context) + ": calculation method " + std::to_string(index) +
                          " outside 0.." + std::to_string(CalcMethodCount() - 1));
    }
    return CalcMethodTable[static_cast<size_t>(index)];
}

std::string CalcMethodKeys(std::string_view separator) {
    std::string keys;
    for (const TCalcMethod& method : CalcMethodTable) {
        keys += (keys.empty() ? "" : std::string(separator)) + std::string(method.Key);
    }
    return keys;
}

}  // namespace orvandel
