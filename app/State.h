#pragma once
// The program's state as JSON: the status bar, the zoom combo box and every
// view of every document window with its tree.

#include <QByteArray>

class CMainFrame;

// The state's text; its size is a few times that of the text at most,
// whatever the size of the trees.
QByteArray ProgramStateJson(CMainFrame *frame);
