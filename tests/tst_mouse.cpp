// The mouse: rubber-band selection, its pixels, panning and the view's copy
// of its scroll position.
#include "TestUtil.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QScrollBar>
#include <QTest>

namespace {

QSet<int> Selected(const CZarniView *view)
{
    QSet<int> selected;
    for (const TreeNode *node : PreOrder(view)) {
        if (view->Mark(node->m_nIndex) == 1)
            selected << node->m_nIndex;
        else if (view->Mark(node->m_nIndex) != 0)
            selected << -node->m_nIndex; // any other mark is wrong after a selection
    }
    return selected;
}

// Window point of a canvas point, from the real scroll position.
QPoint OnScreen(CZarniView *view, CPoint canvas)
{
    return {canvas.x - view->GetScrollPos(SB_HORZ), canvas.y - view->GetScrollPos(SB_VERT)};
}

void CheckCopyIsReal(CZarniView *view)
{
    QCOMPARE(view->m_nHScrollPos, view->GetScrollPos(SB_HORZ));
    QCOMPARE(view->m_nVScrollPos, view->GetScrollPos(SB_VERT));
}

} // namespace

class TestMouse : public QObject {
    Q_OBJECT

private slots:
    void band_data();
    void band();
    void clickInOverlapSelectsEveryBox();
    void selectionReplacesTournamentMarks();
    void selectionShowsAtOnceWithoutRepaint();
    void bandFollowsTheMouseAndLeavesNothing();
    void lostCaptureSelectsNothing();
    void rightButtonDoesNothing();
    void panFollowsTheHand();
    void panEdgeTestEndsTheDrag();
    void panNeverGoesOnWithTheButtonUp();
    void copyStaysRealAfterPanPastTheEnd();
    void copyStaysRealWhenTheCanvasShrinks();
    void cursors();
};

void TestMouse::band_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QSet<int>>("selected");
    // Node 1 at (400, 75): its box covers 375..424 by 50..99.
    QTest::newRow("just enclosing") << QPoint(374, 49) << QPoint(426, 101) << QSet<int>{1};
    QTest::newRow("reversed") << QPoint(426, 101) << QPoint(374, 49) << QSet<int>{1};
    QTest::newRow("left edge on the frame") << QPoint(375, 49) << QPoint(426, 101) << QSet<int>{};
    QTest::newRow("right edge at x+a") << QPoint(374, 49) << QPoint(425, 101) << QSet<int>{};
    QTest::newRow("box sticks out at the bottom") << QPoint(374, 49) << QPoint(426, 99) << QSet<int>{};
    QTest::newRow("zero width") << QPoint(400, 10) << QPoint(400, 590) << QSet<int>{};
    QTest::newRow("zero height") << QPoint(10, 75) << QPoint(790, 75) << QSet<int>{};
    QTest::newRow("level 3") << QPoint(60, 340) << QPoint(740, 410) << QSet<int>{4, 5, 6, 7};
    QTest::newRow("everything") << QPoint(0, 0) << QPoint(799, 599) << QSet<int>{1, 2,  3,  4,  5,  6,  7, 8,
                                                                                9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("click at x+a-1, y+b-1") << QPoint(424, 99) << QPoint(424, 99) << QSet<int>{1};
    QTest::newRow("click inside") << QPoint(400, 75) << QPoint(400, 75) << QSet<int>{1};
    QTest::newRow("click at x-a") << QPoint(375, 75) << QPoint(375, 75) << QSet<int>{};
    QTest::newRow("click at y-b") << QPoint(400, 50) << QPoint(400, 50) << QSet<int>{};
    QTest::newRow("click at x+a") << QPoint(425, 75) << QPoint(425, 75) << QSet<int>{};
    QTest::newRow("click at y+b") << QPoint(400, 100) << QPoint(400, 100) << QSet<int>{};
    QTest::newRow("click between boxes") << QPoint(300, 75) << QPoint(300, 75) << QSet<int>{};
}

void TestMouse::band()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QSet<int>, selected);
    auto view = MakeView();
    view->Model().SetMark(9, 1); // a previous selection is replaced
    Drag(view.get(), from == to ? std::vector<QPoint>{from} : std::vector<QPoint>{from, (from + to) / 2, to});
    QCOMPARE(Selected(view.get()), selected);
}

void TestMouse::clickInOverlapSelectsEveryBox()
{
    auto view = MakeView();
    view->SetNodeCount(63); // level 6: boxes 50 wide in 25-pixel slots
    const CPoint p32 = view->NodeAt(32)->m_ptPos;
    Drag(view.get(), {QPoint(20, p32.y)});
    QCOMPARE(Selected(view.get()), (QSet<int>{32, 33}));
}

void TestMouse::selectionReplacesTournamentMarks()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    PlayToEnd(view.get());
    Drag(view.get(), {QPoint(60, 340), QPoint(740, 410)});
    QCOMPARE(Selected(view.get()), (QSet<int>{4, 5, 6, 7}));
    QCOMPARE(LabelOf(view, 1), std::string("15")); // labels stay
}

// The selected box turns red on the window at once, exactly as a later
// repaint draws it, and no repaint is asked for.
void TestMouse::selectionShowsAtOnceWithoutRepaint()
{
    auto view = MakeView(QSize(500, 400));
    view->SetScrollPos(SB_HORZ, 120);
    view->SetScrollPos(SB_VERT, 140);
    Render(view.get());
    const CPoint node = view->NodeAt(5)->m_ptPos; // (300, 375)
    const QPoint p = OnScreen(view.get(), node);
    Drag(view.get(), {p + QPoint(-30, -30), p + QPoint(30, 30)});
    QVERIFY(!view->IsUpdatePending());
    const QImage shown = view->RetainedImage();
    QCOMPARE(Pixel(shown, p.x() - 23, p.y() - 23), QColor(255, 50, 50));
    QCOMPARE(Pixel(shown, p.x() - 25, p.y() - 10), QColor(255, 0, 0));
    QCOMPARE(Pixel(shown, p.x() + 24, p.y() + 24), QColor(255, 0, 0));
    QCOMPARE(Pixel(shown, p.x(), p.y() - 12), QColor(255, 0, 0)); // the label's cells
    // A repaint shows the same box; only the first pixel of the node's own
    // edge, which the redraw of the box covers, comes back.
    const QImage repainted = Render(view.get());
    for (int y = p.y() - 25; y < p.y() + 25; ++y)
        for (int x = p.x() - 25; x < p.x() + 25; ++x)
            if (QPoint(x, y) != QPoint(p.x() - 25, p.y()))
                QCOMPARE(Pixel(repainted, x, y), Pixel(shown, x, y));
}

void TestMouse::bandFollowsTheMouseAndLeavesNothing()
{
    auto view = MakeView();
    const QImage clean = Render(view.get());
    SendMouse(view.get(), QEvent::MouseButtonPress, {450, 120}, Qt::LeftButton);
    SendMouse(view.get(), QEvent::MouseMove, {700, 160}, Qt::LeftButton);
    QImage banded = view->RetainedImage();
    QCOMPARE(Pixel(banded, 450, 120), QColor(255, 0, 0)); // a dot at the corner
    QCOMPARE(Pixel(banded, 453, 120), QColor(255, 255, 255)); // a gap
    QCOMPARE(Pixel(banded, 600, 140), Pixel(clean, 600, 140)); // hollow
    SendMouse(view.get(), QEvent::MouseMove, {520, 300}, Qt::LeftButton);
    banded = view->RetainedImage();
    QCOMPARE(Pixel(banded, 700, 120), Pixel(clean, 700, 120)); // the old band is gone
    QCOMPARE(Pixel(banded, 519, 160), QColor(255, 0, 0));
    SendMouse(view.get(), QEvent::MouseButtonRelease, {520, 300}, Qt::NoButton);
    QCOMPARE(Selected(view.get()), QSet<int>{});
    QCOMPARE(view->RetainedImage(), clean);
}

void TestMouse::lostCaptureSelectsNothing()
{
    auto view = MakeView();
    SendMouse(view.get(), QEvent::MouseButtonPress, {374, 49}, Qt::LeftButton);
    SendMouse(view.get(), QEvent::MouseMove, {426, 101}, Qt::NoButton); // the release went elsewhere
    SendMouse(view.get(), QEvent::MouseButtonRelease, {426, 101}, Qt::NoButton);
    QCOMPARE(Selected(view.get()), QSet<int>{});
}

void TestMouse::rightButtonDoesNothing()
{
    auto view = MakeView(QSize(400, 300));
    for (int mode : {1, 0}) {
        view->m_nMouseMode = mode;
        const QImage before = Render(view.get());
        SendMouse(view.get(), QEvent::MouseButtonPress, {200, 100}, Qt::RightButton, Qt::RightButton);
        SendMouse(view.get(), QEvent::MouseMove, {100, 50}, Qt::RightButton);
        SendMouse(view.get(), QEvent::MouseButtonRelease, {100, 50}, Qt::NoButton, Qt::RightButton);
        QCOMPARE(view->m_bPanning, 0);
        QCOMPARE(view->GetScrollPos(SB_HORZ), 0);
        QCOMPARE(view->RetainedImage(), before);
    }
}

void TestMouse::panFollowsTheHand()
{
    auto view = MakeView(QSize(400, 300));
    view->SetScrollPos(SB_HORZ, 200);
    view->SetScrollPos(SB_VERT, 100);
    view->OnModePan();
    SendMouse(view.get(), QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    QCOMPARE(view->m_bPanning, 1);
    SendMouse(view.get(), QEvent::MouseMove, {150, 120}, Qt::LeftButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 250);
    QCOMPARE(view->GetScrollPos(SB_VERT), 130);
    CheckCopyIsReal(view.get());
    SendMouse(view.get(), QEvent::MouseMove, {230, 170}, Qt::LeftButton); // relative to the press
    QCOMPARE(view->GetScrollPos(SB_HORZ), 170);
    QCOMPARE(view->GetScrollPos(SB_VERT), 80);
    SendMouse(view.get(), QEvent::MouseButtonRelease, {240, 160}, Qt::NoButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 160);
    QCOMPARE(view->GetScrollPos(SB_VERT), 90);
    CheckCopyIsReal(view.get());
    QCOMPARE(view->m_bPanning, 0);
    // The drawing follows: the repaint shows the canvas at the new position.
    const QImage shown = Render(view.get());
    const QPoint six = OnScreen(view.get(), view->NodeAt(6)->m_ptPos);
    QCOMPARE(Pixel(shown, six.x() - 25, six.y() - 20), QColor(0, 0, 0));
}

void TestMouse::panEdgeTestEndsTheDrag()
{
    auto view = MakeView(QSize(400, 300));
    view->SetScrollPos(SB_HORZ, 200);
    view->OnModePan();
    SendMouse(view.get(), QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    SendMouse(view.get(), QEvent::MouseMove, {0, 150}, Qt::LeftButton); // scrolls once more, then ends
    QCOMPARE(view->GetScrollPos(SB_HORZ), 400);
    QCOMPARE(view->m_bPanning, 0);
    SendMouse(view.get(), QEvent::MouseMove, {100, 150}, Qt::LeftButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 400); // no more scrolling
    SendMouse(view.get(), QEvent::MouseButtonRelease, {150, 150}, Qt::NoButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 250); // the full displacement from the press
    CheckCopyIsReal(view.get());
}

void TestMouse::panNeverGoesOnWithTheButtonUp()
{
    auto view = MakeView(QSize(400, 300));
    view->OnModePan();
    SendMouse(view.get(), QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    SendMouse(view.get(), QEvent::MouseMove, {190, 150}, Qt::LeftButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 10);
    SendMouse(view.get(), QEvent::MouseMove, {100, 150}, Qt::NoButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 10);
    QCOMPARE(view->m_bPanning, 0);
    SendMouse(view.get(), QEvent::MouseMove, {90, 150}, Qt::NoButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), 10);
    QVERIFY(ShowsCursor(view.get(), IDC_CURSOR_OPEN_HAND));
}

// A pan far past the end leaves the bars at their limit; the copy follows
// them, so a band still selects what the user encloses.
void TestMouse::copyStaysRealAfterPanPastTheEnd()
{
    auto view = MakeView(QSize(400, 300));
    view->OnModePan();
    SendMouse(view.get(), QEvent::MouseButtonPress, {390, 290}, Qt::LeftButton);
    SendMouse(view.get(), QEvent::MouseButtonRelease, {-900, -900}, Qt::NoButton);
    QCOMPARE(view->GetScrollPos(SB_HORZ), view->GetScrollLimit(SB_HORZ));
    QCOMPARE(view->GetScrollPos(SB_VERT), view->GetScrollLimit(SB_VERT));
    CheckCopyIsReal(view.get());
    view->OnModeSelect();
    Render(view.get());
    const QPoint p = OnScreen(view.get(), view->NodeAt(15)->m_ptPos);
    Drag(view.get(), {p - QPoint(27, 27), p + QPoint(27, 27)});
    QCOMPARE(Selected(view.get()), QSet<int>{15});
    const QImage shown = view->RetainedImage();
    QCOMPARE(Pixel(shown, p.x() - 23, p.y() - 23), QColor(255, 50, 50));
    const QImage repainted = Render(view.get());
    QCOMPARE(shown.copy(p.x() - 25, p.y() - 25, 50, 50), repainted.copy(p.x() - 25, p.y() - 25, 50, 50));
}

void TestMouse::copyStaysRealWhenTheCanvasShrinks()
{
    auto view = MakeView(QSize(400, 300));
    view->OnZoomIn();
    view->SetScrollPos(SB_HORZ, view->GetScrollLimit(SB_HORZ));
    view->SetScrollPos(SB_VERT, view->GetScrollLimit(SB_VERT));
    view->OnZoomOut();
    view->OnZoomOut();
    CheckCopyIsReal(view.get());
    QCOMPARE(view->GetScrollPos(SB_HORZ), view->GetScrollLimit(SB_HORZ));
    const QPoint p = OnScreen(view.get(), view->NodeAt(14)->m_ptPos);
    Drag(view.get(), {p});
    QCOMPARE(Selected(view.get()), QSet<int>{14});
}

void TestMouse::cursors()
{
    auto view = MakeView(QSize(400, 300));
    SendMouse(view.get(), QEvent::MouseMove, {50, 50}, Qt::NoButton);
    QVERIFY(ShowsCursor(view.get(), 0));
    view->OnModePan();
    SendMouse(view.get(), QEvent::MouseMove, {60, 50}, Qt::NoButton);
    QVERIFY(ShowsCursor(view.get(), IDC_CURSOR_OPEN_HAND));
    SendMouse(view.get(), QEvent::MouseButtonPress, {60, 50}, Qt::LeftButton);
    QVERIFY(ShowsCursor(view.get(), IDC_CURSOR_CLOSED_HAND));
    SendMouse(view.get(), QEvent::MouseMove, {50, 40}, Qt::LeftButton);
    QVERIFY(ShowsCursor(view.get(), IDC_CURSOR_CLOSED_HAND));
    SendMouse(view.get(), QEvent::MouseButtonRelease, {50, 40}, Qt::NoButton);
    QVERIFY(ShowsCursor(view.get(), IDC_CURSOR_OPEN_HAND));
    // Switching modes leaves a pan state as it was; a select press clears it.
    SendMouse(view.get(), QEvent::MouseButtonPress, {60, 50}, Qt::LeftButton);
    view->OnModeSelect();
    QCOMPARE(view->m_bPanning, 1);
    SendMouse(view.get(), QEvent::MouseButtonPress, {60, 50}, Qt::LeftButton);
    QCOMPARE(view->m_bPanning, 0);
    QVERIFY(ShowsCursor(view.get(), 0));
}

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
