// The tree as drawn: boxes, frames, labels and edges on the rendered pixels.
#include "TestUtil.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kRed(255, 0, 0), kLightRed(255, 50, 50),
    kGrey(100, 100, 100);

bool HasInk(const QImage &image, QRect area)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// Paints the view's canvas into an image the size of clip's extent, either
// with the view's paint or with the plain level-by-level walk.
QImage PaintCanvas(CZarniView *view, const QRect &clip, bool plainWalk)
{
    return PaintInto(clip, [&](CDrawSurface *dc) {
        if (plainWalk)
            DrawLevelByLevel(view, dc, false);
        else
            view->DrawTree(dc);
    });
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    void plainBoxes_data();
    void plainBoxes();
    void markedBoxes_data();
    void markedBoxes();
    void elbowFromTheMiddleOfTheSide();
    void laterBoxCoversEarlier();
    void narrowerCanvasGivesNarrowerBoxes();
    void shortBoxesHaveSmallLabels();
    void culledPaintMatchesFullWalk_data();
    void culledPaintMatchesFullWalk();
    void selectionRedrawMatchesFullWalk();
};

void TestDrawing::plainBoxes_data()
{
    QTest::addColumn<int>("index");
    for (int i = 1; i <= 15; ++i)
        QTest::addRow("node %d", i) << i;
}

// White 50 by 50 boxes with black frames and black labels.
void TestDrawing::plainBoxes()
{
    QFETCH(int, index);
    auto view = MakeView();
    const QImage image = Render(view.get());
    const CPoint p = view->NodeAt(index)->m_ptPos;
    const int a = 25, b = 25, t = 12;
    for (int y = p.y - b; y < p.y + b; ++y) {
        QCOMPARE(Pixel(image, p.x - a, y), kBlack);
        QCOMPARE(Pixel(image, p.x + a - 1, y), kBlack);
    }
    for (int x = p.x - a; x < p.x + a; ++x) {
        QCOMPARE(Pixel(image, x, p.y - b), kBlack);
        QCOMPARE(Pixel(image, x, p.y + b - 1), kBlack);
    }
    QCOMPARE(Pixel(image, p.x - a + 1, p.y - b + 1), kWhite);
    QCOMPARE(Pixel(image, p.x + a - 2, p.y + b - 2), kWhite);
    QCOMPARE(Pixel(image, p.x - a - 1, p.y - b - 1), kWhite);
    QVERIFY(HasInk(image, QRect(p.x - a + 1, p.y - t, 2 * a - 2, 2 * t)));
    QVERIFY(!HasInk(image, QRect(p.x - a + 1, p.y - b + 1, 2 * a - 2, b - t - 1)));
}

void TestDrawing::markedBoxes_data()
{
    QTest::addColumn<int>("mark");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("frame");
    QTest::addColumn<QColor>("cell");
    QTest::newRow("highlighted") << 1 << kLightRed << kRed << kRed;
    QTest::newRow("greyed") << 2 << kGrey << kGrey << kGrey;
    QTest::newRow("other values are plain") << 7 << kWhite << kBlack << kWhite;
}

void TestDrawing::markedBoxes()
{
    QFETCH(int, mark);
    QFETCH(QColor, fill);
    QFETCH(QColor, frame);
    QFETCH(QColor, cell);
    auto view = MakeView();
    TreeNode *node = view->NodeAt(5);
    view->Model().SetMark(node->m_nIndex, mark);
    const QImage image = Render(view.get());
    const CPoint p = node->m_ptPos;
    QCOMPARE(Pixel(image, p.x - 25, p.y - 10), frame);
    QCOMPARE(Pixel(image, p.x + 24, p.y - 25), frame);
    QCOMPARE(Pixel(image, p.x - 23, p.y - 23), fill);
    // The top row of the label's cell, above the digit's ink.
    QCOMPARE(Pixel(image, p.x, p.y - 12), cell);
    QVERIFY(HasInk(image, QRect(p.x - 10, p.y - 12, 20, 24)));
}

void TestDrawing::elbowFromTheMiddleOfTheSide()
{
    auto view = MakeView();
    const QImage image = Render(view.get());
    // Node 2 at (200, 225) to its left child 4 at (100, 375).
    for (int x = 101; x < 175; ++x)
        QCOMPARE(Pixel(image, x, 225), kBlack);
    QCOMPARE(Pixel(image, 100, 224), kWhite);
    for (int y = 226; y < 350; ++y)
        QCOMPARE(Pixel(image, 100, y), kBlack);
    // Nothing of the vertical segment inside the child's box.
    for (int y = 351; y < 362; ++y)
        QCOMPARE(Pixel(image, 100, y), kWhite);
    // And to the right child 5 at (300, 375) from the right side.
    QCOMPARE(Pixel(image, 225, 225), kBlack);
    QCOMPARE(Pixel(image, 299, 225), kBlack);
    QCOMPARE(Pixel(image, 300, 300), kBlack);
    // A 2-node tree: one elbow only, from the left side.
    view->SetNodeCount(2);
    const QImage two = Render(view.get());
    QCOMPARE(Pixel(two, 300, 150), kBlack);
    QCOMPARE(Pixel(two, 450, 150), kWhite);
}

// Level 6 of 63 nodes: slots of 25 pixels under boxes of 50.
void TestDrawing::laterBoxCoversEarlier()
{
    auto view = MakeView();
    view->SetNodeCount(63);
    const QImage image = Render(view.get());
    const CPoint left = view->NodeAt(32)->m_ptPos, right = view->NodeAt(33)->m_ptPos;
    QCOMPARE(left.x, 12);
    QCOMPARE(right.x, 37);
    const int top = right.y - 25;
    QCOMPARE(Pixel(image, 12, top + 2), kBlack);      // node 33's left frame
    QCOMPARE(Pixel(image, 36, top + 2), kWhite);      // node 32's right frame, covered
    QCOMPARE(Pixel(image, 11, top + 2), kWhite);      // node 32's inside
}

void TestDrawing::narrowerCanvasGivesNarrowerBoxes()
{
    auto view = MakeView();
    view->m_nCanvasWidth = 700;
    view->Relayout();
    const QImage image = Render(view.get());
    const CPoint p = view->NodeAt(1)->m_ptPos;
    QCOMPARE(p.x, 350);
    QCOMPARE(Pixel(image, 329, p.y - 20), kBlack);
    QCOMPARE(Pixel(image, 370, p.y - 20), kBlack);
    QCOMPARE(Pixel(image, 328, p.y - 20), kWhite);
    QCOMPARE(Pixel(image, 371, p.y - 20), kWhite);
}

// With a Y divisor of 48 boxes are 24 high and labels sit in 12 rows.
void TestDrawing::shortBoxesHaveSmallLabels()
{
    auto view = MakeView();
    view->m_nYDivisor = 48;
    view->Relayout();
    const QImage image = Render(view.get());
    const CPoint p = view->NodeAt(1)->m_ptPos;
    QCOMPARE(Pixel(image, p.x, p.y - 12), kBlack);
    QCOMPARE(Pixel(image, p.x - 20, p.y + 11), kBlack);
    QCOMPARE(Pixel(image, p.x - 20, p.y + 12), kWhite);
    QVERIFY(HasInk(image, QRect(p.x - 10, p.y - 6, 20, 12)));
    QVERIFY(!HasInk(image, QRect(p.x - 23, p.y - 11, 46, 5)));
    QVERIFY(!HasInk(image, QRect(p.x - 23, p.y + 6, 46, 5)));
}

void TestDrawing::culledPaintMatchesFullWalk_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QRect>("clip");
    QTest::addColumn<QSize>("divisors");
    // 0 plain; 1 every node marked from outside; 2 the nodes a click selects
    // at the node of the deepest level nearest the clip's centre, marked by
    // the view itself.
    QTest::addColumn<int>("marks");
    const QRect window(0, 0, 800, 600);
    const QSize usual(32, 24);
    for (int marked : {0, 1, 2}) {
        const char *kind = marked == 0 ? "plain" : marked == 1 ? "marked" : "clicked";
        for (int small : {1, 2, 15, 63})
            QTest::addRow("%d on 800x600, %s", small, kind) << small << QSize(800, 600) << window << usual << marked;
        QTest::addRow("15, part, %s", kind) << 15 << QSize(800, 600) << QRect(180, 60, 250, 200) << usual << marked;
        QTest::addRow("1500 on 800x600, %s", kind) << 1500 << QSize(800, 600) << window << usual << marked;
        QTest::addRow("5000, part, %s", kind) << 5000 << QSize(800, 600) << QRect(130, 200, 333, 250) << usual << marked;
        QTest::addRow("70000 dense, %s", kind) << 70000 << QSize(800, 600) << window << usual << marked;
        QTest::addRow("65535 full, %s", kind) << 65535 << QSize(800, 600) << window << usual << marked;
        QTest::addRow("65536 one more, %s", kind) << 65536 << QSize(800, 600) << window << usual << marked;
        QTest::addRow("70000, a strip, %s", kind) << 70000 << QSize(800, 600) << QRect(301, 0, 37, 600) << usual << marked;
        QTest::addRow("70000 wide boxes, %s", kind) << 70000 << QSize(800, 600) << window << QSize(2, 24) << marked;
        QTest::addRow("70000 boxes 4 wide, %s", kind) << 70000 << QSize(800, 600) << window << QSize(400, 24) << marked;
        QTest::addRow("70000 boxes 6 wide, %s", kind) << 70000 << QSize(800, 600) << window << QSize(266, 24) << marked;
        QTest::addRow("70000 boxes 2 high, %s", kind) << 70000 << QSize(800, 600) << window << QSize(32, 600) << marked;
        QTest::addRow("70000 thin boxes, %s", kind) << 70000 << QSize(800, 600) << window << QSize(4096, 24) << marked;
        QTest::addRow("20000 on 16000x12000, %s", kind) << 20000 << QSize(16000, 12000) << QRect(7600, 0, 800, 600) << usual << marked;
        QTest::addRow("3000 on 300x200, %s", kind) << 3000 << QSize(300, 200) << QRect(0, 0, 300, 200) << usual << marked;
        QTest::addRow("40000 on 333x250, %s", kind) << 40000 << QSize(333, 250) << QRect(0, 0, 333, 250) << QSize(50, 20) << marked;
    }
}

// The paint draws only what can reach the clip box, yet every pixel must be
// what the plain walk over the whole tree gives.
void TestDrawing::culledPaintMatchesFullWalk()
{
    QFETCH(int, count);
    QFETCH(QSize, canvas);
    QFETCH(QRect, clip);
    QFETCH(QSize, divisors);
    QFETCH(int, marks);
    CZarniView view;
    view.m_nCanvasWidth = canvas.width();
    view.m_nCanvasHeight = canvas.height();
    view.m_nXDivisor = divisors.width();
    view.m_nYDivisor = divisors.height();
    view.SetNodeCount(count);
    if (marks == 1) {
        int i = 0;
        for (const TreeNode *node : PreOrder(&view))
            view.Model().SetMark(node->m_nIndex, (i++ * 7) % 3);
    } else if (marks == 2) {
        const TreeGeometry g = view.Geometry();
        const int64_t k = std::min(g.FirstAtOrRightOf(view.m_nDepth, clip.center().x()), g.LevelCount(view.m_nDepth) - 1);
        const CPoint p = g.Position(TreeGeometry::LevelFirst(view.m_nDepth) + k);
        view.SelectNodesInRect(view.m_pRoot, p.x, p.y, p.x, p.y);
        QVERIFY(AllPlain(&view) == (view.HalfWidth() == 0 || view.HalfHeight() == 0));
    }
    QCOMPARE(PaintCanvas(&view, clip, false), PaintCanvas(&view, clip, true));
}

void TestDrawing::selectionRedrawMatchesFullWalk()
{
    auto view = MakeView(QSize(500, 400));
    view->SetNodeCount(3000);
    view->SetScrollPos(SB_HORZ, 170);
    view->SetScrollPos(SB_VERT, 90);
    int i = 0;
    for (const TreeNode *node : PreOrder(view.get()))
        view->Model().SetMark(node->m_nIndex, (i++ * 5) % 3);
    auto draw = [&](bool plainWalk) {
        return PaintInto(QRect(QPoint(0, 0), view->viewport()->size()), [&](CDrawSurface *dc) {
            if (plainWalk)
                DrawLevelByLevel(view.get(), dc, true);
            else
                view->DrawSelection(dc);
        });
    };
    QCOMPARE(draw(false), draw(true));
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
