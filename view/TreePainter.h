#pragma once
// The one painter of a tree's picture. The window's paint, its selection
// redraw, the boxes a run paints one by one, printing and every export
// (PNG, SVG, PDF, GIF, video) draw with it, on any surface: it needs a
// model and where its boxes stand, not a widget.
//
// It draws the step picture level by level from the top, each box filled
// in the colours of its mark with its label, elbow edges from parents to
// children, so that a child's box covers the lower end of the edge that
// reaches it; only the nodes that can reach the surface's clip box are
// looked at, so a paint costs what is visible, however large the tree.

#include "model/StepPicture.h"
#include "model/TreeGeometry.h"
#include "model/TreeModel.h"
#include "framework/DrawSurface.h"

#include <QString>
#include <functional>
#include <vector>

class QPainter;

// What a picture of a tree is drawn from.
struct TreeScene {
    const TreeModel *model = nullptr;
    TreeGeometry geometry;
    bool showIndices = false; // each box whose label is not its index shows the index in its corner

    // The canvas the picture covers.
    CSize Canvas() const { return {geometry.width, geometry.height}; }
};

class TreePainter {
public:
    // The whole picture of the step on a painter in canvas coordinates (an
    // export, a frame of a run): the tree and the outlines over it.
    void PaintCanvas(QPainter *painter, const TreeScene &scene);
    // The picture of the step shown, with the surface's origin at canvas
    // point offset.
    void Paint(CDrawSurface *dc, const TreeScene &scene, CPoint offset = {0, 0});
    // What a selection redraw draws: selected boxes red, every other box
    // plain, without edges.
    void PaintSelection(CDrawSurface *dc, const TreeScene &scene, CPoint offset);
    // Node index's box centred at surface point (x, y), as look.
    void PaintBox(CDrawSurface *dc, const TreeScene &scene, int64_t index, NodeLook look, int x, int y);
    // The outlines over the boxes the step points at, drawn over every
    // picture of the step.
    void PaintPointed(QPainter *painter, const TreeScene &scene, CPoint offset) const;
    // A box's outline, a little outside its frame.
    static void OutlineBox(QPainter *painter, const TreeScene &scene, int64_t index, const QColor &colour, int width,
                           CPoint offset);
    // The font of the labels of boxes this high (half the box).
    CFont *LabelFont(int halfHeight);

private:
    using LookOf = std::function<NodeLook(int64_t)>;
    void PaintTree(CDrawSurface *dc, const TreeScene &scene, const LookOf &look, CPoint offset);
    void PaintLevels(CDrawSurface *dc, const TreeScene &scene, const LookOf &look, CPoint offset, bool selection);
    void PaintPaintings(CDrawSurface *dc, const TreeScene &scene, const StepPicture &picture, CPoint offset);
    void PaintNodeZero(CDrawSurface *dc, const TreeScene &scene, CPoint offset);
    void PaintPlainDenseLevel(CDrawSurface *dc, const TreeScene &scene, int lastValue, int level, int64_t start,
                              int64_t end, CPoint offset, bool edges);
    void PaintRunEdges(CDrawSurface *dc, const TreeScene &scene, int level, int64_t kFirst, int64_t kLast,
                       CPoint offset);
    void PaintEdgesFromLayout(CDrawSurface *dc, const TreeScene &scene, int level, int64_t k, CPoint offset);
    static void PaintEdges(CDrawSurface *dc, int halfWidth, CPoint parent, const CPoint *left, const CPoint *right);
    void FitLabel(CDrawSurface *dc, const CFont *font, QString *text, CRect *textRect, const CRect &box);
    void PaintSmall(CDrawSurface *dc, const QString &text, const CRect &box, bool tag, const QColor &fill);

    static constexpr int kLeastLabelHeight = 9; // pixels: a label still read from the back of the room
    // Made again only when the height or the face changes.
    CFont m_labelFont;
    CFont m_cornerFont;
    CFont m_fittedFont;
};
