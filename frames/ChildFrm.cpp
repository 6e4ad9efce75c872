#include "ChildFrm.h"

#include "framework/StandardIds.h"
#include "res/Resource.h"

CChildFrame::CChildFrame(CDocument *doc, std::function<CScrollView *()> makeView) : m_pDocument(doc)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // An opaque window hides the ones below it from the paint, so that
    // many stacked maximised windows cost no more to paint than one.
    setAutoFillBackground(true);
    m_wndSplitter = new CSplitterWnd(std::move(makeView), this);
    setWidget(m_wndSplitter);
    resize(800, 600);
    OnCommand(ID_WINDOW_SPLIT, [this] { m_wndSplitter->SplitTo(2, 2); });
    OnCommand(ID_NEXT_PANE, [this] { m_wndSplitter->ActivateNext(false); });
    OnCommand(ID_PREV_PANE, [this] { m_wndSplitter->ActivateNext(true); });
}
