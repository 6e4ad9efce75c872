#pragma once
// The merge of sorted runs in the table: the tree becomes the selection tree
// of the runs (run j at leaf k + j), and the first tournament and every pop
// play as one run. A click ends the run but not the merge: the next pop goes
// on from the merge as it stood.

#include "MergeAlgorithm.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry MergeEntry();

class MergeState : public AlgorithmState, private PanelRows {
public:
    explicit MergeState(TreeModel &model);
    ~MergeState() override;

    // The tree becomes the selection tree of the runs (as Parse accepts
    // them) and the first tournament plays.
    Outcome Start(WinnerMerge::Runs runs);
    // Plays on to the end of the next pop; every pop at once.
    Outcome Pop();
    Outcome PopAll();
    bool CanPop() const { return m_pMerge && !Shown().done; }
    bool Active() const { return m_pMerge != nullptr; }
    // The merge as the step shown has it: its runs, what each has given,
    // the output, whether every value is out, the run of the last pop.
    const WinnerMerge &Runs() const { return *m_pMerge; }
    int64_t Consumed(int run) const { return Shown().consumed[std::size_t(run)]; }
    std::vector<int> Output() const;
    bool Done() const { return Shown().done; }
    int LastRun() const { return Shown().lastRun; }

    void TreeTaken() override;
    void RunEnding() override;
    bool HoldsTree() const override { return Active(); }
    bool TreeKindChanged(Outcome *outcome) override;
    Message Corner(int64_t node) const override;
    void AddState(StateValue &state) const override;
    LessonTree WriteTree(LessonLines &lines) const override;
    bool Panel(RecordPanel *panel) const override;

private:
    // The merge as the step shown has it.
    struct ShownMerge {
        int64_t pops = 0;
        int nextRun = -1, lastRun = -1;
        int64_t comparisons = 0;
        bool done = false;
        std::vector<int64_t> consumed;
    };
    ShownMerge Shown() const;
    const MergeAlgorithm *OwnRun() const;
    // The merge goes on as a run of its own from where it stood.
    void Resume();
    // The merge's pops by the step shown, the merge held there.
    void HoldAtShown();
    int64_t StepsBefore(int64_t pops) const;

    int Count() const override;
    int64_t Length(int row) const override;
    Message Title(int row) const override;
    PanelCell Cell(int row, int64_t column) const override;
    class OutputRow;

    std::shared_ptr<WinnerMerge> m_pMerge;
    const MergeAlgorithm *m_pRun = nullptr;
    std::unique_ptr<OutputRow> m_pOutput;
    mutable ShownMerge m_panelMerge; // what the panel's rows show
};

// The problem of runs given one a line (lines) or separated by '/'.
Message MergeProblem(const WinnerMerge::Problem &problem, bool lines);
