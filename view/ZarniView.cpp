#include "ZarniView.h"

#include "RunPlayer.h"
#include "TreeAccessible.h"

#include "framework/App.h"
#include "framework/Printing.h"
#include "framework/StandardIds.h"
#include "model/algorithms/Table.h"
#include "model/exercise/ExerciseState.h"
#include "res/Resource.h"

#include <QEvent>

CZarniView::CZarniView(QWidget *parent) : CScrollView(parent), m_pPlayer(std::make_unique<CRunPlayer>(m_model))
{
    m_model.Attach(this);
    connect(m_pPlayer.get(), &CRunPlayer::StateChanged, this, &CZarniView::RunStateChanged);
    connect(&m_slideTimer, &QTimer::timeout, this, &CZarniView::SlideOn);
    RebuildNumberedTree();
    LayoutTree(m_pRoot);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallTreeAccessibility();
    setAccessibleName(tr("樹"));
    RegisterCommands();
    RegisterAlgorithmCommands();
    ConnectScrollBars();
}

CZarniView::~CZarniView()
{
    m_pPlayer->Pause();
    m_model.Detach(this);
    FreeTree(m_pRoot);
}

void CZarniView::RegisterCommands()
{
    OnCommand(ID_NODE_ADD, [this] { OnNodeAdd(); });
    OnCommand(ID_NODE_REMOVE, [this] { OnNodeRemove(); });
    OnCommand(ID_WINNER_EXIT, [this] { OnWinnerExit(); });
    OnCommand(ID_WINNER_TREE, [this] { OnWinnerTree(); });
    OnCommand(ID_WINNER_GO, [this] { OnWinnerGo(); });
    OnCommand(ID_WINNER_PAUSE, [this] { OnWinnerPause(); });
    OnUpdateCommand(ID_WINNER_PAUSE, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(GetRunState() == RunState::Paused);
    });
    OnCommand(ID_WINNER_STEP, [this] { OnWinnerStep(); });
    OnCommand(ID_WINNER_BACK, [this] { OnWinnerBack(); });
    OnCommand(ID_WINNER_RESTART, [this] { OnWinnerRestart(); });
    OnCommand(ID_WINNER_END, [this] { OnWinnerEnd(); });
    OnCommand(ID_WINNER_FASTER, [this] { OnWinnerFaster(); });
    OnCommand(ID_WINNER_SLOWER, [this] { OnWinnerSlower(); });
    OnCommand(ID_PRACTICE_HINT, [this] { OnPracticeHint(); });
    OnCommand(ID_EDIT_UNDO, [this] { Follow(m_model.Find<ExerciseState>().Undo()); });
    OnUpdateCommand(ID_EDIT_UNDO, [this](CCmdUI *ui) {
        const Exercise *exercise = m_model.Find<ExerciseState>().Current();
        ui->Enable(exercise && exercise->CanUndo());
    });
    OnUpdateCommand(ID_PRACTICE_HINT, [this](CCmdUI *ui) { ui->Enable(Question() != nullptr); });
    OnCommand(ID_ZOOM_IN, [this] { OnZoomIn(); });
    OnCommand(ID_VIEW_FIT, [this] { OnViewFit(); });
    OnCommand(ID_VIEW_FIT_FOLLOW, [this] { SetFitFollow(!m_bFitFollow); });
    OnUpdateCommand(ID_VIEW_FIT_FOLLOW, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_bFitFollow);
    });
    OnCommand(ID_ZOOM_OUT, [this] { OnZoomOut(); });
    OnCommand(ID_ZOOM_IN_X, [this] { OnZoomInX(); });
    OnCommand(ID_ZOOM_IN_Y, [this] { OnZoomInY(); });
    OnCommand(ID_ZOOM_OUT_X, [this] { OnZoomOutX(); });
    OnCommand(ID_ZOOM_OUT_Y, [this] { OnZoomOutY(); });
    OnCommand(ID_NODE_NARROWER, [this] { OnNodeNarrower(); });
    OnCommand(ID_NODE_WIDER, [this] { OnNodeWider(); });
    OnCommand(ID_NODE_SHORTER, [this] { OnNodeShorter(); });
    OnCommand(ID_NODE_TALLER, [this] { OnNodeTaller(); });
    OnCommand(ID_MODE_SELECT, [this] { OnModeSelect(); });
    OnCommand(ID_MODE_PAN, [this] { OnModePan(); });
    auto print = [this](bool askFirst) {
        if (CWinApp::Get())
            OnFilePrint(this, &CWinApp::Get()->Printer(), askFirst);
    };
    OnCommand(ID_FILE_PRINT, [print] { print(true); });
    OnCommand(ID_FILE_PRINT_DIRECT, [print] { print(false); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] {
        if (CWinApp::Get())
            OnFilePrintPreview(this, &CWinApp::Get()->Printer());
    });
    OnUpdateCommand(ID_MODE_SELECT, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_nMouseMode == kSelect);
    });
    OnUpdateCommand(ID_MODE_PAN, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_nMouseMode == kPan);
    });
}

// The algorithms' commands show their state from the view's model: a
// checked item its setting, an item enabled at times when it is. The frame
// runs them (asking first where they have a dialog).
void CZarniView::RegisterAlgorithmCommands()
{
    for (const CommandEntry &command : AlgorithmCommands()) {
        if (!command.checked && !command.enabled)
            continue;
        OnUpdateCommand(command.value, [this, &command](CCmdUI *ui) {
            ui->Enable(!command.enabled || command.enabled(m_model));
            if (command.checked)
                ui->SetCheck(command.checked(m_model));
        });
    }
}

Outcome CZarniView::RunCommand(const CommandEntry &command)
{
    m_pPlayer->Pause();
    const Outcome outcome = command.act(m_model);
    Follow(outcome);
    return outcome;
}

void CZarniView::OnInitialUpdate()
{
    m_sizeTotal = {m_nCanvasWidth, m_nCanvasHeight};
    SetScrollSizes(MM_TEXT, m_sizeTotal);
    CScrollView::OnInitialUpdate();
}

void CZarniView::OnDraw(CDrawSurface *dc)
{
    DrawTree(dc);
}

void CZarniView::Relayout()
{
    LayoutTree(m_pRoot);
    OnInitialUpdate();
}

// The model takes a new tree of the count; the view lays it out.
void CZarniView::RebuildNumberedTree()
{
    m_model.NewTree(m_nNodeCount);
    BuildNumberedTree(m_pRoot, 1, 1);
}

void CZarniView::OnNodeAdd()
{
    // The count only grows, so the builder raises the depth where needed.
    if (m_nNodeCount < INT32_MAX)
        m_nNodeCount += 1;
    RebuildNumberedTree();
    Relayout();
}

void CZarniView::OnNodeRemove()
{
    if (m_nNodeCount > 1)
        m_nNodeCount -= 1;
    m_nDepth = 1;
    RebuildNumberedTree();
    Relayout();
}

void CZarniView::SetNodeCount(int count)
{
    m_nNodeCount = count < 1 ? 1 : count;
    m_nDepth = 1;
    RebuildNumberedTree();
    Relayout();
}

void CZarniView::OnWinnerExit()
{
    ResetTree(&CZarniView::BuildNumberedTree);
}

// A fresh tree of 15 nodes from the given builder; the canvas, the divisors,
// the mouse mode and the scroll position stay.
void CZarniView::ResetTree(Builder build)
{
    FreeTree(m_pRoot);
    m_nDepth = 1;
    m_nNodeCount = 15;
    m_model.NewTree(m_nNodeCount);
    (this->*build)(m_pRoot, 1, 1);
    LayoutTree(m_pRoot);
    OnInitialUpdate();
}

// A new tree the model took (the view's own rebuilds, an algorithm's): its
// nodes placed and linked, its depth found.
void CZarniView::TreeReplaced()
{
    m_nNodeCount = int(m_model.Count());
    if (m_nNodeCount < 1)
        return;
    m_pRoot = NewRoot();
    m_nDepth = TreeGeometry::LevelOf(m_nNodeCount);
    for (int64_t i = 1; i <= m_nNodeCount; ++i)
        PlaceNode(&m_nodes[std::size_t(i - 1)], i, TreeGeometry::LevelOf(i));
    LayoutTree(m_pRoot);
    Invalidate();
}

void CZarniView::CountChanged(int64_t, int64_t to)
{
    ResizeTree(to);
}

// Values or marks changed; where node 0 has come or gone, the levels'
// bands move.
void CZarniView::TreeChanged()
{
    if (m_model.NodeZeroShown() != m_bNodeZeroLaidOut)
        Relayout();
    Invalidate();
}

// Another language words the corners and tags anew, in its own face.
void CZarniView::changeEvent(QEvent *event)
{
    CScrollView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("樹"));
        Invalidate();
    }
}

QString CZarniView::Label(int64_t index) const
{
    return QString::fromStdString(m_model.Text(m_model.Value(index)));
}
