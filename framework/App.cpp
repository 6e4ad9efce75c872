#include "App.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <cstdio>

CWinApp *CWinApp::s_pApp = nullptr;

CWinApp::CWinApp()
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

QMainWindow *AfxGetMainWnd()
{
    return CWinApp::Get() ? CWinApp::Get()->m_pMainWnd : nullptr;
}

void AfxMessageBox(const QString &text)
{
    if (CWinApp::Get() && CWinApp::Get()->IsBatch()) {
        std::fprintf(stderr, "zarni: %s\n", qPrintable(QString(text).replace('\n', ' ')));
        return;
    }
    QMessageBox::warning(QApplication::activeWindow() ? QApplication::activeWindow() : AfxGetMainWnd(),
                         QStringLiteral("Zarni"), text);
}
