#pragma once
// Present mode, for a lecture hall: the window full screen with the run's
// toolbar and the code panel, the tree fitted to it. A presenter's remote
// sends PageDown/PageUp (or Right/Left): they step the run forward and
// back, as Space steps forward; B or . blanks the screen to black and back,
// as presentation programs do. Off, every key does what it did.

#include <QList>
#include <QObject>

class CMainFrame;
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

    CMainFrame *m_pFrame;
    bool m_bOn = false;
    // What present mode changes, as it was, to go back to.
    struct {
        bool fullScreen = false, code = false, runBar = false;
    } m_before;
    QList<QAction *> m_keys;
    QWidget *m_blank;
};
