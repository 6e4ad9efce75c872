#include "Problems.h"

#include <QTranslator>

namespace {

const char kContext[] = "CProblemText";

// A script's messages are English whatever the interface speaks.
const QTranslator &English()
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral("zarni_en"), QStringLiteral(":/i18n"));
    Q_UNUSED(loaded);
    return english;
}

QString LowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

QString CProblemText::Say(const char *text, Wording wording)
{
    if (wording == Wording::Dialog)
        return tr(text);
    const QString english = English().translate(kContext, text);
    return LowerFirst(english.isEmpty() ? QString::fromUtf8(text) : english);
}

// A script's line ends without a full stop.
QString CProblemText::Finish(QString text, Wording wording)
{
    if (wording == Wording::ScriptLine && text.endsWith('.'))
        text.chop(1);
    return text;
}

QString CProblemText::Leaf(const CZarniView *view, const CZarniView::LeafProblem &problem, Wording wording)
{
    QString text;
    switch (problem.error) {
    case CZarniView::LeafError::None:
        return QString();
    case CZarniView::LeafError::NotANumber:
        text = Say(QT_TR_NOOP("「%1」不是整數。"), wording).arg(problem.word);
        break;
    case CZarniView::LeafError::OutOfRange:
        text = Say(QT_TR_NOOP("%1 超出範圍：值必須在 -%2 到 %2 之間。"), wording).arg(problem.word).arg(kMaxNodeValue);
        break;
    case CZarniView::LeafError::WrongCount:
        text = Say(QT_TR_NOOP("這棵樹有 %1 個葉節點，不是 %2 個值。"), wording).arg(view->LeafCount()).arg(problem.word);
        break;
    case CZarniView::LeafError::NotALeaf:
        text = Say(QT_TR_NOOP("節點 %1 不是葉節點（葉節點是 %2 到 %3）。"), wording)
                   .arg(problem.word)
                   .arg(view->FirstLeaf())
                   .arg(view->m_nNodeCount);
        break;
    }
    return Finish(text, wording);
}

QString CProblemText::Values(const CZarniView *view, const CZarniView::LeafProblem &problem, Wording wording)
{
    if (problem.error != CZarniView::LeafError::WrongCount)
        return Leaf(view, problem, wording);
    return Finish(Say(QT_TR_NOOP("這棵樹有 %1 個節點，不是 %2 個值。"), wording).arg(view->m_nNodeCount).arg(problem.word),
                  wording);
}

QString CProblemText::Merge(const WinnerMerge::Problem &problem, bool lines, Wording wording)
{
    using E = WinnerMerge::Error;
    const QString word = QString::fromStdString(problem.word);
    const QString where = problem.line == 0 ? QString()
                          : lines ? Say(QT_TR_NOOP("第 %1 行（序列 %2）："), wording).arg(problem.line).arg(problem.run)
                                  : Say(QT_TR_NOOP("序列 %1："), wording).arg(problem.run);
    QString text;
    switch (problem.error) {
    case E::None:
        return QString();
    case E::NotANumber: text = Say(QT_TR_NOOP("「%1」不是整數。"), wording).arg(word); break;
    case E::OutOfRange: text = Say(QT_TR_NOOP("%1 超出範圍：值必須在 -%2 到 %2 之間。"), wording).arg(word).arg(kMaxNodeValue); break;
    case E::OutOfOrder: text = Say(QT_TR_NOOP("%1 比前一個值大；序列必須由大到小排列。"), wording).arg(word); break;
    case E::EmptyRun: text = Say(QT_TR_NOOP("這個序列是空的。"), wording); break;
    case E::RunTooLong: text = Say(QT_TR_NOOP("序列最多 %1 個值。"), wording).arg(WinnerMerge::kMaxRunLength); break;
    case E::TooFewRuns:
        text = Say(QT_TR_NOOP("合併至少需要 %1 個序列，這裡只有 %2 個。"), wording).arg(WinnerMerge::kMinRuns).arg(word);
        break;
    case E::TooManyRuns:
        text = Say(QT_TR_NOOP("合併最多只能有 %1 個序列，這裡有 %2 個。"), wording).arg(WinnerMerge::kMaxRuns).arg(word);
        break;
    }
    return Finish(where + text, wording);
}

QString CProblemText::Replacement(const ReplacementAlgorithm::Problem &problem, Wording wording)
{
    using E = ReplacementAlgorithm::Error;
    const QString word = QString::fromStdString(problem.word);
    const QString where = problem.line == 0 ? QString() : Say(QT_TR_NOOP("第 %1 行："), wording).arg(problem.line);
    QString text;
    switch (problem.error) {
    case E::None: return QString();
    case E::NotANumber: text = Say(QT_TR_NOOP("「%1」不是整數。"), wording).arg(word); break;
    case E::OutOfRange: text = Say(QT_TR_NOOP("%1 超出範圍：值必須在 -%2 到 %2 之間。"), wording).arg(word).arg(kMaxNodeValue); break;
    case E::NoValues: text = Say(QT_TR_NOOP("沒有任何值。"), wording); break;
    case E::TooMany: text = Say(QT_TR_NOOP("最多只能有 %1 個值。"), wording).arg(ReplacementAlgorithm::kMaxInput); break;
    }
    return Finish(where + text, wording);
}

QString CProblemText::RunsMerge(const CZarniView *view, CZarniView::RunsMerge outcome, Wording wording)
{
    using M = CZarniView::RunsMerge;
    QString text;
    switch (outcome) {
    case M::Started: return QString();
    case M::NoReplacement: text = Say(QT_TR_NOOP("這個視窗沒有置換選擇產生的序列。"), wording); break;
    case M::OneRun: text = Say(QT_TR_NOOP("輸入整個成為一個排好的序列，不必合併。"), wording); break;
    case M::TooManyRuns:
        text = Say(QT_TR_NOOP("置換選擇產生了 %1 個序列，合併最多只能有 %2 個。"), wording)
                   .arg(view->Replacement()->Runs().size())
                   .arg(WinnerMerge::kMaxRuns);
        break;
    }
    return Finish(text, wording);
}

QString CProblemText::Heap(const CZarniView *view, const CZarniView::HeapProblem &problem, Wording wording)
{
    using E = CZarniView::HeapError;
    QString text;
    switch (problem.error) {
    case E::None:
        return QString();
    case E::NotAHeap:
        text = (view->MinHeap() ? Say(QT_TR_NOOP("這些值不是最小堆積：節點 %1 的值小於它的父節點的值。"), wording)
                                : Say(QT_TR_NOOP("這些值不是最大堆積：節點 %1 的值大於它的父節點的值。"), wording))
                   .arg(problem.node);
        break;
    case E::Empty: text = Say(QT_TR_NOOP("堆積是空的。"), wording); break;
    case E::NoSuchNode:
        text = Say(QT_TR_NOOP("堆積沒有節點 %1：索引必須在 1 到 %2 之間。"), wording).arg(problem.node).arg(problem.size);
        break;
    case E::Full: text = Say(QT_TR_NOOP("這棵樹已經有 %1 個節點，不能再加。"), wording).arg(problem.size); break;
    case E::Sorting:
        text = Say(QT_TR_NOOP("畫面上是堆積排序：排好的節點不是堆積。請先重新建堆積或設定節點值。"), wording);
        break;
    case E::NoValue:
        text = Say(QT_TR_NOOP("節點 %1 沒有值：堆積的每個節點都要是整數。"), wording).arg(problem.node);
        break;
    }
    return Finish(text, wording);
}
