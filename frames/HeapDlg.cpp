#include "HeapDlg.h"

#include "DialogButtons.h"
#include "GotoDlg.h"
#include "Problems.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CHeapDlg::CHeapDlg(CZarniView *view, HeapAlgorithm::Kind kind, QWidget *parent)
    : QDialog(parent), m_pView(view), m_kind(kind)
{
    using Kind = HeapAlgorithm::Kind;
    setWindowTitle(kind == Kind::Insert ? tr("插入值") : kind == Kind::Key ? tr("更改節點值") : tr("刪除節點"));
    auto *fields = new QFormLayout;
    if (kind != Kind::Insert) {
        const int64_t selected = view->SelectedNode();
        m_node = new QLineEdit(selected ? QString::number(selected) : QString(), this);
        m_node->setObjectName(QStringLiteral("heapNode"));
        fields->addRow(tr("節點（1 到 %1）：").arg(view->HeapSize()), m_node);
    }
    if (kind != Kind::Delete) {
        m_value = new QLineEdit(this);
        m_value->setObjectName(QStringLiteral("heapValue"));
        fields->addRow(tr("值（-%1 到 %1）：").arg(kMaxNodeValue), m_value);
    }
    m_problem = ProblemLabel(this, QStringLiteral("heapProblem"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

// What is wrong with the fields, or nothing.
QString CHeapDlg::ReadOperand(HeapAlgorithm::Operand *operand) const
{
    QString problem;
    if (m_node && !(operand->node = CGotoDlg::ParseIndex(m_node->text(), m_pView->m_nNodeCount, &problem)))
        return problem;
    if (m_value) {
        const CZarniView::LeafProblem bad = CZarniView::ReadValue(m_value->text(), &operand->value);
        return CProblemText::Leaf(m_pView, bad, CProblemText::Wording::Dialog);
    }
    return QString();
}

void CHeapDlg::accept()
{
    HeapAlgorithm::Operand operand;
    if (const QString problem = ReadOperand(&operand); !problem.isEmpty())
        return Refuse(problem, m_node && !operand.node ? m_node : m_value);
    const CZarniView::HeapProblem refusal = m_pView->StartHeap(m_kind, operand);
    if (refusal.error != CZarniView::HeapError::None)
        return Refuse(CProblemText::Heap(m_pView, refusal, CProblemText::Wording::Dialog), m_node ? m_node : m_value);
    QDialog::accept();
}

void CHeapDlg::Refuse(const QString &problem, QLineEdit *field)
{
    m_problem->setText(problem);
    field->setFocus();
}
