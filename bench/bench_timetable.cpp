// Cost of the timetable: one week's recompute (every change in the window) and a year of
// consecutive days (orvandel-table --days), for Mecca under Umm Al-Qura and, as the
// comparison with the peer program runs it, under the Muslim World League angles without the
// safety time. Targets on the 2-core build machine: a week under 0.4 ms, 366 consecutive days
// under 8 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "Classes/cTvkLocation.h"
#include "ephemeris/fn_Ephemeris.h"
#include "timetable/Timetable.h"

namespace {

using namespace orvandel;

// The program's start-up order, once: ephemeris first up, last down (at exit).
void StartOnce() {
    static const bool started = [] {
        StartEphemeris();
        StartObserverLocations();
        std::atexit([] {
            StopObserverLocations();
            StopEphemeris();
        });
        return true;
    }();
    (void)started;
}

TimetableSettings Mecca(TDateTime date, int method = UmmAlQura) {
    TimetableSettings s;
    s.Date = date;
    s.Latitude = 21.42;
    s.Longitude = 39.83;
    s.GmtHours = 3;
    s.CalcMethod = method;
    s.AddSafetyTime = method == UmmAlQura;
    return s;
}

// The same week again, as when an option changes.
void BM_WeekMecca(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 4, 10));
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeWeek(settings));
    }
}
BENCHMARK(BM_WeekMecca)->Unit(benchmark::kMicrosecond);

// The week of the peer comparison: Muslim World League, no safety time.
void BM_WeekMeccaMwl(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 4, 10), MuslimWorldLeague);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeWeek(settings));
    }
}
BENCHMARK(BM_WeekMeccaMwl)->Unit(benchmark::kMicrosecond);

// A different week every time (the date field stepped by a week), so that no cache of the
// ephemeris library is warm for the days asked.
void BM_WeekMeccaSteppingWeeks(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    TimetableSettings settings = Mecca(EncodeDate(2000, 1, 1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeWeek(settings));
        settings.Date += 7;
        if (settings.Date > EncodeDate(2100, 1, 1)) {
            settings.Date = EncodeDate(2000, 1, 1);
        }
    }
}
BENCHMARK(BM_WeekMeccaSteppingWeeks)->Unit(benchmark::kMicrosecond);

// 366 consecutive days in one run.
void BM_YearMecca(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 1, 1));
    const int32_t first = FixedFromDateTime(settings.Date);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeDays(settings, first, 366));
    }
}
BENCHMARK(BM_YearMecca)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 366 days of the peer comparison: Muslim World League (Isha from the dusk as well), no
// safety time.
void BM_YearMeccaMwl(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 1, 1), MuslimWorldLeague);
    const int32_t first = FixedFromDateTime(settings.Date);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.ComputeDays(settings, first, 366));
    }
}
BENCHMARK(BM_YearMeccaMwl)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 366 days, each computed on its own (no month start shared between rows).
void BM_YearMeccaDayByDay(benchmark::State& state) {
    StartOnce();
    TimetableEngine engine;
    const TimetableSettings settings = Mecca(EncodeDate(2024, 1, 1));
    const int32_t first = FixedFromDateTime(settings.Date);
    for (auto _ : state) {
        for (int i = 0; i < 366; ++i) {
            benchmark::DoNotOptimize(engine.ComputeDays(settings, first + i, 1));
        }
    }
}
BENCHMARK(BM_YearMeccaDayByDay)->Unit(benchmark::kMillisecond);

}  // namespace
