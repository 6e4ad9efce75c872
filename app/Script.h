#pragma once
// Scripted runs: statements that act as a user would through the toolbar,
// the menus and the mouse, one a line, with events processed after each.

#include <QEvent>
#include <QHash>
#include <QString>
#include <QStringList>

class CZarniApp;
class CZarniView;
class CSplitterWnd;

class CScriptRunner {
public:
    explicit CScriptRunner(CZarniApp *app) : m_app(app) {}

    // Runs every statement of the script at path ("-" for standard input).
    // Returns the exit status: 0 when all ran, 1 when a file could not be
    // read or written, 2 for a bad statement. The one line that says what
    // went wrong is in Error().
    int RunFile(const QString &path);
    // Runs the given lines as if they came from the file named source.
    int Run(const QString &source, const QStringList &lines);
    const QString &Error() const { return m_error; }

private:
    static const QHash<QString, void (CScriptRunner::*)(const QStringList &)> &Statements();
    void Execute(const QStringList &words);
    void Command(int id, const QString &name);
    void Zoom(const QStringList &words);
    void Nodes(const QStringList &words);
    void Mouse(const QStringList &words);
    void Scroll(const QStringList &words);
    void Resize(const QStringList &words);
    void Split(const QStringList &words);
    void Pane(const QStringList &words);
    void Window(const QStringList &words);
    void State(const QStringList &words);
    void Export(const QStringList &words);
    void Snapshot(const QStringList &words);
    void Repeat(const QStringList &words);
    void SendMouse(QEvent::Type type, int x, int y);
    CZarniView *ActiveView(const QString &verb);
    CSplitterWnd *ActiveSplitter(const QString &verb);
    static void ProcessEvents();

    CZarniApp *m_app;
    QString m_error;
    bool m_buttonDown = false;
};
