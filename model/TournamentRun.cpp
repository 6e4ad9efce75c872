#include "TournamentRun.h"

#include "TreeGeometry.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

TournamentRun::TournamentRun(int64_t count, int depth)
{
    for (int level = depth - 1; level >= 1; --level) {
        const int64_t first = TreeGeometry::LevelFirst(level);
        const int64_t last = std::min(2 * first - 1, count);
        for (int64_t i = first; i <= last && 2 * i <= count; ++i)
            Add(i, count);
    }
}

TournamentRun TournamentRun::PathFrom(int64_t count, int64_t leaf)
{
    TournamentRun run;
    for (int64_t node = leaf / 2; node >= 1; node /= 2)
        run.Add(node, count);
    return run;
}

void TournamentRun::Add(int64_t node, int64_t count)
{
    const TournamentMatch match{node, 2 * node, 2 * node + 1 <= count ? 2 * node + 1 : 0};
    const std::size_t level = std::size_t(TreeGeometry::LevelOf(node));
    if (m_firstOfLevel.size() <= level)
        m_firstOfLevel.resize(level + 1, -1);
    if (m_firstOfLevel[level] < 0)
        m_firstOfLevel[level] = MatchCount();
    m_matches.push_back(match);
    m_firstStep.push_back(m_nSteps + 1);
    m_nSteps += match.right ? 3 : 2;
}

int64_t TournamentRun::MatchOfNode(int64_t node) const
{
    const std::size_t level = std::size_t(TreeGeometry::LevelOf(node));
    if (level >= m_firstOfLevel.size() || m_firstOfLevel[level] < 0)
        return -1;
    const int64_t first = m_firstOfLevel[level];
    const int64_t m = first + (node - Match(first).node);
    return m >= first && m < MatchCount() && Match(m).node == node ? m : -1;
}

// A node's box is painted as a child in its parent's match (the left child
// first), and before that as the node in its own match (its last step).
int64_t TournamentRun::LastPaintingOf(int64_t node, int64_t shown) const
{
    if (const int64_t parent = node > 1 ? MatchOfNode(node / 2) : -1; parent >= 0) {
        const int64_t step = FirstStep(parent) + node % 2;
        if (step <= shown)
            return step;
    }
    const int64_t own = MatchOfNode(node);
    return own >= 0 && LastStep(own) <= shown ? LastStep(own) : 0;
}

int64_t TournamentRun::MatchOfStep(int64_t k) const
{
    const auto after = std::upper_bound(m_firstStep.begin(), m_firstStep.end(), k);
    return int64_t(after - m_firstStep.begin()) - 1;
}

int64_t TournamentRun::BoxOfStep(int64_t k) const
{
    const int64_t m = MatchOfStep(k);
    const TournamentMatch &match = Match(m);
    const int64_t boxes[] = {match.left, match.right ? match.right : match.node, match.node};
    return boxes[k - FirstStep(m)];
}

namespace {

const char kLeastLabel[] = "-\u221e";

} // namespace

int TournamentRun::ValueOf(const std::string &label)
{
    return label == kLeastLabel ? kLeast : std::atoi(label.c_str());
}

std::string TournamentRun::LabelOf(int value)
{
    if (value == kLeast)
        return kLeastLabel;
    if (value == NodeStates::kNoLabel)
        return std::string();
    char digits[16];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

TournamentRun::ValueOutcome TournamentRun::DecideValues(const int *left, const int *right)
{
    if (left && right) {
        const bool leftWins = LeftWins(*left, *right);
        return {leftWins ? kMarkHighlighted : kMarkGreyed, leftWins ? kMarkGreyed : kMarkHighlighted,
                leftWins ? *left : *right};
    }
    return {left ? kMarkHighlighted : kMarkPlain, right ? kMarkHighlighted : kMarkPlain, left ? *left : *right};
}

MatchOutcome TournamentRun::Decide(const std::string *left, const std::string *right)
{
    const int l = left ? ValueOf(*left) : 0, r = right ? ValueOf(*right) : 0;
    const ValueOutcome outcome = DecideValues(left ? &l : nullptr, right ? &r : nullptr);
    return {outcome.leftMark, outcome.rightMark, LabelOf(outcome.value)};
}
