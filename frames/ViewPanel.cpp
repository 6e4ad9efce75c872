#include "ViewPanel.h"

#include "view/ZarniView.h"

#include <QAbstractScrollArea>
#include <QEvent>

void CViewPanel::SetView(CZarniView *view)
{
    if (view == m_view)
        return;
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (view) {
        Watch(view);
        // By now the view is no more than a QObject: it is let go without
        // being looked at.
        connect(view, &QObject::destroyed, this, [this] {
            m_view = nullptr;
            ViewChanged();
        });
    }
    ViewChanged();
}

CZarniView *CViewPanel::View() const
{
    return m_view;
}

// What the panel shows is named as the panel is, for a screen reader.
bool CViewPanel::event(QEvent *event)
{
    const bool handled = QDockWidget::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::WindowTitleChange)
        for (QAbstractScrollArea *area : findChildren<QAbstractScrollArea *>())
            area->setAccessibleName(windowTitle());
    return handled;
}

void CViewPanel::changeEvent(QEvent *event)
{
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        ViewChanged();
    }
}
