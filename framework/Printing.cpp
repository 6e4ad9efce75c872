#include "Printing.h"

#include "ScrollView.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void PrintView(CScrollView *view, QPrinter *printer)
{
    QPainter painter(printer);
    const CSize canvas = view->GetTotalSize();
    const QRect area = painter.viewport();
    if (canvas.cx <= 0 || canvas.cy <= 0 || area.isEmpty())
        return;
    const qreal scale = std::min(qreal(area.width()) / canvas.cx, qreal(area.height()) / canvas.cy);
    painter.scale(scale, scale);
    // One-pixel lines must stay visible however far a preview zooms out.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(0, 0, canvas.cx, canvas.cy);
    view->RenderCanvas(&painter);
}

void OnFilePrint(CScrollView *view, QPrinter *printer, bool askFirst)
{
    if (askFirst) {
        QPrintDialog dialog(printer, view);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintView(view, printer);
}

void OnFilePrintPreview(CScrollView *view, QPrinter *printer)
{
    QPrintPreviewDialog preview(printer, view);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, view,
                     [view](QPrinter *target) { PrintView(view, target); });
    preview.resize(800, 600);
    preview.exec();
}
