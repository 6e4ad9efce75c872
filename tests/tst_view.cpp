// The view's state and its tree commands.
#include "TestUtil.h"

#include "view/Palette.h"

#include <QAccessible>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

class TestView : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void initialUpdateSetsScrollRange();
    void addAndRemove_data();
    void addAndRemove();
    void removeAtOneKeepsOneNode();
    void resetKeepsCanvasAndDivisors();
    void treeCommandsClearMarks_data();
    void treeCommandsClearMarks();
    void viewsKeepSeparateTrees();
    void scrolledPixelsMatchAFreshPaint_data();
    void scrolledPixelsMatchAFreshPaint();
    void nodeCursor_data();
    void nodeCursor();
    void accessibleTree();
};

void TestView::defaults()
{
    CZarniView view;
    QCOMPARE(view.m_nVScrollPos, 0);
    QCOMPARE(view.m_nHScrollPos, 0);
    QCOMPARE(view.m_ptDragStart, CPoint());
    QCOMPARE(view.m_ptDragCurrent, CPoint());
    QCOMPARE(view.m_sizeTotal, (CSize{100, 100}));
    QCOMPARE(view.m_nCanvasWidth, 800);
    QCOMPARE(view.m_nCanvasHeight, 600);
    QCOMPARE(view.m_nNodeCount, 15);
    QCOMPARE(view.m_nDepth, 4);
    QCOMPARE(view.m_nXDivisor, 32);
    QCOMPARE(view.m_nYDivisor, 24);
    QCOMPARE(view.m_nMouseMode, 1);
    QCOMPARE(view.m_bPanning, 0);
    QCOMPARE(int(PreOrder(&view).size()), 15);
    QCOMPARE(view.StepDelay(), 500);
}

void TestView::initialUpdateSetsScrollRange()
{
    auto view = MakeView(QSize(400, 300));
    QCOMPARE(view->m_sizeTotal, (CSize{800, 600}));
    QCOMPARE(view->GetTotalSize(), (CSize{800, 600}));
    const QSize client = view->viewport()->size();
    QCOMPARE(view->horizontalScrollBar()->maximum(), 800 - client.width());
    QCOMPARE(view->verticalScrollBar()->maximum(), 600 - client.height());
}

void TestView::addAndRemove_data()
{
    QTest::addColumn<QString>("commands"); // a: add, r: remove
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("depth");
    QTest::newRow("add") << "a" << 16 << 5;
    QTest::newRow("add, remove") << "ar" << 15 << 4;
    QTest::newRow("remove") << "r" << 14 << 4;
    QTest::newRow("remove to 7") << "rrrrrrrr" << 7 << 3;
    QTest::newRow("add 17") << QString(17, 'a') << 32 << 6;
}

void TestView::addAndRemove()
{
    QFETCH(QString, commands);
    QFETCH(int, count);
    QFETCH(int, depth);
    auto view = MakeView();
    for (QChar c : commands)
        c == 'a' ? view->OnNodeAdd() : view->OnNodeRemove();
    QCOMPARE(view->m_nNodeCount, count);
    QCOMPARE(view->m_nDepth, depth);
    QCOMPARE(int(PreOrder(view.get()).size()), count);
    for (const TreeNode *node : PreOrder(view.get())) {
        const CPoint expected = ExpectedPosition(node->m_nIndex, 800, 600, depth);
        QCOMPARE(node->m_ptPos.x, expected.x);
        QCOMPARE(node->m_ptPos.y, expected.y);
    }
    QCOMPARE(view->m_sizeTotal, (CSize{800, 600}));
}

void TestView::removeAtOneKeepsOneNode()
{
    auto view = MakeView();
    view->SetNodeCount(1);
    view->UpdateWindow();
    view->OnNodeRemove();
    QCOMPARE(view->m_nNodeCount, 1);
    QCOMPARE(view->m_nDepth, 1);
    QCOMPARE(LabelOf(view, 1), std::string("1"));
    QVERIFY(!view->m_pRoot->m_pLeft && !view->m_pRoot->m_pRight);
    // And still repaints: the whole client area is due again.
    QImage before = view->RetainedImage();
    view->UpdateWindow();
    QCOMPARE(view->RetainedImage(), before);
}

void TestView::resetKeepsCanvasAndDivisors()
{
    auto view = MakeView();
    view->OnZoomIn();
    view->OnNodeNarrower();
    view->OnNodeTaller();
    for (int i = 0; i < 5; ++i)
        view->OnNodeAdd();
    view->OnWinnerExit();
    QCOMPARE(view->m_nNodeCount, 15);
    QCOMPARE(view->m_nDepth, 4);
    QCOMPARE(view->m_nCanvasWidth, 900);
    QCOMPARE(view->m_nCanvasHeight, 700);
    QCOMPARE(view->m_nXDivisor, 64);
    QCOMPARE(view->m_nYDivisor, 12);
    QCOMPARE(view->m_sizeTotal, (CSize{900, 700}));
}

void TestView::treeCommandsClearMarks_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("add") << 0;
    QTest::newRow("remove") << 1;
    QTest::newRow("exit") << 2;
}

void TestView::treeCommandsClearMarks()
{
    QFETCH(int, command);
    auto view = MakeView();
    view->OnWinnerTree();
    view->SetStepDelay(0);
    PlayToEnd(view.get());
    const std::function<void()> commands[] = {[&] { view->OnNodeAdd(); }, [&] { view->OnNodeRemove(); },
                                              [&] { view->OnWinnerExit(); }};
    commands[command]();
    for (const TreeNode *node : PreOrder(view.get())) {
        QCOMPARE(view->Mark(node->m_nIndex), 0);
        QCOMPARE(LabelOf(view, node->m_nIndex), std::to_string(node->m_nIndex));
    }
}

void TestView::viewsKeepSeparateTrees()
{
    auto first = MakeView();
    auto second = MakeView();
    first->OnNodeAdd();
    QCOMPARE(first->m_nNodeCount, 16);
    QCOMPARE(second->m_nNodeCount, 15);
    QCOMPARE(int(PreOrder(second.get()).size()), 15);
}

void TestView::scrolledPixelsMatchAFreshPaint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("palette"); // a wider line reaches into the strips too
    const std::pair<const char *, std::pair<QPoint, QPoint>> moves[] = {
        {"right", {{100, 100}, {137, 100}}},
        {"left", {{100, 100}, {63, 100}}},
        {"down", {{100, 100}, {100, 171}}},
        {"up", {{100, 100}, {100, 29}}},
        {"one pixel up", {{100, 301}, {100, 300}}},
        {"down and left", {{300, 100}, {211, 190}}},
        {"up and right", {{100, 300}, {190, 211}}},
        {"further than the window", {{0, 0}, {900, 700}}}};
    for (const char *palette : {"standard", "projector"})
        for (const auto &[name, move] : moves)
            QTest::addRow("%s, %s", name, palette) << move.first << move.second << QString(palette);
}

// The pixels kept by a scroll and the strips painted after it give exactly
// what a paint of the whole window gives.
void TestView::scrolledPixelsMatchAFreshPaint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, palette);
    SetCurrentPalette(*FindPalette(palette));
    auto restore = qScopeGuard([] { SetCurrentPalette(Palettes().front()); });
    auto view = MakeView(QSize(500, 400));
    view->ApplyZoomIndex(18); // 1600 by 1200
    view->SetNodeCount(100);
    auto scrollTo = [&](QPoint p) {
        view->SetScrollPos(SB_HORZ, p.x());
        view->SetScrollPos(SB_VERT, p.y());
        view->UpdateWindow();
    };
    scrollTo(from);
    Render(view.get());
    scrollTo(to);
    QCOMPARE(view->GetScrollPosition().x, to.x());
    const QImage scrolled = view->RetainedImage().copy();
    QCOMPARE(scrolled, Render(view.get()));
}


void TestView::nodeCursor_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("keys"); // Up, Down, Left, Right
    QTest::addColumn<int>("cursor");
    QTest::newRow("the first arrow: the root") << 15 << "R" << 1;
    QTest::newRow("down: the left child") << 15 << "RD" << 2;
    QTest::newRow("along a level") << 15 << "RDDRRR" << 7;
    QTest::newRow("not past the level's end") << 15 << "RDRR" << 3;
    QTest::newRow("not before the level's start") << 15 << "RDDDL" << 8;
    QTest::newRow("a leaf has no child; up") << 15 << "RDDDDU" << 4;
    QTest::newRow("a short last level") << 10 << "RDDRD" << 10;
    QTest::newRow("no neighbour past the last node") << 10 << "RDDRDRR" << 10;
    QTest::newRow("a node whose child is missing") << 9 << "RDDRD" << 5;
    QTest::newRow("up to the root and no further") << 15 << "RDDUUU" << 1;
}

// The cursor is a screen reader's focus: the tree's focus child.
void TestView::nodeCursor()
{
    QFETCH(int, count);
    QFETCH(QString, keys);
    QFETCH(int, cursor);
    auto view = MakeView();
    view->SetNodeCount(count);
    const QHash<QChar, Qt::Key> key{{'U', Qt::Key_Up}, {'D', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
    for (const QChar k : keys)
        QTest::keyClick(view.get(), key[k]);
    QCOMPARE(view->NodeCursor(), qint64(cursor));
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(view.get());
    QAccessibleInterface *focused = tree->focusChild();
    QCOMPARE(tree->indexOfChild(focused), cursor - 1);
    QCOMPARE(focused->text(QAccessible::Name), QString("節點 %1：%1").arg(cursor));
    QCOMPARE(focused->state().focused, view->hasFocus());
}

// The tree's children are its nodes, named by index, label and mark, found
// where their boxes are; Enter selects the node under the cursor.
void TestView::accessibleTree()
{
    auto view = MakeView();
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(view.get());
    QCOMPARE(tree->role(), QAccessible::Tree);
    QCOMPARE(tree->childCount(), 15);
    QAccessibleInterface *five = tree->child(4);
    QCOMPARE(five->text(QAccessible::Name), QString("節點 5：5"));
    QCOMPARE(five->text(QAccessible::Description), QString("父 2，左 10，右 11，第 3 層"));
    QCOMPARE(tree->indexOfChild(five), 4);
    QCOMPARE(five->rect().center(), view->viewport()->mapToGlobal(QRect(view->WindowBox(5).left, view->WindowBox(5).top,
                                                                      view->WindowBox(5).Width(), view->WindowBox(5).Height())
                                                                    .center()));
    QCOMPARE(tree->childAt(five->rect().center().x(), five->rect().center().y()), five);
    view->SetNodeCursor(5);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(view->Mark(5), int(kMarkHighlighted));
    QVERIFY(five->state().selected);
    QCOMPARE(five->text(QAccessible::Name), QString("節點 5：5，已選取"));
    view->OnWinnerTree();
    PlayToEnd(view.get());
    const int winner = view->Label(1).toInt(), left = view->Label(2).toInt(), right = view->Label(3).toInt();
    const int loser = winner == right ? 2 : 3;
    QCOMPARE(tree->child(loser - 1)->text(QAccessible::Name),
             QString("節點 %1：%2，敗者").arg(loser).arg(loser == 2 ? left : right));
    QCOMPARE(tree->child(0)->text(QAccessible::Name), QString("節點 1：%1，勝者").arg(winner));
    view->SetNodeCount(3);
    QVERIFY(!five->isValid());
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
