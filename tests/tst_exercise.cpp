// Exercises driven without a widget: the model answer's actions done in
// order end right and leave the tree as the run played to its end; a wrong
// action is counted and not applied; the seed makes the same instance; the
// generator finds the cases worth solving; grading at the end counts the
// actions up to the first off the model answer.

#include "model/TreeGeometry.h"
#include "model/TreeModel.h"
#include "model/algorithms/Table.h"
#include "model/algorithms/heap/Heap.h"
#include "model/algorithms/tournament/Tournament.h"
#include "model/exercise/ExerciseState.h"

#include <QtTest>

#include <utility>

namespace {

// Textbook heaps, apart from the program: CLRS's MAX-HEAPIFY (the left
// child first, a tie keeps the parent or the left child), a bottom-up build
// that sifts each level's nodes from the left (the program goes from the
// right), and a heapsort that always swaps the root with the last.
struct TextbookHeap {
    std::vector<int> a; // a[1..n]
    bool min;
    std::vector<std::pair<int64_t, int64_t>> swaps;
    bool Above(int x, int y) const { return min ? x < y : x > y; }
    void SiftDown(int64_t i, int64_t n)
    {
        for (;;) {
            int64_t best = i;
            if (2 * i <= n && Above(a[std::size_t(2 * i)], a[std::size_t(best)]))
                best = 2 * i;
            if (2 * i + 1 <= n && Above(a[std::size_t(2 * i + 1)], a[std::size_t(best)]))
                best = 2 * i + 1;
            if (best == i)
                return;
            Swap(i, best);
            i = best;
        }
    }
    void Swap(int64_t i, int64_t j)
    {
        std::swap(a[std::size_t(i)], a[std::size_t(j)]);
        swaps.emplace_back(i, j);
    }
    void Build(int64_t n)
    {
        for (int64_t level = TreeGeometry::LevelOf(std::max<int64_t>(1, n / 2)); level >= 1; --level)
            for (int64_t i = int64_t(1) << (level - 1); i < int64_t(1) << level && i <= n / 2; ++i)
                SiftDown(i, n);
    }
    void Sort(int64_t n)
    {
        Build(n);
        for (int64_t e = n; e >= 2; --e) {
            Swap(1, e);
            SiftDown(1, e - 1);
        }
    }
    void SiftUp(int64_t i)
    {
        for (; i > 1 && Above(a[std::size_t(i)], a[std::size_t(i / 2)]); i /= 2)
            Swap(i / 2, i);
    }
    // The program's steps apart, the learner's swaps; the nodes the
    // exercise ends with.
    int64_t Do(const QString &name, int64_t n)
    {
        if (name == "heap-build")
            Build(n);
        else if (name == "heap-sort")
            Sort(n);
        else if (name == "heap-build-by-insert")
            for (int64_t i = 2; i <= n; ++i)
                SiftUp(i);
        else if (name == "heap-insert")
            SiftUp(n);
        else {
            a[1] = a[std::size_t(n)];
            SiftDown(1, --n);
        }
        return n;
    }
};

// A textbook knock-out: the greater value wins, the right one on a tie; a
// node's match is played once its children are decided, from the last
// node back to the root. Either kind of tree sends up the same winners.
std::vector<int64_t> TextbookWinners(const QList<int> &leaves)
{
    const int64_t n = leaves.size();
    std::vector<int> best(std::size_t(2 * n));
    std::vector<int64_t> promoted;
    for (int64_t i = 0; i < n; ++i)
        best[std::size_t(n + i)] = leaves[int(i)];
    for (int64_t i = n - 1; i >= 1; --i) {
        const int64_t winner = best[std::size_t(2 * i)] > best[std::size_t(2 * i + 1)] ? 2 * i : 2 * i + 1;
        best[std::size_t(i)] = best[std::size_t(winner)];
        promoted.push_back(winner);
    }
    return promoted;
}

QList<qint64> Nodes(const NodeStates &tree)
{
    QList<qint64> nodes;
    for (int64_t i = 0; i <= tree.Count(); ++i)
        nodes << tree.Value(i) << tree.Mark(i);
    return nodes;
}

// A view's model with the kinds of a row: the heap's and the tree's.
struct Setup {
    TreeModel model;
    ExerciseRequest request;
    Setup(const QString &name, bool otherKind, int64_t seed)
    {
        model.Find<HeapState>().SetMin(otherKind);
        model.Find<TournamentState>().SetLoser(otherKind);
        request.entry = FindExercise(name.toStdString());
        request.size = request.entry->startSize;
        request.seed = seed;
    }
    ExerciseState &State() { return model.Find<ExerciseState>(); }
    const Exercise &Current() { return *State().Current(); }
    void Start() { QVERIFY(!State().Start(request).Failed()); }
};

// An action of the same kind as the one due that is not among those due.
LearnerAction WrongLike(const Exercise::Unit &due, int64_t count)
{
    const LearnerAction &a = due.action;
    switch (a.kind) {
    case LearnerAction::Kind::Swap: return a.a == 1 && a.b == 2 ? LearnerAction::Swap(1, count) : LearnerAction::Swap(1, 2);
    case LearnerAction::Kind::Promote: return LearnerAction::Promote(a.a >= 2 && a.a / 2 == due.focus ? a.a ^ 1 : a.a ? 0 : due.focus);
    default: return LearnerAction::Choose(3 - a.a);
    }
}

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private slots:
    void doneRight_data();
    void doneRight();
    void wrongIsToldNotApplied_data() { doneRight_data(); }
    void wrongIsToldNotApplied();
    void seedMakesTheInstance_data() { doneRight_data(); }
    void seedMakesTheInstance();
    void gradedAtTheEnd_data() { doneRight_data(); }
    void gradedAtTheEnd();
    void textbookOrder_data();
    void textbookOrder();
    void somethingToDo_data() { doneRight_data(); }
    void somethingToDo();
    void runKeys();
    void loserTreeOffAnswer_data();
    void loserTreeOffAnswer();
};

// Each exercise, in both kinds of heap or tree, with a few seeds; the
// matches of a level done from the right.
void TestExercise::doneRight_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("otherKind");
    QTest::addColumn<qint64>("seed");
    for (const ExerciseEntry &entry : AlgorithmExercises())
        for (const bool other : {false, true})
            for (const qint64 seed : {1, 77, 4242})
                QTest::addRow("%s %s %lld", entry.name, other ? "min/loser" : "max/winner", seed)
                    << QString(entry.name) << other << seed;
}

void TestExercise::doneRight()
{
    QFETCH(QString, name);
    QFETCH(bool, otherKind);
    QFETCH(qint64, seed);
    Setup setup(name, otherKind, seed);
    setup.Start();
    std::vector<Exercise::Unit> units = setup.Current().Units();
    QVERIFY(!units.empty());
    // Within a run of matches of one level, from the last to the first.
    for (std::size_t i = 0; i < units.size();) {
        std::size_t j = i + 1;
        const auto level = [&](std::size_t u) { return units[u].action.a >= 2 && units[u].action.a / 2 == units[u].focus ? TreeGeometry::LevelOf(units[u].focus) : -1 - int(u); };
        while (j < units.size() && level(j) == level(i))
            ++j;
        std::reverse(units.begin() + std::ptrdiff_t(i), units.begin() + std::ptrdiff_t(j));
        i = j;
    }
    for (const Exercise::Unit &unit : units)
        QCOMPARE(int(setup.State().Act(unit.action).problem.Empty()), 1);
    const Exercise &done = setup.Current();
    QVERIFY(done.Finished());
    QCOMPARE(done.GetCounts().wrong, 0);
    QCOMPARE(done.GetCounts().right, int64_t(units.size()));
    QCOMPARE(done.GetCounts().Score(), 100);
    // The same instance's run played to the exercise's last step.
    ExerciseInstance instance = setup.request.entry->make(setup.model, ExerciseState::RandomWords(setup.model, setup.request), setup.request.pops);
    instance.answer->SeekTo(instance.last, *instance.tree);
    QCOMPARE(Nodes(setup.model), Nodes(*instance.tree));
}

void TestExercise::wrongIsToldNotApplied()
{
    QFETCH(QString, name);
    QFETCH(bool, otherKind);
    QFETCH(qint64, seed);
    Setup setup(name, otherKind, seed);
    setup.Start();
    const Exercise::Unit due = setup.Current().Units().front();
    const QList<qint64> before = Nodes(setup.model);
    const LearnerAction wrong = WrongLike(due, setup.model.Count());
    const LearnerAction otherKindOfAction =
        due.action.kind == LearnerAction::Kind::Swap ? LearnerAction::Promote(2) : LearnerAction::Swap(1, 2);
    for (const LearnerAction &action : {wrong, otherKindOfAction}) {
        setup.State().Act(action);
        QCOMPARE(Nodes(setup.model), before);
        QVERIFY(!setup.Current().Told().Empty());
        QCOMPARE(setup.model.Revealed(), due.focus);
    }
    QCOMPARE(setup.Current().GetCounts().wrong, 2);
    // The third wrong try in a row shows the action due, applied.
    setup.State().Act(wrong);
    QCOMPARE(setup.Current().GetCounts().shown, 1);
    QCOMPARE(setup.Current().GetCounts().right, 0);
    Setup again(name, otherKind, seed);
    again.Start();
    again.State().Act(due.action);
    QCOMPARE(Nodes(setup.model), Nodes(again.model));
}

void TestExercise::seedMakesTheInstance()
{
    QFETCH(QString, name);
    QFETCH(bool, otherKind);
    QFETCH(qint64, seed);
    Setup setup(name, otherKind, seed);
    const std::vector<std::string> words = ExerciseState::RandomWords(setup.model, setup.request);
    QVERIFY(words == ExerciseState::RandomWords(setup.model, setup.request));
    setup.request.seed = seed + 1;
    QVERIFY(words != ExerciseState::RandomWords(setup.model, setup.request));
    // Over 200 seeds, every instance has the cases worth solving.
    int worth = 0;
    for (int s = 0; s < 200; ++s) {
        setup.request.seed = s;
        ExerciseInstance instance = setup.request.entry->make(setup.model, words, setup.request.pops);
        const std::vector<std::string> random = ExerciseState::RandomWords(setup.model, setup.request);
        instance = setup.request.entry->make(setup.model, random, setup.request.pops);
        const Exercise trial(name.toStdString(), instance.size, Exercise::Mode::Continuous, std::move(instance.answer),
                             instance.last, *instance.tree);
        worth += setup.request.entry->worth(trial, random);
    }
    QCOMPARE(worth, 200);
}

// Two model actions, one off the answer, one more: two count; taking the
// one off back restores the tree.
void TestExercise::gradedAtTheEnd()
{
    QFETCH(QString, name);
    QFETCH(bool, otherKind);
    QFETCH(qint64, seed);
    Setup setup(name, otherKind, seed);
    setup.State().SetMode(Exercise::Mode::End);
    setup.Start();
    const std::vector<Exercise::Unit> units = setup.Current().Units();
    if (units.size() < 3)
        QSKIP("too few actions");
    setup.State().Act(units[0].action);
    setup.State().Act(units[1].action);
    const QList<qint64> before = Nodes(setup.model);
    setup.State().Act(WrongLike(units[2], setup.model.Count()));
    setup.State().Undo();
    QCOMPARE(Nodes(setup.model), before);
    setup.State().Act(WrongLike(units[2], setup.model.Count()));
    setup.State().Act(units[2].action);
    setup.State().Grade();
    const Exercise::Counts counts = setup.Current().GetCounts();
    QCOMPARE(counts.right, 2);
    QCOMPARE(counts.wrong, 2);
    QCOMPARE(counts.Score(), int((200 + units.size() / 2) / units.size()));
}

// Own values, many with ties: the textbook's swaps, each level's sifts
// from the left and every root-and-last swap of a heapsort, are all right
// and leave the textbook's values.
void TestExercise::textbookOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("other");
    QTest::addColumn<QList<int>>("values");
    QRandomGenerator random(50);
    QTest::addRow("heap-sort 1 1") << "heap-sort" << false << QList<int>{1, 1};
    QTest::addRow("heap-sort 2 2 2 1") << "heap-sort" << false << QList<int>{2, 2, 2, 1};
    for (const char *name : {"heap-build", "heap-sort", "heap-build-by-insert", "heap-insert", "heap-extract", "tournament", "loser-tournament"})
        for (const bool other : {false, true})
            for (int row = 0; row < 8; ++row) {
                QList<int> values;
                const int n = 2 + int(random.bounded(30)), spread = row % 2 ? 4 : 99;
                for (int i = 0; i < n; ++i)
                    values << 1 + int(random.bounded(spread));
                if (QString(name) == "heap-insert" || QString(name) == "heap-extract") { // from a heap
                    TextbookHeap heap{{0}, other, {}};
                    heap.a.insert(heap.a.end(), values.begin(), values.end() - 1);
                    heap.Build(n - 1);
                    values = QList<int>(heap.a.begin() + 1, heap.a.end()) << values.back();
                    if (QString(name) == "heap-extract")
                        values.removeLast();
                }
                QTest::addRow("%s %s %d values 1..%d", name, other ? "min/loser" : "max/winner", n, spread) << name << other << values;
            }
}

void TestExercise::textbookOrder()
{
    QFETCH(QString, name);
    QFETCH(bool, other);
    QFETCH(QList<int>, values);
    Setup setup(name, other, 0);
    for (const int value : values)
        setup.request.words.push_back(std::to_string(value));
    const bool tournament = name.endsWith("tournament");
    TextbookHeap textbook{{0}, other, {}};
    textbook.a.insert(textbook.a.end(), values.begin(), values.end());
    const int64_t n = tournament ? 0 : textbook.Do(name, values.size());
    std::vector<LearnerAction> actions;
    for (const auto &[i, j] : textbook.swaps)
        actions.push_back(LearnerAction::Swap(i, j));
    for (const int64_t winner : tournament ? TextbookWinners(values) : std::vector<int64_t>())
        actions.push_back(LearnerAction::Promote(winner));
    // Nothing to do is no exercise.
    QCOMPARE(setup.State().Start(setup.request).Failed(), actions.empty());
    if (actions.empty())
        return;
    for (const LearnerAction &action : actions)
        QCOMPARE(setup.State().Act(action).problem.Empty(), true);
    const Exercise &done = setup.Current();
    QCOMPARE(done.GetCounts().wrong, 0);
    QCOMPARE(done.GetCounts().actions, int64_t(actions.size()));
    QVERIFY(done.Finished());
    for (int64_t i = 1; i <= n; ++i)
        QCOMPARE(setup.model.Value(i), textbook.a[std::size_t(i)]);
}

// The smallest sizes, many seeds: an exercise starts with an action to do,
// or is refused and the tree is left as it was.
void TestExercise::somethingToDo()
{
    QFETCH(QString, name);
    QFETCH(bool, otherKind);
    QFETCH(qint64, seed);
    Setup setup(name, otherKind, seed);
    for (int size = setup.request.entry->lowSize; size < setup.request.entry->lowSize + 3; ++size)
        for (int s = 0; s < 12; ++s) {
            setup.request.size = size;
            setup.request.seed = seed + s;
            const QList<qint64> before = Nodes(setup.model);
            if (setup.State().Start(setup.request).Failed())
                QCOMPARE(Nodes(setup.model), before);
            else
                QVERIFY2(!setup.Current().Units().empty(), qPrintable(QString("size %1 seed %2").arg(size).arg(seed + s)));
        }
}

// Replacement selection apart from the program (runs from the greatest
// down): the key for each value read, 1 where it joins the run being
// written, 2 where it waits for the next; pressed in the exercise, every
// one is right, also once the run being written is the third.
void TestExercise::runKeys()
{
    int later = 0;
    for (int seed = 0; seed < 40; ++seed) {
        Setup setup("replacement", false, seed);
        setup.request.size = 2 + seed % 3;
        const std::vector<std::string> words = ExerciseState::RandomWords(setup.model, setup.request);
        setup.request.words = words;
        setup.Start();
        const std::size_t memory = std::size_t(std::stoi(words[0]));
        std::vector<std::pair<int, int>> held; // (run, value)
        for (std::size_t i = 1; i <= memory; ++i)
            held.emplace_back(1, std::stoi(words[i]));
        std::vector<int> keys;
        int current = 1;
        for (std::size_t next = memory + 1; !held.empty();) {
            if (std::none_of(held.begin(), held.end(), [&](const auto &h) { return h.first == current; }))
                ++current;
            const auto out = std::max_element(held.begin(), held.end(), [&](const auto &x, const auto &y) {
                return (x.first == current ? x.second : INT_MIN) < (y.first == current ? y.second : INT_MIN);
            });
            const int written = out->second;
            held.erase(out);
            if (next < words.size()) {
                const int value = std::stoi(words[next++]);
                keys.push_back(value <= written ? 1 : 2);
                held.emplace_back(value <= written ? current : current + 1, value);
                later += current >= 2 && keys.back() == 2;
            }
        }
        std::size_t chosen = 0;
        for (const Exercise::Unit &unit : std::vector<Exercise::Unit>(setup.Current().Units()))
            if (unit.action.kind == LearnerAction::Kind::Choose)
                QVERIFY(!setup.State().Press(keys.at(chosen++)).Failed());
            else
                setup.State().Act(unit.action);
        QVERIFY(setup.Current().Finished());
        QCOMPARE(setup.Current().GetCounts().wrong, 0);
    }
    QVERIFY(later > 0);
}

void TestExercise::loserTreeOffAnswer_data()
{
    QTest::addColumn<qint64>("seed");
    for (const qint64 seed : {1, 2, 3, 77, 4242})
        QTest::addRow("seed %lld", seed) << seed;
}

// Graded at the end, a loser tree's match won by the other side draws
// nothing a loser tree never holds, and the model's actions after it leave
// the tree the model answer leaves.
void TestExercise::loserTreeOffAnswer()
{
    QFETCH(qint64, seed);
    Setup setup("loser-tournament", true, seed);
    setup.State().SetMode(Exercise::Mode::End);
    setup.Start();
    const std::vector<Exercise::Unit> units = setup.Current().Units();
    setup.State().Act(WrongLike(units.front(), setup.model.Count()));
    for (const Exercise::Unit &unit : units)
        setup.State().Act(unit.action);
    ExerciseInstance instance = setup.request.entry->make(setup.model, ExerciseState::RandomWords(setup.model, setup.request), setup.request.pops);
    instance.answer->SeekTo(instance.last, *instance.tree);
    QCOMPARE(Nodes(setup.model), Nodes(*instance.tree));
    setup.State().Grade();
    QCOMPARE(setup.Current().GetCounts().right, 0);
}

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
