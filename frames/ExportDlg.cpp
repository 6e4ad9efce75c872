#include "ExportDlg.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QSpinBox>

CExportDlg::CExportDlg(QWidget *parent, int maxScale) : QFileDialog(parent, tr("匯出圖片"))
{
    // The scale field needs the toolkit's dialog, not the desktop's.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilters({QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"), QStringLiteral("PDF (*.pdf)")});
    m_scale = new QSpinBox(this);
    m_scale->setObjectName(QStringLiteral("exportScale"));
    m_scale->setRange(1, maxScale);
    m_scale->setSuffix(QStringLiteral(" ×"));
    m_scale->setToolTip(tr("以幾倍的像素畫出畫布；文字一樣清晰"));
    auto *label = new QLabel(tr("放大倍數(&S)："), this);
    label->setBuddy(m_scale);
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const int row = grid->rowCount();
        auto *field = new QHBoxLayout;
        field->addWidget(m_scale);
        field->addStretch();
        grid->addWidget(label, row, 0);
        grid->addLayout(field, row, 1);
    }
    // The name column takes what the size, type and date leave, so that
    // those read whole ("25.3 MiB", not "25…iB").
    if (auto *details = findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

QString CExportDlg::Path() const
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return {};
    QString path = files.first();
    if (QFileInfo(path).suffix().isEmpty()) {
        const QString filter = selectedNameFilter();
        path += filter.startsWith("SVG") ? ".svg" : filter.startsWith("PDF") ? ".pdf" : ".png";
    }
    return path;
}

int CExportDlg::Scale() const
{
    return m_scale->value();
}
