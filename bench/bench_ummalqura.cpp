// One Umm al-Qura conversion as the timetable makes it for each displayed row.
#include <benchmark/benchmark.h>

#include "Classes/cTvkLocation.h"
#include "calendar/Location.h"
#include "calendar/SaudiIslamic.h"
#include "ephemeris/fn_Ephemeris.h"
#include "platform/DateTime.h"

namespace {

using namespace orvandel;

void Convert(benchmark::State& state, int32_t fixed) {
    TSaudiIslamic date;
    const TLocation& place = DefaultLocation();
    for (auto _ : state) {
        const bool ok = date.SetFixedAt(fixed, place);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(date.Day);
    }
    state.SetLabel(std::to_string(date.Day) + "/" + std::to_string(date.Month) + "/" +
                   std::to_string(date.Year));
}

// 20 April 2024 = 11 Shawwal 1445: the search scans from two days before the mean new moon.
void BM_SetFixedAtMidMonth(benchmark::State& state) {
    Convert(state, FixedFromDateTime(EncodeDate(2024, 4, 20)));
}
BENCHMARK(BM_SetFixedAtMidMonth);

// 10 April 2024 = 1 Shawwal 1445: the search asks whether the month has begun by the date.
void BM_SetFixedAtFirstDay(benchmark::State& state) {
    Convert(state, FixedFromDateTime(EncodeDate(2024, 4, 10)));
}
BENCHMARK(BM_SetFixedAtFirstDay);

}  // namespace

// The program's start-up and shut-down order around the runs.
int main(int argc, char** argv) {
    orvandel::StartEphemeris();
    orvandel::StartObserverLocations();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    orvandel::StopObserverLocations();
    orvandel::StopEphemeris();
    return 0;
}
