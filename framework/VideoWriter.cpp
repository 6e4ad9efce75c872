#include "VideoWriter.h"

#include <QBuffer>
#include <QPainter>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

// The muxer writes through an I/O context into a buffer it may seek in (MP4
// goes back to its header at the end).
struct CVideoWriter::Codec {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    AVFormatContext *format = nullptr;
    AVCodecContext *context = nullptr;
    AVStream *stream = nullptr;
    AVIOContext *io = nullptr;
    SwsContext *scale = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;

    ~Codec()
    {
        av_packet_free(&packet);
        av_frame_free(&frame);
        sws_freeContext(scale);
        avcodec_free_context(&context);
        if (io) {
            av_freep(&io->buffer);
            avio_context_free(&io);
        }
        avformat_free_context(format);
    }

    static int Write(void *opaque, uint8_t *data, int size)
    {
        auto *codec = static_cast<Codec *>(opaque);
        return codec->buffer.write(reinterpret_cast<const char *>(data), size) == size ? size : AVERROR(EIO);
    }

    static int64_t Seek(void *opaque, int64_t offset, int whence)
    {
        auto *codec = static_cast<Codec *>(opaque);
        if (whence & AVSEEK_SIZE)
            return codec->buffer.size();
        const int64_t base = (whence & 3) == SEEK_CUR ? codec->buffer.pos() : (whence & 3) == SEEK_END ? codec->buffer.size() : 0;
        return codec->buffer.seek(base + offset) ? base + offset : AVERROR(EIO);
    }
};

CVideoWriter::CVideoWriter(const QString &container, QSize size)
    : m_codec(std::make_unique<Codec>()), m_size(size), m_padded((size.width() + 1) & ~1, (size.height() + 1) & ~1)
{
    Codec &c = *m_codec;
    av_log_set_level(AV_LOG_QUIET); // failures are said where they happen
    c.buffer.open(QIODevice::ReadWrite);
    const bool mp4 = container == QLatin1String("mp4");
    if (avformat_alloc_output_context2(&c.format, nullptr, mp4 ? "mp4" : "webm", nullptr) < 0) {
        Fail(QStringLiteral("no %1 muxer").arg(container));
        return;
    }
    const AVCodec *encoder = avcodec_find_encoder(mp4 ? AV_CODEC_ID_H264 : AV_CODEC_ID_VP9);
    c.stream = encoder ? avformat_new_stream(c.format, nullptr) : nullptr;
    c.context = encoder ? avcodec_alloc_context3(encoder) : nullptr;
    if (!c.stream || !c.context) {
        Fail(QStringLiteral("no %1 encoder").arg(mp4 ? "H.264" : "VP9"));
        return;
    }
    AVCodecContext *ctx = c.context;
    ctx->width = m_padded.width();
    ctx->height = m_padded.height();
    ctx->time_base = {1, kFramesPerSecond};
    ctx->framerate = {kFramesPerSecond, 1};
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->gop_size = 10 * kFramesPerSecond;
    if (c.format->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Still pictures with sharp edges: quality by a constant rate factor.
    if (mp4) {
        av_opt_set(ctx->priv_data, "preset", "veryfast", 0);
        av_opt_set(ctx->priv_data, "crf", "20", 0);
    } else {
        ctx->bit_rate = 0;
        av_opt_set(ctx->priv_data, "crf", "32", 0);
        av_opt_set(ctx->priv_data, "deadline", "realtime", 0);
        av_opt_set(ctx->priv_data, "cpu-used", "8", 0);
    }
    int code = avcodec_open2(ctx, encoder, nullptr);
    if (code < 0 || (code = avcodec_parameters_from_context(c.stream->codecpar, ctx)) < 0) {
        Fail(QStringLiteral("cannot open the encoder"), code);
        return;
    }
    c.stream->time_base = ctx->time_base;
    const int chunk = 1 << 16;
    auto *ioBuffer = static_cast<unsigned char *>(av_malloc(chunk));
    c.io = avio_alloc_context(ioBuffer, chunk, 1, &c, nullptr, &Codec::Write, &Codec::Seek);
    c.format->pb = c.io;
    c.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    c.frame = av_frame_alloc();
    c.packet = av_packet_alloc();
    c.scale = sws_getContext(m_padded.width(), m_padded.height(), AV_PIX_FMT_RGB32, m_padded.width(), m_padded.height(),
                             AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!c.io || !c.frame || !c.packet || !c.scale) {
        Fail(QStringLiteral("out of memory"));
        return;
    }
    c.frame->format = ctx->pix_fmt;
    c.frame->width = ctx->width;
    c.frame->height = ctx->height;
    if ((code = av_frame_get_buffer(c.frame, 0)) < 0 || (code = avformat_write_header(c.format, nullptr)) < 0)
        Fail(QStringLiteral("cannot start the video"), code);
}

CVideoWriter::~CVideoWriter() = default;

bool CVideoWriter::Fail(const QString &what, int code)
{
    if (!m_strError.isEmpty())
        return false;
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    if (code < 0)
        av_strerror(code, reason, sizeof reason);
    m_strError = code < 0 ? QStringLiteral("%1: %2").arg(what, QString::fromUtf8(reason)) : what;
    return false;
}

// Sends what the encoder has ready to the muxer.
bool CVideoWriter::Encode(bool flush)
{
    Codec &c = *m_codec;
    int code = avcodec_send_frame(c.context, flush ? nullptr : c.frame);
    if (code < 0)
        return Fail(QStringLiteral("cannot encode"), code);
    while ((code = avcodec_receive_packet(c.context, c.packet)) >= 0) {
        av_packet_rescale_ts(c.packet, c.context->time_base, c.stream->time_base);
        c.packet->stream_index = c.stream->index;
        if ((code = av_interleaved_write_frame(c.format, c.packet)) < 0)
            return Fail(QStringLiteral("cannot write the video"), code);
    }
    return code == AVERROR(EAGAIN) || code == AVERROR_EOF || Fail(QStringLiteral("cannot encode"), code);
}

bool CVideoWriter::AddPicture(const QImage &picture, int ms)
{
    if (!m_strError.isEmpty())
        return false;
    Codec &c = *m_codec;
    QImage padded(m_padded, QImage::Format_RGB32);
    padded.fill(Qt::white);
    QPainter(&padded).drawImage(0, 0, picture);
    if (av_frame_make_writable(c.frame) < 0)
        return Fail(QStringLiteral("out of memory"));
    const uint8_t *source[] = {padded.constBits()};
    const int stride[] = {int(padded.bytesPerLine())};
    sws_scale(c.scale, source, stride, 0, m_padded.height(), c.frame->data, c.frame->linesize);
    const int64_t frames = std::max<int64_t>(1, (int64_t(ms) * kFramesPerSecond + 500) / 1000);
    for (int64_t i = 0; i < frames; ++i) {
        c.frame->pts = m_nFrames++;
        if (!Encode(false))
            return false;
    }
    return true;
}

QByteArray CVideoWriter::Finish()
{
    Codec &c = *m_codec;
    if (m_strError.isEmpty() && Encode(true)) {
        if (const int code = av_write_trailer(c.format); code < 0)
            Fail(QStringLiteral("cannot finish the video"), code);
        else
            avio_flush(c.io);
    }
    return m_strError.isEmpty() ? c.bytes : QByteArray();
}
