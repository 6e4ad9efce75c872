#include "HeapAlgorithm.h"

#include "model/algorithms/tournament/TournamentRun.h"

#include <algorithm>

namespace {

const char kContext[] = "HeapAlgorithm";

// An empty label counts as 0, as everywhere a label is read as a number.
constexpr auto Number = &TournamentRun::Contender;

Message Said(const char *text)
{
    return Message(kContext, text);
}

// The lines of each listing: a sift-down's three after the build's loop, a
// sift-up's two after the insertions' loop, heapsort's, an operation on one
// value's first line before the sift, and a value sifted whichever way it
// belongs.
enum BuildLine { kBuild = 1, kBuildLeft, kBuildRight, kBuildSwap };
enum InsertLine { kInsertFirst = 1, kInsertRise, kInsertSwap };
enum SortLine { kSortBuild = 1, kSortLoop, kSortSwapRoot, kSortLeft, kSortRight, kSortSwap };
enum ExtractLine { kExtractFirst = 1, kExtractLeft, kExtractRight, kExtractSwap };
enum EitherLine { kEitherFirst = 1, kEitherDecide, kEitherRise, kEitherRiseSwap, kEitherLeft, kEitherRight, kEitherSwap };

// A max-heap's texts and a min-heap's, every comparison turned.
struct Turned {
    const char *max, *min;
};
const Turned kSiftLeft{ZARNI_TEXT("Pseudocode", "sift-down(i)：若 l = 2i ≤ n 且 value(l) > value(i)，largest ← l，否則 largest ← i"),
                       ZARNI_TEXT("Pseudocode", "sift-down(i)：若 l = 2i ≤ n 且 value(l) < value(i)，smallest ← l，否則 smallest ← i")};
const Turned kSiftRight{ZARNI_TEXT("Pseudocode", "若 r = 2i + 1 ≤ n 且 value(r) > value(largest)，largest ← r"),
                        ZARNI_TEXT("Pseudocode", "若 r = 2i + 1 ≤ n 且 value(r) < value(smallest)，smallest ← r")};
const Turned kSiftSwap{ZARNI_TEXT("Pseudocode", "若 largest ≠ i：交換 value(i) 與 value(largest)；sift-down(largest)"),
                       ZARNI_TEXT("Pseudocode", "若 smallest ≠ i：交換 value(i) 與 value(smallest)；sift-down(smallest)")};
const Turned kSiftUp{ZARNI_TEXT("Pseudocode", "sift-up(i)：當 i ≥ 2 且 value(i) > value(parent(i))："),
                     ZARNI_TEXT("Pseudocode", "sift-up(i)：當 i ≥ 2 且 value(i) < value(parent(i))：")};
const Turned kUpOrDown{ZARNI_TEXT("Pseudocode", "若 i ≥ 2 且 value(i) > value(parent(i))：sift-up(i)，否則 sift-down(i)"),
                       ZARNI_TEXT("Pseudocode", "若 i ≥ 2 且 value(i) < value(parent(i))：sift-up(i)，否則 sift-down(i)")};
const char kRiseSwap[] = ZARNI_TEXT("Pseudocode", "交換 value(i) 與 value(parent(i))；i ← parent(i)");

Listing MakeListing(HeapAlgorithm::Kind kind, bool min)
{
    using Kind = HeapAlgorithm::Kind;
    auto line = [](int indent, const char *text) { return ListingLine{indent, Message("Pseudocode", text)}; };
    auto turned = [&](int indent, const Turned &text) { return line(indent, min ? text.min : text.max); };
    auto upOrDownAfter = [&](const char *first) {
        return Listing{line(0, first),          turned(0, kUpOrDown), turned(0, kSiftUp), line(1, kRiseSwap),
                       turned(0, kSiftLeft), turned(1, kSiftRight), turned(1, kSiftSwap)};
    };
    switch (kind) {
    case Kind::Build:
        return {line(0, ZARNI_TEXT("Pseudocode", "對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)")), turned(0, kSiftLeft),
                turned(1, kSiftRight), turned(1, kSiftSwap)};
    case Kind::BuildByInsert:
        return {line(0, ZARNI_TEXT("Pseudocode", "對 i ← 2 到 n：sift-up(i)")), turned(0, kSiftUp), line(1, kRiseSwap)};
    case Kind::Sort:
        return {line(0, ZARNI_TEXT("Pseudocode", "建堆積（對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)）")),
                line(0, ZARNI_TEXT("Pseudocode", "對 e ← n 往下到 2：")),
                line(1, ZARNI_TEXT("Pseudocode", "交換 value(1) 與 value(e)；n ← e − 1，節點 e 排好了")),
                turned(1, kSiftLeft),
                turned(2, kSiftRight),
                turned(2, kSiftSwap)};
    case Kind::Insert:
        return {line(0, ZARNI_TEXT("Pseudocode", "n ← n + 1；value(n) ← 新的值；sift-up(n)")), turned(0, kSiftUp),
                line(1, kRiseSwap)};
    case Kind::Extract:
        return {line(0, ZARNI_TEXT("Pseudocode", "輸出 value(1)；value(1) ← value(n)；n ← n − 1；sift-down(1)")),
                turned(0, kSiftLeft), turned(1, kSiftRight), turned(1, kSiftSwap)};
    case Kind::Key: return upOrDownAfter(ZARNI_TEXT("Pseudocode", "value(i) ← 新的值"));
    case Kind::Delete:
        return upOrDownAfter(ZARNI_TEXT("Pseudocode", "value(i) ← value(n)；n ← n − 1（i = n 時只刪去節點 n）"));
    }
    return {};
}

Message Asked(const char *text)
{
    return Message("Practice", text);
}

Message Reveal(const PracticeQuestion &q)
{
    return q.answer != 0 ? Asked(ZARNI_TEXT("Practice", "不對，答案是節點 %1。")).Number(q.answer)
                         : Asked(ZARNI_TEXT("Practice", "不對，不交換。"));
}

} // namespace

const QuestionKind kSinkQuestion{
    "sink",
    [](const PracticeQuestion &q) {
        return Asked(ZARNI_TEXT("Practice", "練習：節點 %1 的值要和哪個子節點交換？點那個子節點；不交換按 N。")).Number(q.node);
    },
    Reveal,
    Asked(ZARNI_TEXT("Practice", "下沉")),
    true,
    true};

const QuestionKind kRiseQuestion{
    "rise",
    [](const PracticeQuestion &q) {
        return Asked(ZARNI_TEXT("Practice", "練習：節點 %1 的值要和父節點交換嗎？交換就點父節點；不交換按 N。")).Number(q.node);
    },
    Reveal,
    Asked(ZARNI_TEXT("Practice", "上浮")),
    true,
    true};

HeapAlgorithm::HeapAlgorithm(Kind kind, bool minHeap, const NodeStates &tree, int64_t size, Operand operand)
    : m_kind(kind), m_bMin(minHeap), m_operand(operand)
{
    if (kind == Kind::Build || kind == Kind::BuildByInsert || kind == Kind::Sort) {
        NodeCopy copy(tree, size);
        Timeline::Writer writer(m_timeline, copy);
        RecordBuild(writer, copy, size);
    } else {
        // One value's way through the heap touches a node or two a level.
        NodeOverlay overlay(tree);
        Timeline::Writer writer(m_timeline, overlay);
        Record(writer, size, operand);
    }
}

void HeapAlgorithm::RecordBuild(Timeline::Writer &writer, const NodeCopy &copy, int64_t count)
{
    // Room for the most steps the run can take, so that recording never
    // copies what it has recorded: a sift costs at most three steps a level,
    // a heapsort's extraction one more.
    int64_t levels = 1;
    for (int64_t n = count; n > 1; n /= 2)
        ++levels;
    const int64_t builds = m_kind == Kind::BuildByInsert ? 2 * count * levels : 3 * count;
    const int64_t most = builds + (m_kind == Kind::Sort ? count * (1 + 3 * levels) : 0);
    m_timeline.Reserve(most, most + 2);
    const SiftLines down{kBuildLeft, kBuildRight, kBuildSwap, 0, 0, 0},
        up{0, 0, 0, kInsertRise, kInsertSwap, kInsertRise}, sort{kSortLeft, kSortRight, kSortSwap, 0, 0, 0};
    // Before the run, and between two sifts where one is due, a picture
    // of the values.
    auto keep = [&] {
        if (m_timeline.KeyframeDue(count))
            m_timeline.AddKeyframe(copy);
    };
    m_timeline.AddKeyframe(copy);
    switch (m_kind) {
    case Kind::Build:
        for (int64_t i = count / 2; i >= 1; --i, keep())
            SiftDown(writer, i, count, down);
        break;
    case Kind::BuildByInsert:
        for (int64_t i = 2; i <= count; ++i, keep())
            SiftUp(writer, i, up);
        break;
    default:
        for (int64_t i = count / 2; i >= 1; --i, keep())
            SiftDown(writer, i, count, sort);
        for (int64_t e = count; e >= 2; --e, keep()) {
            writer.BeginStep(e, kSortSwapRoot);
            writer.Swap(1, e, true);
            writer.SetMark(e, kMarkSettled);
            if (e == 2)
                writer.SetMark(1, kMarkSettled);
            writer.Count(0, 2);
            SiftDown(writer, 1, e - 1, sort);
        }
        if (count == 1) {
            writer.BeginStep(1, kSortSwapRoot);
            writer.SetMark(1, kMarkSettled);
        }
        break;
    }
}

// Each operation's first step writes the value it brings (one move), and
// the tree grows or shrinks there.
void HeapAlgorithm::Record(Timeline::Writer &w, int64_t size, Operand operand)
{
    switch (m_kind) {
    case Kind::Insert: {
        const int64_t node = size + 1;
        w.BeginStep(node, kInsertFirst);
        if (node > w.NodeCount())
            w.SetCount(node);
        w.SetValue(node, operand.value);
        w.Count(0, 1);
        SiftUp(w, node, {0, 0, 0, kInsertRise, kInsertSwap, kInsertRise});
        break;
    }
    case Kind::Extract:
        m_nOut = w.Value(1);
        TakeLast(w, 1, size);
        if (size > 1)
            SiftDown(w, 1, size - 1, {kExtractLeft, kExtractRight, kExtractSwap, 0, 0, 0});
        break;
    case Kind::Key:
        w.BeginStep(operand.node, kEitherFirst);
        w.SetValue(operand.node, operand.value);
        w.Count(0, 1);
        SiftUpOrDown(w, operand.node, size);
        break;
    default:
        TakeLast(w, operand.node, size);
        if (operand.node < size)
            SiftUpOrDown(w, operand.node, size - 1);
        break;
    }
}

// Node i gives up its value for the last node's, and the last node goes;
// a heap of one node keeps it, empty.
void HeapAlgorithm::TakeLast(Timeline::Writer &w, int64_t i, int64_t size)
{
    w.BeginStep(i, kEitherFirst); // an extraction's first line too
    if (size == 1) {
        w.SetValue(1, NodeStates::kNoLabel);
        return;
    }
    if (i < size) {
        w.SetValue(i, w.Value(size));
        w.Count(0, 1);
    }
    w.SetCount(size - 1);
}

// A value that may belong higher or lower: the comparison with its parent
// says which way it goes.
void HeapAlgorithm::SiftUpOrDown(Timeline::Writer &w, int64_t i, int64_t size)
{
    const SiftLines either{kEitherLeft, kEitherRight, kEitherSwap, kEitherRise, kEitherRiseSwap, kEitherDecide};
    if (!SiftUp(w, i, either))
        SiftDown(w, i, size, either);
}

// Steps: the left child against the node, the right child against the
// greater of the two, and the swap with the greatest when it is a child.
void HeapAlgorithm::SiftDown(Timeline::Writer &w, int64_t i, int64_t size, const SiftLines &lines)
{
    for (;;) {
        const int64_t l = 2 * i, r = l + 1;
        int64_t best = i;
        if (l <= size) {
            w.BeginStep(l, lines.left, DecisionKind::SinkTo, Partner::Parent);
            w.Count(1, 0);
            if (Above(Number(w.Value(l)), Number(w.Value(i))))
                best = l;
        }
        if (r <= size) {
            w.BeginStep(r, lines.right, DecisionKind::None, best == i ? Partner::Parent : Partner::LeftSibling);
            w.Count(1, 0);
            if (Above(Number(w.Value(r)), Number(w.Value(best))))
                best = r;
        }
        if (best == i)
            return;
        w.BeginStep(best, lines.swap, DecisionKind::None, Partner::Parent);
        w.Swap(i, best);
        w.Count(0, 2);
        i = best;
    }
}

// Steps: the node against its parent, and the swap when it rises. Says
// whether the value rose at all.
bool HeapAlgorithm::SiftUp(Timeline::Writer &w, int64_t i, const SiftLines &lines)
{
    bool rose = false;
    for (int line = lines.decide; i > 1; i /= 2, line = lines.rise) {
        w.BeginStep(i, line, DecisionKind::Rise, Partner::Parent);
        w.Count(1, 0);
        if (!Above(Number(w.Value(i)), Number(w.Value(i / 2))))
            break;
        w.BeginStep(i, lines.riseSwap, DecisionKind::None, Partner::Parent);
        w.Swap(i, i / 2);
        w.Count(0, 2);
        rose = true;
    }
    return rose;
}

int64_t HeapAlgorithm::FirstViolation(const NodeStates &tree, int64_t size, bool minHeap)
{
    for (int64_t i = 2; i <= size; ++i) {
        const int child = Number(tree.Value(i)), parent = Number(tree.Value(i / 2));
        if (minHeap ? child < parent : child > parent)
            return i;
    }
    return 0;
}

const char *HeapAlgorithm::Name() const
{
    static const char *const names[] = {"heap-build", "heap-build-by-insert", "heap-sort", "heap-insert",
                                        "heap-extract", "heap-key",   "heap-delete"};
    return names[int(m_kind)];
}

const Listing &HeapAlgorithm::Lines() const
{
    static const std::vector<Listing> listings = [] {
        std::vector<Listing> all;
        for (int kind = 0; kind <= int(Kind::Delete); ++kind)
            for (const bool min : {false, true})
                all.push_back(MakeListing(Kind(kind), min));
        return all;
    }();
    return listings[std::size_t(2 * int(m_kind) + (m_bMin ? 1 : 0))];
}

Message HeapAlgorithm::NodeText(int64_t i, const NodeStates &now)
{
    return Said(ZARNI_TEXT("HeapAlgorithm", "節點 %1 (%2)")).Number(i).Value(now.Value(i));
}

Message HeapAlgorithm::Narration(const NodeStates &now) const
{
    const int64_t k = m_timeline.Shown();
    if (k == 0)
        return {};
    const TimelineStep &step = m_timeline.Step(k);
    Message said = StepHead();
    if (step.line == 1 && m_kind >= Kind::Insert)
        return said.Append(FirstStepNarration(step, now));
    for (const NodeChange &change : m_timeline.ChangesOf(k))
        if (change.WhichField() == NodeChange::kSwap)
            return said.Append(Said(ZARNI_TEXT("HeapAlgorithm", "交換後 %1、%2"))
                                   .With(NodeText(change.Node(), now))
                                   .With(NodeText(change.from, now)));
    if (m_timeline.ComparisonsOf(k) > 0)
        return said.Append(Said(ZARNI_TEXT("HeapAlgorithm", "比較 %1 與 %2"))
                               .With(NodeText(step.focus, now))
                               .With(NodeText(step.PartnerNode(), now)));
    return said.Append(Said(ZARNI_TEXT("HeapAlgorithm", "%1 已排好")).With(NodeText(step.focus, now)));
}

Message HeapAlgorithm::FirstStepNarration(const TimelineStep &step, const NodeStates &now) const
{
    const int64_t i = step.focus;
    const Message node = i <= now.Count() ? NodeText(i, now) : Message();
    const bool emptied = now.Count() == 1 && now.Value(1) == NodeStates::kNoLabel;
    switch (m_kind) {
    case Kind::Insert: return Said(ZARNI_TEXT("HeapAlgorithm", "%1 加入堆積")).With(node);
    case Kind::Extract:
        return emptied ? Said(ZARNI_TEXT("HeapAlgorithm", "取出樹根的值 %1，堆積空了")).Number(m_nOut)
                       : Said(ZARNI_TEXT("HeapAlgorithm", "取出樹根的值 %1，最後一個節點的值移到樹根：%2")).Number(m_nOut).With(node);
    case Kind::Key: return Said(ZARNI_TEXT("HeapAlgorithm", "%1 換上新的值")).With(node);
    default:
        if (emptied)
            return Said(ZARNI_TEXT("HeapAlgorithm", "刪去節點 1，堆積空了"));
        return i > now.Count() ? Said(ZARNI_TEXT("HeapAlgorithm", "刪去最後一個節點 %1")).Number(i)
                               : Said(ZARNI_TEXT("HeapAlgorithm", "刪去節點 %1，最後一個節點的值移到這裡：%2")).Number(i).With(node);
    }
}

bool HeapAlgorithm::Extracted(int *value) const
{
    if (m_kind != Kind::Extract || m_timeline.Shown() == 0)
        return false;
    *value = m_nOut;
    return true;
}

// Read from the steps recorded: a level of a sift-down is its comparisons
// (the left child's, then the right one's if it has one) and, when a child
// wins, the swap with it; a sift-up's comparison with the parent is
// followed by their swap when the value rises.
LearnerAction HeapAlgorithm::Action(int64_t k, const NodeStates &) const
{
    for (const NodeChange &change : m_timeline.ChangesOf(k))
        if (change.WhichField() == NodeChange::kSwap)
            return LearnerAction::Swap(change.Node(), change.from);
    return {};
}

PracticeQuestion HeapAlgorithm::Question(int64_t k, const NodeStates &) const
{
    const Timeline &steps = m_timeline;
    const TimelineStep &step = steps.Step(k);
    auto swapOf = [&](int64_t j) {
        if (j > steps.Recorded())
            return int64_t(0);
        const TimelineStep &next = steps.Step(j);
        return steps.ComparisonsOf(j) == 0 && steps.MovesOf(j) == 2 && next.partner == Partner::Parent ? int64_t(next.focus) : 0;
    };
    if (step.decision == DecisionKind::Rise) {
        const int64_t i = step.focus;
        return {&kRiseQuestion, i, {i / 2, 0}, swapOf(k + 1) == i ? i / 2 : 0, {}};
    }
    if (step.decision != DecisionKind::SinkTo)
        return {};
    const int64_t l = step.focus;
    const bool right = k < steps.Recorded() && steps.Step(k + 1).focus == l + 1 && steps.ComparisonsOf(k + 1) == 1;
    const int64_t swapped = swapOf(k + (right ? 2 : 1));
    PracticeQuestion question{&kSinkQuestion, l / 2, {l}, 0, {}};
    if (right)
        question.choices.push_back(l + 1);
    question.choices.push_back(0);
    if (std::find(question.choices.begin(), question.choices.end(), swapped) != question.choices.end())
        question.answer = swapped;
    return question;
}
