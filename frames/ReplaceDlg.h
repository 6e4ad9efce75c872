#pragma once
// The dialog that sets up replacement selection: the memory P and the input,
// typed, loaded from a text file or random of a given length. Bad input is
// named in the dialog, which stays open with the text as typed.

#include <QCoreApplication>
#include <QDialog>
#include <vector>

class CZarniView;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

class CReplaceDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CReplaceDlg)

public:
    CReplaceDlg(CZarniView *view, QWidget *parent);
    void accept() override;
    void LoadFile(const QString &path);
    void FillRandom(int count);

private:
    void Hold(std::vector<int> values, const QString &comment);

    CZarniView *m_pView;
    QSpinBox *m_memory;
    QPlainTextEdit *m_text;
    QSpinBox *m_count;
    QLabel *m_problem;
    // Values too many to show as text are kept aside while the text is the
    // comment that stands for them.
    std::vector<int> m_held;
    QString m_heldComment;
};
