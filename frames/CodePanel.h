#pragma once
// The pseudocode of the active view's run, its lines numbered and the line
// of the step shown highlighted; under it what the step does, what the run
// has cost so far, and the algorithms' notes (on a heap, whether the values
// form one and what has been extracted).

#include "ViewPanel.h"

#include <QCoreApplication>

class QLabel;
class QTextEdit;

class CCodePanel : public CViewPanel {
    Q_DECLARE_TR_FUNCTIONS(CCodePanel)

public:
    // The current line again, in the colours of the palette now chosen.
    void Recolour();
    explicit CCodePanel(QWidget *parent);
    // The lines as shown, and the highlighted one (1-based, 0 for none).
    QStringList Lines() const { return m_lines; }
    int Current() const { return m_nCurrent; }

protected:
    void Watch(CZarniView *view) override;
    void ViewChanged() override { Refresh(); }
    void Retranslate() override;
    void changeEvent(QEvent *event) override;

private:
    void Refresh();
    void ShowLines();
    void MarkCurrent();
    void KeepWidth();

    QTextEdit *m_list;
    QLabel *m_narration;
    QLabel *m_counts;
    QLabel *m_notes;
    QStringList m_lines;
    int m_nCurrent = 0;
    int m_nShownCurrent = -1; // the line painted as current
};
