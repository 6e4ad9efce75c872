#include "Document.h"

#include "App.h"
#include "FileWrite.h"
#include "StandardIds.h"
#include <QMainWindow>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QDir>
#include <QMessageBox>

CDocument::CDocument()
{
    OnCommand(ID_FILE_SAVE, [this] { DoSave(m_strPathName.isEmpty()); });
    OnCommand(ID_FILE_SAVE_AS, [this] { DoSave(true); });
    OnCommand(ID_FILE_CLOSE, [this] {
        if (m_onClose)
            m_onClose();
    });
}

void CDocument::SetPathName(const QString &path)
{
    m_strPathName = QFileInfo(path).absoluteFilePath();
    m_strTitle = QFileInfo(path).fileName();
    if (m_onTitleChanged)
        m_onTitleChanged();
}

bool CDocument::OnOpenDocument(const QString &path, QString *error)
{
    // A FIFO or a device would block the program or never end.
    if (IsSpecialFile(path)) {
        *error = tr("這不是一般的檔案（例如管道或裝置），無法開啟。");
        return false;
    }
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        *error = QFileInfo(path).isDir() ? tr("這是一個資料夾，不是檔案。") : file.errorString();
        return false;
    }
    Serialize(false);
    SetPathName(path);
    if (m_onFileUsed)
        m_onFileUsed(m_strPathName);
    return true;
}

bool CDocument::OnSaveDocument(const QString &path, QString *error)
{
    // Written whole or not at all: a failed save leaves the old file alone.
    Serialize(true);
    if (!WriteWholeFile(path, QByteArray(), error))
        return false;
    SetPathName(path);
    if (m_onFileUsed)
        m_onFileUsed(m_strPathName);
    return true;
}

bool CDocument::DoSave(bool askName)
{
    QString path = m_strPathName;
    if (askName) {
        path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), m_strTitle);
        if (path.isEmpty())
            return false;
    }
    if (HoldsForeignContent(path) && !ConfirmErasing(path))
        return false;
    QString error;
    if (OnSaveDocument(path, &error))
        return true;
    AfxMessageBox(tr("無法儲存檔案 %1：\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

// The document writes no content, so saving over a file that holds some
// would erase it: the user decides, and No is the default.
bool CDocument::ConfirmErasing(const QString &path)
{
    if (CWinApp::Get() && CWinApp::Get()->IsBatch()) {
        AfxMessageBox(tr("%1 不是 Zarni 文件，儲存會清除它的內容；沒有儲存。").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const int answer = AfxWarningBox(
        tr("檔案 %1 不是 Zarni 文件，儲存會清除它的內容。\n仍要儲存嗎？").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}
