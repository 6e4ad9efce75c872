#pragma once
// A document of the document/view structure: a title, a path, and the file
// commands. It knows its frames only by count, for their captions.

#include "CmdTarget.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class CDocument : public CCmdTarget {
    Q_DECLARE_TR_FUNCTIONS(CDocument)

public:
    CDocument();
    ~CDocument() override = default;

    const QString &GetTitle() const { return m_strTitle; }
    void SetTitle(const QString &title) { m_strTitle = title; }
    const QString &GetPathName() const { return m_strPathName; }
    void SetPathName(const QString &path);

    virtual bool OnNewDocument() { return true; }
    // Reads or writes the file at path; on failure error says why.
    bool OnOpenDocument(const QString &path, QString *error);
    bool OnSaveDocument(const QString &path, QString *error);
    // storing: writing the document's content; otherwise reading it.
    virtual void Serialize(bool storing) = 0;

    // Asks for a name and saves; false when cancelled or failed.
    bool DoSave(bool askName);
    // Asks before a save would erase a file's content; true to go on.
    static bool ConfirmErasing(const QString &path);

    // Called whenever the title or path changes, to refresh captions.
    std::function<void()> m_onTitleChanged;
    // Called by the close command, to close the document's windows.
    std::function<void()> m_onClose;
    // Called after a successful open or save with the file's path.
    std::function<void(const QString &)> m_onFileUsed;

private:
    QString m_strTitle;
    QString m_strPathName;
};
