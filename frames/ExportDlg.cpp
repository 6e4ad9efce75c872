#include "ExportDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QSpinBox>
#include <algorithm>

CExportDlg::CExportDlg(QWidget *parent, int maxScale) : QFileDialog(parent, tr("匯出圖片"))
{
    // The scale field needs the toolkit's dialog, not the desktop's.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilters({QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"), QStringLiteral("PDF (*.pdf)")});
    m_scale = NewSpinBox("exportScale", 1, maxScale, 1);
    m_scale->setSuffix(QStringLiteral(" ×"));
    m_scale->setToolTip(tr("以幾倍的像素畫出畫布；文字一樣清晰"));
    AddField(tr("放大倍數(&S)："), m_scale);
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

CExportDlg::CExportDlg(QWidget *parent, int maxScale, qint64 steps, int msPerStep) : CExportDlg(parent, maxScale)
{
    setWindowTitle(tr("匯出動畫"));
    setNameFilters({QStringLiteral("GIF (*.gif)"), QStringLiteral("MP4 (*.mp4)"), QStringLiteral("WEBM (*.webm)"),
                    QStringLiteral("PDF (*.pdf)"), tr("網頁 (*.html)"), tr("學習平台套件 SCORM 1.2 (*.zip)")});
    const int last = int(std::min<qint64>(steps, INT32_MAX));
    m_from = NewSpinBox("exportFrom", 0, last, 0);
    m_to = NewSpinBox("exportTo", 0, last, last);
    m_msPerStep = NewSpinBox("exportTime", 10, 60000, msPerStep);
    m_msPerStep->setSuffix(tr(" 毫秒"));
    m_captions = new QCheckBox(tr("每一步下面加上說明"), this);
    m_captions->setChecked(true);
    m_passMark = NewSpinBox("exportPassMark", 0, 100, 80);
    m_passMark->setSuffix(QStringLiteral(" %"));
    AddField(tr("從第幾步(&F)："), m_from);
    AddField(tr("到第幾步(&O)："), m_to);
    AddField(tr("每步顯示(&M)："), m_msPerStep);
    AddField(QString(), m_captions);
    AddField(tr("學習平台套件的及格分數(&P)："), m_passMark);
}

void CExportDlg::AddField(const QString &text, QWidget *widget)
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    if (!grid)
        return;
    const int row = grid->rowCount();
    auto *field = new QHBoxLayout;
    field->addWidget(widget);
    field->addStretch();
    if (!text.isEmpty()) {
        auto *label = new QLabel(text, this);
        label->setBuddy(widget);
        grid->addWidget(label, row, 0);
    }
    grid->addLayout(field, row, 1);
}

QSpinBox *CExportDlg::NewSpinBox(const char *name, int low, int high, int value)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

qint64 CExportDlg::From() const
{
    return m_from ? m_from->value() : 0;
}

qint64 CExportDlg::To() const
{
    return m_to ? m_to->value() : -1;
}

int CExportDlg::MsPerStep() const
{
    return m_msPerStep ? m_msPerStep->value() : 0;
}

bool CExportDlg::Captions() const
{
    return m_captions && m_captions->isChecked();
}

int CExportDlg::PassMark() const
{
    return m_passMark ? m_passMark->value() : 80;
}

QString CExportDlg::Path() const
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return {};
    QString path = files.first();
    if (QFileInfo(path).suffix().isEmpty()) {
        const QString filter = selectedNameFilter(); // "... (*.gif)"
        path += "." + filter.section(QStringLiteral("*."), -1).chopped(1);
    }
    return path;
}

int CExportDlg::Scale() const
{
    return m_scale->value();
}
