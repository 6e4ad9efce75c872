#include "Replacement.h"
#include "model/algorithms/CommandIds.h"
#include "ReplacementExercise.h"

#include "model/algorithms/Values.h"
#include "model/algorithms/merge/Merge.h"
#include "model/algorithms/tournament/Tournament.h"

namespace {

const char kContext[] = "Replacement";
const char kMenu[] = "Winner Tree";
// Beyond this many values written the state gives the counts.
const int64_t kMostListedValues = 10000;

Message Said(const char *text)
{
    return Message(kContext, text);
}

ReplacementState &State(TreeModel &model)
{
    return model.Find<ReplacementState>();
}

std::string Joined(const std::vector<int> &values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? " " : "") + std::to_string(values[i]);
    return text;
}

Outcome StartFromText(TreeModel &model, int memory, const std::string &text)
{
    std::vector<int> values;
    if (const auto problem = ReplacementAlgorithm::Parse(text, &values); problem.error != ReplacementAlgorithm::Error::None)
        return Outcome::Refused(ReplacementProblem(problem));
    return State(model).Start(memory, std::move(values));
}

std::shared_ptr<DialogForm> ReplaceDialog()
{
    using R = ReplacementAlgorithm;
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::Numbers;
    dialog->title = Said(ZARNI_TEXT("Replacement", "置換選擇"));
    dialog->prompt = Said(ZARNI_TEXT("Replacement", "要切成序列的值，以空白或換行分隔；整數 -%1 到 %1，最多 %2 個。以 # 開頭的行不算。"))
                         .Number(kMaxNodeValue)
                         .Number(R::kMaxInput);
    dialog->fieldName = "replaceInput";
    dialog->problemName = "replaceProblem";
    dialog->spinName = "replaceMemory";
    dialog->startText = "31 12 57 8 40 3 66 25 19 71 5 48 36 90 14 27\n";
    dialog->spinPrompt = Said(ZARNI_TEXT("Replacement", "記憶體可放的紀錄數 P（%1 到 %2）：")).Number(R::kMinMemory).Number(R::kMaxMemory);
    dialog->spinLow = R::kMinMemory;
    dialog->spinHigh = R::kMaxMemory;
    dialog->spinStart = 4;
    dialog->fillCounts = {{Said(ZARNI_TEXT("Replacement", "個數")), 1, R::kMaxInput, 30}};
    // Random values are small, as a class can read them.
    dialog->fill = [](const std::vector<int> &counts, const std::function<int(int, int)> &random) {
        std::vector<int> values(std::size_t(counts[0]), 0);
        for (int &value : values)
            value = random(0, 99);
        return Joined(values) + '\n';
    };
    dialog->filled = [](const std::vector<int> &counts) {
        return Said(ZARNI_TEXT("Replacement", "# %1 個隨機值（太多，不在這裡列出）")).Number(counts[0]);
    };
    dialog->loadTitle = Said(ZARNI_TEXT("Replacement", "載入輸入"));
    dialog->check = [](const std::string &text, int64_t *count) {
        std::vector<int> values;
        const auto problem = ReplacementAlgorithm::Parse(text, &values);
        *count = int64_t(values.size());
        return ReplacementProblem(problem);
    };
    dialog->loaded = [](const std::string &fileName, const std::string &text) {
        std::vector<int> values;
        ReplacementAlgorithm::Parse(text, &values);
        return Said(ZARNI_TEXT("Replacement", "# 從 %1 載入的 %2 個值（太多，不在這裡列出）")).Word(fileName).Number(int64_t(values.size()));
    };
    dialog->apply = [](TreeModel &model, const std::vector<std::string> &fields) {
        return StartFromText(model, std::stoi(fields[0]), fields[1]);
    };
    return dialog;
}

void Replace(StatementHost &host, const std::vector<std::string> &words)
{
    using R = ReplacementAlgorithm;
    if (words.size() < 3)
        host.Expect(words, 3);
    const int memory = int(host.Number(words[1], R::kMinMemory, R::kMaxMemory, "P"));
    std::vector<int> values;
    if (words[2] == "random") {
        host.Expect(words, 4);
        values.resize(std::size_t(host.Number(words[3], 1, R::kMaxInput, "N")));
        for (int &value : values)
            value = host.Random(-kMaxNodeValue, kMaxNodeValue);
        host.Start(State(host.Model()).Start(memory, std::move(values)));
        return host.RunToEnd();
    }
    std::string text, where;
    if (words[2] == "file") {
        host.Expect(words, 4);
        text = host.ReadInput(words[3], words[0]);
        where = words[3] + ": ";
    } else {
        for (std::size_t i = 2; i < words.size(); ++i)
            text += (i > 2 ? " " : "") + words[i];
    }
    R::Problem problem = R::Parse(text, &values);
    if (where.empty())
        problem.line = 0; // the values stand on the script's line
    if (problem.error != R::Error::None)
        host.Refuse(ReplacementProblem(problem), where);
    host.Start(State(host.Model()).Start(memory, std::move(values)));
    host.RunToEnd();
}

std::vector<StatementEntry> Statements()
{
    return {
        {"replace", "replace P V1 ... Vn, replace P file PATH or replace P random N",
         {{"replace P V1 ... Vn", {"ID_WINNER_REPLACE"}},
          {"replace P file PATH", {"ID_WINNER_REPLACE"}},
          {"replace P random N", {"ID_WINNER_REPLACE"}}},
         "  replace P V1 ... Vn   replacement selection with memory P (2 to 1024) of the values;\n"
         "                    or replace P file PATH, replace P random N; played to the end\n",
         false, Replace},
        {"merge-runs", "merge-runs", {}, "  merge-runs        merge the runs the replacement selection made\n", false,
         [](StatementHost &host, const std::vector<std::string> &words) {
             host.Expect(words, 1);
             const ReplacementState &state = State(host.Model());
             if (state.Active() && state.Record()->Runs().size() == 1)
                 return host.Note(Problem(ZARNI_TEXT("CProblemText", "輸入整個成為一個排好的序列，不必合併。")));
             host.Start(State(host.Model()).MergeRuns());
             host.RunToEnd();
         }},
    };
}

std::vector<CommandEntry> Commands()
{
    const char *commands = "CMainFrame", *prompts = "Strings";
    CommandEntry replace{ZARNI_COMMAND_ID(ID_WINNER_REPLACE), kMenu, 50, Message(commands, ZARNI_TEXT("CMainFrame", "置換選擇(&C)...")),
                        Message(prompts, ZARNI_TEXT("Strings", "用選擇樹把一串值切成由大到小排好的序列（置換選擇）\n置換選擇"))};
    replace.dialog = ReplaceDialog();
    CommandEntry merge{ZARNI_COMMAND_ID(ID_WINNER_MERGE_RUNS), kMenu, 50, Message(commands, ZARNI_TEXT("CMainFrame", "合併這些序列(&G)")),
                      Message(prompts, ZARNI_TEXT("Strings", "把置換選擇產生的序列合併成一個排好的序列\n合併這些序列"))};
    merge.enabled = [](const TreeModel &model) { return model.Find<ReplacementState>().Active(); };
    merge.act = [](TreeModel &model) { return State(model).MergeRuns(); };
    return {replace, merge};
}

} // namespace

AlgorithmEntry ReplacementEntry()
{
    AlgorithmEntry entry = EntryOf<ReplacementState>("replacement", Statements, Commands);
    entry.exercises = ReplacementExercises;
    return entry;
}

Message ReplacementProblem(const ReplacementAlgorithm::Problem &problem)
{
    using E = ReplacementAlgorithm::Error;
    Message said;
    switch (problem.error) {
    case E::None: return {};
    case E::NotANumber: said = Problem(ZARNI_TEXT("CProblemText", "「%1」不是整數。")).Word(problem.word); break;
    case E::OutOfRange:
        said = Problem(ZARNI_TEXT("CProblemText", "%1 超出範圍：值必須在 -%2 到 %2 之間。")).Word(problem.word).Number(kMaxNodeValue);
        break;
    case E::NoValues: said = Problem(ZARNI_TEXT("CProblemText", "沒有任何值。")); break;
    case E::TooMany: said = Problem(ZARNI_TEXT("CProblemText", "最多只能有 %1 個值。")).Number(ReplacementAlgorithm::kMaxInput); break;
    }
    return problem.line == 0 ? said : Problem(ZARNI_TEXT("CProblemText", "第 %1 行：")).Number(problem.line).Append(said);
}

// The input still to read, in one row.
class ReplacementState::InputRow : public PanelRows {
public:
    explicit InputRow(const ReplacementState &state) : m_state(state) {}
    int Count() const override { return m_state.m_pRecord ? 1 : 0; }
    int64_t Length(int) const override
    {
        return int64_t(Record().Input().size()) - Record().ReadBy(m_state.m_nPanelStep);
    }
    Message Title(int) const override { return Said(ZARNI_TEXT("Replacement", "待讀入")); }
    PanelCell Cell(int, int64_t column) const override
    {
        return {Record().Input()[std::size_t(Record().ReadBy(m_state.m_nPanelStep) + column)], PanelCell::Look::Plain};
    }

private:
    const ReplacementRecord &Record() const { return *m_state.m_pRecord; }
    const ReplacementState &m_state;
};

ReplacementState::ReplacementState(TreeModel &model) : AlgorithmState(model), m_pInput(std::make_unique<InputRow>(*this)) {}

ReplacementState::~ReplacementState() = default;

const ReplacementAlgorithm *ReplacementState::OwnRun() const
{
    return m_pRun && m_pRun == m_model.Run() ? m_pRun : nullptr;
}

int64_t ReplacementState::Step() const
{
    return OwnRun() ? m_model.Shown() : m_nStep;
}

void ReplacementState::Load(std::unique_ptr<ReplacementAlgorithm> run)
{
    m_pRecord = run->Record();
    m_nStep = 0;
    const ReplacementAlgorithm *shown = run.get();
    m_model.Load(std::move(run));
    m_pRun = shown;
    m_model.AlgorithmChanged();
}

Outcome ReplacementState::Start(int memory, std::vector<int> input)
{
    m_model.NewTree(2 * int64_t(memory) - 1); // ends any run and merge
    Load(std::make_unique<ReplacementAlgorithm>(memory, std::move(input), IsLoserTree(m_model)));
    return Outcome::Play();
}

Outcome ReplacementState::MergeRuns()
{
    if (!m_pRecord)
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "這個視窗沒有置換選擇產生的序列。")));
    std::vector<std::vector<int>> runs = m_pRecord->Runs();
    if (runs.size() == 1)
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "輸入整個成為一個排好的序列，不必合併。")));
    if (runs.size() > std::size_t(WinnerMerge::kMaxRuns))
        return Outcome::Refused(Problem(ZARNI_COUNTED("CProblemText", "置換選擇產生了 %n 個序列，合併最多只能有 %1 個。"))
                                    .Count(int64_t(runs.size()))
                                    .Number(WinnerMerge::kMaxRuns));
    return m_model.Find<MergeState>().Start(std::move(runs));
}

void ReplacementState::TreeTaken()
{
    const bool had = Active();
    m_pRecord.reset();
    m_pRun = nullptr;
    if (had)
        m_model.AlgorithmChanged();
}

void ReplacementState::RunEnding()
{
    if (OwnRun())
        m_nStep = m_model.Shown();
    m_pRun = nullptr;
}

// The same input cut again by a tree of the new kind, at its end if it
// stood there.
bool ReplacementState::TreeKindChanged(Outcome *outcome)
{
    if (!Active())
        return false;
    const bool atEnd = Step() == m_pRecord->StepCount();
    const std::shared_ptr<const ReplacementRecord> record = m_pRecord;
    m_model.TakeTree(this);
    m_model.ClearMarks();
    for (int64_t i = 0; i <= m_model.Count(); ++i)
        m_model.SetValue(i, NodeStates::kNoLabel);
    m_model.ValuesChanged();
    Load(std::make_unique<ReplacementAlgorithm>(record->Memory(), record->Input(), IsLoserTree(m_model)));
    if (atEnd)
        m_model.SeekTo(m_model.StepCount());
    *outcome = {};
    return true;
}

// What the replacement has read and the runs it has made by the step
// shown, the current one last; the values themselves while they are few.
void ReplacementState::AddState(StateValue &state) const
{
    if (!Active()) {
        state.Set("replacement", StateValue());
        return;
    }
    const ReplacementRecord &record = *m_pRecord;
    const int64_t step = Step();
    const int64_t written = record.WrittenBy(step);
    const int runCount = written ? record.RunsBy(step) : 0;
    StateValue runs;
    if (written <= kMostListedValues) {
        runs = StateValue::List();
        for (int j = 0; j < runCount; ++j) {
            const auto [first, end] = record.RunWrittenBy(j, step);
            runs.Add(StateValue::Numbers(record.Output().begin() + first, record.Output().begin() + end));
        }
    }
    state.Set("replacement", StateValue::Object()
                                 .Set("memory", record.Memory())
                                 .Set("input", int64_t(record.Input().size()))
                                 .Set("read", record.ReadBy(step))
                                 .Set("written", written)
                                 .Set("runCount", runCount)
                                 .Set("runs", runs)
                                 .Set("done", step == record.StepCount()));
}

// The input and the memory, shown at the step it stood.
LessonTree ReplacementState::WriteTree(LessonLines &lines) const
{
    if (!Active())
        return {};
    lines.Add("replace " + std::to_string(m_pRecord->Memory()) + " " + Joined(m_pRecord->Input()));
    lines.Add("seek " + std::to_string(Step()));
    return {true, false, false};
}

// The input still to read above the runs made, and how long the runs are
// against the memory: about twice as long on random input.
bool ReplacementState::Panel(RecordPanel *panel) const
{
    if (!Active())
        return false;
    const ReplacementRecord &record = *m_pRecord;
    const int64_t step = m_nPanelStep = Step();
    const int64_t written = record.WrittenBy(step);
    const int runs = Count();
    Message summary = Said(ZARNI_TEXT("Replacement", "置換選擇：已讀入 %1/%2 個值，寫出 %3 個；%4 個序列，平均長度 %5（P = %6，隨機輸入理論上約 2P = %7）"))
                          .Number(record.ReadBy(step))
                          .Number(int64_t(record.Input().size()))
                          .Number(written)
                          .Number(runs);
    if (runs)
        summary.Real(double(written) / runs, 1);
    else
        summary.Word("-");
    panel->summary = summary.Number(record.Memory()).Number(2 * int64_t(record.Memory()));
    panel->top = m_pInput.get();
    panel->rows = this;
    panel->record = m_pRecord.get();
    panel->revision = record.ReadBy(step) * (int64_t(record.Input().size()) + 1) + written;
    panel->started = step == 0;
    if (runs > 0) {
        panel->row = runs - 1;
        panel->rowColumn = Length(runs - 1) - 1;
    }
    return true;
}

int ReplacementState::Count() const
{
    return m_pRecord && m_pRecord->WrittenBy(m_nPanelStep) > 0 ? m_pRecord->RunsBy(m_nPanelStep) : 0;
}

int64_t ReplacementState::Length(int row) const
{
    const auto [first, end] = m_pRecord->RunWrittenBy(row, m_nPanelStep);
    return end - first;
}

Message ReplacementState::Title(int row) const
{
    return Said(ZARNI_TEXT("Replacement", "序列 %1")).Number(row + 1);
}

// The value written last is marked, as a merge's output's last is.
PanelCell ReplacementState::Cell(int row, int64_t column) const
{
    const int64_t at = m_pRecord->RunWrittenBy(row, m_nPanelStep).first + column;
    const bool latest = at + 1 == m_pRecord->WrittenBy(m_nPanelStep);
    return {m_pRecord->Output()[std::size_t(at)], latest ? PanelCell::Look::Latest : PanelCell::Look::Plain};
}
