#include "NodeValueDlg.h"

#include "DialogButtons.h"
#include "Problems.h"
#include "model/algorithms/Algorithm.h"
#include "view/Words.h"
#include "view/ZarniView.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CNodeValueDlg::CNodeValueDlg(CZarniView *view, const DialogSpec &spec, QWidget *parent)
    : QDialog(parent), m_pView(view), m_spec(spec)
{
    setWindowTitle(Words(spec.title));
    auto *fields = new QFormLayout;
    if (spec.node) {
        const int64_t selected = view->Model().SelectedNode();
        m_node = new QLineEdit(selected ? QString::number(selected) : QString(), this);
        m_node->setObjectName(QString::fromStdString(spec.fieldName));
        fields->addRow(Words(spec.nodePrompt(view->Model())), m_node);
    }
    if (spec.value) {
        m_value = new QLineEdit(this);
        m_value->setObjectName(QString::fromStdString(spec.valueName));
        fields->addRow(Words(spec.valuePrompt), m_value);
    }
    m_problem = ProblemLabel(this, QString::fromStdString(spec.problemName));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CNodeValueDlg::accept()
{
    std::vector<std::string> words;
    std::vector<QLineEdit *> order;
    for (QLineEdit *field : {m_node, m_value}) {
        if (field) {
            words.push_back(field->text().trimmed().toStdString());
            order.push_back(field);
        }
    }
    const Outcome outcome = m_spec.apply(m_pView->Model(), words);
    if (outcome.Failed()) {
        m_problem->setText(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
        order[std::size_t(std::max(outcome.field, 0))]->setFocus();
        return;
    }
    m_pView->Follow(outcome);
    QDialog::accept();
}
