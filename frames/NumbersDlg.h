#pragma once
// The dialog of a text of numbers (one run a line, or the values of an
// input), typed, loaded from a text file or filled with random values, with
// a spin box for a count where the form has one. What is wrong is named in
// the dialog, which stays open with the text as typed.

#include <QCoreApplication>
#include <QDialog>

#include <string>
#include <vector>

class CZarniView;
struct DialogForm;
class QIODevice;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

class CNumbersDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CNumbersDlg)

public:
    CNumbersDlg(CZarniView *view, const DialogForm &form, QWidget *parent);
    void accept() override;
    // Puts the file's text in the dialog, or says why not.
    void LoadFile(const QString &path);
    // Random values of the counts given (their spin boxes take them).
    void FillRandom(const std::vector<int> &counts);
    // The whole text of a file of numbers, refused beyond what any form
    // could use.
    static constexpr qint64 kMaxTextBytes = qint64(1) << 30;
    static bool ReadText(QIODevice *device, std::string *text, QString *error);
    // The same from a file by its path; false with the sentence to show.
    static bool ReadTextFile(const QString &path, std::string *text, QString *problem);

private:
    void Hold(std::string text, const QString &comment);

    CZarniView *m_pView;
    const DialogForm &m_form;
    QSpinBox *m_spin = nullptr;
    QPlainTextEdit *m_text;
    std::vector<QSpinBox *> m_counts;
    QLabel *m_problem;
    // A text too long to show is kept aside while the box holds the comment
    // that stands for it.
    std::string m_held;
    QString m_heldComment;
};
