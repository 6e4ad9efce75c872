#pragma once
// The k-way merge of sorted runs as one run on a selection tree, winner or
// loser: the first tournament, then every pop, on one timeline. A pop takes
// a step that writes the root's winner out, one that gives its leaf the
// next value of its run (the least value once the run is spent), and the
// steps of the leaf's path played again (a winner tree's matches, three
// boxes each; a loser tree's climb, node 0 taking the leaf's value first).
// Stepping back over a pop takes its output back, its leaf's value and its
// run's head.
//
// A merge too long to keep step by step (beyond kWholeMergeSteps) keeps
// its first kPlayedPops pops so and makes the rest in one step.

#include "WinnerMerge.h"
#include "model/algorithms/tournament/LoserAlgorithm.h"

#include <memory>
#include <optional>

class MergeAlgorithm : public RunAlgorithm {
public:
    static constexpr int64_t kWholeMergeSteps = int64_t(1) << 26;
    static constexpr int64_t kPlayedPops = 32768;

    // The merge from where `merge` stands, on a tree of its 2k - 1 nodes:
    // from its first tournament (no pop made, the leaves hold the heads,
    // every other node empty), or from the tree shown whole. The merge
    // goes on with the pops as they are recorded.
    MergeAlgorithm(std::shared_ptr<WinnerMerge> merge, bool loser, bool withTournament);

    const char *Name() const override { return m_bLoser ? "loser-merge" : "merge"; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;
    // A pop's output and its leaf's next value are the program's; the
    // matches are the learner's.
    LearnerAction Action(int64_t k, const NodeStates &before) const override;
    BoxSegment Boxes(int64_t k) const override;

    const WinnerMerge &Merge() const { return *m_merge; }
    bool Loser() const { return m_bLoser; }
    // The steps of the first tournament (0 without one).
    int64_t TournamentSteps() const { return m_nTournamentSteps; }
    // By step k: the pops made (those before the run included), what run j
    // has given, the comparisons of the pops, the run the next pop takes
    // from (-1 when none is left) and the run of the last pop (-1 before
    // the first).
    int64_t PopsBy(int64_t k) const;
    int64_t ConsumedBy(int run, int64_t k) const;
    int64_t PopComparisonsBy(int64_t k) const;
    int NextRunAt(int64_t k) const;
    int LastRunBy(int64_t k) const;
    bool DoneBy(int64_t k) const { return PopsBy(k) == m_nTotalPops; }
    // The last step of the pop that holds step k (of the first tournament
    // up to its end), and of the pop after it.
    int64_t EndOfPop(int64_t k) const;
    int64_t EndOfNextPop(int64_t k) const { return EndOfPop(EndOfPop(k) + 1); }
    // The steps of a pop from the leaf, and of a first tournament, in a
    // winner or a loser tree of k runs.
    int64_t PopSteps(int64_t leaf) const { return PopSteps(leaf, m_bLoser); }
    static int64_t PopSteps(int64_t leaf, bool loser);
    static int64_t TournamentSteps(int runs, bool loser) { return loser ? runs : 3 * int64_t(runs - 1); }

    // The tree as a whole tournament on the merge's leaves shows it, in a
    // winner or a loser tree.
    static void WriteWholeTree(NodeStates &tree, const WinnerMerge &merge, bool loser);

protected:
    void RecordStep(Timeline::Writer &writer) override;

private:
    struct Pop {
        int64_t start; // its output's step
        int64_t leaf;
        int64_t comparisons; // of the pops in the run, this one's included
    };
    // The pop whose steps hold step k (k > the tournament's), or -1 when
    // step k would begin a pop not recorded yet.
    int64_t PopOfStep(int64_t k) const;
    const WinnerMatches &PathOf(int64_t leaf) const;
    const LoserClimb &ClimbOf(int64_t leaf) const;
    void RecordPopStep(Timeline::Writer &writer, int64_t k);
    void RecordAllTheRest(Timeline::Writer &writer, int64_t k);
    Message PopNarration(const NodeStates &now, int64_t p, int64_t k) const;
    std::vector<int64_t> LeavesNotSpent(int64_t k) const;

    std::shared_ptr<WinnerMerge> m_merge;
    bool m_bLoser;
    int64_t m_nTournamentSteps = 0;
    int64_t m_nBasePops = 0;        // made before the run
    std::vector<int64_t> m_baseConsumed;
    int64_t m_nBaseComparisons = 0;
    int64_t m_nTournamentComparisons = 0;
    int64_t m_nTotalPops = 0;
    int64_t m_nPlayedPops = -1;     // the pops played step by step, -1 for all
    int64_t m_nAllAtOnceStep = 0;   // the step that makes the rest, 0 for none
    std::vector<Pop> m_pops;        // recorded, in the run
    std::vector<std::vector<int64_t>> m_popsOfRun; // the steps of each run's pops
    std::optional<WinnerMatches> m_tournament;
    std::optional<LoserTournament> m_loserTournament;
    mutable std::vector<std::unique_ptr<WinnerMatches>> m_paths; // by leaf
    mutable std::vector<std::unique_ptr<LoserClimb>> m_climbs;
};

// Which run a merge's next output comes from.
extern const QuestionKind kPopQuestion;
