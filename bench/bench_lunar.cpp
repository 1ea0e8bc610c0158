// Cost of the crescent criterion and of one observational Islamic conversion (a crescent
// search of a few to about thirty criterion evaluations).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "calendar/Islamic.h"
#include "calendar/Location.h"
#include "calendar/ObservationalIslamic.h"

namespace {

using namespace orvandel;

constexpr int32_t April10_2024 = 738986;
constexpr int32_t January1_2024 = 738886;

// The eve of 10 April 2024 at Mecca passes every test, so every step runs.
void BM_VisibleCrescentPassing(benchmark::State& state) {
    const TLocation& mecca = TIslamic::MeccaLocation();
    for (auto _ : state)
        benchmark::DoNotOptimize(TProtoDate::VisibleCrescent(April10_2024, mecca));
}
BENCHMARK(BM_VisibleCrescentPassing);

// Most evenings of a month fail at the phase test, before the latitude and altitude.
void BM_VisibleCrescentEarlyReject(benchmark::State& state) {
    const TLocation& mecca = TIslamic::MeccaLocation();
    for (auto _ : state)
        benchmark::DoNotOptimize(TProtoDate::VisibleCrescent(April10_2024 + 15, mecca));
}
BENCHMARK(BM_VisibleCrescentEarlyReject);

// One SetFixed at the default place, cycling through the days of 2024 so that the search
// lengths of a whole year are averaged.
void BM_ObservationalSetFixed(benchmark::State& state) {
    TObservationalIslamic date;
    int32_t day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date.TrySetFixed(January1_2024 + day));
        day = (day + 1) % 366;
    }
}
BENCHMARK(BM_ObservationalSetFixed);

void BM_IslamicSetFixed(benchmark::State& state) {
    TIslamic date;
    int32_t day = 0;
    for (auto _ : state) {
        date.SetFixed(January1_2024 + day);
        benchmark::DoNotOptimize(date.Day);
        day = (day + 1) % 366;
    }
}
BENCHMARK(BM_IslamicSetFixed);

}  // namespace
