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
    AfxWarningBox(text, QMessageBox::Ok, QMessageBox::Ok);
}

int AfxWarningBox(const QString &text, int buttons, int defaultButton)
{
    // The interface face draws its underscore below the line it claims, where
    // a plain label cuts it off ("ID_FILE_CLOSE" read "ID FILE CLOSE"):
    // taller lines keep it.
    const QString shown = QStringLiteral("<p style=\"line-height:130%\">%1</p>")
                              .arg(text.toHtmlEscaped().replace('\n', QStringLiteral("<br>")));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zarni"), shown, QMessageBox::StandardButtons(buttons),
                    QApplication::activeWindow() ? QApplication::activeWindow() : AfxGetMainWnd());
    box.setTextFormat(Qt::RichText);
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    return box.exec();
}
