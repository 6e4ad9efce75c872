#include "AboutDlg.h"

#include "framework/DrawSurface.h"
#include "res/Images.h"
#include "res/Resource.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("關於 Zarni"));
    setFont(InterfaceFont());
    setFixedSize(MapDialogRect(0, 0, 235, 55).size());

    auto *icon = new QLabel(this);
    icon->setPixmap(ZarniIcon(IDR_MAINFRAME).pixmap(32, 32));
    icon->setGeometry(QRect(MapDialogRect(11, 17, 0, 0).topLeft(), QSize(32, 32)));

    auto *version = new QLabel(QStringLiteral("Zarni Version " ZARNI_VERSION), this);
    version->setGeometry(MapDialogRect(40, 10, 119, 8));
    auto *copyright = new QLabel(QStringLiteral("Copyright (C) Zarni"), this);
    copyright->setGeometry(MapDialogRect(40, 25, 119, 8));

    auto *ok = new QPushButton(tr("確定"), this);
    ok->setGeometry(MapDialogRect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// A horizontal dialog unit is a quarter of the font's average character
// width, a vertical one an eighth of its height.
QRect CAboutDlg::MapDialogRect(int x, int y, int cx, int cy) const
{
    const QFontMetrics metrics(font());
    const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (metrics.horizontalAdvance(sample) / 26 + 1) / 2;
    const int baseY = metrics.height();
    return QRect(x * baseX / 4, y * baseY / 8, cx * baseX / 4, cy * baseY / 8);
}
