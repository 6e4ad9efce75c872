#include "GifWriter.h"

#include <QHash>
#include <algorithm>
#include <gif_lib.h>

namespace {

// The colours the tree, its marks and outlines are drawn in.
const QRgb kBaseColours[] = {
    qRgb(255, 255, 255), qRgb(255, 50, 50),  qRgb(255, 0, 0),     qRgb(100, 100, 100), qRgb(180, 225, 180),
    qRgb(30, 120, 30),   qRgb(210, 210, 210), qRgb(90, 90, 90),   qRgb(255, 232, 160), qRgb(170, 110, 0),
    qRgb(185, 215, 255), qRgb(20, 80, 180),  qRgb(0, 60, 220),    qRgb(110, 160, 255), qRgb(255, 140, 0),
    qRgb(255, 240, 150), qRgb(192, 128, 0),  qRgb(240, 240, 240)};
const int kBlends = 8;  // each base colour on its way to black
const int kGreys = 32;
const uint8_t kTransparent = 255;

int Write(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

int Distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

} // namespace

CGifWriter::CGifWriter(QSize size, const std::vector<QRgb> &drawn) : m_size(size)
{
    std::vector<QRgb> bases = drawn.empty() ? std::vector<QRgb>(std::begin(kBaseColours), std::end(kBaseColours)) : drawn;
    bases.resize(std::min<std::size_t>(bases.size(), kMostColours));
    for (const QRgb base : bases)
        for (int t = 0; t < kBlends; ++t)
            m_palette.push_back(qRgb(qRed(base) * (kBlends - t) / kBlends, qGreen(base) * (kBlends - t) / kBlends,
                                     qBlue(base) * (kBlends - t) / kBlends));
    for (int g = 0; g < kGreys; ++g)
        m_palette.push_back(qRgb(g * 255 / (kGreys - 1), g * 255 / (kGreys - 1), g * 255 / (kGreys - 1)));
    m_palette.resize(kTransparent, qRgb(0, 0, 0)); // the last index stays transparent
    std::vector<GifColorType> colours(256);
    for (std::size_t i = 0; i < m_palette.size(); ++i)
        colours[i] = {GifByteType(qRed(m_palette[i])), GifByteType(qGreen(m_palette[i])), GifByteType(qBlue(m_palette[i]))};
    int error = 0;
    m_gif = EGifOpen(&m_bytes, Write, &error);
    if (!m_gif) {
        Fail(error);
        return;
    }
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(m_gif, true);
    const bool started = map && EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    // Loop for ever (the NETSCAPE2.0 extension, a count of 0).
    const GifByteType loop[] = {1, 0, 0};
    if (!started || EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") != GIF_OK || EGifPutExtensionBlock(m_gif, 3, loop) != GIF_OK ||
        EGifPutExtensionTrailer(m_gif) != GIF_OK)
        Fail(m_gif->Error);
}

CGifWriter::~CGifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

bool CGifWriter::Fail(int code)
{
    if (m_strError.isEmpty())
        m_strError = QString::fromUtf8(GifErrorString(code));
    return false;
}

// The nearest colour of the palette, remembered: a frame has few colours.
uint8_t CGifWriter::IndexOf(QRgb colour)
{
    if (const auto found = m_known.constFind(colour); found != m_known.constEnd())
        return *found;
    std::size_t best = 0;
    for (std::size_t i = 1; i < m_palette.size(); ++i)
        if (Distance(colour, m_palette[i]) < Distance(colour, m_palette[best]))
            best = i;
    m_known.insert(colour, uint8_t(best));
    return uint8_t(best);
}

// The rectangle where the frame differs from the one before; in it the
// pixels that did not change are transparent, which the compression packs
// into almost nothing.
bool CGifWriter::AddFrame(const QImage &frame, int delayMs)
{
    if (!m_gif || !m_strError.isEmpty())
        return false;
    const QImage image = frame.convertToFormat(QImage::Format_RGB32);
    const int width = m_size.width(), height = m_size.height();
    const bool first = m_last.isNull();
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const QRgb *before = first ? nullptr : reinterpret_cast<const QRgb *>(m_last.constScanLine(y));
        if (before && std::equal(line, line + width, before))
            continue;
        int x0 = 0, x1 = width - 1;
        while (before && line[x0] == before[x0])
            ++x0;
        while (before && line[x1] == before[x1])
            --x1;
        left = std::min(left, x0), right = std::max(right, x1);
        top = std::min(top, y), bottom = y;
    }
    if (right < 0) // nothing changed: one transparent pixel stands for the frame
        left = right = top = bottom = 0;
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, std::max(1, (delayMs + 5) / 10), kTransparent};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        EGifPutImageDesc(m_gif, left, top, right - left + 1, bottom - top + 1, false, nullptr) != GIF_OK)
        return Fail(m_gif->Error);
    std::vector<GifByteType> row(std::size_t(right - left + 1));
    QRgb lastColour = 0;
    uint8_t lastIndex = IndexOf(lastColour);
    for (int y = top; y <= bottom; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const QRgb *before = first ? nullptr : reinterpret_cast<const QRgb *>(m_last.constScanLine(y));
        for (int x = left; x <= right; ++x) {
            if (before && line[x] == before[x]) {
                row[std::size_t(x - left)] = kTransparent;
                continue;
            }
            if (line[x] != lastColour)
                lastColour = line[x], lastIndex = IndexOf(lastColour);
            row[std::size_t(x - left)] = lastIndex;
        }
        if (EGifPutLine(m_gif, row.data(), int(row.size())) != GIF_OK)
            return Fail(m_gif->Error);
    }
    m_last = image;
    return true;
}

QByteArray CGifWriter::Finish()
{
    int error = 0;
    const bool closed = m_gif && EGifCloseFile(m_gif, &error) == GIF_OK;
    m_gif = nullptr;
    if (!closed)
        Fail(error);
    return m_strError.isEmpty() ? m_bytes : QByteArray();
}
