// The real program driven by scripts in --headless mode: state, exports,
// bad input, and a long random run.
#include "CliUtil.h"
#include "app/Script.h"

#include <QImage>
#include <QImageReader>

extern "C" {
#include <libavformat/avformat.h>
}
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <sys/stat.h>

namespace {

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void scriptDrivesTheProgram();
    void exportPng();
    void exportSvgAndPdf();
    void tooLargeForPng();
    void exportRun();
    void exportScaled_data();
    void exportScaled();
    void badInput_data();
    void badInput();
    void nothingRunsAfterAnError();
    void lessonsOfOnesOwn();
    void stateAfter_data();
    void stateAfter();
    void helpAndVersion();
    void fittedTreeStaysInSight_data();
    void fittedTreeStaysInSight();
    void everyStatementIsDocumented();
    void runInTheState();
    void mergeInTheState();
    void mergeFromFiles_data();
    void mergeFromFiles();
    void arrayAndGoto();
    void windowEntriesByValue();
    void openingTwiceGivesOneDocument();
    void smallestBoxesStayInRange();
    void soak();

private:
    Run Zarni(const QStringList &arguments, const QByteArray &input = {});
    Run Script(const QString &text, const QStringList &extra = {});
    QJsonObject State(const QString &script);
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

Run TestCli::Zarni(const QStringList &arguments, const QByteArray &input)
{
    return RunZarni(m_dir.path(), arguments, input);
}

Run TestCli::Script(const QString &text, const QStringList &extra)
{
    return RunScript(m_dir.path(), text, extra);
}

QJsonObject TestCli::State(const QString &script)
{
    const Run run = Script(script + "\nstate -\n");
    if (run.status != 0)
        qWarning("%s", qPrintable(run.err));
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

void TestCli::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(ZARNI_BINARY)));
}

void TestCli::scriptDrivesTheProgram()
{
    const QJsonObject state = State("ID_NODE_ADD\n"
                                    "zoom 18\n"
                                    "ID_NODE_REMOVE\n"
                                    "split 1 2\n"
                                    "pane 0 1\n"
                                    "ID_WINNER_TREE\n"
                                    "ID_WINNER_GO\n"
                                    "pane 0 0\n"
                                    "click 800 150\n");
    QCOMPARE(state["statusSize"].toString(), QString("1600 * 1200"));
    QCOMPARE(state["zoomIndex"].toInt(), 18);
    const QJsonArray views = state["views"].toArray();
    QCOMPARE(views.size(), 2);
    const QJsonObject left = views[0].toObject(), right = views[1].toObject();
    QCOMPARE(left["title"].toString(), QString("Zarni1"));
    QCOMPARE(left["canvasWidth"].toInt(), 1600);
    QCOMPARE(left["nodeCount"].toInt(), 15);
    QVERIFY(left["active"].toBool());
    QCOMPARE(left["nodes"].toArray()[0].toObject()["mark"].toInt(), 1); // the click hit the root
    QCOMPARE(right["col"].toInt(), 1);
    QCOMPARE(right["canvasWidth"].toInt(), 800);
    const QJsonArray nodes = right["nodes"].toArray();
    int best = -1;
    for (const auto &node : nodes)
        if (node.toObject()["index"].toInt() >= 8)
            best = std::max(best, node.toObject()["label"].toString().toInt());
    QCOMPARE(nodes[0].toObject()["label"].toString().toInt(), best);
    QCOMPARE(nodes[0].toObject()["mark"].toInt(), 1);
}

void TestCli::exportPng()
{
    const Run run = Script(QString("ID_NODE_NARROWER\nexport %1\nsnapshot %2\n").arg(Path("tree.png"), Path("shot.png")));
    QCOMPARE(run.status, 0);
    const QImage image(Path("tree.png"));
    QCOMPARE(image.size(), QSize(800, 600));
    // Node 1 at (400, 75): boxes now 24 wide (800 / 64 = 12).
    QCOMPARE(QColor(image.pixel(388, 60)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(411, 60)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(412, 60)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(300, 75)), QColor(Qt::black)); // the edge to node 2
    QVERIFY(!QImage(Path("shot.png")).isNull());
}

void TestCli::exportSvgAndPdf()
{
    const Run run = Script(QString("ID_WINNER_TREE\nID_WINNER_GO\nexport %1\nexport %2\n").arg(Path("t.svg"), Path("t.pdf")));
    QCOMPARE(run.status, 0);
    QSvgRenderer svg(Path("t.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 800, 600));
    QFile pdf(Path("t.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/Type /Page") || bytes.contains("/Type/Page"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
}

void TestCli::tooLargeForPng()
{
    const Run run = Script(QString("zoom 0\nexport %1\n").arg(Path("big.png")));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("SVG") && run.err.contains("big.png"), qPrintable(run.err));
    QVERIFY(!QFile::exists(Path("big.png")));
}

void TestCli::exportScaled_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::newRow("png at 2") << "t.png" << 2;
    QTest::newRow("png at 3") << "t.png" << 3;
    QTest::newRow("png at 1") << "t.png" << 1;
    QTest::newRow("svg at 3") << "t.svg" << 3;
    QTest::newRow("pdf at 2") << "t.pdf" << 2;
}

// The canvas at s times its pixels: lines and frames s pixels wide, the
// label's glyphs drawn at that resolution.
// A run as GIF and PDF: a frame or page a step with its caption band, each
// frame shown half a second at 1x; the first frame is the picture export
// draws at step 0 (up to the palette).
void TestCli::exportRun()
{
    const Run run = Script(QString("ID_WINNER_TREE\nspeed 2\nID_WINNER_END\nexport-run %1 2\nexport-run %2 1 3 7\n"
                                   "seek 0\nexport %3 2\nexport-run %4\nexport-run %5 1 0 2\n")
                               .arg(Path("run.gif"), Path("run.pdf"), Path("start.png"), Path("run.mp4"), Path("run.webm")));
    QCOMPARE(run.status, 0);
    QImageReader gif(Path("run.gif"));
    QCOMPARE(gif.imageCount(), 22); // steps 0 to 21
    const QImage first = gif.read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(gif.nextImageDelay(), 250);
    const QImage start = QImage(Path("start.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(first.size(), QSize(1600, 1200 + 84)); // a caption of 28 pixels (a 24th of 642) in its band
    int far = 0;
    for (int y = 0; y < start.height(); y += 3)
        for (int x = 0; x < start.width(); x += 3)
            far += std::abs(qGray(first.pixel(x, y)) - qGray(start.pixel(x, y))) > 24;
    QVERIFY2(far < 50, qPrintable(QString::number(far)));
    QFile pdf(Path("run.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.readAll().count("/Type /Page\n"), 5);
    // Videos as libavformat reads them: 30 frames a second, 8 frames a step.
    for (const auto &[file, steps] : {std::pair{"run.mp4", 22}, std::pair{"run.webm", 3}}) {
        AVFormatContext *video = nullptr;
        QCOMPARE(avformat_open_input(&video, Path(file).toUtf8().constData(), nullptr, nullptr), 0);
        QVERIFY(avformat_find_stream_info(video, nullptr) >= 0);
        const AVStream *stream = video->streams[0];
        QCOMPARE(QSize(stream->codecpar->width, stream->codecpar->height), QSize(800, 642));
        QCOMPARE(av_q2d(stream->r_frame_rate), 30.0);
        QVERIFY2(std::abs(double(video->duration) / AV_TIME_BASE - steps * 8 / 30.0) < 0.1, file);
        avformat_close_input(&video);
    }
}

void TestCli::exportScaled()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    const Run run = Script(QString("export %1 %2\n").arg(Path(file)).arg(scale));
    QCOMPARE(run.status, 0);
    if (file.endsWith(".svg")) {
        QSvgRenderer svg(Path(file));
        QCOMPARE(svg.viewBox(), QRect(0, 0, 800 * scale, 600 * scale));
        return;
    }
    if (file.endsWith(".pdf")) {
        QFile pdf(Path(file));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // 96 pixels to the inch, 72 points.
        const QByteArray box = QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000]").arg(600 * scale).arg(450 * scale).toLatin1();
        QVERIFY2(pdf.readAll().contains(box), box.constData());
        return;
    }
    const QImage image = QImage(Path(file)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(800 * scale, 600 * scale));
    // Node 1's box: 375..424 by 50..99, its frame s pixels wide.
    QCOMPARE(QColor(image.pixel(375 * scale - 1, 60 * scale)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(375 * scale + scale - 1, 60 * scale)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(375 * scale + scale, 60 * scale)), QColor(Qt::white));
    int mixed = 0;
    for (int y = 62 * scale; y < 88 * scale; y += scale)
        for (int x = 380 * scale; x < 420 * scale; x += scale)
            for (int d = 1; d < scale * scale; ++d)
                mixed += image.pixel(x + d % scale, y + d / scale) != image.pixel(x, y);
    QVERIFY(scale == 1 ? mixed == 0 : mixed > 4);
}

void TestCli::badInput_data()
{
    QTest::addColumn<QStringList>("arguments"); // "SCRIPT" stands for the script file
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{"--headless", "--bogus"} << "" << 2 << "bogus";
    QTest::newRow("delay not a number") << QStringList{"--headless", "--delay", "soon"} << "" << 2 << "--delay";
    QTest::newRow("negative delay") << QStringList{"--headless", "--delay", "-5"} << "" << 2 << "--delay";
    QTest::newRow("size malformed") << QStringList{"--headless", "--size", "800"} << "" << 2 << "--size";
    QTest::newRow("two files") << QStringList{"--headless", "a", "b"} << "" << 2 << "one file";
    QTest::newRow("missing script") << QStringList{"--headless", "--script", "/no/such.zs"} << "" << 1 << "/no/such.zs";
    QTest::newRow("missing document") << QStringList{"--headless", "/no/such.zarni"} << "" << 1 << "such.zarni";
    QTest::newRow("unknown statement") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_NODE_ADD\nfly 3\n" << 2 << "script.zs:2:";
    QTest::newRow("unknown command") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_FLY\n" << 2 << "ID_FLY";
    QTest::newRow("malformed number") << QStringList{"--headless", "--script", "SCRIPT"} << "zoom x\n" << 2 << "script.zs:1:";
    QTest::newRow("zoom out of range") << QStringList{"--headless", "--script", "SCRIPT"} << "\n# c\nzoom 30\n" << 2 << "script.zs:3:";
    QTest::newRow("nodes 0") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 0\n" << 2 << "node count";
    QTest::newRow("disabled command") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_EDIT_UNDO\n" << 2 << "disabled";
    QTest::newRow("no such pane") << QStringList{"--headless", "--script", "SCRIPT"} << "pane 1 1\n" << 2 << "no pane";
    QTest::newRow("needs a window") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_FILE_CLOSE\nID_NODE_ADD\n" << 2 << "disabled";
    QTest::newRow("state unwritable") << QStringList{"--headless", "--script", "SCRIPT"} << "state /no/dir/s.json\n" << 1 << "/no/dir/s.json";
    QTest::newRow("export unwritable") << QStringList{"--headless", "--script", "SCRIPT"} << "export /no/dir/t.png\n" << 1 << "/no/dir/t.png";
    QTest::newRow("speed not one of six") << QStringList{"--headless", "--script", "SCRIPT"} << "speed 3\n" << 2 << "script.zs:1: the speed must be";
    QTest::newRow("seek, no run") << QStringList{"--headless", "--script", "SCRIPT"} << "seek 0\n" << 2 << "script.zs:1: 'seek': the active view has no run";
    QTest::newRow("seek past the end") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_END\nseek 22\n" << 2 << "script.zs:2: the step must be from 0 to 21, not 22";
    QTest::newRow("values, count") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 3\nvalues 1 2\n" << 2 << "script.zs:2: the tree has 3 nodes, not 2 values";
    QTest::newRow("values, range") << QStringList{"--headless", "--script", "SCRIPT"} << "values random 5 1\n" << 2 << "HI must be from 5 to 99999, not 1";
    // A segment max tree's values look like a played tournament's.
    QTest::newRow("no runner-up in a segment tree") << QStringList{"--headless", "--script", "SCRIPT"} << "segment max 3 9 4 1\nsecond\n"
                                                   << 2 << "before finding the runner-up";
    QTest::newRow("heap, not a heap") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 3\nvalues 1 5 2\nheap insert 4\n" << 2 << "script.zs:3: the values are not a max-heap: node 2 is greater than its parent";
    QTest::newRow("heap, empty") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 1\nvalues 3\nheap extract\nheap extract\n" << 2 << "script.zs:4: the heap is empty";
    QTest::newRow("heap, sorted") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 3\nvalues 5 1 2\nheap sort\nheap insert 7\n" << 2 << "script.zs:4: a heapsort is shown";
    QTest::newRow("heap, no values") << QStringList{"--headless", "--script", "SCRIPT"} << "replace 2 5 4 3\nheap build\n" << 2 << "script.zs:2: node 1 has no value";
    QTest::newRow("batch stop") << QStringList{"--headless", "--script", "SCRIPT"} << "key Escape\nnodes 3\n" << 2 << "script.zs:1: ID_FILE_STOP_SCRIPT: a batch run ends at the end of its script";
    QTest::newRow("heap, no such node") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 3\nvalues descending\nheap delete 4\n" << 2 << "the heap has no node 4: the index must be from 1 to 3";
    QTest::newRow("heap key, value") << QStringList{"--headless", "--script", "SCRIPT"} << "values descending\nheap key 2 100000\n" << 2 << "100000 is out of range";
    QTest::newRow("heap insert, operands") << QStringList{"--headless", "--script", "SCRIPT"} << "heap insert\n" << 2 << "'heap' expects: heap insert V";
    QTest::newRow("heap, bad word") << QStringList{"--headless", "--script", "SCRIPT"} << "heap up\n" << 2 << "'heap' takes max, min";
    QTest::newRow("speed not a number") << QStringList{"--headless", "--script", "SCRIPT"} << "speed fast\n" << 2 << "fast";
    QTest::newRow("leaves, wrong count") << QStringList{"--headless", "--script", "SCRIPT"} << "leaves 1 2 3\n" << 2 << "script.zs:1: the tree has 8 leaves, not 3 values";
    QTest::newRow("leaves, no number") << QStringList{"--headless", "--script", "SCRIPT"} << "leaves 1 2 3 4 5 6 7 x8\n" << 2 << "'x8' is not a whole number";
    QTest::newRow("leaf out of range") << QStringList{"--headless", "--script", "SCRIPT"} << "leaf 8 -100000\n" << 2 << "-100000 is out of range";
    QTest::newRow("leaf not a leaf") << QStringList{"--headless", "--script", "SCRIPT"} << "leaf 3 5\n" << 2 << "node 3 is not a leaf (the leaves are 8 to 15)";
    QTest::newRow("runs rising") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 3 2 / 1 5\n" << 2 << "script.zs:1: run 2: 5 is greater than the value before it";
    QTest::newRow("runs, one") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 3 2\n" << 2 << "a merge needs at least 2 runs, not 1";
    QTest::newRow("runs, empty") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 3 / / 2\n" << 2 << "run 2: the run is empty";
    QTest::newRow("runs, word") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 3 x / 2\n" << 2 << "run 1: 'x' is not a whole number";
    QTest::newRow("runs, range") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 3 / 100000\n" << 2 << "run 2: 100000 is out of range";
    QTest::newRow("merge, no file") << QStringList{"--headless", "--script", "SCRIPT"} << "merge /no/such/runs.txt\n" << 1 << "script.zs:1: cannot read '/no/such/runs.txt'";
    QTest::newRow("merge, a directory") << QStringList{"--headless", "--script", "SCRIPT"} << "merge /\n" << 1 << "script.zs:1: cannot read '/'";
    QTest::newRow("pop, no merge") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_POP\n" << 2 << "ID_WINNER_POP is disabled";
    QTest::newRow("pop, merge done") << QStringList{"--headless", "--script", "SCRIPT"} << "runs 1 / 2\nID_WINNER_POP_ALL\nID_WINNER_POP\n" << 2 << "script.zs:3: ID_WINNER_POP is disabled";
    QTest::newRow("replace, memory") << QStringList{"--headless", "--script", "SCRIPT"} << "replace 1 5 4\n" << 2 << "script.zs:1: P must be from 2 to 1024, not 1";
    QTest::newRow("replace, word") << QStringList{"--headless", "--script", "SCRIPT"} << "replace 2 5 x\n" << 2 << "script.zs:1: 'x' is not a whole number";
    QTest::newRow("replace, no values") << QStringList{"--headless", "--script", "SCRIPT"} << "replace 2 # none\n" << 2 << "script.zs:1: there are no values";
    QTest::newRow("merge-runs, none") << QStringList{"--headless", "--script", "SCRIPT"} << "merge-runs\n" << 2 << "this window has no runs made by replacement selection";
    QTest::newRow("replace dialog") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_REPLACE\n" << 2 << "use 'replace P V1";
    QTest::newRow("answer, no question") << QStringList{"--headless", "--script", "SCRIPT"} << "answer 3\n" << 2 << "script.zs:1: 'answer 3': no question is being asked";
    QTest::newRow("answer, not a choice") << QStringList{"--headless", "--script", "SCRIPT"} << "practice on\nID_WINNER_GO\nanswer 3\n" << 2 << "script.zs:3: 'answer 3': the choices are 8, 9";
    QTest::newRow("export-run, no run") << QStringList{"--headless", "--script", "SCRIPT"} << "export-run x.gif\n" << 2 << "script.zs:1: cannot export the run to 'x.gif': the active view has no run";
    QTest::newRow("export-run, type") << QStringList{"--headless", "--script", "SCRIPT"} << "export-run x.mov\n" << 2 << "the run's types are .gif, .mp4, .webm, .pdf, .html and .zip";
    QTest::newRow("export-run, page too large") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 65536\nID_WINNER_END\nexport-run x.html\n" << 2 << "a page holds at most 65535 nodes";
    QTest::newRow("export-run, range") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_END\nexport-run x.gif 1 5 3\n" << 2 << "the first not after the last";
    QTest::newRow("export-run, unwritable") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_END\nexport-run /no/such/dir/x.gif\n" << 1 << "cannot export the run to '/no/such/dir/x.gif'";
    QTest::newRow("merge dialog") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_WINNER_MERGE\n" << 2 << "use 'merge PATH' or 'runs";
    QTest::newRow("goto past the end") << QStringList{"--headless", "--script", "SCRIPT"} << "goto 16\n" << 2 << "script.zs:1: the tree has no node 16: its nodes are 1 to 15";
    QTest::newRow("goto 0") << QStringList{"--headless", "--script", "SCRIPT"} << "goto 0\n" << 2 << "the node index must be from 1";
    QTest::newRow("goto a word") << QStringList{"--headless", "--script", "SCRIPT"} << "goto six\n" << 2 << "the node index must be a whole number";
    QTest::newRow("goto dialog") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_NODE_GOTO\n" << 2 << "use 'goto I'";
    QTest::newRow("array maybe") << QStringList{"--headless", "--script", "SCRIPT"} << "array maybe\n" << 2 << "'array' takes on or off, not 'maybe'";
    QTest::newRow("shot unwritable") << QStringList{"--headless", "--script", "SCRIPT"} << "shot /no/dir/s.png\n" << 1 << "/no/dir/s.png";
    QTest::newRow("export type") << QStringList{"--headless", "--script", "SCRIPT"} << "export t.gif\n" << 2 << "t.gif";
    QTest::newRow("export scale 0") << QStringList{"--headless", "--script", "SCRIPT"} << "export t.png 0\n" << 2 << "script.zs:1: the scale must be from 1 to 8, not 0";
    QTest::newRow("export scale 9") << QStringList{"--headless", "--script", "SCRIPT"} << "export t.png 9\n" << 2 << "the scale must be from 1 to 8";
    QTest::newRow("export scale a word") << QStringList{"--headless", "--script", "SCRIPT"} << "export t.png big\n" << 2 << "the scale must be a whole number";
    QTest::newRow("export, a word too many") << QStringList{"--headless", "--script", "SCRIPT"} << "export t.png 2 3\n" << 2 << "'export' expects: export PATH [SCALE]";
    QTest::newRow("export too large at 2") << QStringList{"--headless", "--script", "SCRIPT"} << "zoom 10\nexport big2.png 2\n" << 1 << "the picture 16000 x 12000 is too large for PNG; export at a smaller scale";
    // Statements that once hung, stopped silently or answered in two languages.
    QTest::newRow("NUL on standard input") << QStringList{"--headless", "--script", "-"} << QString("nodes 5\n%1\nnodes 7\n").arg(QChar(0)) << 2 << "-:2: unknown statement '\\0'";
    for (const char *key : {"Ctrl+O", "Ctrl+G", "Ctrl+S", "Ctrl+P"})
        QTest::newRow(key) << QStringList{"--headless", "--script", "SCRIPT"} << QString("nodes 5\nkey %1\n").arg(key) << 2 << "script.zs:2: ID_";
    QTest::newRow("save-script dialog") << QStringList{"--headless", "--script", "SCRIPT"} << "ID_FILE_SAVE_SCRIPT\n" << 2 << "use 'save-script PATH'";
    QTest::newRow("merge, a FIFO") << QStringList{"--headless", "--script", "SCRIPT"} << "merge FIFO\n" << 1 << "it is not a regular file";
    QTest::newRow("merge, no file, English") << QStringList{"--headless", "--lang", "zh_TW", "--script", "SCRIPT"} << "merge /no/such\n" << 1 << "cannot read '/no/such': No such file or directory";
    QTest::newRow("path not UTF-8") << QStringList{"--headless", "--script", "SCRIPT"} << QString::fromLatin1("state caf\xE9.json\n") << 2 << "script.zs:1: the line is not UTF-8";
    QTest::newRow("fit follow maybe") << QStringList{"--headless", "--script", "SCRIPT"} << "fit follow maybe\n" << 2 << "'fit' expects: fit [follow on|off]";
    QTest::newRow("statement cut off") << QStringList{"--headless", "--script", "SCRIPT"} << "nodes 3\nvalues 1 \\\n" << 2 << "script.zs:2: the script ends in the middle of a statement";
    QTest::newRow("lazy tag on no position") << QStringList{"--headless", "--script", "SCRIPT"} << "segment sum 1 2 3 4 5\nsegment lazy 7 1\n" << 2 << "script.zs:2: 'segment lazy': node 7 holds no position";
    QTest::newRow("lazy tag out of range") << QStringList{"--headless", "--script", "SCRIPT"} << "segment sum 1 2 3 4 5\nsegment lazy 2 99999\n" << 2 << "position 0 would hold 100000, out of -99999 to 99999";
    QTest::newRow("exercise with nothing to do") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise heap-extract random 2\n" << 2 << "of size 2 has nothing to do: take a size of at least 3";
    QTest::newRow("own values with nothing to do") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise heap-build 9 5 7\n" << 2 << "values are the answer already";
    QTest::newRow("exercise pops without a number") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise merge pops\n" << 2 << "'pops' expects how many values the merge outputs";
    QTest::newRow("exercise values split by commas") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise heap-build 5,3,x\n" << 2 << "'x' is not a whole number";
    QTest::newRow("replacement exercise without values to wait") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise replacement 3 1 2 3\n" << 2 << "p is 3 and only 3 values follow it";
    QTest::newRow("undo graded as made") << QStringList{"--headless", "--script", "SCRIPT"} << "exercise heap-build 1 2 3\nundo\n" << 2 << "cannot be taken back";
    QTest::newRow("start page, no such lesson") << QStringList{"--headless", "--script", "SCRIPT"} << "start-page open 99\n" << 2 << "script.zs:1: a lesson's number";
    QTest::newRow("start page, no folder") << QStringList{"--headless", "--script", "SCRIPT"} << "start-page folder /no/such\n" << 1 << "cannot list '/no/such': it is not a folder";
    QTest::newRow("start page, maybe") << QStringList{"--headless", "--script", "SCRIPT"} << "start-page maybe\n" << 2 << "start-page";
}

void TestCli::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString path = Path("script.zs");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QString fifo = Path("fifo");
    QVERIFY(QFile::exists(fifo) || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    script.replace("FIFO", fifo);
    // A script's "\xE9" stands for that byte, which is no UTF-8 of its own.
    const QByteArray bytes = script.contains(QChar(0xE9)) ? script.toLatin1() : script.toUtf8();
    file.write(bytes);
    file.close();
    arguments.replaceInStrings(QRegularExpression("^SCRIPT$"), path);
    const Run run = Zarni(arguments, arguments.contains("-") ? bytes : QByteArray());
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.err.trimmed().count('\n'), 0); // one line
}

// One value of the state after a script, by its path ("views/0/run/state"),
// as JSON text.
void TestCli::stateAfter_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("value");
    QTest::newRow("F11 first") << "key F11" << "fullScreen" << "true";
    QTest::newRow("seek, step") << "ID_WINNER_END\nseek 5" << "views/0/run/step" << "5";
    QTest::newRow("seek, counts") << "ID_WINNER_END\nseek 6" << "views/0/run/comparisons" << "2";
    QTest::newRow("seek, line") << "ID_WINNER_END\nseek 6" << "views/0/run/line" << "6";
    QTest::newRow("seek 0, line") << "ID_WINNER_END\nseek 0" << "views/0/run/line" << "0";
    QTest::newRow("seek, paused") << "ID_WINNER_END\nseek 20" << "views/0/run/state" << "\"paused\"";
    QTest::newRow("path, algorithm") << "ID_WINNER_TREE\nID_WINNER_END\nleaf 9 5" << "views/0/run/algorithm" << "\"path\"";
    QTest::newRow("code panel, line") << "code on\nID_WINNER_STEP\nID_WINNER_STEP\nID_WINNER_STEP" << "codePanel/current" << "6";
    QTest::newRow("heap sort") << "nodes 6\nvalues 4 1 6 2 6 0\nheap sort" << "views/0/heap"
                               << "{\"firstViolation\":0,\"kind\":\"max\",\"out\":[],\"size\":0,\"valid\":true}";
    QTest::newRow("min heap built") << "nodes 5\nvalues descending\nheap min\nheap build-by-insert" << "views/0/heap/valid" << "true";
    QTest::newRow("heap operations") << "nodes 10\nvalues 5 9 1 8 3 7 2 6 4 0\nheap build\nheap insert 50\nheap extract\nheap extract\n"
                                        "heap key 4 100\nheap delete 2\nheap delete 8"
                                     << "views/0/heap" << "{\"firstViolation\":0,\"kind\":\"max\",\"out\":[50,9],\"size\":7,\"valid\":true}";
    QTest::newRow("min-heap insert") << "nodes 7\nvalues ascending\nheap min\nheap insert 0" << "views/0/run"
                                     << "{\"algorithm\":\"heap-insert\",\"comparisons\":3,\"line\":3,\"moves\":7,"
                                        "\"narration\":\"第 7/7 步：交換後 節點 2 (1)、節點 1 (0)\",\"speed\":1,\"state\":\"done\",\"step\":7,\"steps\":7}";
    QTest::newRow("insert sought back") << "nodes 15\nvalues ascending\nheap min\nheap insert 0\nseek 0" << "views/0/depth" << "4";
    // 31 nodes fill the array the tree was built in: the insert moves it.
    QTest::newRow("insert past the room") << "nodes 31\nvalues ascending\nheap min\nheap insert 0" << "views/0/nodes/5"
                                          << "{\"index\":32,\"label\":\"16\",\"level\":6,\"mark\":0,\"x\":12,\"y\":550}";
    QTest::newRow("extract sought back") << "nodes 16\nvalues ascending\nheap min\nheap extract\nseek 0" << "views/0/heap/out" << "[]";
    QTest::newRow("extracted to empty") << "nodes 1\nvalues 3\nheap extract\nheap insert 8" << "views/0/heap/out" << "[3]";
    QTest::newRow("checked after a leaf's edit") << "nodes 3\nvalues 5 1 2\nleaf 2 9" << "views/0/heap/firstViolation" << "2";
    QTest::newRow("checked as min") << "nodes 3\nvalues 5 7 2\nheap min" << "views/0/heap/firstViolation" << "3";
    QTest::newRow("heap checked") << "nodes 3\nvalues 1 5 2" << "views/0/heap/firstViolation" << "2";
    QTest::newRow("heap gone with its values") << "nodes 3\nvalues 1 5 2\nID_NODE_ADD" << "views/0/heap" << "null";
    // A finished run stays the view's: the end and a step leave a heap a heap.
    QTest::newRow("built heap, then the end and a step") << "nodes 5\nvalues 1 2 3 4 5\nheap build\nID_WINNER_END\nID_WINNER_STEP"
                                                      << "views/0/run/algorithm" << "\"heap-build\"";
    QTest::newRow("finished replacement, then the end and a step") << "replace 2 5 4 3\nID_WINNER_END\nID_WINNER_STEP"
                                                                << "views/0/run/algorithm" << "\"replacement\"";
    QTest::newRow("merge spent, then a step") << "tree loser\nruns 3 1 / 2\nID_WINNER_POP_ALL\nID_WINNER_STEP\nID_WINNER_END"
                                           << "views/0/merge/outputCount" << "3";
    QTest::newRow("a wrong last answer keeps the values") << "nodes 3\nheap min\nvalues 22805 84720 -41014\nheap build\npractice on\nheap delete 1\nanswer 2"
                                                     << "views/0/heap/valid" << "true";
    QTest::newRow("a question left by a restart is not counted") << "nodes 3\nvalues 1 2 3\npractice on\nheap build\nID_WINNER_RESTART"
                                                            << "practice/asked" << "0";
    // Node 0 is a loser tree's: none over a heap or a segment tree.
    QTest::newRow("node 0 goes with its tree") << "tree loser\nleaves 10 20 30 40 50 60 70 80\nID_WINNER_GO\nvalues ascending\nheap build"
                                            << "views/0/node0" << "null";
    QTest::newRow("no node 0 over a segment tree") << "tree loser\nsegment sum 1 2 3 4" << "views/0/node0" << "null";
    QTest::newRow("node 0 back with leaves") << "tree loser\nnodes 7\nvalues 1 2 3 4 5 6 7\nleaves 5 3 8 1"
                                          << "views/0/node0" << "{\"label\":\"\",\"mark\":0}";
    QTest::newRow("runner-up, then a loser tree plays") << "ID_WINNER_TREE\nID_WINNER_GO\nsecond\ntree loser"
                                                     << "views/0/run/algorithm" << "\"loser-tournament\"";
    // Every shipped lesson runs from the start page, in a window of its own.
    QTest::newRow("start page") << "start-page on" << "startPage/visible" << "true";
    const char *const lessons[][2] = {{"heap-sort", nullptr}, {"heap-delete", nullptr}, {"loser-tournament", nullptr},
                                      {"merge", nullptr}, {"loser-merge", nullptr}, {"segment-query", nullptr},
                                      {"second-best", nullptr}, {nullptr, "heap-build"}};
    for (int k = 1; k <= int(std::size(lessons)); ++k) {
        const auto [run, exercise] = lessons[k - 1];
        QTest::addRow("lesson %d", k) << QString("start-page open %1").arg(k) << (run ? "views/1/run/algorithm" : "exercise/name")
                                      << QString("\"%1\"").arg(run ? run : exercise);
    }
    QTest::newRow("canvas") << "canvas 1037 626" << "statusSize" << "\"1037 * 626\"";
    // The record panel comes with a merge and goes with it, unless opened by hand.
    QTest::newRow("merge panel goes with the merge") << "runs 3 1 / 2\nID_WINNER_POP_ALL\nnodes 7" << "mergePanel/visible" << "false";
    QTest::newRow("merge panel opened by hand stays") << "merge-panel on\nruns 3 1 / 2\nnodes 7" << "mergePanel/visible" << "true";
    QTest::newRow("merge panel shown while merging") << "runs 3 1 / 2\nID_WINNER_POP" << "mergePanel/visible" << "true";
    QTest::newRow("said until the next step") << "ID_WINNER_TREE\nsay Look at node 5\nID_WINNER_STEP" << "views/0/said" << "null";
    QTest::newRow("said") << "say Look at   node 5" << "views/0/said" << "\"Look at node 5\"";
    QTest::newRow("text size") << "text-size 18" << "textSize" << "18";
    QTest::newRow("node numbers") << "indices on" << "indices" << "true";
    // A lesson's run before a seek is recorded, not watched: at once, here
    // with half a second a step (its benchmark times a lesson).
    QTest::newRow("played, then sought") << "nodes 15\nvalues descending\nheap sort\nseek 61" << "views/0/run/step" << "61";
    QTest::newRow("code panel, merge") << "runs 3 1 / 2\nID_WINNER_POP" << "codePanel/lines/2" << "\"  輸出 value(1)\"";
    QTest::newRow("Ctrl+N first") << "key Ctrl+N" << "views/1/window" << "1";
    QTest::newRow("fit, width") << "zoom 21\nresize 700 500\nfit" << "views/0/canvasWidth" << "700";
    QTest::newRow("fit, size pane") << "zoom 21\nresize 700 500\nfit" << "statusSize" << "\"700 * 500\"";
    QTest::newRow("fit follows") << "zoom 21\nfit follow on\nresize 640 480" << "views/0/canvasHeight" << "480";
    QTest::newRow("fit follow off") << "fit follow on\nfit follow off" << "views/0/fitFollow" << "false";
    QTest::newRow("split, then resize") << "split 2 2\nresize 601 333" << "views/0/clientWidth" << "601";
    QTest::newRow("wheel past the list") << "wheel 0 100000 ctrl" << "zoomIndex" << "0";
    QTest::newRow("go at no delay") << "nodes 1048575\nID_WINNER_GO" << "views/0/run/state" << "\"done\"";
    QTest::newRow("loser tree") << "nodes 7\nleaves 5 3 8 1\ntree loser\nID_WINNER_GO" << "views/0/node0"
                                << "{\"label\":\"8\",\"mark\":1}";
    QTest::newRow("loser, other leaf") << "nodes 7\nleaves 5 3 8 1\ntree loser\nID_WINNER_GO\nleaf 4 2"
                                       << "views/0/nodes/1/label" << "\"2\"";
    QTest::newRow("loser, winner's leaf") << "nodes 7\nleaves 5 3 8 1\ntree loser\nID_WINNER_GO\nleaf 6 0"
                                          << "views/0/run/algorithm" << "\"loser-path\"";
    QTest::newRow("back to winner") << "tree loser\nID_WINNER_GO\ntree winner" << "views/0/node0" << "null";
    // The same runs give the same output whichever tree merges them.
    for (const char *kind : {"winner", "loser"})
        QTest::addRow("merge by a %s tree", kind) << QString("tree %1\nruns 9 7 4 1 / 8 8 2 / 6 5 3\nID_WINNER_POP_ALL").arg(kind)
                                                  << "views/0/merge/output" << "[9,8,8,7,6,5,4,3,2,1]";
    const QString replace = "replace 3 31 12 57 8 40 3 66 25 19 71 5 48 36 90 14 27";
    QTest::newRow("replacement's runs") << replace << "views/0/replacement/runs"
                                        << "[[57,31,12,8,3],[66,40,25,19,5],[71,48,36,27,14],[90]]";
    QTest::newRow("replacement mid-way") << "tree loser\n" + replace + "\nseek 20" << "views/0/replacement"
                                         << "{\"done\":false,\"input\":16,\"memory\":3,\"read\":7,\"runCount\":1,"
                                            "\"runs\":[[57,31,12,8]],\"written\":4}";
    QTest::newRow("runs merged") << "tree loser\n" + replace + "\nmerge-runs\nID_WINNER_POP_ALL" << "views/0/merge/output"
                                 << "[90,71,66,57,48,40,36,31,27,25,19,14,12,8,5,3]";
    QTest::newRow("one run, not merged") << "replace 2 9 5 1\nmerge-runs" << "views/0/replacement/runCount" << "1";
    // A run practised stops at each question; the script answers.
    QTest::newRow("practice, asked") << "nodes 7\nleaves 5 3 8 1\npractice on\nID_WINNER_GO" << "practice"
                                     << "{\"asked\":0,\"on\":true,\"question\":{\"choices\":[4,5],\"kind\":\"match\",\"node\":2},"
                                        "\"right\":0,\"wrong\":0}";
    QTest::newRow("practice, answered") << "nodes 7\nleaves 5 3 8 1\npractice on\nID_WINNER_GO\nanswer 5\nanswer 6\nanswer 2"
                                        << "practice" << "{\"asked\":3,\"on\":true,\"question\":null,\"right\":1,\"wrong\":2}";
    QTest::newRow("practice, heap") << "nodes 3\nvalues 1 5 9\npractice on\nheap build" << "practice/question"
                                    << "{\"choices\":[2,3,0],\"kind\":\"sink\",\"node\":1}";
    QTest::newRow("few values listed") << "runs 3 1 / 2\nID_WINNER_POP" << "views/0/merge/runs" << "[[1],[2]]";
    const QString many = "runs " + QString("5 ").repeated(6000) + "/ " + QString("4 ").repeated(5000);
    QTest::newRow("many values counted") << many + "\nID_WINNER_POP" << "views/0/merge/remaining" << "[5999,5000]";
    QTest::newRow("many values not listed") << many << "views/0/merge/output" << "null";
}

void TestCli::stateAfter()
{
    QFETCH(QString, script);
    QFETCH(QString, path);
    QFETCH(QString, value);
    QJsonValue at = State(script);
    for (const QString &key : path.split('/'))
        at = at.isArray() ? at.toArray()[key.toInt()] : at.toObject()[key];
    QCOMPARE(QString::fromUtf8(QJsonDocument(QJsonArray{at}).toJson(QJsonDocument::Compact)), "[" + value + "]");
}

// A teacher's own lesson is listed by its first comments and opens as a
// shipped one does; an error in it names its own line.
void TestCli::lessonsOfOnesOwn()
{
    QDir(m_dir.path()).mkpath("mine");
    WriteText(Path("mine/intro.zs"), "# Three nodes\n# The smallest tree with two children\nnodes 3\n");
    WriteText(Path("mine/wrong.zs"), "nodes 3\nbogus\n");
    const QJsonObject state = State(QString("start-page folder %1\nstart-page open 9").arg(Path("mine")));
    const QJsonObject own = state["startPage"]["lessons"][8].toObject();
    QCOMPARE(own["title"].toString(), "Three nodes");
    QCOMPARE(own["line"].toString(), "The smallest tree with two children");
    QCOMPARE(state["views"][1]["nodeCount"].toInt(), 3);
    const Run wrong = Script(QString("start-page folder %1\nstart-page open 10").arg(Path("mine")));
    QCOMPARE(wrong.status, 2);
    QVERIFY2(wrong.err.contains("wrong.zs:2:"), qPrintable(wrong.err));
}

void TestCli::nothingRunsAfterAnError()
{
    QFile::remove(Path("a.json"));
    QFile::remove(Path("b.json"));
    const Run run = Script(QString("state %1\nbogus\nstate %2\n").arg(Path("a.json"), Path("b.json")));
    QCOMPARE(run.status, 2);
    QVERIFY(QFile::exists(Path("a.json")));
    QVERIFY(!QFile::exists(Path("b.json")));
}

void TestCli::fittedTreeStaysInSight_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("fitted");
    QTest::newRow("code panel opened") << "fit\ncode on" << true;
    QTest::newRow("array panel opened and closed") << "code on\nfit\narray on\ncode off" << true;
    QTest::newRow("window resized") << "fit\nresize 640 400" << true;
    QTest::newRow("pane split") << "fit\nsplit 2 2\npane 0 0" << true;
    QTest::newRow("sized by hand after") << "fit\nID_ZOOM_IN\ncode on" << false;
    QTest::newRow("never fitted") << "code on" << false;
}

// A fitted tree fits again when its view changes size; a canvas sized by
// hand keeps its size.
void TestCli::fittedTreeStaysInSight()
{
    QFETCH(QString, script);
    QFETCH(bool, fitted);
    const QJsonObject view = State(script)["views"].toArray()[0].toObject();
    const bool fits = view["canvasWidth"] == view["clientWidth"] && view["canvasHeight"] == view["clientHeight"];
    QVERIFY2(fits == fitted, qPrintable(QString("canvas %1 x %2, client %3 x %4").arg(view["canvasWidth"].toInt())
                                            .arg(view["canvasHeight"].toInt()).arg(view["clientWidth"].toInt())
                                            .arg(view["clientHeight"].toInt())));
}

// Also on a terminal with no screen at all.
void TestCli::helpAndVersion()
{
    const QStringList noScreen{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    const Run help = RunZarni(m_dir.path(), {"--help"}, {}, 60000, noScreen);
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--script"));
    const Run version = RunZarni(m_dir.path(), {"--version"}, {}, 60000, noScreen);
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.contains("1.0"));
    const Run fromStdin = Zarni({"--headless", "--script", "-"}, "ID_NODE_ADD\nstate -\n");
    QCOMPARE(fromStdin.status, 0);
    QVERIFY(fromStdin.out.contains("\"nodeCount\": 16"));
}

// --help and the manual page each name every statement at the start of a
// line of their own (or among alternatives split by '|').
void TestCli::everyStatementIsDocumented()
{
    const QString help = Zarni({"--help"}).out;
    QFile file(QStringLiteral(ZARNI_SOURCE_DIR "/res/desktop/zarni.1"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(file.readAll());
    QStringList words;
    for (const StatementEntry &statement : ScriptStatements())
        words << QString::fromLatin1(statement.word);
    QVERIFY(words.size() > 20);
    for (const QString &word : words) {
        const QString escaped = QRegularExpression::escape(word);
        const QRegularExpression inHelp(QStringLiteral("^\\s+(\\S*\\|)?%1(\\||\\s)").arg(escaped),
                                        QRegularExpression::MultilineOption);
        const QRegularExpression inManual(QStringLiteral("^\\.B[IR]?\\s+(\\S*\\|)?%1(\\||\\s)")
                                              .arg(QString(escaped).replace("\\-", "\\\\-")),
                                          QRegularExpression::MultilineOption);
        QVERIFY2(inHelp.match(help).hasMatch(), qPrintable(word + " is missing from --help"));
        QVERIFY2(inManual.match(manual).hasMatch(), qPrintable(word + " is missing from the manual page"));
    }
}

// The run as the state tells it: step, steps, state, speed and narration.
void TestCli::runInTheState()
{
    auto run = [&](const QString &script) { return State(script)["views"].toArray()[0].toObject()["run"].toObject(); };
    const QJsonObject idle = run("");
    QCOMPARE(idle["state"].toString(), QString("idle"));
    QCOMPARE(idle["steps"].toInt(), 0);
    QCOMPARE(idle["speed"].toDouble(), 1.0);
    const QJsonObject paused = run("speed 4\nrepeat 3 ID_WINNER_STEP\nID_WINNER_BACK\n");
    QCOMPARE(paused["state"].toString(), QString("paused"));
    QCOMPARE(paused["step"].toInt(), 2);
    QCOMPARE(paused["steps"].toInt(), 21);
    QCOMPARE(paused["speed"].toDouble(), 4.0);
    QCOMPARE(paused["narration"].toString(), QString("第 2/21 步：節點 4，節點 9 (9) 勝 節點 8 (8)"));
    const QJsonObject done = run("ID_WINNER_STEP\nID_WINNER_END\n");
    QCOMPARE(done["state"].toString(), QString("done"));
    QCOMPARE(done["step"].toInt(), 21);
    const QJsonObject replayed = run("leaves 1,2 3 4, 5 6 7 8\nID_WINNER_GO\nleaf 8 50\n");
    QCOMPARE(replayed["state"].toString(), QString("done"));
    QCOMPARE(replayed["steps"].toInt(), 9);
    const QJsonObject root = State("leaves 1 2 3 4 5 6 7 8\nID_WINNER_GO\nleaf 8 50\n")["views"]
                                 .toArray()[0].toObject()["nodes"].toArray()[0].toObject();
    QCOMPARE(root["label"].toString(), QString("50"));
    const QJsonObject restarted = run("ID_WINNER_GO\nID_WINNER_RESTART\n");
    QCOMPARE(restarted["state"].toString(), QString("paused"));
    QCOMPARE(restarted["step"].toInt(), 0);
}

// The runs left, the output and whether it is done; a pop in a script plays
// its replay to the end first.
void TestCli::mergeInTheState()
{
    auto view = [&](const QString &script) { return State(script)["views"].toArray()[0].toObject(); };
    QVERIFY(view("")["merge"].isNull());
    const QJsonObject started = view("runs 9 7 4 1 / 8 8 2 / 6 5 3\nID_WINNER_POP\nID_WINNER_POP\n");
    const QJsonObject merge = started["merge"].toObject();
    QCOMPARE(merge["runs"].toArray(), (QJsonArray{QJsonArray{7, 4, 1}, QJsonArray{8, 2}, QJsonArray{6, 5, 3}}));
    QCOMPARE(merge["output"].toArray(), (QJsonArray{9, 8}));
    QCOMPARE(merge["done"].toBool(), false);
    QCOMPARE(started["nodeCount"].toInt(), 5);
    // One run: the first tournament (6 steps) and every pop, each its output,
    // its leaf's next value and its path (3 steps a level); two pops made.
    QCOMPARE(started["run"].toObject()["state"].toString(), QString("paused"));
    QCOMPARE(started["run"].toObject()["step"].toInt(), 6 + 5 + 8);
    QCOMPARE(started["run"].toObject()["steps"].toInt(), 6 + 4 * 5 + 6 * 8);
    const QJsonObject done = view("runs 9 7 / 8 / 6 5\nID_WINNER_POP_ALL\n")["merge"].toObject();
    QCOMPARE(done["output"].toArray(), (QJsonArray{9, 8, 7, 6, 5}));
    QCOMPARE(done["runs"].toArray(), (QJsonArray{QJsonArray{}, QJsonArray{}, QJsonArray{}}));
    QCOMPARE(done["done"].toBool(), true);
    QVERIFY(view("runs 1 / 2\nID_NODE_ADD\n")["merge"].isNull());
}

void TestCli::mergeFromFiles_data()
{
    QTest::addColumn<QByteArray>("runs");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // empty: merged
    QTest::newRow("good") << QByteArray("# three runs\n9 4\n\n8 8 1\r\n7\n") << 0 << "";
    QTest::newRow("rising") << QByteArray("# c\n9 4\n\n8 9 1\n") << 2 << "RUNS: line 4 (run 2): 9 is greater than the value before it";
    QTest::newRow("word") << QByteArray("9 4\n8 ei8ht\n") << 2 << "RUNS: line 2 (run 2): 'ei8ht' is not a whole number";
    QTest::newRow("only comments") << QByteArray("# nothing\n") << 2 << "RUNS: a merge needs at least 2 runs, not 0";
    QTest::newRow("too many") << QByteArray("1\n").repeated(1025) << 2 << "RUNS: a merge takes at most 1024 runs, not 1025";
}

// From a file and from standard input, which the same text reaches.
void TestCli::mergeFromFiles()
{
    QFETCH(QByteArray, runs);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString path = Path("runs.txt");
    WriteText(path, runs);
    WriteText(Path("stdin.zs"), "merge -\nstate -\n");
    const Run fromFile = Script(QString("merge %1\nstate -\n").arg(path));
    const Run fromStdin = Zarni({"--headless", "--script", Path("stdin.zs")}, runs);
    for (const Run &run : {fromFile, fromStdin}) {
        QCOMPARE(run.status, status);
        if (status == 0) {
            const QJsonObject merge = QJsonDocument::fromJson(run.out.toUtf8())
                                          .object()["views"].toArray()[0].toObject()["merge"].toObject();
            QCOMPARE(merge["runs"].toArray(), (QJsonArray{QJsonArray{9, 4}, QJsonArray{8, 8, 1}, QJsonArray{7}}));
        }
    }
    if (status != 0) {
        QVERIFY2(fromFile.err.contains("script.zs:1: " + QString(message).replace("RUNS", path)), qPrintable(fromFile.err));
        QVERIFY2(fromStdin.err.contains(QString(message).replace("RUNS", "-")), qPrintable(fromStdin.err));
    }
    // A script from standard input cannot take the runs from there too.
    const Run both = Zarni({"--headless", "--script", "-"}, "merge -\n");
    QCOMPARE(both.status, 2);
    QVERIFY2(both.err.contains("standard input"), qPrintable(both.err));
}

// The panel's slots in sight in the state; a shot is the whole window.
void TestCli::arrayAndGoto()
{
    const QJsonObject hidden = State("")["arrayPanel"].toObject();
    QCOMPARE(hidden["visible"].toBool(), false);
    const QJsonObject shown = State("array on\nnodes 1000\ngoto 500\n")["arrayPanel"].toObject();
    QCOMPARE(shown["visible"].toBool(), true);
    QVERIFY(shown["first"].toInt() <= 500 && 500 <= shown["last"].toInt());
    const QJsonObject none = State("array on\nID_FILE_CLOSE\n")["arrayPanel"].toObject();
    QCOMPARE(none["first"].toInt(), 0);
    QCOMPARE(none["last"].toInt(), 0);
    const QJsonObject view = State("goto 13\n")["views"].toArray()[0].toObject();
    const QJsonArray nodes = view["nodes"].toArray();
    for (const QJsonValue &node : nodes)
        QCOMPARE(node.toObject()["mark"].toInt(), node.toObject()["index"].toInt() == 13 ? 1 : 0);
    const Run shot = Script(QString("array on\nshot %1\n").arg(Path("shot.png")));
    QCOMPARE(shot.status, 0);
    const QImage image(Path("shot.png"));
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 800 && image.height() >= 600); // the main window, not one view
}

void TestCli::windowEntriesByValue()
{
    const QJsonObject state = State("ID_FILE_NEW\nID_WINDOW_NEW\n0xFF00\n");
    const QJsonArray views = state["views"].toArray();
    QCOMPARE(views.size(), 3);
    QVERIFY(views[0].toObject()["active"].toBool());
    QCOMPARE(views[0].toObject()["title"].toString(), QString("Zarni1"));
    const Run second = Script("ID_FILE_NEW\n0xFF01\n0xFF02\n");
    QCOMPARE(second.status, 2);
    QVERIFY2(second.err.contains("0xFF02 is disabled"), qPrintable(second.err));
}

void TestCli::openingTwiceGivesOneDocument()
{
    QFile(Path("a5")).open(QIODevice::WriteOnly);
    const QJsonObject state = State(QString("open %1\nID_FILE_NEW\nopen %1\n").arg(Path("a5")));
    const QJsonArray views = state["views"].toArray();
    QStringList titles;
    for (const auto &view : views)
        titles << view.toObject()["title"].toString();
    QCOMPARE(titles, (QStringList{"Zarni1", "a5", "Zarni2"}));
    QVERIFY(views[1].toObject()["active"].toBool());
    const Run missing = Script("open /no/such/dir/x\n");
    QCOMPARE(missing.status, 1);
    QVERIFY2(missing.err.contains("/no/such/dir/x"), qPrintable(missing.err));
    const Run unwritable = Script("save /no/such/dir/x\n");
    QCOMPARE(unwritable.status, 1);
    QVERIFY2(unwritable.err.contains("/no/such/dir/x"), qPrintable(unwritable.err));
}

// The y divisor doubled to its limit: every box product stays in range
// (the sanitizer build stops on an overflow).
void TestCli::smallestBoxesStayInRange()
{
    const QJsonObject state = State("repeat 4 ID_NODE_TALLER\nrepeat 30 ID_NODE_SHORTER\nrepeat 30 ID_NODE_NARROWER\n"
                                    "ID_WINNER_TREE\nID_WINNER_GO\nclick 400 75\n");
    const QJsonObject view = state["views"].toArray()[0].toObject();
    QCOMPARE(view["yDivisor"].toInt(), 1 << 30);
    QCOMPARE(view["nodeCount"].toInt(), 15);
}

// A long random run over several windows and split panes; afterwards every
// view must be consistent.
void TestCli::soak()
{
    std::mt19937 random(20261208);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QStringList commands = {"ID_ZOOM_IN", "ID_ZOOM_OUT", "ID_ZOOM_IN_X", "ID_ZOOM_IN_Y", "ID_ZOOM_OUT_X",
                                  "ID_ZOOM_OUT_Y", "ID_NODE_ADD", "ID_NODE_REMOVE", "ID_NODE_WIDER",
                                  "ID_NODE_NARROWER", "ID_NODE_TALLER", "ID_NODE_SHORTER", "ID_MODE_SELECT",
                                  "ID_MODE_PAN", "ID_WINNER_TREE", "ID_WINNER_GO", "ID_WINNER_EXIT",
                                  "ID_NEXT_PANE", "ID_PREV_PANE"};
    struct Window {
        int rows = 1, cols = 1;
    };
    QVector<Window> windows(1);
    int active = 0;
    QStringList lines;
    for (int i = 0; i < 3000; ++i) {
        const int kind = pick(20);
        if (kind < 8) {
            lines << commands[pick(int(commands.size()))];
        } else if (kind < 10) {
            lines << QString("zoom %1").arg(18 + pick(12));
        } else if (kind < 14) {
            const char *verbs[] = {"press", "move", "release", "click"};
            lines << QString("%1 %2 %3").arg(verbs[pick(4)]).arg(pick(500) - 20).arg(pick(400) - 20);
        } else if (kind == 14) {
            lines << QString("nodes %1").arg(1 + pick(pick(2) ? 40 : 2500));
        } else if (kind == 15) {
            lines << QString("scroll %1 %2").arg(pick(900)).arg(pick(700));
        } else if (kind == 16) {
            windows[active] = {1 + pick(2), 1 + pick(2)};
            lines << QString("split %1 %2").arg(windows[active].rows).arg(windows[active].cols);
        } else if (kind == 17) {
            lines << QString("pane %1 %2").arg(pick(windows[active].rows)).arg(pick(windows[active].cols));
        } else if (kind == 18 && windows.size() < 4) {
            lines << (pick(2) ? "ID_FILE_NEW" : "ID_WINDOW_NEW");
            windows.append(Window());
            active = int(windows.size()) - 1;
        } else {
            active = pick(int(windows.size()));
            lines << QString("window %1").arg(active);
        }
    }
    const Run run = Script(lines.join('\n') + "\nresize 333 222\nstate -\n", {"--size", "900x700"});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QJsonObject state = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonArray views = state["views"].toArray();
    QVERIFY(views.size() >= 4);
    int activeViews = 0;
    for (const auto &value : views) {
        const QJsonObject view = value.toObject();
        activeViews += view["active"].toBool();
        const int n = view["nodeCount"].toInt(), w = view["canvasWidth"].toInt(), h = view["canvasHeight"].toInt();
        const int depth = view["depth"].toInt();
        const QJsonArray nodes = view["nodes"].toArray();
        QCOMPARE(int(nodes.size()), n);
        QCOMPARE(view["sizeTotal"].toArray(), (QJsonArray{w, h}));
        QSet<int> seen;
        int deepest = 0;
        for (const auto &nodeValue : nodes) {
            const QJsonObject node = nodeValue.toObject();
            const int index = node["index"].toInt(), level = node["level"].toInt();
            QVERIFY(index >= 1 && index <= n && !seen.contains(index));
            seen << index;
            deepest = std::max(deepest, level);
            QVERIFY(node["mark"].toInt() >= 0 && node["mark"].toInt() <= 2);
            const qint64 k = index - (qint64(1) << (level - 1));
            QCOMPARE(node["x"].toInt(), int(((2 * k + 1) * w) >> level));
            QCOMPARE(node["y"].toInt(), int(((2 * qint64(level) - 1) * h) / (2 * depth)));
        }
        QCOMPARE(depth, deepest);
        const int h0 = view["hScrollPos"].toInt(), v0 = view["vScrollPos"].toInt();
        QVERIFY(h0 >= 0 && h0 <= std::max(0, w - view["clientWidth"].toInt()));
        QVERIFY(v0 >= 0 && v0 <= std::max(0, h - view["clientHeight"].toInt()));
    }
    QCOMPARE(activeViews, 1);
}

} // namespace

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
