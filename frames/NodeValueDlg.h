#pragma once
// Asks for what an operation takes: a value, a node, or a node and its new
// value. A bad entry, or a refusal of the operation, is named in the dialog,
// which stays open.

#include <QDialog>

class CZarniView;
struct DialogSpec;
class QLabel;
class QLineEdit;

class CNodeValueDlg : public QDialog {
public:
    CNodeValueDlg(CZarniView *view, const DialogSpec &spec, QWidget *parent);
    void accept() override;

private:
    CZarniView *m_pView;
    const DialogSpec &m_spec;
    QLineEdit *m_node = nullptr;
    QLineEdit *m_value = nullptr;
    QLabel *m_problem;
};
