#pragma once
// A grid of text cells painted from a source, for rows far longer than a
// widget per cell or a header section per column could hold: the scroll bars
// count rows and cells, and a paint draws only the cells in sight.

#include "view/Palette.h"

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
        QString caption; // a small line above the text, in grids of two lines
        QColor outline;       // none while invalid
        int outlineWidth = 1;
        Cue cue = Cue::None; // what tells the cell's mark apart without its colour
    };
    virtual ~CCellSource() = default;
    virtual int RowCount() const = 0;
    virtual qint64 CellCount(int row) const = 0;
    virtual QString RowTitle(int row) const = 0;
    virtual Cell CellAt(int row, qint64 column) const = 0;
};

class CCellGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Cells wide enough for the sample text; with a caption line above the
    // text when captions is set.
    CCellGrid(QWidget *parent, const QString &sample = QStringLiteral("-99999"), bool captions = false);
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
    // The cell at a viewport point; false off every cell.
    bool CellAt(QPoint point, int *row, qint64 *column) const;
    // Room for a few rows: the grid scrolls through the rest.
    QSize sizeHint() const override;
    void SetRowsWanted(int rows) { m_nRowsWanted = rows; }

signals:
    // The pointer has moved onto another cell (row -1: off every cell).
    void CellHovered(int row, qint64 column);
    void CellClicked(int row, qint64 column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Measure();
    void UpdateRanges();
    qint64 LongestRow() const;

    const CCellSource *m_source = nullptr;
    QString m_strSample; // the widest text a cell holds
    int m_nCellWidth;
    int m_nRowHeight;
    int m_nTitleWidth = 0;
    int m_nRowsWanted = 5;
    bool m_bCaptions;
    int m_nHoverRow = -1;
    qint64 m_nHoverColumn = -1;
};
