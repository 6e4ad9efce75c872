#pragma once
// Heaps in the table: every node's value (whole numbers in heap order), the
// kind of heap (max or min), the builds and heapsort, and inserting,
// extracting, changing and deleting one value, as runs of the view's player.

#include "HeapAlgorithm.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry HeapEntry();

class HeapState : public AlgorithmState {
public:
    explicit HeapState(TreeModel &model) : AlgorithmState(model) {}

    // Every node takes a value, every mark is cleared; the tree holds a
    // heap's values from then on.
    Outcome SetValues(const std::vector<std::string> &words);
    enum class Fill { Random, Ascending, Descending };
    void FillValues(Fill fill, int low, int high, const std::function<int(int, int)> &random);
    // The values said to have been extracted before, as a lesson keeps
    // them; false unless the tree holds a heap's values.
    bool SetOut(std::vector<int> out);
    void SetMin(bool min);
    bool Min() const { return m_bMin; }
    // Plays a heap operation. One on a single value (insert, extract, key,
    // delete) is refused, with the reason, unless the values form a heap of
    // the kind chosen that has the node and, to insert, room to grow.
    Outcome Start(HeapAlgorithm::Kind kind, HeapOperand operand = {});

    bool HasValues() const { return m_bValues; }
    // The heap's size (the nodes before the sorted ones) and its first node
    // out of order, 0 for none.
    int64_t Size() const;
    int64_t Violation() const { return FirstViolation(Size()); }
    // The values extracted since the tree took its values, in order.
    std::vector<int> Out() const;

    void TreeTaken() override;
    // An edited value stays the heap's; whether they form one is read anew.
    void ValueEdited() override { m_written.known = false; }
    void RunEnding() override;
    bool HoldsTree() const override { return m_bValues; }
    bool HoldsOwnShape() const override { return m_bValues; }
    void AddState(StateValue &state) const override;
    LessonTree WriteTree(LessonLines &lines) const override;
    std::vector<Message> Notes() const override;

private:
    const HeapAlgorithm *OwnRun() const;
    void WriteValues(const std::function<int(int64_t)> &valueOf);
    int64_t SizeUnmarked() const;
    int64_t FirstViolation(int64_t size) const;
    int64_t FirstWithoutValue(int64_t size) const;
    Message NoValue(int64_t node) const;
    Message Refusal(HeapAlgorithm::Kind kind, HeapOperand operand, int64_t size) const;
    std::size_t ExtractedByRun() const;
    std::vector<int> ValuesBefore() const;

    bool m_bMin = false;
    bool m_bValues = false;
    std::vector<int> m_out; // extracted before the run shown
    const HeapAlgorithm *m_pRun = nullptr;
    // Values written whole are checked as they are written, for either kind.
    struct {
        bool known = false; // until a run is loaded or ended
        int64_t maxViolation = 0, minViolation = 0;
    } m_written;
};
