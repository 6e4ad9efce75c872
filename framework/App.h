#pragma once
// The application object's framework part: the one main window, reachable
// from anywhere, and the printer settings shared by all views.

#include "CmdTarget.h"

#include <QPrinter>
#include <QString>

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
    // In a batch run a message is a failure: it is kept until the runner
    // takes it, and the run then ends with it.
    void ReportBatchFailure(const QString &text);
    QString TakeBatchFailure();

private:
    static CWinApp *s_pApp;
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_bBatch = false;
    QString m_strBatchFailure;
};

QMainWindow *AfxGetMainWnd();
// Tells the user something went wrong: a warning box, or in a batch run a
// failure for the batch to report.
void AfxMessageBox(const QString &text);
// A warning box over the active window with these buttons; returns the one
// pressed.
int AfxWarningBox(const QString &text, int buttons, int defaultButton);
