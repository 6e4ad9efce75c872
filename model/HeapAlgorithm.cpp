#include "HeapAlgorithm.h"

#include "TournamentRun.h"

#include <algorithm>

namespace {

// An empty label counts as 0, as everywhere a label is read as a number.
constexpr auto Number = &TournamentRun::Contender;

} // namespace

HeapAlgorithm::HeapAlgorithm(Kind kind, bool minHeap, const NodeStates &tree, int64_t size, Operand operand)
    : m_kind(kind), m_bMin(minHeap), m_operand(operand)
{
    if (kind == Kind::Build || kind == Kind::BuildByInsert || kind == Kind::Sort) {
        NodeCopy copy(tree, size);
        Timeline::Writer writer(m_timeline, copy);
        RecordBuild(writer, copy, size);
    } else {
        // One value's way through the heap touches a node or two a level.
        NodeOverlay overlay(tree);
        Timeline::Writer writer(m_timeline, overlay);
        Record(writer, size, operand);
    }
}

void HeapAlgorithm::RecordBuild(Timeline::Writer &writer, const NodeCopy &copy, int64_t count)
{
    // Room for the most steps the run can take, so that recording never
    // copies what it has recorded: a sift costs at most three steps a level,
    // a heapsort's extraction one more.
    int64_t levels = 1;
    for (int64_t n = count; n > 1; n /= 2)
        ++levels;
    const int64_t builds = m_kind == Kind::BuildByInsert ? 2 * count * levels : 3 * count;
    const int64_t most = builds + (m_kind == Kind::Sort ? count * (1 + 3 * levels) : 0);
    m_timeline.Reserve(most, most + 2);
    const Lines down{2, 3, 4, 0, 0, 0}, up{0, 0, 0, 2, 3, 2}, sort{4, 5, 6, 0, 0, 0};
    // Before the run, and between two sifts where one is due, a picture
    // of the values.
    auto keep = [&] {
        if (m_timeline.KeyframeDue(count))
            m_timeline.AddKeyframe(copy);
    };
    m_timeline.AddKeyframe(copy);
    switch (m_kind) {
    case Kind::Build:
        for (int64_t i = count / 2; i >= 1; --i, keep())
            SiftDown(writer, i, count, down);
        break;
    case Kind::BuildByInsert:
        for (int64_t i = 2; i <= count; ++i, keep())
            SiftUp(writer, i, up);
        break;
    default:
        for (int64_t i = count / 2; i >= 1; --i, keep())
            SiftDown(writer, i, count, sort);
        for (int64_t e = count; e >= 2; --e, keep()) {
            writer.BeginStep(e, 3);
            writer.Swap(1, e);
            writer.SetMark(e, kMarkSorted);
            if (e == 2)
                writer.SetMark(1, kMarkSorted);
            writer.Count(0, 2);
            SiftDown(writer, 1, e - 1, sort);
        }
        if (count == 1) {
            writer.BeginStep(1, 3);
            writer.SetMark(1, kMarkSorted);
        }
        break;
    }
}

// Each operation's first step writes the value it brings (one move), and
// the tree grows or shrinks there.
void HeapAlgorithm::Record(Timeline::Writer &w, int64_t size, Operand operand)
{
    switch (m_kind) {
    case Kind::Insert: {
        const int64_t node = size + 1;
        w.BeginStep(node, 1);
        if (node > w.NodeCount())
            w.SetCount(node);
        w.SetValue(node, operand.value);
        w.Count(0, 1);
        SiftUp(w, node, {0, 0, 0, 2, 3, 2});
        break;
    }
    case Kind::Extract:
        m_nOut = w.Value(1);
        TakeLast(w, 1, size);
        if (size > 1)
            SiftDown(w, 1, size - 1, {2, 3, 4, 0, 0, 0});
        break;
    case Kind::Key:
        w.BeginStep(operand.node, 1);
        w.SetValue(operand.node, operand.value);
        w.Count(0, 1);
        SiftUpOrDown(w, operand.node, size);
        break;
    default:
        TakeLast(w, operand.node, size);
        if (operand.node < size)
            SiftUpOrDown(w, operand.node, size - 1);
        break;
    }
}

// Node i gives up its value for the last node's, and the last node goes;
// a heap of one node keeps it, empty.
void HeapAlgorithm::TakeLast(Timeline::Writer &w, int64_t i, int64_t size)
{
    w.BeginStep(i, 1);
    if (size == 1) {
        w.SetValue(1, NodeStates::kNoLabel);
        return;
    }
    if (i < size) {
        w.SetValue(i, w.Value(size));
        w.Count(0, 1);
    }
    w.SetCount(size - 1);
}

// A value that may belong higher or lower: the comparison with its parent
// says which way it goes.
void HeapAlgorithm::SiftUpOrDown(Timeline::Writer &w, int64_t i, int64_t size)
{
    const Lines either{5, 6, 7, 3, 4, 2};
    if (!SiftUp(w, i, either))
        SiftDown(w, i, size, either);
}

// Steps: the left child against the node, the right child against the
// greater of the two, and the swap with the greatest when it is a child.
void HeapAlgorithm::SiftDown(Timeline::Writer &w, int64_t i, int64_t size, const Lines &lines)
{
    for (;;) {
        const int64_t l = 2 * i, r = l + 1;
        int64_t best = i;
        if (l <= size) {
            w.BeginStep(l, lines.left, DecisionKind::SinkTo, Partner::Parent);
            w.Count(1, 0);
            if (Above(Number(w.Value(l)), Number(w.Value(i))))
                best = l;
        }
        if (r <= size) {
            w.BeginStep(r, lines.right, DecisionKind::None, best == i ? Partner::Parent : Partner::LeftSibling);
            w.Count(1, 0);
            if (Above(Number(w.Value(r)), Number(w.Value(best))))
                best = r;
        }
        if (best == i)
            return;
        w.BeginStep(best, lines.swap, DecisionKind::None, Partner::Parent);
        w.Swap(i, best);
        w.Count(0, 2);
        i = best;
    }
}

// Steps: the node against its parent, and the swap when it rises. Says
// whether the value rose at all.
bool HeapAlgorithm::SiftUp(Timeline::Writer &w, int64_t i, const Lines &lines)
{
    bool rose = false;
    for (int line = lines.decide; i > 1; i /= 2, line = lines.rise) {
        w.BeginStep(i, line, DecisionKind::Rise, Partner::Parent);
        w.Count(1, 0);
        if (!Above(Number(w.Value(i)), Number(w.Value(i / 2))))
            break;
        w.BeginStep(i, lines.riseSwap, DecisionKind::None, Partner::Parent);
        w.Swap(i, i / 2);
        w.Count(0, 2);
        rose = true;
    }
    return rose;
}

int64_t HeapAlgorithm::FirstViolation(const NodeStates &tree, int64_t size, bool minHeap)
{
    for (int64_t i = 2; i <= size; ++i) {
        const int child = Number(tree.Value(i)), parent = Number(tree.Value(i / 2));
        if (minHeap ? child < parent : child > parent)
            return i;
    }
    return 0;
}

const char *HeapAlgorithm::Name() const
{
    static const char *const names[] = {"heap-build", "heap-build-by-insert", "heap-sort", "heap-insert",
                                        "heap-extract", "heap-key",   "heap-delete"};
    return names[int(m_kind)];
}

// A min-heap's pseudocode is the max-heap's with every comparison turned.
QStringList HeapAlgorithm::Listing() const
{
    QStringList lines = RunAlgorithm::Listing();
    if (m_bMin) {
        for (QString &line : lines) {
            line.replace('>', QChar(1)).replace('<', '>').replace(QChar(1), '<');
            line.replace(QStringLiteral("largest"), QStringLiteral("smallest"));
        }
    }
    return lines;
}

QString HeapAlgorithm::NodeText(int64_t i, const NodeStates &now)
{
    return tr("節點 %1 (%2)").arg(i).arg(LabelText(now.Value(i)));
}

QString HeapAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return QString();
    const TimelineStep &step = m_timeline.Step(k);
    auto node = [&](int64_t i) { return NodeText(i, now); };
    const QString head = tr("第 %1/%2 步：").arg(k).arg(m_timeline.StepCount());
    if (step.line == 1 && m_kind >= Kind::Insert)
        return head + FirstStepNarration(step, now);
    for (const NodeChange &change : m_timeline.ChangesOf(k))
        if (change.WhichField() == NodeChange::kSwap)
            return head + tr("交換後 %1、%2").arg(node(change.Node()), node(change.from));
    if (step.Comparisons() > 0)
        return head + tr("比較 %1 與 %2").arg(node(step.focus), node(step.PartnerNode()));
    return head + tr("%1 已排好").arg(node(step.focus));
}

QString HeapAlgorithm::FirstStepNarration(const TimelineStep &step, const NodeStates &now) const
{
    const int64_t i = step.focus;
    const QString node = i <= now.Count() ? NodeText(i, now) : QString();
    const bool emptied = now.Count() == 1 && now.Value(1) == NodeStates::kNoLabel;
    switch (m_kind) {
    case Kind::Insert:
        return tr("%1 加入堆積").arg(node);
    case Kind::Extract:
        return emptied ? tr("取出樹根的值 %1，堆積空了").arg(m_nOut)
                       : tr("取出樹根的值 %1，最後一個節點的值移到樹根：%2").arg(m_nOut).arg(node);
    case Kind::Key:
        return tr("%1 換上新的值").arg(node);
    default:
        if (emptied)
            return tr("刪去節點 1，堆積空了");
        return i > now.Count() ? tr("刪去最後一個節點 %1").arg(i) : tr("刪去節點 %1，最後一個節點的值移到這裡：%2").arg(i).arg(node);
    }
}

bool HeapAlgorithm::Extracted(int *value) const
{
    if (m_kind != Kind::Extract || m_timeline.Shown() == 0)
        return false;
    *value = m_nOut;
    return true;
}

// Read from the steps recorded: a level of a sift-down is its comparisons
// (the left child's, then the right one's if it has one) and, when a child
// wins, the swap with it; a sift-up's comparison with the parent is
// followed by their swap when the value rises.
PracticeQuestion HeapAlgorithm::Question(int64_t k, const NodeStates &) const
{
    const Timeline &steps = m_timeline;
    const TimelineStep &step = steps.Step(k);
    auto swapOf = [&](int64_t j) {
        if (j > steps.Recorded())
            return int64_t(0);
        const TimelineStep &next = steps.Step(j);
        return next.Comparisons() == 0 && next.Moves() == 2 && next.partner == Partner::Parent ? int64_t(next.focus) : 0;
    };
    if (step.decision == DecisionKind::Rise) {
        const int64_t i = step.focus;
        return {PracticeQuestion::Kind::Rise, i, {i / 2, 0}, swapOf(k + 1) == i ? i / 2 : 0};
    }
    if (step.decision != DecisionKind::SinkTo)
        return {};
    const int64_t l = step.focus;
    const bool right = k < steps.Recorded() && steps.Step(k + 1).focus == l + 1 && steps.Step(k + 1).Comparisons() == 1;
    const int64_t swapped = swapOf(k + (right ? 2 : 1));
    PracticeQuestion question{PracticeQuestion::Kind::SinkTo, l / 2, {l}, 0};
    if (right)
        question.choices.push_back(l + 1);
    question.choices.push_back(0);
    if (std::find(question.choices.begin(), question.choices.end(), swapped) != question.choices.end())
        question.answer = swapped;
    return question;
}
