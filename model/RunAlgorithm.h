#pragma once
// An algorithm played on the tree: a plain class that records its steps on
// a timeline as they are first reached, and says what they do: a
// narration, its listing's line, the question a learner is asked before a
// step that decides something.

#include "Message.h"
#include "Timeline.h"

#include <algorithm>
#include <vector>

// One line of an algorithm's pseudocode, indented by levels. An algorithm
// names its lines (an enumeration from 1) in the order of its listing.
struct ListingLine {
    int indent;
    Message text;
};
using Listing = std::vector<ListingLine>;

struct PracticeQuestion;

// A kind of question an algorithm asks before a step that decides
// something: its name (as the state says it), how it asks and how it tells
// a wrong answer's right one, and the name of what was missed.
struct QuestionKind {
    const char *name;
    Message (*ask)(const PracticeQuestion &question);
    Message (*reveal)(const PracticeQuestion &question);
    Message missed;
    // The choices are boxes to click (0 being node 0 where it shows), or
    // numbers to press.
    bool choicesAreNodes;
    // Choice 0 stands for "none", which N answers.
    bool noneChoice;
};

// What a learner practising is asked before a step: its kind, the node it is
// about, the choices (heap indices, or numbers) and the right one.
struct PracticeQuestion {
    const QuestionKind *kind = nullptr;
    int64_t node = 0;
    std::vector<int64_t> choices;
    int64_t answer = 0;
    std::vector<int64_t> said; // what else the question names (ranges)
    bool Asked() const { return kind != nullptr; }
};

// Steps that paint one box each on the window, one after another, while the
// tree changes earlier (a knock-out match decides at its first step, then
// paints its boxes): what the window shows in the middle of them is the
// boxes as they were painted.
class BoxPainting {
public:
    virtual ~BoxPainting() = default;
    // The last of the painting steps up to step k (counted from the first
    // of them, 1) that painted the node's box; 0 for none.
    virtual int64_t LastPaintingOf(int64_t node, int64_t k) const = 0;
    // The steps (counted so) that may write the node, 0 where none does.
    virtual void WritersOf(int64_t node, int64_t writers[2]) const = 0;
};

// What a learner doing the run by hand does at a step: nothing (the program
// plays the step), swap two nodes' values, send a match's winner up (the
// winning child; in a loser tree's climb, 0 for the value rising), or put
// the value read into a run.
struct LearnerAction {
    enum class Kind : uint8_t { None, Swap, Promote, Choose };
    Kind kind = Kind::None;
    int64_t a = 0, b = 0; // Swap: a < b; Promote: the node; Choose: the run
    bool operator==(const LearnerAction &o) const { return kind == o.kind && a == o.a && b == o.b; }
    bool operator!=(const LearnerAction &o) const { return !(*this == o); }
    static LearnerAction Swap(int64_t i, int64_t j) { return {Kind::Swap, std::min(i, j), std::max(i, j)}; }
    static LearnerAction Promote(int64_t node) { return {Kind::Promote, node, 0}; }
    static LearnerAction Choose(int64_t run) { return {Kind::Choose, run, 0}; }
};

// The painting steps step k belongs to: run steps offset + 1 onwards.
struct BoxSegment {
    const BoxPainting *boxes = nullptr;
    int64_t offset = 0;
};

class RunAlgorithm {
public:
    virtual ~RunAlgorithm() = default;
    // The name scripts and the state use: "tournament", "heap-sort"...
    virtual const char *Name() const = 0;
    // One sentence on the step shown, read from the tree as it stands then;
    // empty at step 0.
    virtual Message Narration(const NodeStates &now) const = 0;
    // The pseudocode shown beside the tree; a step's line is its place in it.
    virtual const Listing &Lines() const = 0;
    // The question asked before step k, on the tree as it stands after the
    // steps before it (step k recorded or not); none when step k decides
    // nothing.
    virtual PracticeQuestion Question(int64_t, const NodeStates &) const { return {}; }
    // What the learner does at step k, on the tree as it stands before it
    // (the steps before it shown there): by default a question's answer
    // (a box is a match's winner, a number a run).
    virtual LearnerAction Action(int64_t k, const NodeStates &before) const;
    // Its counts are of nodes visited and values combined, in the places
    // of comparisons and moves.
    virtual bool CountsVisits() const { return false; }
    // The painting steps step k is one of, or none.
    virtual BoxSegment Boxes(int64_t) const { return {}; }

    const Timeline &Steps() const { return m_timeline; }
    // Shows step k on the tree.
    void SeekTo(int64_t k, NodeStates &tree)
    {
        m_timeline.SeekTo(k, tree, [this](Timeline::Writer &writer) { RecordStep(writer); });
    }

protected:
    // Records the first step not recorded yet, on the tree as it stands
    // after the steps before it.
    virtual void RecordStep(Timeline::Writer &writer) = 0;
    // "第 k/n 步：", the head of every narration.
    Message StepHead() const;

    Timeline m_timeline;
};
