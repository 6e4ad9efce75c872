#pragma once
// Where to begin: the lessons the program ships, each with its title, a
// line of what it teaches and a small picture, and the teacher's own from a
// folder they choose. Activating one asks for it to be opened; the page
// stays out of the way (it is not modal) until then.

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

struct LessonEntry {
    QString path;
    QString title;
    QString line;
    QImage picture;
};

class CStartPage : public QDialog {
    Q_OBJECT
public:
    explicit CStartPage(QWidget *parent);

    // The folder the shipped lessons are installed in (beside the program
    // while it is built), or empty.
    static QString ShippedFolder();
    // The shipped lessons, then those of the folder.
    const QList<LessonEntry> &Lessons() const { return m_lessons; }
    QString Folder() const { return m_strFolder; }
    void SetFolder(const QString &folder);
    bool ShownAtStart() const;
    void SetShownAtStart(bool shown);
    // As a click on lesson i (from 0) does.
    void Open(int i);

signals:
    void LessonChosen(const QString &path);
    void FolderChosen(const QString &folder);
    void ShownAtStartChosen(bool shown);

protected:
    void changeEvent(QEvent *event) override;

private:
    void Reload();
    void ChooseFolder();
    void SetTexts();

    QList<LessonEntry> m_lessons;
    QString m_strFolder;
    QLabel *m_heading;
    QListWidget *m_list;
    QLabel *m_folderLabel;
    QPushButton *m_folderButton;
    QPushButton *m_openButton;
    QPushButton *m_closeButton;
    QCheckBox *m_atStart;
};
