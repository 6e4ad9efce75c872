#pragma once
// The main window: the MDI frame with the toolbar (holding the zoom combo
// box), the status bar (message pane and canvas size pane), both menu bars,
// and the routing of every command to the active view and on.

#include "framework/CmdTarget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMenu;
class CChildFrame;
class CArrayPanel;
class CCodePanel;
class CViewPanel;
class QSlider;
class CRecordPanel;
struct CommandEntry;
class CZarniView;
struct Palette;

// The message pane (prompts through the toolkit's own status messages, the
// idle text between them) and the canvas size pane.
class CStatusBar : public QStatusBar {
public:
    explicit CStatusBar(QWidget *parent);
    void SetSizeText(const QString &text);
    void SetMessageFont(const QFont &font);
    // The idle text, or a blank pane while a command without a prompt is
    // under the mouse.
    void ShowIdleMessage(bool show);
    // The practice score, hidden while empty.
    void SetScoreText(const QString &text);
    // What pane 0 (messages) or 1 (size) shows.
    QString GetPaneText(int index) const;

private:
    QLabel *m_idle;
    QLabel *m_size;
    QLabel *m_score;
};

class CComboToolBar : public QToolBar {
public:
    explicit CComboToolBar(QWidget *parent);
    QComboBox *m_wndZoomCombo = nullptr;
};

class CPresenter;
class CStartPage;
class CSpeaker;

class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;
    static CMainFrame *Get();

    // Creation: the toolbar, the status bar, the size pane, the combo box.
    void OnCreate();

    QMdiArea *MdiArea() const { return m_pMdiArea; }
    CChildFrame *ActiveChild() const;
    QList<CChildFrame *> ChildFrames() const;
    CZarniView *GetActiveView() const;
    // Shows what the view announces: its canvas size in the size pane.
    void WatchView(CZarniView *view);
    void SetPractice(bool on);
    bool Practising() const { return m_bPractice; }
    // Every view shows the heap index of a box whose label is not its index.
    void SetShowIndices(bool show);
    bool ShowIndices() const { return m_bShowIndices; }
    // Every picture of a tree in these colours.
    void SetPalette(const Palette &palette);
    // The size in points of the panels' text, the narration and the array.
    void SetTextSize(int points);
    // Runs one of the program's dialogs in the text size chosen, so that a
    // projector shows it as large as the panels.
    int ExecInTextSize(QDialog &dialog);
    int TextSize() const { return m_nTextSize; }
    static int DefaultTextSize();
    static constexpr int kSmallestText = 6, kLargestText = 40;
    // The most nodes the node count dialog offers (as 'nodes N').
    static constexpr int kMostNodesAsked = 1 << 24;

    // Offers id to the active view, its document, its frame, this frame and
    // the application; returns whether one of them handled it.
    bool RouteCommand(int id);
    // While set, a command runs only when the guard lets it; a refused
    // command counts as handled. A running script uses it to refuse the
    // commands it may not run, however they are reached (menu, key, button).
    void SetCommandGuard(std::function<bool(int)> guard) { m_commandGuard = std::move(guard); }
    // Asks the same chain for the update state of id.
    CCmdUI QueryCommand(int id);
    bool IsCommandEnabled(int id) { return QueryCommand(id).m_bEnabled; }
    // Refreshes every action from the update handlers.
    void UpdateCommandUI();
    // The same, once the events now pending are handled.
    void UpdateCommandUISoon();

    QAction *Action(int id) const { return m_actions.value(id); }
    // The menu bar now shown: IDR_MAINFRAME or IDR_ZARNITYPE.
    int CurrentMenuId() const { return m_nMenuId; }
    // The recently used files, most recent first, for the File menu.
    void SetRecentFiles(const QStringList &files);
    // The caption follows the active document window.
    void UpdateTitle();

    CComboToolBar *m_wndToolBar = nullptr;
    CStatusBar *m_wndStatusBar = nullptr;
    CRecordPanel *RecordPanel() const { return m_recordPanel; }
    CArrayPanel *ArrayPanel() const { return m_arrayPanel; }
    CCodePanel *CodePanel() const { return m_codePanel; }
    // The panel of a View menu item (ID_VIEW_ARRAY, ID_VIEW_CODE), shown or
    // hidden as the item does.
    CViewPanel *Panel(int id) const;
    void ShowPanel(int id, bool show);
    // Picks item index of the zoom combo for the active view, as the user
    // does; with an anchor, the canvas point under it stays there.
    void PickZoom(int index, const QPoint *anchor = nullptr);
    // n items up (n > 0) or down (n < 0) the list, or 1x (0), about a
    // client point; the list's ends stop it.
    void StepZoom(int step, QPoint anchor);
    void ShowFullScreen(bool full);
    CPresenter *Presenter() const { return m_pPresenter; }
    CSpeaker *Speaker() const { return m_pSpeaker; }
    CStartPage *StartPage() const { return m_pStartPage; }
    // The start page over the window, in front, or out of sight.
    void ShowStartPage(bool shown);
    // A message in the message pane until the next one.
    void ShowStatusMessage(const QString &text);

signals:
    // The user has shown or closed the panel of a View menu item.
    void PanelChosen(int id, bool shown);
    // The main window is closing, as the user left it.
    void Closing();
    // A lesson (.zs) was dropped on the window.
    void ScriptDropped(const QString &path);
    // The user has chosen a text size, or node numbers shown or not.
    void TextSizeChosen(int points);
    void IndicesChosen(bool shown);
    void PaletteChosen(const QString &name);
    void SpeakChosen(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class FocusKeeper;
    void KeepToolBarsWhole();
    void ForEachView(const std::function<void(CZarniView *)> &visit) const;
    void ChooseTextSize(int points);
    void AskNodeCount();
    void CreateActions();
    void SetActionTexts();
    void CreateToolBar();
    void CreateRunToolBar();
    void CreateStatusBar();
    void CreateZoomCombo();
    void BuildMenuBar(int menuId);
    void AddRecentFiles(QMenu *menu);
    void RefreshRecentFiles();
    void RefreshWindowList();
    void OnMoreWindows();
    void OnActionHovered(QAction *action);
    void OnActiveChildChanged();
    void SyncStepSlider();
    void RegisterAlgorithmCommands();
    void RunAlgorithmCommand(const CommandEntry &command);
    void AddTableMenu(QMenu *popup, const QString &title, int fromGroup);
    QList<CCmdTarget *> CommandChain() const;
    static CCmdUI QueryCommand(int id, const QList<CCmdTarget *> &chain);

    QMdiArea *m_pMdiArea;
    QHash<int, QAction *> m_actions;
    int m_nMenuId = 0;
    QAction *m_recentPlaceholder = nullptr;
    QList<QMenu *> m_menus;
    QAction *m_windowListSeparator = nullptr;
    QStringList m_recentFiles;
    bool m_bUpdatePending = false;
    bool m_bPractice = false;
    bool m_bShowIndices = false;
    int m_nTextSize = DefaultTextSize();
    void ShowScore();
    void NameControls();
    QToolBar *m_runBar = nullptr;
    CPresenter *m_pPresenter = nullptr;
    CSpeaker *m_pSpeaker = nullptr;
    CStartPage *m_pStartPage = nullptr;
    QAction *m_pZoomSlot = nullptr; // the toolbar's gap for the zoom combo box
    QLabel *m_speedLabel = nullptr;
    QSlider *m_stepSlider = nullptr;
    CRecordPanel *m_recordPanel = nullptr;
    CArrayPanel *m_arrayPanel = nullptr;
    CCodePanel *m_codePanel = nullptr;
    bool m_bMaximizedBeforeFullScreen = false;
    std::function<bool(int)> m_commandGuard;
};
