#include "FileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes everything to an open descriptor, as often as partial writes need.
bool WriteAll(int fd, const QByteArray &data, QString *error)
{
    const char *p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = SystemReason(written < 0 ? errno : ENOSPC);
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

bool Stat(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
}

bool WriteThrough(const QString &path, const QByteArray &data, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    const bool ok = WriteAll(file.handle(), data, error);
    file.close();
    return ok;
}

bool ReplaceAtomically(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // The temporary file gets the bytes through its descriptor, so that a
    // full disk is seen with its own reason at the write that meets it.
    if (!file.flush() || !WriteAll(file.handle(), data, error)) {
        if (error->isEmpty())
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        *error = SystemReason(errno);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool WriteWholeFile(const QString &path, const QByteArray &data, QString *error)
{
    error->clear();
    struct stat info;
    if (Stat(path, &info)) {
        if (S_ISDIR(info.st_mode)) {
            *error = SystemReason(EISDIR);
            return false;
        }
        if (!S_ISREG(info.st_mode))
            return WriteThrough(path, data, error);
    }
    return ReplaceAtomically(path, data, error);
}

bool WriteStandardOutput(const QByteArray &data, QString *error)
{
    error->clear();
    return WriteAll(STDOUT_FILENO, data, error);
}

bool HoldsForeignContent(const QString &path)
{
    struct stat info;
    return Stat(path, &info) && S_ISREG(info.st_mode) && info.st_size > 0;
}

bool IsSpecialFile(const QString &path)
{
    struct stat info;
    return Stat(path, &info) && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}
