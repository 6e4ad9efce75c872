#pragma once
// Replacement selection on a selection tree of P leaves (nodes 1..2P-1, the
// leaves P..2P-1), winner or loser: the input is cut into runs sorted from
// the greatest down. Each record is a value and the number of its run; the
// winner is the record of the lowest run and, within it, the greatest value
// (the right subtree's on a tie), and an empty leaf never wins. A node shows
// its record's value in the colour of its run's parity, so that the records
// held for the next run stand apart from the current run's.
//
// The run is recorded whole when made: the first P values fill the leaves
// (a step each), the tournament is played (a step a match, and in a loser
// tree one for node 0), then for every record written: a step that begins
// the next run when the winner belongs to it, one that writes the winner, one
// that reads the next value into its leaf (in a loser tree also into node 0,
// which carries it up), and one a node on the leaf's path to the root.

#include "model/RunAlgorithm.h"

#include <memory>
#include <string>
#include <vector>

// What the run has read and written, by step.
class ReplacementRecord {
public:
    int Memory() const { return m_nMemory; }
    const std::vector<int> &Input() const { return m_input; }
    // Values read, values written and runs begun once step k is shown.
    int64_t ReadBy(int64_t k) const;
    int64_t WrittenBy(int64_t k) const;
    int RunsBy(int64_t k) const;
    // The values written, in order; where each run begins among them.
    const std::vector<int> &Output() const { return m_output; }
    int64_t RunStart(int run) const { return m_runStart[std::size_t(run)]; }
    // Every run the whole input makes.
    std::vector<std::vector<int>> Runs() const;
    // The run's steps: at the last, everything is written.
    int64_t StepCount() const { return m_nSteps; }
    // The values of run j (from 0) written once step k is shown.
    std::pair<int64_t, int64_t> RunWrittenBy(int j, int64_t k) const;

private:
    friend class ReplacementAlgorithm;
    int m_nMemory = 0;
    int64_t m_nSteps = 0;
    std::vector<int> m_input;
    std::vector<int> m_output;
    std::vector<int64_t> m_readStep, m_writeStep, m_runStep; // the step of each
    std::vector<int64_t> m_runStart;                          // by run, in the output
    std::vector<std::pair<int64_t, int64_t>> m_matchWinner;   // the first tournament's: step, winning child
};

class ReplacementAlgorithm : public RunAlgorithm {
public:
    static constexpr int kMinMemory = 2;
    static constexpr int kMaxMemory = 1024;
    static constexpr int kMaxInput = 1000000;

    enum class Error { None, NotANumber, OutOfRange, NoValues, TooMany };
    struct Problem {
        Error error = Error::None;
        int line = 0;     // the line of the text at fault, 0 for the whole text
        std::string word; // the word at fault, or the count
    };
    // Whole numbers separated by blanks and new lines; lines starting with
    // '#' are skipped.
    static Problem Parse(const std::string &text, std::vector<int> *values);

    // memory from kMinMemory to kMaxMemory, 1 to kMaxInput values; the tree
    // starts with every node empty and plain.
    ReplacementAlgorithm(int memory, std::vector<int> input, bool loser);

    const char *Name() const override { return "replacement"; }
    Message Narration(const NodeStates &now) const override;
    const Listing &Lines() const override;
    PracticeQuestion Question(int64_t k, const NodeStates &before) const override;
    // The learner sends each match's winner up and puts each value read
    // into its run.
    LearnerAction Action(int64_t k, const NodeStates &before) const override;
    int64_t NodeCount() const { return 2 * int64_t(m_record->Memory()) - 1; }
    std::shared_ptr<const ReplacementRecord> Record() const { return m_record; }

protected:
    void RecordStep(Timeline::Writer &) override {}

private:
    class Recorder;
    Message RecordText(const NodeStates &now, int64_t node, int64_t k) const;

    bool m_bLoser;
    std::shared_ptr<ReplacementRecord> m_record;
};

// Whether the value read joins the current run or the next.
extern const QuestionKind kRunQuestion;
