// Drawing the tree: node boxes in the colours of their marks, labels in the
// label font, elbow edges from parents to children, level by level so that a
// child's box covers the lower end of the edge that reaches it.
#include "Palette.h"
#include "Words.h"
#include "ZarniView.h"

#include "model/WideValue.h"
#include "model/algorithms/Algorithm.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {

// A value's label, made without a string on the heap.
QString LabelOf(int value)
{
    if (value == NodeStates::kNoLabel)
        return QString();
    if (value == NodeStates::kLeast)
        return QStringLiteral("-\u221e");
    char digits[24];
    return QString::fromLatin1(digits, std::to_chars(digits, digits + sizeof digits, WideOf(value)).ptr - digits);
}

// A label font of that cell height, made again in its slot only when the
// height changes.
CFont *LabelFontIn(CFont *slot, int height)
{
    const LogFont wanted = LabelFontDescription(height);
    if (!slot->IsCurrent() || !(slot->Description() == wanted))
        slot->CreateFontIndirect(wanted);
    return slot;
}

} // namespace

// One font serves every box while the box height stays the same.
CFont *CZarniView::LabelFont()
{
    return LabelFontIn(&m_labelFont, HalfHeight());
}

void CZarniView::DrawNodeBox(CDrawSurface *dc, int64_t index, int value, int x, int y, int mark)
{
    const TreeGeometry geometry = Geometry();
    const CRect box = geometry.Box({x, y});
    const MarkColours colours = ColoursFor(mark);
    CFont *font = LabelFont();
    CFont *oldFont = dc->SelectObject(font);
    const CBrush brush(colours.fill);
    dc->FillRect(box, &brush);
    dc->Draw3dRect(box.left, box.top, box.Width(), box.Height(), colours.firstFrame, colours.firstFrame);
    QString text = LabelOf(value);
    CRect textRect = geometry.TextRect({x, y});
    if (!text.isEmpty() && value != index) // a numbered tree's labels are drawn as they always were
        FitLabel(dc, font, &text, &textRect, box);
    const QColor oldInk = dc->SetTextColor(colours.label);
    dc->DrawText(text, textRect, DT_CENTER);
    dc->SetTextColor(oldInk);
    dc->SelectObject(font);
    DrawFinalFrame(dc, box, colours);
    if (m_bShowIndices)
        DrawCornerNumber(dc, index, value, box, colours.fill);
    DrawTag(dc, index, box, colours.fill);
    dc->SelectObject(oldFont);
}

// A value wider than its box is drawn smaller, down to a readable size,
// then cut short with an ellipsis, in the middle of the box. A label that is
// its node's index is drawn as it always was.
void CZarniView::FitLabel(CDrawSurface *dc, const CFont *font, QString *text, CRect *textRect, const CRect &box)
{
    const int room = box.Width() - 2;
    const int width = font->TextWidth(*text);
    if (width <= room || room < 1)
        return;
    const int height = std::max(kLeastLabelHeight, int(int64_t(font->CellHeight()) * room / width));
    if (height >= font->CellHeight())
        return;
    dc->SelectObject(LabelFontIn(&m_fittedFont, height));
    while (text->size() > 1 && m_fittedFont.TextWidth(*text) > room)
        *text = text->left(text->endsWith(QChar(0x2026)) ? text->size() - 2 : text->size() - 1) + QChar(0x2026);
    const int middle = (box.top + box.bottom) / 2;
    *textRect = {box.left, middle - height / 2, box.right, middle - height / 2 + height};
}

// What a box's corner tells when its label does not: what an algorithm says
// of the node (a merge's leaf, its run), or the node's heap index.
QString CZarniView::CornerNumber(int64_t index, int value) const
{
    for (const auto &state : m_model.States())
        if (const Message corner = state->Corner(index); !corner.Empty())
            return Words(corner);
    return value == index ? QString() : QString::number(index);
}

// Small, in the top left corner inside the frame, on the box's own fill.
void CZarniView::DrawCornerNumber(CDrawSurface *dc, int64_t index, int value, const CRect &box, const QColor &fill)
{
    const int height = box.Height() / 4;
    if (height < 7)
        return; // too small to read
    const QString text = CornerNumber(index, value);
    if (text.isEmpty())
        return;
    dc->SelectObject(LabelFontIn(&m_cornerFont, height));
    const int width = std::min(m_cornerFont.TextWidth(text), box.Width() - 4);
    dc->FillSolidRect(box.left + 2, box.top + 1, 0, 0, fill); // the text's cells take the fill
    dc->DrawText(text, {box.left + 2, box.top + 1, box.left + 2 + width, box.top + 1 + height}, DT_CENTER);
}

// What an algorithm keeps on a node beside its value (a pending tag):
// small, in the bottom right corner inside the frame, on the box's fill.
void CZarniView::DrawTag(CDrawSurface *dc, int64_t index, const CRect &box, const QColor &fill)
{
    const int height = box.Height() / 3; // read from the back of the room, beside the label
    if (height < 7 || index < 1)
        return;
    QString text;
    for (const auto &state : m_model.States())
        if (const Message tag = state->Tag(index); !tag.Empty())
            text = Words(tag);
    if (text.isEmpty())
        return;
    dc->SelectObject(LabelFontIn(&m_cornerFont, height));
    const int width = std::min(m_cornerFont.TextWidth(text), box.Width() - 4);
    dc->FillSolidRect(box.right - 2 - width, box.bottom - 1 - height, 0, 0, fill);
    dc->DrawText(text, {box.right - 2 - width, box.bottom - 1 - height, box.right - 2, box.bottom - 1}, DT_CENTER);
}

void CZarniView::SetShowIndices(bool show)
{
    if (show == m_bShowIndices)
        return;
    m_bShowIndices = show;
    Invalidate();
}

// Elbows from the middle of the box's sides to the children's centres.
void CZarniView::DrawEdges(CDrawSurface *dc, CPoint parent, const CPoint *left, const CPoint *right)
{
    const int a = HalfWidth();
    if (left) {
        dc->MoveTo(parent.x - a, parent.y);
        dc->LineTo(left->x, parent.y);
        dc->LineTo(left->x, left->y);
    }
    if (right) {
        dc->MoveTo(parent.x + a, parent.y);
        dc->LineTo(right->x, parent.y);
        dc->LineTo(right->x, right->y);
    }
}

// The edges in the palette's width.
void CZarniView::DrawTree(CDrawSurface *dc)
{
    CPen pen(PS_SOLID, CurrentPalette().line, RGB(0, 0, 0));
    CPen *oldPen = dc->SelectObject(&pen);
    DrawVisibleLevels(dc, {0, 0}, false);
    dc->SelectObject(oldPen);
}

// The selection shows selected boxes red and every other box plain.
void CZarniView::DrawSelection(CDrawSurface *dc)
{
    DrawVisibleLevels(dc, {m_nHScrollPos, m_nVScrollPos}, true);
}

// Draws the same pixels as the level-by-level walk, in the same order, but
// only for nodes that can reach the clip box, found from the layout formula.
// Where several nodes of a level share one column their boxes coincide, so
// only the last box is drawn, after the union of the others' edges. A box
// whose next neighbour starts one column further shows nothing but its left
// frame column, so only that column is drawn. offset turns the surface's
// coordinates into canvas coordinates.
void CZarniView::DrawVisibleLevels(CDrawSurface *dc, CPoint offset, bool selection)
{
    const TreeGeometry g = Geometry();
    const CRect clip = dc->GetClipBox();
    const int64_t left = int64_t(clip.left) + offset.x, right = int64_t(clip.right) + offset.x;
    const int64_t top = int64_t(clip.top) + offset.y, bottom = int64_t(clip.bottom) + offset.y;
    const int a = g.HalfWidth(), b = g.HalfHeight();
    if (!selection)
        DrawNodeZero(dc, offset);
    for (int level = 1; level <= m_nDepth; ++level) {
        const int64_t first = TreeGeometry::LevelFirst(level);
        if (first > m_nNodeCount)
            break;
        const int64_t y = g.Y(level);
        const bool edges = !selection && level < m_nDepth;
        const LevelRun reached = g.PlacesReaching(level, left, top, right, bottom, edges);
        if (reached.IsEmpty())
            continue;
        const int64_t start = reached.first, end = reached.end;
        const bool dense = first > m_nCanvasWidth;
        if (dense && a >= 2 && b >= 1 && !m_model.AnyMarkIn(first + start, first + end)) {
            DrawPlainDenseLevel(dc, level, start, end, offset, edges);
            continue;
        }
        for (int64_t k = start; k < end;) {
            const int64_t x = g.X(level, k);
            const int64_t runLast = std::min(g.FirstAtOrRightOf(level, x + 1), end) - 1;
            if (edges && runLast > k)
                DrawRunEdges(dc, level, k, runLast - 1, offset);
            const int64_t index = first + runLast;
            const int shown = m_model.Mark(index);
            const int mark = selection && shown != kMarkHighlighted ? kMarkPlain : shown;
            const int px = int(x - offset.x), py = int(y - offset.y);
            // The next box of the level covers everything right of its left
            // side; a box that keeps only its left column keeps its frame.
            const bool coveredOnRight = runLast + 1 < end && a >= 1 && b >= 1;
            const int64_t nextX = coveredOnRight ? g.X(level, runLast + 1) : 0;
            if (coveredOnRight && nextX == x + 1) {
                const CBrush frame(ColoursFor(mark).finalFrame);
                dc->FillRect({px - a, py - b, px - a + 1, py + b}, &frame);
            } else {
                if (coveredOnRight)
                    dc->SetRightLimit(int(nextX - offset.x) - a);
                DrawNodeBox(dc, index, m_model.Value(index), px, py, mark);
                dc->SetRightLimit(INT_MAX);
            }
            if (edges)
                DrawEdgesFromLayout(dc, level, runLast, offset);
            k = runLast + 1;
        }
    }
}

// Node 0 (a loser tree's overall winner) above the root, joined to it by an edge
// whose lower end the root's box covers.
void CZarniView::DrawNodeZero(CDrawSurface *dc, CPoint offset)
{
    if (!m_model.NodeZeroShown())
        return;
    const TreeGeometry g = Geometry();
    const CPoint zero = g.Position(0), root = g.Position(1);
    dc->MoveTo(zero.x - offset.x, zero.y - offset.y);
    dc->LineTo(root.x - offset.x, root.y - offset.y);
    DrawNodeBox(dc, 0, m_model.Value(0), zero.x - offset.x, zero.y - offset.y, m_model.Mark(0));
}

// The edges of node k of a level, with the children's places taken from the
// layout rather than from the children themselves.
void CZarniView::DrawEdgesFromLayout(CDrawSurface *dc, int level, int64_t k, CPoint offset)
{
    const TreeGeometry g = Geometry();
    const int64_t index = TreeGeometry::LevelFirst(level) + k;
    const int childY = int(g.Y(level + 1) - offset.y);
    const CPoint parent{int(g.X(level, k) - offset.x), int(g.Y(level) - offset.y)};
    const CPoint left{int(g.X(level + 1, 2 * k) - offset.x), childY};
    const CPoint right{int(g.X(level + 1, 2 * k + 1) - offset.x), childY};
    DrawEdges(dc, parent, 2 * index <= m_nNodeCount ? &left : nullptr, 2 * index + 1 <= m_nNodeCount ? &right : nullptr);
}

// Nodes start..end-1 of a level whose slots are narrower than a pixel, with
// every box plain and at least 4 pixels wide. Each box but the last shows only
// its black left frame column, and the edges are black: all of it is black
// before the last box is drawn, so its union, which does not depend on the
// order, is drawn as a few rectangles. The left edges start one column apart
// and each reaches past the start of the next, so they join into one span;
// so do the right edges and the children's columns.
void CZarniView::DrawPlainDenseLevel(CDrawSurface *dc, int level, int64_t start, int64_t end, CPoint offset,
                                     bool edges)
{
    const TreeGeometry g = Geometry();
    const int64_t a = g.HalfWidth(), b = g.HalfHeight();
    const int64_t levelFirst = TreeGeometry::LevelFirst(level);
    const int64_t y = g.Y(level);
    const CBrush black(RGB(0, 0, 0));
    auto fill = [&](int64_t l, int64_t t, int64_t r, int64_t bottom) {
        dc->FillRect({int(l - offset.x), int(t - offset.y), int(r - offset.x), int(bottom - offset.y)}, &black);
    };
    const int64_t lastX = g.X(level, end - 1);
    fill(g.X(level, start) - a, y - b, lastX - a, y + b);
    const int64_t iFirst = levelFirst + start, iLast = levelFirst + end - 2;
    const int64_t lastChild = std::min<int64_t>(2 * iLast + 1, m_nNodeCount);
    if (edges && iLast >= iFirst && 2 * iFirst <= lastChild) {
        auto childX = [&](int64_t index) { return g.X(level + 1, index - 2 * levelFirst); };
        fill(childX(2 * iFirst), y, childX(lastChild) + 1, g.Y(level + 1));
        const int64_t iLeftLast = std::min<int64_t>(iLast, m_nNodeCount / 2);
        fill(g.X(level, start) - a, y, childX(2 * iLeftLast), y + 1);
        const int64_t iRightLast = std::min<int64_t>(iLast, (m_nNodeCount - 1) / 2);
        if (iRightLast >= iFirst)
            fill(childX(2 * iFirst + 1) + 1, y, g.X(level, iRightLast - levelFirst) + a + 1, y + 1);
    }
    const int64_t last = levelFirst + end - 1;
    DrawNodeBox(dc, last, m_model.Value(last), int(lastX - offset.x), int(y - offset.y), 0);
    if (edges)
        DrawEdgesFromLayout(dc, level, end - 1, offset);
}

// The union of the edges of nodes kFirst..kLast of a level, which all stand
// in one column (their slots are narrower than a pixel, so their children's
// columns are contiguous).
void CZarniView::DrawRunEdges(CDrawSurface *dc, int level, int64_t kFirst, int64_t kLast, CPoint offset)
{
    const TreeGeometry g = Geometry();
    const int64_t levelFirst = TreeGeometry::LevelFirst(level);
    const int64_t iFirst = levelFirst + kFirst, iLast = levelFirst + kLast;
    const int64_t firstChild = 2 * iFirst;
    const int64_t lastChild = std::min<int64_t>(2 * iLast + 1, m_nNodeCount);
    if (firstChild > lastChild)
        return;
    auto childX = [&](int64_t index) { return int(g.X(level + 1, index - 2 * levelFirst) - offset.x); };
    const int a = g.HalfWidth();
    const int x = int(g.X(level, kFirst) - offset.x);
    const int y = int(g.Y(level) - offset.y), childY = int(g.Y(level + 1) - offset.y);
    auto horizontal = [&](int from, int to) {
        dc->MoveTo(from, y);
        dc->LineTo(to, y);
    };
    horizontal(x - a, childX(firstChild));
    horizontal(x - a, childX(lastChild % 2 ? lastChild - 1 : lastChild));
    if (firstChild + 1 <= lastChild) {
        horizontal(x + a, childX(firstChild + 1));
        horizontal(x + a, childX(lastChild % 2 ? lastChild : lastChild - 1));
    }
    for (int column = childX(firstChild); column <= childX(lastChild); ++column) {
        dc->MoveTo(column, y);
        dc->LineTo(column, childY);
    }
}
