#pragma once
// The dialog for own leaf values: one line of whole numbers, separated by
// blanks or commas, prefilled with the leaves' labels. A bad value is named
// in the dialog, which stays open with the text as typed.

#include "view/ZarniView.h"

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QLineEdit;

class CLeavesDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CLeavesDlg)

public:
    CLeavesDlg(CZarniView *view, QWidget *parent);
    void accept() override;
    // What is wrong, in the user's words.
    static QString Describe(const CZarniView *view, const CZarniView::LeafProblem &problem);

private:
    CZarniView *m_pView;
    QLineEdit *m_values;
    QLabel *m_problem;
};
