#include "TreeModel.h"

#include "Looks.h"
#include "algorithms/Table.h"

#include <algorithm>
#include <cstring>

namespace {

const char kContext[] = "Practice";

// Room to grow kept when the arrays must be enlarged, so that a run adding
// nodes one by one does not move the whole tree each time.
std::size_t WithHeadroom(std::size_t count)
{
    return count + count / 16 + 16;
}

// "a、b、c", the list's words joined as the language joins them.
Message Joined(const std::vector<Message> &items)
{
    Message joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            joined.Append(Message(kContext, ZARNI_TEXT("Practice", "、")));
        joined.Append(items[i]);
    }
    return joined;
}

Message NodeNumber(int64_t node)
{
    return Message(kContext, ZARNI_TEXT("Practice", "%1")).Number(node);
}

bool IsChoice(const PracticeQuestion &question, int64_t choice)
{
    return std::find(question.choices.begin(), question.choices.end(), choice) != question.choices.end();
}

} // namespace

void TreeModel::Attach(Observer *observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void TreeModel::Detach(Observer *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

// An observer told may attach or detach others: each told is still attached.
template <class... Params, class... Args>
void TreeModel::Tell(void (Observer::*news)(Params...), Args... args)
{
    if (m_nQuiet)
        return;
    const std::vector<Observer *> told = m_observers;
    for (Observer *observer : told)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            (observer->*news)(args...);
}

TreeModel::TreeModel() : m_pLastListing(std::make_shared<Listing>())
{
    Resize(0);
    for (const AlgorithmEntry &entry : Algorithms())
        if (entry.makeState)
            m_states.push_back(entry.makeState(*this));
}

TreeModel::~TreeModel() = default;

void TreeModel::Resize(int64_t count)
{
    const auto size = std::size_t(count) + 1;
    if (m_values.capacity() < size || m_values.capacity() > 2 * WithHeadroom(size)) {
        decltype(m_values) values;
        decltype(m_marks) marks;
        values.reserve(WithHeadroom(size));
        marks.reserve(WithHeadroom(size));
        values.assign(m_values.begin(), m_values.begin() + std::ptrdiff_t(std::min(size, m_values.size())));
        marks.assign(m_marks.begin(), m_marks.begin() + std::ptrdiff_t(std::min(size, m_marks.size())));
        m_values.swap(values);
        m_marks.swap(marks);
    }
    m_values.resize(size, kNoLabel);
    m_marks.resize(size, 0);
    m_nCount = count;
}

// A node goes on the list the first time it is marked and stays there until
// the marks are cleared, so that a run stepped back and forth lists each
// node once.
void TreeModel::SetMark(int64_t node, int mark)
{
    int8_t &slot = m_marks[std::size_t(node)];
    const bool listed = slot & kListed;
    slot = int8_t((mark & kMarkBits) | (listed ? kListed : 0));
    if (mark != kMarkPlain && !listed) {
        slot |= kListed;
        m_marked.push_back(node);
    }
}

void TreeModel::SetCount(int64_t count)
{
    const int64_t from = m_nCount;
    if (count == from)
        return;
    Resize(count);
    Tell(&Observer::CountChanged, from, count);
}

// A long seek writes millions of changes: straight into the arrays, each
// node fetched a few changes ahead of its write.
void TreeModel::Write(const NodeChange *first, const NodeChange *last, bool forward)
{
    const std::ptrdiff_t count = last - first, ahead = 16;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        if (i + ahead < count) {
            const int64_t next = (forward ? first[i + ahead] : last[-1 - i - ahead]).Node();
            if (next <= m_nCount)
                __builtin_prefetch(&m_values[std::size_t(next)], 1);
        }
        const NodeChange &c = forward ? first[i] : last[-1 - i];
        const int value = forward ? c.to : c.from;
        switch (c.WhichField()) {
        case NodeChange::kValue: m_values[std::size_t(c.Node())] = value; break;
        case NodeChange::kMark: SetMark(c.Node(), value); break;
        case NodeChange::kSwap: std::swap(m_values[std::size_t(c.Node())], m_values[std::size_t(c.from)]); break;
        case NodeChange::kCount: SetCount(value); break;
        }
    }
}

void TreeModel::WriteAll(const std::vector<int> &values, const std::vector<int8_t> &marks)
{
    SetCount(int64_t(values.size()) - 1);
    std::copy(values.begin(), values.end(), m_values.begin());
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (Mark(int64_t(i)) != marks[i])
            SetMark(int64_t(i), marks[i]);
}

void TreeModel::NewTree(int64_t count)
{
    EndRun();
    Forget(nullptr);
    m_marked.clear();
    m_values.clear();
    m_marks.clear();
    Resize(count);
    Tell(&Observer::TreeReplaced);
    Tell(&Observer::RunChanged); // the panels forget what the old tree held
}

void TreeModel::NewValues(const AlgorithmState *taker)
{
    TakeTree(taker);
    ClearMarks();
    m_values[0] = kNoLabel;
}

void TreeModel::TakeTree(const AlgorithmState *taker)
{
    EndRun();
    Forget(taker);
}

void TreeModel::EditValue(int64_t node, int value, const AlgorithmState *editor)
{
    EndRun();
    for (const auto &state : m_states)
        if (state.get() != editor)
            state->ValueEdited();
    m_values[std::size_t(node)] = value;
    ValuesChanged();
}

TreeModel::RunState TreeModel::State() const
{
    if (m_bPlaying)
        return RunState::Playing;
    if (!m_pRun)
        return RunState::Idle;
    return AtEnd() ? RunState::Done : RunState::Paused;
}

void TreeModel::Forget(const AlgorithmState *taker)
{
    for (const auto &state : m_states)
        if (state.get() != taker)
            state->TreeTaken();
}

// Only the nodes known to be marked are visited.
void TreeModel::ClearMarks()
{
    for (const int64_t node : m_marked)
        if (node <= m_nCount) // a run may have dropped it
            m_marks[std::size_t(node)] = 0;
    m_marks[0] = 0;
    m_marked.clear();
}

void TreeModel::ValuesChanged()
{
    Tell(&Observer::TreeChanged);
}

bool TreeModel::AnyMarkIn(int64_t first, int64_t end) const
{
    first = std::max<int64_t>(first, 1);
    end = std::min<int64_t>(end, m_nCount + 1);
    const int8_t *p = m_marks.data() + first, *stop = m_marks.data() + std::max(first, end);
    for (; p < stop && (reinterpret_cast<uintptr_t>(p) & 7); ++p)
        if (*p)
            return true;
    for (; p + 8 <= stop; p += 8) {
        uint64_t eight;
        std::memcpy(&eight, p, 8);
        if (eight)
            return true;
    }
    for (; p < stop; ++p)
        if (*p)
            return true;
    return false;
}

int64_t TreeModel::SelectedNode() const
{
    int64_t selected = 0;
    for (const int64_t node : m_marked) {
        if (node == 0 || node > m_nCount || Mark(node) != kMarkHighlighted)
            continue;
        if (selected)
            return 0;
        selected = node;
    }
    return selected;
}

bool TreeModel::NodeZeroShown() const
{
    if (!m_bNodeZero)
        return false;
    for (const auto &state : m_states)
        if (state->HoldsOwnShape())
            return false;
    return true;
}

void TreeModel::ShowNodeZero(bool shown)
{
    m_bNodeZero = shown;
    m_values[0] = kNoLabel;
    SetMark(0, kMarkPlain);
    Tell(&Observer::TreeChanged);
}

void TreeModel::Load(std::unique_ptr<RunAlgorithm> run)
{
    if (m_pRun)
        EndRun();
    m_pRun = std::move(run);
    if (m_pRun) {
        for (const auto &state : m_states)
            state->RunLoaded();
        KeepListing(*m_pRun);
    }
    Tell(&Observer::RunChanged);
}

void TreeModel::KeepListing(const RunAlgorithm &run)
{
    m_lastName = run.Name();
    m_pLastListing = std::make_shared<Listing>(run.Lines()); // its kind and its direction of comparison
}

// The tree stays as the run left it; every algorithm keeps what the run
// made of it.
void TreeModel::EndRun()
{
    m_practice.reveal = {};
    EndQuestion();
    if (!m_pRun)
        return;
    for (const auto &state : m_states)
        state->RunEnding();
    m_pRun.reset();
    m_bPlaying = false;
    Tell(&Observer::RunChanged);
}

bool TreeModel::StepForward()
{
    if (!m_pRun || AtEnd() || AskBefore(Shown() + 1))
        return false;
    m_pRun->SeekTo(Shown() + 1, *this);
    Tell(&Observer::StepPlayed, Shown());
    return true;
}

void TreeModel::StepBack()
{
    if (Shown() > 0)
        SeekTo(Shown() - 1);
}

void TreeModel::SeekTo(int64_t k)
{
    if (!m_pRun)
        return;
    const int64_t from = Shown();
    k = std::clamp<int64_t>(k, 0, StepCount());
    m_pRun->SeekTo(k, *this);
    EndQuestion();
    if (k == 0)
        m_practice.passed = -1; // from the start, every question again
    Tell(&Observer::Sought, from, k);
}

std::vector<int> TreeModel::ValuesBeforeRun() const
{
    NodeCopy copy(*this, m_nCount);
    if (m_pRun && Shown() > 0)
        copy.Write(m_pRun->Steps().ChangesOf(1).first, m_pRun->Steps().ChangesOf(Shown()).last, false);
    return copy.Values();
}

int TreeModel::Line() const
{
    return m_pRun ? m_pRun->Steps().Step(Shown()).line : 0;
}

Message TreeModel::Narration() const
{
    return m_pRun ? m_pRun->Narration(*this) : Message();
}

Message TreeModel::ShownNarration() const
{
    if (const PracticeQuestion *question = Question())
        return question->kind->ask(*question);
    const auto &reveal = m_practice.reveal;
    if (!reveal.text.Empty() && reveal.run == Run() && reveal.step == Shown())
        return Message(reveal.text).Append(Narration());
    if (!m_pRun)
        for (const auto &state : m_states)
            if (Message said = state->PaneText(); !said.Empty())
                return said;
    return Narration();
}

int64_t TreeModel::Revealed() const
{
    if (m_practice.revealed || m_pRun)
        return m_practice.revealed;
    for (const auto &state : m_states)
        if (const int64_t node = state->Outlined())
            return node;
    return 0;
}

void TreeModel::LearnerActed()
{
    ValuesChanged();
    Tell(&Observer::QuestionChanged);
}

bool TreeModel::StepStartsRun() const
{
    return !m_pRun && std::none_of(m_states.begin(), m_states.end(), [](const auto &s) { return s->HoldsTree(); });
}

std::unique_ptr<RunAlgorithm> TreeModel::DefaultRun() const
{
    for (const auto &state : m_states)
        if (auto run = state->DefaultRun())
            return run;
    return nullptr;
}

void TreeModel::AlgorithmChanged()
{
    Tell(&Observer::RunChanged);
}

void TreeModel::SetPractising(bool on)
{
    if (on == m_practice.on)
        return;
    m_practice.on = on;
    EndQuestion();
    Tell(&Observer::QuestionChanged);
    // A run that stands before a step that decides asks it at once, as if
    // it had been played to there with practice on.
    if (on && m_pRun && !m_bPlaying && !AtEnd())
        AskBefore(Shown() + 1);
}

const PracticeQuestion *TreeModel::Question() const
{
    const bool asked = m_practice.question.Asked() && m_practice.run == Run();
    return asked ? &m_practice.question : nullptr;
}

// Before each step played forward: a step that decides something waits for
// the answer, unless it has just been answered.
bool TreeModel::AskBefore(int64_t step)
{
    if (!m_practice.on || step == m_practice.passed)
        return false;
    if (Question() && m_practice.step == step)
        return true; // still waiting
    if (m_practice.run != Run()) {
        m_practice.run = Run();
        m_practice.runAsked = m_practice.runWrong = 0;
        m_practice.missed.clear();
    }
    PracticeQuestion question = m_pRun->Question(step, *this);
    if (!question.Asked())
        return false;
    m_practice.question = std::move(question);
    m_practice.step = step;
    m_practice.cursor = 0;
    m_practice.reveal = {};
    m_practice.revealed = 0;
    Tell(&Observer::QuestionChanged);
    return true;
}

void TreeModel::EndQuestion()
{
    if (!m_practice.question.Asked())
        return;
    m_practice.question = {};
    m_practice.revealed = 0;
    Tell(&Observer::QuestionChanged);
}

TreeModel::AnswerResult TreeModel::Answer(int64_t choice)
{
    const PracticeQuestion *question = Question();
    if (!question)
        return AnswerResult::NoQuestion;
    if (!IsChoice(*question, choice))
        return AnswerResult::NotAChoice;
    const bool right = choice == question->answer;
    m_practice.passed = m_practice.step;
    ++m_practice.score.asked; // a question counts once answered
    ++m_practice.runAsked;
    if (right) {
        ++m_practice.score.right;
        EndQuestion();
        return AnswerResult::Right;
    }
    ++m_practice.score.wrong;
    ++m_practice.runWrong;
    const QuestionKind &kind = *question->kind;
    if (std::find(m_practice.missed.begin(), m_practice.missed.end(), kind.missed) == m_practice.missed.end())
        m_practice.missed.push_back(kind.missed);
    Message reveal = kind.reveal(*question);
    // The right box is outlined; "none" and a number are said, with the
    // node asked about outlined.
    const int64_t revealed = kind.choicesAreNodes && question->answer != 0 ? question->answer : question->node;
    EndQuestion();
    StepForward();
    m_practice.revealed = revealed;
    m_practice.reveal = {std::move(reveal), Run(), Shown()};
    Tell(&Observer::QuestionChanged);
    return AnswerResult::Wrong;
}

Message TreeModel::Hint() const
{
    const PracticeQuestion *question = Question();
    if (!question)
        return {};
    std::vector<Message> nodes;
    for (const int64_t choice : question->choices)
        if (question->kind->choicesAreNodes && choice != 0)
            nodes.push_back(NodeNumber(choice));
    const Timeline &steps = m_pRun->Steps();
    const int line = steps.Recorded() >= m_practice.step ? steps.Step(m_practice.step).line : 0;
    Message hint = Message(kContext, ZARNI_TEXT("Practice", "提示：比較的是節點 %1 與 %2。"))
                       .Number(question->node)
                       .With(nodes.empty() ? Message(kContext, ZARNI_TEXT("Practice", "剛寫出的值")) : Joined(nodes));
    if (line)
        hint.Append(Message(kContext, ZARNI_TEXT("Practice", "看虛擬碼第 %1 行。")).Number(line));
    return hint;
}

Message TreeModel::Summary() const
{
    if (!m_practice.on || !m_pRun || !AtEnd() || m_practice.run != Run() || m_practice.runAsked == 0)
        return {};
    Message text = Message(kContext, ZARNI_COUNTED("Practice", "練習結束：這次問了 %n 題，錯了 %1 題。"))
                       .Count(m_practice.runAsked)
                       .Number(m_practice.runWrong);
    if (!m_practice.missed.empty())
        text.Append(Message(kContext, ZARNI_TEXT("Practice", "錯在：%1。")).With(Joined(m_practice.missed)));
    return text;
}

int64_t TreeModel::Pointed() const
{
    const PracticeQuestion *question = Question();
    return question ? question->choices[std::size_t(m_practice.cursor)] : 0;
}

void TreeModel::MovePointer(int step)
{
    const PracticeQuestion *question = Question();
    if (!question)
        return;
    const int count = int(question->choices.size());
    m_practice.cursor = ((m_practice.cursor + step) % count + count) % count;
}
