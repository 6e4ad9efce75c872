#pragma once
// The frame of a document window: a maximised MDI child whose client area
// is a dynamic splitter of tree views.

#include "Splitter.h"
#include "framework/CmdTarget.h"

#include <QMdiSubWindow>

class CDocument;

class CChildFrame : public QMdiSubWindow, public CCmdTarget {
public:
    // makeView makes the document type's view for each pane.
    CChildFrame(CDocument *doc, std::function<CScrollView *()> makeView);

    CDocument *GetDocument() const { return m_pDocument; }
    CScrollView *GetActiveView() const { return m_wndSplitter->GetActivePane(); }
    CSplitterWnd *GetSplitter() const { return m_wndSplitter; }

protected:
    void changeEvent(QEvent *event) override;

private:
    CDocument *m_pDocument;
    CSplitterWnd *m_wndSplitter;
};
