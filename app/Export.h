#pragma once
// Writes a view's whole canvas, as its paint draws it, to a PNG, SVG or PDF
// file chosen by the file's extension. A failed export leaves no file.

#include <QString>

class CScrollView;

// Canvases larger than this many pixels are too large for a PNG.
constexpr long long kMaxPngPixels = 100LL * 1000 * 1000;

bool ExportCanvas(CScrollView *view, const QString &path, QString *error);
