#include "App.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <utility>

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

void CWinApp::ReportBatchFailure(const QString &text)
{
    if (m_strBatchFailure.isEmpty())
        m_strBatchFailure = QString(text).replace('\n', ' ');
}

QString CWinApp::TakeBatchFailure()
{
    return std::exchange(m_strBatchFailure, QString());
}

void AfxMessageBox(const QString &text)
{
    if (CWinApp::Get() && CWinApp::Get()->IsBatch()) {
        CWinApp::Get()->ReportBatchFailure(text);
        return;
    }
    QMessageBox::warning(QApplication::activeWindow() ? QApplication::activeWindow() : AfxGetMainWnd(),
                         QStringLiteral("Zarni"), text);
}
