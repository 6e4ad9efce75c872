#pragma once
// The dialog that sets up a merge: one run a line, typed, loaded from a text
// file or filled with random values. A bad line is named in the dialog,
// which stays open with the text as typed.

#include "model/WinnerMerge.h"

#include <QCoreApplication>
#include <QDialog>

class CZarniView;
class QIODevice;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

class CMergeDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CMergeDlg)

public:
    CMergeDlg(CZarniView *view, QWidget *parent);
    void accept() override;
    // Puts the file's runs in the dialog, or says why not.
    void LoadFile(const QString &path);
    void FillRandom(int runs, int length);
    // The whole text of a runs file, refused beyond what any merge could use.
    static constexpr qint64 kMaxRunsBytes = qint64(1) << 30;
    static bool ReadRunsText(QIODevice *device, std::string *text, QString *error);
    // The same from a file by its path; false with the sentence to show.
    static bool ReadTextFile(const QString &path, std::string *text, QString *problem);

private:
    void Hold(WinnerMerge::Runs runs, const QString &comment);

    CZarniView *m_pView;
    QPlainTextEdit *m_text;
    QSpinBox *m_runCount;
    QSpinBox *m_runLength;
    QLabel *m_problem;
    // Runs too many to show as text are kept aside while the text is the
    // comment that stands for them.
    WinnerMerge::Runs m_held;
    QString m_heldComment;
};
