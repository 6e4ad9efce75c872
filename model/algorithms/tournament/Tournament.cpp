#include "Tournament.h"
#include "model/algorithms/CommandIds.h"
#include "TournamentExercises.h"

#include "LoserAlgorithm.h"
#include "TournamentAlgorithm.h"
#include "model/TreeGeometry.h"
#include "model/algorithms/Values.h"

#include <climits>

namespace {

const char kMenu[] = "Winner Tree";
const char kCommands[] = "CMainFrame";
const char kPrompts[] = "Strings";

int Depth(int64_t count)
{
    return TreeGeometry::LevelOf(count);
}

bool IsOwnRun(const RunAlgorithm *run)
{
    return dynamic_cast<const TournamentAlgorithm *>(run) || dynamic_cast<const LoserAlgorithm *>(run);
}

TournamentState &State(TreeModel &model)
{
    return model.Find<TournamentState>();
}

// How many of the tournament's matches have written their node's value, in
// the order it plays them (a run ended part-way leaves those it played),
// and the first step of the last of them; -1 when all have.
int64_t PlayedMatches(const TreeModel &model, int64_t *firstStepOfLast)
{
    const TournamentRun run(model.Count(), Depth(model.Count()));
    int64_t m = 0;
    while (m < run.MatchCount() && model.Value(run.Match(m).node) != NodeStates::kNoLabel)
        ++m;
    *firstStepOfLast = m > 0 ? run.FirstStep(m - 1) : 0;
    return m < run.MatchCount() ? m : -1;
}

std::string Joined(const std::vector<int> &values, std::size_t first)
{
    std::string text;
    for (std::size_t i = first; i < values.size(); ++i)
        text += (i > first ? " " : "") + ValueText(values[i]);
    return text;
}

std::shared_ptr<DialogForm> LeavesDialog()
{
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::Values;
    dialog->leaves = true;
    dialog->fieldName = "leafValues";
    dialog->problemName = "leafProblem";
    dialog->apply = [](TreeModel &model, const std::vector<std::string> &words) { return State(model).SetLeaves(words); };
    return dialog;
}

std::vector<StatementEntry> Statements()
{
    return {
        {"leaves", "leaves V1 ... Vk", {{"leaves V1 ... Vk", {"ID_WINNER_LEAVES"}}},
         "  leaves V1 ... Vk  the leaves' values (-99999 to 99999), in ascending index\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             std::string line;
             for (std::size_t i = 1; i < words.size(); ++i)
                 line += words[i] + ' ';
             host.Start(State(host.Model()).SetLeaves(ValueWords(line)));
         }},
        {"leaf", "leaf I V", {},
         "  leaf I V          one leaf's value; on a played tree its path is played again\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 3);
             const int64_t leaf = host.Number(words[1], 1, INT32_MAX, "the leaf index");
             host.Start(State(host.Model()).SetLeaf(leaf, words[2]));
             host.Wait();
         }},
        {"tree", "tree winner|loser", {},
         "  tree winner|loser the kind of selection tree the tournament, paths and merges play\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 2);
             if (words[1] != "winner" && words[1] != "loser")
                 host.Fail("'tree' takes winner or loser, not '" + words[1] + "'");
             host.Start(State(host.Model()).SetLoser(words[1] == "loser"));
             host.RunToEnd();
         }},
    };
}

CommandEntry KindCommand(const char *name, int value, bool loser, const char *text, const char *prompt)
{
    CommandEntry command{name, value, kMenu, 40, Message(kCommands, text), Message(kPrompts, prompt)};
    command.checked = [loser](const TreeModel &model) { return IsLoserTree(model) == loser; };
    command.act = [loser](TreeModel &model) { return State(model).SetLoser(loser); };
    return command;
}

std::vector<CommandEntry> Commands()
{
    CommandEntry leaves{ZARNI_COMMAND_ID(ID_WINNER_LEAVES), kMenu, 10,
                       Message(kCommands, ZARNI_TEXT("CMainFrame", "設定葉節點(&L)...")),
                       Message(kPrompts, ZARNI_TEXT("Strings", "自己設定每個葉節點的值\n設定葉節點"))};
    leaves.glyph = "values";
    leaves.dialog = LeavesDialog();
    return {leaves,
            KindCommand(ZARNI_COMMAND_ID(ID_WINNER_KIND_WINNER), false, ZARNI_TEXT("CMainFrame", "勝者樹(&W)"),
                        ZARNI_TEXT("Strings", "每個節點顯示它那場比賽的勝者\n勝者樹")),
            KindCommand(ZARNI_COMMAND_ID(ID_WINNER_KIND_LOSER), true, ZARNI_TEXT("CMainFrame", "敗者樹(&T)"),
                        ZARNI_TEXT("Strings", "每個節點顯示它那場比賽的敗者，總冠軍在樹根上方的節點 0\n敗者樹"))};
}

} // namespace

AlgorithmEntry TournamentEntry()
{
    AlgorithmEntry entry = EntryOf<TournamentState>("tournament", Statements, Commands);
    entry.exercises = TournamentExercises;
    entry.editNode = [](TreeModel &model, int64_t node, const std::string &value) {
        return State(model).SetLeaf(node, value);
    };
    return entry;
}

bool IsLoserTree(const TreeModel &model)
{
    return model.Find<TournamentState>().Loser();
}

std::unique_ptr<RunAlgorithm> TournamentState::DefaultRun() const
{
    const int64_t count = m_model.Count();
    if (m_bLoser)
        return std::make_unique<LoserAlgorithm>(LoserAlgorithm::Kind::Full, count, Depth(count), 0);
    return std::make_unique<TournamentAlgorithm>(TournamentAlgorithm::Kind::Full, count, Depth(count), 0);
}

Outcome TournamentState::SetLoser(bool loser)
{
    if (loser == m_bLoser)
        return {};
    const TreeModel::RunState state = m_model.State();
    // Another run at its end on a played tournament (the runner-up's)
    // leaves the tournament to play again in the new kind.
    const bool played = IsOwnRun(m_model.Run()) || (m_model.Run() && PlayedToEnd());
    m_bLoser = loser;
    m_model.ShowNodeZero(loser);
    for (const auto &other : m_model.States())
        if (Outcome outcome; other.get() != this && other->TreeKindChanged(&outcome))
            return outcome;
    if (!played)
        return {};
    m_model.Load(DefaultRun());
    const bool playOn = state == TreeModel::RunState::Done || state == TreeModel::RunState::Playing;
    return playOn ? Outcome::Play() : Outcome();
}

Outcome TournamentState::SetLeaves(const std::vector<std::string> &words)
{
    std::vector<int> values;
    if (Message problem = ReadNodeValues(words, m_model.Count() - FirstLeaf() + 1, true, &values); !problem.Empty())
        return Outcome::Refused(problem);
    m_model.NewValues();
    const int64_t firstLeaf = FirstLeaf();
    for (int64_t i = 1; i <= m_model.Count(); ++i)
        m_model.SetValue(i, i < firstLeaf ? NodeStates::kNoLabel : values[std::size_t(i - firstLeaf)]);
    m_model.ValuesChanged();
    return {};
}

Outcome TournamentState::SetLeaf(int64_t leaf, const std::string &word)
{
    if (leaf < FirstLeaf() || leaf > m_model.Count())
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "節點 %1 不是葉節點（葉節點是 %2 到 %3）。"))
                                    .Number(leaf)
                                    .Number(FirstLeaf())
                                    .Number(m_model.Count()));
    int value = 0;
    if (Message problem = ReadNodeValue(word, &value); !problem.Empty())
        return Outcome::Refused(problem);
    const bool played = PlayedToEnd();
    const bool pathOnly = !m_bLoser || (played && WinningLeaves()[1] == leaf);
    const int before = m_model.Value(leaf);
    m_model.EditValue(leaf, value, this);
    if (played && pathOnly) {
        Outcome outcome = Replay(leaf);
        m_replayed = {m_model.Run(), leaf, before};
        return outcome;
    }
    if (!played)
        return {};
    m_model.Load(DefaultRun());
    return Outcome::Play();
}

// The matches on the leaf's path to the root are played again as a run.
Outcome TournamentState::Replay(int64_t leaf)
{
    const int64_t count = m_model.Count();
    if (m_bLoser)
        m_model.Load(std::make_unique<LoserAlgorithm>(LoserAlgorithm::Kind::Path, count, Depth(count), leaf));
    else
        m_model.Load(std::make_unique<TournamentAlgorithm>(TournamentAlgorithm::Kind::Path, count, Depth(count), leaf));
    return Outcome::Play();
}

bool TournamentState::PlayedToEnd() const
{
    const bool stopped = !m_model.Run() || (m_model.AtEnd() && !m_model.Playing());
    return stopped && (IsOwnRun(m_model.Run()) || HoldsTournament());
}

std::vector<int64_t> TournamentState::WinningLeaves() const
{
    const int64_t count = m_model.Count(), firstLeaf = FirstLeaf();
    std::vector<int64_t> from(std::size_t(count) + 1);
    auto value = [&](int64_t node) { return TournamentRun::Contender(m_model.Value(from[std::size_t(node)])); };
    for (int64_t i = count; i >= 1; --i) {
        int64_t &winner = from[std::size_t(i)];
        if (i >= firstLeaf)
            winner = i;
        else if (2 * i + 1 > count)
            winner = from[std::size_t(2 * i)];
        else
            winner = from[std::size_t(TournamentRun::LeftWins(value(2 * i), value(2 * i + 1)) ? 2 * i : 2 * i + 1)];
    }
    return from;
}

// Whether every node above the leaves holds what the tournament of the
// kind chosen writes there: a winner tree the winner of the node's match, a
// loser tree the loser (nothing at a node with one child) and node 0 the
// overall winner. A click that ends a played tournament leaves them so.
bool TournamentState::HoldsTournament() const
{
    const std::vector<int64_t> from = WinningLeaves();
    const int64_t count = m_model.Count();
    auto winner = [&](int64_t node) { return m_model.Value(from[std::size_t(node)]); };
    if (FirstLeaf() == 1 || winner(1) == NodeStates::kNoLabel)
        return false;
    if (m_bLoser && m_model.Value(0) != winner(1))
        return false;
    for (int64_t i = 1; i < FirstLeaf(); ++i) {
        const bool match = 2 * i + 1 <= count;
        const int64_t loser = match && from[std::size_t(i)] == from[std::size_t(2 * i)] ? 2 * i + 1 : 2 * i;
        const int expected = !m_bLoser ? winner(i) : match ? winner(loser) : NodeStates::kNoLabel;
        if (m_model.Value(i) != expected)
            return false;
    }
    return true;
}

void TournamentState::AddState(StateValue &state) const
{
    state.Set("selection", m_bLoser ? "loser" : "winner");
    state.Set("node0", m_model.NodeZeroShown() ? StateValue::Object()
                                      .Set("label", ValueText(m_model.Value(0)))
                                      .Set("mark", int64_t(m_model.Mark(0)))
                                : StateValue());
}

void TournamentState::WriteSettings(LessonLines &lines) const
{
    if (m_bLoser)
        lines.Add("tree loser");
}

// The leaves as they were before the run shown (a replayed leaf with its
// old value), the tournament played, the leaf changed again, and the step
// shown.
void TournamentState::WriteShape(LessonLines &lines) const
{
    const int64_t count = m_model.Count();
    lines.Add("nodes " + std::to_string(count));
    const std::vector<int> values = m_model.ValuesBeforeRun();
    for (int64_t i = 1; i <= count; ++i)
        if (values[std::size_t(i)] != i)
            return lines.Add("leaves " + Joined(values, std::size_t(FirstLeaf())));
}

LessonTree TournamentState::WriteTree(LessonLines &lines) const
{
    const int64_t count = m_model.Count();
    const TreeModel::RunState state = m_model.State();
    lines.Add("nodes " + std::to_string(count));
    std::vector<int> values = m_model.ValuesBeforeRun();
    const bool replayed = m_replayed.run && m_replayed.run == m_model.Run();
    int after = 0;
    if (replayed) { // the leaves get its old value, the leaf statement the new
        after = values[std::size_t(m_replayed.leaf)];
        values[std::size_t(m_replayed.leaf)] = m_replayed.before;
    }
    bool numbered = true;
    for (int64_t i = 1; i <= count && numbered; ++i)
        numbered = values[std::size_t(i)] == i;
    if (!numbered)
        lines.Add("leaves " + Joined(values, std::size_t(FirstLeaf())));
    LessonTree tree{true, false, true};
    bool innerEmpty = true;
    for (int64_t i = 1; i < FirstLeaf() && innerEmpty; ++i)
        innerEmpty = m_model.Value(i) == NodeStates::kNoLabel;
    if (state != TreeModel::RunState::Idle) {
        lines.Add("ID_WINNER_END");
        if (replayed)
            lines.Add("leaf " + std::to_string(m_replayed.leaf) + " " + ValueText(after));
        tree.marksLeft = state == TreeModel::RunState::Done;
        if (!m_model.AtEnd())
            lines.Add("seek " + std::to_string(m_model.Shown()));
    } else if (!numbered && !innerEmpty) {
        // Winners shown without a run: the tournament was played and then
        // a selection ended the run.
        int64_t steps = 0;
        if (PlayedMatches(m_model, &steps) > 0)
            lines.Repeat(steps, "ID_WINNER_STEP"); // the selection written after ends the run there
        else
            lines.Add("ID_WINNER_END");
        tree.marksLeft = true;
    }
    return tree;
}
