#include "Document.h"

#include "App.h"
#include "res/Resource.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QDir>
#include <QMessageBox>
#include <QSaveFile>

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
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        *error = QFileInfo(path).isDir() ? QApplication::tr("這是一個資料夾，不是檔案。") : file.errorString();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    Serialize(true);
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
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
    QString error;
    if (OnSaveDocument(path, &error))
        return true;
    AfxMessageBox(QApplication::tr("無法儲存檔案 %1：\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}
