#include "Presenter.h"

#include "ArrayPanel.h"
#include "ChildFrm.h"
#include "MainFrm.h"
#include "RecordPanel.h"
#include "ViewPanel.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"
#include "view/ZarniView.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <algorithm>

namespace {

const int kSlideTextSize = 18; // points

} // namespace

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
        m_before = {};
        m_before.fullScreen = m_pFrame->isFullScreen();
        m_before.code = !m_pFrame->Panel(ID_VIEW_CODE)->isHidden();
        m_before.view = m_pFrame->GetActiveView();
        for (QWidget *widget : Clutter())
            if (!widget->isHidden())
                m_before.shown << widget;
        if (CZarniView *view = m_before.view) {
            m_before.canvasWidth = view->m_nCanvasWidth;
            m_before.canvasHeight = view->m_nCanvasHeight;
            m_before.fitFollow = view->FitFollow();
        }
        if ((m_before.child = m_pFrame->ActiveChild())) {
            m_before.maximized = m_before.child->isMaximized();
            m_before.child->showMaximized();
        }
        for (const QPointer<QWidget> &widget : std::as_const(m_before.shown))
            widget->hide();
        m_pFrame->ShowPanel(ID_VIEW_CODE, true);
        // The narration and the code read from the back of the hall.
        m_before.textSize = m_pFrame->TextSize();
        m_pFrame->SetTextSize(std::max(m_before.textSize, kSlideTextSize));
        m_nSlideTextSize = m_pFrame->TextSize();
        FillScreen();
        // Kept fitted while the window grows to the screen and after.
        if (CZarniView *view = m_before.view)
            view->SetFitFollow(true);
    } else {
        SetBlank(false);
        m_pFrame->ShowFullScreen(m_before.fullScreen);
        m_pFrame->ShowPanel(ID_VIEW_CODE, m_before.code);
        for (const QPointer<QWidget> &widget : std::as_const(m_before.shown))
            if (widget)
                widget->show();
        if (m_before.child && !m_before.maximized)
            m_before.child->showNormal();
        if (m_pFrame->TextSize() == m_nSlideTextSize)
            m_pFrame->SetTextSize(m_before.textSize);
        if (CZarniView *view = m_before.view) {
            view->SetFitFollow(m_before.fitFollow);
            if (!m_before.fitFollow)
                view->SetCanvasSize(m_before.canvasWidth, m_before.canvasHeight);
        }
    }
    m_pFrame->UpdateCommandUISoon();
}

QList<QWidget *> CPresenter::Clutter() const
{
    QList<QWidget *> clutter{m_pFrame->menuBar(), m_pFrame->statusBar(), m_pFrame->ArrayPanel(), m_pFrame->RecordPanel()};
    for (QToolBar *bar : m_pFrame->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        clutter << bar;
    return clutter;
}

// Full screen; where no window manager makes it so (the window keeps its
// size once the toolkit has asked), the window takes the screen itself.
void CPresenter::FillScreen()
{
    m_pFrame->ShowFullScreen(true);
    QTimer::singleShot(300, m_pFrame, [this] {
        QScreen *screen = m_pFrame->screen();
        if (m_bOn && screen && m_pFrame->geometry() != screen->geometry())
            m_pFrame->setGeometry(screen->geometry());
    });
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
