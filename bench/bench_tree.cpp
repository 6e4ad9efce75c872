// Build, layout, paint and selection costs of the tree view for growing trees.
//   zarni_bench                      all cases
//   zarni_bench --benchmark_filter=Paint
#include "BenchView.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

const int kCounts[] = {15, 1023, 65535, 1048575};

void SetCanvas(CZarniView &view, int width, int height)
{
    view.m_nCanvasWidth = width;
    view.m_nCanvasHeight = height;
}

// The heap a tree takes, per node: measured on the first large build of the
// process, before the node pool holds any memory to reuse.
void BM_MemoryPerNode(benchmark::State &state)
{
    CZarniView &view = View();
    const int count = int(state.range(0));
    // Large blocks are mapped, not taken from the arena: count all.
    auto heap = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd + LargeBytesMapped();
    };
    size_t grown = 0;
    for (auto _ : state) {
        view.SetNodeCount(1);
        const size_t before = heap();
        view.SetNodeCount(count);
        grown = heap() - before;
    }
    state.counters["bytes/node"] = double(grown) / count;
}

// Frees the old tree, builds N nodes and lays them out.
void BM_RebuildAndLayout(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    const int count = int(state.range(0));
    for (auto _ : state)
        view.SetNodeCount(count);
}

// A whole repaint of the 800 by 600 client area.
void BM_Paint(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, int(state.range(1)), int(state.range(1)) * 3 / 4);
    view.SetNodeCount(int(state.range(0)));
    view.SetScrollPos(SB_HORZ, 0);
    view.SetScrollPos(SB_VERT, 0);
    for (auto _ : state) {
        view.Invalidate();
        view.UpdateWindow();
    }
}

void PaintArguments(benchmark::internal::Benchmark *b)
{
    for (int width : {800, 16000})
        for (int count : kCounts)
            b->Args({count, width});
}

// A press and a release in rubber-band mode on the default canvas, with the
// redraw of the selection on the window.
void Select(benchmark::State &state, CPoint from, CPoint to)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    view.SetNodeCount(int(state.range(0)));
    ShowNow(view);
    for (auto _ : state) {
        view.OnLButtonDown(CZarniView::MK_LBUTTON, from);
        view.OnLButtonUp(0, to);
        ShowNow(view);
    }
}

// A click on the deepest level, where the most boxes overlap.
void BM_ClickSelection(benchmark::State &state)
{
    Select(state, {400, 585}, {400, 585});
}

void BM_BandSelection(benchmark::State &state)
{
    Select(state, {1, 1}, {799, 299});
}

// One node more or less, with the layout and the next paint; the other
// command puts the count back, untimed.
void AddOrRemove(benchmark::State &state, bool add)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    view.SetNodeCount(int(state.range(0)) - (add ? 0 : -1));
    ShowNow(view);
    for (auto _ : state) {
        add ? view.OnNodeAdd() : view.OnNodeRemove();
        ShowNow(view);
        state.PauseTiming();
        add ? view.OnNodeRemove() : view.OnNodeAdd();
        ShowNow(view);
        state.ResumeTiming();
    }
}

void BM_NodeAdd(benchmark::State &state)
{
    AddOrRemove(state, true);
}

void BM_NodeRemove(benchmark::State &state)
{
    AddOrRemove(state, false);
}

// The script statement "nodes N" on the default tree, with the next paint.
void BM_NodesFromDefault(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    for (auto _ : state) {
        state.PauseTiming();
        view.SetNodeCount(15);
        ShowNow(view);
        state.ResumeTiming();
        view.SetNodeCount(int(state.range(0)));
        ShowNow(view);
    }
}

// A whole tournament at once on a tree never played, with its repaint, in a
// winner or a loser tree.
void BM_WinnerEnd(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    SetLoserTree(&view, state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        view.SetNodeCount(int(state.range(0)));
        ShowNow(view);
        state.ResumeTiming();
        view.OnWinnerEnd();
        ShowNow(view);
    }
    SetLoserTree(&view, false);
}

// One step forward, then one back (with the repaint of the picture the run
// had shown), on a run stopped after `at` steps; `at` 0 stands for the step
// back from the finished run.
void StepAndBack(benchmark::State &state, bool back)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    view.SetNodeCount(int(state.range(0)));
    const int at = int(state.range(1));
    if (at == 0)
        view.OnWinnerEnd();
    else
        for (int i = 0; i < at; ++i)
            view.OnWinnerStep();
    ShowNow(view);
    for (auto _ : state) {
        back ? view.OnWinnerBack() : view.OnWinnerStep();
        ShowNow(view);
        state.PauseTiming();
        back ? (at == 0 ? view.OnWinnerEnd() : view.OnWinnerStep()) : view.OnWinnerBack();
        ShowNow(view);
        state.ResumeTiming();
    }
}

void BM_WinnerStep(benchmark::State &state)
{
    StepAndBack(state, false);
}

void BM_WinnerBack(benchmark::State &state)
{
    StepAndBack(state, true);
}

// A whole repaint of the window while a run stands halfway.
void BM_RunPictureRepaint(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    view.SetNodeCount(int(state.range(0)));
    view.OnWinnerEnd();
    for (int64_t k = view.RunStepCount() / 2; k > 0; --k)
        view.OnWinnerBack();
    ShowNow(view);
    for (auto _ : state) {
        view.Invalidate();
        ShowNow(view);
    }
}

// Seeks between the two ends of a finished run, the longest way there is,
// with or without the repaint; and what the run's timeline holds a step.
void BM_RunSeek(benchmark::State &state)
{
    CZarniView &view = View();
    SetCanvas(view, 800, 600);
    view.SetNodeCount(int(state.range(0)));
    view.OnWinnerEnd();
    ShowNow(view);
    const bool repaint = state.range(1) != 0;
    int64_t to = 0;
    for (auto _ : state) {
        view.SeekRun(to);
        if (repaint)
            ShowNow(view);
        to = to ? 0 : view.RunStepCount();
    }
    state.counters["bytes/step"] = double(view.Run()->Steps().MemoryBytes()) / double(view.RunStepCount());
}

} // namespace

BENCHMARK(BM_RunSeek)->Args({15, 0})->Args({1048575, 0})->Args({1048575, 1})->ArgNames({"N", "repaint"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunPictureRepaint)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinnerEnd)->Args({15, 0})->Args({1048575, 0})->Args({1048575, 1})->ArgNames({"N", "loser"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinnerStep)->Args({15, 10})->Args({1048575, 10})->ArgNames({"N", "at"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinnerBack)->Args({15, 10})->Args({1048575, 10})->Args({15, 0})->Args({1048575, 0})->ArgNames({"N", "at"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickSelection)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BandSelection)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeAdd)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeRemove)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodesFromDefault)->Arg(15)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryPerNode)->Arg(1048575)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildAndLayout)->Arg(15)->Arg(1023)->Arg(65535)->Arg(1048575)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint)->Apply(PaintArguments)->ArgNames({"N", "W"})->Unit(benchmark::kMicrosecond);
