#include "ScrollView.h"

#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

CWindowDC::CWindowDC(CScrollView *view) : CDrawSurface(nullptr), m_view(view) {}

CWindowDC::~CWindowDC()
{
    Flush();
}

QPainter *CWindowDC::Begin()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_view->m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return m_painter.get();
}

void CWindowDC::Flush()
{
    m_painter.reset();
    if (m_view && !m_touched.isEmpty()) {
        m_view->viewport()->update(m_touched);
        emit m_view->Drawn();
    }
    m_touched = QRect();
}

CScrollView::CScrollView(QWidget *parent) : QAbstractScrollArea(parent)
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    m_image = QImage(viewport()->size(), QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void CScrollView::SetScrollSizes(int mapMode, CSize total)
{
    Q_ASSERT(mapMode == MM_TEXT);
    Q_UNUSED(mapMode);
    m_total = total;
    UpdateBars();
}

void CScrollView::UpdateBars()
{
    const QSize client = viewport()->size();
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    h->setRange(0, std::max(0, m_total.cx - client.width()));
    v->setRange(0, std::max(0, m_total.cy - client.height()));
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(std::max(1, client.width() / 10));
    v->setSingleStep(std::max(1, client.height() / 10));
}

CPoint CScrollView::GetScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

int CScrollView::GetScrollPos(int bar) const
{
    return bar == SB_HORZ ? horizontalScrollBar()->value() : verticalScrollBar()->value();
}

int CScrollView::GetScrollLimit(int bar) const
{
    return bar == SB_HORZ ? horizontalScrollBar()->maximum() : verticalScrollBar()->maximum();
}

void CScrollView::SetScrollPos(int bar, int pos, bool redraw)
{
    Q_UNUSED(redraw); // the bar always redraws itself
    (bar == SB_HORZ ? horizontalScrollBar() : verticalScrollBar())->setValue(pos);
}

void CScrollView::Invalidate()
{
    m_dirty = QRegion(m_image.rect());
    viewport()->update();
}

void CScrollView::InvalidateRect(const CRect &rect)
{
    const QRect area = QRect(rect.left, rect.top, rect.Width(), rect.Height()) & m_image.rect();
    m_dirty += area;
    viewport()->update(area);
}

void CScrollView::OnInitialUpdate()
{
    Invalidate();
}

void CScrollView::RenderCanvas(QPainter *painter)
{
    CDrawSurface dc(painter);
    OnDraw(&dc);
}

void CScrollView::UpdateWindow()
{
    RenderDirty(m_dirty);
}

void CScrollView::RenderDirty(const QRegion &area)
{
    const QRegion todo = area & m_dirty;
    if (todo.isEmpty())
        return;
    m_dirty -= todo;
    QPainter painter(&m_image);
    painter.setClipRegion(todo);
    painter.fillRect(todo.boundingRect(), Qt::white);
    const CPoint pos = GetScrollPosition();
    painter.translate(-pos.x, -pos.y);
    CDrawSurface dc(&painter);
    OnDraw(&dc);
    emit Drawn();
}

void CScrollView::paintEvent(QPaintEvent *event)
{
    RenderDirty(event->region());
    QPainter painter(viewport());
    for (const QRect &r : event->region())
        painter.drawImage(r, m_image, r);
    painter.setClipRegion(event->region());
    OnDrawOverlay(&painter);
}

void CScrollView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
    // A resized view is repainted whole, as a view that redraws on resize.
    m_image = QImage(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    Invalidate();
}

// The window's pixels move with the scroll, within the same image; only
// the uncovered strips are painted again.
void CScrollView::scrollContentsBy(int dx, int dy)
{
    const QRect all = m_image.rect();
    const QRect kept = all.translated(-dx, -dy) & all; // the pixels that stay in view
    if (!kept.isEmpty()) {
        const int bpl = int(m_image.bytesPerLine()), depth = m_image.depth() / 8;
        uchar *bits = m_image.bits();
        // Rows go in the order that never overwrites a row still to be moved.
        const bool down = dy > 0;
        for (int i = 0; i < kept.height(); ++i) {
            const int row = down ? kept.bottom() - i : kept.top() + i;
            std::memmove(bits + (row + dy) * bpl + (kept.left() + dx) * depth, bits + row * bpl + kept.left() * depth,
                         std::size_t(kept.width()) * depth);
        }
    }
    const QRegion region(all);
    const QRegion uncovered = region - QRegion(kept.translated(dx, dy));
    QPainter painter(&m_image);
    for (const QRect &r : uncovered)
        painter.fillRect(r, Qt::white);
    painter.end();
    m_dirty.translate(dx, dy);
    m_dirty = (m_dirty & region) | uncovered;
    viewport()->update();
}
