// Drawing the tree: the view hands its model and its layout to the painter
// that every picture of a tree is drawn with.
#include "ZarniView.h"

// The picture follows the model, also while a reader walks its run quietly
// (an export) and the view has not been told of a count a step changed.
TreeScene CZarniView::Scene() const
{
    TreeGeometry geometry = Geometry();
    if (m_model.Count() >= 1 && m_model.Count() != geometry.count) {
        geometry.count = m_model.Count();
        geometry.depth = TreeGeometry::LevelOf(geometry.count);
    }
    return {&m_model, geometry, m_bShowIndices};
}

void CZarniView::DrawTree(CDrawSurface *dc)
{
    m_painter.Paint(dc, Scene());
}

// The selection shows selected boxes red and every other box plain.
void CZarniView::DrawSelection(CDrawSurface *dc)
{
    m_painter.PaintSelection(dc, Scene(), {m_nHScrollPos, m_nVScrollPos});
}

void CZarniView::DrawNodeBox(CDrawSurface *dc, int64_t index, int value, int x, int y, int mark)
{
    m_painter.PaintBox(dc, Scene(), index, {value, mark}, x, y);
}

void CZarniView::SetShowIndices(bool show)
{
    if (show == m_bShowIndices)
        return;
    m_bShowIndices = show;
    Invalidate();
}
