#pragma once
// The evenings on which the published Umm al-Qura calendar departs from its astronomical rule.
// On these evenings the moon sets within minutes of the sun at the Mecca reference place, and
// the published calendar settled the month start the other way. In AH 1421 and 1422 the
// calendar asked only that the moon set after the sun, so two months began on evenings whose
// conjunction came after sunset.

#include <cstdint>
#include <span>

namespace orvandel {

enum class TMonthStartDeparture {
    None,          // the astronomical rule decides
    NeverBegins,   // the day never begins a month
    AlwaysBegins,  // the day always begins a month
};

struct TPublishedDeparture {
    int32_t Fixed;  // fixed date of the day that would (or would not) begin a month
    TMonthStartDeparture Kind;
};

// The table, in ascending order of Fixed.
std::span<const TPublishedDeparture> PublishedDepartures();
// The departure for the day Fixed, or None.
TMonthStartDeparture PublishedDeparture(int32_t Fixed);

}  // namespace orvandel
