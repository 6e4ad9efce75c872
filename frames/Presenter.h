#pragma once
// Present mode, for a lecture hall: a clean slide. The window fills the
// screen (with or without a window manager) and shows only the tree, fitted
// and kept fitted, and the code panel with the step's narration; menus,
// bars and the other panels are out of sight, and come back as they were,
// with the teacher's canvas, when the mode ends. A presenter's remote
// sends PageDown/PageUp (or Right/Left): they step the run forward and
// back, as Space steps forward; B or . blanks the screen to black and back,
// as presentation programs do. Off, every key does what it did.

#include <QList>
#include <QObject>
#include <QPointer>

class CChildFrame;
class CMainFrame;
class CZarniView;
class QAction;
class QWidget;

class CPresenter : public QObject {
public:
    explicit CPresenter(CMainFrame *frame);
    bool On() const { return m_bOn; }
    bool Blank() const;
    void SetOn(bool on);
    void SetBlank(bool blank);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QAction *Keys(const QList<int> &keys, void (CPresenter::*what)());
    void Forward();
    void Back();
    void ToggleBlank() { SetBlank(!Blank()); }
    void FillScreen();
    // What a slide hides: menus, toolbars, the status bar, panels but the code.
    QList<QWidget *> Clutter() const;

    CMainFrame *m_pFrame;
    bool m_bOn = false;
    // What present mode changes, as it was, to go back to.
    struct {
        bool fullScreen = false, code = false;
        QList<QPointer<QWidget>> shown; // the clutter that was in sight
        QPointer<CZarniView> view;      // the view presented, and its canvas
        int canvasWidth = 0, canvasHeight = 0;
        bool fitFollow = false;
        QPointer<CChildFrame> child; // its document window, maximized or not
        bool maximized = false;
        int textSize = 0;
    } m_before;
    int m_nSlideTextSize = 0; // what the slide set, kept unless the teacher chose another
    QList<QAction *> m_keys;
    QWidget *m_blank;
};
