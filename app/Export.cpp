#include "Export.h"

#include "framework/FileWrite.h"
#include "view/TreePainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// With the painter given, its fonts serve every frame of a run.
void Paint(const TreeScene &scene, QPaintDevice *device, qreal scale, TreePainter *treePainter = nullptr)
{
    const CSize canvas = scene.Canvas();
    QPainter painter(device);
    painter.fillRect(QRectF(0, 0, canvas.cx * scale, canvas.cy * scale), Qt::white);
    painter.scale(scale, scale);
    painter.setClipRect(0, 0, canvas.cx, canvas.cy);
    TreePainter own;
    (treePainter ? treePainter : &own)->PaintCanvas(&painter, scene);
}

// A paint device that draws nothing and adds up about how many bytes of SVG
// each drawing call would become, so that a picture too rich for SVG is
// refused before the generator spends memory on it.
class CSvgSizeEstimate : public QPaintDevice {
public:
    explicit CSvgSizeEstimate(QSize size) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    long long Bytes() const { return m_engine.bytes; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return m_size.width();
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return SVG; }
        // A state change opens a new group with the pen, brush and transform.
        void updateState(const QPaintEngineState &) override { bytes += kStateBytes; }
        void drawRects(const QRect *, int count) override { bytes += count * kShapeBytes; }
        void drawRects(const QRectF *, int count) override { bytes += count * kShapeBytes; }
        void drawLines(const QLine *, int count) override { bytes += count * kShapeBytes; }
        void drawLines(const QLineF *, int count) override { bytes += count * kShapeBytes; }
        void drawPath(const QPainterPath &path) override { bytes += kShapeBytes + path.elementCount() * kPathPointBytes; }
        void drawPolygon(const QPointF *, int count, PolygonDrawMode) override { bytes += kShapeBytes + count * kPathPointBytes; }
        void drawPolygon(const QPoint *, int count, PolygonDrawMode) override { bytes += kShapeBytes + count * kPathPointBytes; }
        // A label becomes the outlines of its glyphs, up to eight digits of
        // about a kilobyte each.
        void drawTextItem(const QPointF &, const QTextItem &) override { bytes += kLabelBytes; }
        void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { bytes += 4 * (long long)(r.width() * r.height()); }
        void drawImage(const QRectF &r, const QImage &, const QRectF &, Qt::ImageConversionFlags) override { bytes += 4 * (long long)(r.width() * r.height()); }
        long long bytes = 0;
    };
    static constexpr long long kStateBytes = 150, kShapeBytes = 120, kPathPointBytes = 24, kLabelBytes = 10000;
    QSize m_size;
    mutable Engine m_engine;
};

bool EncodePng(const TreeScene &scene, int scale, QIODevice *out, ExportResult *result)
{
    const CSize canvas = scene.Canvas();
    if (qint64(canvas.cx) * canvas.cy * scale * scale > kMaxPngPixels) {
        result->failure = ExportFailure::TooLargeForPng;
        return false;
    }
    const QImage image = CanvasImage(scene, scale);
    if (image.isNull()) {
        result->failure = ExportFailure::OutOfMemory;
        return false;
    }
    if (!image.save(out, "PNG")) {
        result->failure = ExportFailure::OutOfMemory;
        return false;
    }
    return true;
}

bool EncodeSvg(const TreeScene &scene, int scale, QIODevice *out, ExportResult *result)
{
    const CSize canvas = scene.Canvas();
    const QSize size(canvas.cx * scale, canvas.cy * scale);
    CSvgSizeEstimate estimate(size);
    Paint(scene, &estimate, scale);
    if (estimate.Bytes() > kMaxSvgBytes) {
        result->failure = ExportFailure::TooDetailedForSvg;
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96); // so that viewers show the canvas at its size in CSS pixels
    svg.setTitle(QStringLiteral("Zarni"));
    Paint(scene, &svg, scale);
    if (out->size() > kMaxSvgBytes) { // the estimate errs on the large side; this is the guarantee
        result->failure = ExportFailure::TooDetailedForSvg;
        return false;
    }
    return true;
}

bool EncodePdf(const TreeScene &scene, int scale, QIODevice *out, ExportResult *)
{
    const CSize canvas = scene.Canvas();
    QPdfWriter pdf(out);
    pdf.setTitle(QStringLiteral("Zarni"));
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(canvas.cx, canvas.cy) * scale * 72.0 / 96.0, QPageSize::Point));
    Paint(scene, &pdf, qreal(pdf.width()) / canvas.cx);
    return true;
}

QString Kind(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

} // namespace

QImage CanvasImage(const TreeScene &scene, int scale, int below, TreePainter *painter)
{
    const CSize canvas = scene.Canvas();
    QImage image(canvas.cx * scale, canvas.cy * scale + below, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    if (below > 0)
        image.fill(Qt::white);
    // The image's pixel ratio is the scale, as a window's is on a screen of
    // that scale: lines scale by scale pixels, glyphs drawn at full resolution.
    image.setDevicePixelRatio(scale);
    Paint(scene, &image, 1, painter);
    image.setDevicePixelRatio(1);
    return image;
}

bool IsExportType(const QString &path)
{
    const QString kind = Kind(path);
    return kind == "png" || kind == "svg" || kind == "pdf";
}

ExportResult ExportCanvas(const TreeScene &scene, const QString &path, int scale)
{
    Q_ASSERT(scale >= 1 && scale <= kMaxExportScale);
    ExportResult result;
    const QString kind = Kind(path);
    if (!IsExportType(path)) {
        result.failure = ExportFailure::UnknownType;
        return result;
    }
    // The picture is made whole in memory first, so that a failure while
    // drawing or encoding never reaches the file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = kind == "png"   ? EncodePng(scene, scale, &buffer, &result)
                         : kind == "svg" ? EncodeSvg(scene, scale, &buffer, &result)
                                         : EncodePdf(scene, scale, &buffer, &result);
    buffer.close();
    if (encoded && !WriteWholeFile(path, bytes, &result.reason))
        result.failure = ExportFailure::Write;
    return result;
}

QString DescribeExportFailure(const ExportResult &result, CSize canvas, const QString &path, bool commandLine,
                              int scale)
{
    const int width = canvas.cx * scale, height = canvas.cy * scale;
    const QString megabytes = QString::number(kMaxSvgBytes / 1000000);
    QString english, chinese;
    switch (result.failure) {
    case ExportFailure::None:
        return {};
    case ExportFailure::UnknownType:
        english = QStringLiteral("the picture types are .png, .svg and .pdf");
        chinese = QCoreApplication::translate("Export", "不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。").arg(Kind(path));
        break;
    case ExportFailure::TooLargeForPng:
        english = scale == 1 ? QStringLiteral("the canvas %1 x %2 is too large for PNG; export SVG or PDF instead").arg(width).arg(height)
                             : QStringLiteral("the picture %1 x %2 is too large for PNG; export at a smaller scale, or SVG or PDF").arg(width).arg(height);
        chinese = scale == 1 ? QCoreApplication::translate("Export", "畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。").arg(width).arg(height)
                             : QCoreApplication::translate("Export", "圖片 %1 × %2 太大，無法存成 PNG；請用較小的倍數，或改存為 SVG 或 PDF。").arg(width).arg(height);
        break;
    case ExportFailure::TooDetailedForSvg:
        english = QStringLiteral("the picture has too much detail for SVG (over %1 MB); export PDF or PNG instead").arg(megabytes);
        chinese = QCoreApplication::translate("Export", "圖中的細節太多，SVG 檔會超過 %1 MB；請改存為 PDF 或 PNG。").arg(megabytes);
        break;
    case ExportFailure::OutOfMemory:
        english = QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height);
        chinese = QCoreApplication::translate("Export", "記憶體不足，無法產生 %1 × %2 的圖片。").arg(width).arg(height);
        break;
    case ExportFailure::Write:
        english = chinese = result.reason;
        break;
    }
    return commandLine ? QStringLiteral("cannot export '%1': %2").arg(path, english)
                       : QCoreApplication::translate("Export", "無法匯出圖片 %1：\n%2").arg(QDir::toNativeSeparators(path), chinese);
}
