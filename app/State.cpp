#include "State.h"

#include "Zarni.h"
#include "frames/ArrayPanel.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "view/ZarniView.h"

#include <QJsonArray>
#include <QMenuBar>

namespace {

QJsonArray Pair(int a, int b)
{
    return QJsonArray{a, b};
}

void AppendNodes(const TreeNode *node, QJsonArray &nodes)
{
    if (!node)
        return;
    nodes.append(QJsonObject{{"index", node->m_nIndex},
                             {"level", node->m_nLevel},
                             {"label", QString::fromStdString(node->m_strLabel)},
                             {"mark", node->m_nMark},
                             {"x", node->m_ptPos.x},
                             {"y", node->m_ptPos.y}});
    AppendNodes(node->m_pLeft, nodes);
    AppendNodes(node->m_pRight, nodes);
}

QJsonObject RunState(const CZarniView *view)
{
    static const char *const states[] = {"idle", "playing", "paused", "done"};
    return {{"step", qint64(view->RunStep())},
            {"steps", qint64(view->RunStepCount())},
            {"state", states[int(view->GetRunState())]},
            {"speed", view->Speed()},
            {"narration", view->Narration()}};
}

QJsonArray Values(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last)
{
    QJsonArray values;
    for (; first != last; ++first)
        values.append(*first);
    return values;
}

QJsonValue MergeState(const WinnerMerge *merge)
{
    if (!merge)
        return QJsonValue::Null;
    QJsonArray runs;
    for (int j = 0; j < merge->RunCount(); ++j)
        runs.append(Values(merge->Run(j).begin() + merge->Consumed(j), merge->Run(j).end()));
    return QJsonObject{{"runs", runs},
                       {"output", Values(merge->Output().begin(), merge->Output().end())},
                       {"done", merge->Done()}};
}

QJsonObject ViewState(const CZarniView *view)
{
    const QSize client = view->viewport()->size();
    QJsonArray nodes;
    AppendNodes(view->m_pRoot, nodes);
    return {{"clientWidth", client.width()},
            {"clientHeight", client.height()},
            {"canvasWidth", view->m_nCanvasWidth},
            {"canvasHeight", view->m_nCanvasHeight},
            {"nodeCount", view->m_nNodeCount},
            {"depth", view->m_nDepth},
            {"xDivisor", view->m_nXDivisor},
            {"yDivisor", view->m_nYDivisor},
            {"mouseMode", view->m_nMouseMode},
            {"panning", view->m_bPanning},
            {"hScrollPos", view->m_nHScrollPos},
            {"vScrollPos", view->m_nVScrollPos},
            {"sizeTotal", Pair(view->m_sizeTotal.cx, view->m_sizeTotal.cy)},
            {"dragStart", Pair(view->m_ptDragStart.x, view->m_ptDragStart.y)},
            {"dragCurrent", Pair(view->m_ptDragCurrent.x, view->m_ptDragCurrent.y)},
            {"nodes", nodes},
            {"run", RunState(view)},
            {"merge", MergeState(view->Merge())}};
}

} // namespace

QJsonObject ProgramState(CMainFrame *frame)
{
    QJsonArray views;
    const CZarniView *active = frame->GetActiveView();
    const QList<CChildFrame *> windows = frame->ChildFrames();
    for (int w = 0; w < windows.size(); ++w) {
        const CSplitterWnd *splitter = windows[w]->GetSplitter();
        for (int r = 0; r < splitter->GetRowCount(); ++r) {
            for (int c = 0; c < splitter->GetColumnCount(); ++c) {
                const CZarniView *view = splitter->Pane<CZarniView>(r, c);
                if (!view)
                    continue;
                QJsonObject state = ViewState(view);
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
    QJsonArray menuTitles;
    for (const QAction *menu : frame->menuBar()->actions())
        menuTitles.append(menu->text());
    return {{"statusSize", frame->m_wndStatusBar->GetPaneText(1)},
            {"language", CZarniApp::Get() ? CZarniApp::Get()->Language() : QString()},
            {"menuTitles", menuTitles},
            {"fullScreen", frame->isFullScreen()},
            {"arrayPanel", arrayPanel},
            {"zoomIndex", frame->m_wndToolBar->m_wndZoomCombo->currentIndex()},
            {"views", views}};
}
