#pragma once
// Asks for what an operation takes: a value, a node, or a node and its new
// value, and a third number where the operation takes one. A bad entry, or
// a refusal of the operation, is named in the dialog, which stays open.

#include <QDialog>

class CZarniView;
struct DialogForm;
class QLabel;
class QLineEdit;

class CNodeValueDlg : public QDialog {
public:
    CNodeValueDlg(CZarniView *view, const DialogForm &form, QWidget *parent);
    void accept() override;

private:
    CZarniView *m_pView;
    const DialogForm &m_form;
    QLineEdit *m_node = nullptr;
    QLineEdit *m_value = nullptr;
    QLineEdit *m_third = nullptr;
    QLabel *m_problem;
};
