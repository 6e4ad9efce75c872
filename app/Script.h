#pragma once
// Scripted runs: statements that act as a user would through the toolbar,
// the menus and the mouse, one a line, with events processed after each.

#include "model/algorithms/Algorithm.h"
#include "view/ZarniView.h"

#include <QEvent>
#include <QImage>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CZarniApp;

class CDocument;
class CSplitterWnd;
class QIODevice;
class QEventLoop;

// Every statement, the program's own and the algorithms', in the order
// --help lists them; one by its word; the lines of --help.
const std::vector<StatementEntry> &ScriptStatements();
const StatementEntry *FindStatement(const QString &word);
QString StatementHelp();

class CScriptRunner : public StatementHost {
public:
    // A batch run (--script, --headless) is the user's own command: it
    // writes where it is told and reads paths from the working directory.
    // A lesson (a .zs opened in the window) is a document: it writes
    // nothing, reads only regular files beside itself, and can be stopped.
    enum class Mode { Batch, Lesson };
    explicit CScriptRunner(CZarniApp *app, Mode mode = Mode::Batch);
    ~CScriptRunner() override;
    CScriptRunner(const CScriptRunner &) = delete;
    CScriptRunner &operator=(const CScriptRunner &) = delete;

    // Longest line and longest script read; longer input is refused.
    static constexpr qint64 kMaxLineBytes = kMaxStatementBytes;
    static constexpr qint64 kMaxScriptBytes = ::kMaxScriptBytes;
    // How deeply repeat statements may nest.
    static constexpr int kMaxRepeatNesting = 16;

    // Runs the statements of the script at path ("-" for standard input)
    // as they are read. Returns the exit status: 0 when all ran (or the
    // program was told to end), 1 when a file could not be read or written,
    // 2 for a bad statement. The one line that says what went wrong is in
    // Error().
    int RunFile(const QString &path);
    const QString &Error() const { return m_error; }
    // Whether a statement ended the program.
    bool Ended() const { return m_bEnded; }
    // Ends the run before its next statement, or in the wait it is in.
    void RequestStop();
    bool Stopped() const { return m_bStopped; }
    bool IsLesson() const { return m_mode == Mode::Lesson; }
    // Whether one of the script's statements is running now (not a wait).
    bool InStatement() const { return m_bExecuting; }
    // Why path cannot be read as a regular file, in the script's words
    // (English, whatever the locale); empty when it can.
    static QString UnreadableReason(const QString &path);
    // What an algorithm's statement asks of the runner.
    TreeModel &Model() override;
    [[noreturn]] void Fail(const std::string &line, int status = 2) override;
    [[noreturn]] void Refuse(const Message &problem, const std::string &where = std::string()) override;
    void Expect(const std::vector<std::string> &words, std::size_t count) override;
    int64_t Number(const std::string &word, int64_t low, int64_t high, const std::string &what) override;
    std::string ReadInput(const std::string &path, const std::string &verb) override;
    void Note(const Message &text) override;
    void Start(const Outcome &outcome) override;
    void RunToEnd() override;
    void Wait() override;
    int Random(int low, int high) override;

    // The program's own statements.
    void Zoom(const QStringList &words);
    void Nodes(const QStringList &words);
    void Speed(const QStringList &words);
    void TextSize(const QStringList &words);
    void Indices(const QStringList &words);
    void Mouse(const QStringList &words);
    void Scroll(const QStringList &words);
    void Resize(const QStringList &words);
    void Split(const QStringList &words);
    void Pane(const QStringList &words);
    void Window(const QStringList &words);
    void State(const QStringList &words);
    void Export(const QStringList &words);
    void Snapshot(const QStringList &words);
    void Shot(const QStringList &words);
    void Wheel(const QStringList &words);
    void Key(const QStringList &words);
    void SaveScript(const QStringList &words);
    void Array(const QStringList &words);
    void Present(const QStringList &words);
    void Say(const QStringList &words);
    void WaitForPresenter(const QStringList &words);
    void StartPage(const QStringList &words);
    void ChooseItem(const QStringList &words, const int *command, const QString &choices);
    void LanguageNamed(const QStringList &words);
    void PaletteNamed(const QStringList &words);
    void Speak(const QStringList &words);
    void Goto(const QStringList &words);
    void Fit(const QStringList &words);
    void Canvas(const QStringList &words);
    void MergePanel(const QStringList &words);
    void Code(const QStringList &words);
    void Seek(const QStringList &words);
    void Practice(const QStringList &words);
    void ExportRunFile(const QStringList &words);
    void AnswerQuestion(const QStringList &words);
    void Open(const QStringList &words);
    void Save(const QStringList &words);
    void Repeat(const QStringList &words);

private:
    [[noreturn]] static void Fail(const QString &message, int status = 2);
    void Expect(const QStringList &words, int count);
    bool OnOrOff(const QStringList &words);
    static int Number(const QString &word, int low, int high, const QString &what);
    int Run(const QString &source, QIODevice *input);
    void Execute(const QStringList &words);
    void AfterStatement();
    void Command(int id, const QString &name);
    bool AllowCommand(int id);
    QString Refusal(int id, const QString &name) const;
    QString InputPath(const QString &path, const QString &verb) const;
    void Wait(CZarniView *view);
    void WaitNow(CZarniView *view);
    void SettleWait(const QStringList &next);
    void CheckInterruptions();
    void WatchWindow();
    void WritePng(const QString &path, const QImage &image);
    std::string ReadInputFile(const QString &word, const QString &verb);
    void RunToEnd(CZarniView *view);
    void RunIncluded(const QString &path);
    void RunRepeated(const std::vector<int> &counts, size_t level, const QStringList &statement);
    void SaveDocument(CDocument *doc, const QString &path);
    void SendMouse(const QString &verb, QEvent::Type type, int x, int y);
    CZarniView *ActiveView(const QString &verb);
    CSplitterWnd *ActiveSplitter(const QString &verb);
    static void ProcessEvents();

    CZarniApp *m_app;
    QString m_error;
    bool m_buttonDown = false;
    bool m_bEnded = false;
    bool m_bScriptOnStandardInput = false;
    Mode m_mode;
    QString m_strFolder; // a lesson's own folder: where its paths start
    QString m_strRefusal; // a command the guard refused during a statement
    bool m_bStopRequested = false;
    bool m_bStopped = false;
    bool m_bExecuting = false; // a statement of the script is running now
    bool m_bWindowTaken = false; // the user closed the script's window
    QEventLoop *m_pWaitLoop = nullptr;
    // A run a statement started, still to be waited for before the next
    // statement, unless that one goes straight to a step of it.
    QPointer<CZarniView> m_pendingWait;
    bool m_bDeferWaits = false;
    const StatementEntry *m_pStatement = nullptr; // the statement running
    CZarniView *m_pStatementView = nullptr;
    int64_t m_nPlayTarget = -1; // the step a run just started plays to, -1: its end
    int m_nLine = 0;        // the line of the statement being run
    int m_nPendingLine = 0; // the line of the statement whose run is waited for
    class WindowWatch;
    std::unique_ptr<WindowWatch> m_pWindowWatch;
};
