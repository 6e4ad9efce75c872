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
    using TagVisit = std::function<void(int64_t, int64_t)>;
    // Each pending tag as the step shown leaves it.
    void EachTag(const TagVisit &each) const;
    // Positions first..last with the tags that `tags` visits applied.
    std::vector<int64_t> Applied(int64_t first, int64_t last, const std::function<void(const TagVisit &)> &tags) const;

    bool m_bTree = false;
    SegmentOp m_nextOp = SegmentOp::Sum;
    SegmentShape m_shape;
    // With no run of its own shown; a run reads them as they were before it
    // and leaves its own in them as it ends.
    std::shared_ptr<SegmentTags> m_tags = std::make_shared<SegmentTags>();
    // What each position holds once the last operation started has ended:
    // an add is checked against it without reading the tags.
    std::vector<int64_t> m_positions;
    const SegmentAlgorithm *m_pRun = nullptr;
    std::unique_ptr<PositionsRow> m_pRow;
};
