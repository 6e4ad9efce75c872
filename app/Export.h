#pragma once
// Writes a tree's whole canvas, as the window's paint draws it, to a PNG,
// SVG or PDF file chosen by the file's extension; from the model and its
// layout, with no widget. A failed export leaves no file.

#include "framework/Geometry.h"

#include <QImage>
#include <QString>

struct TreeScene;
class TreePainter;

// Pictures with more pixels than this are too large for a PNG (the scale
// counts: a canvas exported at 2x has four times its pixels).
constexpr long long kMaxPngPixels = 100LL * 1000 * 1000;
// An export draws the canvas at a whole scale from 1 to this, labels sharp.
constexpr int kMaxExportScale = 8;
// An SVG holds every drawn shape as text (and the generator keeps all of it
// in memory until the end), so pictures with more detail are refused.
constexpr long long kMaxSvgBytes = 50LL * 1000 * 1000;

enum class ExportFailure { None, UnknownType, TooLargeForPng, TooDetailedForSvg, OutOfMemory, Write };

struct ExportResult {
    ExportFailure failure = ExportFailure::None;
    QString reason; // the system's reason for a failed write
    explicit operator bool() const { return failure == ExportFailure::None; }
};

// The canvas as export draws it into a PNG: scale times its pixels along
// each side, labels drawn at that resolution, and below it a white band of
// `below` pixels; null without the memory.
QImage CanvasImage(const TreeScene &scene, int scale, int below = 0, TreePainter *painter = nullptr);

// Whether export writes files with the extension of path.
bool IsExportType(const QString &path);
// At scale s a PNG has s times the canvas's pixels along each side, and an
// SVG or PDF page s times its size.
ExportResult ExportCanvas(const TreeScene &scene, const QString &path, int scale = 1);
// What went wrong, for a message box (Chinese) or the command line (English).
QString DescribeExportFailure(const ExportResult &result, CSize canvas, const QString &path, bool commandLine,
                              int scale = 1);
