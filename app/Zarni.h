#pragma once
// The application: start-up, the one document type (CZarniDoc shown in
// CChildFrame holding CZarniView panes), new and opened documents, the
// recently used files and the about box.

#include "framework/App.h"

#include <QCoreApplication>
#include <QSize>
#include <QStringList>
#include <memory>
#include <vector>

class CChildFrame;
class CDocument;
class CMainFrame;
class CScriptRunner;
class CZarniDoc;
class CZarniView;
class QTranslator;

class CZarniApp : public CWinApp {
    Q_DECLARE_TR_FUNCTIONS(CZarniApp)

public:
    CZarniApp();
    ~CZarniApp() override;
    static CZarniApp *Get() { return dynamic_cast<CZarniApp *>(CWinApp::Get()); }

    // Start-up with the command-line arguments after the program name.
    bool InitInstance(const QStringList &arguments);

    CZarniDoc *OnFileNew();
    void OnFileOpen();
    // Opens path in a new document window, or brings forward the window of
    // the document already open on it. On failure tells the user why, or
    // with error given, leaves the reason there.
    CZarniDoc *OpenDocumentFile(const QString &path, QString *error = nullptr);
    CChildFrame *CreateNewFrame(CDocument *doc);
    QList<CChildFrame *> FramesOf(const CDocument *doc) const;

    enum { kRecentFileCount = 4 };
    const QStringList &RecentFiles() const { return m_recentFiles; }
    void AddToRecentFileList(const QString &path);

    // The wait between a run's steps for new views.
    void SetStepDelay(int ms) { m_nStepDelayMs = ms; }
    // The main window's size before the first document opens; given, it
    // decides over the size the user left the window at.
    void SetInitialSize(QSize size)
    {
        m_initialSize = size;
        m_bSizeGiven = true;
    }

    CMainFrame *MainFrame() const { return m_pMainFrame.get(); }

    // Runs a lesson in the window as it stands (the file argument, the File
    // menu, a drop): it writes nothing and keeps nothing in the settings;
    // an error is shown over the window, which stays.
    void RunLesson(const QString &path);
    // A lesson chosen on the start page: run in a window of its own.
    void OpenLesson(const QString &path);
    // The start page over a plain start, unless the user turned it off.
    void ShowStartPageAtStart();
    // The script now running in the program, told by the runner itself.
    void SetRunningScript(CScriptRunner *runner);
    // Whether a lesson's statement is acting now; while the lesson waits,
    // what happens is the user's doing.
    bool IsLessonActing() const;
    // Whether what the user does now may be kept for the next start.
    bool SettingsWritable() const;

    // The language of the texts, a code of the table (res/Languages):
    // "zh_TW" the default. Before start-up it overrides the one kept in the
    // settings.
    static constexpr const char *kChinese = "zh_TW";
    static bool IsLanguage(const QString &language);
    void SetLanguage(const QString &language);
    const QString &Language() const { return m_language; }

private:
    void LoadStdProfileSettings();
    // The user's choice from the menu, kept in the settings.
    void ChooseLanguage(const QString &language);
    void OnFileRunScript();
    void OnFileSaveScript();
    CZarniDoc *FindOpenDocument(const QString &path) const;
    // Shows the list in the File menu and keeps it in the settings.
    void RecentFilesChanged();
    CZarniView *CreateView(CZarniDoc *doc);
    CZarniDoc *NewDocument();
    void OnFrameClosed(CDocument *doc);
    void UpdateFrameTitles(const CDocument *doc);
    void OnAppAbout();
    void OnFileExport();
    void OnFileExportRun();

    std::unique_ptr<QTranslator> m_toolkitTranslator;
    std::unique_ptr<QTranslator> m_ownTranslator;
    QString m_language;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::vector<std::unique_ptr<CZarniDoc>> m_documents;
    QStringList m_recentFiles;
    bool m_bSettingsUsable = true; // false when the settings file is no regular file
    int m_nUntitledCount = 0;
    CScriptRunner *m_pScript = nullptr;
    int m_nStepDelayMs = 500;
    QSize m_initialSize{800, 600};
    bool m_bSizeGiven = false;
};
