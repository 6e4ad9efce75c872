// The winner tree: 15 nodes with random leaf values, and the knock-out
// tournament that plays it level by level from the bottom.
#include "ZarniView.h"

#include <QEventLoop>
#include <QTimer>
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
    node->m_strLabel = std::to_string(m_nRandomValue);
    PlaceNode(node, index, level);
    if (node->m_pParentIfRight)
        node->m_pParentIfRight->m_strLabel.clear();
    if (node->m_pParentIfLeft)
        node->m_pParentIfLeft->m_strLabel.clear();
    if (node->m_pLeft)
        BuildRandomTree(node->m_pLeft, 2 * index, level + 1);
    if (node->m_pRight)
        BuildRandomTree(node->m_pRight, 2 * index + 1, level + 1);
}

// Plays the matches from the level above the leaves up to the root. The
// window surface stays with the run; when the window goes away during a wait
// the run ends at once without touching the view again.
void CZarniView::OnWinnerGo()
{
    if (m_bPlaying)
        return;
    m_bPlaying = true;
    CWindowDC dc(this);
    const TournamentRun run(m_nNodeCount, m_nDepth);
    for (int64_t m = 0; m < run.MatchCount(); ++m)
        if (!PlayMatch(&dc, run, m))
            return;
    m_bPlaying = false;
}

// All marks and the label are set before anything is painted. Returns false
// when the window is gone.
bool CZarniView::PlayMatch(CWindowDC *dc, const TournamentRun &run, int64_t m)
{
    const TournamentMatch &match = run.Match(m);
    TreeNode *node = NodeAt(match.node), *left = NodeAt(match.left), *right = NodeAt(match.right);
    const MatchOutcome outcome =
        TournamentRun::Decide(left ? &left->m_strLabel : nullptr, right ? &right->m_strLabel : nullptr);
    if (left)
        SetMark(left, outcome.leftMark);
    if (right)
        SetMark(right, outcome.rightMark);
    node->m_strLabel = outcome.label;
    SetMark(node, 1);
    const int delay = m_nStepDelayMs;
    for (int64_t k = run.FirstStep(m); k <= run.LastStep(m); ++k) {
        const TreeNode *box = NodeAt(run.BoxOfStep(k));
        PaintNodeBox(dc, box);
        dc->Flush();
        emit TournamentStep(box->m_nIndex);
        if (!Wait(dc, delay))
            return false;
    }
    return true;
}

// A box drawn on the window where the paint puts it, from the stored scroll
// position.
void CZarniView::PaintNodeBox(CWindowDC *dc, const TreeNode *node)
{
    const CPoint p = Geometry().Position(node->m_nIndex);
    DrawNodeBox(dc, node, p.x - m_nHScrollPos, p.y - m_nVScrollPos, node->m_nMark);
}

// Waits while the window keeps repainting; user input waits until the run
// is over. Returns whether the window still exists; when it does not,
// nothing of the view may be touched, so this reads nothing of it.
bool CZarniView::Wait(CWindowDC *dc, int delay)
{
    if (!dc->WindowAlive())
        return false;
    if (delay > 0) {
        QEventLoop loop;
        QTimer::singleShot(delay, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return dc->WindowAlive();
}
