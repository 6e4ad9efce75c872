// Heaps on the numbered tree: the labels are the values, and the builds and
// heapsort are runs of the view's player.
#include "ZarniView.h"

#include "MarkColours.h"
#include "RunPlayer.h"

#include <QPainter>
#include <QRandomGenerator>

CZarniView::LeafProblem CZarniView::SetValues(const QStringList &values)
{
    if (values.size() != m_nNodeCount)
        return {LeafError::WrongCount, QString::number(values.size())};
    std::vector<int> parsed(std::size_t(values.size()));
    for (int i = 0; i < values.size(); ++i)
        if (const LeafProblem problem = ReadValue(values[i], &parsed[std::size_t(i)]); problem.error != LeafError::None)
            return problem;
    WriteValues([&](int64_t i) { return parsed[std::size_t(i - 1)]; });
    return {};
}

void CZarniView::FillValues(ValueFill fill, int low, int high)
{
    QRandomGenerator *random = QRandomGenerator::global();
    WriteValues([&](int64_t i) {
        switch (fill) {
        case ValueFill::Ascending: return int(std::min<int64_t>(i, kMaxNodeValue));
        case ValueFill::Descending: return int(std::max<int64_t>(m_nNodeCount - i + 1, -kMaxNodeValue));
        case ValueFill::Random: break;
        }
        return int(random->bounded(qint64(low), qint64(high) + 1));
    });
}

// Every node takes its value, every mark is cleared; the tree holds a heap's
// values from now on.
void CZarniView::WriteValues(const std::function<int(int64_t)> &valueOf)
{
    ForgetRun();
    EndMerge();
    ClearMarks();
    ClearNodeZero();
    // Checked as they are written, for either kind of heap.
    std::vector<int> values(std::size_t(m_nNodeCount) + 1);
    m_writtenCheck = {true, 0, 0};
    for (int64_t i = 1; i <= m_nNodeCount; ++i) {
        const int value = values[std::size_t(i)] = valueOf(i);
        NodeAt(i)->m_strLabel = std::to_string(value);
        const int parent = values[std::size_t(i / 2)];
        if (i > 1 && value > parent && !m_writtenCheck.maxViolation)
            m_writtenCheck.maxViolation = i;
        if (i > 1 && value < parent && !m_writtenCheck.minViolation)
            m_writtenCheck.minViolation = i;
    }
    m_bHeapValues = true;
    m_heapOut.clear();
    Invalidate();
    emit RunStateChanged();
}

// The values said to have been extracted before, as a lesson keeps them;
// false unless the tree holds a heap's values.
bool CZarniView::SetHeapOut(std::vector<int> out)
{
    if (!m_bHeapValues)
        return false;
    ForgetRun();
    m_heapOut = std::move(out);
    emit RunStateChanged();
    return true;
}

void CZarniView::SetMinHeap(bool min)
{
    m_bMinHeap = min;
    emit RunStateChanged();
}

void CZarniView::ForgetHeap()
{
    m_bHeapValues = false;
    m_heapOut.clear();
}

// The builds and heapsort take the values as they are shown; an operation
// on one value needs a heap of the kind chosen. Either way the marks go, so
// the whole tree is the heap.
CZarniView::HeapProblem CZarniView::StartHeap(HeapAlgorithm::Kind kind, HeapAlgorithm::Operand operand)
{
    using Kind = HeapAlgorithm::Kind;
    const bool build = kind == Kind::Build || kind == Kind::BuildByInsert || kind == Kind::Sort;
    // An operation asked for while the one before still plays takes the
    // heap that one leaves.
    const HeapAlgorithm *before = HeapRun();
    if (!build && before && before->EndsInHeap(m_bMinHeap) && RunStep() < RunStepCount())
        SeekRun(RunStepCount());
    const int64_t size = build ? m_nNodeCount : HeapSizeUnmarked();
    if (build && !m_bHeapValues) { // a merge's or a replacement's empty and -∞ labels are no values
        if (const int64_t empty = FirstWithoutValue(size))
            return {HeapError::NoValue, empty, size};
    }
    if (!build) {
        if (const HeapProblem problem = HeapRefusal(kind, operand, size); problem.error != HeapError::None)
            return problem;
    }
    ForgetRun();
    EndMerge();
    ClearMarks();
    ClearNodeZero();
    m_bHeapValues = true;
    m_pPlayer->Load(std::make_unique<HeapAlgorithm>(kind, m_bMinHeap, *m_pTreeStates, size, operand));
    Invalidate();
    m_pPlayer->Play();
    return {};
}

CZarniView::HeapProblem CZarniView::HeapRefusal(HeapAlgorithm::Kind kind, HeapAlgorithm::Operand operand,
                                                int64_t size) const
{
    using Kind = HeapAlgorithm::Kind;
    if (HeapSize() < size) // the sorted part of a heapsort is no heap
        return {HeapError::Sorting, 0, size};
    if (!m_bHeapValues) {
        if (const int64_t empty = FirstWithoutValue(size))
            return {HeapError::NoValue, empty, size};
    }
    if (kind == Kind::Insert && size >= INT32_MAX)
        return {HeapError::Full, 0, size};
    if (kind != Kind::Insert && size == 0)
        return {HeapError::Empty, 0, size};
    if ((kind == Kind::Key || kind == Kind::Delete) && (operand.node < 1 || operand.node > size))
        return {HeapError::NoSuchNode, operand.node, size};
    if (const int64_t bad = FirstViolation(size))
        return {HeapError::NotAHeap, bad, size};
    return {};
}

// What the run shown took back to its start: the values before it.
std::vector<int> CZarniView::ValuesBeforeRun() const
{
    NodeCopy copy(*m_pTreeStates, m_nNodeCount);
    if (const RunAlgorithm *run = Run(); run && RunStep() > 0)
        copy.Write(run->Steps().ChangesOf(1).first, run->Steps().ChangesOf(RunStep()).last, false);
    return copy.Values();
}

const HeapAlgorithm *CZarniView::HeapRun() const
{
    return dynamic_cast<const HeapAlgorithm *>(Run());
}

// An extraction shown past its first step has written its value out.
std::vector<int> CZarniView::HeapOut() const
{
    std::vector<int> out = m_heapOut;
    const HeapAlgorithm *heap = HeapRun();
    if (int value = 0; heap && heap->Extracted(&value))
        out.push_back(value);
    return out;
}

void CZarniView::KeepHeapOut()
{
    const HeapAlgorithm *heap = HeapRun();
    if (int value = 0; heap && heap->Extracted(&value))
        m_heapOut.push_back(value);
}

// The last extraction or deletion leaves one node with an empty label.
int64_t CZarniView::HeapSizeUnmarked() const
{
    return m_bHeapValues && m_nNodeCount == 1 && NodeAt(1)->m_strLabel.empty() ? 0 : m_nNodeCount;
}

// The heap is the nodes before the sorted ones at the end.
int64_t CZarniView::HeapSize() const
{
    int64_t size = HeapSizeUnmarked();
    while (size > 0 && NodeAt(size)->m_nMark == kMarkSorted)
        --size;
    return size;
}

// The first node within size whose label is no whole number (empty, -∞).
int64_t CZarniView::FirstWithoutValue(int64_t size) const
{
    for (int64_t i = 1; i <= size; ++i)
        if (const int value = m_pTreeStates->Value(i); value == NodeStates::kNoLabel || value == NodeStates::kLeast)
            return i;
    return 0;
}

int64_t CZarniView::HeapViolation() const
{
    return FirstViolation(HeapSize());
}

// A heap's run shown at its end has left a heap of its kind, and values
// written whole were checked as they were written; anything else that
// writes the labels first loads or forgets a run. So a million labels are
// read only where neither tells.
int64_t CZarniView::FirstViolation(int64_t size) const
{
    const HeapAlgorithm *heap = HeapRun();
    if (heap && heap->EndsInHeap(m_bMinHeap) && RunStep() == RunStepCount())
        return 0;
    if (!Run() && m_writtenCheck.known && size == m_nNodeCount)
        return m_bMinHeap ? m_writtenCheck.minViolation : m_writtenCheck.maxViolation;
    return HeapAlgorithm::FirstViolation(*m_pTreeStates, size, m_bMinHeap);
}

// The nodes a heap's step points at: outlined over the window.
std::vector<int64_t> CZarniView::PointedNodes() const
{
    const RunAlgorithm *run = Run();
    if (!run || run->Boxes() || RunStep() == 0)
        return {};
    const TimelineStep &step = run->Steps().Step(RunStep());
    std::vector<int64_t> nodes{step.focus};
    if (const int64_t partner = step.PartnerNode())
        nodes.push_back(partner);
    for (const NodeChange &change : run->Steps().ChangesOf(RunStep()))
        if (change.WhichField() == NodeChange::kSwap)
            nodes.insert(nodes.end(), {change.Node(), int64_t(change.from)});
    return nodes;
}

// At the normal speed or slower, the two values a played swap exchanges
// slide from each other's box to their own for most of the step's wait.
void CZarniView::StartSlide(int64_t step)
{
    EndSlide();
    if (!IsPlaying() || Speed() > 1)
        return;
    for (const NodeChange &change : Run()->Steps().ChangesOf(step)) {
        if (change.WhichField() != NodeChange::kSwap)
            continue;
        m_slide.a = change.Node();
        m_slide.b = change.from;
        m_slide.ms = StepWait() * 3 / 5;
        m_slide.clock.start();
        m_slideTimer.start(16);
        return;
    }
}

void CZarniView::SlideOn()
{
    const QRect area = SlideArea();
    if (m_slide.clock.elapsed() >= m_slide.ms)
        EndSlide();
    viewport()->update(area);
}

void CZarniView::EndSlide()
{
    if (!m_slide.a)
        return;
    viewport()->update(SlideArea());
    m_slide.a = m_slide.b = 0;
    m_slideTimer.stop();
}

// The two boxes and the way between them.
QRect CZarniView::SlideArea() const
{
    const CRect a = WindowBox(m_slide.a), b = WindowBox(m_slide.b);
    return QRect(QPoint(std::min(a.left, b.left), std::min(a.top, b.top)),
                 QPoint(std::max(a.right, b.right), std::max(a.bottom, b.bottom)))
        .adjusted(-4, -4, 4, 4);
}

// Each box shows without its label, and each label on its way from the
// other box to its own.
void CZarniView::DrawSlide(QPainter *painter)
{
    if (!m_slide.a || m_slide.a > m_nNodeCount || m_slide.b > m_nNodeCount)
        return;
    const double t = std::min(1.0, double(m_slide.clock.elapsed()) / std::max(1, m_slide.ms));
    const double eased = t * t * (3 - 2 * t);
    const TreeGeometry geometry = Geometry();
    const CPoint scroll{m_nHScrollPos, m_nVScrollPos};
    auto window = [&](const CRect &r) { return QRect(r.left - scroll.x, r.top - scroll.y, r.Width(), r.Height()); };
    for (const int64_t node : {m_slide.a, m_slide.b}) {
        const CPoint centre = geometry.Position(node);
        const MarkColours colours = ColoursFor(RunNode(node)->m_nMark);
        painter->fillRect(window(geometry.Box(centre)).adjusted(1, 1, -1, -1), colours.fill);
        painter->fillRect(window(geometry.TextRect(centre)) & window(geometry.Box(centre)).adjusted(1, 1, -1, -1),
                          colours.firstFrame);
    }
    painter->setFont(LabelFont()->Font());
    painter->setPen(Qt::black);
    for (const auto &[node, from] : {std::pair{m_slide.a, m_slide.b}, std::pair{m_slide.b, m_slide.a}}) {
        const CPoint to = geometry.Position(node), source = geometry.Position(from);
        const CPoint at{int(source.x + (to.x - source.x) * eased), int(source.y + (to.y - source.y) * eased)};
        painter->drawText(window(geometry.TextRect(at)), Qt::AlignHCenter | Qt::AlignTop,
                          QString::fromStdString(RunNode(node)->m_strLabel));
    }
}
