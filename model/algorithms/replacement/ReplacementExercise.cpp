// The replacement selection exercise: its first 2P outputs, the learner
// sending each match's winner up and putting each value read into its run.
#include "ReplacementExercise.h"

#include "Replacement.h"
#include "model/algorithms/tournament/Tournament.h"
#include "model/exercise/Exercise.h"

#include <algorithm>

namespace {

const int kMaxMemory = 16;
const std::size_t kMaxValues = 200;

// The step before the one that writes output `outputs` + 1, or the last.
int64_t EndOfOutputs(const ReplacementAlgorithm &run, int64_t outputs)
{
    const ReplacementRecord &record = *run.Record();
    int64_t low = 1, high = run.Steps().StepCount();
    if (record.WrittenBy(high) <= outputs)
        return high;
    while (low < high) {
        const int64_t middle = low + (high - low) / 2;
        if (record.WrittenBy(middle) > outputs)
            high = middle;
        else
            low = middle + 1;
    }
    return low - 1;
}

} // namespace

std::vector<ExerciseEntry> ReplacementExercises()
{
    ExerciseEntry entry;
    entry.name = "replacement";
    entry.title = Message("Exercise", ZARNI_TEXT("Exercise", "取代選擇"));
    entry.words = "P, then the values";
    entry.lowSize = ReplacementAlgorithm::kMinMemory;
    entry.highSize = kMaxMemory;
    entry.startSize = 4;
    entry.random = [](const TreeModel &, int size, ExerciseRandom &random) {
        std::vector<int> values{size};
        for (int i = 0; i < 3 * size; ++i)
            values.push_back(random.Between(1, 99));
        return ExerciseWords(values);
    };
    entry.make = [](const TreeModel &model, const std::vector<std::string> &words, int) {
        ExerciseInstance instance;
        std::vector<int> values;
        if (!(instance.problem = ReadExerciseValues(words, 2, kMaxValues + 1, &values)).Empty())
            return instance;
        const int memory = values.front();
        const int64_t given = int64_t(values.size()) - 1; // the values after P
        if (memory < ReplacementAlgorithm::kMinMemory || memory > kMaxMemory) {
            instance.problem = Message("CProblemText", ZARNI_TEXT("CProblemText", "第一個數是 P，要在 %1 到 %2 之間，不是 %3。"))
                                   .Number(ReplacementAlgorithm::kMinMemory)
                                   .Number(kMaxMemory)
                                   .Number(memory);
            return instance;
        }
        if (given <= memory) {
            instance.problem = Message("CProblemText", ZARNI_TEXT("CProblemText", "P 是 %1，P 後面只有 %2 個值：值要比 P 多，才有值要等下一個序列。"))
                                   .Number(memory)
                                   .Number(given);
            return instance;
        }
        values.erase(values.begin());
        auto answer = std::make_unique<ReplacementAlgorithm>(memory, std::move(values), IsLoserTree(model));
        instance.tree = std::make_unique<NodeCopy>(answer->NodeCount());
        instance.last = EndOfOutputs(*answer, 2 * int64_t(memory));
        instance.size = memory;
        instance.answer = std::move(answer);
        return instance;
    };
    // A value read joins the next run (the second) before the fourth output.
    entry.worth = [](const Exercise &exercise, const std::vector<std::string> &) {
        int chosen = 0;
        for (const Exercise::Unit &unit : exercise.Units()) {
            if (unit.action.kind != LearnerAction::Kind::Choose)
                continue;
            if (unit.action.a == 2)
                return true;
            if (++chosen == 3)
                break;
        }
        return false;
    };
    return {entry};
}
