#include "ReplacementAlgorithm.h"

#include "model/Looks.h"
#include "model/WholeNumber.h"
#include "model/algorithms/tournament/TournamentRun.h"

#include <algorithm>
#include <climits>

namespace {

const char kContext[] = "ReplacementAlgorithm";

Message Said(const char *text)
{
    return Message(kContext, text);
}

Message Line(const char *text)
{
    return Message("Pseudocode", text);
}

// The lines of the listing.
enum ReplacementLine { kFill = 1, kMatch, kLoop, kNext, kWrite, kRead, kUp, kClimb };

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

int MarkOfRun(int run)
{
    return run == 0 ? kMarkPlain : run % 2 ? kMarkFirstGroup : kMarkSecondGroup;
}

int64_t CountThrough(const std::vector<int64_t> &steps, int64_t k)
{
    return std::upper_bound(steps.begin(), steps.end(), k) - steps.begin();
}

} // namespace

int64_t ReplacementRecord::ReadBy(int64_t k) const
{
    return CountThrough(m_readStep, k);
}

int64_t ReplacementRecord::WrittenBy(int64_t k) const
{
    return CountThrough(m_writeStep, k);
}

int ReplacementRecord::RunsBy(int64_t k) const
{
    return int(CountThrough(m_runStep, k));
}

std::vector<std::vector<int>> ReplacementRecord::Runs() const
{
    std::vector<std::vector<int>> runs;
    for (std::size_t j = 0; j < m_runStart.size(); ++j) {
        const int64_t end = j + 1 < m_runStart.size() ? m_runStart[j + 1] : int64_t(m_output.size());
        runs.emplace_back(m_output.begin() + m_runStart[j], m_output.begin() + end);
    }
    return runs;
}

// From where it begins in the output to where the output stands then.
std::pair<int64_t, int64_t> ReplacementRecord::RunWrittenBy(int j, int64_t k) const
{
    const int64_t written = WrittenBy(k);
    const int64_t end = std::size_t(j) + 1 < m_runStart.size() ? m_runStart[std::size_t(j) + 1] : written;
    return {m_runStart[std::size_t(j)], std::min(end, written)};
}

ReplacementAlgorithm::Problem ReplacementAlgorithm::Parse(const std::string &text, std::vector<int> *values)
{
    std::vector<int> parsed;
    int line = 1;
    for (std::size_t at = 0; at < text.size(); ++line) {
        std::size_t stop = text.find('\n', at);
        if (stop == std::string::npos)
            stop = text.size();
        const char *p = text.data() + at, *end = text.data() + stop;
        at = stop + 1;
        while (p < end && IsBlank(*p))
            ++p;
        if (p < end && *p == '#')
            continue;
        while (p < end) {
            const char *wordEnd = std::find_if(p, end, IsBlank);
            const std::string word(p, wordEnd);
            int64_t value = 0;
            switch (ReadWholeNumber(word, -kMaxNodeValue, kMaxNodeValue, &value)) {
            case NumberError::NotANumber: return {Error::NotANumber, line, word};
            case NumberError::OutOfRange: return {Error::OutOfRange, line, word};
            case NumberError::None: break;
            }
            if (parsed.size() == std::size_t(kMaxInput))
                return {Error::TooMany, 0, std::to_string(kMaxInput + 1) + "+"};
            parsed.push_back(int(value));
            p = std::find_if_not(wordEnd, end, IsBlank);
        }
    }
    if (parsed.empty())
        return {Error::NoValues, 0, "0"};
    *values = std::move(parsed);
    return {};
}

// Writes the run on a copy of the tree, keeping beside it each node's run
// (0: empty) and the leaf its record came from.
class ReplacementAlgorithm::Recorder {
public:
    Recorder(ReplacementAlgorithm &algorithm, NodeCopy &copy)
        : m_algorithm(algorithm), m_record(*algorithm.m_record), m_copy(copy),
          m_writer(algorithm.m_timeline, copy), m_run(std::size_t(algorithm.NodeCount()) + 1),
          m_from(m_run.size()), m_winner(m_run.size())
    {
    }

    void Fill()
    {
        const int memory = m_record.Memory();
        for (int j = 0; j < memory && m_nRead < int64_t(m_record.m_input.size()); ++j) {
            const int64_t leaf = memory + j;
            Begin(leaf, kFill);
            m_record.m_readStep.push_back(Step());
            Put(leaf, 1, m_record.m_input[std::size_t(m_nRead++)], leaf);
            m_writer.Count(0, 1);
        }
    }

    // Bottom-up, level by level, each level left to right.
    void Tournament()
    {
        const int64_t count = m_algorithm.NodeCount();
        int depth = 0;
        for (int64_t n = count; n; n >>= 1)
            ++depth;
        const TournamentRun matches(count, depth);
        for (int64_t m = 0; m < matches.MatchCount(); ++m)
            Match(matches.Match(m).node);
        if (m_algorithm.m_bLoser) {
            Begin(1, kMatch);
            Put(0, m_run[m_winner[1]], Value(m_winner[1]), m_from[m_winner[1]]);
            m_writer.Count(0, 1);
        }
    }

    void Cycles()
    {
        const int64_t top = m_algorithm.m_bLoser ? 0 : 1;
        m_record.m_runStep.push_back(0);
        m_record.m_runStart.push_back(0);
        for (int current = 1; m_run[top] != 0; KeepPicture()) {
            if (m_run[top] > current) {
                Begin(Focus(top), kNext);
                m_record.m_runStep.push_back(Step());
                m_record.m_runStart.push_back(int64_t(m_record.m_output.size()));
                ++current;
            }
            const int written = Value(top);
            Begin(Focus(top), kWrite);
            m_record.m_writeStep.push_back(Step());
            m_record.m_output.push_back(written);
            m_writer.SetMark(top, kMarkHighlighted);
            m_writer.Count(0, 1);
            const int64_t leaf = m_from[top];
            Read(leaf, current, written);
            for (int64_t child = leaf; child > 1; child /= 2)
                Climb(child / 2, child % 2 == 0);
        }
    }

    void KeepPicture()
    {
        if (m_algorithm.m_timeline.KeyframeDue(m_algorithm.NodeCount()))
            m_algorithm.m_timeline.AddKeyframe(m_copy);
    }

private:
    int64_t Step() const { return m_algorithm.m_timeline.Recorded(); }
    int Value(int64_t node) const { return m_copy.Value(node); }
    // Node 0 is no place to point at: its step points at the root.
    static int64_t Focus(int64_t node) { return node ? node : 1; }
    void Begin(int64_t focus, int line, DecisionKind decision = DecisionKind::None)
    {
        m_writer.BeginStep(focus, line, decision);
    }

    void Put(int64_t node, int run, int value, int64_t from)
    {
        m_writer.SetValue(node, run ? value : NodeStates::kNoLabel);
        m_writer.SetMark(node, MarkOfRun(run));
        m_run[std::size_t(node)] = run;
        m_from[std::size_t(node)] = from;
    }

    // Whether a's record beats b's, a coming from the left of b.
    bool Beats(int64_t a, int64_t b, bool aFromLeft) const
    {
        const unsigned ra = unsigned(m_run[std::size_t(a)] - 1), rb = unsigned(m_run[std::size_t(b)] - 1); // empty last
        if (ra != rb)
            return ra < rb;
        return aFromLeft ? Value(a) > Value(b) : Value(a) >= Value(b);
    }

    // A match between the winners of the node's subtrees: a winner tree
    // keeps the winner's record at the node, a loser tree the loser's.
    void Match(int64_t node)
    {
        auto winnerOf = [&](int64_t child) { return child >= m_record.Memory() ? child : m_winner[child]; };
        const int64_t left = winnerOf(2 * node), right = winnerOf(2 * node + 1);
        const bool leftWins = Beats(left, right, true);
        const int64_t winner = leftWins ? left : right, kept = m_algorithm.m_bLoser ? (leftWins ? right : left) : winner;
        m_winner[std::size_t(node)] = winner;
        Begin(node, kMatch, DecisionKind::Match);
        m_record.m_matchWinner.emplace_back(Step(), leftWins ? 2 * node : 2 * node + 1);
        Put(node, m_run[kept], Value(kept), m_from[kept]);
        m_writer.Count(1, 1);
    }

    // The next value takes the written record's leaf, in the current run if
    // it is not greater than the value written, else in the next.
    void Read(int64_t leaf, int current, int written)
    {
        const bool more = m_nRead < int64_t(m_record.m_input.size());
        Begin(leaf, kRead);
        const int value = more ? m_record.m_input[std::size_t(m_nRead++)] : 0;
        const int run = more ? (value <= written ? current : current + 1) : 0;
        if (more)
            m_record.m_readStep.push_back(Step());
        Put(leaf, run, value, leaf);
        if (m_algorithm.m_bLoser)
            Put(0, run, value, leaf);
        m_writer.Count(more ? 1 : 0, m_algorithm.m_bLoser ? 2 : 1);
    }

    // In a winner tree the node takes its children's winner; in a loser
    // tree the record node 0 carries up meets the one kept at the node, and
    // the two change places when the kept one wins.
    void Climb(int64_t node, bool risingFromLeft)
    {
        Begin(node, kClimb, DecisionKind::Match);
        if (!m_algorithm.m_bLoser) {
            const int64_t winner = Beats(2 * node, 2 * node + 1, true) ? 2 * node : 2 * node + 1;
            Put(node, m_run[winner], Value(winner), m_from[winner]);
            m_writer.Count(1, 1);
            return;
        }
        if (Beats(0, node, risingFromLeft)) {
            m_writer.Count(1, 0);
            return;
        }
        m_writer.Swap(node, 0);
        std::swap(m_run[std::size_t(node)], m_run[0]);
        std::swap(m_from[std::size_t(node)], m_from[0]);
        m_writer.SetMark(node, MarkOfRun(m_run[std::size_t(node)]));
        m_writer.SetMark(0, MarkOfRun(m_run[0]));
        m_writer.Count(1, 2);
    }

    ReplacementAlgorithm &m_algorithm;
    ReplacementRecord &m_record;
    NodeCopy &m_copy;
    Timeline::Writer m_writer;
    std::vector<int> m_run;
    std::vector<int64_t> m_from;
    std::vector<int64_t> m_winner;
    int64_t m_nRead = 0;
};

ReplacementAlgorithm::ReplacementAlgorithm(int memory, std::vector<int> input, bool loser)
    : m_bLoser(loser), m_record(std::make_shared<ReplacementRecord>())
{
    m_record->m_nMemory = memory;
    m_record->m_input = std::move(input);
    const int64_t n = int64_t(m_record->m_input.size());
    int levels = 1;
    for (int64_t c = NodeCount(); c > 1; c /= 2)
        ++levels;
    m_timeline.Reserve(n * (4 + levels) + 2 * memory, n * (6 + 2 * levels) + 4 * memory);
    m_record->m_readStep.reserve(std::size_t(n));
    m_record->m_writeStep.reserve(std::size_t(n));
    m_record->m_output.reserve(std::size_t(n));
    NodeCopy copy(NodeCount());
    Recorder recorder(*this, copy);
    m_timeline.AddKeyframe(copy);
    recorder.Fill();
    recorder.Tournament();
    recorder.Cycles();
    m_record->m_nSteps = m_timeline.Recorded();
    m_timeline.Trim(); // the room reserved was a guess from above
}

// On a loser tree node 0 holds the winner; on a winner tree node 1.
const Listing &ReplacementAlgorithm::Lines() const
{
    static const Listing lines[2] = {
        {{0, Line(ZARNI_TEXT("Pseudocode", "把前 P 個值依序放進葉節點 P 到 2P − 1，都屬於序列 1"))},
         {0, Line(ZARNI_TEXT("Pseudocode", "比賽：每個內部節點留下勝者（序列小者勝，同序列時值大者勝，空的最後）"))},
         {0, Line(ZARNI_TEXT("Pseudocode", "目前序列 ← 1；當 value(1) 不是空的："))},
         {1, Line(ZARNI_TEXT("Pseudocode", "若勝者屬於下一個序列：目前序列結束，開始下一個序列"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "把勝者的值 w 寫到目前序列"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "對 i ← parent(leaf) 往上直到樹根："))},
         {2, Line(ZARNI_TEXT("Pseudocode", "value(i) ← value(2i) 與 value(2i + 1) 中的勝者"))}},
        {{0, Line(ZARNI_TEXT("Pseudocode", "把前 P 個值依序放進葉節點 P 到 2P − 1，都屬於序列 1"))},
         {0, Line(ZARNI_TEXT("Pseudocode", "比賽：每個內部節點留下敗者，value(0) ← 勝者（序列小者勝，同序列時值大者勝，空的最後）"))},
         {0, Line(ZARNI_TEXT("Pseudocode", "目前序列 ← 1；當 value(0) 不是空的："))},
         {1, Line(ZARNI_TEXT("Pseudocode", "若勝者屬於下一個序列：目前序列結束，開始下一個序列"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "把勝者的值 w 寫到目前序列"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf 與節點 0：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空"))},
         {1, Line(ZARNI_TEXT("Pseudocode", "對 i ← parent(leaf) 往上直到樹根："))},
         {2, Line(ZARNI_TEXT("Pseudocode", "若 value(i) 勝 value(0)：交換 value(i) 與 value(0)"))}}};
    static_assert(kClimb == 8, "a line a place of the listing");
    return lines[m_bLoser ? 1 : 0];
}

const QuestionKind kRunQuestion{
    "run",
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "練習：讀入的值屬於目前的序列 %1 還是下一個序列 %2？按 1 或 2。"))
            .Number(q.choices[0])
            .Number(q.choices[1]);
    },
    [](const PracticeQuestion &q) { return Message("Practice", ZARNI_TEXT("Practice", "不對，它屬於序列 %1。")).Number(q.answer); },
    Message("Practice", ZARNI_TEXT("Practice", "序列")),
    false,
    false};

// A record's value and run: its colour tells the current run's records from
// the next run's.
Message ReplacementAlgorithm::RecordText(const NodeStates &now, int64_t node, int64_t k) const
{
    const int mark = now.Mark(node);
    if (mark != kMarkFirstGroup && mark != kMarkSecondGroup)
        return Said(ZARNI_TEXT("ReplacementAlgorithm", "空"));
    const int current = m_record->RunsBy(k);
    const int run = (current % 2 == 1) == (mark == kMarkFirstGroup) ? current : current + 1;
    return Said(ZARNI_TEXT("ReplacementAlgorithm", "%1（序列 %2）")).Value(now.Value(node)).Number(run);
}

Message ReplacementAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return {};
    const TimelineStep &step = m_timeline.Step(k);
    const int64_t node = step.focus;
    const ReplacementRecord &record = *m_record;
    Message said = StepHead();
    const int run = record.RunsBy(k);
    switch (step.line) {
    case kFill:
        return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "讀入 %1 放進葉節點 %2（序列 1）"))
                               .Number(record.Input()[std::size_t(record.ReadBy(k) - 1)])
                               .Number(node));
    case kNext:
        return said.Append(Said(ZARNI_COUNTED("ReplacementAlgorithm", "序列 %1 結束，共 %n 個值；開始序列 %2"))
                               .Number(run - 1)
                               .Count(record.RunStart(run - 1) - record.RunStart(run - 2))
                               .Number(run));
    case kWrite:
        return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "把 %1 寫到序列 %2"))
                               .Number(record.Output()[std::size_t(record.WrittenBy(k) - 1)])
                               .Number(run));
    case kRead: {
        if (record.ReadBy(k) == record.ReadBy(k - 1))
            return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "輸入已讀完，葉節點 %1 變空")).Number(node));
        const int value = record.Input()[std::size_t(record.ReadBy(k) - 1)];
        const int written = record.Output()[std::size_t(record.WrittenBy(k) - 1)];
        return said.Append((value <= written ? Said(ZARNI_TEXT("ReplacementAlgorithm", "讀入 %1，不大於剛寫出的 %2，屬於目前的序列 %3，放進葉節點 %4"))
                                             : Said(ZARNI_TEXT("ReplacementAlgorithm", "讀入 %1，大於剛寫出的 %2，留給下一個序列 %3，放進葉節點 %4")))
                               .Number(value)
                               .Number(written)
                               .Number(value <= written ? run : run + 1)
                               .Number(node));
    }
    default: break;
    }
    if (step.line == kMatch && m_timeline.ComparisonsOf(k) == 0)
        return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "節點 0 得到勝者 %1")).With(RecordText(now, 0, k)));
    if (!m_bLoser)
        return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "節點 %1：勝者是 %2")).Number(node).With(RecordText(now, node, k)));
    if (step.line == kMatch)
        return said.Append(Said(ZARNI_TEXT("ReplacementAlgorithm", "節點 %1 留下敗者 %2")).Number(node).With(RecordText(now, node, k)));
    Message text = m_timeline.MovesOf(k) > 0 ? Said(ZARNI_TEXT("ReplacementAlgorithm", "節點 %1：留下的 %2 勝 往上的 %3，兩者交換"))
                                             : Said(ZARNI_TEXT("ReplacementAlgorithm", "節點 %1：往上的 %2 勝 留下的 %3"));
    return said.Append(text.Number(node).With(RecordText(now, 0, k)).With(RecordText(now, node, k)));
}

LearnerAction ReplacementAlgorithm::Action(int64_t k, const NodeStates &before) const
{
    if (const PracticeQuestion question = Question(k, before); question.Asked())
        return LearnerAction::Choose(question.answer);
    const TimelineStep &step = m_timeline.Step(k);
    if (step.decision != DecisionKind::Match)
        return {};
    const int64_t node = step.focus;
    if (step.line == kMatch) {
        const auto &winners = m_record->m_matchWinner;
        const auto found = std::lower_bound(winners.begin(), winners.end(), std::make_pair(k, int64_t(0)));
        return LearnerAction::Promote(found->second);
    }
    if (m_bLoser) // the kept record wins when the two change places
        return LearnerAction::Promote(m_timeline.MovesOf(k) > 0 ? node : 0);
    // The node takes its winning child's record; on a tie the right child's.
    int value = before.Value(node), mark = before.Mark(node);
    for (const NodeChange &change : m_timeline.ChangesOf(k)) {
        if (change.Node() == node && change.WhichField() == NodeChange::kValue)
            value = change.to;
        if (change.Node() == node && change.WhichField() == NodeChange::kMark)
            mark = change.to;
    }
    const int64_t right = 2 * node + 1;
    const bool rightWins = before.Value(right) == value && before.Mark(right) == mark;
    return LearnerAction::Promote(rightWins ? right : 2 * node);
}

// Before a step that reads a value after one was written: the run it joins.
PracticeQuestion ReplacementAlgorithm::Question(int64_t k, const NodeStates &) const
{
    const ReplacementRecord &record = *m_record;
    const TimelineStep &step = m_timeline.Step(k);
    if (step.line != kRead || record.ReadBy(k) == record.ReadBy(k - 1))
        return {};
    const int value = record.Input()[std::size_t(record.ReadBy(k - 1))];
    const int written = record.Output()[std::size_t(record.WrittenBy(k) - 1)];
    const int current = record.RunsBy(k);
    return {&kRunQuestion, step.focus, {current, current + 1}, value <= written ? current : current + 1, {}};
}
