// The merge of sorted runs as the view shows it: the tree after every pop,
// what ends a merge, the panel's cells and the dialog.
#include "TestUtil.h"
#include "frames/NumbersDlg.h"
#include "frames/RecordPanel.h"
#include "model/algorithms/Table.h"
#include "res/Resource.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

class TestMergeView : public QObject {
    Q_OBJECT

private slots:
    void pops_data();
    void pops();
    void interruptions_data();
    void interruptions();
    void popAllEndsAsPoppingOneByOne();
    void whatEndsTheMerge_data();
    void whatEndsTheMerge();
    void popEnabled();
    void panelCells();
    void panelFollowsTheView();
    void dialog();
};

namespace {

std::vector<int> Merged(const WinnerMerge::Runs &runs)
{
    std::vector<int> all;
    for (const auto &run : runs)
        all.insert(all.end(), run.begin(), run.end());
    std::sort(all.rbegin(), all.rend());
    return all;
}

std::string Label(int value)
{
    return value == INT_MIN ? "-\u221e" : std::to_string(value);
}

// The leaves show the runs' heads, and every other node what a full
// tournament on those leaves gives it.
void CheckTree(CZarniView *view)
{
    const MergeState *merge = &MergeOf(view);
    QVERIFY(merge->Active());
    const int64_t count = merge->Runs().NodeCount();
    QCOMPARE(int64_t(view->m_nNodeCount), count);
    std::vector<std::string> labels(std::size_t(count) + 1);
    std::vector<int> marks(std::size_t(count) + 1, 0);
    int greatest = INT_MIN;
    for (int j = 0; j < merge->Runs().RunCount(); ++j) {
        const auto &run = merge->Runs().Run(j);
        const int64_t head = merge->Consumed(j);
        const int value = head < int64_t(run.size()) ? run[std::size_t(head)] : INT_MIN;
        greatest = std::max(greatest, value);
        labels[std::size_t(merge->Runs().LeafOfRun(j))] = Label(value);
    }
    const TournamentRun full(count, view->m_nDepth);
    for (int64_t m = 0; m < full.MatchCount(); ++m) {
        const TournamentMatch &match = full.Match(m);
        const MatchOutcome outcome = TournamentRun::Decide(&labels[std::size_t(match.left)], &labels[std::size_t(match.right)]);
        labels[std::size_t(match.node)] = outcome.label;
        marks[std::size_t(match.left)] = outcome.leftMark;
        marks[std::size_t(match.right)] = outcome.rightMark;
        marks[std::size_t(match.node)] = 1;
    }
    QCOMPARE(LabelOf(view, 1), Label(greatest));
    for (int64_t i = 1; i <= count; ++i) {
        QCOMPARE(LabelOf(view, i), labels[std::size_t(i)]);
        QCOMPARE(view->Mark(i), marks[std::size_t(i)]);
    }
}

bool Enabled(CZarniView *view, int id)
{
    CCmdUI ui(id);
    return view->OnCmdMsg(id, &ui) && ui.m_bEnabled;
}

} // namespace

void TestMergeView::pops_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("longest");
    QTest::addColumn<bool>("animated"); // played step by step, or ended at once
    for (int k : {2, 3, 5, 8, 13})
        QTest::addRow("%d runs", k) << k << 6 << true;
    QTest::addRow("1024 runs") << 1024 << 2 << false;
}

void TestMergeView::pops()
{
    QFETCH(int, k);
    QFETCH(int, longest);
    QFETCH(bool, animated);
    auto view = MakeView();
    view->SetStepDelay(0);
    const WinnerMerge::Runs runs = RandomRuns(k, longest, quint32(k) * 31, 9);
    StartMerge(view, runs);
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Playing);
    CZarniView::WaitWhilePlaying(view.get());
    QCOMPARE(view->RunStep(), MergeRun(view)->TournamentSteps()); // the first tournament played
    CheckTree(view.get());
    const std::vector<int> all = Merged(runs);
    for (std::size_t popped = 0; popped < all.size(); ++popped) {
        if (animated) {
            Pop(view);
            CZarniView::WaitWhilePlaying(view.get());
        } else {
            PopAtOnce(view);
        }
        QCOMPARE(view->GetRunState(), popped + 1 < all.size() ? CZarniView::RunState::Paused : CZarniView::RunState::Done);
        QCOMPARE(MergeOf(view).Output().size(), popped + 1);
        if (animated || popped % 97 == 0 || popped + 1 == all.size())
            CheckTree(view.get());
    }
    QVERIFY(MergeOf(view).Done());
    QCOMPARE(MergeOf(view).Output(), all);
    QCOMPARE(LabelOf(view, 1), Label(INT_MIN));
}

// Whatever the user did between pops, the next pop starts from the merge's
// tree and ends in agreement with it.
void TestMergeView::interruptions_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("a band over everything") << 0;
    QTest::newRow("pop again while replaying") << 1;
    QTest::newRow("paused after a step") << 2;
    QTest::newRow("restarted") << 3;
    QTest::newRow("a step back") << 4;
    QTest::newRow("the tournament played again") << 5;
    QTest::newRow("the kind switched") << 6;
}

void TestMergeView::interruptions()
{
    QFETCH(int, what);
    auto view = MakeView();
    view->SetStepDelay(0);
    StartMerge(view, {{9, 7, 7, 1}, {8, 8, 2}, {6, 5, 3}, {9, 0}, {4}});
    CZarniView::WaitWhilePlaying(view.get());
    for (int round = 0; round < 4; ++round) {
        view->SetStepDelay(10000); // the replay waits after its first step
        Pop(view);
        switch (what) {
        case 0:
            view->SeekRun(MergeRun(view)->EndOfPop(view->RunStep()));
            view->SelectNodesInRect(view->m_pRoot, 0, 0, view->m_nCanvasWidth, view->m_nCanvasHeight);
            break;
        case 1: break; // the next pop comes while this one plays
        case 2: view->OnWinnerStep(); break;
        case 3: view->OnWinnerRestart(); break; // the merge's start: its output taken back
        case 4: view->OnWinnerBack(); break; // over the pop's first step
        case 5:
            view->SelectNodesInRect(view->m_pRoot, 0, 0, 1, 1);
            view->OnWinnerGo(); // a tournament on the merge's tree
            break;
        case 6: SetLoserTree(view, round % 2 == 0); break;
        }
    }
    view->SetStepDelay(0);
    Pop(view);
    CZarniView::WaitWhilePlaying(view.get());
    CheckTree(view.get());
    const std::vector<int> all{9, 9, 8, 8, 7, 7, 6, 5, 4, 3, 2, 1, 0};
    // A restart or a step back takes the output back; a pause drops the pops
    // asked for after the next.
    const std::size_t pops = what == 3 || what == 4 ? 1 : what == 2 ? 2 : 5;
    QCOMPARE(MergeOf(view).Output(), std::vector<int>(all.begin(), all.begin() + std::ptrdiff_t(pops)));
}

void TestMergeView::popAllEndsAsPoppingOneByOne()
{
    const WinnerMerge::Runs runs = RandomRuns(6, 5, 7, 9);
    auto one = MakeView(), all = MakeView();
    for (CZarniView *view : {one.get(), all.get()}) {
        view->SetStepDelay(0);
        StartMerge(view, runs);
        CZarniView::WaitWhilePlaying(view);
    }
    while (!MergeOf(one).Done()) {
        Pop(one);
        CZarniView::WaitWhilePlaying(one.get());
    }
    PopAll(all);
    QVERIFY(!all->IsPlaying());
    QCOMPARE(MergeOf(all).Output(), MergeOf(one).Output());
    QCOMPARE(all->GetRunState(), one->GetRunState());
    QCOMPARE(all->RunStep(), one->RunStep());
    QCOMPARE(all->RunStepCount(), one->RunStepCount());
    QCOMPARE(all->Narration(), one->Narration());
    for (int64_t i = 1; i <= one->m_nNodeCount; ++i) {
        QCOMPARE(LabelOf(all, i), LabelOf(one, i));
        QCOMPARE(all->Mark(i), one->Mark(i));
    }
    QCOMPARE(Render(all.get()), Render(one.get()));
    // And a step back shows the same picture in both.
    one->OnWinnerBack();
    all->OnWinnerBack();
    QCOMPARE(Render(all.get()), Render(one.get()));
}

void TestMergeView::whatEndsTheMerge_data()
{
    QTest::addColumn<int>("what");
    QTest::addColumn<bool>("ends");
    QTest::newRow("nodes") << 0 << true;
    QTest::newRow("add a node") << 1 << true;
    QTest::newRow("remove a node") << 2 << true;
    QTest::newRow("Winner_Tree") << 3 << true;
    QTest::newRow("Exit") << 4 << true;
    QTest::newRow("own leaves") << 5 << true;
    QTest::newRow("one leaf") << 6 << true;
    QTest::newRow("a new merge") << 7 << true;
    QTest::newRow("a selection") << 8 << false;
    QTest::newRow("Go") << 9 << false;
    QTest::newRow("zoom") << 10 << false;
}

void TestMergeView::whatEndsTheMerge()
{
    QFETCH(int, what);
    QFETCH(bool, ends);
    auto view = MakeView();
    view->SetStepDelay(0);
    StartMerge(view, {{3, 1}, {2}, {5}});
    CZarniView::WaitWhilePlaying(view.get());
    const WinnerMerge::Runs before = *MergeOf(view).Runs().AllRuns();
    switch (what) {
    case 0: view->SetNodeCount(7); break;
    case 1: view->OnNodeAdd(); break;
    case 2: view->OnNodeRemove(); break;
    case 3: view->OnWinnerTree(); break;
    case 4: view->OnWinnerExit(); break;
    case 5: QVERIFY(SetLeaves(view, {"1", "2", "3"}).isEmpty()); break;
    case 6: QVERIFY(SetLeaf(view, 4, "7").isEmpty()); break;
    case 7: StartMerge(view, {{1}, {2}}); break;
    case 8: view->SelectNodesInRect(view->m_pRoot, 0, 0, 800, 600); break;
    case 9: PlayToEnd(view.get()); break;
    case 10: view->OnZoomIn(); break;
    }
    CZarniView::WaitWhilePlaying(view.get());
    QCOMPARE(!MergeOf(view).Active() || *MergeOf(view).Runs().AllRuns() != before, ends);
    if (!ends) {
        Pop(view);
        CZarniView::WaitWhilePlaying(view.get());
        CheckTree(view.get());
    }
}

void TestMergeView::popEnabled()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    for (int id : {CommandId("ID_WINNER_POP"), CommandId("ID_WINNER_POP_ALL")})
        QVERIFY(!Enabled(view.get(), id));
    StartMerge(view, {{1}, {2}});
    CZarniView::WaitWhilePlaying(view.get());
    for (int id : {CommandId("ID_WINNER_POP"), CommandId("ID_WINNER_POP_ALL")})
        QVERIFY(Enabled(view.get(), id));
    Pop(view);
    QVERIFY(Enabled(view.get(), CommandId("ID_WINNER_POP"))); // while its replay plays
    Pop(view);
    CZarniView::WaitWhilePlaying(view.get());
    QVERIFY(MergeOf(view).Done());
    for (int id : {CommandId("ID_WINNER_POP"), CommandId("ID_WINNER_POP_ALL")})
        QVERIFY(!Enabled(view.get(), id));
    Pop(view); // a pop past the end changes nothing
    QCOMPARE(MergeOf(view).Output(), (std::vector<int>{2, 1}));
}

// The panel's cells against the merge: read values grey, the head marked,
// the output in order, and the cells that changed in sight.
void TestMergeView::panelCells()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    WinnerMerge::Runs runs = RandomRuns(40, 300, 5, 9);
    runs[37] = std::vector<int>(300, 99); // the greatest: popped first, far down the list
    StartMerge(view, runs);
    CZarniView::WaitWhilePlaying(view.get());
    CRecordPanel panel(nullptr);
    panel.resize(500, 300);
    panel.SetView(view.get());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    for (int pop = 0; pop < 120; ++pop)
        PopAtOnce(view);
    QCoreApplication::processEvents();
    const MergeState *merge = &MergeOf(view);
    const CCellSource &cells = panel.RunCells();
    QCOMPARE(cells.RowCount(), 40);
    for (int j = 0; j < 40; ++j) {
        QCOMPARE(cells.RowTitle(j), QStringLiteral("序列 %1").arg(j + 1));
        QCOMPARE(cells.CellCount(j), qint64(runs[std::size_t(j)].size()));
        for (qint64 c = 0; c < cells.CellCount(j); ++c) {
            const CCellSource::Cell cell = cells.CellAt(j, c);
            QCOMPARE(cell.text, QString::number(runs[std::size_t(j)][std::size_t(c)]));
            QCOMPARE(cell.ink != Qt::black, c < merge->Consumed(j)); // read: grey
            QCOMPARE(cell.bold, c == merge->Consumed(j));            // the head
        }
    }
    const CCellSource &output = panel.OutputCells();
    QCOMPARE(output.CellCount(0), 120);
    for (qint64 c = 0; c < 120; ++c)
        QCOMPARE(output.CellAt(0, c).text, QString::number(merge->Output()[std::size_t(c)]));
    QCOMPARE(panel.OutputText().split(' ').size(), 120);
    // In sight: the newest output and the head of the run it came from.
    const CCellGrid *out = panel.OutputGrid(), *grid = panel.RunGrid();
    QVERIFY(out->FirstColumn() <= 119 && 119 < out->FirstColumn() + out->VisibleColumns());
    const int run = merge->LastRun();
    QVERIFY(grid->FirstRow() <= run && run < grid->FirstRow() + grid->VisibleRows());
    QVERIFY(grid->FirstColumn() <= merge->Consumed(run));
    QVERIFY(merge->Consumed(run) < grid->FirstColumn() + grid->VisibleColumns());
}

void TestMergeView::panelFollowsTheView()
{
    auto first = MakeView(), second = MakeView();
    first->SetStepDelay(0);
    StartMerge(first, {{1}, {2}, {3}});
    CZarniView::WaitWhilePlaying(first.get());
    CRecordPanel panel(nullptr);
    panel.SetView(first.get());
    QCOMPARE(panel.RunCells().RowCount(), 3);
    panel.SetView(second.get());
    QCOMPARE(panel.RunCells().RowCount(), 0);
    QCOMPARE(panel.OutputCells().RowCount(), 0);
    second->SetStepDelay(0);
    StartMerge(second, {{1}, {2}});
    QCOMPARE(panel.RunCells().RowCount(), 2);
    Pop(first); // not the panel's view now
    QCOMPARE(panel.OutputCells().CellCount(0), 0);
    second.reset();
    QCOMPARE(panel.RunCells().RowCount(), 0);
    panel.repaint(); // nothing left to read
}

void TestMergeView::dialog()
{
    auto view = MakeView();
    view->SetStepDelay(0);
    const CommandEntry *command = FindCommand(CommandId("ID_WINNER_MERGE"));
    CNumbersDlg dlg(view.get(), *command->dialog, nullptr);
    auto *text = dlg.findChild<QPlainTextEdit *>("mergeRuns");
    auto *problem = dlg.findChild<QLabel *>("mergeProblem");
    const QString typed = "# two runs\n5 3\n\n4 6 1\n";
    text->setPlainText(typed);
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Rejected)); // still open
    QCOMPARE(problem->text(), QStringLiteral("第 4 行（序列 2）：6 比前一個值大；序列必須由大到小排列。"));
    QCOMPARE(text->toPlainText(), typed);
    QVERIFY(!MergeOf(view).Active());
    dlg.LoadFile(QDir::temp().filePath("no such runs file"));
    QVERIFY(problem->text().startsWith(QStringLiteral("無法讀取")));
    QCOMPARE(text->toPlainText(), typed);
    dlg.FillRandom({3, 4});
    QCOMPARE(text->toPlainText().trimmed().split('\n').size(), 3);
    dlg.FillRandom({1024, 100}); // too many to show: kept aside
    QVERIFY(text->toPlainText().startsWith('#'));
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(MergeOf(view).Runs().RunCount(), 1024);
    QCOMPARE(MergeOf(view).Runs().Run(1023).size(), std::size_t(100));
}

QTEST_MAIN(TestMergeView)
#include "tst_mergeview.moc"
