#pragma once
// A grid of text cells painted from a source, for rows far longer than a
// widget per cell or a header section per column could hold: the scroll bars
// count rows and cells, and a paint draws only the cells in sight.

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>

class CCellSource {
public:
    struct Cell {
        QString text;
        QColor fill = Qt::white;
        QColor ink = Qt::black;
        QColor frame = Qt::lightGray;
        bool bold = false;
    };
    virtual ~CCellSource() = default;
    virtual int RowCount() const = 0;
    virtual qint64 CellCount(int row) const = 0;
    virtual QString RowTitle(int row) const = 0;
    virtual Cell CellAt(int row, qint64 column) const = 0;
};

class CCellGrid : public QAbstractScrollArea {
public:
    explicit CCellGrid(QWidget *parent);
    // The source stays the caller's; null shows nothing.
    void SetSource(const CCellSource *source);
    // The source's counts or cells have changed.
    void Refresh();
    // Scrolls as little as it takes to bring the cell into sight.
    void EnsureVisible(int row, qint64 column);

    int FirstRow() const;
    qint64 FirstColumn() const;
    int VisibleRows() const;
    qint64 VisibleColumns() const;
    // Where a cell is drawn in the viewport.
    QRect CellRect(int row, qint64 column) const;
    // Room for a few rows: the grid scrolls through the rest.
    QSize sizeHint() const override;
    void SetRowsWanted(int rows) { m_nRowsWanted = rows; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void UpdateRanges();
    qint64 LongestRow() const;

    const CCellSource *m_source = nullptr;
    int m_nCellWidth;
    int m_nRowHeight;
    int m_nTitleWidth = 0;
    int m_nRowsWanted = 5;
};
