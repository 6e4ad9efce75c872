#include "LoserAlgorithm.h"

namespace {

// An empty label counts as 0, as in the winner tree.
constexpr auto Contender = &TournamentRun::Contender;

} // namespace

LoserAlgorithm::LoserAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf)
    : m_kind(kind), m_nCount(count), m_nLeaf(leaf),
      m_run(kind == Kind::Full ? TournamentRun(count, depth) : TournamentRun::PathFrom(count, 1))
{
    if (kind == Kind::Full) {
        m_winner.resize(std::size_t(count) + 1);
        m_timeline.Plan(m_run.MatchCount() + 1, 3 * m_run.MatchCount() + 3);
        return;
    }
    for (int64_t node = leaf / 2; node >= 1; node /= 2)
        if (2 * node + 1 <= count)
            m_path.push_back(node);
    m_timeline.Plan(int64_t(m_path.size()) + 1, 2 * int64_t(m_path.size()) + 2);
}

const char *LoserAlgorithm::Name() const
{
    static const char *const names[] = {"loser-tournament", "loser-path", "loser-merge"};
    return names[int(m_kind)];
}

LoserAlgorithm::Lines LoserAlgorithm::LinesOf() const
{
    return m_kind == Kind::MergePop ? Lines{0, 0, 0, 3, 5, 6} : Lines{5, 6, 7, 1, 3, 4};
}

int64_t LoserAlgorithm::NodeOfStep(int64_t k) const
{
    if (m_kind == Kind::Full)
        return k <= m_run.MatchCount() ? m_run.Match(k - 1).node : 0;
    return k >= 2 ? m_path[std::size_t(k - 2)] : 0;
}

void LoserAlgorithm::RecordStep(Timeline::Writer &writer)
{
    const int64_t k = m_timeline.Recorded() + 1;
    const int64_t node = NodeOfStep(k);
    const Lines lines = LinesOf();
    if (m_kind == Kind::Full && node) {
        RecordMatch(writer, m_run.Match(k - 1));
    } else if (m_kind == Kind::Full) {
        writer.BeginStep(1, lines.top);
        writer.SetValue(0, m_nCount > 1 ? m_winner[1] : Contender(writer.Value(1)));
        writer.SetMark(0, kMarkHighlighted);
        if (m_nCount == 1) // the root is the one leaf
            writer.SetMark(1, kMarkPlain);
        writer.Count(0, 1);
    } else if (node) {
        RecordClimb(writer, node);
    } else {
        writer.BeginStep(m_nLeaf, lines.enter);
        writer.SetValue(0, Contender(writer.Value(m_nLeaf)));
        writer.SetMark(0, kMarkHighlighted);
        writer.Count(0, 1);
    }
}

// The winners of the two subtrees meet: the node keeps the loser, the winner
// goes on up. Leaves are players, shown plain.
void LoserAlgorithm::RecordMatch(Timeline::Writer &writer, const TournamentMatch &match)
{
    const Lines lines = LinesOf();
    const int64_t firstLeaf = m_nCount / 2 + 1;
    auto winnerOf = [&](int64_t child) { return WinnerUnder(child, writer.Value(child)); };
    writer.BeginStep(match.node, match.right ? lines.match : lines.lone,
                     match.right ? DecisionKind::Match : DecisionKind::None);
    if (m_timeline.Recorded() == 1) { // the old overall winner goes
        writer.SetValue(0, NodeStates::kNoLabel);
        writer.SetMark(0, kMarkPlain);
    }
    const int left = winnerOf(match.left);
    int &winner = m_winner[std::size_t(match.node)];
    if (match.right) {
        const int right = winnerOf(match.right);
        const bool leftWins = TournamentRun::LeftWins(left, right);
        winner = leftWins ? left : right;
        writer.SetValue(match.node, leftWins ? right : left);
        writer.SetMark(match.node, kMarkKept);
        writer.Count(1, 1);
    } else {
        winner = left;
        writer.SetValue(match.node, NodeStates::kNoLabel);
        writer.SetMark(match.node, kMarkPlain);
    }
    for (const int64_t child : {match.left, match.right})
        if (child >= firstLeaf)
            writer.SetMark(child, kMarkPlain);
}

int LoserAlgorithm::WinnerUnder(int64_t child, int shown) const
{
    return child > m_nCount / 2 ? Contender(shown) : m_winner[std::size_t(child)];
}

// Whether the leaf's path reaches the node from its left child.
bool LoserAlgorithm::RisingFromLeft(int64_t node) const
{
    int64_t below = m_nLeaf;
    while (below / 2 != node)
        below /= 2;
    return below == 2 * node;
}

// Before a match: which child's side wins; before a climb's step: which
// box's value goes on up, the kept one's (the node) or the rising one's
// (node 0).
PracticeQuestion LoserAlgorithm::Question(int64_t k, const NodeStates &before) const
{
    const int64_t node = NodeOfStep(k);
    if (!node)
        return {};
    if (m_kind != Kind::Full) {
        const bool rises = RisingWins(before.Value(0), before.Value(node), RisingFromLeft(node));
        return {PracticeQuestion::Kind::Climb, node, {node, 0}, rises ? 0 : node};
    }
    const TournamentMatch match = m_run.Match(k - 1);
    if (!match.right)
        return {};
    const bool leftWins = TournamentRun::LeftWins(WinnerUnder(match.left, before.Value(match.left)),
                                                  WinnerUnder(match.right, before.Value(match.right)));
    return {PracticeQuestion::Kind::Match, node, {match.left, match.right}, leftWins ? match.left : match.right};
}

// The value node 0 carries up meets the loser kept at the node.
void LoserAlgorithm::RecordClimb(Timeline::Writer &writer, int64_t node)
{
    const Lines lines = LinesOf();
    const bool rises = RisingWins(writer.Value(0), writer.Value(node), RisingFromLeft(node));
    writer.BeginStep(node, rises ? lines.compare : lines.swap, DecisionKind::Match);
    if (!rises)
        writer.Swap(node, 0);
    writer.Count(1, rises ? 0 : 2);
}

QString LoserAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return QString();
    const QString step = tr("第 %1/%2 步：").arg(k).arg(m_timeline.StepCount());
    const int64_t node = NodeOfStep(k);
    if (m_kind == Kind::Full && !node)
        return step + tr("節點 0 得到總冠軍 %1").arg(LabelText(now.Value(0)));
    if (m_kind == Kind::Full) {
        const TournamentMatch match = m_run.Match(k - 1);
        const QString winner = LabelText(m_winner[std::size_t(node)]);
        if (!match.right)
            return step + tr("節點 %1 只有一個子節點，它那邊的勝者 %2 直接晉級").arg(node).arg(winner);
        return step + tr("節點 %1：%2 勝 %3，%3 留在節點 %1，%2 晉級")
                          .arg(node)
                          .arg(winner)
                          .arg(LabelText(now.Value(node)));
    }
    if (!node)
        return step + tr("葉節點 %1 的新值 %2 放進節點 0，往上比賽").arg(m_nLeaf).arg(LabelText(now.Value(0)));
    const QString winner = LabelText(now.Value(0)), loser = LabelText(now.Value(node));
    const bool swapped = m_timeline.Step(k).Moves() > 0;
    QString text = swapped ? tr("節點 %1：留下的 %2 勝 往上的 %3，兩者交換，%3 留下，%2 繼續往上")
                           : tr("節點 %1：往上的 %2 勝 留下的 %3，繼續往上");
    text = step + text.arg(node).arg(winner).arg(loser);
    return node == 1 ? text + tr("；節點 0 的 %1 是新的總冠軍").arg(winner) : text;
}
