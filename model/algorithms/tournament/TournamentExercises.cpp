// Tournament exercises: the learner sends each match's winner up, in a
// winner or a loser tree of as many leaves as values.
#include "TournamentExercises.h"

#include "LoserAlgorithm.h"
#include "Tournament.h"
#include "TournamentAlgorithm.h"
#include "model/TreeGeometry.h"
#include "model/exercise/Exercise.h"

namespace {

// Two equal values meet in some match (the greater wins, the right on a tie).
bool HasTie(const std::vector<std::string> &words)
{
    const std::size_t n = words.size();
    std::vector<long> winner(2 * n);
    for (std::size_t j = 0; j < n; ++j)
        winner[n + j] = std::stol(words[j]);
    bool tie = false;
    for (std::size_t i = n - 1; i >= 1; --i) {
        tie |= winner[2 * i] == winner[2 * i + 1];
        winner[i] = std::max(winner[2 * i], winner[2 * i + 1]);
    }
    return tie;
}

ExerciseEntry Entry(const char *name, const char *title, bool loser)
{
    ExerciseEntry entry;
    entry.name = name;
    entry.title = Message("Exercise", title);
    entry.words = "the leaves' values";
    entry.lowSize = 2;
    entry.highSize = 32;
    entry.startSize = 8;
    entry.settle = [loser](TreeModel &model) { model.Find<TournamentState>().SetLoser(loser); };
    entry.random = [](const TreeModel &, int size, ExerciseRandom &random) {
        std::vector<int> values(static_cast<std::size_t>(size));
        for (int &value : values)
            value = random.Between(1, 2 * size); // ties come often enough
        return ExerciseWords(values);
    };
    entry.make = [loser](const TreeModel &, const std::vector<std::string> &words, int) {
        ExerciseInstance instance;
        std::vector<int> values;
        if (!(instance.problem = ReadExerciseValues(words, 2, 32, &values)).Empty())
            return instance;
        const int64_t leaves = int64_t(values.size()), count = 2 * leaves - 1;
        instance.tree = std::make_unique<NodeCopy>(count);
        for (int64_t j = 0; j < leaves; ++j)
            instance.tree->SetValue(leaves + j, values[std::size_t(j)]);
        const int depth = TreeGeometry::LevelOf(count);
        if (loser)
            instance.answer = std::make_unique<LoserAlgorithm>(LoserAlgorithm::Kind::Full, count, depth, 0);
        else
            instance.answer = std::make_unique<TournamentAlgorithm>(TournamentAlgorithm::Kind::Full, count, depth, 0);
        instance.last = instance.answer->Steps().StepCount();
        instance.size = leaves;
        return instance;
    };
    entry.worth = [](const Exercise &, const std::vector<std::string> &words) { return HasTie(words); };
    return entry;
}

} // namespace

std::vector<ExerciseEntry> TournamentExercises()
{
    return {Entry("tournament", ZARNI_TEXT("Exercise", "勝者樹的比賽"), false),
            Entry("loser-tournament", ZARNI_TEXT("Exercise", "敗者樹的比賽"), true)};
}
