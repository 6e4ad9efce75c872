// The program on the desktop, driven through its scripts: lessons kept as
// scripts and run again, the wheel and the keys, and the English texts.
#include "CliUtil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void exerciseByTheMouse();
    void savedLessonRebuildsTheView_data();
    void savedLessonRebuildsTheView();
    void lessonOpenedAsFileRuns();
    void ctrlWheelKeepsThePointUnderThePointer_data();
    void ctrlWheelKeepsThePointUnderThePointer();
    void zoomKeysKeepTheMiddle_data();
    void zoomKeysKeepTheMiddle();
    void fullScreenWithF11();
    void keysScroll_data();
    void keysScroll();
    void presenterKeys_data();
    void presenterKeys();
    void englishTexts();
    void languageBackAndForthKeepsTheChineseTexts();
    void badWheelAndKeyStatements_data();
    void badWheelAndKeyStatements();

private:
    QJsonObject State(const QString &script, const QStringList &extra = {});
    QJsonObject ActiveView(const QString &script);
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QJsonObject TestDesktop::State(const QString &script, const QStringList &extra)
{
    const Run run = RunScript(m_dir.path(), script + "\nstate -\n", extra);
    if (run.status != 0)
        qWarning("%s", qPrintable(run.err));
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QJsonObject TestDesktop::ActiveView(const QString &script)
{
    return State(script)["views"].toArray().first().toObject();
}

// What a lesson must bring back of a view.
QJsonObject Kept(QJsonObject view)
{
    for (const char *key : {"dragStart", "dragCurrent", "title", "window", "active"})
        view.remove(key);
    return view;
}

void TestDesktop::savedLessonRebuildsTheView_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("numbered tree") << "nodes 100\n";
    QTest::newRow("played winner tree, own leaves")
        << "ID_WINNER_TREE\nleaves 5 3 9 1 7 2 8 6\nID_WINNER_GO\n";
    QTest::newRow("half-played, stepped") << "ID_WINNER_TREE\nrepeat 9 ID_WINNER_STEP\n";
    QTest::newRow("zoomed, stretched, scrolled")
        << "zoom 16\nID_ZOOM_IN_X\nID_ZOOM_OUT_Y\nID_NODE_NARROWER\nID_NODE_TALLER\nnodes 600\nscroll 900 700\n";
    QTest::newRow("small zoom item") << "zoom 24\nID_ZOOM_IN_Y\nID_ZOOM_IN_Y\n";
    QTest::newRow("band down-right") << "zoom 18\nscroll 100 50\npress 10 10\nmove 500 300\nrelease 500 300\n";
    QTest::newRow("band up-left") << "nodes 40\npress 600 400\nmove 100 80\nrelease 100 80\n";
    QTest::newRow("node found") << "zoom 15\nnodes 500\ngoto 321\n";
    QTest::newRow("played, then selected") << "ID_WINNER_TREE\nID_WINNER_GO\nclick 395 45\n";
    QTest::newRow("hand mode") << "ID_MODE_PAN\nscroll 0 0\n";
    QTest::newRow("merge after pops") << "runs 9 4 1 / 8 7 / 6 5 0 -3\nrepeat 4 ID_WINNER_POP\n";
    QTest::newRow("speed") << "speed 4\nnodes 7\n";
    QTest::newRow("stepped, then a click ended it") << "ID_WINNER_TREE\nrepeat 8 ID_WINNER_STEP\nclick 5 5\n";
    QTest::newRow("merge replaced, its panel kept") << "zoom 18\nruns 3 1 / 2\nID_WINNER_TREE\nscroll 0 600\n";
    QTest::newRow("array panel") << "array on\nnodes 40\nscroll 0 100\n";
    QTest::newRow("heapsort stopped") << "nodes 12\nvalues random\nheap sort\nseek 40\n";
    QTest::newRow("min-heap after an insert, extracting") << "nodes 9\nvalues descending\nheap min\nheap build\nheap insert 0\nheap extract\nseek 3\nheap max\n";
    QTest::newRow("loser tree, half-played") << "nodes 7\nleaves 5 3 8 1\ntree loser\nrepeat 2 ID_WINNER_STEP\n";
    QTest::newRow("replacement mid-way") << "tree loser\nreplace 3 5 9 1 7 3 8 2 6\nseek 17\n";
    QTest::newRow("heap values, selected") << "nodes 5\nvalues 3 1 4 1 5\ngoto 4\n";
    QTest::newRow("leaf's path stepped back") << "ID_WINNER_TREE\nID_WINNER_GO\nleaf 9 50\nID_WINNER_BACK\n";
    QTest::newRow("loser path stepped back") << "tree loser\nleaves 10 20 30 40 50 60 70 80\nID_WINNER_GO\nleaf 15 5\nseek 2\n";
    QTest::newRow("merge pop at its first step") << "runs 9 4 1 / 8 7 / 6 5 0 -3\nrepeat 2 ID_WINNER_POP\nseek 1\n";
    QTest::newRow("tournament sought to its start") << "ID_WINNER_TREE\nID_WINNER_END\nseek 0\n";
    QTest::newRow("numbered tree part-played") << "ID_WINNER_END\nseek 3\n";
    QTest::newRow("the emptied heap built") << "nodes 1\nvalues 5\nheap extract\nheap build\n";
    QTest::newRow("segment add stopped over tags") << "segment sum 5 8 6 3 2 7 2 6 1 4\nsegment add 2 7 3\nsegment add 0 5 -2\nseek 6\n";
    QTest::newRow("segment min queried, tags pending") << "segment min random 13\nsegment add 3 9 4\nsegment query 0 6\nsegment max\n";
    QTest::newRow("segment tag pushed past the last position") << "segment sum 1 2 3 4 5\nsegment lazy 3 2\nsegment query 4 4\nsegment add 0 0 1\n";
    QTest::newRow("segment build stopped") << "array on\nsegment max 4 1 3\nseek 3\n";
    QTest::newRow("fitted") << "fit\nnodes 31\n";
    QTest::newRow("exercise half done") << "exercise heap-build 5 9 2 7 1 8 3\nswap 3 6\nswap 1 2\n";
    QTest::newRow("exercise at the end, taken back") << "exercise-mode end\nexercise heap-sort random 6 seed 42\nswap 1 6\nswap 2 3\nundo\n";
    QTest::newRow("values too many for one line") << "nodes 20000\nvalues random\nheap build\nseek 9\n";
    QTest::newRow("practice question waiting") << "segment sum 1 2 3 4 5 6\npractice on\nsegment query 1 4\n";
    QTest::newRow("practice question after answers") << "nodes 7\nvalues 1 2 3 4 5 6 7\npractice on\nheap build\nanswer 7\nanswer 5\n";
    QTest::newRow("exercise's solution at its start") << "exercise replacement 3 5 1 4 2 6 8 7\nsolution\nseek 0\n";
    QTest::newRow("exercise's solution played") << "exercise heap-insert 9 5 7 1 3 8\nsolution\n";
    QTest::newRow("exercise handed in, then its solution a step back")
        << "exercise heap-build 3 9 5 1 7 2\nswap 2 5\ngrade\nsolution\nID_WINNER_BACK\n";
    QTest::newRow("tournament exercise, a wrong pick") << "exercise tournament random 8 seed 7\npromote 8\npromote 9\n";
    QTest::newRow("runner-up at its end") << "ID_WINNER_TREE\nID_WINNER_GO\nsecond\n";
    QTest::newRow("runner-up part-way, own leaves") << "nodes 9\nleaves 4 8 8 1 6\nID_WINNER_END\nsecond\nseek 2\n";
    QTest::newRow("runner-up on a numbered tree") << "nodes 12\nID_WINNER_END\nsecond\n";
    QTest::newRow("fit follows") << "code on\nfit follow on\nID_WINNER_TREE\n";
    QTest::newRow("canvas no zoom item reaches") << "canvas 999 3\n";
    QTest::newRow("heap with values out before") << "nodes 7\nvalues 7 6 5 4 3 2 1\nheap extract\nheap extract\nheap insert 9\n";
}

void TestDesktop::savedLessonRebuildsTheView()
{
    QFETCH(QString, setup);
    const QString lesson = Path("lesson.zs");
    const QJsonObject before = State(setup + "save-script " + lesson + "\n");
    QVERIFY(!before.isEmpty());
    QFile file(lesson);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(!text.contains("could not be kept"), qPrintable(text));
    const QJsonObject after = State(text);
    QCOMPARE(Kept(after["views"].toArray().first().toObject()), Kept(before["views"].toArray().first().toObject()));
    QCOMPARE(after["exercise"], before["exercise"]);
    QCOMPARE(after["practice"]["question"], before["practice"]["question"]);
}

// From the file manager: the file alone on the command line, run to its
// end in the window (what a lesson may do is tested in the program itself).
void TestDesktop::lessonOpenedAsFileRuns()
{
    const QString lesson = Path("opened.zs");
    WriteText(lesson, "nodes 9\nID_WINNER_TREE\nID_APP_EXIT\n");
    const Run run = RunZarni(m_dir.path(), {lesson});
    QCOMPARE(run.status, 0);
}

// The documents that "state -" statements wrote one after another.
QList<QJsonObject> States(const QString &out)
{
    QList<QJsonObject> states;
    QByteArray rest = out.toUtf8();
    while (!rest.trimmed().isEmpty()) {
        QJsonParseError error;
        const int end = int(rest.indexOf("\n}\n")) + 3;
        states << QJsonDocument::fromJson(rest.left(end), &error).object();
        if (error.error != QJsonParseError::NoError)
            return {};
        rest = rest.mid(end);
    }
    return states;
}

// The canvas point under the window point (x, y) before a zoom is there
// after it, as far as the scroll range allows.
void CheckPointKept(const QJsonObject &before, const QJsonObject &after, int x, int y)
{
    const QJsonObject a = before["views"].toArray()[0].toObject();
    const QJsonObject b = after["views"].toArray()[0].toObject();
    for (const auto &[side, pos, client, at] : {std::tuple{"canvasWidth", "hScrollPos", "clientWidth", x},
                                                std::tuple{"canvasHeight", "vScrollPos", "clientHeight", y}}) {
        const double fraction = double(a[pos].toInt() + at) / a[side].toInt();
        const int wanted = int(std::lround(fraction * b[side].toInt())) - at;
        const int limit = std::max(0, b[side].toInt() - b[client].toInt());
        QCOMPARE(b[pos].toInt(), std::clamp(wanted, 0, limit));
    }
}

void TestDesktop::ctrlWheelKeepsThePointUnderThePointer_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("in from 1x at a corner") << 19 << 3 << 100 << 80;
    QTest::newRow("in from 4x in the middle") << 16 << 4 << 390 << 250;
    QTest::newRow("out from 10x") << 10 << -3 << 600 << 400;
    QTest::newRow("out below 1x") << 19 << -2 << 300 << 200;
}

void TestDesktop::ctrlWheelKeepsThePointUnderThePointer()
{
    QFETCH(int, zoom);
    QFETCH(int, steps);
    QFETCH(int, x);
    QFETCH(int, y);
    QString script = QStringLiteral("zoom %1\n").arg(zoom);
    if (zoom < 19)
        script += "scroll 700 500\n";
    script += "state -\n";
    for (int i = 0; i < std::abs(steps); ++i)
        script += QStringLiteral("wheel 0 %1 ctrl %2 %3\nstate -\n").arg(steps > 0 ? 120 : -120).arg(x).arg(y);
    const Run run = RunScript(m_dir.path(), script);
    QCOMPARE(run.status, 0);
    const QList<QJsonObject> states = States(run.out);
    QCOMPARE(states.size(), std::abs(steps) + 1);
    for (int i = 1; i < states.size(); ++i) {
        QCOMPARE(states[i]["zoomIndex"].toInt(), states[i - 1]["zoomIndex"].toInt() - (steps > 0 ? 1 : -1));
        CheckPointKept(states[i - 1], states[i], x, y);
    }
}

void TestDesktop::zoomKeysKeepTheMiddle_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("zoomAfter");
    QTest::newRow("Ctrl+= from 3x") << 17 << "Ctrl+=" << 16;
    QTest::newRow("Ctrl++ from 3x") << 17 << "Ctrl++" << 16;
    QTest::newRow("Ctrl+- from 3x") << 17 << "Ctrl+-" << 18;
    QTest::newRow("Ctrl+0 from 3x") << 17 << "Ctrl+0" << 19;
    QTest::newRow("Ctrl+0 from 1/4x") << 21 << "Ctrl+0" << 19;
    QTest::newRow("Ctrl+- at 1/20x stays") << 29 << "Ctrl+-" << 29;
    QTest::newRow("Ctrl+= at 20x stays") << 0 << "Ctrl+=" << 0;
}

// The keys zoom about the middle of the client area as it was (without
// scroll bars when the canvas fitted).
void TestDesktop::zoomKeysKeepTheMiddle()
{
    QFETCH(int, zoom);
    QFETCH(QString, key);
    QFETCH(int, zoomAfter);
    const Run run = RunScript(m_dir.path(), QStringLiteral("zoom %1\nscroll 700 500\nstate -\nkey %2\nstate -\n").arg(zoom).arg(key));
    QCOMPARE(run.status, 0);
    const QList<QJsonObject> states = States(run.out);
    QCOMPARE(states.size(), 2);
    QCOMPARE(states[1]["zoomIndex"].toInt(), zoomAfter);
    const QJsonObject view = states[0]["views"].toArray()[0].toObject();
    CheckPointKept(states[0], states[1], (view["clientWidth"].toInt() - 1) / 2, (view["clientHeight"].toInt() - 1) / 2);
}

void TestDesktop::fullScreenWithF11()
{
    const Run run = RunScript(m_dir.path(), "state -\nkey F11\nstate -\nkey F11\nstate -\n");
    QCOMPARE(run.status, 0);
    const QList<QJsonObject> states = States(run.out);
    QCOMPARE(states.size(), 3);
    QCOMPARE(states[0]["fullScreen"].toBool(), false);
    QCOMPARE(states[1]["fullScreen"].toBool(), true);
    QCOMPARE(states[2]["fullScreen"].toBool(), false);
}

void TestDesktop::keysScroll_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    // At 3x the client area is 780 x 479 and the boxes 150 x 150; the arrows
    // move the node cursor, which the view keeps in sight as it scrolls
    // least: the root [1125, 1275) x [150, 300), node 2 [525, 675) x [600, 750).
    QTest::newRow("right, down: the root, node 2") << "key Right\nkey Down\n" << 1275 - 780 << 750 - 479;
    QTest::newRow("page down twice, up once") << "key PgDown\nkey PgDown\nkey PgUp\n" << 0 << 479;
    QTest::newRow("end, then left: the root") << "key End\nkey Left\n" << 1125 << 0;
    QTest::newRow("home after end") << "key End\nkey Home\n" << 0 << 0;
    QTest::newRow("plain wheel down") << "wheel 0 -120\n" << 0 << 141;
    QTest::newRow("shift wheel down") << "wheel 0 -120 shift\n" << 234 << 0;
    QTest::newRow("tournament keys leave the scroll") << "ID_WINNER_TREE\nkey Ctrl+Right\nkey Ctrl+End\n" << 0 << 0;
}

void TestDesktop::keysScroll()
{
    QFETCH(QString, keys);
    QFETCH(int, h);
    QFETCH(int, v);
    const QJsonObject view = ActiveView("zoom 17\n" + keys);
    QCOMPARE(view["clientWidth"].toInt(), 780);
    QCOMPARE(view["hScrollPos"].toInt(), h);
    QCOMPARE(view["vScrollPos"].toInt(), v);
}

void TestDesktop::presenterKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("blank");
    QTest::newRow("F5, a remote's forward keys") << "key F5\nkey PgDown\nkey Right\nkey Space\n" << 3 << true << false;
    QTest::newRow("and its back keys") << "present on\nrepeat 3 key PgDown\nkey PgUp\nkey Left\n" << 1 << true << false;
    QTest::newRow("B blanks") << "present on\nkey PgDown\nkey B\n" << 1 << true << true;
    QTest::newRow("a step after . brings the picture back") << "present on\nkey .\nkey PgDown\n" << 0 << true << false;
    QTest::newRow("F5 again: keys as before") << "key F5\nkey F5\nkey PgDown\nkey B\n" << 0 << false << false;
}

// A presenter's remote steps the run in present mode, and only there.
void TestDesktop::presenterKeys()
{
    QFETCH(QString, keys);
    QFETCH(int, step);
    QFETCH(bool, present);
    QFETCH(bool, blank);
    const QJsonObject state = State("ID_WINNER_TREE\nID_WINNER_END\nseek 0\n" + keys);
    QCOMPARE(state["views"].toArray().first()["run"]["step"].toInt(), step);
    QCOMPARE(state["present"].toBool(), present);
    QCOMPARE(state["blank"].toBool(), blank);
    QCOMPARE(state["fullScreen"].toBool(), present);
    QCOMPARE(state["codePanel"]["visible"].toBool(), present);
    // A slide: no bar in sight, the tree fitted to what is left; all back after.
    const QStringList bars = state["bars"].toVariant().toStringList();
    QCOMPARE(bars, present ? QStringList() : QStringList({"menuBar", "toolBar", "tournamentBar", "statusBar"}));
    const QJsonObject view = state["views"].toArray().first().toObject();
    if (present) {
        QCOMPARE(view["canvasWidth"].toInt(), view["clientWidth"].toInt());
        QCOMPARE(view["canvasHeight"].toInt(), view["clientHeight"].toInt());
    } else {
        QCOMPARE(view["canvasWidth"].toInt(), 800);
    }
}

void TestDesktop::englishTexts()
{
    const QJsonObject state = State("", {"--lang", "en"});
    QCOMPARE(state["language"].toString(), QString("en"));
    const QStringList titles = state["menuTitles"].toVariant().toStringList();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Window", "Winner Tree", "Hea&p", "Se&gment Tree", "E&xercise", "&Help"}));
    const Run bad = RunZarni(m_dir.path(), {"--lang", "fr", "--headless"});
    QCOMPARE(bad.status, 2);
    QVERIFY(bad.err.contains("--lang takes zh_TW, zh_CN or en"));
    const QJsonObject chinese = State("");
    QCOMPARE(chinese["language"].toString(), QString("zh_TW"));
    QCOMPARE(chinese["menuTitles"].toVariant().toStringList().first(), QString("檔案(&F)"));
}

void TestDesktop::languageBackAndForthKeepsTheChineseTexts()
{
    const QJsonObject before = State("");
    const QJsonObject english = State("ID_VIEW_LANGUAGE_EN\n");
    const QJsonObject after = State("ID_VIEW_LANGUAGE_EN\nID_VIEW_LANGUAGE_ZH\n");
    QCOMPARE(english["menuTitles"].toVariant().toStringList().at(2), QString("&View"));
    QCOMPARE(after["menuTitles"], before["menuTitles"]);
    QCOMPARE(after["statusSize"], before["statusSize"]);
    QCOMPARE(after["language"].toString(), QString("zh_TW"));
}

void TestDesktop::badWheelAndKeyStatements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    QTest::newRow("wheel without DY") << "wheel 120" << "'wheel' expects: wheel DX DY [ctrl|shift] [X Y]";
    QTest::newRow("wheel with one coordinate") << "wheel 0 120 ctrl 5" << "'wheel' expects";
    QTest::newRow("wheel not a number") << "wheel 0 up" << "DY must be a whole number";
    QTest::newRow("no key") << "key" << "'key' expects";
    QTest::newRow("no such key") << "key Ctrl+Nothing" << "'Ctrl+Nothing' is not a key sequence";
}

void TestDesktop::badWheelAndKeyStatements()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    const Run run = RunScript(m_dir.path(), statement + "\n");
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.startsWith(Path("script.zs") + ":1: "), qPrintable(run.err));
}

// A max-heap of 1..5 built by hand: a drag swaps nodes 2 and 5 as the model
// answer does; two clicks that swap 1 and 3 are told and not applied; graded
// at the end they are applied, and Ctrl+Z takes them back.
void TestDesktop::exerciseByTheMouse()
{
    const QString start = "resize 800 500\nexercise heap-build 1 2 3 4 5\nfit\n";
    QHash<int, QString> at;
    for (const QJsonValue node : ActiveView(start)["nodes"].toArray())
        at[node["index"].toInt()] = QString("%1 %2").arg(node["x"].toInt()).arg(node["y"].toInt());
    auto labels = [](const QJsonObject &view) {
        QStringList shown;
        for (const QJsonValue node : view["views"].toArray().first()["nodes"].toArray())
            shown << node["label"].toString();
        return shown;
    };
    const QString moves = QString("press %1\nmove %2\nrelease %2\nclick %3\nclick %4\n").arg(at[2], at[5], at[1], at[3]);
    const QJsonObject graded = State(start + moves);
    QCOMPARE(graded["exercise"]["right"].toInt(), 1);
    QCOMPARE(graded["exercise"]["wrong"].toInt(), 1);
    QCOMPARE(labels(graded), (QStringList{"1", "5", "4", "2", "3"})); // depth first: 1, 2, 4, 5, 3
    const QJsonObject undone = State("exercise-mode end\n" + start + QString("click %1\nclick %2\nkey Ctrl+Z\n").arg(at[1], at[3]));
    QCOMPARE(undone["exercise"]["made"].toInt(), 0);
    QCOMPARE(labels(undone), (QStringList{"1", "2", "4", "5", "3"}));
}

QTEST_GUILESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
