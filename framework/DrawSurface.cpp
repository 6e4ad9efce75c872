#include "DrawSurface.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const char *const kLabelFace = "新細明體";
// Pixel size the platform falls back to when a font asks for height 0.
const int kDefaultCellHeight = 16;
// Glyphs beyond this size are clipped to the window long before they fit.
const int kMaxPixelSize = 32767;

int CellHeightAt(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The pixel size whose cell (ascent + descent) comes out at the asked height.
int PixelSizeForCell(const QFont &font, int cellHeight)
{
    static QHash<QString, double> ratioByFamily;
    const QString key = font.family();
    auto it = ratioByFamily.find(key);
    if (it == ratioByFamily.end()) {
        const int reference = 1000;
        it = ratioByFamily.insert(key, double(reference) / std::max(1, CellHeightAt(font, reference)));
    }
    int size = std::clamp(int(std::lround(cellHeight * it.value())), 1, kMaxPixelSize);
    while (size > 1 && CellHeightAt(font, size) > cellHeight)
        --size;
    while (size < kMaxPixelSize && CellHeightAt(font, size + 1) <= cellHeight)
        ++size;
    return size;
}

QRect Normalized(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

namespace {

struct LabelFace {
    QString family = QStringLiteral("AR PL UMing TW");
    int generation = 0;
};

LabelFace &CurrentLabelFace()
{
    static LabelFace face;
    return face;
}

} // namespace

void InstallFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QString::fromUtf8(kLabelFace), CurrentLabelFace().family);
        return true;
    }();
    Q_UNUSED(installed);
}

void SetLabelFace(const QString &family)
{
    LabelFace &face = CurrentLabelFace();
    if (family == face.family)
        return;
    InstallFontSubstitutions();
    face.family = family;
    ++face.generation;
    QFont::removeSubstitutions(QString::fromUtf8(kLabelFace));
    QFont::insertSubstitution(QString::fromUtf8(kLabelFace), family);
}

QFont InterfaceFont()
{
    InstallFontSubstitutions();
    QFont font(CurrentLabelFace().family);
    font.setPointSize(9);
    return font;
}

bool LogFont::operator==(const LogFont &o) const
{
    return height == o.height && width == o.width && escapement == o.escapement
        && orientation == o.orientation && weight == o.weight && italic == o.italic
        && underline == o.underline && strikeOut == o.strikeOut && charSet == o.charSet
        && outPrecision == o.outPrecision && clipPrecision == o.clipPrecision
        && quality == o.quality && pitchAndFamily == o.pitchAndFamily && faceName == o.faceName;
}

LogFont LabelFontDescription(int cellHeight)
{
    LogFont lf;
    lf.height = cellHeight;
    lf.weight = FW_NORMAL;
    lf.charSet = ANSI_CHARSET;
    lf.pitchAndFamily = FF_SWISS;
    lf.faceName = QString::fromUtf8(kLabelFace);
    return lf;
}

bool CFont::IsCurrent() const
{
    return m_valid && m_generation == CurrentLabelFace().generation;
}

bool CFont::CreateFontIndirect(const LogFont &description)
{
    InstallFontSubstitutions();
    m_description = description;
    m_generation = CurrentLabelFace().generation;
    // The system face is the language's own face: named straight away, as
    // the toolkit keeps a font it found under a name.
    QFont font(description.faceName == QString::fromUtf8(kLabelFace) ? CurrentLabelFace().family : description.faceName);
    if (description.pitchAndFamily & FF_SWISS)
        font.setStyleHint(QFont::SansSerif);
    // Name the face that really draws, so that exported pictures name it too.
    font.setFamily(QFontInfo(font).family());
    font.setWeight(QFont::Weight(std::clamp(description.weight, 1, 1000)));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    if (description.height > 0)
        font.setPixelSize(PixelSizeForCell(font, description.height));
    else if (description.height < 0)
        font.setPixelSize(std::min(-std::max(description.height, -kMaxPixelSize), kMaxPixelSize));
    else
        font.setPixelSize(PixelSizeForCell(font, kDefaultCellHeight));
    m_font = font;
    const QFontMetrics metrics(m_font);
    m_ascent = metrics.ascent();
    m_cellHeight = metrics.height();
    m_raw = QRawFont::fromFont(m_font);
    m_glyphs.clear();
    m_valid = true;
    return true;
}

const CFont::Glyph &CFont::GlyphInfo(quint32 index) const
{
    auto it = m_glyphs.find(index);
    if (it == m_glyphs.end()) {
        const QList<QPointF> advances = m_raw.advancesForGlyphIndexes(QList<quint32>{index});
        it = m_glyphs.insert(index, {advances.value(0).x(), m_raw.boundingRect(index)});
    }
    return it.value();
}

TextLine CFont::Layout(const QString &text) const
{
    TextLine line;
    line.glyphs = m_raw.glyphIndexesForString(text);
    qreal x = 0;
    for (quint32 index : line.glyphs) {
        const Glyph &glyph = GlyphInfo(index);
        line.positions << QPointF(x, 0);
        line.ink |= glyph.ink.translated(x, 0);
        x += glyph.advance;
    }
    line.width = qRound(x);
    return line;
}

CDrawSurface::CDrawSurface(QPainter *painter)
    : m_painter(painter), m_font(&m_defaultFont), m_pen(&m_defaultPen), m_brush(&m_defaultBrush)
{
    m_hollowBrush.MakeHollow();
}

CFont *CDrawSurface::SelectObject(CFont *font)
{
    return std::exchange(m_font, font);
}

CPen *CDrawSurface::SelectObject(CPen *pen)
{
    return std::exchange(m_pen, pen);
}

CBrush *CDrawSurface::SelectObject(CBrush *brush)
{
    return std::exchange(m_brush, brush);
}

CBrush *CDrawSurface::SelectStockObject(int object)
{
    Q_ASSERT(object == NULL_BRUSH);
    return SelectObject(&m_hollowBrush);
}

int CDrawSurface::SetROP2(int rop)
{
    return std::exchange(m_rop, rop);
}

// A device's size in logical pixels: an image counts device pixels.
static QSize DeviceSize(const QPaintDevice *device)
{
    if (device->devType() == QInternal::Image)
        return static_cast<const QImage *>(device)->deviceIndependentSize().toSize();
    return QSize(device->width(), device->height());
}

void CDrawSurface::FillPixels(const QRect &area, const QColor &color, bool useRop)
{
    QRect rect = area;
    if (rect.right() >= m_rightLimit)
        rect.setRight(m_rightLimit - 1);
    if (rect.isEmpty())
        return;
    QPainter *p = Begin();
    if (useRop && m_rop == R2_NOTXORPEN) {
        p->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p->fillRect(rect, color);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        p->fillRect(rect, color);
    }
    Touched(rect);
}

void CDrawSurface::FillRect(const CRect &rect, const CBrush *brush)
{
    if (!brush->IsHollow())
        FillPixels(QRect(rect.left, rect.top, rect.Width(), rect.Height()), brush->Color(), false);
}

void CDrawSurface::FillSolidRect(int x, int y, int cx, int cy, const QColor &color)
{
    m_bkColor = color;
    FillPixels(Normalized(x, y, x + cx, y + cy), color, false);
}

void CDrawSurface::Draw3dRect(int x, int y, int cx, int cy, const QColor &topLeft, const QColor &bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

void CDrawSurface::DrawText(const QString &text, const CRect &rect, unsigned format)
{
    Q_ASSERT(format == DT_CENTER);
    Q_UNUSED(format);
    if (text.isEmpty() || rect.IsEmpty())
        return;
    QRect visible(rect.left, rect.top, rect.Width(), rect.Height());
    if (visible.right() >= m_rightLimit)
        visible.setRight(m_rightLimit - 1);
    const TextLine line = m_font->Layout(text);
    const int left = rect.left + (rect.Width() - line.width) / 2;
    const QRect cell = QRect(left, rect.top, line.width, m_font->CellHeight()) & visible;
    if (cell.isEmpty())
        return;
    FillPixels(cell, m_bkColor, false);
    // Only the ink that falls in the rectangle is drawn; a clip is set only
    // where some ink falls outside.
    const QPointF origin(left, rect.top + m_font->Ascent());
    const QRect ink = line.ink.translated(origin).toAlignedRect();
    if (!ink.intersects(visible))
        return;
    QGlyphRun run;
    run.setRawFont(m_font->RawFont());
    run.setGlyphIndexes(line.glyphs);
    run.setPositions(line.positions);
    QPainter *p = Begin();
    const bool clip = !visible.contains(ink);
    if (clip) {
        p->save();
        p->setClipRect(visible, Qt::IntersectClip);
    }
    p->setPen(m_textColor);
    p->drawGlyphRun(origin, run);
    if (clip)
        p->restore();
}

void CDrawSurface::LineTo(int x, int y)
{
    const CPoint from = m_current;
    m_current = {x, y};
    const QColor &color = m_pen->Color();
    const int w = m_pen->Width(); // a wider line grows right of and below the one-pixel line
    if (from.y == y) {
        if (x != from.x)
            FillPixels(x > from.x ? QRect(from.x, y, x - from.x, w) : QRect(x + 1, y, from.x - x, w), color, true);
    } else if (from.x == x) {
        FillPixels(y > from.y ? QRect(x, from.y, w, y - from.y) : QRect(x, y + 1, w, from.y - y), color, true);
    } else {
        // Only axis-parallel lines are needed exactly; others are drawn plainly.
        // One logical pixel wide, as the other lines are.
        QPainter *p = Begin();
        p->setPen(QPen(color, p->device()->devicePixelRatioF() == 1 ? 0 : 1));
        p->drawLine(from.x, from.y, x, y);
        Touched(QRect(QPoint(from.x, from.y), QPoint(x, y)).normalized());
    }
}

void CDrawSurface::Rectangle(int left, int top, int right, int bottom)
{
    CRect r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    if (r.IsEmpty())
        return;
    if (!m_brush->IsHollow() && r.Width() > 2 && r.Height() > 2)
        FillPixels(QRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2), m_brush->Color(), false);
    if (m_pen->Style() == PS_DOT) {
        DottedOutline(r);
        return;
    }
    const QColor &c = m_pen->Color();
    FillPixels(QRect(r.left, r.top, r.Width(), 1), c, true);
    if (r.Height() > 1)
        FillPixels(QRect(r.left, r.bottom - 1, r.Width(), 1), c, true);
    if (r.Height() > 2) {
        FillPixels(QRect(r.left, r.top + 1, 1, r.Height() - 2), c, true);
        if (r.Width() > 1)
            FillPixels(QRect(r.right - 1, r.top + 1, 1, r.Height() - 2), c, true);
    }
}

// Walks the outline clockwise, every pixel once, three pixels on and three
// off; the gaps take the text background colour (the opaque mode).
void CDrawSurface::DottedOutline(const CRect &r)
{
    int phase = 0;
    auto side = [&](int x, int y, int dx, int dy, int count) {
        for (int i = 0; i < count;) {
            const int inCycle = phase % 6;
            const bool on = inCycle < 3;
            const int run = std::min(count - i, (on ? 3 : 6) - inCycle);
            const int x0 = x + dx * i, y0 = y + dy * i;
            const int x1 = x0 + dx * (run - 1), y1 = y0 + dy * (run - 1);
            FillPixels(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))),
                       on ? m_pen->Color() : m_bkColor, true);
            phase += run;
            i += run;
        }
    };
    const int w = r.Width(), h = r.Height();
    side(r.left, r.top, 1, 0, w);
    if (h == 1)
        return;
    side(r.right - 1, r.top + 1, 0, 1, h - 1);
    if (w == 1)
        return;
    side(r.right - 2, r.bottom - 1, -1, 0, w - 1);
    side(r.left, r.bottom - 2, 0, -1, h - 2);
}

CRect CDrawSurface::GetClipBox() const
{
    QPainter *p = const_cast<CDrawSurface *>(this)->Begin();
    QRect box = p->hasClipping() ? p->clipBoundingRect().toAlignedRect()
                                 : p->transform().inverted().mapRect(QRect(QPoint(0, 0), DeviceSize(p->device())));
    return {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}
