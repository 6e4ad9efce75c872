#pragma once
// The tree view: one complete binary tree of the heap indices 1..N, laid out
// over a canvas of its own. The class is split over several files by concern:
//   ZarniView.cpp         state, life cycle, tree commands
//   ZarniView_Tree.cpp    building, freeing and laying out the tree
//   ZarniView_Draw.cpp    drawing the tree and single node boxes
//   ZarniView_Canvas.cpp  canvas size, zoom and box divisor commands
//   ZarniView_Mouse.cpp   mouse modes, rubber band and selection
//   ZarniView_Winner.cpp  random leaf tree and the tournament

#include "TreeNode.h"
#include "framework/CmdTarget.h"
#include "framework/ScrollView.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class CZarniDoc;

class CZarniView : public CScrollView, public CCmdTarget {
    Q_OBJECT

public:
    explicit CZarniView(QWidget *parent = nullptr);
    ~CZarniView() override;

    CZarniDoc *GetDocument() const { return m_pDocument; }
    void SetDocument(CZarniDoc *doc) { m_pDocument = doc; }

    void OnInitialUpdate() override;
    void Relayout();

    // Tree model
    void BuildNumberedTree(TreeNode *node, int index, int level);
    void BuildRandomTree(TreeNode *node, int index, int level);
    static void FreeTree(TreeNode *node);
    static int ChildIndex(int index, int side);
    static TreeNode *NewChild(TreeNode *parent, int side);
    using Builder = void (CZarniView::*)(TreeNode *, int, int);
    void PlaceNode(TreeNode *node, int index, int level);
    void BuildChildren(TreeNode *node, int index, int level, Builder build);
    void ResetTree(Builder build);
    static void PruneBeyondCount(TreeNode *node);
    void LayoutTree(TreeNode *node);
    TreeNode *NodeAt(int64_t index) const;

    // Drawing
    void DrawTree(CDrawSurface *dc);
    void DrawTreeOnLevel(CDrawSurface *dc, TreeNode *node, int level);
    void DrawSelection(CDrawSurface *dc);
    void DrawSelectionOnLevel(CDrawSurface *dc, TreeNode *node, int level);
    // Calls visit for every node of the level in the subtree, left to right.
    template <class Visit> static void ForEachOnLevel(TreeNode *node, int level, const Visit &visit)
    {
        if (!node)
            return;
        if (node->m_nLevel == level)
            visit(node);
        ForEachOnLevel(node->m_pLeft, level, visit);
        ForEachOnLevel(node->m_pRight, level, visit);
    }

    // Tree commands
    void OnNodeAdd();
    void OnNodeRemove();
    void OnWinnerExit();
    void OnWinnerTree();
    void OnWinnerGo();
    // Replaces the tree by the numbered tree of count nodes (count >= 1).
    void SetNodeCount(int count);

    // Canvas commands
    void ChangeCanvasSize(QString xStep, QString yStep);
    void OnZoomIn() { ChangeCanvasSize("+", "+"); }
    void OnZoomOut() { ChangeCanvasSize("-", "-"); }
    void OnZoomInX() { ChangeCanvasSize("+", ""); }
    void OnZoomInY() { ChangeCanvasSize("", "+"); }
    void OnZoomOutX() { ChangeCanvasSize("-", ""); }
    void OnZoomOutY() { ChangeCanvasSize("", "-"); }
    void OnZoomComboSelChange();
    void ApplyZoomIndex(int index);
    void OnNodeNarrower();
    void OnNodeWider();
    void OnNodeShorter();
    void OnNodeTaller();

    // Mouse
    enum { MK_LBUTTON = 1 };
    void OnLButtonDown(unsigned flags, CPoint point);
    void OnLButtonUp(unsigned flags, CPoint point);
    void OnMouseMove(unsigned flags, CPoint point);
    void OnRButtonDown(unsigned flags, CPoint point);
    void OnScroll(int bar, int position);
    bool OnSetCursor();
    void OnModeSelect() { m_nMouseMode = 1; }
    void OnModePan() { m_nMouseMode = 0; }
    void DrawRubberBand(CDrawSurface *dc, int x1, int y1, int x2, int y2, int penWidth);
    void SelectNodesInRect(TreeNode *root, int x1, int y1, int x2, int y2);
    void SelectNodesOnLevel(TreeNode *node, int x1, int y1, int x2, int y2, int level);

    // Tournament
    void PlayLevel(CWindowDC *dc, TreeNode *node, int level);
    int StepDelay() const { return m_nStepDelayMs; }
    void SetStepDelay(int ms) { m_nStepDelayMs = ms < 0 ? 0 : ms; }
    bool IsPlaying() const { return m_bPlaying; }

    // Marks written from outside the view's own commands must be announced,
    // so that the paint stops assuming every box is plain.
    void MarksChanged() { m_bMarksPlain = false; }

    // Box geometry for the current canvas and divisors.
    int HalfWidth() const { return m_nCanvasWidth / m_nXDivisor; }
    int HalfHeight() const { return m_nCanvasHeight / m_nYDivisor; }
    // The doubled divisor can pass the range of int.
    int TextHalfHeight() const { return int(m_nCanvasHeight / (2 * int64_t(m_nYDivisor))); }

    // Largest canvas side the grow steps reach, and largest box divisor.
    static constexpr int kMaxCanvasSide = 1000000;
    static constexpr int kMaxDivisor = 1 << 30;

    // State, in the order the view was designed with.
    int m_nVScrollPos = 0;
    int m_nHScrollPos = 0;
    CPoint m_ptDragStart;
    CPoint m_ptDragCurrent;
    CSize m_sizeTotal{100, 100};
    int m_nCanvasWidth = 800;
    int m_nCanvasHeight = 600;
    int m_nNodeCount = 15;
    int m_nDepth = 1;
    int m_nXDivisor = 32;
    int m_nYDivisor = 24;
    int m_nRandomValue = 0;
    int m_nMouseMode = 1;
    int m_bPanning = 0;
    TreeNode *m_pRoot = nullptr;

signals:
    // A box of the tournament has just been painted on the window.
    void TournamentStep(int index);

protected:
    void OnDraw(CDrawSurface *dc) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void RegisterCommands();
    void ConnectScrollBars();
    void ScrollByDrag(CPoint point);
    void RebuildNumberedTree();
    TreeNode *NewRoot();
    void WriteSizePane();

    // Drawing helpers shared by the paint, the selection and the tournament.
    CFont *LabelFont();
    void DrawNodeBox(CDrawSurface *dc, const TreeNode *node, int x, int y, int mark);
    void DrawNodeEdges(CDrawSurface *dc, const TreeNode *node);
    void DrawEdges(CDrawSurface *dc, CPoint parent, const CPoint *left, const CPoint *right);
    void DrawVisibleLevels(CDrawSurface *dc, CPoint offset, bool selection);
    void DrawRunEdges(CDrawSurface *dc, int level, int64_t kFirst, int64_t kLast, CPoint offset);
    void DrawEdgesFromLayout(CDrawSurface *dc, int level, int64_t k, CPoint offset);
    void DrawPlainDenseLevel(CDrawSurface *dc, int level, int64_t start, int64_t end, CPoint offset, bool edges);
    int64_t LevelX(int level, int64_t k) const;
    int64_t LevelY(int level) const;

    // Tournament helpers.
    bool PlayMatch(CWindowDC *dc, TreeNode *node);
    void PaintNodeBox(CWindowDC *dc, const TreeNode *node);
    static bool Wait(CWindowDC *dc, int delay);

    CZarniDoc *m_pDocument = nullptr;
    // The nodes by heap index, so that drawing finds a node in one step.
    std::vector<TreeNode *> m_nodesByIndex;
    CFont m_labelFont;
    CPoint m_ptScrollAtPress;
    bool m_bCaptured = false;
    int m_nStepDelayMs = 500;
    bool m_bPlaying = false;
    // No node has mark 1 or 2: set by every build, cleared by any mark.
    bool m_bMarksPlain = true;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
