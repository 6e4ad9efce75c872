// The winner tree: 15 nodes with random leaf values, and Go, which plays
// the run shown on or the tournament.
#include "ZarniView.h"

#include "RunPlayer.h"

#include <cstdlib>

void CZarniView::OnWinnerTree()
{
    ResetTree(&CZarniView::BuildRandomTree);
}

// Built like the numbered tree; every node within the count draws a value
// (the generator re-seeded with its own next output), and a parent loses its
// value again as soon as a child is built, so only leaves keep theirs.
// Depth-first, the left subtree before the right, so the values come in the
// same order at every run from the same seed.
void CZarniView::BuildRandomTree(TreeNode *node, int index, int level)
{
    std::srand(unsigned(std::rand()));
    m_nRandomValue = std::rand() % 100;
    m_model.SetValue(index, m_nRandomValue);
    PlaceNode(node, index, level);
    if (node->m_pParentIfRight)
        m_model.SetValue(node->m_pParentIfRight->m_nIndex, NodeStates::kNoLabel);
    if (node->m_pParentIfLeft)
        m_model.SetValue(node->m_pParentIfLeft->m_nIndex, NodeStates::kNoLabel);
    if (node->m_pLeft)
        BuildRandomTree(node->m_pLeft, 2 * index, level + 1);
    if (node->m_pRight)
        BuildRandomTree(node->m_pRight, 2 * index + 1, level + 1);
}

// Plays the run's remaining steps, or the run Go starts (the tournament)
// when no run is in progress.
void CZarniView::OnWinnerGo()
{
    if (IsPlaying())
        return;
    if (GetRunState() != RunState::Paused)
        StartDefaultRun();
    m_pPlayer->Play();
}

void CZarniView::StartDefaultRun()
{
    m_model.Load(m_model.DefaultRun());
}
