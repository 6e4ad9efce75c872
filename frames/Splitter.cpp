#include "Splitter.h"


#include <QEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void SetOpen(QSplitter *splitter, bool secondOpen)
{
    const int length = splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
    const int total = std::max(length, 2 * CSplitterWnd::kMinPane);
    splitter->setSizes(secondOpen ? QList<int>{total / 2, total - total / 2} : QList<int>{total, 0});
}

} // namespace

CSplitterWnd::CSplitterWnd(std::function<CScrollView *()> makeView, QWidget *parent)
    : QWidget(parent), m_makeView(std::move(makeView))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rows = new QSplitter(Qt::Vertical, this);
    layout->addWidget(m_rows);
    for (int r = 0; r < kMaxRows; ++r) {
        m_columns[r] = new QSplitter(Qt::Horizontal, m_rows);
        for (int c = 0; c < kMaxCols; ++c) {
            m_cells[r][c] = new QWidget(m_columns[r]);
            auto *cellLayout = new QVBoxLayout(m_cells[r][c]);
            cellLayout->setContentsMargins(0, 0, 0, 0);
        }
        m_columns[r]->setSizes({1, 0});
        QSplitter *source = m_columns[r];
        connect(source, &QSplitter::splitterMoved, this, [this, source] { OnColumnsMoved(source); });
    }
    m_rows->setSizes({1, 0});
    connect(m_rows, &QSplitter::splitterMoved, this, [this] { OnRowsMoved(); });
    Place(0, 0, m_makeView());
    m_active = GetPane(0, 0);
}

bool CSplitterWnd::RowOpen(int row) const
{
    return m_rows->sizes().value(row) > 0;
}

bool CSplitterWnd::ColumnOpen(int col) const
{
    return m_columns[0]->sizes().value(col) > 0;
}

int CSplitterWnd::GetRowCount() const
{
    return RowOpen(1) ? 2 : 1;
}

int CSplitterWnd::GetColumnCount() const
{
    return ColumnOpen(1) ? 2 : 1;
}

CScrollView *CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= kMaxRows || col < 0 || col >= kMaxCols)
        return nullptr;
    return m_cells[row][col]->findChild<CScrollView *>(QString(), Qt::FindDirectChildrenOnly);
}

CScrollView *CSplitterWnd::GetActivePane() const
{
    return m_active;
}

void CSplitterWnd::SetActivePane(CScrollView *view)
{
    m_active = view;
    if (view && !view->hasFocus())
        view->setFocus(Qt::OtherFocusReason);
}

void CSplitterWnd::Place(int row, int col, CScrollView *view)
{
    m_cells[row][col]->layout()->addWidget(view);
    view->installEventFilter(this);
    view->show();
}

CScrollView *CSplitterWnd::Take(int row, int col)
{
    CScrollView *view = GetPane(row, col);
    if (view)
        m_cells[row][col]->layout()->removeWidget(view);
    return view;
}

bool CSplitterWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto *view = dynamic_cast<CScrollView *>(watched))
            m_active = view;
    return QWidget::eventFilter(watched, event);
}

void CSplitterWnd::OnRowsMoved()
{
    QList<int> sizes = m_rows->sizes();
    if (sizes[1] > 0 && sizes[1] < kMinPane) {
        sizes = {sizes[0] + sizes[1], 0};
    } else if (sizes[0] < kMinPane && sizes[1] > 0) {
        // The first row closed: the second row's views move up.
        for (int c = 0; c < kMaxCols; ++c) {
            delete Take(0, c);
            if (CScrollView *view = Take(1, c))
                Place(0, c, view);
        }
        sizes = {sizes[0] + sizes[1], 0};
    }
    m_rows->setSizes(sizes);
    SyncPanes();
}

void CSplitterWnd::OnColumnsMoved(QSplitter *source)
{
    QList<int> sizes = source->sizes();
    if (sizes[1] > 0 && sizes[1] < kMinPane) {
        sizes = {sizes[0] + sizes[1], 0};
    } else if (sizes[0] < kMinPane && sizes[1] > 0) {
        for (int r = 0; r < kMaxRows; ++r) {
            delete Take(r, 0);
            if (CScrollView *view = Take(r, 1))
                Place(r, 0, view);
        }
        sizes = {sizes[0] + sizes[1], 0};
    }
    for (QSplitter *columns : m_columns)
        columns->setSizes(sizes);
    SyncPanes();
}

void CSplitterWnd::GrowActivePane(QSize delta)
{
    for (int r = 0; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxCols; ++c) {
            if (!m_active || GetPane(r, c) != m_active)
                continue;
            auto grow = [](QList<int> sizes, int at, int by) {
                sizes[at] += by;
                sizes[1 - at] -= by;
                return sizes;
            };
            if (ColumnOpen(1)) {
                const QList<int> sizes = grow(m_columns[0]->sizes(), c, delta.width());
                for (QSplitter *columns : m_columns)
                    columns->setSizes(sizes);
            }
            if (RowOpen(1))
                m_rows->setSizes(grow(m_rows->sizes(), r, delta.height()));
            return;
        }
    }
}

// Every open cell holds a view and every closed one none.
void CSplitterWnd::SyncPanes()
{
    for (int r = 0; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxCols; ++c) {
            const bool open = RowOpen(r) && ColumnOpen(c);
            CScrollView *view = GetPane(r, c);
            if (open && !view)
                Place(r, c, m_makeView());
            else if (!open && view)
                delete Take(r, c);
        }
    }
    if (!m_active)
        SetActivePane(GetPane(0, 0));
}

void CSplitterWnd::SplitTo(int rows, int cols)
{
    SetOpen(m_rows, rows > 1);
    for (QSplitter *columns : m_columns)
        SetOpen(columns, cols > 1);
    SyncPanes();
}

void CSplitterWnd::ActivateNext(bool previous)
{
    QList<CScrollView *> panes;
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            panes << GetPane(r, c);
    const int at = panes.indexOf(m_active.data());
    const int n = int(panes.size());
    SetActivePane(panes[((at < 0 ? 0 : at) + (previous ? n - 1 : 1)) % n]);
}
