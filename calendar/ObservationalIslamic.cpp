// The observational Islamic calendar.
#include "calendar/ObservationalIslamic.h"

#include <cmath>

#include "calendar/Location.h"
#include "platform/CheckedInt.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

constexpr long double MeanSynodicMonth = 29.530588853L;  // days

// Nearest integer, an exact half going to the even neighbour, whatever the floating-point
// environment's rounding mode.
long double RoundHalfEven(long double x) {
    const long double below = std::floor(x);
    const long double fraction = x - below;
    if (fraction > 0.5L)
        return below + 1;
    if (fraction < 0.5L)
        return below;
    return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

}  // namespace

constinit const TDateClass TObservationalIslamic::Class = {
    "TObservationalIslamic", &TIslamic::Class, &TProtoDate::VisibleCrescent,
    &TObservationalIslamic::VisibilityLocation};

int32_t FixedFromCrescentMonths(const TDateClass& K, const TLocation& L, int32_t Year,
                                int32_t Month, int32_t Day) noexcept {
    constexpr const char* what = "FixedFromCrescentMonths";
    try {
        // Elapsed months to the middle of the wanted month, then that month's first day.
        const int32_t months =
            CheckedAdd(CheckedMul(CheckedSub(Year, 1, what), 12, what), Month, what);
        const int64_t midOffset =
            TProtoDate::FloorInt((static_cast<long double>(months) - 0.5L) * MeanSynodicMonth);
        const int32_t midMonth = NarrowToInt32(int64_t{IslamicEpoch()} + midOffset, what);
        const int32_t first = TProtoDate::PhasisOnOrBefore(K, midMonth, L);
        return CheckedSub(CheckedAdd(first, Day, what), 1, what);
    } catch (...) {
        return 0;
    }
}

int32_t FixedFromObservationalIslamic(int32_t Year, int32_t Month, int32_t Day) noexcept {
    // Always the library's own criterion at the default place, whatever class asks.
    return FixedFromCrescentMonths(TProtoDate::Class, TObservationalIslamic::VisibilityLocation(),
                                   Year, Month, Day);
}

void TObservationalIslamic::SetFixed(int32_t Fixed) {
    TrySetFixed(Fixed);
}

int32_t TObservationalIslamic::GetFixed() const {
    return FixedFromObservationalIslamic(Year, Month, Day);
}

const TLocation& TObservationalIslamic::VisibilityLocation() {
    return DefaultLocation();
}

bool TObservationalIslamic::TrySetFixed(int32_t Fixed) noexcept {
    const TDateClass& K = ClassType();
    if (K.VisibilityLocation == nullptr)
        return false;
    return SetFixedAt(Fixed, K.VisibilityLocation());
}

bool TObservationalIslamic::SetFixedAt(int32_t Fixed, const TLocation& Location) noexcept {
    try {
        SetFromMonthStart(Fixed, PhasisOnOrBefore(ClassType(), Fixed, Location));
        return true;
    } catch (...) {
        return false;
    }
}

void TObservationalIslamic::SetFromMonthStart(int32_t Fixed, int32_t Crescent) {
    constexpr const char* what = "TObservationalIslamic.SetFixed";
    // Whole mean months from the epoch to the crescent; |elapsed| < 2^32 / 29.5.
    const long double elapsed =
        RoundHalfEven(static_cast<long double>(int64_t{Crescent} - Epoch()) / MeanSynodicMonth);
    Year = CheckedAdd(Quotient(elapsed, 12), 1, what);
    Month = CheckedAdd(Modulo(NarrowToInt32(static_cast<int64_t>(elapsed), what), 12), 1, what);
    Day = CheckedAdd(CheckedSub(Fixed, Crescent, what), 1, what);
}

}  // namespace orvandel
