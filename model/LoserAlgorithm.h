#pragma once
// The loser tree's runs: the full tournament, and a leaf's path played again
// after the overall winner's leaf changed (a new value there, a merge's pop).
// Matches follow the winner tree's rule (the greater wins, the right subtree
// on a tie); a node that plays a match keeps its loser, in grey, and node 0
// keeps the overall winner. A node with one child plays none: its label is
// empty and its child's winner passes up.
//
// The full tournament takes a step a match and a last step that writes node
// 0. A path replay first writes the leaf's value into node 0, which carries
// the value on its way up; at each node with two children it is compared
// with the loser kept there, and the two change places when the kept one
// wins. What reaches the top is the overall winner.

#include "RunAlgorithm.h"
#include "TournamentRun.h"

#include <QCoreApplication>
#include <vector>

class LoserAlgorithm : public RunAlgorithm {
    Q_DECLARE_TR_FUNCTIONS(LoserAlgorithm)

public:
    enum class Kind { Full, Path, MergePop };
    LoserAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf);

    const char *Name() const override;
    QString Narration(const NodeStates &now) const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;

    // Whether the value rising from one side beats the one kept from the
    // other, by the winner tree's rule.
    static bool RisingWins(int rising, int kept, bool risingFromLeft)
    {
        return risingFromLeft ? rising > kept : rising >= kept;
    }

protected:
    void RecordStep(Timeline::Writer &writer) override;

private:
    struct Lines {
        int match, lone, top, enter, compare, swap;
    };
    Lines LinesOf() const;
    void RecordMatch(Timeline::Writer &writer, const TournamentMatch &match);
    void RecordClimb(Timeline::Writer &writer, int64_t node);
    // The winner of the subtree under a child showing that value, as the
    // tournament stands: a leaf's own value, an inner node's winner.
    int WinnerUnder(int64_t child, int shown) const;
    bool RisingFromLeft(int64_t node) const;
    // The node step k plays at, 0 for the step that writes node 0 first or
    // last.
    int64_t NodeOfStep(int64_t k) const;

    Kind m_kind;
    int64_t m_nCount;
    int64_t m_nLeaf;
    TournamentRun m_run;          // the full tournament's matches
    std::vector<int64_t> m_path;  // a replay's nodes with two children, lowest first
    std::vector<int> m_winner;    // the full tournament's winners so far, by node
};
