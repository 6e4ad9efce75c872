// A saved lesson opens at its step: the run it plays before a seek is
// recorded, not watched at half a second a step.
#include "app/Zarni.h"
#include "frames/MainFrm.h"
#include "view/ZarniView.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// As the program saves a heapsort of 15 values shown at step 61.
const char kHeapsortLesson[] = "# Zarni lesson: rebuilds one window as it was kept.\n"
                               "zoom 19\nnodes 15\nvalues 91 67 38 5 12 44 73 20 86 59 31 8 95 50 26\n"
                               "heap max\nheap sort\nseek 61\narray off\ncode on\nmerge-panel off\nscroll 0 0\n";

void BM_LessonOpensAtItsStep(benchmark::State &state)
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8()); // the user's settings stay as they are
    const QString path = dir.filePath("heapsort.zs");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kHeapsortLesson) < 0)
        return state.SkipWithError("cannot write the lesson");
    file.close();
    CZarniApp app;
    if (!app.InitInstance({}))
        return state.SkipWithError("the program did not start");
    for (auto _ : state)
        app.RunLesson(path);
    state.counters["step"] = double(app.MainFrame()->GetActiveView()->RunStep());
}
BENCHMARK(BM_LessonOpensAtItsStep)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
