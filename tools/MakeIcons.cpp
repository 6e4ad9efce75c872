// Writes the program's icon for the desktop's icon theme: PNG pictures of
// the sizes given and a scalable SVG, all from the program's own drawing.
#include "res/Images.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zarni_icons OUTDIR SIZE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < 16 || !ZarniIconImage(size).save(QStringLiteral("%1/zarni-%2.png").arg(out).arg(size))) {
            std::fprintf(stderr, "zarni_icons: cannot write the %s-pixel icon\n", argv[i]);
            return 1;
        }
    }
    QSvgGenerator svg;
    svg.setFileName(out + QStringLiteral("/zarni.svg"));
    svg.setSize(QSize(16, 16));
    svg.setViewBox(QRect(0, 0, 16, 16));
    svg.setTitle(QStringLiteral("Zarni"));
    QPainter painter(&svg);
    PaintZarniIcon(painter);
    return painter.end() ? 0 : 1;
}
