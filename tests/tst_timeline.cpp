// Runs as timelines, without any widget: seeking from any step to any other
// reaches the state and counts that playing step by step reaches, and each
// step stands at its pseudocode line.
#include "model/TournamentAlgorithm.h"

#include <QRandomGenerator>
#include <QTest>

// A tree's labels as values and its marks, in plain arrays.
struct PlainNodes : NodeStates {
    std::vector<int> values, marks;
    int Value(int64_t node) const override { return values[std::size_t(node)]; }
    int Mark(int64_t node) const override { return marks[std::size_t(node)]; }
    void SetValue(int64_t node, int value) override { values[std::size_t(node)] = value; }
    void SetMark(int64_t node, int mark) override { marks[std::size_t(node)] = mark; }
    bool operator==(const PlainNodes &other) const { return values == other.values && marks == other.marks; }
};

class TestTimeline : public QObject {
    Q_OBJECT

private slots:
    void seekEqualsPlaying_data();
    void seekEqualsPlaying();
    void linesAndCounts_data();
    void linesAndCounts();
    void memoryPerStep();
};

namespace {

int DepthOf(int64_t count)
{
    int depth = 0;
    for (; count; count >>= 1)
        ++depth;
    return depth;
}

// Random leaves over empty inner labels, a mark or two left from before.
PlainNodes RandomTree(int64_t count, quint32 seed)
{
    QRandomGenerator random(seed);
    PlainNodes tree;
    tree.values.assign(std::size_t(count) + 1, NodeStates::kNoLabel);
    tree.marks.assign(std::size_t(count) + 1, 0);
    for (int64_t i = count / 2 + 1; i <= count; ++i)
        tree.values[std::size_t(i)] = random.bounded(-5, 6);
    tree.marks[std::size_t(count)] = 2;
    return tree;
}

// The reference: the matches up to step k played on the labels by the
// match rule, each written at its first step.
PlainNodes PlayedTo(const TournamentRun &run, PlainNodes tree, int64_t k)
{
    for (int64_t m = 0; m < run.MatchCount() && run.FirstStep(m) <= k; ++m) {
        const TournamentMatch &match = run.Match(m);
        const std::string left = TournamentRun::LabelOf(tree.values[std::size_t(match.left)]);
        const std::string right = match.right ? TournamentRun::LabelOf(tree.values[std::size_t(match.right)]) : "";
        const MatchOutcome outcome = TournamentRun::Decide(&left, match.right ? &right : nullptr);
        tree.values[std::size_t(match.node)] = TournamentRun::ValueOf(outcome.label);
        tree.marks[std::size_t(match.left)] = outcome.leftMark;
        if (match.right)
            tree.marks[std::size_t(match.right)] = outcome.rightMark;
        tree.marks[std::size_t(match.node)] = 1;
    }
    return tree;
}

} // namespace

void TestTimeline::seekEqualsPlaying_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    for (const int count : {1, 2, 3, 6, 12, 15, 16, 100}) {
        QTest::addRow("full, %d", count) << int(TournamentAlgorithm::Kind::Full) << count;
        QTest::addRow("path, %d", count) << int(TournamentAlgorithm::Kind::Path) << count;
    }
}

void TestTimeline::seekEqualsPlaying()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    const PlainNodes before = RandomTree(count, quint32(count));
    PlainNodes tree = before;
    const auto which = TournamentAlgorithm::Kind(kind);
    TournamentAlgorithm algorithm(which, count, DepthOf(count), count);
    const TournamentRun &run = *algorithm.Boxes();
    const Timeline &steps = algorithm.Steps();
    QCOMPARE(steps.StepCount(), run.StepCount());
    std::vector<PlainNodes> played{before};
    std::vector<int64_t> comparisons{0};
    for (int64_t k = 1; k <= steps.StepCount(); ++k) {
        algorithm.SeekTo(k, tree);
        played.push_back(tree);
        comparisons.push_back(steps.Comparisons());
        QVERIFY(tree == PlayedTo(run, before, k));
    }
    QRandomGenerator random(7);
    for (int i = 0; i < 200; ++i) {
        const int64_t k = random.bounded(int(steps.StepCount()) + 1);
        algorithm.SeekTo(k, tree);
        QVERIFY(tree == played[std::size_t(k)]);
        QCOMPARE(steps.Comparisons(), comparisons[std::size_t(k)]);
        QCOMPARE(steps.Moves(), k == 0 ? 0 : run.MatchOfStep(k) + 1); // a value written a match
    }
    algorithm.SeekTo(0, tree);
    QVERIFY(tree == before);
}

void TestTimeline::linesAndCounts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("lines");       // by step, from step 1
    QTest::addColumn<QList<int>>("comparisons"); // so far, by step
    using K = TournamentAlgorithm::Kind;
    QTest::newRow("7 nodes") << int(K::Full) << 7 << QList<int>{4, 4, 6, 4, 4, 6, 4, 4, 6}
                             << QList<int>{1, 1, 1, 2, 2, 2, 3, 3, 3};
    // Node 3's lone child passes up without a comparison.
    QTest::newRow("6 nodes") << int(K::Full) << 6 << QList<int>{4, 4, 6, 5, 6, 4, 4, 6}
                             << QList<int>{1, 1, 1, 1, 1, 2, 2, 2};
    QTest::newRow("path of 6") << int(K::Path) << 6 << QList<int>{5, 6, 4, 4, 6} << QList<int>{0, 0, 1, 1, 1};
    QTest::newRow("merge pop of 7") << int(K::MergePop) << 7 << QList<int>{4, 4, 5, 4, 4, 5}
                                    << QList<int>{1, 1, 1, 2, 2, 2};
}

void TestTimeline::linesAndCounts()
{
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, comparisons);
    PlainNodes tree = RandomTree(count, 1);
    TournamentAlgorithm algorithm(TournamentAlgorithm::Kind(kind), count, DepthOf(count), count);
    const Timeline &steps = algorithm.Steps();
    QCOMPARE(steps.StepCount(), qint64(lines.size()));
    const QStringList listing = Pseudocode(algorithm.Name());
    for (int k = 1; k <= lines.size(); ++k) {
        algorithm.SeekTo(k, tree);
        QCOMPARE(int(steps.Step(k).line), lines[k - 1]);
        QVERIFY(lines[k - 1] <= listing.size());
        QCOMPARE(steps.Comparisons(), qint64(comparisons[k - 1]));
    }
    QCOMPARE(steps.Step(0).line, uint8_t(0));
}

// What a step of the largest tournament costs, recorded in full.
void TestTimeline::memoryPerStep()
{
    const int64_t count = 65535;
    PlainNodes tree = RandomTree(count, 3);
    TournamentAlgorithm algorithm(TournamentAlgorithm::Kind::Full, count, DepthOf(count), 0);
    algorithm.SeekTo(algorithm.Steps().StepCount(), tree);
    const double perStep = double(algorithm.Steps().MemoryBytes()) / double(algorithm.Steps().StepCount());
    qInfo("timeline: %.1f bytes a step", perStep);
    QVERIFY(perStep <= 32);
}

QTEST_APPLESS_MAIN(TestTimeline)
#include "tst_timeline.moc"
