#pragma once
// A scrolling view that keeps its window's pixels, as the original platform
// does: the paint renders into a retained image of the client area, window
// surfaces draw into the same image, and the widget shows that image.

#include "DrawSurface.h"
#include "Geometry.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <memory>

enum { MM_TEXT = 1 };
enum { SB_HORZ = 0, SB_VERT = 1 };

class CScrollView;

// A surface on the view's client area, in window coordinates. It opens its
// painter on the first drawing call and closes it on Flush(), so that a
// surface kept across a wait does not block the view's own paint.
class CWindowDC : public CDrawSurface {
public:
    explicit CWindowDC(CScrollView *view);
    ~CWindowDC() override;
    void Flush();

protected:
    QPainter *Begin() override;
    void Touched(const QRect &rect) override { m_touched |= rect; }

private:
    QPointer<CScrollView> m_view;
    std::unique_ptr<QPainter> m_painter;
    QRect m_touched;
};

class CScrollView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CScrollView(QWidget *parent = nullptr);

    void SetScrollSizes(int mapMode, CSize total);
    CSize GetTotalSize() const { return m_total; }
    CPoint GetScrollPosition() const;
    int GetScrollPos(int bar) const;
    void SetScrollPos(int bar, int pos, bool redraw = true);
    int GetScrollLimit(int bar) const;
    // Shows or hides the scroll bars for the current total size now, not
    // when the toolkit gets to it, so that the client area and the scroll
    // range are final.
    void SettleScrollBars();
    void Invalidate();
    // Only this part of the client area, in client coordinates.
    void InvalidateRect(const CRect &rect);

    // The pixels of the client area as they show, at the window's device
    // pixel ratio.
    const QImage &RetainedImage() const { return m_image; }
    // Brings every pending invalidation into the retained image now.
    void UpdateWindow();
    bool IsUpdatePending() const { return !m_dirty.isEmpty(); }

    virtual void OnInitialUpdate();
    // Draws the whole canvas with the view's own paint on any painter
    // (a printer, an export), in canvas coordinates.
    void RenderCanvas(QPainter *painter);

signals:
    // Something was drawn into the window's pixels: a paint or a window
    // surface.
    void Drawn();

protected:
    virtual void OnDraw(CDrawSurface *dc) = 0;
    // Drawn over the window as it shows, never into its pixels: marks that
    // come and go with the pointer.
    virtual void OnDrawOverlay(QPainter *painter) { Q_UNUSED(painter); }
    // Drawn over the paint on a picture of the whole canvas (an export, a
    // printout), in canvas coordinates: what the window shows over its
    // pixels and belongs to the picture.
    virtual void OnDrawCanvasMarks(QPainter *painter) { Q_UNUSED(painter); }
    // The user asks for zoom steps about a client point: step n > 0 zooms
    // in n items, n < 0 out, 0 back to the natural size.
    virtual void OnZoomStep(int step, QPoint anchor) { Q_UNUSED(step); Q_UNUSED(anchor); }

    // The wheel scrolls (Shift: across), Ctrl+wheel and a pinch zoom; the
    // arrows, PgUp/PgDn, Home/End and Ctrl+= / Ctrl+- / Ctrl+0 likewise.
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class CWindowDC;
    void RenderDirty(const QRegion &area);
    void UpdateBars();

    void ScrollBy(int dx, int dy);
    void NewImage();
    // The retained image's area in logical pixels.
    QRect ImageRect() const;

    QImage m_image;
    QRegion m_dirty;
    int m_zoomWheel = 0;     // Ctrl+wheel angle not yet used for a step
    qreal m_zoomPinch = 0;   // pinch scale not yet used for a step
    CSize m_total{100, 100};
};
