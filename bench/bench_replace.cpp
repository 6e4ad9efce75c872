// Replacement selection of a million random values with P = 1024, in a
// winner and a loser tree: recorded and shown at its end; a step and a step
// back in its middle, with the repaint.
//   zarni_bench --benchmark_filter=Replace
#include "BenchView.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

std::vector<int> RandomInput(int count)
{
    QRandomGenerator random(23);
    std::vector<int> input(std::size_t(count), 0);
    for (int &value : input)
        value = random.bounded(-99999, 100000);
    return input;
}

void Start(CZarniView &view, bool loser, const std::vector<int> &input)
{
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    view.SetStepDelay(0);
    SetLoserTree(&view, loser);
    StartReplacement(&view, 1024, input);
    view.SeekRun(view.RunStepCount());
    ShowNow(view);
}

void BM_ReplaceToEnd(benchmark::State &state)
{
    CZarniView &view = View();
    const std::vector<int> input = RandomInput(int(state.range(0)));
    for (auto _ : state)
        Start(view, state.range(1) != 0, input);
    state.counters["bytes/step"] = double(view.Run()->Steps().MemoryBytes()) / double(view.RunStepCount());
    state.counters["steps"] = double(view.RunStepCount());
    SetLoserTree(&view, false);
    view.SetNodeCount(15);
}

void BM_ReplaceStep(benchmark::State &state)
{
    CZarniView &view = View();
    Start(view, state.range(1) != 0, RandomInput(int(state.range(0))));
    view.SeekRun(view.RunStepCount() / 2);
    ShowNow(view);
    for (auto _ : state) {
        view.OnWinnerStep();
        ShowNow(view);
        view.OnWinnerBack();
        ShowNow(view);
    }
    SetLoserTree(&view, false);
    view.SetNodeCount(15);
}

} // namespace

BENCHMARK(BM_ReplaceToEnd)->Args({1000000, 0})->Args({1000000, 1})->ArgNames({"N", "loser"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceStep)->Args({1000000, 0})->Args({1000000, 1})->ArgNames({"N", "loser"})->Unit(benchmark::kMillisecond);
