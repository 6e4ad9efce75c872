#pragma once
// A dynamic splitter of up to 2 rows by 2 columns. A pane appears when its
// row or column is dragged open (or by SplitTo) and gets a new view from the
// factory; a pane dragged smaller than the minimum goes away again. The views
// are of whatever class the factory makes.

#include "framework/ScrollView.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QSplitter;

class CSplitterWnd : public QWidget {
public:
    static constexpr int kMaxRows = 2, kMaxCols = 2, kMinPane = 10;

    CSplitterWnd(std::function<CScrollView *()> makeView, QWidget *parent);

    int GetRowCount() const;
    int GetColumnCount() const;
    CScrollView *GetPane(int row, int col) const;
    template <class View> View *Pane(int row, int col) const { return qobject_cast<View *>(GetPane(row, col)); }
    CScrollView *GetActivePane() const;
    void SetActivePane(CScrollView *view);
    // Splits (or joins) to rows by cols panes of equal size.
    void SplitTo(int rows, int cols);
    // Moves the bars so that the active pane grows by delta (shrinks, where
    // negative) at its neighbours' cost; a side without a neighbour stays.
    void GrowActivePane(QSize delta);
    // Moves the focus to the next (or previous) pane, row by row.
    void ActivateNext(bool previous);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OnRowsMoved();
    void OnColumnsMoved(QSplitter *source);
    void SyncPanes();
    void Place(int row, int col, CScrollView *view);
    CScrollView *Take(int row, int col);
    bool RowOpen(int row) const;
    bool ColumnOpen(int col) const;

    std::function<CScrollView *()> m_makeView;
    QSplitter *m_rows;
    std::array<QSplitter *, kMaxRows> m_columns;
    std::array<std::array<QWidget *, kMaxCols>, kMaxRows> m_cells;
    QPointer<CScrollView> m_active;
};
