#include "Export.h"

#include "framework/ScrollView.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

void Paint(CScrollView *view, QPaintDevice *device, const CSize &canvas, qreal scale)
{
    QPainter painter(device);
    painter.fillRect(QRectF(0, 0, canvas.cx * scale, canvas.cy * scale), Qt::white);
    painter.scale(scale, scale);
    painter.setClipRect(0, 0, canvas.cx, canvas.cy);
    view->RenderCanvas(&painter);
}

bool EncodePng(CScrollView *view, const CSize &canvas, QIODevice *out, QString *error)
{
    if (qint64(canvas.cx) * canvas.cy > kMaxPngPixels) {
        *error = QCoreApplication::translate("Export", "畫布 %1 × %2 太大，無法存成 PNG；請改存為 SVG 或 PDF。")
                     .arg(canvas.cx)
                     .arg(canvas.cy);
        return false;
    }
    QImage image(canvas.cx, canvas.cy, QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QCoreApplication::translate("Export", "記憶體不足，無法產生 %1 × %2 的圖片。").arg(canvas.cx).arg(canvas.cy);
        return false;
    }
    Paint(view, &image, canvas, 1);
    if (!image.save(out, "PNG")) {
        *error = out->errorString();
        return false;
    }
    return true;
}

void EncodeSvg(CScrollView *view, const CSize &canvas, QIODevice *out)
{
    QSvgGenerator svg;
    svg.setOutputDevice(out);
    svg.setSize(QSize(canvas.cx, canvas.cy));
    svg.setViewBox(QRect(0, 0, canvas.cx, canvas.cy));
    svg.setResolution(96); // so that viewers show the canvas at its size in CSS pixels
    svg.setTitle(QStringLiteral("Zarni"));
    Paint(view, &svg, canvas, 1);
}

void EncodePdf(CScrollView *view, const CSize &canvas, QIODevice *out)
{
    QPdfWriter pdf(out);
    pdf.setTitle(QStringLiteral("Zarni"));
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(canvas.cx, canvas.cy) * 72.0 / 96.0, QPageSize::Point));
    Paint(view, &pdf, canvas, qreal(pdf.width()) / canvas.cx);
}

} // namespace

bool ExportCanvas(CScrollView *view, const QString &path, QString *error)
{
    const QString kind = QFileInfo(path).suffix().toLower();
    if (kind != "png" && kind != "svg" && kind != "pdf") {
        *error = QCoreApplication::translate("Export", "不支援的檔案類型「%1」：請用 .png、.svg 或 .pdf。").arg(kind);
        return false;
    }
    const CSize canvas = view->GetTotalSize();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (kind == "png") {
        if (!EncodePng(view, canvas, &file, error)) {
            file.cancelWriting();
            return false;
        }
    } else if (kind == "svg") {
        EncodeSvg(view, canvas, &file);
    } else {
        EncodePdf(view, canvas, &file);
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
