// Mouse modes (rubber band or pan), the view's copy of its scroll position,
// and the rubber-band selection.
#include "Palette.h"
#include "ZarniView.h"

#include "res/Images.h"
#include "res/Resource.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <utility>

namespace {

unsigned KeyFlags(const QMouseEvent *event)
{
    return (event->buttons() & Qt::LeftButton) ? CZarniView::MK_LBUTTON : 0;
}

CPoint WindowPoint(const QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

} // namespace

void CZarniView::ConnectScrollBars()
{
    // The copy follows every change of the real position: the user's scroll
    // actions, a pan, and the clamping when the canvas or the window changes.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int pos) { OnScroll(SB_HORZ, pos); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int pos) { OnScroll(SB_VERT, pos); });
}

void CZarniView::OnScroll(int bar, int position)
{
    (bar == SB_HORZ ? m_nHScrollPos : m_nVScrollPos) = position;
}

void CZarniView::mousePressEvent(QMouseEvent *event)
{
    OnSetCursor();
    if (event->button() == Qt::LeftButton && (AnswerByClick(WindowPoint(event)) || ExercisePress(WindowPoint(event))))
        return;
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(KeyFlags(event), WindowPoint(event));
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(KeyFlags(event), WindowPoint(event));
}

void CZarniView::mouseReleaseEvent(QMouseEvent *event)
{
    OnSetCursor();
    if (event->button() == Qt::LeftButton && ExerciseRelease(WindowPoint(event)))
        return;
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(KeyFlags(event), WindowPoint(event));
}

void CZarniView::mouseMoveEvent(QMouseEvent *event)
{
    OnSetCursor();
    OnMouseMove(KeyFlags(event), WindowPoint(event));
    if (const int64_t hovered = NodeIndexAt(WindowPoint(event)); hovered != m_nHovered)
        emit NodeHovered(m_nHovered = hovered);
}

void CZarniView::leaveEvent(QEvent *event)
{
    CScrollView::leaveEvent(event);
    if (m_nHovered != 0)
        emit NodeHovered(m_nHovered = 0);
}

void CZarniView::OnLButtonDown(unsigned, CPoint point)
{
    m_ptScrollAtPress = {m_nHScrollPos, m_nVScrollPos};
    if (m_nMouseMode == kSelect) {
        m_bPanning = 0;
        m_bCaptured = true;
    } else {
        m_bPanning = 1;
        viewport()->setCursor(ZarniCursor(IDC_CURSOR_CLOSED_HAND));
    }
    m_ptDragCurrent = point;
    m_ptDragStart = point;
}

void CZarniView::OnMouseMove(unsigned flags, CPoint point)
{
    if (m_nMouseMode == kSelect) {
        if (!m_bCaptured)
            return;
        if (!(flags & MK_LBUTTON)) {
            // The release went elsewhere: the capture is lost, the band stays
            // until the next repaint and nothing is selected.
            m_bCaptured = false;
            return;
        }
        CWindowDC dc(this);
        dc.SetROP2(R2_NOTXORPEN);
        DrawRubberBand(&dc, m_ptDragStart.x, m_ptDragStart.y, m_ptDragCurrent.x, m_ptDragCurrent.y, 1);
        m_ptDragCurrent = point;
        DrawRubberBand(&dc, m_ptDragStart.x, m_ptDragStart.y, m_ptDragCurrent.x, m_ptDragCurrent.y, 1);
        return;
    }
    if (m_bPanning) {
        if (flags & MK_LBUTTON)
            ScrollByDrag(point);
        else
            m_bPanning = 0; // a pan never goes on with the button up
    }
    if (!(0 < point.y && point.y < m_sizeTotal.cy && 0 < point.x && point.x < m_sizeTotal.cx))
        m_bPanning = 0;
}

// Scrolls to the position at the press less the displacement of the hand.
void CZarniView::ScrollByDrag(CPoint point)
{
    SetScrollPos(SB_HORZ, m_ptScrollAtPress.x - (point.x - m_ptDragStart.x));
    SetScrollPos(SB_VERT, m_ptScrollAtPress.y - (point.y - m_ptDragStart.y));
    OnInitialUpdate();
}

void CZarniView::OnLButtonUp(unsigned, CPoint point)
{
    if (m_nMouseMode == kSelect) {
        if (!m_bCaptured)
            return;
        m_bCaptured = false;
        CWindowDC dc(this);
        dc.SetROP2(R2_NOTXORPEN);
        DrawRubberBand(&dc, m_ptDragStart.x, m_ptDragStart.y, m_ptDragCurrent.x, m_ptDragCurrent.y, 1);
        m_ptDragCurrent = point;
        const CPoint scroll{m_nHScrollPos, m_nVScrollPos};
        CPoint end{point.x + scroll.x, point.y + scroll.y};
        m_ptDragStart = {m_ptDragStart.x + scroll.x, m_ptDragStart.y + scroll.y};
        m_ptDragCurrent = end;
        if (m_ptDragStart.x > end.x)
            std::swap(m_ptDragStart.x, end.x);
        if (m_ptDragStart.y > end.y)
            std::swap(m_ptDragStart.y, end.y);
        SelectNodesInRect(m_pRoot, m_ptDragStart.x, m_ptDragStart.y, end.x, end.y);
        DrawSelection(&dc);
        return;
    }
    ScrollByDrag(point);
    // The copy is the position the bars really took, not a clamp of our own.
    m_nHScrollPos = GetScrollPos(SB_HORZ);
    m_nVScrollPos = GetScrollPos(SB_VERT);
    m_bPanning = 0;
    viewport()->setCursor(ZarniCursor(IDC_CURSOR_OPEN_HAND));
}

// The view takes the right button and does nothing with it, as it always
// has: no context menu, and a band or a drag goes on undisturbed.
void CZarniView::OnRButtonDown(unsigned, CPoint) {}

bool CZarniView::OnSetCursor()
{
    if (m_nMouseMode == kPan)
        viewport()->setCursor(ZarniCursor(m_bPanning ? IDC_CURSOR_CLOSED_HAND : IDC_CURSOR_OPEN_HAND));
    else
        viewport()->setCursor(Qt::ArrowCursor);
    return true;
}

void CZarniView::DrawRubberBand(CDrawSurface *dc, int x1, int y1, int x2, int y2, int penWidth)
{
    CPen pen(PS_DOT, penWidth, RGB(255, 0, 0));
    CPen *oldPen = dc->SelectObject(&pen);
    dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(x1, y1, x2, y2);
    dc->SelectObject(oldPen);
}

// Every node gets the mark the selection gives it: the previous marks are
// cleared, and on each level the nodes the rectangle can mark are found from
// the geometry. The comparisons are made in 64 bits so that no canvas size
// can overflow them.
void CZarniView::SelectNodesInRect(TreeNode *root, int x1, int y1, int x2, int y2)
{
    Q_ASSERT(root == m_pRoot);
    Q_UNUSED(root);
    m_model.EndRun();
    m_model.ClearMarks();
    const TreeGeometry geometry = Geometry();
    for (int level = 1; level <= m_nDepth; ++level) {
        const LevelRun run = geometry.Selected(level, x1, y1, x2, y2);
        const int64_t first = TreeGeometry::LevelFirst(level);
        for (int64_t k = run.first; k < run.end; ++k)
            m_model.SetMark(first + k, kMarkHighlighted);
    }
}

void CZarniView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || DoingExercise())
        return;
    if (const int64_t leaf = LeafAt(WindowPoint(event)))
        emit LeafEditRequested(leaf);
}

int64_t CZarniView::NodeIndexAt(CPoint p) const
{
    const TreeGeometry geometry = Geometry();
    const int64_t x = int64_t(p.x) + m_nHScrollPos, y = int64_t(p.y) + m_nVScrollPos;
    for (int level = m_nDepth; level >= 1; --level)
        if (const LevelRun run = geometry.Selected(level, x, y, x, y); !run.IsEmpty())
            return TreeGeometry::LevelFirst(level) + run.end - 1;
    return 0;
}

int64_t CZarniView::LeafAt(CPoint p) const
{
    const int64_t index = NodeIndexAt(p);
    return index >= FirstLeaf() ? index : 0;
}

bool CZarniView::SelectNode(int64_t index, bool centre)
{
    if (index < 1 || index > m_nNodeCount)
        return false;
    m_model.EndRun();
    m_model.ClearMarks();
    m_model.SetMark(index, kMarkHighlighted);
    ScrollToShow(index, centre);
    CWindowDC dc(this);
    DrawSelection(&dc);
    dc.Flush();
    emit NodeSelected(index);
    return true;
}

CRect CZarniView::WindowBox(int64_t index) const
{
    const TreeGeometry geometry = Geometry();
    return geometry.Box(geometry.Position(index)).Offset(-m_nHScrollPos, -m_nVScrollPos);
}

// The bars clamp what they are given to their range.
void CZarniView::ScrollToShow(int64_t index, bool centre)
{
    const TreeGeometry geometry = Geometry();
    const CPoint at = geometry.Position(index);
    const CRect box = geometry.Box(at);
    const QSize client = viewport()->size();
    auto wanted = [centre](int middle, int first, int end, int position, int page) {
        if (centre)
            return middle - page / 2;
        if (first < position || end - first > page)
            return first;
        return end > position + page ? end - page : position;
    };
    SetScrollPos(SB_HORZ, wanted(at.x, box.left, box.right, m_nHScrollPos, client.width()));
    SetScrollPos(SB_VERT, wanted(at.y, box.top, box.bottom, m_nVScrollPos, client.height()));
}

void CZarniView::SetHighlight(int64_t index)
{
    if (index < 0 || index > m_nNodeCount)
        index = 0;
    if (index == m_nHighlight)
        return;
    viewport()->update(HighlightArea(m_nHighlight));
    m_nHighlight = index;
    viewport()->update(HighlightArea(m_nHighlight));
}

// Where the outlines of a node and its relatives can be, in the window.
QRect CZarniView::HighlightArea(int64_t index) const
{
    QRect area;
    if (index < 1 || index > m_nNodeCount)
        return area;
    for (int64_t i : {index, index / 2, 2 * index, 2 * index + 1}) {
        if (i < 1 || i > m_nNodeCount)
            continue;
        const CRect box = WindowBox(i);
        area |= QRect(box.left, box.top, box.Width(), box.Height()).adjusted(-3, -3, 3, 3);
    }
    return area;
}

// A node's box outlined just outside its frame, the surface's origin at
// canvas point offset.
void CZarniView::OutlineBox(QPainter *painter, int64_t index, const QColor &colour, int width, CPoint offset) const
{
    TreePainter::OutlineBox(painter, Scene(), index, colour, width, offset);
}

// The outlines move from the nodes the last step pointed at to those this
// one points at: only those boxes are drawn again.
void CZarniView::UpdatePointedNodes()
{
    QRegion area;
    for (const int64_t i : PointedNodes()) {
        const CRect box = WindowBox(i);
        area += QRect(box.left, box.top, box.Width(), box.Height()).adjusted(-4, -4, 4, 4);
    }
    viewport()->update(area + m_pointedArea);
    m_pointedArea = area;
}

void CZarniView::OnDrawCanvasMarks(QPainter *painter)
{
    m_painter.PaintPointed(painter, Scene(), {0, 0});
}

void CZarniView::OnDrawOverlay(QPainter *painter)
{
    const CPoint scroll{m_nHScrollPos, m_nVScrollPos};
    DrawSlide(painter);
    m_painter.PaintPointed(painter, Scene(), scroll);
    DrawNodeCursor(painter);
    if (m_nHighlight < 1 || m_nHighlight > m_nNodeCount)
        return;
    for (int64_t i : {m_nHighlight / 2, 2 * m_nHighlight, 2 * m_nHighlight + 1})
        OutlineBox(painter, i, RelativeColour(), 1, scroll);
    OutlineBox(painter, m_nHighlight, HighlightColour(), 2, scroll);
}

// The keyboard's cursor, wider than the pointer's outline.
void CZarniView::DrawNodeCursor(QPainter *painter) const
{
    OutlineBox(painter, m_nCursor, HighlightColour(), 3, {m_nHScrollPos, m_nVScrollPos});
}
