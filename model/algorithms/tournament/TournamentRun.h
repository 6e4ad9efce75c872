#pragma once
// The knock-out tournament on a tree of the heap indices 1..N, as a plain
// sequence: the matches in the order they are played (from the level above
// the deepest up to the root, each level left to right), and the painting
// steps they make (the left child's box, the right child's, the node's). The
// outcome of a match depends only on its children's labels.

#include "model/RunAlgorithm.h"
#include "model/Looks.h"

#include <cstdint>
#include <string>
#include <vector>

struct TournamentMatch {
    int64_t node = 0;
    int64_t left = 0;  // 0: no such child
    int64_t right = 0;
};

// What a match writes: the children's marks (1 won, 2 lost) and the node's
// label; the node's own mark becomes 1.
struct MatchOutcome {
    int leftMark = 0;
    int rightMark = 0;
    std::string label;
};

class TournamentRun : public BoxPainting {
public:
    // The matches of the tree of count nodes, played over the levels
    // depth - 1 down to 1. Nodes without children play none.
    TournamentRun(int64_t count, int depth);
    // Only the matches on the path from a leaf up to the root, lowest first:
    // all a tournament must play again when that leaf changes.
    static TournamentRun PathFrom(int64_t count, int64_t leaf);

    int64_t MatchCount() const { return m_nMatches; }
    TournamentMatch Match(int64_t m) const;
    int64_t StepCount() const { return m_nSteps; }
    // The match of step k (1..StepCount()) and the box that step paints.
    int64_t MatchOfStep(int64_t k) const;
    int64_t BoxOfStep(int64_t k) const;
    // The first step of match m: three steps a match, two for the one match
    // of a node with a lone child.
    int64_t FirstStep(int64_t m) const { return 3 * m + 1 - (m_nLone >= 0 && m > m_nLone ? 1 : 0); }
    int64_t LastStep(int64_t m) const { return m + 1 < MatchCount() ? FirstStep(m + 1) - 1 : m_nSteps; }
    // The match the node plays as the node, -1 when it plays none.
    int64_t MatchOfNode(int64_t node) const;
    // The last of the first `shown` steps that paints the node's box, 0 for
    // none; the first steps of its own match and its parent's, the only
    // ones that write it.
    int64_t LastPaintingOf(int64_t node, int64_t shown) const override;
    void WritersOf(int64_t node, int64_t writers[2]) const override;

    // The greater value wins and the right child wins a tie, values read as
    // the C library's atoi reads them; a lone child wins alone and passes its
    // value up. Absent children are null.
    static MatchOutcome Decide(const std::string *left, const std::string *right);
    // The same on values: the children's marks and the value the node takes.
    struct ValueOutcome {
        int leftMark, rightMark, value;
    };
    static ValueOutcome DecideValues(const int *left, const int *right);
    // The one rule of every match, on values.
    static bool LeftWins(int left, int right) { return left > right; }
    // The least value, below every whole number a label can hold: it loses
    // every match. Its label is "-∞".
    static constexpr int kLeast = NodeStates::kLeast;
    static int ValueOf(const std::string &label);
    // What a label counts for in a match: an empty one counts as 0, as the
    // C library reads it.
    static int Contender(int value) { return value == NodeStates::kNoLabel ? 0 : value; }
    // The label of a value; NodeStates::kNoLabel's is empty.
    static std::string LabelOf(int value);
    static void WriteLabel(int value, std::string *label);

private:
    explicit TournamentRun(int64_t count) : m_nCount(count) {}
    void Add(int64_t node);

    // The matches of a level are consecutive nodes, played one after the
    // other: a segment of the run. At most one segment a level.
    struct Segment {
        int64_t firstMatch, firstNode, count;
    };
    std::vector<Segment> m_segments;       // in playing order
    std::vector<int> m_segmentOfLevel;     // -1: none
    int64_t m_nCount;                      // the tree's nodes
    int64_t m_nMatches = 0;
    int64_t m_nLone = -1;                  // the match of a lone child
    int64_t m_nSteps = 0;
};
