// The model behind a view, driven without a widget: a merge is one run from
// its first tournament to its last pop, and any step of it, however reached,
// shows what playing there shows.

#include "model/StepPicture.h"
#include "model/TreeModel.h"
#include "model/WholeNumber.h"
#include "model/algorithms/merge/Merge.h"
#include "model/algorithms/second/Second.h"
#include "model/algorithms/segment/Segment.h"
#include "model/algorithms/tournament/Tournament.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>

namespace {

using Runs = WinnerMerge::Runs;

// Every value of the runs, the greatest first: what the merge outputs.
std::vector<int> Merged(const Runs &runs)
{
    std::vector<int> all;
    for (const auto &run : runs)
        all.insert(all.end(), run.begin(), run.end());
    std::sort(all.rbegin(), all.rend());
    return all;
}

Runs RandomRuns(int count, unsigned seed)
{
    std::mt19937 random(seed);
    Runs runs(static_cast<std::size_t>(count));
    for (auto &run : runs) {
        run.resize(std::size_t(1 + random() % 6));
        for (int &value : run)
            value = int(random() % 101) - 50;
        std::sort(run.rbegin(), run.rend());
    }
    return runs;
}

// Plays as the player does: to the step the outcome names, or to the end.
void Play(TreeModel &model, const Outcome &outcome)
{
    QVERIFY(!outcome.Failed());
    if (outcome.then == Outcome::Then::Nothing)
        return;
    const int64_t last = outcome.then == Outcome::Then::PlayTo ? outcome.target : model.StepCount();
    model.SetPlaying(true, last);
    while (model.Shown() < last && model.StepForward()) {
    }
    model.SetPlaying(false);
}

void StartMerge(TreeModel &model, const Runs &runs, bool loser)
{
    Play(model, model.Find<TournamentState>().SetLoser(loser));
    Play(model, model.Find<MergeState>().Start(runs));
}

const MergeAlgorithm &MergeRun(const TreeModel &model)
{
    return dynamic_cast<const MergeAlgorithm &>(*model.Run());
}

QList<qint64> Nodes(const TreeModel &model)
{
    QList<qint64> nodes;
    for (int64_t i = 0; i <= model.Count(); ++i)
        nodes << model.Value(i) << model.Mark(i);
    return nodes;
}

QList<qint64> Output(const TreeModel &model)
{
    const std::vector<int> output = model.Find<MergeState>().Output();
    return QList<qint64>(output.begin(), output.end());
}

QList<qint64> Expected(const std::vector<int> &merged, int64_t count)
{
    return QList<qint64>(merged.begin(), merged.begin() + count);
}

// All the model shows at the step shown: the tree, the listing's line,
// the runs' heads, the output and the counts.
QList<qint64> Picture(const TreeModel &model)
{
    QList<qint64> picture = Nodes(model) << model.Shown() << model.Line();
    const MergeState &merge = model.Find<MergeState>();
    for (int j = 0; j < merge.Runs().RunCount(); ++j)
        picture << merge.Consumed(j);
    return picture << Output(model) << model.Run()->Steps().Comparisons() << model.Run()->Steps().Moves();
}

// A segment tree as a textbook writes it: over positions lo..hi, split at
// the middle, recursive, with a pending add pushed down before a node's
// children are visited.
class TextbookSegmentTree {
public:
    TextbookSegmentTree(SegmentOp op, const std::vector<int64_t> &values)
        : m_op(op), m_n(int64_t(values.size())), m_value(4 * values.size()), m_tag(4 * values.size())
    {
        Build(1, 0, m_n - 1, values);
    }
    void Add(int64_t l, int64_t r, int64_t v) { Add(1, 0, m_n - 1, l, r, v); }
    void Set(int64_t p, int64_t v) { Set(1, 0, m_n - 1, p, v); }
    int64_t Query(int64_t l, int64_t r) { return Query(1, 0, m_n - 1, l, r); }

private:
    int64_t Join(int64_t a, int64_t b) const
    {
        return m_op == SegmentOp::Sum ? a + b : m_op == SegmentOp::Min ? std::min(a, b) : std::max(a, b);
    }
    int64_t Identity() const
    {
        return m_op == SegmentOp::Sum ? 0 : m_op == SegmentOp::Min ? INT64_MAX : INT64_MIN;
    }
    void Apply(std::size_t i, int64_t lo, int64_t hi, int64_t v)
    {
        m_value[i] += m_op == SegmentOp::Sum ? v * (hi - lo + 1) : v;
        m_tag[i] += v;
    }
    void Push(std::size_t i, int64_t lo, int64_t hi)
    {
        const int64_t mid = (lo + hi) / 2;
        Apply(2 * i, lo, mid, m_tag[i]);
        Apply(2 * i + 1, mid + 1, hi, m_tag[i]);
        m_tag[i] = 0;
    }
    void Build(std::size_t i, int64_t lo, int64_t hi, const std::vector<int64_t> &values)
    {
        if (lo == hi) {
            m_value[i] = values[std::size_t(lo)];
            return;
        }
        const int64_t mid = (lo + hi) / 2;
        Build(2 * i, lo, mid, values);
        Build(2 * i + 1, mid + 1, hi, values);
        m_value[i] = Join(m_value[2 * i], m_value[2 * i + 1]);
    }
    void Add(std::size_t i, int64_t lo, int64_t hi, int64_t l, int64_t r, int64_t v)
    {
        if (r < lo || hi < l)
            return;
        if (l <= lo && hi <= r)
            return Apply(i, lo, hi, v);
        Push(i, lo, hi);
        const int64_t mid = (lo + hi) / 2;
        Add(2 * i, lo, mid, l, r, v);
        Add(2 * i + 1, mid + 1, hi, l, r, v);
        m_value[i] = Join(m_value[2 * i], m_value[2 * i + 1]);
    }
    void Set(std::size_t i, int64_t lo, int64_t hi, int64_t p, int64_t v)
    {
        if (lo == hi) {
            m_value[i] = v;
            m_tag[i] = 0;
            return;
        }
        Push(i, lo, hi);
        const int64_t mid = (lo + hi) / 2;
        p <= mid ? Set(2 * i, lo, mid, p, v) : Set(2 * i + 1, mid + 1, hi, p, v);
        m_value[i] = Join(m_value[2 * i], m_value[2 * i + 1]);
    }
    int64_t Query(std::size_t i, int64_t lo, int64_t hi, int64_t l, int64_t r)
    {
        if (r < lo || hi < l)
            return Identity();
        if (l <= lo && hi <= r)
            return m_value[i];
        Push(i, lo, hi);
        const int64_t mid = (lo + hi) / 2;
        return Join(Query(2 * i, lo, mid, l, r), Query(2 * i + 1, mid + 1, hi, l, r));
    }

    SegmentOp m_op;
    int64_t m_n;
    std::vector<int64_t> m_value, m_tag;
};

// The nodes of m leaves that cover positions l..r, left to right, found
// bottom-up as the iterative segment tree finds them.
QList<qint64> CanonicalCover(int64_t m, int64_t l, int64_t r)
{
    QList<qint64> left, right;
    for (l += m, r += m + 1; l < r; l /= 2, r /= 2) {
        if (l & 1)
            left << l++;
        if (r & 1)
            right.prepend(--r);
    }
    return left << right;
}

// What a segment tree's run shows at the step shown: the nodes, the tags,
// the line and the counts.
QList<qint64> SegmentPicture(const TreeModel &model)
{
    QList<qint64> picture = Nodes(model) << model.Shown() << model.Line();
    for (const auto &[node, tag] : model.Find<SegmentState>().Tags())
        picture << node << tag;
    return picture << model.Run()->Steps().Comparisons() << model.Run()->Steps().Moves();
}

// What a winner tree's run shows after each of its steps, worked out
// apart from the model: each match paints its left child, its right child
// (a lone child none) and its node, each as its match left it; a box not
// yet painted shows what it held before the run.
std::vector<std::vector<NodeLook>> TournamentFrames(const std::vector<int> &before)
{
    const int64_t n = int64_t(before.size()) - 1;
    std::vector<NodeLook> now(before.size()), shown(before.size());
    for (std::size_t i = 1; i < before.size(); ++i)
        now[i] = shown[i] = {before[i], 0};
    std::vector<std::vector<NodeLook>> frames{shown};
    auto paint = [&](int64_t node) {
        shown[std::size_t(node)] = now[std::size_t(node)];
        frames.push_back(shown);
    };
    int depth = 0;
    while ((int64_t(1) << depth) <= n)
        ++depth;
    for (int level = depth - 1; level >= 1; --level) {
        for (int64_t node = int64_t(1) << (level - 1); node < (int64_t(1) << level) && 2 * node <= n; ++node) {
            NodeLook &left = now[std::size_t(2 * node)];
            const bool pair = 2 * node + 1 <= n;
            const bool leftWins = !pair || left.value > now[std::size_t(2 * node + 1)].value; // the right wins a tie
            left.mark = leftWins ? 1 : 2;
            if (pair)
                now[std::size_t(2 * node + 1)].mark = leftWins ? 2 : 1;
            now[std::size_t(node)] = {leftWins ? left.value : now[std::size_t(2 * node + 1)].value, 1};
            paint(2 * node);
            if (pair)
                paint(2 * node + 1);
            paint(node);
        }
    }
    return frames;
}

// Tells what it was told, and can detach itself when told of a step.
struct Listener : TreeModel::Observer {
    TreeModel *model = nullptr;
    bool leaveOnStep = false;
    QStringList heard;
    void TreeReplaced() override { heard << "replaced"; }
    void CountChanged(int64_t, int64_t) override { heard << "count"; }
    void TreeChanged() override { heard << "changed"; }
    void StepPlayed(int64_t step) override
    {
        heard << QString("step %1").arg(step);
        if (leaveOnStep)
            model->Detach(this);
    }
    void Sought(int64_t from, int64_t to) override { heard << QString("sought %1 %2").arg(from).arg(to); }
    void RunChanged() override { heard << "run"; }
    void QuestionChanged() override { heard << "question"; }
};

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void seekEqualsPlaying_data();
    void seekEqualsPlaying();
    void endedAndSwitched_data() { seekEqualsPlaying_data(); }
    void endedAndSwitched();
    void practice_data() { seekEqualsPlaying_data(); }
    void practice();
    void lines_data();
    void lines();
    void runnerUp_data();
    void runnerUp();
    void segmentTree_data();
    void segmentTree();
    void tournamentPicture_data();
    void tournamentPicture();
    void observers();
};

void TestModel::seekEqualsPlaying_data()
{
    QTest::addColumn<Runs>("runs");
    QTest::addColumn<bool>("loser");
    const std::pair<const char *, Runs> rows[] = {
        {"two runs", {{5, 3, 1}, {4, 2}}},
        {"three, with ties", {{9, 7, 4, 1}, {8, 8, 2}, {6, 5, 3}}},
        {"five, uneven", {{10}, {9, 9, 9, 9}, {20, 1}, {7, 6, 5, 4, 3, 2}, {-5, -6}}},
        {"seven at random", RandomRuns(7, 7)},
        {"sixteen at random", RandomRuns(16, 16)},
    };
    for (const auto &[name, runs] : rows) {
        QTest::addRow("%s, winner tree", name) << runs << false;
        QTest::addRow("%s, loser tree", name) << runs << true;
    }
}

// Stepping from step 0 to the end outputs the merge, each pop ending with
// the next value at the top; seeking anywhere, backwards or at random, and
// stepping back show what stepping there showed.
void TestModel::seekEqualsPlaying()
{
    QFETCH(Runs, runs);
    QFETCH(bool, loser);
    TreeModel model;
    StartMerge(model, runs, loser);
    const MergeAlgorithm &run = MergeRun(model);
    const std::vector<int> merged = Merged(runs);
    const auto lines = int(model.Run()->Lines().size());
    model.SeekTo(0);
    std::vector<QList<qint64>> pictures{Picture(model)};
    while (model.StepForward()) {
        const int64_t k = model.Shown(), pops = run.PopsBy(k);
        QVERIFY2(model.Line() >= 1 && model.Line() <= lines, qPrintable(QString::number(k)));
        QCOMPARE(Output(model), Expected(merged, pops));
        if (k >= run.TournamentSteps() && run.EndOfPop(k) == k && pops < int64_t(merged.size()))
            QCOMPARE(model.Value(loser ? 0 : 1), merged[std::size_t(pops)]);
        pictures.push_back(Picture(model));
    }
    QVERIFY(model.Find<MergeState>().Done());
    QCOMPARE(int64_t(pictures.size()) - 1, model.StepCount());

    for (int64_t k = model.StepCount(); k >= 0; --k) {
        model.SeekTo(k);
        QCOMPARE(Picture(model), pictures[std::size_t(k)]);
    }
    std::mt19937 random(uint32_t(runs.size()));
    for (int i = 0; i < 200; ++i) {
        const int64_t k = int64_t(random() % pictures.size());
        model.SeekTo(k);
        QCOMPARE(Picture(model), pictures[std::size_t(k)]);
    }
    model.SeekTo(model.StepCount());
    while (model.Shown() > 0) {
        model.StepBack();
        QCOMPARE(Picture(model), pictures[std::size_t(model.Shown())]);
    }
}

// A run ended in the middle of a pop, sought back to there, keeps the pops
// it showed; the next pop
// goes on from there, and so does the merge in the other kind of tree: it
// ends as a merge played whole in that kind ends.
void TestModel::endedAndSwitched()
{
    QFETCH(Runs, runs);
    QFETCH(bool, loser);
    const std::vector<int> merged = Merged(runs);
    TreeModel model;
    StartMerge(model, runs, loser);
    MergeState &merge = model.Find<MergeState>();
    Play(model, merge.Pop());
    const int64_t secondPopEnd = merge.Pop().target;
    Play(model, merge.PopAll());
    model.SeekTo(secondPopEnd - 1);
    const int64_t kept = MergeRun(model).PopsBy(model.Shown());
    QCOMPARE(kept, 2);
    model.EndRun();
    QCOMPARE(Output(model), Expected(merged, kept));

    Play(model, merge.Pop());
    QCOMPARE(Output(model), Expected(merged, std::min<int64_t>(kept + 1, int64_t(merged.size()))));
    Play(model, model.Find<TournamentState>().SetLoser(!loser));
    QVERIFY(merge.Active());
    Play(model, merge.PopAll());
    QCOMPARE(Output(model), Expected(merged, int64_t(merged.size())));

    TreeModel whole;
    StartMerge(whole, runs, !loser);
    Play(whole, whole.Find<MergeState>().PopAll());
    QCOMPARE(Nodes(model), Nodes(whole));
}

// Practising, every step that decides waits for its answer: a pop asks which
// leaf gives the next output, and the model's answer is a leaf holding it. A
// wrong answer is counted and the right step played; right answers play on.
void TestModel::practice()
{
    QFETCH(Runs, runs);
    QFETCH(bool, loser);
    const std::vector<int> merged = Merged(runs);
    TreeModel model;
    model.SetPractising(true);
    StartMerge(model, runs, loser);
    int64_t wrong = 0;
    for (int guard = 0; !model.AtEnd() && guard < 100000; ++guard) {
        const PracticeQuestion *question = model.Question();
        if (!question) {
            QVERIFY(model.StepForward() || model.Question());
            continue;
        }
        const int64_t pops = MergeRun(model).PopsBy(model.Shown());
        if (question->kind == &kPopQuestion) {
            QCOMPARE(model.Value(question->answer), merged[std::size_t(pops)]);
            const auto other = std::find_if(question->choices.begin(), question->choices.end(),
                                            [&](int64_t leaf) { return model.Value(leaf) < merged[std::size_t(pops)]; });
            if (wrong == 0 && other != question->choices.end()) {
                QCOMPARE(model.Answer(*other), TreeModel::AnswerResult::Wrong);
                QCOMPARE(Output(model), Expected(merged, pops + 1));
                ++wrong;
                continue;
            }
        }
        QCOMPARE(model.Answer(question->answer), TreeModel::AnswerResult::Right);
        model.StepForward();
    }
    QVERIFY(model.AtEnd());
    QCOMPARE(Output(model), Expected(merged, int64_t(merged.size())));
    QVERIFY(model.GetScore().asked > int64_t(merged.size()));
    QCOMPARE(model.GetScore().wrong, wrong);
    QCOMPARE(wrong, 1); // every row's first pop has a wrong choice
}

void TestModel::lines_data()
{
    QTest::addColumn<bool>("loser");
    QTest::addColumn<QList<int>>("lines");       // by step, from step 1
    QTest::addColumn<QList<int>>("comparisons"); // so far, by step
    // A winner tree's pop: output, next value, then the leaf's two matches
    // on the way up, three boxes each.
    QTest::newRow("winner tree") << false
                                 << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 4, 6, 6, 7, 6, 6, 7, 3, 4, 6, 6, 7, 6, 6, 7}
                                 << QList<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 7, 7, 7};
    // A loser tree's: output, next value, node 0 takes it, then at each
    // node on the way up a comparison, with a swap where the loser kept wins.
    QTest::newRow("loser tree") << true << QList<int>{1, 1, 1, 1, 3, 4, 5, 8, 7, 3, 4, 5, 8, 8}
                                << QList<int>{1, 2, 3, 3, 3, 3, 3, 4, 5, 5, 5, 5, 6, 7};
}

// The first tournament and the pops stand at their lines of one listing.
void TestModel::lines()
{
    QFETCH(bool, loser);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, comparisons);
    TreeModel model;
    StartMerge(model, {{8, 1}, {7}, {6}, {5}}, loser);
    model.SeekTo(0);
    for (int k = 1; k <= lines.size(); ++k) {
        model.SeekTo(k);
        QCOMPARE(model.Line(), lines[k - 1]);
        QCOMPARE(model.Run()->Steps().Comparisons(), qint64(comparisons[k - 1]));
    }
}

void TestModel::runnerUp_data()
{
    QTest::addColumn<int>("leaves");
    QTest::addColumn<unsigned>("seed");
    for (const int leaves : {2, 3, 5, 8, 13, 16, 33, 64})
        for (const unsigned seed : {1u, 2u, 3u})
            QTest::addRow("%d leaves, %u", leaves, seed) << leaves << seed;
}

// The runner-up equals the second of the leaves sorted, ties included;
// refused before the tournament's end and in a loser tree; the counts.
void TestModel::runnerUp()
{
    QFETCH(int, leaves);
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    std::vector<std::string> words;
    std::vector<int> values;
    for (int j = 0; j < leaves; ++j) {
        values.push_back(int(random() % unsigned(leaves / 2 + 1))); // ties often
        words.push_back(std::to_string(values.back()));
    }
    TreeModel model;
    model.NewTree(2 * leaves - 1);
    QVERIFY(!model.Find<TournamentState>().SetLeaves(words).Failed());
    SecondState &second = model.Find<SecondState>();
    QVERIFY(second.Start().Failed());
    model.Load(model.DefaultRun());
    Play(model, Outcome::Play());
    QVERIFY(!model.Find<TournamentState>().SetLoser(true).Failed());
    Play(model, Outcome::Play());
    QVERIFY(second.Start().Failed());
    Play(model, model.Find<TournamentState>().SetLoser(false));
    Play(model, second.Start());
    const auto &run = dynamic_cast<const SecondBestAlgorithm &>(*model.Run());
    std::sort(values.rbegin(), values.rend());
    QCOMPARE(model.Value(run.Found()), values[1]);
    const int64_t candidates = int64_t(run.Candidates().size());
    QCOMPARE(run.Steps().Comparisons(), leaves - 1 + candidates - 1);
    if ((leaves & (leaves - 1)) == 0)
        QCOMPARE(candidates, int64_t(std::log2(leaves)));
}

void TestModel::segmentTree_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("low");
    for (const int op : {0, 1, 2})
        for (const int n : {1, 2, 7, 8, 13, 100})
            QTest::addRow("%s, %d values", std::vector<const char *>{"sum", "min", "max"}[std::size_t(op)], n) << op << n << -50;
    // Sums past what a label holds as it is.
    QTest::addRow("sum, 16384 values near the greatest") << 0 << 16384 << kMaxNodeValue - 9;
}

// Random sets, adds and queries against the textbook's tree and the array
// itself: every query's result, the nodes it takes (the range's canonical
// cover), the positions with their tags applied, the refusals; and any step
// of an operation, reached by stepping back or seeking, shows what playing
// there showed.
void TestModel::segmentTree()
{
    QFETCH(int, op);
    QFETCH(int, n);
    QFETCH(int, low);
    std::mt19937 random(uint32_t(n * 3 + op));
    auto between = [&](int64_t a, int64_t b) { return a + int64_t(random() % uint64_t(b - a + 1)); };
    std::vector<int> values(std::size_t(n), 0);
    for (int &value : values)
        value = int(between(low, std::min(low + 99, kMaxNodeValue)));
    std::vector<int64_t> array(values.begin(), values.end());
    TextbookSegmentTree textbook(SegmentOp(op), array);
    TreeModel model;
    SegmentState &segment = model.Find<SegmentState>();
    QVERIFY(segment.Start(SegmentAlgorithm::Kind::Query, {0, 0, 0}).Failed());
    Play(model, segment.Build(SegmentOp(op), values));
    const int64_t m = segment.Shape().leaves;
    using Kind = SegmentAlgorithm::Kind;
    for (int i = 0; i < 40; ++i) {
        const auto kind = Kind(1 + random() % 3);
        int64_t l = between(0, n - 1), r = between(0, n - 1);
        if (i % 10 == 0) // the whole range
            l = 0, r = n - 1;
        const int v = int(between(-9, 9));
        if (kind == Kind::Set)
            r = l;
        QVERIFY(segment.Start(kind, {std::max(l, r), std::min(l, r) - 1, v}).Failed() || l == r || n == 1);
        QVERIFY(segment.Start(kind, {l, n, v}).Failed());
        if (l > r)
            std::swap(l, r);
        const bool outOfRange = kind == Kind::Add && std::any_of(array.begin() + l, array.begin() + r + 1, [&](int64_t x) {
                                    return std::abs(x + v) > kMaxNodeValue;
                                });
        const Outcome outcome = segment.Start(kind, {l, r, v});
        QCOMPARE(outcome.Failed(), outOfRange);
        if (outOfRange)
            continue;
        if (i % 7 == 3 && kind != Kind::Query) { // ended half-way: played to its end first
            model.StepForward();
            model.EndRun();
        } else {
            Play(model, outcome);
        }
        if (kind == Kind::Set) {
            textbook.Set(l, v);
            array[std::size_t(l)] = v;
        } else if (kind == Kind::Add) {
            textbook.Add(l, r, v);
            for (int64_t p = l; p <= r; ++p)
                array[std::size_t(p)] += v;
        } else {
            const auto &run = dynamic_cast<const SegmentAlgorithm &>(*model.Run());
            const int64_t expected = textbook.Query(l, r);
            const auto first = array.begin() + l, last = array.begin() + r + 1;
            QCOMPARE(expected, op == 0 ? std::accumulate(first, last, int64_t(0))
                                : op == 1 ? *std::min_element(first, last) : *std::max_element(first, last));
            QCOMPARE(run.Result().value_or(INT64_MIN), expected);
            const std::vector<int64_t> taken = run.Taken(model.Shown());
            QCOMPARE(QList<qint64>(taken.begin(), taken.end()), CanonicalCover(m, l, r));
        }
        QCOMPARE(segment.Array(), array);
        if (n > 100 || !model.Run())
            continue;
        const int64_t end = model.StepCount();
        std::vector<QList<qint64>> pictures;
        for (model.SeekTo(0); pictures.push_back(SegmentPicture(model)), model.StepForward();) {
        }
        QCOMPARE(int64_t(pictures.size()) - 1, end);
        for (const int64_t k : {end / 2, int64_t(0), end - 1, end}) {
            model.SeekTo(k);
            QCOMPARE(SegmentPicture(model), pictures[std::size_t(std::max<int64_t>(k, 0))]);
        }
        while (model.Shown() > 0) {
            model.StepBack();
            QCOMPARE(SegmentPicture(model), pictures[std::size_t(model.Shown())]);
        }
        model.SeekTo(end);
    }
    // Practice asks before each node a query visits how its positions lie
    // against the range: 1 inside, 2 partly, 3 outside.
    const int64_t l = n > 2 ? 1 : 0, r = std::max<int64_t>(0, n - 2);
    model.SetPractising(true);
    QVERIFY(!segment.Start(Kind::Query, {l, r, 0}).Failed());
    int64_t asked = 0;
    while (!model.AtEnd()) {
        if (const PracticeQuestion *question = model.Question()) {
            const int level = int(std::log2(question->node)), span = int(m >> level);
            const int64_t first = (question->node - (int64_t(1) << level)) * span, last = first + span - 1;
            const int64_t cover = last < l || first > r ? 3 : first >= l && last <= r ? 1 : 2;
            QCOMPARE(question->answer, cover);
            QCOMPARE(model.Answer(cover), TreeModel::AnswerResult::Right);
            ++asked;
        }
        model.StepForward();
    }
    QCOMPARE(asked, int64_t(dynamic_cast<const SegmentAlgorithm &>(*model.Run()).Visited(model.Shown()).size()));
    if (low > 0) // the root holds the sum of the array, past 2^30
        QCOMPARE(QString::fromStdString(model.Text(model.Value(1))),
                 QString::number(std::accumulate(array.begin(), array.end(), int64_t(0))));
}

void TestModel::tournamentPicture_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("spread");
    for (const int count : {2, 3, 7, 12, 15, 16, 31})
        for (const int spread : {3, 100}) // a narrow spread makes ties
            QTest::addRow("%d nodes, values 0..%d", count, spread) << count << spread;
}

// The picture at every step, reached by playing and by seeking, equals the
// frames worked out apart.
void TestModel::tournamentPicture()
{
    QFETCH(int, count);
    QFETCH(int, spread);
    std::mt19937 random(unsigned(count * 101 + spread));
    TreeModel model;
    model.NewTree(count);
    std::vector<std::string> words;
    std::vector<int> before(std::size_t(count) + 1, NodeStates::kNoLabel);
    for (int leaf = count / 2 + 1; leaf <= count; ++leaf) {
        before[std::size_t(leaf)] = int(random() % unsigned(spread + 1));
        words.push_back(std::to_string(before[std::size_t(leaf)]));
    }
    QVERIFY(!model.Find<TournamentState>().SetLeaves(words).Failed());
    model.Load(model.DefaultRun());
    const std::vector<std::vector<NodeLook>> frames = TournamentFrames(before);
    QCOMPARE(model.StepCount(), int64_t(frames.size()) - 1);
    auto compare = [&](int64_t step) {
        const StepPicture picture(model);
        QVERIFY(picture.Pointed().empty());
        for (int64_t i = 1; i <= count; ++i) {
            const NodeLook look = picture.Look(i), expected = frames[std::size_t(step)][std::size_t(i)];
            if (look != expected)
                QFAIL(qPrintable(QString("step %1, node %2: %3/%4, not %5/%6").arg(step).arg(i).arg(look.value)
                                     .arg(look.mark).arg(expected.value).arg(expected.mark)));
        }
    };
    for (int64_t step = 0; step <= model.StepCount(); step += 1, model.StepForward())
        compare(step);
    for (int64_t step = model.StepCount(); step >= 0; step -= 3) {
        model.SeekTo(step);
        compare(step);
    }
}

// Every observer attached hears every change, in the order attached; one
// that leaves while told keeps no other from hearing; a quiet reader tells
// none.
void TestModel::observers()
{
    TreeModel model;
    Listener first, second;
    first.model = second.model = &model;
    model.Attach(&first);
    model.Attach(&second);
    model.Attach(&first); // once is enough
    model.NewTree(7);
    QVERIFY(!model.Find<TournamentState>().SetLeaves({"1", "2", "3", "4"}).Failed());
    first.leaveOnStep = true;
    model.Load(model.DefaultRun());
    model.StepForward();
    model.StepForward();
    {
        const TreeModel::Quiet quiet(model);
        model.SeekTo(5);
        model.SeekTo(2);
    }
    model.StepBack();
    const QStringList start{"replaced", "run", "changed", "run"};
    QCOMPARE(first.heard, start + QStringList("step 1"));
    QCOMPARE(second.heard, start + QStringList({"step 1", "step 2", "sought 2 1"}));
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
