// The romaji judge on a 30-kana line of mixed kana: one key at a time, the key
// with the guide read back as the lesson window would after it, and building the
// judge when a line starts.
#include "engine/RomajiJudge.h"

#include <benchmark/benchmark.h>

namespace {

const QString kLine =
    QStringLiteral("きょうはしんぶんをよんでから、らーめんをたべにいっちゃった。");
const QString kKeys = QStringLiteral("kyouhashinbunwoyondekara,ra-mennwotabeniicchatta.");

// Types the line over and over; a fresh judge for each line is built off the clock.
template <typename AfterKey> void typeLine(benchmark::State& state, AfterKey afterKey) {
    RomajiJudge judge(kLine);
    qsizetype next = 0;
    for (auto _ : state) {
        if (next == kKeys.size()) {
            state.PauseTiming();
            judge = RomajiJudge(kLine);
            next = 0;
            state.ResumeTiming();
        }
        if (!judge.press(kKeys[next++])) state.SkipWithError("a key of the line was refused");
        afterKey(judge);
    }
    state.counters["kana"] = double(kLine.size());
}

void BM_OneKey(benchmark::State& state) {
    typeLine(state, [](const RomajiJudge&) {});
}
BENCHMARK(BM_OneKey);

void BM_OneKeyAndGuide(benchmark::State& state) {
    typeLine(state, [](const RomajiJudge& judge) {
        benchmark::DoNotOptimize(judge.nextKey());
        benchmark::DoNotOptimize(judge.remaining());
    });
}
BENCHMARK(BM_OneKeyAndGuide);

void BM_BuildForALine(benchmark::State& state) {
    for (auto _ : state) {
        RomajiJudge judge(kLine);
        benchmark::DoNotOptimize(judge);
    }
}
BENCHMARK(BM_BuildForALine);

} // namespace

BENCHMARK_MAIN();
