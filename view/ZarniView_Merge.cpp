// The merge of sorted runs on the selection tree: the model decides, the
// tree shows it, and every change of a leaf is played again as a run. And
// replacement selection, which makes the runs.
#include "ZarniView.h"

#include "RunPlayer.h"

#include <utility>

void CZarniView::StartMerge(WinnerMerge::Runs runs)
{
    const auto count = 2 * int64_t(runs.size()) - 1;
    SetNodeCount(int(count)); // ends any run and merge
    m_pMerge = std::make_unique<WinnerMerge>(std::move(runs));
    for (int64_t i = 1; i <= count; ++i)
        NodeAt(i)->m_strLabel.clear();
    for (int j = 0; j < m_pMerge->RunCount(); ++j) {
        const int64_t leaf = m_pMerge->LeafOfRun(j);
        NodeAt(leaf)->m_strLabel = TournamentRun::LabelOf(m_pMerge->Value(leaf));
    }
    Invalidate();
    emit MergeChanged();
    OnWinnerGo();
}

// Whatever happened to the tree since (a run stopped half way, a selection),
// it shows the merge's tree again before the pop.
void CZarniView::OnWinnerPop()
{
    if (!m_pMerge || m_pMerge->Done())
        return;
    if (m_practice.on && !std::exchange(m_practice.popAnswered, false)) {
        AskPop();
        return;
    }
    ForgetRun();
    ShowMergeTree();
    const int64_t leaf = m_pMerge->Pop();
    NodeAt(leaf)->m_strLabel = TournamentRun::LabelOf(m_pMerge->Value(leaf));
    emit MergeChanged();
    ReplayPathFrom(leaf, true);
}

// The last pop is made as every pop is, and its replay finished at once, so
// the view ends as after popping one by one.
void CZarniView::OnWinnerPopAll()
{
    if (!m_pMerge || m_pMerge->Done())
        return;
    m_pMerge->PopUntil(1);
    const bool practising = std::exchange(m_practice.on, false); // every pop at once asks nothing
    OnWinnerPop();
    OnWinnerEnd();
    m_practice.on = practising;
}

// Every label and mark as the merge's tournament stands, in a winner or a
// loser tree; the leaf a pop is about to change shows its old value until
// then.
void CZarniView::ShowMergeTree()
{
    ClearMarks();
    const int64_t firstLeaf = m_pMerge->LeafOfRun(0);
    for (int64_t i = 1; i <= m_pMerge->NodeCount(); ++i) {
        TreeNode *node = NodeAt(i);
        const bool loser = m_bLoserTree && i < firstLeaf;
        node->m_strLabel = TournamentRun::LabelOf(loser ? m_pMerge->Loser(i) : m_pMerge->Value(i));
        SetMark(node, m_bLoserTree ? (loser ? kMarkKept : kMarkPlain) : m_pMerge->Mark(i));
    }
    if (m_bLoserTree) {
        m_nodeZero.m_strLabel = TournamentRun::LabelOf(m_pMerge->Value(1));
        SetMark(&m_nodeZero, kMarkHighlighted);
    }
}

void CZarniView::EndMerge()
{
    if (!m_pMerge && !m_replacement.record)
        return;
    m_pMerge.reset();
    m_replacement.record.reset();
    emit MergeChanged();
}

void CZarniView::StartReplacement(int memory, std::vector<int> input)
{
    SetNodeCount(2 * memory - 1); // ends any run and merge
    for (int64_t i = 1; i <= m_nNodeCount; ++i)
        NodeAt(i)->m_strLabel.clear();
    auto run = std::make_unique<ReplacementAlgorithm>(memory, std::move(input), m_bLoserTree);
    m_replacement = {run->Record(), 0};
    m_pPlayer->Load(std::move(run));
    Invalidate();
    emit MergeChanged();
    m_pPlayer->Play();
}

// The step shown, while the run shown is the replacement's.
void CZarniView::FollowReplacement(int64_t step)
{
    const auto *run = dynamic_cast<const ReplacementAlgorithm *>(Run());
    if (!m_replacement.record || !run || run->Record() != m_replacement.record)
        return;
    m_replacement.step = step;
    emit MergeChanged();
}

CZarniView::RunsMerge CZarniView::MergeReplacementRuns()
{
    if (!m_replacement.record)
        return RunsMerge::NoReplacement;
    WinnerMerge::Runs runs = m_replacement.record->Runs();
    if (runs.size() == 1)
        return RunsMerge::OneRun;
    if (runs.size() > std::size_t(WinnerMerge::kMaxRuns))
        return RunsMerge::TooManyRuns;
    StartMerge(std::move(runs));
    return RunsMerge::Started;
}
