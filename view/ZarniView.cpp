#include "ZarniView.h"

#include "RunPlayer.h"

#include "framework/App.h"
#include "framework/Printing.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

CZarniView::CZarniView(QWidget *parent) : CScrollView(parent)
{
    MakePlayer();
    m_pRoot = NewRoot();
    BuildNumberedTree(m_pRoot, 1, 1);
    LayoutTree(m_pRoot);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    RegisterCommands();
    ConnectScrollBars();
}

CZarniView::~CZarniView()
{
    EndMerge(); // whoever shows the merge lets it go first
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
    OnCommand(ID_WINNER_POP, [this] { OnWinnerPop(); });
    OnCommand(ID_WINNER_POP_ALL, [this] { OnWinnerPopAll(); });
    for (int id : {ID_WINNER_POP, ID_WINNER_POP_ALL})
        OnUpdateCommand(id, [this](CCmdUI *ui) { ui->Enable(m_pMerge && !m_pMerge->Done()); });
    OnCommand(ID_WINNER_FASTER, [this] { OnWinnerFaster(); });
    // A pair of checked items that choose between two kinds.
    auto choice = [this](int firstId, int secondId, void (CZarniView::*choose)(bool), bool CZarniView::*chosen) {
        for (const bool second : {false, true}) {
            const int id = second ? secondId : firstId;
            OnCommand(id, [this, choose, second] { (this->*choose)(second); });
            OnUpdateCommand(id, [this, chosen, second](CCmdUI *ui) {
                ui->Enable();
                ui->SetCheck(this->*chosen == second);
            });
        }
    };
    choice(ID_HEAP_MAX, ID_HEAP_MIN, &CZarniView::SetMinHeap, &CZarniView::m_bMinHeap);
    choice(ID_WINNER_KIND_WINNER, ID_WINNER_KIND_LOSER, &CZarniView::SetLoserTree, &CZarniView::m_bLoserTree);
    OnCommand(ID_PRACTICE_HINT, [this] { OnPracticeHint(); });
    OnUpdateCommand(ID_PRACTICE_HINT, [this](CCmdUI *ui) { ui->Enable(Question() != nullptr); });
    OnCommand(ID_HEAP_BUILD, [this] { StartHeap(HeapAlgorithm::Kind::Build); });
    OnCommand(ID_HEAP_BUILD_BY_INSERT, [this] { StartHeap(HeapAlgorithm::Kind::BuildByInsert); });
    OnCommand(ID_HEAP_SORT, [this] { StartHeap(HeapAlgorithm::Kind::Sort); });
    OnCommand(ID_WINNER_SLOWER, [this] { OnWinnerSlower(); });
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
        ui->SetCheck(m_nMouseMode == 1);
    });
    OnUpdateCommand(ID_MODE_PAN, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_nMouseMode == 0);
    });
}

void CZarniView::OnInitialUpdate()
{
    m_sizeTotal = {m_nCanvasWidth, m_nCanvasHeight};
    SetScrollSizes(MM_TEXT, m_sizeTotal);
    CScrollView::OnInitialUpdate();
}

// While a run stands between its first and its last step, the window shows
// the boxes its steps painted; otherwise the tree as it is.
void CZarniView::OnDraw(CDrawSurface *dc)
{
    if (PicturingRun())
        DrawRunPicture(dc);
    else
        DrawTree(dc);
}

void CZarniView::Relayout()
{
    LayoutTree(m_pRoot);
    OnInitialUpdate();
}

// Only the count changed: the array is reused, and the build writes every
// field a fresh tree would have.
void CZarniView::RebuildNumberedTree()
{
    m_pRoot = NewRoot();
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
    m_pRoot = NewRoot();
    (this->*build)(m_pRoot, 1, 1);
    LayoutTree(m_pRoot);
    OnInitialUpdate();
}
