#pragma once
// Heaps on the tree of the heap indices 1..N: building one bottom-up or by
// inserting, and heapsort, as runs. A step is one comparison of two values
// (the two nodes pointed at) or one swap of two values. A max-heap keeps
// every value at least its children's; a min-heap mirrors every comparison.
// Ties follow the textbook (Cormen et al.): a tie between the children goes
// to the left, and a child equal to its parent stays.

#include "RunAlgorithm.h"
#include "TreeNode.h"

#include <QCoreApplication>

class HeapAlgorithm : public RunAlgorithm {
    Q_DECLARE_TR_FUNCTIONS(HeapAlgorithm)

public:
    enum class Kind { Build, BuildByInsert, Sort };
    // The whole run, recorded when made on a copy of the values the tree
    // shows at nodes 1..count; the tree itself is not changed.
    HeapAlgorithm(Kind kind, bool minHeap, const NodeStates &tree, int64_t count);

    const char *Name() const override;
    QString Narration(const NodeStates &now) const override;
    QStringList Listing() const override;

    // The first node (in heap order) of nodes 1..size whose value is on the
    // wrong side of its parent's, 0 when the heap property holds.
    static int64_t FirstViolation(const NodeStates &tree, int64_t size, bool minHeap);

protected:
    void RecordStep(Timeline::Writer &) override {}

private:
    struct Lines {
        int left, right, swap, rise, riseSwap;
    };
    bool Above(int a, int b) const { return m_bMin ? a < b : a > b; }
    void SiftDown(Timeline::Writer &w, int64_t i, int64_t size, const Lines &lines);
    void SiftUp(Timeline::Writer &w, int64_t i, const Lines &lines);

    Kind m_kind;
    bool m_bMin;
};
