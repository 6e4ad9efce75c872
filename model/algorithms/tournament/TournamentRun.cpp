#include "TournamentRun.h"

#include "model/TreeGeometry.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

TournamentRun::TournamentRun(int64_t count, int depth) : m_nCount(count)
{
    for (int level = depth - 1; level >= 1; --level) {
        const int64_t first = TreeGeometry::LevelFirst(level);
        const int64_t last = std::min(2 * first - 1, count);
        for (int64_t i = first; i <= last && 2 * i <= count; ++i)
            Add(i);
    }
}

TournamentRun TournamentRun::PathFrom(int64_t count, int64_t leaf)
{
    TournamentRun run(count);
    for (int64_t node = leaf / 2; node >= 1; node /= 2)
        run.Add(node);
    return run;
}

void TournamentRun::Add(int64_t node)
{
    const std::size_t level = std::size_t(TreeGeometry::LevelOf(node));
    if (m_segments.empty() || m_segments.back().firstNode + m_segments.back().count != node) {
        if (m_segmentOfLevel.size() <= level)
            m_segmentOfLevel.resize(level + 1, -1);
        m_segmentOfLevel[level] = int(m_segments.size());
        m_segments.push_back({m_nMatches, node, 0});
    }
    ++m_segments.back().count;
    const bool lone = 2 * node + 1 > m_nCount;
    if (lone)
        m_nLone = m_nMatches;
    ++m_nMatches;
    m_nSteps += lone ? 2 : 3;
}

TournamentMatch TournamentRun::Match(int64_t m) const
{
    const auto after = std::upper_bound(m_segments.begin(), m_segments.end(), m,
                                        [](int64_t match, const Segment &s) { return match < s.firstMatch; });
    const int64_t node = (after - 1)->firstNode + (m - (after - 1)->firstMatch);
    return {node, 2 * node, 2 * node + 1 <= m_nCount ? 2 * node + 1 : 0};
}

int64_t TournamentRun::MatchOfNode(int64_t node) const
{
    const std::size_t level = std::size_t(TreeGeometry::LevelOf(node));
    if (level >= m_segmentOfLevel.size() || m_segmentOfLevel[level] < 0)
        return -1;
    const Segment &s = m_segments[std::size_t(m_segmentOfLevel[level])];
    return node >= s.firstNode && node < s.firstNode + s.count ? s.firstMatch + (node - s.firstNode) : -1;
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

void TournamentRun::WritersOf(int64_t node, int64_t writers[2]) const
{
    const int64_t parent = node > 1 ? MatchOfNode(node / 2) : -1, own = MatchOfNode(node);
    writers[0] = parent >= 0 ? FirstStep(parent) : 0;
    writers[1] = own >= 0 ? FirstStep(own) : 0;
}

int64_t TournamentRun::MatchOfStep(int64_t k) const
{
    return m_nLone < 0 || k <= 3 * m_nLone + 2 ? (k - 1) / 3 : k / 3;
}

int64_t TournamentRun::BoxOfStep(int64_t k) const
{
    const int64_t m = MatchOfStep(k);
    const TournamentMatch match = Match(m);
    const int64_t boxes[] = {match.left, match.right ? match.right : match.node, match.node};
    return boxes[k - FirstStep(m)];
}

namespace {

const char kLeastLabel[] = "-\u221e";

} // namespace

// A plain number, the common case, is read without the C library's
// locale-aware scan; anything else as atoi reads it.
int TournamentRun::ValueOf(const std::string &label)
{
    int value = 0;
    const char *end = label.data() + label.size();
    const auto read = std::from_chars(label.data(), end, value);
    if (read.ec == std::errc() && read.ptr == end)
        return value;
    return label == kLeastLabel ? kLeast : std::atoi(label.c_str());
}

std::string TournamentRun::LabelOf(int value)
{
    std::string label;
    WriteLabel(value, &label);
    return label;
}

void TournamentRun::WriteLabel(int value, std::string *label)
{
    if (value == kLeast) {
        *label = kLeastLabel;
    } else if (value == NodeStates::kNoLabel) {
        label->clear();
    } else {
        char digits[16];
        label->assign(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
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
