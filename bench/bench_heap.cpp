// Heaps at a million nodes: the builds and heapsort recorded and shown at
// their end, seeks and steps in a heapsort, and one value's insert and
// extract across a change of depth.
#include "BenchView.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <iterator>

namespace {

using Kind = HeapAlgorithm::Kind;

void Prepare(CZarniView &view, int count, HeapState::Fill fill)
{
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    view.SetNodeCount(count);
    FillValues(&view, fill);
    ShowNow(view);
}

// The operation started, played to its end and shown.
void PlayToEnd(CZarniView &view, Kind kind, HeapOperand operand = {})
{
    StartHeap(&view, kind, operand);
    view.SeekRun(view.RunStepCount());
    ShowNow(view);
}

void BM_HeapBuild(benchmark::State &state)
{
    CZarniView &view = View();
    for (auto _ : state) {
        state.PauseTiming();
        Prepare(view, int(state.range(0)), HeapState::Fill::Random);
        state.ResumeTiming();
        PlayToEnd(view, Kind(state.range(1)));
    }
    state.counters["bytes/step"] = double(view.Run()->Steps().MemoryBytes()) / double(view.RunStepCount());
    state.counters["steps"] = double(view.RunStepCount());
}

// Seeks about a heapsort: to its start, its end and places between, each
// from the one before (with the repaint).
void BM_HeapSortSeek(benchmark::State &state)
{
    CZarniView &view = View();
    Prepare(view, int(state.range(0)), HeapState::Fill::Random);
    PlayToEnd(view, Kind::Sort);
    const int64_t n = view.RunStepCount();
    const int64_t places[] = {0, n, n / 2, n / 8, 7 * n / 8, n / 3, 3 * n / 4, 1};
    std::size_t next = 0;
    double worst = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        view.SeekRun(places[next]);
        ShowNow(view);
        worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        next = (next + 1) % std::size(places);
    }
    state.counters["worst ms"] = worst;
}

// One step back, then one forward, in the middle of a heapsort.
void BM_HeapSortStep(benchmark::State &state)
{
    CZarniView &view = View();
    Prepare(view, int(state.range(0)), HeapState::Fill::Random);
    PlayToEnd(view, Kind::Sort);
    view.SeekRun(view.RunStepCount() / 2);
    ShowNow(view);
    bool back = true;
    for (auto _ : state) {
        back ? view.OnWinnerBack() : view.OnWinnerStep();
        ShowNow(view);
        back = !back;
    }
}

// On a max-heap of 2^20 - 1 nodes, a value that rises to the root: the tree
// grows a level. Then the root's extraction, which takes the level away.
// After an operation the heap is known; on fresh values (fresh = 1) every
// label is read first to check it.
void BM_HeapInsert(benchmark::State &state)
{
    CZarniView &view = View();
    const int count = int(state.range(0));
    Prepare(view, count, HeapState::Fill::Descending);
    for (auto _ : state) {
        PlayToEnd(view, Kind::Insert, {0, kMaxNodeValue});
        state.PauseTiming();
        if (state.range(1))
            Prepare(view, count, HeapState::Fill::Descending);
        else
            PlayToEnd(view, Kind::Extract);
        state.ResumeTiming();
    }
}

void BM_HeapExtract(benchmark::State &state)
{
    CZarniView &view = View();
    Prepare(view, int(state.range(0)) - 1, HeapState::Fill::Descending);
    for (auto _ : state) {
        state.PauseTiming();
        PlayToEnd(view, Kind::Insert, {0, kMaxNodeValue});
        state.ResumeTiming();
        PlayToEnd(view, Kind::Extract);
    }
}

} // namespace

BENCHMARK(BM_HeapBuild)
    ->Args({15, int(Kind::Build)})
    ->Args({1048575, int(Kind::Build)})
    ->Args({15, int(Kind::Sort)})
    ->Args({1048575, int(Kind::Sort)})
    ->ArgNames({"N", "kind"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapSortSeek)->Arg(15)->Arg(1048575)->ArgNames({"N"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapSortStep)->Arg(15)->Arg(1048575)->ArgNames({"N"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapInsert)
    ->Args({15, 0})
    ->Args({1048575, 0})
    ->Args({1048575, 1})
    ->ArgNames({"N", "fresh"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapExtract)->Arg(16)->Arg(1048576)->ArgNames({"N"})->Unit(benchmark::kMillisecond);
