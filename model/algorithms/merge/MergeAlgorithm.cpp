#include "MergeAlgorithm.h"

#include "model/TreeGeometry.h"

#include <algorithm>
#include <utility>

namespace {

const char kContext[] = "MergeAlgorithm";

Message Said(const char *text)
{
    return Message(kContext, text);
}

Message Line(const char *text)
{
    return Message("Pseudocode", text);
}

// The lines of a winner tree's merge, and of a loser tree's.
enum WinnerLine { kTournament = 1, kWhile, kOutput, kNext, kUpToRoot, kDecide, kWrite };
enum LoserLine { kLoserTournament = 1, kLoserWhile, kLoserOutput, kLoserNext, kEnter, kLoserUp, kCompare, kSwap };

const char kNextText[] = ZARNI_TEXT("Pseudocode", "leaf ← 這個值所來自的葉節點；value(leaf) ← 它的序列的下一個值（用完時為 −∞）");

} // namespace

const QuestionKind kPopQuestion{
    "pop",
    [](const PracticeQuestion &) {
        return Message("Practice", ZARNI_TEXT("Practice", "練習：下一個輸出的值來自哪個序列？點那個序列的葉節點。"));
    },
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "不對，它來自葉節點 %1 的序列。")).Number(q.answer);
    },
    Message("Practice", ZARNI_TEXT("Practice", "合併輸出")),
    true,
    false};

MergeAlgorithm::MergeAlgorithm(std::shared_ptr<WinnerMerge> merge, bool loser, bool withTournament)
    : m_merge(std::move(merge)), m_bLoser(loser)
{
    const WinnerMerge &m = *m_merge;
    const int64_t count = m.NodeCount();
    const int depth = TreeGeometry::LevelOf(count);
    if (withTournament && loser) {
        m_loserTournament.emplace(count, depth, LoserTournament::Lines{kLoserTournament, kLoserTournament, kLoserTournament});
        m_nTournamentSteps = m_loserTournament->StepCount();
    } else if (withTournament) {
        m_tournament.emplace(TournamentRun(count, depth), MatchLines{kTournament, kTournament, kTournament});
        m_nTournamentSteps = m_tournament->Run().StepCount();
    }
    m_nTournamentComparisons = withTournament ? m.RunCount() - 1 : 0;
    m_nBasePops = m.Pops();
    m_nBaseComparisons = m.PopComparisons();
    m_nTotalPops = m.Pops() + m.Remaining();
    m_popsOfRun.resize(std::size_t(m.RunCount()));
    m_paths.resize(std::size_t(m.RunCount()));
    m_climbs.resize(std::size_t(m.RunCount()));
    int64_t steps = m_nTournamentSteps;
    for (int j = 0; j < m.RunCount(); ++j) {
        m_baseConsumed.push_back(m.Consumed(j));
        steps += (int64_t(m.Run(j).size()) - m.Consumed(j)) * PopSteps(m.LeafOfRun(j));
    }
    if (steps > kWholeMergeSteps) { // the first pops step by step, the rest at once
        steps = m_nTournamentSteps + 1;
        for (const int64_t leaf : m.NextLeaves(kPlayedPops))
            steps += PopSteps(leaf);
        m_nPlayedPops = kPlayedPops;
    }
    m_timeline.Plan(steps, steps);
    m_pops.reserve(std::size_t(std::min(m.Remaining(), m_nPlayedPops < 0 ? m.Remaining() : m_nPlayedPops)));
}

int64_t MergeAlgorithm::PopSteps(int64_t leaf, bool loser)
{
    const int level = TreeGeometry::LevelOf(leaf);
    return loser ? 2 + level : 2 + 3 * (level - 1);
}

const Listing &MergeAlgorithm::Lines() const
{
    static const Listing winner{
        {0, Line(ZARNI_TEXT("Pseudocode", "比賽：由下而上，每個內部節點 i：value(i) ← 2i 與 2i + 1 中的勝者"))},
        {0, Line(ZARNI_TEXT("Pseudocode", "當 value(1) 不是 −∞："))},
        {1, Line(ZARNI_TEXT("Pseudocode", "輸出 value(1)"))},
        {1, Line(kNextText)},
        {1, Line(kUpToRootText)},
        {2, Line(kGreaterText)},
        {2, Line(kWinnerUpText)}};
    static const Listing loser{
        {0, Line(ZARNI_TEXT("Pseudocode", "比賽：每個內部節點留下敗者，value(0) ← 總冠軍"))},
        {0, Line(ZARNI_TEXT("Pseudocode", "當 value(0) 不是 −∞："))},
        {1, Line(ZARNI_TEXT("Pseudocode", "輸出 value(0)"))},
        {1, Line(kNextText)},
        {1, Line(kLoserEnterText)},
        {1, Line(kLoserUpText)},
        {2, Line(kLoserCompareText)},
        {3, Line(kLoserSwapText)}};
    static_assert(kWrite == 7 && kSwap == 8, "a line a place of the listing");
    return m_bLoser ? loser : winner;
}

const WinnerMatches &MergeAlgorithm::PathOf(int64_t leaf) const
{
    auto &path = m_paths[std::size_t(leaf - m_merge->RunCount())];
    if (!path)
        path = std::make_unique<WinnerMatches>(TournamentRun::PathFrom(m_merge->NodeCount(), leaf),
                                               MatchLines{kDecide, kDecide, kWrite});
    return *path;
}

const LoserClimb &MergeAlgorithm::ClimbOf(int64_t leaf) const
{
    auto &climb = m_climbs[std::size_t(leaf - m_merge->RunCount())];
    if (!climb)
        climb = std::make_unique<LoserClimb>(m_merge->NodeCount(), leaf, LoserClimb::Lines{kEnter, kCompare, kSwap});
    return *climb;
}

int64_t MergeAlgorithm::PopOfStep(int64_t k) const
{
    const auto after = std::upper_bound(m_pops.begin(), m_pops.end(), k,
                                        [](int64_t step, const Pop &pop) { return step < pop.start; });
    if (after == m_pops.begin())
        return -1;
    const Pop &pop = *std::prev(after);
    return k < pop.start + PopSteps(pop.leaf) ? int64_t(std::prev(after) - m_pops.begin()) : -1;
}

void MergeAlgorithm::RecordStep(Timeline::Writer &writer)
{
    const int64_t k = m_timeline.Recorded() + 1;
    if (m_loserTournament && k <= m_nTournamentSteps)
        m_loserTournament->Record(writer, k);
    else if (m_tournament && k <= m_nTournamentSteps)
        m_tournament->Record(writer, k);
    else
        RecordPopStep(writer, k);
    // A seek from one end to the other starts from the nearest picture.
    const int64_t count = m_merge->NodeCount();
    if (m_timeline.KeyframeDue(8 * count))
        m_timeline.AddKeyframe(NodeCopy(writer.Tree(), count));
}

// A pop's first step writes the winner out (the merge makes the pop, its
// leaf taking the next value), its second gives the leaf that value, and
// the rest play the leaf's path again.
void MergeAlgorithm::RecordPopStep(Timeline::Writer &writer, int64_t k)
{
    // Steps are recorded in order: step k is the last pop's, or the next's.
    const bool inLastPop = !m_pops.empty() && k < m_pops.back().start + PopSteps(m_pops.back().leaf);
    const int64_t p = inLastPop ? int64_t(m_pops.size()) - 1 : -1;
    if (p < 0 && m_nPlayedPops >= 0 && int64_t(m_pops.size()) == m_nPlayedPops)
        return RecordAllTheRest(writer, k);
    if (p < 0) {
        const int64_t leaf = m_merge->Pop();
        const int64_t before = m_pops.empty() ? 0 : m_pops.back().comparisons;
        m_pops.push_back({k, leaf, before + TreeGeometry::LevelOf(leaf) - 1});
        m_popsOfRun[std::size_t(leaf - m_merge->RunCount())].push_back(k);
        writer.BeginStep(1, m_bLoser ? int(kLoserOutput) : int(kOutput));
        return;
    }
    const Pop &pop = m_pops[std::size_t(p)];
    const int64_t local = k - pop.start;
    if (local == 1) {
        writer.BeginStep(pop.leaf, m_bLoser ? int(kLoserNext) : int(kNext));
        writer.SetValue(pop.leaf, m_merge->Value(pop.leaf));
        writer.Count(0, 1);
    } else if (m_bLoser) {
        ClimbOf(pop.leaf).Record(writer, local - 1);
    } else {
        PathOf(pop.leaf).Record(writer, local - 1);
    }
}

// The pops left, all at once: the tree as they leave it.
void MergeAlgorithm::RecordAllTheRest(Timeline::Writer &writer, int64_t k)
{
    writer.BeginStep(1, m_bLoser ? int(kLoserOutput) : int(kOutput));
    m_nAllAtOnceStep = k;
    const int64_t comparisons = m_merge->PopComparisons();
    m_merge->PopUntil(0);
    NodeCopy whole(m_merge->NodeCount());
    WriteWholeTree(whole, *m_merge, m_bLoser);
    for (int64_t i = 0; i <= whole.Count(); ++i) {
        writer.SetValue(i, whole.Value(i));
        writer.SetMark(i, whole.Mark(i));
    }
    writer.Count(m_merge->PopComparisons() - comparisons, 0);
}

void MergeAlgorithm::WriteWholeTree(NodeStates &tree, const WinnerMerge &merge, bool loser)
{
    const int64_t firstLeaf = merge.LeafOfRun(0);
    for (int64_t i = 1; i <= merge.NodeCount(); ++i) {
        const bool kept = loser && i < firstLeaf;
        tree.SetValue(i, kept ? merge.Loser(i) : merge.Value(i));
        tree.SetMark(i, loser ? (kept ? kMarkHeld : kMarkPlain) : merge.Mark(i));
    }
    tree.SetValue(0, loser ? merge.Value(1) : NodeStates::kNoLabel);
    tree.SetMark(0, loser ? kMarkHighlighted : kMarkPlain);
}

int64_t MergeAlgorithm::PopsBy(int64_t k) const
{
    if (m_nAllAtOnceStep && k >= m_nAllAtOnceStep)
        return m_nTotalPops;
    const auto after = std::upper_bound(m_pops.begin(), m_pops.end(), k,
                                        [](int64_t step, const Pop &pop) { return step < pop.start; });
    return m_nBasePops + int64_t(after - m_pops.begin());
}

int64_t MergeAlgorithm::ConsumedBy(int run, int64_t k) const
{
    const std::vector<int64_t> &pops = m_popsOfRun[std::size_t(run)];
    if (m_nAllAtOnceStep && k >= m_nAllAtOnceStep)
        return int64_t(m_merge->Run(run).size());
    return m_baseConsumed[std::size_t(run)] + int64_t(std::upper_bound(pops.begin(), pops.end(), k) - pops.begin());
}

// A pop's comparisons count from its first step, as its output does: one a
// level of its leaf's path.
int64_t MergeAlgorithm::PopComparisonsBy(int64_t k) const
{
    if (m_nAllAtOnceStep && k >= m_nAllAtOnceStep)
        return m_merge->PopComparisons();
    const int64_t made = PopsBy(k) - m_nBasePops;
    return m_nBaseComparisons + (made > 0 ? m_pops[std::size_t(made - 1)].comparisons : 0);
}

int MergeAlgorithm::NextRunAt(int64_t k) const
{
    const int64_t next = PopsBy(k) - m_nBasePops;
    if (PopsBy(k) == m_nTotalPops)
        return -1;
    if (next < int64_t(m_pops.size()))
        return int(m_pops[std::size_t(next)].leaf - m_merge->RunCount());
    return m_nAllAtOnceStep ? -1 : m_merge->WinningRun();
}

int MergeAlgorithm::LastRunBy(int64_t k) const
{
    if (m_nAllAtOnceStep && k >= m_nAllAtOnceStep)
        return m_merge->LastRun();
    const int64_t last = PopsBy(k) - m_nBasePops - 1;
    return last >= 0 ? int(m_pops[std::size_t(last)].leaf - m_merge->RunCount()) : -1;
}

int64_t MergeAlgorithm::EndOfPop(int64_t k) const
{
    if (k <= m_nTournamentSteps)
        return m_nTournamentSteps;
    if (const int64_t p = PopOfStep(k); p >= 0)
        return m_pops[std::size_t(p)].start + PopSteps(m_pops[std::size_t(p)].leaf) - 1;
    // Beyond the pops recorded: the pops the merge makes next, from where
    // the recording stands.
    int64_t start = m_pops.empty() ? m_nTournamentSteps + 1 : m_pops.back().start + PopSteps(m_pops.back().leaf);
    int64_t pops = int64_t(m_pops.size());
    std::size_t seen = 0;
    for (int64_t ahead = 16; !m_nAllAtOnceStep; ahead *= 2) {
        const std::vector<int64_t> leaves = m_merge->NextLeaves(ahead);
        for (std::size_t i = std::exchange(seen, leaves.size()); i < leaves.size(); ++i, ++pops) {
            if (m_nPlayedPops >= 0 && pops >= m_nPlayedPops)
                return m_timeline.StepCount();
            const int64_t end = start + PopSteps(leaves[i]) - 1;
            if (k <= end)
                return end;
            start = end + 1;
        }
        if (int64_t(leaves.size()) < ahead)
            break;
    }
    return m_timeline.StepCount();
}

std::vector<int64_t> MergeAlgorithm::LeavesNotSpent(int64_t k) const
{
    std::vector<int64_t> leaves;
    for (int j = 0; j < m_merge->RunCount(); ++j)
        if (ConsumedBy(j, k) < int64_t(m_merge->Run(j).size()))
            leaves.push_back(m_merge->LeafOfRun(j));
    return leaves;
}

LearnerAction MergeAlgorithm::Action(int64_t k, const NodeStates &before) const
{
    const PracticeQuestion question = Question(k, before);
    return question.Asked() && question.kind == &kPopQuestion ? LearnerAction() : RunAlgorithm::Action(k, before);
}

PracticeQuestion MergeAlgorithm::Question(int64_t k, const NodeStates &before) const
{
    if (k <= m_nTournamentSteps)
        return m_bLoser ? m_loserTournament->Question(k, before) : m_tournament->Question(k, before);
    if (k == m_nAllAtOnceStep || (m_nPlayedPops >= 0 && PopsBy(k - 1) - m_nBasePops >= m_nPlayedPops))
        return {};
    const int64_t p = PopOfStep(k);
    const int64_t local = p < 0 ? 0 : k - m_pops[std::size_t(p)].start;
    if (local == 0) { // before the output: which run it comes from
        const int64_t leaf = p < 0 ? m_merge->LeafOfRun(m_merge->WinningRun()) : m_pops[std::size_t(p)].leaf;
        return {&kPopQuestion, m_bLoser ? 0 : 1, LeavesNotSpent(k - 1), leaf, {}};
    }
    if (local == 1)
        return {};
    const int64_t leaf = m_pops[std::size_t(p)].leaf;
    return m_bLoser ? ClimbOf(leaf).Question(local - 1, before) : PathOf(leaf).Question(local - 1, before);
}

BoxSegment MergeAlgorithm::Boxes(int64_t k) const
{
    if (m_bLoser)
        return {};
    if (k <= m_nTournamentSteps)
        return {&m_tournament->Run(), 0};
    const int64_t p = PopOfStep(k);
    if (p < 0 || k - m_pops[std::size_t(p)].start < 2)
        return {};
    const Pop &pop = m_pops[std::size_t(p)];
    return {&PathOf(pop.leaf).Run(), pop.start + 1};
}

Message MergeAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return {};
    Message said = StepHead();
    if (k <= m_nTournamentSteps)
        return said.Append(m_bLoser ? m_loserTournament->Narration(now, k) : m_tournament->Narration(now, k));
    if (k == m_nAllAtOnceStep)
        return said.Append(Said(ZARNI_COUNTED("MergeAlgorithm", "一次輸出剩下的 %n 個值"))
                               .Count(m_nTotalPops - m_nBasePops - int64_t(m_pops.size())));
    return said.Append(PopNarration(now, PopOfStep(k), k));
}

Message MergeAlgorithm::PopNarration(const NodeStates &now, int64_t p, int64_t k) const
{
    const Pop &pop = m_pops[std::size_t(p)];
    const int64_t local = k - pop.start, run = pop.leaf - m_merge->RunCount() + 1;
    if (local == 0)
        return Said(ZARNI_TEXT("MergeAlgorithm", "輸出 %1，它來自序列 %2"))
            .Value(m_merge->Output()[std::size_t(m_nBasePops + p)])
            .Number(run);
    if (local == 1 && now.Value(pop.leaf) == NodeStates::kLeast)
        return Said(ZARNI_TEXT("MergeAlgorithm", "序列 %1 用完了，葉節點 %2 換上 −∞")).Number(run).Number(pop.leaf);
    if (local == 1)
        return Said(ZARNI_TEXT("MergeAlgorithm", "葉節點 %1 換上序列 %2 的下一個值 %3"))
            .Number(pop.leaf)
            .Number(run)
            .Value(now.Value(pop.leaf));
    if (m_bLoser)
        return ClimbOf(pop.leaf).Narration(now, local - 1, m_timeline.MovesOf(k) > 0);
    return PathOf(pop.leaf).Narration(now, local - 1);
}
