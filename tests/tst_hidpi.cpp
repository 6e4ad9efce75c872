// The view on a screen of another scale (run with QT_SCALE_FACTOR set): the
// window's pixels at the device pixel ratio r, geometry in logical pixels,
// labels drawn at device resolution, and the band, scrolls, snapshots and
// exports at that ratio.
#include "CliUtil.h"
#include "TestUtil.h"
#include "app/Export.h"

#include <QScrollBar>
#include <QTest>
#include <cmath>

namespace {

qreal Ratio(const CZarniView *view)
{
    return view->viewport()->devicePixelRatioF();
}

bool WholeRatio(const CZarniView *view)
{
    return Ratio(view) == std::floor(Ratio(view));
}

// The same area of the canvas at one pixel per pixel, drawn by the plain
// level-by-level walk.
QImage OneToOne(CZarniView *view)
{
    const QRect area(QPoint(view->GetScrollPos(SB_HORZ), view->GetScrollPos(SB_VERT)), view->viewport()->size());
    return PaintInto(area, [view](CDrawSurface *dc) { DrawLevelByLevel(view, dc, false); });
}

// The label rectangles in window coordinates: what is drawn there depends
// on the glyphs' resolution.
QRegion LabelAreas(const CZarniView *view)
{
    const TreeGeometry g = view->Geometry();
    const QPoint scroll(view->GetScrollPos(SB_HORZ), view->GetScrollPos(SB_VERT));
    QRegion labels;
    for (const TreeNode *node : PreOrder(view)) {
        const CRect r = g.TextRect(node->m_ptPos);
        labels += QRect(r.left, r.top, r.Width(), r.Height()).translated(-scroll);
    }
    return labels;
}

// The root's label rectangle without the box's frame columns, in logical
// window coordinates.
QRect RootLabelArea(const CZarniView *view)
{
    const CRect r = view->Geometry().TextRect(view->NodeAt(1)->m_ptPos);
    const QPoint scroll(view->GetScrollPos(SB_HORZ), view->GetScrollPos(SB_VERT));
    return QRect(r.left + 1, r.top, r.Width() - 2, r.Height()).translated(-scroll);
}

// The bounds of what is not white in the image's area.
QRect InkBounds(const QImage &image, const QRect &area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QRect ToDevice(const QRect &logical, qreal ratio)
{
    return QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect();
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void imageHasDevicePixels();
    void geometryStaysLogical_data();
    void geometryStaysLogical();
    void framesAreRDevicePixelsWide();
    void labelsHaveDeviceResolution();
    void bandLeavesNothing_data();
    void bandLeavesNothing();
    void selectionRedrawMatchesRepaint();
    void scrolledPixelsMatchAFreshPaint_data();
    void scrolledPixelsMatchAFreshPaint();
    void exportAtTheRatioMatchesTheWindow();
    void snapshotHasDevicePixels();

private:
    QTemporaryDir m_dir;
};

void TestHiDpi::initTestCase()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    QVERIFY2(!factor.isEmpty(), "run with QT_SCALE_FACTOR set");
    auto view = MakeView();
    QCOMPARE(Ratio(view.get()), factor.toDouble());
}

void TestHiDpi::imageHasDevicePixels()
{
    auto view = MakeView(QSize(500, 400));
    const QImage &image = view->RetainedImage();
    QCOMPARE(image.devicePixelRatio(), Ratio(view.get()));
    QCOMPARE(image.size(), (QSizeF(view->viewport()->size()) * Ratio(view.get())).toSize());
}

void TestHiDpi::geometryStaysLogical_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("numbered tree") << "";
    QTest::newRow("played winner tree") << "play";
    QTest::newRow("scrolled 5x canvas, 300 nodes") << "big";
    QTest::newRow("narrow, short boxes") << "narrow";
}

// Every pixel outside the labels is the 1:1 picture's pixel, r by r.
void TestHiDpi::geometryStaysLogical()
{
    QFETCH(QString, setup);
    auto view = MakeView(QSize(700, 500));
    if (!WholeRatio(view.get()))
        QSKIP("at a fractional ratio a logical pixel covers no whole block of device pixels");
    view->SetStepDelay(0);
    if (setup == "play")
        PlayToEnd(view.get());
    if (setup == "big") {
        view->ApplyZoomIndex(15);
        view->SetNodeCount(300);
        view->SetScrollPos(SB_HORZ, 1234);
        view->SetScrollPos(SB_VERT, 777);
    }
    if (setup == "narrow") {
        view->OnNodeNarrower();
        view->OnNodeShorter();
        view->OnNodeShorter();
    }
    const QImage shown = Render(view.get());
    const QImage plain = OneToOne(view.get());
    const QRegion labels = LabelAreas(view.get());
    const int r = int(Ratio(view.get()));
    int compared = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            if (labels.contains(QPoint(x, y)))
                continue;
            for (int dy = 0; dy < r; ++dy)
                for (int dx = 0; dx < r; ++dx)
                    if (shown.pixel(x * r + dx, y * r + dy) != plain.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("logical pixel (%1, %2) differs").arg(x).arg(y)));
            ++compared;
        }
    QVERIFY(compared > plain.width() * plain.height() / 2);
}

void TestHiDpi::framesAreRDevicePixelsWide()
{
    auto view = MakeView();
    if (!WholeRatio(view.get()))
        QSKIP("a whole ratio only");
    const int r = int(Ratio(view.get()));
    const QImage shown = Render(view.get());
    // Node 1 at (400, 75): its box 375..424 by 50..99, frame black, fill white.
    const int y = 75 * r;
    const QColor frame(Qt::black), fill(Qt::white), edge(Qt::black), canvas(Qt::white);
    QCOMPARE(Pixel(shown, 375 * r - 1, 60 * r), canvas);
    for (int i = 0; i < r; ++i) {
        QCOMPARE(Pixel(shown, 375 * r + i, 60 * r), frame);
        QCOMPARE(Pixel(shown, 424 * r + i, 60 * r), frame);
        QCOMPARE(Pixel(shown, 400 * r, 50 * r + i), frame);
    }
    QCOMPARE(Pixel(shown, 375 * r + r, 60 * r), fill);
    QCOMPARE(Pixel(shown, 424 * r - 1, 60 * r), fill);
    QCOMPARE(Pixel(shown, 425 * r, 60 * r), canvas);
    // The elbow to node 2 leaves the box's left side as a line r pixels high.
    QCOMPARE(Pixel(shown, 300 * r, y - 1), canvas);
    for (int i = 0; i < r; ++i)
        QCOMPARE(Pixel(shown, 300 * r, y + i), edge);
    QCOMPARE(Pixel(shown, 300 * r, y + r), canvas);
}

// The glyphs are drawn at device resolution: no r by r block of device
// pixels repeats one logical pixel everywhere, and the edges of the glyphs
// are grey.
void TestHiDpi::labelsHaveDeviceResolution()
{
    auto view = MakeView();
    const qreal ratio = Ratio(view.get());
    const int r = int(ratio);
    const QRect area = RootLabelArea(view.get());
    const QImage label = Render(view.get()).copy(ToDevice(area, ratio));
    int greys = 0, mixedBlocks = 0;
    for (int y = 0; y < label.height(); ++y)
        for (int x = 0; x < label.width(); ++x) {
            const QRgb pixel = label.pixel(x, y);
            greys += qRed(pixel) > 0 && qRed(pixel) < 255 && qRed(pixel) == qGreen(pixel) && qRed(pixel) == qBlue(pixel);
        }
    for (int y = 0; y + r <= label.height(); y += r)
        for (int x = 0; x + r <= label.width(); x += r) {
            bool mixed = false;
            for (int dy = 0; dy < r; ++dy)
                for (int dx = 0; dx < r; ++dx)
                    mixed |= label.pixel(x + dx, y + dy) != label.pixel(x, y);
            mixedBlocks += mixed;
        }
    QVERIFY2(greys > 0, "the glyphs have no grey edge");
    if (WholeRatio(view.get()))
        QVERIFY2(mixedBlocks > 2, "the label is a 1:1 picture enlarged");
    // The glyphs stand where they stand at one pixel per pixel, give or take
    // a logical pixel.
    const QRect plainInk = InkBounds(OneToOne(view.get()), area);
    const QRect sharpInk = InkBounds(label, label.rect()).translated(ToDevice(area, ratio).topLeft());
    QVERIFY(!plainInk.isEmpty());
    const QRect allowed = ToDevice(plainInk.adjusted(-1, -1, 1, 1), ratio);
    QVERIFY2(allowed.contains(sharpInk), qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                                                         .arg(sharpInk.x()).arg(sharpInk.y())
                                                         .arg(sharpInk.width()).arg(sharpInk.height())));
}

void TestHiDpi::bandLeavesNothing_data()
{
    QTest::addColumn<QList<QPoint>>("points");
    QTest::newRow("across boxes and edges") << QList<QPoint>{{450, 120}, {700, 160}, {520, 300}};
    QTest::newRow("back over itself") << QList<QPoint>{{100, 100}, {300, 333}, {101, 101}, {333, 300}, {99, 300}};
    QTest::newRow("up and left") << QList<QPoint>{{700, 500}, {380, 77}, {650, 480}};
    QTest::newRow("odd corners") << QList<QPoint>{{3, 7}, {17, 301}, {611, 299}, {613, 9}};
}

// The band's not-xor dots are drawn twice and leave the window as it was,
// on device pixels as on logical ones.
void TestHiDpi::bandLeavesNothing()
{
    QFETCH(QList<QPoint>, points);
    auto view = MakeView();
    const QImage clean = Render(view.get()).copy();
    SendMouse(view.get(), QEvent::MouseButtonPress, points.first(), Qt::LeftButton);
    for (int i = 1; i < points.size(); ++i) {
        SendMouse(view.get(), QEvent::MouseMove, points[i], Qt::LeftButton);
        QVERIFY(view->RetainedImage() != clean);
    }
    SendMouse(view.get(), QEvent::MouseButtonRelease, points.last(), Qt::NoButton);
    for (const TreeNode *node : PreOrder(view.get()))
        QCOMPARE(view->Mark(node->m_nIndex), 0); // no box lay inside
    QVERIFY(view->RetainedImage() == clean);
}

// A click's redraw on the window shows the box as a later repaint does.
void TestHiDpi::selectionRedrawMatchesRepaint()
{
    auto view = MakeView();
    Render(view.get());
    Drag(view.get(), {QPoint(400, 80)});
    QCOMPARE(view->Mark(1), 1);
    const QImage shown = view->RetainedImage().copy();
    const QImage repainted = Render(view.get());
    const qreal r = Ratio(view.get());
    const QRect box = QRectF(QPointF(376, 51) * r, QPointF(424, 99) * r).toAlignedRect();
    QCOMPARE(shown.copy(box), repainted.copy(box));
}

void TestHiDpi::scrolledPixelsMatchAFreshPaint_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right") << QPoint(137, 100);
    QTest::newRow("left") << QPoint(63, 100);
    QTest::newRow("down") << QPoint(100, 171);
    QTest::newRow("up and right") << QPoint(190, 29);
    QTest::newRow("further than the window") << QPoint(900, 700);
}

void TestHiDpi::scrolledPixelsMatchAFreshPaint()
{
    QFETCH(QPoint, to);
    auto view = MakeView(QSize(400, 300));
    view->ApplyZoomIndex(18);
    view->SetNodeCount(100);
    view->SetScrollPos(SB_HORZ, 100);
    view->SetScrollPos(SB_VERT, 100);
    view->UpdateWindow();
    view->SetScrollPos(SB_HORZ, to.x());
    view->SetScrollPos(SB_VERT, to.y());
    view->UpdateWindow();
    const QImage scrolled = view->RetainedImage().copy();
    QCOMPARE(scrolled, Render(view.get()));
}

// A canvas exported at the window's ratio is the window's picture of it.
void TestHiDpi::exportAtTheRatioMatchesTheWindow()
{
    auto view = MakeView();
    if (!WholeRatio(view.get()))
        QSKIP("exports take a whole scale");
    view->SetStepDelay(0);
    PlayToEnd(view.get());
    const int r = int(Ratio(view.get()));
    const QString path = m_dir.filePath("tree.png");
    QVERIFY(ExportCanvas(view->Scene(), path, r));
    const QImage exported(path);
    QCOMPARE(exported.size(), QSize(800 * r, 600 * r));
    QImage shown = Render(view.get()).copy(0, 0, 800 * r, 600 * r);
    shown.setDevicePixelRatio(1);
    QCOMPARE(exported.convertToFormat(QImage::Format_RGB32), shown);
}

// The program's snapshot holds the client area's device pixels.
void TestHiDpi::snapshotHasDevicePixels()
{
    const QString path = m_dir.filePath("snap.png");
    const Run run = RunScript(m_dir.path(), QStringLiteral("resize 400 300\nsnapshot %1\n").arg(path));
    QCOMPARE(run.status, 0);
    const qreal r = qgetenv("QT_SCALE_FACTOR").toDouble();
    QCOMPARE(QImage(path).size(), (QSizeF(400, 300) * r).toSize());
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
