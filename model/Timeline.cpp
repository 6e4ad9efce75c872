#include "Timeline.h"

#include "Message.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

NodeCopy::NodeCopy(const NodeStates &tree, int64_t count)
    : NodeStates(tree), m_values(std::size_t(count) + 1), m_marks(std::size_t(count) + 1)
{
    for (int64_t i = 0; i <= count; ++i) {
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

std::string NodeStates::Text(int label) const
{
    return ValueText(label, Number(label));
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

void NodeStates::WriteAll(const std::vector<int> &values, const std::vector<int8_t> &marks)
{
    SetCount(int64_t(values.size()) - 1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        SetValue(int64_t(i), values[i]);
        SetMark(int64_t(i), marks[i]);
    }
}

Timeline::Totals Timeline::TotalsThrough(int64_t k)
{
    auto add = [this](Totals totals, int64_t first, int64_t end) {
        for (int64_t i = first; i < end; ++i) {
            const Totals step = CountsOf(i);
            totals.comparisons += step.comparisons;
            totals.moves += step.moves;
        }
        return totals;
    };
    const int64_t block = (k + 1) / kBlock;
    while (int64_t(m_blockTotals.size()) <= block) {
        const int64_t j = int64_t(m_blockTotals.size());
        m_blockTotals.push_back(add(m_blockTotals.back(), (j - 1) * kBlock, j * kBlock));
    }
    return add(m_blockTotals[std::size_t(block)], block * kBlock, k + 1);
}

// The latest picture at or before step k, where starting from it writes
// fewer nodes than the changes between the step shown and k.
const Timeline::Keyframe *Timeline::StartFor(int64_t k) const
{
    const auto after = std::upper_bound(m_keyframes.begin(), m_keyframes.end(), k,
                                        [](int64_t step, const Keyframe &frame) { return step < frame.step; });
    if (after == m_keyframes.begin())
        return nullptr;
    const Keyframe &frame = *std::prev(after);
    const int64_t direct = std::abs(int64_t(EndOfChanges(k)) - int64_t(EndOfChanges(m_nShown)));
    const int64_t fromFrame = int64_t(frame.values.size()) + int64_t(EndOfChanges(k)) - int64_t(EndOfChanges(frame.step));
    return fromFrame < direct ? &frame : nullptr;
}

bool Timeline::KeyframeDue(int64_t nodeCount) const
{
    const int64_t since = m_keyframes.empty() ? 0 : EndOfChanges(m_keyframes.back().step);
    return int64_t(m_changes.size()) - since >= 2 * std::max<int64_t>(nodeCount, 32);
}

void Timeline::AddKeyframe(const NodeCopy &tree)
{
    m_keyframes.push_back({Recorded(), tree.Values(), tree.Marks()});
}

// The recorded steps on the way are applied or taken back in one go, from a
// picture of every node where that writes less; the others are recorded one
// by one.
void Timeline::SeekTo(int64_t k, NodeStates &nodes, const Recorder &next)
{
    const NodeChange *changes = m_changes.data();
    const int64_t last = std::min(k, Recorded());
    if (const Keyframe *start = StartFor(last)) {
        nodes.WriteAll(start->values, start->marks);
        m_nShown = start->step;
    }
    if (last > m_nShown)
        nodes.Write(changes + m_steps[std::size_t(m_nShown + 1)].firstChange, changes + EndOfChanges(last), true);
    else if (last < m_nShown)
        nodes.Write(changes + m_steps[std::size_t(last + 1)].firstChange, changes + EndOfChanges(m_nShown), false);
    m_nShown = last;
    for (; m_nShown < k; ++m_nShown) {
        Writer writer(*this, nodes);
        next(writer);
    }
    const Totals totals = TotalsThrough(m_nShown);
    m_nComparisons = totals.comparisons;
    m_nMoves = totals.moves;
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
    std::size_t bytes = m_steps.capacity() * sizeof(TimelineStep) + m_changes.capacity() * sizeof(NodeChange);
    for (const Keyframe &frame : m_keyframes)
        bytes += frame.values.capacity() * sizeof(int) + frame.marks.capacity();
    return bytes + m_blockTotals.capacity() * sizeof(Totals) + m_countedApart.capacity() * sizeof(CountedApart);
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

void Timeline::Trim()
{
    m_steps.shrink_to_fit();
    m_changes.shrink_to_fit();
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
    assert(m_timeline.m_changes.size() < UINT32_MAX && "a step finds its changes by a 32-bit place");
    m_timeline.m_changes.push_back({uint32_t(node) << 2 | field, from, to});
}

void Timeline::Writer::Swap(int64_t a, int64_t b, bool evenIfEqual)
{
    const int valueA = Value(a), valueB = Value(b);
    if (a == b || (valueA == valueB && !evenIfEqual))
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

Timeline::Totals Timeline::CountsOf(int64_t k) const
{
    const TimelineStep &step = m_steps[std::size_t(k)];
    if (step.counts != TimelineStep::kCountedApart)
        return {step.counts & 15, step.counts >> 4};
    const auto apart = std::lower_bound(m_countedApart.begin(), m_countedApart.end(), k,
                                        [](const CountedApart &c, int64_t step) { return c.step < step; });
    return apart->counts;
}

int64_t Timeline::ComparisonsOf(int64_t k) const
{
    return CountsOf(k).comparisons;
}

int64_t Timeline::MovesOf(int64_t k) const
{
    return CountsOf(k).moves;
}

// Steps that count little, nearly all, keep their counts in four bits
// each, so that a step stays 12 bytes; a step that makes more keeps them
// beside the steps.
void Timeline::Writer::Count(int64_t comparisons, int64_t moves)
{
    assert(comparisons >= 0 && moves >= 0 && "counts only grow");
    const int64_t k = m_timeline.Recorded();
    TimelineStep &step = m_timeline.m_steps.back();
    Totals counts = m_timeline.CountsOf(k);
    counts.comparisons += comparisons;
    counts.moves += moves;
    if (step.counts != TimelineStep::kCountedApart && counts.comparisons < 15 && counts.moves < 15) {
        step.counts = uint8_t(counts.comparisons | counts.moves << 4);
        return;
    }
    auto &apart = m_timeline.m_countedApart;
    if (step.counts != TimelineStep::kCountedApart)
        apart.push_back({k, {}});
    step.counts = TimelineStep::kCountedApart;
    apart.back().counts = counts;
}
