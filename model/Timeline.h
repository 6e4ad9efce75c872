#pragma once
// A run as a sequence of changes of state. The state is what every node
// shows, its label as a value and its mark; a step records the changes it
// makes (each node's value or mark from what to what), the pseudocode line
// it stands at, the node it points at, the comparisons and value moves it
// costs and, where it decides something, the kind of decision. The state
// before the run is the first change of every field. Seeking to a step
// applies or undoes the changes in between, so every step is reached
// without playing from the start.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

// What a run reads and writes on a tree. Values are whole numbers; an empty
// label and the least value (-∞) have values of their own.
class NodeStates {
public:
    static constexpr int kLeast = INT_MIN;
    static constexpr int kNoLabel = INT_MIN + 1;

    virtual ~NodeStates() = default;
    virtual int Value(int64_t node) const = 0;
    virtual int Mark(int64_t node) const = 0;
    virtual void SetValue(int64_t node, int value) = 0;
    virtual void SetMark(int64_t node, int mark) = 0;
};

// What a step decides: which child wins a match.
enum class DecisionKind : uint8_t { None, Match };

struct TimelineStep {
    uint32_t firstChange = 0;
    int32_t focus = 0; // the node the step points at, 0 for none
    uint8_t line = 0;  // 1-based pseudocode line
    uint8_t comparisons = 0;
    uint8_t moves = 0;
    DecisionKind decision = DecisionKind::None;
};

struct NodeChange {
    enum Field : uint32_t { kValue = 0, kMark = 1 };
    uint32_t nodeAndField; // node << 1 | field
    int32_t from;
    int32_t to;
    int64_t Node() const { return int64_t(nodeAndField >> 1); }
    Field WhichField() const { return Field(nodeAndField & 1); }
};

class Timeline {
public:
    int64_t StepCount() const { return int64_t(m_steps.size()) - 1; }
    // The step shown, 0 before the run.
    int64_t Shown() const { return m_nShown; }
    // Steps 1..StepCount(); step 0 is the state before the run.
    const TimelineStep &Step(int64_t k) const { return m_steps[std::size_t(k)]; }
    int64_t Comparisons() const { return m_nComparisons; }
    int64_t Moves() const { return m_nMoves; }
    // Applies or undoes the changes between the step shown and step k.
    void SeekTo(int64_t k, NodeStates &nodes);
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
    void Reserve(int64_t steps, int64_t changes);

    // Recording, step after step, on a tree whose state is read as needed.
    class Writer {
    public:
        Writer(Timeline &timeline, const NodeStates &before, int64_t nodeCount);
        int Value(int64_t node);
        int Mark(int64_t node);
        void BeginStep(int64_t focus, int line, DecisionKind decision = DecisionKind::None);
        void SetValue(int64_t node, int value);
        void SetMark(int64_t node, int mark);
        void Count(int comparisons, int moves);

    private:
        void Record(int64_t node, NodeChange::Field field, int from, int to);

        Timeline &m_timeline;
        const NodeStates &m_before;
        // What recording has written so far; the unread sentinels send a read
        // to the tree.
        std::vector<int> m_values;
        std::vector<int8_t> m_marks;
    };

private:
    uint32_t EndOfChanges(int64_t k) const;
    void Apply(int64_t k, NodeStates &nodes, bool forward);

    std::vector<TimelineStep> m_steps{TimelineStep{}};
    std::vector<NodeChange> m_changes;
    int64_t m_nShown = 0;
    int64_t m_nComparisons = 0;
    int64_t m_nMoves = 0;
};
