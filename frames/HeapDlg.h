#pragma once
// Asks for what a heap operation takes: the value to insert, a node and its
// new value, or the node to delete. A bad entry, or a refusal of the
// operation, is named in the dialog, which stays open.

#include "model/HeapAlgorithm.h"

#include <QCoreApplication>
#include <QDialog>

class CZarniView;
class QLabel;
class QLineEdit;

class CHeapDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CHeapDlg)

public:
    CHeapDlg(CZarniView *view, HeapAlgorithm::Kind kind, QWidget *parent);
    void accept() override;

private:
    QString ReadOperand(HeapAlgorithm::Operand *operand) const;
    void Refuse(const QString &problem, QLineEdit *field);

    CZarniView *m_pView;
    HeapAlgorithm::Kind m_kind;
    QLineEdit *m_node = nullptr;
    QLineEdit *m_value = nullptr;
    QLabel *m_problem;
};
