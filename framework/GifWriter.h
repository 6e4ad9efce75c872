#pragma once
// An animated GIF made frame by frame into memory: one palette for every
// frame (the colours the pictures are drawn in, their blends with the black
// of glyph edges, and greys), each frame storing only the rectangle that changed since the
// one before (its unchanged pixels transparent), looping for ever.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <vector>

struct GifFileType;

class CGifWriter {
public:
    // drawn: the colours the frames are drawn in (at most kMostColours); none
    // for the program's standard ones.
    explicit CGifWriter(QSize size, const std::vector<QRgb> &drawn = {});
    static constexpr int kMostColours = 27;
    ~CGifWriter();
    CGifWriter(const CGifWriter &) = delete;
    CGifWriter &operator=(const CGifWriter &) = delete;

    // A frame of the writer's size shown for delayMs.
    bool AddFrame(const QImage &frame, int delayMs);
    // The whole file, once every frame is added; empty after a failure.
    QByteArray Finish();
    QString Error() const { return m_strError; }

private:
    uint8_t IndexOf(QRgb colour);
    bool Fail(int code);

    QSize m_size;
    GifFileType *m_gif = nullptr;
    QByteArray m_bytes;
    std::vector<QRgb> m_palette;
    QHash<QRgb, uint8_t> m_known; // colours met, by their palette index
    QImage m_last; // the frame before
    QString m_strError;
};
