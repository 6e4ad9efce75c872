#include "RunExport.h"

#include "Export.h"
#include "WebExport.h"
#include "framework/FileWrite.h"
#include "framework/GifWriter.h"
#include "framework/VideoWriter.h"
#include "model/exercise/ExerciseState.h"
#include "view/Palette.h"
#include "view/ZarniView.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

QString Kind(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// The caption's text is at least a 24th of the frame's height, so that a
// slide's caption reads from the back of the room; its band is half again
// as tall. Both in canvas pixels, before the scale.
int CaptionTextHeight(const CZarniView *view)
{
    return std::max(14, (view->GetTotalSize().cy + 21) / 22);
}

int CaptionHeight(const CZarniView *view, int scale)
{
    return CaptionTextHeight(view) * 3 / 2 * scale;
}

// The canvas at the step shown with its caption beneath.
QImage Frame(CZarniView *view, int scale, bool captions, TreePainter *treePainter)
{
    const int band = CaptionHeight(view, scale);
    QImage frame = CanvasImage(view->Scene(), scale, captions ? band : 0, treePainter);
    if (!captions || frame.isNull())
        return frame;
    const int canvasHeight = frame.height() - band;
    QPainter painter(&frame);
    QFont font = painter.font();
    font.setPixelSize(CaptionTextHeight(view) * scale);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect area(4 * scale, canvasHeight, frame.width() - 8 * scale, band);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(view->Narration(), Qt::ElideRight, area.width()));
    return frame;
}

// The palette's colours for a GIF; the standard palette's are the writer's own.
std::vector<QRgb> GifColours()
{
    std::vector<QRgb> colours;
    if (&CurrentPalette() != &Palettes().front())
        for (const QColor &colour : CurrentPalette().Colours())
            colours.push_back(colour.rgb());
    return colours;
}

} // namespace

bool IsRunExportType(const QString &path)
{
    return QStringList{"gif", "pdf", "mp4", "webm", "html", "zip"}.contains(Kind(path));
}

RunExportResult ExportRun(CZarniView *view, const QString &path, RunExportOptions options,
                          const std::function<bool(int64_t, int64_t)> &progress)
{
    RunExportResult result;
    auto failed = [&](RunExportFailure failure) {
        result.failure = failure;
        return result;
    };
    if (!IsRunExportType(path))
        return failed(RunExportFailure::UnknownType);
    if (IsWebPageType(path) && !view->Run() && view->Model().Find<ExerciseState>().Doing())
        return ExportExercisePage(view, path, options);
    if (!view->Run())
        return failed(RunExportFailure::NoRun);
    if (options.to < 0)
        options.to = view->RunStepCount();
    if (options.from < 0 || options.from > options.to || options.to > view->RunStepCount())
        return failed(RunExportFailure::BadRange);
    if (IsWebPageType(path))
        return ExportWebPage(view, path, options);
    const int64_t frames = options.to - options.from + 1;
    const CSize canvas = view->GetTotalSize();
    const long long pixels = (long long)canvas.cx * options.scale * (canvas.cy * options.scale + CaptionHeight(view, options.scale));
    if (frames > kMaxRunFrames)
        return failed(RunExportFailure::TooManyFrames);
    // About what a frame costs: a GIF or a video stores what changed, a PDF
    // page the whole picture.
    const long long frameBytes = Kind(path) == "pdf" ? pixels / 3 : pixels / 16;
    if (pixels > kMaxPngPixels || frames * frameBytes > options.maxBytes)
        return failed(RunExportFailure::TooLarge);

    const bool gif = Kind(path) == "gif", video = Kind(path) == "mp4" || Kind(path) == "webm";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    std::unique_ptr<CGifWriter> animation;
    std::unique_ptr<CVideoWriter> movie;
    std::unique_ptr<QPdfWriter> pages;
    std::unique_ptr<QPainter> pagePainter;
    // Each step is read from the model, quietly: the window shows none of them.
    TreePainter painter;
    view->ReadRunQuietly([&](TreeModel &model) {
        for (int64_t k = options.from; k <= options.to; ++k) {
            model.SeekTo(k);
            const QImage frame = Frame(view, options.scale, options.captions, &painter);
            if (frame.isNull()) {
                result.failure = RunExportFailure::TooLarge;
                break;
            }
            if (video) {
                if (!movie)
                    movie = std::make_unique<CVideoWriter>(Kind(path), frame.size());
                if (!movie->AddPicture(frame, options.msPerStep)) {
                    result = {RunExportFailure::Write, movie->Error()};
                    break;
                }
            } else if (gif) {
                if (!animation)
                    animation = std::make_unique<CGifWriter>(frame.size(), GifColours());
                if (!animation->AddFrame(frame, options.msPerStep)) {
                    result = {RunExportFailure::Write, animation->Error()};
                    break;
                }
            } else {
                if (!pages) {
                    pages = std::make_unique<QPdfWriter>(&buffer);
                    pages->setTitle(QStringLiteral("Zarni"));
                    pages->setResolution(96);
                    pages->setPageMargins(QMarginsF(0, 0, 0, 0));
                    pages->setPageSize(QPageSize(QSizeF(frame.size()) * 72.0 / 96.0 / options.scale, QPageSize::Point));
                    pagePainter = std::make_unique<QPainter>(pages.get());
                } else {
                    pages->newPage();
                }
                pagePainter->drawImage(QRectF(0, 0, pages->width(), pages->height()), frame);
                if (bytes.size() > options.maxBytes) { // the estimate is a guess; this is the limit
                    result.failure = RunExportFailure::TooLarge;
                    break;
                }
            }
            if (progress && !progress(k - options.from + 1, frames)) {
                result.failure = RunExportFailure::Cancelled;
                break;
            }
        }
    });
    if (pagePainter)
        pagePainter->end();
    const QByteArray encoded = animation ? animation->Finish() : movie ? movie->Finish() : bytes;
    if (!result)
        return result;
    if (encoded.isEmpty())
        return {RunExportFailure::Write, animation ? animation->Error() : movie ? movie->Error() : QString()};
    if (!WriteWholeFile(path, encoded, &result.reason))
        result.failure = RunExportFailure::Write;
    return result;
}

QString DescribeRunExportFailure(const RunExportResult &result, const QString &path, bool commandLine)
{
    QString english, chinese;
    switch (result.failure) {
    case RunExportFailure::None: return {};
    case RunExportFailure::UnknownType:
        english = QStringLiteral("the run's types are .gif, .mp4, .webm, .pdf, .html and .zip");
        chinese = QCoreApplication::translate("Export", "不支援的檔案類型「%1」：請用 .gif、.mp4、.webm、.pdf、.html 或 .zip。").arg(Kind(path));
        break;
    case RunExportFailure::NoRun:
        english = QStringLiteral("the active view has no run");
        chinese = QCoreApplication::translate("Export", "這個視窗沒有可以匯出的執行過程。");
        break;
    case RunExportFailure::BadRange:
        english = QStringLiteral("the steps must lie within the run, the first not after the last");
        chinese = QCoreApplication::translate("Export", "步驟必須在這次執行之內，而且開始不能在結束之後。");
        break;
    case RunExportFailure::TooLarge:
        english = QStringLiteral("the frames are too large (over 100 megapixels each, or a file over 2 GB); export at a smaller scale or fewer steps");
        chinese = QCoreApplication::translate("Export", "畫面太大（每張超過一億像素，或檔案超過 2 GB）；請用較小的倍數或較少的步驟。");
        break;
    case RunExportFailure::TooManyFrames:
        english = QStringLiteral("more than %1 steps; export fewer").arg(kMaxRunFrames);
        chinese = QCoreApplication::translate("Export", "超過 %1 步；請匯出較少的步驟。").arg(kMaxRunFrames);
        break;
    case RunExportFailure::PageTooManyNodes:
        english = QStringLiteral("a page holds at most %1 nodes and this tree has %2; export a smaller tree, or the run as a GIF, video or PDF")
                      .arg(kMaxPageNodes)
                      .arg(result.reason);
        chinese = QCoreApplication::translate("Export", "網頁最多容納 %1 個節點，這棵樹有 %2 個；請匯出較小的樹，或把執行過程匯出成 GIF、影片或 PDF。")
                      .arg(kMaxPageNodes)
                      .arg(result.reason);
        break;
    case RunExportFailure::PageTooManySteps:
        english = QStringLiteral("a page holds at most %1 steps; export fewer steps").arg(kMaxPageSteps);
        chinese = QCoreApplication::translate("Export", "網頁最多容納 %1 步；請匯出較少的步驟。").arg(kMaxPageSteps);
        break;
    case RunExportFailure::Cancelled:
        english = QStringLiteral("cancelled");
        chinese = QCoreApplication::translate("Export", "已取消。");
        break;
    case RunExportFailure::Write:
        english = chinese = result.reason;
        break;
    }
    return commandLine ? QStringLiteral("cannot export the run to '%1': %2").arg(path, english)
                       : QCoreApplication::translate("Export", "無法匯出動畫 %1：\n%2").arg(QDir::toNativeSeparators(path), chinese);
}
