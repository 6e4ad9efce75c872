#include "Script.h"

#include "Export.h"
#include "State.h"
#include "Zarni.h"
#include "frames/ChildFrm.h"
#include "frames/MainFrm.h"
#include "res/CommandNames.h"
#include "view/ZarniView.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QMdiArea>
#include <QMouseEvent>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextStream>

namespace {

struct Failure {
    int status; // 1: a file could not be read or written; 2: a bad statement
    QString message;
};

[[noreturn]] void Fail(const QString &message, int status = 2)
{
    throw Failure{status, message};
}

int Number(const QString &word, int low, int high, const QString &what)
{
    bool ok = false;
    const int value = word.toInt(&ok, 0);
    if (!ok)
        Fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, word));
    if (value < low || value > high)
        Fail(QStringLiteral("%1 must be from %2 to %3, not %4").arg(what).arg(low).arg(high).arg(value));
    return value;
}

void ExpectWords(const QStringList &words, int count, const QString &usage)
{
    if (words.size() != count)
        Fail(QStringLiteral("'%1' expects: %2").arg(words.first(), usage));
}

void WriteFile(const QString &path, const QByteArray &data)
{
    if (path == "-") {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(data) != data.size())
            Fail(QStringLiteral("cannot write to standard output"), 1);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        Fail(QStringLiteral("cannot write '%1': %2").arg(path, file.errorString()), 1);
}

} // namespace

int CScriptRunner::RunFile(const QString &path)
{
    QFile file;
    const bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly) : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        m_error = QStringLiteral("%1: cannot read the script: %2").arg(path, file.errorString());
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    return Run(path, text.split('\n'));
}

int CScriptRunner::Run(const QString &source, const QStringList &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        try {
            Execute(line.split(QRegularExpression(QStringLiteral("\\s+"))));
            ProcessEvents();
        } catch (const Failure &failure) {
            m_error = QStringLiteral("%1:%2: %3").arg(source).arg(i + 1).arg(failure.message);
            return failure.status;
        }
    }
    return 0;
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

// The statements that start with a word of their own, by that word.
const QHash<QString, void (CScriptRunner::*)(const QStringList &)> &CScriptRunner::Statements()
{
    static const QHash<QString, void (CScriptRunner::*)(const QStringList &)> statements = {
        {"zoom", &CScriptRunner::Zoom},       {"nodes", &CScriptRunner::Nodes},
        {"press", &CScriptRunner::Mouse},     {"move", &CScriptRunner::Mouse},
        {"release", &CScriptRunner::Mouse},   {"click", &CScriptRunner::Mouse},
        {"scroll", &CScriptRunner::Scroll},   {"resize", &CScriptRunner::Resize},
        {"split", &CScriptRunner::Split},     {"pane", &CScriptRunner::Pane},
        {"window", &CScriptRunner::Window},   {"state", &CScriptRunner::State},
        {"export", &CScriptRunner::Export},   {"snapshot", &CScriptRunner::Snapshot},
        {"repeat", &CScriptRunner::Repeat},
    };
    return statements;
}

void CScriptRunner::Execute(const QStringList &words)
{
    const QString &verb = words.first();
    if (verb.startsWith("ID_")) {
        ExpectWords(words, 1, verb);
        const auto &names = CommandIdsByName();
        if (!names.contains(verb))
            Fail(QStringLiteral("unknown command identifier '%1'").arg(verb));
        Command(names.value(verb), verb);
    } else if (verb[0].isDigit()) {
        ExpectWords(words, 1, QStringLiteral("a command value alone"));
        Command(Number(verb, 1, 0xFFFF, QStringLiteral("a command value")), verb);
    } else if (const auto statement = Statements().value(verb)) {
        (this->*statement)(words);
    } else {
        Fail(QStringLiteral("unknown statement '%1'").arg(verb));
    }
}

void CScriptRunner::Zoom(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("zoom N (0 to 29)"));
    QComboBox *combo = m_app->MainFrame()->m_wndToolBar->m_wndZoomCombo;
    const int index = Number(words[1], 0, combo->count() - 1, QStringLiteral("the zoom item"));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void CScriptRunner::Nodes(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("nodes N"));
    ActiveView(words[0])->SetNodeCount(Number(words[1], 1, 1 << 24, QStringLiteral("the node count")));
}

void CScriptRunner::Mouse(const QStringList &words)
{
    ExpectWords(words, 3, words[0] + " X Y");
    const int x = Number(words[1], -100000, 100000, QStringLiteral("X"));
    const int y = Number(words[2], -100000, 100000, QStringLiteral("Y"));
    if (words[0] == "click") {
        SendMouse(QEvent::MouseButtonPress, x, y);
        SendMouse(QEvent::MouseButtonRelease, x, y);
    } else {
        SendMouse(words[0] == "press" ? QEvent::MouseButtonPress
                  : words[0] == "release" ? QEvent::MouseButtonRelease : QEvent::MouseMove, x, y);
    }
}

void CScriptRunner::Scroll(const QStringList &words)
{
    ExpectWords(words, 3, QStringLiteral("scroll H V"));
    CZarniView *view = ActiveView(words[0]);
    view->horizontalScrollBar()->setValue(Number(words[1], 0, INT_MAX, QStringLiteral("H")));
    view->verticalScrollBar()->setValue(Number(words[2], 0, INT_MAX, QStringLiteral("V")));
}

// Resizes the main window until the active view's client area has the size.
void CScriptRunner::Resize(const QStringList &words)
{
    ExpectWords(words, 3, QStringLiteral("resize W H"));
    const QSize wanted(Number(words[1], 50, 10000, QStringLiteral("W")), Number(words[2], 50, 10000, QStringLiteral("H")));
    QWidget *client = ActiveView(words[0])->viewport();
    CMainFrame *frame = m_app->MainFrame();
    for (int attempt = 0; attempt < 4 && client->size() != wanted; ++attempt) {
        frame->resize(frame->size() + wanted - client->size());
        ProcessEvents();
    }
}

CSplitterWnd *CScriptRunner::ActiveSplitter(const QString &verb)
{
    ActiveView(verb);
    return m_app->MainFrame()->ActiveChild()->GetSplitter();
}

void CScriptRunner::Split(const QStringList &words)
{
    ExpectWords(words, 3, QStringLiteral("split R C (1 or 2 each)"));
    const int rows = Number(words[1], 1, 2, QStringLiteral("R"));
    const int cols = Number(words[2], 1, 2, QStringLiteral("C"));
    ActiveSplitter(words[0])->SplitTo(rows, cols);
}

void CScriptRunner::Pane(const QStringList &words)
{
    ExpectWords(words, 3, QStringLiteral("pane R C (0 or 1 each)"));
    const int row = Number(words[1], 0, 1, QStringLiteral("R"));
    const int col = Number(words[2], 0, 1, QStringLiteral("C"));
    CSplitterWnd *splitter = ActiveSplitter(words[0]);
    if (row >= splitter->GetRowCount() || col >= splitter->GetColumnCount())
        Fail(QStringLiteral("there is no pane %1 %2").arg(row).arg(col));
    splitter->SetActivePane(splitter->GetPane(row, col));
}

void CScriptRunner::Window(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("window K"));
    const QList<CChildFrame *> frames = m_app->MainFrame()->ChildFrames();
    if (frames.isEmpty())
        Fail(QStringLiteral("there is no document window"));
    const int k = Number(words[1], 0, int(frames.size()) - 1, QStringLiteral("the window"));
    m_app->MainFrame()->MdiArea()->setActiveSubWindow(frames[k]);
}

void CScriptRunner::State(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("state PATH"));
    WriteFile(words[1], QJsonDocument(ProgramState(m_app->MainFrame())).toJson());
}

void CScriptRunner::Export(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("export PATH"));
    QString error;
    if (!ExportCanvas(ActiveView(words[0]), words[1], &error))
        Fail(QStringLiteral("cannot export '%1': %2").arg(words[1], error), 1);
}

void CScriptRunner::Snapshot(const QStringList &words)
{
    ExpectWords(words, 2, QStringLiteral("snapshot PATH"));
    const QImage image = ActiveView(words[0])->RetainedImage();
    QSaveFile file(words[1]);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        Fail(QStringLiteral("cannot write '%1': %2").arg(words[1], file.errorString()), 1);
}

void CScriptRunner::Repeat(const QStringList &words)
{
    if (words.size() < 3)
        Fail(QStringLiteral("'repeat' expects: repeat N STATEMENT"));
    const int times = Number(words[1], 0, 1000000, QStringLiteral("the count"));
    for (int i = 0; i < times; ++i) {
        Execute(words.mid(2));
        ProcessEvents();
    }
}

void CScriptRunner::Command(int id, const QString &name)
{
    CMainFrame *frame = m_app->MainFrame();
    frame->UpdateCommandUI();
    if (!frame->IsCommandEnabled(id))
        Fail(QStringLiteral("%1 is disabled now").arg(name));
    frame->RouteCommand(id);
}

void CScriptRunner::SendMouse(QEvent::Type type, int x, int y)
{
    QWidget *target = ActiveView(QStringLiteral("the mouse"))->viewport();
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
