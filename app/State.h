#pragma once
// The program's state as JSON: the status bar, the zoom combo box and every
// view of every document window with its tree.

#include <QJsonObject>

class CMainFrame;

QJsonObject ProgramState(CMainFrame *frame);
