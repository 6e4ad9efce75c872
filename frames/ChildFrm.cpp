#include "ChildFrm.h"

#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

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

// The toolkit names the system menu's items once, when the window is made:
// they are named again in the language now chosen.
void CChildFrame::changeEvent(QEvent *event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !systemMenu())
        return;
    static const char *const kItems[] = {"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "Stay on &Top"};
    const QList<QAction *> actions = systemMenu()->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (i < int(std::size(kItems)))
            actions[i]->setText(QCoreApplication::translate("QMdiSubWindow", kItems[i]));
        else if (!actions[i]->isSeparator())
            actions[i]->setText(QCoreApplication::translate("QMdiSubWindow", "&Close"));
    }
}
