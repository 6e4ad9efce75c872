#pragma once
// Heaps on the tree of the heap indices 1..N: building one bottom-up or by
// inserting, heapsort, and inserting, extracting, changing and deleting one
// value, as runs. Inserting grows the tree by a node; extracting and
// deleting shrink it, but never below one node (an empty heap is one node
// with an empty label). A step is one comparison of two values
// (the two nodes pointed at) or one swap of two values. A max-heap keeps
// every value at least its children's; a min-heap mirrors every comparison.
// Ties follow the textbook (Cormen et al.): a tie between the children goes
// to the left, and a child equal to its parent stays.

#include "model/RunAlgorithm.h"
#include "model/Looks.h"

// The node and the value an operation takes: Insert a value, Key a node and
// its new value, Delete a node.
struct HeapOperand {
    int64_t node = 0;
    int value = 0;
};

class HeapAlgorithm : public RunAlgorithm {
public:
    enum class Kind { Build, BuildByInsert, Sort, Insert, Extract, Key, Delete };
    using Operand = HeapOperand;
    // The whole run, recorded when made on a copy of what the tree shows,
    // with the heap at nodes 1..size (0 for the empty heap); the tree itself
    // is not changed.
    HeapAlgorithm(Kind kind, bool minHeap, const NodeStates &tree, int64_t size, Operand operand = {});

    const char *Name() const override;
    Kind WhichKind() const { return m_kind; }
    bool MinHeap() const { return m_bMin; }
    Operand GivenOperand() const { return m_operand; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;
    // The learner swaps what the run swaps; the rest is the program's.
    LearnerAction Action(int64_t k, const NodeStates &before) const override;

    // The first node (in heap order) of nodes 1..size whose value is on the
    // wrong side of its parent's, 0 when the heap property holds.
    static int64_t FirstViolation(const NodeStates &tree, int64_t size, bool minHeap);
    // Whether the run ends in a heap of that kind (heapsort ends in sorted
    // values; an operation on one value starts from a heap).
    bool EndsInHeap(bool minHeap) const { return m_kind != Kind::Sort && m_bMin == minHeap; }
    // The value an extraction writes out, once its first step is shown.
    bool Extracted(int *value) const;

protected:
    void RecordStep(Timeline::Writer &) override {}

private:
    // The pseudocode lines of a sift's steps; `decide` is the first
    // comparison with the parent (where a value may go up or down, the one
    // that chooses).
    struct SiftLines {
        int left, right, swap, rise, riseSwap, decide;
    };
    bool Above(int a, int b) const { return m_bMin ? a < b : a > b; }
    void Record(Timeline::Writer &w, int64_t size, Operand operand);
    void RecordBuild(Timeline::Writer &w, const NodeCopy &copy, int64_t size);
    void SiftDown(Timeline::Writer &w, int64_t i, int64_t size, const SiftLines &lines);
    bool SiftUp(Timeline::Writer &w, int64_t i, const SiftLines &lines);
    void SiftUpOrDown(Timeline::Writer &w, int64_t i, int64_t size);
    void TakeLast(Timeline::Writer &w, int64_t i, int64_t size);
    static Message NodeText(int64_t i, const NodeStates &now);
    Message FirstStepNarration(const TimelineStep &step, const NodeStates &now) const;

    Kind m_kind;
    bool m_bMin;
    Operand m_operand;
    int m_nOut = NodeStates::kNoLabel;
};

// Which child a value sinks to, or none; whether a value rises past its
// parent.
extern const QuestionKind kSinkQuestion, kRiseQuestion;
