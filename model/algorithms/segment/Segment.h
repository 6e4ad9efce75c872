#pragma once
// Segment trees in the table: the tree built over an array of whole numbers
// for sums, least or greatest values, and setting a position, querying a
// range and adding to a range (lazily), as runs of the view's player.

#include "SegmentAlgorithm.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry SegmentEntry();

class SegmentState : public AlgorithmState {
public:
    // The most positions a tree is built over.
    static constexpr int64_t kMaxPositions = 524288;

    explicit SegmentState(TreeModel &model);
    ~SegmentState() override;

    // A new tree over the values, its build played from the start.
    Outcome Build(SegmentOp op, const std::vector<int> &values);
    // The pending tags a lesson keeps, on a tree shown at its run's end;
    // false without one, or for a node not above the leaves.
    bool SetTags(SegmentTags tags);
    // Why the tags cannot stand on the tree shown, in a script's words: a
    // node that holds no position, or a position taken out of range; empty
    // when they can.
    std::string TagsProblem(const SegmentTags &tags) const;
    // The operation the next build from the menu takes.
    void SetNextOp(SegmentOp op);
    SegmentOp NextOp() const { return m_nextOp; }
    // Plays an operation on the tree, refused (with the reason) without a
    // segment tree, with positions out of range or L > R, or where an add
    // would take a value out of range. One shown in the middle is played
    // to its end first.
    Outcome Start(SegmentAlgorithm::Kind kind, SegmentAlgorithm::Operand operand);

    bool Active() const { return m_bTree; }
    const SegmentShape &Shape() const { return m_shape; }
    // The pending tags as the step shown leaves them.
    SegmentTags Tags() const;
    // What position p holds with every pending tag above it applied, and
    // every position's.
    int64_t PositionValue(int64_t p) const;
    std::vector<int64_t> Array() const;

    void TreeTaken() override;
    // An operation ended half-way would leave the nodes above it stale.
    void RunEnding() override;
    bool HoldsTree() const override { return m_bTree; }
    bool HoldsOwnShape() const override { return m_bTree; }
    Message Tag(int64_t node) const override;
    ArrayRow Positions() const override;
    void AddState(StateValue &state) const override;
    void WriteSettings(LessonLines &lines) const override;
    LessonTree WriteTree(LessonLines &lines) const override;

private:
    class PositionsRow;
    const SegmentAlgorithm *OwnRun() const;
    int64_t TagOf(int64_t node) const;
    Outcome Refusal(SegmentAlgorithm::Kind kind, SegmentAlgorithm::Operand operand) const;
    using Labels = std::function<int(int64_t)>;
    Labels LabelsNow() const;
    std::vector<int64_t> Applied(const Labels &label, const SegmentTags &tags, int64_t first, int64_t last) const;

    bool m_bTree = false;
    SegmentOp m_nextOp = SegmentOp::Sum;
    SegmentShape m_shape;
    SegmentTags m_tags; // with no run of its own shown
    const SegmentAlgorithm *m_pRun = nullptr;
    std::unique_ptr<PositionsRow> m_pRow;
};
