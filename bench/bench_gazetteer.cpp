// Cost of finding a town by name in the gazetteer: each search of the window's find field (a
// keystroke) and of orvandel-table --place. Target: a search under 50 ms; the reading of the
// gazetteer's town text, once per program on the first search, is measured apart.
#include <benchmark/benchmark.h>

#include "places/Gazetteer.h"

namespace {

using namespace orvandel;

// A name that one place has, a name that many begin with, a narrowed name, a name with a
// letter beyond ASCII, and a name that nothing matches.
void BM_GazetteerSearch(benchmark::State& state, const char* query) {
    const TGazetteer& gazetteer = TGazetteer::Installed();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gazetteer.Search(query));
    }
}
BENCHMARK_CAPTURE(BM_GazetteerSearch, Leeds, "Leeds")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GazetteerSearch, San, "San")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GazetteerSearch, BirminghamUS, "Birmingham, US")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GazetteerSearch, SaoPaulo, "São Paulo")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GazetteerSearch, NoMatch, "Qwxyzzq")->Unit(benchmark::kMillisecond);

// What a search that found nothing does next: the three nearest names.
void BM_GazetteerNearest(benchmark::State& state) {
    const TGazetteer& gazetteer = TGazetteer::Installed();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gazetteer.Nearest("Qwxyzzq", 3));
    }
}
BENCHMARK(BM_GazetteerNearest)->Unit(benchmark::kMillisecond);

// Reading the whole gazetteer's town text and folding its names, as the first search does.
void BM_GazetteerRead(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(TGazetteer::Read());
    }
}
BENCHMARK(BM_GazetteerRead)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
