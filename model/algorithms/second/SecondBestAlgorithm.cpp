#include "SecondBestAlgorithm.h"

#include "model/Looks.h"

namespace {

const char kContext[] = "SecondBestAlgorithm";

Message Said(const char *text)
{
    return Message(kContext, text);
}

enum SecondLine { kCandidate = 1, kFirst, kCompare, kFound };

} // namespace

SecondBestAlgorithm::SecondBestAlgorithm(std::vector<int64_t> candidates, int64_t tournamentComparisons,
                                         const NodeStates &tree)
    : m_candidates(std::move(candidates)), m_nTournament(tournamentComparisons)
{
    NodeCopy copy(tree, tree.Count());
    Timeline::Writer writer(m_timeline, copy);
    m_timeline.AddKeyframe(copy);
    for (std::size_t j = 0; j < m_candidates.size(); ++j) {
        writer.BeginStep(m_candidates[j], kCandidate);
        writer.SetMark(m_candidates[j], kMarkHeld);
        writer.Count(j == 0 ? m_nTournament : 0, 0);
    }
    m_best.push_back(m_candidates.front());
    for (std::size_t j = 1; j < m_candidates.size(); ++j) {
        writer.BeginStep(m_candidates[j], kCompare);
        writer.Count(1, 0);
        const bool greater = copy.Value(m_candidates[j]) > copy.Value(m_best.back());
        m_best.push_back(greater ? m_candidates[j] : m_best.back());
    }
    writer.BeginStep(m_best.back(), kFound);
    writer.SetMark(m_best.back(), kMarkSettled);
}

const Listing &SecondBestAlgorithm::Lines() const
{
    static const Listing lines{
        {0, Message("Pseudocode", ZARNI_TEXT("Pseudocode", "對冠軍從葉節點往上經過的每個節點 v：候選 ← v 的兄弟（冠軍在那裡勝過它）"))},
        {0, Message("Pseudocode", ZARNI_TEXT("Pseudocode", "second ← 最下面的候選"))},
        {0, Message("Pseudocode", ZARNI_TEXT("Pseudocode", "對其餘每個候選 c，由下往上：若 value(c) > value(second)：second ← c"))},
        {0, Message("Pseudocode", ZARNI_TEXT("Pseudocode", "第二名 ← value(second)"))}};
    static_assert(kFound == 4, "a line a place of the listing");
    return lines;
}

Message SecondBestAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown(), m = int64_t(m_candidates.size());
    if (k == 0)
        return {};
    Message said = StepHead();
    if (k <= m) {
        const int64_t c = m_candidates[std::size_t(k - 1)];
        if (k == 1)
            said.Append(Said(ZARNI_COUNTED("SecondBestAlgorithm", "比賽比了 %n 次；")).Count(m_nTournament));
        return said.Append(Said(ZARNI_TEXT("SecondBestAlgorithm", "節點 %1 (%2) 在節點 %3 輸給冠軍 %4，是第二名的候選"))
                               .Number(c)
                               .Value(now.Value(c))
                               .Number(c / 2)
                               .Value(now.Value(1)));
    }
    if (k < 2 * m) {
        const std::size_t j = std::size_t(k - m);
        const int64_t c = m_candidates[j], before = m_best[j - 1];
        const char *text = m_best[j] == c ? ZARNI_TEXT("SecondBestAlgorithm", "節點 %1 (%2) 大於目前的候選節點 %3 (%4)，換成它")
                                          : ZARNI_TEXT("SecondBestAlgorithm", "節點 %1 (%2) 沒有大於目前的候選節點 %3 (%4)");
        return said.Append(Said(text).Number(c).Value(now.Value(c)).Number(before).Value(now.Value(before)));
    }
    return said.Append(Said(ZARNI_COUNTED("SecondBestAlgorithm", "第二名是節點 %1 的 %2；共比較 %n 次"))
                           .Number(Found())
                           .Value(now.Value(Found()))
                           .Count(m_timeline.Comparisons()));
}
