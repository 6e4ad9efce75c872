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
    // A batch run shows no dialogs: messages go to standard error.
    bool IsBatch() const { return m_bBatch; }
    void SetBatch(bool batch) { m_bBatch = batch; }

private:
    static CWinApp *s_pApp;
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_bBatch = false;
};

QMainWindow *AfxGetMainWnd();
// Tells the user something went wrong: a warning box, or in a batch run a
// line on standard error.
void AfxMessageBox(const QString &text);
