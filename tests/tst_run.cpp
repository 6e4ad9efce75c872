// Driving a tournament run: every step forward and back shows exactly the
// labels, marks and window pixels of the given run after as many steps.
#include "TestUtil.h"
#include "app/RunExport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <QTest>
#include <cstdlib>

namespace {

struct Shown {
    std::vector<std::string> labels;
    std::vector<int> marks;
    QImage picture;
};

Shown Take(CZarniView *view)
{
    Shown shown;
    for (int i = 1; i <= view->m_nNodeCount; ++i) {
        shown.labels.push_back(LabelOf(view, i));
        shown.marks.push_back(view->Mark(i));
    }
    shown.picture = view->RetainedImage().copy();
    return shown;
}

// A view with the tree of the row: "random" is the winner tree from a fixed
// seed, a number the numbered tree of that many nodes.
std::unique_ptr<CZarniView> Prepared(const QString &tree)
{
    auto view = MakeView();
    view->SetStepDelay(0);
    if (tree == "random") {
        std::srand(7);
        view->OnWinnerTree();
    } else {
        view->SetNodeCount(tree.toInt());
    }
    Render(view.get());
    return view;
}

// What the given run shows after each of its steps (index 0: before it);
// with only given, just before the run and after that step, the others
// left empty.
std::vector<Shown> GivenRun(const QString &tree, int only = -1)
{
    auto view = Prepared(tree);
    std::vector<Shown> shown{Take(view.get())};
    QObject::connect(view.get(), &CZarniView::StepShown, [&] {
        shown.push_back(only < 0 || int(shown.size()) == only ? Take(view.get()) : Shown());
    });
    PlayToEnd(view.get());
    return shown;
}

// The window after the pending repaint only, as the user sees it.
QImage Flushed(CZarniView *view)
{
    view->UpdateWindow();
    return view->RetainedImage();
}

bool SameState(const Shown &a, const Shown &b)
{
    return a.labels == b.labels && a.marks == b.marks;
}

} // namespace

class TestRun : public QObject {
    Q_OBJECT

private slots:
    void everyStepShowsTheGivenRun_data();
    void everyStepShowsTheGivenRun();
    void stepsForwardAndBackAgree_data();
    void stepsForwardAndBackAgree();
    void finishedRunStepsBackToTheStart();
    void endAndGoFromAPauseFinishTheRun();
    void restartAndReplacingTheTree();
    void speedsAndNarration();
    void changedLeafReplaysItsPath_data();
    void changedLeafReplaysItsPath();
    void leafValues();
    void practiceAnsweredRightly_data();
    void practiceAnsweredRightly();
    void practiceWrongAnswersAndKeys();
    void exportCancelledLeavesNothing();
};

void TestRun::everyStepShowsTheGivenRun_data()
{
    QTest::addColumn<QString>("tree");
    QTest::newRow("15 random leaves") << "random";
    QTest::newRow("16 numbered") << "16";
    QTest::newRow("12 numbered") << "12";
}

void TestRun::everyStepShowsTheGivenRun()
{
    QFETCH(QString, tree);
    const std::vector<Shown> given = GivenRun(tree);
    auto view = Prepared(tree);
    const int64_t steps = int64_t(given.size()) - 1;
    for (int64_t k = 1; k <= steps; ++k) {
        view->OnWinnerStep();
        QCOMPARE(view->RunStep(), k);
        QCOMPARE(view->RunStepCount(), steps);
        const Shown now = Take(view.get());
        QVERIFY2(SameState(now, given[k]), qPrintable(QString("step %1").arg(k)));
        QVERIFY2(now.picture == given[k].picture, qPrintable(QString("picture at step %1").arg(k)));
        QCOMPARE(view->GetRunState(), k < steps ? CZarniView::RunState::Paused : CZarniView::RunState::Done);
    }
}

void TestRun::stepsForwardAndBackAgree_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("j");
    for (int k = 0; k <= 20; k += 2)
        QTest::addRow("15, step %d, 1 on and back", k) << "random" << k << 1;
    QTest::newRow("15, step 3, 5 on and back") << "random" << 3 << 5;
    QTest::newRow("15, step 0, all but one") << "random" << 0 << 20;
    QTest::newRow("16, step 1, 4 on and back") << "16" << 1 << 4;
    QTest::newRow("12, step 7, 3 on and back") << "12" << 7 << 3;
    QTest::newRow("12, step 15, 1 on and back") << "12" << 15 << 1;
    // Boxes of the deep levels share their places: only the last painting
    // at a place is drawn again.
    QTest::newRow("1100, step 1500, 7 on and back") << "1100" << 1500 << 7;
    QTest::newRow("1100, step 200, 2 on and back") << "1100" << 200 << 2;
    // The deepest level has more nodes than the canvas has columns: boxes
    // of one level coincide.
    QTest::newRow("5000, step 1200, 9 on and back") << "5000" << 1200 << 9;
    QTest::newRow("5000, step 7000, 40 on and back") << "5000" << 7000 << 40;
}

// A repaint after stepping back draws the picture the run had shown.
void TestRun::stepsForwardAndBackAgree()
{
    QFETCH(QString, tree);
    QFETCH(int, k);
    QFETCH(int, j);
    const std::vector<Shown> given = GivenRun(tree, k);
    auto view = Prepared(tree);
    for (int i = 0; i < k + j; ++i)
        view->OnWinnerStep();
    for (int i = 0; i < j; ++i)
        view->OnWinnerBack();
    QCOMPARE(view->RunStep(), qint64(k));
    QVERIFY(SameState(Take(view.get()), given[k]));
    QCOMPARE(Flushed(view.get()), given[k].picture);
    QCOMPARE(Render(view.get()), given[k].picture);
}

void TestRun::finishedRunStepsBackToTheStart()
{
    const std::vector<Shown> given = GivenRun("random");
    auto view = Prepared("random");
    PlayToEnd(view.get());
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Done);
    QVERIFY(SameState(Take(view.get()), given.back()));
    view->OnWinnerBack();
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Paused);
    QCOMPARE(Flushed(view.get()), given[given.size() - 2].picture);
    QCOMPARE(Render(view.get()), given[given.size() - 2].picture);
    while (view->RunStep() > 0)
        view->OnWinnerBack();
    QVERIFY(SameState(Take(view.get()), given[0]));
    QCOMPARE(Flushed(view.get()), given[0].picture);
    QCOMPARE(Render(view.get()), given[0].picture);
    view->OnWinnerBack(); // nothing before the start
    QCOMPARE(view->RunStep(), qint64(0));
}

void TestRun::endAndGoFromAPauseFinishTheRun()
{
    const std::vector<Shown> given = GivenRun("random");
    auto ended = Prepared("random");
    ended->OnWinnerEnd();
    QCOMPARE(ended->GetRunState(), CZarniView::RunState::Done);
    QVERIFY(SameState(Take(ended.get()), given.back()));
    // Go on a paused run plays what is left, at the normal timing.
    auto resumed = Prepared("random");
    for (int i = 0; i < 5; ++i)
        resumed->OnWinnerStep();
    int painted = 0;
    connect(resumed.get(), &CZarniView::StepShown, [&] { ++painted; });
    PlayToEnd(resumed.get());
    QCOMPARE(painted, int(given.size()) - 1 - 5);
    QVERIFY(SameState(Take(resumed.get()), given.back()));
    QCOMPARE(Take(resumed.get()).picture, given.back().picture);
    // A finished run stays: a step or the end shows it as it is; Go plays a
    // new tournament.
    const int64_t steps = resumed->RunStepCount();
    resumed->OnWinnerStep();
    resumed->OnWinnerEnd();
    QCOMPARE(resumed->RunStep(), steps);
    resumed->SetStepDelay(10000);
    resumed->OnWinnerGo();
    QCOMPARE(resumed->RunStep(), qint64(1));
}

void TestRun::restartAndReplacingTheTree()
{
    const std::vector<Shown> given = GivenRun("random");
    auto view = Prepared("random");
    for (int i = 0; i < 8; ++i)
        view->OnWinnerStep();
    view->OnWinnerRestart();
    QCOMPARE(view->RunStep(), qint64(0));
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Paused);
    QVERIFY(SameState(Take(view.get()), given[0]));
    QCOMPARE(Render(view.get()), given[0].picture);
    // A change of the canvas keeps the run; a new tree or a selection ends it
    // where it stands.
    for (int i = 0; i < 4; ++i)
        view->OnWinnerStep();
    view->OnNodeWider();
    QCOMPARE(view->RunStep(), qint64(4));
    view->OnNodeNarrower();
    QCOMPARE(Render(view.get()), given[4].picture);
    view->SelectNodesInRect(view->m_pRoot, 0, 0, 1, 1);
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Idle);
    view->OnWinnerStep();
    view->OnNodeAdd();
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Idle);
}

void TestRun::speedsAndNarration()
{
    auto view = Prepared("15");
    view->SetStepDelay(400);
    QCOMPARE(view->Speed(), 1.0);
    for (double expected : {2.0, 4.0, 8.0, 8.0})
        QCOMPARE((view->OnWinnerFaster(), view->Speed()), expected);
    for (double expected : {4.0, 2.0, 1.0, 0.5, 0.25, 0.25})
        QCOMPARE((view->OnWinnerSlower(), view->Speed()), expected);
    QVERIFY(view->SetSpeed(2));
    QVERIFY(!view->SetSpeed(3));
    QCOMPARE(view->Speed(), 2.0);
    QCOMPARE(view->Narration(), QString());
    QString told;
    connect(view.get(), &CZarniView::RunNarrated, [&](const QString &text) { told = text; });
    for (int i = 0; i < 3; ++i)
        view->OnWinnerStep();
    QCOMPARE(told, QString("第 3/21 步：節點 4，節點 9 (9) 勝 節點 8 (8)"));
    QCOMPARE(view->Narration(), told);
    view->SetNodeCount(12);
    for (int i = 0; i < 8; ++i)
        view->OnWinnerStep();
    QCOMPARE(view->Narration(), QString("第 8/17 步：節點 6，節點 12 (12) 直接晉級"));
}

void TestRun::changedLeafReplaysItsPath_data()
{
    QTest::addColumn<int>("leaf");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("clicked"); // a click ended the played run first
    for (int leaf = 8; leaf <= 15; ++leaf)
        QTest::addRow("leaf %d", leaf) << leaf << QString::number(leaf * 13 - 150) << false;
    QTest::newRow("a tie with its sibling") << 9 << "keep" << false;
    QTest::newRow("leaf 12 after a click") << 12 << "-20" << true;
    QTest::newRow("leaf 15 after a click") << 15 << "77" << true;
}

// A leaf changed on a played tree plays the matches on its path again; the
// tree then holds what a whole tournament on the new values gives.
void TestRun::changedLeafReplaysItsPath()
{
    QFETCH(int, leaf);
    QFETCH(QString, value);
    QFETCH(bool, clicked);
    auto replayed = Prepared("random");
    if (value == "keep")
        value = QString::fromStdString(LabelOf(replayed, leaf ^ 1));
    PlayToEnd(replayed.get());
    if (clicked)
        replayed->SelectNodesInRect(replayed->m_pRoot, 0, 0, 1, 1);
    std::vector<QImage> shown(1);
    connect(replayed.get(), &CZarniView::StepShown, [&] { shown.push_back(Flushed(replayed.get()).copy()); });
    QVERIFY(SetLeaf(replayed, leaf, value).isEmpty());
    QCOMPARE(replayed->RunStepCount(), qint64(9)); // three matches of three boxes
    QCOMPARE(replayed->GetRunState(), CZarniView::RunState::Playing);
    QTRY_COMPARE(replayed->GetRunState(), CZarniView::RunState::Done);
    const Shown played = Take(replayed.get());
    // The replay steps back like any run.
    for (int k = 8; k >= 1; --k) {
        replayed->OnWinnerBack();
        QCOMPARE(Flushed(replayed.get()), shown[std::size_t(k)]);
    }
    replayed->OnWinnerEnd();
    QVERIFY(SameState(Take(replayed.get()), played));

    auto whole = Prepared("random");
    QStringList values;
    for (int i = 8; i <= 15; ++i)
        values << (i == leaf ? value : QString::fromStdString(LabelOf(whole, i)));
    QVERIFY(SetLeaves(whole, values).isEmpty());
    PlayToEnd(whole.get());
    // After a click only the path replayed is marked again.
    QVERIFY(clicked ? Take(replayed.get()).labels == Take(whole.get()).labels
                    : SameState(Take(replayed.get()), Take(whole.get())));
}

void TestRun::leafValues()
{
    auto view = Prepared("15");
    QCOMPARE(SetLeaves(view, {"1", "2"}), QString("這棵樹有 8 個葉節點，不是 2 個值。"));
    const QStringList eight{"5", "-7", "99999", "-99999", "0", "+3", "12", "4"};
    QStringList bad = eight;
    bad[3] = "1e3";
    QCOMPARE(SetLeaves(view, bad), QString("「1e3」不是整數。"));
    bad[3] = "100000";
    QVERIFY(SetLeaves(view, bad).startsWith("100000 超出範圍"));
    QCOMPARE(LabelOf(view, 8), std::string("8")); // nothing changed
    view->SelectNodesInRect(view->m_pRoot, 400, 75, 400, 75);
    QVERIFY(SetLeaves(view, eight).isEmpty());
    for (int i = 1; i <= 7; ++i)
        QVERIFY(LabelOf(view, i).empty());
    QCOMPARE(LabelOf(view, 13), std::string("3"));
    QCOMPARE(view->Mark(1), 0);
    QVERIFY(SetLeaf(view, 7, "1").startsWith("節點 7 不是葉節點"));
    QVERIFY(SetLeaf(view, 16, "1").startsWith("節點 16 不是葉節點"));
    // Before the tree is played only the label changes.
    QVERIFY(SetLeaf(view, 8, "-2").isEmpty());
    QCOMPARE(LabelOf(view, 8), std::string("-2"));
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Idle);
    PlayToEnd(view.get());
    QCOMPARE(LabelOf(view, 1), std::string("99999"));
}

QTEST_MAIN(TestRun)
#include "tst_run.moc"

namespace {

int ValueAt(const CZarniView *view, int64_t i)
{
    const std::string label = LabelOf(view, i);
    return label.empty() ? 0 : TournamentRun::ValueOf(label);
}

// The leaf whose value wins the subtree: the greater wins, the right on a tie.
int64_t WinningLeaf(const CZarniView *view, int64_t i)
{
    if (2 * i > view->m_nNodeCount)
        return i;
    const int64_t a = WinningLeaf(view, 2 * i);
    if (2 * i + 1 > view->m_nNodeCount)
        return a;
    const int64_t b = WinningLeaf(view, 2 * i + 1);
    return ValueAt(view, a) > ValueAt(view, b) ? a : b;
}

// The answer worked out from what the tree shows (the rows keep the values of
// a loser tree's climb apart, and heaps are max-heaps).
int64_t ReferenceAnswer(const CZarniView *view, const PracticeQuestion &q)
{
    const int64_t i = q.node;
    const QString kind = QString::fromLatin1(q.kind->name);
    if (kind == "match") {
        const int64_t l = q.choices[0], r = q.choices[1];
        if (!view->Model().NodeZeroShown())
            return ValueAt(view, l) > ValueAt(view, r) ? l : r;
        return ValueAt(view, WinningLeaf(view, l)) > ValueAt(view, WinningLeaf(view, r)) ? l : r;
    }
    if (kind == "climb")
        return ValueAt(view, 0) > ValueAt(view, i) ? 0 : i;
    if (kind == "sink") {
        int64_t best = i;
        for (const int64_t child : q.choices)
            if (child && ValueAt(view, child) > ValueAt(view, best))
                best = child;
        return best == i ? 0 : best;
    }
    if (kind == "rise")
        return ValueAt(view, i) > ValueAt(view, i / 2) ? i / 2 : 0;
    if (kind == "run") {
        const ReplacementRecord &record = *view->Model().Find<ReplacementState>().Record();
        const int64_t k = view->RunStep();
        const int value = record.Input()[std::size_t(record.ReadBy(k))];
        return value <= record.Output()[std::size_t(record.WrittenBy(k) - 1)] ? q.choices[0] : q.choices[1];
    }
    if (kind == "pop") { // the rightmost greatest head wins every match
        int64_t best = q.choices[0];
        for (const int64_t leaf : q.choices)
            if (ValueAt(view, leaf) >= ValueAt(view, best))
                best = leaf;
        return best;
    }
    return -1;
}

// The row's algorithm started on a fresh view, practising or not.
std::unique_ptr<CZarniView> Started(const QString &what, bool practice)
{
    auto view = MakeView();
    view->SetStepDelay(0);
    view->SetPractice(practice);
    const QStringList distinct{"41", "7", "63", "18", "55", "30", "72", "25"};
    if (what.startsWith("loser"))
        SetLoserTree(view, true);
    if (what.endsWith("tournament")) {
        SetLeaves(view, distinct);
        view->OnWinnerGo();
    } else if (what.endsWith("merge")) {
        view->SetPractice(false); // the merge's first tournament aside
        StartMerge(view, {{90, 40, 12}, {77, 50, 3}, {64, 61, 9}});
        view->SeekRun(MergeRun(view)->TournamentSteps());
        view->SetPractice(practice);
        Pop(view);
    } else if (what.startsWith("heap")) {
        view->SetNodeCount(11);
        SetValues(view, {"4", "19", "7", "33", "2", "25", "11", "8", "30", "1", "16"});
        StartHeap(view, what == "heap sort" ? HeapAlgorithm::Kind::Sort : HeapAlgorithm::Kind::BuildByInsert);
    } else {
        StartReplacement(view, 3, {31, 12, 57, 8, 40, 3, 66, 25, 19, 71, 5, 48});
    }
    return view;
}

} // namespace

void TestRun::practiceAnsweredRightly_data()
{
    QTest::addColumn<QString>("what");
    for (const char *what : {"tournament", "loser tournament", "loser merge", "merge", "heap sort", "heap by insert",
                             "replacement", "loser replacement"})
        QTest::newRow(what) << QString(what);
}

// Answering every question rightly ends where the run ends unasked, every
// answer counted right.
void TestRun::practiceAnsweredRightly()
{
    QFETCH(QString, what);
    auto plain = Started(what, false);
    CZarniView::WaitWhilePlaying(plain.get()); // to where it plays unasked: the end, or a merge's pop's
    auto practised = Started(what, true);
    for (CZarniView::WaitWhilePlaying(practised.get()); const PracticeQuestion *q = practised->Question();
         CZarniView::WaitWhilePlaying(practised.get()))
        QCOMPARE(practised->Answer(ReferenceAnswer(practised.get(), *q)), CZarniView::AnswerResult::Right);
    QCOMPARE(practised->RunStep(), plain->RunStep());
    QVERIFY(SameState(Take(practised.get()), Take(plain.get())));
    QCOMPARE(LabelOf(practised, 0), LabelOf(plain, 0));
    const TreeModel::Score score = practised->Model().GetScore();
    QVERIFY(score.asked > 0);
    QCOMPARE(score.right, score.asked);
}

// A wrong answer counts, shows the answer, plays its step and pauses; keys
// answer; a step back keeps the score.
void TestRun::practiceWrongAnswersAndKeys()
{
    auto view = Started("tournament", true);
    CZarniView::WaitWhilePlaying(view.get());
    const PracticeQuestion first = *view->Question();
    const int64_t wrong = first.choices[0] == first.answer ? first.choices[1] : first.choices[0];
    QCOMPARE(view->Model().GetScore().asked, 0); // a question counts once answered
    QCOMPARE(view->Answer(wrong), CZarniView::AnswerResult::Wrong);
    QCOMPARE(view->Highlight(), first.answer);
    QVERIFY(view->ShownNarration().startsWith(QString("不對，答案是節點 %1。第 1/").arg(first.answer))); // the panels say why
    QCOMPARE(view->GetRunState(), CZarniView::RunState::Paused);
    QCOMPARE(view->Model().GetScore().wrong, 1);
    QCOMPARE(view->Answer(first.answer), CZarniView::AnswerResult::NoQuestion);
    view->OnWinnerGo();
    CZarniView::WaitWhilePlaying(view.get());
    const PracticeQuestion second = *view->Question();
    QTest::keyClick(view.get(), second.answer == second.choices[0] ? Qt::Key_Return : Qt::Key_2);
    CZarniView::WaitWhilePlaying(view.get());
    QCOMPARE(view->Model().GetScore().right, 1);
    const int64_t asked = view->Model().GetScore().asked;
    view->OnWinnerBack();
    QCOMPARE(view->Model().GetScore().asked, asked);
    QCOMPARE(view->Model().GetScore().wrong, 1);
    QCOMPARE(view->Answer(99), view->Question() ? CZarniView::AnswerResult::NotAChoice : CZarniView::AnswerResult::NoQuestion);
}

// A run's export cancelled half way writes no file and leaves the step shown.
void TestRun::exportCancelledLeavesNothing()
{
    auto view = Prepared("random");
    view->OnWinnerEnd();
    view->SeekRun(4);
    QTemporaryDir dir;
    const QString path = dir.filePath("run.gif");
    const RunExportResult result = ExportRun(view.get(), path, {}, [](int64_t done, int64_t) { return done < 3; });
    QCOMPARE(result.failure, RunExportFailure::Cancelled);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(view->RunStep(), 4);
    // A PDF holds a whole picture a page: its size limit holds as it grows.
    RunExportOptions small;
    small.maxBytes = 100000;
    const QString pdf = dir.filePath("run.pdf");
    QCOMPARE(ExportRun(view.get(), pdf, small).failure, RunExportFailure::TooLarge);
    QVERIFY(!QFile::exists(pdf));
    small.maxBytes *= 1000;
    QVERIFY(ExportRun(view.get(), pdf, small));
    QVERIFY(QFileInfo(pdf).size() > 100000); // the smaller limit would have been passed
}
