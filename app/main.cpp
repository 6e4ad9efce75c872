#include "Script.h"
#include "Zarni.h"
#include "res/Languages.h"

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

// The statements' lines come from their table.
QString Description()
{
    return QStringLiteral("Zarni draws the complete binary tree of the heap indices 1 to N.\n"
                          "\n"
                          "A script has one statement a line ('#' starts a comment; a line ending in ' \\'\n"
                          "goes on in the next, as saved lessons write a large tree's values):\n"
                          "  ID_NAME or a command value (0x800E)   run a command as the toolbar or menu does\n") +
           StatementHelp() +
           QStringLiteral("A bad option or statement ends the run with status 2, a file that cannot be\n"
                          "read or written with status 1.");
}

// Help and the version are printed and the program ends: they need no
// screen, and a terminal without one must still show them.
bool PrintsAndEnds(const char *argument)
{
    for (const char *option : {"--help", "-h", "-?", "--help-all", "--version", "-v"})
        if (std::strcmp(argument, option) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // Without a screen the platform must be chosen before the application exists.
    bool headless = false, printsOnly = false;
    for (int i = 1; i < argc; ++i) {
        headless |= std::strcmp(argv[i], "--headless") == 0;
        printsOnly |= PrintsAndEnds(argv[i]);
    }
    if (headless || printsOnly)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (headless)
        qInstallMessageHandler(QuietMessages);

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
    QCoreApplication::setApplicationVersion(QStringLiteral(ZARNI_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption script(QStringLiteral("script"), QStringLiteral("Run the statements of PATH (- for standard input)."), QStringLiteral("PATH"));
    const QCommandLineOption noScreen(QStringLiteral("headless"), QStringLiteral("Show no window; end after the script."));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Wait MS between a run's steps (default 500, 0 when headless)."), QStringLiteral("MS"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Size of the main window (default 800x600)."), QStringLiteral("WxH"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("The language of the texts: %1 (the first the default).").arg(LanguageCodes()), QStringLiteral("LANG"));
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
        return Usage(QStringLiteral("--lang takes %1, not '%2'").arg(LanguageCodes(), parser.value(lang)));
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

    if (!headless && scriptPath.isEmpty() && documents.isEmpty())
        app.ShowStartPageAtStart();
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
