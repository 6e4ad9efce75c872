#include "WinnerMerge.h"

#include "model/WholeNumber.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// One run's words; the run's number and line are filled in by the caller.
WinnerMerge::Problem ParseRun(const char *begin, const char *end, std::vector<int> *run)
{
    using P = WinnerMerge::Problem;
    using E = WinnerMerge::Error;
    for (const char *p = begin;;) {
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return {};
        const char *wordEnd = p;
        while (wordEnd < end && !IsBlank(*wordEnd))
            ++wordEnd;
        const std::string word(p, wordEnd);
        int64_t value = 0;
        switch (ReadWholeNumber(word, -kMaxNodeValue, kMaxNodeValue, &value)) {
        case NumberError::NotANumber: return P{E::NotANumber, 0, 0, word};
        case NumberError::OutOfRange: return P{E::OutOfRange, 0, 0, word};
        case NumberError::None: break;
        }
        if (!run->empty() && value > run->back())
            return P{E::OutOfOrder, 0, 0, word};
        if (run->size() == std::size_t(WinnerMerge::kMaxRunLength))
            return P{E::RunTooLong, 0, 0, std::to_string(run->size() + 1)};
        run->push_back(int(value));
        p = wordEnd;
    }
}

} // namespace

WinnerMerge::Problem WinnerMerge::Parse(const std::string &text, Runs *runs, char separator)
{
    const bool lines = separator == '\n';
    Runs parsed;
    int line = 0;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t stop = text.find(separator, at);
        if (stop == std::string::npos)
            stop = text.size();
        ++line;
        const char *begin = text.data() + at, *end = text.data() + stop;
        at = stop + 1;
        const char *first = std::find_if_not(begin, end, IsBlank);
        if (lines && (first == end || *first == '#'))
            continue;
        std::vector<int> run;
        Problem problem = ParseRun(begin, end, &run);
        if (problem.error == Error::None && run.empty())
            problem.error = Error::EmptyRun;
        if (problem.error != Error::None) {
            problem.line = line;
            problem.run = int(parsed.size()) + 1;
            return problem;
        }
        parsed.push_back(std::move(run));
    }
    if (parsed.size() < std::size_t(kMinRuns))
        return {Error::TooFewRuns, 0, 0, std::to_string(parsed.size())};
    if (parsed.size() > std::size_t(kMaxRuns))
        return {Error::TooManyRuns, 0, 0, std::to_string(parsed.size())};
    *runs = std::move(parsed);
    return {};
}

WinnerMerge::WinnerMerge(std::shared_ptr<const Runs> runs)
    : m_runs(std::move(runs)), m_head(m_runs->size(), 0), m_value(std::size_t(NodeCount()) + 1),
      m_from(std::size_t(NodeCount()) + 1)
{
    for (int j = 0; j < RunCount(); ++j) {
        m_value[std::size_t(LeafOfRun(j))] = HeadOf(j);
        m_from[std::size_t(LeafOfRun(j))] = LeafOfRun(j);
        m_nRemaining += int64_t(Run(j).size());
    }
    m_output.reserve(std::size_t(m_nRemaining));
    for (int64_t node = RunCount() - 1; node >= 1; --node)
        Play(node);
}

int WinnerMerge::HeadOf(int j) const
{
    const std::vector<int> &run = Run(j);
    const int64_t head = m_head[std::size_t(j)];
    return head < int64_t(run.size()) ? run[std::size_t(head)] : TournamentRun::kLeast;
}

void WinnerMerge::Play(int64_t node)
{
    const auto left = std::size_t(2 * node), right = left + 1;
    const std::size_t winner = TournamentRun::LeftWins(m_value[left], m_value[right]) ? left : right;
    m_value[std::size_t(node)] = m_value[winner];
    m_from[std::size_t(node)] = m_from[winner];
}

int WinnerMerge::Mark(int64_t node) const
{
    return node == 1 || m_from[std::size_t(node)] == m_from[std::size_t(node / 2)] ? kMarkHighlighted : kMarkGreyed;
}

int WinnerMerge::Loser(int64_t node) const
{
    const int64_t left = 2 * node;
    return Value(m_from[std::size_t(left)] == m_from[std::size_t(node)] ? left + 1 : left);
}

int64_t WinnerMerge::Pop()
{
    if (Done())
        return 0;
    const int64_t leaf = m_from[1];
    const int j = int(leaf - RunCount());
    m_nLastRun = j;
    m_output.push_back(m_value[1]);
    --m_nRemaining;
    ++m_head[std::size_t(j)];
    m_value[std::size_t(leaf)] = HeadOf(j);
    for (int64_t node = leaf / 2; node >= 1; node /= 2, ++m_nPopComparisons)
        Play(node);
    return leaf;
}

void WinnerMerge::PopUntil(int64_t keep)
{
    while (m_nRemaining > keep && Pop() != 0) {
    }
}

std::vector<int64_t> WinnerMerge::NextLeaves(int64_t count) const
{
    std::vector<int> value = m_value;
    std::vector<int64_t> from = m_from, head = m_head;
    std::vector<int64_t> leaves;
    for (; int64_t(leaves.size()) < count && value[1] != TournamentRun::kLeast;) {
        const int64_t leaf = from[1];
        const auto j = std::size_t(leaf - RunCount());
        leaves.push_back(leaf);
        const std::vector<int> &run = (*m_runs)[j];
        value[std::size_t(leaf)] = ++head[j] < int64_t(run.size()) ? run[std::size_t(head[j])] : TournamentRun::kLeast;
        for (int64_t node = leaf / 2; node >= 1; node /= 2) {
            const auto l = std::size_t(2 * node), r = l + 1;
            const std::size_t winner = TournamentRun::LeftWins(value[l], value[r]) ? l : r;
            value[std::size_t(node)] = value[winner];
            from[std::size_t(node)] = from[winner];
        }
    }
    return leaves;
}
