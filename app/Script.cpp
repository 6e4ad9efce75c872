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

void CScriptRunner::Execute(const QStringList &words)
{
    const QString &verb = words.first();
    const auto &names = CommandIdsByName();
    if (verb.startsWith("ID_")) {
        ExpectWords(words, 1, verb);
        if (!names.contains(verb))
            Fail(QStringLiteral("unknown command identifier '%1'").arg(verb));
        Command(names.value(verb), verb);
    } else if (verb[0].isDigit()) {
        ExpectWords(words, 1, QStringLiteral("a command value alone"));
        Command(Number(verb, 1, 0xFFFF, QStringLiteral("a command value")), verb);
    } else if (verb == "zoom") {
        ExpectWords(words, 2, QStringLiteral("zoom N (0 to 29)"));
        QComboBox *combo = m_app->MainFrame()->m_wndToolBar->m_wndZoomCombo;
        const int index = Number(words[1], 0, combo->count() - 1, QStringLiteral("the zoom item"));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (verb == "nodes") {
        ExpectWords(words, 2, QStringLiteral("nodes N"));
        ActiveView(verb)->SetNodeCount(Number(words[1], 1, 1 << 24, QStringLiteral("the node count")));
    } else if (verb == "press" || verb == "move" || verb == "release" || verb == "click") {
        ExpectWords(words, 3, verb + " X Y");
        const int x = Number(words[1], -100000, 100000, QStringLiteral("X"));
        const int y = Number(words[2], -100000, 100000, QStringLiteral("Y"));
        if (verb == "click") {
            Mouse("press", x, y);
            Mouse("release", x, y);
        } else {
            Mouse(verb, x, y);
        }
    } else if (verb == "scroll") {
        ExpectWords(words, 3, QStringLiteral("scroll H V"));
        CZarniView *view = ActiveView(verb);
        view->horizontalScrollBar()->setValue(Number(words[1], 0, INT_MAX, QStringLiteral("H")));
        view->verticalScrollBar()->setValue(Number(words[2], 0, INT_MAX, QStringLiteral("V")));
    } else if (verb == "resize") {
        ExpectWords(words, 3, QStringLiteral("resize W H"));
        Resize(Number(words[1], 50, 10000, QStringLiteral("W")), Number(words[2], 50, 10000, QStringLiteral("H")));
    } else if (verb == "split" || verb == "pane") {
        ExpectWords(words, 3, verb + " R C");
        const int low = verb == "split" ? 1 : 0;
        const int row = Number(words[1], low, low + 1, QStringLiteral("R"));
        const int col = Number(words[2], low, low + 1, QStringLiteral("C"));
        ActiveView(verb);
        CSplitterWnd *splitter = m_app->MainFrame()->ActiveChild()->GetSplitter();
        if (verb == "split") {
            splitter->SplitTo(row, col);
        } else {
            if (!splitter->GetPane(row, col) || row >= splitter->GetRowCount() || col >= splitter->GetColumnCount())
                Fail(QStringLiteral("there is no pane %1 %2").arg(row).arg(col));
            splitter->SetActivePane(splitter->GetPane(row, col));
        }
    } else if (verb == "window") {
        ExpectWords(words, 2, QStringLiteral("window K"));
        const QList<CChildFrame *> frames = m_app->MainFrame()->ChildFrames();
        if (frames.isEmpty())
            Fail(QStringLiteral("there is no document window"));
        const int k = Number(words[1], 0, int(frames.size()) - 1, QStringLiteral("the window"));
        m_app->MainFrame()->MdiArea()->setActiveSubWindow(frames[k]);
    } else if (verb == "state") {
        ExpectWords(words, 2, QStringLiteral("state PATH"));
        WriteFile(words[1], QJsonDocument(ProgramState(m_app->MainFrame())).toJson());
    } else if (verb == "export") {
        ExpectWords(words, 2, QStringLiteral("export PATH"));
        QString error;
        if (!ExportCanvas(ActiveView(verb), words[1], &error))
            Fail(QStringLiteral("cannot export '%1': %2").arg(words[1], error), 1);
    } else if (verb == "snapshot") {
        ExpectWords(words, 2, QStringLiteral("snapshot PATH"));
        Snapshot(words[1]);
    } else if (verb == "repeat") {
        if (words.size() < 3)
            Fail(QStringLiteral("'repeat' expects: repeat N STATEMENT"));
        const int times = Number(words[1], 0, 1000000, QStringLiteral("the count"));
        for (int i = 0; i < times; ++i) {
            Execute(words.mid(2));
            ProcessEvents();
        }
    } else {
        Fail(QStringLiteral("unknown statement '%1'").arg(verb));
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

void CScriptRunner::Mouse(const QString &verb, int x, int y)
{
    QWidget *target = ActiveView(verb)->viewport();
    const QPointF local(x, y);
    const QPointF global = target->mapToGlobal(local);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (verb == "press") {
        type = QEvent::MouseButtonPress;
        button = Qt::LeftButton;
        m_buttonDown = true;
    } else if (verb == "release") {
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        m_buttonDown = false;
    }
    const Qt::MouseButtons buttons = m_buttonDown ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Resizes the main window until the active view's client area has the size.
void CScriptRunner::Resize(int width, int height)
{
    QWidget *client = ActiveView(QStringLiteral("resize"))->viewport();
    CMainFrame *frame = m_app->MainFrame();
    for (int attempt = 0; attempt < 4 && client->size() != QSize(width, height); ++attempt) {
        frame->resize(frame->size() + QSize(width, height) - client->size());
        ProcessEvents();
    }
}

void CScriptRunner::Snapshot(const QString &path)
{
    const QImage image = ActiveView(QStringLiteral("snapshot"))->RetainedImage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        Fail(QStringLiteral("cannot write '%1': %2").arg(path, file.errorString()), 1);
}
