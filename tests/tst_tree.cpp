// The numbered tree and its layout.
#include "TestUtil.h"

#include <QTest>

class TestTree : public QObject {
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void freeNullTree();
    void shapeOfSmallTrees();
    void layoutWorkedExample_data();
    void layoutWorkedExample();
    void layoutTruncates_data();
    void layoutTruncates();
    void layoutStaysExactWhenDeep();
    void nodeAtFollowsHeapIndices();
};

void TestTree::build_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("depth");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("15") << 15 << 4;
    QTest::newRow("16") << 16 << 5;
    QTest::newRow("1000") << 1000 << 10;
}

// Every walk finds exactly the indices 1..N, labelled with themselves,
// unmarked, each linked to its parent through exactly one parent link.
void TestTree::build()
{
    QFETCH(int, count);
    QFETCH(int, depth);
    CZarniView view;
    view.SetNodeCount(count);
    QCOMPARE(view.m_nDepth, depth);
    const auto nodes = PreOrder(&view);
    QCOMPARE(int(nodes.size()), count);
    std::vector<bool> seen(count + 1);
    for (const TreeNode *node : nodes) {
        QVERIFY(node->m_nIndex >= 1 && node->m_nIndex <= count);
        QVERIFY(!seen[node->m_nIndex]);
        seen[node->m_nIndex] = true;
        QCOMPARE(LabelOf(&view, node->m_nIndex), std::to_string(node->m_nIndex));
        QCOMPARE(view.Mark(node->m_nIndex), 0);
        int level = 0;
        for (int i = node->m_nIndex; i; i /= 2)
            ++level;
        QCOMPARE(node->m_nLevel, level);
        QCOMPARE(bool(node->m_pLeft), 2 * node->m_nIndex <= count);
        QCOMPARE(bool(node->m_pRight), 2 * node->m_nIndex + 1 <= count);
        if (node->m_nIndex == 1) {
            QVERIFY(!node->m_pParentIfLeft && !node->m_pParentIfRight);
        } else if (node->m_nIndex % 2 == 0) {
            QVERIFY(node->m_pParentIfLeft && !node->m_pParentIfRight);
            QCOMPARE(node->m_pParentIfLeft->m_nIndex, node->m_nIndex / 2);
            QCOMPARE(node->m_pParentIfLeft->m_pLeft, node);
        } else {
            QVERIFY(node->m_pParentIfRight && !node->m_pParentIfLeft);
            QCOMPARE(node->m_pParentIfRight->m_nIndex, node->m_nIndex / 2);
            QCOMPARE(node->m_pParentIfRight->m_pRight, node);
        }
    }
}

void TestTree::freeNullTree()
{
    CZarniView view;
    view.FreeTree(nullptr);
    QCOMPARE(LabelOf(&view, 1), std::string("1"));
}

void TestTree::shapeOfSmallTrees()
{
    CZarniView view;
    view.SetNodeCount(2);
    QVERIFY(view.m_pRoot->m_pLeft && !view.m_pRoot->m_pRight);
    QCOMPARE(LabelOf(&view, view.m_pRoot->m_pLeft->m_nIndex), std::string("2"));
    view.SetNodeCount(16);
    const TreeNode *eight = view.NodeAt(8);
    QVERIFY(eight->m_pLeft && !eight->m_pRight);
    QCOMPARE(eight->m_pLeft->m_nIndex, 16);
}

void TestTree::layoutWorkedExample_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    const int xs[] = {0, 400, 200, 600, 100, 300, 500, 700, 50, 150, 250, 350, 450, 550, 650, 750};
    const int ys[] = {0, 75, 225, 225, 375, 375, 375, 375, 525, 525, 525, 525, 525, 525, 525, 525};
    for (int i = 1; i <= 15; ++i)
        QTest::addRow("node %d", i) << i << xs[i] << ys[i];
}

void TestTree::layoutWorkedExample()
{
    QFETCH(int, index);
    QFETCH(int, x);
    QFETCH(int, y);
    CZarniView view;
    const TreeNode *node = view.NodeAt(index);
    QCOMPARE(node->m_ptPos.x, x);
    QCOMPARE(node->m_ptPos.y, y);
}

void TestTree::layoutTruncates_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("W 700, node 8") << 700 << 600 << 15 << 8 << 43 << 525;
    QTest::newRow("W 700, node 15") << 700 << 600 << 15 << 15 << 656 << 525;
    QTest::newRow("D 7, level 2 is one division") << 800 << 600 << 100 << 2 << 200 << 128;
    QTest::newRow("16 nodes, root") << 800 << 600 << 16 << 1 << 400 << 60;
    QTest::newRow("16 nodes, level 2") << 800 << 600 << 16 << 3 << 600 << 180;
    QTest::newRow("16 nodes, level 3") << 800 << 600 << 16 << 4 << 100 << 300;
    QTest::newRow("16 nodes, level 4") << 800 << 600 << 16 << 9 << 150 << 420;
    QTest::newRow("16 nodes, level 5") << 800 << 600 << 16 << 16 << 25 << 540;
    QTest::newRow("missing sibling keeps its slot") << 800 << 600 << 2 << 2 << 200 << 450;
}

void TestTree::layoutTruncates()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(int, x);
    QFETCH(int, y);
    CZarniView view;
    view.m_nCanvasWidth = width;
    view.m_nCanvasHeight = height;
    view.SetNodeCount(count);
    const TreeNode *node = view.NodeAt(index);
    QCOMPARE(node->m_ptPos.x, x);
    QCOMPARE(node->m_ptPos.y, y);
}

// 16000 * 2^18 is far beyond 32 bits; every position must still be exact.
void TestTree::layoutStaysExactWhenDeep()
{
    CZarniView view;
    view.m_nCanvasWidth = 16000;
    view.m_nCanvasHeight = 12000;
    view.SetNodeCount(300000);
    QCOMPARE(view.m_nDepth, 19);
    for (const TreeNode *node : PreOrder(&view)) {
        const CPoint expected = ExpectedPosition(node->m_nIndex, 16000, 12000, 19);
        if (node->m_ptPos.x != expected.x || node->m_ptPos.y != expected.y)
            QFAIL(qPrintable(QString("node %1 at %2,%3").arg(node->m_nIndex).arg(node->m_ptPos.x).arg(node->m_ptPos.y)));
    }
}

void TestTree::nodeAtFollowsHeapIndices()
{
    CZarniView view;
    view.SetNodeCount(100);
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(view.NodeAt(i)->m_nIndex, i);
    QVERIFY(!view.NodeAt(0));
    QVERIFY(!view.NodeAt(101));
}

QTEST_MAIN(TestTree)
#include "tst_tree.moc"
