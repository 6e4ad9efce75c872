#include "SegmentAlgorithm.h"

#include "model/TreeGeometry.h"
#include "model/Looks.h"

#include <algorithm>

namespace {

const char kContext[] = "SegmentAlgorithm";

Message Said(const char *text)
{
    return Message(kContext, text);
}

// The lines of each listing. A query and an add tell a node's case on the
// same three lines, so that practice asks before each of them.
enum BuildLine { kBuildLeaf = 1, kBuildLevels, kBuildCombine };
enum VisitLine { kOutside = 1, kInside, kPartly, kJoin, kQueryResult };
enum SetLine { kSetPush = 1, kSetLeaf, kSetUp, kSetPull };

using Cover = SegmentAlgorithm::Cover;

// The combination as the listing writes it, and a combination made.
std::string Formula(SegmentOp op)
{
    switch (op) {
    case SegmentOp::Sum: return "value(2i) + value(2i + 1)";
    case SegmentOp::Min: return "min(value(2i), value(2i + 1))";
    case SegmentOp::Max: return "max(value(2i), value(2i + 1))";
    }
    return {};
}

std::string Made(SegmentOp op, SegmentValue a, SegmentValue b, SegmentValue result)
{
    const std::string x = SegmentText(a), y = SegmentText(b), z = SegmentText(result);
    switch (op) {
    case SegmentOp::Sum: return x + " + " + y + " = " + z;
    case SegmentOp::Min: return "min(" + x + ", " + y + ") = " + z;
    case SegmentOp::Max: return "max(" + x + ", " + y + ") = " + z;
    }
    return {};
}

std::string Signed(int64_t tag)
{
    return (tag > 0 ? "+" : "") + std::to_string(tag);
}

ListingLine Line(int indent, const char *text)
{
    return {indent, Message("Pseudocode", text)};
}

Listing MakeListing(SegmentAlgorithm::Kind kind, SegmentOp op)
{
    using Kind = SegmentAlgorithm::Kind;
    const ListingLine combine{1, Message("Pseudocode", ZARNI_TEXT("Pseudocode", "value(i) ← %1")).Word(Formula(op))};
    const char *push = ZARNI_TEXT("Pseudocode", "否則（部分在內）：push-down(i)：tag(i) 加給兩個子節點，tag(i) ← 0");
    switch (kind) {
    case Kind::Build:
        return {Line(0, ZARNI_TEXT("Pseudocode", "對每個位置 p：value(m + p) ← A[p]（p ≥ n 的葉節點是空的 e）")),
                Line(0, ZARNI_TEXT("Pseudocode", "由下而上逐層、每層由左而右，對每個內部節點 i：")), combine};
    case Kind::Set:
        return {Line(0, ZARNI_TEXT("Pseudocode", "set(p, v)：從樹根往下到葉節點 m + p，路上有標記的節點 push-down")),
                Line(0, ZARNI_TEXT("Pseudocode", "value(m + p) ← v")),
                Line(0, ZARNI_TEXT("Pseudocode", "對 i ← ⌊(m + p)/2⌋ 往上到 1：")), combine};
    case Kind::Query:
        return {Line(0, ZARNI_TEXT("Pseudocode", "query(i, [a, b])：若 [a, b] 與 [L, R] 不相交：回傳 e")),
                Line(0, ZARNI_TEXT("Pseudocode", "若 L ≤ a 且 b ≤ R：回傳 value(i)（整段取用）")),
                Line(0, push),
                Line(1, ZARNI_TEXT("Pseudocode", "回傳 query(2i, [a, mid]) ⊕ query(2i + 1, [mid + 1, b])")),
                Line(0, ZARNI_TEXT("Pseudocode", "結果 ← query(1, [0, m − 1])"))};
    case Kind::Add:
        return {Line(0, ZARNI_TEXT("Pseudocode", "add(i, [a, b], v)：若 [a, b] 與 [L, R] 不相交：返回")),
                op == SegmentOp::Sum
                    ? Line(0, ZARNI_TEXT("Pseudocode", "若 L ≤ a 且 b ≤ R：value(i) += v × 長度；不是葉節點就 tag(i) += v；返回"))
                    : Line(0, ZARNI_TEXT("Pseudocode", "若 L ≤ a 且 b ≤ R：value(i) += v；不是葉節點就 tag(i) += v；返回")),
                Line(0, push),
                Line(1, ZARNI_TEXT("Pseudocode", "add(2i, [a, mid], v)；add(2i + 1, [mid + 1, b], v)；value(i) ← value(2i) ⊕ value(2i + 1)"))};
    }
    return {};
}

Message CoverWord(int64_t cover)
{
    switch (Cover(cover)) {
    case Cover::Inside: return Said(ZARNI_TEXT("SegmentAlgorithm", "之內"));
    case Cover::Partly: return Said(ZARNI_TEXT("SegmentAlgorithm", "部分在內"));
    case Cover::Outside: break;
    }
    return Said(ZARNI_TEXT("SegmentAlgorithm", "之外"));
}

} // namespace

const QuestionKind kCoverQuestion{
    "cover",
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "練習：節點 %1 管位置 %2 到 %3，它在 [%4, %5] 之內、部分在內還是之外？按 1 之內，2 部分在內，3 之外。"))
            .Number(q.node)
            .Number(q.said[0])
            .Number(q.said[1])
            .Number(q.said[2])
            .Number(q.said[3]);
    },
    [](const PracticeQuestion &q) {
        return Message("Practice", ZARNI_TEXT("Practice", "不對，答案是 %1：%2。")).Number(q.answer).With(CoverWord(q.answer));
    },
    Message("Practice", ZARNI_TEXT("Practice", "區間的關係")),
    false,
    false};

int64_t SegmentShape::LeavesFor(int64_t n)
{
    int64_t m = 1;
    while (m < n)
        m *= 2;
    return m;
}

int64_t SegmentShape::First(int64_t node) const
{
    while (node < leaves)
        node *= 2;
    return node - leaves;
}

int64_t SegmentShape::Last(int64_t node) const
{
    while (node < leaves)
        node = 2 * node + 1;
    return node - leaves;
}

int64_t SegmentShape::Length(int64_t node) const
{
    return std::max<int64_t>(0, std::min(Last(node), n - 1) - First(node) + 1);
}

SegmentValue SegmentShape::Combine(SegmentValue a, SegmentValue b) const
{
    if (!a || !b)
        return a ? a : b;
    switch (op) {
    case SegmentOp::Sum: return *a + *b;
    case SegmentOp::Min: return std::min(*a, *b);
    case SegmentOp::Max: return std::max(*a, *b);
    }
    return a;
}

SegmentValue SegmentShape::Added(SegmentValue value, int64_t v, int64_t node) const
{
    if (!value)
        return value;
    return *value + (op == SegmentOp::Sum ? v * Length(node) : v);
}

SegmentValue SegmentValueOf(const NodeStates &tree, int label)
{
    if (label == NodeStates::kNoLabel || label == NodeStates::kLeast)
        return std::nullopt;
    return tree.Number(label);
}

int SegmentLabel(const NodeStates &tree, SegmentValue value)
{
    return value ? tree.LabelFor(*value) : NodeStates::kNoLabel;
}

std::string SegmentText(SegmentValue value)
{
    return value ? std::to_string(*value) : "e";
}

// The tree written on and the tags as they stand while the run is
// recorded.
struct SegmentAlgorithm::Recorder {
    Timeline::Writer &w;
    const SegmentTags &before;
    std::unordered_map<int64_t, int64_t> changed; // the tags the run has set so far
    SegmentValue ValueOf(int64_t node) const { return SegmentValueOf(w.Tree(), w.Value(node)); }
    int64_t Tag(int64_t node) const
    {
        if (const auto found = changed.find(node); found != changed.end())
            return found->second;
        const auto found = before.find(node);
        return found == before.end() ? 0 : found->second;
    }
};

SegmentAlgorithm::SegmentAlgorithm(const SegmentShape &shape, const std::vector<int> &values, const NodeStates &tree)
    : m_shape(shape), m_kind(Kind::Build), m_given(values)
{
    NodeCopy copy(tree, shape.Nodes());
    Timeline::Writer writer(m_timeline, copy);
    m_timeline.Reserve(shape.Nodes(), shape.n + shape.leaves);
    m_timeline.AddKeyframe(copy);
    RecordBuild(writer, values);
}

SegmentAlgorithm::SegmentAlgorithm(const SegmentShape &shape, Kind kind, Operand operand, const NodeStates &tree,
                                   std::shared_ptr<const SegmentTags> tags)
    : m_shape(shape), m_kind(kind), m_operand(operand), m_baseTags(std::move(tags))
{
    // An operation touches a few nodes a level of a large tree.
    NodeOverlay overlay(tree);
    Timeline::Writer writer(m_timeline, overlay);
    Recorder r{writer, *m_baseTags, {}};
    if (kind == Kind::Set) {
        RecordSet(r);
        return;
    }
    const SegmentValue result = Visit(r, 1);
    if (kind == Kind::Query) {
        writer.BeginStep(1, kQueryResult);
        m_stepValues.resize(std::size_t(m_timeline.Recorded()) + 1);
        m_stepValues.back().result = result;
        m_result = result;
    }
}

const char *SegmentAlgorithm::Name() const
{
    switch (m_kind) {
    case Kind::Build: return "segment-build";
    case Kind::Set: return "segment-set";
    case Kind::Query: return "segment-query";
    case Kind::Add: return "segment-add";
    }
    return "";
}

// The leaves left to right, then each level above them, bottom up, left to
// right: a node a step, one change each.
void SegmentAlgorithm::RecordBuild(Timeline::Writer &w, const std::vector<int> &values)
{
    const int64_t m = m_shape.leaves;
    for (int64_t p = 0; p < m; ++p) {
        w.BeginStep(m + p, kBuildLeaf);
        if (p < m_shape.n)
            w.SetValue(m + p, values[std::size_t(p)]);
        w.Count(1, 0);
    }
    for (int64_t first = m / 2; first >= 1; first /= 2) {
        for (int64_t node = first; node < 2 * first; ++node) {
            w.BeginStep(node, kBuildCombine);
            const SegmentValue value =
                m_shape.Combine(SegmentValueOf(w.Tree(), w.Value(2 * node)), SegmentValueOf(w.Tree(), w.Value(2 * node + 1)));
            w.SetValue(node, SegmentLabel(w.Tree(), value));
            w.Count(1, 1);
        }
    }
}

void SegmentAlgorithm::SetTag(Recorder &r, int64_t node, int64_t tag)
{
    if (r.Tag(node) == tag)
        return;
    m_tagSteps[node].emplace_back(m_timeline.Recorded(), tag);
    r.changed[node] = tag;
}

// A node's tag goes to its children: their values take it, and those that
// are no leaves keep it for theirs.
void SegmentAlgorithm::PushDown(Recorder &r, int64_t node)
{
    const int64_t tag = r.Tag(node);
    if (tag == 0)
        return;
    for (const int64_t child : {2 * node, 2 * node + 1}) {
        r.w.SetValue(child, SegmentLabel(r.w.Tree(), m_shape.Added(r.ValueOf(child), tag, child)));
        if (!m_shape.Leaf(child) && m_shape.Length(child) > 0) // a node past the last position keeps none
            SetTag(r, child, r.Tag(child) + tag);
    }
    SetTag(r, node, 0);
}

SegmentAlgorithm::Cover SegmentAlgorithm::CoverOf(int64_t node) const
{
    const int64_t first = m_shape.First(node), last = m_shape.Last(node);
    if (last < m_operand.l || first > m_operand.r)
        return Cover::Outside;
    return first >= m_operand.l && last <= m_operand.r ? Cover::Inside : Cover::Partly;
}

// A query's or an add's visit of a node, as a textbook writes it
// recursively: what the node gives the query.
SegmentValue SegmentAlgorithm::Visit(Recorder &r, int64_t node)
{
    Timeline::Writer &w = r.w;
    const Cover cover = CoverOf(node);
    const bool query = m_kind == Kind::Query;
    w.BeginStep(node, cover == Cover::Inside ? kInside : cover == Cover::Partly ? kPartly : kOutside);
    w.Count(1, 0);
    auto keep = [&](StepValues values) {
        if (query) {
            m_stepValues.resize(std::size_t(m_timeline.Recorded()) + 1);
            m_stepValues.back() = values;
        }
        return values.result;
    };
    switch (cover) {
    case Cover::Outside:
        w.SetMark(node, kMarkGreyed);
        return keep({});
    case Cover::Inside:
        w.SetMark(node, kMarkHighlighted);
        if (!query) {
            w.SetValue(node, SegmentLabel(w.Tree(), m_shape.Added(r.ValueOf(node), m_operand.value, node)));
            if (!m_shape.Leaf(node))
                SetTag(r, node, r.Tag(node) + m_operand.value);
        }
        return keep({{}, {}, r.ValueOf(node)});
    case Cover::Partly: break;
    }
    w.SetMark(node, kMarkHeld);
    PushDown(r, node);
    const SegmentValue left = Visit(r, 2 * node), right = Visit(r, 2 * node + 1);
    w.BeginStep(node, kJoin);
    w.Count(0, 1);
    if (query)
        return keep({left, right, m_shape.Combine(left, right)});
    w.SetValue(node, SegmentLabel(w.Tree(), m_shape.Combine(r.ValueOf(2 * node), r.ValueOf(2 * node + 1))));
    return {};
}

// The tags on the way down go first, so that the leaf's new value is the
// position's and the nodes above it can be made again from their children.
void SegmentAlgorithm::RecordSet(Recorder &r)
{
    Timeline::Writer &w = r.w;
    const int64_t leaf = m_shape.leaves + m_operand.l;
    for (int64_t shift = TreeGeometry::LevelOf(leaf) - 1; shift >= 1; --shift) {
        const int64_t node = leaf >> shift;
        if (r.Tag(node)) {
            w.BeginStep(node, kSetPush);
            PushDown(r, node);
        }
    }
    w.BeginStep(leaf, kSetLeaf);
    w.SetValue(leaf, m_operand.value);
    w.SetMark(leaf, kMarkHighlighted);
    w.Count(1, 0);
    for (int64_t node = leaf / 2; node >= 1; node /= 2) {
        w.BeginStep(node, kSetPull);
        w.SetValue(node, SegmentLabel(w.Tree(), m_shape.Combine(r.ValueOf(2 * node), r.ValueOf(2 * node + 1))));
        w.SetMark(node, kMarkHeld);
        w.Count(1, 1);
    }
}

const Listing &SegmentAlgorithm::Lines() const
{
    static const Listing listings[4][3] = {
        {MakeListing(Kind::Build, SegmentOp::Sum), MakeListing(Kind::Build, SegmentOp::Min), MakeListing(Kind::Build, SegmentOp::Max)},
        {MakeListing(Kind::Set, SegmentOp::Sum), MakeListing(Kind::Set, SegmentOp::Min), MakeListing(Kind::Set, SegmentOp::Max)},
        {MakeListing(Kind::Query, SegmentOp::Sum), MakeListing(Kind::Query, SegmentOp::Min), MakeListing(Kind::Query, SegmentOp::Max)},
        {MakeListing(Kind::Add, SegmentOp::Sum), MakeListing(Kind::Add, SegmentOp::Min), MakeListing(Kind::Add, SegmentOp::Max)}};
    return listings[int(m_kind)][int(m_shape.op)];
}

PracticeQuestion SegmentAlgorithm::Question(int64_t k, const NodeStates &) const
{
    if (m_kind == Kind::Build || m_kind == Kind::Set || k < 1 || k > m_timeline.Recorded())
        return {};
    const TimelineStep &step = m_timeline.Step(k);
    if (step.line != kOutside && step.line != kInside && step.line != kPartly)
        return {};
    PracticeQuestion question;
    question.kind = &kCoverQuestion;
    question.node = step.focus;
    question.choices = {1, 2, 3};
    question.answer = int64_t(CoverOf(step.focus));
    question.said = {m_shape.First(step.focus), m_shape.Last(step.focus), m_operand.l, m_operand.r};
    return question;
}

SegmentTags SegmentAlgorithm::TagsAt(int64_t k) const
{
    SegmentTags tags = *m_baseTags;
    WriteTagsAt(k, tags);
    return tags;
}

void SegmentAlgorithm::WriteTagsAt(int64_t k, SegmentTags &tags) const
{
    for (const auto &[node, changes] : m_tagSteps) {
        const int64_t tag = TagAt(node, k);
        if (tag)
            tags[node] = tag;
        else
            tags.erase(node);
    }
}

void SegmentAlgorithm::EachTagAt(int64_t k, const std::function<void(int64_t, int64_t)> &each) const
{
    for (const auto &[node, tag] : *m_baseTags)
        if (!m_tagSteps.count(node))
            each(node, tag);
    for (const auto &[node, changes] : m_tagSteps)
        if (const int64_t tag = TagAt(node, k))
            each(node, tag);
}

int64_t SegmentAlgorithm::TagAt(int64_t node, int64_t k) const
{
    if (const auto found = m_tagSteps.find(node); found != m_tagSteps.end()) {
        const auto &changes = found->second;
        const auto after = std::upper_bound(changes.begin(), changes.end(), k,
                                            [](int64_t step, const std::pair<int64_t, int64_t> &c) { return step < c.first; });
        if (after != changes.begin())
            return std::prev(after)->second;
    }
    const auto base = m_baseTags->find(node);
    return base == m_baseTags->end() ? 0 : base->second;
}

std::vector<int64_t> SegmentAlgorithm::Visited(int64_t k) const
{
    std::vector<int64_t> nodes;
    for (int64_t j = 1; j <= std::min(k, m_timeline.Recorded()); ++j)
        if (const TimelineStep &step = m_timeline.Step(j); step.line >= kOutside && step.line <= kPartly)
            nodes.push_back(step.focus);
    return nodes;
}

std::vector<int64_t> SegmentAlgorithm::Taken(int64_t k) const
{
    std::vector<int64_t> nodes;
    for (int64_t j = 1; j <= std::min(k, m_timeline.Recorded()); ++j)
        if (const TimelineStep &step = m_timeline.Step(j); step.line == kInside)
            nodes.push_back(step.focus);
    return nodes;
}

Message SegmentAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return {};
    return StepHead().Append(StepNarration(m_timeline.Step(k), k, now));
}

// "節點 i 管位置 a 到 b" and what follows, for a node's range.
Message SegmentAlgorithm::RangeText(const char *text, int64_t node) const
{
    return Said(text).Number(node).Number(m_shape.First(node)).Number(m_shape.Last(node));
}

Message SegmentAlgorithm::StepNarration(const TimelineStep &step, int64_t k, const NodeStates &now) const
{
    const int64_t node = step.focus;
    const SegmentValue value = SegmentValueOf(now, now.Value(node));
    auto made = [&] {
        return Made(m_shape.op, SegmentValueOf(now, now.Value(2 * node)), SegmentValueOf(now, now.Value(2 * node + 1)), value);
    };
    switch (m_kind) {
    case Kind::Build:
        if (step.line == kBuildLeaf)
            return m_shape.First(node) < m_shape.n
                       ? Said(ZARNI_TEXT("SegmentAlgorithm", "葉節點 %1 放位置 %2 的值 %3")).Number(node).Number(node - m_shape.leaves).Word(SegmentText(value))
                       : Said(ZARNI_TEXT("SegmentAlgorithm", "葉節點 %1 沒有位置（%2 ≥ n），是空的 e")).Number(node).Number(node - m_shape.leaves);
        return RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3：%4"), node).Word(made());
    case Kind::Set:
        if (step.line == kSetPush)
            return Said(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 在往下的路上，先把標記 %2 推給子節點 %3 和 %4"))
                .Number(node)
                .Word(Signed(TagAt(node, k - 1)))
                .Number(2 * node)
                .Number(2 * node + 1);
        if (step.line == kSetLeaf)
            return Said(ZARNI_TEXT("SegmentAlgorithm", "位置 %1 在葉節點 %2，值改成 %3"))
                .Number(node - m_shape.leaves)
                .Number(node)
                .Word(SegmentText(value));
        return Said(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 重新算：%2")).Number(node).Word(made());
    case Kind::Query:
    case Kind::Add: break;
    }
    if (step.line == kQueryResult)
        return Said(ZARNI_COUNTED("SegmentAlgorithm", "查詢 [%1, %2] 的結果是 %3；走過 %n 個節點，取用 %4 個"))
            .Number(m_operand.l)
            .Number(m_operand.r)
            .Word(SegmentText(m_result))
            .Count(int64_t(Visited(k).size()))
            .Number(int64_t(Taken(k).size()));
    if (step.line == kJoin) {
        if (m_kind == Kind::Add)
            return Said(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 重新算：%2")).Number(node).Word(made());
        const StepValues &got = m_stepValues[std::size_t(k)];
        return Said(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 合併兩個子節點的結果：%2"))
            .Number(node)
            .Word(Made(m_shape.op, got.left, got.right, got.result));
    }
    return VisitNarration(step.line, node, k, now);
}

Message SegmentAlgorithm::VisitNarration(int line, int64_t node, int64_t k, const NodeStates &now) const
{
    const SegmentValue value = SegmentValueOf(now, now.Value(node));
    Message said;
    switch (line) {
    case kOutside:
        said = RangeText(m_kind == Kind::Query ? ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：回傳 e，不取")
                                              : ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，在 [%4, %5] 之外：不變"),
                         node);
        break;
    case kInside:
        said = m_kind == Kind::Query
                   ? RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：整段取用它的值 %6"), node)
                   : m_shape.Leaf(node)
                         ? RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6"), node)
                         : RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，在 [%4, %5] 之內：值變成 %6，標記 %7 留給子節點"), node);
        break;
    default:
        said = TagAt(node, k - 1) != 0
                   ? RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：先把標記 %6 推給子節點，再問兩個子節點"), node)
                   : RangeText(ZARNI_TEXT("SegmentAlgorithm", "節點 %1 管位置 %2 到 %3，部分在 [%4, %5] 內：沒有標記要推，問兩個子節點"), node);
        break;
    }
    said.Number(m_operand.l).Number(m_operand.r);
    if (line == kInside)
        said.Word(SegmentText(value));
    if (line == kInside && m_kind == Kind::Add && !m_shape.Leaf(node))
        said.Word(Signed(TagAt(node, k)));
    else if (line == kPartly && TagAt(node, k - 1) != 0)
        said.Word(Signed(TagAt(node, k - 1)));
    return said;
}
