#pragma once
// Exercises in the table: the learner does an algorithm's run by hand on a
// fresh instance (its own values, or a random one a seed makes the same
// everywhere), graded against the model answer; the menu, the statements
// and what the state says of it.

#include "Exercise.h"
#include "model/algorithms/Algorithm.h"

AlgorithmEntry ExerciseRowEntry();

// What an exercise is asked with: which, and its own values or a random
// instance of a size from a seed.
struct ExerciseRequest {
    const ExerciseEntry *entry = nullptr;
    std::vector<std::string> words; // own values, or none for a random instance
    int size = 0;
    int64_t seed = 0;
    int pops = 3;
};

class ExerciseState : public AlgorithmState {
public:
    explicit ExerciseState(TreeModel &model) : AlgorithmState(model) {}

    // The tree is set up for the instance; nothing is played.
    Outcome Start(const ExerciseRequest &request);
    // The words of the random instance a seed makes.
    static std::vector<std::string> RandomWords(const TreeModel &model, const ExerciseRequest &request);
    const Exercise *Current() const { return m_pExercise.get(); }
    // An exercise not finished yet.
    bool Doing() const { return m_pExercise && !m_pExercise->Finished(); }
    Outcome Act(const LearnerAction &action);
    // A click on a node: the winner of its match, or one of two values to
    // swap; a number pressed: the run of the value read.
    Outcome Click(int64_t node);
    Outcome Press(int number);
    bool TakesSwaps() const { return Takes(LearnerAction::Kind::Swap); }
    bool TakesChoices() const { return Takes(LearnerAction::Kind::Choose); }
    Outcome Undo();
    Outcome Grade();
    Outcome Solution();
    Exercise::Mode Mode() const { return m_mode; }
    void SetMode(Exercise::Mode mode);
    int64_t Seed() const { return m_nSeed; }
    // The exercise as the state says it, or null.
    StateValue StateOf() const;
    const ExerciseEntry *Entry() const { return m_pEntry; }
    // What the learner does in this exercise.
    Message How() const;
    // Shows the model answer from the exercise's start for read, then the
    // tree as it stands again; the exercise goes on.
    void ShowAnswerQuietly(const std::function<void()> &read);

    void TreeTaken() override;
    bool TreeKindChanged(Outcome *) override;
    bool HoldsTree() const override { return Doing(); }
    void RunLoaded() override;
    Message PaneText() const override;
    // An exercise under way: its mode, its instance and the learner's
    // actions, each as its statement.
    LessonTree WriteTree(LessonLines &lines) const override;
    int64_t Outlined() const override;

private:
    Message NothingToDo(const ExerciseRequest &request) const;
    bool Takes(LearnerAction::Kind kind) const;
    Outcome Acted(Exercise::Result result);

    std::unique_ptr<Exercise> m_pExercise;
    const ExerciseEntry *m_pEntry = nullptr;
    Exercise::Mode m_mode = Exercise::Mode::Continuous;
    std::vector<std::string> m_words; // the instance's
    int m_nPops = 3;
    int64_t m_nSeed = -1; // -1: the learner's own values
    int m_nRandomSize = 0; // the size asked of a random instance
    int64_t m_nPicked = 0; // the first of two nodes to swap
    bool m_bLending = false;
};
