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

namespace {

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

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
