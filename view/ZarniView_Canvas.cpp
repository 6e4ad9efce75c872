// Canvas size, zoom and node box proportions.
#include "ZarniView.h"

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
    StepSide(m_nCanvasWidth, xStep);
    StepSide(m_nCanvasHeight, yStep);
    emit CanvasSizeChanged(m_nCanvasWidth, m_nCanvasHeight);
    Relayout();
}

// Items 0..19 are 20x..1x, items 20..29 are 1/2x..1/20x of 800 by 600.
void CZarniView::ApplyZoomIndex(int index)
{
    if (index < 0 || index > 29)
        return;
    if (index <= 19) {
        const int factor = 20 - index;
        m_nCanvasWidth = 800 * factor;
        m_nCanvasHeight = 600 * factor;
    } else {
        const int divisor = 2 * index - 38;
        m_nCanvasWidth = 800 / divisor;
        m_nCanvasHeight = 600 / divisor;
    }
    emit CanvasSizeChanged(m_nCanvasWidth, m_nCanvasHeight);
    Relayout();
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
