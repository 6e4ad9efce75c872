#include "ScrollView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
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
    NewImage();
}

// The window's pixels at its device pixel ratio: drawing stays in logical
// pixels and lands on r by r device pixels, text at device resolution.
void CScrollView::NewImage()
{
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize logical = viewport()->size().expandedTo(QSize(1, 1));
    m_image = QImage((QSizeF(logical) * ratio).toSize(), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
}

QRect CScrollView::ImageRect() const
{
    return QRect(QPoint(0, 0), m_image.deviceIndependentSize().toSize());
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
    // A canvas that fits the client area without the bars needs none, even
    // while the bars still take their room.
    const QSize whole = maximumViewportSize();
    const bool fits = m_total.cx <= whole.width() && m_total.cy <= whole.height();
    const QSize client = fits ? whole : viewport()->size();
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

// The toolkit decides on the bars in a queued call after a range changes.
void CScrollView::SettleScrollBars()
{
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CScrollView::SetScrollPos(int bar, int pos, bool redraw)
{
    Q_UNUSED(redraw); // the bar always redraws itself
    (bar == SB_HORZ ? horizontalScrollBar() : verticalScrollBar())->setValue(pos);
}

void CScrollView::Invalidate()
{
    m_dirty = QRegion(ImageRect());
    viewport()->update();
}

void CScrollView::InvalidateRect(const CRect &rect)
{
    const QRect area = QRect(rect.left, rect.top, rect.Width(), rect.Height()) & ImageRect();
    m_dirty += area;
    viewport()->update(area);
}

void CScrollView::OnInitialUpdate()
{
    Invalidate();
}

void CScrollView::RenderCanvas(QPainter *painter)
{
    {
        CDrawSurface dc(painter);
        OnDraw(&dc);
    }
    OnDrawCanvasMarks(painter);
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
    if (m_image.devicePixelRatio() != viewport()->devicePixelRatioF()) {
        NewImage(); // the window went to a screen of another scale
        Invalidate();
    }
    RenderDirty(event->region());
    QPainter painter(viewport());
    const qreal ratio = m_image.devicePixelRatio();
    for (const QRect &r : event->region())
        painter.drawImage(QRectF(r), m_image, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    painter.setClipRegion(event->region());
    OnDrawOverlay(&painter);
}

void CScrollView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
    // A resized view is repainted whole, as a view that redraws on resize.
    NewImage();
    Invalidate();
}

// The window's pixels move with the scroll, within the same image; only
// the uncovered strips are painted again.
void CScrollView::scrollContentsBy(int dx, int dy)
{
    const QRect all = ImageRect();
    const qreal ratio = m_image.devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        Invalidate(); // pixels that do not move by whole device pixels
        return;
    }
    const int r = int(ratio);
    const QRect kept = all.translated(-dx, -dy) & all; // the pixels that stay in view
    if (!kept.isEmpty()) {
        const int bpl = int(m_image.bytesPerLine()), depth = m_image.depth() / 8;
        uchar *bits = m_image.bits();
        // Rows go in the order that never overwrites a row still to be moved.
        const bool down = dy > 0;
        const QRect device(kept.topLeft() * r, kept.size() * r);
        for (int i = 0; i < device.height(); ++i) {
            const int row = down ? device.bottom() - i : device.top() + i;
            std::memmove(bits + (row + dy * r) * bpl + (device.left() + dx * r) * depth,
                         bits + row * bpl + device.left() * depth, std::size_t(device.width()) * depth);
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

void CScrollView::ScrollBy(int dx, int dy)
{
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    h->setValue(h->value() + dx);
    v->setValue(v->value() + dy);
}

namespace {

const int kNotch = 120; // a wheel's step, in eighths of a degree

// Whole steps out of an angle gathered so far; the rest stays gathered.
int TakeSteps(int &gathered, int delta)
{
    gathered += delta;
    const int steps = gathered / kNotch;
    gathered -= steps * kNotch;
    return steps;
}

} // namespace

void CScrollView::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = TakeSteps(m_zoomWheel, angle.y() ? angle.y() : angle.x());
        // All the notches of one turn at once: the list ends where it ends.
        if (steps)
            OnZoomStep(steps, event->position().toPoint());
        return;
    }
    // Shift turns the wheel's scroll across.
    const bool across = event->modifiers() & Qt::ShiftModifier;
    auto turned = [across](QPoint p) { return across ? QPoint(p.x() + p.y(), 0) : p; };
    QPoint delta = -turned(event->pixelDelta());
    if (delta.isNull()) {
        const QPoint notches = turned(angle);
        const int lines = QApplication::wheelScrollLines();
        delta = QPoint(-notches.x() * lines * horizontalScrollBar()->singleStep() / kNotch,
                       -notches.y() * lines * verticalScrollBar()->singleStep() / kNotch);
    }
    ScrollBy(delta.x(), delta.y());
}

// A touchpad pinch: a zoom step for every quarter of scale gathered.
bool CScrollView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::NativeGesture) {
        auto *gesture = static_cast<QNativeGestureEvent *>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            m_zoomPinch += gesture->value();
            const QPoint anchor = viewport()->mapFromGlobal(gesture->globalPosition().toPoint());
            for (; m_zoomPinch >= 0.25; m_zoomPinch -= 0.25)
                OnZoomStep(1, anchor);
            for (; m_zoomPinch <= -0.25; m_zoomPinch += 0.25)
                OnZoomStep(-1, anchor);
            return true;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CScrollView::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    const QPoint centre = viewport()->rect().center();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        switch (event->key()) {
        case Qt::Key_Equal:
        case Qt::Key_Plus: OnZoomStep(1, centre); return;
        case Qt::Key_Minus: OnZoomStep(-1, centre); return;
        case Qt::Key_0: OnZoomStep(0, centre); return;
        default: break;
        }
    }
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left: ScrollBy(-h->singleStep(), 0); return;
        case Qt::Key_Right: ScrollBy(h->singleStep(), 0); return;
        case Qt::Key_Up: ScrollBy(0, -v->singleStep()); return;
        case Qt::Key_Down: ScrollBy(0, v->singleStep()); return;
        case Qt::Key_PageUp: ScrollBy(0, -v->pageStep()); return;
        case Qt::Key_PageDown: ScrollBy(0, v->pageStep()); return;
        case Qt::Key_Home: h->setValue(h->minimum()); return;
        case Qt::Key_End: h->setValue(h->maximum()); return;
        default: break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}
