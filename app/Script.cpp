#include "Script.h"

#include "Export.h"
#include "RunExport.h"
#include "Lesson.h"
#include "State.h"
#include "Zarni.h"
#include "ZarniDoc.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "frames/NumbersDlg.h"
#include "frames/Presenter.h"
#include "frames/StartPage.h"
#include "frames/Speaker.h"
#include "frames/RecordPanel.h"
#include "frames/Problems.h"
#include "model/algorithms/Table.h"
#include "framework/FileWrite.h"
#include "CommandNames.h"
#include "framework/StandardIds.h"
#include "res/Languages.h"
#include "res/Resource.h"
#include "view/Palette.h"
#include "view/ZarniView.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QMdiArea>
#include <QMouseEvent>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QEventLoop>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Failure {
    int status; // 1: a file could not be read or written; 2: a bad statement
    QString message;
    int line = 0; // the statement's line, when not the one being run
};

[[noreturn]] void Fail(const QString &message, int status = 2)
{
    throw Failure{status, message};
}

// Numbers in statements are decimal: a leading zero means nothing more.
int64_t WholeNumber(const QString &word, int64_t low, int64_t high, const QString &what)
{
    int64_t value = 0;
    switch (ReadWholeNumber(word.toStdString(), low, high, &value)) {
    case NumberError::NotANumber: Fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, word));
    case NumberError::OutOfRange: Fail(QStringLiteral("%1 must be from %2 to %3, not %4").arg(what).arg(low).arg(high).arg(word));
    case NumberError::None: break;
    }
    return value;
}

int Number(const QString &word, int low, int high, const QString &what)
{
    return int(WholeNumber(word, low, high, what));
}

// A command by its value: hexadecimal with 0x, or decimal.
int CommandValue(const QString &word)
{
    static const QRegularExpression form(QStringLiteral("^(0[xX][0-9A-Fa-f]+|[0-9]+)$"));
    bool ok = form.match(word).hasMatch();
    const bool hex = word.startsWith("0x", Qt::CaseInsensitive);
    const qlonglong value = ok ? word.mid(hex ? 2 : 0).toLongLong(&ok, hex ? 16 : 10) : 0;
    if (!ok || value > 0xFFFF || !IsKnownCommand(int(value)))
        Fail(QStringLiteral("'%1' is not a command of the program").arg(word));
    return int(value);
}

void ExpectWords(const QStringList &words, int count, const QString &usage)
{
    if (words.size() != count)
        Fail(QStringLiteral("'%1' expects: %2").arg(words.first(), usage));
}

// "-" is standard output; any other path gets the bytes whole or not at all.
void WriteOutput(const QString &path, const QByteArray &data)
{
    QString error;
    const bool written = path == "-" ? WriteStandardOutput(data, &error) : WriteWholeFile(path, data, &error);
    if (!written)
        Fail(QStringLiteral("cannot write '%1': %2").arg(path, error), 1);
}

// A line as it may be shown: a NUL byte would end the message early.
QString Printable(QString text)
{
    return text.replace(QChar(0), QStringLiteral("\\0"));
}

// The commands that write a file, or would without a question when the
// document already has one.
bool CommandWritesFiles(int id)
{
    switch (id) {
    case ID_FILE_SAVE: case ID_FILE_SAVE_AS: case ID_FILE_EXPORT: case ID_FILE_EXPORT_RUN: case ID_FILE_SAVE_SCRIPT:
    case ID_FILE_PRINT: case ID_FILE_RUN_SCRIPT:
        return true;
    default:
        return false;
    }
}

const char kWritingBelongsToBatch[] = "a lesson writes no files: writing belongs to a batch run (zarni --script FILE, --headless)";

// The system's reason in the script's own language, whatever the locale.
QString EnglishReason(int error)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return QString::fromUtf8(strerror_l(error, c));
}

// Opens a script or its runs: "-" is standard input, read through its
// descriptor so that a NUL byte is read like any other.
bool OpenInput(QFile *file, const QString &path)
{
    return path == "-" ? file->open(STDIN_FILENO, QIODevice::ReadOnly)
                       : (file->setFileName(path), file->open(QIODevice::ReadOnly));
}

} // namespace

// Sees the user close the script's window while the script waits.
class CScriptRunner::WindowWatch : public QObject {
public:
    explicit WindowWatch(CScriptRunner *runner) : m_pRunner(runner) {}
    void Watch(QWidget *window)
    {
        if (m_window == window)
            return;
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = window;
        if (window)
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close && !m_pRunner->m_bExecuting) {
            m_pRunner->m_bWindowTaken = true;
            if (m_pRunner->m_pWaitLoop)
                m_pRunner->m_pWaitLoop->quit();
        }
        return false;
    }

private:
    CScriptRunner *m_pRunner;
    QPointer<QWidget> m_window;
};

void CScriptRunner::Fail(const QString &message, int status)
{
    ::Fail(message, status);
}

int CScriptRunner::Number(const QString &word, int low, int high, const QString &what)
{
    return ::Number(word, low, high, what);
}

CScriptRunner::CScriptRunner(CZarniApp *app, Mode mode)
    : m_app(app), m_mode(mode), m_pWindowWatch(std::make_unique<WindowWatch>(this))
{
}

CScriptRunner::~CScriptRunner() = default;

void CScriptRunner::RequestStop()
{
    m_bStopRequested = true;
    if (m_pWaitLoop)
        m_pWaitLoop->quit();
}

int CScriptRunner::RunFile(const QString &path)
{
    if (path.isEmpty()) {
        m_error = QStringLiteral("--script '': the path of the script is empty");
        return 2;
    }
    if (m_mode == Mode::Lesson && (path == "-" || IsSpecialFile(path))) {
        m_error = QStringLiteral("%1: a lesson is read from a regular file").arg(path);
        return 1;
    }
    QFile file;
    const bool opened = OpenInput(&file, path);
    const int reason = errno;
    if (!opened || QFileInfo(path).isDir()) {
        m_error = QStringLiteral("%1: cannot read the script: %2").arg(path, EnglishReason(opened ? EISDIR : reason));
        return 1;
    }
    m_bScriptOnStandardInput = path == "-";
    m_strFolder = QFileInfo(path).absolutePath();
    // The guard refuses, whatever reaches them (a key, a menu), the commands
    // that would open a dialog nobody can answer or write in a lesson.
    m_app->MainFrame()->SetCommandGuard([this](int id) { return AllowCommand(id); });
    m_app->SetRunningScript(this);
    const int status = Run(path, &file);
    m_app->SetRunningScript(nullptr);
    if (m_app->MainFrame())
        m_app->MainFrame()->SetCommandGuard(nullptr);
    m_pWindowWatch->Watch(nullptr);
    return status;
}

bool CScriptRunner::AllowCommand(int id)
{
    // What the user does while a lesson waits is the user's own.
    if (m_mode == Mode::Lesson && !m_bExecuting)
        return true;
    const QString refusal = Refusal(id, CommandName(id));
    if (refusal.isEmpty())
        return true;
    if (m_strRefusal.isEmpty())
        m_strRefusal = refusal;
    return false;
}

// Why a command may not run now, or nothing.
QString CScriptRunner::Refusal(int id, const QString &name) const
{
    if (m_mode == Mode::Lesson && CommandWritesFiles(id))
        return QStringLiteral("%1: %2").arg(name, kWritingBelongsToBatch);
    if (!m_app->IsBatch())
        return QString();
    if (id == ID_FILE_STOP_SCRIPT) // stopping in silence would pass for a script's end
        return QStringLiteral("%1: a batch run ends at the end of its script (or is interrupted with Ctrl+C), "
                              "not by a statement of its own").arg(name);
    // Without a screen nobody could answer a dialog: the commands that open
    // one are refused, naming the statements that do the same.
    QStringList forms;
    for (const StatementEntry &statement : ScriptStatements())
        for (const StatementForm &form : statement.forms)
            for (const char *replaced : form.replaces)
                if (name == QLatin1String(replaced))
                    forms << QStringLiteral("'%1'").arg(form.usage);
    if (!forms.isEmpty()) {
        const QString last = forms.takeLast();
        return QStringLiteral("%1 opens a dialog: use %2").arg(name, forms.isEmpty() ? last : forms.join(", ") + " or " + last);
    }
    QString instead;
    switch (id) {
    case ID_FILE_SAVE: {
        const CChildFrame *child = m_app->MainFrame()->ActiveChild();
        if (!child || !child->GetDocument()->GetPathName().isEmpty())
            return QString();
        instead = QStringLiteral("the document has no file yet; use 'save PATH'");
        break;
    }
    case ID_FILE_RUN_SCRIPT: instead = QStringLiteral("use 'zarni --script PATH'"); break;
    case ID_FILE_PRINT: case ID_FILE_PRINT_PREVIEW: case ID_FILE_PRINT_SETUP: case ID_APP_ABOUT:
    case ID_WINDOW_MORE_WINDOWS:
        instead = QStringLiteral("a headless run has no screen for it");
        break;
    default: return QString();
    }
    return QStringLiteral("%1 opens a dialog: %2").arg(name, instead);
}

// Reads and runs one line at a time, so that a script from a pipe runs as
// it comes and endless input is stopped at the limits.
int CScriptRunner::Run(const QString &source, QIODevice *input)
{
    qint64 total = 0;
    // Reading the next line of a pipe may block: only a file's statements
    // are read while a run plays.
    m_bDeferWaits = !input->isSequential();
    m_pendingWait = nullptr;
    // A line that ends in " \\" goes on in the next: a statement too long
    // for one line (the values of a large tree) takes several.
    QString continued;
    int first = 0; // the line the statement begins on
    for (int number = 1;; ++number) {
        if (continued.isEmpty())
            first = number;
        try {
            QByteArray bytes = input->readLine(kMaxLineBytes + 2);
            if (bytes.isEmpty()) {
                if (!continued.isEmpty())
                    Fail(QStringLiteral("the script ends in the middle of a statement (its last line ends in '\\')"));
                SettleWait({});
                return 0; // the end of the input
            }
            total += bytes.size();
            if (bytes.endsWith('\n'))
                bytes.chop(1);
            if (bytes.size() > kMaxLineBytes)
                Fail(QStringLiteral("the line is longer than %1 bytes").arg(kMaxLineBytes));
            if (total > kMaxScriptBytes)
                Fail(QStringLiteral("the script is longer than %1 bytes").arg(kMaxScriptBytes));
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString line = QString(utf8(bytes)).trimmed();
            if (utf8.hasError())
                Fail(QStringLiteral("the line is not UTF-8 text (a path must be written in UTF-8)"));
            if (continued.isEmpty() && (line.isEmpty() || line.startsWith('#')))
                continue;
            if (line.endsWith(QLatin1String(" \\"))) {
                continued += line.chopped(1);
                continue;
            }
            const QString statement = std::exchange(continued, QString()) + line;
            WatchWindow();
            m_bExecuting = true;
            m_nLine = first;
            Execute(statement.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts));
            AfterStatement();
        } catch (const Failure &failure) {
            if (failure.status == 0) {
                m_bEnded = true;
                return 0;
            }
            m_error = Printable(QStringLiteral("%1:%2: %3").arg(source).arg(failure.line ? failure.line : first).arg(failure.message));
            return failure.status;
        }
    }
}

// Events run after each statement; a failure a command reported ends the
// run, and so does a program told to end.
void CScriptRunner::AfterStatement()
{
    const bool executing = std::exchange(m_bExecuting, false);
    ProcessEvents();
    CheckInterruptions();
    m_bExecuting = executing;
}

// The program told to end, the script stopped or its window closed end the
// run; so does a command's refusal or failure.
void CScriptRunner::CheckInterruptions()
{
    if (m_app->MainFrame()->isHidden())
        throw Failure{0, QString()};
    if (m_bStopRequested) {
        m_bStopped = true;
        throw Failure{0, QString()};
    }
    if (m_bWindowTaken)
        Fail(QStringLiteral("the script's document window was closed: the script ends here"));
    if (!m_strRefusal.isEmpty())
        Fail(std::exchange(m_strRefusal, QString()));
    const QString failure = m_app->TakeBatchFailure();
    if (!failure.isEmpty())
        Fail(failure, 1);
}

// The document window the next statement works in; closing it ends the run.
void CScriptRunner::WatchWindow()
{
    m_pWindowWatch->Watch(m_app->MainFrame()->ActiveChild());
}

// A run a statement started plays to its end before the next statement,
// unless that one goes straight to a step of it: then the run is recorded,
// not watched, and a lesson saved at a late step opens there at once.
void CScriptRunner::Wait(CZarniView *view)
{
    if (m_bDeferWaits && view && view->IsPlaying()) {
        m_pendingWait = view;
        m_nPendingLine = m_nLine;
    } else {
        WaitNow(view);
    }
}

void CScriptRunner::SettleWait(const QStringList &next)
{
    const QPointer<CZarniView> view = std::exchange(m_pendingWait, nullptr);
    static const QStringList goingToAStep{"seek", "ID_WINNER_END", "ID_WINNER_RESTART"};
    const bool skip = !next.isEmpty() && goingToAStep.contains(next.first()) &&
                      view == m_app->MainFrame()->GetActiveView();
    if (!view || skip)
        return;
    try { // what ends the wait belongs to the statement that started the run
        WaitNow(view);
        CheckInterruptions();
    } catch (Failure &failure) {
        failure.line = m_nPendingLine;
        throw;
    }
}

// The window answers meanwhile. A run the user pauses is waited for until
// it goes on and ends.
void CScriptRunner::WaitNow(CZarniView *view)
{
    QPointer<CZarniView> watched = view;
    auto waiting = [&] {
        return watched && !m_bStopRequested && !m_bWindowTaken && !m_app->MainFrame()->isHidden() &&
               (watched->IsPlaying() || watched->IsHeld()) &&
               !(m_app->IsBatch() && watched->Question()); // nobody could answer it
    };
    if (!watched || !watched->IsPlaying())
        return;
    QEventLoop loop;
    QObject::connect(view, &CZarniView::RunStateChanged, &loop, [&] {
        if (!waiting())
            loop.quit();
    });
    QObject::connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
    m_pWaitLoop = &loop;
    const bool executing = std::exchange(m_bExecuting, false);
    if (waiting())
        loop.exec();
    m_bExecuting = executing;
    m_pWaitLoop = nullptr;
}

void CScriptRunner::ProcessEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

CZarniView *CScriptRunner::ActiveView(const QString &verb)
{
    CZarniView *view = m_app->MainFrame()->GetActiveView();
    if (!view)
        Fail(QStringLiteral("'%1' needs an open document window").arg(verb));
    return view;
}

namespace {

// A statement of the program's own, run by a member of the runner.
using Member = void (CScriptRunner::*)(const QStringList &);
StatementEntry Own(const char *word, const char *usage, std::vector<StatementForm> forms, const char *help, bool writes,
                  Member member)
{
    return {word, usage, std::move(forms), help, writes, [member](StatementHost &host, const std::vector<std::string> &words) {
                QStringList list;
                for (const std::string &w : words)
                    list << QString::fromStdString(w);
                (static_cast<CScriptRunner &>(host).*member)(list);
            }};
}

} // namespace

// Every statement, the program's own and the algorithms' (after the speed),
// in the order --help lists them.
const std::vector<StatementEntry> &ScriptStatements()
{
    using R = CScriptRunner;
    static const std::vector<StatementEntry> statements = [] {
        std::vector<StatementEntry> all{
            Own("zoom", "zoom N (0 to 29)", {}, "  zoom N            pick item N (0 to 29) of the zoom combo box\n", false, &R::Zoom),
            Own("nodes", "nodes N", {{"nodes N", {"ID_VIEW_NODE_COUNT"}}}, "  nodes N           the numbered tree of N nodes\n", false,
                &R::Nodes),
            Own("speed", "speed X (0.25, 0.5, 1, 2, 4 or 8)", {},
                "  speed X           the speed of the runs: 0.25, 0.5, 1, 2, 4 or 8\n", false, &R::Speed)};
        for (const StatementEntry &statement : AlgorithmStatements())
            all.push_back(statement);
        const std::vector<StatementEntry> rest{
            Own("practice", "practice on|off", {}, "  practice on|off   practice: runs stop before each step that decides and ask\n",
                false, &R::Practice),
            Own("answer", "answer I (a node's index, 0 for none, or a run's number)", {},
                "  answer I          answer the question asked: a node's index (0 for none) or a\n"
                "                    run's number; the run plays on to the next question\n",
                false, &R::AnswerQuestion),
            Own("press", "press X Y", {}, "  press|move|release|click X Y   the left mouse button at a point of the active view\n",
                false, &R::Mouse),
            Own("move", "move X Y", {}, "", false, &R::Mouse),
            Own("release", "release X Y", {}, "", false, &R::Mouse),
            Own("click", "click X Y", {}, "", false, &R::Mouse),
            Own("wheel", "wheel DX DY [ctrl|shift] [X Y]", {},
                "  wheel DX DY [ctrl|shift] [X Y]   a turn of the wheel (eighths of a degree)\n"
                "                    at a point of the active view, its centre unless given\n",
                false, &R::Wheel),
            Own("key", "key SEQUENCE (such as Ctrl+=, PgDown or F11)", {},
                "  key SEQUENCE      keys pressed in the active view (Ctrl+=, PgDown, F11)\n", false, &R::Key),
            Own("scroll", "scroll H V", {}, "  scroll H V        the scroll positions of the active view\n", false, &R::Scroll),
            Own("resize", "resize W H", {},
                "  resize W H        the main window, so that the active view's client area is W x H\n", false, &R::Resize),
            Own("split", "split R C (1 or 2 each)", {}, "  split R C         the active document window's panes (1 or 2 each)\n",
                false, &R::Split),
            Own("pane", "pane R C (0 or 1 each)", {}, "  pane R C          activate a pane of the active document window\n",
                false, &R::Pane),
            Own("window", "window K", {}, "  window K          activate document window K (0 the first opened)\n", false,
                &R::Window),
            Own("array", "array on|off", {}, "  array on|off      show or hide the heap array panel\n", false, &R::Array),
            Own("merge-panel", "merge-panel on|off", {}, "  merge-panel on|off   show or hide the merge panel\n", false,
                &R::MergePanel),
            Own("code", "code on|off", {}, "  code on|off       show or hide the code panel (the run's pseudocode and counts)\n",
                false, &R::Code),
            Own("present", "present on|off", {},
                "  present on|off    present mode: a slide of the whole screen, the tree kept fitted and\n"
                "                    the code panel, no bars; PgDown/Right/Space step, PgUp/Left back, B or . black\n",
                false, &R::Present),
            Own("say", "say TEXT", {},
                "  say TEXT          a line of the teacher's own in the narration (spoken when speech\n"
                "                    is on) until the next step; a saved lesson keeps none\n",
                false, &R::Say),
            Own("wait", "wait", {},
                "  wait              hold the lesson until the presenter's next key (PageDown, Space\n"
                "                    or Right), which goes on with it instead of stepping; none headless\n",
                false, &R::WaitForPresenter),
            Own("start-page", "start-page on|off|open K|folder PATH", {{"start-page on", {"ID_HELP_LESSONS"}}},
                "  start-page on|off the start page of lessons (說明 › 範例課程) in sight or not\n"
                "  start-page open K open the K-th lesson it lists in a new window and run it here\n"
                "  start-page folder PATH   list the lessons (.zs) of a folder of one's own there too\n",
                false, &R::StartPage),
            Own("language", "language CODE", {},
                "  language CODE     the interface's language, a code --lang takes (the 語言 menu)\n", false,
                &R::LanguageNamed),
            Own("palette", "palette standard|colorblind|projector", {},
                "  palette standard|colorblind|projector   the colours of every picture (檢視 › 配色):\n"
                "                    today's, colour-blind safe with cues, or for a washed-out projector\n",
                false, &R::PaletteNamed),
            Own("speak", "speak on|off", {},
                "  speak on|off      read each step aloud in the interface's language (檢視 › 朗讀);\n"
                "                    with no voice it says so and stays off\n",
                false, &R::Speak),
            Own("text-size", "text-size N (points)", {},
                "  text-size N       the size in points of the panels' text, the narration and the array\n", false,
                &R::TextSize),
            Own("indices", "indices on|off", {},
                "  indices on|off    a box whose label is not its heap index shows the index in its corner\n", false,
                &R::Indices),
            Own("seek", "seek K", {}, "  seek K            show step K (0 to the run's steps) of the active view's run, paused\n",
                false, &R::Seek),
            Own("goto", "goto I", {{"goto I", {"ID_NODE_GOTO"}}},
                "  goto I            select node I and bring it to the middle of the view\n", false, &R::Goto),
            Own("fit", "fit [follow on|off]", {},
                "  fit               the canvas the size of the client area: the whole tree in sight\n"
                "  fit follow on|off keep fitting the canvas as the view's size changes\n",
                false, &R::Fit),
            Own("canvas", "canvas W H", {},
                "  canvas W H        the active view's canvas W x H pixels (1 to 1000000 each),\n"
                "                    as a lesson keeps a fitted canvas\n",
                false, &R::Canvas),
            Own("open", "open PATH", {{"open PATH", {"ID_FILE_OPEN"}}}, "  open PATH         open a document\n", false, &R::Open),
            Own("save", "save PATH", {{"save PATH", {"ID_FILE_SAVE_AS"}}}, "  save PATH         save the active document there\n",
                true, &R::Save),
            Own("save-script", "save-script PATH", {{"save-script PATH", {"ID_FILE_SAVE_SCRIPT"}}},
                "  save-script PATH  a script that rebuilds the active view as it stands\n", true, &R::SaveScript),
            Own("state", "state PATH", {}, "  state PATH        the program's state as JSON ('-' for standard output)\n", true,
                &R::State),
            Own("export", "export PATH [SCALE]", {{"export PATH [SCALE]", {"ID_FILE_EXPORT"}}},
                "  export PATH [SCALE]   the active canvas as .png, .svg or .pdf, at a scale\n"
                "                    from 1 to 8 (a PNG has SCALE x the canvas's pixels)\n",
                true, &R::Export),
            Own("export-run", "export-run PATH [SCALE [FROM TO]] (.gif, .mp4, .webm, .pdf, .html or .zip)",
                {{"export-run PATH [SCALE [FROM TO]]", {"ID_FILE_EXPORT_RUN"}}},
                "  export-run PATH [SCALE [FROM TO]]   the active view's run, steps FROM to TO,\n"
                "                    as an animated .gif, a .mp4 or .webm video, or a .pdf of a\n"
                "                    page a step, captioned; a .html page that plays it, or a\n"
                "                    .zip for a learning platform (SCORM 1.2)\n",
                true, &R::ExportRunFile),
            Own("snapshot", "snapshot PATH", {}, "  snapshot PATH     the active view's client area as PNG, in device pixels\n", true,
                &R::Snapshot),
            Own("shot", "shot PATH", {}, "  shot PATH         the whole main window as PNG\n", true, &R::Shot),
            Own("repeat", "repeat N STATEMENT", {}, "  repeat N STATEMENT   run STATEMENT N times (nesting at most 16 deep)\n",
                false, &R::Repeat),
        };
        all.insert(all.end(), rest.begin(), rest.end());
        return all;
    }();
    return statements;
}

const StatementEntry *FindStatement(const QString &word)
{
    for (const StatementEntry &statement : ScriptStatements())
        if (word == QLatin1String(statement.word))
            return &statement;
    return nullptr;
}

QString StatementHelp()
{
    QString help;
    for (const StatementEntry &statement : ScriptStatements())
        help += QString::fromUtf8(statement.help);
    return help;
}

void CScriptRunner::Execute(const QStringList &words)
{
    SettleWait(words);
    const QString &verb = words.first();
    const StatementEntry *statement = FindStatement(verb);
    if (m_mode == Mode::Lesson && statement && statement->writesFiles)
        Fail(QStringLiteral("'%1': %2").arg(verb, kWritingBelongsToBatch));
    if (verb.startsWith("ID_")) {
        ExpectWords(words, 1, verb);
        const auto &names = CommandIdsByName();
        if (!names.contains(verb))
            Fail(QStringLiteral("unknown command identifier '%1'").arg(verb));
        Command(names.value(verb), verb);
    } else if (verb[0].isDigit()) {
        ExpectWords(words, 1, QStringLiteral("a command value alone"));
        Command(CommandValue(verb), verb);
    } else if (statement) {
        const StatementEntry *outer = std::exchange(m_pStatement, statement);
        std::vector<std::string> list;
        for (const QString &word : words)
            list.push_back(word.toStdString());
        try {
            statement->run(*this, list);
        } catch (...) {
            m_pStatement = outer;
            throw;
        }
        m_pStatement = outer;
    } else {
        Fail(QStringLiteral("unknown statement '%1'").arg(verb));
    }
}

// What an algorithm's statement asks of the runner.
TreeModel &CScriptRunner::Model()
{
    m_pStatementView = ActiveView(QString::fromLatin1(m_pStatement->word));
    return m_pStatementView->Model();
}

void CScriptRunner::Fail(const std::string &line, int status)
{
    Fail(QString::fromStdString(line), status);
}

void CScriptRunner::Refuse(const Message &problem, const std::string &where)
{
    ::Fail(QString::fromStdString(where) + CProblemText::Say(problem, CProblemText::Wording::ScriptLine));
}

void CScriptRunner::Expect(const std::vector<std::string> &words, std::size_t count)
{
    if (words.size() != count)
        Fail(QStringLiteral("'%1' expects: %2").arg(m_pStatement->word, m_pStatement->usage));
}

void CScriptRunner::Expect(const QStringList &words, int count)
{
    if (words.size() != count)
        Fail(QStringLiteral("'%1' expects: %2").arg(m_pStatement->word, m_pStatement->usage));
}

int64_t CScriptRunner::Number(const std::string &word, int64_t low, int64_t high, const std::string &what)
{
    return WholeNumber(QString::fromStdString(word), low, high, QString::fromStdString(what));
}

std::string CScriptRunner::ReadInput(const std::string &path, const std::string &verb)
{
    return ReadInputFile(QString::fromStdString(path), QString::fromStdString(verb));
}

void CScriptRunner::Note(const Message &text)
{
    std::fprintf(stderr, "%s: %s\n", m_pStatement->word, qPrintable(CProblemText::Say(text, CProblemText::Wording::ScriptLine)));
}

void CScriptRunner::Start(const Outcome &outcome)
{
    if (outcome.Failed())
        Refuse(outcome.problem);
    CZarniView *view = ActiveView(QString::fromLatin1(m_pStatement->word));
    view->Follow(outcome);
    m_nPlayTarget = outcome.then == Outcome::Then::PlayTo ? outcome.target : -1;
}

void CScriptRunner::RunToEnd()
{
    RunToEnd(ActiveView(QString::fromLatin1(m_pStatement->word)));
}

void CScriptRunner::Wait()
{
    Wait(ActiveView(QString::fromLatin1(m_pStatement->word)));
}

int CScriptRunner::Random(int low, int high)
{
    return int(QRandomGenerator::global()->bounded(qint64(low), qint64(high) + 1));
}

void CScriptRunner::Zoom(const QStringList &words)
{
    Expect(words, 2);
    QComboBox *combo = m_app->MainFrame()->m_wndToolBar->m_wndZoomCombo;
    const int index = Number(words[1], 0, combo->count() - 1, QStringLiteral("the zoom item"));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void CScriptRunner::Nodes(const QStringList &words)
{
    Expect(words, 2);
    ActiveView(words[0])->SetNodeCount(Number(words[1], 1, 1 << 24, QStringLiteral("the node count")));
}

void CScriptRunner::Speed(const QStringList &words)
{
    Expect(words, 2);
    bool ok = false;
    const double speed = words[1].toDouble(&ok);
    if (!ok || !ActiveView(words[0])->SetSpeed(speed))
        Fail(QStringLiteral("the speed must be 0.25, 0.5, 1, 2, 4 or 8, not %1").arg(words[1]));
}

void CScriptRunner::Mouse(const QStringList &words)
{
    Expect(words, 3);
    const int x = Number(words[1], -100000, 100000, QStringLiteral("X"));
    const int y = Number(words[2], -100000, 100000, QStringLiteral("Y"));
    if (words[0] == "click") {
        SendMouse(words[0], QEvent::MouseButtonPress, x, y);
        SendMouse(words[0], QEvent::MouseButtonRelease, x, y);
    } else {
        SendMouse(words[0], words[0] == "press" ? QEvent::MouseButtonPress
                  : words[0] == "release" ? QEvent::MouseButtonRelease : QEvent::MouseMove, x, y);
    }
}

void CScriptRunner::Scroll(const QStringList &words)
{
    Expect(words, 3);
    CZarniView *view = ActiveView(words[0]);
    view->horizontalScrollBar()->setValue(Number(words[1], 0, INT_MAX, QStringLiteral("H")));
    view->verticalScrollBar()->setValue(Number(words[2], 0, INT_MAX, QStringLiteral("V")));
}

// Resizes the main window until the active view's client area has the size.
void CScriptRunner::Resize(const QStringList &words)
{
    Expect(words, 3);
    const QSize wanted(Number(words[1], 50, 10000, QStringLiteral("W")), Number(words[2], 50, 10000, QStringLiteral("H")));
    QWidget *client = ActiveView(words[0])->viewport();
    CMainFrame *frame = m_app->MainFrame();
    // The frame takes what it can; between split panes, whose bars share
    // an odd pixel as they like, the bars take the rest.
    for (int attempt = 0; attempt < 8 && client->size() != wanted; ++attempt) {
        frame->resize(frame->size() + wanted - client->size());
        ProcessEvents();
        if (client->size() != wanted) {
            ActiveSplitter(words[0])->GrowActivePane(wanted - client->size());
            ProcessEvents();
        }
    }
    if (client->size() == wanted)
        return;
    const QSize least = frame->minimumSizeHint() - (frame->size() - client->size());
    const QString asked = QStringLiteral("the client area cannot be %1 x %2: ").arg(wanted.width()).arg(wanted.height());
    if (wanted.width() < least.width() || wanted.height() < least.height())
        Fail(asked + QStringLiteral("the smallest the main window allows is %1 x %2").arg(least.width()).arg(least.height()));
    Fail(asked + QStringLiteral("it stays %1 x %2").arg(client->width()).arg(client->height()));
}

CSplitterWnd *CScriptRunner::ActiveSplitter(const QString &verb)
{
    ActiveView(verb);
    return m_app->MainFrame()->ActiveChild()->GetSplitter();
}

void CScriptRunner::Split(const QStringList &words)
{
    Expect(words, 3);
    const int rows = Number(words[1], 1, 2, QStringLiteral("R"));
    const int cols = Number(words[2], 1, 2, QStringLiteral("C"));
    ActiveSplitter(words[0])->SplitTo(rows, cols);
}

void CScriptRunner::Pane(const QStringList &words)
{
    Expect(words, 3);
    const int row = Number(words[1], 0, 1, QStringLiteral("R"));
    const int col = Number(words[2], 0, 1, QStringLiteral("C"));
    CSplitterWnd *splitter = ActiveSplitter(words[0]);
    if (row >= splitter->GetRowCount() || col >= splitter->GetColumnCount())
        Fail(QStringLiteral("there is no pane %1 %2").arg(row).arg(col));
    splitter->SetActivePane(splitter->GetPane(row, col));
}

void CScriptRunner::Window(const QStringList &words)
{
    Expect(words, 2);
    const QList<CChildFrame *> frames = m_app->MainFrame()->ChildFrames();
    if (frames.isEmpty())
        Fail(QStringLiteral("there is no document window"));
    const int k = Number(words[1], 0, int(frames.size()) - 1, QStringLiteral("the window"));
    m_app->MainFrame()->MdiArea()->setActiveSubWindow(frames[k]);
}

// A file the script reads: a lesson's paths start at its own folder, and a
// lesson reads neither standard input nor a file that could block or never
// end; a batch run reads standard input too.
QString CScriptRunner::InputPath(const QString &path, const QString &verb) const
{
    if (path == "-") {
        if (m_mode == Mode::Lesson)
            Fail(QStringLiteral("'%1 -': a lesson cannot read standard input").arg(verb));
        return path;
    }
    const QString resolved = m_mode == Mode::Lesson ? QDir(m_strFolder).filePath(path) : path;
    const QString problem = UnreadableReason(resolved);
    if (!problem.isEmpty())
        Fail(QStringLiteral("cannot read '%1': %2").arg(path, problem), 1);
    return resolved;
}

QString CScriptRunner::UnreadableReason(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return EnglishReason(errno);
    if (S_ISDIR(info.st_mode))
        return EnglishReason(EISDIR);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is not a regular file (a pipe or a device)");
    return ::access(QFile::encodeName(path).constData(), R_OK) == 0 ? QString() : EnglishReason(errno);
}

void CScriptRunner::State(const QStringList &words)
{
    Expect(words, 2);
    WriteOutput(words[1], ProgramStateJson(m_app->MainFrame()));
}

void CScriptRunner::Export(const QStringList &words)
{
    if (words.size() != 2)
        Expect(words, 3);
    if (!IsExportType(words[1]))
        Fail(QStringLiteral("'export' writes .png, .svg or .pdf files, not '%1'").arg(words[1]));
    const int scale = words.size() == 3 ? Number(words[2], 1, kMaxExportScale, QStringLiteral("the scale")) : 1;
    CZarniView *view = ActiveView(words[0]);
    const ExportResult result = ExportCanvas(view->Scene(), words[1], scale);
    if (!result)
        Fail(DescribeExportFailure(result, view->Scene().Canvas(), words[1], true, scale), 1);
}

void CScriptRunner::Snapshot(const QStringList &words)
{
    Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    view->UpdateWindow(); // what waits to be painted shows, as on a screen
    // The client area with what is drawn over the kept picture: the outlines
    // of the nodes a step points at, the cursor, a sliding value.
    WritePng(words[1], view->viewport()->grab().toImage());
}

// The whole main window as it shows: bars, panels, document windows.
void CScriptRunner::Shot(const QStringList &words)
{
    Expect(words, 2);
    WritePng(words[1], m_app->MainFrame()->grab().toImage());
}

void CScriptRunner::WritePng(const QString &path, const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        Fail(QStringLiteral("cannot encode the picture as PNG"), 1);
    WriteOutput(path, png);
}

bool CScriptRunner::OnOrOff(const QStringList &words)
{
    Expect(words, 2);
    if (words[1] != "on" && words[1] != "off")
        Fail(QStringLiteral("'%1' takes on or off, not '%2'").arg(words[0], words[1]));
    return words[1] == "on";
}

void CScriptRunner::Array(const QStringList &words)
{
    m_app->MainFrame()->ShowPanel(ID_VIEW_ARRAY, OnOrOff(words));
}

void CScriptRunner::Code(const QStringList &words)
{
    m_app->MainFrame()->ShowPanel(ID_VIEW_CODE, OnOrOff(words));
}

void CScriptRunner::Present(const QStringList &words)
{
    m_app->MainFrame()->Presenter()->SetOn(OnOrOff(words));
}

void CScriptRunner::Say(const QStringList &words)
{
    if (words.size() < 2)
        Fail(QStringLiteral("'say' expects: say TEXT"));
    ActiveView(words[0])->Say(words.mid(1).join(' '));
}

namespace {

// The keys of a presenter's remote that go on: taken before any shortcut
// (a step, a pause) sees them.
class CNextKey : public QObject {
public:
    explicit CNextKey(QEventLoop *loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_PageDown && key != Qt::Key_Space && key != Qt::Key_Right)
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_loop->quit();
        return event->type() == QEvent::KeyPress;
    }

private:
    QEventLoop *m_loop;
};

} // namespace

// The window answers meanwhile; stopping the lesson or closing its window
// ends the wait too. A headless run has nobody to press a key.
void CScriptRunner::WaitForPresenter(const QStringList &words)
{
    Expect(words, 1);
    if (m_app->IsBatch())
        return;
    QEventLoop loop;
    CNextKey next(&loop);
    qApp->installEventFilter(&next);
    m_pWaitLoop = &loop;
    const bool executing = std::exchange(m_bExecuting, false);
    if (!m_bStopRequested)
        loop.exec();
    m_bExecuting = executing;
    m_pWaitLoop = nullptr;
    qApp->removeEventFilter(&next);
}

void CScriptRunner::StartPage(const QStringList &words)
{
    CStartPage *page = m_app->MainFrame()->StartPage();
    if (words.size() == 3 && words[1] == QLatin1String("folder")) {
        const QString folder = m_mode == Mode::Lesson ? QDir(m_strFolder).filePath(words[2]) : words[2];
        if (!QFileInfo(folder).isDir())
            Fail(QStringLiteral("cannot list '%1': it is not a folder").arg(words[2]), 1);
        page->SetFolder(folder);
        return;
    }
    if (words.size() == 3 && words[1] == QLatin1String("open")) {
        if (page->Lessons().isEmpty())
            Fail(QStringLiteral("the start page lists no lessons: none is installed and no folder is chosen"), 1);
        const QString path = page->Lessons()[Number(words[2], 1, int(page->Lessons().size()), QStringLiteral("a lesson's number")) - 1].path;
        page->hide();
        m_app->OnFileNew();
        RunIncluded(path);
        return;
    }
    m_app->MainFrame()->ShowStartPage(OnOrOff(words));
}

// A lesson's statements run as if they stood in place of the one that
// named it; an error in them names the lesson's line.
void CScriptRunner::RunIncluded(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("%1: cannot read the lesson: %2").arg(path, file.errorString()), 1);
    const QString folder = std::exchange(m_strFolder, QFileInfo(path).absolutePath());
    const bool deferWaits = m_bDeferWaits;
    const int line = m_nLine;
    const int status = Run(path, &file);
    m_strFolder = folder;
    m_bDeferWaits = deferWaits;
    m_nLine = line;
    m_bExecuting = true;
    if (m_bEnded)
        throw Failure{0, QString()};
    if (status != 0)
        Fail(m_error, status);
}

// A choice of a table named in a statement, made as its item in the menu.
void CScriptRunner::ChooseItem(const QStringList &words, const int *command, const QString &choices)
{
    Expect(words, 2);
    if (!command)
        Fail(QStringLiteral("'%1' takes %2, not '%3'").arg(words[0], choices, words[1]));
    m_app->MainFrame()->RouteCommand(*command);
}

void CScriptRunner::LanguageNamed(const QStringList &words)
{
    const Language *language = words.size() == 2 ? FindLanguage(words[1]) : nullptr;
    ChooseItem(words, language ? &language->command : nullptr, LanguageCodes());
}

void CScriptRunner::PaletteNamed(const QStringList &words)
{
    const Palette *palette = words.size() == 2 ? FindPalette(words[1]) : nullptr;
    ChooseItem(words, palette ? &palette->command : nullptr, PaletteNames());
}

// As the menu item does; on waits until a voice is found or given up.
void CScriptRunner::Speak(const QStringList &words)
{
    const bool on = OnOrOff(words);
    CSpeaker *speaker = m_app->MainFrame()->Speaker();
    if (on != speaker->On())
        m_app->MainFrame()->RouteCommand(ID_VIEW_SPEAK);
    while (speaker->Opening())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (on && !speaker->On())
        std::fprintf(stderr, "speak: no voice to speak with (or the speech service did not answer); speaking stays off\n");
}

void CScriptRunner::Seek(const QStringList &words)
{
    Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    if (!view->Run())
        Fail(QStringLiteral("'seek': the active view has no run to seek in"));
    const int64_t steps = view->RunStepCount();
    view->SeekRun(WholeNumber(words[1], 0, steps, QStringLiteral("the step")));
}

void CScriptRunner::TextSize(const QStringList &words)
{
    Expect(words, 2);
    m_app->MainFrame()->SetTextSize(
        Number(words[1], CMainFrame::kSmallestText, CMainFrame::kLargestText, QStringLiteral("the text size")));
}

void CScriptRunner::Indices(const QStringList &words)
{
    m_app->MainFrame()->SetShowIndices(OnOrOff(words));
}

void CScriptRunner::MergePanel(const QStringList &words)
{
    m_app->MainFrame()->RecordPanel()->setVisible(OnOrOff(words));
}

void CScriptRunner::Goto(const QStringList &words)
{
    Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    const int index = Number(words[1], 1, INT32_MAX, QStringLiteral("the node index"));
    if (!view->SelectNode(index, true))
        Fail(QStringLiteral("the tree has no node %1: its nodes are 1 to %2").arg(index).arg(view->m_nNodeCount));
}

// "fit", or "fit follow on|off".
void CScriptRunner::Fit(const QStringList &words)
{
    CZarniView *view = ActiveView(words[0]);
    if (words.size() == 1)
        return view->OnViewFit();
    Expect(words, 3);
    if (words[1] != "follow" || (words[2] != "on" && words[2] != "off"))
        Fail(QStringLiteral("'fit' expects: fit [follow on|off]"));
    view->SetFitFollow(words[2] == "on");
}

void CScriptRunner::Canvas(const QStringList &words)
{
    Expect(words, 3);
    CZarniView *view = ActiveView(words[0]);
    const int width = Number(words[1], 1, CZarniView::kMaxCanvasSide, QStringLiteral("the canvas width"));
    const int height = Number(words[2], 1, CZarniView::kMaxCanvasSide, QStringLiteral("the canvas height"));
    view->SetCanvasSize(width, height);
}

// As if the path had been chosen in the open dialog.
void CScriptRunner::Open(const QStringList &words)
{
    Expect(words, 2);
    QString error;
    if (!m_app->OpenDocumentFile(InputPath(words[1], words[0]), &error))
        Fail(QStringLiteral("cannot open '%1': %2").arg(words[1], error), 1);
}

// As if the path had been chosen in the save-as dialog.
void CScriptRunner::Save(const QStringList &words)
{
    Expect(words, 2);
    ActiveView(words[0]);
    SaveDocument(m_app->MainFrame()->ActiveChild()->GetDocument(), words[1]);
}

void CScriptRunner::SaveDocument(CDocument *doc, const QString &path)
{
    if (HoldsForeignContent(path))
        Fail(QStringLiteral("'%1' is not a Zarni document: saving would erase its content, so it is left as it is").arg(path), 1);
    QString error;
    if (!doc->OnSaveDocument(path, &error))
        Fail(QStringLiteral("cannot save '%1': %2").arg(path, error), 1);
}

// "repeat N repeat M STATEMENT" runs STATEMENT N times M times; the line is
// taken apart once, however deep it nests.
void CScriptRunner::Repeat(const QStringList &words)
{
    std::vector<int> counts;
    int at = 0;
    while (at < words.size() && words[at] == "repeat") {
        if (words.size() < at + 3)
            Fail(QStringLiteral("'repeat' expects: repeat N STATEMENT"));
        if (int(counts.size()) == kMaxRepeatNesting)
            Fail(QStringLiteral("repeat statements nest at most %1 deep").arg(kMaxRepeatNesting));
        counts.push_back(Number(words[at + 1], 0, 1000000, QStringLiteral("the count")));
        at += 2;
    }
    RunRepeated(counts, 0, words.mid(at));
}

void CScriptRunner::RunRepeated(const std::vector<int> &counts, size_t level, const QStringList &statement)
{
    if (level == counts.size()) {
        Execute(statement);
        AfterStatement();
        return;
    }
    for (int i = 0; i < counts[level]; ++i)
        RunRepeated(counts, level + 1, statement);
}

void CScriptRunner::Command(int id, const QString &name)
{
    CMainFrame *frame = m_app->MainFrame();
    frame->UpdateCommandUI();
    if (!frame->IsCommandEnabled(id))
        Fail(QStringLiteral("%1 is disabled now").arg(name));
    const QString refusal = Refusal(id, name);
    if (!refusal.isEmpty())
        Fail(refusal);
    if (m_app->IsBatch() && id == ID_FILE_SAVE) {
        CDocument *doc = frame->ActiveChild()->GetDocument();
        SaveDocument(doc, doc->GetPathName());
        return;
    }
    CZarniView *view = frame->GetActiveView();
    // With no wait between the steps there is nothing to watch: the run
    // goes straight to the end it would reach.
    if (id == ID_WINNER_GO && view && view->StepWait() == 0 && !view->Practising())
        id = ID_WINNER_END;
    frame->RouteCommand(id);
    Wait(view);
}

// A run just started plays to its end (or the step it was asked to stop
// after) before the next statement: at once without a wait between steps,
// else as the user would see it.
void CScriptRunner::RunToEnd(CZarniView *view)
{
    if (view->StepWait() == 0 && view->IsPlaying() && !view->Practising())
        view->SeekRun(m_nPlayTarget >= 0 ? m_nPlayTarget : view->RunStepCount());
    Wait(view);
}

void CScriptRunner::SendMouse(const QString &verb, QEvent::Type type, int x, int y)
{
    QWidget *target = ActiveView(verb)->viewport();
    const QPointF local(x, y);
    if (type == QEvent::MouseButtonPress)
        m_buttonDown = true;
    else if (type == QEvent::MouseButtonRelease)
        m_buttonDown = false;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), button, m_buttonDown ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// "wheel DX DY [ctrl|shift] [X Y]": a turn of the wheel (eighths of a
// degree) at a client point, the centre unless given.
void CScriptRunner::Wheel(const QStringList &words)
{
    const QString usage = QStringLiteral("wheel DX DY [ctrl|shift] [X Y]");
    if (words.size() < 3 || words.size() > 6)
        Expect(words, 3);
    QWidget *target = ActiveView(words[0])->viewport();
    const QPoint angle(Number(words[1], -100000, 100000, QStringLiteral("DX")),
                       Number(words[2], -100000, 100000, QStringLiteral("DY")));
    QStringList rest = words.mid(3);
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (!rest.isEmpty() && (rest[0] == "ctrl" || rest[0] == "shift"))
        modifiers = rest.takeFirst() == "ctrl" ? Qt::ControlModifier : Qt::ShiftModifier;
    if (rest.size() != 0 && rest.size() != 2)
        Expect(words, 3);
    const QPointF at = rest.isEmpty() ? QPointF(target->rect().center())
                                      : QPointF(Number(rest[0], -100000, 100000, QStringLiteral("X")),
                                                Number(rest[1], -100000, 100000, QStringLiteral("Y")));
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// "key SEQUENCE": the keys pressed and released as the window system gives
// them, so that shortcuts answer as they do to the user.
void CScriptRunner::Key(const QStringList &words)
{
    Expect(words, 2);
    const QKeySequence sequence = QKeySequence::fromString(words[1], QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        Fail(QStringLiteral("'%1' is not a key sequence").arg(words[1]));
    CZarniView *view = ActiveView(words[0]);
    // Shortcuts answer only in the active window, which a window just
    // shown is not yet until its events have run.
    if (QApplication::activeWindow() != view->window()) {
        view->window()->activateWindow();
        ProcessEvents();
    }
    view->setFocus();
    QWindow *window = view->window()->windowHandle();
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination key = sequence[i];
        const QString text = key.key() < 0x80 && !(key.keyboardModifiers() & Qt::ControlModifier)
                                 ? QString(QChar(key.key())).toLower() : QString();
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                window, type, key.key(), key.keyboardModifiers(), text);
    }
}

// What the File menu's "save as script" writes.
void CScriptRunner::SaveScript(const QStringList &words)
{
    Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    const LessonScript lesson = WriteLessonScript(view, m_app->MainFrame());
    switch (lesson.error) {
    case LessonScript::Error::None: break;
    case LessonScript::Error::TooManyValues:
        Fail(QStringLiteral("the tree's values do not fit in a script of %1 bytes").arg(kMaxScriptBytes), 1);
    }
    WriteOutput(words[1], lesson.text.toUtf8());
}

// The whole text of a file a statement reads ("-": standard input).
std::string CScriptRunner::ReadInputFile(const QString &word, const QString &verb)
{
    const QString path = InputPath(word, verb);
    if (path == "-" && m_bScriptOnStandardInput)
        Fail(QStringLiteral("'%1 -' cannot read from standard input: the script comes from there").arg(verb));
    QFile file;
    if (!OpenInput(&file, path))
        Fail(QStringLiteral("cannot read '%1': %2").arg(word, EnglishReason(errno)), 1);
    std::string text;
    QString error;
    if (!CNumbersDlg::ReadText(&file, &text, &error))
        Fail(QStringLiteral("cannot read '%1': %2").arg(word, error), 1);
    return text;
}

// "export-run PATH [SCALE [FROM TO]]": the active view's run, a frame or
// page a step, each shown half a second divided by the speed.
void CScriptRunner::ExportRunFile(const QStringList &words)
{
    const QString usage = QStringLiteral("export-run PATH [SCALE [FROM TO]] (.gif, .mp4, .webm, .pdf, .html or .zip)");
    if (words.size() != 2 && words.size() != 3 && words.size() != 5)
        Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    if (!IsRunExportType(words[1]))
        Fail(DescribeRunExportFailure({RunExportFailure::UnknownType, {}}, words[1], true));
    RunExportOptions options;
    options.scale = words.size() >= 3 ? Number(words[2], 1, kMaxExportScale, QStringLiteral("the scale")) : 1;
    if (words.size() == 5) {
        options.from = Number(words[3], 0, INT32_MAX, QStringLiteral("FROM"));
        options.to = Number(words[4], 0, INT32_MAX, QStringLiteral("TO"));
    }
    options.msPerStep = int(500 / view->Speed());
    const RunExportResult result = ExportRun(view, words[1], options);
    if (!result)
        Fail(DescribeRunExportFailure(result, words[1], true), result.failure == RunExportFailure::Write ? 1 : 2);
}

void CScriptRunner::Practice(const QStringList &words)
{
    Expect(words, 2);
    if (words[1] != "on" && words[1] != "off")
        Fail(QStringLiteral("'practice' takes on or off, not '%1'").arg(words[1]));
    m_app->MainFrame()->SetPractice(words[1] == "on");
}

// The answer to the question asked; the run plays on to the next question
// or its end, whether the answer was right or not.
void CScriptRunner::AnswerQuestion(const QStringList &words)
{
    Expect(words, 2);
    CZarniView *view = ActiveView(words[0]);
    const PracticeQuestion *question = view->Question();
    const int64_t choice = Number(words[1], 0, INT32_MAX, QStringLiteral("the answer"));
    QStringList choices;
    if (question)
        for (const int64_t c : question->choices)
            choices << QString::number(c);
    switch (view->Answer(choice)) {
    case TreeModel::AnswerResult::NoQuestion: Fail(QStringLiteral("'answer %1': no question is being asked").arg(words[1]));
    case TreeModel::AnswerResult::NotAChoice:
        Fail(QStringLiteral("'answer %1': the choices are %2").arg(words[1], choices.join(QStringLiteral(", "))));
    case TreeModel::AnswerResult::Wrong: // plays on, unless the answer was the run's last
        if (view->GetRunState() == CZarniView::RunState::Paused)
            view->PlayOn();
        break;
    case TreeModel::AnswerResult::Right: break;
    }
    Wait(view);
}

