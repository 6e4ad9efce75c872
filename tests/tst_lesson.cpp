// Lessons run in the window: they write nothing, keep nothing in the
// settings, read the files beside them, and end without taking the window
// with them.
#include "CliUtil.h"
#include "TestUtil.h"
#include "app/Script.h"
#include "app/State.h"
#include "app/Zarni.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "framework/StandardIds.h"
#include "res/Resource.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

class TestLesson : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.Start()); }
    void cleanup() { m_fixture.Stop(); }
    void writingIsRefused_data();
    void writingIsRefused();
    void badArgumentsChangeNothing_data();
    void badArgumentsChangeNothing();
    void readsBesideItself_data();
    void readsBesideItself();
    void settingsStayAsTheUserLeftThem();
    void pausedRunWaitsAndStopEnds();
    void closingItsWindowEndsIt();
    void droppedOnTheWindowRuns();
    void windowComesBackAsLeft();
    void saysAndWaitsForTheRemote();

private:
    // Runs text as lesson.zs in a folder of its own, from the File menu's
    // code; returns the message it showed.
    QString RunLesson(const QString &text);
    QString InFolder(const QString &name) const { return QDir(m_fixture.FilePath("lessons")).filePath(name); }
    CMainFrame *Frame() const { return m_fixture.Frame(); }
    AppFixture m_fixture;
};

QString TestLesson::RunLesson(const QString &text)
{
    QDir().mkpath(InFolder(QString()));
    QFile file(InFolder("lesson.zs"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write the lesson");
    file.write(text.toUtf8());
    file.close();
    return AnswerMessageBox([&] { m_fixture.App()->RunLesson(InFolder("lesson.zs")); });
}

void TestLesson::writingIsRefused_data()
{
    QTest::addColumn<QString>("statement"); // OLD: a file there before, NEW: none
    for (const char *verb : {"state", "export", "snapshot", "shot", "save", "save-script"}) {
        QTest::newRow(qPrintable(QString(verb) + " over a file")) << QString(verb) + " OLD";
        QTest::newRow(qPrintable(QString(verb) + " a new file")) << QString(verb) + " NEW";
    }
    QTest::newRow("state through a link") << "state LINK";
    QTest::newRow("Ctrl+S") << "key Ctrl+S";
    QTest::newRow("save as") << "ID_FILE_SAVE_AS";
    QTest::newRow("save as script") << "ID_FILE_SAVE_SCRIPT";
    QTest::newRow("export from the menu") << "ID_FILE_EXPORT";
}

void TestLesson::writingIsRefused()
{
    QFETCH(QString, statement);
    const QString old = m_fixture.FilePath("photo.png"), fresh = m_fixture.FilePath("fresh.png");
    const QString link = m_fixture.FilePath("link.json");
    WriteText(old, "a photo");
    QVERIFY(QFile::exists(link) || QFile::link(old, link));
    statement.replace("OLD", old).replace("NEW", fresh).replace("LINK", link);
    const QString message = RunLesson("nodes 20\n" + statement + "\nnodes 30\n");
    QVERIFY2(message.contains("lesson.zs:2:") && message.contains("a lesson writes no files"), qPrintable(message));
    QVERIFY(Frame()->isVisible());
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 20);
    QFile kept(old);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("a photo"));
    QVERIFY(!QFile::exists(fresh));
}

// Every statement with no arguments, a word for a number and numbers far
// out of range: refused, it names its line, says why and changes nothing.
void TestLesson::badArgumentsChangeNothing_data()
{
    QTest::addColumn<QString>("statement");
    for (const StatementEntry &entry : ScriptStatements()) {
        const QString word = QString::fromLatin1(entry.word);
        if (word == "wait") // waits for the presenter, as it should
            continue;
        for (const char *arguments : {"", " x", " 99999999999 -99999999999 1"})
            QTest::newRow(qPrintable(word + arguments)) << word + arguments;
    }
}

void TestLesson::badArgumentsChangeNothing()
{
    QFETCH(QString, statement);
    const QString setup = "nodes 7\nvalues 9 5 8 1 3 7 2\n";
    QCOMPARE(RunLesson(setup), QString());
    const QByteArray before = ProgramStateJson(Frame());
    const QString message = RunLesson(setup + statement + "\n");
    if (message.isEmpty())
        return; // taken: what it does is tested where it is specified
    const QString why = message.section("lesson.zs:3: ", 1);
    QVERIFY2(why.size() >= 12 && !why.contains("null"), qPrintable(message));
    QCOMPARE(ProgramStateJson(Frame()), before);
}

void TestLesson::readsBesideItself_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message"); // empty: read
    QTest::newRow("runs beside it") << "merge runs.txt" << "";
    QTest::newRow("document beside it") << "open doc.zarni" << "";
    QTest::newRow("standard input") << "merge -" << "lesson.zs:1: 'merge -': a lesson cannot read standard input";
    QTest::newRow("a FIFO") << "merge fifo" << "lesson.zs:1: cannot read 'fifo': it is not a regular file";
    QTest::newRow("a FIFO as document") << "open fifo" << "lesson.zs:1: cannot read 'fifo': it is not a regular file";
}

void TestLesson::readsBesideItself()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    QDir().mkpath(InFolder(QString()));
    WriteText(InFolder("runs.txt"), "9 4\n8 1\n");
    WriteText(InFolder("doc.zarni"), "");
    QVERIFY(QFile::exists(InFolder("fifo")) || mkfifo(QFile::encodeName(InFolder("fifo")).constData(), 0600) == 0);
    const QString shown = RunLesson(statement + "\n");
    QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.contains(message), qPrintable(shown));
    if (statement.startsWith("merge") && message.isEmpty())
        QVERIFY(Frame()->GetActiveView()->Model().Find<MergeState>().Active());
    QCOMPARE(Frame()->ChildFrames().size(), statement.startsWith("open") && message.isEmpty() ? 2 : 1);
}

void TestLesson::settingsStayAsTheUserLeftThem()
{
    WriteText(m_fixture.FilePath("doc.zarni"), "");
    QSettings settings;
    QStringList before;
    for (const QString &key : settings.allKeys())
        before << key + '=' + settings.value(key).toString();
    RunLesson(QString("ID_VIEW_LANGUAGE_EN\nspeed 8\nID_WINNER_SLOWER\narray on\nID_VIEW_ARRAY\nopen %1\n")
                  .arg(m_fixture.FilePath("doc.zarni")));
    settings.sync();
    QStringList after;
    for (const QString &key : settings.allKeys())
        after << key + '=' + settings.value(key).toString();
    QCOMPARE(after, before);
    QVERIFY(m_fixture.App()->RecentFiles().isEmpty());
    Frame()->RouteCommand(ID_WINNER_SLOWER); // the user's own choice is kept
    QCOMPARE(QSettings().value("Tournament/Speed").toDouble(), Frame()->GetActiveView()->Speed());
}

// A run the user pauses holds the lesson; the stop item ends it there.
void TestLesson::pausedRunWaitsAndStopEnds()
{
    QTimer::singleShot(100, Frame(), [this] { Frame()->RouteCommand(ID_WINNER_PAUSE); });
    QTimer::singleShot(1500, Frame(), [this] {
        QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 15);
        // The user's own commands stay the user's: the dialog opens.
        bool opened = false;
        QTimer::singleShot(100, Frame(), [&opened] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        Frame()->RouteCommand(ID_FILE_SAVE_SCRIPT);
        QVERIFY(opened);
        QVERIFY(Frame()->IsCommandEnabled(ID_FILE_STOP_SCRIPT));
        Frame()->RouteCommand(ID_FILE_STOP_SCRIPT);
    });
    QCOMPARE(RunLesson("ID_WINNER_TREE\nID_WINNER_GO\nnodes 30\n"), QString());
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 15);
    QCOMPARE(Frame()->m_wndStatusBar->currentMessage(), QString("腳本已停止。"));
    QVERIFY(!Frame()->IsCommandEnabled(ID_FILE_STOP_SCRIPT));
}

void TestLesson::closingItsWindowEndsIt()
{
    Frame()->RouteCommand(ID_FILE_NEW);
    // Closed while the run of line 2 plays, however slow the machine.
    CZarniView *view = Frame()->GetActiveView();
    QObject::connect(view, &CZarniView::StepShown, view, [this, view](qint64 step) {
        if (step == 3)
            QTimer::singleShot(0, Frame(), [this] { Frame()->ActiveChild()->close(); });
    });
    const QString message = RunLesson("ID_WINNER_TREE\nID_WINNER_GO\nnodes 30\n");
    QVERIFY2(message.contains("lesson.zs:2: the script's document window was closed"), qPrintable(message));
    QVERIFY(Frame()->isVisible());
    QCOMPARE(Frame()->GetActiveView()->m_nNodeCount, 15);
}

void TestLesson::droppedOnTheWindowRuns()
{
    QDir().mkpath(InFolder(QString()));
    WriteText(InFolder("dropped.zs"), "nodes 21\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(InFolder("dropped.zs"))});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &drop);
    QTRY_COMPARE(Frame()->GetActiveView()->m_nNodeCount, 21);
}

void TestLesson::windowComesBackAsLeft()
{
    Frame()->resize(901, 655);
    Frame()->close();
    m_fixture.Stop();
    QVERIFY(m_fixture.Start(false));
    QCOMPARE(Frame()->size(), QSize(901, 655));
}

// 'say' shows the teacher's line until the next step; 'wait' holds the
// lesson until the remote's next key, which goes on instead of stepping.
void TestLesson::saysAndWaitsForTheRemote()
{
    QStringList during;
    QTimer::singleShot(500, Frame(), [&] {
        const CZarniView *view = Frame()->GetActiveView();
        during << view->ShownNarration() << QString::number(view->RunStep());
        QTest::keyClick(Frame(), Qt::Key_PageDown);
    });
    QCOMPARE(RunLesson("ID_WINNER_TREE\nID_WINNER_END\nseek 0\npresent on\nsay Who wins the first match?\nwait\n"
                       "ID_WINNER_STEP\n"),
             QString());
    QCOMPARE(during, QStringList({"Who wins the first match?", "0"}));
    const CZarniView *view = Frame()->GetActiveView();
    QCOMPARE(view->RunStep(), int64_t(1));
    QVERIFY(view->Said().isEmpty());
}

QTEST_MAIN(TestLesson)
#include "tst_lesson.moc"
