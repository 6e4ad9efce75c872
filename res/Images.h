#pragma once
// The program's own images, drawn here: the hand cursors, the toolbar strip
// and the icons.

#include <QCursor>
#include <QIcon>
#include <QImage>

class QPainter;
#include <QImage>

// IDC_CURSOR_OPEN_HAND or IDC_CURSOR_CLOSED_HAND: 32 by 32, monochrome,
// hot spot (6, 0).
QCursor ZarniCursor(int id);
// The black-and-white picture behind a cursor (white, black, transparent).
QImage ZarniCursorImage(int id);

// The toolbar strip: 23 images of 16 by 15 pixels in 16 colours, named in
// the strip's order; a button asks for its picture by name.
enum ToolbarGlyph {
    kGlyphNew, kGlyphOpen, kGlyphSave, kGlyphCut, kGlyphCopy, kGlyphPaste, kGlyphPrint, kGlyphAbout,
    kGlyphSelectMode, kGlyphPanMode, kGlyphZoomSlot, kGlyphNarrower, kGlyphWider, kGlyphShorter, kGlyphTaller,
    kGlyphSmaller, kGlyphLarger, kGlyphNodeAdd, kGlyphNodeRemove, kGlyphBoxNarrower, kGlyphBoxWider,
    kGlyphBoxShorter, kGlyphBoxTaller, kToolbarImageCount
};
enum { kToolbarImageWidth = 16, kToolbarImageHeight = 15 };
QImage ToolbarImage(ToolbarGlyph glyph);
// A picture of the second toolbar by its name ("pause", "step", "back",
// "restart", "end", "faster", "slower", "values", "merge", "pop",
// "pop-all"), of the same size and colours; a null image for another name.
QImage RunToolbarImage(const char *name);

// IDR_MAINFRAME or IDR_ZARNITYPE, at 32 and 16 pixels.
QIcon ZarniIcon(int id);
// The program's (or its document's) icon on a 16 by 16 grid, for any
// painter; and as a picture of size by size pixels.
void PaintZarniIcon(QPainter &p, bool document = false);
QImage ZarniIconImage(int size, bool document = false);
