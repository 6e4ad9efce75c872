#include "TournamentAlgorithm.h"

namespace {

// The lines of the tournament's listing, and of a path's.
enum TournamentLine { kEachLevel = 1, kEachNode, kBothChildren, kGreater, kLoneChild, kWinnerUp };
enum PathLine { kNewValue = 1, kUpToRoot, kPathBoth, kPathGreater, kPathLone, kPathWinnerUp };

Message Line(const char *text)
{
    return Message("Pseudocode", text);
}

} // namespace

TournamentAlgorithm::TournamentAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf)
    : m_kind(kind),
      m_matches(kind == Kind::Full ? TournamentRun(count, depth) : TournamentRun::PathFrom(count, leaf),
                kind == Kind::Full ? MatchLines{kGreater, kLoneChild, kWinnerUp}
                                   : MatchLines{kPathGreater, kPathLone, kPathWinnerUp})
{
    m_timeline.Plan(m_matches.Run().StepCount(), 4 * m_matches.Run().MatchCount());
}

const Listing &TournamentAlgorithm::Lines() const
{
    static const Listing full{
        {0, Line(ZARNI_TEXT("Pseudocode", "對每一層，由 depth − 1 往上到 1："))},
        {1, Line(ZARNI_TEXT("Pseudocode", "對該層每個有子節點的節點 i，由左到右："))},
        {2, Line(kBothChildrenText)},
        {3, Line(kGreaterText)},
        {2, Line(kLoneChildText)},
        {2, Line(kWinnerUpText)}};
    static const Listing path{{0, Line(ZARNI_TEXT("Pseudocode", "value(leaf) ← 新的值"))},
                              {0, Line(kUpToRootText)},
                              {1, Line(kBothChildrenText)},
                              {2, Line(kGreaterText)},
                              {1, Line(kLoneChildText)},
                              {1, Line(kWinnerUpText)}};
    static_assert(kWinnerUp == 6 && kPathWinnerUp == 6, "a line a place of the listing");
    return m_kind == Kind::Full ? full : path;
}

Message TournamentAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    return k == 0 ? Message() : StepHead().Append(m_matches.Narration(now, k));
}
