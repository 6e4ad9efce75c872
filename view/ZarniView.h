#pragma once
// The tree view: one complete binary tree of the heap indices 1..N, laid out
// over a canvas of its own. The class is split over several files by concern:
//   ZarniView.cpp         state, life cycle, tree commands
//   ZarniView_Tree.cpp    building, freeing and laying out the tree, marks
//   ZarniView_Draw.cpp    drawing the tree and single node boxes
//   ZarniView_Canvas.cpp  canvas size, zoom and box divisor commands
//   ZarniView_Mouse.cpp   mouse modes, rubber band and selection
//   ZarniView_Winner.cpp  random leaf tree, the tournament and the run shown
//   ZarniView_Merge.cpp   the merge of sorted runs on the winner tree
//   ZarniView_Practice.cpp  practice: the learner decides the next step

#include "model/HeapAlgorithm.h"
#include "model/ReplacementAlgorithm.h"
#include "model/LargeBlocks.h"
#include "model/RunAlgorithm.h"
#include "model/TournamentRun.h"
#include "model/TreeGeometry.h"
#include "model/TreeNode.h"
#include "model/WholeNumber.h"
#include "model/WinnerMerge.h"
#include "framework/CmdTarget.h"
#include "framework/ScrollView.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CRunPlayer;
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
    void FreeTree(TreeNode *node);
    void LayoutTree(TreeNode *node);
    TreeNode *NodeAt(int64_t index);
    const TreeNode *NodeAt(int64_t index) const;
    // Where everything stands for the current canvas, depth and divisors.
    TreeGeometry Geometry() const;

    // Marks. Every mark goes through SetMark, so that the marks can be
    // cleared again without visiting every node.
    void SetMark(TreeNode *node, int mark);
    void ClearMarks();

    // Drawing
    void DrawTree(CDrawSurface *dc);
    void DrawSelection(CDrawSurface *dc);
    // Node index's box at window point (x, y), with the label given, in the
    // colours of mark.
    void DrawNodeBox(CDrawSurface *dc, int64_t index, const std::string &label, int x, int y, int mark);
    // Each box whose label is not its index shows the index small in its
    // corner (a merge's leaf its run's number).
    void SetShowIndices(bool show);
    bool ShowIndices() const { return m_bShowIndices; }

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
    // A pick of the zoom list: items 0..19 are 20x..1x, 20..29 1/2x..1/20x.
    static constexpr int kZoomItems = 30;
    static CSize ZoomIndexSize(int index);
    void ApplyZoomIndex(int index);
    // The same pick, then scrolled so that the canvas point under the
    // client point anchor stays there, as far as the scroll range allows.
    void ApplyZoomIndexAbout(int index, QPoint anchor);
    // The canvas becomes the client area as it is without scroll bars, so
    // that the whole tree shows; following, it stays so as the view's size
    // changes.
    void OnViewFit();
    void SetFitFollow(bool follow);
    bool FitFollow() const { return m_bFitFollow; }
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
    // Node index alone selected (mark 1, every other mark 0, redrawn as a
    // selection redraws), scrolled into view or, with centre, as near the
    // middle of the client area as the scroll range allows. False for an
    // index outside the tree.
    bool SelectNode(int64_t index, bool centre);
    // The node selected alone, or 0.
    int64_t SelectedNode() const;
    // A node outlined over the window, with its parent and children more
    // lightly; 0 for none. The window's pixels stay as they are.
    void SetHighlight(int64_t index);
    int64_t Highlight() const { return m_nHighlight; }
    void SelectNodesInRect(TreeNode *root, int x1, int y1, int x2, int y2);

    // Runs. A run is an algorithm's steps on the tree as it stood when the
    // run started (the tournament, a leaf's path, a merge's pop); the view's
    // player plays it, steps it forward and back, restarts, finishes and
    // seeks it.
    enum class RunState { Idle, Playing, Paused, Done };
    void OnWinnerPause();
    void OnWinnerStep();
    void OnWinnerBack();
    void OnWinnerRestart();
    void OnWinnerEnd();
    void OnWinnerFaster();
    void OnWinnerSlower();
    // Shows step 0..n of the run, paused; false with no run or a step
    // outside it.
    bool SeekRun(int64_t step);
    RunState GetRunState() const;
    // The run, null when none; the name of its algorithm, or of the one run
    // last; the pseudocode line of the step shown (0 at step 0 or with no
    // run).
    const RunAlgorithm *Run() const;
    QString AlgorithmName() const;
    // The pseudocode the run shows, or the last algorithm's.
    QStringList Listing() const;
    int RunLine() const;
    // What a node's box shows: its label and mark.
    struct NodeLook {
        std::string label;
        int mark;
    };
    // A node as the window shows it: in the middle of a run of matches, as
    // its box was last painted.
    NodeLook ShownLook(int64_t index) const;
    // Returns once the view's run has stopped playing or the view is gone
    // (handling events meanwhile).
    static void WaitWhilePlaying(CZarniView *view);
    // Own leaf values, whole numbers from -99999 to 99999. A rejected value
    // changes nothing and says why.
    enum class LeafError { None, NotANumber, OutOfRange, WrongCount, NotALeaf };
    struct LeafProblem {
        LeafError error = LeafError::None;
        QString word; // the word at fault
    };
    int64_t LeafCount() const { return m_nNodeCount - m_nNodeCount / 2; }
    // The leaves are nodes FirstLeaf() to m_nNodeCount.
    int64_t FirstLeaf() const { return m_nNodeCount / 2 + 1; }
    // Node index's box where the window shows it, from the stored scroll
    // position.
    CRect WindowBox(int64_t index) const;
    // The leaves in ascending heap index get the values; inner labels are
    // emptied and every mark cleared, the shape kept.
    LeafProblem SetLeafValues(const QStringList &values);
    // One leaf's value; on a tree played to its end, the matches on its path
    // to the root are played again as a run.
    LeafProblem SetLeafValue(int64_t index, const QString &value);
    // While the run shown is such a replay: its leaf and the label the leaf
    // had before it changed; false otherwise.
    bool ReplayedLeaf(int64_t *leaf, std::string *before) const;
    // The node whose box shows at window point p (the one drawn last), or 0;
    // the same for leaves only.
    int64_t NodeIndexAt(CPoint p) const;
    int64_t LeafAt(CPoint p) const;
    int64_t RunStep() const;
    int64_t RunStepCount() const;
    // 0.25, 0.5, 1, 2, 4 or 8 times the normal speed.
    double Speed() const;
    // The wait between a playing run's steps, in milliseconds.
    int StepWait() const;
    bool SetSpeed(double speed);
    // What the message pane says of the step shown, empty at step 0.
    QString Narration() const;
    int StepDelay() const;
    void SetStepDelay(int ms);
    bool IsPlaying() const;

    // Heaps. Every node's label is its value (whole numbers from -99999 to
    // 99999, in heap order); the builds and heapsort play as runs on the
    // kind of heap chosen, max or min.
    LeafProblem SetValues(const QStringList &values);
    static LeafProblem ReadValue(const QString &word, int *value);
    enum class ValueFill { Random, Ascending, Descending };
    void FillValues(ValueFill fill, int low = 0, int high = 99);
    void SetMinHeap(bool min);
    bool MinHeap() const { return m_bMinHeap; }
    // Plays a heap operation. One on a single value (insert, extract, key,
    // delete) is refused, with the reason, unless the values form a heap of
    // the kind chosen that has the node and, to insert, room to grow.
    enum class HeapError { None, NotAHeap, Empty, NoSuchNode, Full, Sorting, NoValue };
    struct HeapProblem {
        HeapError error = HeapError::None;
        int64_t node = 0; // the first node out of order, or the node asked for
        int64_t size = 0; // the heap's nodes
    };
    HeapProblem StartHeap(HeapAlgorithm::Kind kind, HeapAlgorithm::Operand operand = {});
    // Whether the tree holds values set as a heap's; the heap's size (the
    // nodes before the sorted ones) and its first node out of order, 0 for
    // none.
    bool HasHeapValues() const { return m_bHeapValues; }
    int64_t HeapSize() const;
    int64_t HeapViolation() const;
    // The values extracted since the tree took its values, in order.
    std::vector<int> HeapOut() const;
    bool SetHeapOut(std::vector<int> out);
    // The heap's run shown, or null; the values (index 0 unused) and so the
    // node count the tree had before the run shown.
    const HeapAlgorithm *HeapRun() const;
    std::vector<int> ValuesBeforeRun() const;

    // The merge of sorted runs: the tree becomes the winner tree of the runs
    // (2k - 1 nodes, the heads at the leaves) and its tournament is played
    // as a run. A pop writes the root's value out, gives its leaf the next
    // value of its run and replays that leaf's path. Any command that
    // replaces the tree or its leaves ends the merge.
    void StartMerge(WinnerMerge::Runs runs);
    void OnWinnerPop();
    void OnWinnerPopAll();
    const WinnerMerge *Merge() const { return m_pMerge.get(); }

    // Replacement selection: the tree becomes the selection tree of the
    // current kind with `memory` leaves (2 * memory - 1 nodes, all empty) and
    // the run cuts the input into runs sorted from the greatest down. What
    // it has read and written stands at the step the run showed last. Any
    // command that replaces the tree ends it, as a merge.
    void StartReplacement(int memory, std::vector<int> input);
    const ReplacementRecord *Replacement() const { return m_replacement.record.get(); }
    int64_t ReplacementStep() const { return m_replacement.step; }
    // Merges every run the replacement makes, with the tree kind chosen.
    enum class RunsMerge { Started, NoReplacement, OneRun, TooManyRuns };
    RunsMerge MergeReplacementRuns();

    // The kind of selection tree the tournament, a leaf's path and the
    // merge play: a winner tree (each node shows its match's winner) or a
    // loser tree (each node shows its match's loser and node 0, drawn in a
    // band above the root, the overall winner). Switching on a played tree
    // plays its tournament again.
    void SetLoserTree(bool loser);
    bool LoserTree() const { return m_bLoserTree; }
    const TreeNode &NodeZero() const { return m_nodeZero; }

    // Practice: while it is on, every run stops before each step that decides
    // something and asks the learner (a click on a box, a slot of the array,
    // the keyboard, or Answer). A right answer plays on; a wrong one is
    // counted, the right answer shown with the step, and the run pauses.
    void SetPractice(bool on);
    bool Practising() const { return m_practice.on; }
    // The question asked, or null; what it says to the learner.
    const PracticeQuestion *Question() const;
    QString QuestionText() const;
    // The question, or the reason of a wrong answer with the step it
    // played, or the step's narration.
    QString ShownNarration() const;
    enum class AnswerResult { Right, Wrong, NoQuestion, NotAChoice };
    AnswerResult Answer(int64_t choice);
    // Outlines what the question compares and points at its pseudocode line,
    // without counting anything.
    void OnPracticeHint();
    struct PracticeScore {
        int64_t asked = 0, right = 0, wrong = 0;
    };
    PracticeScore Score() const { return m_practice.score; }

    int HalfWidth() const { return Geometry().HalfWidth(); }
    int HalfHeight() const { return Geometry().HalfHeight(); }

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
    // A zoom command has set the canvas size.
    void CanvasSizeChanged(int width, int height);
    // The run shows another step: played, stepped, gone back or sought.
    void StepShown(qint64 step);
    // The step shown has changed; text tells what it shows.
    void RunNarrated(const QString &text);
    // The run has started, paused, stepped, ended or gone, or its speed
    // has changed.
    void RunStateChanged();
    // The user's command has changed the speed.
    void SpeedChosen();
    // The user asks to edit a leaf's value where its box is.
    void LeafEditRequested(qint64 index);
    // The merge has started, popped a value or ended.
    void MergeChanged();
    // The pointer has moved onto another node's box (0: off every box).
    void NodeHovered(qint64 index);
    // A node has been selected alone and brought into view.
    void NodeSelected(qint64 index);
    // A question has been asked or answered, or practice turned on or off.
    void PracticeChanged();
    // The user asks for the next (+1) or previous (-1) zoom item, or 1x
    // (0), about a client point.
    void ZoomRequested(int step, QPoint anchor);

protected:
    void OnDraw(CDrawSurface *dc) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void OnDrawOverlay(QPainter *painter) override;
    void OnDrawCanvasMarks(QPainter *painter) override;
    void OnZoomStep(int step, QPoint anchor) override { emit ZoomRequested(step, anchor); }
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void RegisterCommands();
    void ConnectScrollBars();
    void ScrollByDrag(CPoint point);
    void RebuildNumberedTree();
    TreeNode *NewRoot();
    void PlaceNode(TreeNode *node, int64_t index, int level);
    void LinkNode(TreeNode *node, int64_t index);
    void ResizeTree(int64_t count);
    using Builder = void (CZarniView::*)(TreeNode *, int, int);
    void ResetTree(Builder build);
    bool AnyMarkIn(int64_t firstIndex, int64_t endIndex);
    void ForgetMarkedIndices();

    // Drawing helpers shared by the paint, the selection and the tournament.
    CFont *LabelFont();
    QString CornerNumber(int64_t index, const std::string &label) const;
    void FitLabel(CDrawSurface *dc, const CFont *font, QString *text, CRect *textRect, const CRect &box);
    static constexpr int kLeastLabelHeight = 9; // pixels: a label still read from the back of the room
    void DrawCornerNumber(CDrawSurface *dc, int64_t index, const std::string &label, const CRect &box, const QColor &fill);
    void DrawEdges(CDrawSurface *dc, CPoint parent, const CPoint *left, const CPoint *right);
    void DrawVisibleLevels(CDrawSurface *dc, CPoint offset, bool selection);
    void DrawRunEdges(CDrawSurface *dc, int level, int64_t kFirst, int64_t kLast, CPoint offset);
    void DrawEdgesFromLayout(CDrawSurface *dc, int level, int64_t k, CPoint offset);
    void DrawPlainDenseLevel(CDrawSurface *dc, int level, int64_t start, int64_t end, CPoint offset, bool edges);

    // Run helpers.
    class TreeStates;
    void MakePlayer();
    void StartRun();
    void ForgetRun();
    NodeLook LookAfter(int64_t index, int64_t step) const;
    bool PicturingRun() const;
    void DrawTreeBeforeRun(CDrawSurface *dc, const std::vector<LevelRun> &reached);
    void PaintStep(qint64 step);
    void RepaintSought(qint64 from, qint64 to);
    void InvalidateStep(int64_t step);
    void DrawRunPicture(CDrawSurface *dc);
    void ChooseSpeedIndex(int index);
    void PaintNodeBox(CWindowDC *dc, const TreeNode *node);
    void ReplayPathFrom(int64_t leaf, bool mergePop);
    void WriteValues(const std::function<int(int64_t)> &valueOf);
    std::vector<int64_t> PointedNodes() const;
    void ForgetHeap();
    void KeepHeapOut();
    void StartSlide(int64_t step);
    void EndSlide();
    void SlideOn();
    QRect SlideArea() const;
    void DrawSlide(QPainter *painter);
    int64_t HeapSizeUnmarked() const;
    int64_t FirstViolation(int64_t size) const;
    int64_t FirstWithoutValue(int64_t size) const;
    HeapProblem HeapRefusal(HeapAlgorithm::Kind kind, HeapAlgorithm::Operand operand, int64_t size) const;
    QRect HighlightArea(int64_t index) const;
    void OutlineBox(QPainter *painter, int64_t index, const QColor &colour, int width, CPoint offset) const;
    void DrawPointedNodes(QPainter *painter, CPoint offset) const;
    void ScrollToShow(int64_t index, bool centre);
    void ShowMergeTree();
    void EndMerge();
    void FollowReplacement(int64_t step);
    bool AskBefore(int64_t step);
    void Ask(PracticeQuestion question, int64_t step);
    void AskPop();
    void EndQuestion();
    QString RevealText() const;
    bool AnswerByKey(int key);
    bool AnswerByClick(CPoint point);
    AnswerResult AnswerPop(bool right);
    void Missed(PracticeQuestion::Kind kind);
    void SummariseIfDone(int64_t step);
    void DrawNodeZero(CDrawSurface *dc, CPoint offset);
    // A node a run writes: 1..N, or 0 for the loser tree's overall winner.
    TreeNode *RunNode(int64_t index) { return index ? NodeAt(index) : &m_nodeZero; }
    const TreeNode *RunNode(int64_t index) const { return index ? NodeAt(index) : &m_nodeZero; }
    std::vector<int64_t> WinningLeaves() const;
    bool WinnersLeaf(int64_t leaf) const;
    bool HoldsTournament() const;
    bool StartsTournament() const;
    void ClearNodeZero();

    CZarniDoc *m_pDocument = nullptr;
    // The nodes 1..N at 0..N-1.
    using NodeArray = std::vector<TreeNode, LargeBlockAllocator<TreeNode>>;
    NodeArray m_nodes;
    // Every node whose mark may not be 0.
    std::vector<int> m_markedIndices;
    std::vector<uint8_t> m_listed; // by index: on m_markedIndices
    CFont m_labelFont;
    CFont m_cornerFont;
    CFont m_fittedFont;
    bool m_bShowIndices = false;
    CPoint m_ptScrollAtPress;
    bool m_bCaptured = false;
    bool m_bFitFollow = false;
    bool m_bMinHeap = false;
    bool m_bHeapValues = false;
    bool m_bLoserTree = false;
    TreeNode m_nodeZero; // the loser tree's overall winner
    std::vector<int> m_heapOut; // extracted before the run shown
    // The two values a swap exchanges, sliding between their boxes.
    struct Slide {
        int64_t a = 0, b = 0;
        int ms = 0;
        QElapsedTimer clock;
    } m_slide;
    QTimer m_slideTimer;
    struct WrittenCheck {
        bool known = false; // until a run is loaded or forgotten
        int64_t maxViolation = 0, minViolation = 0;
    } m_writtenCheck;
    std::unique_ptr<NodeStates> m_pTreeStates;
    std::unique_ptr<CRunPlayer> m_pPlayer;
    std::unique_ptr<WinnerMerge> m_pMerge;
    struct {
        bool on = false;
        PracticeQuestion question; // kind None: none asked
        int64_t step = 0;          // the step the question stands before
        int64_t passed = -1;       // the step answered, played without asking
        int cursor = 0;            // the choice the keyboard points at
        bool popAnswered = false;  // the next pop goes without asking
        PracticeScore score;
        const RunAlgorithm *run = nullptr; // the run the counts below are of
        int64_t runAsked = 0, runWrong = 0;
        QStringList missed; // the kinds of the steps missed in that run
        struct {
            QString text;
            const RunAlgorithm *run = nullptr;
            int64_t step = 0;
        } reveal; // why the last answer was wrong, said while its step shows
    } m_practice;
    struct {
        std::shared_ptr<const ReplacementRecord> record;
        int64_t step = 0;
    } m_replacement;
    struct {
        const RunAlgorithm *run = nullptr;
        int64_t leaf = 0;
        std::string before;
    } m_replayedLeaf;
    int64_t m_nHighlight = 0;
    int64_t m_nHovered = 0;
};
