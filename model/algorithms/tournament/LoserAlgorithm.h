#pragma once
// The loser tree's runs: the whole tournament, and a leaf's path played
// again after the overall winner's leaf changed. Matches follow the winner
// tree's rule (the greater wins, the right subtree on a tie); a node that
// plays a match keeps its loser, in grey, and node 0 keeps the overall
// winner. A node with one child plays none: its label is empty and its
// child's winner passes up.
//
// The tournament takes a step a match and a last step that writes node 0.
// A path's replay first writes the leaf's value into node 0, which carries
// the value on its way up; at each node with two children it is compared
// with the loser kept there, and the two change places when the kept one
// wins. What reaches the top is the overall winner.

#include "Matches.h"

#include <optional>
#include <vector>

class LoserTournament {
public:
    // The lines of the caller's listing: a match, a lone child, node 0.
    struct Lines {
        int match, lone, top;
    };
    LoserTournament(int64_t count, int depth, Lines lines);
    int64_t StepCount() const { return m_run.MatchCount() + 1; }
    // Records step k (from 1): the steps are recorded in order, so the
    // winners of the matches before are known.
    void Record(Timeline::Writer &writer, int64_t k);
    Message Narration(const NodeStates &now, int64_t k) const;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const;

private:
    void RecordMatch(Timeline::Writer &writer, const TournamentMatch &match);
    // The winner of the subtree under a child showing that value, as the
    // tournament stands: a leaf's own value, an inner node's winner.
    int WinnerUnder(int64_t child, int shown) const;

    int64_t m_nCount;
    TournamentRun m_run;
    Lines m_lines;
    std::vector<int> m_winner; // the winners so far, by node
};

class LoserClimb {
public:
    // The lines: node 0 takes the leaf's value, a comparison the rising
    // value wins, a swap.
    struct Lines {
        int enter, compare, swap;
    };
    LoserClimb(int64_t count, int64_t leaf, Lines lines);
    int64_t StepCount() const { return int64_t(m_path.size()) + 1; }
    void Record(Timeline::Writer &writer, int64_t k) const;
    // Step k's narration; swapped: whether it exchanged the two values.
    Message Narration(const NodeStates &now, int64_t k, bool swapped) const;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const;
    // Whether the value rising from one side beats the one kept from the
    // other, by the winner tree's rule.
    static bool RisingWins(int rising, int kept, bool risingFromLeft)
    {
        return risingFromLeft ? rising > kept : rising >= kept;
    }

private:
    // The node step k plays at; 0 for the step that fills node 0.
    int64_t NodeOfStep(int64_t k) const { return k >= 2 ? m_path[std::size_t(k - 2)] : 0; }
    bool RisingFromLeft(int64_t node) const;

    int64_t m_nLeaf;
    std::vector<int64_t> m_path; // the nodes with two children, lowest first
    Lines m_lines;
};

class LoserAlgorithm : public RunAlgorithm {
public:
    enum class Kind { Full, Path };
    LoserAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf);

    const char *Name() const override { return m_kind == Kind::Full ? "loser-tournament" : "loser-path"; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;

protected:
    void RecordStep(Timeline::Writer &writer) override;

private:
    Kind m_kind;
    std::optional<LoserTournament> m_tournament;
    std::optional<LoserClimb> m_climb;
};

// Which goes on up at a node of a loser tree's climb: the kept value or the
// rising one.
extern const QuestionKind kClimbQuestion;
// The lines a loser tree's listings share.
extern const char kLoserUpText[], kLoserCompareText[], kLoserSwapText[], kLoserEnterText[];
