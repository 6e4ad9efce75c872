#pragma once
// The runner-up of a winner tree played to its end: only a value the winner
// beat can be second, and the winner beat one value a level, the sibling of
// each node on its way up. The run outlines them from the bottom up, then
// finds the greatest, one comparison a step; its counts begin with the
// tournament's, so that n leaves end at n − 1 + ⌈log₂ n⌉ − 1 comparisons
// when n is a power of two (Knuth, vol. 3, 5.3.3).

#include "model/RunAlgorithm.h"

class SecondBestAlgorithm : public RunAlgorithm {
public:
    // The candidates from the bottom up (at least one), on the tree as it
    // stands, which the run changes only in marks.
    SecondBestAlgorithm(std::vector<int64_t> candidates, int64_t tournamentComparisons, const NodeStates &tree);

    const char *Name() const override { return "second-best"; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    // The candidate that holds the runner-up.
    int64_t Found() const { return m_best.back(); }
    const std::vector<int64_t> &Candidates() const { return m_candidates; }

protected:
    void RecordStep(Timeline::Writer &) override {}

private:
    std::vector<int64_t> m_candidates;
    std::vector<int64_t> m_best; // the candidate best after each comparison, the first before them
    int64_t m_nTournament;
};
