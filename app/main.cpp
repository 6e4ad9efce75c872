#include "Script.h"
#include "Zarni.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTimer>
#include <QStringDecoder>
#include <cstdio>
#include <csignal>
#include <cstring>

namespace {

// A batch run's standard error is for the one line that says what went
// wrong; the toolkit's own notes about the missing screen stay out of it.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int Usage(const QString &message)
{
    std::fprintf(stderr, "zarni: %s\n", qPrintable(message));
    return 2;
}

const char kDescription[] =
    "Zarni draws the complete binary tree of the heap indices 1 to N.\n"
    "\n"
    "A script has one statement a line ('#' starts a comment):\n"
    "  ID_NAME or a command value (0x800E)   run a command as the toolbar or menu does\n"
    "  zoom N            pick item N (0 to 29) of the zoom combo box\n"
    "  nodes N           the numbered tree of N nodes\n"
    "  speed X           the tournament's speed: 0.25, 0.5, 1, 2, 4 or 8\n"
    "  leaves V1 ... Vk  the leaves' values (-99999 to 99999), in ascending index\n"
    "  leaf I V          one leaf's value; on a played tree its path is played again\n"
    "  runs V V / V V    merge sorted runs (each from the greatest down), '/' between\n"
    "  merge PATH        merge the runs of a file, one a line ('-' for standard input)\n"
    "  tree winner|loser the kind of selection tree the tournament, paths and merges play\n"
    "  replace P V1 ... Vn   replacement selection with memory P (2 to 1024) of the values;\n"
    "                    or replace P file PATH, replace P random N; played to the end\n"
    "  merge-runs        merge the runs the replacement selection made\n"
    "  practice on|off   practice: runs stop before each step that decides and ask\n"
    "  answer I          answer the question asked: a node's index (0 for none) or a\n"
    "                    run's number; the run plays on to the next question\n"
    "  press|move|release|click X Y   the left mouse button at a point of the active view\n"
    "  wheel DX DY [ctrl|shift] [X Y]   a turn of the wheel (eighths of a degree)\n"
    "                    at a point of the active view, its centre unless given\n"
    "  key SEQUENCE      keys pressed in the active view (Ctrl+=, PgDown, F11)\n"
    "  scroll H V        the scroll positions of the active view\n"
    "  resize W H        the main window, so that the active view's client area is W x H\n"
    "  split R C         the active document window's panes (1 or 2 each)\n"
    "  pane R C          activate a pane of the active document window\n"
    "  window K          activate document window K (0 the first opened)\n"
    "  array on|off      show or hide the heap array panel\n"
    "  merge-panel on|off   show or hide the merge panel\n"
    "  code on|off       show or hide the code panel (the run's pseudocode and counts)\n"
    "  text-size N       the size in points of the panels' text, the narration and the array\n"
    "  indices on|off    a box whose label is not its heap index shows the index in its corner\n"
    "  seek K            show step K (0 to the run's steps) of the active view's run, paused\n"
    "  values V1 ... VN  every node's value in heap order (-99999 to 99999); or\n"
    "                    values random [LO HI], values ascending, values descending\n"
    "  heap max|min      the kind of heap the next operation keeps\n"
    "  heap build|build-by-insert|sort   a heap operation, played to its end\n"
    "  heap insert V|extract|key I V|delete I   insert a value, extract the root,\n"
    "                    give node I a new value, delete node I; played to the end\n"
    "  heap out V1 ...   the values extracted before (as a lesson keeps them)\n"
    "  goto I            select node I and bring it to the middle of the view\n"
    "  fit               the canvas the size of the client area: the whole tree in sight\n"
    "  fit follow on|off keep fitting the canvas as the view's size changes\n"
    "  open PATH         open a document\n"
    "  save PATH         save the active document there\n"
    "  save-script PATH  a script that rebuilds the active view as it stands\n"
    "  state PATH        the program's state as JSON ('-' for standard output)\n"
    "  export PATH [SCALE]   the active canvas as .png, .svg or .pdf, at a scale\n"
    "                    from 1 to 8 (a PNG has SCALE x the canvas's pixels)\n"
    "  export-run PATH [SCALE [FROM TO]]   the active view's run, steps FROM to TO,\n"
    "                    as an animated .gif, a .mp4 or .webm video, or a .pdf of a\n"
    "                    page a step, captioned\n"
    "  snapshot PATH     the active view's client area as PNG, in device pixels\n"
    "  shot PATH         the whole main window as PNG\n"
    "  repeat N STATEMENT   run STATEMENT N times (nesting at most 16 deep)\n"
    "A bad option or statement ends the run with status 2, a file that cannot be\n"
    "read or written with status 1.";

} // namespace

int main(int argc, char **argv)
{
    // Without a screen the platform must be chosen before the application exists.
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        headless |= std::strcmp(argv[i], "--headless") == 0;
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
    }

    // A path in another encoding would come out as other characters, and a
    // file of another name would be read or written.
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8(QByteArrayView(argv[i])));
        if (utf8.hasError()) {
            std::fprintf(stderr, "zarni: argument %d is not UTF-8 text: paths must be written in UTF-8\n", i);
            return 2;
        }
    }
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption script(QStringLiteral("script"), QStringLiteral("Run the statements of PATH (- for standard input)."), QStringLiteral("PATH"));
    const QCommandLineOption noScreen(QStringLiteral("headless"), QStringLiteral("Show no window; end after the script."));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Wait MS between the tournament's painting steps (default 500, 0 when headless)."), QStringLiteral("MS"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Size of the main window (default 800x600)."), QStringLiteral("WxH"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("The language of the texts: zh_TW (the default) or en."), QStringLiteral("LANG"));
    parser.addOptions({script, noScreen, delay, size, lang});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A document to open, or a script (.zs) to run."), QStringLiteral("[file]"));
    if (!parser.parse(QApplication::arguments()))
        return Usage(parser.errorText());
    parser.process(application); // --help, --help-all and --version end here
    if (parser.isSet(script) && parser.value(script).isEmpty())
        return Usage(QStringLiteral("--script '': the path of the script is empty"));
    if (parser.positionalArguments().size() > 1)
        return Usage(QStringLiteral("only one file can be opened, not %1").arg(parser.positionalArguments().size()));

    if (parser.isSet(lang) && !CZarniApp::IsLanguage(parser.value(lang)))
        return Usage(QStringLiteral("--lang takes zh_TW or en, not '%1'").arg(parser.value(lang)));
    // A lesson opened from the file manager is run, in a window kept open.
    QStringList documents = parser.positionalArguments();
    QString scriptPath = parser.value(script);
    if (!parser.isSet(script) && documents.size() == 1 && documents.first().endsWith(QStringLiteral(".zs"), Qt::CaseInsensitive))
        scriptPath = documents.takeFirst();

    int stepDelay = headless ? 0 : 500;
    if (parser.isSet(delay)) {
        bool ok = false;
        stepDelay = parser.value(delay).toInt(&ok);
        if (!ok || stepDelay < 0 || stepDelay > 60000)
            return Usage(QStringLiteral("--delay takes milliseconds from 0 to 60000, not '%1'").arg(parser.value(delay)));
    }
    QSize windowSize(800, 600);
    if (parser.isSet(size)) {
        const auto match = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(parser.value(size));
        windowSize = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
        if (windowSize.width() < 200 || windowSize.height() < 150 || windowSize.width() > 10000 || windowSize.height() > 10000)
            return Usage(QStringLiteral("--size takes WxH from 200x150 to 10000x10000, not '%1'").arg(parser.value(size)));
    }

    // A reader that went away is a failed write, not the end of the process.
    std::signal(SIGPIPE, SIG_IGN);

    // A batch run speaks English, also of a document it cannot open.
    if (headless && documents.size() == 1) {
        const QString problem = CScriptRunner::UnreadableReason(documents.first());
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "zarni: cannot open '%s': %s\n", qPrintable(documents.first()), qPrintable(problem));
            return 1;
        }
    }
    CZarniApp app;
    app.SetBatch(headless);
    app.SetStepDelay(stepDelay);
    if (parser.isSet(size) || headless)
        app.SetInitialSize(windowSize);
    if (parser.isSet(lang))
        app.SetLanguage(parser.value(lang));
    if (!app.InitInstance(documents)) {
        const QString failure = app.TakeBatchFailure();
        if (!failure.isEmpty())
            std::fprintf(stderr, "zarni: %s\n", qPrintable(failure));
        return 1;
    }

    // A lesson opened from the file manager runs as a lesson: its errors are
    // shown over the window, which stays.
    if (!headless && !parser.isSet(script) && !scriptPath.isEmpty()) {
        QTimer::singleShot(0, &application, [&] { app.RunLesson(scriptPath); });
        return QApplication::exec();
    }
    CScriptRunner runner(&app);
    if (!scriptPath.isEmpty() || headless) {
        QTimer::singleShot(0, &application, [&] {
            const int status = !scriptPath.isEmpty() ? runner.RunFile(scriptPath) : 0;
            if (status != 0)
                std::fprintf(stderr, "%s\n", qPrintable(runner.Error()));
            if (status != 0 || headless || runner.Ended())
                QCoreApplication::exit(status);
        });
    }
    return QApplication::exec();
}
