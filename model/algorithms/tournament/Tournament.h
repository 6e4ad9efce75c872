#pragma once
// The tournament in the table: the knock-out tournament of a winner or a
// loser tree, the leaves' own values, a changed leaf's path played again,
// and the kind of selection tree the tournament, the merges and replacement
// selection play.

#include "model/algorithms/Algorithm.h"

AlgorithmEntry TournamentEntry();

// Whether the view's selection tree is a loser tree.
bool IsLoserTree(const TreeModel &model);

class TournamentState : public AlgorithmState {
public:
    explicit TournamentState(TreeModel &model) : AlgorithmState(model) {}

    bool Loser() const { return m_bLoser; }
    // Switches the kind: a played tournament plays again in the new kind,
    // and the other algorithms show their trees in it.
    Outcome SetLoser(bool loser);
    // The leaves in ascending heap index get the values; inner nodes are
    // emptied, every mark cleared, the shape kept.
    Outcome SetLeaves(const std::vector<std::string> &words);
    // One leaf's value; on a tree played to its end, the matches on its path
    // to the root are played again (in a loser tree, only for the overall
    // winner's leaf: any other plays the whole tournament again).
    Outcome SetLeaf(int64_t leaf, const std::string &word);

    // For each node, the leaf whose value the tournament on the leaves as
    // they stand sends up to it.
    std::vector<int64_t> WinningLeaves() const;
    // The tournament has been played to its end on the tree as it stands.
    bool PlayedToEnd() const;
    void TreeTaken() override { m_replayed = {}; }
    void RunEnding() override { m_replayed = {}; }
    std::unique_ptr<RunAlgorithm> DefaultRun() const override;
    void AddState(StateValue &state) const override;
    void WriteSettings(LessonLines &lines) const override;
    LessonTree WriteTree(LessonLines &lines) const override;
    // The statements that rebuild the tree as it stood before the run
    // shown, its leaves' values given where they are not the indices.
    void WriteShape(LessonLines &lines) const;

private:
    int64_t FirstLeaf() const { return m_model.Count() / 2 + 1; }
    bool HoldsTournament() const;
    Outcome Replay(int64_t leaf);

    bool m_bLoser = false;
    // The leaf whose path the run shown plays again, and its value before.
    struct {
        const RunAlgorithm *run = nullptr;
        int64_t leaf = 0;
        int before = 0;
    } m_replayed;
};
