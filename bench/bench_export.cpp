// A run for slides: a 15-node tournament (22 frames) at scale 2 as GIF and
// MP4, and a heapsort of 1023 values at scale 1 as GIF.
//   zarni_bench --benchmark_filter=ExportRun
#include "BenchView.h"
#include "app/RunExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void Export(benchmark::State &state, const char *file, int scale)
{
    CZarniView &view = View();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(file));
    for (auto _ : state)
        if (!ExportRun(&view, path, {scale, 0, -1, 500, true}))
            state.SkipWithError("the export failed");
    state.counters["KB"] = double(QFile(path).size()) / 1000;
    state.counters["frames"] = double(view.RunStepCount() + 1);
}

void BM_ExportRunTournament(benchmark::State &state)
{
    CZarniView &view = View();
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    view.SetNodeCount(15);
    view.OnWinnerTree();
    view.OnWinnerEnd();
    Export(state, state.range(0) ? "run.mp4" : "run.gif", 2);
    view.SetNodeCount(15);
}

void BM_ExportRunHeapsort(benchmark::State &state)
{
    CZarniView &view = View();
    view.m_nCanvasWidth = 800;
    view.m_nCanvasHeight = 600;
    view.SetNodeCount(1023);
    FillValues(&view, HeapState::Fill::Random);
    StartHeap(&view, HeapAlgorithm::Kind::Sort);
    view.SeekRun(view.RunStepCount());
    Export(state, "run.gif", 1);
    view.SetNodeCount(15);
}

} // namespace

BENCHMARK(BM_ExportRunTournament)->Arg(0)->Arg(1)->ArgNames({"mp4"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportRunHeapsort)->Iterations(1)->Unit(benchmark::kMillisecond);
