#include "GotoDlg.h"

#include "DialogButtons.h"
#include "view/ZarniView.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CGotoDlg::CGotoDlg(CZarniView *view, QWidget *parent) : QDialog(parent), m_pView(view)
{
    setWindowTitle(tr("跳至節點"));
    auto *prompt = new QLabel(tr("節點的索引（1 到 %1）：").arg(view->m_nNodeCount), this);
    m_index = new QLineEdit(this);
    m_index->setObjectName(QStringLiteral("gotoIndex"));
    m_problem = ProblemLabel(this, QStringLiteral("gotoProblem"), false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_index);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CGotoDlg::accept()
{
    QString problem;
    const qint64 index = ParseIndex(m_index->text(), m_pView->m_nNodeCount, &problem);
    if (!index) {
        m_problem->setText(problem);
        m_index->setFocus();
        return;
    }
    m_pView->SelectNode(index, true);
    QDialog::accept();
}

qint64 CGotoDlg::ParseIndex(const QString &text, qint64 count, QString *problem)
{
    // An index has no minus sign.
    const QString word = text.trimmed();
    int64_t index = 0;
    const NumberError error = word.startsWith('-') ? NumberError::NotANumber
                                                   : ReadWholeNumber(word.toStdString(), 1, count, &index);
    if (error == NumberError::None)
        return index;
    *problem = error == NumberError::OutOfRange ? tr("這棵樹沒有節點 %1：索引必須在 1 到 %2 之間。").arg(word).arg(count)
                                                : tr("「%1」不是整數。").arg(word);
    return 0;
}
