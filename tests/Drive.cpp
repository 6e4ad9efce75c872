#include "Drive.h"

#include "frames/Problems.h"

#include <QRandomGenerator>

std::string LabelOf(ViewRef view, int64_t index)
{
    return ValueText(view.view->Model().Value(index));
}

namespace {

// Plays as the command would, and says why it was refused (empty: it was not).
QString Followed(CZarniView *view, const Outcome &outcome)
{
    view->Follow(outcome);
    return CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog);
}

std::vector<std::string> Words(const QStringList &values)
{
    std::vector<std::string> words;
    for (const QString &value : values)
        words.push_back(value.toStdString());
    return words;
}

} // namespace

void SetLoserTree(ViewRef ref, bool loser)
{
    CZarniView *view = ref.view;
    Followed(view, view->Model().Find<TournamentState>().SetLoser(loser));
}

QString SetLeaves(ViewRef ref, const QStringList &values)
{
    CZarniView *view = ref.view;
    return Followed(view, view->Model().Find<TournamentState>().SetLeaves(Words(values)));
}

QString SetLeaf(ViewRef ref, int64_t leaf, const QString &value)
{
    CZarniView *view = ref.view;
    return Followed(view, view->Model().Find<TournamentState>().SetLeaf(leaf, value.toStdString()));
}

QString SetValues(ViewRef ref, const QStringList &values)
{
    CZarniView *view = ref.view;
    return Followed(view, view->Model().Find<HeapState>().SetValues(Words(values)));
}

void FillValues(ViewRef ref, HeapState::Fill fill, int low, int high)
{
    CZarniView *view = ref.view;
    QRandomGenerator *random = QRandomGenerator::global();
    view->Model().Find<HeapState>().FillValues(fill, low, high, [random](int lo, int hi) { return int(random->bounded(lo, hi + 1)); });
}

QString StartHeap(ViewRef ref, HeapAlgorithm::Kind kind, HeapOperand operand)
{
    CZarniView *view = ref.view;
    return Followed(view, view->Model().Find<HeapState>().Start(kind, operand));
}

void SetMinHeap(ViewRef ref, bool min)
{
    CZarniView *view = ref.view;
    view->Model().Find<HeapState>().SetMin(min);
}

void StartMerge(ViewRef ref, WinnerMerge::Runs runs)
{
    CZarniView *view = ref.view;
    Followed(view, view->Model().Find<MergeState>().Start(std::move(runs)));
}

void Pop(ViewRef ref)
{
    CZarniView *view = ref.view;
    Followed(view, view->Model().Find<MergeState>().Pop());
}

void PopAll(ViewRef ref)
{
    CZarniView *view = ref.view;
    Followed(view, view->Model().Find<MergeState>().PopAll());
}

void StartReplacement(ViewRef ref, int memory, std::vector<int> input)
{
    CZarniView *view = ref.view;
    Followed(view, view->Model().Find<ReplacementState>().Start(memory, std::move(input)));
}

QString MergeReplacementRuns(ViewRef ref)
{
    CZarniView *view = ref.view;
    return Followed(view, view->Model().Find<ReplacementState>().MergeRuns());
}

const MergeAlgorithm *MergeRun(ViewRef ref)
{
    CZarniView *view = ref.view;
    return dynamic_cast<const MergeAlgorithm *>(view->Run());
}

const MergeState &MergeOf(ViewRef view)
{
    return view.view->Model().Find<MergeState>();
}

void PopAtOnce(ViewRef ref)
{
    CZarniView *view = ref.view;
    Pop(view);
    if (const MergeAlgorithm *run = MergeRun(view))
        view->SeekRun(run->EndOfPop(view->RunStep()));
}

