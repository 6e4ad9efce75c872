#pragma once
// A lesson kept as a script: the statements that rebuild one view as it
// stands, on a fresh start of the program.

#include <QString>

class CZarniView;

struct LessonScript {
    enum class Error { None, CanvasUnreachable, TooManyValues };
    QString text; // the script, when it could be written
    Error error = Error::None;
};

// zoomIndex is the item the zoom combo shows, preferred when the canvas can
// be reached from it.
LessonScript WriteLessonScript(const CZarniView *view, int zoomIndex);
