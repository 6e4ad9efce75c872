#include "Second.h"
#include "model/algorithms/CommandIds.h"

#include "model/algorithms/Values.h"
#include "model/algorithms/tournament/Tournament.h"

#include <algorithm>

namespace {

SecondState &State(TreeModel &model)
{
    return model.Find<SecondState>();
}

// The comparisons of a tournament: one a node with two children.
int64_t Matches(int64_t count)
{
    return (count - 1) / 2;
}

std::vector<StatementEntry> Statements()
{
    return {{"second", "second", {},
             "  second            on a winner tree played to its end, find the runner-up\n"
             "                    among the values the winner beat; played to its end\n",
             false, [](StatementHost &host, const std::vector<std::string> &words) {
                 host.Expect(words, 1);
                 host.Start(State(host.Model()).Start());
                 host.RunToEnd();
             }}};
}

std::vector<CommandEntry> Commands()
{
    CommandEntry second{ZARNI_COMMAND_ID(ID_WINNER_SECOND), "Winner Tree", 10,
                        Message("CMainFrame", ZARNI_TEXT("CMainFrame", "找第二名(&2)")),
                        Message("Strings", ZARNI_TEXT("Strings", "在冠軍一路勝過的值中找出第二名\n找第二名"))};
    second.act = [](TreeModel &model) { return State(model).Start(); };
    return {second};
}

} // namespace

Outcome SecondState::Start()
{
    const TournamentState &tournament = m_model.Find<TournamentState>();
    if (tournament.Loser())
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "敗者樹不找第二名：請改用勝者樹。")));
    const int64_t count = m_model.Count();
    const auto &states = m_model.States();
    const bool ownShape = std::any_of(states.begin(), states.end(), [](const auto &s) { return s->HoldsOwnShape(); });
    if (count < 3 || ownShape || !tournament.PlayedToEnd())
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "先把勝者樹的比賽播完，才能找第二名。")));
    const std::vector<int64_t> from = tournament.WinningLeaves();
    std::vector<int64_t> candidates;
    for (int64_t node = from[1]; node > 1; node /= 2) {
        const int64_t sibling = node ^ 1;
        if (sibling <= count)
            candidates.push_back(sibling);
    }
    auto run = std::make_unique<SecondBestAlgorithm>(candidates, Matches(count), m_model);
    m_model.TakeTree(this);
    m_found = {candidates, m_model.Value(run->Found()), from[std::size_t(run->Found())]};
    m_model.Load(std::move(run));
    m_model.AlgorithmChanged();
    return Outcome::Play();
}

void SecondState::AddState(StateValue &state) const
{
    if (m_found.candidates.empty()) {
        state.Set("second", StateValue());
        return;
    }
    state.Set("second", StateValue::Object()
                            .Set("value", m_found.value)
                            .Set("node", m_found.leaf)
                            .Set("candidates", StateValue::Numbers(m_found.candidates.begin(), m_found.candidates.end())));
}

LessonTree SecondState::WriteTree(LessonLines &lines) const
{
    if (!dynamic_cast<const SecondBestAlgorithm *>(m_model.Run()))
        return {};
    m_model.Find<TournamentState>().WriteShape(lines);
    lines.Add("ID_WINNER_END");
    lines.Add("second");
    if (!m_model.AtEnd())
        lines.Add("seek " + std::to_string(m_model.Shown()));
    return {true, m_model.State() == TreeModel::RunState::Done, true};
}

AlgorithmEntry SecondEntry()
{
    return EntryOf<SecondState>("second", Statements, Commands);
}
