#include "App.h"

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
