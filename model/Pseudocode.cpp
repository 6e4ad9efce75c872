// The pseudocode of every algorithm the tree plays, as a textbook writes it.
#include "RunAlgorithm.h"

#include <QCoreApplication>

namespace {

struct Line {
    int indent;
    const char *text;
};

struct Listing {
    const char *name;
    std::vector<Line> lines;
};

const char kContext[] = "Pseudocode";

// The match as the full tournament, the path and the merge pop play it.
const char kBothChildren[] = QT_TRANSLATE_NOOP("Pseudocode", "若 i 有兩個子節點");
const char kGreater[] = QT_TRANSLATE_NOOP("Pseudocode", "w ← 2i 與 2i + 1 中值較大者（相等時取 2i + 1）");
const char kLoneChild[] = QT_TRANSLATE_NOOP("Pseudocode", "否則 w ← 2i");
const char kWinnerUp[] = QT_TRANSLATE_NOOP("Pseudocode", "value(i) ← value(w)；w 勝，它的兄弟敗");
const char kMergeNext[] =
    QT_TRANSLATE_NOOP("Pseudocode", "leaf ← 這個值所來自的葉節點；value(leaf) ← 它的序列的下一個值（用完時為 −∞）");
const char kUpToRoot[] = QT_TRANSLATE_NOOP("Pseudocode", "對 i ← parent(leaf) 往上直到樹根：");

// The loser tree's climb as a changed leaf's path and the merge pop play it.
const char kLoserUp[] = QT_TRANSLATE_NOOP("Pseudocode", "對 i ← parent(leaf) 往上直到樹根（略過只有一個子節點的 i）：");
const char kLoserCompare[] = QT_TRANSLATE_NOOP("Pseudocode", "若 value(i) 勝 value(0)（相等時右邊子樹來的勝）：");
const char kLoserSwap[] = QT_TRANSLATE_NOOP("Pseudocode", "交換 value(i) 與 value(0)：敗者留在 i，勝者繼續往上");
const char kLoserEnter[] = QT_TRANSLATE_NOOP("Pseudocode", "value(0) ← value(leaf)");

// Sift-down as the builds and heapsort play it, for a max-heap.
const char kSiftLeft[] = QT_TRANSLATE_NOOP("Pseudocode", "sift-down(i)：若 l = 2i ≤ n 且 value(l) > value(i)，largest ← l，否則 largest ← i");
const char kSiftRight[] = QT_TRANSLATE_NOOP("Pseudocode", "若 r = 2i + 1 ≤ n 且 value(r) > value(largest)，largest ← r");
const char kSiftSwap[] = QT_TRANSLATE_NOOP("Pseudocode", "若 largest ≠ i：交換 value(i) 與 value(largest)；sift-down(largest)");
const char kBuild[] = QT_TRANSLATE_NOOP("Pseudocode", "對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)");
const char kSiftUp[] = QT_TRANSLATE_NOOP("Pseudocode", "sift-up(i)：當 i ≥ 2 且 value(i) > value(parent(i))：");
const char kRiseSwap[] = QT_TRANSLATE_NOOP("Pseudocode", "交換 value(i) 與 value(parent(i))；i ← parent(i)");
const char kUpOrDown[] =
    QT_TRANSLATE_NOOP("Pseudocode", "若 i ≥ 2 且 value(i) > value(parent(i))：sift-up(i)，否則 sift-down(i)");

// A value written at node i, then sifted whichever way it belongs.
std::vector<Line> UpOrDownAfter(const char *first)
{
    return {{0, first}, {0, kUpOrDown}, {0, kSiftUp}, {1, kRiseSwap}, {0, kSiftLeft}, {1, kSiftRight}, {1, kSiftSwap}};
}

// Replacement selection on a loser tree (node 0 the winner) or a winner
// tree (node 1 the winner).
std::vector<Line> ReplacementLines(bool loser)
{
    return {{0, QT_TRANSLATE_NOOP("Pseudocode", "把前 P 個值依序放進葉節點 P 到 2P − 1，都屬於序列 1")},
            {0, loser ? QT_TRANSLATE_NOOP("Pseudocode", "比賽：每個內部節點留下敗者，value(0) ← 勝者（序列小者勝，同序列時值大者勝，空的最後）")
                      : QT_TRANSLATE_NOOP("Pseudocode", "比賽：每個內部節點留下勝者（序列小者勝，同序列時值大者勝，空的最後）")},
            {0, loser ? QT_TRANSLATE_NOOP("Pseudocode", "目前序列 ← 1；當 value(0) 不是空的：")
                      : QT_TRANSLATE_NOOP("Pseudocode", "目前序列 ← 1；當 value(1) 不是空的：")},
            {1, QT_TRANSLATE_NOOP("Pseudocode", "若勝者屬於下一個序列：目前序列結束，開始下一個序列")},
            {1, QT_TRANSLATE_NOOP("Pseudocode", "把勝者的值 w 寫到目前序列")},
            {1, loser ? QT_TRANSLATE_NOOP("Pseudocode", "leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf 與節點 0：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空")
                      : QT_TRANSLATE_NOOP("Pseudocode", "leaf ← 勝者的葉節點；讀入下一個值 x 放進 leaf：x ≤ w 時屬於目前序列，否則屬於下一個；沒有輸入時 leaf 變空")},
            {1, kUpToRoot},
            {2, loser ? QT_TRANSLATE_NOOP("Pseudocode", "若 value(i) 勝 value(0)：交換 value(i) 與 value(0)")
                      : QT_TRANSLATE_NOOP("Pseudocode", "value(i) ← value(2i) 與 value(2i + 1) 中的勝者")}};
}

const std::vector<Listing> &Listings()
{
    static const std::vector<Listing> listings{
        {"tournament",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "對每一層，由 depth − 1 往上到 1：")},
          {1, QT_TRANSLATE_NOOP("Pseudocode", "對該層每個有子節點的節點 i，由左到右：")},
          {2, kBothChildren},
          {3, kGreater},
          {2, kLoneChild},
          {2, kWinnerUp}}},
        {"path",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "value(leaf) ← 新的值")},
          {0, kUpToRoot},
          {1, kBothChildren},
          {2, kGreater},
          {1, kLoneChild},
          {1, kWinnerUp}}},
        {"merge",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "輸出 value(1)")},
          {0, kMergeNext},
          {0, kUpToRoot},
          {1, kGreater},
          {1, kWinnerUp}}},
        {"loser-tournament",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "對每一層，由 depth − 1 往上到 1：")},
          {1, QT_TRANSLATE_NOOP("Pseudocode", "對該層每個有子節點的節點 i，由左到右：")},
          {2, kBothChildren},
          {3, QT_TRANSLATE_NOOP("Pseudocode", "a ← winner(2i)，b ← winner(2i + 1)（葉節點的 winner 是它的值）")},
          {3, QT_TRANSLATE_NOOP("Pseudocode", "winner(i) ← a 與 b 中較大者（相等時取 b）；value(i) ← 另一個，即敗者")},
          {2, QT_TRANSLATE_NOOP("Pseudocode", "否則 winner(i) ← winner(2i)；value(i) ← 空")},
          {0, QT_TRANSLATE_NOOP("Pseudocode", "value(0) ← winner(1)，總冠軍")}}},
        {"loser-path",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "value(0) ← value(leaf)（leaf 是上一個總冠軍的葉節點）")},
          {0, kLoserUp},
          {1, kLoserCompare},
          {2, kLoserSwap}}},
        {"loser-merge",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "輸出 value(0)")},
          {0, kMergeNext},
          {0, kLoserEnter},
          {0, kLoserUp},
          {1, kLoserCompare},
          {2, kLoserSwap}}},
        {"replacement-loser", ReplacementLines(true)},
        {"replacement-winner", ReplacementLines(false)},
        {"heap-build", {{0, kBuild}, {0, kSiftLeft}, {1, kSiftRight}, {1, kSiftSwap}}},
        {"heap-build-by-insert",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "對 i ← 2 到 n：sift-up(i)")}, {0, kSiftUp}, {1, kRiseSwap}}},
        {"heap-sort",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "建堆積（對 i ← ⌊n/2⌋ 往下到 1：sift-down(i)）")},
          {0, QT_TRANSLATE_NOOP("Pseudocode", "對 e ← n 往下到 2：")},
          {1, QT_TRANSLATE_NOOP("Pseudocode", "交換 value(1) 與 value(e)；n ← e − 1，節點 e 排好了")},
          {1, kSiftLeft},
          {2, kSiftRight},
          {2, kSiftSwap}}},
        {"heap-insert",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "n ← n + 1；value(n) ← 新的值；sift-up(n)")}, {0, kSiftUp}, {1, kRiseSwap}}},
        {"heap-extract",
         {{0, QT_TRANSLATE_NOOP("Pseudocode", "輸出 value(1)；value(1) ← value(n)；n ← n − 1；sift-down(1)")},
          {0, kSiftLeft},
          {1, kSiftRight},
          {1, kSiftSwap}}},
        {"heap-key", UpOrDownAfter(QT_TRANSLATE_NOOP("Pseudocode", "value(i) ← 新的值"))},
        {"heap-delete",
         UpOrDownAfter(QT_TRANSLATE_NOOP("Pseudocode", "value(i) ← value(n)；n ← n − 1（i = n 時只刪去節點 n）"))},
    };
    return listings;
}

} // namespace

QStringList Pseudocode(const QString &name)
{
    QStringList lines;
    for (const Listing &listing : Listings()) {
        if (name != QLatin1String(listing.name))
            continue;
        for (const Line &line : listing.lines)
            lines << QString(2 * line.indent, ' ') + QCoreApplication::translate(kContext, line.text);
    }
    return lines;
}
