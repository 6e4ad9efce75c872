// The heap array beside the tree: slot colours, a click on a slot, finding a
// node, and the relations named for the node pointed at.
#include "TestUtil.h"
#include "app/Zarni.h"
#include "frames/ArrayPanel.h"
#include "frames/GotoDlg.h"
#include "frames/MainFrm.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"
#include "view/Palette.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class TestArray : public QObject {
    Q_OBJECT

private slots:
    void slotColours_data();
    void slotColours();
    void clickSlot_data();
    void clickSlot();
    void gotoNode_data();
    void gotoNode();
    void relations_data();
    void relations();
    void pointing();
    void badIndices_data();
    void badIndices();
    void panelInTheProgram();
};

namespace {

// Every slot shows its node as the window does, in the middle of a run
// too: index, label and the box's colours; on a tree whose boxes lie apart,
// the fill is read off the picture.
void CheckSlots(const CArrayPanel &panel, CZarniView *view, bool boxesApart = false)
{
    const CArrayCells &cells = panel.Cells();
    QCOMPARE(cells.RowCount(), 1);
    QCOMPARE(cells.CellCount(0), qint64(view->m_nNodeCount));
    const QImage picture = Render(view);
    for (qint64 i = 1; i <= view->m_nNodeCount; ++i) {
        const CCellSource::Cell cell = cells.CellAt(0, i - 1);
        const CPoint at = view->NodeAt(i)->m_ptPos;
        const CZarniView::NodeLook look = view->ShownLook(i);
        QCOMPARE(cell.caption, QString::number(i));
        QCOMPARE(cell.text, QString::fromStdString(ValueText(look.value)));
        const QPoint inside(at.x - view->m_nHScrollPos - 23, at.y - view->m_nVScrollPos - 23);
        if (boxesApart)
            QCOMPARE(cell.fill, Pixel(picture, inside.x(), inside.y()));
        else
            QCOMPARE(cell.fill, ColoursFor(look.mark).fill);
        QCOMPARE(cell.frame, ColoursFor(look.mark).finalFrame);
    }
    if (view->GetRunState() != CZarniView::RunState::Paused)
        for (qint64 i = 1; i <= view->m_nNodeCount; ++i)
            QCOMPARE(cells.CellAt(0, i - 1).text, QString::fromStdString(LabelOf(view, i)));
}

// The scroll position that brings a canvas point to the middle, clamped.
int Centred(int point, int client, int limit)
{
    return std::clamp(point - client / 2, 0, limit);
}

} // namespace

void TestArray::slotColours_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("a band") << 0;
    QTest::newRow("a played tournament") << 1;
    QTest::newRow("a tournament stopped half way") << 2;
    QTest::newRow("a merge after two pops") << 3;
}

void TestArray::slotColours()
{
    QFETCH(int, what);
    auto view = MakeView();
    view->SetStepDelay(0);
    CArrayPanel panel(nullptr);
    panel.SetView(view.get());
    switch (what) {
    case 0: Drag(view.get(), {{100, 60}, {500, 300}}); break;
    case 1:
        view->OnWinnerTree();
        PlayToEnd(view.get());
        break;
    case 2:
        view->OnWinnerTree();
        for (int i = 0; i < 11; ++i)
            view->OnWinnerStep();
        break;
    case 3:
        StartMerge(view, {{9, 4}, {8, 8, 1}, {7}, {5, 2}});
        CZarniView::WaitWhilePlaying(view.get());
        Pop(view);
        Pop(view);
        CZarniView::WaitWhilePlaying(view.get());
        break;
    }
    QVERIFY(!AllPlain(view.get()));
    CheckSlots(panel, view.get(), true);
}

void TestArray::clickSlot_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("zoom"); // canvas side multiple
    QTest::addColumn<qint64>("index");
    QTest::newRow("root") << 15 << 1 << qint64(1);
    QTest::newRow("a leaf") << 15 << 1 << qint64(13);
    QTest::newRow("far right on a wide canvas") << 1023 << 5 << qint64(1023);
    QTest::newRow("middle on a wide canvas") << 1023 << 5 << qint64(700);
}

// A click on a slot selects its node alone and scrolls its box into view.
void TestArray::clickSlot()
{
    QFETCH(int, count);
    QFETCH(int, zoom);
    QFETCH(qint64, index);
    auto view = MakeView();
    view->SetNodeCount(count);
    view->ApplyZoomIndex(20 - zoom);
    view->SelectNodesInRect(view->m_pRoot, 0, 0, view->m_nCanvasWidth, view->m_nCanvasHeight);
    CArrayPanel panel(nullptr);
    panel.resize(700, 120);
    panel.SetView(view.get());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    Render(view.get());
    panel.Grid()->EnsureVisible(0, index - 1);
    QTest::mouseClick(panel.Grid()->viewport(), Qt::LeftButton, {}, panel.Grid()->CellRect(0, index - 1).center());
    for (qint64 i = 1; i <= count; ++i)
        QCOMPARE(view->Mark(i), i == index ? 1 : 0);
    const TreeGeometry g = view->Geometry();
    // What of the box lies on the canvas is in view.
    const CRect box = g.Box(g.Position(index));
    const QRect onCanvas = QRect(box.left, box.top, box.Width(), box.Height()) &
                           QRect(0, 0, view->m_nCanvasWidth, view->m_nCanvasHeight);
    const QRect client(QPoint(view->m_nHScrollPos, view->m_nVScrollPos), view->viewport()->size());
    QVERIFY(client.contains(onCanvas));
    // The window shows the box selected, as the selection redraws it.
    view->UpdateWindow(); // the strips the scroll uncovered
    const QPoint inside(box.left + 1 - view->m_nHScrollPos, box.top + 1 - view->m_nVScrollPos);
    QCOMPARE(Pixel(view->RetainedImage(), inside.x(), inside.y()), ColoursFor(1).fill);
    CheckSlots(panel, view.get());
}

void TestArray::gotoNode_data()
{
    QTest::addColumn<qint64>("index");
    QTest::newRow("first") << qint64(1);
    QTest::newRow("middle") << qint64(700000);
    QTest::newRow("last") << qint64(1048575);
}

void TestArray::gotoNode()
{
    QFETCH(qint64, index);
    auto view = MakeView();
    view->SetNodeCount(1048575);
    view->ApplyZoomIndex(0); // 20x: a canvas of 16000 by 12000
    CArrayPanel panel(nullptr);
    panel.SetView(view.get());
    QSignalSpy selected(view.get(), &CZarniView::NodeSelected);
    QVERIFY(view->SelectNode(index, true));
    QCOMPARE(selected.count(), 1);
    const CPoint centre = ExpectedPosition(index, view->m_nCanvasWidth, view->m_nCanvasHeight, view->m_nDepth);
    const QSize client = view->viewport()->size();
    QCOMPARE(view->m_nHScrollPos, Centred(centre.x, client.width(), view->GetScrollLimit(SB_HORZ)));
    QCOMPARE(view->m_nVScrollPos, Centred(centre.y, client.height(), view->GetScrollLimit(SB_VERT)));
    int marked = 0;
    for (qint64 i = 1; i <= view->m_nNodeCount; ++i)
        marked += view->Mark(i) != 0;
    QCOMPARE(marked, 1);
    QCOMPARE(view->Mark(index), 1);
    QVERIFY(panel.FirstShown() <= index && index <= panel.LastShown());
}

void TestArray::relations_data()
{
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("root") << qint64(1) << qint64(15) << "節點 1：樹根，左 2，右 3，第 1 層";
    QTest::newRow("inner") << qint64(6) << qint64(15) << "節點 6：父 3，左 12，右 13，第 3 層";
    QTest::newRow("one child") << qint64(6) << qint64(12) << "節點 6：父 3，左 12，沒有右子，第 3 層";
    QTest::newRow("leaf") << qint64(9) << qint64(15) << "節點 9：父 4，葉節點，第 4 層";
    QTest::newRow("lone root") << qint64(1) << qint64(1) << "節點 1：樹根，葉節點，第 1 層";
    QTest::newRow("deep") << qint64(1048575) << qint64(1048575) << "節點 1048575：父 524287，葉節點，第 20 層";
}

void TestArray::relations()
{
    QFETCH(qint64, index);
    QFETCH(qint64, count);
    QFETCH(QString, text);
    QCOMPARE(CArrayPanel::Relation(index, count), text);
}

// The node under the pointer, in the tree or in the panel, is outlined in
// both; the tree's outline lies over the window, not in its pixels.
void TestArray::pointing()
{
    auto view = MakeView();
    CArrayPanel panel(nullptr);
    panel.resize(700, 120);
    panel.SetView(view.get());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy said(&panel, &CArrayPanel::RelationShown);
    const QImage before = Render(view.get()).copy();
    const TreeGeometry g = view->Geometry();
    const CPoint six = g.Position(6);
    SendMouse(view.get(), QEvent::MouseMove, QPoint(six.x, six.y), Qt::NoButton);
    QCOMPARE(view->Highlight(), 6);
    QCOMPARE(panel.Cells().m_nPointed, 6);
    QCOMPARE(said.last().at(0).toString(), CArrayPanel::Relation(6, 15));
    QCOMPARE(panel.Cells().CellAt(0, 5).outline, HighlightColour());
    for (qint64 relative : {3, 12, 13})
        QCOMPARE(panel.Cells().CellAt(0, relative - 1).outline, RelativeColour());
    QVERIFY(!panel.Cells().CellAt(0, 6).outline.isValid());
    view->UpdateWindow();
    QCOMPARE(view->RetainedImage(), before);
    const QImage shown = view->viewport()->grab().toImage();
    const CRect box = g.Box(six);
    QCOMPARE(Pixel(shown, box.left - 2, six.y), HighlightColour());
    // Off every box: nothing outlined, the status bar told so.
    SendMouse(view.get(), QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    QCOMPARE(view->Highlight(), 0);
    QCOMPARE(said.last().at(0).toString(), QString());
    // From the panel's side: a slot under the pointer outlines its node.
    QMouseEvent move(QEvent::MouseMove, panel.Grid()->CellRect(0, 10).center(), QPointF(), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(panel.Grid()->viewport(), &move);
    QCOMPARE(view->Highlight(), 11);
    // A hidden panel leaves the tree without outlines.
    panel.hide();
    QCOMPARE(view->Highlight(), 0);
}

void TestArray::badIndices_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("index"); // 0: refused
    QTest::addColumn<QString>("problem");
    QTest::newRow("first") << "1" << qint64(1) << "";
    QTest::newRow("last, with blanks and a sign") << " +15 " << qint64(15) << "";
    QTest::newRow("zero") << "0" << qint64(0) << "這棵樹沒有節點 0：索引必須在 1 到 15 之間。";
    QTest::newRow("past the end") << "16" << qint64(0) << "這棵樹沒有節點 16：索引必須在 1 到 15 之間。";
    QTest::newRow("huge") << "99999999999999999999" << qint64(0) << "這棵樹沒有節點 99999999999999999999：索引必須在 1 到 15 之間。";
    QTest::newRow("negative") << "-3" << qint64(0) << "「-3」不是整數。";
    QTest::newRow("word") << "six" << qint64(0) << "「six」不是整數。";
    QTest::newRow("empty") << "" << qint64(0) << "「」不是整數。";
}

void TestArray::badIndices()
{
    QFETCH(QString, text);
    QFETCH(qint64, index);
    QFETCH(QString, problem);
    QString said;
    QCOMPARE(CGotoDlg::ParseIndex(text, 15, &said), index);
    QCOMPARE(said, problem);
    auto view = MakeView();
    CGotoDlg dlg(view.get(), nullptr);
    dlg.findChild<QLineEdit *>("gotoIndex")->setText(text);
    dlg.accept();
    QCOMPARE(dlg.result(), int(index ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dlg.findChild<QLabel *>("gotoProblem")->text(), problem);
    QCOMPARE(AllPlain(view.get()), index == 0);
}

// In the program: off at first, on from the View menu and kept for the next
// start; it follows the active window and shows nothing without one.
void TestArray::panelInTheProgram()
{
    AppFixture app;
    QVERIFY(app.Start());
    CArrayPanel *panel = app.Frame()->ArrayPanel();
    QVERIFY(panel->isHidden());
    app.Frame()->RouteCommand(ID_VIEW_ARRAY);
    QVERIFY(!panel->isHidden());
    QVERIFY(app.Frame()->Action(ID_VIEW_ARRAY)->isChecked());
    CZarniView *first = app.Frame()->GetActiveView();
    QCOMPARE(panel->View(), first);
    app.Frame()->RouteCommand(ID_FILE_NEW);
    QCoreApplication::processEvents();
    QVERIFY(app.Frame()->GetActiveView() != first);
    QCOMPARE(panel->View(), app.Frame()->GetActiveView());
    app.Frame()->RouteCommand(ID_FILE_CLOSE);
    app.Frame()->RouteCommand(ID_FILE_CLOSE);
    QCoreApplication::processEvents();
    QCOMPARE(panel->Cells().RowCount(), 0);
    QCOMPARE(panel->FirstShown(), 0);
    app.Stop();
    QVERIFY(app.Start(false));
    QVERIFY(!app.Frame()->ArrayPanel()->isHidden());
    app.Frame()->RouteCommand(ID_VIEW_ARRAY);
    app.Stop();
    QVERIFY(app.Start(false));
    QVERIFY(app.Frame()->ArrayPanel()->isHidden());
}

QTEST_MAIN(TestArray)
#include "tst_array.moc"
