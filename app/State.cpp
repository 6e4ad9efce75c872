#include "State.h"

#include "Zarni.h"
#include "frames/ArrayPanel.h"
#include "frames/ChildFrm.h"
#include "frames/CodePanel.h"
#include "frames/MainFrm.h"
#include "frames/StartPage.h"
#include "frames/Presenter.h"
#include "frames/RecordPanel.h"
#include "frames/Speaker.h"
#include "model/algorithms/Algorithm.h"
#include "model/exercise/ExerciseState.h"
#include "view/Palette.h"
#include "view/ZarniView.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <charconv>

namespace {

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
void AppendNodes(QByteArray &out, const TreeModel &model, const TreeNode *node)
{
    for (; node; node = node->m_pRight) {
        out += out.endsWith('[') ? "\n" : ",\n";
        AppendNumber(out, "        {\"index\": ", node->m_nIndex);
        AppendNumber(out, ", \"level\": ", node->m_nLevel);
        out += ", \"label\": ";
        AppendString(out, model.Text(model.Value(node->m_nIndex)));
        AppendNumber(out, ", \"mark\": ", model.Mark(node->m_nIndex));
        AppendNumber(out, ", \"x\": ", node->m_ptPos.x);
        AppendNumber(out, ", \"y\": ", node->m_ptPos.y);
        out += '}';
        AppendNodes(out, model, node->m_pLeft);
    }
}

QJsonValue Json(const StateValue &value)
{
    switch (value.GetKind()) {
    case StateValue::Kind::Null: return QJsonValue();
    case StateValue::Kind::Bool: return value.Flag();
    case StateValue::Kind::Number: return qint64(value.Number());
    case StateValue::Kind::Real: return value.Real();
    case StateValue::Kind::Text: return QString::fromStdString(value.Text());
    case StateValue::Kind::List: {
        QJsonArray list;
        for (const StateValue &item : value.Items())
            list.append(Json(item));
        return list;
    }
    case StateValue::Kind::Object: {
        QJsonObject object;
        for (std::size_t i = 0; i < value.Keys().size(); ++i)
            object.insert(QString::fromStdString(value.Keys()[i]), Json(value.Items()[i]));
        return object;
    }
    }
    return QJsonValue();
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
            {"line", view->Model().Line()},
            {"comparisons", qint64(run ? run->Steps().Comparisons() : 0)},
            {"moves", qint64(run ? run->Steps().Moves() : 0)}};
}

// Whether practice is on, and the active view's question and score.
QJsonObject PracticeState(CMainFrame *frame)
{
    const CZarniView *view = frame->GetActiveView();
    const TreeModel::Score score = view ? view->Model().GetScore() : TreeModel::Score{};
    QJsonValue question = QJsonValue::Null;
    if (const PracticeQuestion *asked = view ? view->Question() : nullptr) {
        QJsonArray choices;
        for (const int64_t choice : asked->choices)
            choices.append(qint64(choice));
        question = QJsonObject{{"kind", asked->kind->name}, {"node", qint64(asked->node)}, {"choices", choices}};
    }
    return {{"on", frame->Practising()},
            {"question", question},
            {"asked", qint64(score.asked)},
            {"right", qint64(score.right)},
            {"wrong", qint64(score.wrong)}};
}

// The active view's exercise, or null.
QJsonValue ExerciseStateOf(CMainFrame *frame)
{
    const CZarniView *view = frame->GetActiveView();
    return view ? Json(view->Model().Find<ExerciseState>().StateOf()) : QJsonValue();
}

// The lessons it lists, by title and file, and whether it is in sight.
QJsonObject StartPageState(const CStartPage *page)
{
    QJsonArray lessons;
    for (const LessonEntry &lesson : page->Lessons())
        lessons.append(QJsonObject{{"title", lesson.title}, {"line", lesson.line}, {"file", QFileInfo(lesson.path).fileName()}});
    return {{"visible", page->isVisible()},
            {"folder", page->Folder().isEmpty() ? QJsonValue() : QJsonValue(page->Folder())},
            {"lessons", lessons}};
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
            {"said", view->Said().isEmpty() ? QJsonValue() : QJsonValue(view->Said())},
            {"panning", view->m_bPanning},
            {"hScrollPos", view->m_nHScrollPos},
            {"cursor", qint64(view->NodeCursor())},
            {"vScrollPos", view->m_nVScrollPos},
            {"sizeTotal", Pair(view->m_sizeTotal.cx, view->m_sizeTotal.cy)},
            {"dragStart", Pair(view->m_ptDragStart.x, view->m_ptDragStart.y)},
            {"dragCurrent", Pair(view->m_ptDragCurrent.x, view->m_ptDragCurrent.y)},
            {"nodes", NodesPlaceholder(number)},
            {"run", RunState(view)}};
}

// What each algorithm adds to a view's state.
void AddAlgorithmStates(QJsonObject &state, const CZarniView *view)
{
    StateValue added = StateValue::Object();
    for (const auto &algorithm : view->Model().States())
        algorithm->AddState(added);
    const QJsonObject object = Json(added).toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        state.insert(it.key(), it.value());
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
                AddAlgorithmStates(state, view);
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
    const QJsonObject mergePanel{{"visible", !frame->RecordPanel()->isHidden()}};
    const CCodePanel *code = frame->CodePanel();
    const QJsonObject codePanel{{"visible", !code->isHidden()},
                                {"lines", QJsonArray::fromStringList(code->Lines())},
                                {"current", code->Current()}};
    QJsonArray menuTitles;
    for (const QAction *menu : frame->menuBar()->actions())
        menuTitles.append(menu->text());
    // The bars in sight, by name: what present mode hides.
    QJsonArray bars;
    if (!frame->menuBar()->isHidden())
        bars.append(QStringLiteral("menuBar"));
    for (const QToolBar *bar : frame->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (!bar->isHidden())
            bars.append(bar->objectName());
    if (!frame->statusBar()->isHidden())
        bars.append(QStringLiteral("statusBar"));
    const QJsonObject state{{"statusSize", frame->m_wndStatusBar->GetPaneText(1)},
            {"startPage", StartPageState(frame->StartPage())},
            {"practice", PracticeState(frame)},
            {"exercise", ExerciseStateOf(frame)},
            {"language", CZarniApp::Get() ? CZarniApp::Get()->Language() : QString()},
            {"menuTitles", menuTitles},
            {"bars", bars},
            {"fullScreen", frame->isFullScreen()},
            {"present", frame->Presenter()->On()},
            {"blank", frame->Presenter()->Blank()},
            {"textSize", frame->TextSize()},
            {"indices", frame->ShowIndices()},
            {"palette", CurrentPalette().name},
            {"speak", frame->Speaker()->On()},
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
        AppendNodes(out, shown[k]->Model(), shown[k]->m_pRoot);
        out += "\n    ]";
        from = at + placeholder.size();
    }
    out += QByteArrayView(text).sliced(from);
    return out;
}
