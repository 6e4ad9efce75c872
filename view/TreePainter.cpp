#include "TreePainter.h"

#include "Palette.h"
#include "Words.h"

#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

// A label font of that cell height, made again in its slot only when the
// height or the face changes.
CFont *FontIn(CFont *slot, int height)
{
    const LogFont wanted = LabelFontDescription(height);
    if (!slot->IsCurrent() || !(slot->Description() == wanted))
        slot->CreateFontIndirect(wanted);
    return slot;
}

} // namespace

CFont *TreePainter::LabelFont(int halfHeight)
{
    return FontIn(&m_labelFont, halfHeight);
}

void TreePainter::PaintCanvas(QPainter *painter, const TreeScene &scene)
{
    {
        CDrawSurface dc(painter);
        Paint(&dc, scene);
    }
    PaintPointed(painter, scene, {0, 0});
}

// While a run stands between its first and its last step at a step that
// paints boxes one by one, the picture is the boxes its steps painted;
// otherwise the tree as it is.
void TreePainter::Paint(CDrawSurface *dc, const TreeScene &scene, CPoint offset)
{
    const StepPicture picture(*scene.model);
    if (!picture.Painting()) {
        const TreeModel &model = *scene.model;
        PaintTree(dc, scene, [&model](int64_t i) { return NodeLook{model.Value(i), model.Mark(i)}; }, offset);
        return;
    }
    PaintTree(dc, scene, [&picture](int64_t i) { return picture.LookBeneath(i); }, offset);
    PaintPaintings(dc, scene, picture, offset);
}

void TreePainter::PaintSelection(CDrawSurface *dc, const TreeScene &scene, CPoint offset)
{
    const TreeModel &model = *scene.model;
    PaintLevels(dc, scene, [&model](int64_t i) {
        const int mark = model.Mark(i);
        return NodeLook{model.Value(i), mark == kMarkHighlighted ? mark : kMarkPlain};
    }, offset, true);
}

// The edges in the palette's width.
void TreePainter::PaintTree(CDrawSurface *dc, const TreeScene &scene, const LookOf &look, CPoint offset)
{
    CPen pen(PS_SOLID, CurrentPalette().line, RGB(0, 0, 0));
    CPen *oldPen = dc->SelectObject(&pen);
    PaintLevels(dc, scene, look, offset, false);
    dc->SelectObject(oldPen);
}

void TreePainter::PaintBox(CDrawSurface *dc, const TreeScene &scene, int64_t index, NodeLook look, int x, int y)
{
    const TreeGeometry &geometry = scene.geometry;
    const CRect box = geometry.Box({x, y});
    const MarkColours colours = ColoursFor(look.mark);
    CFont *font = LabelFont(geometry.HalfHeight());
    CFont *oldFont = dc->SelectObject(font);
    const CBrush brush(colours.fill);
    dc->FillRect(box, &brush);
    dc->Draw3dRect(box.left, box.top, box.Width(), box.Height(), colours.firstFrame, colours.firstFrame);
    QString text = QString::fromStdString(scene.model->Text(look.value));
    CRect textRect = geometry.TextRect({x, y});
    if (!text.isEmpty() && look.value != index) // a numbered tree's labels are drawn as they always were
        FitLabel(dc, font, &text, &textRect, box);
    const QColor oldInk = dc->SetTextColor(colours.label);
    dc->DrawText(text, textRect, DT_CENTER);
    dc->SetTextColor(oldInk);
    dc->SelectObject(font);
    DrawFinalFrame(dc, box, colours);
    // Corners too small to read are not drawn.
    if (scene.showIndices && box.Height() / 4 >= 7)
        PaintSmall(dc, Words(StepPicture::Corner(*scene.model, index, look.value)), box, false, colours.fill);
    if (box.Height() / 3 >= 7 && index >= 1)
        PaintSmall(dc, Words(StepPicture::Tag(*scene.model, index)), box, true, colours.fill);
    dc->SelectObject(oldFont);
}

// A value wider than its box is drawn smaller, down to a readable size,
// then cut short with an ellipsis, in the middle of the box, clear of the
// frame by a sixteenth of the box on each side.
void TreePainter::FitLabel(CDrawSurface *dc, const CFont *font, QString *text, CRect *textRect, const CRect &box)
{
    const int room = box.Width() - 2 * (CurrentPalette().line + box.Width() / 16);
    const int width = font->TextWidth(*text);
    if (width <= room || room < 1)
        return;
    const int height = std::max(kLeastLabelHeight, int(int64_t(font->CellHeight()) * room / width));
    if (height >= font->CellHeight())
        return;
    dc->SelectObject(FontIn(&m_fittedFont, height));
    while (text->size() > 1 && m_fittedFont.TextWidth(*text) > room)
        *text = text->left(text->endsWith(QChar(0x2026)) ? text->size() - 2 : text->size() - 1) + QChar(0x2026);
    const int middle = (box.top + box.bottom) / 2;
    *textRect = {box.left, middle - height / 2, box.right, middle - height / 2 + height};
}

// Small text inside the frame on the box's own fill: a corner number at the
// top left, a quarter of the box high; a tag at the bottom right, a third of
// the box high, read from the back of the room beside the label.
void TreePainter::PaintSmall(CDrawSurface *dc, const QString &text, const CRect &box, bool tag, const QColor &fill)
{
    if (text.isEmpty())
        return;
    const int height = tag ? box.Height() / 3 : box.Height() / 4;
    dc->SelectObject(FontIn(&m_cornerFont, height));
    const int width = std::min(m_cornerFont.TextWidth(text), box.Width() - 4);
    const CRect at = tag ? CRect{box.right - 2 - width, box.bottom - 1 - height, box.right - 2, box.bottom - 1}
                         : CRect{box.left + 2, box.top + 1, box.left + 2 + width, box.top + 1 + height};
    dc->FillSolidRect(at.left, at.top, 0, 0, fill); // the text's cells take the fill
    dc->DrawText(text, at, DT_CENTER);
}

// Elbows from the middle of the box's sides to the children's centres.
void TreePainter::PaintEdges(CDrawSurface *dc, int halfWidth, CPoint parent, const CPoint *left, const CPoint *right)
{
    if (left) {
        dc->MoveTo(parent.x - halfWidth, parent.y);
        dc->LineTo(left->x, parent.y);
        dc->LineTo(left->x, left->y);
    }
    if (right) {
        dc->MoveTo(parent.x + halfWidth, parent.y);
        dc->LineTo(right->x, parent.y);
        dc->LineTo(right->x, right->y);
    }
}

// Draws the same pixels as a level-by-level walk of every node, in the same
// order, but only for nodes that can reach the clip box, found from the
// layout formula. Where several nodes of a level share one column their
// boxes coincide, so only the last box is drawn, after the union of the
// others' edges. A box whose next neighbour starts one column further shows
// nothing but its left frame column, so only that column is drawn.
void TreePainter::PaintLevels(CDrawSurface *dc, const TreeScene &scene, const LookOf &look, CPoint offset,
                              bool selection)
{
    const TreeGeometry &g = scene.geometry;
    const CRect clip = dc->GetClipBox();
    const int64_t left = int64_t(clip.left) + offset.x, right = int64_t(clip.right) + offset.x;
    const int64_t top = int64_t(clip.top) + offset.y, bottom = int64_t(clip.bottom) + offset.y;
    const int a = g.HalfWidth(), b = g.HalfHeight();
    if (!selection)
        PaintNodeZero(dc, scene, offset);
    for (int level = 1; level <= g.depth; ++level) {
        const int64_t first = TreeGeometry::LevelFirst(level);
        if (first > g.count)
            break;
        const int64_t y = g.Y(level);
        const bool edges = !selection && level < g.depth;
        const LevelRun reached = g.PlacesReaching(level, left, top, right, bottom, edges);
        if (reached.IsEmpty())
            continue;
        const int64_t start = reached.first, end = reached.end;
        const bool dense = first > g.width;
        if (dense && a >= 2 && b >= 1 && !scene.model->AnyMarkIn(first + start, first + end)) {
            PaintPlainDenseLevel(dc, scene, look(first + end - 1).value, level, start, end, offset, edges);
            continue;
        }
        for (int64_t k = start; k < end;) {
            const int64_t x = g.X(level, k);
            const int64_t runLast = std::min(g.FirstAtOrRightOf(level, x + 1), end) - 1;
            if (edges && runLast > k)
                PaintRunEdges(dc, scene, level, k, runLast - 1, offset);
            const int64_t index = first + runLast;
            const NodeLook shown = look(index);
            const int px = int(x - offset.x), py = int(y - offset.y);
            // The next box of the level covers everything right of its left
            // side; a box that keeps only its left column keeps its frame.
            const bool coveredOnRight = runLast + 1 < end && a >= 1 && b >= 1;
            const int64_t nextX = coveredOnRight ? g.X(level, runLast + 1) : 0;
            if (coveredOnRight && nextX == x + 1) {
                const CBrush frame(ColoursFor(shown.mark).finalFrame);
                dc->FillRect({px - a, py - b, px - a + 1, py + b}, &frame);
            } else {
                if (coveredOnRight)
                    dc->SetRightLimit(int(nextX - offset.x) - a);
                PaintBox(dc, scene, index, shown, px, py);
                dc->SetRightLimit(INT_MAX);
            }
            if (edges)
                PaintEdgesFromLayout(dc, scene, level, runLast, offset);
            k = runLast + 1;
        }
    }
}

// Node 0 (a loser tree's overall winner) above the root, joined to it by an
// edge whose lower end the root's box covers.
void TreePainter::PaintNodeZero(CDrawSurface *dc, const TreeScene &scene, CPoint offset)
{
    if (!scene.model->NodeZeroShown())
        return;
    const TreeGeometry &g = scene.geometry;
    const CPoint zero = g.Position(0), root = g.Position(1);
    dc->MoveTo(zero.x - offset.x, zero.y - offset.y);
    dc->LineTo(root.x - offset.x, root.y - offset.y);
    const TreeModel &model = *scene.model;
    PaintBox(dc, scene, 0, {model.Value(0), model.Mark(0)}, zero.x - offset.x, zero.y - offset.y);
}

// The edges of node k of a level, with the children's places taken from the
// layout rather than from the children themselves.
void TreePainter::PaintEdgesFromLayout(CDrawSurface *dc, const TreeScene &scene, int level, int64_t k, CPoint offset)
{
    const TreeGeometry &g = scene.geometry;
    const int64_t index = TreeGeometry::LevelFirst(level) + k;
    const int childY = int(g.Y(level + 1) - offset.y);
    const CPoint parent{int(g.X(level, k) - offset.x), int(g.Y(level) - offset.y)};
    const CPoint left{int(g.X(level + 1, 2 * k) - offset.x), childY};
    const CPoint right{int(g.X(level + 1, 2 * k + 1) - offset.x), childY};
    PaintEdges(dc, g.HalfWidth(), parent, 2 * index <= g.count ? &left : nullptr,
               2 * index + 1 <= g.count ? &right : nullptr);
}

// Nodes start..end-1 of a level whose slots are narrower than a pixel (the
// last showing lastValue), with every box plain and at least 4 pixels wide. Each box but the last shows only
// its black left frame column, and the edges are black: all of it is black
// before the last box is drawn, so its union, which does not depend on the
// order, is drawn as a few rectangles. The left edges start one column apart
// and each reaches past the start of the next, so they join into one span;
// so do the right edges and the children's columns.
void TreePainter::PaintPlainDenseLevel(CDrawSurface *dc, const TreeScene &scene, int lastValue, int level,
                                       int64_t start, int64_t end, CPoint offset, bool edges)
{
    const TreeGeometry &g = scene.geometry;
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
    const int64_t lastChild = std::min<int64_t>(2 * iLast + 1, g.count);
    if (edges && iLast >= iFirst && 2 * iFirst <= lastChild) {
        auto childX = [&](int64_t index) { return g.X(level + 1, index - 2 * levelFirst); };
        fill(childX(2 * iFirst), y, childX(lastChild) + 1, g.Y(level + 1));
        const int64_t iLeftLast = std::min<int64_t>(iLast, g.count / 2);
        fill(g.X(level, start) - a, y, childX(2 * iLeftLast), y + 1);
        const int64_t iRightLast = std::min<int64_t>(iLast, (g.count - 1) / 2);
        if (iRightLast >= iFirst)
            fill(childX(2 * iFirst + 1) + 1, y, g.X(level, iRightLast - levelFirst) + a + 1, y + 1);
    }
    const int64_t last = levelFirst + end - 1;
    PaintBox(dc, scene, last, {lastValue, kMarkPlain}, int(lastX - offset.x), int(y - offset.y));
    if (edges)
        PaintEdgesFromLayout(dc, scene, level, end - 1, offset);
}

// The union of the edges of nodes kFirst..kLast of a level, which all stand
// in one column (their slots are narrower than a pixel, so their children's
// columns are contiguous).
void TreePainter::PaintRunEdges(CDrawSurface *dc, const TreeScene &scene, int level, int64_t kFirst, int64_t kLast,
                                CPoint offset)
{
    const TreeGeometry &g = scene.geometry;
    const int64_t levelFirst = TreeGeometry::LevelFirst(level);
    const int64_t iFirst = levelFirst + kFirst, iLast = levelFirst + kLast;
    const int64_t firstChild = 2 * iFirst;
    const int64_t lastChild = std::min<int64_t>(2 * iLast + 1, g.count);
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

// Over the tree beneath them, the box of every painting step in turn with
// the value and mark it had when it was painted. A box painted later at the
// same place covers every earlier painting there, so only the last painting
// at each place is drawn; and only places that can reach the clip box are
// looked at.
void TreePainter::PaintPaintings(CDrawSurface *dc, const TreeScene &scene, const StepPicture &picture, CPoint offset)
{
    const TreeGeometry &g = scene.geometry;
    const CRect clip = dc->GetClipBox();
    struct Painting {
        int64_t step;
        int64_t index;
    };
    std::vector<Painting> paintings;
    for (int level = 1; level <= g.depth && TreeGeometry::LevelFirst(level) <= g.count; ++level) {
        const LevelRun places = g.PlacesReaching(level, int64_t(clip.left) + offset.x, int64_t(clip.top) + offset.y,
                                                 int64_t(clip.right) + offset.x, int64_t(clip.bottom) + offset.y, true);
        for (int64_t k = places.first; k < places.end;) {
            const int64_t placeEnd = std::min(g.FirstAtOrRightOf(level, g.X(level, k) + 1), places.end);
            Painting last{0, 0};
            for (; k < placeEnd; ++k) {
                const int64_t index = TreeGeometry::LevelFirst(level) + k;
                if (const int64_t step = picture.LastPainting(index); step > last.step)
                    last = {step, index};
            }
            if (last.step > 0)
                paintings.push_back(last);
        }
    }
    std::sort(paintings.begin(), paintings.end(), [](const Painting &a, const Painting &b) { return a.step < b.step; });
    for (const Painting &p : paintings) {
        const CPoint at = g.Position(p.index);
        PaintBox(dc, scene, p.index, picture.LookAfterPainting(p.index, p.step), at.x - offset.x, at.y - offset.y);
    }
}

void TreePainter::OutlineBox(QPainter *painter, const TreeScene &scene, int64_t index, const QColor &colour, int width,
                             CPoint offset)
{
    if (index < 1 || index > scene.geometry.count)
        return;
    const TreeGeometry &geometry = scene.geometry;
    const CRect box = geometry.Box(geometry.Position(index)).Offset(-offset.x, -offset.y);
    painter->setPen(QPen(colour, width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRect(box.left, box.top, box.Width(), box.Height()).adjusted(-2, -2, 1, 1));
}

void TreePainter::PaintPointed(QPainter *painter, const TreeScene &scene, CPoint offset) const
{
    for (const int64_t i : StepPicture(*scene.model).Pointed())
        OutlineBox(painter, scene, i, PointedColour(), 3, offset);
}
