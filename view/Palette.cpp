#include "Palette.h"

#include "res/Resource.h"
#include "res/Strings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {

QColor Hex(unsigned rgb) { return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff); }

// A mark whose label cells take its fill, as the palettes other than the
// first one draw them.
MarkColours Plainly(QColor fill, QColor frame, QColor label, Cue cue = Cue::None)
{
    return {fill, fill, frame, label, cue};
}

// A palette's colours of every look, in the order of their numbers: a
// palette without a row for a new look does not compile.
template <std::size_t N> std::array<MarkColours, kMarkCount> EveryLook(const MarkColours (&rows)[N])
{
    static_assert(N == kMarkCount, "a row for every look");
    std::array<MarkColours, kMarkCount> looks;
    std::copy(std::begin(rows), std::end(rows), looks.begin());
    return looks;
}

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255);

// Every box and line as the program has always drawn it.
Palette Standard()
{
    return {"standard",
            QT_TRANSLATE_NOOP("Palette", "標準(&S)"),
            QT_TRANSLATE_NOOP("Strings", "原來的顏色\n標準配色"),
            ID_VIEW_PALETTE_STANDARD,
            EveryLook({{RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0)},
              {RGB(255, 50, 50), RGB(255, 0, 0), RGB(255, 0, 0)},
              {RGB(100, 100, 100), RGB(100, 100, 100), RGB(100, 100, 100)},
              {RGB(180, 225, 180), RGB(180, 225, 180), RGB(30, 120, 30)},
              {RGB(210, 210, 210), RGB(210, 210, 210), RGB(90, 90, 90)},
              {RGB(255, 232, 160), RGB(255, 232, 160), RGB(170, 110, 0)},
                       {RGB(185, 215, 255), RGB(185, 215, 255), RGB(20, 80, 180)}}),
            1,
            QColor(0, 60, 220),
            QColor(110, 160, 255),
            QColor(255, 140, 0),
            {QColor(224, 224, 224), Qt::lightGray, QColor(144, 144, 144)},
            {QColor(255, 240, 150), QColor(192, 128, 0), kBlack},
            {QColor(255, 190, 190), Qt::red, kBlack}};
}

// The colours of Okabe and Ito (2002), which stay apart for protanopes,
// deuteranopes and tritanopes, each mark with a cue of its own besides.
Palette ColourBlind()
{
    const QColor skyBlue = Hex(0x56B4E9), green = Hex(0x009E73), yellow = Hex(0xF0E442), blue = Hex(0x0072B2),
                 vermillion = Hex(0xD55E00), purple = Hex(0xCC79A7), grey = Hex(0x999999);
    return {"colorblind",
            QT_TRANSLATE_NOOP("Palette", "色盲友善(&C)"),
            QT_TRANSLATE_NOOP("Strings", "每種標記換成色盲也分得出的顏色，再加上不靠顏色的記號：勝者粗框、敗者虛線框、排好的角上有三角、第二個序列有條紋\n色盲友善配色"),
            ID_VIEW_PALETTE_COLORBLIND,
            EveryLook({Plainly(kWhite, kBlack, kBlack),
              Plainly(vermillion, kBlack, kBlack, Cue::Thick),
              Plainly(grey, kBlack, kBlack, Cue::Dashed),
              Plainly(green, kBlack, kBlack, Cue::Tick),
              Plainly(blue, kBlack, kWhite, Cue::Dotted),
              Plainly(yellow, kBlack, kBlack),
                       Plainly(skyBlue, kBlack, kBlack, Cue::Stripe)}),
            1,
            kBlack,
            grey,
            purple,
            {grey, kBlack, kBlack},
            {yellow, kBlack, kBlack},
            {vermillion, kBlack, kBlack}};
}

// Saturated fills that a lit room does not wash out, two-pixel lines and
// frames, and labels of at least 4.5:1 on every fill.
Palette Projector()
{
    const QColor red(200, 0, 0), dark(70, 70, 70), green(0, 122, 94), light(185, 185, 185), yellow(255, 210, 0),
        blue(0, 80, 200);
    return {"projector",
            QT_TRANSLATE_NOOP("Palette", "投影機(&P)"),
            QT_TRANSLATE_NOOP("Strings", "飽和的顏色、兩個像素寬的線和框、對比夠高的文字，在明亮的教室投影也看得清楚\n投影機配色"),
            ID_VIEW_PALETTE_PROJECTOR,
            EveryLook({Plainly(kWhite, kBlack, kBlack),
              Plainly(red, kBlack, kWhite),
              Plainly(dark, kBlack, kWhite),
              Plainly(green, kBlack, kWhite),
              Plainly(light, kBlack, kBlack),
              Plainly(yellow, kBlack, kBlack),
                       Plainly(blue, kBlack, kWhite)}),
            2,
            QColor(0, 40, 200),
            QColor(90, 140, 255),
            QColor(255, 120, 0),
            {light, kBlack, kBlack},
            {yellow, kBlack, kBlack},
            {red, kBlack, kWhite}};
}

const Palette *&Current()
{
    static const Palette *current = &Palettes().front();
    return current;
}

// One side of a broken frame: runs of on pixels, off between, from its
// corner.
void BrokenSide(CDrawSurface *dc, int x, int y, bool across, int length, int width, int on, int off, const QColor &colour)
{
    for (int at = 0; at < length; at += on + off) {
        const int run = std::min(on, length - at);
        if (across)
            dc->FillSolidRect(x + at, y, run, width, colour);
        else
            dc->FillSolidRect(x, y + at, width, run, colour);
    }
}

} // namespace

std::vector<QColor> Palette::Colours() const
{
    std::vector<QColor> colours;
    auto add = [&colours](const QColor &colour) {
        if (std::find(colours.begin(), colours.end(), colour) == colours.end())
            colours.push_back(colour);
    };
    for (const MarkColours &mark : marks)
        for (const QColor &colour : {mark.fill, mark.firstFrame, mark.finalFrame, mark.label})
            add(colour);
    for (const QColor &colour : {highlight, relative, pointed})
        add(colour);
    for (const CellColours &cell : {read, head, winner})
        for (const QColor &colour : {cell.fill, cell.frame, cell.ink})
            add(colour);
    return colours;
}

const std::vector<Palette> &Palettes()
{
    static const std::vector<Palette> palettes{Standard(), ColourBlind(), Projector()};
    return palettes;
}

const Palette *FindPalette(const QString &name)
{
    for (const Palette &palette : Palettes())
        if (name == QLatin1String(palette.name))
            return &palette;
    return nullptr;
}

const Palette *PaletteOfCommand(int command)
{
    for (const Palette &palette : Palettes())
        if (palette.command == command)
            return &palette;
    return nullptr;
}

QString PaletteNames()
{
    QStringList names;
    for (const Palette &palette : Palettes())
        names << QString::fromLatin1(palette.name);
    return Alternatives(names);
}

const Palette &CurrentPalette()
{
    return *Current();
}

void SetCurrentPalette(const Palette &palette)
{
    Current() = &palette;
}

void DrawFinalFrame(CDrawSurface *dc, const CRect &box, const MarkColours &colours)
{
    const int line = CurrentPalette().line;
    const bool roomy = box.Width() >= 8 && box.Height() >= 8; // room for a cue
    const Cue cue = roomy ? colours.cue : Cue::None;
    const QColor &colour = colours.finalFrame;
    if (cue == Cue::Dashed || cue == Cue::Dotted) {
        const int width = line + 1, on = cue == Cue::Dashed ? 6 : 2, off = cue == Cue::Dashed ? 4 : 2;
        BrokenSide(dc, box.left, box.top, true, box.Width(), width, on, off, colour);
        BrokenSide(dc, box.left, box.bottom - width, true, box.Width(), width, on, off, colour);
        BrokenSide(dc, box.left, box.top, false, box.Height(), width, on, off, colour);
        BrokenSide(dc, box.right - width, box.top, false, box.Height(), width, on, off, colour);
        return;
    }
    const int width = std::min({cue == Cue::Thick ? line + 2 : line, box.Width() / 2, box.Height() / 2});
    for (int i = 0; i < std::max(width, 1); ++i)
        dc->Draw3dRect(box.left + i, box.top + i, box.Width() - 2 * i, box.Height() - 2 * i, colour, colour);
    if (cue == Cue::Tick) { // a triangle in the top right corner
        const int size = std::max(3, std::min(box.Width(), box.Height()) / 4);
        for (int row = 0; row < size; ++row)
            dc->FillSolidRect(box.right - width - (size - row), box.top + width + row, size - row, 1, colour);
    } else if (cue == Cue::Stripe) { // a band along the bottom
        const int height = std::max(2, box.Height() / 6);
        dc->FillSolidRect(box.left + width, box.bottom - width - height, box.Width() - 2 * width, height, colour);
    }
}
