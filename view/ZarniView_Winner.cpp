// The winner tree: 15 nodes with random leaf values, and the knock-out
// tournament that plays it level by level from the bottom.
#include "ZarniView.h"

#include "RunPlayer.h"

#include "model/LoserAlgorithm.h"
#include "model/TournamentAlgorithm.h"

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

// What a run reads and writes on the view's nodes: their labels as values,
// their marks through SetMark. Node 0 is the loser tree's overall winner.
class CZarniView::TreeStates : public NodeStates {
public:
    explicit TreeStates(CZarniView *view) : m_view(view) {}
    int Value(int64_t node) const override
    {
        const std::string &label = Node(node).m_strLabel;
        return label.empty() ? kNoLabel : TournamentRun::ValueOf(label);
    }
    int Mark(int64_t node) const override { return Node(node).m_nMark; }
    void SetValue(int64_t node, int value) override { TournamentRun::WriteLabel(value, &Node(node).m_strLabel); }
    void SetMark(int64_t node, int mark) override { m_view->SetMark(&Node(node), mark); }
    int64_t Count() const override { return m_view->m_nNodeCount; }
    void SetCount(int64_t count) override { m_view->ResizeTree(count); }
    // A long seek writes millions of changes: straight into the nodes, each
    // node fetched a few changes ahead of its write.
    void Write(const NodeChange *first, const NodeChange *last, bool forward) override
    {
        TreeNode *nodes = m_view->m_nodes.data() - 1;
        auto at = [&](int64_t node) -> TreeNode & { return node ? nodes[node] : m_view->m_nodeZero; };
        const std::ptrdiff_t count = last - first, ahead = 16;
        for (std::ptrdiff_t i = 0; i < count; ++i) {
            if (i + ahead < count)
                __builtin_prefetch(&nodes[(forward ? first[i + ahead] : last[-1 - i - ahead]).Node()], 1);
            const NodeChange &c = forward ? first[i] : last[-1 - i];
            const int value = forward ? c.to : c.from;
            if (c.WhichField() == NodeChange::kValue) {
                TournamentRun::WriteLabel(value, &at(c.Node()).m_strLabel);
            } else if (c.WhichField() == NodeChange::kMark) {
                m_view->SetMark(&at(c.Node()), value);
            } else if (c.WhichField() == NodeChange::kSwap) {
                at(c.Node()).m_strLabel.swap(at(c.from).m_strLabel);
            } else {
                SetCount(value); // the nodes may have moved
                nodes = m_view->m_nodes.data() - 1;
            }
        }
    }

    void WriteAll(const std::vector<int> &values, const std::vector<int8_t> &marks) override
    {
        SetCount(int64_t(values.size()) - 1);
        TreeNode *nodes = m_view->m_nodes.data() - 1;
        for (std::size_t i = 0; i < values.size(); ++i) {
            TreeNode &node = i ? nodes[i] : m_view->m_nodeZero;
            TournamentRun::WriteLabel(values[i], &node.m_strLabel);
            if (node.m_nMark != marks[i])
                m_view->SetMark(&node, marks[i]);
        }
    }

private:
    TreeNode &Node(int64_t node) const { return *m_view->RunNode(node); }

    CZarniView *m_view;
};

void CZarniView::MakePlayer()
{
    m_pTreeStates = std::make_unique<TreeStates>(this);
    m_pPlayer = std::make_unique<CRunPlayer>(*m_pTreeStates);
    connect(m_pPlayer.get(), &CRunPlayer::StateChanged, this, &CZarniView::RunStateChanged);
    connect(m_pPlayer.get(), &CRunPlayer::StepPlayed, this, &CZarniView::PaintStep);
    connect(m_pPlayer.get(), &CRunPlayer::Sought, this, &CZarniView::RepaintSought);
    connect(&m_slideTimer, &QTimer::timeout, this, &CZarniView::SlideOn);
    m_pPlayer->SetGate([this](int64_t step) { return AskBefore(step); });
}

// Plays the run's remaining steps, or a new tournament when no run is in
// progress.
void CZarniView::OnWinnerGo()
{
    if (IsPlaying())
        return;
    if (GetRunState() != RunState::Paused)
        StartRun();
    m_pPlayer->Play();
}

void CZarniView::OnWinnerPause()
{
    if (IsPlaying())
        m_pPlayer->Pause();
    else if (GetRunState() == RunState::Paused)
        OnWinnerGo();
}

// Node 0 belongs to a loser tree's tournament or merge: new values, or a
// tree of another kind, leave it empty.
void CZarniView::ClearNodeZero()
{
    m_nodeZero.m_strLabel.clear();
    SetMark(&m_nodeZero, kMarkPlain);
}

// A step or the end starts a tournament only where there is nothing else
// to show: a finished run stays the view's run, and a heap's or a merge's
// values are never played as a tournament's unless Go asks for one.
bool CZarniView::StartsTournament() const
{
    return GetRunState() == RunState::Idle && !m_bHeapValues && !m_pMerge && !Replacement();
}

// A playing run pauses after the step.
void CZarniView::OnWinnerStep()
{
    m_pPlayer->Pause();
    if (StartsTournament())
        StartRun();
    m_pPlayer->StepForward();
    emit RunStateChanged();
}

void CZarniView::OnWinnerBack()
{
    m_pPlayer->StepBack();
    emit RunStateChanged();
}

void CZarniView::OnWinnerRestart()
{
    SeekRun(0);
}

// Every remaining step at once, without painting them one by one.
void CZarniView::OnWinnerEnd()
{
    m_pPlayer->Pause();
    if (StartsTournament())
        StartRun();
    SeekRun(RunStepCount());
}

bool CZarniView::SeekRun(int64_t step)
{
    m_pPlayer->Pause();
    if (!m_pPlayer->Run() || step < 0 || step > RunStepCount())
        return false;
    m_pPlayer->SeekTo(step);
    emit RunStateChanged();
    return true;
}

CZarniView::LeafProblem CZarniView::ReadValue(const QString &word, int *value)
{
    int64_t read = 0;
    switch (ReadWholeNumber(word.toStdString(), -kMaxNodeValue, kMaxNodeValue, &read)) {
    case NumberError::NotANumber: return {LeafError::NotANumber, word};
    case NumberError::OutOfRange: return {LeafError::OutOfRange, word};
    case NumberError::None: break;
    }
    *value = int(read);
    return {};
}

CZarniView::LeafProblem CZarniView::SetLeafValues(const QStringList &values)
{
    if (values.size() != LeafCount())
        return {LeafError::WrongCount, QString::number(values.size())};
    std::vector<int> parsed(values.size());
    for (int i = 0; i < values.size(); ++i)
        if (const LeafProblem problem = ReadValue(values[i], &parsed[std::size_t(i)]);
            problem.error != LeafError::None)
            return problem;
    ForgetRun();
    EndMerge();
    ClearMarks();
    ClearNodeZero();
    ForgetHeap();
    const int64_t firstLeaf = FirstLeaf();
    for (int64_t i = 1; i < firstLeaf; ++i)
        NodeAt(i)->m_strLabel.clear();
    for (int64_t i = firstLeaf; i <= m_nNodeCount; ++i)
        NodeAt(i)->m_strLabel = std::to_string(parsed[std::size_t(i - firstLeaf)]);
    Invalidate();
    return {};
}

// In a loser tree only the overall winner's leaf can be played again along
// its path: the losers kept beside any other path need not be the winners of
// their subtrees, so another leaf's change plays the whole tournament again.
CZarniView::LeafProblem CZarniView::SetLeafValue(int64_t index, const QString &value)
{
    if (index < FirstLeaf() || index > m_nNodeCount)
        return {LeafError::NotALeaf, QString::number(index)};
    int parsed = 0;
    if (const LeafProblem problem = ReadValue(value, &parsed); problem.error != LeafError::None)
        return problem;
    const bool played = GetRunState() == RunState::Done || (GetRunState() == RunState::Idle && HoldsTournament());
    const bool pathOnly = !m_bLoserTree || (played && WinnersLeaf(index));
    ForgetRun();
    EndMerge();
    std::string before = std::to_string(parsed);
    NodeAt(index)->m_strLabel.swap(before);
    if (played && pathOnly) {
        ReplayPathFrom(index, false);
        m_replayedLeaf = {Run(), index, std::move(before)};
    } else if (played) {
        StartRun();
        Invalidate();
        m_pPlayer->Play();
    } else {
        Invalidate();
    }
    return {};
}

bool CZarniView::ReplayedLeaf(int64_t *leaf, std::string *before) const
{
    if (!Run() || m_replayedLeaf.run != Run())
        return false;
    *leaf = m_replayedLeaf.leaf;
    *before = m_replayedLeaf.before;
    return true;
}

// For each node, the leaf whose value a tournament on the leaves as they
// stand sends up to it.
std::vector<int64_t> CZarniView::WinningLeaves() const
{
    const int64_t count = m_nNodeCount, firstLeaf = FirstLeaf();
    std::vector<int64_t> from(std::size_t(count) + 1);
    auto value = [&](int64_t node) { return TournamentRun::Contender(m_pTreeStates->Value(from[std::size_t(node)])); };
    for (int64_t i = count; i >= 1; --i) {
        int64_t &winner = from[std::size_t(i)];
        if (i >= firstLeaf)
            winner = i;
        else if (2 * i + 1 > count)
            winner = from[std::size_t(2 * i)];
        else
            winner = from[std::size_t(TournamentRun::LeftWins(value(2 * i), value(2 * i + 1)) ? 2 * i : 2 * i + 1)];
    }
    return from;
}

bool CZarniView::WinnersLeaf(int64_t leaf) const
{
    return WinningLeaves()[1] == leaf;
}

// Whether every node above the leaves holds what the tournament of the
// kind chosen writes there: a winner tree the winner of the node's match, a
// loser tree the loser (nothing at a node with one child) and node 0 the
// overall winner. A click that ends a played tournament leaves them so.
bool CZarniView::HoldsTournament() const
{
    const std::vector<int64_t> from = WinningLeaves();
    auto winner = [&](int64_t node) { return m_pTreeStates->Value(from[std::size_t(node)]); };
    if (FirstLeaf() == 1 || winner(1) == NodeStates::kNoLabel)
        return false;
    if (m_bLoserTree && m_pTreeStates->Value(0) != winner(1))
        return false;
    for (int64_t i = 1; i < FirstLeaf(); ++i) {
        const bool match = 2 * i + 1 <= m_nNodeCount;
        const int64_t loser = match && from[std::size_t(i)] == from[std::size_t(2 * i)] ? 2 * i + 1 : 2 * i;
        const int expected = !m_bLoserTree ? winner(i) : match ? winner(loser) : NodeStates::kNoLabel;
        if (m_pTreeStates->Value(i) != expected)
            return false;
    }
    return true;
}

// The matches on the leaf's path to the root are played again as a run.
void CZarniView::ReplayPathFrom(int64_t leaf, bool mergePop)
{
    m_replayedLeaf = {};
    std::unique_ptr<RunAlgorithm> run;
    if (m_bLoserTree) {
        using Kind = LoserAlgorithm::Kind;
        run = std::make_unique<LoserAlgorithm>(mergePop ? Kind::MergePop : Kind::Path, m_nNodeCount, m_nDepth, leaf);
    } else {
        using Kind = TournamentAlgorithm::Kind;
        run = std::make_unique<TournamentAlgorithm>(mergePop ? Kind::MergePop : Kind::Path, m_nNodeCount, m_nDepth,
                                                    leaf);
    }
    m_pPlayer->Load(std::move(run));
    Invalidate();
    m_pPlayer->Play();
}

void CZarniView::SetLoserTree(bool loser)
{
    if (loser == m_bLoserTree)
        return;
    const RunState state = GetRunState();
    const bool tournament = Run() && !HeapRun();
    m_bLoserTree = loser;
    ClearNodeZero();
    Relayout();
    Invalidate();
    if (m_pMerge) {
        ForgetRun();
        ShowMergeTree();
    } else if (tournament && (state == RunState::Done || state == RunState::Playing)) {
        StartRun();
        m_pPlayer->Play();
    } else if (tournament) {
        StartRun();
    }
    emit RunStateChanged();
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
    return RunState(m_pPlayer->GetState());
}

bool CZarniView::IsPlaying() const
{
    return m_pPlayer->GetState() == CRunPlayer::State::Playing;
}

const RunAlgorithm *CZarniView::Run() const
{
    return m_pPlayer->Run();
}

QString CZarniView::AlgorithmName() const
{
    return m_pPlayer->LastAlgorithm();
}

QStringList CZarniView::Listing() const
{
    return Run() ? Run()->Listing() : m_pPlayer->LastListing();
}

int CZarniView::RunLine() const
{
    return Run() ? Run()->Steps().Step(RunStep()).line : 0;
}

int64_t CZarniView::RunStep() const
{
    return m_pPlayer->Shown();
}

int64_t CZarniView::RunStepCount() const
{
    return m_pPlayer->StepCount();
}

void CZarniView::StartRun()
{
    m_replayedLeaf = {};
    if (m_bLoserTree)
        m_pPlayer->Load(std::make_unique<LoserAlgorithm>(LoserAlgorithm::Kind::Full, m_nNodeCount, m_nDepth, 0));
    else
        m_pPlayer->Load(std::make_unique<TournamentAlgorithm>(TournamentAlgorithm::Kind::Full, m_nNodeCount, m_nDepth, 0));
}

// The tree is replaced or its marks rewritten: the run ends where it stands.
void CZarniView::ForgetRun()
{
    m_replayedLeaf = {};
    m_practice.reveal = {};
    EndSlide();
    EndQuestion();
    m_writtenCheck.known = false;
    KeepHeapOut();
    m_pPlayer->Load(nullptr);
}

// A step played forward: a run of matches paints the step's box on the
// window; any other run repaints what the step changed.
void CZarniView::PaintStep(qint64 step)
{
    if (m_pPlayer->Run()->Boxes()) {
        CWindowDC dc(this);
        PaintNodeBox(&dc, NodeAt(m_pPlayer->Run()->Steps().Step(step).focus));
        dc.Flush();
    } else {
        InvalidateStep(step);
        viewport()->update(); // the outlines of the nodes pointed at
        StartSlide(step);
    }
    FollowReplacement(step);
    emit RunNarrated(Narration());
    SummariseIfDone(step);
    emit StepShown(step);
}

// One step back changes the picture only where that step painted or wrote;
// a longer way is repainted whole.
void CZarniView::RepaintSought(qint64 from, qint64 to)
{
    EndSlide();
    EndQuestion();
    if (to == 0)
        m_practice.passed = -1; // from the start, every question again
    if (to == from - 1)
        InvalidateStep(from);
    else if (to != from)
        Invalidate();
    viewport()->update(); // the outlines of the nodes pointed at
    FollowReplacement(to);
    emit RunNarrated(Narration());
    emit StepShown(to);
}

void CZarniView::InvalidateStep(int64_t step)
{
    const Timeline &steps = m_pPlayer->Run()->Steps();
    if (const int64_t focus = steps.Step(step).focus)
        InvalidateRect(WindowBox(focus));
    for (const NodeChange &change : steps.ChangesOf(step)) {
        if (change.WhichField() == NodeChange::kCount)
            continue;
        InvalidateRect(WindowBox(change.Node()));
        if (change.WhichField() == NodeChange::kSwap) // the other node is in `from`
            InvalidateRect(WindowBox(change.from));
    }
}

QString CZarniView::Narration() const
{
    return m_pPlayer->Run() ? m_pPlayer->Run()->Narration(*m_pTreeStates) : QString();
}

// What a node showed once the steps up to `step` had been played, read
// from the node as it stands and from what the later steps overwrote. A
// node is written only by its own match and then by its parent's, each at
// the match's first step.
CZarniView::NodeLook CZarniView::LookAfter(int64_t index, int64_t step) const
{
    const TournamentRun &boxes = *m_pPlayer->Run()->Boxes();
    const Timeline &steps = m_pPlayer->Run()->Steps();
    const TreeNode *node = NodeAt(index);
    NodeLook look{node->m_strLabel, node->m_nMark};
    const int64_t parent = index > 1 ? boxes.MatchOfNode(index / 2) : -1, own = boxes.MatchOfNode(index);
    for (const int64_t m : {parent, own}) {
        const int64_t writer = m >= 0 ? boxes.FirstStep(m) : 0;
        if (writer <= step || writer > steps.Shown())
            continue;
        int before = 0;
        if (steps.Before(writer, index, NodeChange::kValue, &before))
            look.label = TournamentRun::LabelOf(before);
        if (steps.Before(writer, index, NodeChange::kMark, &before))
            look.mark = before;
    }
    return look;
}

// What the window shows of a node: in the middle of a run of matches, its
// box as last painted.
CZarniView::NodeLook CZarniView::ShownLook(int64_t index) const
{
    if (!PicturingRun())
        return {NodeAt(index)->m_strLabel, NodeAt(index)->m_nMark};
    return LookAfter(index, m_pPlayer->Run()->Boxes()->LastPaintingOf(index, RunStep()));
}

// A run of matches between its first and last step shows the boxes its
// steps painted, not the tree as it stands.
bool CZarniView::PicturingRun() const
{
    const RunAlgorithm *run = m_pPlayer->Run();
    return run && run->Boxes() && RunStep() > 0 && RunStep() < RunStepCount();
}

// The window's picture after the steps shown, as the run painted it: the
// tree as it stood before the run, then the box of every step in turn with
// the label and mark it had when it was painted. A box painted later at the
// same place covers every earlier painting there, so only the last painting
// at each place is drawn; and only places that can reach the clip box are
// looked at.
void CZarniView::DrawRunPicture(CDrawSurface *dc)
{
    const TournamentRun &boxes = *m_pPlayer->Run()->Boxes();
    const int64_t shown = RunStep();
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
                if (const int64_t step = boxes.LastPaintingOf(index, shown); step > last.step)
                    last = {step, index};
            }
            if (last.step > 0)
                paintings.push_back(last);
        }
    }
    std::sort(paintings.begin(), paintings.end(), [](const Painting &a, const Painting &b) { return a.step < b.step; });
    for (const Painting &p : paintings) {
        const NodeLook look = LookAfter(p.index, p.step);
        const CPoint at = g.Position(p.index);
        DrawNodeBox(dc, p.index, look.label, at.x, at.y, look.mark);
    }
}

// The tree as it stood before the run, where the picture is drawn: the nodes
// there show their old labels and marks while it is drawn.
void CZarniView::DrawTreeBeforeRun(CDrawSurface *dc, const std::vector<LevelRun> &reached)
{
    std::vector<NodeLook> now;
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
        NodeLook before = LookAfter(node->m_nIndex, 0);
        now.push_back({std::move(node->m_strLabel), node->m_nMark});
        node->m_strLabel = std::move(before.label);
        node->m_nMark = before.mark;
    });
    DrawTree(dc);
    auto saved = now.begin();
    eachNode([&](TreeNode *node) {
        node->m_strLabel = std::move(saved->label);
        node->m_nMark = saved->mark;
        ++saved;
    });
}

double CZarniView::Speed() const
{
    return m_pPlayer->Speed();
}

bool CZarniView::SetSpeed(double speed)
{
    return m_pPlayer->SetSpeed(speed);
}

void CZarniView::ChooseSpeedIndex(int index)
{
    m_pPlayer->SetSpeedIndex(index);
    emit SpeedChosen();
}

void CZarniView::OnWinnerFaster()
{
    ChooseSpeedIndex(m_pPlayer->SpeedIndex() + 1);
}

void CZarniView::OnWinnerSlower()
{
    ChooseSpeedIndex(m_pPlayer->SpeedIndex() - 1);
}

int CZarniView::StepWait() const
{
    return m_pPlayer->StepWait();
}

int CZarniView::StepDelay() const
{
    return m_pPlayer->StepDelay();
}

void CZarniView::SetStepDelay(int ms)
{
    m_pPlayer->SetStepDelay(ms);
}

// A box drawn on the window where the paint puts it, from the stored scroll
// position.
void CZarniView::PaintNodeBox(CWindowDC *dc, const TreeNode *node)
{
    const CPoint p = Geometry().Position(node->m_nIndex);
    DrawNodeBox(dc, node->m_nIndex, node->m_strLabel, p.x - m_nHScrollPos, p.y - m_nVScrollPos, node->m_nMark);
}
