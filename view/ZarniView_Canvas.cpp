// Canvas size, zoom and node box proportions.
#include "ZarniView.h"

#include <cmath>

namespace {

// A grow step stops at the largest side; a shrink never reaches 0.
void StepSide(int &side, const QString &step)
{
    if (step == "-" && side - 100 > 0)
        side -= 100;
    else if (step == "+" && side <= CZarniView::kMaxCanvasSide - 100)
        side += 100;
}

} // namespace

void CZarniView::ChangeCanvasSize(QString xStep, QString yStep)
{
    m_bFitted = false;
    StepSide(m_nCanvasWidth, xStep);
    StepSide(m_nCanvasHeight, yStep);
    emit CanvasSizeChanged(m_nCanvasWidth, m_nCanvasHeight);
    Relayout();
}

// Items 0..19 are 20x..1x, items 20..29 are 1/2x..1/20x of 800 by 600.
CSize CZarniView::ZoomIndexSize(int index)
{
    if (index <= 19)
        return {800 * (20 - index), 600 * (20 - index)};
    const int divisor = 2 * index - 38;
    return {800 / divisor, 600 / divisor};
}

void CZarniView::ApplyZoomIndex(int index)
{
    if (index < 0 || index >= kZoomItems)
        return;
    const CSize size = ZoomIndexSize(index);
    m_bFitted = false;
    m_nCanvasWidth = size.cx;
    m_nCanvasHeight = size.cy;
    emit CanvasSizeChanged(m_nCanvasWidth, m_nCanvasHeight);
    Relayout();
}

void CZarniView::OnViewFit()
{
    // The canvas commands keep a side above 100 pixels; so does the fit.
    const QSize client = maximumViewportSize().expandedTo(QSize(100, 100));
    SetCanvasSize(client.width(), client.height());
    m_bFitted = true;
}

void CZarniView::SetCanvasSize(int width, int height)
{
    m_bFitted = false;
    if (width == m_nCanvasWidth && height == m_nCanvasHeight)
        return;
    m_nCanvasWidth = width;
    m_nCanvasHeight = height;
    emit CanvasSizeChanged(m_nCanvasWidth, m_nCanvasHeight);
    Relayout();
}

void CZarniView::resizeEvent(QResizeEvent *event)
{
    CScrollView::resizeEvent(event);
    // A panel opened or closed, a pane split, the window resized: a fitted
    // tree stays in sight; a canvas sized by hand keeps its size.
    if (m_bFitFollow || m_bFitted)
        OnViewFit();
}

void CZarniView::SetFitFollow(bool follow)
{
    m_bFitFollow = follow;
    if (follow)
        OnViewFit();
}

// The layout scales with the canvas, so a canvas point keeps its place
// relative to the canvas's sides.
void CZarniView::ApplyZoomIndexAbout(int index, QPoint anchor)
{
    const CPoint scroll = GetScrollPosition();
    const double fx = double(scroll.x + anchor.x()) / m_nCanvasWidth;
    const double fy = double(scroll.y + anchor.y()) / m_nCanvasHeight;
    ApplyZoomIndex(index);
    SettleScrollBars();
    SetScrollPos(SB_HORZ, int(std::lround(fx * m_nCanvasWidth)) - anchor.x());
    SetScrollPos(SB_VERT, int(std::lround(fy * m_nCanvasHeight)) - anchor.y());
}

namespace {

void DoubleDivisor(int &divisor)
{
    if (divisor <= CZarniView::kMaxDivisor / 2)
        divisor *= 2;
}

void HalveDivisor(int &divisor)
{
    if (divisor > 1)
        divisor /= 2;
}

} // namespace

void CZarniView::OnNodeNarrower()
{
    DoubleDivisor(m_nXDivisor);
    Relayout();
}

void CZarniView::OnNodeWider()
{
    HalveDivisor(m_nXDivisor);
    Relayout();
}

void CZarniView::OnNodeShorter()
{
    DoubleDivisor(m_nYDivisor);
    Relayout();
}

void CZarniView::OnNodeTaller()
{
    HalveDivisor(m_nYDivisor);
    Relayout();
}
