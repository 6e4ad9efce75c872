#include "HeapAlgorithm.h"

#include "TournamentRun.h"

namespace {

// An empty label counts as 0, as everywhere a label is read as a number.
int Number(int value)
{
    return value == NodeStates::kNoLabel ? 0 : value;
}

} // namespace

HeapAlgorithm::HeapAlgorithm(Kind kind, bool minHeap, const NodeStates &tree, int64_t count)
    : m_kind(kind), m_bMin(minHeap)
{
    NodeCopy copy(tree, count);
    // Room for the most steps the run can take, so that recording never
    // copies what it has recorded: a sift costs at most three steps a level,
    // a heapsort's extraction one more.
    int64_t levels = 1;
    for (int64_t n = count; n > 1; n /= 2)
        ++levels;
    const int64_t builds = kind == Kind::BuildByInsert ? 2 * count * levels : 3 * count;
    const int64_t most = builds + (kind == Kind::Sort ? count * (1 + 3 * levels) : 0);
    m_timeline.Reserve(most, most + 2);
    Timeline::Writer writer(m_timeline, copy);
    switch (kind) {
    case Kind::Build:
        for (int64_t i = count / 2; i >= 1; --i)
            SiftDown(writer, i, count, {2, 3, 4, 0, 0});
        break;
    case Kind::BuildByInsert:
        for (int64_t i = 2; i <= count; ++i)
            SiftUp(writer, i, {0, 0, 0, 2, 3});
        break;
    case Kind::Sort:
        for (int64_t i = count / 2; i >= 1; --i)
            SiftDown(writer, i, count, {4, 5, 6, 0, 0});
        for (int64_t e = count; e >= 2; --e) {
            writer.BeginStep(e, 3);
            writer.Swap(1, e);
            writer.SetMark(e, kMarkSorted);
            if (e == 2)
                writer.SetMark(1, kMarkSorted);
            writer.Count(0, 2);
            SiftDown(writer, 1, e - 1, {4, 5, 6, 0, 0});
        }
        if (count == 1) {
            writer.BeginStep(1, 3);
            writer.SetMark(1, kMarkSorted);
        }
        break;
    }
}

// Steps: the left child against the node, the right child against the
// greater of the two, and the swap with the greatest when it is a child.
void HeapAlgorithm::SiftDown(Timeline::Writer &w, int64_t i, int64_t size, const Lines &lines)
{
    for (;;) {
        const int64_t l = 2 * i, r = l + 1;
        int64_t best = i;
        if (l <= size) {
            w.BeginStep(l, lines.left, DecisionKind::None, Partner::Parent);
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
        w.BeginStep(best, lines.swap, DecisionKind::SinkTo, Partner::Parent);
        w.Swap(i, best);
        w.Count(0, 2);
        i = best;
    }
}

// Steps: the node against its parent, and the swap when it rises.
void HeapAlgorithm::SiftUp(Timeline::Writer &w, int64_t i, const Lines &lines)
{
    for (; i > 1; i /= 2) {
        w.BeginStep(i, lines.rise, DecisionKind::Rise, Partner::Parent);
        w.Count(1, 0);
        if (!Above(Number(w.Value(i)), Number(w.Value(i / 2))))
            return;
        w.BeginStep(i, lines.riseSwap, DecisionKind::None, Partner::Parent);
        w.Swap(i, i / 2);
        w.Count(0, 2);
    }
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
    static const char *const names[] = {"heap-build", "heap-build-by-insert", "heap-sort"};
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

QString HeapAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return QString();
    const TimelineStep &step = m_timeline.Step(k);
    auto node = [&](int64_t i) {
        return tr("節點 %1 (%2)").arg(i).arg(QString::fromStdString(TournamentRun::LabelOf(now.Value(i))));
    };
    const QString head = tr("第 %1/%2 步：").arg(k).arg(m_timeline.StepCount());
    for (const NodeChange &change : m_timeline.ChangesOf(k))
        if (change.WhichField() == NodeChange::kSwap)
            return head + tr("交換後 %1、%2").arg(node(change.Node()), node(change.from));
    if (step.Comparisons() > 0)
        return head + tr("比較 %1 與 %2").arg(node(step.focus), node(step.PartnerNode()));
    return head + tr("%1 已排好").arg(node(step.focus));
}
