#pragma once
// An algorithm played on the tree: a plain class that records its steps on
// a timeline as they are first reached, and says what they do.

#include "Timeline.h"

#include <QString>
#include <QStringList>

class TournamentRun;

class RunAlgorithm {
public:
    virtual ~RunAlgorithm() = default;
    // The name scripts and the state use: "tournament", "path", "merge".
    virtual const char *Name() const = 0;
    // One sentence on the step shown, read from the tree as it stands then;
    // empty at step 0.
    virtual QString Narration(const NodeStates &now) const = 0;
    // The pseudocode shown beside the tree.
    virtual QStringList Listing() const;
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

inline QStringList RunAlgorithm::Listing() const
{
    return Pseudocode(QString::fromLatin1(Name()));
}
