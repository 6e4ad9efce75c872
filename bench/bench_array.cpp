// The array panel at N = 1 048 575: opening it, scrolling it from end to
// end, and its update after a selection in the tree.
//   zarni_bench --benchmark_filter=Array
#include "BenchView.h"
#include "frames/ArrayPanel.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

const int kBigTree = 1048575;

// The panel on the view, exposed and painted.
void ShowPanel(CArrayPanel &panel, CZarniView &view)
{
    panel.resize(800, 100);
    panel.SetView(&view);
    panel.show();
    QApplication::processEvents();
}

void BM_ArrayOpen(benchmark::State &state)
{
    CZarniView &view = View();
    view.SetNodeCount(kBigTree);
    ShowNow(view);
    for (auto _ : state) {
        CArrayPanel panel(nullptr);
        ShowPanel(panel, view);
    }
}

void BM_ArrayScrollEndToEnd(benchmark::State &state)
{
    CZarniView &view = View();
    view.SetNodeCount(kBigTree);
    CArrayPanel panel(nullptr);
    ShowPanel(panel, view);
    QScrollBar *bar = panel.Grid()->horizontalScrollBar();
    bool atEnd = false;
    for (auto _ : state) {
        bar->setValue((atEnd = !atEnd) ? bar->maximum() : 0);
        panel.Grid()->viewport()->repaint();
    }
}

// A click in the tree selects a box; the panel follows with its repaint.
void BM_ArrayAfterSelection(benchmark::State &state)
{
    CZarniView &view = View();
    view.SetNodeCount(kBigTree);
    CArrayPanel panel(nullptr);
    ShowPanel(panel, view);
    ShowNow(view);
    int64_t index = 1;
    for (auto _ : state) {
        view.SelectNode(index = index % 1000 + 1, false);
        ShowNow(view);
        panel.Grid()->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(BM_ArrayOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrayScrollEndToEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrayAfterSelection)->Unit(benchmark::kMillisecond);
