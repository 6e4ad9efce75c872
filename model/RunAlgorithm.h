#pragma once
// An algorithm played on the tree: a plain class that records its steps on
// a timeline as they are first reached, and says what they do.

#include "Timeline.h"

#include <QString>
#include <QStringList>
#include <vector>

class TournamentRun;

// What a learner practising is asked before a step that decides something:
// which child wins a match; which box's value goes on up in a loser tree's
// climb; which child a value sinks to, or none; whether a value rises past
// its parent (the parent, or none); whether a value read joins the current
// run or the next; which run a merge's next output comes from (its leaf).
// The choices are heap indices (0 standing for "none", and for node 0 in a
// loser tree's climb), or run numbers for a run's question.
struct PracticeQuestion {
    enum class Kind { None, Match, Climb, SinkTo, Rise, Run, Pop };
    Kind kind = Kind::None;
    int64_t node = 0; // the node the question is about
    std::vector<int64_t> choices;
    int64_t answer = 0;
};

class RunAlgorithm {
public:
    virtual ~RunAlgorithm() = default;
    // The name scripts and the state use: "tournament", "path", "merge",
    // "loser-merge", "heap-sort"...
    virtual const char *Name() const = 0;
    // One sentence on the step shown, read from the tree as it stands then;
    // empty at step 0.
    virtual QString Narration(const NodeStates &now) const = 0;
    // The pseudocode shown beside the tree.
    virtual QStringList Listing() const;
    // The question asked before step k, on the tree as it stands after the
    // steps before it (step k recorded or not); kind None when step k
    // decides nothing.
    virtual PracticeQuestion Question(int64_t k, const NodeStates &before) const;
    // The boxes a run of knock-out matches paints one by one, or null.
    virtual const TournamentRun *Boxes() const { return nullptr; }

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

    Timeline m_timeline;
};

// A value as a node's box shows it, for narrations and panels.
QString LabelText(int value);

// The pseudocode of the algorithm of that name, in the interface's language,
// one line an item, indented by two spaces a level; empty for no name.
QStringList Pseudocode(const QString &name);

inline PracticeQuestion RunAlgorithm::Question(int64_t, const NodeStates &) const
{
    return {};
}

inline QStringList RunAlgorithm::Listing() const
{
    return Pseudocode(QString::fromLatin1(Name()));
}
