#pragma once
// A run as a sequence of changes of state. The state is what every node
// shows, its label as a value and its mark; a step records the changes it
// makes (each node's value or mark from what to what), the pseudocode line
// it stands at, the node it points at, the comparisons and value moves it
// costs and, where it decides something, the kind of decision. The state
// before the run is the first change of every field. Seeking to a step
// applies or undoes the changes in between, so every step is reached
// without playing from the start. Steps are recorded as they are first
// reached, on the tree itself: a run that is never played to its end never
// records the rest.

#include "LargeBlocks.h"
#include "Looks.h"
#include "WideValue.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// One change of one node's value or mark, from what to what; or the values
// of two nodes exchanged (the other node in `from`), which undoes itself; or
// the tree's node count, from what to what (on node 0).
struct NodeChange {
    enum Field : uint32_t { kValue = 0, kMark = 1, kSwap = 2, kCount = 3 };
    uint32_t nodeAndField; // node << 2 | field
    int32_t from;
    int32_t to;
    int64_t Node() const { return int64_t(nodeAndField >> 2); }
    Field WhichField() const { return Field(nodeAndField & 3); }
};

// What a run reads and writes on a tree. Values are whole numbers; an empty
// label and the least value (-∞) have values of their own. A node added to
// the tree comes empty and plain.
class NodeStates {
public:
    static constexpr int kLeast = INT_MIN;
    static constexpr int kNoLabel = INT_MIN + 1;

    virtual ~NodeStates() = default;
    virtual int Value(int64_t node) const = 0;
    virtual int Mark(int64_t node) const = 0;
    virtual void SetValue(int64_t node, int value) = 0;
    virtual void SetMark(int64_t node, int mark) = 0;
    virtual int64_t Count() const = 0;
    virtual void SetCount(int64_t count) = 0;
    // Makes the changes from first to last in that order (forward), or
    // takes them back from last to first.
    virtual void Write(const NodeChange *first, const NodeChange *last, bool forward);
    // Every node takes the value and mark given, node 0 (a loser tree's
    // overall winner) included; the tree has as many nodes.
    virtual void WriteAll(const std::vector<int> &values, const std::vector<int8_t> &marks);

    // The whole number a label of this tree stands for, and the label for
    // a number (a number too wide for a label gets a code the tree keeps,
    // shared with the trees copied from it).
    int64_t Number(int label) const { return m_wide->Of(label); }
    int LabelFor(int64_t number) const { return m_wide->Code(number); }
    // A label as its box shows it: empty, "-∞" or the number's digits.
    std::string Text(int label) const;

protected:
    NodeStates() = default;
    // A copy reads its labels' codes as the tree it was copied from.
    NodeStates(const NodeStates &) = default;
    NodeStates &operator=(const NodeStates &) = default;

private:
    std::shared_ptr<WideNumbers> m_wide = std::make_shared<WideNumbers>();
};

// Nodes 0..count of a tree copied into plain arrays, for a run recorded
// whole before it is shown.
class NodeCopy : public NodeStates {
public:
    NodeCopy(const NodeStates &tree, int64_t count);
    // Nodes 0..count, every one empty and plain.
    explicit NodeCopy(int64_t count)
        : m_values(std::size_t(count) + 1, kNoLabel), m_marks(std::size_t(count) + 1, 0) {}
    int Value(int64_t node) const override { return m_values[std::size_t(node)]; }
    int Mark(int64_t node) const override { return m_marks[std::size_t(node)]; }
    void SetValue(int64_t node, int value) override { m_values[std::size_t(node)] = value; }
    void SetMark(int64_t node, int mark) override { m_marks[std::size_t(node)] = int8_t(mark); }
    int64_t Count() const override { return int64_t(m_values.size()) - 1; }
    void SetCount(int64_t count) override;
    const std::vector<int> &Values() const { return m_values; }
    const std::vector<int8_t> &Marks() const { return m_marks; }

private:
    std::vector<int> m_values;
    std::vector<int8_t> m_marks;
};

// A tree read through, with the nodes written kept apart: for a run that
// touches a few nodes of a large tree.
class NodeOverlay : public NodeStates {
public:
    explicit NodeOverlay(const NodeStates &tree) : NodeStates(tree), m_tree(tree), m_nCount(tree.Count()) {}
    int Value(int64_t node) const override;
    int Mark(int64_t node) const override;
    void SetValue(int64_t node, int value) override { At(node).value = value; }
    void SetMark(int64_t node, int mark) override { At(node).mark = mark; }
    int64_t Count() const override { return m_nCount; }
    // A node lost keeps what it was written last (a writer empties it).
    void SetCount(int64_t count) override { m_nCount = count; }

private:
    struct Written {
        int value = kNoLabel;
        int mark = 0;
    };
    const Written *Find(int64_t node) const;
    Written &At(int64_t node);

    const NodeStates &m_tree;
    int64_t m_nCount;
    std::unordered_map<int64_t, Written> m_written;
};

// What a step decides: which child wins a match; which child a value sinks
// to, or none; whether a value rises past its parent.
enum class DecisionKind : uint8_t { None, Match, SinkTo, Rise };

// The second node a step points at, by its place beside the first.
enum class Partner : uint8_t { None, Parent, LeftSibling };

struct TimelineStep {
    uint32_t firstChange = 0;
    int32_t focus = 0; // the node the step points at, 0 for none
    uint8_t line = 0;  // 1-based pseudocode line
    // Comparisons in the low four bits and moves in the high, while both
    // are below 15; kCountedApart: the step's counts are kept beside the
    // steps (a step that makes many at once).
    uint8_t counts = 0;
    static constexpr uint8_t kCountedApart = 0xFF;
    DecisionKind decision = DecisionKind::None;
    Partner partner = Partner::None;
    // The nodes the step points at: focus and its partner (0 for none).
    int64_t PartnerNode() const
    {
        return partner == Partner::Parent ? focus / 2 : partner == Partner::LeftSibling ? focus - 1 : 0;
    }
};

class Timeline {
public:
    class Writer;
    using Recorder = std::function<void(Writer &)>;

    // The run's steps, recorded or not; the steps recorded so far.
    int64_t StepCount() const { return m_nPlanned > Recorded() ? m_nPlanned : Recorded(); }
    int64_t Recorded() const { return int64_t(m_steps.size()) - 1; }
    // The step shown, 0 before the run.
    int64_t Shown() const { return m_nShown; }
    // Steps 1..Recorded(); step 0 is the state before the run.
    const TimelineStep &Step(int64_t k) const { return m_steps[std::size_t(k)]; }
    int64_t Comparisons() const { return m_nComparisons; }
    int64_t Moves() const { return m_nMoves; }
    // The comparisons and moves step k makes.
    int64_t ComparisonsOf(int64_t k) const;
    int64_t MovesOf(int64_t k) const;
    // Applies or undoes the changes between the step shown and step k; a
    // step not recorded yet is recorded by `next` on the tree as it stands
    // after the steps before it.
    void SeekTo(int64_t k, NodeStates &nodes, const Recorder &next);
    // The changes step k makes, in the order it makes them.
    struct Changes {
        const NodeChange *first, *last;
        const NodeChange *begin() const { return first; }
        const NodeChange *end() const { return last; }
    };
    Changes ChangesOf(int64_t k) const;
    // What step k found in the node's field before it changed it; false
    // when the step leaves that field alone.
    bool Before(int64_t k, int64_t node, NodeChange::Field field, int *value) const;
    std::size_t MemoryBytes() const;
    // Whether enough has changed since the last picture of every node for
    // the next to pay (restoring one writes every node), and the picture of
    // the tree as it stands after the last step recorded: a long seek starts
    // from the nearest instead of writing every change on the way.
    bool KeyframeDue(int64_t nodeCount) const;
    void AddKeyframe(const NodeCopy &tree);
    // The run will have `steps` steps making about `changes` changes.
    void Plan(int64_t steps, int64_t changes);
    // Room for that many, recorded or not; and no more room than the steps
    // recorded take, for a run recorded whole.
    void Reserve(int64_t steps, int64_t changes);
    void Trim();

    // Records a step on the tree and makes its changes there.
    class Writer {
    public:
        Writer(Timeline &timeline, NodeStates &tree) : m_timeline(timeline), m_tree(tree) {}
        int Value(int64_t node) const { return m_tree.Value(node); }
        int Mark(int64_t node) const { return m_tree.Mark(node); }
        int64_t NodeCount() const { return m_tree.Count(); }
        // The tree written on, as it stands.
        const NodeStates &Tree() const { return m_tree; }
        void BeginStep(int64_t focus, int line, DecisionKind decision = DecisionKind::None,
                       Partner partner = Partner::None);
        void SetValue(int64_t node, int value);
        void SetMark(int64_t node, int mark);
        // Equal values are exchanged only where the step shows the exchange
        // (a heapsort's root and last, which the learner swaps all the same).
        void Swap(int64_t a, int64_t b, bool evenIfEqual = false);
        // The tree grows by empty nodes or loses its last ones (what they
        // held is recorded, so that going back restores it).
        void SetCount(int64_t count);
        void Count(int64_t comparisons, int64_t moves);

    private:
        void Record(int64_t node, NodeChange::Field field, int from, int to);

        Timeline &m_timeline;
        NodeStates &m_tree;
    };

private:
    struct Keyframe {
        int64_t step;
        std::vector<int> values;
        std::vector<int8_t> marks;
    };
    struct Totals {
        int64_t comparisons = 0, moves = 0;
    };
    Totals CountsOf(int64_t k) const;
    uint32_t EndOfChanges(int64_t k) const;
    const Keyframe *StartFor(int64_t k) const;
    // The counts of steps 1..k, from the totals kept every kBlock steps.
    Totals TotalsThrough(int64_t k);
    static constexpr int64_t kBlock = 4096;

    std::vector<TimelineStep, LargeBlockAllocator<TimelineStep>> m_steps{TimelineStep{}};
    std::vector<NodeChange, LargeBlockAllocator<NodeChange>> m_changes;
    int64_t m_nPlanned = 0;
    int64_t m_nShown = 0;
    int64_t m_nComparisons = 0;
    int64_t m_nMoves = 0;
    std::vector<Keyframe> m_keyframes;
    std::vector<Totals> m_blockTotals{Totals{}}; // [j]: steps before j * kBlock
    struct CountedApart {
        int64_t step;
        Totals counts;
    };
    std::vector<CountedApart> m_countedApart; // by step
};
