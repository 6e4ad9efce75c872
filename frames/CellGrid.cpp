#include "CellGrid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

CCellGrid::CCellGrid(QWidget *parent, const QString &sample, bool captions)
    : QAbstractScrollArea(parent), m_strSample(sample), m_bCaptions(captions)
{
    Measure();
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
}

// Cells and rows as large as the font needs.
void CCellGrid::Measure()
{
    const QFontMetrics metrics(font());
    m_nCellWidth = metrics.horizontalAdvance(m_strSample) + 12;
    m_nRowHeight = metrics.height() * (m_bCaptions ? 2 : 1) + 8;
}

void CCellGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    Measure();
    updateGeometry();
    Refresh();
}

void CCellGrid::SetSource(const CCellSource *source)
{
    m_source = source;
    Refresh();
}

void CCellGrid::Refresh()
{
    m_nTitleWidth = 0;
    if (m_source) {
        // Titles grow with the row's number, so the last is the widest.
        const QFontMetrics metrics(font());
        for (int row : {0, m_source->RowCount() - 1})
            if (row >= 0)
                m_nTitleWidth = std::max(m_nTitleWidth, metrics.horizontalAdvance(m_source->RowTitle(row)) + 12);
    }
    UpdateRanges();
    viewport()->update();
}

qint64 CCellGrid::LongestRow() const
{
    qint64 longest = 0;
    for (int row = 0; m_source && row < m_source->RowCount(); ++row)
        longest = std::max(longest, m_source->CellCount(row));
    return longest;
}

int CCellGrid::VisibleRows() const
{
    return std::max(1, viewport()->height() / m_nRowHeight);
}

qint64 CCellGrid::VisibleColumns() const
{
    return std::max(1, (viewport()->width() - m_nTitleWidth) / m_nCellWidth);
}

int CCellGrid::FirstRow() const
{
    return verticalScrollBar()->value();
}

qint64 CCellGrid::FirstColumn() const
{
    return horizontalScrollBar()->value();
}

void CCellGrid::UpdateRanges()
{
    const int rows = m_source ? m_source->RowCount() : 0;
    verticalScrollBar()->setRange(0, std::max(0, rows - VisibleRows()));
    verticalScrollBar()->setPageStep(VisibleRows());
    const qint64 columns = LongestRow();
    horizontalScrollBar()->setRange(0, int(std::clamp<qint64>(columns - VisibleColumns(), 0, INT_MAX)));
    horizontalScrollBar()->setPageStep(int(std::min<qint64>(VisibleColumns(), INT_MAX)));
}

void CCellGrid::EnsureVisible(int row, qint64 column)
{
    QScrollBar *v = verticalScrollBar(), *h = horizontalScrollBar();
    if (row < v->value())
        v->setValue(row);
    else if (row >= v->value() + VisibleRows())
        v->setValue(row - VisibleRows() + 1);
    if (column < h->value())
        h->setValue(int(column));
    else if (column >= h->value() + VisibleColumns())
        h->setValue(int(column - VisibleColumns() + 1));
}

QRect CCellGrid::CellRect(int row, qint64 column) const
{
    const int x = m_nTitleWidth + int(column - FirstColumn()) * m_nCellWidth;
    return {x, (row - FirstRow()) * m_nRowHeight, m_nCellWidth, m_nRowHeight};
}

bool CCellGrid::CellAt(QPoint point, int *row, qint64 *column) const
{
    if (!m_source || point.x() < m_nTitleWidth || point.y() < 0)
        return false;
    *row = FirstRow() + point.y() / m_nRowHeight;
    *column = FirstColumn() + (point.x() - m_nTitleWidth) / m_nCellWidth;
    return *row < m_source->RowCount() && *column < m_source->CellCount(*row);
}

void CCellGrid::mouseMoveEvent(QMouseEvent *event)
{
    int row = -1;
    qint64 column = -1;
    if (!CellAt(event->position().toPoint(), &row, &column))
        row = -1, column = -1;
    if (row == m_nHoverRow && column == m_nHoverColumn)
        return;
    m_nHoverRow = row;
    m_nHoverColumn = column;
    emit CellHovered(row, column);
}

void CCellGrid::leaveEvent(QEvent *event)
{
    QAbstractScrollArea::leaveEvent(event);
    if (m_nHoverRow < 0)
        return;
    m_nHoverRow = -1;
    m_nHoverColumn = -1;
    emit CellHovered(-1, -1);
}

void CCellGrid::mousePressEvent(QMouseEvent *event)
{
    int row = 0;
    qint64 column = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), &row, &column))
        emit CellClicked(row, column);
}

QSize CCellGrid::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {m_nTitleWidth + 8 * m_nCellWidth + frame,
            m_nRowsWanted * m_nRowHeight + horizontalScrollBar()->sizeHint().height() + frame};
}

void CCellGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateRanges();
}

// Only the cells in sight are asked for; the titles stay at the left.
void CCellGrid::paintEvent(QPaintEvent *)
{
    if (!m_source)
        return;
    QPainter p(viewport());
    const int lastRow = std::min(m_source->RowCount(), FirstRow() + VisibleRows() + 1);
    const qint64 columns = VisibleColumns() + 1;
    QFont bold = font(), small = font();
    bold.setBold(true);
    small.setPointSizeF(font().pointSizeF() * 0.8);
    for (int row = FirstRow(); row < lastRow; ++row) {
        const qint64 end = std::min(m_source->CellCount(row), FirstColumn() + columns);
        for (qint64 column = FirstColumn(); column < end; ++column) {
            const CCellSource::Cell cell = m_source->CellAt(row, column);
            const QRect r = CellRect(row, column).adjusted(1, 1, -1, -1);
            p.fillRect(r, cell.fill);
            CDrawSurface surface(&p); // the frame and its cue as a node's box has them
            DrawFinalFrame(&surface, CRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                           {cell.fill, cell.fill, cell.frame, cell.ink, cell.cue});
            QRect textArea = r;
            if (m_bCaptions) {
                const QRect caption = r.adjusted(0, 2, 0, -r.height() / 2);
                textArea.setTop(caption.bottom());
                p.setPen(cell.ink == Qt::black && cell.fill == Qt::white ? QColor(96, 96, 96) : cell.ink);
                p.setFont(small);
                p.drawText(caption, Qt::AlignCenter, cell.caption);
            }
            p.setPen(cell.ink);
            p.setFont(cell.bold ? bold : font());
            p.drawText(textArea, Qt::AlignCenter, cell.text);
            if (cell.outline.isValid()) {
                p.setPen(QPen(cell.outline, cell.outlineWidth));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(0, 0, -1, -1));
            }
        }
        const QRect title(0, (row - FirstRow()) * m_nRowHeight, m_nTitleWidth, m_nRowHeight);
        p.fillRect(title, palette().window());
        p.setPen(palette().windowText().color());
        p.setFont(font());
        p.drawText(title.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, m_source->RowTitle(row));
    }
}
