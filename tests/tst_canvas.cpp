// Canvas size, zoom and box proportions, with the size pane they write.
#include "TestUtil.h"
#include "app/Zarni.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void zoomItems_data();
    void zoomItems();
    void stepSequences_data();
    void stepSequences();
    void divisorSequences_data();
    void divisorSequences();
    void limits();
    void sizePaneWrittenByCanvasCommandsOnly();
    void pickingTheShownItemApplies();
    void zoomingOnePaneLeavesTheOthers();
    void hugeCanvasPaintsAndHitTests();

private:
    AppFixture m_fixture;
    CMainFrame *Frame() const { return m_fixture.Frame(); }
    CZarniView *View() const { return Frame()->GetActiveView(); }
    QString Pane() const { return Frame()->m_wndStatusBar->GetPaneText(1); }
    void Pick(int index)
    {
        QComboBox *combo = Frame()->m_wndToolBar->m_wndZoomCombo;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

void TestCanvas::init()
{
    QVERIFY(m_fixture.Start());
}

void TestCanvas::cleanup()
{
    m_fixture.Stop();
}

void TestCanvas::zoomItems_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int i = 0; i <= 19; ++i)
        QTest::addRow("%dx", 20 - i) << i << 800 * (20 - i) << 600 * (20 - i);
    const int table[][2] = {{400, 300}, {200, 150}, {133, 100}, {100, 75}, {80, 60},
                            {66, 50},   {57, 42},   {50, 37},   {44, 33},  {40, 30}};
    for (int i = 20; i <= 29; ++i)
        QTest::addRow("1/%dx", 2 * (i - 19)) << i << table[i - 20][0] << table[i - 20][1];
}

void TestCanvas::zoomItems()
{
    QFETCH(int, index);
    QFETCH(int, width);
    QFETCH(int, height);
    View()->OnZoomIn(); // earlier steps are lost
    Pick(index);
    QCOMPARE(View()->m_nCanvasWidth, width);
    QCOMPARE(View()->m_nCanvasHeight, height);
    QCOMPARE(View()->m_sizeTotal, (CSize{width, height}));
    QCOMPARE(View()->GetTotalSize(), (CSize{width, height}));
    QCOMPARE(Pane(), QString("%1 * %2").arg(width).arg(height));
}

void TestCanvas::stepSequences_data()
{
    QTest::addColumn<int>("start");   // zoom item, or -1 for none
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::newRow("from 1/20x: in, out, out") << 29 << QList<int>{ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_OUT}
                                              << QList<QSize>{{140, 130}, {40, 30}, {40, 30}};
    QTest::newRow("from 1/6x: out") << 22 << QList<int>{ID_ZOOM_OUT} << QList<QSize>{{33, 100}};
    QTest::newRow("one axis at a time")
        << -1 << QList<int>{ID_ZOOM_IN_X, ID_ZOOM_IN_Y, ID_ZOOM_OUT_X, ID_ZOOM_OUT_Y, ID_ZOOM_IN}
        << QList<QSize>{{900, 600}, {900, 700}, {800, 700}, {800, 600}, {900, 700}};
    QTest::newRow("width 100 shrinks no further")
        << 23 << QList<int>{ID_ZOOM_OUT_X, ID_ZOOM_OUT_X} << QList<QSize>{{100, 75}, {100, 75}};
}

void TestCanvas::stepSequences()
{
    QFETCH(int, start);
    QFETCH(QList<int>, steps);
    QFETCH(QList<QSize>, sizes);
    if (start >= 0)
        Pick(start);
    for (int i = 0; i < steps.size(); ++i) {
        Frame()->RouteCommand(steps[i]);
        QCOMPARE(QSize(View()->m_nCanvasWidth, View()->m_nCanvasHeight), sizes[i]);
        QCOMPARE(Pane(), QString("%1 * %2").arg(sizes[i].width()).arg(sizes[i].height()));
        QCOMPARE(View()->m_sizeTotal, (CSize{sizes[i].width(), sizes[i].height()}));
    }
}

void TestCanvas::divisorSequences_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<int>>("divisors");
    QTest::newRow("wider from 32") << int(ID_NODE_WIDER) << QList<int>{16, 8, 4, 2, 1, 1};
    QTest::newRow("taller from 24") << int(ID_NODE_TALLER) << QList<int>{12, 6, 3, 1, 1};
    QTest::newRow("narrower from 32") << int(ID_NODE_NARROWER) << QList<int>{64, 128, 256};
    QTest::newRow("shorter from 24") << int(ID_NODE_SHORTER) << QList<int>{48, 96};
}

void TestCanvas::divisorSequences()
{
    QFETCH(int, command);
    QFETCH(QList<int>, divisors);
    const bool x = command == ID_NODE_WIDER || command == ID_NODE_NARROWER;
    for (int expected : divisors) {
        Frame()->RouteCommand(command);
        QCOMPARE(x ? View()->m_nXDivisor : View()->m_nYDivisor, expected);
    }
    QCOMPARE(Pane(), QString("800 * 600"));
}

// Grow steps stop at the largest side, doublings at 2^30; the size pane and
// the relayout still run.
void TestCanvas::limits()
{
    CZarniView *view = View();
    view->m_nCanvasWidth = CZarniView::kMaxCanvasSide - 50;
    view->m_nCanvasHeight = CZarniView::kMaxCanvasSide - 100;
    view->OnZoomIn();
    QCOMPARE(view->m_nCanvasWidth, CZarniView::kMaxCanvasSide - 50);
    QCOMPARE(view->m_nCanvasHeight, CZarniView::kMaxCanvasSide);
    QCOMPARE(Pane(), QString("999950 * 1000000"));
    QCOMPARE(view->m_sizeTotal, (CSize{999950, 1000000}));
    for (int i = 0; i < 40; ++i) {
        view->OnNodeNarrower();
        view->OnNodeShorter();
    }
    QCOMPARE(view->m_nXDivisor, 1 << 30);
    QCOMPARE(view->m_nYDivisor, 3 << 28);
    QVERIFY(view->HalfWidth() == 0 && view->HalfHeight() == 0);
    Render(view); // boxes collapse; nothing may overflow or divide by zero
}

void TestCanvas::sizePaneWrittenByCanvasCommandsOnly()
{
    View()->OnZoomIn();
    QCOMPARE(Pane(), QString("900 * 700"));
    for (int id : std::initializer_list<int>{ID_NODE_ADD, ID_NODE_REMOVE, ID_NODE_WIDER, ID_WINNER_TREE, ID_WINNER_EXIT, ID_FILE_NEW,
                   ID_WINDOW_NEW, ID_WINDOW_SPLIT})
        Frame()->RouteCommand(id);
    QCOMPARE(Pane(), QString("900 * 700"));
    QCOMPARE(View()->m_nCanvasWidth, 800); // a new view starts at 800 by 600
}

void TestCanvas::pickingTheShownItemApplies()
{
    View()->OnZoomIn();
    View()->OnZoomInX();
    QCOMPARE(Frame()->m_wndToolBar->m_wndZoomCombo->currentIndex(), 19);
    Pick(19);
    QCOMPARE(View()->m_nCanvasWidth, 800);
    QCOMPARE(View()->m_nCanvasHeight, 600);
    QCOMPARE(Pane(), QString("800 * 600"));
}

void TestCanvas::zoomingOnePaneLeavesTheOthers()
{
    CSplitterWnd *splitter = Frame()->ActiveChild()->GetSplitter();
    splitter->SplitTo(2, 2);
    splitter->SetActivePane(splitter->Pane<CZarniView>(1, 1));
    Pick(18);
    QCOMPARE(splitter->Pane<CZarniView>(1, 1)->m_nCanvasWidth, 1600);
    for (CZarniView *view : {splitter->Pane<CZarniView>(0, 0), splitter->Pane<CZarniView>(0, 1), splitter->Pane<CZarniView>(1, 0)})
        QCOMPARE(view->m_nCanvasWidth, 800);
    QCOMPARE(Pane(), QString("1600 * 1200"));
}

// The largest canvas, the widest boxes and a deep tree: layout, paint and
// hit tests stay in range (the sanitizer build checks every operation).
void TestCanvas::hugeCanvasPaintsAndHitTests()
{
    CZarniView *view = View();
    view->m_nCanvasWidth = CZarniView::kMaxCanvasSide;
    view->m_nCanvasHeight = CZarniView::kMaxCanvasSide;
    view->m_nXDivisor = 1;
    view->m_nYDivisor = 1;
    view->SetNodeCount(5000);
    view->SetScrollPos(SB_HORZ, view->GetScrollLimit(SB_HORZ));
    view->SetScrollPos(SB_VERT, view->GetScrollLimit(SB_VERT));
    Render(view);
    Drag(view, {{5, 5}, {300, 200}});
    Drag(view, {{100, 100}});
    for (const TreeNode *node : PreOrder(view))
        QVERIFY(view->Mark(node->m_nIndex) == 0 || view->Mark(node->m_nIndex) == 1);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
