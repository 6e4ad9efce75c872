#pragma once
// A lesson kept as a script: the statements that rebuild one view as it
// stands, on a fresh start of the program.

#include <QString>

class CMainFrame;
class CZarniView;

struct LessonScript {
    enum class Error { None, TooManyValues };
    QString text; // the script, when it could be written
    Error error = Error::None;
};

// The item the frame's zoom combo shows is preferred when the canvas can be
// reached from it; the frame's panels are shown or hidden as they are.
LessonScript WriteLessonScript(const CZarniView *view, CMainFrame *frame);
