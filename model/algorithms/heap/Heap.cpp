#include "Heap.h"
#include "model/algorithms/CommandIds.h"
#include "HeapExercises.h"

#include "model/WideValue.h"
#include "model/algorithms/Values.h"

#include <algorithm>
#include <climits>

namespace {

const char kContext[] = "Heap";
const char kMenu[] = ZARNI_TEXT("CMainFrame", "堆積(&P)");
// The output under the check shows its tail.
const std::size_t kMostOutputShown = 40;
using Kind = HeapAlgorithm::Kind;

Message Said(const char *text)
{
    return Message(kContext, text);
}

HeapState &State(TreeModel &model)
{
    return model.Find<HeapState>();
}

bool IsBuild(Kind kind)
{
    return kind == Kind::Build || kind == Kind::BuildByInsert || kind == Kind::Sort;
}

std::string Joined(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last)
{
    std::string text;
    for (auto it = first; it != last; ++it)
        text += (it != first ? " " : "") + std::to_string(*it);
    return text;
}

// The statement that plays a heap's run again.
std::string Statement(const HeapAlgorithm &run)
{
    const HeapOperand operand = run.GivenOperand();
    switch (run.WhichKind()) {
    case Kind::Build: return "heap build";
    case Kind::BuildByInsert: return "heap build-by-insert";
    case Kind::Sort: return "heap sort";
    case Kind::Insert: return "heap insert " + std::to_string(operand.value);
    case Kind::Extract: return "heap extract";
    case Kind::Key: return "heap key " + std::to_string(operand.node) + " " + std::to_string(operand.value);
    case Kind::Delete: return "heap delete " + std::to_string(operand.node);
    }
    return std::string();
}

// A node and a value of a dialog's fields, each where the kind has it.
Outcome StartFromFields(TreeModel &model, Kind kind, const std::vector<std::string> &fields)
{
    HeapOperand operand;
    std::size_t next = 0;
    if (kind != Kind::Insert) {
        const std::string &word = fields[next++];
        int64_t node = 0;
        const NumberError error = !word.empty() && word[0] == '-' ? NumberError::NotANumber
                                                                  : ReadWholeNumber(word, 1, model.Count(), &node);
        if (error == NumberError::NotANumber)
            return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "「%1」不是整數。")).Word(word), 0);
        if (error == NumberError::OutOfRange)
            return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。"))
                                        .Word(word)
                                        .Number(model.Count()),
                                    0);
        operand.node = node;
    }
    if (kind != Kind::Delete) {
        if (Message problem = ReadNodeValue(fields[next], &operand.value); !problem.Empty())
            return Outcome::Refused(problem, int(next));
    }
    Outcome outcome = State(model).Start(kind, operand);
    if (outcome.Failed())
        outcome.field = 0;
    return outcome;
}

std::shared_ptr<DialogForm> OperandDialog(Kind kind, const char *title)
{
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::NodeValue;
    dialog->title = Said(title);
    dialog->node = kind != Kind::Insert;
    dialog->value = kind != Kind::Delete;
    dialog->fieldName = "heapNode";
    dialog->valueName = "heapValue";
    dialog->problemName = "heapProblem";
    dialog->nodePrompt = [](const TreeModel &model) {
        return Said(ZARNI_TEXT("Heap", "節點（1 到 %1）：")).Number(model.Find<HeapState>().Size());
    };
    dialog->valuePrompt = Said(ZARNI_TEXT("Heap", "值（-%1 到 %1）：")).Number(kMaxNodeValue);
    dialog->apply = [kind](TreeModel &model, const std::vector<std::string> &fields) {
        return StartFromFields(model, kind, fields);
    };
    return dialog;
}

void Values(StatementHost &host, const std::vector<std::string> &words)
{
    HeapState &state = State(host.Model());
    const std::string how = words.size() > 1 ? words[1] : std::string();
    if (how == "random" && (words.size() == 2 || words.size() == 4)) {
        const int low = words.size() == 4 ? int(host.Number(words[2], -kMaxNodeValue, kMaxNodeValue, "LO")) : 0;
        const int high = words.size() == 4 ? int(host.Number(words[3], low, kMaxNodeValue, "HI")) : 99;
        return state.FillValues(HeapState::Fill::Random, low, high, [&host](int lo, int hi) { return host.Random(lo, hi); });
    }
    if ((how == "ascending" || how == "descending") && words.size() == 2)
        return state.FillValues(how == "ascending" ? HeapState::Fill::Ascending : HeapState::Fill::Descending, 0, 0, {});
    std::string line;
    for (std::size_t i = 1; i < words.size(); ++i)
        line += words[i] + ' ';
    host.Start(state.SetValues(ValueWords(line)));
}

// A heap's kind, or an operation played to its end before the next
// statement.
void HeapStatement(StatementHost &host, const std::vector<std::string> &words)
{
    struct Operation {
        const char *word;
        Kind kind;
        const char *operands; // "I" a node, "V" a value
    };
    static const Operation operations[] = {{"build", Kind::Build, ""},   {"build-by-insert", Kind::BuildByInsert, ""},
                                           {"sort", Kind::Sort, ""},     {"insert", Kind::Insert, "V"},
                                           {"extract", Kind::Extract, ""}, {"key", Kind::Key, "IV"},
                                           {"delete", Kind::Delete, "I"}};
    HeapState &state = State(host.Model());
    const std::string what = words.size() > 1 ? words[1] : std::string();
    if (what == "max" || what == "min") {
        host.Expect(words, 2);
        return state.SetMin(what == "min");
    }
    if (what == "out") { // what was extracted before, as a lesson keeps it
        std::vector<int> out(words.size() - 2);
        for (std::size_t i = 2; i < words.size(); ++i)
            if (Message problem = ReadNodeValue(words[i], &out[i - 2]); !problem.Empty())
                host.Refuse(problem);
        if (!state.SetOut(std::move(out)))
            host.Fail("'heap out' needs a heap's values: set them with 'values' first");
        return;
    }
    const Operation *operation = std::find_if(std::begin(operations), std::end(operations),
                                              [&](const Operation &o) { return what == o.word; });
    if (operation == std::end(operations))
        host.Fail("'heap' takes max, min, build, build-by-insert, sort, insert, extract, key, delete or out, not '" +
                  what + "'");
    const std::string operands = operation->operands;
    if (words.size() != 2 + operands.size()) {
        std::string usage = "heap " + what;
        for (const char operand : operands)
            usage += operand == 'I' ? " I" : " V";
        host.Fail("'heap' expects: " + usage);
    }
    HeapOperand operand;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (operands[i] == 'I')
            operand.node = host.Number(words[2 + i], 1, INT32_MAX, "the node index");
        else if (Message problem = ReadNodeValue(words[2 + i], &operand.value); !problem.Empty())
            host.Refuse(problem);
    }
    host.Start(state.Start(operation->kind, operand));
    host.RunToEnd();
}

std::vector<StatementEntry> Statements()
{
    return {
        {"values", "values V1 ... VN", {{"values V1 ... VN", {"ID_HEAP_VALUES"}}},
         "  values V1 ... VN  every node's value in heap order (-99999 to 99999); or\n"
         "                    values random [LO HI], values ascending, values descending\n",
         false, Values},
        {"heap", "heap max|min|build|build-by-insert|sort|insert V|extract|key I V|delete I|out V...",
         {{"heap insert V", {"ID_HEAP_INSERT"}}, {"heap key I V", {"ID_HEAP_KEY"}}, {"heap delete I", {"ID_HEAP_DELETE"}}},
         "  heap max|min      the kind of heap the next operation keeps\n"
         "  heap build|build-by-insert|sort   a heap operation, played to its end\n"
         "  heap insert V|extract|key I V|delete I   insert a value, extract the root,\n"
         "                    give node I a new value, delete node I; played to the end\n"
         "  heap out V1 ...   the values extracted before (as a lesson keeps them)\n",
         false, HeapStatement},
    };
}

CommandEntry Command(const char *name, int value, int group, const char *text, const char *prompt)
{
    return {name, value, kMenu, group, Message("CMainFrame", text), Message("Strings", prompt)};
}

CommandEntry RunCommand(const char *name, int value, int group, const char *text, const char *prompt, Kind kind)
{
    CommandEntry command = Command(name, value, group, text, prompt);
    command.act = [kind](TreeModel &model) { return State(model).Start(kind); };
    return command;
}

CommandEntry KindCommand(const char *name, int value, bool min, const char *text, const char *prompt)
{
    CommandEntry command = Command(name, value, 20, text, prompt);
    command.checked = [min](const TreeModel &model) { return model.Find<HeapState>().Min() == min; };
    command.act = [min](TreeModel &model) {
        State(model).SetMin(min);
        return Outcome();
    };
    return command;
}

CommandEntry DialogCommand(const char *name, int value, const char *text, const char *prompt, Kind kind, const char *title)
{
    CommandEntry command = Command(name, value, 40, text, prompt);
    command.dialog = OperandDialog(kind, title);
    return command;
}

std::vector<CommandEntry> Commands()
{
    CommandEntry values = Command(ZARNI_COMMAND_ID(ID_HEAP_VALUES), 10, ZARNI_TEXT("CMainFrame", "設定節點值(&V)..."),
                                 ZARNI_TEXT("Strings", "依堆積順序設定每個節點的值\n設定節點值"));
    values.dialog = std::make_shared<DialogForm>();
    values.dialog->kind = DialogForm::Kind::Values;
    values.dialog->fieldName = "leafValues";
    values.dialog->problemName = "leafProblem";
    values.dialog->apply = [](TreeModel &model, const std::vector<std::string> &words) {
        return State(model).SetValues(words);
    };
    return {
        values,
        KindCommand(ZARNI_COMMAND_ID(ID_HEAP_MAX), false, ZARNI_TEXT("CMainFrame", "最大堆積(&X)"),
                    ZARNI_TEXT("Strings", "之後的堆積操作維持最大堆積：父節點的值不小於子節點\n最大堆積")),
        KindCommand(ZARNI_COMMAND_ID(ID_HEAP_MIN), true, ZARNI_TEXT("CMainFrame", "最小堆積(&N)"),
                    ZARNI_TEXT("Strings", "之後的堆積操作維持最小堆積：父節點的值不大於子節點\n最小堆積")),
        RunCommand(ZARNI_COMMAND_ID(ID_HEAP_BUILD), 30, ZARNI_TEXT("CMainFrame", "由下而上建堆積(&B)"),
                   ZARNI_TEXT("Strings", "由下而上建堆積：從 ⌊N/2⌋ 到 1 逐一下沉\n由下而上建堆積"), Kind::Build),
        RunCommand(ZARNI_COMMAND_ID(ID_HEAP_BUILD_BY_INSERT), 30, ZARNI_TEXT("CMainFrame", "逐一插入建堆積(&I)"),
                   ZARNI_TEXT("Strings", "逐一插入建堆積：節點 2 到 N 逐一上浮\n逐一插入建堆積"), Kind::BuildByInsert),
        RunCommand(ZARNI_COMMAND_ID(ID_HEAP_SORT), 30, ZARNI_TEXT("CMainFrame", "堆積排序(&S)"),
                   ZARNI_TEXT("Strings", "堆積排序：建堆積後，逐一把樹根換到最後\n堆積排序"), Kind::Sort),
        DialogCommand(ZARNI_COMMAND_ID(ID_HEAP_INSERT), ZARNI_TEXT("CMainFrame", "插入值(&A)..."),
                      ZARNI_TEXT("Strings", "在最後加一個節點放入新的值，再讓它上浮\n插入值"), Kind::Insert,
                      ZARNI_TEXT("Heap", "插入值")),
        RunCommand(ZARNI_COMMAND_ID(ID_HEAP_EXTRACT), 40, ZARNI_TEXT("CMainFrame", "取出樹根(&E)"),
                   ZARNI_TEXT("Strings", "輸出樹根的值，把最後一個節點的值移到樹根，再讓它下沉\n取出樹根"), Kind::Extract),
        DialogCommand(ZARNI_COMMAND_ID(ID_HEAP_KEY), ZARNI_TEXT("CMainFrame", "更改節點值(&K)..."),
                      ZARNI_TEXT("Strings", "給一個節點新的值，再讓它上浮或下沉\n更改節點值"), Kind::Key,
                      ZARNI_TEXT("Heap", "更改節點值")),
        DialogCommand(ZARNI_COMMAND_ID(ID_HEAP_DELETE), ZARNI_TEXT("CMainFrame", "刪除節點(&D)..."),
                      ZARNI_TEXT("Strings", "刪除一個節點：最後一個節點的值移過來，再讓它上浮或下沉\n刪除節點"), Kind::Delete,
                      ZARNI_TEXT("Heap", "刪除節點")),
    };
}

} // namespace

AlgorithmEntry HeapEntry()
{
    AlgorithmEntry entry = EntryOf<HeapState>("heap", Statements, Commands);
    entry.exercises = HeapExercises;
    return entry;
}

const HeapAlgorithm *HeapState::OwnRun() const
{
    return m_pRun && m_pRun == m_model.Run() ? m_pRun : nullptr;
}

Outcome HeapState::SetValues(const std::vector<std::string> &words)
{
    std::vector<int> values;
    if (Message problem = ReadNodeValues(words, m_model.Count(), false, &values); !problem.Empty())
        return Outcome::Refused(problem);
    WriteValues([&](int64_t i) { return values[std::size_t(i - 1)]; });
    return {};
}

void HeapState::FillValues(Fill fill, int low, int high, const std::function<int(int, int)> &random)
{
    const int64_t count = m_model.Count();
    WriteValues([&](int64_t i) {
        switch (fill) {
        case Fill::Ascending: return int(std::min<int64_t>(i, kMaxNodeValue));
        case Fill::Descending: return int(std::max<int64_t>(count - i + 1, -kMaxNodeValue));
        case Fill::Random: break;
        }
        return random(low, high);
    });
}

void HeapState::WriteValues(const std::function<int(int64_t)> &valueOf)
{
    m_model.NewValues(this);
    // Checked as they are written, for either kind of heap.
    m_written = {true, 0, 0};
    int parent = 0;
    for (int64_t i = 1; i <= m_model.Count(); ++i) {
        const int value = valueOf(i);
        m_model.SetValue(i, value);
        if (i > 1) {
            parent = m_model.Value(i / 2);
            if (value > parent && !m_written.maxViolation)
                m_written.maxViolation = i;
            if (value < parent && !m_written.minViolation)
                m_written.minViolation = i;
        }
    }
    m_bValues = true;
    m_out.clear();
    m_model.ValuesChanged();
    m_model.AlgorithmChanged();
}

bool HeapState::SetOut(std::vector<int> out)
{
    if (!m_bValues)
        return false;
    m_model.EndRun();
    m_out = std::move(out);
    m_model.AlgorithmChanged();
    return true;
}

void HeapState::SetMin(bool min)
{
    m_bMin = min;
    m_model.AlgorithmChanged();
}

// The builds and heapsort take the values as they are shown; an operation
// on one value needs a heap of the kind chosen. Either way the marks go, so
// the whole tree is the heap.
Outcome HeapState::Start(Kind kind, HeapOperand operand)
{
    const bool build = IsBuild(kind);
    // An operation asked for while the one before still plays takes the
    // heap that one leaves.
    const HeapAlgorithm *before = OwnRun();
    if (!build && before && before->EndsInHeap(m_bMin) && !m_model.AtEnd())
        m_model.SeekTo(m_model.StepCount());
    const int64_t size = build ? m_model.Count() : SizeUnmarked();
    if (build && !m_bValues) { // a merge's or a replacement's empty and -∞ labels are no values
        if (const int64_t empty = FirstWithoutValue(size))
            return Outcome::Refused(NoValue(empty));
    }
    if (!build) {
        if (Message problem = Refusal(kind, operand, size); !problem.Empty())
            return Outcome::Refused(problem);
    }
    m_model.NewValues(this);
    m_bValues = true;
    auto run = std::make_unique<HeapAlgorithm>(kind, m_bMin, m_model, size, operand);
    const HeapAlgorithm *shown = run.get();
    m_model.Load(std::move(run));
    m_pRun = shown;
    m_model.ValuesChanged();
    return Outcome::Play();
}

Message HeapState::Refusal(Kind kind, HeapOperand operand, int64_t size) const
{
    if (Size() < size) // the sorted part of a heapsort is no heap
        return Problem(ZARNI_TEXT("CProblemText", "畫面上是堆積排序：排好的節點不是堆積。請先重新建堆積或設定節點值。"));
    if (!m_bValues) {
        if (const int64_t empty = FirstWithoutValue(size))
            return NoValue(empty);
    }
    if (kind == Kind::Insert && size >= INT32_MAX)
        return Problem(ZARNI_TEXT("CProblemText", "這棵樹已經有 %1 個節點，不能再加。")).Number(size);
    if (kind != Kind::Insert && size == 0)
        return Problem(ZARNI_TEXT("CProblemText", "堆積是空的。"));
    if ((kind == Kind::Key || kind == Kind::Delete) && (operand.node < 1 || operand.node > size))
        return Problem(ZARNI_TEXT("CProblemText", "堆積沒有節點 %1：索引必須在 1 到 %2 之間。")).Number(operand.node).Number(size);
    if (const int64_t bad = FirstViolation(size))
        return (m_bMin ? Problem(ZARNI_TEXT("CProblemText", "這些值不是最小堆積：節點 %1 的值小於它的父節點的值。"))
                       : Problem(ZARNI_TEXT("CProblemText", "這些值不是最大堆積：節點 %1 的值大於它的父節點的值。")))
            .Number(bad);
    return {};
}

void HeapState::TreeTaken()
{
    const bool had = m_bValues;
    m_bValues = false;
    m_out.clear();
    m_pRun = nullptr;
    m_written.known = false;
    if (had)
        m_model.AlgorithmChanged();
}

// An extraction shown past its first step has written its value out.
void HeapState::RunEnding()
{
    int value = 0;
    if (const HeapAlgorithm *run = OwnRun(); run && run->Extracted(&value))
        m_out.push_back(value);
    m_pRun = nullptr;
    m_written.known = false;
}

std::vector<int> HeapState::Out() const
{
    std::vector<int> out = m_out;
    int value = 0;
    if (const HeapAlgorithm *run = OwnRun(); run && run->Extracted(&value))
        out.push_back(value);
    return out;
}

std::size_t HeapState::ExtractedByRun() const
{
    int value = 0;
    return OwnRun() && OwnRun()->Extracted(&value) ? 1 : 0;
}

// The last extraction or deletion leaves one node with an empty label.
int64_t HeapState::SizeUnmarked() const
{
    return m_bValues && m_model.Count() == 1 && m_model.Value(1) == NodeStates::kNoLabel ? 0 : m_model.Count();
}

// The heap is the nodes before the sorted ones at the end.
int64_t HeapState::Size() const
{
    int64_t size = SizeUnmarked();
    while (size > 0 && m_model.Mark(size) == kMarkSettled)
        --size;
    return size;
}

Message HeapState::NoValue(int64_t node) const
{
    if (WideNumbers::IsCode(m_model.Value(node)))
        return Problem(ZARNI_TEXT("CProblemText", "節點 %1 的值 %2 超出範圍：堆積的值必須在 -%3 到 %3 之間。"))
            .Number(node)
            .Number(m_model.Number(m_model.Value(node)))
            .Number(kMaxNodeValue);
    return Problem(ZARNI_TEXT("CProblemText", "節點 %1 沒有值：堆積的每個節點都要是整數。")).Number(node);
}

// The first node within size whose label is no heap's value (empty, -∞, a
// sum too wide for one).
int64_t HeapState::FirstWithoutValue(int64_t size) const
{
    for (int64_t i = 1; i <= size; ++i)
        if (const int value = m_model.Value(i); value == NodeStates::kNoLabel || value == NodeStates::kLeast || WideNumbers::IsCode(value))
            return i;
    return 0;
}

// A heap's run shown at its end has left a heap of its kind, and values
// written whole were checked as they were written: only otherwise are the
// values read.
int64_t HeapState::FirstViolation(int64_t size) const
{
    const HeapAlgorithm *heap = OwnRun();
    if (heap && heap->EndsInHeap(m_bMin) && m_model.AtEnd())
        return 0;
    if (!m_model.Run() && m_written.known && size == m_model.Count())
        return m_bMin ? m_written.minViolation : m_written.maxViolation;
    return HeapAlgorithm::FirstViolation(m_model, size, m_bMin);
}

void HeapState::AddState(StateValue &state) const
{
    if (!m_bValues) {
        state.Set("heap", StateValue());
        return;
    }
    const int64_t violation = Violation();
    const std::vector<int> out = Out();
    state.Set("heap", StateValue::Object()
                          .Set("kind", m_bMin ? "min" : "max")
                          .Set("size", Size())
                          .Set("valid", violation == 0)
                          .Set("firstViolation", violation)
                          .Set("out", StateValue::Numbers(out.begin(), out.end())));
}

// Whether the values form the heap chosen, and where not; the values
// extracted so far, a long output's tail.
std::vector<Message> HeapState::Notes() const
{
    if (!m_bValues)
        return {};
    std::vector<Message> notes;
    const int64_t bad = Violation();
    if (bad == 0)
        notes.push_back(m_bMin ? Said(ZARNI_TEXT("Heap", "最小堆積：每個節點都不大於它的子節點。"))
                               : Said(ZARNI_TEXT("Heap", "最大堆積：每個節點都不小於它的子節點。")));
    else
        notes.push_back((m_bMin ? Said(ZARNI_TEXT("Heap", "不是最小堆積：節點 %1 的值 %2 小於父節點 %3 的值 %4。"))
                                : Said(ZARNI_TEXT("Heap", "不是最大堆積：節點 %1 的值 %2 大於父節點 %3 的值 %4。")))
                            .Number(bad)
                            .Value(m_model.Value(bad))
                            .Number(bad / 2)
                            .Value(m_model.Value(bad / 2)));
    const std::vector<int> out = Out();
    if (!out.empty()) {
        const std::size_t shown = std::min(out.size(), kMostOutputShown);
        std::string values = shown < out.size() ? "…, " : "";
        for (std::size_t i = out.size() - shown; i < out.size(); ++i)
            values += std::to_string(out[i]) + (i + 1 < out.size() ? ", " : "");
        notes.push_back(Said(ZARNI_COUNTED("Heap", "已取出 %n 個值：%1")).Count(int64_t(out.size())).Word(values));
    }
    return notes;
}

// A heap's values before its run, where the statements can give them: whole
// numbers (the empty heap left aside), under no other kind of run.
std::vector<int> HeapState::ValuesBefore() const
{
    if (!m_bValues || (m_model.Run() && !OwnRun()))
        return {};
    std::vector<int> before = m_model.ValuesBeforeRun();
    const bool emptied = before.size() == 2 && before[1] == NodeStates::kNoLabel; // the last value extracted
    if (emptied && Out().size() > ExtractedByRun())
        return before;
    if (std::find(before.begin() + 1, before.end(), NodeStates::kNoLabel) != before.end())
        return {};
    return before;
}

// A heap's values as they were before the run shown, its kind, and that run
// played again to the step shown. The values extracted before that run are
// not statements of their own.
LessonTree HeapState::WriteTree(LessonLines &lines) const
{
    const std::vector<int> before = ValuesBefore();
    if (before.empty())
        return {};
    const HeapAlgorithm *run = OwnRun();
    const bool min = run ? run->MinHeap() : m_bMin;
    const std::size_t extracted = ExtractedByRun();
    const std::vector<int> out = Out();
    const bool emptied = before.size() == 2 && before[1] == NodeStates::kNoLabel;
    lines.Add("nodes " + std::to_string(before.size() - 1));
    // The empty heap is the one value extracted last before the run shown.
    if (emptied)
        lines.Add("values " + std::to_string(out[out.size() - extracted - 1]));
    else
        lines.Add("values " + Joined(before.begin() + 1, before.end()));
    lines.Add(std::string("heap ") + (min ? "min" : "max"));
    if (emptied)
        lines.Add("heap extract");
    if (out.size() > extracted)
        lines.Add("heap out " + Joined(out.begin(), out.end() - std::ptrdiff_t(extracted)));
    if (run) {
        lines.Add(Statement(*run));
        if (!m_model.AtEnd())
            lines.Add("seek " + std::to_string(m_model.Shown()));
    }
    if (m_bMin != min)
        lines.Add(std::string("heap ") + (m_bMin ? "min" : "max"));
    return {true, false, true};
}
