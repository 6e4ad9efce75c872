#pragma once
// The one way the program writes a file. A regular file (or a new one) is
// replaced whole or not at all; an existing device or FIFO is written
// through, never replaced; every write and the final commit are checked.

#include <QByteArray>
#include <QString>

// Writes data to path; on failure error holds the system's reason and no
// partial file is left behind.
bool WriteWholeFile(const QString &path, const QByteArray &data, QString *error);
// Writes data to the process's standard output, checking every byte.
bool WriteStandardOutput(const QByteArray &data, QString *error);
// Whether path is a regular file with content: a file this program did not
// write, since the files it writes are empty.
bool HoldsForeignContent(const QString &path);
// Whether opening path for reading could block or never end (a FIFO, a
// socket, a device): the program opens only regular files as documents.
bool IsSpecialFile(const QString &path);
