// The merge of sorted runs: every pop at once, one pop with its replay, a
// seek across the whole merge, and the panel's update after a pop for few
// and for many long runs.
//   zarni_bench --benchmark_filter=Merge
#include "BenchView.h"
#include "frames/RecordPanel.h"

#include <QApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

WinnerMerge::Runs RandomRuns(int k, int length)
{
    QRandomGenerator random(17);
    WinnerMerge::Runs runs{std::size_t(k)};
    for (auto &run : runs) {
        run.resize(std::size_t(length));
        for (int &value : run)
            value = random.bounded(-99999, 100000);
        std::sort(run.rbegin(), run.rend());
    }
    return runs;
}

// The merge set up with its first tournament played to its end.
void StartMerge(CZarniView &view, const WinnerMerge::Runs &runs)
{
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    view.SetStepDelay(0);
    StartMerge(&view, runs);
    view.SeekRun(MergeRun(&view)->TournamentSteps());
    ShowNow(view);
}

void BM_MergePopAll(benchmark::State &state)
{
    CZarniView &view = View();
    const WinnerMerge::Runs runs = RandomRuns(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        StartMerge(view, runs);
        state.ResumeTiming();
        PopAll(&view);
        ShowNow(view);
    }
    const Timeline &steps = MergeRun(&view)->Steps();
    state.counters["steps"] = double(steps.StepCount());
    state.counters["bytes/step"] = double(steps.MemoryBytes()) / double(steps.StepCount());
    view.SetNodeCount(15);
}

// The whole merge on its timeline, sought from its last step to its first
// and back, each seek repainted: an iteration is both.
void BM_MergeSeek(benchmark::State &state)
{
    CZarniView &view = View();
    StartMerge(view, RandomRuns(int(state.range(0)), int(state.range(1))));
    PopAll(&view);
    const int64_t last = view.RunStepCount();
    for (auto _ : state) {
        view.SeekRun(0);
        ShowNow(view);
        view.SeekRun(last);
        ShowNow(view);
    }
    view.SetNodeCount(15);
}

// One pop, its replay played step by step without a wait, and the repaint,
// in a winner or a loser tree.
void BM_MergePop(benchmark::State &state)
{
    CZarniView &view = View();
    SetLoserTree(&view, state.range(1) != 0);
    StartMerge(view, RandomRuns(int(state.range(0)), 1000));
    for (auto _ : state) {
        Pop(&view);
        CZarniView::WaitWhilePlaying(&view);
        ShowNow(view);
    }
    SetLoserTree(&view, false);
    view.SetNodeCount(15);
}

// A pop with the panel following it: its cells redrawn and scrolled to the
// output's end and to the head that changed.
void BM_MergePanelAfterPop(benchmark::State &state)
{
    CZarniView &view = View();
    StartMerge(view, RandomRuns(int(state.range(0)), int(state.range(1))));
    CRecordPanel panel(nullptr);
    panel.resize(800, 300);
    panel.SetView(&view);
    panel.show();
    QApplication::processEvents();
    for (auto _ : state) {
        PopAtOnce(&view);
        panel.RunGrid()->viewport()->repaint();
        panel.OutputGrid()->viewport()->repaint();
    }
    panel.SetView(nullptr);
    view.SetNodeCount(15);
}

} // namespace

BENCHMARK(BM_MergePopAll)->Args({1024, 1000})->ArgNames({"runs", "length"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeSeek)->Args({1024, 1000})->ArgNames({"runs", "length"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergePop)->Args({4, 0})->Args({1024, 0})->Args({1024, 1})->ArgNames({"runs", "loser"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergePanelAfterPop)->Args({4, 100000})->Args({1024, 100000})->ArgNames({"runs", "length"})->Unit(benchmark::kMillisecond);
