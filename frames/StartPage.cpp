#include "StartPage.h"

#include "res/Images.h"
#include "res/Resource.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The lessons the program ships, in the order a course takes them.
struct ShippedLesson {
    const char *file;
    const char *title;
    const char *line;
};
const ShippedLesson kShipped[] = {
    {"heapsort.zs", QT_TRANSLATE_NOOP("CStartPage", "堆積排序"),
     QT_TRANSLATE_NOOP("CStartPage", "由下而上建最大堆積，再一次次把樹根換到最後。")},
    {"priority-queue.zs", QT_TRANSLATE_NOOP("CStartPage", "優先佇列"),
     QT_TRANSLATE_NOOP("CStartPage", "最小堆積的插入、取出、改小鍵值與刪除。")},
    {"tournaments.zs", QT_TRANSLATE_NOOP("CStartPage", "勝者樹與敗者樹"),
     QT_TRANSLATE_NOOP("CStartPage", "同一場淘汰賽，每個節點留下勝者，或留下敗者。")},
    {"merge.zs", QT_TRANSLATE_NOOP("CStartPage", "合併排好的序列"),
     QT_TRANSLATE_NOOP("CStartPage", "勝者樹每次寫出最大的值，只重賽它那一條路徑。")},
    {"external-sort.zs", QT_TRANSLATE_NOOP("CStartPage", "置換選擇與外部排序"),
     QT_TRANSLATE_NOOP("CStartPage", "敗者樹切出比記憶體長的序列，再把序列合併。")},
    {"segment-tree.zs", QT_TRANSLATE_NOOP("CStartPage", "區間樹"),
     QT_TRANSLATE_NOOP("CStartPage", "區間和的查詢，和延後往下傳的區間加值。")},
    {"runner-up.zs", QT_TRANSLATE_NOOP("CStartPage", "找第二名"),
     QT_TRANSLATE_NOOP("CStartPage", "第二名只輸給冠軍：只讓冠軍打敗的值再比一次。")},
    {"exercise.zs", QT_TRANSLATE_NOOP("CStartPage", "練習：建堆積"),
     QT_TRANSLATE_NOOP("CStartPage", "自己點兩個節點交換，每一步都馬上評分。")},
};

const QSize kPictureSize(240, 150);

QImage PictureOf(const QString &lessonPath)
{
    QImage picture(QFileInfo(lessonPath).path() + '/' + QFileInfo(lessonPath).completeBaseName() + QStringLiteral(".png"));
    if (picture.isNull())
        picture = ZarniIconImage(kPictureSize.height());
    return picture.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A lesson of the teacher's own says what it is in its first comments: the
// title, then a line; else its file's name stands for it.
LessonEntry OwnLesson(const QString &path)
{
    LessonEntry lesson{path, QFileInfo(path).completeBaseName(), QString(), PictureOf(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lesson;
    QStringList comments;
    while (comments.size() < 2 && !file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine(1024)).trimmed();
        if (!text.startsWith('#'))
            break;
        comments << text.mid(1).trimmed();
    }
    if (!comments.isEmpty() && !comments[0].isEmpty())
        lesson.title = comments[0];
    if (comments.size() > 1)
        lesson.line = comments[1];
    return lesson;
}

} // namespace

CStartPage::CStartPage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("startPage"));
    m_heading = new QLabel(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("startLessons"));
    // Tiles, a picture over its title and line, as many a row as fit.
    m_list->setViewMode(QListView::IconMode);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setIconSize(kPictureSize);
    m_list->setGridSize(kPictureSize + QSize(24, 80));
    m_list->setWordWrap(true);
    m_folderLabel = new QLabel(this);
    m_folderLabel->setWordWrap(true);
    m_folderButton = new QPushButton(this);
    m_atStart = new QCheckBox(this);
    m_atStart->setChecked(true);
    m_openButton = new QPushButton(this);
    m_openButton->setDefault(true);
    m_closeButton = new QPushButton(this);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderLabel, 1);
    folderRow->addWidget(m_folderButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_atStart);
    buttons->addStretch(1);
    buttons->addWidget(m_openButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(folderRow);
    layout->addLayout(buttons);
    const QSize tile = m_list->gridSize();
    resize(4 * tile.width() + 64, 2 * tile.height() + 140); // two rows of four

    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { Open(m_list->row(item)); });
    connect(m_openButton, &QPushButton::clicked, this, [this] { Open(m_list->currentRow()); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_folderButton, &QPushButton::clicked, this, &CStartPage::ChooseFolder);
    connect(m_atStart, &QCheckBox::toggled, this, &CStartPage::ShownAtStartChosen);
    SetTexts();
}

QString CStartPage::ShippedFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &folder : {program.filePath(QStringLiteral("lessons")),
                                  program.filePath(QStringLiteral("../share/zarni/lessons"))})
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    return QString();
}

void CStartPage::SetFolder(const QString &folder)
{
    m_strFolder = folder;
    SetTexts();
}

bool CStartPage::ShownAtStart() const
{
    return m_atStart->isChecked();
}

void CStartPage::SetShownAtStart(bool shown)
{
    const QSignalBlocker quiet(m_atStart);
    m_atStart->setChecked(shown);
}

void CStartPage::Open(int i)
{
    if (i < 0 || i >= m_lessons.size())
        return;
    hide();
    emit LessonChosen(m_lessons[i].path);
}

void CStartPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QDialog::changeEvent(event);
}

void CStartPage::Reload()
{
    m_lessons.clear();
    const QString shipped = ShippedFolder();
    if (!shipped.isEmpty())
        for (const ShippedLesson &lesson : kShipped) {
            const QString path = shipped + '/' + QLatin1String(lesson.file);
            if (QFileInfo(path).isFile())
                m_lessons.append({path, tr(lesson.title), tr(lesson.line), PictureOf(path)});
        }
    if (!m_strFolder.isEmpty())
        for (const QFileInfo &file : QDir(m_strFolder).entryInfoList({QStringLiteral("*.zs")}, QDir::Files, QDir::Name))
            m_lessons.append(OwnLesson(file.filePath()));
    m_list->clear();
    for (const LessonEntry &lesson : m_lessons) {
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(lesson.picture)),
                                         lesson.line.isEmpty() ? lesson.title : lesson.title + '\n' + lesson.line, m_list);
        item->setToolTip(QDir::toNativeSeparators(lesson.path));
    }
    m_list->setCurrentRow(0);
}

void CStartPage::ChooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("你的課程所在的資料夾"), m_strFolder);
    if (folder.isEmpty())
        return;
    SetFolder(folder);
    emit FolderChosen(folder);
}

void CStartPage::SetTexts()
{
    setWindowTitle(tr("範例課程"));
    m_heading->setText(tr("選一堂課開始：按兩下開啟，翻頁鍵或空白鍵一步步講下去。"));
    m_folderLabel->setText(m_strFolder.isEmpty() ? tr("也可以列出你自己的課程（.zs 腳本）所在的資料夾。")
                                                 : tr("你的課程：%1").arg(QDir::toNativeSeparators(m_strFolder)));
    m_folderButton->setText(tr("選擇資料夾(&F)..."));
    m_atStart->setText(tr("啟動時顯示這一頁(&S)"));
    m_openButton->setText(tr("開啟(&O)"));
    m_closeButton->setText(tr("關閉(&C)"));
    Reload();
}
