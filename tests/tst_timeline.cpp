// Runs as timelines, without any widget: seeking from any step to any other
// reaches the state and counts that playing step by step reaches, and each
// step stands at its pseudocode line.
#include "model/algorithms/heap/HeapAlgorithm.h"
#include "model/algorithms/tournament/LoserAlgorithm.h"
#include "model/algorithms/replacement/ReplacementAlgorithm.h"
#include "model/algorithms/tournament/TournamentAlgorithm.h"

#include <QRandomGenerator>
#include <QTest>

// A tree's labels as values and its marks, in plain arrays.
struct PlainNodes : NodeStates {
    std::vector<int> values, marks;
    int Value(int64_t node) const override { return values[std::size_t(node)]; }
    int Mark(int64_t node) const override { return marks[std::size_t(node)]; }
    void SetValue(int64_t node, int value) override { values[std::size_t(node)] = value; }
    void SetMark(int64_t node, int mark) override { marks[std::size_t(node)] = mark; }
    int64_t Count() const override { return int64_t(values.size()) - 1; }
    void SetCount(int64_t count) override
    {
        values.resize(std::size_t(count) + 1, kNoLabel);
        marks.resize(std::size_t(count) + 1, 0);
    }
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
    void countsKeptApart_data();
    void countsKeptApart();
    void heaps_data();
    void heaps();
    void heapOperations_data();
    void heapOperations();
    void loserTree_data();
    void loserTree();
    void replacement_data();
    void replacement();
    void replacementRunsNear2P();
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
    const auto &run = dynamic_cast<const TournamentRun &>(*algorithm.Boxes(1).boxes);
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
    const Listing &listing = algorithm.Lines();
    for (int k = 1; k <= lines.size(); ++k) {
        algorithm.SeekTo(k, tree);
        QCOMPARE(int(steps.Step(k).line), lines[k - 1]);
        QVERIFY(lines[k - 1] <= int(listing.size()));
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

namespace {

using Counts = std::vector<std::pair<int64_t, int64_t>>;

// A run whose steps count the comparisons and moves of a table in turn,
// each step's in two parts.
class CountingRun : public RunAlgorithm {
public:
    CountingRun(Counts counts, int64_t steps) : m_counts(std::move(counts)) { m_timeline.Plan(steps, steps); }
    const char *Name() const override { return "counting"; }
    Message Narration(const NodeStates &) const override { return {}; }
    const Listing &Lines() const override
    {
        static const Listing none;
        return none;
    }

private:
    void RecordStep(Timeline::Writer &writer) override
    {
        const auto [comparisons, moves] = m_counts[std::size_t(m_timeline.Recorded()) % m_counts.size()];
        writer.BeginStep(1, 1);
        writer.Count(comparisons / 2, moves / 2);
        writer.Count(comparisons - comparisons / 2, moves - moves / 2);
    }
    Counts m_counts;
};

} // namespace

void TestTimeline::countsKeptApart_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::newRow("small") << Counts{{1, 1}, {0, 2}, {3, 0}};
    QTest::newRow("about fifteen") << Counts{{14, 14}, {15, 0}, {0, 15}, {7, 8}, {1, 16}, {16, 16}};
    QTest::newRow("many at once") << Counts{{1, 1}, {70000, 3}, {0, 0}, {int64_t(1) << 40, 1 << 20}};
    QTest::newRow("every step apart") << Counts{{100, 1000}};
}

// A step's counts, however large, are its own, and the totals at any step
// sought are the sums of the steps before, across the blocks of totals kept.
void TestTimeline::countsKeptApart()
{
    QFETCH(Counts, counts);
    const int64_t steps = 10000;
    CountingRun run(counts, steps);
    PlainNodes tree;
    tree.SetCount(1);
    Counts totals{{0, 0}};
    for (int64_t k = 1; k <= steps; ++k) {
        const auto [comparisons, moves] = counts[std::size_t(k - 1) % counts.size()];
        totals.push_back({totals.back().first + comparisons, totals.back().second + moves});
    }
    QRandomGenerator random(11);
    for (int i = 0; i < 300; ++i) {
        const int64_t k = i == 0 ? steps : random.bounded(int(steps) + 1);
        run.SeekTo(k, tree);
        QCOMPARE(run.Steps().Comparisons(), totals[std::size_t(k)].first);
        QCOMPARE(run.Steps().Moves(), totals[std::size_t(k)].second);
        if (k > 0) {
            QCOMPARE(run.Steps().ComparisonsOf(k), totals[std::size_t(k)].first - totals[std::size_t(k) - 1].first);
            QCOMPARE(run.Steps().MovesOf(k), totals[std::size_t(k)].second - totals[std::size_t(k) - 1].second);
        }
    }
}

namespace {

// The textbook's heap operations on plain values (index 0 unused), counting
// comparisons and swaps.
struct ReferenceHeap {
    std::vector<int> v;
    bool min;
    int64_t comparisons = 0, swaps = 0, extractions = 0; // a heapsort's swaps of the root with the end
    int64_t writes = 0; // values written alone
    int out = NodeStates::kNoLabel;
    bool Above(int64_t a, int64_t b) const { return min ? v[std::size_t(a)] < v[std::size_t(b)] : v[std::size_t(a)] > v[std::size_t(b)]; }
    void Swap(int64_t a, int64_t b) { std::swap(v[std::size_t(a)], v[std::size_t(b)]); }
    void SiftDown(int64_t i, int64_t n)
    {
        for (int64_t best = i;; i = best) {
            for (const int64_t child : {2 * i, 2 * i + 1})
                if (child <= n && (++comparisons, Above(child, best)))
                    best = child;
            if (best == i)
                return;
            Swap(i, best), ++swaps;
        }
    }
    bool SiftUp(int64_t i)
    {
        const int64_t before = swaps;
        for (; i > 1 && (++comparisons, Above(i, i / 2)); i /= 2)
            Swap(i, i / 2), ++swaps;
        return swaps > before;
    }
    // The heap is v[1..n], or empty when n = 1 and v[1] is empty.
    void Operate(HeapAlgorithm::Kind kind, int64_t size, HeapOperand operand)
    {
        using Kind = HeapAlgorithm::Kind;
        const int64_t i = operand.node;
        if (kind == Kind::Insert) {
            if (size > 0)
                v.push_back(0);
            v[std::size_t(size + 1)] = operand.value, ++writes;
            SiftUp(size + 1);
            return;
        }
        if (kind == Kind::Key) {
            v[std::size_t(i)] = operand.value, ++writes;
            if (!SiftUp(i))
                SiftDown(i, size);
            return;
        }
        const int64_t at = kind == Kind::Extract ? 1 : i;
        out = kind == Kind::Extract ? v[1] : out;
        if (size == 1) {
            v[1] = NodeStates::kNoLabel;
            return;
        }
        if (at < size)
            v[std::size_t(at)] = v.back(), ++writes;
        v.pop_back();
        if (at < size && !(kind == Kind::Delete && SiftUp(at)))
            SiftDown(at, size - 1);
    }
    void Run(HeapAlgorithm::Kind kind)
    {
        const int64_t n = int64_t(v.size()) - 1;
        if (kind == HeapAlgorithm::Kind::BuildByInsert) {
            for (int64_t i = 2; i <= n; ++i)
                SiftUp(i);
            return;
        }
        for (int64_t i = n / 2; i >= 1; --i)
            SiftDown(i, n);
        if (kind == HeapAlgorithm::Kind::Sort) {
            for (int64_t e = n; e >= 2; --e, ++extractions)
                Swap(1, e), SiftDown(1, e - 1);
        }
    }
};

} // namespace

void TestTimeline::heaps_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("min");
    QTest::addColumn<QList<int>>("values");
    QList<int> random;
    QRandomGenerator generator(11);
    for (int i = 0; i < 40; ++i)
        random << generator.bounded(-20, 21);
    const QList<QPair<const char *, QList<int>>> sets = {
        {"ascending", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {"descending", {9, 8, 7, 6, 5, 4, 3, 2}},
        {"ties", {3, 3, 1, 3, 2, 2, 3}}, {"one", {4}}, {"random", random}};
    const char *const kinds[] = {"build", "build-by-insert", "sort"};
    for (int kind = 0; kind < 3; ++kind)
        for (const bool min : {false, true})
            for (const auto &[name, values] : sets)
                QTest::addRow("%s, %s, %s", kinds[kind], min ? "min" : "max", name) << kind << min << values;
}

void TestTimeline::heaps()
{
    QFETCH(int, kind);
    QFETCH(bool, min);
    QFETCH(QList<int>, values);
    const int64_t n = values.size();
    PlainNodes tree;
    tree.values.assign(1, 0);
    tree.values.insert(tree.values.end(), values.begin(), values.end());
    tree.marks.assign(std::size_t(n) + 1, 0);
    const PlainNodes before = tree;
    ReferenceHeap reference{tree.values, min};
    reference.Run(HeapAlgorithm::Kind(kind));
    HeapAlgorithm heap(HeapAlgorithm::Kind(kind), min, tree, n);
    QVERIFY(tree == before); // recorded on a copy
    const bool sorted = kind == int(HeapAlgorithm::Kind::Sort);
    // A heapsort of one node has one step, marking it sorted.
    QCOMPARE(heap.Steps().StepCount(), reference.comparisons + reference.swaps + reference.extractions + (sorted && n == 1));
    heap.SeekTo(heap.Steps().StepCount(), tree);
    QCOMPARE(tree.values, reference.v);
    QCOMPARE(heap.Steps().Comparisons(), reference.comparisons);
    QCOMPARE(heap.Steps().Moves(), 2 * (reference.swaps + reference.extractions));
    QCOMPARE(HeapAlgorithm::FirstViolation(tree, sorted ? 0 : n, min), int64_t(0));
    for (int64_t i = 1; i <= n; ++i)
        QCOMPARE(tree.marks[std::size_t(i)], sorted ? int(kMarkSettled) : 0);
    // The middle sought from the end (from a picture of the values where
    // one pays) shows what stepping there one by one shows.
    const int64_t middle = heap.Steps().StepCount() / 2;
    heap.SeekTo(middle, tree);
    PlainNodes stepped = before;
    HeapAlgorithm stepping(HeapAlgorithm::Kind(kind), min, before, n);
    for (int64_t k = 1; k <= middle; ++k)
        stepping.SeekTo(k, stepped);
    QVERIFY(tree == stepped);
    QCOMPARE(heap.Steps().Comparisons(), stepping.Steps().Comparisons());
    QCOMPARE(heap.Steps().Moves(), stepping.Steps().Moves());
    heap.SeekTo(0, tree);
    QVERIFY(tree == before);
}

// Each operation on a heap the reference built, with the value or node it
// takes: the values, tree size, counts and steps it ends with, and the way
// back to the heap it started from.
void TestTimeline::heapOperations_data()
{
    using Kind = HeapAlgorithm::Kind;
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("min");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<qint64>("node"); // 0: the last node
    QTest::addColumn<int>("value");
    QList<int> random;
    QRandomGenerator generator(5);
    for (int i = 0; i < 30; ++i)
        random << generator.bounded(-20, 21);
    const QList<QPair<const char *, QList<int>>> sets = {
        {"ascending", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {"ties", {3, 3, 1, 3, 2, 2, 3}}, {"one", {4}},
        {"empty", {}}, {"random", random}};
    const struct {
        const char *name;
        Kind kind;
        qint64 node;
        int value;
    } operations[] = {{"insert 5", Kind::Insert, 0, 5},     {"insert 99", Kind::Insert, 0, 99},
                      {"insert -99", Kind::Insert, 0, -99}, {"extract", Kind::Extract, 0, 0},
                      {"key 1 to -99", Kind::Key, 1, -99},  {"key last to 99", Kind::Key, 0, 99},
                      {"key 1 to 3", Kind::Key, 1, 3},      {"delete 1", Kind::Delete, 1, 0},
                      {"delete last", Kind::Delete, 0, 0},  {"delete 3", Kind::Delete, 3, 0}};
    for (const auto &operation : operations)
        for (const bool min : {false, true})
            for (const auto &[name, values] : sets)
                if (values.size() >= std::max<qint64>(operation.node, operation.kind != Kind::Insert))
                    QTest::addRow("%s, %s, %s", operation.name, min ? "min" : "max", name)
                        << int(operation.kind) << min << values << operation.node << operation.value;
}

void TestTimeline::heapOperations()
{
    QFETCH(int, kind);
    QFETCH(bool, min);
    QFETCH(QList<int>, values);
    QFETCH(qint64, node);
    QFETCH(int, value);
    const int64_t n = values.size();
    ReferenceHeap reference{{0}, min};
    reference.v.insert(reference.v.end(), values.begin(), values.end());
    reference.Run(HeapAlgorithm::Kind::Build);
    if (n == 0)
        reference.v.push_back(NodeStates::kNoLabel);
    PlainNodes tree;
    tree.values = reference.v;
    tree.marks.assign(tree.values.size(), 0);
    const PlainNodes before = tree;
    reference = {reference.v, min};
    const HeapOperand operand{node ? node : n, value};
    reference.Operate(HeapAlgorithm::Kind(kind), n, operand);
    HeapAlgorithm heap(HeapAlgorithm::Kind(kind), min, tree, n, operand);
    QVERIFY(tree == before);
    QCOMPARE(heap.Steps().StepCount(), 1 + reference.comparisons + reference.swaps);
    heap.SeekTo(heap.Steps().StepCount(), tree);
    QCOMPARE(tree.values, reference.v);
    QCOMPARE(heap.Steps().Comparisons(), reference.comparisons);
    QCOMPARE(heap.Steps().Moves(), 2 * reference.swaps + reference.writes);
    const int64_t size = tree.Count() == 1 && tree.values[1] == NodeStates::kNoLabel ? 0 : tree.Count();
    QCOMPARE(HeapAlgorithm::FirstViolation(tree, size, min), int64_t(0));
    int out = NodeStates::kNoLabel;
    QCOMPARE(heap.Extracted(&out), kind == int(HeapAlgorithm::Kind::Extract));
    QCOMPARE(out, reference.out);
    heap.SeekTo(1, tree);
    heap.SeekTo(0, tree);
    QVERIFY(tree == before);
}

QTEST_APPLESS_MAIN(TestTimeline)
#include "tst_timeline.moc"

namespace {

// The loser tree written from its definition: every node with two children
// keeps the loser of the match between its subtrees' winners (the greater
// wins, the right one on a tie), node 0 the overall winner; returns the
// winning leaf.
int64_t LoserReference(const PlainNodes &leaves, PlainNodes *tree)
{
    const int64_t count = leaves.Count();
    *tree = leaves;
    std::function<int64_t(int64_t)> winner = [&](int64_t i) -> int64_t {
        auto value = [&](int64_t leaf) { return tree->values[std::size_t(leaf)] == NodeStates::kNoLabel ? 0 : tree->values[std::size_t(leaf)]; };
        if (2 * i > count) {
            tree->marks[std::size_t(i)] = 0;
            return i;
        }
        const int64_t a = winner(2 * i), b = 2 * i + 1 <= count ? winner(2 * i + 1) : 0;
        const bool leftWins = b == 0 || value(a) > value(b);
        tree->values[std::size_t(i)] = b == 0 ? NodeStates::kNoLabel : value(leftWins ? b : a);
        tree->marks[std::size_t(i)] = b == 0 ? 0 : kMarkHeld;
        return leftWins ? a : b;
    };
    const int64_t top = winner(1);
    tree->values[0] = tree->values[std::size_t(top)] == NodeStates::kNoLabel ? 0 : tree->values[std::size_t(top)];
    tree->marks[0] = 1;
    return top;
}

} // namespace

void TestTimeline::loserTree_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("high"); // leaves from -high to high: small ranges tie often
    QTest::addColumn<bool>("merge");
    for (const int count : {1, 2, 3, 6, 7, 12, 15, 16, 31, 100})
        for (const int high : {1, 50})
            QTest::addRow("%d nodes, values to %d", count, high) << count << high << false;
    for (const int runs : {2, 3, 5, 8, 13})
        QTest::addRow("merge of %d runs", runs) << 2 * runs - 1 << 3 << true;
}

// A full tournament, then the winner's leaf changed again and again, each
// played along its path (as a merge pops, when merging): every time the tree
// equals the tournament written from the definition.
void TestTimeline::loserTree()
{
    QFETCH(int, count);
    QFETCH(int, high);
    QFETCH(bool, merge);
    QRandomGenerator random(quint32(count * 100 + high));
    PlainNodes tree = RandomTree(count, quint32(count)), expected;
    for (int64_t i = count / 2 + 1; i <= count; ++i)
        tree.values[std::size_t(i)] = random.bounded(-high, high + 1);
    LoserAlgorithm full(LoserAlgorithm::Kind::Full, count, DepthOf(count), 0);
    full.SeekTo(full.Steps().StepCount(), tree);
    int64_t top = LoserReference(tree, &expected);
    QVERIFY(tree == expected);
    QCOMPARE(full.Steps().Comparisons(), qint64((count - 1) / 2));
    std::vector<int> output;
    for (int pop = 0; pop < 3 * count; ++pop) {
        output.push_back(tree.values[0]);
        int &leaf = tree.values[std::size_t(top)];
        leaf = merge ? (leaf == NodeStates::kLeast ? leaf : random.bounded(2) ? leaf : NodeStates::kLeast)
                     : random.bounded(-high, high + 1);
        LoserAlgorithm path(LoserAlgorithm::Kind::Path, count, DepthOf(count), top);
        path.SeekTo(path.Steps().StepCount(), tree);
        top = LoserReference(tree, &expected);
        QVERIFY2(tree == expected, qPrintable(QStringLiteral("after pop %1").arg(pop)));
        QVERIFY(path.Steps().Comparisons() <= DepthOf(count) - 1);
        path.SeekTo(0, tree);
        path.SeekTo(path.Steps().StepCount(), tree);
        QVERIFY(tree == expected);
    }
    // A merge of runs that repeat their heads gives out each run's values
    // from the greatest down.
    if (merge)
        QVERIFY(std::is_sorted(output.begin(), output.end(), std::greater<int>()));
}

namespace {

// Replacement selection as the textbook states it, on a plain list of
// records (run, value) in memory.
std::vector<std::vector<int>> ReferenceRuns(int memory, const std::vector<int> &input)
{
    std::vector<std::pair<int, int>> held;
    std::size_t next = 0;
    for (; next < input.size() && held.size() < std::size_t(memory); ++next)
        held.push_back({1, input[next]});
    std::vector<std::vector<int>> runs;
    while (!held.empty()) {
        const auto winner = std::min_element(held.begin(), held.end(), [](auto a, auto b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        if (std::size_t(winner->first) > runs.size())
            runs.emplace_back();
        const int written = winner->second;
        runs.back().push_back(written);
        if (next < input.size()) {
            const int x = input[next++];
            *winner = {x <= written ? winner->first : winner->first + 1, x};
        } else {
            held.erase(winner);
        }
    }
    return runs;
}

} // namespace

void TestTimeline::replacement_data()
{
    QTest::addColumn<int>("memory");
    QTest::addColumn<QList<int>>("input");
    QList<int> ascending, descending, random, ties;
    QRandomGenerator generator(5);
    for (int i = 0; i < 40; ++i) {
        ascending << i;
        descending << -i;
        random << generator.bounded(-50, 51);
        ties << generator.bounded(3);
    }
    for (const int memory : {2, 3, 5, 8}) {
        QTest::addRow("ascending, P = %d", memory) << memory << ascending;
        QTest::addRow("descending, P = %d", memory) << memory << descending;
        QTest::addRow("random, P = %d", memory) << memory << random;
        QTest::addRow("ties, P = %d", memory) << memory << ties;
    }
    QTest::newRow("fewer values than P") << 8 << QList<int>{4, 9, 1};
    QTest::newRow("one value") << 2 << QList<int>{7};
}

// Both kinds of tree make the textbook's runs; at the end the tree is empty,
// and stepping back from the end and forward again reaches the same trees.
void TestTimeline::replacement()
{
    QFETCH(int, memory);
    QFETCH(QList<int>, input);
    const std::vector<int> values(input.begin(), input.end());
    for (const bool loser : {false, true}) {
        ReplacementAlgorithm algorithm(memory, values, loser);
        QCOMPARE(algorithm.Record()->Runs(), ReferenceRuns(memory, values));
        PlainNodes tree;
        tree.SetCount(algorithm.NodeCount());
        const int64_t steps = algorithm.Steps().StepCount();
        algorithm.SeekTo(steps, tree);
        QVERIFY(std::all_of(tree.values.begin(), tree.values.end(), [](int v) { return v == NodeStates::kNoLabel; }));
        algorithm.SeekTo(steps / 2, tree);
        const PlainNodes middle = tree;
        algorithm.SeekTo(0, tree);
        for (int64_t k = 1; k <= steps / 2; ++k)
            algorithm.SeekTo(k, tree);
        QVERIFY(tree == middle);
        QCOMPARE(algorithm.Record()->ReadBy(steps), qint64(values.size()));
    }
}

// On random input the runs average about twice the memory.
void TestTimeline::replacementRunsNear2P()
{
    QRandomGenerator generator(11);
    std::vector<int> input(50000);
    for (int &value : input)
        value = generator.bounded(-99999, 100000);
    const ReplacementAlgorithm algorithm(64, input, true);
    const double average = double(input.size()) / double(algorithm.Record()->Runs().size());
    qInfo("average run %.1f for P = 64", average);
    QVERIFY(average > 1.8 * 64 && average < 2.2 * 64);
}
