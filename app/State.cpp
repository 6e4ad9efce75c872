#include "State.h"

#include "Zarni.h"
#include "frames/ArrayPanel.h"
#include "frames/ChildFrm.h"
#include "frames/CodePanel.h"
#include "frames/MainFrm.h"
#include "frames/MergePanel.h"
#include "view/ZarniView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <charconv>

namespace {

// Beyond this many values a merge's state gives counts, not the values.
const int64_t kMaxListedMergeValues = 10000;

QJsonArray Pair(int a, int b)
{
    return QJsonArray{a, b};
}

// A JSON string of UTF-8 text.
void AppendString(QByteArray &out, const std::string &text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\u00" + QByteArray::number(int(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    out += '"';
}

void AppendNumber(QByteArray &out, const char *name, int64_t value)
{
    char digits[24];
    out += name;
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
}

// The nodes in pre-order, written straight into the text: a tree of
// millions of nodes would take many times its text as JSON objects.
void AppendNodes(QByteArray &out, const TreeNode *node)
{
    for (; node; node = node->m_pRight) {
        out += out.endsWith('[') ? "\n" : ",\n";
        AppendNumber(out, "        {\"index\": ", node->m_nIndex);
        AppendNumber(out, ", \"level\": ", node->m_nLevel);
        out += ", \"label\": ";
        AppendString(out, node->m_strLabel);
        AppendNumber(out, ", \"mark\": ", node->m_nMark);
        AppendNumber(out, ", \"x\": ", node->m_ptPos.x);
        AppendNumber(out, ", \"y\": ", node->m_ptPos.y);
        out += '}';
        AppendNodes(out, node->m_pLeft);
    }
}

// Where a view's nodes go in the document's text.
QString NodesPlaceholder(int view)
{
    return QStringLiteral("\u0001nodes %1").arg(view);
}

QJsonObject RunState(const CZarniView *view)
{
    static const char *const states[] = {"idle", "playing", "paused", "done"};
    const RunAlgorithm *run = view->Run();
    return {{"step", qint64(view->RunStep())},
            {"steps", qint64(view->RunStepCount())},
            {"state", states[int(view->GetRunState())]},
            {"speed", view->Speed()},
            {"narration", view->Narration()},
            {"algorithm", run ? run->Name() : ""},
            {"line", view->RunLine()},
            {"comparisons", qint64(run ? run->Steps().Comparisons() : 0)},
            {"moves", qint64(run ? run->Steps().Moves() : 0)}};
}

QJsonArray Values(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last)
{
    QJsonArray values;
    for (; first != last; ++first)
        values.append(*first);
    return values;
}

// The values themselves while they are few; the counts always.
QJsonValue MergeState(const WinnerMerge *merge)
{
    if (!merge)
        return QJsonValue::Null;
    QJsonArray remaining;
    int64_t values = int64_t(merge->Output().size());
    for (int j = 0; j < merge->RunCount(); ++j) {
        remaining.append(qint64(merge->Run(j).size()) - merge->Consumed(j));
        values += remaining.last().toInteger();
    }
    QJsonValue runs = QJsonValue::Null, output = QJsonValue::Null;
    if (values <= kMaxListedMergeValues) {
        QJsonArray lists;
        for (int j = 0; j < merge->RunCount(); ++j)
            lists.append(Values(merge->Run(j).begin() + merge->Consumed(j), merge->Run(j).end()));
        runs = lists;
        output = Values(merge->Output().begin(), merge->Output().end());
    }
    return QJsonObject{{"runs", runs},
                       {"output", output},
                       {"remaining", remaining},
                       {"outputCount", qint64(merge->Output().size())},
                       {"comparisons", qint64(merge->PopComparisons())},
                       {"done", merge->Done()}};
}

// What the replacement has read and the runs it has made by the step shown,
// the current one last; the values themselves while they are few.
QJsonValue ReplacementState(const CZarniView *view)
{
    const ReplacementRecord *record = view->Replacement();
    if (!record)
        return QJsonValue::Null;
    const int64_t step = view->ReplacementStep();
    const int64_t written = record->WrittenBy(step);
    const int runCount = written ? record->RunsBy(step) : 0;
    QJsonValue runs = QJsonValue::Null;
    if (written <= kMaxListedMergeValues) {
        QJsonArray lists;
        for (int j = 0; j < runCount; ++j) {
            const auto [first, end] = record->RunWrittenBy(j, step);
            lists.append(Values(record->Output().begin() + first, record->Output().begin() + end));
        }
        runs = lists;
    }
    return QJsonObject{{"memory", record->Memory()},
                       {"input", qint64(record->Input().size())},
                       {"read", qint64(record->ReadBy(step))},
                       {"written", qint64(written)},
                       {"runCount", runCount},
                       {"runs", runs},
                       {"done", step == record->StepCount()}};
}

QJsonValue HeapState(const CZarniView *view)
{
    if (!view->HasHeapValues())
        return QJsonValue::Null;
    const int64_t violation = view->HeapViolation();
    QJsonArray out;
    for (const int value : view->HeapOut())
        out.append(value);
    return QJsonObject{{"kind", view->MinHeap() ? "min" : "max"},
                       {"size", qint64(view->HeapSize())},
                       {"valid", violation == 0},
                       {"firstViolation", qint64(violation)},
                       {"out", out}};
}

// Whether practice is on, and the active view's question and score.
QJsonObject PracticeState(CMainFrame *frame)
{
    static const char *const kinds[] = {"", "match", "climb", "sink", "rise", "run", "pop"};
    const CZarniView *view = frame->GetActiveView();
    const CZarniView::PracticeScore score = view ? view->Score() : CZarniView::PracticeScore{};
    QJsonValue question = QJsonValue::Null;
    if (const PracticeQuestion *asked = view ? view->Question() : nullptr) {
        QJsonArray choices;
        for (const int64_t choice : asked->choices)
            choices.append(qint64(choice));
        question = QJsonObject{{"kind", kinds[int(asked->kind)]}, {"node", qint64(asked->node)}, {"choices", choices}};
    }
    return {{"on", frame->Practising()},
            {"question", question},
            {"asked", qint64(score.asked)},
            {"right", qint64(score.right)},
            {"wrong", qint64(score.wrong)}};
}

QJsonObject ViewState(const CZarniView *view, int number)
{
    const QSize client = view->viewport()->size();
    return {{"clientWidth", client.width()},
            {"clientHeight", client.height()},
            {"canvasWidth", view->m_nCanvasWidth},
            {"canvasHeight", view->m_nCanvasHeight},
            {"nodeCount", view->m_nNodeCount},
            {"depth", view->m_nDepth},
            {"xDivisor", view->m_nXDivisor},
            {"yDivisor", view->m_nYDivisor},
            {"mouseMode", view->m_nMouseMode},
            {"fitFollow", view->FitFollow()},
            {"panning", view->m_bPanning},
            {"hScrollPos", view->m_nHScrollPos},
            {"vScrollPos", view->m_nVScrollPos},
            {"sizeTotal", Pair(view->m_sizeTotal.cx, view->m_sizeTotal.cy)},
            {"dragStart", Pair(view->m_ptDragStart.x, view->m_ptDragStart.y)},
            {"dragCurrent", Pair(view->m_ptDragCurrent.x, view->m_ptDragCurrent.y)},
            {"nodes", NodesPlaceholder(number)},
            {"run", RunState(view)},
            {"merge", MergeState(view->Merge())},
            {"replacement", ReplacementState(view)},
            {"selection", view->LoserTree() ? "loser" : "winner"},
            {"node0", view->LoserTree() ? QJsonValue(QJsonObject{{"label", QString::fromStdString(view->NodeZero().m_strLabel)},
                                                                 {"mark", view->NodeZero().m_nMark}})
                                        : QJsonValue()},
            {"heap", HeapState(view)}};
}

} // namespace

QByteArray ProgramStateJson(CMainFrame *frame)
{
    QJsonArray views;
    std::vector<const CZarniView *> shown;
    const CZarniView *active = frame->GetActiveView();
    const QList<CChildFrame *> windows = frame->ChildFrames();
    for (int w = 0; w < windows.size(); ++w) {
        const CSplitterWnd *splitter = windows[w]->GetSplitter();
        for (int r = 0; r < splitter->GetRowCount(); ++r) {
            for (int c = 0; c < splitter->GetColumnCount(); ++c) {
                const CZarniView *view = splitter->Pane<CZarniView>(r, c);
                if (!view)
                    continue;
                QJsonObject state = ViewState(view, int(shown.size()));
                shown.push_back(view);
                state.insert("window", w);
                state.insert("title", windows[w]->windowTitle());
                state.insert("row", r);
                state.insert("col", c);
                state.insert("active", view == active);
                views.append(state);
            }
        }
    }
    const CArrayPanel *array = frame->ArrayPanel();
    const QJsonObject arrayPanel{{"visible", !array->isHidden()},
                                 {"first", array->FirstShown()},
                                 {"last", array->LastShown()}};
    const QJsonObject mergePanel{{"visible", !frame->MergePanel()->isHidden()}};
    const CCodePanel *code = frame->CodePanel();
    const QJsonObject codePanel{{"visible", !code->isHidden()},
                                {"lines", QJsonArray::fromStringList(code->Lines())},
                                {"current", code->Current()}};
    QJsonArray menuTitles;
    for (const QAction *menu : frame->menuBar()->actions())
        menuTitles.append(menu->text());
    const QJsonObject state{{"statusSize", frame->m_wndStatusBar->GetPaneText(1)},
            {"practice", PracticeState(frame)},
            {"language", CZarniApp::Get() ? CZarniApp::Get()->Language() : QString()},
            {"menuTitles", menuTitles},
            {"fullScreen", frame->isFullScreen()},
            {"textSize", frame->TextSize()},
            {"indices", frame->ShowIndices()},
            {"arrayPanel", arrayPanel},
            {"mergePanel", mergePanel},
            {"codePanel", codePanel},
            {"zoomIndex", frame->m_wndToolBar->m_wndZoomCombo->currentIndex()},
            {"views", views}};
    // Each view's nodes go where its placeholder stands.
    const QByteArray text = QJsonDocument(state).toJson();
    QByteArray out;
    qsizetype nodes = 0;
    for (const CZarniView *view : shown)
        nodes += view->m_nNodeCount;
    out.reserve(text.size() + nodes * 96); // about a node's line: no copying as it grows
    qsizetype from = 0;
    for (size_t k = 0; k < shown.size(); ++k) {
        const QByteArray placeholder = QJsonDocument(QJsonArray{NodesPlaceholder(int(k))}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
        const qsizetype at = text.indexOf(placeholder, from);
        out += QByteArrayView(text).sliced(from, at - from);
        out += '[';
        AppendNodes(out, shown[k]->m_pRoot);
        out += "\n    ]";
        from = at + placeholder.size();
    }
    out += QByteArrayView(text).sliced(from);
    return out;
}
