#pragma once
// Runs the real program as a user's script would, in a temporary directory
// of the test's own (its settings there too).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int status; // -1 when the program crashed or did not finish
    QString out;
    QString err;
};

// Without the variables named in unset (DISPLAY, say).
inline Run RunZarni(const QString &home, const QStringList &arguments, const QByteArray &input = {},
                    int timeoutMs = 300000, const QStringList &unset = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QDir(home).filePath("config"));
    for (const QString &name : unset)
        env.remove(name);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZARNI_BINARY), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        qWarning("zarni did not finish");
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

inline void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

// Runs the script text from a file in home, headless.
inline Run RunScript(const QString &home, const QString &text, const QStringList &extra = {}, int timeoutMs = 300000)
{
    const QString path = QDir(home).filePath("script.zs");
    WriteText(path, text.toUtf8());
    return RunZarni(home, QStringList{"--headless", "--script", path} + extra, {}, timeoutMs);
}
