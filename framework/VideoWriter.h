#pragma once
// A video made frame by frame into memory through FFmpeg's libraries: MP4
// with H.264 or WebM with VP9, 30 frames a second, each picture held for as
// many frames as its time takes. Sizes the encoders cannot take (odd widths
// and heights) are padded with white, never scaled.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

class CVideoWriter {
public:
    static constexpr int kFramesPerSecond = 30;
    // container "mp4" or "webm"; size the pictures' size.
    CVideoWriter(const QString &container, QSize size);
    ~CVideoWriter();
    CVideoWriter(const CVideoWriter &) = delete;
    CVideoWriter &operator=(const CVideoWriter &) = delete;

    // The picture held for ms (at least one frame).
    bool AddPicture(const QImage &picture, int ms);
    // The whole file, once every picture is added; empty after a failure.
    QByteArray Finish();
    QString Error() const { return m_strError; }

private:
    struct Codec;
    bool Fail(const QString &what, int code = 0);
    bool Encode(bool flush);

    std::unique_ptr<Codec> m_codec;
    QSize m_size;   // the pictures'
    QSize m_padded; // the video's
    int64_t m_nFrames = 0;
    QString m_strError;
};
