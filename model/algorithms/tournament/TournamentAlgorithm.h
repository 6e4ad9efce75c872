#pragma once
// The knock-out tournament of a winner tree as a run: the whole tournament,
// or a changed leaf's path played again (the matches from its parent up to
// the root).

#include "Matches.h"

class TournamentAlgorithm : public RunAlgorithm {
public:
    enum class Kind { Full, Path };
    // The tournament of the tree of count nodes and the given depth, or the
    // path from the leaf up.
    TournamentAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf);

    const char *Name() const override { return m_kind == Kind::Full ? "tournament" : "path"; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override { return m_matches.Question(k, before); }
    BoxSegment Boxes(int64_t) const override { return {&m_matches.Run(), 0}; }

protected:
    void RecordStep(Timeline::Writer &writer) override { m_matches.Record(writer, m_timeline.Recorded() + 1); }

private:
    Kind m_kind;
    WinnerMatches m_matches;
};
