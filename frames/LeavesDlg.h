#pragma once
// The dialog for own leaf values, or every node's value: one line of whole
// numbers, separated by blanks or commas, prefilled with the labels. A bad
// value is named in the dialog, which stays open with the text as typed.

#include "view/ZarniView.h"

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QLineEdit;

class CLeavesDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CLeavesDlg)

public:
    enum class Scope { Leaves, Nodes };
    CLeavesDlg(CZarniView *view, Scope scope, QWidget *parent);
    void accept() override;

    // The most values the field is filled with.
    static constexpr int64_t kMaxShownValues = 20000;

private:
    bool SizeTreeTo(int64_t values);

    CZarniView *m_pView;
    Scope m_scope;
    bool m_bValuesLeftOut = false;
    QLineEdit *m_values;
    QLabel *m_problem;
};
