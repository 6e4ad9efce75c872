#pragma once
// The tree view: one complete binary tree of the heap indices 1..N, laid out
// over a canvas of its own. What the tree holds (each node's value and mark,
// the run shown on it, practice, what the algorithms keep beside it) is the
// view's model; the view lays the tree out, draws what the model holds and
// hands it the user's input. The class is split over several files by
// concern:
//   ZarniView.cpp           state, life cycle, tree commands, the model's news
//   ZarniView_Tree.cpp      building, freeing and laying out the tree
//   ZarniView_Draw.cpp      the tree handed to the painter (TreePainter)
//   ZarniView_Canvas.cpp    canvas size, zoom and box divisor commands
//   ZarniView_Mouse.cpp     mouse modes, rubber band and selection
//   ZarniView_Winner.cpp    the random leaf tree and Go
//   ZarniView_Run.cpp       the run shown: its player, steps and pictures
//   ZarniView_Practice.cpp  practice and exercises: the learner answers or
//                           acts by click, drag or key
//   ZarniView_Keys.cpp      the keyboard's node cursor and what a screen
//                           reader is told

#include "TreePainter.h"

#include "model/LargeBlocks.h"
#include "model/StepPicture.h"
#include "model/TreeGeometry.h"
#include "model/TreeModel.h"
#include "model/TreeNode.h"
#include "model/WholeNumber.h"
#include "framework/CmdTarget.h"
#include "framework/ScrollView.h"

#include <QElapsedTimer>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CRunPlayer;
class CZarniDoc;
class ExerciseState;
struct CommandEntry;
struct Outcome;

class CZarniView : public CScrollView, public CCmdTarget, private TreeModel::Observer {
    Q_OBJECT

public:
    explicit CZarniView(QWidget *parent = nullptr);
    ~CZarniView() override;

    CZarniDoc *GetDocument() const { return m_pDocument; }
    void SetDocument(CZarniDoc *doc) { m_pDocument = doc; }

    // What the tree holds.
    TreeModel &Model() { return m_model; }
    const TreeModel &Model() const { return m_model; }

    void OnInitialUpdate() override;
    void Relayout();

    // Tree model
    void BuildNumberedTree(TreeNode *node, int index, int level);
    void BuildRandomTree(TreeNode *node, int index, int level);
    void FreeTree(TreeNode *node);
    void LayoutTree(TreeNode *node);
    TreeNode *NodeAt(int64_t index);
    const TreeNode *NodeAt(int64_t index) const;
    // A node's value as its box shows it (its label), and its mark.
    QString Label(int64_t index) const;
    int Mark(int64_t index) const { return m_model.Mark(index); }
    // Where everything stands for the current canvas, depth and divisors.
    TreeGeometry Geometry() const;

    // What every picture of the tree is drawn from.
    TreeScene Scene() const;

    // Drawing: the picture of the step shown, as the paint draws it.
    void DrawTree(CDrawSurface *dc);
    void DrawSelection(CDrawSurface *dc);
    // Node index's box at window point (x, y), with the value given, in
    // the colours of mark.
    void DrawNodeBox(CDrawSurface *dc, int64_t index, int value, int x, int y, int mark);
    // Each box whose label is not its index shows the index small in its
    // corner (or what the algorithm says of the node).
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
    // that the whole tree shows, and fits again when the view's size
    // changes until a command sizes it otherwise; following, it fits again
    // at every change of the view's size, whatever sized it since.
    void OnViewFit();
    // The canvas exactly width by height (1 to kMaxCanvasSide each), as a
    // lesson keeps a canvas the zoom commands do not reach (a fitted one).
    void SetCanvasSize(int width, int height);
    void SetFitFollow(bool follow);
    bool FitFollow() const { return m_bFitFollow; }
    void OnNodeNarrower();
    void OnNodeWider();
    void OnNodeShorter();
    void OnNodeTaller();

    // Mouse
    enum { MK_LBUTTON = 1 };
    // What a drag does: select with a rubber band, or pan the canvas.
    enum MouseMode { kPan = 0, kSelect = 1 };
    void OnLButtonDown(unsigned flags, CPoint point);
    void OnLButtonUp(unsigned flags, CPoint point);
    void OnMouseMove(unsigned flags, CPoint point);
    void OnRButtonDown(unsigned flags, CPoint point);
    void OnScroll(int bar, int position);
    bool OnSetCursor();
    void OnModeSelect() { m_nMouseMode = kSelect; }
    void OnModePan() { m_nMouseMode = kPan; }
    void DrawRubberBand(CDrawSurface *dc, int x1, int y1, int x2, int y2, int penWidth);
    // Node index alone selected (mark 1, every other mark 0, redrawn as a
    // selection redraws), scrolled into view or, with centre, as near the
    // middle of the client area as the scroll range allows. False for an
    // index outside the tree.
    bool SelectNode(int64_t index, bool centre);
    // A node outlined over the window, with its parent and children more
    // lightly; 0 for none. The window's pixels stay as they are.
    void SetHighlight(int64_t index);
    int64_t Highlight() const { return m_nHighlight; }
    // The keyboard's node cursor (0 for none): the arrows move it (Up the
    // parent, Left and Right the level's neighbours, Down the left child),
    // Enter selects its node; it is outlined, kept in sight and told to a
    // screen reader as the focus.
    int64_t NodeCursor() const { return m_nCursor; }
    void SetNodeCursor(int64_t index);
    // A node as a screen reader names it.
    QString NodeName(int64_t index) const;
    void SelectNodesInRect(TreeNode *root, int x1, int y1, int x2, int y2);

    // The run shown, played by the view's player: paused, stepped forward
    // and back, restarted, finished and sought; the speed.
    using RunState = TreeModel::RunState;
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
    // Reads the run step by step (an export) with the view showing none of
    // them: it pauses, and shows again the step it was at.
    void ReadRunQuietly(const std::function<void(TreeModel &)> &read);
    RunState GetRunState() const { return m_model.State(); }
    const RunAlgorithm *Run() const { return m_model.Run(); }
    int64_t RunStep() const { return m_model.Shown(); }
    int64_t RunStepCount() const { return m_model.StepCount(); }
    bool IsPlaying() const;
    // The run stopped short of where it was to play to: paused by the user,
    // or held by a question.
    bool IsHeld() const;
    // Plays on to where the run was playing to before it was held.
    void PlayOn();
    // What the message pane says of the step shown, empty at step 0; and
    // what the panels say (the question asked, or a wrong answer's reason
    // with the step it played, or that).
    QString Narration() const;
    QString ShownNarration() const;
    // A line of the teacher's own, said in the narration (and spoken) until
    // the next step is shown; empty when none is said.
    void Say(const QString &line);
    const QString &Said() const { return m_strSaid; }
    // The pseudocode of the run shown, or of the run shown last as it
    // showed it, a line an item indented by two spaces a level.
    QStringList Listing() const;
    // Plays as a command or a statement asked, or says why it was refused
    // (false).
    bool Follow(const Outcome &outcome);
    // Runs a command of the algorithms' table that needs no dialog.
    Outcome RunCommand(const CommandEntry &command);
    // A node as the window shows it: in the middle of a run of matches, as
    // its box was last painted.
    using NodeLook = ::NodeLook;
    NodeLook ShownLook(int64_t index) const { return StepPicture(m_model).Look(index); }
    // What the step shown compares or swaps, outlined on the window and on
    // every picture of the step.
    std::vector<int64_t> PointedNodes() const { return StepPicture(m_model).Pointed(); }
    // Returns once the view's run has stopped playing or the view is gone
    // (handling events meanwhile).
    static void WaitWhilePlaying(CZarniView *view);
    // 0.25, 0.5, 1, 2, 4 or 8 times the normal speed.
    double Speed() const;
    bool SetSpeed(double speed);
    // The wait between a playing run's steps, in milliseconds.
    int StepWait() const;
    int StepDelay() const;
    void SetStepDelay(int ms);

    int64_t LeafCount() const { return m_nNodeCount - m_nNodeCount / 2; }
    // The leaves are nodes FirstLeaf() to m_nNodeCount.
    int64_t FirstLeaf() const { return m_nNodeCount / 2 + 1; }
    // Node index's box where the window shows it, from the stored scroll
    // position.
    CRect WindowBox(int64_t index) const;
    // The node whose box shows at window point p (the one drawn last), or 0;
    // the same for leaves only.
    int64_t NodeIndexAt(CPoint p) const;
    int64_t LeafAt(CPoint p) const;

    // Practice: while it is on, every run stops before each step that
    // decides something and asks the learner (a click on a box, a slot of
    // the array, the keyboard, or Answer).
    void SetPractice(bool on);
    bool Practising() const { return m_model.Practising(); }
    const PracticeQuestion *Question() const { return m_model.Question(); }
    using AnswerResult = TreeModel::AnswerResult;
    AnswerResult Answer(int64_t choice);
    // Outlines what the question compares and points at its pseudocode line,
    // without counting anything.
    void OnPracticeHint();

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
    int m_nMouseMode = kSelect;
    int m_bPanning = 0;
    TreeNode *m_pRoot = nullptr;

signals:
    // A zoom command has set the canvas size.
    void CanvasSizeChanged(int width, int height);
    // The run shows another step: played, stepped, gone back or sought.
    void StepShown(qint64 step);
    // The step shown has changed; text tells what it shows.
    void RunNarrated(const QString &text);
    // The run has started, paused, stepped, ended or gone, its speed has
    // changed, or an algorithm's setting or record.
    void RunStateChanged();
    // The user's command has changed the speed.
    void SpeedChosen();
    // The user asks to edit a leaf's value where its box is.
    void LeafEditRequested(qint64 index);
    // An algorithm's record beside the tree has started, moved with the
    // step shown, or ended.
    void RecordChanged();
    // The pointer has moved onto another node's box (0: off every box).
    void NodeHovered(qint64 index);
    // The keyboard's node cursor has moved there; name says the node.
    void NodeCursorMoved(qint64 index, const QString &name);
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
    void changeEvent(QEvent *event) override;

private:
    // The model's news.
    void TreeReplaced() override;
    void CountChanged(int64_t from, int64_t to) override;
    void TreeChanged() override;
    void StepPlayed(int64_t step) override;
    void Sought(int64_t from, int64_t to) override;
    void RunChanged() override;
    void QuestionChanged() override;

    void RegisterCommands();
    void RegisterAlgorithmCommands();
    void ConnectScrollBars();
    void ScrollByDrag(CPoint point);
    void RebuildNumberedTree();
    TreeNode *NewRoot();
    void PlaceNode(TreeNode *node, int64_t index, int level);
    void LinkNode(TreeNode *node, int64_t index);
    void ResizeTree(int64_t count);
    using Builder = void (CZarniView::*)(TreeNode *, int, int);
    void ResetTree(Builder build);

    // Run helpers.
    void StartDefaultRun();
    void InvalidateStep(int64_t step);
    void ChooseSpeedIndex(int index);
    void PaintNodeBox(CWindowDC *dc, int64_t index);
    void StartSlide(int64_t step);
    void EndSlide();
    void SlideOn();
    QRect SlideArea() const;
    void DrawSlide(QPainter *painter);
    QRect HighlightArea(int64_t index) const;
    // An arrow or Enter for the node cursor; false for any other key.
    bool CursorKey(int key);
    void DrawNodeCursor(QPainter *painter) const;
    void OutlineBox(QPainter *painter, int64_t index, const QColor &colour, int width, CPoint offset) const;
    void UpdatePointedNodes();
    void ScrollToShow(int64_t index, bool centre);
    bool AnswerByKey(int key);
    bool AnswerByClick(CPoint point);
    ExerciseState &Exercising();
    bool DoingExercise();
    bool ExercisePress(CPoint point);
    bool ExerciseRelease(CPoint point);
    int64_t BoxAt(CPoint point) const;
    void Narrate();

    CZarniDoc *m_pDocument = nullptr;
    TreeModel m_model;
    std::unique_ptr<CRunPlayer> m_pPlayer;
    // The nodes 1..N at 0..N-1.
    using NodeArray = std::vector<TreeNode, LargeBlockAllocator<TreeNode>>;
    NodeArray m_nodes;
    TreePainter m_painter;
    bool m_bShowIndices = false;
    CPoint m_ptScrollAtPress;
    bool m_bCaptured = false;
    bool m_bFitFollow = false;
    bool m_bFitted = false; // fitted, and not sized by hand since
    bool m_bNodeZeroLaidOut = false; // the layout gave node 0 a band
    // The two values a swap exchanges, sliding between their boxes.
    struct Slide {
        int64_t a = 0, b = 0;
        int ms = 0;
        QElapsedTimer clock;
    } m_slide;
    QTimer m_slideTimer;
    int64_t m_nHighlight = 0;
    int64_t m_nHovered = 0;
    int64_t m_nCursor = 0;
    QRegion m_pointedArea; // where the outlines of the nodes pointed at were drawn
    QString m_strSaid;
    int64_t m_nExercisePressed = -1; // the box an exercise's press began on (0: node 0), -1 for none
};
