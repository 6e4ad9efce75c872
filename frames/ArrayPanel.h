#pragma once
// The heap array beside the tree: slots 1 to N of the active view, each with
// its index and its node's label in the colours of the node's mark; or, for
// a tree built over an array, that array's positions. The node
// pointed at, in the tree or in the panel, is outlined in both, its parent
// and children more lightly; a click on a slot selects its node.

#include "CellGrid.h"
#include "ViewPanel.h"

#include "model/algorithms/Algorithm.h"

#include <QCoreApplication>

class CZarniView;

class CArrayCells : public CCellSource {
    Q_DECLARE_TR_FUNCTIONS(CArrayCells)

public:
    const CZarniView *m_view = nullptr;
    qint64 m_nPointed = 0; // the node outlined, 0 for none
    int RowCount() const override { return m_view ? 1 : 0; }
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
    // The node a cell stands for, and a node's cell (out of range for none).
    qint64 NodeOf(qint64 column) const;
    qint64 ColumnOf(qint64 index) const;

private:
    ArrayRow Positions() const;
};

class CArrayPanel : public CViewPanel {
    Q_OBJECT

public:
    explicit CArrayPanel(QWidget *parent);
    const CArrayCells &Cells() const { return m_cells; }
    CCellGrid *Grid() const { return m_grid; }
    // The slots in sight, from 1; 0 and 0 when there are none.
    qint64 FirstShown() const;
    qint64 LastShown() const;
    // Outlines the node in the panel and in the tree, and names its relatives.
    void Point(qint64 index);
    // "節點 6：父 3，左 12，右 13，第 3 層" and its kin for the root and leaves.
    static QString Relation(qint64 index, qint64 count);

signals:
    // What the status bar should say of the node pointed at; empty for none.
    void RelationShown(const QString &text);

protected:
    void EnsureVisible(qint64 index);
    void Watch(CZarniView *view) override;
    void ViewChanged() override;
    void Retranslate() override;

private:
    CArrayCells m_cells;
    CCellGrid *m_grid;
};
