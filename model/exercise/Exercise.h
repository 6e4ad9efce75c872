#pragma once
// An exercise: the learner does an algorithm's run by hand on an instance,
// and every action is graded against the run the algorithm records (the
// model answer), so the two can never disagree. The learner's actions are
// the steps the run says a learner takes (swaps, matches' winners, runs);
// every other step is the program's and is played as soon as it is due.
//
// Graded as made: a right action is applied, a wrong one is counted and
// not applied, and the third wrong try in a row shows and applies the right
// one. Graded at the end: every action is applied as made (an action off
// the model answer as the learner meant it, where the tree can show it) and
// can be taken back; grading counts the actions that match the model's in
// order up to the first that does not. Actions whose order leaves the same
// tree are taken in any order: the matches of one level, and the sift-downs
// from the nodes of one level (each sift's own swaps in their order).

#include "model/Message.h"
#include "model/RunAlgorithm.h"

#include <memory>
#include <string>
#include <vector>

// Random whole numbers that a seed makes the same everywhere.
class ExerciseRandom {
public:
    explicit ExerciseRandom(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    int Between(int low, int high);

private:
    uint64_t m_state;
};

// What an exercise says, its places (%1...) to be filled: a page that
// grades as the program does says the same.
struct ExerciseTexts {
    Message kinds[3]; // what a mistake was about: a swap, a match, a run
    Message swapDue, promoteDue, chooseDue; // another kind of action is due
    Message noSwap, notInRun, notYet, otherSide, tie, threeWrong;
    Message progress, solutionShown, summary, missedFirst, missedNext;
    Message heading, howSwap, howChoose, howPromote; // what the learner does
};
const ExerciseTexts &ExerciseSays();

// An exercise's own values: from low to high of them, each a node's value.
Message ReadExerciseValues(const std::vector<std::string> &words, std::size_t low, std::size_t high,
                           std::vector<int> *values);
// Values as the words of a statement.
std::vector<std::string> ExerciseWords(const std::vector<int> &values);

class Exercise {
public:
    enum class Mode { Continuous, End };
    enum class Result { Right, Wrong, Shown, Applied, NotAnAction, Over };
    // One action of the model answer: the step that makes it and the steps
    // of the program's that follow, up to the next action.
    struct Unit {
        LearnerAction action;
        int64_t first = 0, last = 0;
        int64_t focus = 0; // the node to outline when it is due
        // Units of one stage (nonzero) are done in any order, those of one
        // task among them in the model's: a level's matches (stage: the
        // level; task: the match's node) or a level's sift-downs (stage:
        // minus the level; task: the node the sift starts from). Stage 0:
        // only in the model's order.
        int stage = 0;
        int64_t task = 0;
        // A run chosen is pressed as practice asks it: 1 for the run being
        // written (this one), 2 for the next.
        int64_t run = 0;
        // A match whose winner's value takes its parent's box (a winner
        // tree's, not a loser tree's, where the parent keeps the loser).
        bool winnerRises = false;
    };
    struct Counts {
        int64_t actions = 0; // the model answer's
        int64_t right = 0, wrong = 0, shown = 0, firstTry = 0;
        int Score() const { return actions ? int((100 * firstTry + actions / 2) / actions) : 100; }
    };

    // The answer is recorded to its step `last` on a copy of the tree as it
    // stands; the steps before the first action are played on the tree.
    Exercise(std::string name, int64_t size, Mode mode, std::unique_ptr<RunAlgorithm> answer, int64_t last,
             NodeStates &tree);

    const std::string &Name() const { return m_name; }
    int64_t Size() const { return m_nSize; }
    Mode GetMode() const { return m_mode; }
    void SetMode(Mode mode) { m_mode = mode; }
    const std::vector<Unit> &Units() const { return m_units; }
    const RunAlgorithm &Answer() const { return *m_pAnswer; }
    int64_t LastStep() const { return m_nLast; }

    // The learner acts on the tree.
    Result Act(const LearnerAction &action);
    // Graded at the end: takes the last action back; false with none.
    bool Undo();
    bool CanUndo() const { return !m_finished && !m_history.empty(); }
    // Ends the exercise: the actions graded at the end are counted.
    void Grade();
    // Ends the exercise with the tree as it was at its start, and hands
    // over the model answer at its step 0 to be played there.
    std::unique_ptr<RunAlgorithm> Solution();

    bool Finished() const { return m_finished; }
    bool SolutionShown() const { return m_bSolution; }
    // Whether it was graded when handed in, not finished by its last action.
    bool HandedIn() const { return m_bHandedIn; }
    Counts GetCounts() const { return m_counts; }
    // What the last action was told: why it was wrong, or empty.
    const Message &Told() const { return m_told; }
    // The node outlined after a wrong action, 0 for none.
    int64_t Revealed() const { return m_nRevealed; }
    // The learner's actions so far (graded at the end).
    int64_t ActionsMade() const { return int64_t(m_history.size()); }
    // What the learner did, in order: every action the tree took (right,
    // wrong or applied) and every one taken back (an action of no kind).
    const std::vector<LearnerAction> &Log() const { return m_log; }
    // What the status bar and the end say.
    Message Progress() const;
    Message Summary() const;

private:
    struct Made {
        int unit; // -1: off the model answer
        std::vector<NodeChange> changes;
    };
    void GroupUnits();
    std::vector<int> DueUnits() const;
    std::vector<int64_t> Touched(const Unit &unit) const;
    std::vector<NodeChange> Apply(int64_t first, int64_t last);
    std::vector<NodeChange> OffAnswer(const LearnerAction &action);
    bool WinnerRisesAt(int64_t parent) const;
    bool WritesWinner(int64_t k, const LearnerAction &action, int64_t focus) const;
    void Done(int unit);
    bool InStep() const;
    Message Reason(const LearnerAction &action, const Unit &due) const;
    bool Valid(const LearnerAction &action) const;

    std::string m_name;
    int64_t m_nSize;
    Mode m_mode;
    std::unique_ptr<RunAlgorithm> m_pAnswer;
    int64_t m_nLast;
    NodeStates &m_tree;
    NodeCopy m_start;
    NodeCopy m_answerTree; // the model answer recorded to its last step
    std::vector<Unit> m_units;
    std::vector<bool> m_done;
    std::size_t m_nNext = 0; // the first unit not done
    std::vector<Made> m_history;
    std::vector<LearnerAction> m_log;
    Counts m_counts;
    int m_nStreak = 0; // wrong tries in a row
    std::vector<Message> m_missed;
    bool m_finished = false, m_bSolution = false, m_bHandedIn = false;
    Message m_told;
    int64_t m_nRevealed = 0;
};
