// Heap exercises: the learner swaps values as the build, the sort, an
// insert or an extraction does.
#include "Heap.h"
#include "HeapExercises.h"

#include "model/TreeGeometry.h"
#include "model/exercise/Exercise.h"

namespace {

using Kind = HeapAlgorithm::Kind;

Message Title(const char *text)
{
    return Message("Exercise", text);
}

bool Above(int a, int b, bool min)
{
    return min ? a < b : a > b;
}

// Values in heap order, sifted down from the bottom up.
void MakeHeap(std::vector<int> &values, bool min)
{
    const std::size_t n = values.size();
    for (std::size_t top = n / 2; top >= 1; --top) {
        for (std::size_t i = top;;) {
            std::size_t best = i;
            for (const std::size_t child : {2 * i, 2 * i + 1})
                if (child <= n && Above(values[child - 1], values[best - 1], min))
                    best = child;
            if (best == i)
                break;
            std::swap(values[i - 1], values[best - 1]);
            i = best;
        }
    }
}

// The side of the root a node is on: 2 or 3 (0 for the root).
int64_t Side(int64_t node)
{
    return node < 2 ? 0 : node >> (TreeGeometry::LevelOf(node) - 2);
}

bool ParentAndChild(const LearnerAction &swap)
{
    return swap.b / 2 == swap.a;
}

// A value moves two levels in one sift: two swaps in a row along a path.
bool MovesTwoLevels(const Exercise &exercise)
{
    const auto &units = exercise.Units();
    for (std::size_t i = 1; i < units.size(); ++i) {
        const LearnerAction &x = units[i - 1].action, &y = units[i].action;
        if (ParentAndChild(x) && ParentAndChild(y) && (x.b == y.a || x.a == y.b))
            return true;
    }
    return false;
}

bool SwapsOnBothSides(const Exercise &exercise)
{
    bool sides[4] = {};
    for (const Exercise::Unit &unit : exercise.Units())
        if (ParentAndChild(unit.action))
            sides[Side(unit.action.b)] = true;
    return sides[2] && sides[3];
}

ExerciseEntry Entry(const char *name, const char *title, Kind kind)
{
    const bool one = kind == Kind::Insert || kind == Kind::Extract;
    ExerciseEntry entry;
    entry.name = name;
    entry.title = Title(title);
    entry.words = kind == Kind::Insert ? "a heap's values, then the value to insert" : "the values in heap order";
    entry.lowSize = kind == Kind::Insert ? 1 : 2;
    entry.highSize = 63;
    entry.startSize = one ? 12 : 10;
    entry.random = [kind, one](const TreeModel &model, int size, ExerciseRandom &random) {
        std::vector<int> values;
        for (int i = 0; i < size; ++i)
            values.push_back(random.Between(1, 99));
        if (one) // an operation on one value starts from a heap
            MakeHeap(values, model.Find<HeapState>().Min());
        if (kind == Kind::Insert)
            values.push_back(random.Between(1, 99));
        return ExerciseWords(values);
    };
    entry.make = [kind](const TreeModel &model, const std::vector<std::string> &words, int) {
        ExerciseInstance instance;
        std::vector<int> values;
        const std::size_t extra = kind == Kind::Insert ? 1 : 0;
        if (!(instance.problem = ReadExerciseValues(words, 2, 63 + extra, &values)).Empty())
            return instance;
        const bool min = model.Find<HeapState>().Min();
        const int64_t size = int64_t(values.size() - extra);
        instance.tree = std::make_unique<NodeCopy>(size);
        for (int64_t i = 1; i <= size; ++i)
            instance.tree->SetValue(i, values[std::size_t(i - 1)]);
        const int64_t violation = HeapAlgorithm::FirstViolation(*instance.tree, size, min);
        if ((kind == Kind::Insert || kind == Kind::Extract) && violation) {
            instance.problem = Message("CProblemText", ZARNI_TEXT("CProblemText", "節點 %1 的值破壞了堆積順序：這個題目要從堆積開始。"))
                                   .Number(violation);
            return instance;
        }
        HeapOperand operand;
        operand.value = values.back();
        instance.answer = std::make_unique<HeapAlgorithm>(kind, min, *instance.tree, size, operand);
        instance.last = instance.answer->Steps().StepCount();
        instance.size = size;
        return instance;
    };
    entry.worth = [one](const Exercise &exercise, const std::vector<std::string> &) {
        return MovesTwoLevels(exercise) && (one || SwapsOnBothSides(exercise));
    };
    return entry;
}

} // namespace

std::vector<ExerciseEntry> HeapExercises()
{
    return {
        Entry("heap-build", ZARNI_TEXT("Exercise", "由下而上建堆積"), Kind::Build),
        Entry("heap-build-by-insert", ZARNI_TEXT("Exercise", "逐一插入建堆積"), Kind::BuildByInsert),
        Entry("heap-sort", ZARNI_TEXT("Exercise", "堆積排序"), Kind::Sort),
        Entry("heap-insert", ZARNI_TEXT("Exercise", "插入一個值"), Kind::Insert),
        Entry("heap-extract", ZARNI_TEXT("Exercise", "取出樹根"), Kind::Extract),
    };
}
