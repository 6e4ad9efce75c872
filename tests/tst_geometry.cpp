// Where the boxes stand, computed without any widget: positions, levels,
// box rectangles and the nodes a click or a band reaches.
#include "model/TreeGeometry.h"

#include <QTest>

Q_DECLARE_METATYPE(TreeGeometry)

namespace {

TreeGeometry Make(int width, int height, int depth, int64_t count, int xDivisor = 32, int yDivisor = 24)
{
    return {width, height, depth, xDivisor, yDivisor, count};
}

} // namespace

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void position_data();
    void position();
    void levelOf_data();
    void levelOf();
    void boxes_data();
    void boxes();
    void selected_data();
    void selected();
    void placesWithin_data();
    void placesWithin();
};

void TestGeometry::position_data()
{
    QTest::addColumn<TreeGeometry>("geometry");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    const TreeGeometry worked = Make(800, 600, 4, 15);
    const int xs[] = {400, 200, 600, 100, 300, 500, 700, 50, 150, 250, 350, 450, 550, 650, 750};
    const int ys[] = {75, 225, 375, 525};
    for (int i = 1; i <= 15; ++i)
        QTest::addRow("800x600 node %d", i) << worked << qint64(i) << xs[i - 1] << ys[TreeGeometry::LevelOf(i) - 1];
    QTest::newRow("W 700 node 8 truncates") << Make(700, 600, 4, 15) << qint64(8) << 43 << 525;
    QTest::newRow("W 700 node 15") << Make(700, 600, 4, 15) << qint64(15) << 656 << 525;
    QTest::newRow("D 7 level 2 one division") << Make(800, 600, 7, 100) << qint64(2) << 200 << 128;
    for (int level = 1; level <= 5; ++level)
        QTest::addRow("16 nodes level %d", level)
            << Make(800, 600, 5, 16) << qint64(int64_t(1) << (level - 1)) << (800 >> level) << 60 + 120 * (level - 1);
    QTest::newRow("lone left child keeps its slot") << Make(800, 600, 2, 2) << qint64(2) << 200 << 450;
    // (2^31 - 1) * 16000 needs 46 bits.
    QTest::newRow("64-bit product, last index") << Make(16000, 12000, 31, INT32_MAX) << qint64(INT32_MAX) << 15999
                                                << 61 * 12000 / 62;
    QTest::newRow("64-bit product, first of level 31")
        << Make(16000, 12000, 31, INT32_MAX) << qint64(int64_t(1) << 30) << 0 << 61 * 12000 / 62;
    QTest::newRow("64-bit product, depth 20 on 1e6")
        << Make(1000000, 1000000, 20, 1048575) << qint64(1048575) << 999999 << 39 * 1000000 / 40;
}

void TestGeometry::position()
{
    QFETCH(TreeGeometry, geometry);
    QFETCH(qint64, index);
    QFETCH(int, x);
    QFETCH(int, y);
    const CPoint p = geometry.Position(index);
    QCOMPARE(p.x, x);
    QCOMPARE(p.y, y);
}

void TestGeometry::levelOf_data()
{
    QTest::addColumn<qint64>("index");
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("place");
    QTest::newRow("root") << qint64(1) << 1 << qint64(0);
    QTest::newRow("2") << qint64(2) << 2 << qint64(0);
    QTest::newRow("3") << qint64(3) << 2 << qint64(1);
    QTest::newRow("7") << qint64(7) << 3 << qint64(3);
    QTest::newRow("8") << qint64(8) << 4 << qint64(0);
    QTest::newRow("2^20 - 1") << qint64(1048575) << 20 << qint64(524287);
    QTest::newRow("2^30") << qint64(int64_t(1) << 30) << 31 << qint64(0);
    QTest::newRow("INT32_MAX") << qint64(INT32_MAX) << 31 << qint64((int64_t(1) << 30) - 1);
}

void TestGeometry::levelOf()
{
    QFETCH(qint64, index);
    QFETCH(int, level);
    QFETCH(qint64, place);
    QCOMPARE(TreeGeometry::LevelOf(index), level);
    QCOMPARE(TreeGeometry::PlaceInLevel(index), place);
}

void TestGeometry::boxes_data()
{
    QTest::addColumn<TreeGeometry>("geometry");
    QTest::addColumn<QRect>("box");  // around (400, 75)
    QTest::addColumn<QRect>("text"); // around (400, 75)
    QTest::newRow("defaults") << Make(800, 600, 4, 15) << QRect(QPoint(375, 50), QPoint(424, 99))
                              << QRect(QPoint(375, 63), QPoint(424, 86));
    QTest::newRow("odd text cell") << Make(800, 600, 4, 15, 32, 25) << QRect(QPoint(375, 51), QPoint(424, 98))
                                   << QRect(QPoint(375, 63), QPoint(424, 86));
    // The doubled divisor is past the range of int.
    QTest::newRow("huge divisor") << Make(800, 600, 4, 15, 32, 1 << 30) << QRect(QPoint(375, 75), QPoint(424, 74))
                                  << QRect(QPoint(375, 75), QPoint(424, 74));
}

void TestGeometry::boxes()
{
    QFETCH(TreeGeometry, geometry);
    QFETCH(QRect, box);
    QFETCH(QRect, text);
    const CRect b = geometry.Box({400, 75}), t = geometry.TextRect({400, 75});
    QCOMPARE(QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)), box);
    QCOMPARE(QRect(QPoint(t.left, t.top), QPoint(t.right - 1, t.bottom - 1)), text);
}

void TestGeometry::selected_data()
{
    QTest::addColumn<TreeGeometry>("geometry");
    QTest::addColumn<QRect>("corners"); // (x1, y1) to (x2, y2), as given
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("end");
    const TreeGeometry g = Make(800, 600, 4, 15); // node 5: box 275..325 x 350..400
    auto click = [](int x, int y) { return QRect(QPoint(x, y), QPoint(x, y)); };
    auto band = [](int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); };
    QTest::newRow("click at the centre") << g << click(300, 375) << 3 << qint64(1) << qint64(2);
    QTest::newRow("click on the left side") << g << click(275, 375) << 3 << qint64(0) << qint64(0);
    QTest::newRow("click just inside left") << g << click(276, 375) << 3 << qint64(1) << qint64(2);
    QTest::newRow("click just inside right") << g << click(324, 375) << 3 << qint64(1) << qint64(2);
    QTest::newRow("click on the right side") << g << click(325, 375) << 3 << qint64(2) << qint64(2);
    QTest::newRow("click on the top side") << g << click(300, 350) << 3 << qint64(0) << qint64(0);
    QTest::newRow("click just inside top") << g << click(300, 351) << 3 << qint64(1) << qint64(2);
    QTest::newRow("click on the bottom side") << g << click(300, 400) << 3 << qint64(0) << qint64(0);
    QTest::newRow("click on another level") << g << click(300, 375) << 2 << qint64(0) << qint64(0);
    QTest::newRow("band just around") << g << band(274, 349, 326, 401) << 3 << qint64(1) << qint64(2);
    QTest::newRow("band on the left side") << g << band(275, 349, 326, 401) << 3 << qint64(2) << qint64(2);
    QTest::newRow("band on the right side") << g << band(274, 349, 325, 401) << 3 << qint64(1) << qint64(1);
    QTest::newRow("band on the top side") << g << band(274, 350, 326, 401) << 3 << qint64(0) << qint64(0);
    QTest::newRow("band on the bottom side") << g << band(274, 349, 326, 400) << 3 << qint64(0) << qint64(0);
    QTest::newRow("band over a whole level") << g << band(0, 0, 800, 600) << 4 << qint64(0) << qint64(8);
    QTest::newRow("band one pixel high") << g << band(0, 375, 800, 376) << 3 << qint64(0) << qint64(0);
    // Boxes without width hold no point.
    QTest::newRow("click on zero-width boxes") << Make(800, 600, 4, 15, 1024) << click(300, 375) << 3 << qint64(0)
                                               << qint64(0);
    // 2^19 nodes of level 20 on 800 pixels: a click holds every node whose
    // centre is within 24 pixels: 49 columns of 655 or 656 nodes.
    const TreeGeometry deep = Make(800, 600, 20, 1048575);
    QTest::newRow("click on a dense level") << deep << click(400, 585) << 20 << qint64(deep.FirstAtOrRightOf(20, 376))
                                            << qint64(deep.FirstAtOrRightOf(20, 425));
    QTest::newRow("click beyond the last node") << Make(800, 600, 5, 16) << click(700, 540) << 5 << qint64(1)
                                                << qint64(1);
}

void TestGeometry::selected()
{
    QFETCH(TreeGeometry, geometry);
    QFETCH(QRect, corners);
    QFETCH(int, level);
    QFETCH(qint64, first);
    QFETCH(qint64, end);
    const LevelRun run = geometry.Selected(level, corners.left(), corners.top(), corners.right(), corners.bottom());
    if (first == end) {
        QVERIFY(run.IsEmpty());
        return;
    }
    QCOMPARE(run.first, first);
    QCOMPARE(run.end, end);
    // Every node in the run holds the point or lies inside the band; its
    // neighbours outside the run do not.
    const bool click = corners.width() == 1 && corners.height() == 1;
    auto reached = [&](int64_t k) {
        const int64_t x = geometry.X(level, k), y = geometry.Y(level);
        const int64_t a = geometry.HalfWidth(), b = geometry.HalfHeight();
        const int64_t x1 = corners.left(), y1 = corners.top(), x2 = corners.right(), y2 = corners.bottom();
        if (click)
            return x - a < x2 && x2 < x + a && y - b < y2 && y2 < y + b;
        return x - a > x1 && x + a < x2 && y - b > y1 && y + b < y2;
    };
    QVERIFY(reached(run.first) && reached(run.end - 1));
    QVERIFY(run.first == 0 || !reached(run.first - 1));
    QVERIFY(run.end == geometry.LevelCount(level) || !reached(run.end));
}

void TestGeometry::placesWithin_data()
{
    QTest::addColumn<TreeGeometry>("geometry");
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("left");
    QTest::addColumn<qint64>("right");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("end");
    const TreeGeometry g = Make(800, 600, 4, 12); // level 4 holds 8..12 at 50, 150, ..., 450
    QTest::newRow("all of a partial level") << g << 4 << qint64(-100) << qint64(2000) << qint64(0) << qint64(5);
    QTest::newRow("x on the left bound counts") << g << 4 << qint64(150) << qint64(151) << qint64(1) << qint64(2);
    QTest::newRow("x on the right bound does not") << g << 4 << qint64(100) << qint64(150) << qint64(1) << qint64(1);
    QTest::newRow("past the last node") << g << 4 << qint64(451) << qint64(800) << qint64(5) << qint64(5);
    QTest::newRow("empty interval") << g << 4 << qint64(300) << qint64(300) << qint64(0) << qint64(0);
    QTest::newRow("level beyond the count") << g << 5 << qint64(0) << qint64(800) << qint64(0) << qint64(0);
}

void TestGeometry::placesWithin()
{
    QFETCH(TreeGeometry, geometry);
    QFETCH(int, level);
    QFETCH(qint64, left);
    QFETCH(qint64, right);
    QFETCH(qint64, first);
    QFETCH(qint64, end);
    const LevelRun run = geometry.PlacesWithin(level, left, right);
    QCOMPARE(run.first, first);
    QCOMPARE(run.end, end);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
