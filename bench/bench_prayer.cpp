// Cost of one day's prayer times: the timetable calls PrayerTimes once per displayed day.
#include "prayer/PrayerTimes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orvandel::prayer;

constexpr double Deg = 0.017453292519943295;  // rad per degree

PrayerParameters Place(double latitudeDeg, double longitudeDeg, double zone) {
    return {0.0,  longitudeDeg * Deg, latitudeDeg * Deg, 0.0, 0.0,
            zone, 18.0 * Deg,         17.0 * Deg,        1.0, 45.0 * Deg,
            0.0};
}

void Run(benchmark::State& state, const PrayerParameters& p, int month, int day) {
    PrayerResults times{};
    for (auto _ : state) {
        PrayerTimes(2024, month, day, p, times);
        benchmark::DoNotOptimize(times);
        benchmark::ClobberMemory();
    }
}

// One SolarDay call: below 48 degrees, no extreme day.
void BM_PrayerTimesMecca(benchmark::State& state) {
    Run(state, Place(21.4225, 39.8262, 3.0), 7, 1);
}
// Two SolarDay calls plus the night fractions' third: the high-latitude path.
void BM_PrayerTimes55North(benchmark::State& state) {
    Run(state, Place(55.0, 0.0, 0.0), 6, 21);
}
// Polar night: the day is computed again at the reference latitude.
void BM_PrayerTimesPolarNight(benchmark::State& state) {
    Run(state, Place(70.0, 0.0, 0.0), 12, 21);
}

}  // namespace

BENCHMARK(BM_PrayerTimesMecca);
BENCHMARK(BM_PrayerTimes55North);
BENCHMARK(BM_PrayerTimesPolarNight);
