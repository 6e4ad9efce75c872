#include "Timeline.h"

namespace {

const int kUnreadValue = INT_MAX;
const int8_t kUnreadMark = -1;

} // namespace

uint32_t Timeline::EndOfChanges(int64_t k) const
{
    return k < StepCount() ? m_steps[std::size_t(k + 1)].firstChange : uint32_t(m_changes.size());
}

Timeline::Changes Timeline::ChangesOf(int64_t k) const
{
    const NodeChange *changes = m_changes.data();
    return {changes + m_steps[std::size_t(k)].firstChange, changes + EndOfChanges(k)};
}

void Timeline::Apply(int64_t k, NodeStates &nodes, bool forward)
{
    const uint32_t first = m_steps[std::size_t(k)].firstChange;
    const uint32_t end = EndOfChanges(k);
    const int sign = forward ? 1 : -1;
    m_nComparisons += sign * m_steps[std::size_t(k)].comparisons;
    m_nMoves += sign * m_steps[std::size_t(k)].moves;
    // Undone in the reverse order, so that a field a step writes twice gets
    // its first value back.
    for (uint32_t i = 0; i < end - first; ++i) {
        const NodeChange &c = m_changes[forward ? first + i : end - 1 - i];
        const int value = forward ? c.to : c.from;
        if (c.WhichField() == NodeChange::kValue)
            nodes.SetValue(c.Node(), value);
        else
            nodes.SetMark(c.Node(), value);
    }
}

void Timeline::SeekTo(int64_t k, NodeStates &nodes)
{
    for (; m_nShown < k; ++m_nShown)
        Apply(m_nShown + 1, nodes, true);
    for (; m_nShown > k; --m_nShown)
        Apply(m_nShown, nodes, false);
}

bool Timeline::Before(int64_t k, int64_t node, NodeChange::Field field, int *value) const
{
    const uint32_t key = uint32_t(node) << 1 | field;
    for (const NodeChange &change : ChangesOf(k)) {
        if (change.nodeAndField == key) {
            *value = change.from;
            return true;
        }
    }
    return false;
}

std::size_t Timeline::MemoryBytes() const
{
    return m_steps.capacity() * sizeof(TimelineStep) + m_changes.capacity() * sizeof(NodeChange);
}

void Timeline::Reserve(int64_t steps, int64_t changes)
{
    m_steps.reserve(std::size_t(steps) + 1);
    m_changes.reserve(std::size_t(changes));
}

Timeline::Writer::Writer(Timeline &timeline, const NodeStates &before, int64_t nodeCount)
    : m_timeline(timeline), m_before(before), m_values(std::size_t(nodeCount) + 1, kUnreadValue),
      m_marks(std::size_t(nodeCount) + 1, kUnreadMark)
{
}

int Timeline::Writer::Value(int64_t node)
{
    int &value = m_values[std::size_t(node)];
    if (value == kUnreadValue)
        value = m_before.Value(node);
    return value;
}

int Timeline::Writer::Mark(int64_t node)
{
    int8_t &mark = m_marks[std::size_t(node)];
    if (mark == kUnreadMark)
        mark = int8_t(m_before.Mark(node));
    return mark;
}

void Timeline::Writer::BeginStep(int64_t focus, int line, DecisionKind decision)
{
    TimelineStep step;
    step.firstChange = uint32_t(m_timeline.m_changes.size());
    step.focus = int32_t(focus);
    step.line = uint8_t(line);
    step.decision = decision;
    m_timeline.m_steps.push_back(step);
}

void Timeline::Writer::SetValue(int64_t node, int value)
{
    Record(node, NodeChange::kValue, Value(node), value);
    m_values[std::size_t(node)] = value;
}

void Timeline::Writer::SetMark(int64_t node, int mark)
{
    Record(node, NodeChange::kMark, Mark(node), mark);
    m_marks[std::size_t(node)] = int8_t(mark);
}

void Timeline::Writer::Record(int64_t node, NodeChange::Field field, int from, int to)
{
    if (from != to)
        m_timeline.m_changes.push_back({uint32_t(node) << 1 | field, from, to});
}

void Timeline::Writer::Count(int comparisons, int moves)
{
    TimelineStep &step = m_timeline.m_steps.back();
    step.comparisons = uint8_t(step.comparisons + comparisons);
    step.moves = uint8_t(step.moves + moves);
}
