#pragma once
// What is wrong with values a user gave (leaf values, a merge's runs),
// worded once: a dialog says it in the interface's language, a script in
// English, as the tail of one line.

#include "model/WinnerMerge.h"
#include "view/ZarniView.h"

#include <QCoreApplication>

class CProblemText {
    Q_DECLARE_TR_FUNCTIONS(CProblemText)

public:
    enum class Wording { Dialog, ScriptLine };
    static QString Leaf(const CZarniView *view, const CZarniView::LeafProblem &problem, Wording wording);
    // The same for every node's value.
    static QString Values(const CZarniView *view, const CZarniView::LeafProblem &problem, Wording wording);
    // Why a heap operation was refused.
    static QString Heap(const CZarniView *view, const CZarniView::HeapProblem &problem, Wording wording);
    // A problem of runs given one a line (lines) or separated by '/'.
    static QString Merge(const WinnerMerge::Problem &problem, bool lines, Wording wording);
    // A problem of replacement selection's input, and why the runs it made
    // are not merged.
    static QString Replacement(const ReplacementAlgorithm::Problem &problem, Wording wording);
    static QString RunsMerge(const CZarniView *view, CZarniView::RunsMerge outcome, Wording wording);

private:
    static QString Say(const char *text, Wording wording);
    static QString Finish(QString text, Wording wording);
};
