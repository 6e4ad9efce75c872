#include "MergePanel.h"

#include "view/ZarniView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QColor kReadFill(224, 224, 224), kReadInk(144, 144, 144);
const QColor kHeadFill(255, 240, 150), kHeadFrame(192, 128, 0);
const QColor kWinnerFill(255, 190, 190), kWinnerFrame(Qt::red);

QString ValueText(int value)
{
    return LabelText(value);
}

} // namespace

int CRunCells::RowCount() const
{
    return m_merge ? m_merge->RunCount() : 0;
}

qint64 CRunCells::CellCount(int row) const
{
    return qint64(m_merge->Run(row).size());
}

QString CRunCells::RowTitle(int row) const
{
    return tr("序列 %1").arg(row + 1);
}

CCellSource::Cell CRunCells::CellAt(int row, qint64 column) const
{
    Cell cell;
    cell.text = ValueText(m_merge->Run(row)[std::size_t(column)]);
    const qint64 head = m_merge->Consumed(row);
    if (column < head) {
        cell.fill = kReadFill;
        cell.ink = kReadInk;
    } else if (column == head) {
        // The head the root shows is the next to leave.
        const bool winner = row == m_merge->WinningRun();
        cell.fill = winner ? kWinnerFill : kHeadFill;
        cell.frame = winner ? kWinnerFrame : kHeadFrame;
        cell.bold = true;
    }
    return cell;
}

qint64 COutputCells::CellCount(int) const
{
    return qint64(m_merge->Output().size());
}

QString COutputCells::RowTitle(int) const
{
    return tr("輸出");
}

CCellSource::Cell COutputCells::CellAt(int, qint64 column) const
{
    Cell cell;
    cell.text = ValueText(m_merge->Output()[std::size_t(column)]);
    if (column + 1 == CellCount(0)) {
        cell.fill = kHeadFill;
        cell.frame = kHeadFrame;
        cell.bold = true;
    }
    return cell;
}

qint64 CInputCells::CellCount(int) const
{
    return qint64(m_record->Input().size()) - m_record->ReadBy(m_nStep);
}

QString CInputCells::RowTitle(int) const
{
    return tr("待讀入");
}

CCellSource::Cell CInputCells::CellAt(int, qint64 column) const
{
    Cell cell;
    cell.text = ValueText(m_record->Input()[std::size_t(m_record->ReadBy(m_nStep) + column)]);
    return cell;
}

int CMadeRunCells::RowCount() const
{
    return m_record && m_record->WrittenBy(m_nStep) > 0 ? m_record->RunsBy(m_nStep) : 0;
}

qint64 CMadeRunCells::CellCount(int row) const
{
    const auto [first, end] = m_record->RunWrittenBy(row, m_nStep);
    return end - first;
}

QString CMadeRunCells::RowTitle(int row) const
{
    return tr("序列 %1").arg(row + 1);
}

// The value written last is marked, as the output's last is in a merge.
CCellSource::Cell CMadeRunCells::CellAt(int row, qint64 column) const
{
    const int64_t at = m_record->RunWrittenBy(row, m_nStep).first + column;
    Cell cell;
    cell.text = ValueText(m_record->Output()[std::size_t(at)]);
    if (at + 1 == m_record->WrittenBy(m_nStep)) {
        cell.fill = kHeadFill;
        cell.frame = kHeadFrame;
        cell.bold = true;
    }
    return cell;
}

void CMergePanel::Retranslate()
{
    setWindowTitle(tr("合併"));
    m_copy->setText(tr("複製輸出(&C)"));
    m_copy->setToolTip(tr("把輸出的值複製到剪貼簿"));
}

CMergePanel::CMergePanel(QWidget *parent) : CViewPanel(parent)
{
    setObjectName(QStringLiteral("mergePanel"));
    auto *body = new QWidget(this);
    m_outputGrid = new CCellGrid(body);
    m_outputGrid->setObjectName(QStringLiteral("mergeOutput"));
    m_outputGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_outputGrid->SetRowsWanted(1);
    m_outputGrid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed); // one row, at any text size
    m_runGrid = new CCellGrid(body);
    m_runGrid->setObjectName(QStringLiteral("mergeRuns"));
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
    layout->addWidget(m_outputGrid);
    layout->addWidget(m_runGrid, 1);
    setWidget(body);
    m_outputGrid->SetSource(&m_outputCells);
    m_runGrid->SetSource(&m_runCells);
    OnMergeChanged();
}

void CMergePanel::Watch(CZarniView *view)
{
    connect(view, &CZarniView::MergeChanged, this, [this] { OnMergeChanged(); });
}

void CMergePanel::OnMergeChanged()
{
    const WinnerMerge *merge = View() ? View()->Merge() : nullptr;
    if (!merge && View() && View()->Replacement()) {
        ShowReplacement(View());
        return;
    }
    m_runCells.m_merge = m_outputCells.m_merge = merge;
    m_outputGrid->SetSource(&m_outputCells);
    m_runGrid->SetSource(&m_runCells);
    m_runGrid->Refresh();
    m_outputGrid->Refresh();
    m_copy->setEnabled(merge && !merge->Output().empty());
    if (!merge) {
        m_summary->setText(tr("這個視窗沒有合併。"));
        return;
    }
    QString summary = merge->Done() ? tr("合併完成：輸出 %1 個值。").arg(merge->Output().size())
                                    : tr("已輸出 %1 個值，還剩 %2 個。").arg(merge->Output().size()).arg(merge->Remaining());
    if (merge->Pops() > 0)
        summary += tr("每次輸出平均比較 %1 次。").arg(double(merge->PopComparisons()) / double(merge->Pops()), 0, 'f', 2);
    m_summary->setText(summary);
    if (merge->Output().empty()) {
        show(); // a merge has just started
        return;
    }
    m_outputGrid->EnsureVisible(0, qint64(merge->Output().size()) - 1);
    const int run = merge->LastRun();
    m_runGrid->EnsureVisible(run, std::min<qint64>(merge->Consumed(run), qint64(merge->Run(run).size()) - 1));
}

// The input still to read above the runs made, and how long the runs are
// against the memory: about twice as long on random input.
void CMergePanel::ShowReplacement(const CZarniView *view)
{
    const ReplacementRecord *record = view->Replacement();
    const int64_t step = view->ReplacementStep();
    m_inputCells.m_record = m_madeRunCells.m_record = record;
    m_inputCells.m_nStep = m_madeRunCells.m_nStep = step;
    m_outputGrid->SetSource(&m_inputCells);
    m_runGrid->SetSource(&m_madeRunCells);
    m_copy->setEnabled(false);
    const int64_t written = record->WrittenBy(step);
    const int runs = m_madeRunCells.RowCount();
    const QString average = runs ? QString::number(double(written) / runs, 'f', 1) : QStringLiteral("-");
    m_summary->setText(tr("置換選擇：已讀入 %1/%2 個值，寫出 %3 個；%4 個序列，平均長度 %5（P = %6，隨機輸入理論上約 2P = %7）")
                           .arg(record->ReadBy(step))
                           .arg(record->Input().size())
                           .arg(written)
                           .arg(runs)
                           .arg(average)
                           .arg(record->Memory())
                           .arg(2 * record->Memory()));
    if (step == 0) {
        show(); // a replacement has just started
        return;
    }
    if (runs > 0)
        m_runGrid->EnsureVisible(runs - 1, m_madeRunCells.CellCount(runs - 1) - 1);
}

QString CMergePanel::OutputText() const
{
    QString text;
    if (const WinnerMerge *merge = m_outputCells.m_merge)
        for (int value : merge->Output())
            text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + ValueText(value);
    return text;
}
