// The real program with hostile and unlucky input: files that are not its
// own, device nodes, full disks, closed pipes, endless scripts, dialogs
// nobody can answer, and the messages that say what went wrong.
#include "CliUtil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

class TestSafety : public QObject {
    Q_OBJECT

private slots:
    // First, so that the peak memory of the children is this run's alone.
    void largeSvgIsBounded();
    void foreignFilesAreKept_data();
    void foreignFilesAreKept();
    void emptyAndNewFilesSave();
    void devicesAreWrittenThrough_data();
    void devicesAreWrittenThrough();
    void fifoIsWrittenThrough();
    void directoriesAndPathsThroughFilesFail_data();
    void directoriesAndPathsThroughFilesFail();
    void fullDeviceReportsTheReason_data();
    void fullDeviceReportsTheReason();
    void fullDiskLeavesNoFile();
    void closedOrFullStandardOutput();
    void nestedRepeatIsBounded();
    void endlessInputIsRefused_data();
    void endlessInputIsRefused();
    void dialogsAreRefusedHeadless_data();
    void dialogsAreRefusedHeadless();
    void fifosDoNotBlockStartUp();
    void scriptFromAFifo();
    void exitEndsTheScript();
    void messages_data();
    void messages();
    void helpListsTheStatements();

private:
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    Run Script(const QString &text, const QStringList &extra = {}) { return RunScript(m_dir.path(), text, extra, 120000); }
    // A device node of our own (major 1: 3 null, 5 zero, 7 full); false where
    // the system does not let us make one.
    bool MakeDevice(const QString &name, int minor);
    QTemporaryDir m_dir;
};

bool TestSafety::MakeDevice(const QString &name, int minor)
{
    QFile::remove(Path(name));
    return ::mknod(QFile::encodeName(Path(name)).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

bool IsCharDevice(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Files that hold content the program did not write survive every save.
void TestSafety::foreignFilesAreKept_data()
{
    QTest::addColumn<QString>("script"); // NOTES stands for the file, LINK for a link to it
    QTest::newRow("save after open") << "open NOTES\nID_FILE_SAVE\n";
    QTest::newRow("save to the path") << "save NOTES\n";
    QTest::newRow("save through a link") << "save LINK\n";
    QTest::newRow("open the link, save") << "open LINK\nID_FILE_SAVE\n";
}

void TestSafety::foreignFilesAreKept()
{
    QFETCH(QString, script);
    WriteText(Path("notes.txt"), "my notes\n");
    QFile::remove(Path("link.txt"));
    QVERIFY(QFile::link(Path("notes.txt"), Path("link.txt")));
    script.replace("NOTES", Path("notes.txt")).replace("LINK", Path("link.txt"));
    const Run run = Script(script + "state " + Path("after.json") + "\n");
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("not a Zarni document") && run.err.contains(".txt"), qPrintable(run.err));
    QCOMPARE(run.err.trimmed().count('\n'), 0);
    QCOMPARE(Contents(Path("notes.txt")), QByteArray("my notes\n"));
    QVERIFY(QFileInfo(Path("link.txt")).isSymLink());
    QVERIFY(!QFile::exists(Path("after.json")));
}

void TestSafety::emptyAndNewFilesSave()
{
    WriteText(Path("empty.zarni"), "");
    QFile::remove(Path("new.zarni"));
    const Run run = Script(QString("open %1\nID_FILE_SAVE\nsave %2\nstate -\n").arg(Path("empty.zarni"), Path("new.zarni")));
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(QFileInfo(Path("new.zarni")).isFile());
    QCOMPARE(QFileInfo(Path("new.zarni")).size(), 0);
    QCOMPARE(QFileInfo(Path("empty.zarni")).size(), 0);
    const QJsonArray views = QJsonDocument::fromJson(run.out.toUtf8()).object()["views"].toArray();
    QCOMPARE(views.last().toObject()["title"].toString(), QString("new.zarni"));
}

void TestSafety::devicesAreWrittenThrough_data()
{
    QTest::addColumn<QString>("statement"); // NODE stands for the device node
    QTest::newRow("state") << "state NODE";
    QTest::newRow("export png") << "export NODE.png";
    QTest::newRow("export svg") << "export NODE.svg";
    QTest::newRow("export pdf") << "export NODE.pdf";
    QTest::newRow("snapshot") << "snapshot NODE";
    QTest::newRow("save") << "save NODE";
}

// Writing to a null device must leave the node a device, never replace it.
void TestSafety::devicesAreWrittenThrough()
{
    QFETCH(QString, statement);
    const QString node = statement.contains("NODE.") ? statement.section("NODE.", 1) : QString();
    const QString name = node.isEmpty() ? "null" : "null." + node;
    if (!MakeDevice(name, 3))
        QSKIP("mknod is not allowed here");
    const Run run = Script(QString(statement).replace(QRegularExpression("NODE(\\.\\w+)?"), Path(name)) + "\n");
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(IsCharDevice(Path(name)));
    QFile::remove(Path(name));
}

void TestSafety::fifoIsWrittenThrough()
{
    const QString fifo = Path("pipe");
    QFile::remove(fifo);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QProcess reader;
    reader.start("cat", {fifo});
    QVERIFY(reader.waitForStarted());
    const Run run = Script(QString("ID_NODE_ADD\nstate %1\n").arg(fifo));
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(reader.waitForFinished(30000));
    const QJsonObject state = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    QCOMPARE(state["views"].toArray()[0].toObject()["nodeCount"].toInt(), 16);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

void TestSafety::directoriesAndPathsThroughFilesFail_data()
{
    QTest::addColumn<QString>("statement"); // DIR is a directory, FILE a regular file
    QTest::newRow("state into a directory") << "state DIR";
    QTest::newRow("export into a directory") << "export DIR.png";
    QTest::newRow("state through a file") << "state FILE/x.json";
    QTest::newRow("save through a file") << "save FILE/x.zarni";
    QTest::newRow("snapshot through a file") << "snapshot FILE/x.png";
}

void TestSafety::directoriesAndPathsThroughFilesFail()
{
    QFETCH(QString, statement);
    QDir(m_dir.path()).mkpath("dir");
    QDir(m_dir.path()).mkpath("dir.png");
    WriteText(Path("plain"), "");
    const Run run = Script(statement.replace("DIR", Path("dir")).replace("FILE", Path("plain")) + "\n");
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err.trimmed().count('\n'), 0);
    QVERIFY(QFileInfo(Path("dir")).isDir());
    QCOMPARE(QFileInfo(Path("plain")).size(), 0);
}

void TestSafety::fullDeviceReportsTheReason_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("state") << "state NODE";
    QTest::newRow("export png") << "export NODE.png";
    QTest::newRow("export svg") << "export NODE.svg";
    QTest::newRow("export pdf") << "export NODE.pdf";
    QTest::newRow("snapshot") << "snapshot NODE";
}

void TestSafety::fullDeviceReportsTheReason()
{
    QFETCH(QString, statement);
    const QString suffix = statement.contains("NODE.") ? statement.section("NODE", 1) : QString();
    if (!MakeDevice("full" + suffix, 7))
        QSKIP("mknod is not allowed here");
    const Run run = Script(QString(statement).replace("NODE" + suffix, Path("full" + suffix)) + "\nstate " + Path("after.json") + "\n");
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("No space left on device") && run.err.contains("full"), qPrintable(run.err));
    QVERIFY(IsCharDevice(Path("full" + suffix)));
    QVERIFY(!QFile::exists(Path("after.json")));
    QFile::remove(Path("full" + suffix));
}

// On a real file system that fills up, a failed write leaves nothing behind.
void TestSafety::fullDiskLeavesNoFile()
{
    const QString mount = Path("small");
    QDir().mkpath(mount);
    QProcess mounting;
    mounting.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount});
    if (!mounting.waitForFinished() || mounting.exitCode() != 0)
        QSKIP("cannot mount a small tmpfs here (needs root)");
    const QStringList outputs = {"a.svg", "a.pdf", "a.png", "s.json", "shot.png"};
    const Run run = Script(QString("zoom 10\nnodes 4000\nexport %1/a.svg\n").arg(mount));
    const Run json = Script(QString("nodes 20000\nstate %1/s.json\n").arg(mount));
    QProcess::execute("umount", {mount});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("No space left on device"), qPrintable(run.err));
    QCOMPARE(json.status, 1);
    QVERIFY2(json.err.contains("No space left on device"), qPrintable(json.err));
    // Unmounted again: nothing the runs wrote can be left, but check the
    // mount was really empty by writing once more and listing.
    QVERIFY(QDir(mount).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestSafety::closedOrFullStandardOutput()
{
    WriteText(Path("big.zs"), QString("nodes 100000\nstate -\nstate %1\n").arg(Path("after.json")).toUtf8());
    QFile::remove(Path("after.json"));
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZARNI", ZARNI_BINARY);
    env.insert("XDG_CONFIG_HOME", Path("config"));
    shell.setProcessEnvironment(env);
    shell.start("bash", {"-c", QString("\"$ZARNI\" --headless --script %1 2>%2 | head -c 1 >%3; echo ${PIPESTATUS[0]}")
                                   .arg(Path("big.zs"), Path("err.txt"), Path("one.txt"))});
    QVERIFY(shell.waitForFinished(120000));
    QCOMPARE(shell.readAllStandardOutput().trimmed(), QByteArray("1"));
    QVERIFY2(Contents(Path("err.txt")).contains("Broken pipe"), Contents(Path("err.txt")).constData());
    QCOMPARE(Contents(Path("err.txt")).trimmed().count('\n'), 0);
    QVERIFY(!QFile::exists(Path("after.json")));

    if (!MakeDevice("full", 7))
        QSKIP("mknod is not allowed here");
    QProcess full;
    full.setProcessEnvironment(env);
    full.setStandardOutputFile(Path("full"));
    full.start(ZARNI_BINARY, {"--headless", "--script", Path("big.zs")});
    QVERIFY(full.waitForFinished(120000));
    QCOMPARE(full.exitCode(), 1);
    QVERIFY(full.readAllStandardError().contains("No space left on device"));
    QVERIFY(!QFile::exists(Path("after.json")));
    QFile::remove(Path("full"));
}

void TestSafety::nestedRepeatIsBounded()
{
    QString deep;
    for (int i = 0; i < 12000; ++i)
        deep += "repeat 1 ";
    Run run = Script(deep + "ID_NODE_ADD\n"); // longer than a line may be
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.size() < 1000);
    run = Script(deep.left(9 * 6000) + "ID_NODE_ADD\n");
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains("nest at most 16"), qPrintable(run.err.left(300)));
    QVERIFY(run.err.size() < 1000);
    QString sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += i == 0 ? "repeat 3 " : "repeat 1 ";
    run = Script(sixteen + "ID_NODE_ADD\nstate -\n");
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object()["views"].toArray()[0].toObject()["nodeCount"].toInt(), 18);
}

void TestSafety::endlessInputIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero device") << "zero" << "longer than 65536 bytes";
    QTest::newRow("long line") << "line" << "longer than 65536 bytes";
    QTest::newRow("huge script") << "huge" << "longer than 67108864 bytes";
}

void TestSafety::endlessInputIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QString script = Path("input.zs");
    if (kind == "zero") {
        if (!MakeDevice("zero", 5))
            QSKIP("mknod is not allowed here");
        script = Path("zero");
    } else if (kind == "line") {
        WriteText(script, "ID_NODE_ADD\n# " + QByteArray(70000, 'x') + "\n");
    } else {
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray comment = "# " + QByteArray(60000, 'c') + "\n";
        for (qint64 written = 0; written <= 64LL * 1024 * 1024; written += comment.size())
            file.write(comment);
    }
    const Run run = RunZarni(m_dir.path(), {"--headless", "--script", script}, {}, 120000);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err.left(300)));
    QCOMPARE(run.err.trimmed().count('\n'), 0);
    QFile::remove(script);
}

// The largest canvas and tree the commands reach: the SVG is written within
// its bound, or refused with a suggestion, and never takes more than 1 GB.
void TestSafety::largeSvgIsBounded()
{
    // The bound is the program's: the sanitizer's own quarantine of freed
    // memory is kept small so that it does not count.
    qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":quarantine_size_mb=8");
    const Run run = Script(QString("repeat 9920 ID_ZOOM_IN\nnodes 1048575\nexport %1\n").arg(Path("huge.svg")));
    if (run.status == 0) {
        QVERIFY(QFileInfo(Path("huge.svg")).size() <= 50LL * 1000 * 1000);
    } else {
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("PDF") && run.err.contains("huge.svg"), qPrintable(run.err));
        QVERIFY(!QFile::exists(Path("huge.svg")));
    }
    struct rusage usage;
    QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
    QVERIFY2(usage.ru_maxrss < 1024L * 1024, qPrintable(QString::number(usage.ru_maxrss))); // kilobytes
}

void TestSafety::dialogsAreRefusedHeadless_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("instead");
    QTest::newRow("open") << "ID_FILE_OPEN" << "open PATH";
    QTest::newRow("save as") << "ID_FILE_SAVE_AS" << "save PATH";
    QTest::newRow("first save") << "ID_FILE_SAVE" << "save PATH";
    QTest::newRow("export") << "ID_FILE_EXPORT" << "export PATH";
    QTest::newRow("print") << "ID_FILE_PRINT" << "dialog";
    QTest::newRow("preview") << "ID_FILE_PRINT_PREVIEW" << "dialog";
    QTest::newRow("print set-up") << "ID_FILE_PRINT_SETUP" << "dialog";
    QTest::newRow("about") << "ID_APP_ABOUT" << "dialog";
    QTest::newRow("about by value") << "0xE140" << "dialog";
}

void TestSafety::dialogsAreRefusedHeadless()
{
    QFETCH(QString, command);
    QFETCH(QString, instead);
    const Run run = Script(command + "\n");
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(command) && run.err.contains(instead), qPrintable(run.err));
}

void TestSafety::fifosDoNotBlockStartUp()
{
    const QString fifo = Path("doc.fifo");
    QFile::remove(fifo);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    Run run = RunZarni(m_dir.path(), {"--headless", fifo}, {}, 60000);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("doc.fifo"), qPrintable(run.err));
    run = Script(QString("open %1\n").arg(fifo));
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("doc.fifo"), qPrintable(run.err));

    // A settings file that is a FIFO is passed over with a note.
    const QString home = Path("fifohome");
    QDir().mkpath(home + "/config/Local AppWizard-Generated Applications");
    const QString settings = home + "/config/Local AppWizard-Generated Applications/Zarni.conf";
    QFile::remove(settings);
    QVERIFY(::mkfifo(QFile::encodeName(settings).constData(), 0600) == 0);
    WriteText(home + "/s.zs", QString("save %1/saved.zarni\nstate -\n").arg(home).toUtf8());
    run = RunZarni(home, {"--headless", "--script", home + "/s.zs"}, {}, 60000);
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains("settings"), qPrintable(run.err));
    QVERIFY(!QFileInfo(settings).isFile());
}

void TestSafety::scriptFromAFifo()
{
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZARNI", ZARNI_BINARY);
    env.insert("XDG_CONFIG_HOME", Path("config"));
    shell.setProcessEnvironment(env);
    shell.start("bash", {"-c", "\"$ZARNI\" --headless --script <(printf 'ID_NODE_ADD\\nstate -\\n')"});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 0);
    QVERIFY(shell.readAllStandardOutput().contains("\"nodeCount\": 16"));
}

void TestSafety::exitEndsTheScript()
{
    QFile::remove(Path("after.json"));
    const Run run = Script(QString("ID_NODE_ADD\nID_APP_EXIT\nstate %1\nbogus\n").arg(Path("after.json")));
    QCOMPARE(run.status, 0);
    QVERIFY(!QFile::exists(Path("after.json")));
    QVERIFY(run.err.isEmpty());
}

void TestSafety::messages_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("contains"); // in the message, or in the state for status 0
    QTest::newRow("NUL byte") << QByteArray("fl\0y 3\n", 7) << 2 << "'fl\\0y'";
    QTest::newRow("leading zero is decimal") << QByteArray("nodes 010\nstate -\n") << 0 << "\"nodeCount\": 10";
    QTest::newRow("zoom 08") << QByteArray("zoom 08\nstate -\n") << 0 << "\"zoomIndex\": 8";
    QTest::newRow("binary is no number") << QByteArray("nodes 0b101\n") << 2 << "whole number, not '0b101'";
    QTest::newRow("hex is no node count") << QByteArray("nodes 0x10\n") << 2 << "whole number, not '0x10'";
    QTest::newRow("octal zoom") << QByteArray("zoom 010\nstate -\n") << 0 << "\"zoomIndex\": 10";
    QTest::newRow("bare number") << QByteArray("1\n") << 2 << "'1' is not a command of the program";
    QTest::newRow("command by value") << QByteArray("0x8013\nstate -\n") << 0 << "\"nodeCount\": 16";
    QTest::newRow("command in decimal") << QByteArray("32787\nstate -\n") << 0 << "\"nodeCount\": 16";
    QTest::newRow("mouse without window") << QByteArray("ID_FILE_CLOSE\nclick 5 5\n") << 2 << "'click' needs";
    QTest::newRow("move without window") << QByteArray("ID_FILE_CLOSE\nmove 5 5\n") << 2 << "'move' needs";
    QTest::newRow("export type") << QByteArray("export t.gif\n") << 2 << ".png, .svg or .pdf";
    QTest::newRow("resize too small") << QByteArray("resize 50 50\n") << 2 << "smallest";
}

void TestSafety::messages()
{
    QFETCH(QByteArray, script);
    QFETCH(int, status);
    QFETCH(QString, contains);
    WriteText(Path("m.zs"), script);
    const Run run = RunZarni(m_dir.path(), {"--headless", "--script", Path("m.zs")}, {}, 60000);
    QCOMPARE(run.status, status);
    QVERIFY2((status == 0 ? run.out : run.err).contains(contains), qPrintable(run.err));
    if (status != 0)
        QCOMPARE(run.err.trimmed().count('\n'), 0);
}

void TestSafety::helpListsTheStatements()
{
    Run run = RunZarni(m_dir.path(), {"--help"});
    QCOMPARE(run.status, 0);
    for (const char *statement : {"zoom N", "repeat N STATEMENT", "open PATH", "snapshot PATH", "state PATH"})
        QVERIFY2(run.out.contains(statement), statement);
    run = RunZarni(m_dir.path(), {"--help-all"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("--platform"));
    run = RunZarni(m_dir.path(), {"--headless", "--script", ""});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains("--script ''") && run.err.contains("empty"), qPrintable(run.err));
}

} // namespace

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
