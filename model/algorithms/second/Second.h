#pragma once
// The runner-up in the table: on a winner tree played to its end, the run
// that finds the second greatest value among those the winner beat.

#include "SecondBestAlgorithm.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry SecondEntry();

class SecondState : public AlgorithmState {
public:
    explicit SecondState(TreeModel &model) : AlgorithmState(model) {}
    // Refused before the tournament's end or in a loser tree.
    Outcome Start();
    void TreeTaken() override { m_found = {}; }
    // The runner-up was found in the kind played before.
    bool TreeKindChanged(Outcome *) override
    {
        m_found = {};
        return false;
    }
    void AddState(StateValue &state) const override;
    // The tournament played to its end, then the runner-up's run at its step.
    LessonTree WriteTree(LessonLines &lines) const override;

private:
    // What the last run found: the candidates, the value and its leaf.
    struct {
        std::vector<int64_t> candidates;
        int value = 0;
        int64_t leaf = 0;
    } m_found;
};
