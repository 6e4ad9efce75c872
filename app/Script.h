#pragma once
// Scripted runs: statements that act as a user would through the toolbar,
// the menus and the mouse, one a line, with events processed after each.

#include <QString>
#include <QStringList>

class CZarniApp;
class CZarniView;

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
    void Execute(const QStringList &words);
    void Command(int id, const QString &name);
    void Mouse(const QString &verb, int x, int y);
    void Resize(int width, int height);
    void Snapshot(const QString &path);
    CZarniView *ActiveView(const QString &verb);
    static void ProcessEvents();

    CZarniApp *m_app;
    QString m_error;
    bool m_buttonDown = false;
};
