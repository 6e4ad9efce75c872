#pragma once
// Segment trees on the numbered tree: m leaves (m the least power of two at
// least n) hold positions 0..n-1 at nodes m..m+n-1, the rest are empty (the
// operation's identity); node i holds the sum, the least or the greatest of
// the values under it. Building one, setting a position, a query over a
// range and adding to a range with lazy propagation, as runs. A node's
// pending tag is what every position under it is still to be added, which
// its children have not taken yet; the tags are kept beside the timeline,
// step by step, since a node shows one value.

#include "model/RunAlgorithm.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

enum class SegmentOp { Sum, Min, Max };

// A value as a segment tree holds it: none is the identity (an empty box).
using SegmentValue = std::optional<int64_t>;

struct SegmentShape {
    SegmentOp op = SegmentOp::Sum;
    int64_t n = 0;      // positions
    int64_t leaves = 0; // m
    static int64_t LeavesFor(int64_t n);
    int64_t Nodes() const { return 2 * leaves - 1; }
    bool Leaf(int64_t node) const { return node >= leaves; }
    // The positions under a node, the last possibly past n - 1, and how
    // many of them are positions of the array.
    int64_t First(int64_t node) const;
    int64_t Last(int64_t node) const;
    int64_t Length(int64_t node) const;
    SegmentValue Combine(SegmentValue a, SegmentValue b) const;
    // A node's value once each position under it is added v.
    SegmentValue Added(SegmentValue value, int64_t v, int64_t node) const;
};

// What a label of the tree holds as a segment tree's value, and the label
// of a value there.
SegmentValue SegmentValueOf(const NodeStates &tree, int label);
int SegmentLabel(const NodeStates &tree, SegmentValue value);
// A value as the narration says it: its digits, or "e" for the identity.
std::string SegmentText(SegmentValue value);

// Each node's pending tag, those not 0.
using SegmentTags = std::map<int64_t, int64_t>;

class SegmentAlgorithm : public RunAlgorithm {
public:
    enum class Kind { Build, Set, Query, Add };
    // Set: the position l takes the value; Query: l to r; Add: value to l..r.
    struct Operand {
        int64_t l = 0, r = 0;
        int value = 0;
    };
    // How a node's positions lie against a range: the cases a learner tells
    // (1, 2, 3 as practice asks them).
    enum class Cover { Inside = 1, Partly = 2, Outside = 3 };

    // The build of the values on a tree of the shape's nodes, every one
    // empty; the tree itself is not changed.
    SegmentAlgorithm(const SegmentShape &shape, const std::vector<int> &values, const NodeStates &tree);
    // An operation on the segment tree the tree holds, with its tags (kept
    // as they are while the run lasts, not copied).
    SegmentAlgorithm(const SegmentShape &shape, Kind kind, Operand operand, const NodeStates &tree,
                     std::shared_ptr<const SegmentTags> tags);

    const char *Name() const override;
    Kind WhichKind() const { return m_kind; }
    Operand GivenOperand() const { return m_operand; }
    const SegmentShape &Shape() const { return m_shape; }
    // The values a build was given.
    const std::vector<int> &Given() const { return m_given; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;
    bool CountsVisits() const override { return true; }

    // The tags after step k, and one node's.
    SegmentTags TagsAt(int64_t k) const;
    int64_t TagAt(int64_t node, int64_t k) const;
    // Each node and its tag after step k, without copying the tags.
    void EachTagAt(int64_t k, const std::function<void(int64_t, int64_t)> &each) const;
    // Makes the tags before the run those after step k.
    void WriteTagsAt(int64_t k, SegmentTags &tags) const;
    const SegmentTags *TagsBefore() const { return m_baseTags.get(); }
    // A query's nodes visited and taken up to step k, and its result once
    // its last step is shown.
    std::vector<int64_t> Visited(int64_t k) const;
    std::vector<int64_t> Taken(int64_t k) const;
    SegmentValue Result() const { return m_result; }
    Cover CoverOf(int64_t node) const;

protected:
    void RecordStep(Timeline::Writer &) override {}

private:
    // What the recording keeps as it goes: the tags, and each query step's
    // values (what a node gives, or the two it combines).
    struct Recorder;
    struct StepValues {
        SegmentValue left, right, result;
    };
    void RecordBuild(Timeline::Writer &w, const std::vector<int> &values);
    void RecordSet(Recorder &r);
    SegmentValue Visit(Recorder &r, int64_t node);
    void PushDown(Recorder &r, int64_t node);
    void SetTag(Recorder &r, int64_t node, int64_t tag);
    Message StepNarration(const TimelineStep &step, int64_t k, const NodeStates &now) const;
    Message VisitNarration(int line, int64_t node, int64_t k, const NodeStates &now) const;
    Message RangeText(const char *text, int64_t node) const;

    SegmentShape m_shape;
    Kind m_kind;
    Operand m_operand;
    std::shared_ptr<const SegmentTags> m_baseTags = std::make_shared<const SegmentTags>();
    // Each tag's changes, by node: the step and the tag after it.
    std::unordered_map<int64_t, std::vector<std::pair<int64_t, int64_t>>> m_tagSteps;
    std::vector<StepValues> m_stepValues; // a query's, by step
    std::vector<int> m_given;
    SegmentValue m_result;
};

// Whether a node's positions lie inside, partly inside or outside the range.
extern const QuestionKind kCoverQuestion;
