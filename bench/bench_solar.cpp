// One day's solar events at Mecca as the timetable asks for them: sunrise, sunset, dawn at
// 18 degrees and dusk at 17 degrees, with one solar state over all of them.
#include <benchmark/benchmark.h>

#include "calendar/Gregorian.h"
#include "calendar/Location.h"
#include "calendar/ProtoDate.h"
#include "calendar/SolarState.h"

using namespace orvandel;

namespace {

const TLocation& Mecca() {
    static const TLocation place("Mecca, Saudi Arabia", TProtoDate::Angle(21, 25, 24),
                                 TProtoDate::Angle(39, 49, 24), 1000, 3);
    return place;
}

void BM_MeccaDayOfSolarEvents(benchmark::State& state) {
    const TLocation& mecca = Mecca();
    int32_t date = FixedFromGregorian(2024, 6, 21);
    SolarState solar;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TProtoDate::Sunrise(date, mecca, solar));
        benchmark::DoNotOptimize(TProtoDate::Sunset(date, mecca, solar));
        benchmark::DoNotOptimize(TProtoDate::Dawn(date, mecca, 18, solar));
        benchmark::DoNotOptimize(TProtoDate::Dusk(date, mecca, 17, solar));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MeccaDayOfSolarEvents);

// The same four events over a year of days, so the figure is not one day's luck.
void BM_MeccaYearOfSolarEvents(benchmark::State& state) {
    const TLocation& mecca = Mecca();
    const int32_t first = FixedFromGregorian(2024, 1, 1);
    SolarState solar;
    for (auto _ : state) {
        for (int32_t date = first; date < first + 366; ++date) {
            benchmark::DoNotOptimize(TProtoDate::Sunrise(date, mecca, solar));
            benchmark::DoNotOptimize(TProtoDate::Sunset(date, mecca, solar));
            benchmark::DoNotOptimize(TProtoDate::Dawn(date, mecca, 18, solar));
            benchmark::DoNotOptimize(TProtoDate::Dusk(date, mecca, 17, solar));
        }
    }
    state.SetItemsProcessed(state.iterations() * 366);
}
BENCHMARK(BM_MeccaYearOfSolarEvents)->Unit(benchmark::kMillisecond);

}  // namespace
