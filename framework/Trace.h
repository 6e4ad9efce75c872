#pragma once
// Diagnostic trace with printf-style formatting, written to Qt's debug log.

void Trace(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
