#include "NumbersDlg.h"

#include "DialogButtons.h"
#include "Problems.h"
#include "model/algorithms/Algorithm.h"
#include "view/Words.h"
#include "view/ZarniView.h"

#include <QFile>
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

// More values than this are not put into the text box: it would take long to
// lay out and nobody reads that much.
const int64_t kMaxShownValues = 20000;

} // namespace

CNumbersDlg::CNumbersDlg(CZarniView *view, const DialogForm &form, QWidget *parent)
    : QDialog(parent), m_pView(view), m_form(form)
{
    setWindowTitle(Words(form.title));
    auto *layout = new QVBoxLayout(this);
    if (!form.spinName.empty()) {
        m_spin = new QSpinBox(this);
        m_spin->setObjectName(QString::fromStdString(form.spinName));
        m_spin->setRange(form.spinLow, form.spinHigh);
        m_spin->setValue(form.spinStart);
        auto *row = new QHBoxLayout;
        row->addWidget(new QLabel(Words(form.spinPrompt), this));
        row->addWidget(m_spin);
        row->addStretch(1);
        layout->addLayout(row);
    }
    auto *prompt = new QLabel(Words(form.prompt), this);
    prompt->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QString::fromStdString(form.fieldName));
    m_text->setMinimumSize(420, 160);
    m_text->setPlainText(QString::fromStdString(form.startText));
    m_problem = ProblemLabel(this, QString::fromStdString(form.problemName));

    auto *load = new QPushButton(tr("從檔案載入(&F)..."), this);
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, Words(m_form.loadTitle), QString(),
                                                          tr("文字檔 (*.txt);;所有檔案 (*)"));
        if (!path.isEmpty())
            LoadFile(path);
    });
    auto *tools = new QHBoxLayout;
    tools->addWidget(load);
    tools->addStretch(1);
    for (const DialogForm::Count &count : form.fillCounts) {
        auto *spin = new QSpinBox(this);
        spin->setRange(count.low, count.high);
        spin->setValue(count.start);
        tools->addWidget(new QLabel(Words(count.prompt), this));
        tools->addWidget(spin);
        m_counts.push_back(spin);
    }
    auto *random = new QPushButton(tr("隨機填入(&R)"), this);
    connect(random, &QPushButton::clicked, this, [this] {
        std::vector<int> counts;
        for (const QSpinBox *spin : m_counts)
            counts.push_back(spin->value());
        FillRandom(counts);
    });
    tools->addWidget(random);

    layout->addWidget(prompt);
    layout->addWidget(m_text, 1);
    layout->addLayout(tools);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CNumbersDlg::accept()
{
    const bool held = !m_held.empty() && m_text->toPlainText() == m_heldComment;
    std::vector<std::string> fields;
    if (m_spin)
        fields.push_back(std::to_string(m_spin->value()));
    fields.push_back(held ? m_held : m_text->toPlainText().toStdString());
    const Outcome outcome = m_form.apply(m_pView->Model(), fields);
    if (outcome.Failed()) {
        m_problem->setText(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
        m_text->setFocus();
        return;
    }
    m_pView->Follow(outcome);
    QDialog::accept();
}

void CNumbersDlg::Hold(std::string text, const QString &comment)
{
    m_problem->clear();
    int64_t values = 0;
    m_form.check(text, &values);
    if (values <= kMaxShownValues) {
        m_held.clear();
        m_text->setPlainText(QString::fromStdString(text));
        return;
    }
    m_held = std::move(text);
    m_heldComment = comment;
    m_text->setPlainText(comment);
}

void CNumbersDlg::LoadFile(const QString &path)
{
    std::string text;
    QString problem;
    if (!ReadTextFile(path, &text, &problem)) {
        m_problem->setText(problem);
        return;
    }
    int64_t values = 0;
    if (const Message wrong = m_form.check(text, &values); !wrong.Empty()) {
        // A short file is shown as it is, so that the line can be mended here.
        if (qint64(text.size()) <= kMaxShownValues * 4)
            m_text->setPlainText(QString::fromStdString(text));
        m_problem->setText(tr("%1：%2").arg(QFileInfo(path).fileName(),
                                               CProblemText::Say(wrong, CProblemText::Wording::Dialog)));
        return;
    }
    const QString comment = Words(m_form.loaded(QFileInfo(path).fileName().toStdString(), text));
    Hold(std::move(text), comment);
}

void CNumbersDlg::FillRandom(const std::vector<int> &asked)
{
    std::vector<int> counts;
    for (std::size_t i = 0; i < m_counts.size() && i < asked.size(); ++i) {
        m_counts[i]->setValue(asked[i]);
        counts.push_back(m_counts[i]->value());
    }
    QRandomGenerator *random = QRandomGenerator::global();
    std::string text = m_form.fill(counts, [random](int low, int high) { return int(random->bounded(low, high + 1)); });
    Hold(std::move(text), Words(m_form.filled(counts)));
}

bool CNumbersDlg::ReadTextFile(const QString &path, std::string *text, QString *problem)
{
    QFile file(path);
    QString error;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) || !ReadText(&file, text, &error)) {
        *problem = tr("無法讀取 %1：%2").arg(path, error.isEmpty() ? file.errorString() : error);
        return false;
    }
    return true;
}

bool CNumbersDlg::ReadText(QIODevice *device, std::string *text, QString *error)
{
    text->clear();
    char chunk[1 << 16];
    for (;;) {
        const qint64 got = device->read(chunk, sizeof chunk);
        if (got < 0) {
            *error = device->errorString();
            return false;
        }
        if (got == 0) // files and pipes read blocking: the end
            return true;
        text->append(chunk, std::size_t(got));
        if (qint64(text->size()) > kMaxTextBytes) {
            *error = tr("檔案超過 %1 MB，比任何合併用得到的都大").arg(kMaxTextBytes >> 20);
            return false;
        }
    }
}
