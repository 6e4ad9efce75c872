// What the class sees is the run: at every step of every algorithm, reached
// forward, back or by a seek, each box the window shows holds the pixels the
// exported picture of the same step draws there.
#include "TestUtil.h"
#include "app/Export.h"
#include "model/algorithms/second/Second.h"
#include "model/algorithms/segment/Segment.h"
#include "view/Palette.h"

#include <QTest>

namespace {

using HeapKind = HeapAlgorithm::Kind;

void Heap(CZarniView *view, HeapKind kind, HeapOperand operand = {})
{
    view->SetNodeCount(7);
    SetValues(view, {"9", "7", "8", "3", "5", "6", "4"});
    if (kind == HeapKind::Build || kind == HeapKind::BuildByInsert || kind == HeapKind::Sort)
        SetValues(view, {"4", "19", "7", "33", "2", "25", "11"});
    StartHeap(view, kind, operand);
}

void Tournament(CZarniView *view, bool loser)
{
    SetLoserTree(view, loser);
    SetLeaves(view, {"41", "7", "63", "18", "55", "30", "72", "25"});
    view->OnWinnerEnd();
}

void Replacement(CZarniView *view, bool loser)
{
    SetLoserTree(view, loser);
    StartReplacement(view, 3, {31, 12, 57, 8, 40, 3, 66, 25, 19, 71});
}

// A sum tree of 8 leaves (so that the boxes stand apart) with tags pending
// from an add, then the operation to look at.
void Segment(CZarniView *view, SegmentAlgorithm::Kind kind, SegmentAlgorithm::Operand operand)
{
    SegmentState &segment = view->Model().Find<SegmentState>();
    view->Follow(segment.Build(SegmentOp::Sum, {5, 8, 6, 3, 2, 7}));
    if (kind == SegmentAlgorithm::Kind::Build)
        return;
    view->OnWinnerEnd();
    view->Follow(segment.Start(SegmentAlgorithm::Kind::Add, {1, 4, 3}));
    view->OnWinnerEnd();
    view->Follow(segment.Start(kind, operand));
}

struct Setup {
    const char *name;
    void (*start)(CZarniView *);
};

// Each leaves the view with the run to look at loaded.
const Setup kSetups[] = {
    {"tournament", [](CZarniView *v) { Tournament(v, false), v->SeekRun(0); }},
    {"loser tournament", [](CZarniView *v) { Tournament(v, true), v->SeekRun(0); }},
    {"path", [](CZarniView *v) { Tournament(v, false), SetLeaf(v, 10, "99"); }},
    {"loser path", [](CZarniView *v) { Tournament(v, true), SetLeaf(v, 14, "1"); }},
    {"merge pop", [](CZarniView *v) { StartMerge(v, {{90, 40, 12}, {77, 50, 3}, {64, 61}}), v->OnWinnerEnd(), Pop(v); }},
    {"loser merge pop",
     [](CZarniView *v) {
         SetLoserTree(v, true), StartMerge(v, {{90, 40}, {77, 50, 3}, {64, 61}, {70, 20}}), v->OnWinnerEnd(), Pop(v);
     }},
    {"heap build", [](CZarniView *v) { Heap(v, HeapKind::Build); }},
    {"heap build by insert", [](CZarniView *v) { Heap(v, HeapKind::BuildByInsert); }},
    {"heapsort", [](CZarniView *v) { Heap(v, HeapKind::Sort); }},
    {"heap insert", [](CZarniView *v) { Heap(v, HeapKind::Insert, {0, 99}); }},
    {"heap extract", [](CZarniView *v) { Heap(v, HeapKind::Extract); }},
    {"heap key", [](CZarniView *v) { Heap(v, HeapKind::Key, {6, 99}); }},
    {"heap delete", [](CZarniView *v) { Heap(v, HeapKind::Delete, {2, 0}); }},
    {"replacement", [](CZarniView *v) { Replacement(v, false); }},
    {"loser replacement", [](CZarniView *v) { Replacement(v, true); }},
    {"runner-up",
     [](CZarniView *v) { Tournament(v, false), v->OnWinnerEnd(), v->Follow(v->Model().Find<SecondState>().Start()); }},
    {"segment build", [](CZarniView *v) { Segment(v, SegmentAlgorithm::Kind::Build, {}); }},
    {"segment add", [](CZarniView *v) { Segment(v, SegmentAlgorithm::Kind::Add, {0, 4, -2}); }},
    {"segment query", [](CZarniView *v) { Segment(v, SegmentAlgorithm::Kind::Query, {1, 4, 0}); }},
    {"segment set", [](CZarniView *v) { Segment(v, SegmentAlgorithm::Kind::Set, {2, 2, 10}); }},
    {"runs merged", [](CZarniView *v) { Replacement(v, false), v->OnWinnerEnd(), MergeReplacementRuns(v); }},
};

// The first box, node 0 included, whose pixels on the window differ from
// the export's, or 0 when none does (-1 for node 0).
int64_t FirstStaleBox(CZarniView *view)
{
    view->UpdateWindow();
    const QImage shown = view->RetainedImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = CanvasImage(view->Scene(), 1);
    const QPoint scroll(view->m_nHScrollPos, view->m_nVScrollPos);
    for (int64_t i = view->Model().NodeZeroShown() ? 0 : 1; i <= view->m_nNodeCount; ++i) {
        const CRect b = view->WindowBox(i);
        // Inside the frame: a box a run paints on the window covers the
        // first pixel of its edges, which a paint draws over the frame.
        const QRect box = QRect(b.left + 1, b.top + 1, b.Width() - 2, b.Height() - 2) & shown.rect();
        if (!box.isEmpty() && shown.copy(box) != drawn.copy(box.translated(scroll)))
            return i ? i : -1;
    }
    return 0;
}

// What the screen shows of the client area once the paints asked for are
// done, partial ones included: the backing store, not a fresh render.
QImage OnScreen(CZarniView *view)
{
    QCoreApplication::processEvents();
    QWidget *top = view->window();
    const QPoint at = view->viewport()->mapTo(top, QPoint(0, 0));
    const QSize size = view->viewport()->size();
    return top->screen()->grabWindow(top->winId(), at.x(), at.y(), size.width(), size.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowShowsEveryStep_data();
    void windowShowsEveryStep();
    void listingOutlivesItsRun_data() { windowShowsEveryStep_data(); }
    void listingOutlivesItsRun();
    void screenFollowsEveryStep_data() { windowShowsEveryStep_data(); }
    void screenFollowsEveryStep();
    void comparisonShowsInThePicture();
    void wideValuesShrinkToTheirBox_data();
    void wideValuesShrinkToTheirBox();
};

// Every run in every palette: wider lines and the cues reach the same
// places on the window and in the picture.
void TestPicture::windowShowsEveryStep_data()
{
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("palette");
    for (const Palette &palette : Palettes())
        for (int i = 0; i < int(std::size(kSetups)); ++i)
            QTest::addRow("%s, %s", kSetups[i].name, palette.name) << i << QString(palette.name);
}

void TestPicture::init()
{
    if (QTest::currentDataTag()) { // the tables with a palette
        QFETCH(QString, palette);
        SetCurrentPalette(*FindPalette(palette));
    }
}

void TestPicture::cleanup()
{
    SetCurrentPalette(Palettes().front());
}

void TestPicture::windowShowsEveryStep()
{
    QFETCH(int, setup);
    auto view = MakeView();
    view->SetStepDelay(0);
    kSetups[setup].start(view.get());
    QVERIFY(view->Run());
    view->SeekRun(0);
    const int64_t steps = view->RunStepCount();
    QVERIFY(steps > 2);
    auto check = [&](const char *how) {
        const int64_t stale = FirstStaleBox(view.get());
        QVERIFY2(!stale, qPrintable(QString("%1 to step %2: node %3").arg(how).arg(view->RunStep()).arg(stale)));
    };
    for (int64_t k = 1; k <= steps; ++k) {
        view->OnWinnerStep();
        check("forward");
    }
    for (int64_t k = steps - 1; k >= 0; --k) {
        view->OnWinnerBack();
        check("back");
    }
    for (int64_t j = 1; j <= steps; ++j) { // every step, in a scattered order
        view->SeekRun(j * 7 % (steps + 1));
        check("seek");
    }
}

// Played and stepped back, every step leaves on the screen what a whole
// repaint draws: the outlines of the nodes a step points at come and go.
void TestPicture::screenFollowsEveryStep()
{
    QFETCH(int, setup);
    auto view = MakeView();
    view->SetStepDelay(0);
    kSetups[setup].start(view.get());
    view->SeekRun(0);
    const int64_t steps = view->RunStepCount();
    for (int64_t k = 1; k <= 2 * steps; ++k) {
        k <= steps ? view->OnWinnerStep() : view->OnWinnerBack();
        const QImage shown = OnScreen(view.get());
        view->viewport()->repaint();
        QVERIFY2(shown == OnScreen(view.get()), qPrintable(QString("step %1").arg(view->RunStep())));
    }
}

// A click ends the run; the code panel goes on showing its pseudocode as it
// was, its kind and its direction of comparison included.
void TestPicture::listingOutlivesItsRun()
{
    QFETCH(int, setup);
    auto view = MakeView();
    view->SetStepDelay(0);
    const QString name = kSetups[setup].name;
    SetMinHeap(view, name.startsWith("heap build") || name == "heapsort"); // its listing turns every comparison
    kSetups[setup].start(view.get());
    const QStringList shown = view->Listing();
    QVERIFY(!shown.isEmpty());
    view->SelectNodesInRect(view->m_pRoot, 0, 0, 1, 1);
    QVERIFY(!view->Run());
    QCOMPARE(view->Listing(), shown);
}

// A step that only compares changes no value: its picture differs from the
// step before by the outlines of the two nodes compared.
void TestPicture::comparisonShowsInThePicture()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    Heap(view.get(), HeapKind::Build);
    view->SeekRun(0);
    const QImage before = CanvasImage(view->Scene(), 1);
    view->OnWinnerStep();
    QVERIFY(view->Run()->Steps().ChangesOf(1).first == view->Run()->Steps().ChangesOf(1).last);
    const QImage compared = CanvasImage(view->Scene(), 1);
    const CRect box = view->Geometry().Box(view->Geometry().Position(view->Run()->Steps().Step(1).focus));
    QCOMPARE(compared.pixel(box.left - 2, box.top + 5), QColor(PointedColour()).rgb());
    QCOMPARE(before.pixel(box.left - 2, box.top + 5), qRgb(255, 255, 255));
}

void TestPicture::wideValuesShrinkToTheirBox_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("palette");
    for (const Palette &palette : Palettes())
        for (const char *label : {"99999", "-9999", "-99584", "-88888", "-11111"})
            QTest::addRow("%s, %s", label, palette.name) << label << QString(palette.name);
}

// Up to six characters in a 50-pixel box: all of them show, smaller, clear
// of the frame, in every palette's line width.
void TestPicture::wideValuesShrinkToTheirBox()
{
    QFETCH(QString, label);
    auto view = MakeView();
    view->SetNodeCount(3);
    SetValues(view, {label, "-9999", "7"});
    const QImage shown = Render(view.get()).convertToFormat(QImage::Format_RGB32);
    const CRect b = view->WindowBox(1);
    const int line = CurrentPalette().line; // the frame's width
    int left = b.right, right = b.left;
    for (int y = b.top + line; y < b.bottom - line; ++y)
        for (int x = b.left + line; x < b.right - line; ++x)
            if (qGray(shown.pixel(x, y)) < 128)
                left = std::min(left, x), right = std::max(right, x);
    QVERIFY2(right - left > b.Width() / 2, qPrintable(QString("ink %1 to %2").arg(left).arg(right)));
    // Two clear columns inside the frame on each side.
    QVERIFY2(left >= b.left + line + 2 && right < b.right - line - 2,
             qPrintable(QString("ink %1 to %2").arg(left).arg(right)));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
