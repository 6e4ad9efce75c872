#include "Timeline.h"

#include <algorithm>

NodeCopy::NodeCopy(const NodeStates &tree, int64_t count)
    : m_values(std::size_t(count) + 1), m_marks(std::size_t(count) + 1)
{
    for (int64_t i = 1; i <= count; ++i) {
        m_values[std::size_t(i)] = tree.Value(i);
        m_marks[std::size_t(i)] = int8_t(tree.Mark(i));
    }
}

void NodeCopy::SetCount(int64_t count)
{
    m_values.resize(std::size_t(count) + 1, kNoLabel);
    m_marks.resize(std::size_t(count) + 1, 0);
}

const NodeOverlay::Written *NodeOverlay::Find(int64_t node) const
{
    const auto found = m_written.find(node);
    return found == m_written.end() ? nullptr : &found->second;
}

// Nodes past the tree's own are new, so empty until written.
int NodeOverlay::Value(int64_t node) const
{
    const Written *written = Find(node);
    return written ? written->value : node <= m_tree.Count() ? m_tree.Value(node) : kNoLabel;
}

int NodeOverlay::Mark(int64_t node) const
{
    const Written *written = Find(node);
    return written ? written->mark : node <= m_tree.Count() ? m_tree.Mark(node) : 0;
}

NodeOverlay::Written &NodeOverlay::At(int64_t node)
{
    const auto found = m_written.find(node);
    if (found != m_written.end())
        return found->second;
    return m_written.emplace(node, Written{Value(node), Mark(node)}).first->second;
}

uint32_t Timeline::EndOfChanges(int64_t k) const
{
    return k < Recorded() ? m_steps[std::size_t(k + 1)].firstChange : uint32_t(m_changes.size());
}

Timeline::Changes Timeline::ChangesOf(int64_t k) const
{
    const NodeChange *changes = m_changes.data();
    return {changes + m_steps[std::size_t(k)].firstChange, changes + EndOfChanges(k)};
}

void NodeStates::Write(const NodeChange *first, const NodeChange *last, bool forward)
{
    for (std::ptrdiff_t i = 0; i < last - first; ++i) {
        const NodeChange &c = forward ? first[i] : last[-1 - i];
        const int value = forward ? c.to : c.from;
        if (c.WhichField() == NodeChange::kValue) {
            SetValue(c.Node(), value);
        } else if (c.WhichField() == NodeChange::kMark) {
            SetMark(c.Node(), value);
        } else if (c.WhichField() == NodeChange::kCount) {
            SetCount(value);
        } else {
            const int a = Value(c.Node());
            SetValue(c.Node(), Value(c.from));
            SetValue(c.from, a);
        }
    }
}

// The counts of steps first to last.
void Timeline::AddCounts(int64_t first, int64_t last, int sign)
{
    int64_t comparisons = 0, moves = 0;
    for (int64_t k = first; k <= last; ++k) {
        comparisons += m_steps[std::size_t(k)].Comparisons();
        moves += m_steps[std::size_t(k)].Moves();
    }
    m_nComparisons += sign * comparisons;
    m_nMoves += sign * moves;
}

// The recorded steps on the way are applied or taken back in one go; the
// others are recorded one by one.
void Timeline::SeekTo(int64_t k, NodeStates &nodes, const Recorder &next)
{
    const NodeChange *changes = m_changes.data();
    if (k > m_nShown) {
        const int64_t last = std::min(k, Recorded());
        if (last > m_nShown) {
            nodes.Write(changes + m_steps[std::size_t(m_nShown + 1)].firstChange, changes + EndOfChanges(last), true);
            AddCounts(m_nShown + 1, last, 1);
            m_nShown = last;
        }
        for (; m_nShown < k; ++m_nShown) {
            Writer writer(*this, nodes);
            next(writer);
            AddCounts(m_nShown + 1, m_nShown + 1, 1);
        }
    } else if (k < m_nShown) {
        nodes.Write(changes + m_steps[std::size_t(k + 1)].firstChange, changes + EndOfChanges(m_nShown), false);
        AddCounts(k + 1, m_nShown, -1);
        m_nShown = k;
    }
}

bool Timeline::Before(int64_t k, int64_t node, NodeChange::Field field, int *value) const
{
    const uint32_t key = uint32_t(node) << 2 | field;
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

void Timeline::Plan(int64_t steps, int64_t changes)
{
    m_nPlanned = steps;
    Reserve(steps, changes);
}

void Timeline::Reserve(int64_t steps, int64_t changes)
{
    m_steps.reserve(std::size_t(steps) + 1);
    m_changes.reserve(std::size_t(changes));
}

void Timeline::Writer::BeginStep(int64_t focus, int line, DecisionKind decision, Partner partner)
{
    TimelineStep step;
    step.firstChange = uint32_t(m_timeline.m_changes.size());
    step.focus = int32_t(focus);
    step.line = uint8_t(line);
    step.decision = decision;
    step.partner = partner;
    m_timeline.m_steps.push_back(step);
}

void Timeline::Writer::SetValue(int64_t node, int value)
{
    const int from = Value(node);
    if (from == value)
        return;
    Record(node, NodeChange::kValue, from, value);
    m_tree.SetValue(node, value);
}

void Timeline::Writer::SetMark(int64_t node, int mark)
{
    const int from = Mark(node);
    if (from == mark)
        return;
    Record(node, NodeChange::kMark, from, mark);
    m_tree.SetMark(node, mark);
}

void Timeline::Writer::Record(int64_t node, NodeChange::Field field, int from, int to)
{
    m_timeline.m_changes.push_back({uint32_t(node) << 2 | field, from, to});
}

void Timeline::Writer::Swap(int64_t a, int64_t b)
{
    const int valueA = Value(a), valueB = Value(b);
    if (a == b || valueA == valueB)
        return;
    Record(a, NodeChange::kSwap, int(b), int(b));
    m_tree.SetValue(a, valueB);
    m_tree.SetValue(b, valueA);
}

void Timeline::Writer::SetCount(int64_t count)
{
    const int64_t from = m_tree.Count();
    for (int64_t node = from; node > count; --node) {
        SetMark(node, 0);
        SetValue(node, NodeStates::kNoLabel);
    }
    Record(0, NodeChange::kCount, int(from), int(count));
    m_tree.SetCount(count);
}

void Timeline::Writer::Count(int comparisons, int moves)
{
    TimelineStep &step = m_timeline.m_steps.back();
    step.counts = uint8_t((step.Comparisons() + comparisons) | (step.Moves() + moves) << 4);
}
