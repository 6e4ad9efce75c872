#include "Trace.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdarg>

void Trace(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const QByteArray text = QByteArray(QString::vasprintf(format, args).toUtf8());
    va_end(args);
    qDebug("%s", text.trimmed().constData());
}
