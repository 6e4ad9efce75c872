#include "TournamentAlgorithm.h"

namespace {

// The pseudocode lines a match's steps stand at: the comparison, a lone
// child passing up, the winner written.
struct MatchLines {
    int decide, lone, write;
};

MatchLines LinesOf(TournamentAlgorithm::Kind kind)
{
    return kind == TournamentAlgorithm::Kind::MergePop ? MatchLines{4, 4, 5} : MatchLines{4, 5, 6};
}

} // namespace

TournamentAlgorithm::TournamentAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf)
    : m_kind(kind), m_run(kind == Kind::Full ? TournamentRun(count, depth) : TournamentRun::PathFrom(count, leaf))
{
    m_timeline.Plan(m_run.StepCount(), 4 * m_run.MatchCount());
}

// A match makes all its changes at its first step, the left child's box;
// its other steps paint the right child's box and the node's.
void TournamentAlgorithm::RecordStep(Timeline::Writer &writer)
{
    const int64_t k = m_timeline.Recorded() + 1;
    const int64_t m = m_run.MatchOfStep(k);
    const TournamentMatch match = m_run.Match(m);
    const MatchLines lines = LinesOf(m_kind);
    const bool both = match.right != 0;
    if (k > m_run.FirstStep(m)) {
        const bool right = both && k == m_run.FirstStep(m) + 1;
        writer.BeginStep(right ? match.right : match.node, right ? lines.decide : lines.write);
        return;
    }
    writer.BeginStep(match.left, both ? lines.decide : lines.lone, both ? DecisionKind::Match : DecisionKind::None);
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

const char *TournamentAlgorithm::Name() const
{
    static const char *const names[] = {"tournament", "path", "merge"};
    return names[int(m_kind)];
}

QString TournamentAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return QString();
    const TournamentMatch match = m_run.Match(m_run.MatchOfStep(k));
    auto label = [&](int64_t node) { return LabelText(now.Value(node)); };
    const QString step = tr("第 %1/%2 步：節點 %3，").arg(k).arg(m_run.StepCount()).arg(match.node);
    if (!match.right)
        return step + tr("節點 %1 (%2) 直接晉級").arg(match.left).arg(label(match.left));
    const int64_t winner = now.Mark(match.left) == kMarkHighlighted ? match.left : match.right;
    const int64_t loser = winner == match.left ? match.right : match.left;
    return step + tr("節點 %1 (%2) 勝 節點 %3 (%4)").arg(winner).arg(label(winner)).arg(loser).arg(label(loser));
}

// Before a match's first step: which child wins.
PracticeQuestion TournamentAlgorithm::Question(int64_t k, const NodeStates &before) const
{
    const int64_t m = m_run.MatchOfStep(k);
    const TournamentMatch match = m_run.Match(m);
    if (k != m_run.FirstStep(m) || !match.right)
        return {};
    const bool leftWins = TournamentRun::LeftWins(TournamentRun::Contender(before.Value(match.left)),
                                                  TournamentRun::Contender(before.Value(match.right)));
    return {PracticeQuestion::Kind::Match, match.node, {match.left, match.right}, leftWins ? match.left : match.right};
}
