#include "ReplaceDlg.h"

#include "DialogButtons.h"
#include "MergeDlg.h"
#include "Problems.h"
#include "view/ZarniView.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// More values than this are not put into the text box.
const std::size_t kMaxShownValues = 20000;
// Random values are small, as a class can read them.
const int kRandomLimit = 100;

} // namespace

CReplaceDlg::CReplaceDlg(CZarniView *view, QWidget *parent) : QDialog(parent), m_pView(view)
{
    using R = ReplacementAlgorithm;
    setWindowTitle(tr("置換選擇"));
    auto *prompt = new QLabel(tr("要切成序列的值，以空白或換行分隔；整數 -%1 到 %1，最多 %2 個。以 # 開頭的行不算。")
                                  .arg(kMaxNodeValue)
                                  .arg(R::kMaxInput),
                              this);
    prompt->setWordWrap(true);
    m_memory = new QSpinBox(this);
    m_memory->setObjectName(QStringLiteral("replaceMemory"));
    m_memory->setRange(R::kMinMemory, R::kMaxMemory);
    m_memory->setValue(4);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("replaceInput"));
    m_text->setMinimumSize(420, 140);
    m_text->setPlainText(QStringLiteral("31 12 57 8 40 3 66 25 19 71 5 48 36 90 14 27\n"));
    m_problem = ProblemLabel(this, QStringLiteral("replaceProblem"));

    auto *load = new QPushButton(tr("從檔案載入(&F)..."), this);
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("載入輸入"), QString(),
                                                          tr("文字檔 (*.txt);;所有檔案 (*)"));
        if (!path.isEmpty())
            LoadFile(path);
    });
    m_count = new QSpinBox(this);
    m_count->setRange(1, R::kMaxInput);
    m_count->setValue(30);
    auto *random = new QPushButton(tr("隨機填入(&R)"), this);
    connect(random, &QPushButton::clicked, this, [this] { FillRandom(m_count->value()); });
    auto *memory = new QHBoxLayout;
    memory->addWidget(new QLabel(tr("記憶體可放的紀錄數 P（%1 到 %2）：").arg(R::kMinMemory).arg(R::kMaxMemory), this));
    memory->addWidget(m_memory);
    memory->addStretch(1);
    auto *tools = new QHBoxLayout;
    tools->addWidget(load);
    tools->addStretch(1);
    tools->addWidget(new QLabel(tr("個數"), this));
    tools->addWidget(m_count);
    tools->addWidget(random);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(memory);
    layout->addWidget(prompt);
    layout->addWidget(m_text, 1);
    layout->addLayout(tools);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CReplaceDlg::accept()
{
    std::vector<int> values;
    if (!m_held.empty() && m_text->toPlainText() == m_heldComment) {
        values = m_held;
    } else if (const auto problem = ReplacementAlgorithm::Parse(m_text->toPlainText().toStdString(), &values);
               problem.error != ReplacementAlgorithm::Error::None) {
        m_problem->setText(CProblemText::Replacement(problem, CProblemText::Wording::Dialog));
        m_text->setFocus();
        return;
    }
    m_pView->StartReplacement(m_memory->value(), std::move(values));
    QDialog::accept();
}

void CReplaceDlg::Hold(std::vector<int> values, const QString &comment)
{
    m_problem->clear();
    if (values.size() <= kMaxShownValues) {
        QStringList words;
        for (const int value : values)
            words << QString::number(value);
        m_held.clear();
        m_text->setPlainText(words.join(' ') + '\n');
        return;
    }
    m_held = std::move(values);
    m_heldComment = comment;
    m_text->setPlainText(comment);
}

void CReplaceDlg::LoadFile(const QString &path)
{
    std::string text;
    QString problem;
    if (!CMergeDlg::ReadTextFile(path, &text, &problem)) {
        m_problem->setText(problem);
        return;
    }
    std::vector<int> values;
    if (const auto problem = ReplacementAlgorithm::Parse(text, &values); problem.error != ReplacementAlgorithm::Error::None) {
        m_problem->setText(tr("%1：%2").arg(QFileInfo(path).fileName(),
                                               CProblemText::Replacement(problem, CProblemText::Wording::Dialog)));
        return;
    }
    const QString comment = tr("# 從 %1 載入的 %2 個值（太多，不在這裡列出）").arg(QFileInfo(path).fileName()).arg(values.size());
    Hold(std::move(values), comment);
}

void CReplaceDlg::FillRandom(int count)
{
    std::vector<int> values(std::size_t(std::clamp(count, 1, ReplacementAlgorithm::kMaxInput)));
    for (int &value : values)
        value = QRandomGenerator::global()->bounded(kRandomLimit);
    Hold(std::move(values), tr("# %1 個隨機值（太多，不在這裡列出）").arg(count));
}
