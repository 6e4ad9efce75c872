#include "LoserAlgorithm.h"

namespace {

const char kContext[] = "LoserAlgorithm";

// An empty label counts as 0, as in the winner tree.
constexpr auto Contender = &TournamentRun::Contender;

Message Said(const char *text)
{
    return Message(kContext, text);
}

Message Line(const char *text)
{
    return Message("Pseudocode", text);
}

enum TournamentLine { kEachLevel = 1, kEachNode, kBothChildren, kWinners, kMatch, kLone, kTop };
enum PathLine { kEnter = 1, kUp, kCompare, kSwap };

} // namespace

const char kLoserUpText[] = ZARNI_TEXT("Pseudocode", "對 i ← parent(leaf) 往上直到樹根（略過只有一個子節點的 i）：");
const char kLoserCompareText[] = ZARNI_TEXT("Pseudocode", "若 value(i) 勝 value(0)（相等時右邊子樹來的勝）：");
const char kLoserSwapText[] = ZARNI_TEXT("Pseudocode", "交換 value(i) 與 value(0)：敗者留在 i，勝者繼續往上");
const char kLoserEnterText[] = ZARNI_TEXT("Pseudocode", "value(0) ← value(leaf)");

const QuestionKind kClimbQuestion{
    "climb",
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "練習：節點 %1，往上的值（節點 0）和留下的值，哪個勝？點勝的方框。"))
            .Number(q.node);
    },
    [](const PracticeQuestion &q) {
        return q.answer != 0 ? Message("Practice", ZARNI_TEXT("Practice", "不對，答案是節點 %1。")).Number(q.answer)
                             : Message("Practice", ZARNI_TEXT("Practice", "不對，往上的值（節點 0）勝。"));
    },
    Message("Practice", ZARNI_TEXT("Practice", "敗者樹往上")),
    true,
    false};

LoserTournament::LoserTournament(int64_t count, int depth, Lines lines)
    : m_nCount(count), m_run(count, depth), m_lines(lines), m_winner(std::size_t(count) + 1)
{
}

void LoserTournament::Record(Timeline::Writer &writer, int64_t k)
{
    if (k <= m_run.MatchCount()) {
        RecordMatch(writer, m_run.Match(k - 1));
        if (k == 1) { // the old overall winner goes
            writer.SetValue(0, NodeStates::kNoLabel);
            writer.SetMark(0, kMarkPlain);
        }
        return;
    }
    writer.BeginStep(1, m_lines.top);
    writer.SetValue(0, m_nCount > 1 ? m_winner[1] : Contender(writer.Value(1)));
    writer.SetMark(0, kMarkHighlighted);
    if (m_nCount == 1) // the root is the one leaf
        writer.SetMark(1, kMarkPlain);
    writer.Count(0, 1);
}

// The winners of the two subtrees meet: the node keeps the loser, the winner
// goes on up. Leaves are players, shown plain.
void LoserTournament::RecordMatch(Timeline::Writer &writer, const TournamentMatch &match)
{
    const int64_t firstLeaf = m_nCount / 2 + 1;
    auto winnerOf = [&](int64_t child) { return WinnerUnder(child, writer.Value(child)); };
    writer.BeginStep(match.node, match.right ? m_lines.match : m_lines.lone,
                     match.right ? DecisionKind::Match : DecisionKind::None);
    const int left = winnerOf(match.left);
    int &winner = m_winner[std::size_t(match.node)];
    if (match.right) {
        const int right = winnerOf(match.right);
        const bool leftWins = TournamentRun::LeftWins(left, right);
        winner = leftWins ? left : right;
        writer.SetValue(match.node, leftWins ? right : left);
        writer.SetMark(match.node, kMarkHeld);
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

int LoserTournament::WinnerUnder(int64_t child, int shown) const
{
    return child > m_nCount / 2 ? Contender(shown) : m_winner[std::size_t(child)];
}

Message LoserTournament::Narration(const NodeStates &now, int64_t k) const
{
    if (k > m_run.MatchCount())
        return Said(ZARNI_TEXT("LoserAlgorithm", "節點 0 得到總冠軍 %1")).Value(now.Value(0));
    const TournamentMatch match = m_run.Match(k - 1);
    const int winner = m_winner[std::size_t(match.node)];
    if (!match.right)
        return Said(ZARNI_TEXT("LoserAlgorithm", "節點 %1 只有一個子節點，它那邊的勝者 %2 直接晉級"))
            .Number(match.node)
            .Value(winner);
    return Said(ZARNI_TEXT("LoserAlgorithm", "節點 %1：%2 勝 %3，%3 留在節點 %1，%2 晉級"))
        .Number(match.node)
        .Value(winner)
        .Value(now.Value(match.node));
}

// Before a match: which child's side wins.
PracticeQuestion LoserTournament::Question(int64_t k, const NodeStates &before) const
{
    if (k > m_run.MatchCount())
        return {};
    const TournamentMatch match = m_run.Match(k - 1);
    if (!match.right)
        return {};
    const bool leftWins = TournamentRun::LeftWins(WinnerUnder(match.left, before.Value(match.left)),
                                                  WinnerUnder(match.right, before.Value(match.right)));
    return {&kMatchQuestion, match.node, {match.left, match.right}, leftWins ? match.left : match.right, {}};
}

LoserClimb::LoserClimb(int64_t count, int64_t leaf, Lines lines) : m_nLeaf(leaf), m_lines(lines)
{
    for (int64_t node = leaf / 2; node >= 1; node /= 2)
        if (2 * node + 1 <= count)
            m_path.push_back(node);
}

// Whether the leaf's path reaches the node from its left child.
bool LoserClimb::RisingFromLeft(int64_t node) const
{
    int64_t below = m_nLeaf;
    while (below / 2 != node)
        below /= 2;
    return below == 2 * node;
}

// Node 0 takes the leaf's value; then at each node the value node 0
// carries up meets the loser kept there.
void LoserClimb::Record(Timeline::Writer &writer, int64_t k) const
{
    const int64_t node = NodeOfStep(k);
    if (!node) {
        writer.BeginStep(m_nLeaf, m_lines.enter);
        writer.SetValue(0, Contender(writer.Value(m_nLeaf)));
        writer.SetMark(0, kMarkHighlighted);
        writer.Count(0, 1);
        return;
    }
    const bool rises = RisingWins(writer.Value(0), writer.Value(node), RisingFromLeft(node));
    writer.BeginStep(node, rises ? m_lines.compare : m_lines.swap, DecisionKind::Match);
    if (!rises)
        writer.Swap(node, 0);
    writer.Count(1, rises ? 0 : 2);
}

Message LoserClimb::Narration(const NodeStates &now, int64_t k, bool swapped) const
{
    const int64_t node = NodeOfStep(k);
    if (!node)
        return Said(ZARNI_TEXT("LoserAlgorithm", "葉節點 %1 的新值 %2 放進節點 0，往上比賽")).Number(m_nLeaf).Value(now.Value(0));
    Message text = swapped ? Said(ZARNI_TEXT("LoserAlgorithm", "節點 %1：留下的 %2 勝 往上的 %3，兩者交換，%3 留下，%2 繼續往上"))
                           : Said(ZARNI_TEXT("LoserAlgorithm", "節點 %1：往上的 %2 勝 留下的 %3，繼續往上"));
    text.Number(node).Value(now.Value(0)).Value(now.Value(node));
    if (node == 1)
        text.Append(Said(ZARNI_TEXT("LoserAlgorithm", "；節點 0 的 %1 是新的總冠軍")).Value(now.Value(0)));
    return text;
}

// Before a climb's step: which box's value goes on up, the kept one's (the
// node) or the rising one's (node 0).
PracticeQuestion LoserClimb::Question(int64_t k, const NodeStates &before) const
{
    const int64_t node = NodeOfStep(k);
    if (!node)
        return {};
    const bool rises = RisingWins(before.Value(0), before.Value(node), RisingFromLeft(node));
    return {&kClimbQuestion, node, {node, 0}, rises ? 0 : node, {}};
}

LoserAlgorithm::LoserAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf) : m_kind(kind)
{
    if (kind == Kind::Full) {
        m_tournament.emplace(count, depth, LoserTournament::Lines{kMatch, kLone, kTop});
        m_timeline.Plan(m_tournament->StepCount(), 3 * m_tournament->StepCount());
    } else {
        m_climb.emplace(count, leaf, LoserClimb::Lines{kEnter, kCompare, kSwap});
        m_timeline.Plan(m_climb->StepCount(), 2 * m_climb->StepCount());
    }
}

const Listing &LoserAlgorithm::Lines() const
{
    static const Listing full{
        {0, Line(ZARNI_TEXT("Pseudocode", "對每一層，由 depth − 1 往上到 1："))},
        {1, Line(ZARNI_TEXT("Pseudocode", "對該層每個有子節點的節點 i，由左到右："))},
        {2, Line(kBothChildrenText)},
        {3, Line(ZARNI_TEXT("Pseudocode", "a ← winner(2i)，b ← winner(2i + 1)（葉節點的 winner 是它的值）"))},
        {3, Line(ZARNI_TEXT("Pseudocode", "winner(i) ← a 與 b 中較大者（相等時取 b）；value(i) ← 另一個，即敗者"))},
        {2, Line(ZARNI_TEXT("Pseudocode", "否則 winner(i) ← winner(2i)；value(i) ← 空"))},
        {0, Line(ZARNI_TEXT("Pseudocode", "value(0) ← winner(1)，總冠軍"))}};
    static const Listing path{{0, Line(ZARNI_TEXT("Pseudocode", "value(0) ← value(leaf)（leaf 是上一個總冠軍的葉節點）"))},
                              {0, Line(kLoserUpText)},
                              {1, Line(kLoserCompareText)},
                              {2, Line(kLoserSwapText)}};
    static_assert(kTop == 7 && kSwap == 4, "a line a place of the listing");
    return m_kind == Kind::Full ? full : path;
}

void LoserAlgorithm::RecordStep(Timeline::Writer &writer)
{
    const int64_t k = m_timeline.Recorded() + 1;
    if (m_tournament)
        m_tournament->Record(writer, k);
    else
        m_climb->Record(writer, k);
}

Message LoserAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return {};
    return StepHead().Append(m_tournament ? m_tournament->Narration(now, k)
                                          : m_climb->Narration(now, k, m_timeline.MovesOf(k) > 0));
}

PracticeQuestion LoserAlgorithm::Question(int64_t k, const NodeStates &before) const
{
    return m_tournament ? m_tournament->Question(k, before) : m_climb->Question(k, before);
}
