// Heaps on the numbered tree: the labels are the values, and the builds and
// heapsort are runs of the view's player.
#include "ZarniView.h"

#include "RunPlayer.h"

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
    for (int64_t i = 1; i <= m_nNodeCount; ++i)
        NodeAt(i)->m_strLabel = std::to_string(valueOf(i));
    m_bHeapValues = true;
    Invalidate();
    emit RunStateChanged();
}

void CZarniView::SetMinHeap(bool min)
{
    m_bMinHeap = min;
    emit RunStateChanged();
}

void CZarniView::StartHeap(HeapAlgorithm::Kind kind)
{
    ForgetRun();
    EndMerge();
    ClearMarks();
    m_bHeapValues = true;
    m_pPlayer->Load(std::make_unique<HeapAlgorithm>(kind, m_bMinHeap, *m_pTreeStates, m_nNodeCount));
    Invalidate();
    m_pPlayer->Play();
}

// The heap is the nodes before the sorted ones at the end.
int64_t CZarniView::HeapSize() const
{
    int64_t size = m_nNodeCount;
    while (size > 0 && NodeAt(size)->m_nMark == kMarkSorted)
        --size;
    return size;
}

int64_t CZarniView::HeapViolation() const
{
    return HeapAlgorithm::FirstViolation(*m_pTreeStates, HeapSize(), m_bMinHeap);
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
