#include "Exercise.h"

#include "model/TreeGeometry.h"
#include "model/algorithms/Values.h"

#include <algorithm>

namespace {

const char kContext[] = "Exercise";

Message Said(const char *text)
{
    return Message(kContext, text);
}

Message KindName(LearnerAction::Kind kind)
{
    const int which = kind == LearnerAction::Kind::Swap ? 0 : kind == LearnerAction::Kind::Promote ? 1 : 2;
    return ExerciseSays().kinds[which];
}

// A match between a node's two children (not a loser tree's climb).
bool IsMatch(const Exercise::Unit &unit)
{
    return unit.action.kind == LearnerAction::Kind::Promote && unit.action.a >= 2 && unit.action.a / 2 == unit.focus;
}

bool IsParentSwap(const LearnerAction &action)
{
    return action.kind == LearnerAction::Kind::Swap && action.b / 2 == action.a;
}

} // namespace

Message ReadExerciseValues(const std::vector<std::string> &words, std::size_t low, std::size_t high,
                           std::vector<int> *values)
{
    if (words.size() < low || words.size() > high)
        return Message("CProblemText", ZARNI_TEXT("CProblemText", "這個題目要 %1 到 %2 個值，不是 %3 個。"))
            .Number(int64_t(low))
            .Number(int64_t(high))
            .Number(int64_t(words.size()));
    return ReadEachValue(words, values);
}

std::vector<std::string> ExerciseWords(const std::vector<int> &values)
{
    std::vector<std::string> words;
    for (const int value : values)
        words.push_back(std::to_string(value));
    return words;
}

const ExerciseTexts &ExerciseSays()
{
    static const ExerciseTexts texts{
        {Said(ZARNI_TEXT("Exercise", "交換")), Said(ZARNI_TEXT("Exercise", "比賽")), Said(ZARNI_TEXT("Exercise", "序列"))},
        Said(ZARNI_TEXT("Exercise", "不對：現在該交換兩個節點的值。")),
        Said(ZARNI_TEXT("Exercise", "不對：現在該讓一場比賽的勝者往上。")),
        Said(ZARNI_TEXT("Exercise", "不對：現在該決定讀入的值屬於哪個序列（按 1 或 2）。")),
        Said(ZARNI_TEXT("Exercise", "不對：現在不該交換節點 %1 與 %2。")),
        Said(ZARNI_TEXT("Exercise", "不對：讀入的值不屬於序列 %1。")),
        Said(ZARNI_TEXT("Exercise", "不對：節點 %1 的比賽還輪不到，先比外框標出的比賽。")),
        Said(ZARNI_TEXT("Exercise", "不對：節點 %1 的比賽，勝的是另一邊。")),
        Said(ZARNI_TEXT("Exercise", "兩邊相等時，右邊的勝。")),
        Said(ZARNI_TEXT("Exercise", "錯了三次，程式替你做了這一步。")),
        Said(ZARNI_TEXT("Exercise", "題目：對 %1/%2")),
        Said(ZARNI_TEXT("Exercise", "題目結束：看了解答。")),
        Said(ZARNI_TEXT("Exercise", "題目結束：%1 個動作，第一次就做對 %2 個，錯了 %3 次，程式代做 %4 個；得分 %5。")),
        Said(ZARNI_TEXT("Exercise", "錯在：%1")),
        Said(ZARNI_TEXT("Exercise", "、%1")),
        Said(ZARNI_TEXT("Exercise", "題目「%1」：")),
        Said(ZARNI_TEXT("Exercise", "點兩個節點（或把一個值拖到另一個上），交換它們的值。")),
        Said(ZARNI_TEXT("Exercise", "點每場比賽勝的子節點；讀入的值，按 1 或 2 選它的序列。")),
        Said(ZARNI_TEXT("Exercise", "點每場比賽勝的子節點，讓它往上。"))};
    return texts;
}

// SplitMix64: the same numbers from a seed on every machine.
uint64_t ExerciseRandom::Next()
{
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int ExerciseRandom::Between(int low, int high)
{
    return low + int(Next() % uint64_t(int64_t(high) - low + 1));
}

Exercise::Exercise(std::string name, int64_t size, Mode mode, std::unique_ptr<RunAlgorithm> answer, int64_t last,
                   NodeStates &tree)
    : m_name(std::move(name)), m_nSize(size), m_mode(mode), m_pAnswer(std::move(answer)), m_nLast(last),
      m_tree(tree), m_start(tree, tree.Count()), m_answerTree(tree, tree.Count())
{
    int64_t lead = m_nLast;
    for (int64_t k = 1; k <= m_nLast; ++k) {
        m_pAnswer->SeekTo(k, m_answerTree); // recorded, then read from the tree before it
        m_pAnswer->SeekTo(k - 1, m_answerTree);
        LearnerAction action = m_pAnswer->Action(k, m_answerTree);
        const PracticeQuestion question = m_pAnswer->Question(k, m_answerTree);
        const int64_t focus = question.Asked() ? question.node : m_pAnswer->Steps().Step(k).focus;
        const bool winnerRises = WritesWinner(k, action, focus);
        m_pAnswer->SeekTo(k, m_answerTree);
        if (action.kind == LearnerAction::Kind::None)
            continue;
        (m_units.empty() ? lead : m_units.back().last) = k - 1;
        const int64_t run = action.kind == LearnerAction::Kind::Choose ? question.choices.front() : 0;
        if (run)
            action.a += 1 - run;
        m_units.push_back({action, k, m_nLast, focus, 0, 0, run, winnerRises});
    }
    GroupUnits();
    m_done.assign(m_units.size(), false);
    m_counts.actions = int64_t(m_units.size());
    Apply(1, lead);
    m_finished = m_units.empty();
}

// A swap from where the last one left its value carries on that sift-down;
// any other swap of a parent and its child starts one.
void Exercise::GroupUnits()
{
    for (std::size_t u = 0; u < m_units.size(); ++u) {
        Unit &unit = m_units[u];
        const LearnerAction &action = unit.action;
        if (IsMatch(unit)) {
            unit.stage = TreeGeometry::LevelOf(unit.focus);
            unit.task = unit.focus;
        } else if (IsParentSwap(action)) {
            const Unit *before = u ? &m_units[u - 1] : nullptr;
            const bool carriesOn = before && IsParentSwap(before->action) && before->action.b == action.a;
            unit.task = carriesOn ? before->task : action.a;
            unit.stage = -TreeGeometry::LevelOf(unit.task);
        }
    }
}

// The nodes the steps of a unit change.
std::vector<int64_t> Exercise::Touched(const Unit &unit) const
{
    std::vector<int64_t> nodes;
    for (int64_t k = unit.first; k <= unit.last; ++k)
        for (const NodeChange &change : m_pAnswer->Steps().ChangesOf(k)) {
            nodes.push_back(change.Node());
            if (change.WhichField() == NodeChange::kSwap)
                nodes.push_back(change.from);
        }
    return nodes;
}

// The unit due next and the others of its stage due with it: the next unit
// of each task, where it changes no node an earlier unit not done changes.
std::vector<int> Exercise::DueUnits() const
{
    if (m_nNext >= m_units.size())
        return {};
    std::vector<int> due{int(m_nNext)};
    const Unit &head = m_units[m_nNext];
    if (!head.stage)
        return due;
    std::vector<int64_t> tasks{head.task}, touched = Touched(head);
    for (std::size_t u = m_nNext + 1; u < m_units.size(); ++u) {
        const Unit &unit = m_units[u];
        if (m_done[u])
            continue;
        if (unit.stage != head.stage)
            break;
        const std::vector<int64_t> nodes = Touched(unit);
        const bool apart = std::none_of(nodes.begin(), nodes.end(), [&](int64_t node) {
            return std::find(touched.begin(), touched.end(), node) != touched.end();
        });
        touched.insert(touched.end(), nodes.begin(), nodes.end());
        if (std::find(tasks.begin(), tasks.end(), unit.task) != tasks.end())
            continue; // its task's earlier unit comes first
        if (!apart)
            break;
        tasks.push_back(unit.task);
        due.push_back(int(u));
    }
    return due;
}

std::vector<NodeChange> Exercise::Apply(int64_t first, int64_t last)
{
    std::vector<NodeChange> changes;
    for (int64_t k = first; k <= last; ++k)
        for (const NodeChange &change : m_pAnswer->Steps().ChangesOf(k))
            changes.push_back(change);
    m_tree.Write(changes.data(), changes.data() + changes.size(), true);
    return changes;
}

// Whether step k, a match's, writes the value of the child that wins it at
// the match's node, as it stands before the step.
bool Exercise::WritesWinner(int64_t k, const LearnerAction &action, int64_t focus) const
{
    if (action.kind != LearnerAction::Kind::Promote || action.a < 2 || action.a / 2 != focus)
        return false;
    for (const NodeChange &change : m_pAnswer->Steps().ChangesOf(k))
        if (change.Node() == focus && change.WhichField() == NodeChange::kValue)
            return change.to == m_answerTree.Value(action.a);
    return false;
}

bool Exercise::WinnerRisesAt(int64_t parent) const
{
    return std::any_of(m_units.begin(), m_units.end(),
                       [parent](const Unit &unit) { return unit.focus == parent && unit.winnerRises; });
}

// An action off the model answer, as the learner meant it where the tree
// shows it: a swap, or a winner's value written at its parent in a winner
// tree. A loser tree's node keeps a loser that came up from below and is
// not on the tree, so what the learner meant is not drawn there.
std::vector<NodeChange> Exercise::OffAnswer(const LearnerAction &action)
{
    std::vector<NodeChange> changes;
    if (action.kind == LearnerAction::Kind::Swap)
        changes.push_back({uint32_t(action.a) << 2 | NodeChange::kSwap, int32_t(action.b), 0});
    if (action.kind == LearnerAction::Kind::Promote && action.a >= 2 && WinnerRisesAt(action.a / 2))
        changes.push_back({uint32_t(action.a / 2) << 2 | NodeChange::kValue, m_tree.Value(action.a / 2),
                           m_tree.Value(action.a)});
    m_tree.Write(changes.data(), changes.data() + changes.size(), true);
    return changes;
}

void Exercise::Done(int unit)
{
    m_done[std::size_t(unit)] = true;
    while (m_nNext < m_units.size() && m_done[m_nNext])
        ++m_nNext;
    if (m_mode == Mode::Continuous && m_nNext == m_units.size())
        m_finished = true;
}

// Graded at the end: the tree is the model answer's as far as it goes, for
// every action so far was the model's or changed nothing.
bool Exercise::InStep() const
{
    return std::all_of(m_history.begin(), m_history.end(),
                       [](const Made &made) { return made.unit >= 0 || made.changes.empty(); });
}

bool Exercise::Valid(const LearnerAction &action) const
{
    switch (action.kind) {
    case LearnerAction::Kind::Swap: return action.a >= 1 && action.a < action.b && action.b <= m_tree.Count();
    case LearnerAction::Kind::Promote: return action.a >= 0 && action.a <= m_tree.Count();
    case LearnerAction::Kind::Choose: return action.a == 1 || action.a == 2;
    default: return false;
    }
}

Exercise::Result Exercise::Act(const LearnerAction &action)
{
    if (m_finished)
        return Result::Over;
    if (!Valid(action))
        return Result::NotAnAction;
    m_log.push_back(action);
    m_told = {};
    m_nRevealed = 0;
    const std::vector<int> due = DueUnits();
    const auto found = std::find_if(due.begin(), due.end(), [&](int u) { return m_units[std::size_t(u)].action == action; });
    const int match = found == due.end() ? -1 : *found;
    if (m_mode == Mode::End) {
        if (match >= 0 && InStep()) {
            m_history.push_back({match, Apply(m_units[std::size_t(match)].first, m_units[std::size_t(match)].last)});
            Done(match);
        } else {
            m_history.push_back({-1, OffAnswer(action)});
        }
        return Result::Applied;
    }
    if (match >= 0) {
        Apply(m_units[std::size_t(match)].first, m_units[std::size_t(match)].last);
        Done(match);
        ++m_counts.right;
        m_counts.firstTry += m_nStreak == 0;
        m_nStreak = 0;
        return Result::Right;
    }
    const Unit &head = m_units[std::size_t(due.front())];
    ++m_counts.wrong;
    const Message kind = KindName(head.action.kind);
    if (std::find(m_missed.begin(), m_missed.end(), kind) == m_missed.end())
        m_missed.push_back(kind);
    m_told = Reason(action, head);
    m_nRevealed = head.focus;
    if (++m_nStreak < 3)
        return Result::Wrong;
    Apply(head.first, head.last);
    Done(due.front());
    ++m_counts.shown;
    m_nStreak = 0;
    m_told.Append(ExerciseSays().threeWrong);
    return Result::Shown;
}

// Why the action is not the one due, without giving the answer away.
Message Exercise::Reason(const LearnerAction &action, const Unit &due) const
{
    const ExerciseTexts &says = ExerciseSays();
    if (action.kind != due.action.kind) {
        switch (due.action.kind) {
        case LearnerAction::Kind::Swap: return says.swapDue;
        case LearnerAction::Kind::Promote: return says.promoteDue;
        default: return says.chooseDue;
        }
    }
    if (action.kind == LearnerAction::Kind::Swap)
        return Message(says.noSwap).Number(action.a).Number(action.b);
    if (action.kind == LearnerAction::Kind::Choose)
        return Message(says.notInRun).Number(due.run + action.a - 1);
    const bool sameMatch = IsMatch(due) ? action.a / 2 == due.focus : action.a == due.focus || action.a == 0;
    if (!sameMatch)
        return Message(says.notYet).Number(action.a / 2);
    Message told = Message(says.otherSide).Number(due.focus);
    if (IsMatch(due) && m_tree.Value(2 * due.focus) == m_tree.Value(2 * due.focus + 1))
        told.Append(says.tie);
    return told;
}

bool Exercise::Undo()
{
    if (!CanUndo())
        return false;
    Made made = std::move(m_history.back());
    m_history.pop_back();
    m_log.push_back({});
    m_tree.Write(made.changes.data(), made.changes.data() + made.changes.size(), false);
    if (made.unit >= 0) {
        m_done[std::size_t(made.unit)] = false;
        m_nNext = std::min(m_nNext, std::size_t(made.unit));
    }
    return true;
}

void Exercise::Grade()
{
    if (m_finished)
        return;
    m_bHandedIn = true;
    if (m_mode == Mode::End) {
        const auto off = std::find_if(m_history.begin(), m_history.end(), [](const Made &made) { return made.unit < 0; });
        m_counts.right = m_counts.firstTry = off - m_history.begin();
        m_counts.wrong = int64_t(m_history.size()) - m_counts.right;
        if (m_counts.wrong)
            m_missed.push_back(KindName(m_units[std::min(m_nNext, m_units.size() - 1)].action.kind));
    }
    m_finished = true;
}

std::unique_ptr<RunAlgorithm> Exercise::Solution()
{
    m_tree.WriteAll(m_start.Values(), m_start.Marks());
    m_finished = m_bSolution = true;
    m_history.clear();
    m_told = {};
    m_nRevealed = 0;
    m_pAnswer->SeekTo(0, m_answerTree);
    return std::move(m_pAnswer);
}

Message Exercise::Progress() const
{
    return Message(ExerciseSays().progress).Number(m_counts.right).Number(m_counts.actions);
}

Message Exercise::Summary() const
{
    const ExerciseTexts &says = ExerciseSays();
    if (m_bSolution)
        return says.solutionShown;
    Message text = Message(says.summary)
                       .Number(m_counts.actions)
                       .Number(m_counts.firstTry)
                       .Number(m_counts.wrong)
                       .Number(m_counts.shown)
                       .Number(m_counts.Score());
    for (std::size_t i = 0; i < m_missed.size(); ++i)
        text.Append(Message(i == 0 ? says.missedFirst : says.missedNext).With(m_missed[i]));
    return text;
}
