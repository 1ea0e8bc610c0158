// The observational Islamic calendar: conversions through the crescent search, the class's
// criterion and place, and failures that the setters report instead of raising.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "calendar/Islamic.h"
#include "calendar/Location.h"
#include "calendar/ObservationalIslamic.h"

namespace orvandel {
namespace {

constexpr int32_t February11_2024 = 738927;
constexpr int32_t April10_2024 = 738986;
constexpr int32_t January1_2024 = 738886;

// Every day of 2024 at the default place (1 Shawwal 1445 = 10 April among them): the round trip
// holds, the setter reports success, and months run 29 or 30 days with continuous numbering.
TEST(TObservationalIslamic, EveryDayOf2024) {
    TObservationalIslamic previous;
    ASSERT_TRUE(previous.TrySetFixed(January1_2024 - 1));
    for (int32_t f = January1_2024; f < January1_2024 + 366; ++f) {
        TObservationalIslamic date;
        ASSERT_TRUE(date.TrySetFixed(f)) << f;
        ASSERT_EQ(date.GetFixed(), f);
        if (date.Day == 1) {
            EXPECT_TRUE(previous.Day == 29 || previous.Day == 30)
                << previous.Year << "/" << previous.Month << " has " << previous.Day << " days";
            EXPECT_EQ(date.Month, previous.Month % 12 + 1) << f;
            EXPECT_EQ(date.Year, previous.Year + (previous.Month == 12 ? 1 : 0)) << f;
        } else {
            EXPECT_EQ(date.Day, previous.Day + 1) << f;
            EXPECT_EQ(date.Month * 10000 + date.Year, previous.Month * 10000 + previous.Year) << f;
        }
        if (f == April10_2024) {
            EXPECT_EQ(date.ToLongString(), "yaum al-arba`a', 1 Shawwal 1445 A.H.");
        }
        previous = date;
    }
}

// Elapsed months are rounded from the epoch and split by floor division: month -1 is
// Dhu al-Hijja of year 0, month 12 is Muharram of year 2.
TEST(TObservationalIslamic, MonthNumberingCountsFromTheEpoch) {
    const int32_t epoch = TIslamic::Epoch();
    const struct {
        int32_t Fixed, Year, Month;
    } rows[] = {{epoch - 15, 0, 12}, {epoch + 10, 1, 1}, {epoch + 354 + 10, 2, 1}};
    for (const auto& row : rows) {
        TObservationalIslamic date;
        EXPECT_TRUE(date.TrySetFixed(row.Fixed)) << row.Fixed;
        EXPECT_EQ(date.Year, row.Year) << row.Fixed;
        EXPECT_EQ(date.Month, row.Month) << row.Fixed;
    }
}

// Descendants that name their own place or criterion in their class.
class TMeccaObservational : public TObservationalIslamic {
  public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }
};
constexpr TDateClass TMeccaObservational::Class = {
    "TMeccaObservational", &TObservationalIslamic::Class, &TProtoDate::VisibleCrescent,
    &TIslamic::MeccaLocation};

class TNeverVisible : public TObservationalIslamic {
  public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }
};
constexpr TDateClass TNeverVisible::Class = {
    "TNeverVisible", &TObservationalIslamic::Class,
    [](int32_t, const TLocation&, SolarState&) { return false; },
    &TObservationalIslamic::VisibilityLocation};

// On 11 February 2024 the crescent had been seen the evening before at the default place, not
// yet at Mecca.
TEST(TObservationalIslamic, PlaceAndCriterionComeFromTheClassOrTheCaller) {
    TObservationalIslamic byClass, atMecca;
    TMeccaObservational meccaClass;
    EXPECT_TRUE(byClass.TrySetFixed(February11_2024));
    EXPECT_TRUE(atMecca.SetFixedAt(February11_2024, TIslamic::MeccaLocation()));
    EXPECT_TRUE(meccaClass.TrySetFixed(February11_2024));
    EXPECT_EQ(byClass.Month * 100 + byClass.Day, 8 * 100 + 1);
    EXPECT_EQ(atMecca.Month * 100 + atMecca.Day, 7 * 100 + 30);
    EXPECT_TRUE(meccaClass.Equals(&atMecca));

    // A criterion that never holds: the bounded search fails, the setters say so, nothing is
    // stored.
    TNeverVisible never;
    never.SetFields(std::vector<int32_t>{7, 8, 9});
    EXPECT_FALSE(never.TrySetFixed(April10_2024));
    EXPECT_FALSE(never.SetFixedAt(April10_2024, TIslamic::MeccaLocation()));
    EXPECT_NO_THROW(never.SetFixed(April10_2024));
    EXPECT_EQ(never.Year * 10000 + never.Month * 100 + never.Day, 70809);
}

TEST(TObservationalIslamic, FailuresAreReportedNotRaised) {
    // Midsummer at 71 degrees north: the sun never gets 4.5 degrees below the horizon.
    const TLocation northCape("North Cape", 71.2, 25.8, 0, 1);
    TObservationalIslamic date;
    date.SetFields(std::vector<int32_t>{1, 2, 3});
    EXPECT_FALSE(date.SetFixedAt(739058, northCape));  // 21 June 2024
    EXPECT_EQ(date.Year * 10000 + date.Month * 100 + date.Day, 10203);
    EXPECT_FALSE(date.TrySetFixed(0));  // before the astronomy's first day

    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(FixedFromObservationalIslamic(max, 1, 1), 0);
    EXPECT_EQ(FixedFromObservationalIslamic(1445, 10, max), 0);
}

}  // namespace
}  // namespace orvandel
