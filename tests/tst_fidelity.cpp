// The shell with real input: the Window menu's list, the platform's keys,
// translated dialogs, prompts of commands without one, the zoom list, and
// sequences that once used a window after it was gone.
#include "TestUtil.h"
#include "app/Zarni.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Closes whatever modal dialog opens while it lives.
class DialogCloser {
public:
    DialogCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

} // namespace

class TestFidelity : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowMenuListsTheWindows();
    void moreThanNineWindows();
    void controlF6MovesBetweenWindows();
    void toolkitDialogsSpeakChinese();
    void commandWithoutPromptEmptiesThePane();
    void zoomListFitsItsRectangle();
    void recentFilesShowShortNames();
    void lastDocumentClosedFromTheMenu();
    void everyCommandWithNoDocument();
    void closeFromTheSystemMenuDuringATournament();
    void openCloseReopen();

private:
    CMainFrame *Frame() const { return m_fixture.Frame(); }
    QMenu *Menu(const QString &title) const;
    // Opens the menu with a click on its title and clicks the item.
    void ClickMenuItem(const QString &title, QAction *item);
    QToolButton *Button(int id) const;
    AppFixture m_fixture;
};

void TestFidelity::init()
{
    QVERIFY(m_fixture.Start());
}

void TestFidelity::cleanup()
{
    m_fixture.Stop();
}

QMenu *TestFidelity::Menu(const QString &title) const
{
    for (QAction *action : Frame()->menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

void TestFidelity::ClickMenuItem(const QString &title, QAction *item)
{
    QMenuBar *bar = Frame()->menuBar();
    QPointer<QMenu> menu = Menu(title); // the item may end the menu bar it is in
    QVERIFY(menu);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu || !menu->isVisible());
}

QToolButton *TestFidelity::Button(int id) const
{
    return qobject_cast<QToolButton *>(Frame()->m_wndToolBar->widgetForAction(Frame()->Action(id)));
}

void TestFidelity::windowMenuListsTheWindows()
{
    Frame()->RouteCommand(ID_WINDOW_NEW);
    Frame()->RouteCommand(ID_FILE_NEW);
    Frame()->UpdateCommandUI();
    QStringList entries;
    for (QAction *action : Menu("視窗(&W)")->actions())
        if (action->isVisible() && !action->isSeparator() && action->text().startsWith('&'))
            entries << action->text();
    QCOMPARE(entries, (QStringList{"&1 Zarni1:1", "&2 Zarni1:2", "&3 Zarni2"}));
    QAction *first = Frame()->Action(AFX_IDM_FIRST_MDICHILD);
    QVERIFY(!first->isChecked());
    QVERIFY(Frame()->Action(AFX_IDM_FIRST_MDICHILD + 2)->isChecked());
    QCOMPARE(first->statusTip(), QString("啟動這個視窗"));
    ClickMenuItem("視窗(&W)", first);
    QTRY_COMPARE(Frame()->ActiveChild(), Frame()->ChildFrames().first());
    QVERIFY(first->isChecked());
    QVERIFY(!Frame()->IsCommandEnabled(AFX_IDM_FIRST_MDICHILD + 3));
}

void TestFidelity::moreThanNineWindows()
{
    for (int i = 0; i < 10; ++i)
        Frame()->RouteCommand(ID_FILE_NEW);
    Frame()->UpdateCommandUI();
    QAction *more = Frame()->Action(ID_WINDOW_MORE_WINDOWS);
    QVERIFY(more->isVisible() && more->isEnabled());
    QVERIFY(more->text().contains("(&M)"));
    QString shown;
    QTimer::singleShot(50, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *list = dialog->findChild<QAbstractItemView *>(); list && list->model()->rowCount() == 11) {
            list->setCurrentIndex(list->model()->index(1, 0));
            shown = list->model()->index(1, 0).data().toString();
        }
        dialog->accept();
    });
    Frame()->RouteCommand(ID_WINDOW_MORE_WINDOWS);
    QCOMPARE(shown, QString("Zarni2"));
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni2"));
}

void TestFidelity::controlF6MovesBetweenWindows()
{
    Frame()->RouteCommand(ID_FILE_NEW);
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni2"));
    QTest::keyClick(Frame()->GetActiveView(), Qt::Key_F6, Qt::ControlModifier);
    QTRY_COMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni1"));
    QTest::keyClick(Frame()->GetActiveView(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni2"));
    // F6 alone stays the pane key.
    Frame()->ActiveChild()->GetSplitter()->SplitTo(1, 2);
    CZarniView *left = Frame()->GetActiveView();
    QTest::keyClick(left, Qt::Key_F6);
    QTRY_VERIFY(Frame()->GetActiveView() != left);
    QCOMPARE(Frame()->ActiveChild()->windowTitle(), QString("Zarni2"));
}

void TestFidelity::toolkitDialogsSpeakChinese()
{
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QString("確定"));
    QVERIFY(QCoreApplication::translate("QFileDialog", "File &name:") != QString("File &name:"));
}

void TestFidelity::commandWithoutPromptEmptiesThePane()
{
    CStatusBar *bar = Frame()->m_wndStatusBar;
    QCOMPARE(bar->GetPaneText(0), QString("就緒"));
    QTest::mouseMove(Button(ID_NODE_WIDER));
    QTRY_COMPARE(bar->GetPaneText(0), QString());
    QTest::mouseMove(Frame()->GetActiveView()->viewport(), QPoint(300, 300));
    QTRY_COMPARE(bar->GetPaneText(0), QString("就緒"));
    QTest::mouseMove(Button(ID_ZOOM_IN));
    QTRY_COMPARE(bar->GetPaneText(0), QString("放大"));
    QTest::mouseMove(Frame()->GetActiveView()->viewport(), QPoint(300, 300));
    QTRY_COMPARE(bar->GetPaneText(0), QString("就緒"));
}

void TestFidelity::zoomListFitsItsRectangle()
{
    QComboBox *combo = Frame()->m_wndToolBar->m_wndZoomCombo;
    combo->showPopup();
    QWidget *popup = combo->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY2(popup->height() + combo->height() <= 150, qPrintable(QString::number(popup->height())));
    QVERIFY(combo->view()->verticalScrollBar()->maximum() > 0); // the rest of the list scrolls
    combo->hidePopup();
}

void TestFidelity::recentFilesShowShortNames()
{
    const QString deep = m_fixture.FilePath("a/very/long/directory/name/for/the/list");
    QDir().mkpath(deep);
    for (const QString &path : {QDir::current().filePath("a5"), deep + "/b7"})
        m_fixture.App()->AddToRecentFileList(path);
    Frame()->UpdateCommandUI();
    QCOMPARE(Frame()->Action(ID_FILE_MRU_FILE2)->text(), QString("&2 a5"));
    const QString shortened = Frame()->Action(ID_FILE_MRU_FILE1)->text();
    QVERIFY2(shortened.startsWith("&1 /...") && shortened.endsWith("/list/b7") && shortened.size() <= 33,
             qPrintable(shortened));
    QCOMPARE(Frame()->Action(ID_FILE_MRU_FILE1)->statusTip(), QString("開啟這個文件"));
}

// Closing the only document from the File menu deletes the menu bar the
// click came from; then a zoom pick, a menu, a click and Ctrl+N.
void TestFidelity::lastDocumentClosedFromTheMenu()
{
    ClickMenuItem("檔案(&F)", Frame()->Action(ID_FILE_CLOSE));
    QTRY_VERIFY(Frame()->ChildFrames().isEmpty());
    QTRY_COMPARE(Frame()->CurrentMenuId(), int(IDR_MAINFRAME));
    QComboBox *combo = Frame()->m_wndToolBar->m_wndZoomCombo;
    QTest::mouseClick(combo, Qt::LeftButton);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QMenu *file = Menu("檔案(&F)");
    QTest::mouseClick(Frame()->menuBar(), Qt::LeftButton, {}, Frame()->menuBar()->actionGeometry(file->menuAction()).center());
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Escape);
    QTest::mouseClick(Frame()->MdiArea()->viewport(), Qt::LeftButton);
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 15);
}

void TestFidelity::everyCommandWithNoDocument()
{
    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(Frame()->ChildFrames().isEmpty());
    DialogCloser closer;
    for (QAction *action : Frame()->m_wndToolBar->actions()) {
        QToolButton *button = qobject_cast<QToolButton *>(Frame()->m_wndToolBar->widgetForAction(action));
        if (!button || !button->isEnabled())
            continue;
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Every menu item that is enabled, through the menus, the new windows
    // closed again after each.
    const QStringList titles = {"檔案(&F)", "檢視(&V)", "說明(&H)"};
    for (const QString &title : titles) {
        const QList<QAction *> items = Menu(title)->actions();
        for (int i = 0; i < items.size(); ++i) {
            QAction *item = Menu(title)->actions().value(i);
            Frame()->UpdateCommandUI();
            if (!item || item->isSeparator() || !item->isEnabled() || !item->isVisible() || item->menu() ||
                item == Frame()->Action(ID_APP_EXIT))
                continue;
            ClickMenuItem(title, item);
            Frame()->MdiArea()->closeAllSubWindows();
            QTRY_VERIFY(Frame()->ChildFrames().isEmpty());
            QTRY_COMPARE(Frame()->CurrentMenuId(), int(IDR_MAINFRAME));
        }
    }
    Frame()->activateWindow(); // the closed dialogs took the activation with them
    QVERIFY(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
}

void TestFidelity::closeFromTheSystemMenuDuringATournament()
{
    Frame()->RouteCommand(ID_WINDOW_NEW);
    CChildFrame *child = Frame()->ActiveChild();
    CZarniView *view = qobject_cast<CZarniView *>(child->GetActiveView());
    view->SetStepDelay(10);
    int steps = 0;
    connect(view, &CZarniView::StepShown, [&](qint64) {
        if (++steps != 2)
            return;
        for (QAction *action : child->systemMenu()->actions())
            if (action->shortcut() == QKeySequence(QKeySequence::Close) || action->text().contains("Close") ||
                action->text().contains("關閉"))
                action->trigger();
    });
    Frame()->RouteCommand(ID_WINNER_GO);
    QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
    QTest::qWait(50);
    QCOMPARE(steps, 2);
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE(Frame()->ChildFrames().size(), 2);
}

void TestFidelity::openCloseReopen()
{
    const QString path = m_fixture.FilePath("doc.zarni");
    QFile(path).open(QIODevice::WriteOnly);
    for (int round = 0; round < 3; ++round) {
        QVERIFY(m_fixture.App()->OpenDocumentFile(path));
        QVERIFY(m_fixture.App()->OpenDocumentFile(path)); // the same window again
        int windows = 0;
        for (CChildFrame *frame : Frame()->ChildFrames())
            windows += frame->windowTitle() == "doc.zarni";
        QCOMPARE(windows, 1);
        ClickMenuItem("檔案(&F)", Frame()->Action(ID_FILE_CLOSE));
        QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
        ClickMenuItem("檔案(&F)", Frame()->Action(ID_FILE_MRU_FILE1));
        QTRY_COMPARE(Frame()->ActiveChild()->windowTitle(), QString("doc.zarni"));
        ClickMenuItem("檔案(&F)", Frame()->Action(ID_FILE_CLOSE));
        QTRY_COMPARE(Frame()->ChildFrames().size(), 1);
    }
}

QTEST_MAIN(TestFidelity)
#include "tst_fidelity.moc"
