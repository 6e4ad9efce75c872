// The merge exercise: the first tournament and the first pops of a k-way
// merge, the learner sending each match's winner up.
#include "MergeExercise.h"

#include "Merge.h"
#include "model/algorithms/tournament/Tournament.h"
#include "model/exercise/Exercise.h"

#include <algorithm>
#include <functional>

std::vector<ExerciseEntry> MergeExercises()
{
    ExerciseEntry entry;
    entry.name = "merge";
    entry.title = Message("Exercise", ZARNI_TEXT("Exercise", "多路合併"));
    entry.words = "runs from the greatest down, split by /";
    entry.lowSize = 2;
    entry.highSize = 16;
    entry.startSize = 4;
    entry.pops = true;
    entry.random = [](const TreeModel &, int size, ExerciseRandom &random) {
        std::vector<std::string> words;
        for (int j = 0; j < size; ++j) {
            std::vector<int> run(std::size_t(random.Between(1, 4)));
            for (int &value : run)
                value = random.Between(1, 99);
            std::sort(run.begin(), run.end(), std::greater<int>());
            if (j > 0)
                words.push_back("/");
            for (const std::string &word : ExerciseWords(run))
                words.push_back(word);
        }
        return words;
    };
    entry.make = [](const TreeModel &model, const std::vector<std::string> &words, int pops) {
        ExerciseInstance instance;
        std::string text;
        for (const std::string &word : words)
            text += word + ' ';
        WinnerMerge::Runs runs;
        if (const WinnerMerge::Problem problem = WinnerMerge::Parse(text, &runs, '/'); problem.error != WinnerMerge::Error::None) {
            instance.problem = MergeProblem(problem, false);
            return instance;
        }
        if (runs.size() > 16) {
            instance.problem = Message("CProblemText", ZARNI_TEXT("CProblemText", "這個題目最多 %1 個序列，不是 %2 個。"))
                                   .Number(16)
                                   .Number(int64_t(runs.size()));
            return instance;
        }
        auto merge = std::make_shared<WinnerMerge>(std::move(runs));
        instance.size = merge->RunCount();
        instance.tree = std::make_unique<NodeCopy>(merge->NodeCount());
        for (int j = 0; j < merge->RunCount(); ++j)
            instance.tree->SetValue(merge->LeafOfRun(j), merge->Value(merge->LeafOfRun(j)));
        const int64_t values = merge->Remaining();
        auto answer = std::make_unique<MergeAlgorithm>(merge, IsLoserTree(model), true);
        int64_t last = answer->TournamentSteps();
        for (int64_t p = 0; p < std::min<int64_t>(pops, values); ++p)
            last = answer->EndOfPop(last + 1);
        instance.last = std::min(last, answer->Steps().StepCount());
        instance.answer = std::move(answer);
        return instance;
    };
    // A run is spent within the pops: its leaf takes the least value.
    entry.worth = [](const Exercise &exercise, const std::vector<std::string> &) {
        for (int64_t k = 1; k <= exercise.LastStep(); ++k)
            for (const NodeChange &change : exercise.Answer().Steps().ChangesOf(k))
                if (change.WhichField() == NodeChange::kValue && change.to == NodeStates::kLeast && change.Node() > 0)
                    return true;
        return false;
    };
    return {entry};
}
