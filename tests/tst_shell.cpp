// The application shell as a user meets it: toolbar, combo box, status bar,
// menus, accelerators, routing, document windows, panes, files, printing.
#include "TestUtil.h"
#include "app/CommandNames.h"
#include "app/Zarni.h"
#include "app/ZarniDoc.h"
#include "frames/ChildFrm.h"
#include "frames/CodePanel.h"
#include "frames/ValuesDlg.h"
#include "frames/MainFrm.h"
#include "frames/Presenter.h"
#include "frames/Speaker.h"
#include "framework/Speech.h"
#include "framework/Printing.h"
#include "framework/StandardIds.h"
#include "model/algorithms/Table.h"
#include "model/algorithms/segment/Segment.h"
#include "model/exercise/ExerciseState.h"
#include "res/Languages.h"
#include "res/Resource.h"
#include "view/Palette.h"

#include <QAccessible>
#include <QDockWidget>
#include <QAbstractSlider>
#include <QComboBox>
#include <QScrollBar>
#include <QFileDialog>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QSplitter>
#include <QMouseEvent>
#include <QNativeGestureEvent>

namespace {

// Answers the next file dialog once it shows: prepare (if given) sets its
// other fields, then the name is typed into its own field in the folder and
// the dialog accepted, as a user does.
class FileDialogAnswer {
public:
    FileDialogAnswer(const QString &folder, const QString &name,
                     const std::function<void(QFileDialog *)> &prepare = {})
    {
        QObject::connect(&m_timer, &QTimer::timeout, [=] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            if (prepare)
                prepare(dialog);
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

// Every text the main window shows or offers: actions with their tips,
// menu titles, labels, panels and bars, each after the kind of object it
// belongs to, in order (menus are made again in another language).
QStringList ShownTexts(QWidget *frame)
{
    QStringList texts;
    auto keep = [&](const QObject *owner, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts << QStringLiteral("%1 '%2' %3: %4").arg(owner->metaObject()->className(), owner->objectName(), what, text);
    };
    for (const QAction *action : frame->findChildren<QAction *>()) {
        keep(action, "text", action->text());
        keep(action, "statusTip", action->statusTip());
        keep(action, "toolTip", action->toolTip());
    }
    for (const QMenu *menu : frame->findChildren<QMenu *>())
        keep(menu, "title", menu->title());
    for (const QLabel *label : frame->findChildren<QLabel *>())
        keep(label, "label", label->text());
    for (const QWidget *widget : frame->findChildren<QWidget *>())
        keep(widget, "windowTitle", widget->windowTitle());
    texts.sort();
    return texts;
}

bool HasChinese(const QString &text)
{
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

QStringList MenuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindowAtStart();
    void commandNumbers();
    void dialogsFollowTheTextSize_data();
    void dialogsFollowTheTextSize();
    void toolbarOrder();
    void zoomCombo();
    void pinchZoomsByComboItems_data();
    void pinchZoomsByComboItems();
    void statusBar();
    void menus_data();
    void menus();
    void accelerators();
    void enablementFollowsTheActiveView();
    void newWindowHasItsOwnTree();
    void splitPanesEachHaveATree();
    void commandsReachTheActivePane();
    void panesComeAndGoWithTheSplitBars();
    void recentFilesKeepFour();
    void saveWritesAnEmptyFile();
    void openAnyFileShowsTheDefaultTree();
    void saveOverForeignContentAsksFirst();
    void unreadableAndUnwritablePathsChangeNothing();
    void printToPdfMakesAPage();
    void exportDialogOffersTheScale_data();
    void exportDialogOffersTheScale();
    void lessonSavedAndRunFromTheMenu();
    void languageChangesEveryTextAndBack_data();
    void languageChangesEveryTextAndBack();
    void scriptFromTheMenuStopsAtAnError();
    void aboutBoxCloses();
    void closingDuringATournament();
    void everyHandledCommandHasItsName();
    void tournamentToolbar();
    void leafDialogNamesABadValue();
    void heapDialogRefusesThenInserts();
    void exerciseDialogRefusesThenStarts();
    void segmentDialogNamesTheFault();
    void escapeLeavesPresentMode();
    void everyControlIsNamed();
    void speakingSaysEachStep_data();
    void speakingSaysEachStep();
    void leafEditedInPlace();

private:
    AppFixture m_fixture;
    CMainFrame *Frame() const { return m_fixture.Frame(); }
};

void TestShell::init()
{
    QVERIFY(m_fixture.Start());
}

void TestShell::cleanup()
{
    m_fixture.Stop();
}

void TestShell::mainWindowAtStart()
{
    QCOMPARE(Frame()->size(), QSize(800, 600));
    QCOMPARE(Frame()->ChildFrames().size(), 1);
    CChildFrame *child = Frame()->ChildFrames().first();
    QVERIFY(child->isMaximized());
    QCOMPARE(child->windowTitle(), QString("Zarni1"));
    QCOMPARE(Frame()->windowTitle(), QString("Zarni - [Zarni1]"));
    child->showNormal();
    QTRY_COMPARE(Frame()->windowTitle(), QString("Zarni - Zarni1"));
    QCOMPARE(child->size(), QSize(800, 600));
    QCOMPARE(Frame()->CurrentMenuId(), int(IDR_ZARNITYPE));
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 15);
}

// No two commands share a number (the framework's, the program's, the
// algorithms'); every language's and palette's item is one of them.
void TestShell::commandNumbers()
{
    QMultiHash<int, QString> named;
    auto add = [&](const QMetaEnum &list) {
        for (int i = 0; i < list.keyCount(); ++i)
            named.insert(list.value(i), QString::fromLatin1(list.key(i)));
    };
    add(QMetaEnum::fromType<ZarniIds::Command>());
    add(QMetaEnum::fromType<StandardIds::StandardCommand>());
    for (const CommandEntry &command : AlgorithmCommands())
        named.insert(command.value, QString::fromLatin1(command.name));
    for (const int number : named.uniqueKeys())
        QVERIFY2(named.count(number) == 1, qPrintable(QStringList(named.values(number)).join(", ")));
    QSet<int> items;
    for (const Language &language : Languages())
        items << language.command;
    for (const Palette &palette : Palettes())
        items << palette.command;
    QCOMPARE(items.size(), int(Languages().size() + Palettes().size()));
    for (const int item : items)
        QVERIFY2(named.count(item) == 1, qPrintable(CommandName(item)));
}

void TestShell::dialogsFollowTheTextSize_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"ID_WINNER_LEAVES", "ID_HEAP_INSERT", "ID_WINNER_MERGE", "ID_EXERCISE_NEW",
                                "ID_NODE_GOTO", "ID_FILE_EXPORT"})
        QTest::newRow(command) << command;
}

// A projector shows a dialog as large as the panels.
void TestShell::dialogsFollowTheTextSize()
{
    QFETCH(QString, command);
    Frame()->SetTextSize(22);
    int points = 0;
    QTimer::singleShot(50, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            points = dialog->font().pointSize();
            dialog->close();
        }
    });
    Frame()->RouteCommand(CommandId(qPrintable(command)));
    QCOMPARE(points, 22);
}

void TestShell::toolbarOrder()
{
    const int expected[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                            ID_FILE_PRINT, 0, ID_APP_ABOUT, 0, ID_MODE_SELECT, ID_MODE_PAN, 0, -1, 0,
                            ID_ZOOM_OUT_X, ID_ZOOM_IN_X, ID_ZOOM_OUT_Y, ID_ZOOM_IN_Y, ID_ZOOM_OUT, ID_ZOOM_IN, 0,
                            ID_NODE_ADD, ID_NODE_REMOVE, 0, ID_NODE_NARROWER, ID_NODE_WIDER, ID_NODE_SHORTER,
                            ID_NODE_TALLER};
    const QList<QAction *> items = Frame()->m_wndToolBar->actions();
    QCOMPARE(items.size(), int(std::size(expected)));
    for (int i = 0; i < items.size(); ++i) {
        if (expected[i] == 0)
            QVERIFY2(items[i]->isSeparator(), qPrintable(QString::number(i)));
        else if (expected[i] == -1)
            QCOMPARE(Frame()->m_wndToolBar->widgetForAction(items[i]), Frame()->m_wndToolBar->m_wndZoomCombo);
        else
            QCOMPARE(items[i], Frame()->Action(expected[i]));
    }
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_NODE_ADD, ID_ZOOM_IN})
        QCOMPARE(Frame()->Action(id)->icon().actualSize(QSize(16, 15)), QSize(16, 15));
    // Own commands have a prompt but no tooltip; standard ones both.
    QCOMPARE(Frame()->Action(ID_ZOOM_IN)->statusTip(), QString("放大"));
    QCOMPARE(Frame()->Action(ID_ZOOM_IN)->toolTip(), QString());
    QCOMPARE(Frame()->Action(ID_FILE_NEW)->statusTip(), QString("產生一新文件"));
    QCOMPARE(Frame()->Action(ID_FILE_NEW)->toolTip(), QString("開啟新檔"));
}

void TestShell::zoomCombo()
{
    QComboBox *combo = Frame()->m_wndToolBar->m_wndZoomCombo;
    QCOMPARE(combo->count(), 30);
    QCOMPARE(combo->itemText(0), QString("20x"));
    QCOMPARE(combo->itemText(18), QString("2x"));
    QCOMPARE(combo->itemText(19), QString("1x"));
    QCOMPARE(combo->itemText(20), QString("1/2x"));
    QCOMPARE(combo->itemText(29), QString("1/20x"));
    QCOMPARE(combo->currentIndex(), 19);
    QCOMPARE(combo->width(), 70);
    // Right after the two mode buttons.
    QToolBar *bar = Frame()->m_wndToolBar;
    const QRect pan = bar->widgetForAction(Frame()->Action(ID_MODE_PAN))->geometry();
    QVERIFY(combo->geometry().left() > pan.right());
    QVERIFY(combo->geometry().left() - pan.right() < 20);
    // Hiding the toolbar hides the combo box with it.
    Frame()->RouteCommand(ID_VIEW_TOOLBAR);
    QVERIFY(!combo->isVisible());
    Frame()->RouteCommand(ID_VIEW_TOOLBAR);
    QVERIFY(combo->isVisible());
}

void TestShell::pinchZoomsByComboItems_data()
{
    QTest::addColumn<QList<qreal>>("pinches"); // the scale each gesture event adds
    QTest::addColumn<int>("zoomIndex");
    QTest::newRow("one quarter in") << QList<qreal>{0.25} << 18;
    QTest::newRow("small pinches gather") << QList<qreal>{0.1, 0.1, 0.1} << 18;
    QTest::newRow("three quarters in") << QList<qreal>{0.4, 0.35} << 16;
    QTest::newRow("out") << QList<qreal>{-0.5} << 21;
    QTest::newRow("too little") << QList<qreal>{0.2, -0.1} << 19;
}

// A touchpad pinch picks combo items as the user would, one a quarter of
// scale, and the size pane follows.
void TestShell::pinchZoomsByComboItems()
{
    QFETCH(QList<qreal>, pinches);
    QFETCH(int, zoomIndex);
    QWidget *viewport = Frame()->GetActiveView()->viewport();
    const QPointF at(200, 150);
    for (qreal value : pinches) {
        QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, at, at,
                                  viewport->mapToGlobal(at), value, QPointF());
        QApplication::sendEvent(viewport, &pinch);
    }
    QCOMPARE(Frame()->m_wndToolBar->m_wndZoomCombo->currentIndex(), zoomIndex);
    const CSize size = CZarniView::ZoomIndexSize(zoomIndex);
    QCOMPARE(Frame()->m_wndStatusBar->GetPaneText(1), QStringLiteral("%1 * %2").arg(size.cx).arg(size.cy));
}

void TestShell::statusBar()
{
    CStatusBar *bar = Frame()->m_wndStatusBar;
    QList<QLabel *> labels = bar->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    // The practice score is a pane of its own, shown only while practising.
    QLabel *score = bar->findChild<QLabel *>(QStringLiteral("practiceScore"));
    QVERIFY(score && score->isHidden());
    labels.removeOne(score);
    QCOMPARE(labels.size(), 2);
    QLabel *idle = labels[0]->text() == "就緒" ? labels[0] : labels[1];
    QLabel *size = idle == labels[0] ? labels[1] : labels[0];
    QCOMPARE(bar->GetPaneText(1), QString("800 * 600"));
    QCOMPARE(size->text(), QString("800 * 600"));
    QCOMPARE(bar->GetPaneText(0), QString("就緒"));
    QCOMPARE(size->width(), 60);
    Frame()->GetActiveView()->ApplyZoomIndex(0);
    QCOMPARE(bar->GetPaneText(1), QString("16000 * 12000"));
    QCOMPARE(size->width(), 60);
    // A prompt while the mouse rests on a button, the idle message after.
    QStatusTipEvent tip(QStringLiteral("放大"));
    QApplication::sendEvent(Frame(), &tip);
    QCOMPARE(bar->GetPaneText(0), QString("放大"));
    QCOMPARE(bar->currentMessage(), QString("放大"));
    QVERIFY(!idle->isVisible() && size->isVisible());
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(Frame(), &none);
    QCOMPARE(bar->GetPaneText(0), QString("就緒"));
    QVERIFY(idle->isVisible());
}

void TestShell::menus_data()
{
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<QStringList>>("items");
    QTest::newRow("IDR_ZARNITYPE")
        << true << QStringList{"檔案(&F)", "編輯(&E)", "檢視(&V)", "視窗(&W)", "Winner Tree", "堆積(&P)", "區間樹(&G)", "練習(&X)", "說明(&H)"}
        << QList<QStringList>{
               {"開啟新檔(&N)\tCtrl+N", "開啟舊檔(&O)...\tCtrl+O", "關閉檔案(&C)", "儲存檔案(&S)\tCtrl+S",
                "另存新檔(&A)...", "匯出圖片(&E)...", "匯出動畫(&M)...", "-", "列印(&P)...\tCtrl+P", "預覽列印(&V)", "列印設定(&R)",
                "-", "最近開啟檔案", "-", "結束(&X)", "-", "執行腳本(&R)...", "停止腳本(&T)\tEsc", "另存為腳本(&W)..."},
               {"復原(&U)\tCtrl+Z", "-", "剪下(&T)\tCtrl+X", "複製(&C)\tCtrl+C", "貼上(&P)\tCtrl+V"},
               {"工具列(&T)", "狀態列(&S)", "-", "陣列(&A)", "程式碼(&O)", "練習模式(&R)\tF8", "提示(&H)\tShift+F8",
                "跳至節點(&G)...\tCtrl+G", "-",
                "整棵樹放進視窗(&I)\tCtrl+Shift+F", "跟著視窗(&W)", "節點數(&N)...", "-", "文字放大(&Z)\tCtrl+Shift+=",
                "文字縮小(&M)\tCtrl+Shift+-", "文字原來大小(&E)", "顯示節點編號(&D)", "配色(&C)", "朗讀(&K)", "-", "全螢幕(&U)\tF11",
                "簡報模式(&P)\tF5", "語言(&L)"},
               {"新增視窗(&N)", "重疊顯示(&C)", "並排顯示(&T)", "排列圖示(&A)", "分割(&P)", "-", "&1 Zarni1"},
               // The three given items first; the run's own after a separator.
               {"Winner_Tree", "Go", "Exit", "-", "暫停(&P)\tSpace", "下一步(&N)\tCtrl+Right", "上一步(&B)\tCtrl+Left",
                "從頭開始(&R)\tCtrl+Home", "直接看結果(&E)\tCtrl+End", "設定葉節點(&L)...", "找第二名(&2)", "-", "加快(&F)\tCtrl+]", "放慢(&S)\tCtrl+[",
                "-", "合併序列(&M)...", "輸出勝者(&O)\tCtrl+Down", "全部輸出(&A)\tCtrl+Shift+Down", "-", "勝者樹(&W)",
                "敗者樹(&T)", "-", "置換選擇(&C)...", "合併這些序列(&G)"},
               {"設定節點值(&V)...", "-", "最大堆積(&X)", "最小堆積(&N)", "-", "由下而上建堆積(&B)", "逐一插入建堆積(&I)",
                "堆積排序(&S)", "-", "插入值(&A)...", "取出樹根(&E)", "更改節點值(&K)...", "刪除節點(&D)..."},
               {"建立區間樹(&B)...", "-", "區間和(&U)", "區間最小值(&N)", "區間最大值(&X)", "-", "設定位置的值(&S)...",
                "區間查詢(&Q)...", "區間加值(&A)..."},
               {"新題目(&N)...", "交卷(&G)", "看解答(&S)", "-", "交卷時才評分(&E)"},
               {"關於 Zarni(&A)...", "-", "範例課程(&L)..."}};
    QTest::newRow("IDR_MAINFRAME")
        << false << QStringList{"檔案(&F)", "檢視(&V)", "說明(&H)"}
        << QList<QStringList>{{"開啟新檔(&N)\tCtrl+N", "開啟舊檔(&O)...\tCtrl+O", "-", "列印設定(&R)...", "-",
                               "最近開啟檔案", "-", "結束(&X)", "-", "執行腳本(&R)...", "停止腳本(&T)\tEsc"},
                              {"工具列(&T)", "狀態列(&S)", "-", "全螢幕(&U)\tF11", "語言(&L)"},
                              {"關於 Zarni(&A)...", "-", "範例課程(&L)..."}};
}

void TestShell::menus()
{
    QFETCH(bool, withDocument);
    QFETCH(QStringList, titles);
    QFETCH(QList<QStringList>, items);
    if (!withDocument) {
        Frame()->MdiArea()->closeAllSubWindows();
        QTRY_COMPARE(Frame()->CurrentMenuId(), int(IDR_MAINFRAME));
    }
    const QList<QAction *> menus = Frame()->menuBar()->actions();
    QStringList shown;
    for (QAction *menu : menus)
        shown << menu->text();
    QCOMPARE(shown, titles);
    for (int i = 0; i < menus.size(); ++i)
        QCOMPARE(MenuTexts(menus[i]->menu()), items[i]);
    // The recent-file placeholder is greyed while the list is empty.
    for (QAction *action : menus[0]->menu()->actions())
        if (action->text() == "最近開啟檔案")
            QVERIFY(!action->isEnabled());
}

void TestShell::accelerators()
{
    const QList<std::pair<int, QKeySequence>> table = {
        {ID_FILE_NEW, QKeySequence("Ctrl+N")},       {ID_FILE_OPEN, QKeySequence("Ctrl+O")},
        {ID_FILE_SAVE, QKeySequence("Ctrl+S")},      {ID_FILE_PRINT, QKeySequence("Ctrl+P")},
        {ID_EDIT_UNDO, QKeySequence("Ctrl+Z")},      {ID_EDIT_CUT, QKeySequence("Ctrl+X")},
        {ID_EDIT_COPY, QKeySequence("Ctrl+C")},      {ID_EDIT_PASTE, QKeySequence("Ctrl+V")},
        {ID_EDIT_UNDO, QKeySequence("Alt+Backspace")}, {ID_EDIT_CUT, QKeySequence("Shift+Del")},
        {ID_EDIT_COPY, QKeySequence("Ctrl+Ins")},    {ID_EDIT_PASTE, QKeySequence("Shift+Ins")},
        {ID_NEXT_PANE, QKeySequence("F6")},          {ID_PREV_PANE, QKeySequence("Shift+F6")}};
    for (const auto &[id, key] : table)
        QVERIFY2(Frame()->Action(id)->shortcuts().contains(key), qPrintable(key.toString()));
    // F6 through the keyboard moves to the next pane.
    Frame()->ActiveChild()->GetSplitter()->SplitTo(1, 2);
    CZarniView *first = Frame()->GetActiveView();
    QTest::keyClick(Frame(), Qt::Key_F6);
    QVERIFY(Frame()->GetActiveView() != first);
    QTest::keyClick(Frame(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(Frame()->GetActiveView(), first);
    // With a dialog just closed, or the focus on a bar or a panel, the run's
    // keys still drive the active view.
    QTimer::singleShot(0, Frame(), [] { QApplication::activeModalWidget()->close(); });
    Frame()->RouteCommand(ID_NODE_GOTO);
    QVERIFY(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(first->RunStep(), 1);
    Frame()->findChild<QSlider *>("stepSlider")->setFocus();
    QTest::keyClick(Frame(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(first->RunStep(), 2);
    Frame()->CodePanel()->setFocus();
    QTest::keyClick(Frame(), Qt::Key_BracketLeft, Qt::ControlModifier);
    QCOMPARE(first->Speed(), 0.5);
    QMenu *menu = Frame()->menuBar()->actions().first()->menu();
    menu->popup(Frame()->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QTRY_VERIFY(QApplication::activeWindow() == Frame());
    QTest::keyClick(Frame(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(first->RunStep(), 3);
}

void TestShell::enablementFollowsTheActiveView()
{
    for (int id : std::initializer_list<int>{ID_NODE_ADD, ID_ZOOM_IN, ID_WINNER_GO, ID_MODE_PAN, ID_FILE_SAVE, ID_FILE_PRINT, ID_WINDOW_SPLIT})
        QVERIFY2(Frame()->IsCommandEnabled(id), qPrintable(QString::number(id, 16)));
    for (int id : std::initializer_list<int>{ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        QVERIFY(!Frame()->IsCommandEnabled(id));
    Frame()->UpdateCommandUI();
    QVERIFY(Frame()->Action(ID_MODE_SELECT)->isChecked());
    QVERIFY(!Frame()->Action(ID_MODE_PAN)->isChecked());
    Frame()->RouteCommand(ID_MODE_PAN);
    QVERIFY(!Frame()->Action(ID_MODE_SELECT)->isChecked());
    QVERIFY(Frame()->Action(ID_MODE_PAN)->isChecked());

    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!Frame()->GetActiveView());
    Frame()->UpdateCommandUI();
    for (int id : std::initializer_list<int>{ID_NODE_ADD, ID_ZOOM_IN, ID_WINNER_TREE, ID_WINNER_EXIT, ID_MODE_SELECT, ID_FILE_SAVE,
                   ID_EDIT_UNDO, ID_FILE_EXPORT})
        QVERIFY2(!Frame()->Action(id)->isEnabled(), qPrintable(QString::number(id, 16)));
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_APP_ABOUT, ID_APP_EXIT, ID_VIEW_TOOLBAR})
        QVERIFY(Frame()->Action(id)->isEnabled());
    // A zoom pick with no window changes only the combo box.
    QComboBox *combo = Frame()->m_wndToolBar->m_wndZoomCombo;
    combo->setCurrentIndex(3);
    emit combo->activated(3);
    QCOMPARE(Frame()->m_wndStatusBar->GetPaneText(1), QString("800 * 600"));
}

void TestShell::newWindowHasItsOwnTree()
{
    Frame()->RouteCommand(ID_NODE_ADD);
    Frame()->RouteCommand(ID_WINDOW_NEW);
    const QList<CChildFrame *> frames = Frame()->ChildFrames();
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames[0]->windowTitle(), QString("Zarni1:1"));
    QCOMPARE(frames[1]->windowTitle(), QString("Zarni1:2"));
    QCOMPARE(frames[0]->GetDocument(), frames[1]->GetDocument());
    QCOMPARE(qobject_cast<CZarniView *>(frames[0]->GetActiveView())->m_nNodeCount, 16);
    QCOMPARE(qobject_cast<CZarniView *>(frames[1]->GetActiveView())->m_nNodeCount, 15);
    frames[1]->close();
    QTRY_COMPARE(frames[0]->windowTitle(), QString("Zarni1"));
    // A new document is the next number.
    Frame()->RouteCommand(ID_FILE_NEW);
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni2"));
}

void TestShell::splitPanesEachHaveATree()
{
    CSplitterWnd *splitter = Frame()->ActiveChild()->GetSplitter();
    Frame()->RouteCommand(ID_ZOOM_IN);
    Frame()->RouteCommand(ID_WINDOW_SPLIT);
    QCOMPARE(splitter->GetRowCount(), 2);
    QCOMPARE(splitter->GetColumnCount(), 2);
    QSet<CZarniView *> views;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            views << splitter->Pane<CZarniView>(r, c);
    QCOMPARE(views.size(), 4);
    QCOMPARE(splitter->Pane<CZarniView>(0, 0)->m_nCanvasWidth, 900);
    for (CZarniView *view : {splitter->Pane<CZarniView>(0, 1), splitter->Pane<CZarniView>(1, 0), splitter->Pane<CZarniView>(1, 1)}) {
        QCOMPARE(view->m_nCanvasWidth, 800);
        QCOMPARE(view->m_nNodeCount, 15);
        QCOMPARE(view->GetDocument(), splitter->Pane<CZarniView>(0, 0)->GetDocument());
    }
    // Joining again leaves the first pane.
    splitter->SplitTo(1, 1);
    QCOMPARE(splitter->GetRowCount(), 1);
    QCOMPARE(splitter->GetColumnCount(), 1);
    QVERIFY(!splitter->Pane<CZarniView>(1, 1));
    QCOMPARE(splitter->Pane<CZarniView>(0, 0)->m_nCanvasWidth, 900);
}

void TestShell::commandsReachTheActivePane()
{
    CSplitterWnd *splitter = Frame()->ActiveChild()->GetSplitter();
    splitter->SplitTo(2, 1);
    CZarniView *lower = splitter->Pane<CZarniView>(1, 0);
    QTest::mouseClick(lower->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(Frame()->GetActiveView(), lower);
    Frame()->RouteCommand(ID_NODE_ADD);
    Frame()->RouteCommand(ID_ZOOM_IN);
    QCOMPARE(lower->m_nNodeCount, 16);
    QCOMPARE(splitter->Pane<CZarniView>(0, 0)->m_nNodeCount, 15);
    QCOMPARE(Frame()->m_wndStatusBar->GetPaneText(1), QString("900 * 700"));
    QCOMPARE(splitter->Pane<CZarniView>(0, 0)->m_nCanvasWidth, 800);
}

// Dragging a split bar out of the edge opens panes; dragging one back to
// less than 10 pixels closes them again.
void TestShell::panesComeAndGoWithTheSplitBars()
{
    CSplitterWnd *splitter = Frame()->ActiveChild()->GetSplitter();
    auto *rows = splitter->findChild<QSplitter *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(rows && rows->orientation() == Qt::Vertical);
    auto drag = [](QSplitterHandle *handle, QPoint by) {
        const QPoint start = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + by), handle->mapToGlobal(QPointF(start + by)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + by);
    };
    drag(rows->handle(1), QPoint(0, -200));
    QCOMPARE(splitter->GetRowCount(), 2);
    QVERIFY(splitter->Pane<CZarniView>(1, 0));
    QCOMPARE(splitter->Pane<CZarniView>(1, 0)->m_nNodeCount, 15);
    drag(rows->handle(1), QPoint(0, 195));
    QCOMPARE(splitter->GetRowCount(), 1);
    QVERIFY(!splitter->Pane<CZarniView>(1, 0));
    QVERIFY(splitter->Pane<CZarniView>(0, 0));
}

void TestShell::recentFilesKeepFour()
{
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << m_fixture.FilePath(QString("doc%1.zarni").arg(i));
        QFile file(paths.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(m_fixture.App()->OpenDocumentFile(paths.last()));
    }
    const QStringList expected = {paths[4], paths[3], paths[2], paths[1]};
    QStringList recent;
    for (const QString &path : m_fixture.App()->RecentFiles())
        recent << QFileInfo(path).fileName();
    QCOMPARE(recent, (QStringList{"doc4.zarni", "doc3.zarni", "doc2.zarni", "doc1.zarni"}));
    QSettings settings;
    QCOMPARE(QFileInfo(settings.value("Recent File List/File1").toString()).fileName(), QString("doc4.zarni"));
    QVERIFY(!settings.contains("Recent File List/File5"));
    // A new start reads them back, and the menu shows them.
    m_fixture.Stop();
    QVERIFY(m_fixture.Start(false));
    QCOMPARE(m_fixture.App()->RecentFiles().size(), 4);
    Frame()->UpdateCommandUI();
    QVERIFY(Frame()->Action(ID_FILE_MRU_FILE4)->isVisible());
    QVERIFY(Frame()->Action(ID_FILE_MRU_FILE1)->text().endsWith("doc4.zarni"));
}

void TestShell::saveWritesAnEmptyFile()
{
    const QString path = m_fixture.FilePath("saved.zarni");
    CDocument *doc = Frame()->ActiveChild()->GetDocument();
    QString error;
    QVERIFY(doc->OnSaveDocument(path, &error));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(doc->GetTitle(), QString("saved.zarni"));
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("saved.zarni"));
    QCOMPARE(m_fixture.App()->RecentFiles().first(), QFileInfo(path).absoluteFilePath());
}

void TestShell::openAnyFileShowsTheDefaultTree()
{
    const QString path = m_fixture.FilePath("binary.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\xff\x10 not a tree \x7f", 16).repeated(100));
    file.close();
    QVERIFY(m_fixture.App()->OpenDocumentFile(path));
    CZarniView *view = Frame()->GetActiveView();
    QCOMPARE(view->m_nNodeCount, 15);
    QCOMPARE(view->m_nCanvasWidth, 800);
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("binary.bin"));
}

// The document writes no content, so saving over a file that holds some
// asks first, with No as the default answer.
void TestShell::saveOverForeignContentAsksFirst()
{
    const QString path = m_fixture.FilePath("notes.txt");
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("my notes\n");
        file.close();
        QVERIFY(m_fixture.App()->OpenDocumentFile(path));
        QString text;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                text = box->text();
                defaultButton = box->standardButton(box->defaultButton());
                box->button(answer)->click();
            }
        });
        timer.start(20);
        Frame()->RouteCommand(ID_FILE_SAVE);
        timer.stop();
        QVERIFY2(text.contains("notes.txt") && text.contains("不是 Zarni 文件"), qPrintable(text));
        QCOMPARE(defaultButton, QMessageBox::No);
        QCOMPARE(QFileInfo(path).size(), answer == QMessageBox::No ? 9 : 0);
    }
}

void TestShell::unreadableAndUnwritablePathsChangeNothing()
{
    const int windows = int(Frame()->ChildFrames().size());
    const QString missing = m_fixture.FilePath("no/such/file.zarni");
    const QString text = AnswerMessageBox([&] { QVERIFY(!m_fixture.App()->OpenDocumentFile(missing)); });
    QVERIFY2(text.contains("file.zarni"), qPrintable(text));
    QCOMPARE(int(Frame()->ChildFrames().size()), windows);
    QVERIFY(m_fixture.App()->RecentFiles().isEmpty());

    CDocument *doc = Frame()->ActiveChild()->GetDocument();
    QString error;
    QVERIFY(!doc->OnSaveDocument(m_fixture.FilePath("no/such/dir/out.zarni"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(doc->GetTitle(), QString("Zarni1"));
    QVERIFY(m_fixture.App()->RecentFiles().isEmpty());
}

void TestShell::exportDialogOffersTheScale_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("written");
    QTest::newRow("png at 3") << "tree.png" << 0 << 3 << "tree.png";
    QTest::newRow("no extension, png") << "plain" << 0 << 1 << "plain.png";
    QTest::newRow("no extension, pdf at 2") << "page" << 2 << 2 << "page.pdf";
    QTest::newRow("svg at 8") << "tree.svg" << 1 << 8 << "tree.svg";
}

void TestShell::exportDialogOffersTheScale()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(int, scale);
    QFETCH(QString, written);
    int lowest = 0, highest = 0;
    FileDialogAnswer answer(m_fixture.FilePath(QString()), typed, [&](QFileDialog *dialog) {
        auto *box = dialog->findChild<QSpinBox *>("exportScale");
        lowest = box->minimum();
        highest = box->maximum();
        box->setValue(scale);
        dialog->selectNameFilter(dialog->nameFilters().at(filter));
    });
    Frame()->RouteCommand(ID_FILE_EXPORT);
    QCOMPARE(lowest, 1);
    QCOMPARE(highest, 8);
    const QString path = m_fixture.FilePath(written);
    QVERIFY(QFile::exists(path));
    if (written.endsWith(".png"))
        QCOMPARE(QImage(path).size(), QSize(800 * scale, 600 * scale));
    if (written.endsWith(".svg"))
        QCOMPARE(QSvgRenderer(path).viewBox(), QRect(0, 0, 800 * scale, 600 * scale));
}

// In another language no text of ours is left in Traditional Chinese (but
// the languages' own names): none in Chinese at all in English, none with
// a character Simplified Chinese writes otherwise in zh_CN. Going back
// shows every text as before.
void TestShell::languageChangesEveryTextAndBack_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("foreign"); // what no text may hold; empty: any Chinese
    QTest::newRow("en") << int(ID_VIEW_LANGUAGE_EN) << QString();
    QTest::newRow("zh_CN") << int(ID_VIEW_LANGUAGE_ZH_CN) << QString("樹節點檔視執設選擇輸開關顯圖層頁說時會為這個進將數陣們與讀寫錯題練習積區");
}

void TestShell::languageChangesEveryTextAndBack()
{
    QFETCH(int, command);
    QFETCH(QString, foreign);
    Frame()->GetActiveView()->SetNodeCount(20); // a prompt and a size in the status bar
    Frame()->UpdateCommandUI();
    const QStringList chinese = ShownTexts(Frame());
    QVERIFY(chinese.size() > 100);
    auto systemMenu = [this] { return MenuTexts(Frame()->ActiveChild()->systemMenu()); };
    const QStringList chineseSystemMenu = systemMenu(); // each item keeps its name
    // The language change reaches every widget, and the menus of the other
    // language are gone.
    auto settle = [this] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Frame()->UpdateCommandUI();
    };
    auto isForeign = [&foreign](const QString &text) {
        return foreign.isEmpty() ? HasChinese(text) : std::any_of(text.begin(), text.end(), [&](QChar c) { return foreign.contains(c); });
    };
    Frame()->RouteCommand(command);
    settle();
    const QStringList other = ShownTexts(Frame());
    QCOMPARE(other.size(), chinese.size());
    for (const QString &text : other)
        if (!std::any_of(Languages().begin(), Languages().end(), [&](const Language &l) { return text.contains(QString::fromUtf8(l.name)); }))
            QVERIFY2(!isForeign(text), qPrintable(text));
    Frame()->RouteCommand(ID_VIEW_LANGUAGE_ZH);
    settle();
    QCOMPARE(ShownTexts(Frame()), chinese);
    QCOMPARE(systemMenu(), chineseSystemMenu);
}

void TestShell::lessonSavedAndRunFromTheMenu()
{
    CZarniView *view = Frame()->GetActiveView();
    view->SetNodeCount(40);
    view->OnNodeNarrower();
    {
        FileDialogAnswer answer(m_fixture.FilePath(QString()), "lesson");
        Frame()->RouteCommand(ID_FILE_SAVE_SCRIPT);
    }
    QVERIFY(QFile::exists(m_fixture.FilePath("lesson.zs"))); // the type's extension added
    Frame()->RouteCommand(ID_FILE_NEW);
    CZarniView *fresh = Frame()->GetActiveView();
    QVERIFY(fresh != view);
    {
        FileDialogAnswer answer(m_fixture.FilePath(QString()), "lesson.zs");
        Frame()->RouteCommand(ID_FILE_RUN_SCRIPT);
    }
    QCOMPARE(fresh->m_nNodeCount, 40);
    QCOMPARE(fresh->m_nXDivisor, 64);
}

void TestShell::scriptFromTheMenuStopsAtAnError()
{
    QFile file(m_fixture.FilePath("broken.zs"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("nodes 20\nfly 3\nnodes 30\n");
    file.close();
    FileDialogAnswer answer(m_fixture.FilePath(QString()), "broken.zs");
    const QString message = AnswerMessageBox([&] { Frame()->RouteCommand(ID_FILE_RUN_SCRIPT); });
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 20);
    QVERIFY2(message.startsWith("The script stopped at an error:"), qPrintable(message));
    QVERIFY2(message.contains("broken.zs:2: unknown statement 'fly'"), qPrintable(message));
}

void TestShell::printToPdfMakesAPage()
{
    const QString path = m_fixture.FilePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintView(Frame()->GetActiveView(), &printer);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/Type /Page") || pdf.contains("/Type/Page"));
}

void TestShell::aboutBoxCloses()
{
    QString title;
    QTimer::singleShot(50, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        title = box->windowTitle();
        auto *ok = box->findChild<QPushButton *>();
        QCOMPARE(ok->text(), QString("確定"));
        ok->click();
    });
    Frame()->RouteCommand(ID_APP_ABOUT);
    QCOMPARE(title, QString("關於 Zarni"));
}

// Closing the document window, then the program, while a tournament runs
// ends the run; nothing of the closed view is used again.
void TestShell::closingDuringATournament()
{
    m_fixture.App()->SetStepDelay(10);
    Frame()->RouteCommand(ID_WINDOW_NEW);
    CZarniView *view = Frame()->GetActiveView();
    view->SetStepDelay(10);
    int steps = 0;
    connect(view, &CZarniView::StepShown, [&](qint64) {
        if (++steps == 3)
            Frame()->ActiveChild()->close();
    });
    Frame()->RouteCommand(ID_WINNER_GO);
    QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
    QTest::qWait(50);
    QCOMPARE(steps, 3);

    view = Frame()->GetActiveView();
    view->SetStepDelay(10);
    steps = 0;
    connect(view, &CZarniView::StepShown, [&](qint64) {
        if (++steps == 2)
            Frame()->close();
    });
    Frame()->RouteCommand(ID_WINNER_GO);
    QTRY_VERIFY(Frame()->ChildFrames().isEmpty());
    QTest::qWait(50);
    QCOMPARE(steps, 2);
}

// Scripts name commands by the enumerations' names: every value any object of
// the command chain handles must have one (the Window menu's entries of the
// open windows excepted), and no two names may share a value.
void TestShell::everyHandledCommandHasItsName()
{
    QVERIFY(Frame()->RouteCommand(ID_WINDOW_SPLIT));
    CChildFrame *child = Frame()->ActiveChild();
    const QList<CCmdTarget *> chain = {Frame()->GetActiveView(), child->GetDocument(), child, Frame(), m_fixture.App()};
    const QHash<QString, int> &names = CommandIdsByName();
    int handled = 0;
    for (int id = 0; id <= 0xFFFF; ++id) {
        for (CCmdTarget *target : chain) {
            CCmdUI ui(id);
            if (!target->OnCmdMsg(id, &ui))
                continue;
            ++handled;
            const bool windowEntry = id >= AFX_IDM_FIRST_MDICHILD && id < ID_WINDOW_MORE_WINDOWS;
            QVERIFY2(windowEntry || !names.key(id).isEmpty(), qPrintable(QString::number(id, 16)));
            QVERIFY(IsKnownCommand(id));
            break;
        }
    }
    QVERIFY(handled > 40);
    QSet<int> values;
    for (int value : names)
        values.insert(value);
    QCOMPARE(values.size(), names.size());
    QCOMPARE(names.value("ID_NODE_ADD"), 0x8013);
    QCOMPARE(names.value("ID_FILE_NEW"), 0xE100);
}

// The run's buttons are on a toolbar of their own; the given one is as it was.
void TestShell::tournamentToolbar()
{
    auto *bar = Frame()->findChild<QToolBar *>("tournamentBar");
    QVERIFY(bar && bar != Frame()->m_wndToolBar && bar->isVisible());
    QList<int> ids;
    for (QAction *action : bar->actions())
        for (int id : std::initializer_list<int>{ID_WINNER_PAUSE, ID_WINNER_STEP, ID_WINNER_BACK, ID_WINNER_RESTART,
                                                 ID_WINNER_END, ID_WINNER_SLOWER, ID_WINNER_FASTER, CommandId("ID_WINNER_LEAVES")})
            if (action == Frame()->Action(id))
                ids << id;
    QCOMPARE(ids, (QList<int>{ID_WINNER_PAUSE, ID_WINNER_STEP, ID_WINNER_BACK, ID_WINNER_RESTART, ID_WINNER_END,
                              ID_WINNER_SLOWER, ID_WINNER_FASTER, CommandId("ID_WINNER_LEAVES")}));
    for (QAction *action : Frame()->m_wndToolBar->actions())
        QVERIFY(!bar->actions().contains(action));
    const auto *speed = bar->findChild<QLabel *>("speedLabel");
    QCOMPARE(speed->text(), QString("1×"));
    Frame()->RouteCommand(ID_WINNER_SLOWER);
    QCOMPARE(speed->text(), QString("1/2×"));
    // The speed is kept for new windows and the next start.
    Frame()->RouteCommand(ID_WINDOW_NEW);
    QCOMPARE(Frame()->GetActiveView()->Speed(), 0.5);
    m_fixture.Stop();
    QVERIFY(m_fixture.Start(false));
    QCOMPARE(Frame()->GetActiveView()->Speed(), 0.5);
    Frame()->RouteCommand(ID_WINNER_FASTER);
    Frame()->RouteCommand(ID_WINNER_STEP);
    QVERIFY(Frame()->Action(ID_WINNER_PAUSE)->isChecked()); // a run stopped between steps
    QCOMPARE(Frame()->m_wndStatusBar->GetPaneText(0), QString("第 1/21 步：節點 4，節點 9 (9) 勝 節點 8 (8)"));
    // The slider follows the step shown and seeks where it is put; the code
    // panel follows both.
    auto *slider = Frame()->findChild<QSlider *>("stepSlider");
    QCOMPARE(slider->maximum(), 21);
    QCOMPARE(slider->value(), 1);
    slider->setValue(12);
    QCOMPARE(Frame()->GetActiveView()->RunStep(), qint64(12));
    QCOMPARE(Frame()->CodePanel()->Current(), 6);
    Frame()->RouteCommand(ID_WINNER_BACK);
    QCOMPARE(slider->value(), 11);
    QCOMPARE(Frame()->CodePanel()->Current(), 4);
}

void TestShell::leafDialogNamesABadValue()
{
    CZarniView *view = Frame()->GetActiveView();
    QString problem;
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *values = dialog->findChild<QLineEdit *>("leafValues");
        QCOMPARE(values->text(), QString("8 9 10 11 12 13 14 15"));
        values->setText("1, 2 3 4 5 6 seven 8");
        QMetaObject::invokeMethod(dialog, "accept");
        problem = dialog->findChild<QLabel *>("leafProblem")->text();
        QVERIFY(dialog->isVisible()); // stays open, the text as typed
        QCOMPARE(values->text(), QString("1, 2 3 4 5 6 seven 8"));
        values->setText("1, 2 3 4 5 6 7 8");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Frame()->RouteCommand(CommandId("ID_WINNER_LEAVES"));
    QCOMPARE(problem, QString("「seven」不是整數。"));
    QCOMPARE(LabelOf(view, 15), std::string("8"));
    QVERIFY(LabelOf(view, 1).empty());
    // Fewer values than leaves: once the user agrees, the tree takes as many.
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        dialog->findChild<QLineEdit *>("leafValues")->setText("5 1 9 3");
        QTimer::singleShot(50, [] {
            qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Yes)->click();
        });
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Frame()->RouteCommand(CommandId("ID_WINNER_LEAVES"));
    QCOMPARE(view->m_nNodeCount, 7);
    QCOMPARE(LabelOf(view, 6), std::string("9"));
    // Too many values to list: the field starts empty, and empty keeps them.
    view->SetNodeCount(int(2 * CValuesDlg::kMaxShownValues + 2));
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->findChild<QLineEdit *>("leafValues")->text().isEmpty());
        QMetaObject::invokeMethod(dialog, "accept");
        QVERIFY(!dialog->isVisible());
    });
    Frame()->RouteCommand(CommandId("ID_WINNER_LEAVES"));
    QCOMPARE(LabelOf(view, view->m_nNodeCount), std::to_string(view->m_nNodeCount));
}

// The dialog names a bad value or a refused operation and stays open; an
// insert grows the tree at its first step.
void TestShell::heapDialogRefusesThenInserts()
{
    CZarniView *view = Frame()->GetActiveView();
    view->SelectNode(3, false);
    QStringList problems;
    auto answer = [&](const QStringList &values) {
        QTimer::singleShot(50, [&, values] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (auto *node = dialog->findChild<QLineEdit *>("heapNode"))
                QCOMPARE(node->text(), QString("3"));
            for (const QString &value : values) {
                dialog->findChild<QLineEdit *>("heapValue")->setText(value);
                QMetaObject::invokeMethod(dialog, "accept");
                if (dialog->isVisible())
                    problems << dialog->findChild<QLabel *>("heapProblem")->text();
            }
            dialog->reject();
        });
    };
    answer({"x", "5"});
    Frame()->RouteCommand(CommandId("ID_HEAP_KEY"));
    QCOMPARE(problems, QStringList({"「x」不是整數。", "這些值不是最大堆積：節點 2 的值大於它的父節點的值。"}));
    SetMinHeap(view, true); // the numbered tree's labels ascend: a min-heap
    answer({"0"});
    Frame()->RouteCommand(CommandId("ID_HEAP_INSERT"));
    QCOMPARE(view->m_nNodeCount, 16);
    QCOMPARE(LabelOf(view, 16), std::string("0"));
    // Asked for while the insert still plays, an extraction takes the heap
    // the insert leaves.
    QVERIFY(view->IsPlaying());
    QVERIFY(StartHeap(view, HeapAlgorithm::Kind::Extract).isEmpty());
    QCOMPARE(view->Model().Find<HeapState>().Out(), std::vector<int>{0});
}

// The exercise dialog names what is wrong with own values and stays open;
// a random instance of the size and seed chosen starts.
void TestShell::exerciseDialogRefusesThenStarts()
{
    CZarniView *view = Frame()->GetActiveView();
    QStringList problems;
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *name = dialog->findChild<QComboBox *>("exerciseName");
        name->setCurrentIndex(name->findData("heap-extract"));
        dialog->findChild<QLineEdit *>("exerciseValues")->setText("1 9 5");
        QMetaObject::invokeMethod(dialog, "accept");
        problems << dialog->findChild<QLabel *>("exerciseProblem")->text();
        dialog->findChild<QLineEdit *>("exerciseValues")->clear();
        dialog->findChild<QSpinBox *>("exerciseSize")->setValue(9);
        dialog->findChild<QSpinBox *>("exerciseSeed")->setValue(4);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Frame()->RouteCommand(CommandId("ID_EXERCISE_NEW"));
    QCOMPARE(problems, QStringList({"節點 2 的值破壞了堆積順序：這個題目要從堆積開始。"}));
    const Exercise *exercise = view->Model().Find<ExerciseState>().Current();
    QVERIFY(exercise);
    QCOMPARE(exercise->Name(), std::string("heap-extract"));
    QCOMPARE(exercise->Size(), 9);
    QCOMPARE(view->Model().Find<ExerciseState>().Seed(), 4);
}

// The range dialog names a fault in the field at fault and stays open: no
// tree yet, the first position past the last, a value leaving its range.
void TestShell::segmentDialogNamesTheFault()
{
    CZarniView *view = Frame()->GetActiveView();
    QStringList problems;
    auto answer = [&](const QList<QStringList> &tries) {
        QTimer::singleShot(50, [&, tries] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const QStringList &fields : tries) {
                for (int i = 0; i < 3; ++i)
                    dialog->findChild<QLineEdit *>(QStringList{"segmentFirst", "segmentSecond", "segmentAmount"}[i])->setText(fields[i]);
                QMetaObject::invokeMethod(dialog, "accept");
                if (dialog->isVisible())
                    problems << dialog->findChild<QLabel *>("segmentProblem")->text() << dialog->focusWidget()->objectName();
            }
            dialog->reject();
        });
    };
    answer({{"0", "1", "5"}});
    Frame()->RouteCommand(CommandId("ID_SEGMENT_ADD"));
    view->Follow(view->Model().Find<SegmentState>().Build(SegmentOp::Sum, {5, 8, 6, 3}));
    answer({{"3", "1", "5"}, {"0", "3", "99999"}, {"1", "2", "-4"}});
    Frame()->RouteCommand(CommandId("ID_SEGMENT_ADD"));
    QCOMPARE(problems, QStringList({"這裡沒有區間樹：請先建立區間樹。", "segmentFirst", "起點 3 大於終點 1。", "segmentSecond",
                                    "位置 0 的值 5 加上 99999 會超出 -99999 到 99999 的範圍。", "segmentAmount"}));
    view->OnWinnerEnd();
    QCOMPARE(view->Model().Find<SegmentState>().Array(), (std::vector<int64_t>{5, 4, 2, 3}));
}

// Esc, which stops a script, leaves present mode when no script runs.
void TestShell::escapeLeavesPresentMode()
{
    Frame()->RouteCommand(ID_VIEW_PRESENT);
    QVERIFY(Frame()->Presenter()->On() && Frame()->isFullScreen());
    Frame()->RouteCommand(ID_FILE_STOP_SCRIPT);
    QVERIFY(!Frame()->Presenter()->On() && !Frame()->isFullScreen());
}

// A screen reader names every button, panel and control; the message pane
// is named by the step it tells.
void TestShell::everyControlIsNamed()
{
    Frame()->RouteCommand(ID_VIEW_ARRAY);
    Frame()->RouteCommand(ID_VIEW_CODE);
    QStringList unnamed;
    QList<QWidget *> controls;
    for (QToolBar *bar : Frame()->findChildren<QToolBar *>())
        for (QAction *action : bar->actions())
            if (QWidget *control = bar->widgetForAction(action); control && !action->isSeparator())
                controls << control;
    for (QWidget *control : Frame()->findChildren<QWidget *>())
        if (qobject_cast<QDockWidget *>(control) || qobject_cast<QAbstractScrollArea *>(control) ||
            (qobject_cast<QAbstractSlider *>(control) && !qobject_cast<QScrollBar *>(control)))
            controls << control;
    for (QWidget *control : controls)
        if (control->isVisibleTo(Frame()) && QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            unnamed << control->metaObject()->className() + QString(" ") + control->objectName();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    CZarniView *view = Frame()->GetActiveView();
    view->OnWinnerTree();
    view->OnWinnerStep();
    QCOMPARE(QAccessible::queryAccessibleInterface(Frame()->m_wndStatusBar)->text(QAccessible::Name), view->ShownNarration());
}

namespace {

// Speaks into a list; has a voice or not.
class FakeSpeech : public CSpeechEngine {
public:
    FakeSpeech(bool voice, QStringList *said) : m_bVoice(voice), m_said(said) {}
    void Open(const QLocale &locale, const QString &voiceName) override
    {
        *m_said << QString("open %1 %2").arg(locale.name(), voiceName);
        emit Opened(m_bVoice);
    }
    void Say(const QString &text) override { *m_said << text; }
    void Stop() override { *m_said << "stop"; }

private:
    bool m_bVoice;
    QStringList *m_said;
};

} // namespace

void TestShell::speakingSaysEachStep_data()
{
    QTest::addColumn<bool>("voice");
    QTest::newRow("a voice") << true;
    QTest::newRow("no voice") << false;
}

// Each step shown is said, cutting off the one before; without a voice the
// item says so and stays off.
void TestShell::speakingSaysEachStep()
{
    QFETCH(bool, voice);
    QStringList said;
    SetSpeechEngineMaker([&] { return std::make_unique<FakeSpeech>(voice, &said); });
    Frame()->RouteCommand(ID_VIEW_SPEAK);
    QCOMPARE(Frame()->Speaker()->On(), voice);
    QCOMPARE(Frame()->m_wndStatusBar->GetPaneText(0).contains("沒有可用的語音"), !voice);
    CZarniView *view = Frame()->GetActiveView();
    Frame()->RouteCommand(ID_WINNER_TREE);
    QStringList expected{"open zh_TW Mandarin"};
    for (auto step : {&CZarniView::OnWinnerStep, &CZarniView::OnWinnerStep, &CZarniView::OnWinnerBack}) {
        (view->*step)();
        if (voice)
            expected << view->ShownNarration();
    }
    if (voice) {
        Frame()->RouteCommand(ID_VIEW_SPEAK);
        view->OnWinnerStep();
        expected << "stop";
    }
    SetSpeechEngineMaker(nullptr);
    QCOMPARE(said, expected);
}

void TestShell::leafEditedInPlace()
{
    CZarniView *view = Frame()->GetActiveView();
    auto editor = [&] { return view->viewport()->findChild<QLineEdit *>("leafEditor"); };
    auto doubleClick = [&](int index) {
        const CPoint p = view->NodeAt(index)->m_ptPos;
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(p.x - view->m_nHScrollPos, p.y - view->m_nVScrollPos));
    };
    QCOMPARE(view->LeafAt({450 - view->m_nHScrollPos, 525 - view->m_nVScrollPos}), qint64(12));
    QCOMPARE(view->LeafAt({400 - view->m_nHScrollPos, 75 - view->m_nVScrollPos}), qint64(0)); // an inner node
    doubleClick(5);
    QVERIFY(!editor());
    doubleClick(12);
    QTRY_VERIFY(editor());
    QCOMPARE(editor()->text(), QString("12"));
    editor()->setText("77");
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_VERIFY(!editor());
    QCOMPARE(LabelOf(view, 12), std::string("77"));
    doubleClick(13);
    QTRY_VERIFY(editor());
    editor()->setText("x");
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(editor()); // stays, naming the fault
    QCOMPARE(editor()->toolTip(), QString("「x」不是整數。"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    QTRY_VERIFY(!editor());
    QCOMPARE(LabelOf(view, 13), std::string("13"));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
