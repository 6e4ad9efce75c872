// The winner tree: 15 nodes with random leaf values, and the knock-out
// tournament that plays it level by level from the bottom.
#include "ZarniView.h"

#include <QEventLoop>
#include <QPointer>
#include <QStringList>
#include <algorithm>
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

// Plays the run's remaining steps, or a new run when none is in progress:
// a step now and one after every wait. The window answers the user between
// the steps.
void CZarniView::OnWinnerGo()
{
    if (m_bPlaying)
        return;
    if (GetRunState() != RunState::Paused)
        StartRun();
    SetPlaying(true);
    PlayNextStep();
}

// The wait after the last step ends the run.
void CZarniView::PlayNextStep()
{
    if (!m_pRun || m_nRunStep >= m_pRun->StepCount()) {
        SetPlaying(false);
        return;
    }
    CWindowDC dc(this);
    PaintStep(&dc);
    if (m_bPlaying) // not paused by whoever watched the step
        m_playTimer.start(StepWait());
}

void CZarniView::SetPlaying(bool playing)
{
    if (!playing)
        m_playTimer.stop();
    if (playing == m_bPlaying)
        return;
    m_bPlaying = playing;
    emit RunStateChanged();
}

void CZarniView::OnWinnerPause()
{
    if (m_bPlaying)
        SetPlaying(false);
    else if (GetRunState() == RunState::Paused)
        OnWinnerGo();
}

// A playing run pauses after the step.
void CZarniView::OnWinnerStep()
{
    SetPlaying(false);
    if (GetRunState() != RunState::Paused)
        StartRun();
    if (m_nRunStep < m_pRun->StepCount()) {
        CWindowDC dc(this);
        PaintStep(&dc);
    }
    emit RunStateChanged();
}

void CZarniView::OnWinnerBack()
{
    SetPlaying(false);
    if (!m_pRun || m_nRunStep == 0)
        return;
    // The picture before the step differs from the one after it only where
    // the step's box was painted.
    InvalidateRect(WindowBox(m_pRun->BoxOfStep(m_nRunStep)));
    if (m_pRun->FirstStep(m_pRun->MatchOfStep(m_nRunStep)) == m_nRunStep)
        UndoMatch();
    ShowStep(m_nRunStep - 1);
    emit RunStateChanged();
}

void CZarniView::OnWinnerRestart()
{
    SetPlaying(false);
    if (!m_pRun)
        return;
    while (!m_applied.empty())
        UndoMatch();
    ShowStep(0);
    Invalidate();
    emit RunStateChanged();
}

// Every remaining step at once, without painting them one by one.
void CZarniView::OnWinnerEnd()
{
    SetPlaying(false);
    if (GetRunState() != RunState::Paused)
        StartRun();
    for (int64_t m = int64_t(m_applied.size()); m < m_pRun->MatchCount(); ++m)
        ApplyMatch(m);
    ShowStep(m_pRun->StepCount());
    Invalidate();
    emit RunStateChanged();
}

namespace {

CZarniView::LeafProblem ParseLeafValue(const QString &word, int *value)
{
    int64_t read = 0;
    switch (ReadWholeNumber(word.toStdString(), -kMaxNodeValue, kMaxNodeValue, &read)) {
    case NumberError::NotANumber: return {CZarniView::LeafError::NotANumber, word};
    case NumberError::OutOfRange: return {CZarniView::LeafError::OutOfRange, word};
    case NumberError::None: break;
    }
    *value = int(read);
    return {};
}

} // namespace

CZarniView::LeafProblem CZarniView::SetLeafValues(const QStringList &values)
{
    if (values.size() != LeafCount())
        return {LeafError::WrongCount, QString::number(values.size())};
    std::vector<int> parsed(values.size());
    for (int i = 0; i < values.size(); ++i)
        if (const LeafProblem problem = ParseLeafValue(values[i], &parsed[std::size_t(i)]);
            problem.error != LeafError::None)
            return problem;
    ForgetRun();
    EndMerge();
    ClearMarks();
    const int64_t firstLeaf = FirstLeaf();
    for (int64_t i = 1; i < firstLeaf; ++i)
        NodeAt(i)->m_strLabel.clear();
    for (int64_t i = firstLeaf; i <= m_nNodeCount; ++i)
        NodeAt(i)->m_strLabel = std::to_string(parsed[std::size_t(i - firstLeaf)]);
    Invalidate();
    return {};
}

CZarniView::LeafProblem CZarniView::SetLeafValue(int64_t index, const QString &value)
{
    if (index < FirstLeaf() || index > m_nNodeCount)
        return {LeafError::NotALeaf, QString::number(index)};
    int parsed = 0;
    if (const LeafProblem problem = ParseLeafValue(value, &parsed); problem.error != LeafError::None)
        return problem;
    const bool played = GetRunState() == RunState::Done;
    ForgetRun();
    EndMerge();
    NodeAt(index)->m_strLabel = std::to_string(parsed);
    if (played)
        ReplayPathFrom(index);
    else
        Invalidate();
    return {};
}

// The matches on the leaf's path to the root are played again as a run.
void CZarniView::ReplayPathFrom(int64_t leaf)
{
    ForgetRun();
    m_pRun = std::make_unique<TournamentRun>(TournamentRun::PathFrom(m_nNodeCount, leaf));
    Invalidate();
    SetPlaying(true);
    PlayNextStep();
}

void CZarniView::WaitWhilePlaying(CZarniView *view)
{
    QPointer<CZarniView> watched = view;
    if (!watched || !watched->IsPlaying())
        return;
    QEventLoop loop;
    connect(view, &CZarniView::RunStateChanged, &loop, [&] {
        if (!watched->IsPlaying())
            loop.quit();
    });
    connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

CZarniView::RunState CZarniView::GetRunState() const
{
    if (m_bPlaying)
        return RunState::Playing;
    if (!m_pRun)
        return RunState::Idle;
    return m_nRunStep < m_pRun->StepCount() ? RunState::Paused : RunState::Done;
}

void CZarniView::StartRun()
{
    m_pRun = std::make_unique<TournamentRun>(m_nNodeCount, m_nDepth);
    m_applied.clear();
    m_nRunStep = 0;
}

// The tree is replaced or its marks rewritten: the run ends where it stands.
void CZarniView::ForgetRun()
{
    if (!m_pRun)
        return;
    SetPlaying(false);
    m_pRun.reset();
    m_applied.clear();
    m_nRunStep = 0;
    emit RunStateChanged();
}

// A match writes the children's marks, the node's label and its mark 1
// before its first box is painted; what it overwrites is kept for the way
// back.
void CZarniView::ApplyMatch(int64_t m)
{
    const TournamentMatch &match = m_pRun->Match(m);
    if (m_applied.capacity() == 0)
        m_applied.reserve(std::size_t(m_pRun->MatchCount()));
    TreeNode *node = NodeAt(match.node), *left = NodeAt(match.left), *right = NodeAt(match.right);
    Overwritten before{node->m_strLabel, {node->m_nMark, left ? left->m_nMark : kMarkPlain, right ? right->m_nMark : kMarkPlain}};
    m_applied.push_back(std::move(before));
    const MatchOutcome outcome =
        TournamentRun::Decide(left ? &left->m_strLabel : nullptr, right ? &right->m_strLabel : nullptr);
    if (left)
        SetMark(left, outcome.leftMark);
    if (right)
        SetMark(right, outcome.rightMark);
    node->m_strLabel = outcome.label;
    SetMark(node, kMarkHighlighted);
}

void CZarniView::UndoMatch()
{
    const TournamentMatch &match = m_pRun->Match(int64_t(m_applied.size()) - 1);
    const Overwritten &before = m_applied.back();
    const int64_t indices[] = {match.node, match.left, match.right};
    for (int i = 0; i < 3; ++i)
        if (TreeNode *n = NodeAt(indices[i]))
            SetMark(n, before.marks[i]);
    NodeAt(match.node)->m_strLabel = before.label;
    m_applied.pop_back();
}

// The next step: its match is applied if the step is the match's first,
// and its box painted on the window.
void CZarniView::PaintStep(CWindowDC *dc)
{
    const int64_t k = m_nRunStep + 1;
    const int64_t m = m_pRun->MatchOfStep(k);
    if (m_pRun->FirstStep(m) == k)
        ApplyMatch(m);
    const TreeNode *box = NodeAt(m_pRun->BoxOfStep(k));
    PaintNodeBox(dc, box);
    dc->Flush();
    ShowStep(k);
    emit TournamentStep(box->m_nIndex);
}

void CZarniView::ShowStep(int64_t step)
{
    m_nRunStep = step;
    emit RunNarrated(Narration());
}

QString CZarniView::Narration() const
{
    if (!m_pRun || m_nRunStep == 0)
        return QString();
    const TournamentMatch &match = m_pRun->Match(m_pRun->MatchOfStep(m_nRunStep));
    const TreeNode *left = NodeAt(match.left), *right = NodeAt(match.right);
    const QString step = tr("第 %1/%2 步：節點 %3，").arg(m_nRunStep).arg(m_pRun->StepCount()).arg(match.node);
    if (!right)
        return step + tr("節點 %1 (%2) 直接晉級").arg(match.left).arg(QString::fromStdString(left->m_strLabel));
    const TreeNode *winner = left->m_nMark == kMarkHighlighted ? left : right, *loser = winner == left ? right : left;
    return step + tr("節點 %1 (%2) 勝 節點 %3 (%4)")
                      .arg(winner->m_nIndex)
                      .arg(QString::fromStdString(winner->m_strLabel))
                      .arg(loser->m_nIndex)
                      .arg(QString::fromStdString(loser->m_strLabel));
}

// What a node showed once the matches up to m had been played (m = -1:
// before the run), read from the node as it stands and from what the applied
// matches overwrote. A node is written only by its own match (label, mark 1)
// and then by its parent's (its mark as a child).
CZarniView::NodeLook CZarniView::LookAfter(int64_t index, int64_t m) const
{
    const TreeNode *node = NodeAt(index);
    const int64_t applied = int64_t(m_applied.size());
    const int64_t own = m_pRun->MatchOfNode(index);
    const int64_t parent = index > 1 ? m_pRun->MatchOfNode(index / 2) : -1;
    const bool ownApplied = own >= 0 && own < applied, parentApplied = parent >= 0 && parent < applied;
    NodeLook look{&node->m_strLabel, node->m_nMark};
    if (ownApplied && own > m)
        look.label = &m_applied[std::size_t(own)].label;
    if (parentApplied && parent <= m)
        return look;
    if (ownApplied)
        look.mark = own <= m ? 1 : m_applied[std::size_t(own)].marks[0];
    else if (parentApplied)
        look.mark = m_applied[std::size_t(parent)].marks[index % 2 ? 2 : 1];
    return look;
}

// The window's picture after the steps shown, as the run painted it: the
// tree as it stood before the run, then the box of every step in turn with
// the label and mark it had when it was painted. A box painted later at the
// same place covers every earlier painting there, so only the last painting
// at each place is drawn; and only places that can reach the clip box are
// looked at.
void CZarniView::DrawRunPicture(CDrawSurface *dc)
{
    const TreeGeometry g = Geometry();
    const CRect clip = dc->GetClipBox();
    std::vector<LevelRun> reached(std::size_t(m_nDepth) + 1);
    for (int level = 1; level <= m_nDepth && TreeGeometry::LevelFirst(level) <= m_nNodeCount; ++level)
        reached[std::size_t(level)] = g.PlacesReaching(level, clip.left, clip.top, clip.right, clip.bottom, true);
    DrawTreeBeforeRun(dc, reached);
    struct Painting {
        int64_t step;
        int64_t index;
    };
    std::vector<Painting> paintings;
    for (int level = 1; level < int(reached.size()); ++level) {
        const LevelRun places = reached[std::size_t(level)];
        for (int64_t k = places.first; k < places.end;) {
            const int64_t placeEnd = std::min(g.FirstAtOrRightOf(level, g.X(level, k) + 1), places.end);
            Painting last{0, 0};
            for (; k < placeEnd; ++k) {
                const int64_t index = TreeGeometry::LevelFirst(level) + k;
                if (const int64_t step = m_pRun->LastPaintingOf(index, m_nRunStep); step > last.step)
                    last = {step, index};
            }
            if (last.step > 0)
                paintings.push_back(last);
        }
    }
    std::sort(paintings.begin(), paintings.end(), [](const Painting &a, const Painting &b) { return a.step < b.step; });
    for (const Painting &p : paintings) {
        const NodeLook look = LookAfter(p.index, m_pRun->MatchOfStep(p.step));
        const CPoint at = g.Position(p.index);
        DrawNodeBox(dc, *look.label, at.x, at.y, look.mark);
    }
}

// The tree as it stood before the run, where the picture is drawn: the nodes
// there show their old labels and marks while it is drawn.
void CZarniView::DrawTreeBeforeRun(CDrawSurface *dc, const std::vector<LevelRun> &reached)
{
    std::vector<std::pair<std::string, int>> now;
    std::size_t count = 0;
    for (const LevelRun &places : reached)
        count += std::size_t(std::max<int64_t>(places.end - places.first, 0));
    now.reserve(count);
    auto eachNode = [&](auto &&visit) {
        for (int level = 1; level < int(reached.size()); ++level)
            for (int64_t k = reached[std::size_t(level)].first; k < reached[std::size_t(level)].end; ++k)
                visit(NodeAt(TreeGeometry::LevelFirst(level) + k));
    };
    eachNode([&](TreeNode *node) {
        const NodeLook before = LookAfter(node->m_nIndex, -1);
        now.emplace_back(node->m_strLabel, node->m_nMark);
        node->m_strLabel = *before.label;
        node->m_nMark = before.mark;
    });
    DrawTree(dc);
    auto saved = now.begin();
    eachNode([&](TreeNode *node) {
        node->m_strLabel = std::move(saved->first);
        node->m_nMark = saved->second;
        ++saved;
    });
}

namespace {

const double kSpeeds[] = {0.25, 0.5, 1, 2, 4, 8};
const int kSpeedCount = int(sizeof kSpeeds / sizeof kSpeeds[0]);

} // namespace

double CZarniView::Speed() const
{
    return kSpeeds[m_nSpeedIndex];
}

bool CZarniView::SetSpeed(double speed)
{
    for (int i = 0; i < kSpeedCount; ++i) {
        if (kSpeeds[i] == speed) {
            SetSpeedIndex(i);
            return true;
        }
    }
    return false;
}

void CZarniView::SetSpeedIndex(int index)
{
    m_nSpeedIndex = std::clamp(index, 0, kSpeedCount - 1);
    emit RunStateChanged();
}

void CZarniView::ChooseSpeedIndex(int index)
{
    SetSpeedIndex(index);
    emit SpeedChosen();
}

// The wait between steps: the normal wait at 1x.
int CZarniView::StepWait() const
{
    return int(m_nStepDelayMs / Speed());
}

// A box drawn on the window where the paint puts it, from the stored scroll
// position.
void CZarniView::PaintNodeBox(CWindowDC *dc, const TreeNode *node)
{
    const CPoint p = Geometry().Position(node->m_nIndex);
    DrawNodeBox(dc, node->m_strLabel, p.x - m_nHScrollPos, p.y - m_nVScrollPos, node->m_nMark);
}
