#pragma once
// A dynamic splitter of up to 2 rows by 2 columns. A pane appears when its
// row or column is dragged open (or by SplitTo) and gets a new view from the
// factory; a pane dragged smaller than the minimum goes away again.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QSplitter;
class CZarniView;

class CSplitterWnd : public QWidget {
public:
    static constexpr int kMaxRows = 2, kMaxCols = 2, kMinPane = 10;

    CSplitterWnd(std::function<CZarniView *()> makeView, QWidget *parent);

    int GetRowCount() const;
    int GetColumnCount() const;
    CZarniView *GetPane(int row, int col) const;
    CZarniView *GetActivePane() const;
    void SetActivePane(CZarniView *view);
    // Splits (or joins) to rows by cols panes of equal size.
    void SplitTo(int rows, int cols);
    // Moves the focus to the next (or previous) pane, row by row.
    void ActivateNext(bool previous);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OnRowsMoved();
    void OnColumnsMoved(QSplitter *source);
    void SyncPanes();
    void Place(int row, int col, CZarniView *view);
    CZarniView *Take(int row, int col);
    bool RowOpen(int row) const;
    bool ColumnOpen(int col) const;

    std::function<CZarniView *()> m_makeView;
    QSplitter *m_rows;
    std::array<QSplitter *, kMaxRows> m_columns;
    std::array<std::array<QWidget *, kMaxCols>, kMaxRows> m_cells;
    QPointer<CZarniView> m_active;
};
