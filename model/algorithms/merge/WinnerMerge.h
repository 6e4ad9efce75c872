#pragma once
// The k-way merge of sorted runs by a winner tree, as a plain model: the
// runs, how far each has been read, the output, and the tree of heap indices
// 1..2k-1 whose leaves k..2k-1 hold the runs' heads (run j at leaf k + j).
// The greatest head wins at the root; popping it writes it to the output,
// gives its leaf the next value of its run (the least value once the run is
// spent) and plays the leaf's path again. Matches follow the tournament's
// rule, so the view's tree played on the same leaves agrees node for node.

#include "model/algorithms/tournament/TournamentRun.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WinnerMerge {
public:
    using Runs = std::vector<std::vector<int>>;

    static constexpr int kMinRuns = 2;
    static constexpr int kMaxRuns = 1024;
    static constexpr int kMaxRunLength = 100000;

    enum class Error { None, NotANumber, OutOfRange, OutOfOrder, EmptyRun, TooFewRuns, TooManyRuns, RunTooLong };
    struct Problem {
        Error error = Error::None;
        int line = 0;     // the line of the text at fault, 0 for the whole text
        int run = 0;      // the run at fault, from 1
        std::string word; // the word at fault, or the count for the counts
    };
    // Runs from text: one run a line, whole numbers separated by blanks, each
    // run non-increasing; blank lines and lines starting with '#' are
    // skipped. With another separator than a new line, the text is one line
    // of runs separated by it, and an empty run is an error; the "line" of a
    // problem is then the run's number.
    static Problem Parse(const std::string &text, Runs *runs, char separator = '\n');

    // The runs must be as Parse accepts them.
    explicit WinnerMerge(Runs runs) : WinnerMerge(std::make_shared<const Runs>(std::move(runs))) {}
    // Merges that share their runs.
    explicit WinnerMerge(std::shared_ptr<const Runs> runs);

    int RunCount() const { return int(m_runs->size()); }
    const std::vector<int> &Run(int j) const { return (*m_runs)[std::size_t(j)]; }
    const std::shared_ptr<const Runs> &AllRuns() const { return m_runs; }
    // How many values of run j have left it: its head is at that position.
    int64_t Consumed(int j) const { return m_head[std::size_t(j)]; }
    const std::vector<int> &Output() const { return m_output; }
    bool Done() const { return m_value[1] == TournamentRun::kLeast; }
    int64_t Remaining() const { return m_nRemaining; }
    // The run whose head the root shows, -1 when the merge is done.
    int WinningRun() const { return Done() ? -1 : int(m_from[1] - RunCount()); }
    // The run the last pop took its value from, -1 before the first.
    int LastRun() const { return m_nLastRun; }

    // The tree: nodes 1..NodeCount(); what a full tournament on the current
    // leaves shows at a node, its label's value and its mark (1 won, 2 lost,
    // the root 1).
    int64_t NodeCount() const { return 2 * int64_t(RunCount()) - 1; }
    int64_t LeafOfRun(int j) const { return RunCount() + j; }
    int Value(int64_t node) const { return m_value[std::size_t(node)]; }
    int Mark(int64_t node) const;
    // What the same tournament leaves at an inner node of a loser tree: the
    // winner of the child subtree that lost there.
    int Loser(int64_t node) const;
    // The comparisons the pops made, one a node on each path.
    int64_t PopComparisons() const { return m_nPopComparisons; }
    int64_t Pops() const { return int64_t(m_output.size()); }

    // Writes the root's value to the output and replays the path of its leaf;
    // returns that leaf, 0 when the merge is done.
    int64_t Pop();
    // Pops until at most `keep` values remain.
    void PopUntil(int64_t keep);
    // The leaves the next `count` pops take their values from, the merge
    // left as it is.
    std::vector<int64_t> NextLeaves(int64_t count) const;

private:
    int HeadOf(int j) const;
    void Play(int64_t node);

    std::shared_ptr<const Runs> m_runs;
    std::vector<int64_t> m_head;  // by run, the position of its head
    std::vector<int> m_value;     // by node, from 1
    std::vector<int64_t> m_from;  // by node, the leaf its value came from
    std::vector<int> m_output;
    int64_t m_nRemaining = 0;
    int64_t m_nPopComparisons = 0;
    int m_nLastRun = -1;
};
