#include "Merge.h"
#include "model/algorithms/CommandIds.h"
#include "MergeExercise.h"

#include "model/algorithms/Values.h"
#include "model/algorithms/tournament/Tournament.h"

#include <algorithm>

namespace {

const char kContext[] = "Merge";
const char kMenu[] = "Winner Tree";
// Beyond this many values the state gives the counts, not the values.
const int64_t kMostListedValues = 10000;

Message Said(const char *text)
{
    return Message(kContext, text);
}

MergeState &State(TreeModel &model)
{
    return model.Find<MergeState>();
}

int64_t ValueCount(const WinnerMerge::Runs &runs)
{
    int64_t count = 0;
    for (const auto &run : runs)
        count += int64_t(run.size());
    return count;
}

std::string RunText(const std::vector<int> &run, int64_t first = 0)
{
    std::string text;
    for (auto i = std::size_t(first); i < run.size(); ++i)
        text += (i > std::size_t(first) ? " " : "") + std::to_string(run[i]);
    return text;
}

Outcome StartFromText(TreeModel &model, const std::string &text, char separator)
{
    WinnerMerge::Runs runs;
    const WinnerMerge::Problem problem = WinnerMerge::Parse(text, &runs, separator);
    if (problem.error != WinnerMerge::Error::None)
        return Outcome::Refused(MergeProblem(problem, separator == '\n'));
    return State(model).Start(std::move(runs));
}

std::shared_ptr<DialogForm> RunsDialog()
{
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::Numbers;
    dialog->title = Said(ZARNI_TEXT("Merge", "合併序列"));
    dialog->prompt = Said(ZARNI_TEXT("Merge", "每行一個序列，值由大到小排列，以空白分隔；整數 -%1 到 %1，"
                                              "%2 到 %3 個序列，每個最多 %4 個值。以 # 開頭的行不算。"))
                         .Number(kMaxNodeValue)
                         .Number(WinnerMerge::kMinRuns)
                         .Number(WinnerMerge::kMaxRuns)
                         .Number(WinnerMerge::kMaxRunLength);
    dialog->fieldName = "mergeRuns";
    dialog->problemName = "mergeProblem";
    dialog->startText = "9 7 4 1\n8 8 2\n6 5 3\n";
    dialog->fillCounts = {{Said(ZARNI_TEXT("Merge", "序列數")), WinnerMerge::kMinRuns, WinnerMerge::kMaxRuns, 5},
                          {Said(ZARNI_TEXT("Merge", "每個的長度")), 1, WinnerMerge::kMaxRunLength, 6}};
    // Random values are small, as a class can read them.
    dialog->fill = [](const std::vector<int> &counts, const std::function<int(int, int)> &random) {
        std::string text;
        for (int j = 0; j < counts[0]; ++j) {
            std::vector<int> run(std::size_t(counts[1]), 0);
            for (int &value : run)
                value = random(0, 99);
            std::sort(run.rbegin(), run.rend());
            text += RunText(run) + '\n';
        }
        return text;
    };
    dialog->filled = [](const std::vector<int> &counts) {
        return Said(ZARNI_TEXT("Merge", "# %1 個隨機序列，每個 %2 個值（太多，不在這裡列出）")).Number(counts[0]).Number(counts[1]);
    };
    dialog->loadTitle = Said(ZARNI_TEXT("Merge", "載入序列"));
    dialog->check = [](const std::string &text, int64_t *values) {
        WinnerMerge::Runs runs;
        const WinnerMerge::Problem problem = WinnerMerge::Parse(text, &runs);
        *values = ValueCount(runs);
        return problem.error == WinnerMerge::Error::None ? Message() : MergeProblem(problem, true);
    };
    dialog->loaded = [](const std::string &fileName, const std::string &text) {
        WinnerMerge::Runs runs;
        WinnerMerge::Parse(text, &runs);
        return Said(ZARNI_TEXT("Merge", "# 從 %1 載入的 %2 個序列，共 %3 個值（太多，不在這裡列出）"))
            .Word(fileName)
            .Number(int64_t(runs.size()))
            .Number(ValueCount(runs));
    };
    dialog->apply = [](TreeModel &model, const std::vector<std::string> &fields) {
        return StartFromText(model, fields.back(), '\n');
    };
    return dialog;
}

std::vector<StatementEntry> Statements()
{
    return {
        {"merge", "merge PATH (- for standard input)", {{"merge PATH", {"ID_WINNER_MERGE"}}},
         "  merge PATH        merge the runs of a file, one a line ('-' for standard input)\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 2);
             const std::string text = host.ReadInput(words[1], words[0]);
             WinnerMerge::Runs runs;
             const WinnerMerge::Problem problem = WinnerMerge::Parse(text, &runs);
             if (problem.error != WinnerMerge::Error::None)
                 host.Refuse(MergeProblem(problem, true), words[1] + ": ");
             host.Start(State(host.Model()).Start(std::move(runs)));
             host.Wait();
         }},
        {"runs", "runs V V / V V", {{"runs V V / V V", {"ID_WINNER_MERGE"}}},
         "  runs V V / V V    merge sorted runs (each from the greatest down), '/' between\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             std::string text;
             for (std::size_t i = 1; i < words.size(); ++i)
                 text += (i > 1 ? " " : "") + words[i];
             host.Start(StartFromText(host.Model(), text, '/'));
             host.Wait();
         }},
    };
}

std::vector<CommandEntry> Commands()
{
    const char *commands = "CMainFrame", *prompts = "Strings";
    CommandEntry merge{ZARNI_COMMAND_ID(ID_WINNER_MERGE), kMenu, 30, Message(commands, ZARNI_TEXT("CMainFrame", "合併序列(&M)...")),
                      Message(prompts, ZARNI_TEXT("Strings", "用勝者樹合併幾個由大到小排好的序列\n合併序列"))};
    merge.glyph = "merge";
    merge.dialog = RunsDialog();
    CommandEntry pop{ZARNI_COMMAND_ID(ID_WINNER_POP), kMenu, 30, Message(commands, ZARNI_TEXT("CMainFrame", "輸出勝者(&O)\tCtrl+Down")),
                    Message(prompts, ZARNI_TEXT("Strings", "把樹根的值寫到輸出，再重賽它葉節點的路徑\n輸出勝者"))};
    pop.keys = "Ctrl+Down";
    pop.glyph = "pop";
    pop.enabled = [](const TreeModel &model) { return model.Find<MergeState>().CanPop(); };
    pop.act = [](TreeModel &model) { return State(model).Pop(); };
    CommandEntry all{ZARNI_COMMAND_ID(ID_WINNER_POP_ALL), kMenu, 30,
                    Message(commands, ZARNI_TEXT("CMainFrame", "全部輸出(&A)\tCtrl+Shift+Down")),
                    Message(prompts, ZARNI_TEXT("Strings", "一次輸出剩下的所有值\n全部輸出"))};
    all.keys = "Ctrl+Shift+Down";
    all.glyph = "pop-all";
    all.enabled = pop.enabled;
    all.act = [](TreeModel &model) { return State(model).PopAll(); };
    return {merge, pop, all};
}

} // namespace

AlgorithmEntry MergeEntry()
{
    AlgorithmEntry entry = EntryOf<MergeState>("merge", Statements, Commands);
    entry.exercises = MergeExercises;
    return entry;
}

Message MergeProblem(const WinnerMerge::Problem &problem, bool lines)
{
    using E = WinnerMerge::Error;
    Message said;
    switch (problem.error) {
    case E::None: return {};
    case E::NotANumber: said = Problem(ZARNI_TEXT("CProblemText", "「%1」不是整數。")).Word(problem.word); break;
    case E::OutOfRange:
        said = Problem(ZARNI_TEXT("CProblemText", "%1 超出範圍：值必須在 -%2 到 %2 之間。")).Word(problem.word).Number(kMaxNodeValue);
        break;
    case E::OutOfOrder: said = Problem(ZARNI_TEXT("CProblemText", "%1 比前一個值大；序列必須由大到小排列。")).Word(problem.word); break;
    case E::EmptyRun: said = Problem(ZARNI_TEXT("CProblemText", "這個序列是空的。")); break;
    case E::RunTooLong: said = Problem(ZARNI_TEXT("CProblemText", "序列最多 %1 個值。")).Number(WinnerMerge::kMaxRunLength); break;
    case E::TooFewRuns:
        said = Problem(ZARNI_TEXT("CProblemText", "合併至少需要 %1 個序列，這裡只有 %2 個。")).Number(WinnerMerge::kMinRuns).Word(problem.word);
        break;
    case E::TooManyRuns:
        said = Problem(ZARNI_TEXT("CProblemText", "合併最多只能有 %1 個序列，這裡有 %2 個。")).Number(WinnerMerge::kMaxRuns).Word(problem.word);
        break;
    }
    if (problem.line == 0)
        return said;
    Message where = lines ? Problem(ZARNI_TEXT("CProblemText", "第 %1 行（序列 %2）：")).Number(problem.line).Number(problem.run)
                          : Problem(ZARNI_TEXT("CProblemText", "序列 %1：")).Number(problem.run);
    return where.Append(said);
}

// The output, in one row: the value written last marked.
class MergeState::OutputRow : public PanelRows {
public:
    explicit OutputRow(const MergeState &state) : m_state(state) {}
    int Count() const override { return m_state.m_pMerge ? 1 : 0; }
    int64_t Length(int) const override { return m_state.m_panelMerge.pops; }
    Message Title(int) const override { return Said(ZARNI_TEXT("Merge", "輸出")); }
    PanelCell Cell(int, int64_t column) const override
    {
        const bool latest = column + 1 == Length(0);
        return {m_state.m_pMerge->Output()[std::size_t(column)], latest ? PanelCell::Look::Latest : PanelCell::Look::Plain};
    }

private:
    const MergeState &m_state;
};

MergeState::MergeState(TreeModel &model) : AlgorithmState(model), m_pOutput(std::make_unique<OutputRow>(*this)) {}

MergeState::~MergeState() = default;

Outcome MergeState::Start(WinnerMerge::Runs runs)
{
    const auto count = 2 * int64_t(runs.size()) - 1;
    m_model.NewTree(count); // ends any run and merge
    auto merge = std::make_shared<WinnerMerge>(std::move(runs));
    for (int j = 0; j < merge->RunCount(); ++j)
        m_model.SetValue(merge->LeafOfRun(j), merge->Value(merge->LeafOfRun(j)));
    m_model.ValuesChanged();
    auto run = std::make_unique<MergeAlgorithm>(merge, IsLoserTree(m_model), true);
    const MergeAlgorithm *shown = run.get();
    const int64_t end = run->TournamentSteps();
    m_pMerge = std::move(merge);
    m_model.Load(std::move(run));
    m_pRun = shown;
    m_model.AlgorithmChanged();
    return Outcome::PlayTo(end);
}

const MergeAlgorithm *MergeState::OwnRun() const
{
    return m_pRun && m_pRun == m_model.Run() ? m_pRun : nullptr;
}

void MergeState::Resume()
{
    if (OwnRun())
        return;
    m_model.ClearMarks();
    MergeAlgorithm::WriteWholeTree(m_model, *m_pMerge, IsLoserTree(m_model));
    m_model.ValuesChanged();
    auto run = std::make_unique<MergeAlgorithm>(m_pMerge, IsLoserTree(m_model), false);
    const MergeAlgorithm *shown = run.get();
    m_model.Load(std::move(run));
    m_pRun = shown;
}

// A pop asked for while pops play is made after them.
Outcome MergeState::Pop()
{
    if (!CanPop())
        return {};
    Resume();
    const int64_t target = m_model.PlayTarget();
    const bool queued = m_model.Playing() && target > m_model.Shown();
    return Outcome::PlayTo(m_pRun->EndOfNextPop(queued ? target : m_model.Shown()));
}

Outcome MergeState::PopAll()
{
    if (!CanPop())
        return {};
    Resume();
    m_model.SeekTo(m_model.StepCount());
    return {};
}

void MergeState::TreeTaken()
{
    const bool had = Active();
    m_pMerge.reset();
    m_pRun = nullptr;
    if (had)
        m_model.AlgorithmChanged();
}

// The merge keeps the pops the step shown had made.
void MergeState::RunEnding()
{
    if (OwnRun())
        HoldAtShown();
    m_pRun = nullptr;
}

void MergeState::HoldAtShown()
{
    const int64_t pops = m_pRun->PopsBy(m_model.Shown());
    if (m_pMerge->Pops() == pops)
        return;
    auto merge = std::make_shared<WinnerMerge>(m_pMerge->AllRuns());
    merge->PopUntil(merge->Remaining() - pops);
    m_pMerge = std::move(merge);
}

bool MergeState::TreeKindChanged(Outcome *outcome)
{
    if (!Active())
        return false;
    m_model.EndRun();
    Resume();
    *outcome = {};
    return true;
}

MergeState::ShownMerge MergeState::Shown() const
{
    ShownMerge shown;
    const WinnerMerge &merge = *m_pMerge;
    if (const MergeAlgorithm *run = OwnRun()) {
        const int64_t k = m_model.Shown();
        shown = {run->PopsBy(k), run->NextRunAt(k), run->LastRunBy(k), run->PopComparisonsBy(k), run->DoneBy(k), {}};
        for (int j = 0; j < merge.RunCount(); ++j)
            shown.consumed.push_back(run->ConsumedBy(j, k));
        return shown;
    }
    shown = {merge.Pops(), merge.WinningRun(), merge.LastRun(), merge.PopComparisons(), merge.Done(), {}};
    for (int j = 0; j < merge.RunCount(); ++j)
        shown.consumed.push_back(merge.Consumed(j));
    return shown;
}

std::vector<int> MergeState::Output() const
{
    return std::vector<int>(m_pMerge->Output().begin(), m_pMerge->Output().begin() + Shown().pops);
}

Message MergeState::Corner(int64_t node) const
{
    if (!Active() || node < m_pMerge->RunCount() || node > m_pMerge->NodeCount())
        return {};
    return Said(ZARNI_TEXT("Merge", "序%1")).Number(node - m_pMerge->RunCount() + 1);
}

// The values themselves while they are few; the counts always.
void MergeState::AddState(StateValue &state) const
{
    if (!Active()) {
        state.Set("merge", StateValue());
        return;
    }
    const WinnerMerge &merge = *m_pMerge;
    const ShownMerge shown = Shown();
    StateValue remaining = StateValue::List();
    int64_t values = shown.pops;
    for (int j = 0; j < merge.RunCount(); ++j) {
        const int64_t left = int64_t(merge.Run(j).size()) - shown.consumed[std::size_t(j)];
        remaining.Add(left);
        values += left;
    }
    StateValue runs, output;
    if (values <= kMostListedValues) {
        runs = StateValue::List();
        for (int j = 0; j < merge.RunCount(); ++j)
            runs.Add(StateValue::Numbers(merge.Run(j).begin() + shown.consumed[std::size_t(j)], merge.Run(j).end()));
        output = StateValue::Numbers(merge.Output().begin(), merge.Output().begin() + shown.pops);
    }
    state.Set("merge", StateValue::Object()
                           .Set("runs", runs)
                           .Set("output", output)
                           .Set("remaining", remaining)
                           .Set("outputCount", shown.pops)
                           .Set("comparisons", shown.comparisons)
                           .Set("done", shown.done));
}

// The steps a fresh merge of the same runs takes to make that many pops.
int64_t MergeState::StepsBefore(int64_t pops) const
{
    const bool loser = IsLoserTree(m_model);
    int64_t steps = MergeAlgorithm::TournamentSteps(m_pMerge->RunCount(), loser);
    for (const int64_t leaf : WinnerMerge(m_pMerge->AllRuns()).NextLeaves(pops))
        steps += MergeAlgorithm::PopSteps(leaf, loser);
    return steps;
}

// The runs as they were given, and the step shown of the merge's run as a
// fresh merge of them counts it.
LessonTree MergeState::WriteTree(LessonLines &lines) const
{
    if (!Active())
        return {};
    std::string runs;
    for (int j = 0; j < m_pMerge->RunCount(); ++j)
        runs += (j ? " / " : "") + RunText(m_pMerge->Run(j));
    lines.Add("runs " + runs);
    int64_t step = StepsBefore(Shown().pops);
    if (const MergeAlgorithm *run = OwnRun())
        step = run->TournamentSteps() > 0 ? m_model.Shown() : StepsBefore(run->PopsBy(0)) + m_model.Shown();
    if (step != MergeAlgorithm::TournamentSteps(m_pMerge->RunCount(), IsLoserTree(m_model)))
        lines.Add("seek " + std::to_string(step));
    return {true, false, false};
}

bool MergeState::Panel(RecordPanel *panel) const
{
    if (!Active())
        return false;
    m_panelMerge = Shown();
    const ShownMerge &shown = m_panelMerge;
    Message summary = shown.done ? Said(ZARNI_COUNTED("Merge", "合併完成：輸出 %n 個值。")).Count(shown.pops)
                                 : Said(ZARNI_COUNTED("Merge", "已輸出 %n 個值，還剩 %1 個。"))
                                       .Count(shown.pops)
                                       .Number(m_pMerge->Pops() + m_pMerge->Remaining() - shown.pops);
    if (shown.pops > 0)
        summary.Append(Said(ZARNI_TEXT("Merge", "每次輸出平均比較 %1 次。")).Real(double(shown.comparisons) / double(shown.pops), 2));
    panel->summary = summary;
    panel->top = m_pOutput.get();
    panel->rows = this;
    panel->record = m_pMerge.get();
    // The pops decide the output, the heads and the last run; the run the
    // root shows changes within a pop (below 1024 runs, so it fits).
    panel->revision = shown.pops * 2048 + shown.nextRun + 1;
    panel->copyable = true;
    panel->started = shown.pops == 0;
    panel->topColumn = shown.pops - 1;
    if (shown.lastRun >= 0) {
        panel->row = shown.lastRun;
        panel->rowColumn = std::min<int64_t>(shown.consumed[std::size_t(shown.lastRun)],
                                             int64_t(m_pMerge->Run(shown.lastRun).size()) - 1);
    }
    return true;
}

int MergeState::Count() const
{
    return m_pMerge ? m_pMerge->RunCount() : 0;
}

int64_t MergeState::Length(int row) const
{
    return int64_t(m_pMerge->Run(row).size());
}

Message MergeState::Title(int row) const
{
    return Said(ZARNI_TEXT("Merge", "序列 %1")).Number(row + 1);
}

// Values already read greyed; each head marked, the one the root shows
// (the next to leave) more strongly.
PanelCell MergeState::Cell(int row, int64_t column) const
{
    const int64_t head = m_panelMerge.consumed[std::size_t(row)];
    PanelCell cell{m_pMerge->Run(row)[std::size_t(column)], PanelCell::Look::Plain};
    if (column < head)
        cell.look = PanelCell::Look::Read;
    else if (column == head)
        cell.look = row == m_panelMerge.nextRun ? PanelCell::Look::Winner : PanelCell::Look::Head;
    return cell;
}
