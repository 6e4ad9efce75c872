#include "BenchView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

CZarniView &View()
{
    static CZarniView *view = [] {
        auto *v = new CZarniView;
        v->setFrameShape(QFrame::NoFrame);
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->resize(800, 600);
        v->show();
        QApplication::processEvents();
        return v;
    }();
    return *view;
}

void ShowNow(CZarniView &view)
{
    view.UpdateWindow();
    QApplication::processEvents();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
