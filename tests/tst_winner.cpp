// The winner tree: random leaves and the animated tournament.
#include "TestUtil.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <qpa/qwindowsysteminterface.h>

namespace {

const int kPreOrder15[] = {1, 2, 4, 8, 9, 5, 10, 11, 3, 6, 12, 13, 7, 14, 15};

// The values the generator gives the 15 nodes, replayed independently:
// re-seed with the next output, then draw.
std::map<int, int> ReplayValues()
{
    std::map<int, int> values;
    for (int index : kPreOrder15) {
        std::srand(unsigned(std::rand()));
        values[index] = std::rand() % 100;
    }
    return values;
}

int Label(const CZarniView *view, int index)
{
    return std::atoi(LabelOf(view, index).c_str());
}

int GreatestLeafBelow(const CZarniView *view, int index)
{
    if (2 * index > view->m_nNodeCount)
        return Label(view, index);
    int best = GreatestLeafBelow(view, 2 * index);
    if (2 * index + 1 <= view->m_nNodeCount)
        best = std::max(best, GreatestLeafBelow(view, 2 * index + 1));
    return best;
}

// Whether the box of a node shows on the window with the colours of a mark.
bool ShowsBox(CZarniView *view, const QImage &image, int index, int mark)
{
    const CPoint p = view->NodeAt(index)->m_ptPos;
    const int x = p.x - view->m_nHScrollPos, y = p.y - view->m_nVScrollPos;
    const QColor fill = mark == 1 ? QColor(255, 50, 50) : mark == 2 ? QColor(100, 100, 100) : QColor(Qt::white);
    const QColor frame = mark == 1 ? QColor(255, 0, 0) : mark == 2 ? QColor(100, 100, 100) : QColor(Qt::black);
    return Pixel(image, x - 23, y - 23) == fill && Pixel(image, x - 25, y - 20) == frame
        && Pixel(image, x + 24, y + 24) == frame;
}

// Compares two pictures of the tree box by box; the one pixel where a node's
// own edge starts on its frame is covered by a box painted on the window.
void CompareBoxes(CZarniView *view, const QImage &a, const QImage &b)
{
    for (const TreeNode *node : PreOrder(view)) {
        const int x = node->m_ptPos.x - view->m_nHScrollPos, y = node->m_ptPos.y - view->m_nVScrollPos;
        const QRect box = QRect(x - 25, y - 25, 50, 50) & a.rect();
        for (int py = box.top(); py <= box.bottom(); ++py)
            for (int px = box.left(); px <= box.right(); ++px)
                if (QPoint(px, py) != QPoint(x - 25, y) && a.pixel(px, py) != b.pixel(px, py))
                    QFAIL(qPrintable(QString("node %1 differs at %2,%3").arg(node->m_nIndex).arg(px).arg(py)));
    }
}

} // namespace

class TestWinner : public QObject {
    Q_OBJECT

private slots:
    void randomTree_data();
    void randomTree();
    void generatorSequenceContinues();
    void tournamentOnTheNumberedTree();
    void tournamentOnRandomTrees_data();
    void tournamentOnRandomTrees();
    void matchRule_data();
    void matchRule();
    void loneRootPaintsNothing();
    void playingAgainGivesTheSame();
    void treesWithMissingChildren();
    void paintsInOrder();
    void paintsWhereTheRepaintDraws();
    void repaintsDuringTheRun();
    void userInputEndsTheRunWhereItStands();
    void pauseHoldsThePicture();
    void closingTheViewEndsTheRun();
};

void TestWinner::randomTree_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("from 1") << 1;
    QTest::newRow("from 14") << 14;
    QTest::newRow("from 40") << 40;
}

void TestWinner::randomTree()
{
    QFETCH(int, count);
    auto view = MakeView();
    view->SetNodeCount(count);
    view->OnZoomIn();
    view->OnNodeTaller();
    view->OnWinnerTree();
    QCOMPARE(view->m_nNodeCount, 15);
    QCOMPARE(view->m_nDepth, 4);
    QCOMPARE(int(PreOrder(view.get()).size()), 15);
    QCOMPARE(view->m_nCanvasWidth, 900);
    QCOMPARE(view->m_nYDivisor, 12);
    QCOMPARE(view->m_sizeTotal, (CSize{900, 700}));
    const QRegularExpression decimal(QStringLiteral("^(0|[1-9][0-9]?)$"));
    for (const TreeNode *node : PreOrder(view.get())) {
        QCOMPARE(view->Mark(node->m_nIndex), 0);
        const QString label = QString::fromStdString(LabelOf(view, node->m_nIndex));
        if (node->m_nIndex >= 8)
            QVERIFY2(decimal.match(label).hasMatch(), qPrintable(label));
        else
            QVERIFY(label.isEmpty());
    }
    QCOMPARE(view->m_nRandomValue, Label(view.get(), 15));
}

void TestWinner::generatorSequenceContinues()
{
    CZarniView view;
    std::srand(4242);
    view.OnWinnerTree();
    std::map<int, int> first, second;
    for (int i = 8; i <= 15; ++i)
        first[i] = Label(&view, i);
    view.OnWinnerTree();
    for (int i = 8; i <= 15; ++i)
        second[i] = Label(&view, i);
    std::srand(4242);
    const std::map<int, int> replayFirst = ReplayValues(), replaySecond = ReplayValues();
    for (int i = 8; i <= 15; ++i) {
        QCOMPARE(first[i], replayFirst.at(i));
        QCOMPARE(second[i], replaySecond.at(i));
    }
}

void TestWinner::tournamentOnTheNumberedTree()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    PlayToEnd(view.get());
    const std::map<int, std::string> labels = {{4, "9"}, {5, "11"}, {6, "13"}, {7, "15"}, {2, "11"}, {3, "15"}, {1, "15"}};
    for (const auto &[index, label] : labels)
        QCOMPARE(LabelOf(view, index), label);
    for (int i = 8; i <= 15; ++i)
        QCOMPARE(LabelOf(view, i), std::to_string(i));
    QCOMPARE(view->Mark(1), 1);
    for (int i = 2; i <= 15; ++i)
        QCOMPARE(view->Mark(i), i % 2 ? 1 : 2);
}

void TestWinner::tournamentOnRandomTrees_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 99u, 2024u, 65535u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestWinner::tournamentOnRandomTrees()
{
    QFETCH(unsigned, seed);
    std::srand(seed);
    auto view = MakeView();
    view->SetStepDelay(0);
    view->OnWinnerTree();
    PlayToEnd(view.get());
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(Label(view.get(), i), GreatestLeafBelow(view.get(), i));
    for (int i = 2; i <= 15; ++i) {
        const int sibling = i ^ 1, mine = Label(view.get(), i), theirs = Label(view.get(), sibling);
        const bool won = mine > theirs || (mine == theirs && i % 2 == 1);
        QCOMPARE(view->Mark(i), won ? 1 : 2);
    }
}

void TestWinner::matchRule_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<int>("leftMark");
    QTest::newRow("tie goes right") << "7" << "7" << "7" << 2;
    QTest::newRow("numeric, not text") << "10" << "9" << "10" << 1;
    QTest::newRow("right greater") << "3" << "30" << "30" << 2;
    QTest::newRow("empty reads 0") << "" << "0" << "0" << 2;
}

void TestWinner::matchRule()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, winner);
    QFETCH(int, leftMark);
    auto view = MakeView();
    view->SetStepDelay(0);
    view->SetNodeCount(3);
    auto value = [](const QString &label) { return label.isEmpty() ? NodeStates::kNoLabel : label.toInt(); };
    view->Model().SetValue(2, value(left));
    view->Model().SetValue(3, value(right));
    PlayToEnd(view.get());
    QCOMPARE(QString::fromStdString(LabelOf(view, 1)), winner);
    QCOMPARE(view->Mark(2), leftMark);
    QCOMPARE(view->Mark(3), 3 - leftMark);
    QCOMPARE(view->Mark(1), 1);
}

void TestWinner::loneRootPaintsNothing()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    view->SetNodeCount(1);
    const QImage before = Render(view.get());
    PlayToEnd(view.get());
    QCOMPARE(view->RetainedImage(), before);
    QCOMPARE(LabelOf(view, 1), std::string("1"));
    QCOMPARE(view->Mark(1), 0);
}

void TestWinner::playingAgainGivesTheSame()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    view->OnWinnerTree();
    PlayToEnd(view.get());
    std::vector<std::pair<std::string, int>> first;
    for (const TreeNode *node : PreOrder(view.get()))
        first.emplace_back(LabelOf(view, node->m_nIndex), view->Mark(node->m_nIndex));
    const QImage shown = view->RetainedImage();
    PlayToEnd(view.get());
    std::vector<std::pair<std::string, int>> second;
    for (const TreeNode *node : PreOrder(view.get()))
        second.emplace_back(LabelOf(view, node->m_nIndex), view->Mark(node->m_nIndex));
    QCOMPARE(second, first);
    QCOMPARE(view->RetainedImage(), shown);
}

// 16 nodes: node 8 has a lone child, which passes its value up; nodes
// 9..15 on the same level have none and play no match.
void TestWinner::treesWithMissingChildren()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    view->SetNodeCount(16);
    PlayToEnd(view.get());
    QCOMPARE(LabelOf(view, 8), std::string("16"));
    QCOMPARE(view->Mark(16), 1);
    QCOMPARE(LabelOf(view, 4), std::string("16"));
    QCOMPARE(LabelOf(view, 1), std::string("16"));
    QCOMPARE(LabelOf(view, 12), std::string("12"));
}

// Each match paints the left child, the right child, then the parent.
void TestWinner::paintsInOrder()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    Render(view.get());
    QList<int> order;
    QList<QImage> pictures;
    connect(view.get(), &CZarniView::StepShown, [&](qint64 step) {
        const int64_t index = view->Run()->Steps().Step(step).focus;
        order << int(index);
        pictures << view->RetainedImage();
    });
    PlayToEnd(view.get());
    QCOMPARE(order, (QList<int>{8, 9, 4, 10, 11, 5, 12, 13, 6, 14, 15, 7, 4, 5, 2, 6, 7, 3, 2, 3, 1}));
    QVERIFY(ShowsBox(view.get(), pictures[0], 8, 2));
    QVERIFY(ShowsBox(view.get(), pictures[0], 9, 0)); // not yet
    QVERIFY(ShowsBox(view.get(), pictures[1], 9, 1));
    QVERIFY(ShowsBox(view.get(), pictures[1], 4, 0));
    QVERIFY(ShowsBox(view.get(), pictures[2], 4, 1));
    QVERIFY(ShowsBox(view.get(), pictures[12], 4, 2));
    QVERIFY(ShowsBox(view.get(), pictures[20], 1, 1));
    QVERIFY(!view->IsUpdatePending());
}

void TestWinner::paintsWhereTheRepaintDraws()
{
    auto view = MakeView(QSize(500, 400));
    view->SetStepDelay(0);
    view->SetScrollPos(SB_HORZ, 170);
    view->SetScrollPos(SB_VERT, 130);
    view->OnWinnerTree();
    Render(view.get());
    PlayToEnd(view.get());
    const QImage played = view->RetainedImage();
    CompareBoxes(view.get(), played, Render(view.get()));
}

void TestWinner::repaintsDuringTheRun()
{
    auto view = MakeView();
    view->SetStepDelay(20);
    bool servedDuringRun = false;
    int steps = 0;
    connect(view.get(), &CZarniView::StepShown, [&](qint64) {
        if (++steps == 2)
            view->Invalidate(); // uncovered, say
        else if (steps == 3)
            servedDuringRun = !view->IsUpdatePending();
    });
    PlayToEnd(view.get());
    QVERIFY(servedDuringRun);
    QCOMPARE(steps, 21);
}

// The window answers during a run: a click ends the run where it stands
// and then selects as always.
void TestWinner::userInputEndsTheRunWhereItStands()
{
    auto view = MakeView();
    view->SetStepDelay(15);
    QWindow *window = view->window()->windowHandle();
    int steps = 0;
    connect(view.get(), &CZarniView::StepShown, [&](qint64 step) {
        const int64_t index = view->Run()->Steps().Step(step).focus;
        ++steps;
        if (index != 9)
            return;
        // A click on node 1's box, queued as the window system would.
        const QPointF at = view->viewport()->mapTo(view->window(), QPointF(400, 75));
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, window->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    });
    PlayToEnd(view.get());
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Idle);
    QVERIFY(steps < 21);
    QCOMPARE(view->Mark(1), 1); // the click selected node 1 alone
    for (int i = 2; i <= 15; ++i)
        QCOMPARE(view->Mark(i), 0);
    QCOMPARE(LabelOf(view, 4), std::string("9")); // the match played stays played
    const int before = steps;
    QTest::qWait(100);
    QCOMPARE(steps, before); // and no step comes after
}

// A paused run keeps its picture still for longer than a step, and goes on
// where it stood.
void TestWinner::pauseHoldsThePicture()
{
    auto view = MakeView();
    view->SetStepDelay(20);
    int steps = 0;
    connect(view.get(), &CZarniView::StepShown, [&] {
        if (++steps == 5)
            view->OnWinnerPause();
    });
    view->OnWinnerGo();
    QTRY_COMPARE(view->GetRunState(), CZarniView::RunState::Paused);
    const QImage still = Render(view.get());
    QTest::qWait(150);
    QCOMPARE(steps, 5);
    QCOMPARE(view->RunStep(), qint64(5));
    QCOMPARE(view->RetainedImage(), still);
    view->OnWinnerPause(); // resumes
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Playing);
    QTRY_COMPARE(view->GetRunState(), CZarniView::RunState::Done);
    QCOMPARE(steps, 21);
    QCOMPARE(LabelOf(view, 1), std::string("15"));
}

void TestWinner::closingTheViewEndsTheRun()
{
    auto *view = MakeView().release();
    view->SetStepDelay(10);
    QPointer<CZarniView> alive(view);
    int steps = 0;
    connect(view, &CZarniView::StepShown, [&](qint64) {
        if (++steps == 4)
            view->deleteLater();
    });
    PlayToEnd(view);
    QVERIFY(alive.isNull());
    QCOMPARE(steps, 4);
}

QTEST_MAIN(TestWinner)
#include "tst_winner.moc"
