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

CNodeValueDlg::CNodeValueDlg(CZarniView *view, const DialogForm &form, QWidget *parent)
    : QDialog(parent), m_pView(view), m_form(form)
{
    setWindowTitle(Words(form.title));
    auto *fields = new QFormLayout;
    if (form.node) {
        const int64_t selected = view->Model().SelectedNode();
        const QString start = form.nodeStart ? QString::fromStdString(form.nodeStart(view->Model()))
                                             : selected ? QString::number(selected) : QString();
        m_node = new QLineEdit(start, this);
        m_node->setObjectName(QString::fromStdString(form.fieldName));
        fields->addRow(Words(form.nodePrompt(view->Model())), m_node);
    }
    if (form.value) {
        m_value = new QLineEdit(this);
        m_value->setObjectName(QString::fromStdString(form.valueName));
        fields->addRow(Words(form.valuePrompt), m_value);
    }
    if (!form.thirdPrompt.Empty()) {
        m_third = new QLineEdit(this);
        m_third->setObjectName(QString::fromStdString(form.thirdName));
        fields->addRow(Words(form.thirdPrompt), m_third);
    }
    m_problem = ProblemLabel(this, QString::fromStdString(form.problemName));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CNodeValueDlg::accept()
{
    std::vector<std::string> words;
    std::vector<QLineEdit *> order;
    for (QLineEdit *field : {m_node, m_value, m_third}) {
        if (field) {
            words.push_back(field->text().trimmed().toStdString());
            order.push_back(field);
        }
    }
    const Outcome outcome = m_form.apply(m_pView->Model(), words);
    if (outcome.Failed()) {
        m_problem->setText(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
        order[std::size_t(std::max(outcome.field, 0))]->setFocus();
        return;
    }
    m_pView->Follow(outcome);
    QDialog::accept();
}
