#pragma once
// The dialog for every value of a range of nodes, the leaves or all of them:
// one line of whole numbers, separated by blanks or commas, prefilled with
// the values shown. A bad value is named in the dialog, which stays open
// with the text as typed.

#include <QCoreApplication>
#include <QDialog>

class CZarniView;
struct DialogForm;
class QLabel;
class QLineEdit;

class CValuesDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CValuesDlg)

public:
    CValuesDlg(CZarniView *view, const DialogForm &form, QWidget *parent);
    void accept() override;
    // The most values the field is filled with.
    static constexpr int64_t kMaxShownValues = 20000;

private:
    bool SizeTreeTo(int64_t values);

    CZarniView *m_pView;
    const DialogForm &m_form;
    bool m_bValuesLeftOut = false;
    QLineEdit *m_values;
    QLabel *m_problem;
};
