#pragma once
// The application object's framework part: the one main window, reachable
// from anywhere, and the printer settings shared by all views.

#include "CmdTarget.h"

#include <QPrinter>

class QMainWindow;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    static CWinApp *Get() { return s_pApp; }

    QMainWindow *m_pMainWnd = nullptr;
    QPrinter &Printer() { return m_printer; }

private:
    static CWinApp *s_pApp;
    QPrinter m_printer;
};

QMainWindow *AfxGetMainWnd();
