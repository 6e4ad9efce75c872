#pragma once
// The steps of knock-out matches on a winner tree, for every run that plays
// them (the tournament, a leaf's path, a merge's pops): each match decides
// at its first step (the children's marks, the node's value and mark) and
// paints three boxes in turn, the left child's, the right child's and the
// node's (two when the node has one child).

#include "TournamentRun.h"

// The lines of the caller's listing a match's steps stand at: the
// comparison, a lone child passing up, the winner written.
struct MatchLines {
    int decide, lone, write;
};

class WinnerMatches {
public:
    WinnerMatches(TournamentRun run, MatchLines lines) : m_run(std::move(run)), m_lines(lines) {}
    const TournamentRun &Run() const { return m_run; }
    // Records the run's step k (from 1).
    void Record(Timeline::Writer &writer, int64_t k) const;
    // What step k does, after the narration's head.
    Message Narration(const NodeStates &now, int64_t k) const;
    // Before a match's first step: which child wins.
    PracticeQuestion Question(int64_t k, const NodeStates &before) const;

private:
    TournamentRun m_run;
    MatchLines m_lines;
};

// The lines of the listings a match stands at, and the climb from a leaf.
extern const char kBothChildrenText[], kGreaterText[], kLoneChildText[], kWinnerUpText[], kUpToRootText[];

// Which child's side wins a match.
extern const QuestionKind kMatchQuestion;
