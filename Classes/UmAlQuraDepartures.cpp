#include "Classes/UmAlQuraDepartures.h"

#include <algorithm>
#include <iterator>

namespace orvandel {

namespace {

constexpr TPublishedDeparture Departures[] = {
    {730391, TMonthStartDeparture::AlwaysBegins},  // 28 September 2000: 1 Rajab 1421
    {730775, TMonthStartDeparture::AlwaysBegins},  // 17 October 2001: 1 Sha'ban 1422
    {732488, TMonthStartDeparture::NeverBegins},   // 26 June 2006
    {739222, TMonthStartDeparture::AlwaysBegins},  // 2 December 2024: 1 Jumada II 1446
    {753160, TMonthStartDeparture::AlwaysBegins},  // 30 January 2063: 1 Shawwal 1485
};
static_assert(std::size(Departures) == 5, "row lost or duplicated");

constexpr bool Ascending() {
    for (std::size_t i = 1; i < std::size(Departures); ++i)
        if (Departures[i - 1].Fixed >= Departures[i].Fixed)
            return false;
    return true;
}
static_assert(Ascending(), "rows must ascend by fixed date");

}  // namespace

std::span<const TPublishedDeparture> PublishedDepartures() {
    return Departures;
}

TMonthStartDeparture PublishedDeparture(int32_t Fixed) {
    const auto it =
        std::lower_bound(std::begin(Departures), std::end(Departures), Fixed,
                         [](const TPublishedDeparture& row, int32_t f) { return row.Fixed < f; });
    if (it != std::end(Departures) && it->Fixed == Fixed)
        return it->Kind;
    return TMonthStartDeparture::None;
}

}  // namespace orvandel
