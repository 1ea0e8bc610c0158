// The crescent criterion and the search for the first evening of a month.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "calendar/Islamic.h"
#include "calendar/Location.h"
#include "calendar/ObservationalIslamic.h"
#include "platform/Errors.h"

namespace orvandel {
namespace {

using P = TProtoDate;

constexpr int32_t March12_2024 = 738957;
constexpr int32_t April10_2024 = 738986;
constexpr int32_t April20_2024 = 738996;

// Each limit of the criterion decides one evening on either side of it (values at dusk on the
// eve, the sun 4.5 degrees down): moon altitude 4.1, arc of light 10.6, phase 90 degrees. The two
// altitude evenings also pin the dusk depression: with the sun 4.4 degrees down the Madina moon
// stands 4.165 high, at 4.6 the Buraidah moon only 4.010.
TEST(VisibleCrescent, EveningsOnEitherSideOfEachLimit) {
    const TLocation& mecca = TIslamic::MeccaLocation();
    const TLocation buraidah("Buraidah", 26.3317, 43.9717, 0, 3),
        madina("Madina", 25.6667, 39.6667, 0, 3), doha("Doha", 25.2867, 51.5333, 0, 3),
        buenosAires("Buenos Aires", -34.6037, -58.3816, 0, -3), abha("Abha", 18.22, 42.51, 0, 3);
    const struct {
        const char* Name;
        int32_t Date;
        const TLocation& Place;
        bool Visible;
    } rows[] = {
        {"8 April 2024: before conjunction", April10_2024 - 2, mecca, false},
        {"9 April 2024: moon too young", April10_2024 - 1, mecca, false},
        {"10 April 2024: first evening", April10_2024, mecca, true},
        {"11 April 2024", April10_2024 + 1, mecca, true},
        {"22 August 2009: altitude 4.111", 733641, buraidah, true},
        {"20 October 2009: altitude 4.076", 733700, madina, false},
        {"28 January 2028: arc of light 10.615", 740374, doha, true},
        {"15 October 2004: arc of light 10.571", 731869, buenosAires, false},
        {"28 December 2006: phase 89.914", 732673, buraidah, true},
        {"28 December 2006: phase 90.105", 732673, abha, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(P::VisibleCrescent(row.Date, row.Place), row.Visible) << row.Name;
    // The search from 20 April, whichever class supplies the library's criterion.
    EXPECT_EQ(P::PhasisOnOrBefore(TIslamic::Class, April20_2024, TIslamic::MeccaLocation()),
              April10_2024);
    EXPECT_EQ(P::PhasisOnOrBefore(TObservationalIslamic::Class, April20_2024, DefaultLocation()),
              April10_2024);
}

// ---- Search logic, with criteria that hold on chosen evenings only. The mean new moon of the
// lunation (from the phase at midnight) is 9 April 2024: 11 April lies within three days of it,
// 20 April beyond.

std::vector<int32_t> gVisibleDays;
int gCalls = 0;

bool ChosenDays(int32_t Date, const TLocation&, SolarState&) {
    ++gCalls;
    return std::find(gVisibleDays.begin(), gVisibleDays.end(), Date) != gVisibleDays.end();
}

constexpr TDateClass Ordinary = {"TOrdinary", &TProtoDate::Class, &ChosenDays, nullptr, false};
constexpr TDateClass OnlyAtMonthStart = {"TOnlyAtMonthStart", &TProtoDate::Class, &ChosenDays,
                                         nullptr, true};

int32_t Search(const TDateClass& K, int32_t Date, std::vector<int32_t> visible) {
    gVisibleDays = std::move(visible);
    gCalls = 0;
    return P::PhasisOnOrBefore(K, Date, DefaultLocation());
}

TEST(PhasisOnOrBefore, SearchLogic) {
    const struct {
        const char* Name;
        const TDateClass* Class;
        int32_t Date;
        std::vector<int32_t> Visible;
        int32_t Expected;
    } rows[] = {
        // A criterion holding only on a month's first evening: has the month begun by Date?
        {"flag, day after the first evening",
         &OnlyAtMonthStart,
         April10_2024 + 1,
         {March12_2024, April10_2024},
         April10_2024},
        {"flag, the first evening itself",
         &OnlyAtMonthStart,
         April10_2024,
         {March12_2024, April10_2024},
         April10_2024},
        {"flag, month not begun yet",
         &OnlyAtMonthStart,
         April10_2024 - 1,
         {March12_2024, April10_2024},
         March12_2024},
        {"flag, far from the new moon",
         &OnlyAtMonthStart,
         April20_2024,
         {March12_2024, April10_2024},
         April10_2024},
        // Without the flag, a failed test of Date near the new moon goes back a month.
        {"no flag, day after the first evening",
         &Ordinary,
         April10_2024 + 1,
         {March12_2024, April10_2024},
         March12_2024},
        // This lunation's crescent first seen after Date: the previous month is still running.
        {"crescent seen only after the date",
         &Ordinary,
         April20_2024,
         {March12_2024, April20_2024 + 4},
         March12_2024},
        // The window around the mean new moon (9 April): the search starts 2 days before it,
        // the month before 30 days before it, and dates up to 3 days after it are near. Seen
        // from any day of an Umm al-Qura month of AH 1420-1500 the mean new moon lies 2 days
        // before to 1 day after the month's first day, so only chosen evenings reach the edges.
        {"far: the search starts on 7 April",
         &OnlyAtMonthStart,
         April20_2024,
         {March12_2024, April10_2024 - 4, April10_2024 - 3},
         April10_2024 - 3},
        {"near, flag: the look-back starts on 7 April",
         &OnlyAtMonthStart,
         April10_2024 + 1,
         {March12_2024, April10_2024 - 4, April10_2024 - 3},
         April10_2024 - 3},
        {"near: the month before is searched from 10 March",
         &Ordinary,
         April10_2024 + 1,
         {April10_2024 - 32, April10_2024 - 31},
         April10_2024 - 31},
        {"12 April is near: its own evening decides",
         &Ordinary,
         April10_2024 + 2,
         {March12_2024, April10_2024},
         March12_2024},
        {"13 April is far: the search decides",
         &Ordinary,
         April10_2024 + 3,
         {March12_2024, April10_2024},
         April10_2024},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Search(*row.Class, row.Date, row.Visible), row.Expected) << row.Name;

    // No crescent in the month before Date, the next only after it: an error, not a later day.
    EXPECT_THROW(Search(Ordinary, April20_2024, {April20_2024 + 4}), EInvalidOp);
}

TEST(PhasisOnOrBefore, GivesUpAfter400DaysWhenTheCriterionNeverHolds) {
    try {
        Search(Ordinary, April20_2024, {});
        FAIL() << "no error";
    } catch (const EInvalidOp& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("TOrdinary"));
        EXPECT_THAT(e.what(), ::testing::HasSubstr("400 days"));
    }
    EXPECT_EQ(gCalls, 400);
    // Near the new moon the search looks one month back and stops at Date: a crescent seen
    // only after Date begins no month running at Date.
    for (const TDateClass* K : {&Ordinary, &OnlyAtMonthStart})
        EXPECT_THROW(Search(*K, April10_2024 + 1, {April10_2024 + 2}), EInvalidOp) << K->Name;
}

}  // namespace
}  // namespace orvandel
