#include "Matches.h"

namespace {

const char kContext[] = "TournamentAlgorithm";

} // namespace

const char kBothChildrenText[] = ZARNI_TEXT("Pseudocode", "若 i 有兩個子節點");
const char kGreaterText[] = ZARNI_TEXT("Pseudocode", "w ← 2i 與 2i + 1 中值較大者（相等時取 2i + 1）");
const char kLoneChildText[] = ZARNI_TEXT("Pseudocode", "否則 w ← 2i");
const char kWinnerUpText[] = ZARNI_TEXT("Pseudocode", "value(i) ← value(w)；w 勝，它的兄弟敗");
const char kUpToRootText[] = ZARNI_TEXT("Pseudocode", "對 i ← parent(leaf) 往上直到樹根：");

const QuestionKind kMatchQuestion{
    "match",
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "練習：節點 %1 的比賽，哪個子節點那邊勝？點它的方框。")).Number(q.node);
    },
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "不對，答案是節點 %1。")).Number(q.answer);
    },
    Message("Practice", ZARNI_TEXT("Practice", "比賽")),
    true,
    false};

// A match makes all its changes at its first step, the left child's box;
// its other steps paint the right child's box and the node's.
void WinnerMatches::Record(Timeline::Writer &writer, int64_t k) const
{
    const int64_t m = m_run.MatchOfStep(k);
    const TournamentMatch match = m_run.Match(m);
    const bool both = match.right != 0;
    if (k > m_run.FirstStep(m)) {
        const bool right = both && k == m_run.FirstStep(m) + 1;
        writer.BeginStep(right ? match.right : match.node, right ? m_lines.decide : m_lines.write);
        return;
    }
    writer.BeginStep(match.left, both ? m_lines.decide : m_lines.lone, both ? DecisionKind::Match : DecisionKind::None);
    const int left = TournamentRun::Contender(writer.Value(match.left));
    const int right = both ? TournamentRun::Contender(writer.Value(match.right)) : 0;
    const TournamentRun::ValueOutcome outcome = TournamentRun::DecideValues(&left, both ? &right : nullptr);
    writer.SetMark(match.left, outcome.leftMark);
    if (both)
        writer.SetMark(match.right, outcome.rightMark);
    writer.SetValue(match.node, outcome.value);
    writer.SetMark(match.node, kMarkHighlighted);
    writer.Count(both ? 1 : 0, 1);
}

Message WinnerMatches::Narration(const NodeStates &now, int64_t k) const
{
    const TournamentMatch match = m_run.Match(m_run.MatchOfStep(k));
    Message said(kContext, ZARNI_TEXT("TournamentAlgorithm", "節點 %1，"));
    said.Number(match.node);
    if (!match.right)
        return said.Append(Message(kContext, ZARNI_TEXT("TournamentAlgorithm", "節點 %1 (%2) 直接晉級"))
                               .Number(match.left)
                               .Value(now.Value(match.left)));
    const int64_t winner = now.Mark(match.left) == kMarkHighlighted ? match.left : match.right;
    const int64_t loser = winner == match.left ? match.right : match.left;
    return said.Append(Message(kContext, ZARNI_TEXT("TournamentAlgorithm", "節點 %1 (%2) 勝 節點 %3 (%4)"))
                           .Number(winner)
                           .Value(now.Value(winner))
                           .Number(loser)
                           .Value(now.Value(loser)));
}

PracticeQuestion WinnerMatches::Question(int64_t k, const NodeStates &before) const
{
    const int64_t m = m_run.MatchOfStep(k);
    const TournamentMatch match = m_run.Match(m);
    if (k != m_run.FirstStep(m) || !match.right)
        return {};
    const bool leftWins = TournamentRun::LeftWins(TournamentRun::Contender(before.Value(match.left)),
                                                  TournamentRun::Contender(before.Value(match.right)));
    return {&kMatchQuestion, match.node, {match.left, match.right}, leftWins ? match.left : match.right, {}};
}
