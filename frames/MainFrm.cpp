#include "MainFrm.h"
#include "StartPage.h"
#include "Speaker.h"

#include "ChildFrm.h"
#include "LeafEditor.h"
#include "ExerciseDlg.h"
#include "NodeValueDlg.h"
#include "NumbersDlg.h"
#include "RecordPanel.h"
#include "ArrayPanel.h"
#include "CellGrid.h"
#include "CodePanel.h"
#include "GotoDlg.h"
#include "Presenter.h"
#include "Problems.h"
#include "ValuesDlg.h"
#include "model/algorithms/Table.h"
#include "model/exercise/ExerciseState.h"
#include "view/Palette.h"
#include "view/Words.h"
#include "framework/App.h"
#include "framework/Document.h"
#include "res/Images.h"
#include "res/Languages.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"
#include "Prompts.h"
#include "view/ZarniView.h"

#include <QAction>
#include <algorithm>
#include <memory>
#include <QMenu>
#include <QTimer>
#include <QDialog>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QDragEnterEvent>
#include <QDropEvent>

namespace {

struct MenuItem {
    int id; // 0: separator; kRecentFiles: the recent-file entries
    const char *text;
    int group = 0; // kTableGroups: the first of the groups
};
struct Menu {
    const char *title;
    std::vector<MenuItem> items;
};
const int kRecentFiles = -1;
const int kWindowList = -2; // the entries of the open document windows
const int kLanguageMenu = -3; // the submenu of the languages
const int kPaletteMenu = -6;  // the submenu of the palettes
// The algorithms' commands of this menu: one group of them, or the groups
// from one on, a separator between.
const int kTableGroup = -4;
const int kTableGroups = -5;
// Where the menus of the algorithms' own go.
const char kTableMenus[] = "";

// The help menu of either menu bar: the about box, then where to begin.
std::vector<MenuItem> HelpItems()
{
    return {{ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "關於 Zarni(&A)...")},
            {0, nullptr},
            {ID_HELP_LESSONS, QT_TRANSLATE_NOOP("CMainFrame", "範例課程(&L)...")}};
}

const std::vector<Menu> &MainMenu()
{
    static const std::vector<Menu> menus = {
        {QT_TRANSLATE_NOOP("CMainFrame", "檔案(&F)"),
         {{ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "開啟新檔(&N)\tCtrl+N")},
          {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "開啟舊檔(&O)...\tCtrl+O")},
          {0, nullptr},
          {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "列印設定(&R)...")},
          {0, nullptr},
          {kRecentFiles, QT_TRANSLATE_NOOP("CMainFrame", "最近開啟檔案")},
          {0, nullptr},
          {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "結束(&X)")},
          {0, nullptr},
          {ID_FILE_RUN_SCRIPT, QT_TRANSLATE_NOOP("CMainFrame", "執行腳本(&R)...")},
          {ID_FILE_STOP_SCRIPT, QT_TRANSLATE_NOOP("CMainFrame", "停止腳本(&T)\tEsc")}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "檢視(&V)"), {{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "工具列(&T)")}, {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "狀態列(&S)")},
          {0, nullptr},
          {ID_VIEW_FULL_SCREEN, QT_TRANSLATE_NOOP("CMainFrame", "全螢幕(&U)\tF11")},
          {kLanguageMenu, QT_TRANSLATE_NOOP("CMainFrame", "語言(&L)")}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "說明(&H)"), HelpItems()},
    };
    return menus;
}

const std::vector<Menu> &DocumentMenu()
{
    static const std::vector<Menu> menus = {
        {QT_TRANSLATE_NOOP("CMainFrame", "檔案(&F)"),
         {{ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "開啟新檔(&N)\tCtrl+N")},
          {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "開啟舊檔(&O)...\tCtrl+O")},
          {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CMainFrame", "關閉檔案(&C)")},
          {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "儲存檔案(&S)\tCtrl+S")},
          {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "另存新檔(&A)...")},
          {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("CMainFrame", "匯出圖片(&E)...")},
          {ID_FILE_EXPORT_RUN, QT_TRANSLATE_NOOP("CMainFrame", "匯出動畫(&M)...")},
          {0, nullptr},
          {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "列印(&P)...\tCtrl+P")},
          {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "預覽列印(&V)")},
          {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "列印設定(&R)")},
          {0, nullptr},
          {kRecentFiles, QT_TRANSLATE_NOOP("CMainFrame", "最近開啟檔案")},
          {0, nullptr},
          {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "結束(&X)")},
          {0, nullptr},
          {ID_FILE_RUN_SCRIPT, QT_TRANSLATE_NOOP("CMainFrame", "執行腳本(&R)...")},
          {ID_FILE_STOP_SCRIPT, QT_TRANSLATE_NOOP("CMainFrame", "停止腳本(&T)\tEsc")},
          {ID_FILE_SAVE_SCRIPT, QT_TRANSLATE_NOOP("CMainFrame", "另存為腳本(&W)...")}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "編輯(&E)"),
         {{ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CMainFrame", "復原(&U)\tCtrl+Z")},
          {0, nullptr},
          {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CMainFrame", "剪下(&T)\tCtrl+X")},
          {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CMainFrame", "複製(&C)\tCtrl+C")},
          {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CMainFrame", "貼上(&P)\tCtrl+V")}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "檢視(&V)"), {{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "工具列(&T)")}, {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "狀態列(&S)")},
          {0, nullptr},
          {ID_VIEW_ARRAY, QT_TRANSLATE_NOOP("CMainFrame", "陣列(&A)")},
          {ID_VIEW_CODE, QT_TRANSLATE_NOOP("CMainFrame", "程式碼(&O)")},
          {ID_VIEW_PRACTICE, QT_TRANSLATE_NOOP("CMainFrame", "練習模式(&R)\tF8")},
          {ID_PRACTICE_HINT, QT_TRANSLATE_NOOP("CMainFrame", "提示(&H)\tShift+F8")},
          {ID_NODE_GOTO, QT_TRANSLATE_NOOP("CMainFrame", "跳至節點(&G)...\tCtrl+G")},
          {0, nullptr},
          {ID_VIEW_FIT, QT_TRANSLATE_NOOP("CMainFrame", "整棵樹放進視窗(&I)\tCtrl+Shift+F")},
          {ID_VIEW_FIT_FOLLOW, QT_TRANSLATE_NOOP("CMainFrame", "跟著視窗(&W)")},
          {ID_VIEW_NODE_COUNT, QT_TRANSLATE_NOOP("CMainFrame", "節點數(&N)...")},
          {0, nullptr},
          {ID_VIEW_TEXT_LARGER, QT_TRANSLATE_NOOP("CMainFrame", "文字放大(&Z)\tCtrl+Shift+=")},
          {ID_VIEW_TEXT_SMALLER, QT_TRANSLATE_NOOP("CMainFrame", "文字縮小(&M)\tCtrl+Shift+-")},
          {ID_VIEW_TEXT_RESET, QT_TRANSLATE_NOOP("CMainFrame", "文字原來大小(&E)")},
          {ID_VIEW_INDICES, QT_TRANSLATE_NOOP("CMainFrame", "顯示節點編號(&D)")},
          {kPaletteMenu, QT_TRANSLATE_NOOP("CMainFrame", "配色(&C)")},
          {ID_VIEW_SPEAK, QT_TRANSLATE_NOOP("CMainFrame", "朗讀(&K)")},
          {0, nullptr},
          {ID_VIEW_FULL_SCREEN, QT_TRANSLATE_NOOP("CMainFrame", "全螢幕(&U)\tF11")},
          {ID_VIEW_PRESENT, QT_TRANSLATE_NOOP("CMainFrame", "簡報模式(&P)\tF5")},
          {kLanguageMenu, QT_TRANSLATE_NOOP("CMainFrame", "語言(&L)")}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "視窗(&W)"),
         {{ID_WINDOW_NEW, QT_TRANSLATE_NOOP("CMainFrame", "新增視窗(&N)")},
          {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("CMainFrame", "重疊顯示(&C)")},
          {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("CMainFrame", "並排顯示(&T)")},
          {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("CMainFrame", "排列圖示(&A)")},
          {ID_WINDOW_SPLIT, QT_TRANSLATE_NOOP("CMainFrame", "分割(&P)")},
          {kWindowList, nullptr}}},
        {QT_TRANSLATE_NOOP("CMainFrame", "Winner Tree"), {{ID_WINNER_TREE, QT_TRANSLATE_NOOP("CMainFrame", "Winner_Tree")}, {ID_WINNER_GO, QT_TRANSLATE_NOOP("CMainFrame", "Go")}, {ID_WINNER_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "Exit")},
          {0, nullptr},
          {ID_WINNER_PAUSE, QT_TRANSLATE_NOOP("CMainFrame", "暫停(&P)\tSpace")},
          {ID_WINNER_STEP, QT_TRANSLATE_NOOP("CMainFrame", "下一步(&N)\tCtrl+Right")},
          {ID_WINNER_BACK, QT_TRANSLATE_NOOP("CMainFrame", "上一步(&B)\tCtrl+Left")},
          {ID_WINNER_RESTART, QT_TRANSLATE_NOOP("CMainFrame", "從頭開始(&R)\tCtrl+Home")},
          {ID_WINNER_END, QT_TRANSLATE_NOOP("CMainFrame", "直接看結果(&E)\tCtrl+End")},
          {kTableGroup, nullptr, 10},
          {0, nullptr},
          {ID_WINNER_FASTER, QT_TRANSLATE_NOOP("CMainFrame", "加快(&F)\tCtrl+]")},
          {ID_WINNER_SLOWER, QT_TRANSLATE_NOOP("CMainFrame", "放慢(&S)\tCtrl+[")},
          {kTableGroups, nullptr, 11}}},
        {kTableMenus, {}},
        {QT_TRANSLATE_NOOP("CMainFrame", "說明(&H)"), HelpItems()},
    };
    return menus;
}

// The accelerator table.
const std::vector<std::pair<int, QKeySequence>> &Accelerators()
{
    static const std::vector<std::pair<int, QKeySequence>> keys = {
        {ID_FILE_NEW, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ID_FILE_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {ID_FILE_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {ID_EDIT_UNDO, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {ID_EDIT_CUT, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {ID_EDIT_COPY, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {ID_EDIT_PASTE, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {ID_EDIT_UNDO, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {ID_EDIT_CUT, QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {ID_EDIT_COPY, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {ID_EDIT_PASTE, QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        {ID_NEXT_PANE, QKeySequence(Qt::Key_F6)},
        {ID_PREV_PANE, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {ID_WINNER_PAUSE, QKeySequence(Qt::Key_Space)},
        {ID_WINNER_STEP, QKeySequence(Qt::CTRL | Qt::Key_Right)},
        {ID_WINNER_BACK, QKeySequence(Qt::CTRL | Qt::Key_Left)},
        {ID_WINNER_RESTART, QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {ID_WINNER_END, QKeySequence(Qt::CTRL | Qt::Key_End)},
        {ID_WINNER_FASTER, QKeySequence(Qt::CTRL | Qt::Key_BracketRight)},
        {ID_WINNER_SLOWER, QKeySequence(Qt::CTRL | Qt::Key_BracketLeft)},
        {ID_NODE_GOTO, QKeySequence(Qt::CTRL | Qt::Key_G)},
        {ID_VIEW_FULL_SCREEN, QKeySequence(Qt::Key_F11)},
        {ID_VIEW_PRESENT, QKeySequence(Qt::Key_F5)},
        {ID_VIEW_PRACTICE, QKeySequence(Qt::Key_F8)},
        {ID_PRACTICE_HINT, QKeySequence(Qt::SHIFT | Qt::Key_F8)},
        {ID_FILE_STOP_SCRIPT, QKeySequence(Qt::Key_Escape)},
        {ID_VIEW_FIT, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
        // Shift turns = into + and - into _ on most keyboards: both are taken.
        {ID_VIEW_TEXT_LARGER, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal)},
        {ID_VIEW_TEXT_LARGER, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
        {ID_VIEW_TEXT_SMALLER, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Minus)},
        {ID_VIEW_TEXT_SMALLER, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Underscore)},
    };
    return keys;
}

// The toolbar: commands in order with their pictures, id 0 for a separator;
// ID_ZOOM_COMBO gives way to the zoom combo box.
struct ToolbarButton {
    int id;
    ToolbarGlyph glyph;
};
const std::vector<ToolbarButton> &ToolbarButtons()
{
    static const std::vector<ToolbarButton> buttons = {
        {ID_FILE_NEW, kGlyphNew}, {ID_FILE_OPEN, kGlyphOpen}, {ID_FILE_SAVE, kGlyphSave}, {0, {}},
        {ID_EDIT_CUT, kGlyphCut}, {ID_EDIT_COPY, kGlyphCopy}, {ID_EDIT_PASTE, kGlyphPaste}, {0, {}},
        {ID_FILE_PRINT, kGlyphPrint}, {0, {}}, {ID_APP_ABOUT, kGlyphAbout}, {0, {}},
        {ID_MODE_SELECT, kGlyphSelectMode}, {ID_MODE_PAN, kGlyphPanMode}, {0, {}}, {ID_ZOOM_COMBO, kGlyphZoomSlot},
        {0, {}}, {ID_ZOOM_OUT_X, kGlyphNarrower}, {ID_ZOOM_IN_X, kGlyphWider}, {ID_ZOOM_OUT_Y, kGlyphShorter},
        {ID_ZOOM_IN_Y, kGlyphTaller}, {ID_ZOOM_OUT, kGlyphSmaller}, {ID_ZOOM_IN, kGlyphLarger}, {0, {}},
        {ID_NODE_ADD, kGlyphNodeAdd}, {ID_NODE_REMOVE, kGlyphNodeRemove}, {0, {}},
        {ID_NODE_NARROWER, kGlyphBoxNarrower}, {ID_NODE_WIDER, kGlyphBoxWider},
        {ID_NODE_SHORTER, kGlyphBoxShorter}, {ID_NODE_TALLER, kGlyphBoxTaller}};
    return buttons;
}

// The run toolbar, the player's buttons with their pictures' names:
// 0 is a separator, kSpeedLabel the label showing the speed, kStepSlider the
// slider of the step shown. The algorithms' buttons follow, an algorithm's
// after a separator.
const int kSpeedLabel = -1;
const int kStepSlider = -2;
const std::vector<std::pair<int, const char *>> &RunButtons()
{
    static const std::vector<std::pair<int, const char *>> buttons = {
        {ID_WINNER_PAUSE, "pause"}, {ID_WINNER_STEP, "step"}, {ID_WINNER_BACK, "back"}, {ID_WINNER_RESTART, "restart"},
        {ID_WINNER_END, "end"},     {kStepSlider, nullptr},   {0, nullptr},            {ID_WINNER_SLOWER, "slower"},
        {kSpeedLabel, nullptr},     {ID_WINNER_FASTER, "faster"}};
    return buttons;
}

QString SpeedText(double speed)
{
    return speed >= 1 ? QString::asprintf("%g×", speed) : QString::asprintf("1/%g×", 1 / speed);
}

const int kSizePaneWidth = 60;
const int kComboWidth = 70;
const int kComboHeight = 150;
// The longest recent-file entry before its directories are shortened.
const int kMaxRecentFileChars = 30;

// A recent file as the menu shows it: the name alone in the current
// directory; elsewhere the path, with directories after the root left out
// ("/.../dir/name") while it is too long, and at least the name.
QString AbbreviatedName(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.absolutePath() == QDir::currentPath())
        return info.fileName();
    if (native.size() <= kMaxRecentFileChars)
        return native;
    QStringList parts = native.split(QDir::separator());
    const QString root = parts.takeFirst() + QDir::separator() + "...";
    while (parts.size() > 1) {
        parts.removeFirst();
        const QString shortened = root + QDir::separator() + parts.join(QDir::separator());
        if (shortened.size() <= kMaxRecentFileChars)
            return shortened;
    }
    return info.fileName();
}

} // namespace

CStatusBar::CStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    // The idle message is an ordinary widget, hidden while a prompt shows.
    m_idle = new QLabel(LoadString(AFX_IDS_IDLEMESSAGE), this);
    m_size = new QLabel(this);
    m_size->setFixedWidth(kSizePaneWidth);
    m_size->setFrameShape(QFrame::Panel);
    m_size->setFrameShadow(QFrame::Sunken);
    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("practiceScore"));
    m_score->hide();
    addWidget(m_idle, 1);
    addPermanentWidget(m_score);
    addPermanentWidget(m_size);
    connect(this, &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (!message.isEmpty())
            ShowIdleMessage(true);
    });
}

// The pane keeps its narrow width; a size wider than it is read whole in
// its tooltip.
void CStatusBar::SetSizeText(const QString &text)
{
    m_size->setText(text);
    m_size->setToolTip(text);
    m_size->repaint();
}

// The messages and the score take the font; the size pane, 60 pixels wide,
// keeps the interface's.
void CStatusBar::SetMessageFont(const QFont &font)
{
    QFont interfaceFont = QApplication::font();
    interfaceFont.setResolveMask(QFont::AllPropertiesResolved); // not inherited from the bar
    m_size->setFont(interfaceFont);
    setFont(font);
}

void CStatusBar::SetScoreText(const QString &text)
{
    m_score->setText(text);
    m_score->setVisible(!text.isEmpty());
}

void CStatusBar::ShowIdleMessage(bool show)
{
    m_idle->setText(show ? LoadString(AFX_IDS_IDLEMESSAGE) : QString());
}

QString CStatusBar::GetPaneText(int index) const
{
    if (index == 1)
        return m_size->text();
    return currentMessage().isEmpty() ? m_idle->text() : currentMessage();
}

CComboToolBar::CComboToolBar(QWidget *parent) : QToolBar(parent) {}

// When a dialog or a menu of the program closes and nothing has taken the
// keyboard (no window manager gives it back, or the focus went with the
// closed window), the main window and its active view take it again, so
// that the keys answer without a click.
class CMainFrame::FocusKeeper : public QObject {
public:
    explicit FocusKeeper(CMainFrame *frame) : QObject(frame), m_frame(frame) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && (qobject_cast<QDialog *>(watched) || qobject_cast<QMenu *>(watched)) &&
            static_cast<QWidget *>(watched)->isWindow())
            QTimer::singleShot(0, this, [this] { Regain(); });
        return false;
    }

private:
    void Regain()
    {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || !m_frame->isVisible())
            return;
        if (!QApplication::activeWindow())
            m_frame->activateWindow();
        if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != m_frame)
            if (CZarniView *view = m_frame->GetActiveView())
                view->setFocus(Qt::OtherFocusReason);
    }

    CMainFrame *m_frame;
};

CMainFrame::CMainFrame()
{
    // The window's size before creation; position and style stay the default.
    resize(800, 600);
    setWindowTitle(LoadString(IDR_MAINFRAME));
    setWindowIcon(ZarniIcon(IDR_MAINFRAME));
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { OnActiveChildChanged(); });
    new FocusKeeper(this);
    CreateActions();

    OnCommand(ID_VIEW_TOOLBAR, [this] { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); });
    OnUpdateCommand(ID_VIEW_TOOLBAR, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_wndToolBar && !m_wndToolBar->isHidden());
    });
    OnCommand(ID_VIEW_STATUS_BAR, [this] { m_wndStatusBar->setVisible(!m_wndStatusBar->isVisible()); });
    OnUpdateCommand(ID_VIEW_STATUS_BAR, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_wndStatusBar && !m_wndStatusBar->isHidden());
    });
    RegisterAlgorithmCommands();
    OnCommand(ID_NODE_GOTO, [this] {
        if (CZarniView *view = GetActiveView())
        {
            CGotoDlg dialog(view, this);
            ExecInTextSize(dialog);
        }
    });
    OnCommand(ID_VIEW_PRACTICE, [this] { SetPractice(!m_bPractice); });
    OnUpdateCommand(ID_VIEW_PRACTICE, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_bPractice);
    });
    OnCommand(ID_VIEW_TEXT_LARGER, [this] { ChooseTextSize(m_nTextSize + 1); });
    OnCommand(ID_VIEW_TEXT_SMALLER, [this] { ChooseTextSize(m_nTextSize - 1); });
    OnCommand(ID_VIEW_TEXT_RESET, [this] { ChooseTextSize(DefaultTextSize()); });
    OnUpdateCommand(ID_VIEW_TEXT_LARGER, [this](CCmdUI *ui) { ui->Enable(m_nTextSize < kLargestText); });
    OnUpdateCommand(ID_VIEW_TEXT_SMALLER, [this](CCmdUI *ui) { ui->Enable(m_nTextSize > kSmallestText); });
    OnUpdateCommand(ID_VIEW_TEXT_RESET, [this](CCmdUI *ui) { ui->Enable(m_nTextSize != DefaultTextSize()); });
    OnCommand(ID_VIEW_INDICES, [this] {
        SetShowIndices(!m_bShowIndices);
        emit IndicesChosen(m_bShowIndices);
    });
    OnUpdateCommand(ID_VIEW_INDICES, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_bShowIndices);
    });
    for (const Palette &palette : Palettes()) {
        const Palette *chosen = &palette;
        OnCommand(palette.command, [this, chosen] {
            SetPalette(*chosen);
            emit PaletteChosen(QString::fromLatin1(chosen->name));
        });
        OnUpdateCommand(palette.command, [chosen](CCmdUI *ui) {
            ui->Enable();
            ui->SetCheck(&CurrentPalette() == chosen);
        });
    }
    OnCommand(ID_VIEW_NODE_COUNT, [this] { AskNodeCount(); });
    OnCommand(ID_VIEW_PRESENT, [this] { m_pPresenter->SetOn(!m_pPresenter->On()); });
    OnCommand(ID_HELP_LESSONS, [this] { ShowStartPage(true); });
    OnUpdateCommand(ID_VIEW_PRESENT, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_pPresenter && m_pPresenter->On());
    });
    OnCommand(ID_VIEW_SPEAK, [this] {
        m_pSpeaker->SetOn(!m_pSpeaker->On());
        emit SpeakChosen(m_pSpeaker->On());
    });
    OnUpdateCommand(ID_VIEW_SPEAK, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(m_pSpeaker && m_pSpeaker->On());
    });
    OnCommand(ID_VIEW_FULL_SCREEN, [this] { ShowFullScreen(!isFullScreen()); });
    OnUpdateCommand(ID_VIEW_FULL_SCREEN, [this](CCmdUI *ui) {
        ui->Enable();
        ui->SetCheck(isFullScreen());
    });
    for (int id : {ID_VIEW_ARRAY, ID_VIEW_CODE}) {
        OnCommand(id, [this, id] { ShowPanel(id, Panel(id)->isHidden()); });
        OnUpdateCommand(id, [this, id](CCmdUI *ui) {
            ui->Enable();
            ui->SetCheck(Panel(id) && !Panel(id)->isHidden());
        });
    }
    for (int id : {ID_NODE_GOTO, ID_VIEW_NODE_COUNT})
        OnUpdateCommand(id, [this](CCmdUI *ui) { ui->Enable(GetActiveView() != nullptr); });
    OnCommand(ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    OnCommand(ID_WINDOW_TILE_HORZ, [this] { m_pMdiArea->tileSubWindows(); });
    OnCommand(ID_WINDOW_ARRANGE, [this] {
        // Minimised document windows line up along the bottom.
        int x = 0;
        for (CChildFrame *child : ChildFrames()) {
            if (!child->isMinimized())
                continue;
            child->move(x, m_pMdiArea->viewport()->height() - child->height());
            x += child->width();
        }
    });

    for (int i = 0; i <= kMaxWindowMenuEntries; ++i) {
        const int id = AFX_IDM_FIRST_MDICHILD + i;
        if (id == ID_WINDOW_MORE_WINDOWS) {
            OnCommand(id, [this] { OnMoreWindows(); });
            OnUpdateCommand(id, [this](CCmdUI *ui) { ui->Enable(ChildFrames().size() > kMaxWindowMenuEntries); });
            continue;
        }
        OnCommand(id, [this, i] {
            const QList<CChildFrame *> frames = ChildFrames();
            if (i < frames.size())
                m_pMdiArea->setActiveSubWindow(frames[i]);
        });
        OnUpdateCommand(id, [this, i](CCmdUI *ui) {
            const QList<CChildFrame *> frames = ChildFrames();
            ui->Enable(i < frames.size());
            ui->SetCheck(i < frames.size() && frames[i] == ActiveChild());
        });
    }
    // The platform's keys for the next and the previous document window.
    auto *nextWindow = new QAction(this);
    nextWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    connect(nextWindow, &QAction::triggered, m_pMdiArea, &QMdiArea::activateNextSubWindow);
    auto *previousWindow = new QAction(this);
    previousWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    connect(previousWindow, &QAction::triggered, m_pMdiArea, &QMdiArea::activatePreviousSubWindow);
    addActions({nextWindow, previousWindow});

    // Commands show their state afresh whenever it can have changed: a
    // window or pane activated (focus moves with it), a command run, a menu
    // about to show, the toolbar hidden from its own context menu.
    // Focus also moves while a pane is being destroyed: the update waits
    // for the event loop.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandUISoon(); });
}

void CMainFrame::UpdateCommandUISoon()
{
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QMetaObject::invokeMethod(this, [this] {
        m_bUpdatePending = false;
        UpdateCommandUI();
    }, Qt::QueuedConnection);
}

CMainFrame::~CMainFrame()
{
    // The document windows go while the frame can still answer them.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    for (QObject *panel : {static_cast<QObject *>(m_arrayPanel), static_cast<QObject *>(m_codePanel)})
        if (panel)
            disconnect(panel, nullptr, this, nullptr);
    const QList<QMdiSubWindow *> windows = m_pMdiArea->subWindowList();
    for (QMdiSubWindow *window : windows)
        disconnect(window, nullptr, this, nullptr);
    qDeleteAll(windows);
}

CMainFrame *CMainFrame::Get()
{
    return dynamic_cast<CMainFrame *>(AfxGetMainWnd());
}

void CMainFrame::CreateActions()
{
    auto add = [this](int id) {
        if (m_actions.contains(id))
            return;
        auto *action = new QAction(this);
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        connect(action, &QAction::hovered, this, [this, action] { OnActionHovered(action); });
        addAction(action);
        m_actions.insert(id, action);
    };
    for (const auto *menus : {&MainMenu(), &DocumentMenu()})
        for (const Menu &menu : *menus)
            for (const MenuItem &item : menu.items)
                if (item.id > 0)
                    add(item.id);
    for (const ToolbarButton &button : ToolbarButtons())
        if (button.id && button.id != ID_ZOOM_COMBO)
            add(button.id);
    for (const auto &[id, glyph] : RunButtons())
        if (id > 0)
            add(id);
    for (const CommandEntry &command : AlgorithmCommands())
        add(command.value);
    // Each language is named in its own.
    auto *languages = new QActionGroup(this);
    for (const Language &language : Languages()) {
        add(language.command);
        m_actions[language.command]->setText(QString::fromUtf8(language.name));
        m_actions[language.command]->setCheckable(true);
        languages->addAction(m_actions[language.command]);
    }
    auto *palettes = new QActionGroup(this);
    for (const Palette &palette : Palettes()) {
        add(palette.command);
        m_actions[palette.command]->setCheckable(true);
        palettes->addAction(m_actions[palette.command]);
    }
    add(ID_VIEW_SPEAK);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        add(id);
    for (int id = AFX_IDM_FIRST_MDICHILD; id <= ID_WINDOW_MORE_WINDOWS; ++id)
        add(id);
    QHash<int, QList<QKeySequence>> keys;
    for (const auto &[id, key] : Accelerators()) {
        add(id);
        keys[id] << key;
    }
    for (const CommandEntry &command : AlgorithmCommands())
        if (command.keys)
            keys[command.value] << QKeySequence(QString::fromLatin1(command.keys), QKeySequence::PortableText);
    for (auto it = keys.begin(); it != keys.end(); ++it)
        m_actions[it.key()]->setShortcuts(it.value());
    for (int id : std::initializer_list<int>{ID_MODE_SELECT, ID_MODE_PAN, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR,
                                             ID_WINNER_PAUSE, ID_VIEW_ARRAY, ID_VIEW_CODE, ID_VIEW_PRACTICE,
                                             ID_VIEW_FULL_SCREEN, ID_VIEW_FIT_FOLLOW, ID_VIEW_INDICES, ID_VIEW_PRESENT,
                                             ID_VIEW_SPEAK})
        m_actions[id]->setCheckable(true);
    for (const CommandEntry &command : AlgorithmCommands())
        m_actions[command.value]->setCheckable(bool(command.checked));
    auto *modes = new QActionGroup(this);
    modes->addAction(m_actions[ID_MODE_SELECT]);
    modes->addAction(m_actions[ID_MODE_PAN]);
    for (int id = AFX_IDM_FIRST_MDICHILD; id < ID_WINDOW_MORE_WINDOWS; ++id)
        m_actions[id]->setCheckable(true);
    SetActionTexts();
}

// The texts of the actions not shown in a menu's own table: prompts, tips.
void CMainFrame::SetActionTexts()
{
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        it.value()->setStatusTip(PromptDescription(it.key()));
        it.value()->setToolTip(PromptTooltip(it.key()));
    }
    for (const CommandEntry &command : AlgorithmCommands()) {
        const QString prompt = Words(command.prompt);
        m_actions[command.value]->setText(Words(command.text));
        m_actions[command.value]->setStatusTip(prompt.section('\n', 0, 0));
        m_actions[command.value]->setToolTip(prompt.section('\n', 1, 1));
    }
    for (int id = AFX_IDM_FIRST_MDICHILD; id <= ID_WINDOW_MORE_WINDOWS; ++id)
        m_actions[id]->setStatusTip(LoadString(AFX_IDS_MDICHILD));
    m_actions[ID_WINDOW_MORE_WINDOWS]->setText(tr("更多視窗(&M)..."));
    for (const Palette &palette : Palettes())
        m_actions[palette.command]->setText(QCoreApplication::translate("Palette", palette.title));
}

// What a screen reader calls each control: a button by its tooltip or its
// prompt (the tree commands with neither by a name of their own), the
// slider and the combo box by what they choose.
void CMainFrame::NameControls()
{
    static const std::pair<int, const char *> unprompted[] = {
        {ID_MODE_SELECT, QT_TRANSLATE_NOOP("CMainFrame", "框選節點")},
        {ID_MODE_PAN, QT_TRANSLATE_NOOP("CMainFrame", "拖動畫布")},
        {ID_NODE_NARROWER, QT_TRANSLATE_NOOP("CMainFrame", "方框變窄")},
        {ID_NODE_WIDER, QT_TRANSLATE_NOOP("CMainFrame", "方框變寬")},
        {ID_NODE_SHORTER, QT_TRANSLATE_NOOP("CMainFrame", "方框變矮")},
        {ID_NODE_TALLER, QT_TRANSLATE_NOOP("CMainFrame", "方框變高")}};
    for (QToolBar *bar : {static_cast<QToolBar *>(m_wndToolBar), m_runBar})
        for (QAction *action : bar->actions()) {
            QWidget *control = bar->widgetForAction(action);
            const int id = m_actions.key(action, 0);
            if (!control || action->isSeparator() || !id)
                continue;
            QString name = PromptTooltip(id).isEmpty() ? PromptDescription(id) : PromptTooltip(id);
            for (const auto &[command, text] : unprompted)
                if (command == id)
                    name = tr(text);
            control->setAccessibleName(name);
        }
    m_stepSlider->setAccessibleName(tr("執行到第幾步"));
    m_speedLabel->setAccessibleName(tr("播放速度"));
    m_wndToolBar->m_wndZoomCombo->setAccessibleName(tr("縮放倍數"));
    m_pMdiArea->setAccessibleName(tr("文件視窗"));
}

// Every text again in the language now chosen.
void CMainFrame::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !m_wndStatusBar)
        return;
    SetActionTexts();
    BuildMenuBar(m_nMenuId);
    if (m_recentPlaceholder)
        m_recentPlaceholder->setText(tr("最近開啟檔案"));
    m_runBar->setWindowTitle(tr("執行"));
    m_speedLabel->setToolTip(tr("播放速度"));
    m_stepSlider->setToolTip(tr("執行到第幾步"));
    m_wndToolBar->m_wndZoomCombo->setStatusTip(LoadString(IDC_ZOOM_COMBO));
    m_wndStatusBar->ShowIdleMessage(true);
    NameControls();
    UpdateTitle();
    UpdateCommandUI();
}

// Nothing here can fail short of memory, which throws.
void CMainFrame::OnCreate()
{
    setAcceptDrops(true);
    CreateToolBar();
    CreateStatusBar();
    m_wndStatusBar->SetSizeText(QStringLiteral("800 * 600"));
    CreateZoomCombo();
    // Shown when an algorithm's record starts (a merge's); until then the
    // document windows keep the whole client area.
    m_recordPanel = new CRecordPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_recordPanel);
    m_recordPanel->hide();
    m_arrayPanel = new CArrayPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_arrayPanel);
    connect(m_arrayPanel, &CArrayPanel::RelationShown, m_wndStatusBar, [this](const QString &text) {
        text.isEmpty() ? m_wndStatusBar->clearMessage() : m_wndStatusBar->showMessage(text);
    });
    m_codePanel = new CCodePanel(this);
    addDockWidget(Qt::RightDockWidgetArea, m_codePanel);
    for (int id : {ID_VIEW_ARRAY, ID_VIEW_CODE}) {
        Panel(id)->hide();
        // Shown or closed from its own title bar as from the menu; the
        // window's own hiding is not the user's choice.
        connect(Panel(id), &QDockWidget::visibilityChanged, this, [this, id] {
            if (isVisible())
                emit PanelChosen(id, !Panel(id)->isHidden());
            UpdateCommandUISoon();
        });
    }
    m_pPresenter = new CPresenter(this);
    m_pSpeaker = new CSpeaker(this);
    m_pStartPage = new CStartPage(this);
    NameControls();
    BuildMenuBar(IDR_MAINFRAME);
    UpdateCommandUI();
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = new CComboToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->setMovable(true);
    for (const auto &[id, glyph] : ToolbarButtons()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        const QIcon icon(QPixmap::fromImage(ToolbarImage(glyph)));
        if (id == ID_ZOOM_COMBO) {
            m_pZoomSlot = m_wndToolBar->addSeparator(); // the slot the combo box takes
        } else {
            m_actions[id]->setIcon(icon);
            m_wndToolBar->addAction(m_actions[id]);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, [this] { UpdateCommandUISoon(); });
    CreateRunToolBar();
    for (QToolButton *button : m_wndToolBar->findChildren<QToolButton *>())
        button->installEventFilter(this);
}

void CMainFrame::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    KeepToolBarsWhole();
}

// The two toolbars share a row at the top while both fit whole; otherwise
// the second starts a row of its own, so that no button hides behind ».
void CMainFrame::KeepToolBarsWhole()
{
    if (!m_runBar || toolBarArea(m_wndToolBar) != Qt::TopToolBarArea ||
        toolBarArea(m_runBar) != Qt::TopToolBarArea || m_wndToolBar->isFloating() ||
        m_runBar->isFloating())
        return;
    const bool fit = m_wndToolBar->sizeHint().width() + m_runBar->sizeHint().width() <= width();
    if (fit == !toolBarBreak(m_runBar))
        return;
    if (fit)
        removeToolBarBreak(m_runBar);
    else
        insertToolBarBreak(m_runBar);
}

// A second toolbar, dockable like the first, for driving the runs.
void CMainFrame::CreateRunToolBar()
{
    m_runBar = new QToolBar(tr("執行"), this);
    // The old name, so that the layouts users saved still restore.
    m_runBar->setObjectName(QStringLiteral("tournamentBar"));
    m_runBar->setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    for (const auto &[id, glyph] : RunButtons()) {
        if (id == 0) {
            m_runBar->addSeparator();
        } else if (id == kSpeedLabel) {
            m_speedLabel = new QLabel(SpeedText(1), m_runBar);
            m_speedLabel->setObjectName(QStringLiteral("speedLabel"));
            m_speedLabel->setToolTip(tr("播放速度"));
            m_runBar->addWidget(m_speedLabel);
        } else if (id == kStepSlider) {
            m_stepSlider = new QSlider(Qt::Horizontal, m_runBar);
            m_stepSlider->setObjectName(QStringLiteral("stepSlider"));
            m_stepSlider->setToolTip(tr("執行到第幾步"));
            m_stepSlider->setFixedWidth(140);
            // Seeks while it is dragged, so that the picture follows.
            connect(m_stepSlider, &QSlider::valueChanged, this, [this](int step) {
                if (CZarniView *view = GetActiveView())
                    view->SeekRun(step);
            });
            m_runBar->addWidget(m_stepSlider);
        } else {
            m_actions[id]->setIcon(QIcon(QPixmap::fromImage(RunToolbarImage(glyph))));
            m_runBar->addAction(m_actions[id]);
        }
    }
    int entry = -1;
    for (const CommandEntry &command : AlgorithmCommands()) {
        if (!command.glyph)
            continue;
        if (command.entry != entry)
            m_runBar->addSeparator();
        entry = command.entry;
        m_actions[command.value]->setIcon(QIcon(QPixmap::fromImage(RunToolbarImage(command.glyph))));
        m_runBar->addAction(m_actions[command.value]);
    }
    addToolBar(Qt::TopToolBarArea, m_runBar);
    for (QToolButton *button : m_runBar->findChildren<QToolButton *>())
        button->installEventFilter(this);
}

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new CStatusBar(this);
    setStatusBar(m_wndStatusBar);
}

// The combo box takes the toolbar's item 15, a gap 70 pixels wide.
void CMainFrame::CreateZoomCombo()
{
    QAction *slot = m_pZoomSlot;
    auto *combo = new QComboBox(m_wndToolBar);
    combo->setObjectName(QStringLiteral("zoomCombo"));
    combo->setFixedWidth(kComboWidth);
    // A list view popup keeps to the visible-item limit in every style, so
    // the open list fits the combo box's 150-pixel rectangle.
    combo->setView(new QListView(combo));
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo->setMaxVisibleItems((kComboHeight - combo->sizeHint().height()) / std::max(1, combo->fontMetrics().height() + 2));
    combo->setStatusTip(LoadString(IDC_ZOOM_COMBO));
    for (int n = 20; n >= 1; --n)
        combo->addItem(QString::asprintf("%dx", n));
    for (int n = 1; n <= 10; ++n)
        combo->addItem(QString::asprintf("1/%dx", 2 * n));
    combo->setCurrentIndex(19);
    // Every pick applies, also of the item already shown, to the active view.
    connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this](int index) { PickZoom(index); });
    m_wndToolBar->insertWidget(slot, combo);
    m_wndToolBar->removeAction(slot);
    m_wndToolBar->m_wndZoomCombo = combo;
}

void CMainFrame::BuildMenuBar(int menuId)
{
    m_nMenuId = menuId;
    QMenuBar *bar = menuBar();
    bar->clear();
    // The menus go later: one of them may be the menu whose item closed the
    // last document window and so brought us here.
    for (QMenu *menu : std::as_const(m_menus))
        menu->deleteLater();
    m_menus.clear();
    m_windowListSeparator = nullptr;
    for (const Menu &menu : menuId == IDR_MAINFRAME ? MainMenu() : DocumentMenu()) {
        if (menu.title == kTableMenus) { // the algorithms' own menus, in the table's order
            QStringList titles;
            for (const CommandEntry &command : AlgorithmCommands())
                if (!titles.contains(QString::fromUtf8(command.menu)) && !std::any_of(DocumentMenu().begin(), DocumentMenu().end(),
                        [&](const Menu &m) { return m.title != kTableMenus && qstrcmp(m.title, command.menu) == 0; }))
                    titles << QString::fromUtf8(command.menu);
            for (const QString &title : titles) {
                QMenu *popup = bar->addMenu(QCoreApplication::translate("CMainFrame", title.toUtf8().constData()));
                m_menus << popup;
                AddTableMenu(popup, title, 0);
                connect(popup, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
                connect(popup, &QMenu::aboutToHide, this, [this] { m_wndStatusBar->ShowIdleMessage(true); });
            }
            continue;
        }
        QMenu *popup = bar->addMenu(tr(menu.title));
        m_menus << popup;
        for (const MenuItem &item : menu.items) {
            if (item.id == kTableGroup || item.id == kTableGroups) {
                for (const CommandEntry &command : AlgorithmCommands())
                    if (command.group == item.group && qstrcmp(command.menu, menu.title) == 0)
                        popup->addAction(m_actions[command.value]);
                if (item.id == kTableGroups)
                    AddTableMenu(popup, QString::fromUtf8(menu.title), item.group);
            } else if (item.id == 0) {
                popup->addSeparator();
            } else if (item.id == kRecentFiles) {
                AddRecentFiles(popup);
            } else if (item.id == kLanguageMenu || item.id == kPaletteMenu) { // one of a table's rows
                QMenu *choices = popup->addMenu(tr(item.text));
                if (item.id == kLanguageMenu)
                    for (const Language &language : Languages())
                        choices->addAction(m_actions[language.command]);
                else
                    for (const Palette &palette : Palettes())
                        choices->addAction(m_actions[palette.command]);
                connect(choices, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
            } else if (item.id == kWindowList) {
                m_windowListSeparator = popup->addSeparator();
                for (int id = AFX_IDM_FIRST_MDICHILD; id <= ID_WINDOW_MORE_WINDOWS; ++id)
                    popup->addAction(m_actions[id]);
                RefreshWindowList();
            } else {
                m_actions[item.id]->setText(tr(item.text));
                popup->addAction(m_actions[item.id]);
            }
        }
        connect(popup, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
        connect(popup, &QMenu::aboutToHide, this, [this] { m_wndStatusBar->ShowIdleMessage(true); });
    }
}

// The algorithms' commands of a menu in groups from the first given on, each
// group after a separator.
void CMainFrame::AddTableMenu(QMenu *popup, const QString &title, int fromGroup)
{
    std::vector<const CommandEntry *> commands;
    for (const CommandEntry &command : AlgorithmCommands())
        if (command.group >= fromGroup && QString::fromUtf8(command.menu) == title)
            commands.push_back(&command);
    std::stable_sort(commands.begin(), commands.end(),
                     [](const CommandEntry *a, const CommandEntry *b) { return a->group < b->group; });
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (fromGroup > 0 ? i == 0 || commands[i]->group != commands[i - 1]->group
                          : i > 0 && commands[i]->group != commands[i - 1]->group)
            popup->addSeparator();
        popup->addAction(m_actions[commands[i]->value]);
    }
}

// The algorithms' commands: a dialog first where the command has one, a
// refusal said in a message box.
void CMainFrame::RegisterAlgorithmCommands()
{
    for (const CommandEntry &command : AlgorithmCommands()) {
        OnCommand(command.value, [this, &command] { RunAlgorithmCommand(command); });
        if (!command.enabled && !command.checked)
            OnUpdateCommand(command.value, [this](CCmdUI *ui) { ui->Enable(GetActiveView() != nullptr); });
    }
}

void CMainFrame::RunAlgorithmCommand(const CommandEntry &command)
{
    CZarniView *view = GetActiveView();
    if (!view)
        return;
    if (command.dialog) {
        std::unique_ptr<QDialog> dialog;
        switch (command.dialog->kind) {
        case DialogForm::Kind::Values: dialog = std::make_unique<CValuesDlg>(view, *command.dialog, this); break;
        case DialogForm::Kind::NodeValue: dialog = std::make_unique<CNodeValueDlg>(view, *command.dialog, this); break;
        case DialogForm::Kind::Numbers: dialog = std::make_unique<CNumbersDlg>(view, *command.dialog, this); break;
        case DialogForm::Kind::Exercise: dialog = std::make_unique<CExerciseDlg>(view, *command.dialog, this); break;
        }
        ExecInTextSize(*dialog);
        return;
    }
    const Outcome outcome = view->RunCommand(command);
    if (outcome.Failed())
        AfxMessageBox(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
}

// The recent-file entries, shown while there are files, and the greyed
// placeholder, shown while there are none.
void CMainFrame::AddRecentFiles(QMenu *menu)
{
    if (!m_recentPlaceholder) {
        m_recentPlaceholder = new QAction(tr("最近開啟檔案"), this);
        m_recentPlaceholder->setEnabled(false);
    }
    menu->addAction(m_recentPlaceholder);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        menu->addAction(m_actions[id]);
    RefreshRecentFiles();
}

void CMainFrame::SetRecentFiles(const QStringList &files)
{
    m_recentFiles = files;
    UpdateCommandUISoon();
}

void CMainFrame::RefreshRecentFiles()
{
    const QStringList &files = m_recentFiles;
    if (m_recentPlaceholder)
        m_recentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i <= ID_FILE_MRU_FILE4 - ID_FILE_MRU_FILE1; ++i) {
        QAction *action = m_actions[ID_FILE_MRU_FILE1 + i];
        action->setVisible(i < files.size());
        if (i < files.size())
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(AbbreviatedName(files[i])));
    }
}

// One entry per document window, "1 Zarni1", ..., in window order; beyond
// nine, the entry that lists them all.
void CMainFrame::RefreshWindowList()
{
    const QList<CChildFrame *> frames = ChildFrames();
    if (m_windowListSeparator)
        m_windowListSeparator->setVisible(!frames.isEmpty());
    for (int i = 0; i < kMaxWindowMenuEntries; ++i) {
        QAction *action = m_actions[AFX_IDM_FIRST_MDICHILD + i];
        action->setVisible(i < frames.size());
        if (i < frames.size())
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(frames[i]->windowTitle()));
    }
    m_actions[ID_WINDOW_MORE_WINDOWS]->setVisible(frames.size() > kMaxWindowMenuEntries);
}

void CMainFrame::OnMoreWindows()
{
    const QList<CChildFrame *> frames = ChildFrames();
    QStringList titles;
    for (CChildFrame *frame : frames)
        titles << frame->windowTitle();
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("選擇視窗"));
    dialog.setLabelText(tr("選擇要啟動的視窗(&S)："));
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(titles);
    if (ActiveChild())
        dialog.setTextValue(ActiveChild()->windowTitle());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int index = int(titles.indexOf(dialog.textValue()));
    const QList<CChildFrame *> now = ChildFrames();
    if (index >= 0 && index < now.size() && now == frames)
        m_pMdiArea->setActiveSubWindow(now[index]);
}

// A command without a prompt leaves the message pane empty while the mouse
// rests on it: the toolkit clears the message, and the idle text is blank
// until the mouse leaves, a menu closes or a prompt shows.
void CMainFrame::OnActionHovered(QAction *action)
{
    if (action->statusTip().isEmpty() && m_wndStatusBar)
        m_wndStatusBar->ShowIdleMessage(false);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Leave && m_wndStatusBar)
        m_wndStatusBar->ShowIdleMessage(true);
    return QMainWindow::eventFilter(watched, event);
}

// The document window commands go to: the one active last, also while the
// focus is on a bar, a panel, a menu or a dialog outside the windows' area
// (where the area has no active window at all).
CChildFrame *CMainFrame::ActiveChild() const
{
    return dynamic_cast<CChildFrame *>(m_pMdiArea->currentSubWindow());
}

QList<CChildFrame *> CMainFrame::ChildFrames() const
{
    QList<CChildFrame *> frames;
    for (QMdiSubWindow *window : m_pMdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto *child = dynamic_cast<CChildFrame *>(window))
            frames << child;
    return frames;
}

void CMainFrame::WatchView(CZarniView *view)
{
    connect(view, &CZarniView::CanvasSizeChanged, this, [this](int width, int height) {
        m_wndStatusBar->SetSizeText(QString::asprintf("%d * %d", width, height));
    });
    connect(view, &CZarniView::RunNarrated, m_wndStatusBar, [this, view](const QString &text) {
        m_wndStatusBar->showMessage(text);
        if (view != GetActiveView())
            return;
        m_wndStatusBar->setAccessibleName(text); // a screen reader hears each new step
        m_pSpeaker->Say(text);
    });
    connect(view, &CZarniView::NodeCursorMoved, this, [this, view](qint64, const QString &name) {
        if (view == GetActiveView())
            m_pSpeaker->Say(name);
    });
    connect(view, &CZarniView::RunStateChanged, this, [this] { UpdateCommandUISoon(); });
    connect(view, &CZarniView::PracticeChanged, this, [this] { UpdateCommandUISoon(); });
    view->SetPractice(m_bPractice);
    view->SetShowIndices(m_bShowIndices);
    connect(view, &CZarniView::StepShown, this, [this, view] {
        if (view == GetActiveView())
            SyncStepSlider();
    });
    connect(view, &CZarniView::LeafEditRequested, this, [view](qint64 index) { new CLeafEditor(view, index); });
    connect(view, &CZarniView::ZoomRequested, this, [this, view](int step, QPoint anchor) {
        if (view == GetActiveView())
            StepZoom(step, anchor);
    });
}

void CMainFrame::ShowStatusMessage(const QString &text)
{
    m_wndStatusBar->showMessage(text);
}

CZarniView *CMainFrame::GetActiveView() const
{
    CChildFrame *child = ActiveChild();
    return child ? qobject_cast<CZarniView *>(child->GetActiveView()) : nullptr;
}

QList<CCmdTarget *> CMainFrame::CommandChain() const
{
    QList<CCmdTarget *> chain;
    if (CChildFrame *child = ActiveChild()) {
        if (auto *view = dynamic_cast<CCmdTarget *>(child->GetActiveView()))
            chain << view;
        chain << child->GetDocument() << child;
    }
    chain << const_cast<CMainFrame *>(this);
    if (CWinApp::Get())
        chain << CWinApp::Get();
    return chain;
}

bool CMainFrame::RouteCommand(int id)
{
    if (m_commandGuard && !m_commandGuard(id))
        return true;
    for (CCmdTarget *target : CommandChain()) {
        if (target->OnCmdMsg(id, nullptr)) {
            UpdateCommandUI();
            return true;
        }
    }
    return false;
}

CCmdUI CMainFrame::QueryCommand(int id)
{
    return QueryCommand(id, CommandChain());
}

CCmdUI CMainFrame::QueryCommand(int id, const QList<CCmdTarget *> &chain)
{
    CCmdUI ui(id);
    for (CCmdTarget *target : chain)
        if (target->OnCmdMsg(id, &ui))
            return ui;
    return ui; // nobody handles it: disabled
}

// Practice is the program's: every view practises or none does.
void CMainFrame::ForEachView(const std::function<void(CZarniView *)> &visit) const
{
    for (CChildFrame *child : ChildFrames()) {
        const CSplitterWnd *splitter = child->GetSplitter();
        for (int r = 0; r < splitter->GetRowCount(); ++r)
            for (int c = 0; c < splitter->GetColumnCount(); ++c)
                if (CZarniView *view = splitter->Pane<CZarniView>(r, c))
                    visit(view);
    }
}

void CMainFrame::SetPractice(bool on)
{
    m_bPractice = on;
    ForEachView([on](CZarniView *view) { view->SetPractice(on); });
    UpdateCommandUI();
}

void CMainFrame::SetShowIndices(bool show)
{
    m_bShowIndices = show;
    ForEachView([show](CZarniView *view) { view->SetShowIndices(show); });
    UpdateCommandUI();
}

void CMainFrame::SetPalette(const Palette &palette)
{
    SetCurrentPalette(palette);
    ForEachView([](CZarniView *view) { view->Invalidate(); });
    for (CCellGrid *grid : findChildren<CCellGrid *>())
        grid->viewport()->update();
    if (m_codePanel)
        m_codePanel->Recolour();
    UpdateCommandUI();
}

// The interface's own size, before the user chose another.
int CMainFrame::DefaultTextSize()
{
    return std::clamp(QApplication::font().pointSize(), kSmallestText, kLargestText);
}

// The panels' text, the narration in the message pane and the array strip;
// the tree's labels follow the boxes instead.
void CMainFrame::ShowStartPage(bool shown)
{
    if (!shown) {
        m_pStartPage->hide();
        return;
    }
    m_pStartPage->show();
    m_pStartPage->raise();
    m_pStartPage->activateWindow();
}

void CMainFrame::SetTextSize(int points)
{
    m_nTextSize = std::clamp(points, kSmallestText, kLargestText);
    QFont font = QApplication::font();
    font.setPointSize(m_nTextSize);
    for (QWidget *panel : std::initializer_list<QWidget *>{m_codePanel, m_arrayPanel, m_recordPanel})
        if (panel)
            panel->setFont(font);
    if (m_wndStatusBar)
        m_wndStatusBar->SetMessageFont(font);
    UpdateCommandUI();
}

int CMainFrame::ExecInTextSize(QDialog &dialog)
{
    QFont font = QApplication::font();
    font.setPointSize(m_nTextSize);
    dialog.setFont(font);
    return dialog.exec();
}

void CMainFrame::ChooseTextSize(int points)
{
    SetTextSize(points);
    emit TextSizeChosen(m_nTextSize);
}

// The numbered tree of as many nodes as asked for, as 'nodes N' makes it.
void CMainFrame::AskNodeCount()
{
    CZarniView *view = GetActiveView();
    if (!view)
        return;
    bool ok = false;
    const int count = QInputDialog::getInt(this, tr("節點數"), tr("樹的節點數（1 到 %1）：").arg(kMostNodesAsked),
                                           view->m_nNodeCount, 1, kMostNodesAsked, 1, &ok);
    if (ok)
        view->SetNodeCount(count);
}

// The active view's score, while practising; its exercise's, while it has
// one.
void CMainFrame::ShowScore()
{
    const CZarniView *view = GetActiveView();
    const TreeModel::Score score = view ? view->Model().GetScore() : TreeModel::Score{};
    const Exercise *exercise = view ? view->Model().Find<ExerciseState>().Current() : nullptr;
    if (exercise)
        m_wndStatusBar->SetScoreText(Words(exercise->Progress()));
    else
        m_wndStatusBar->SetScoreText(m_bPractice ? tr("練習：答對 %1/%2").arg(score.right).arg(score.asked) : QString());
}

void CMainFrame::UpdateCommandUI()
{
    m_bUpdatePending = false;
    if (m_wndStatusBar)
        ShowScore();
    if (m_recordPanel)
        m_recordPanel->SetView(GetActiveView());
    if (m_arrayPanel)
        m_arrayPanel->SetView(GetActiveView());
    if (m_codePanel)
        m_codePanel->SetView(GetActiveView());
    SyncStepSlider();
    if (m_speedLabel)
        m_speedLabel->setText(GetActiveView() ? SpeedText(GetActiveView()->Speed()) : QString());
    RefreshRecentFiles();
    RefreshWindowList();
    const QList<CCmdTarget *> chain = CommandChain();
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        const CCmdUI ui = QueryCommand(it.key(), chain);
        it.value()->setEnabled(ui.m_bEnabled);
        if (it.value()->isCheckable())
            it.value()->setChecked(ui.m_nCheck != 0);
    }
}

void CMainFrame::OnActiveChildChanged()
{
    const int wanted = ActiveChild() ? IDR_ZARNITYPE : IDR_MAINFRAME;
    if (wanted != m_nMenuId)
        BuildMenuBar(wanted);
    UpdateTitle();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle()
{
    // A maximised document window shows its title in brackets after the
    // program's, which the MDI area adds itself.
    const QString app = LoadString(IDR_MAINFRAME);
    CChildFrame *child = ActiveChild();
    setWindowTitle(child && !child->isMaximized() ? app + " - " + child->windowTitle() : app);
}

void CMainFrame::PickZoom(int index, const QPoint *anchor)
{
    m_wndToolBar->m_wndZoomCombo->setCurrentIndex(index);
    if (CZarniView *view = GetActiveView())
        anchor ? view->ApplyZoomIndexAbout(index, *anchor) : view->ApplyZoomIndex(index);
    UpdateCommandUI();
}

// The combo lists the largest canvas first, so zooming in goes up the list.
void CMainFrame::StepZoom(int step, QPoint anchor)
{
    const QComboBox *combo = m_wndToolBar->m_wndZoomCombo;
    const int index = step == 0 ? combo->findText(QStringLiteral("1x")) : std::clamp(combo->currentIndex() - step, 0, combo->count() - 1);
    PickZoom(index, &anchor);
}

void CMainFrame::ShowFullScreen(bool full)
{
    if (full) {
        m_bMaximizedBeforeFullScreen = isMaximized();
        showFullScreen();
    } else if (m_bMaximizedBeforeFullScreen) {
        showMaximized();
    } else {
        showNormal();
    }
    UpdateCommandUISoon();
}

CViewPanel *CMainFrame::Panel(int id) const
{
    return id == ID_VIEW_CODE ? static_cast<CViewPanel *>(m_codePanel) : m_arrayPanel;
}

void CMainFrame::ShowPanel(int id, bool show)
{
    Panel(id)->setVisible(show);
}

// The slider follows the step the active view's run shows.
void CMainFrame::SyncStepSlider()
{
    if (!m_stepSlider)
        return;
    const CZarniView *view = GetActiveView();
    const QSignalBlocker quiet(m_stepSlider);
    m_stepSlider->setEnabled(view && view->Run());
    m_stepSlider->setRange(0, view ? int(view->RunStepCount()) : 0);
    m_stepSlider->setValue(view ? int(view->RunStep()) : 0);
}

namespace {

// The one lesson a drop brings, or nothing.
QString DroppedScript(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QStringLiteral(".zs"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedScript(event->mimeData()).isEmpty() && IsCommandEnabled(ID_FILE_RUN_SCRIPT))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QString path = DroppedScript(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The lesson runs once the drop is over, not inside the drag's own loop.
    QMetaObject::invokeMethod(this, [this, path] { emit ScriptDropped(path); }, Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    emit Closing();
    m_pMdiArea->closeAllSubWindows();
    event->accept();
}
