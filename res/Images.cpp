// Our own drawings, made at start-up from simple shapes and reduced to the
// colours of their kind: two colours and transparency for the cursors, the
// sixteen standard colours for the toolbar and the icons.
#include "Images.h"

#include "Resource.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {

// The sixteen standard colours.
const QColor kBlack(0, 0, 0), kMaroon(128, 0, 0), kGreen(0, 128, 0), kOlive(128, 128, 0),
    kNavy(0, 0, 128), kTeal(0, 128, 128), kGrey(128, 128, 128), kSilver(192, 192, 192),
    kRed(255, 0, 0), kYellow(255, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255);

// A hand drawn part by part, outlined in black and filled in white: the
// fingers (the tip of the index finger is the hot spot), the palm over their
// roots, and the thumb.
void DrawHand(QPainter &p, bool closed)
{
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kWhite);
    const int tops[4] = {0, 1, 2, 4};
    const int lefts[4] = {5, 9, 13, 17};
    for (int i = 0; i < 4; ++i) {
        const int top = closed ? 8 + tops[i] / 2 : tops[i];
        p.drawRoundedRect(QRectF(lefts[i], top, 4, 16 - top), 2, 2);
    }
    p.drawRoundedRect(QRectF(4, 13, 17, 11), 4, 4);
    if (closed)
        p.drawRoundedRect(QRectF(2, 12, 6, 4), 2, 2);
    else
        p.drawPolygon(QPolygonF({{5, 17}, {1, 11}, {3, 9}, {7, 13}}));
}

} // namespace

QImage ZarniCursorImage(int id)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawHand(p, id == IDC_CURSOR_CLOSED_HAND);
    return image;
}

QCursor ZarniCursor(int id)
{
    const QImage image = ZarniCursorImage(id);
    QImage bits(32, 32, QImage::Format_Mono), mask(32, 32, QImage::Format_Mono);
    bits.setColorTable({kWhite.rgb(), kBlack.rgb()});
    mask.setColorTable({kWhite.rgb(), kBlack.rgb()});
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) == 0)
                continue;
            mask.setPixel(x, y, 1);
            bits.setPixel(x, y, qGray(px) < 128 ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 6, 0);
}

namespace {

using Glyph = std::function<void(QPainter &)>;

void Page(QPainter &p, int x, int y, int w, int h)
{
    p.setPen(kBlack);
    p.setBrush(kWhite);
    p.drawRect(x, y, w, h);
}

void NodeBox(QPainter &p, int x, int y, int w, int h)
{
    p.setPen(kBlack);
    p.setBrush(kWhite);
    p.drawRect(x, y, w, h);
}

void SmallTree(QPainter &p)
{
    p.setPen(kBlack);
    p.drawLine(3, 4, 3, 9);
    p.drawLine(3, 4, 8, 4);
    p.drawLine(8, 4, 8, 9);
    NodeBox(p, 4, 1, 3, 3);
    NodeBox(p, 1, 9, 3, 3);
    NodeBox(p, 7, 9, 3, 3);
}

// Two arrows on one axis, pointing out (grow) or in (shrink).
void Arrows(QPainter &p, bool horizontal, bool out, const QColor &colour)
{
    p.setPen(colour);
    p.setBrush(colour);
    auto arrow = [&](QPointF tip, QPointF back) {
        const QPointF d = (tip - back) / 3.0;
        const QPointF n(-d.y(), d.x());
        p.drawLine(tip, back);
        p.drawPolygon(QPolygonF({tip, tip - d + n, tip - d - n}));
    };
    const QPointF c(7.5, 7);
    const QPointF axis = horizontal ? QPointF(7, 0) : QPointF(0, 7);
    const QPointF inner = horizontal ? QPointF(1, 0) : QPointF(0, 1);
    if (out) {
        arrow(c + axis, c + inner);
        arrow(c - axis, c - inner);
    } else {
        arrow(c + inner, c + axis);
        arrow(c - inner, c - axis);
    }
}

void Frame(QPainter &p, const QRect &r)
{
    p.setPen(kGrey);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

const std::vector<Glyph> &Glyphs()
{
    static const std::vector<Glyph> glyphs = {
        [](QPainter &p) { // new
            Page(p, 3, 1, 9, 12);
            p.setPen(kBlack);
            p.drawLine(10, 1, 12, 3);
        },
        [](QPainter &p) { // open
            p.setPen(kBlack);
            p.setBrush(kOlive);
            p.drawRect(1, 4, 11, 8);
            p.setBrush(kYellow);
            p.drawPolygon(QPolygon({{3, 7}, {14, 7}, {12, 12}, {1, 12}}));
        },
        [](QPainter &p) { // save
            p.setPen(kBlack);
            p.setBrush(kNavy);
            p.drawRect(1, 1, 13, 12);
            p.setBrush(kWhite);
            p.drawRect(3, 1, 9, 5);
            p.setBrush(kSilver);
            p.drawRect(4, 9, 7, 4);
        },
        [](QPainter &p) { // cut
            p.setPen(kBlack);
            p.drawLine(4, 1, 9, 9);
            p.drawLine(11, 1, 6, 9);
            p.setBrush(Qt::NoBrush);
            p.setPen(kNavy);
            p.drawEllipse(2, 9, 4, 4);
            p.drawEllipse(9, 9, 4, 4);
        },
        [](QPainter &p) { // copy
            Page(p, 1, 1, 8, 9);
            Page(p, 6, 4, 8, 9);
        },
        [](QPainter &p) { // paste
            p.setPen(kBlack);
            p.setBrush(kOlive);
            p.drawRect(1, 2, 10, 11);
            p.setBrush(kSilver);
            p.drawRect(4, 1, 4, 2);
            Page(p, 6, 6, 8, 8);
        },
        [](QPainter &p) { // print
            Page(p, 4, 1, 7, 5);
            p.setBrush(kSilver);
            p.drawRect(1, 6, 13, 5);
            Page(p, 4, 10, 7, 3);
            p.setPen(kGreen);
            p.drawPoint(12, 8);
        },
        [](QPainter &p) { // about
            p.setPen(QPen(kBlue, 2));
            p.drawArc(QRect(4, 1, 7, 6), 180 * 16, -270 * 16);
            p.drawLine(8, 7, 8, 9);
            p.drawPoint(8, 12);
        },
        [](QPainter &p) { // select mode
            p.setPen(QPen(kRed, 1, Qt::DotLine));
            p.drawRect(5, 5, 9, 8);
            p.setPen(kBlack);
            p.setBrush(kWhite);
            p.drawPolygon(QPolygon({{1, 1}, {1, 10}, {3, 8}, {5, 12}, {6, 11}, {4, 7}, {7, 7}}));
        },
        [](QPainter &p) { // pan mode
            p.scale(0.62, 0.6);
            DrawHand(p, false);
        },
        [](QPainter &p) { // zoom combo slot
            p.setPen(kBlack);
            p.setBrush(kWhite);
            p.drawRect(1, 3, 13, 8);
            p.setBrush(kBlack);
            p.drawPolygon(QPolygon({{9, 6}, {13, 6}, {11, 8}}));
        },
        [](QPainter &p) { Frame(p, {0, 2, 15, 10}); Arrows(p, true, false, kNavy); },  // canvas narrower
        [](QPainter &p) { Frame(p, {0, 2, 15, 10}); Arrows(p, true, true, kNavy); },   // canvas wider
        [](QPainter &p) { Frame(p, {3, 0, 9, 14}); Arrows(p, false, false, kNavy); },  // canvas shorter
        [](QPainter &p) { Frame(p, {3, 0, 9, 14}); Arrows(p, false, true, kNavy); },   // canvas taller
        [](QPainter &p) { // canvas smaller
            Frame(p, {0, 0, 15, 14});
            Arrows(p, true, false, kNavy);
            Arrows(p, false, false, kNavy);
        },
        [](QPainter &p) { // canvas larger
            Frame(p, {0, 0, 15, 14});
            Arrows(p, true, true, kNavy);
            Arrows(p, false, true, kNavy);
        },
        [](QPainter &p) { // one node more
            SmallTree(p);
            p.setPen(QPen(kGreen, 2));
            p.drawLine(10, 3, 15, 3);
            p.drawLine(12.5, 0.5, 12.5, 5.5);
        },
        [](QPainter &p) { // one node fewer
            SmallTree(p);
            p.setPen(QPen(kRed, 2));
            p.drawLine(10, 3, 15, 3);
        },
        [](QPainter &p) { NodeBox(p, 5, 3, 5, 8); Arrows(p, true, false, kMaroon); },  // narrower boxes
        [](QPainter &p) { NodeBox(p, 5, 3, 5, 8); Arrows(p, true, true, kMaroon); },   // wider boxes
        [](QPainter &p) { NodeBox(p, 3, 5, 9, 4); Arrows(p, false, false, kMaroon); }, // shorter boxes
        [](QPainter &p) { NodeBox(p, 3, 5, 9, 4); Arrows(p, false, true, kMaroon); },  // taller boxes
    };
    return glyphs;
}

// Reduces an image to the sixteen standard colours; the background stays
// transparent.
QImage ToSixteenColours(const QImage &image)
{
    const QVector<QRgb> palette = {
        kBlack.rgb(), kMaroon.rgb(), kGreen.rgb(), kOlive.rgb(), kNavy.rgb(), QColor(128, 0, 128).rgb(),
        kTeal.rgb(), kSilver.rgb(), kGrey.rgb(), kRed.rgb(), QColor(0, 255, 0).rgb(), kYellow.rgb(),
        kBlue.rgb(), QColor(255, 0, 255).rgb(), QColor(0, 255, 255).rgb(), kWhite.rgb(), qRgba(0, 0, 0, 0)};
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage Render(const Glyph &glyph, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    glyph(p);
    p.end();
    return ToSixteenColours(image);
}

} // namespace

QImage ToolbarImage(ToolbarGlyph glyph)
{
    return Render(Glyphs().at(std::size_t(glyph)), kToolbarImageWidth, kToolbarImageHeight);
}

namespace {

// A solid triangle pointing right (or left) with its base at x.
void Play(QPainter &p, int x, bool left, const QColor &colour)
{
    p.setPen(colour);
    p.setBrush(colour);
    const int tip = left ? x - 5 : x + 5;
    p.drawPolygon(QPolygon({QPoint(x, 2), QPoint(x, 12), QPoint(tip, 7)}));
}

void Bar(QPainter &p, int x, const QColor &colour)
{
    p.fillRect(x, 2, 2, 11, colour);
}

// The second toolbar's pictures, by name.
const std::vector<std::pair<const char *, Glyph>> &RunToolbarGlyphs()
{
    static const std::vector<std::pair<const char *, Glyph>> glyphs = {
        {"pause", [](QPainter &p) { Bar(p, 4, kNavy); Bar(p, 9, kNavy); }},
        {"step", [](QPainter &p) { Play(p, 4, false, kGreen); Bar(p, 11, kGreen); }},
        {"back", [](QPainter &p) { Bar(p, 3, kGreen); Play(p, 11, true, kGreen); }},
        {"restart", [](QPainter &p) { Bar(p, 2, kMaroon); Play(p, 9, true, kMaroon); Play(p, 14, true, kMaroon); }},
        {"end", [](QPainter &p) { Play(p, 1, false, kMaroon); Play(p, 6, false, kMaroon); Bar(p, 13, kMaroon); }},
        {"faster", [](QPainter &p) { Play(p, 3, false, kRed); Play(p, 8, false, kRed); }},
        {"slower", [](QPainter &p) { Play(p, 7, true, kTeal); Play(p, 12, true, kTeal); }},
        {"values", [](QPainter &p) { // a small tree, its leaves written
            SmallTree(p);
            p.setPen(kBlue);
            p.drawLine(9, 13, 14, 8);
            p.drawLine(10, 13, 15, 8);
        }},
        {"merge", [](QPainter &p) { // three runs flowing into one
            for (int y : {2, 7, 12}) {
                p.fillRect(1, y, 6, 2, kNavy);
                p.setPen(kGrey);
                p.drawLine(7, y + 1, 10, 7);
            }
            p.fillRect(10, 6, 5, 3, kRed);
        }},
        {"pop", [](QPainter &p) { // an arrow down out of the root
            p.fillRect(5, 1, 6, 4, kRed);
            p.fillRect(7, 5, 2, 5, kGreen);
            p.setPen(kGreen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygon({QPoint(4, 10), QPoint(11, 10), QPoint(7, 14), QPoint(8, 14)}));
        }},
        {"pop-all", [](QPainter &p) { // the arrow with a bar below
            p.fillRect(5, 1, 6, 3, kRed);
            p.fillRect(7, 4, 2, 4, kGreen);
            p.setPen(kGreen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygon({QPoint(4, 8), QPoint(11, 8), QPoint(7, 12), QPoint(8, 12)}));
            p.fillRect(2, 13, 12, 2, kMaroon);
        }},
    };
    return glyphs;
}

} // namespace

QImage RunToolbarImage(const char *name)
{
    for (const auto &[glyphName, glyph] : RunToolbarGlyphs())
        if (qstrcmp(glyphName, name) == 0)
            return Render(glyph, kToolbarImageWidth, kToolbarImageHeight);
    return QImage();
}

void PaintZarniIcon(QPainter &p, bool document)
{
    if (document)
        Page(p, 1, 0, 13, 15);
    p.translate(document ? 2.5 : 2, document ? 1.5 : 1);
    SmallTree(p);
    p.setBrush(kRed);
    p.setPen(kMaroon);
    p.drawRect(4, 1, 3, 3);
}

QImage ZarniIconImage(int size, bool document)
{
    return Render([size, document](QPainter &p) {
        p.scale(size / 16.0, size / 16.0);
        PaintZarniIcon(p, document);
    }, size, size);
}

QIcon ZarniIcon(int id)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(ZarniIconImage(size, id == IDR_ZARNITYPE)));
    return icon;
}
