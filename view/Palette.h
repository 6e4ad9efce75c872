#pragma once
// The colours every picture of a tree takes (the window, the panels, the
// exports, the web page), a palette each: the standard one, one that tells
// every mark apart for every kind of colour blindness, each mark with a cue
// that needs no colour, and one for a washed-out projector (saturated
// fills, two-pixel lines, labels of high contrast). One palette holds at a
// time, for every window.
//
// A box's colours by its look (model/Looks.h), a row for each: the fill,
// the frame drawn first (also the background of the label's text cells),
// the frame drawn over the label, the label and the cue.

#include "framework/DrawSurface.h"
#include "model/Looks.h"

#include <QColor>
#include <QString>
#include <array>
#include <vector>

// What tells a mark apart without its colour.
enum class Cue : unsigned char { None, Thick, Dashed, Dotted, Tick, Stripe };

struct MarkColours {
    QColor fill;
    QColor firstFrame;
    QColor finalFrame;
    QColor label = Qt::black;
    Cue cue = Cue::None;
};

// A cell of the merge's record panel: its fill, frame and text.
struct CellColours {
    QColor fill, frame, ink;
};

struct Palette {
    const char *name;   // as the script, the settings and the state say it
    const char *title;  // its item of the 配色 menu (translated as "Palette")
    const char *prompt; // the item's status text and tooltip ("Strings")
    int command;
    std::array<MarkColours, kMarkCount> marks; // by look
    int line; // edges and frames, in pixels
    QColor highlight, relative, pointed;
    CellColours read, head, winner;

    // Every colour it draws in, each once.
    std::vector<QColor> Colours() const;
};

const std::vector<Palette> &Palettes();
const Palette *FindPalette(const QString &name);
const Palette *PaletteOfCommand(int command);
// "standard, colorblind or projector".
QString PaletteNames();
const Palette &CurrentPalette();
void SetCurrentPalette(const Palette &palette);

inline MarkColours ColoursFor(int mark)
{
    return CurrentPalette().marks[std::size_t(LookOf(mark))];
}

// The outline of a node pointed at, and the lighter one of its parent and
// children.
inline QColor HighlightColour() { return CurrentPalette().highlight; }
inline QColor RelativeColour() { return CurrentPalette().relative; }
// The outline of the nodes a heap's step compares or swaps.
inline QColor PointedColour() { return CurrentPalette().pointed; }

// The frame over a box's label, as wide as the palette's lines, with the
// mark's cue (a thicker, dashed or dotted frame, a corner tick, a stripe).
void DrawFinalFrame(CDrawSurface *dc, const CRect &box, const MarkColours &colours);
