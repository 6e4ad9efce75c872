#include "RecordPanel.h"

#include "model/algorithms/Algorithm.h"
#include "view/Palette.h"
#include "view/Words.h"
#include "view/ZarniView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

int CRecordCells::RowCount() const
{
    return m_rows ? m_rows->Count() : 0;
}

qint64 CRecordCells::CellCount(int row) const
{
    return m_rows->Length(row);
}

QString CRecordCells::RowTitle(int row) const
{
    return m_rows && row < m_rows->Count() ? Words(m_rows->Title(row)) : QString();
}

CCellSource::Cell CRecordCells::CellAt(int row, qint64 column) const
{
    const PanelCell shown = m_rows->Cell(row, column);
    Cell cell;
    cell.text = ValueWords(shown.value);
    const Palette &palette = CurrentPalette();
    auto take = [&cell](const CellColours &colours) {
        cell.fill = colours.fill;
        cell.frame = colours.frame;
        cell.ink = colours.ink;
    };
    switch (shown.look) {
    case PanelCell::Look::Plain: break;
    case PanelCell::Look::Read: take(palette.read); break;
    case PanelCell::Look::Winner: // the head the root shows is the next to leave
        take(palette.winner);
        cell.bold = true;
        break;
    case PanelCell::Look::Head:
    case PanelCell::Look::Latest:
        take(palette.head);
        cell.bold = true;
        break;
    }
    return cell;
}

void CRecordPanel::Retranslate()
{
    setWindowTitle(tr("合併"));
    m_copy->setText(tr("複製輸出(&C)"));
    m_copy->setToolTip(tr("把輸出的值複製到剪貼簿"));
}

CRecordPanel::CRecordPanel(QWidget *parent) : CViewPanel(parent)
{
    setObjectName(QStringLiteral("mergePanel"));
    auto *body = new QWidget(this);
    m_topGrid = new CCellGrid(body);
    m_topGrid->setObjectName(QStringLiteral("mergeOutput"));
    m_topGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_topGrid->SetRowsWanted(1);
    m_topGrid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed); // one row, at any text size
    m_rowGrid = new CCellGrid(body);
    m_rowGrid->setObjectName(QStringLiteral("mergeRuns"));
    m_summary = new QLabel(body);
    m_copy = new QPushButton(body);
    Retranslate();
    connect(m_copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(OutputText()); });
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_summary, 1);
    bar->addWidget(m_copy);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_topGrid);
    layout->addWidget(m_rowGrid, 1);
    setWidget(body);
    m_topGrid->SetSource(&m_topCells);
    m_rowGrid->SetSource(&m_rowCells);
    OnRecordChanged(true);
}

void CRecordPanel::Watch(CZarniView *view)
{
    connect(view, &CZarniView::RecordChanged, this, [this] { OnRecordChanged(false); });
}

// The record of the first algorithm that has one.
void CRecordPanel::OnRecordChanged(bool force)
{
    RecordPanel record;
    bool shown = false;
    if (const CZarniView *view = View())
        for (const auto &state : view->Model().States())
            if ((shown = state->Panel(&record)))
                break;
    if (!force && shown && record.record == m_pShownRecord && record.revision == m_nShownRevision &&
        record.top == m_topCells.m_rows && record.rows == m_rowCells.m_rows)
        return;
    m_nShownRevision = record.revision;
    m_topCells.m_rows = record.top;
    m_rowCells.m_rows = record.rows;
    m_bCopyable = record.copyable;
    m_topGrid->Refresh();
    m_rowGrid->Refresh();
    m_copy->setEnabled(m_bCopyable && m_topCells.RowCount() && m_topCells.CellCount(0) > 0);
    if (!shown) {
        m_summary->setText(tr("這個視窗沒有合併。"));
        m_pShownRecord = nullptr;
        if (m_bOpenedByRecord)
            hide();
        return;
    }
    m_summary->setText(Words(record.summary));
    if (record.started && record.record != m_pShownRecord && isHidden()) {
        show(); // a record has just started
        m_bOpenedByRecord = true;
    }
    m_pShownRecord = record.record;
    if (record.topColumn >= 0)
        m_topGrid->EnsureVisible(0, record.topColumn);
    if (record.row >= 0 && record.rowColumn >= 0)
        m_rowGrid->EnsureVisible(record.row, record.rowColumn);
}

// Put away (not only out of sight with the window), it is the user's when
// shown again.
void CRecordPanel::hideEvent(QHideEvent *event)
{
    if (isHidden())
        m_bOpenedByRecord = false;
    CViewPanel::hideEvent(event);
}

QString CRecordPanel::OutputText() const
{
    QStringList values;
    if (m_bCopyable && m_topCells.RowCount())
        for (qint64 i = 0; i < m_topCells.CellCount(0); ++i)
            values << m_topCells.CellAt(0, i).text;
    return values.join(' ');
}
