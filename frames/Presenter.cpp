#include "Presenter.h"

#include "MainFrm.h"
#include "ViewPanel.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

CPresenter::CPresenter(CMainFrame *frame) : QObject(frame), m_pFrame(frame), m_blank(new QWidget(frame))
{
    m_blank->setObjectName(QStringLiteral("presentBlank"));
    m_blank->setAutoFillBackground(true);
    m_blank->setPalette(QPalette(Qt::black));
    m_blank->hide();
    frame->installEventFilter(this);
    m_keys = {Keys({Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Space}, &CPresenter::Forward),
              Keys({Qt::Key_PageUp, Qt::Key_Left}, &CPresenter::Back),
              Keys({Qt::Key_B, Qt::Key_Period}, &CPresenter::ToggleBlank)};
}

// Keys of the whole window, answered only in present mode.
QAction *CPresenter::Keys(const QList<int> &keys, void (CPresenter::*what)())
{
    auto *action = new QAction(m_pFrame);
    QList<QKeySequence> sequences;
    for (const int key : keys)
        sequences << QKeySequence(key);
    action->setShortcuts(sequences);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, what);
    m_pFrame->addAction(action);
    return action;
}

bool CPresenter::Blank() const
{
    return m_blank->isVisible();
}

void CPresenter::SetOn(bool on)
{
    if (on == m_bOn)
        return;
    m_bOn = on;
    // Space steps instead of pausing while presenting.
    QAction *pause = m_pFrame->Action(ID_WINNER_PAUSE);
    pause->setShortcut(on ? QKeySequence() : QKeySequence(Qt::Key_Space));
    for (QAction *keys : std::as_const(m_keys))
        keys->setEnabled(on);
    if (on) {
        m_before = {m_pFrame->isFullScreen(), !m_pFrame->Panel(ID_VIEW_CODE)->isHidden(), m_pFrame->RunBarShown()};
        m_pFrame->ShowFullScreen(true);
        m_pFrame->ShowPanel(ID_VIEW_CODE, true);
        m_pFrame->ShowRunBar(true);
        m_pFrame->RouteCommand(ID_VIEW_FIT);
    } else {
        SetBlank(false);
        m_pFrame->ShowFullScreen(m_before.fullScreen);
        m_pFrame->ShowPanel(ID_VIEW_CODE, m_before.code);
        m_pFrame->ShowRunBar(m_before.runBar);
    }
    m_pFrame->UpdateCommandUISoon();
}

void CPresenter::SetBlank(bool blank)
{
    if (blank && !m_bOn)
        return;
    m_blank->setGeometry(m_pFrame->rect());
    m_blank->setVisible(blank);
    m_blank->raise();
}

// A step while the screen is black brings the picture back first.
void CPresenter::Forward()
{
    if (Blank())
        return SetBlank(false);
    m_pFrame->RouteCommand(ID_WINNER_STEP);
}

void CPresenter::Back()
{
    if (Blank())
        return SetBlank(false);
    m_pFrame->RouteCommand(ID_WINNER_BACK);
}

// The black covers the whole window as it resizes.
bool CPresenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pFrame && event->type() == QEvent::Resize)
        m_blank->setGeometry(m_pFrame->rect());
    return QObject::eventFilter(watched, event);
}
