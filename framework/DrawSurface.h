#pragma once
// A drawing surface over QPainter that behaves like the device context the
// view code was designed for: selected font, pen and brush objects, an opaque
// text background that frames leave behind, inclusive/exclusive rectangle
// rules and the not-xor raster operation.

#include "Geometry.h"

#include <QColor>
#include <utility>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <climits>

class QPainter;

enum : unsigned { DT_CENTER = 1 };
enum { R2_NOTXORPEN = 10, R2_COPYPEN = 13 };
enum { PS_SOLID = 0, PS_DOT = 2 };
enum { NULL_BRUSH = 5 };
enum { FW_NORMAL = 400, ANSI_CHARSET = 0, FF_SWISS = 0x20 };

inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// The fourteen values that describe a font.
struct LogFont {
    int height = 0; // > 0: character-cell height (ascent + descent) in pixels
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = ANSI_CHARSET;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    QString faceName;

    bool operator==(const LogFont &o) const;
};

// Maps the Traditional Chinese system face to the CJK font installed here.
void InstallFontSubstitutions();
// The face the system face stands for, the language's own (Traditional
// Chinese by default); fonts made before it changed are no longer current.
void SetLabelFace(const QString &family);
// The face of the interface: the system face, 9 points.
QFont InterfaceFont();

// The label font of a node box for a given cell height.
LogFont LabelFontDescription(int cellHeight);

// A line of text laid out in a font: glyphs, their pen positions from the
// text's origin on the baseline, the advance, and the ink's bounds.
struct TextLine {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    int width = 0;
    QRectF ink;
};

class CFont {
public:
    bool CreateFontIndirect(const LogFont &description);
    bool IsValid() const { return m_valid; }
    // Valid and made in the label face of now.
    bool IsCurrent() const;
    const LogFont &Description() const { return m_description; }
    const QFont &Font() const { return m_font; }
    int Ascent() const { return m_ascent; }
    int CellHeight() const { return m_cellHeight; }
    int TextWidth(const QString &text) const { return Layout(text).width; }
    // One line, glyph by glyph, without shaping: labels need none, and it
    // spares the paint a text layout per box.
    TextLine Layout(const QString &text) const;
    const QRawFont &RawFont() const { return m_raw; }

private:
    struct Glyph {
        qreal advance;
        QRectF ink;
    };
    const Glyph &GlyphInfo(quint32 index) const;

    LogFont m_description;
    QFont m_font;
    QRawFont m_raw;
    mutable QHash<quint32, Glyph> m_glyphs;
    int m_ascent = 0;
    int m_cellHeight = 0;
    bool m_valid = false;
    int m_generation = 0;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(const QColor &color) { CreateSolidBrush(color); }
    void CreateSolidBrush(const QColor &color) { m_color = color; m_hollow = false; }
    void MakeHollow() { m_hollow = true; }
    const QColor &Color() const { return m_color; }
    bool IsHollow() const { return m_hollow; }

private:
    QColor m_color = Qt::white;
    bool m_hollow = false;
};

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, const QColor &color) { CreatePen(style, width, color); }
    void CreatePen(int style, int width, const QColor &color)
    {
        m_style = style;
        m_width = width < 1 ? 1 : width;
        m_color = color;
    }
    int Style() const { return m_style; }
    int Width() const { return m_width; }
    const QColor &Color() const { return m_color; }

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    QColor m_color = Qt::black;
};

class CDrawSurface {
public:
    // The painter may carry a transform (the scroll offset of a paint, or
    // the page scale of a print); all arguments are logical coordinates.
    explicit CDrawSurface(QPainter *painter);
    virtual ~CDrawSurface() = default;
    CDrawSurface(const CDrawSurface &) = delete;
    CDrawSurface &operator=(const CDrawSurface &) = delete;

    CFont *SelectObject(CFont *font);
    CPen *SelectObject(CPen *pen);
    CBrush *SelectObject(CBrush *brush);
    CBrush *SelectStockObject(int object); // NULL_BRUSH only
    int SetROP2(int rop);
    QColor GetBkColor() const { return m_bkColor; }
    // The colour text is drawn in (black until set), as the platform's.
    QColor SetTextColor(const QColor &color) { return std::exchange(m_textColor, color); }

    void FillRect(const CRect &rect, const CBrush *brush);
    void FillSolidRect(int x, int y, int cx, int cy, const QColor &color);
    void Draw3dRect(int x, int y, int cx, int cy, const QColor &topLeft, const QColor &bottomRight);
    void DrawText(const QString &text, const CRect &rect, unsigned format);
    void MoveTo(int x, int y) { m_current = {x, y}; }
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);

    // The logical rectangle that drawing can reach (the clip box).
    CRect GetClipBox() const;
    // Limits every following fill and text to columns left of right (used
    // where later drawing is known to cover the rest); INT_MAX lifts it.
    void SetRightLimit(int right) { m_rightLimit = right; }

protected:
    // The painter to draw with; a window surface opens its own lazily.
    virtual QPainter *Begin() { return m_painter; }
    // Called with the rectangle of every change (window surfaces draw in
    // device coordinates, so they need no mapping).
    virtual void Touched(const QRect &) {}

private:
    void FillPixels(const QRect &rect, const QColor &color, bool useRop);
    void DottedOutline(const CRect &r);

    QPainter *m_painter;
    CFont m_defaultFont;
    CPen m_defaultPen;
    CBrush m_defaultBrush;
    CBrush m_hollowBrush;
    CFont *m_font;
    CPen *m_pen;
    CBrush *m_brush;
    QColor m_bkColor = Qt::white;
    QColor m_textColor = Qt::black;
    int m_rop = R2_COPYPEN;
    CPoint m_current;
    int m_rightLimit = INT_MAX;
};
