#pragma once
// The panel of an algorithm's record beside the tree: a merge's runs, the
// values already read greyed and each head marked, and its output as it
// grows; a replacement's input still to read and the runs it has made. It
// shows the record of the active view at the step shown, and scrolls to
// what each step changed.

#include "CellGrid.h"
#include "ViewPanel.h"

#include <QCoreApplication>

class PanelRows;
class QLabel;
class QPushButton;

// Rows of an algorithm's record as the grid shows them.
class CRecordCells : public CCellSource {
public:
    const PanelRows *m_rows = nullptr;
    int RowCount() const override;
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
};

class CRecordPanel : public CViewPanel {
    Q_DECLARE_TR_FUNCTIONS(CRecordPanel)

public:
    explicit CRecordPanel(QWidget *parent);
    const CRecordCells &RunCells() const { return m_rowCells; }
    const CRecordCells &OutputCells() const { return m_topCells; }
    CCellGrid *RunGrid() const { return m_rowGrid; }
    CCellGrid *OutputGrid() const { return m_topGrid; }
    // What the copy button puts on the clipboard: the top row, blank-separated.
    QString OutputText() const;

protected:
    void Watch(CZarniView *view) override;
    void ViewChanged() override { OnRecordChanged(true); }
    void Retranslate() override;
    void hideEvent(QHideEvent *event) override;

private:
    // Shows the record anew; unless forced, only when it changed.
    void OnRecordChanged(bool force = false);

    CRecordCells m_rowCells;
    CRecordCells m_topCells;
    CCellGrid *m_topGrid;
    CCellGrid *m_rowGrid;
    QLabel *m_summary;
    QPushButton *m_copy;
    bool m_bCopyable = false;
    // Shown because a record started, not by the user: it goes with the record.
    bool m_bOpenedByRecord = false;
    const void *m_pShownRecord = nullptr;
    int64_t m_nShownRevision = -1;
};
