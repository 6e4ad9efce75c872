#include "Segment.h"
#include "model/algorithms/CommandIds.h"

#include "model/algorithms/Values.h"

#include <algorithm>

namespace {

const char kContext[] = "Segment";
const char kMenu[] = ZARNI_TEXT("CMainFrame", "區間樹(&G)");
// Beyond this many positions the state leaves the array out.
const int64_t kMostListedValues = 10000;
using Kind = SegmentAlgorithm::Kind;
using Operand = SegmentAlgorithm::Operand;

Message Said(const char *text)
{
    return Message(kContext, text);
}

SegmentState &State(TreeModel &model)
{
    return model.Find<SegmentState>();
}

const char *const kOpWords[] = {"sum", "min", "max"};

bool ReadOp(const std::string &word, SegmentOp *op)
{
    for (int i = 0; i < 3; ++i)
        if (word == kOpWords[i])
            *op = SegmentOp(i);
    return word == "sum" || word == "min" || word == "max";
}

template <class It>
std::string Joined(It first, It last)
{
    std::string text;
    for (It it = first; it != last; ++it)
        text += (it != first ? " " : "") + std::to_string(*it);
    return text;
}

std::string Words(const std::vector<std::string> &words, std::size_t first)
{
    std::string text;
    for (std::size_t i = first; i < words.size(); ++i)
        text += words[i] + ' ';
    return text;
}

// The values of a text, lines that begin with # left out.
Message ReadArray(const std::string &text, std::vector<int> *values)
{
    std::string kept;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::size_t first = text.find_first_not_of(" \t\r", at);
        if (first >= end || text[first] != '#')
            kept.append(text, at, end - at).push_back(' ');
        at = end + 1;
    }
    const std::vector<std::string> words = ValueWords(kept);
    if (words.empty() || int64_t(words.size()) > SegmentState::kMaxPositions)
        return Problem(ZARNI_TEXT("CProblemText", "區間樹要有 1 到 %1 個值，不是 %2 個。"))
            .Number(SegmentState::kMaxPositions)
            .Number(int64_t(words.size()));
    return ReadEachValue(words, values);
}

// The fields of a dialog as whole numbers; a word that is none is refused
// in its field.
Outcome ReadFields(const std::vector<std::string> &fields, std::vector<int64_t> *numbers)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        int64_t number = 0;
        if (ReadWholeNumber(fields[i], -(int64_t(1) << 40), int64_t(1) << 40, &number) == NumberError::NotANumber)
            return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "「%1」不是整數。")).Word(fields[i]), int(i));
        numbers->push_back(number);
    }
    return {};
}

Outcome StartFromFields(TreeModel &model, Kind kind, const std::vector<std::string> &fields)
{
    std::vector<int64_t> numbers;
    if (Outcome bad = ReadFields(fields, &numbers); bad.Failed())
        return bad;
    // A value is read as values are everywhere, so that it is named alike.
    const std::size_t valueField = kind == Kind::Set ? 1 : 2;
    int value = 0;
    if (kind != Kind::Query)
        if (Message problem = ReadNodeValue(fields[valueField], &value); !problem.Empty())
            return Outcome::Refused(problem, int(valueField));
    Operand operand{numbers[0], kind == Kind::Set ? numbers[0] : numbers[1], value};
    return State(model).Start(kind, operand);
}

std::shared_ptr<DialogForm> OperandDialog(Kind kind, const char *title)
{
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::NodeValue;
    dialog->title = Said(title);
    dialog->node = dialog->value = true;
    dialog->fieldName = "segmentFirst";
    dialog->valueName = "segmentSecond";
    dialog->problemName = "segmentProblem";
    const char *first = kind == Kind::Set ? ZARNI_TEXT("Segment", "位置 p（0 到 %1）：") : ZARNI_TEXT("Segment", "起點 L（0 到 %1）：");
    dialog->nodePrompt = [first](const TreeModel &model) {
        return Said(first).Number(std::max<int64_t>(0, model.Find<SegmentState>().Shape().n - 1));
    };
    // A leaf selected is the position the dialog starts with.
    dialog->nodeStart = [](const TreeModel &model) {
        const SegmentShape &shape = model.Find<SegmentState>().Shape();
        const int64_t node = model.SelectedNode();
        return node >= shape.leaves && node - shape.leaves < shape.n ? std::to_string(node - shape.leaves) : std::string();
    };
    const Message value = Said(ZARNI_TEXT("Segment", "值（-%1 到 %1）：")).Number(kMaxNodeValue);
    dialog->valuePrompt = kind == Kind::Set ? value : Said(ZARNI_TEXT("Segment", "終點 R："));
    if (kind == Kind::Add) {
        dialog->thirdPrompt = Said(ZARNI_TEXT("Segment", "加上的值 v（-%1 到 %1）：")).Number(kMaxNodeValue);
        dialog->thirdName = "segmentAmount";
    }
    dialog->apply = [kind](TreeModel &model, const std::vector<std::string> &fields) {
        return StartFromFields(model, kind, fields);
    };
    return dialog;
}

std::shared_ptr<DialogForm> BuildDialog()
{
    auto dialog = std::make_shared<DialogForm>();
    dialog->kind = DialogForm::Kind::Numbers;
    dialog->title = Said(ZARNI_TEXT("Segment", "建立區間樹"));
    dialog->prompt = Said(ZARNI_TEXT("Segment", "陣列的值，以空白或換行分隔；整數 -%1 到 %1，1 到 %2 個。以 # 開頭的行不算。"))
                         .Number(kMaxNodeValue)
                         .Number(SegmentState::kMaxPositions);
    dialog->fieldName = "segmentValues";
    dialog->problemName = "segmentProblem";
    dialog->startText = "5 8 6 3 2 7 2 6 1 4\n";
    dialog->fillCounts = {{Said(ZARNI_TEXT("Segment", "個數")), 1, int(SegmentState::kMaxPositions), 16}};
    dialog->fill = [](const std::vector<int> &counts, const std::function<int(int, int)> &random) {
        std::vector<int> values(std::size_t(counts[0]), 0);
        for (int &value : values)
            value = random(0, 99);
        return Joined(values.begin(), values.end()) + '\n';
    };
    dialog->filled = [](const std::vector<int> &counts) {
        return Said(ZARNI_TEXT("Segment", "# %1 個隨機值（太多，不在這裡列出）")).Number(counts[0]);
    };
    dialog->loadTitle = Said(ZARNI_TEXT("Segment", "載入陣列"));
    dialog->check = [](const std::string &text, int64_t *count) {
        std::vector<int> values;
        Message problem = ReadArray(text, &values);
        *count = int64_t(values.size());
        return problem;
    };
    dialog->loaded = [](const std::string &fileName, const std::string &text) {
        std::vector<int> values;
        ReadArray(text, &values);
        return Said(ZARNI_TEXT("Segment", "# 從 %1 載入的 %2 個值（太多，不在這裡列出）")).Word(fileName).Number(int64_t(values.size()));
    };
    dialog->apply = [](TreeModel &model, const std::vector<std::string> &fields) {
        std::vector<int> values;
        if (Message problem = ReadArray(fields.back(), &values); !problem.Empty())
            return Outcome::Refused(problem);
        return State(model).Build(State(model).NextOp(), values);
    };
    return dialog;
}

// "segment sum|min|max" alone, with values, or random; or an operation.
void SegmentStatement(StatementHost &host, const std::vector<std::string> &words)
{
    SegmentState &state = State(host.Model());
    const std::string what = words.size() > 1 ? words[1] : std::string();
    SegmentOp op = SegmentOp::Sum;
    if (ReadOp(what, &op)) {
        if (words.size() == 2)
            return state.SetNextOp(op);
        std::vector<int> values;
        if (words[2] == "random" && (words.size() == 4 || words.size() == 6)) {
            values.resize(std::size_t(host.Number(words[3], 1, SegmentState::kMaxPositions, "N")));
            const int low = words.size() == 6 ? int(host.Number(words[4], -kMaxNodeValue, kMaxNodeValue, "LO")) : 0;
            const int high = words.size() == 6 ? int(host.Number(words[5], low, kMaxNodeValue, "HI")) : 99;
            for (int &value : values)
                value = host.Random(low, high);
        } else if (Message problem = ReadArray(Words(words, 2), &values); !problem.Empty()) {
            host.Refuse(problem);
        }
        host.Start(state.Build(op, values));
        return host.RunToEnd();
    }
    if (what == "lazy") { // the pending tags, as a lesson keeps them
        SegmentTags tags;
        const int64_t wide = int64_t(1) << 40;
        if (words.size() % 2 != 0)
            host.Fail("'segment' expects: segment lazy NODE TAG ...");
        for (std::size_t i = 2; i + 1 < words.size(); i += 2)
            tags[host.Number(words[i], 1, INT32_MAX, "the node")] = host.Number(words[i + 1], -wide, wide, "the tag");
        if (const std::string problem = state.TagsProblem(tags); !problem.empty())
            host.Fail("'segment lazy': " + problem);
        if (!state.SetTags(tags))
            host.Fail("'segment lazy' needs a segment tree of those nodes, at the end of its run");
        return;
    }
    struct Operation {
        const char *word;
        Kind kind;
        std::size_t operands;
        const char *usage;
    };
    static const Operation operations[] = {{"set", Kind::Set, 2, "segment set I V"},
                                           {"query", Kind::Query, 2, "segment query L R"},
                                           {"add", Kind::Add, 3, "segment add L R V"}};
    const Operation *operation = std::find_if(std::begin(operations), std::end(operations),
                                              [&](const Operation &o) { return what == o.word; });
    if (operation == std::end(operations))
        host.Fail("'segment' takes sum, min, max, set, query, add or lazy, not '" + what + "'");
    if (words.size() != 2 + operation->operands)
        host.Fail(std::string("'segment' expects: ") + operation->usage);
    const int64_t wide = int64_t(1) << 40;
    Operand operand;
    operand.l = host.Number(words[2], -wide, wide, operation->kind == Kind::Set ? "I" : "L");
    operand.r = operation->kind == Kind::Set ? operand.l : host.Number(words[3], -wide, wide, "R");
    if (operation->kind != Kind::Query)
        if (Message problem = ReadNodeValue(words.back(), &operand.value); !problem.Empty())
            host.Refuse(problem);
    host.Start(state.Start(operation->kind, operand));
    host.RunToEnd();
}

std::vector<StatementEntry> Statements()
{
    return {{"segment", "segment sum|min|max [V1 ... Vn|random N [LO HI]]|set I V|query L R|add L R V|lazy NODE TAG ...",
             {{"segment sum|min|max V1 ... Vn", {"ID_SEGMENT_BUILD"}},
              {"segment set I V", {"ID_SEGMENT_SET"}},
              {"segment query L R", {"ID_SEGMENT_QUERY"}},
              {"segment add L R V", {"ID_SEGMENT_ADD"}}},
             "  segment sum|min|max V1 ... Vn   build a segment tree over the values (1 to 524288,\n"
             "                    -99999 to 99999); or segment sum|min|max random N [LO HI];\n"
             "                    alone, the operation the next build takes\n"
             "  segment set I V|query L R|add L R V   position I takes V, the query over\n"
             "                    positions L to R, or V added to them lazily; played to the end\n"
             "  segment lazy NODE TAG ...   the pending tags (as a lesson keeps them)\n",
             false, SegmentStatement}};
}

CommandEntry Command(const char *name, int value, int group, const char *text, const char *prompt)
{
    return {name, value, kMenu, group, Message("CMainFrame", text), Message("Strings", prompt)};
}

CommandEntry OpCommand(const char *name, int value, SegmentOp op, const char *text, const char *prompt)
{
    CommandEntry command = Command(name, value, 20, text, prompt);
    command.checked = [op](const TreeModel &model) { return model.Find<SegmentState>().NextOp() == op; };
    command.act = [op](TreeModel &model) {
        State(model).SetNextOp(op);
        return Outcome();
    };
    return command;
}

CommandEntry DialogCommand(const char *name, int value, const char *text, const char *prompt, Kind kind, const char *title)
{
    CommandEntry command = Command(name, value, 30, text, prompt);
    command.dialog = OperandDialog(kind, title);
    return command;
}

std::vector<CommandEntry> Commands()
{
    CommandEntry build = Command(ZARNI_COMMAND_ID(ID_SEGMENT_BUILD), 10, ZARNI_TEXT("CMainFrame", "建立區間樹(&B)..."),
                                 ZARNI_TEXT("Strings", "在一個陣列上由下而上建立區間樹\n建立區間樹"));
    build.dialog = BuildDialog();
    return {
        build,
        OpCommand(ZARNI_COMMAND_ID(ID_SEGMENT_SUM), SegmentOp::Sum, ZARNI_TEXT("CMainFrame", "區間和(&U)"),
                  ZARNI_TEXT("Strings", "之後建立的區間樹，每個節點存它那段的總和\n區間和")),
        OpCommand(ZARNI_COMMAND_ID(ID_SEGMENT_MIN), SegmentOp::Min, ZARNI_TEXT("CMainFrame", "區間最小值(&N)"),
                  ZARNI_TEXT("Strings", "之後建立的區間樹，每個節點存它那段的最小值\n區間最小值")),
        OpCommand(ZARNI_COMMAND_ID(ID_SEGMENT_MAX), SegmentOp::Max, ZARNI_TEXT("CMainFrame", "區間最大值(&X)"),
                  ZARNI_TEXT("Strings", "之後建立的區間樹，每個節點存它那段的最大值\n區間最大值")),
        DialogCommand(ZARNI_COMMAND_ID(ID_SEGMENT_SET), ZARNI_TEXT("CMainFrame", "設定位置的值(&S)..."),
                      ZARNI_TEXT("Strings", "給陣列的一個位置新的值，再由下而上重算路上的節點\n設定位置的值"), Kind::Set,
                      ZARNI_TEXT("Segment", "設定位置的值")),
        DialogCommand(ZARNI_COMMAND_ID(ID_SEGMENT_QUERY), ZARNI_TEXT("CMainFrame", "區間查詢(&Q)..."),
                      ZARNI_TEXT("Strings", "從樹根往下遞迴，查詢位置 L 到 R 的結果\n區間查詢"), Kind::Query,
                      ZARNI_TEXT("Segment", "區間查詢")),
        DialogCommand(ZARNI_COMMAND_ID(ID_SEGMENT_ADD), ZARNI_TEXT("CMainFrame", "區間加值(&A)..."),
                      ZARNI_TEXT("Strings", "把位置 L 到 R 都加上一個值，用延遲標記\n區間加值"), Kind::Add,
                      ZARNI_TEXT("Segment", "區間加值")),
    };
}

} // namespace

AlgorithmEntry SegmentEntry()
{
    return EntryOf<SegmentState>("segment", Statements, Commands);
}

// The positions with their tags applied, as the array panel shows them;
// those of the operation's range stand out.
class SegmentState::PositionsRow : public PanelRows {
public:
    explicit PositionsRow(const SegmentState &state) : m_state(state) {}
    int Count() const override { return 1; }
    int64_t Length(int) const override { return m_state.m_shape.n; }
    Message Title(int) const override { return Said(ZARNI_TEXT("Segment", "位置")); }
    PanelCell Cell(int, int64_t p) const override
    {
        const SegmentAlgorithm *run = m_state.OwnRun();
        const bool inRange = run && run->WhichKind() != Kind::Build && p >= run->GivenOperand().l && p <= run->GivenOperand().r;
        return {int(m_state.PositionValue(p)), inRange ? PanelCell::Look::Head : PanelCell::Look::Plain};
    }

private:
    const SegmentState &m_state;
};

SegmentState::SegmentState(TreeModel &model) : AlgorithmState(model), m_pRow(std::make_unique<PositionsRow>(*this)) {}

SegmentState::~SegmentState() = default;

const SegmentAlgorithm *SegmentState::OwnRun() const
{
    return m_pRun && m_pRun == m_model.Run() ? m_pRun : nullptr;
}

Outcome SegmentState::Build(SegmentOp op, const std::vector<int> &values)
{
    if (values.empty() || int64_t(values.size()) > kMaxPositions)
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "區間樹要有 1 到 %1 個值，不是 %2 個。"))
                                    .Number(kMaxPositions)
                                    .Number(int64_t(values.size())));
    const int64_t n = int64_t(values.size());
    const SegmentShape shape{op, n, SegmentShape::LeavesFor(n)};
    m_model.NewTree(shape.Nodes()); // ends any run, and every algorithm forgets the tree
    auto run = std::make_unique<SegmentAlgorithm>(shape, values, m_model);
    m_bTree = true;
    m_nextOp = op;
    m_shape = shape;
    m_positions.assign(values.begin(), values.end());
    m_pRun = run.get();
    m_model.Load(std::move(run));
    m_model.AlgorithmChanged();
    return Outcome::Play();
}

// Each node above the leaves is made again from its children and its own
// tag, as a lazy tree holds it.
bool SegmentState::SetTags(SegmentTags tags)
{
    if (!m_bTree || (OwnRun() && !m_model.AtEnd()) || (!tags.empty() && tags.rbegin()->first >= m_shape.leaves))
        return false;
    m_model.EndRun();
    m_tags = std::make_shared<SegmentTags>();
    for (const auto &[node, tag] : tags)
        if (tag)
            (*m_tags)[node] = tag;
    for (int64_t node = m_shape.leaves - 1; node >= 1; --node) {
        const SegmentValue children = m_shape.Combine(SegmentValueOf(m_model, m_model.Value(2 * node)), SegmentValueOf(m_model, m_model.Value(2 * node + 1)));
        m_model.SetValue(node, SegmentLabel(m_model, m_shape.Added(children, TagOf(node), node)));
    }
    m_positions = Array();
    m_model.ValuesChanged();
    m_model.AlgorithmChanged();
    return true;
}

std::string SegmentState::TagsProblem(const SegmentTags &tags) const
{
    if (!m_bTree || tags.empty())
        return {};
    for (const auto &[node, tag] : tags)
        if (node < m_shape.leaves && m_shape.First(node) >= m_shape.n)
            return "node " + std::to_string(node) + " holds no position (the positions are 0 to " + std::to_string(m_shape.n - 1) +
                   ")";
    if (tags.rbegin()->first >= m_shape.leaves)
        return {}; // a leaf's tag: refused as ever, by the tree's shape
    const std::vector<int64_t> values = Applied(0, m_shape.n - 1, [&tags](const TagVisit &visit) {
        for (const auto &[node, tag] : tags)
            visit(node, tag);
    });
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] < -kMaxNodeValue || values[i] > kMaxNodeValue)
            return "position " + std::to_string(i) + " would hold " + std::to_string(values[i]) + ", out of -" +
                   std::to_string(kMaxNodeValue) + " to " + std::to_string(kMaxNodeValue);
    return {};
}

void SegmentState::SetNextOp(SegmentOp op)
{
    m_nextOp = op;
    m_model.AlgorithmChanged();
}

Outcome SegmentState::Start(Kind kind, Operand operand)
{
    if (!m_bTree)
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "這裡沒有區間樹：請先建立區間樹。")));
    if (OwnRun() && !m_model.AtEnd())
        m_model.SeekTo(m_model.StepCount());
    if (Outcome refused = Refusal(kind, operand); refused.Failed())
        return refused;
    m_model.TakeTree(this); // the run before ends here, and leaves its tags
    m_model.ClearMarks();
    m_model.ValuesChanged();
    if (kind == Kind::Add)
        for (int64_t p = operand.l; p <= operand.r; ++p)
            m_positions[std::size_t(p)] += operand.value;
    if (kind == Kind::Set)
        m_positions[std::size_t(operand.l)] = operand.value;
    auto run = std::make_unique<SegmentAlgorithm>(m_shape, kind, operand, m_model, m_tags);
    m_pRun = run.get();
    m_model.Load(std::move(run));
    m_model.AlgorithmChanged();
    return Outcome::Play();
}

// Refused in the dialog's field at fault: the first position, the last, the
// amount.
Outcome SegmentState::Refusal(Kind kind, Operand operand) const
{
    const int64_t last = m_shape.n - 1;
    for (const int64_t p : {operand.l, operand.r})
        if (p < 0 || p > last)
            return Outcome::Refused(
                Problem(ZARNI_TEXT("CProblemText", "沒有位置 %1：位置必須在 0 到 %2 之間。")).Number(p).Number(last), p == operand.l ? 0 : 1);
    if (operand.l > operand.r)
        return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "起點 %1 大於終點 %2。")).Number(operand.l).Number(operand.r), 1);
    if (kind != Kind::Add)
        return {};
    for (int64_t p = operand.l; p <= operand.r; ++p)
        if (const int64_t before = m_positions[std::size_t(p)], after = before + operand.value; std::abs(after) > kMaxNodeValue)
            return Outcome::Refused(Problem(ZARNI_TEXT("CProblemText", "位置 %1 的值 %2 加上 %3 會超出 -%4 到 %4 的範圍。"))
                                        .Number(p)
                                        .Number(before)
                                        .Number(operand.value)
                                        .Number(kMaxNodeValue),
                                    2);
    return {};
}

void SegmentState::TreeTaken()
{
    const bool had = m_bTree;
    m_bTree = false;
    m_tags = std::make_shared<SegmentTags>();
    m_positions.clear();
    m_pRun = nullptr;
    if (had)
        m_model.AlgorithmChanged();
}

void SegmentState::RunEnding()
{
    const SegmentAlgorithm *run = OwnRun();
    if (!run)
        return;
    if (!m_model.AtEnd())
        m_model.SeekTo(m_model.StepCount());
    // The run goes with this: its tags are written over those it began
    // from, not copied.
    if (run->TagsBefore() == m_tags.get())
        run->WriteTagsAt(run->Steps().StepCount(), *m_tags);
    else
        m_tags = std::make_shared<SegmentTags>(run->TagsAt(run->Steps().StepCount()));
    m_pRun = nullptr;
}

int64_t SegmentState::TagOf(int64_t node) const
{
    if (const SegmentAlgorithm *run = OwnRun())
        return run->TagAt(node, m_model.Shown());
    const auto found = m_tags->find(node);
    return found == m_tags->end() ? 0 : found->second;
}

SegmentTags SegmentState::Tags() const
{
    const SegmentAlgorithm *run = OwnRun();
    return run ? run->TagsAt(m_model.Shown()) : *m_tags;
}

int64_t SegmentState::PositionValue(int64_t p) const
{
    const int64_t leaf = m_shape.leaves + p;
    int64_t value = SegmentValueOf(m_model, m_model.Value(leaf)).value_or(0);
    for (int64_t node = leaf / 2; node >= 1; node /= 2)
        value += TagOf(node);
    return value;
}

void SegmentState::EachTag(const TagVisit &each) const
{
    if (const SegmentAlgorithm *run = OwnRun())
        return run->EachTagAt(m_model.Shown(), each);
    for (const auto &[node, tag] : *m_tags)
        each(node, tag);
}

std::vector<int64_t> SegmentState::Array() const
{
    return Applied(0, m_shape.n - 1, [this](const TagVisit &visit) { EachTag(visit); });
}

// Positions first..last of the leaves with the tags applied, each tag added
// over its node's positions at once.
std::vector<int64_t> SegmentState::Applied(int64_t first, int64_t last, const std::function<void(const TagVisit &)> &tags) const
{
    const std::size_t count = std::size_t(last - first + 1);
    std::vector<int64_t> added(count + 1, 0);
    tags([&](int64_t node, int64_t tag) {
        const int64_t from = std::max(m_shape.First(node), first), to = std::min(m_shape.Last(node), last);
        if (from <= to) {
            added[std::size_t(from - first)] += tag;
            added[std::size_t(to - first + 1)] -= tag;
        }
    });
    std::vector<int64_t> values(count);
    int64_t running = 0;
    for (std::size_t i = 0; i < count; ++i) {
        running += added[i];
        values[i] = SegmentValueOf(m_model, m_model.Value(m_shape.leaves + first + int64_t(i))).value_or(0) + running;
    }
    return values;
}

Message SegmentState::Tag(int64_t node) const
{
    if (!m_bTree || node < 1 || node >= m_shape.leaves)
        return {};
    const int64_t tag = TagOf(node);
    return tag ? Message(kContext, "%1").Word((tag > 0 ? "+" : "") + std::to_string(tag)) : Message();
}

ArrayRow SegmentState::Positions() const
{
    return m_bTree ? ArrayRow{m_pRow.get(), m_shape.leaves} : ArrayRow{};
}

void SegmentState::AddState(StateValue &state) const
{
    if (!m_bTree) {
        state.Set("segment", StateValue());
        return;
    }
    const SegmentAlgorithm *run = OwnRun();
    StateValue lazy = StateValue::List();
    for (const auto &[node, tag] : Tags())
        lazy.Add(StateValue::List().Add(node).Add(tag));
    StateValue array;
    if (m_shape.n <= kMostListedValues) {
        const std::vector<int64_t> values = Array();
        array = StateValue::Numbers(values.begin(), values.end());
    }
    StateValue query;
    if (run && run->WhichKind() == Kind::Query) {
        const int64_t k = m_model.Shown();
        const std::vector<int64_t> visited = run->Visited(k), taken = run->Taken(k);
        const SegmentValue result = m_model.AtEnd() ? run->Result() : std::nullopt;
        query = StateValue::Object()
                    .Set("l", run->GivenOperand().l)
                    .Set("r", run->GivenOperand().r)
                    .Set("result", result ? StateValue(*result) : StateValue())
                    .Set("visited", StateValue::Numbers(visited.begin(), visited.end()))
                    .Set("taken", StateValue::Numbers(taken.begin(), taken.end()));
    }
    state.Set("segment", StateValue::Object()
                             .Set("op", kOpWords[int(m_shape.op)])
                             .Set("n", m_shape.n)
                             .Set("leaves", m_shape.leaves)
                             .Set("array", array)
                             .Set("lazy", lazy)
                             .Set("query", query));
}

void SegmentState::WriteSettings(LessonLines &lines) const
{
    if (!m_bTree && m_nextOp != SegmentOp::Sum)
        lines.Add(std::string("segment ") + kOpWords[int(m_nextOp)]);
}

// The array as it was before the run shown (or as it stands), built, and
// that run played again to the step shown. The tags come out applied, so
// the rebuilt tree holds the same positions with no tag pending.
LessonTree SegmentState::WriteTree(LessonLines &lines) const
{
    if (!m_bTree)
        return {};
    const SegmentAlgorithm *run = OwnRun();
    const std::string op = kOpWords[int(m_shape.op)];
    // The leaves as they stand, and the tags above them, rebuild every node.
    std::vector<int> leaves;
    if (run && run->WhichKind() == Kind::Build) {
        leaves = run->Given();
    } else {
        const std::vector<int> before = run ? m_model.ValuesBeforeRun() : std::vector<int>();
        for (int64_t node = m_shape.leaves; node < m_shape.leaves + m_shape.n; ++node)
            leaves.push_back(run ? before[std::size_t(node)] : m_model.Value(node));
    }
    lines.Add("segment " + op + " " + Joined(leaves.begin(), leaves.end()));
    const SegmentTags tags = run ? run->TagsAt(0) : *m_tags;
    if (!tags.empty()) {
        std::string pending = "segment lazy";
        for (const auto &[node, tag] : tags)
            pending += " " + std::to_string(node) + " " + std::to_string(tag);
        lines.Add(pending);
    }
    if (run && run->WhichKind() != Kind::Build) {
        const Operand o = run->GivenOperand();
        switch (run->WhichKind()) {
        case Kind::Set: lines.Add("segment set " + std::to_string(o.l) + " " + std::to_string(o.value)); break;
        case Kind::Query: lines.Add("segment query " + std::to_string(o.l) + " " + std::to_string(o.r)); break;
        case Kind::Add:
            lines.Add("segment add " + std::to_string(o.l) + " " + std::to_string(o.r) + " " + std::to_string(o.value));
            break;
        case Kind::Build: break;
        }
    }
    if (run && !m_model.AtEnd())
        lines.Add("seek " + std::to_string(m_model.Shown()));
    if (m_nextOp != m_shape.op)
        lines.Add("segment " + std::string(kOpWords[int(m_nextOp)]));
    return {true, false, true};
}
