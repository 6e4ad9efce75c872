#pragma once
// The knock-out tournament as a run: the full tournament, a changed leaf's
// path played again, or that path after a merge's pop. Each match is
// recorded at its first step (the children's marks, the node's value and
// mark) and paints three boxes in turn: the left child's, the right
// child's, the node's (two when the node has one child).

#include "RunAlgorithm.h"
#include "TournamentRun.h"

#include <QCoreApplication>

class TournamentAlgorithm : public RunAlgorithm {
    Q_DECLARE_TR_FUNCTIONS(TournamentAlgorithm)

public:
    enum class Kind { Full, Path, MergePop };
    // The tournament of the tree of count nodes and the given depth (Full),
    // or the path from leaf up (Path, MergePop).
    TournamentAlgorithm(Kind kind, int64_t count, int depth, int64_t leaf);

    const char *Name() const override;
    QString Narration(const NodeStates &now) const override;
    const TournamentRun *Boxes() const override { return &m_run; }
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;

protected:
    void RecordStep(Timeline::Writer &writer) override;

private:

    Kind m_kind;
    TournamentRun m_run;
};
