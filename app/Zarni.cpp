#include "Zarni.h"

#include "AboutDlg.h"
#include "Export.h"
#include "RunExport.h"
#include "Lesson.h"
#include "Script.h"
#include "ZarniDoc.h"
#include "frames/ChildFrm.h"
#include "frames/ExportDlg.h"
#include "frames/MainFrm.h"
#include "frames/Presenter.h"
#include "frames/StartPage.h"
#include "frames/RecordPanel.h"
#include "frames/Speaker.h"
#include "framework/DrawSurface.h"
#include "framework/FileWrite.h"
#include "res/Images.h"
#include "framework/StandardIds.h"
#include "res/Languages.h"
#include "res/Resource.h"
#include "view/Palette.h"
#include "view/ZarniView.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QScreen>
#include <QTranslator>
#include <QStandardPaths>
#include <cstdio>
#include <QTimer>

namespace {

const char *const kRecentGroup = "Recent File List";
const char *const kSpeedKey = "Tournament/Speed";
// The panels of the View menu, by their items.
const std::pair<int, const char *> kPanelKeys[] = {{ID_VIEW_ARRAY, "View/ArrayPanel"}, {ID_VIEW_CODE, "View/CodePanel"}};
const char *const kLanguageKey = "View/Language";
const char *const kGeometryKey = "MainWindow/Geometry";
const char *const kTextSizeKey = "View/TextSize";
const char *const kIndicesKey = "View/Indices";
const char *const kPaletteKey = "View/Palette";
const char *const kSpeakKey = "View/Speak";
const char *const kWindowStateKey = "MainWindow/State";
const char *const kStartPageKey = "StartPage/AtStart";
const char *const kLessonFolderKey = "StartPage/Folder";

// The first start takes about three quarters of the screen, never less than
// the window the program was first drawn for nor more than the screen;
// true when that is larger than the window it had.
bool SizeForFirstStart(CMainFrame *frame)
{
    const QScreen *screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QRect available = screen->availableGeometry();
    const QSize size = (available.size() * 3 / 4).expandedTo(frame->size()).boundedTo(available.size());
    const bool larger = size.width() > frame->width() || size.height() > frame->height();
    frame->resize(size);
    frame->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    return larger;
}

// The first window of a first start shows the whole tree.
void FitFirstView(CMainFrame *frame)
{
    QApplication::processEvents(); // the window takes its size on the screen
    if (CZarniView *view = frame->GetActiveView())
        view->OnViewFit();
}

} // namespace

CZarniApp::CZarniApp()
{
    OnCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(ID_FILE_PRINT_SETUP, [this] {
        QPageSetupDialog dialog(&Printer(), MainFrame());
        dialog.exec();
    });
    OnCommand(ID_APP_EXIT, [this] { MainFrame()->close(); });
    OnCommand(ID_FILE_EXPORT, [this] { OnFileExport(); });
    OnUpdateCommand(ID_FILE_EXPORT, [this](CCmdUI *ui) { ui->Enable(MainFrame() && MainFrame()->GetActiveView()); });
    OnCommand(ID_FILE_EXPORT_RUN, [this] { OnFileExportRun(); });
    OnUpdateCommand(ID_FILE_EXPORT_RUN,
                    [this](CCmdUI *ui) { ui->Enable(MainFrame() && MainFrame()->GetActiveView() && MainFrame()->GetActiveView()->Run()); });
    for (int i = 0; i < kRecentFileCount; ++i) {
        OnCommand(ID_FILE_MRU_FILE1 + i, [this, i] {
            if (i >= m_recentFiles.size())
                return;
            const QString path = m_recentFiles[i];
            if (!OpenDocumentFile(path)) {
                m_recentFiles.removeAll(path);
                RecentFilesChanged();
            }
        });
        OnUpdateCommand(ID_FILE_MRU_FILE1 + i, [this, i](CCmdUI *ui) { ui->Enable(i < m_recentFiles.size()); });
    }
    OnCommand(ID_FILE_RUN_SCRIPT, [this] { OnFileRunScript(); });
    OnUpdateCommand(ID_FILE_RUN_SCRIPT, [this](CCmdUI *ui) { ui->Enable(!m_pScript); });
    // Esc stops a script, or else leaves present mode, as a slide show ends.
    OnCommand(ID_FILE_STOP_SCRIPT, [this] {
        if (m_pScript)
            m_pScript->RequestStop();
        else if (MainFrame() && MainFrame()->Presenter()->On())
            MainFrame()->Presenter()->SetOn(false);
    });
    OnUpdateCommand(ID_FILE_STOP_SCRIPT, [this](CCmdUI *ui) {
        ui->Enable(m_pScript != nullptr || (MainFrame() && MainFrame()->Presenter()->On()));
    });
    OnCommand(ID_FILE_SAVE_SCRIPT, [this] { OnFileSaveScript(); });
    OnUpdateCommand(ID_FILE_SAVE_SCRIPT, [this](CCmdUI *ui) { ui->Enable(MainFrame() && MainFrame()->GetActiveView()); });
    for (const ::Language &language : Languages()) {
        const QString code = QString::fromLatin1(language.code);
        OnCommand(language.command, [this, code] { ChooseLanguage(code); });
        OnUpdateCommand(language.command, [this, code](CCmdUI *ui) {
            ui->Enable();
            ui->SetCheck(m_language == code);
        });
    }
    OnCommand(ID_WINDOW_NEW, [this] {
        if (CChildFrame *child = MainFrame()->ActiveChild())
            CreateNewFrame(child->GetDocument());
    });
}

CZarniApp::~CZarniApp()
{
    m_pMainWnd = nullptr;
    m_pMainFrame.reset();
    m_documents.clear();
}

bool CZarniApp::InitInstance(const QStringList &arguments)
{
    // Settings live under the same key the first version used.
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Zarni"));
    LoadStdProfileSettings();
    if (m_language.isEmpty())
        m_language = m_bSettingsUsable && !IsBatch() ? QSettings().value(kLanguageKey, kChinese).toString() : kChinese;
    SetLanguage(IsLanguage(m_language) ? m_language : kChinese);
    QApplication::setFont(InterfaceFont());

    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->OnCreate();
    m_pMainWnd = m_pMainFrame.get();
    m_pMainFrame->resize(m_initialSize);
    m_pMainFrame->SetRecentFiles(m_recentFiles);
    bool fitFirstView = false;
    // The array panel is the user's choice and kept for the next time; a
    // batch run neither reads nor keeps it, so that scripts repeat.
    if (m_bSettingsUsable && !IsBatch()) {
        // The main window comes back as the user left it: size, place,
        // toolbars and the array panel.
        QSettings settings;
        const bool firstStart = !m_bSizeGiven && !settings.contains(kGeometryKey);
        if (firstStart)
            fitFirstView = SizeForFirstStart(m_pMainFrame.get());
        else if (!m_bSizeGiven)
            m_pMainFrame->restoreGeometry(settings.value(kGeometryKey).toByteArray());
        m_pMainFrame->restoreState(settings.value(kWindowStateKey).toByteArray());
        m_pMainFrame->RecordPanel()->hide(); // it comes with an algorithm's record
        for (const auto &[id, key] : kPanelKeys)
            m_pMainFrame->ShowPanel(id, settings.value(key, false).toBool());
        QObject::connect(m_pMainFrame.get(), &CMainFrame::PanelChosen, m_pMainFrame.get(), [this](int id, bool shown) {
            for (const auto &[panel, key] : kPanelKeys)
                if (panel == id && SettingsWritable())
                    QSettings().setValue(key, shown);
        });
        m_pMainFrame->SetTextSize(settings.value(kTextSizeKey, CMainFrame::DefaultTextSize()).toInt());
        m_pMainFrame->SetShowIndices(settings.value(kIndicesKey, false).toBool());
        if (const Palette *palette = FindPalette(settings.value(kPaletteKey).toString()))
            m_pMainFrame->SetPalette(*palette);
        QObject::connect(m_pMainFrame.get(), &CMainFrame::PaletteChosen, m_pMainFrame.get(), [this](const QString &name) {
            if (SettingsWritable())
                QSettings().setValue(kPaletteKey, name);
        });
        m_pMainFrame->Speaker()->SetOn(settings.value(kSpeakKey, false).toBool());
        QObject::connect(m_pMainFrame.get(), &CMainFrame::SpeakChosen, m_pMainFrame.get(), [this](bool on) {
            if (SettingsWritable())
                QSettings().setValue(kSpeakKey, on);
        });
        QObject::connect(m_pMainFrame.get(), &CMainFrame::TextSizeChosen, m_pMainFrame.get(), [this](int points) {
            if (SettingsWritable())
                QSettings().setValue(kTextSizeKey, points);
        });
        QObject::connect(m_pMainFrame.get(), &CMainFrame::IndicesChosen, m_pMainFrame.get(), [this](bool shown) {
            if (SettingsWritable())
                QSettings().setValue(kIndicesKey, shown);
        });
        CStartPage *start = m_pMainFrame->StartPage();
        start->SetShownAtStart(settings.value(kStartPageKey, true).toBool());
        start->SetFolder(settings.value(kLessonFolderKey).toString());
        QObject::connect(start, &CStartPage::ShownAtStartChosen, start, [this](bool shown) {
            if (SettingsWritable())
                QSettings().setValue(kStartPageKey, shown);
        });
        QObject::connect(start, &CStartPage::FolderChosen, start, [this](const QString &folder) {
            if (SettingsWritable())
                QSettings().setValue(kLessonFolderKey, folder);
        });
        QObject::connect(m_pMainFrame.get(), &CMainFrame::Closing, m_pMainFrame.get(), [this] {
            QSettings settings;
            settings.setValue(kGeometryKey, m_pMainFrame->saveGeometry());
            settings.setValue(kWindowStateKey, m_pMainFrame->saveState());
        });
    }
    QObject::connect(m_pMainFrame->StartPage(), &CStartPage::LessonChosen, m_pMainFrame.get(),
                     [this](const QString &path) { OpenLesson(path); });
    QObject::connect(m_pMainFrame.get(), &CMainFrame::ScriptDropped, m_pMainFrame.get(),
                     [this](const QString &path) { RunLesson(path); });

    if (arguments.isEmpty() ? !OnFileNew() : !OpenDocumentFile(arguments.first()))
        return false;
    m_pMainFrame->show();
    if (fitFirstView)
        FitFirstView(m_pMainFrame.get());
    return true;
}

bool CZarniApp::IsLanguage(const QString &language)
{
    return FindLanguage(language) != nullptr;
}

// Our own texts are written in Traditional Chinese and translated to
// English; the toolkit's own dialogs and buttons are English and translated
// to Traditional Chinese. Installing a translator tells every window to
// show its texts again.
void CZarniApp::SetLanguage(const QString &language)
{
    for (auto *translator : {&m_toolkitTranslator, &m_ownTranslator}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    m_language = language;
    auto load = [](std::unique_ptr<QTranslator> &slot, const QString &name, const QString &directory) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, directory)) {
            QCoreApplication::installTranslator(translator.get());
            slot = std::move(translator);
        }
    };
    const ::Language &row = *FindLanguage(language);
    if (row.ownFile)
        load(m_ownTranslator, QString::fromLatin1(row.ownFile), QStringLiteral(":/i18n"));
    if (row.toolkitFile && !IsBatch()) // a batch run's messages are English, the system's reasons too
        load(m_toolkitTranslator, QString::fromLatin1(row.toolkitFile), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(row.language, row.territory));
    SetLabelFace(QString::fromLatin1(row.labelFace));
    if (m_pMainFrame) {
        QApplication::setFont(InterfaceFont());
        m_pMainFrame->SetTextSize(m_pMainFrame->TextSize()); // the panels' text in the new face
        m_pMainFrame->Speaker()->LanguageChanged();
    }
}

void CZarniApp::ChooseLanguage(const QString &language)
{
    if (language == m_language)
        return;
    SetLanguage(language);
    if (SettingsWritable())
        QSettings().setValue(kLanguageKey, language);
}

void CZarniApp::LoadStdProfileSettings()
{
    // Reading a FIFO (or a device) found where the settings file should be
    // would block start-up: such settings are neither read nor written.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                         QCoreApplication::organizationName() + '/' + QCoreApplication::applicationName() + ".conf";
    m_bSettingsUsable = !IsSpecialFile(file);
    if (!m_bSettingsUsable) {
        const QString note = tr("設定檔 %1 不是一般的檔案，這次不讀也不寫設定。").arg(QDir::toNativeSeparators(file));
        if (IsBatch())
            std::fprintf(stderr, "zarni: the settings file '%s' is no regular file; settings are not used\n", qPrintable(file));
        else
            QMessageBox::warning(nullptr, QStringLiteral("Zarni"), note);
        return;
    }
    if (IsBatch())
        return;
    QSettings settings;
    settings.beginGroup(kRecentGroup);
    m_recentFiles.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty())
            m_recentFiles << path;
    }
}

void CZarniApp::RecentFilesChanged()
{
    if (MainFrame())
        MainFrame()->SetRecentFiles(m_recentFiles);
    if (!SettingsWritable())
        return;
    QSettings settings;
    settings.remove(kRecentGroup);
    settings.beginGroup(kRecentGroup);
    for (int i = 0; i < m_recentFiles.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), m_recentFiles[i]);
}

void CZarniApp::AddToRecentFileList(const QString &path)
{
    // Only what the user opens is remembered: not a lesson's files, not a
    // batch run's.
    if (IsBatch() || IsLessonActing())
        return;
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    RecentFilesChanged();
}

CZarniDoc *CZarniApp::NewDocument()
{
    m_documents.push_back(std::make_unique<CZarniDoc>());
    CZarniDoc *doc = m_documents.back().get();
    doc->m_onTitleChanged = [this, doc] { UpdateFrameTitles(doc); };
    doc->m_onFileUsed = [this](const QString &path) { AddToRecentFileList(path); };
    doc->m_onClose = [this, doc] {
        for (CChildFrame *frame : FramesOf(doc))
            frame->close();
    };
    return doc;
}

CZarniDoc *CZarniApp::OnFileNew()
{
    CZarniDoc *doc = NewDocument();
    doc->SetTitle(QStringLiteral("Zarni%1").arg(++m_nUntitledCount));
    doc->OnNewDocument();
    CreateNewFrame(doc);
    return doc;
}

void CZarniApp::OnFileOpen()
{
    const QString path = QFileDialog::getOpenFileName(MainFrame());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CZarniDoc *CZarniApp::FindOpenDocument(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    // A document whose last window is closing is not open any more.
    for (const auto &doc : m_documents)
        if (!doc->GetPathName().isEmpty() && QFileInfo(doc->GetPathName()).canonicalFilePath() == wanted &&
            !FramesOf(doc.get()).isEmpty())
            return doc.get();
    return nullptr;
}

CZarniDoc *CZarniApp::OpenDocumentFile(const QString &path, QString *errorOut)
{
    if (CZarniDoc *open = FindOpenDocument(path)) {
        MainFrame()->MdiArea()->setActiveSubWindow(FramesOf(open).first());
        AddToRecentFileList(open->GetPathName());
        return open;
    }
    CZarniDoc *doc = NewDocument();
    QString error;
    if (!doc->OnOpenDocument(path, &error)) {
        m_documents.pop_back();
        if (errorOut)
            *errorOut = error;
        else
            AfxMessageBox(tr("無法開啟檔案 %1：\n%2").arg(QDir::toNativeSeparators(path), error));
        return nullptr;
    }
    CreateNewFrame(doc);
    return doc;
}

CZarniView *CZarniApp::CreateView(CZarniDoc *doc)
{
    auto *view = new CZarniView;
    view->SetDocument(doc);
    view->SetStepDelay(m_nStepDelayMs);
    // The runs' speed is the user's choice and kept for the next time;
    // a batch run neither reads nor keeps it, so that scripts repeat.
    if (m_bSettingsUsable && !IsBatch()) {
        view->SetSpeed(QSettings().value(kSpeedKey, 1.0).toDouble());
        QObject::connect(view, &CZarniView::SpeedChosen, view, [this, view] {
            if (SettingsWritable())
                QSettings().setValue(kSpeedKey, view->Speed());
        });
    }
    MainFrame()->WatchView(view);
    view->OnInitialUpdate();
    return view;
}

CChildFrame *CZarniApp::CreateNewFrame(CDocument *doc)
{
    auto *zarniDoc = static_cast<CZarniDoc *>(doc);
    auto *frame = new CChildFrame(doc, [this, zarniDoc] { return CreateView(zarniDoc); });
    frame->setWindowIcon(ZarniIcon(IDR_ZARNITYPE));
    // Once the window is gone, its document may go too (not while the
    // program itself is closing down).
    QObject::connect(frame, &QObject::destroyed, MainFrame(), [this, doc] {
        if (CMainFrame *main = MainFrame())
            QTimer::singleShot(0, main, [this, doc] { OnFrameClosed(doc); });
    });
    QObject::connect(frame, &QMdiSubWindow::windowStateChanged, MainFrame(), [this] { MainFrame()->UpdateTitle(); });
    MainFrame()->MdiArea()->addSubWindow(frame);
    frame->showMaximized();
    UpdateFrameTitles(doc);
    frame->GetActiveView()->setFocus();
    return frame;
}

QList<CChildFrame *> CZarniApp::FramesOf(const CDocument *doc) const
{
    QList<CChildFrame *> frames;
    for (CChildFrame *frame : MainFrame()->ChildFrames())
        if (frame->GetDocument() == doc)
            frames << frame;
    return frames;
}

// A document goes away with its last window.
void CZarniApp::OnFrameClosed(CDocument *doc)
{
    if (!FramesOf(doc).isEmpty()) {
        UpdateFrameTitles(doc);
        return;
    }
    const auto it = std::find_if(m_documents.begin(), m_documents.end(),
                                 [doc](const std::unique_ptr<CZarniDoc> &d) { return d.get() == doc; });
    if (it != m_documents.end())
        m_documents.erase(it);
    MainFrame()->UpdateTitle();
}

// "Zarni1" for a document's only window, "Zarni1:1", "Zarni1:2" for several.
void CZarniApp::UpdateFrameTitles(const CDocument *doc)
{
    const QList<CChildFrame *> frames = FramesOf(doc);
    for (int i = 0; i < frames.size(); ++i)
        frames[i]->setWindowTitle(frames.size() == 1 ? doc->GetTitle()
                                                     : QStringLiteral("%1:%2").arg(doc->GetTitle()).arg(i + 1));
    MainFrame()->UpdateTitle();
}

void CZarniApp::OnFileExport()
{
    // The window may close while the dialog is open.
    const QPointer<CZarniView> view = MainFrame()->GetActiveView();
    CExportDlg dialog(MainFrame(), kMaxExportScale);
    if (MainFrame()->ExecInTextSize(dialog) != QDialog::Accepted || !view)
        return;
    const QString target = dialog.Path();
    const ExportResult result = ExportCanvas(view->Scene(), target, dialog.Scale());
    if (!result)
        AfxMessageBox(DescribeExportFailure(result, view->Scene().Canvas(), target, false, dialog.Scale()));
}

// The run of the active view, a frame a step, with a progress dialog that
// can cancel it.
void CZarniApp::OnFileExportRun()
{
    const QPointer<CZarniView> view = MainFrame()->GetActiveView();
    if (!view || !view->Run())
        return;
    CExportDlg dialog(MainFrame(), kMaxExportScale, view->RunStepCount(), int(500 / view->Speed()));
    if (MainFrame()->ExecInTextSize(dialog) != QDialog::Accepted || !view)
        return;
    const QString target = dialog.Path();
    RunExportOptions options{dialog.Scale(), dialog.From(), dialog.To(), dialog.MsPerStep(), dialog.Captions()};
    options.passMark = dialog.PassMark();
    QProgressDialog progress(tr("正在匯出動畫..."), tr("取消"), 0, 100, MainFrame());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const RunExportResult result = ExportRun(view, target, options, [&](int64_t done, int64_t total) {
        progress.setValue(int(done * 100 / total));
        return !progress.wasCanceled();
    });
    if (!result && result.failure != RunExportFailure::Cancelled)
        AfxMessageBox(DescribeRunExportFailure(result, target, false));
}

namespace {

QString ScriptFilter()
{
    return CZarniApp::tr("Zarni 腳本 (*.zs);;所有檔案 (*)");
}

} // namespace

void CZarniApp::OnFileRunScript()
{
    const QString path = QFileDialog::getOpenFileName(MainFrame(), tr("執行腳本"), QString(), ScriptFilter());
    if (!path.isEmpty())
        RunLesson(path);
}

// One script at a time; an error stops the lesson there, over the window.
void CZarniApp::RunLesson(const QString &path)
{
    if (m_pScript || !MainFrame())
        return;
    CScriptRunner runner(this, CScriptRunner::Mode::Lesson);
    const int status = runner.RunFile(path);
    if (!MainFrame() || MainFrame()->isHidden())
        return;
    if (runner.Stopped())
        MainFrame()->statusBar()->showMessage(tr("腳本已停止。"), 5000);
    else if (status != 0)
        // Statements and their messages are English: so is the whole box.
        AfxMessageBox(QStringLiteral("The script stopped at an error:\n%1").arg(runner.Error()));
}

void CZarniApp::OpenLesson(const QString &path)
{
    if (m_pScript) {
        AfxMessageBox(tr("另一個腳本還在執行：先按 Esc 停止它，再開啟這一課。"));
        return;
    }
    if (!OnFileNew())
        return;
    // The click that chose it returns first; the lesson runs after.
    QTimer::singleShot(0, MainFrame(), [this, path] { RunLesson(path); });
}

void CZarniApp::ShowStartPageAtStart()
{
    if (m_bSettingsUsable && !IsBatch() && QSettings().value(kStartPageKey, true).toBool())
        MainFrame()->ShowStartPage(true);
}

void CZarniApp::SetRunningScript(CScriptRunner *runner)
{
    m_pScript = runner;
    if (MainFrame())
        MainFrame()->UpdateCommandUISoon();
}

bool CZarniApp::IsLessonActing() const
{
    return m_pScript && m_pScript->IsLesson() && m_pScript->InStatement();
}

bool CZarniApp::SettingsWritable() const
{
    return m_bSettingsUsable && !IsBatch() && !IsLessonActing();
}

void CZarniApp::OnFileSaveScript()
{
    CZarniView *view = MainFrame()->GetActiveView();
    QString path = QFileDialog::getSaveFileName(MainFrame(), tr("另存為腳本"), QString(), ScriptFilter());
    if (path.isEmpty() || !view)
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".zs");
    const LessonScript lesson = WriteLessonScript(view, MainFrame());
    QString error;
    switch (lesson.error) {
    case LessonScript::Error::TooManyValues:
        error = tr("這棵樹的值太多，一個腳本寫不下。");
        break;
    case LessonScript::Error::None:
        if (!WriteWholeFile(path, lesson.text.toUtf8(), &error))
            error = tr("無法儲存檔案 %1：\n%2").arg(QDir::toNativeSeparators(path), error);
        break;
    }
    if (!error.isEmpty())
        AfxMessageBox(error);
}

void CZarniApp::OnAppAbout()
{
    CAboutDlg dialog(MainFrame());
    dialog.exec();
}
