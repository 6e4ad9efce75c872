#pragma once
// The algorithms reached through a view's model as their commands reach
// them, for the tests and the benchmark.

#include "model/algorithms/heap/Heap.h"
#include "model/algorithms/merge/Merge.h"
#include "model/algorithms/replacement/Replacement.h"
#include "model/algorithms/tournament/Tournament.h"
#include "view/ZarniView.h"

#include <QString>
#include <QStringList>
#include <memory>

// A view as a helper takes it, held or not.
struct ViewRef {
    CZarniView *view;
    ViewRef(const CZarniView *v) : view(const_cast<CZarniView *>(v)) {}
    ViewRef(const std::unique_ptr<CZarniView> &v) : view(v.get()) {}
};

// A node's label as its box shows it.
std::string LabelOf(ViewRef view, int64_t index);

// The algorithms reached through a view's model as their commands reach
// them, the view playing as the command would; those that can be refused
// say why in the interface's language (empty: not refused).
void SetLoserTree(ViewRef view, bool loser);
QString SetLeaves(ViewRef view, const QStringList &values);
QString SetLeaf(ViewRef view, int64_t leaf, const QString &value);
QString SetValues(ViewRef view, const QStringList &values);
void FillValues(ViewRef view, HeapState::Fill fill, int low = 0, int high = 99);
QString StartHeap(ViewRef view, HeapAlgorithm::Kind kind, HeapOperand operand = {});
void SetMinHeap(ViewRef view, bool min);
void StartMerge(ViewRef view, WinnerMerge::Runs runs);
void Pop(ViewRef view);
void PopAll(ViewRef view);
void StartReplacement(ViewRef view, int memory, std::vector<int> input);
QString MergeReplacementRuns(ViewRef view);
// The merge's run the view shows, or null; the view's merge.
const MergeAlgorithm *MergeRun(ViewRef view);
const MergeState &MergeOf(ViewRef view);
// Plays to the end of the next pop at once.
void PopAtOnce(ViewRef view);
