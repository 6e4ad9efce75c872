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

    // The most values the field is filled with.
    static constexpr int64_t kMaxShownValues = 20000;

private:
    CZarniView *m_pView;
    bool m_bValuesLeftOut = false;
    QLineEdit *m_values;
    QLabel *m_problem;
};
