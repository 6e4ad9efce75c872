// Segment trees over 524,288 values (1,048,575 nodes): the build recorded
// and shown at its end; a set, a query over all the positions but one and an
// add over half of them, each recorded, played to its end and shown, on a
// tree with tags pending.
#include "BenchView.h"

#include "model/algorithms/segment/Segment.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

using Kind = SegmentAlgorithm::Kind;

std::vector<int> RandomValues(int64_t n)
{
    std::mt19937 random(7);
    std::vector<int> values(std::size_t(n), 0);
    for (int &value : values)
        value = int(random() % 199981) - (kMaxNodeValue - 9); // room for the adds
    return values;
}

void ShowEnd(CZarniView &view, const Outcome &outcome)
{
    view.Follow(outcome);
    view.SeekRun(view.RunStepCount());
    ShowNow(view);
}

void Prepare(CZarniView &view, int64_t n)
{
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    ShowEnd(view, view.Model().Find<SegmentState>().Build(SegmentOp::Sum, RandomValues(n)));
}

void BM_SegmentBuild(benchmark::State &state)
{
    CZarniView &view = View();
    const std::vector<int> values = RandomValues(state.range(0));
    for (auto _ : state)
        ShowEnd(view, view.Model().Find<SegmentState>().Build(SegmentOp::Sum, values));
    state.counters["bytes/step"] = double(view.Run()->Steps().MemoryBytes()) / double(view.RunStepCount());
    state.counters["steps"] = double(view.RunStepCount());
}

// Each operation after an add over a third of the tree, so that the
// operation meets tags on its way.
void BM_SegmentOperation(benchmark::State &state)
{
    CZarniView &view = View();
    const int64_t n = state.range(0);
    Prepare(view, n);
    SegmentState &segment = view.Model().Find<SegmentState>();
    const auto kind = Kind(state.range(1));
    const SegmentAlgorithm::Operand operands[] = {{}, {n / 3, n / 3, 5}, {1, n - 1, 0}, {n / 4, n / 4 + n / 2 - 1, 1}};
    int sign = 1;
    double before = 0; // the operation recorded and played, before its repaint
    for (auto _ : state) {
        state.PauseTiming();
        ShowEnd(view, segment.Start(Kind::Add, {n / 3, 2 * n / 3, sign}));
        sign = -sign;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        view.Follow(segment.Start(kind, operands[int(kind)]));
        view.SeekRun(view.RunStepCount());
        before += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        ShowNow(view);
    }
    state.counters["ms before repaint"] = before / double(state.iterations());
    state.counters["steps"] = double(view.RunStepCount());
}

// 20,000 operations at random (adds, sets and queries over random ranges),
// tags piling up: the first thousand against the last.
void BM_SegmentMixed(benchmark::State &state)
{
    CZarniView &view = View();
    const int64_t n = 524288, operations = state.range(0), sample = 1000;
    std::mt19937 random(11);
    for (auto _ : state) {
        Prepare(view, n);
        SegmentState &segment = view.Model().Find<SegmentState>();
        double first = 0, last = 0;
        for (int64_t i = 0; i < operations; ++i) {
            int64_t l = int64_t(random() % uint32_t(n)), r = int64_t(random() % uint32_t(n));
            if (l > r)
                std::swap(l, r);
            const auto kind = i % 4 == 3 ? Kind::Query : i % 8 == 1 ? Kind::Set : Kind::Add;
            const int value = i % 2 ? 1 : -1; // the adds cancel out, the values stay in range
            const auto start = std::chrono::steady_clock::now();
            view.Follow(segment.Start(kind, {l, kind == Kind::Set ? l : r, kind == Kind::Set ? int(random() % 1000) : value}));
            view.SeekRun(view.RunStepCount());
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (i < sample)
                first += ms;
            else if (i >= operations - sample)
                last += ms;
        }
        state.counters["first 1000 ms/op"] = first / double(sample);
        state.counters["last 1000 ms/op"] = last / double(sample);
        state.counters["tags"] = double(segment.Tags().size());
    }
}

} // namespace

BENCHMARK(BM_SegmentMixed)->Arg(20000)->ArgNames({"operations"})->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SegmentBuild)->Arg(10)->Arg(524288)->ArgNames({"n"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SegmentOperation)
    ->Args({524288, int(Kind::Set)})
    ->Args({524288, int(Kind::Query)})
    ->Args({524288, int(Kind::Add)})
    ->ArgNames({"n", "kind"})
    ->Unit(benchmark::kMillisecond);
