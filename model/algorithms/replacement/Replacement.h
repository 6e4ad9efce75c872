#pragma once
// Replacement selection in the table: the tree becomes the selection tree of
// the kind chosen with P leaves, the run cuts an input into runs sorted
// from the greatest down, and the runs it makes can be merged.

#include "ReplacementAlgorithm.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry ReplacementEntry();

class ReplacementState : public AlgorithmState, private PanelRows {
public:
    explicit ReplacementState(TreeModel &model);
    ~ReplacementState() override;

    Outcome Start(int memory, std::vector<int> input);
    // Merges every run the whole input makes, with the tree kind chosen.
    Outcome MergeRuns();
    bool Active() const { return m_pRecord != nullptr; }
    const ReplacementRecord *Record() const { return m_pRecord.get(); }
    // The step the record stands at: the run's shown, or where it ended.
    int64_t Step() const;

    void TreeTaken() override;
    void RunEnding() override;
    bool HoldsTree() const override { return Active(); }
    bool TreeKindChanged(Outcome *outcome) override;
    void AddState(StateValue &state) const override;
    LessonTree WriteTree(LessonLines &lines) const override;
    bool Panel(RecordPanel *panel) const override;

private:
    const ReplacementAlgorithm *OwnRun() const;
    void Load(std::unique_ptr<ReplacementAlgorithm> run);

    int Count() const override;
    int64_t Length(int row) const override;
    Message Title(int row) const override;
    PanelCell Cell(int row, int64_t column) const override;
    class InputRow;

    std::shared_ptr<const ReplacementRecord> m_pRecord;
    const ReplacementAlgorithm *m_pRun = nullptr;
    int64_t m_nStep = 0; // where the run ended
    std::unique_ptr<InputRow> m_pInput;
    mutable int64_t m_nPanelStep = 0;
};

// A problem of replacement selection's input.
Message ReplacementProblem(const ReplacementAlgorithm::Problem &problem);
