#pragma once
// The panel of a merge: every run with the values already read greyed and
// its head marked, and the output as it grows. It shows the merge of the
// active view and scrolls to what each pop changes.

#include "CellGrid.h"
#include "ViewPanel.h"

#include <QCoreApplication>

class CZarniView;
class QLabel;
class QPushButton;
class WinnerMerge;
class ReplacementRecord;

// The runs, one a row.
class CRunCells : public CCellSource {
    Q_DECLARE_TR_FUNCTIONS(CRunCells)

public:
    const WinnerMerge *m_merge = nullptr;
    int RowCount() const override;
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
};

// The output, in one row.
class COutputCells : public CCellSource {
    Q_DECLARE_TR_FUNCTIONS(COutputCells)

public:
    const WinnerMerge *m_merge = nullptr;
    int RowCount() const override { return m_merge ? 1 : 0; }
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
};

// Replacement selection's input still to read, in one row.
class CInputCells : public CCellSource {
    Q_DECLARE_TR_FUNCTIONS(CInputCells)

public:
    const ReplacementRecord *m_record = nullptr;
    int64_t m_nStep = 0;
    int RowCount() const override { return m_record ? 1 : 0; }
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
};

// The runs replacement selection has made, the current one growing last.
class CMadeRunCells : public CCellSource {
    Q_DECLARE_TR_FUNCTIONS(CMadeRunCells)

public:
    const ReplacementRecord *m_record = nullptr;
    int64_t m_nStep = 0;
    int RowCount() const override;
    qint64 CellCount(int row) const override;
    QString RowTitle(int row) const override;
    Cell CellAt(int row, qint64 column) const override;
};

class CMergePanel : public CViewPanel {
    Q_DECLARE_TR_FUNCTIONS(CMergePanel)

public:
    explicit CMergePanel(QWidget *parent);
    const CRunCells &RunCells() const { return m_runCells; }
    const COutputCells &OutputCells() const { return m_outputCells; }
    CCellGrid *RunGrid() const { return m_runGrid; }
    CCellGrid *OutputGrid() const { return m_outputGrid; }
    // What the copy button puts on the clipboard: the output, blank-separated.
    QString OutputText() const;

protected:
    void Watch(CZarniView *view) override;
    void ViewChanged() override { OnMergeChanged(); }
    void Retranslate() override;

private:
    void OnMergeChanged();
    void ShowReplacement(const CZarniView *view);

    CRunCells m_runCells;
    COutputCells m_outputCells;
    CInputCells m_inputCells;
    CMadeRunCells m_madeRunCells;
    CCellGrid *m_outputGrid;
    CCellGrid *m_runGrid;
    QLabel *m_summary;
    QPushButton *m_copy;
};
