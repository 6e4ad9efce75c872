#include "ValuesDlg.h"

#include "DialogButtons.h"
#include "Problems.h"
#include "model/algorithms/Algorithm.h"
#include "model/algorithms/Values.h"
#include "view/ZarniView.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

CValuesDlg::CValuesDlg(CZarniView *view, const DialogForm &form, QWidget *parent)
    : QDialog(parent), m_pView(view), m_form(form)
{
    const bool leaves = form.leaves;
    setWindowTitle(leaves ? tr("設定葉節點") : tr("設定節點值"));
    const int64_t first = leaves ? view->FirstLeaf() : 1;
    const int64_t count = view->m_nNodeCount - first + 1;
    auto *prompt = new QLabel(leaves ? tr("這棵樹有 %1 個葉節點（節點 %2 到 %3），請依序輸入它們的值，"
                                          "整數 -%4 到 %4，以空白或逗號分隔：")
                                           .arg(count)
                                           .arg(first)
                                           .arg(view->m_nNodeCount)
                                           .arg(kMaxNodeValue)
                                     : tr("這棵樹有 %1 個節點，請依堆積順序輸入每個節點的值，"
                                          "整數 -%2 到 %2，以空白或逗號分隔：")
                                           .arg(count)
                                           .arg(kMaxNodeValue),
                              this);
    prompt->setWordWrap(true);
    // Millions of values in one text field would freeze the window: a large
    // tree's values are left out, and an empty field changes nothing.
    QStringList labels;
    m_bValuesLeftOut = count > kMaxShownValues;
    for (int64_t i = first; !m_bValuesLeftOut && i <= view->m_nNodeCount; ++i)
        labels << view->Label(i);
    m_values = new QLineEdit(labels.join(' '), this);
    if (m_bValuesLeftOut)
        m_values->setPlaceholderText(tr("%1 個值太多，不在這裡列出；留空就不改變。").arg(count));
    m_values->setObjectName(QString::fromStdString(form.fieldName));
    m_values->setMinimumWidth(360);
    m_problem = ProblemLabel(this, QString::fromStdString(form.problemName), false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_values);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CValuesDlg::accept()
{
    const std::vector<std::string> values = ValueWords(m_values->text().toStdString());
    if (m_bValuesLeftOut && values.empty())
        return QDialog::accept();
    auto refuse = [&](const Message &problem) {
        m_problem->setText(CProblemText::Say(problem, CProblemText::Wording::Dialog));
        m_values->setFocus();
    };
    for (const std::string &word : values) { // a bad value is named before the tree is offered another size
        int value = 0;
        if (const Message problem = ReadNodeValue(word, &value); !problem.Empty())
            return refuse(problem);
    }
    if (!values.empty() && !SizeTreeTo(int64_t(values.size())))
        return m_values->setFocus();
    const Outcome outcome = m_form.apply(m_pView->Model(), values);
    if (outcome.Failed())
        return refuse(outcome.problem);
    m_pView->Follow(outcome);
    QDialog::accept();
}

// As many values as leaves (or nodes) the tree should have: a tree of
// another size replaces this one once the user agrees.
bool CValuesDlg::SizeTreeTo(int64_t values)
{
    const bool leaves = m_form.leaves;
    const int64_t now = leaves ? m_pView->LeafCount() : m_pView->m_nNodeCount;
    if (values == now)
        return true;
    const int64_t nodes = leaves ? 2 * values - 1 : values;
    if (nodes > kMaxShownValues)
        return true; // the count's problem is told as before
    const QString question = leaves ? tr("輸入了 %n 個值，這棵樹有 %1 個葉節點。要換成有 %n 個葉節點的樹（%2 個節點）嗎？", nullptr, int(values))
                                          .arg(now).arg(nodes)
                                    : tr("輸入了 %n 個值，這棵樹有 %1 個節點。要換成有 %n 個節點的樹嗎？", nullptr, int(values)).arg(now);
    if (QMessageBox::question(this, windowTitle(), question) != QMessageBox::Yes)
        return false;
    m_pView->SetNodeCount(int(nodes));
    return true;
}
