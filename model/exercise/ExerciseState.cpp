#include "ExerciseState.h"
#include "model/algorithms/CommandIds.h"

#include "model/algorithms/Table.h"
#include "model/algorithms/Values.h"

#include <algorithm>

namespace {

const char kContext[] = "Exercise";
const char kMenu[] = ZARNI_TEXT("CMainFrame", "練習(&X)");
// Random instances tried for one with the cases worth solving; a size too
// small to have them takes the last.
const int kTries = 500;

ExerciseState &State(TreeModel &model)
{
    return model.Find<ExerciseState>();
}

Message NoExercise()
{
    return Message("CProblemText", ZARNI_TEXT("CProblemText", "沒有進行中的題目：先從「練習 › 新題目」出一題。"));
}

} // namespace

namespace {

// Whether the instance leaves the learner anything to do, and (where it
// does) whether it has the cases worth solving.
enum class Worth { Nothing, Something, Worth };

Worth WorthOf(const ExerciseEntry &entry, ExerciseInstance instance, const std::vector<std::string> &words)
{
    const Exercise trial(entry.name, instance.size, Exercise::Mode::Continuous, std::move(instance.answer),
                         instance.last, *instance.tree);
    return trial.Units().empty() ? Worth::Nothing : entry.worth(trial, words) ? Worth::Worth : Worth::Something;
}

} // namespace

std::vector<std::string> ExerciseState::RandomWords(const TreeModel &model, const ExerciseRequest &request)
{
    const ExerciseEntry &entry = *request.entry;
    ExerciseRandom random(uint64_t(request.seed));
    std::vector<std::string> words, something;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        words = entry.random(model, request.size, random);
        ExerciseInstance instance = entry.make(model, words, request.pops);
        if (!instance.problem.Empty())
            continue;
        const Worth worth = WorthOf(entry, std::move(instance), words);
        if (worth == Worth::Worth)
            return words;
        if (worth == Worth::Something)
            something = words;
    }
    return something.empty() ? words : something;
}

// An instance with nothing for the learner to do is no exercise: a random
// one names the smallest size that has something.
Message ExerciseState::NothingToDo(const ExerciseRequest &request) const
{
    const ExerciseEntry &entry = *request.entry;
    if (!request.words.empty())
        return Message("CProblemText", ZARNI_TEXT("CProblemText", "這些值不用做任何動作就已經是答案：換一組值。"));
    ExerciseRequest larger = request;
    for (larger.size = request.size + 1; larger.size <= entry.highSize; ++larger.size) {
        const std::vector<std::string> words = RandomWords(m_model, larger);
        ExerciseInstance instance = entry.make(m_model, words, larger.pops);
        if (instance.problem.Empty() && WorthOf(entry, std::move(instance), words) != Worth::Nothing)
            break;
    }
    return Message("CProblemText", ZARNI_TEXT("CProblemText", "大小 %1 的「%2」沒有動作可做：大小至少要 %3。"))
        .Number(request.size)
        .With(entry.title)
        .Number(larger.size);
}

Outcome ExerciseState::Start(const ExerciseRequest &request)
{
    const ExerciseEntry &entry = *request.entry;
    if (entry.settle)
        entry.settle(m_model);
    const std::vector<std::string> words = request.words.empty() ? RandomWords(m_model, request) : request.words;
    ExerciseInstance instance = entry.make(m_model, words, request.pops);
    if (!instance.problem.Empty())
        return Outcome::Refused(instance.problem, 0);
    if (WorthOf(entry, entry.make(m_model, words, request.pops), words) == Worth::Nothing)
        return Outcome::Refused(NothingToDo(request), 0);
    m_model.NewTree(instance.tree->Count()); // every algorithm, and the exercise before, let it go
    m_model.WriteAll(instance.tree->Values(), instance.tree->Marks());
    m_pEntry = &entry;
    m_words = words;
    m_nPops = request.pops;
    m_nSeed = request.words.empty() ? request.seed : -1;
    m_nRandomSize = request.size;
    m_pExercise = std::make_unique<Exercise>(entry.name, instance.size, m_mode, std::move(instance.answer),
                                             instance.last, m_model);
    m_model.KeepListing(m_pExercise->Answer());
    m_model.LearnerActed();
    m_model.AlgorithmChanged();
    return {};
}

bool ExerciseState::Takes(LearnerAction::Kind kind) const
{
    if (!m_pExercise)
        return false;
    const auto &units = m_pExercise->Units();
    return std::any_of(units.begin(), units.end(), [kind](const Exercise::Unit &u) { return u.action.kind == kind; });
}

Outcome ExerciseState::Act(const LearnerAction &action)
{
    if (!Doing())
        return Outcome::Refused(NoExercise());
    m_nPicked = 0;
    return Acted(m_pExercise->Act(action));
}

Outcome ExerciseState::Acted(Exercise::Result result)
{
    if (result == Exercise::Result::NotAnAction)
        return Outcome::Refused(Message("CProblemText", ZARNI_TEXT("CProblemText", "這棵樹上沒有這個動作。")));
    m_model.LearnerActed();
    if (m_pExercise->Finished())
        m_model.AlgorithmChanged();
    return {};
}

Outcome ExerciseState::Click(int64_t node)
{
    if (!Doing())
        return Outcome::Refused(NoExercise());
    if (!TakesSwaps())
        return Act(LearnerAction::Promote(node));
    if (m_nPicked == 0 || m_nPicked == node) {
        m_nPicked = m_nPicked == node ? 0 : node;
        m_model.LearnerActed();
        return {};
    }
    return Act(LearnerAction::Swap(m_nPicked, node));
}

Outcome ExerciseState::Press(int number)
{
    if (!Doing() || !TakesChoices())
        return Outcome::Refused(NoExercise());
    return Act(LearnerAction::Choose(number));
}

Outcome ExerciseState::Undo()
{
    if (!Doing())
        return Outcome::Refused(NoExercise());
    if (m_pExercise->GetMode() == Exercise::Mode::Continuous)
        return Outcome::Refused(Message("CProblemText", ZARNI_TEXT("CProblemText", "這個題目每個動作做了就評分，不能復原；要能復原，把「練習 › 交卷時才評分」打勾再出題。")));
    if (!m_pExercise->Undo())
        return Outcome::Refused(Message("CProblemText", ZARNI_TEXT("CProblemText", "還沒有做任何動作，沒有可以復原的。")));
    m_nPicked = 0;
    m_model.LearnerActed();
    return {};
}

Outcome ExerciseState::Grade()
{
    if (!Doing())
        return Outcome::Refused(NoExercise());
    m_pExercise->Grade();
    m_nPicked = 0;
    m_model.LearnerActed();
    m_model.AlgorithmChanged();
    return {};
}

// The model answer plays on the player from the exercise's start.
Outcome ExerciseState::Solution()
{
    if (!m_pExercise)
        return Outcome::Refused(NoExercise());
    if (m_pExercise->SolutionShown())
        return Outcome::Refused(Message("CProblemText", ZARNI_TEXT("CProblemText", "這一題的解答已經播過了：用播放器再看一次。")));
    m_nPicked = 0;
    const int64_t last = m_pExercise->LastStep();
    std::unique_ptr<RunAlgorithm> answer = m_pExercise->Solution();
    m_model.ValuesChanged();
    m_bLending = true;
    m_model.Load(std::move(answer));
    m_bLending = false;
    m_model.AlgorithmChanged();
    return Outcome::PlayTo(last);
}

void ExerciseState::SetMode(Exercise::Mode mode)
{
    m_mode = mode;
    if (Doing() && m_pExercise->ActionsMade() == 0 && m_pExercise->GetCounts().right + m_pExercise->GetCounts().wrong == 0)
        m_pExercise->SetMode(mode);
    m_model.AlgorithmChanged();
}

void ExerciseState::TreeTaken()
{
    if (!m_pExercise)
        return;
    m_pExercise.reset();
    m_nPicked = 0;
    m_model.LearnerActed();
}

bool ExerciseState::TreeKindChanged(Outcome *)
{
    TreeTaken();
    return false;
}

void ExerciseState::RunLoaded()
{
    if (!m_bLending)
        TreeTaken();
}

Message ExerciseState::PaneText() const
{
    if (!m_pExercise)
        return {};
    if (m_pExercise->Finished())
        return m_pExercise->Summary();
    if (!m_pExercise->Told().Empty())
        return m_pExercise->Told();
    return Message(ExerciseSays().heading).With(m_pEntry->title).Append(How());
}

Message ExerciseState::How() const
{
    const ExerciseTexts &says = ExerciseSays();
    return TakesSwaps() ? says.howSwap : TakesChoices() ? says.howChoose : says.howPromote;
}

// The model answer on the tree at the exercise's start, read and let go:
// the tree is then as it was.
void ExerciseState::ShowAnswerQuietly(const std::function<void()> &read)
{
    const NodeCopy now(m_model, m_model.Count());
    ExerciseInstance instance = m_pEntry->make(m_model, m_words, m_nPops);
    m_model.WriteAll(instance.tree->Values(), instance.tree->Marks());
    m_bLending = true;
    m_model.Load(std::move(instance.answer));
    read();
    m_model.EndRun();
    m_bLending = false;
    m_model.WriteAll(now.Values(), now.Marks());
    m_model.ValuesChanged();
}

int64_t ExerciseState::Outlined() const
{
    return m_nPicked ? m_nPicked : m_pExercise && !m_pExercise->Finished() ? m_pExercise->Revealed() : 0;
}

// An exercise under way, handed in or with its solution shown is written
// as the learner made it: the instance, the actions, then the grade or the
// solution at the step shown.
LessonTree ExerciseState::WriteTree(LessonLines &lines) const
{
    if (!m_pExercise)
        return {};
    lines.Add(std::string("exercise-mode ") + (m_pExercise->GetMode() == Exercise::Mode::End ? "end" : "continuous"));
    std::string statement = "exercise " + m_pExercise->Name();
    if (m_pEntry->pops && m_nPops != ExerciseRequest().pops)
        statement += " pops " + std::to_string(m_nPops);
    if (m_nSeed >= 0)
        statement += " random " + std::to_string(m_nRandomSize) + " seed " + std::to_string(m_nSeed);
    else
        for (const std::string &word : m_words)
            statement += " " + word;
    lines.Add(statement);
    for (const LearnerAction &action : m_pExercise->Log()) {
        switch (action.kind) {
        case LearnerAction::Kind::None: lines.Add("undo"); break;
        case LearnerAction::Kind::Swap: lines.Add("swap " + std::to_string(action.a) + " " + std::to_string(action.b)); break;
        case LearnerAction::Kind::Promote: lines.Add("promote " + std::to_string(action.a)); break;
        case LearnerAction::Kind::Choose: lines.Add("choose " + std::to_string(action.a)); break;
        }
    }
    if (m_pExercise->HandedIn())
        lines.Add("grade");
    if (m_pExercise->SolutionShown()) {
        lines.Add("solution");
        if (!m_model.AtEnd())
            lines.Add("seek " + std::to_string(m_model.Shown()));
    }
    return {true, false, false};
}

StateValue ExerciseState::StateOf() const
{
    if (!m_pExercise)
        return StateValue();
    const Exercise::Counts counts = m_pExercise->GetCounts();
    return StateValue::Object()
        .Set("name", m_pExercise->Name())
        .Set("size", m_pExercise->Size())
        .Set("seed", m_nSeed >= 0 ? StateValue(m_nSeed) : StateValue())
        .Set("mode", m_pExercise->GetMode() == Exercise::Mode::End ? "end" : "continuous")
        .Set("actions", counts.actions)
        .Set("made", m_pExercise->ActionsMade())
        .Set("right", counts.right)
        .Set("wrong", counts.wrong)
        .Set("done", m_pExercise->Finished())
        .Set("shown", m_pExercise->SolutionShown())
        .Set("score", m_pExercise->Finished() ? StateValue(counts.Score()) : StateValue());
}

namespace {

std::string ExerciseNames()
{
    std::string names;
    for (const ExerciseEntry &entry : AlgorithmExercises())
        names += (names.empty() ? "" : ", ") + std::string(entry.name);
    return names;
}

// exercise NAME [pops K] [random N [seed S] | V1 ... Vn]
void ExerciseStatement(StatementHost &host, const std::vector<std::string> &words)
{
    if (words.size() < 2)
        host.Fail("'exercise' expects: exercise NAME [random N [seed S] | V1 ... Vn]; NAME one of " + ExerciseNames());
    ExerciseRequest request;
    request.entry = FindExercise(words[1]);
    if (!request.entry)
        host.Fail("'exercise' takes " + ExerciseNames() + ", not '" + words[1] + "'");
    const ExerciseEntry &entry = *request.entry;
    std::size_t i = 2;
    if (entry.pops && i < words.size() && words[i] == "pops") {
        if (i + 1 == words.size())
            host.Fail("'pops' expects how many values the merge outputs: exercise merge pops K [random N [seed S] | runs]");
        request.pops = int(host.Number(words[i + 1], 1, 1000, "the pops"));
        i += 2;
    }
    request.size = entry.startSize;
    request.seed = host.Random(0, 999999);
    if (i == words.size() || words[i] == "random") {
        if (i + 1 < words.size())
            request.size = int(host.Number(words[i + 1], entry.lowSize, entry.highSize, "the size"));
        if (i + 2 < words.size()) {
            if (words[i + 2] != "seed" || i + 4 != words.size())
                host.Fail("'exercise' expects: exercise " + std::string(entry.name) + " random N [seed S]");
            request.seed = host.Number(words[i + 3], 0, INT32_MAX, "the seed");
        }
    } else {
        // Commas part values here as in every other list of values.
        std::string line;
        for (; i < words.size(); ++i)
            line += words[i] + " ";
        request.words = ValueWords(line);
    }
    host.Start(State(host.Model()).Start(request));
}

std::vector<StatementEntry> Statements()
{
    auto act = [](Outcome (*what)(ExerciseState &, const std::vector<std::string> &, StatementHost &)) {
        return [what](StatementHost &host, const std::vector<std::string> &words) {
            host.Start(what(State(host.Model()), words, host));
        };
    };
    return {
        {"exercise", "exercise NAME [pops K] [random N [seed S] | V1 ... Vn]", {{"exercise NAME ...", {"ID_EXERCISE_NEW"}}},
         "  exercise NAME [random N [seed S] | V1 ... Vn]   a new exercise on a random or\n"
         "                    own instance: heap-build, heap-build-by-insert, heap-sort,\n"
         "                    heap-insert, heap-extract, tournament, loser-tournament,\n"
         "                    merge [pops K] (runs split by /), replacement (P, then values)\n",
         false, ExerciseStatement},
        {"exercise-mode", "exercise-mode continuous|end", {},
         "  exercise-mode continuous|end   grade each action as made, or at 'grade'\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 2);
             if (words[1] != "continuous" && words[1] != "end")
                 host.Fail("'exercise-mode' takes continuous or end, not '" + words[1] + "'");
             State(host.Model()).SetMode(words[1] == "end" ? Exercise::Mode::End : Exercise::Mode::Continuous);
         }},
        {"swap", "swap I J", {}, "  swap I J          exercise: swap the values of nodes I and J\n", false,
         act([](ExerciseState &state, const std::vector<std::string> &words, StatementHost &host) {
             host.Expect(words, 3);
             return state.Act(LearnerAction::Swap(host.Number(words[1], 1, INT32_MAX, "the node index"),
                                                  host.Number(words[2], 1, INT32_MAX, "the node index")));
         })},
        {"promote", "promote I", {}, "  promote I         exercise: node I wins its match (0: the value rising)\n", false,
         act([](ExerciseState &state, const std::vector<std::string> &words, StatementHost &host) {
             host.Expect(words, 2);
             return state.Act(LearnerAction::Promote(host.Number(words[1], 0, INT32_MAX, "the node index")));
         })},
        {"choose", "choose K", {}, "  choose K          exercise: the value read joins the run being written (1) or the next (2)\n", false,
         act([](ExerciseState &state, const std::vector<std::string> &words, StatementHost &host) {
             host.Expect(words, 2);
             return state.Act(LearnerAction::Choose(host.Number(words[1], 1, 2, "the run (1 this one, 2 the next)")));
         })},
        {"undo", "undo", {}, "  undo              exercise graded at the end: take the last action back\n", false,
         act([](ExerciseState &state, const std::vector<std::string> &words, StatementHost &host) {
             host.Expect(words, 1);
             return state.Undo();
         })},
        {"grade", "grade", {}, "  grade             exercise: hand it in and see the score\n", false,
         act([](ExerciseState &state, const std::vector<std::string> &words, StatementHost &host) {
             host.Expect(words, 1);
             return state.Grade();
         })},
        {"solution", "solution", {}, "  solution          exercise: play the model answer from its start\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 1);
             host.Start(State(host.Model()).Solution());
             host.RunToEnd();
         }},
    };
}

CommandEntry Command(const char *name, int value, int group, const char *text, const char *prompt)
{
    return {name, value, kMenu, group, Message("CMainFrame", text), Message("Strings", prompt)};
}

// The form of a new exercise: which, its size, pops, seed and own values.
std::shared_ptr<DialogForm> NewExerciseForm()
{
    auto form = std::make_shared<DialogForm>();
    form->kind = DialogForm::Kind::Exercise;
    form->title = Message(kContext, ZARNI_TEXT("Exercise", "新題目"));
    form->prompt = Message(kContext, ZARNI_TEXT("Exercise", "自己的值（空白則依種子隨機出題）："));
    form->fieldName = "exerciseValues";
    form->problemName = "exerciseProblem";
    form->spinName = "exerciseSize";
    // Fields: the exercise's name, its size, its pops, its seed, its own values.
    form->apply = [](TreeModel &model, const std::vector<std::string> &fields) {
        ExerciseRequest request;
        request.entry = FindExercise(fields[0]);
        request.size = std::stoi(fields[1]);
        request.pops = std::stoi(fields[2]);
        request.seed = std::stoll(fields[3]);
        request.words = ValueWords(fields[4]);
        return State(model).Start(request);
    };
    return form;
}

std::vector<CommandEntry> Commands()
{
    CommandEntry create = Command(ZARNI_COMMAND_ID(ID_EXERCISE_NEW), 10, ZARNI_TEXT("CMainFrame", "新題目(&N)..."),
                                  ZARNI_TEXT("Strings", "出一題新的練習：你自己做演算法的每一步，每一步都對照標準答案評分\n新題目"));
    create.dialog = NewExerciseForm();
    CommandEntry grade = Command(ZARNI_COMMAND_ID(ID_EXERCISE_GRADE), 10, ZARNI_TEXT("CMainFrame", "交卷(&G)"),
                                 ZARNI_TEXT("Strings", "結束這一題並看分數\n交卷"));
    grade.enabled = [](const TreeModel &model) { return model.Find<ExerciseState>().Doing(); };
    grade.act = [](TreeModel &model) { return State(model).Grade(); };
    CommandEntry solution = Command(ZARNI_COMMAND_ID(ID_EXERCISE_SOLUTION), 10, ZARNI_TEXT("CMainFrame", "看解答(&S)"),
                                    ZARNI_TEXT("Strings", "從題目的開頭播放標準答案（這一題就此結束）\n看解答"));
    solution.enabled = [](const TreeModel &model) {
        const Exercise *exercise = model.Find<ExerciseState>().Current();
        return exercise && !exercise->SolutionShown();
    };
    solution.act = [](TreeModel &model) { return State(model).Solution(); };
    CommandEntry end = Command(ZARNI_COMMAND_ID(ID_EXERCISE_END_MODE), 20, ZARNI_TEXT("CMainFrame", "交卷時才評分(&E)"),
                               ZARNI_TEXT("Strings", "每個動作照做不評分，可以復原，交卷時才評分\n交卷時才評分"));
    end.checked = [](const TreeModel &model) { return model.Find<ExerciseState>().Mode() == Exercise::Mode::End; };
    end.act = [](TreeModel &model) {
        ExerciseState &state = State(model);
        state.SetMode(state.Mode() == Exercise::Mode::End ? Exercise::Mode::Continuous : Exercise::Mode::End);
        return Outcome();
    };
    return {create, grade, solution, end};
}

} // namespace

AlgorithmEntry ExerciseRowEntry()
{
    return EntryOf<ExerciseState>("exercise", Statements, Commands);
}
