#include "timetable/CalcMethods.h"

#include <string>

#include "platform/Errors.h"
#include "timetable/KeyedRows.h"

namespace orvandel {

const TCalcMethod& CalcMethodAt(int index, std::string_view context) {
    if (index < 0 || index >= CalcMethodCount()) {
        throw ERangeError(std::string(context) + ": calculation method " + std::to_string(index) +
                          " outside 0.." + std::to_string(CalcMethodCount() - 1));
    }
    return CalcMethodTable[static_cast<size_t>(index)];
}

int MethodForCountry(std::string_view country) {
    for (const TCountryMethod& row : CountryMethods) {
        if (EqualsIgnoringCase(row.Country, country)) {
            return row.Method;
        }
    }
    return MuslimWorldLeague;
}

}  // namespace orvandel
